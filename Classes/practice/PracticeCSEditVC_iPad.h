#pragma once
// The tablet's custom-set editor: its own interface file, and the tablet's add-questions screen.

#include "Classes/practice/PracticeCSEditVC.h"

class PracticeCSEditVC_iPad : public PracticeCSEditVC {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
    std::string nibIdentifier() const override { return tabletName(PracticeCSEditVC::nibIdentifier()); }
    void openPracticeCSAddQuestions(const Sender& sender = nullptr) override;
};
