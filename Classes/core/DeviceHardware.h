#pragma once
// What the program reads of the device's hardware.

#include <string>

class DeviceHardware {
  public:
    // The hardware model identifier ("iPhone3,1"), as the device answers it. Any thread.
    static std::string platform();
};
