#pragma once
// The interactive book's tag cloud on the tablet: larger words, start points anywhere in the cloud
// but a 30-point margin, a first cloud of the tablet's portrait size behind the keys, and a new
// drawing when the device turns.

#include "Classes/library_store/IBookCloudVC.h"

class IBookCloudVC_iPad : public IBookCloudVC {
  public:
    static constexpr ui::Size kFirstCloudSize{768, 944};

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(IBookCloudVC::nibIdentifier()); }

    using IBookCloudVC::init;
    // Also follows the home screen's turns.
    void init(std::shared_ptr<MIBIndex> index) override;
    void setupV() override;
    float fontSizeMax() const override { return 36; }
    float nMax() const override { return 10; }
    int cloudBoundsX(ui::Size size) const override;
    int cloudBoundsY(ui::Size size) const override;
    // A new cloud of the home screen's size, drawn again.
    void didRotate(const Sender& sender = nullptr) override;
};
