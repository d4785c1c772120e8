#pragma once
// The tablet's tag cloud: larger words, start points anywhere in the cloud but a 30-point margin,
// a first cloud of the tablet's portrait size behind the keys, and a new drawing when the device
// turns.

#include "Classes/errorlog/CloudVC.h"

class CloudVC_iPad : public CloudVC {
  public:
    static constexpr ui::Size kFirstCloudSize{768, 853};

    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(CloudVC::nibIdentifier()); }

    using CloudVC::init;
    void init(Books books);

    float fontSizeMax() const override { return 36; }
    float nMax() const override { return 10; }
    int cloudBoundsX(ui::Size size) const override;
    int cloudBoundsY(ui::Size size) const override;
    void didRotate(const Sender& sender = nullptr) override;
    void setupV() override;
};
