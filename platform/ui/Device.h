#pragma once
// The device the program plays: idiom, model string, orientation, battery, screen scale, a
// stable identifier, and the effects (vibration, system sounds) the display plays back.

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/foundation/Locale.h"
#include "platform/foundation/TimeZone.h"

namespace ui {

enum class Idiom { Phone = 0, Tablet = 1 };

// Device orientations (not interface orientations), numbered as stored values expect.
enum class DeviceOrientation {
    Unknown = 0,
    Portrait = 1,
    PortraitUpsideDown = 2,
    LandscapeLeft = 3,
    LandscapeRight = 4,
    FaceUp = 5,
    FaceDown = 6
};

enum class BatteryState { Unknown = 0, Unplugged = 1, Charging = 2, Full = 3 };

class Device {
  public:
    static constexpr const char* kOrientationDidChangeNotification = "DeviceOrientationDidChangeNotification";
    static constexpr const char* kBatteryLevelDidChangeNotification =
        "DeviceBatteryLevelDidChangeNotification";
    static constexpr const char* kBatteryStateDidChangeNotification =
        "DeviceBatteryStateDidChangeNotification";

    static Device& current();

    // Back to a fresh phone (for program start and tests).
    void reset(Idiom idiom = Idiom::Phone);

    Idiom idiom() const { return idiom_.load(); }
    void setIdiom(Idiom idiom);
    bool isTablet() const { return idiom() == Idiom::Tablet; }

    // The hardware model string; by default one of the idiom. Any thread.
    std::string model() const;
    void setModel(std::string model);
    static std::string defaultModel(Idiom idiom);

    std::string systemName() const { return "OrvaOS"; }
    // Recent enough for multitasking and edit menus.
    std::string systemVersion() const { return "4.3"; }
    double systemVersionNumber() const { return 4.3; }

    // The device's locale ("en_US") and time zone (the machine's), as the foundation keeps them.
    fnd::Locale locale() const { return fnd::Locale::current(); }
    fnd::TimeZone timeZone() const { return fnd::TimeZone::current(); }

    // Several programs may run at once; the program is told when it goes to the background.
    bool isMultitaskingSupported() const { return true; }

    double screenScale() const { return 2.0; }
    // Points of the whole screen in portrait: 320 x 480 or 768 x 1024.
    double screenWidth() const { return isTablet() ? 768 : 320; }
    double screenHeight() const { return isTablet() ? 1024 : 480; }

    DeviceOrientation orientation() const { return orientation_.load(); }
    // Set by the display when the user turns the device; posts the change notification while
    // orientation notifications are being generated.
    void setOrientation(DeviceOrientation orientation);
    void beginGeneratingDeviceOrientationNotifications();
    void endGeneratingDeviceOrientationNotifications();
    bool isGeneratingDeviceOrientationNotifications() const { return orientationGenerators_.load() > 0; }

    // Battery: the level (0..1) is known only while monitoring is on, else -1.
    void setBatteryMonitoringEnabled(bool enabled);
    bool isBatteryMonitoringEnabled() const { return batteryMonitoring_.load(); }
    float batteryLevel() const;
    BatteryState batteryState() const;
    // Fixes level and state (tests, and machines without a power supply). A level < 0 is unknown.
    void setBattery(float level, BatteryState state);
    // Reads the machine's power supply (/sys/class/power_supply), when there is one.
    void readMachineBattery();

    // A stable identifier kept in the documents folder.
    std::string uniqueIdentifier();

    // Effects for the display to play: "vibrate" or "sound:<id>".
    void vibrate();
    void playSystemSound(int soundId);
    // A system sound made from a sound file of the bundle: an id from 4096 up (the device's own
    // sounds have lower ids), valid until disposed of. Zero when there is no such file.
    int createSystemSound(const std::string& resourceName);
    void disposeSystemSound(int soundId);
    // The file of a sound made from one, relative to the resource folder; empty for other ids.
    std::string systemSoundFile(int soundId) const;
    std::vector<std::string> takeEffects();
    void setOnEffect(std::function<void()> listener);

  private:
    Device();

    std::atomic<Idiom> idiom_{Idiom::Phone};
    std::atomic<DeviceOrientation> orientation_{DeviceOrientation::Portrait};
    std::atomic<int> orientationGenerators_{0};
    std::atomic<bool> batteryMonitoring_{false};
    mutable std::mutex mutex_;
    std::string model_;
    bool batteryFixed_ = false;
    float batteryLevel_ = -1;
    BatteryState batteryState_ = BatteryState::Unknown;
    std::string identifier_;
    std::vector<std::string> effects_;
    std::map<int, std::string> sounds_;
    int nextSound_ = kFirstCreatedSound;
    static constexpr int kFirstCreatedSound = 4096;
    std::function<void()> effectListener_;
};

}  // namespace ui
