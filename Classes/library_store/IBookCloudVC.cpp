#include "Classes/library_store/IBookCloudVC.h"

#include <algorithm>

#include "Classes/core/AbstractAppDelegate.h"
#include "Classes/errorlog/CloudColor.h"
#include "Classes/errorlog/MCloud.h"
#include "Classes/library_store/MIBHRecord.h"
#include "Classes/library_store/MIBIndex.h"
#include "Classes/library_store/MIBQuestion.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Random.h"
#include "platform/ui/Animation.h"
#include "platform/ui/ConnectionTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

const ui::ConnectionTable& IBookCloudVC::classConnections() {
    static const ui::ConnectionTable table =
        ui::ConnectionTable("IBookCloudVC", &SliddenViewController::classConnections())
            .outlet("leftScaleLbl", &IBookCloudVC::leftScaleLbl_)
            .outlet("rightScaleLbl", &IBookCloudVC::rightScaleLbl_)
            .action("optimaze:", &IBookCloudVC::optimaze)
            .action("doneClick:", &IBookCloudVC::doneClick);
    return table;
}

void IBookCloudVC::init(std::shared_ptr<MIBIndex> index) {
    initWithNibName(nibIdentifier());
    ibIndex_ = index ? std::move(index) : std::make_shared<MIBIndex>();
    animation();
}

void IBookCloudVC::viewDidLoad() {
    SliddenViewController::viewDidLoad();
    setupV();
    showCloud();
}

void IBookCloudVC::replaceCloud(ui::Size size) {
    if (cloud_) cloud_->cloudView()->removeFromSuperview();
    cloud_ = std::make_shared<MCloud>(size);
    view()->addSubview(cloud_->cloudView());
}

void IBookCloudVC::setupV() {
    auto home = homeView();
    ui::Size size = home ? home->bounds().size : view()->bounds().size;
    replaceCloud({size.width, size.height - MCloud::kTop});
}

int IBookCloudVC::tagFont(const Questions& questions) const {
    return MCloud::fontSizeForCount(questions.size(), qSetCountMax_, fontSizeMax());
}

float IBookCloudVC::tagAlpha(int& fontSize) const { return MCloud::alphaForFontSize(fontSize, nMax()); }

int IBookCloudVC::cloudBoundsX(ui::Size) const { return int(30 + fnd::Random::uniform(260)); }

int IBookCloudVC::cloudBoundsY(ui::Size) const { return int(30 + fnd::Random::uniform(340)); }

ui::Color IBookCloudVC::tagColor(int answered, int wrong, double mainHue) {
    return CloudColor::answerShade(answered, wrong, mainHue);
}

void IBookCloudVC::collectTags() {
    tagDic_.clear();
    for (const auto& [key, question] : ibIndex_->questionDict())
        if (question->tags())
            for (const auto& tag : *question->tags()) tagDic_[tag].push_back(question);
    qSetCountMax_ = 0;
    for (const auto& [tag, questions] : tagDic_)
        qSetCountMax_ = std::max(qSetCountMax_, unsigned(questions.size()));
}

void IBookCloudVC::showCloud() {
    collectTags();
    auto delegate = AbstractAppDelegate::shared();
    const double hue = delegate ? delegate->mainHue() : 0;
    const ui::Size size = cloud_->cloudView()->bounds().size;
    const double limit = kAreaCap * size.width * size.height;
    double area = 0;
    for (const auto& [tag, questions] : tagDic_) {
        if (area >= limit) break;
        ui::Point start{double(cloudBoundsX(size)), double(cloudBoundsY(size))};
        int answered = 0, wrong = 0;
        for (const auto& question : questions) {
            if (!question->history() || question->history()->empty()) continue;
            ++answered;
            if (!question->history()->back()->isRight()) ++wrong;
        }
        int fontSize = tagFont(questions);
        float alpha = tagAlpha(fontSize);
        auto added =
            cloud_->addTagAtPoint(start, float(fontSize), alpha, tagColor(answered, wrong, hue), tag);
        area += added->size().width * added->size().height;
    }
    if (leftScaleLbl_ && delegate) leftScaleLbl_->setTextColor(delegate->lightColor());
    if (rightScaleLbl_) rightScaleLbl_->setTextColor(ui::Color::redColor());
    optimaze();
}

void IBookCloudVC::optimaze(const Sender&) {
    ui::Animation::begin();
    ui::Animation::setDuration(kOptimazeDuration);
    ui::Animation::setCurve(ui::AnimationCurve::EaseInOut);
    cloud_->optimazeTags();
    ui::Animation::commit();
}

void IBookCloudVC::doneClick(const Sender&) {
    fnd::NotificationCenter::defaultCenter().post(kDoneNotification, sharedAs<IBookCloudVC>());
}
