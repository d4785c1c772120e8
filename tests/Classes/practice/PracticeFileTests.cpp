#include <gtest/gtest.h>

#include "Classes/core/MRepository.h"
#include "Classes/core/TovridaAppDelegate.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/practice/MSession.h"
#include "Classes/practice/MSessions.h"
#include "tests/Classes/practice/PracticeTestSupport.h"
#include "tests/support/ScreenTestEnvironment.h"

using namespace practice_test;

namespace {

// The practice repository inside the launched application: reached through the central
// repository, saved to and read from its own file.
class PracticeInTheApplication : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        delegate = std::make_shared<TovridaAppDelegate>();
        launch(ui::Idiom::Phone, delegate);
        // The launch loads the user's data on its own thread; this test's repository replaces them.
        ASSERT_TRUE(runUntil([this] { return !delegate->isLoading(); }));
        delegate->setLaunchDate(fnd::Date::now());
        practice = MPracticeRepository::makeWithData();
        rep = std::make_shared<MRepository>();
        rep->setPracticeRep(practice);
        delegate->setRep(rep);
    }

    std::shared_ptr<TovridaAppDelegate> delegate;
    std::shared_ptr<MRepository> rep;
    std::shared_ptr<MPracticeRepository> practice;
};

}  // namespace

TEST_F(PracticeInTheApplication, AnswersReachTheSessionStartedThroughTheCentralRepository) {
    rep->sessions()->startSession();
    auto question = practice->workQSet()->cursorQuestion();
    ASSERT_TRUE(question);
    auto record = answer(question, 2, 48);
    ASSERT_EQ(practice->sessions()->currentSession()->records().size(), 1u);
    EXPECT_EQ(record->sessionId(), 0);

    MRepository bare;
    EXPECT_FALSE(bare.sessions());
    EXPECT_FALSE(bare.isKWActive());
}
