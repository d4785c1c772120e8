#pragma once
// The contents of an interactive book on the phone (see IBookSetScreen).

#include "Classes/library_store/IBookSetScreen.h"

class IBookVC : public IBookSetScreen<StartSetVC> {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
};
