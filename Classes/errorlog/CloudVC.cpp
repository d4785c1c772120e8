#include "Classes/errorlog/CloudVC.h"

#include <algorithm>
#include <cmath>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/errorlog/MBook.h"
#include "Classes/errorlog/MCloud.h"
#include "Classes/errorlog/MQuestion.h"
#include "Classes/errorlog/MSection.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Random.h"
#include "platform/ui/Animation.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

namespace {

const std::vector<int> kTypeCycle = {CloudVC::kPS, CloudVC::kDS, CloudVC::kRC, CloudVC::kCR, CloudVC::kSC};
const std::vector<int> kPeriodCycle = {CloudVC::kAllTime, CloudVC::kSinceLaunch, 86400, 604800, 2592000};
const std::vector<int> kColorCycle = {CloudColor::kAnswer, CloudColor::kTime, CloudColor::kSolved};

// The value after the given one in the cycle; nothing for a value outside it.
std::optional<int> nextIn(const std::vector<int>& cycle, int value) {
    auto at = std::find(cycle.begin(), cycle.end(), value);
    if (at == cycle.end()) return std::nullopt;
    return ++at == cycle.end() ? cycle.front() : *at;
}

bool isDifficultyTag(const std::string& text) { return text == "Hard" || text == "Medium" || text == "Easy"; }

// The legend of a colour measure: the ends' texts and colours and the scale's picture.
struct Legend {
    const char* left;
    ui::Color leftColor;
    const char* right;
    ui::Color rightColor;
    const char* image;
};

std::optional<Legend> legendFor(int colorType) {
    auto delegate = AbstractAppDelegate::shared();
    ui::Color light = delegate ? delegate->lightColor() : ui::Color::whiteColor();
    switch (colorType) {
        case CloudColor::kAnswer:
            return Legend{"right", light, "wrong", ui::Color::redColor(), "Cloud_scale_wrong.png"};
        case CloudColor::kTime:
            return Legend{"00:00", ui::Color::whiteColor(), "03:00", ui::Color::redColor(),
                          "Cloud_scale_time.png"};
        case CloudColor::kSolved:
            return Legend{"0%", ui::Color::whiteColor(), "100%", light, "Cloud_scale_solved.png"};
        default:
            return std::nullopt;
    }
}

}  // namespace

const ui::ConnectionTable& CloudVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("CloudVC", &SliddenViewController::classConnections())
            .outlet("cloudTypeLbl", &CloudVC::cloudTypeLbl_)
            .outlet("sourceLbl", &CloudVC::sourceLbl_)
            .outlet("periodLbl", &CloudVC::periodLbl_)
            .outlet("colorLbl", &CloudVC::colorLbl_)
            .outlet("leftScaleLbl", &CloudVC::leftScaleLbl_)
            .outlet("rightScaleLbl", &CloudVC::rightScaleLbl_)
            .outlet("scaleIV", &CloudVC::scaleIV_)
            .action("changeType", &CloudVC::changeType)
            .action("changeSource", &CloudVC::changeSource)
            .action("changePeriod", &CloudVC::changePeriod)
            .action("changeColor", &CloudVC::changeColor)
            .action("optimaze:", &CloudVC::optimaze)
            .action("didRotate:", &CloudVC::didRotate)
            .action("doneClick:", &CloudVC::doneClick);
    return table;
}

void CloudVC::init(Books books) {
    initWithNibName(nibIdentifier());
    books_ = std::move(books);
    animation();
}

void CloudVC::viewDidLoad() {
    SliddenViewController::viewDidLoad();
    setupV();
    showCloud();
}

void CloudVC::setDefaults() {
    cloudType_ = kPS;
    source_ = kAllBooks;
    period_ = kAllTime;
    colorType_ = CloudColor::kAnswer;
}

void CloudVC::setupV() {
    setDefaults();
    newCloud();
}

void CloudVC::newCloud() {
    if (cloud_) cloud_->cloudView()->removeFromSuperview();
    auto home = homeView();
    ui::Size size = home ? home->bounds().size : view()->bounds().size;
    cloud_ = std::make_shared<MCloud>(ui::Size{size.width, size.height - kChromeHeight});
    view()->addSubview(cloud_->cloudView());
}

std::string CloudVC::typeLabel(int type) { return MBook::nameForType(type).value_or(""); }

std::string CloudVC::periodLabel(int period) {
    switch (period) {
        case kSinceLaunch:
            return "launch";
        case 86400:
            return "24h";
        case 604800:
            return "week";
        case 2592000:
            return "month";
        default:
            return "all";
    }
}

std::string CloudVC::colorLabel(int colorType) {
    switch (colorType) {
        case CloudColor::kTime:
            return "time";
        case CloudColor::kSolved:
            return "solved";
        default:
            return "answer";
    }
}

std::string CloudVC::sourceLabel(const MBook& book) {
    return ostrand::Regex::replaceAll(book.shortName(), "erbal|uant", "");
}

void CloudVC::advance(int& value, const std::vector<int>& cycle, ui::Label& label, std::string (*name)(int)) {
    if (cloud_) newCloud();
    if (auto next = nextIn(cycle, value)) {
        value = *next;
        label.setText(name(value));
    }
    showCloud();
}

void CloudVC::changeType(const Sender&) { advance(cloudType_, kTypeCycle, *cloudTypeLbl_, typeLabel); }

void CloudVC::changeSource(const Sender&) {
    if (cloud_) newCloud();
    if (source_ == kAllBooks)
        source_ = 0;
    else if (++source_ >= int(books_.size()))
        source_ = kAllBooks;
    bool known = source_ >= 0 && source_ < int(books_.size());
    sourceLbl_->setText(known ? sourceLabel(*books_[std::size_t(source_)]) : "all");
    showCloud();
}

void CloudVC::changePeriod(const Sender&) { advance(period_, kPeriodCycle, *periodLbl_, periodLabel); }

void CloudVC::changeColor(const Sender&) { advance(colorType_, kColorCycle, *colorLbl_, colorLabel); }

int CloudVC::tagFont(std::size_t count) const {
    return MCloud::fontSizeForCount(count, qSetCountMax_, fontSizeMax());
}

float CloudVC::tagAlpha(int& fontSize) const { return MCloud::alphaForFontSize(fontSize, nMax()); }

int CloudVC::cloudBoundsX(ui::Size) const { return int(30 + fnd::Random::next32() % 260u); }

int CloudVC::cloudBoundsY(ui::Size) const { return int(30 + fnd::Random::next32() % 260u); }

fnd::Date CloudVC::periodStart() const {
    if (period_ == kAllTime) return fnd::Date::fromUnix(0);
    if (period_ == kSinceLaunch) {
        auto delegate = AbstractAppDelegate::shared();
        auto launch = delegate ? delegate->launchDate() : std::nullopt;
        return launch.value_or(fnd::Date::now());
    }
    return fnd::Date(fnd::Date::now().timeIntervalSinceReferenceDate() - period_);
}

void CloudVC::collectTags() {
    tagQDic_.clear();
    const MBook* only =
        source_ >= 0 && source_ < int(books_.size()) ? books_[std::size_t(source_)].get() : nullptr;
    for (const auto& book : books_) {
        if (source_ != kAllBooks && book.get() != only) continue;
        for (const auto& section : book->sections())
            for (const auto& question : section->questions()) {
                if (question->questionType() != cloudType_ || !question->conceptNames()) continue;
                for (const auto& text : *question->conceptNames()) tagQDic_[text].push_back(question);
            }
    }
    qSetCountMax_ = 0;
    for (const auto& [text, questions] : tagQDic_)
        qSetCountMax_ = std::max(qSetCountMax_, unsigned(questions.size()));
}

void CloudVC::addTags() {
    ui::Size size = cloud_->cloudView()->bounds().size;
    fnd::Date start = periodStart();
    auto delegate = AbstractAppDelegate::shared();
    double hue = delegate ? delegate->mainHue() : 0;
    double area = 0;
    for (const auto& [text, questions] : tagQDic_) {
        int x = cloudBoundsX(size);
        int y = cloudBoundsY(size);
        ui::Color color = CloudColor::colorFor(questions, colorType_, start, hue);
        int fontSize = tagFont(questions.size());
        float alpha = tagAlpha(fontSize);
        if (isDifficultyTag(text) || area >= kAreaCap * size.width * size.height) continue;
        auto tag = cloud_->addTagAtPoint({double(x), double(y)}, float(fontSize), alpha, color, text);
        area += tag->size().width * tag->size().height;
    }
}

void CloudVC::showLegend() {
    auto legend = legendFor(colorType_);
    if (!legend) return;
    leftScaleLbl_->setText(legend->left);
    leftScaleLbl_->setTextColor(legend->leftColor);
    rightScaleLbl_->setText(legend->right);
    rightScaleLbl_->setTextColor(legend->rightColor);
    scaleIV_->setImage(ui::Image::named(legend->image));
}

void CloudVC::showCloud() {
    collectTags();
    addTags();
    showLegend();
    optimaze();
}

void CloudVC::optimaze(const Sender&) {
    ui::Animation::begin();
    ui::Animation::setDuration(1.0);
    ui::Animation::setCurve(ui::AnimationCurve::EaseInOut);
    cloud_->optimazeTags();
    ui::Animation::commit();
}

void CloudVC::didRotate(const Sender&) {}

void CloudVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post("Done", sharedAs<CloudVC>());
}
