#include "Classes/library_store/StoreAlert.h"

#include "platform/ui/AlertView.h"
#include "platform/ui/Make.h"

void StoreAlert::show(const std::string& title, const std::string& message) {
    auto alert = ui::make<ui::AlertView>(title, message, std::weak_ptr<ui::AlertViewDelegate>(), "Ok",
                                         std::vector<std::string>{});
    alert->show();
}
