#pragma once
// The interactive book's page reader on the phone (see IBookReader).

#include "Classes/library_store/IBookReader.h"

class IBookItemVC : public IBookReader<StartItemVC> {
  public:
    static const ui::ConnectionTable& classConnections();
    const ui::ConnectionTable& connections() const override { return classConnections(); }
};
