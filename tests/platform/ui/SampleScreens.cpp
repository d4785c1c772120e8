#include "tests/platform/ui/SampleScreens.h"

#include "platform/foundation/Paths.h"
#include "platform/ui/ViewClassRegistry.h"

namespace samples {

namespace {
std::string text(ui::InterfaceOrientation o) { return std::to_string(static_cast<int>(o)); }
std::string text(double d) {
    std::string s = std::to_string(d);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
}
}  // namespace

const ui::ConnectionTable& SampleScreen::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("SampleScreen", &ViewController::classConnections())
            .outlet("titleLabel", &SampleScreen::titleLabel)
            .outlet("badge", &SampleScreen::badge)
            .outlet("doneButton", &SampleScreen::doneButton)
            .action("done:", &SampleScreen::done)
            .action("pressed", &SampleScreen::pressed);
    return table;
}

void SampleScreen::init() {
    ViewController::init();
    events.push_back("init");
    view();  // the entrance puts the view on screen
    events.push_back("init ends");
}

void SampleScreen::viewDidLoad() {
    events.push_back("viewDidLoad" + std::string(titleLabel ? " with outlets" : " without outlets"));
}

bool SampleScreen::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) {
    events.push_back("should " + text(orientation));
    return acceptsLandscape || orientation == ui::InterfaceOrientation::Portrait;
}

void SampleScreen::willRotateToInterfaceOrientation(ui::InterfaceOrientation to, double duration) {
    ui::Size size = view()->bounds().size;
    events.push_back("will rotate " + text(to) + " " + text(duration) + " " + text(size.width) + "x" +
                     text(size.height));
}

void SampleScreen::willAnimateRotationToInterfaceOrientation(ui::InterfaceOrientation to, double duration) {
    ui::Size size = view()->bounds().size;
    events.push_back("will animate " + text(to) + " " + text(duration) + " " + text(size.width) + "x" +
                     text(size.height));
}

void SampleScreen::didRotateFromInterfaceOrientation(ui::InterfaceOrientation from) {
    events.push_back("did rotate from " + text(from));
}

void SampleScreen::done(const Sender& sender) {
    events.push_back("done");
    lastSender = sender;
}

const ui::ConnectionTable& SampleScreen_iPad::classConnections() {
    static const ui::ConnectionTable table("SampleScreen_iPad", &SampleScreen::classConnections());
    return table;
}

void SampleScreen_iPad::init() {
    acceptsLandscape = true;
    SampleScreen::init();
}

const ui::ConnectionTable& SampleList::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("SampleList", &ViewController::classConnections())
            .outlet("theCell", &SampleList::theCell);
    return table;
}

void useSamples() {
    ui::ViewClassRegistry::shared().registerClass<SampleBadge>("SampleBadge", "View",
                                                               [](SampleBadge& badge, ui::NibProperties& p) {
                                                                   if (auto text = p.string("badgeText"))
                                                                       badge.badgeText = *text;
                                                               });
    ui::ConnectionTable::registerOwner(SampleScreen::classConnections());
    ui::ConnectionTable::registerOwner(SampleScreen_iPad::classConnections());
    ui::ConnectionTable::registerOwner(SampleList::classConnections());
    fnd::Paths::setResources(ORVA_FIXTURES);
}

}  // namespace samples
