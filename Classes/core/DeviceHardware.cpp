#include "Classes/core/DeviceHardware.h"

#include "platform/ui/Device.h"

std::string DeviceHardware::platform() { return ui::Device::current().model(); }
