#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Thread.h"
#include "tests/support/TestEnvironment.h"

namespace {

class NotificationCenterTest : public testing_support::TestEnvironment {
  protected:
    fnd::NotificationCenter center;
};

struct Screen : fnd::Object {};

TEST_F(NotificationCenterTest, MatchesByNameAndObjectWithAnyAsWildcards) {
    int child = 0, other = 0;
    int byName = 0, byObject = 0, everything = 0;
    center.addObserver(this, "Done", nullptr, [&](const fnd::Notification&) { ++byName; });
    center.addObserver(this, std::nullopt, &child, [&](const fnd::Notification&) { ++byObject; });
    center.addObserver(this, std::nullopt, nullptr, [&](const fnd::Notification&) { ++everything; });
    center.post("Done", &child);
    center.post("Cancel", &child);
    center.post("Done", &other);
    EXPECT_EQ(byName, 2);
    EXPECT_EQ(byObject, 2);
    EXPECT_EQ(everything, 3);
}

TEST_F(NotificationCenterTest, RemovesByObserverByObjectAndByName) {
    int a = 0, b = 0;
    int child = 0, other = 0;
    int observerA = 0, observerB = 0;
    center.addObserver(&observerA, "Done", &child, [&](const fnd::Notification&) { ++a; });
    center.addObserver(&observerA, "Cancel", &other, [&](const fnd::Notification&) { ++a; });
    center.addObserver(&observerB, "Done", nullptr, [&](const fnd::Notification&) { ++b; });
    center.addObserver(&observerB, "Cancel", nullptr, [&](const fnd::Notification&) { ++b; });

    center.removeObserverForObject(&observerA, &child);
    center.removeObserverForName(&observerB, "Cancel");
    center.post("Done", &child);
    center.post("Cancel", &other);
    EXPECT_EQ(a, 1);  // only the Cancel registration for `other` is left
    EXPECT_EQ(b, 1);

    center.removeObserver(&observerA);
    center.removeObserver(&observerB);
    EXPECT_EQ(center.observerCount(), 0u);
}

TEST_F(NotificationCenterTest, HandlersMayRemoveThemselvesAndOthersDuringDelivery) {
    int first = 0, second = 0, third = 0;
    int o1 = 0, o2 = 0, o3 = 0;
    center.addObserver(&o1, "Done", nullptr, [&](const fnd::Notification&) {
        ++first;
        center.removeObserver(&o1);
        center.removeObserver(&o2);  // not yet delivered in this post: must not be
    });
    center.addObserver(&o2, "Done", nullptr, [&](const fnd::Notification&) { ++second; });
    center.addObserver(&o3, "Done", nullptr, [&](const fnd::Notification&) { ++third; });
    center.post("Done");
    center.post("Done");
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(third, 2);
}

TEST_F(NotificationCenterTest, WeakObserversThatAreGoneAreSkipped) {
    auto screen = std::make_shared<Screen>();
    int calls = 0;
    center.addObserver(screen, "Done", nullptr, [&](const fnd::Notification&) { ++calls; });
    center.post("Done");
    screen.reset();
    center.post("Done");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(center.observerCount(), 0u);
}

TEST_F(NotificationCenterTest, TheObjectTravelsWithTheNotification) {
    auto screen = std::make_shared<Screen>();
    std::shared_ptr<Screen> received;
    center.addObserver(this, "Done", screen.get(),
                       [&](const fnd::Notification& n) { received = n.objectAs<Screen>(); });
    center.post("Done", screen);
    EXPECT_EQ(received, screen);
}

TEST_F(NotificationCenterTest, RemovalFromAnotherThreadWaitsForTheDeliveryInProgress) {
    std::atomic<bool> inHandler{false}, release{false}, handlerFinished{false};
    int observer = 0;
    center.addObserver(&observer, "Saved", nullptr, [&](const fnd::Notification&) {
        inHandler = true;
        while (!release) std::this_thread::yield();
        handlerFinished = true;
    });
    std::thread poster([&] { center.post("Saved"); });
    while (!inHandler) std::this_thread::yield();

    std::atomic<bool> removed{false};
    std::thread remover([&] {
        center.removeObserver(&observer);
        removed = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // the remover must still be waiting
    EXPECT_FALSE(removed);
    release = true;
    remover.join();
    poster.join();
    EXPECT_TRUE(handlerFinished);
    EXPECT_TRUE(removed);
}

TEST_F(NotificationCenterTest, RemovalOnMainDoesNotDeadlockWithAHandlerWaitingOnMain) {
    std::atomic<bool> inHandler{false}, handlerDone{false};
    int observer = 0;
    bool mainWorkRan = false;
    center.addObserver(&observer, "MSubRepositorySaveDone", nullptr, [&](const fnd::Notification&) {
        inHandler = true;
        loop->performAndWait([&] { mainWorkRan = true; });  // as a save thread handing UI work to main
        handlerDone = true;
    });
    fnd::Thread::detach("save", [&] { center.post("MSubRepositorySaveDone"); });
    while (!inHandler) std::this_thread::yield();
    center.removeObserver(&observer);  // on the main thread, while the handler waits for it
    EXPECT_TRUE(handlerDone);
    EXPECT_TRUE(mainWorkRan);
    EXPECT_TRUE(fnd::Thread::waitUntilIdle(5));
}

}  // namespace
