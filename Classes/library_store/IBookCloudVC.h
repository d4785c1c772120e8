#pragma once
// The interactive book's tag cloud: every concept tag of the book's questions as a word whose size
// tells how many questions carry it and whose colour tells how the last answers to them went
// (white while none is answered, towards red when more than a third were wrong, towards the
// scheme's hue when fewer were). The words are placed in the order of their texts from random
// start points and pushed apart by the cloud's layout; once the words cover 40 % of the cloud,
// the rest are left out.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Classes/core/SliddenViewController.h"
#include "platform/ui/Color.h"
#include "platform/ui/Size.h"

class MCloud;
class MIBIndex;
class MIBQuestion;
namespace ui {
class Label;
}

class IBookCloudVC : public SliddenViewController {
  public:
    using Questions = std::vector<std::shared_ptr<MIBQuestion>>;
    static constexpr const char* kDoneNotification = "Done";
    // The share of the cloud's area that the drawn words may cover.
    static constexpr double kAreaCap = 0.4;
    static constexpr double kOptimazeDuration = 1.0;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return "IBookCloudView"; }

    // The book's index (an empty one when there is none), then the entrance.
    using SliddenViewController::init;
    virtual void init(std::shared_ptr<MIBIndex> index);
    void viewDidLoad() override;

    // The cloud model, its view on the screen.
    virtual void setupV();
    virtual float fontSizeMax() const { return 18; }
    virtual float nMax() const { return 7.5f; }
    // A tag's font size from its questions.
    int tagFont(const Questions& questions) const;
    // The tag's opacity; a size below nMax is raised to it.
    float tagAlpha(int& fontSize) const;
    // A start point's coordinates in a cloud of that size.
    virtual int cloudBoundsX(ui::Size size) const;
    virtual int cloudBoundsY(ui::Size size) const;
    // The colour of a tag with `answered` answered questions, `wrong` of them last answered wrong.
    static ui::Color tagColor(int answered, int wrong, double mainHue);

    // Rebuilds the tags from the index and draws them, then optimaze.
    void showCloud();
    // One second of the cloud's layout, eased in and out.
    void optimaze(const Sender& sender = nullptr);
    virtual void didRotate(const Sender& = nullptr) {}
    void doneClick(const Sender& sender = nullptr);

    const std::shared_ptr<MIBIndex>& ibIndex() const { return ibIndex_; }
    const std::map<std::string, Questions>& tagDic() const { return tagDic_; }
    unsigned qSetCountMax() const { return qSetCountMax_; }
    const std::shared_ptr<MCloud>& cloud() const { return cloud_; }
    const std::shared_ptr<ui::Label>& leftScaleLbl() const { return leftScaleLbl_; }
    const std::shared_ptr<ui::Label>& rightScaleLbl() const { return rightScaleLbl_; }

  protected:
    // A new cloud of that size in place of the present one, its view on the screen.
    void replaceCloud(ui::Size size);

  private:
    void collectTags();

    std::shared_ptr<MIBIndex> ibIndex_;
    std::map<std::string, Questions> tagDic_;
    unsigned qSetCountMax_ = 0;
    std::shared_ptr<MCloud> cloud_;
    std::shared_ptr<ui::Label> leftScaleLbl_, rightScaleLbl_;
};
