#pragma once
// The concept tag cloud: for one question type of the official-guide books, every concept tag of
// those questions as a word whose size tells how many questions carry it and whose colour tells
// how the user did on them within a period (CloudColor). Four keys cycle the question type, the
// source book, the period and the colour measure; a legend under the cloud explains the colour.
// Each change throws the cloud away and draws a new one; "Optimize" runs the layout once more.
//
// The tags are drawn in the order of their texts (byte order), so that a drawing is the same for
// the same data and random start points; which tags the 40 % area cap leaves out follows from it.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Classes/core/SliddenViewController.h"
#include "Classes/errorlog/CloudColor.h"
#include "platform/foundation/Date.h"
#include "platform/ui/Size.h"

class MBook;
class MCloud;
class MQuestion;
namespace ui {
class ImageView;
class Label;
}  // namespace ui

class CloudVC : public SliddenViewController {
  public:
    using Books = std::vector<std::shared_ptr<MBook>>;
    enum Type { kPS = 1, kDS = 2, kSC = 3, kCR = 4, kRC = 5 };
    static constexpr int kAllBooks = -1;
    static constexpr int kAllTime = -1;
    static constexpr int kSinceLaunch = 0;
    // The share of the cloud's area that the drawn words may cover.
    static constexpr double kAreaCap = 0.4;
    // What the screen's toolbar and legend take of the home screen's height.
    static constexpr double kChromeHeight = 151;

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return "CloudView"; }

    using SliddenViewController::init;
    void init(Books books);
    void viewDidLoad() override;

    void changeType(const Sender& sender = nullptr);
    void changeSource(const Sender& sender = nullptr);
    void changePeriod(const Sender& sender = nullptr);
    void changeColor(const Sender& sender = nullptr);

    virtual float fontSizeMax() const { return 18; }
    virtual float nMax() const { return 7.5f; }
    // A word's size from its number of questions: the cube root of its share of the largest.
    int tagFont(std::size_t count) const;
    // The word's opacity; a word smaller than nMax is drawn at nMax (whole points), fainter.
    float tagAlpha(int& fontSize) const;
    // A start point's coordinates, from the platform's random source.
    virtual int cloudBoundsX(ui::Size size) const;
    virtual int cloudBoundsY(ui::Size size) const;

    void showCloud();
    void optimaze(const Sender& sender = nullptr);
    virtual void didRotate(const Sender& sender = nullptr);
    void doneClick(const Sender& sender = nullptr);
    virtual void setupV();

    // The labels of the cycles' values.
    static std::string typeLabel(int type);
    static std::string periodLabel(int period);
    static std::string colorLabel(int colorType);
    // The book's short name without "erbal" and "uant" ("OG V 2").
    static std::string sourceLabel(const MBook& book);

    // The start of the period whose attempts count.
    fnd::Date periodStart() const;

    const std::shared_ptr<MCloud>& cloud() const { return cloud_; }
    const std::map<std::string, CloudColor::Questions>& tagQDic() const { return tagQDic_; }
    int cloudType() const { return cloudType_; }
    int source() const { return source_; }
    int period() const { return period_; }
    int colorType() const { return colorType_; }
    unsigned qSetCountMax() const { return qSetCountMax_; }
    // Values outside the cycles, for tests of what a change does with them.
    void setCloudType(int type) { cloudType_ = type; }
    void setPeriod(int period) { period_ = period; }
    void setColorType(int colorType) { colorType_ = colorType; }
    void setSource(int source) { source_ = source; }

    const std::shared_ptr<ui::Label>& cloudTypeLbl() const { return cloudTypeLbl_; }
    const std::shared_ptr<ui::Label>& sourceLbl() const { return sourceLbl_; }
    const std::shared_ptr<ui::Label>& periodLbl() const { return periodLbl_; }
    const std::shared_ptr<ui::Label>& colorLbl() const { return colorLbl_; }
    const std::shared_ptr<ui::Label>& leftScaleLbl() const { return leftScaleLbl_; }
    const std::shared_ptr<ui::Label>& rightScaleLbl() const { return rightScaleLbl_; }
    const std::shared_ptr<ui::ImageView>& scaleIV() const { return scaleIV_; }

  protected:
    // A new cloud of the home screen's size less the chrome, on top of the screen's view.
    void newCloud();
    void setCloud(std::shared_ptr<MCloud> cloud) { cloud_ = std::move(cloud); }
    void setDefaults();

  private:
    // A change key's step: a new cloud, the next value of the cycle with its label (a value outside
    // the cycle stays, and so does its label), and the drawing.
    void advance(int& value, const std::vector<int>& cycle, ui::Label& label, std::string (*name)(int));
    void collectTags();
    void addTags();
    void showLegend();

    std::shared_ptr<ui::Label> cloudTypeLbl_, sourceLbl_, periodLbl_, colorLbl_, leftScaleLbl_,
        rightScaleLbl_;
    std::shared_ptr<ui::ImageView> scaleIV_;
    Books books_;
    std::shared_ptr<MCloud> cloud_;
    std::map<std::string, CloudColor::Questions> tagQDic_;
    int cloudType_ = kPS;
    int source_ = kAllBooks;
    int period_ = kAllTime;
    int colorType_ = CloudColor::kAnswer;
    unsigned qSetCountMax_ = 0;
};
