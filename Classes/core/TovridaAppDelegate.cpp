#include "Classes/core/TovridaAppDelegate.h"

#include "Classes/core/MRepository.h"
#include "Classes/core/ToolChooseVC_iPad.h"
#include "Classes/errorlog/RequestManager.h"
#include "Classes/errorlog/Syncronizer.h"
#include "Classes/practice/MPracticeRepository.h"
#include "Classes/study_aids/MConcepts.h"
#include "Classes/study_aids/MCourses.h"
#include "platform/foundation/Bundle.h"
#include "platform/ui/Application.h"
#include "platform/ui/Make.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewController.h"

std::shared_ptr<TovridaAppDelegate> TovridaAppDelegate::shared() {
    return std::dynamic_pointer_cast<TovridaAppDelegate>(ui::Application::shared().delegate());
}

void TovridaAppDelegate::applicationDidFinishLaunching(ui::Application& application) {
    AbstractAppDelegate::applicationDidFinishLaunching(application);
    startLoading();
    setupStore();
    setupSync();
}

void TovridaAppDelegate::setup() {
    if (const std::shared_ptr<MRepository>& rep = loadingRep()) {
        rep->setConceptSet(std::make_shared<MConcepts>());
        rep->setCourseSet(std::make_shared<MCourses>());
        if (rep->practiceRep()) rep->practiceRep()->attachCoursesFromSet(*rep->courseSet());
        loadedHue_.store(kMainHue);
    } else {
        // Set up without a loading thread: everything at once, here.
        setColorScheme(kMainHue);
        setupStore();
        setupSync();
    }
    AbstractAppDelegate::setup();
}

void TovridaAppDelegate::setupSync() {
    if (!requestManager_)
        requestManager_ =
            std::make_shared<RequestManager>(fnd::Bundle::main().infoValue(kSyncServiceAddressKey));
    if (!syncronizer_)
        syncronizer_ =
            std::make_shared<Syncronizer>(requestManager_, [] { return AbstractAppDelegate::sharedRep(); });
}

void TovridaAppDelegate::publishLoaded() {
    AbstractAppDelegate::publishLoaded();
    setColorScheme(loadedHue_.load());
}

void TovridaAppDelegate::setupTools() {
    std::shared_ptr<ToolChooseVC> home = isiPad() ? ui::make<ToolChooseVC_iPad>() : ui::make<ToolChooseVC>();
    setToolChooseVC(home);
    homeScreen_ = home;
}

void TovridaAppDelegate::setColorScheme(float hue) {
    setMainHue(hue);
    setMainColor(ui::Color::hsb(hue, kSaturation, kMainBrightness));
    setDarkColor(ui::Color::hsb(hue, kSaturation, kDarkBrightness));
    setLightColor(ui::Color::hsb(hue, kSaturation, kLightBrightness));
}
