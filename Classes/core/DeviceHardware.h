#pragma once
// What the program reads of the device's hardware.

#include <string>

class DeviceHardware {
  public:
    // The hardware model identifier ("iPhone3,1"), as the device answers it. Any thread.
    static std::string platform();
    // The device's kind as people call it ("iPhone", "iPod touch", "iPad"), from the model string;
    // the model string itself for a kind it does not know.
    static std::string modelName();
};
