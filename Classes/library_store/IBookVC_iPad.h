#pragma once
// The contents of an interactive book on the tablet: the tablet's set screen with the interactive
// book's rows, reader, cloud and deletion (see IBookSetScreen).

#include "Classes/library_store/IBookSetScreen.h"

class IBookVC_iPad : public IBookSetScreen<StartSetVC_iPad> {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
};
