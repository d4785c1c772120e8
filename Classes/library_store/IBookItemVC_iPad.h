#pragma once
// The interactive book's page reader on the tablet (see IBookReader): the tablet reader's file,
// reload on turning and calculator key, with its own short page script, Zepto and the font size
// only.

#include "Classes/library_store/IBookReader.h"

class IBookItemVC_iPad : public IBookReader<StartItemVC_iPad> {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }

    // "out = 'Ok: ';" and the body's font size and bottom margin through Zepto.
    static std::string fontScript(int fontSize);

  protected:
    std::string pageScript(int fontSize) const override { return fontScript(fontSize); }
};
