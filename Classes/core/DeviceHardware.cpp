#include "Classes/core/DeviceHardware.h"

#include "platform/ui/Device.h"

std::string DeviceHardware::platform() { return ui::Device::current().model(); }

std::string DeviceHardware::modelName() {
    std::string model = platform();
    if (model.starts_with("iPhone")) return "iPhone";
    if (model.starts_with("iPod")) return "iPod touch";
    if (model.starts_with("iPad")) return "iPad";
    return model;
}
