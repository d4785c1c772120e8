#include "Classes/library_store/IBookItemVC_iPad.h"

#include "platform/ui/ConnectionTable.h"

const ui::ConnectionTable& IBookItemVC_iPad::classConnections() {
    static const ui::ConnectionTable table("IBookItemVC_iPad", &StartItemVC_iPad::classConnections());
    return table;
}

std::string IBookItemVC_iPad::fontScript(int fontSize) {
    return "out = 'Ok: ';\nfont_size = '" + std::to_string(fontSize) +
           "pt';\n$(document.body).css('font-size', font_size).css('margin-bottom', '50px');\nout;";
}
