#include "platform/ui/Device.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <utility>

#include "platform/foundation/AtomicFile.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Paths.h"
#include "platform/foundation/Random.h"

namespace fs = std::filesystem;

namespace ui {

namespace {
constexpr const char* kIdentifierFile = ".device-identifier";

std::string readLine(const fs::path& p) {
    std::ifstream in(p);
    std::string line;
    std::getline(in, line);
    return line;
}
}  // namespace

Device& Device::current() {
    // Never destroyed: screens that end while the program exits still reach it from their destructors.
    static Device* device = new Device;
    return *device;
}

Device::Device() { reset(Idiom::Phone); }

void Device::reset(Idiom idiom) {
    idiom_ = idiom;
    orientation_ = DeviceOrientation::Portrait;
    orientationGenerators_ = 0;
    batteryMonitoring_ = false;
    std::lock_guard lock(mutex_);
    model_ = defaultModel(idiom);
    batteryFixed_ = false;
    batteryLevel_ = -1;
    batteryState_ = BatteryState::Unknown;
    identifier_.clear();
    effects_.clear();
    effectListener_ = nullptr;
    sounds_.clear();
    nextSound_ = kFirstCreatedSound;
}

void Device::setIdiom(Idiom idiom) {
    idiom_ = idiom;
    std::lock_guard lock(mutex_);
    model_ = defaultModel(idiom);
}

std::string Device::defaultModel(Idiom idiom) { return idiom == Idiom::Tablet ? "iPad2,1" : "iPhone3,1"; }

std::string Device::model() const {
    std::lock_guard lock(mutex_);
    return model_;
}

void Device::setModel(std::string model) {
    std::lock_guard lock(mutex_);
    model_ = std::move(model);
}

void Device::setOrientation(DeviceOrientation orientation) {
    if (orientation_.exchange(orientation) == orientation) return;
    if (isGeneratingDeviceOrientationNotifications())
        fnd::NotificationCenter::defaultCenter().post(kOrientationDidChangeNotification, this);
}

void Device::beginGeneratingDeviceOrientationNotifications() { ++orientationGenerators_; }

void Device::endGeneratingDeviceOrientationNotifications() {
    int n = orientationGenerators_.load();
    while (n > 0 && !orientationGenerators_.compare_exchange_weak(n, n - 1)) {
    }
}

void Device::setBatteryMonitoringEnabled(bool enabled) {
    batteryMonitoring_ = enabled;
    if (enabled) readMachineBattery();
}

float Device::batteryLevel() const {
    if (!isBatteryMonitoringEnabled()) return -1;
    std::lock_guard lock(mutex_);
    return batteryLevel_;
}

BatteryState Device::batteryState() const {
    if (!isBatteryMonitoringEnabled()) return BatteryState::Unknown;
    std::lock_guard lock(mutex_);
    return batteryState_;
}

void Device::setBattery(float level, BatteryState state) {
    bool levelChanged, stateChanged;
    {
        std::lock_guard lock(mutex_);
        batteryFixed_ = true;
        levelChanged = batteryLevel_ != level;
        stateChanged = batteryState_ != state;
        batteryLevel_ = level < 0 ? -1 : std::min(level, 1.0f);
        batteryState_ = state;
    }
    if (!isBatteryMonitoringEnabled()) return;
    auto& center = fnd::NotificationCenter::defaultCenter();
    if (levelChanged) center.post(kBatteryLevelDidChangeNotification, this);
    if (stateChanged) center.post(kBatteryStateDidChangeNotification, this);
}

void Device::readMachineBattery() {
    {
        std::lock_guard lock(mutex_);
        if (batteryFixed_) return;
    }
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/sys/class/power_supply", ec)) {
        if (readLine(entry.path() / "type") != "Battery") continue;
        float level = -1;
        try {
            level = std::stof(readLine(entry.path() / "capacity")) / 100.0f;
        } catch (...) {
        }
        std::string status = readLine(entry.path() / "status");
        BatteryState state = status == "Charging"      ? BatteryState::Charging
                             : status == "Full"        ? BatteryState::Full
                             : status == "Discharging" ? BatteryState::Unplugged
                                                       : BatteryState::Unknown;
        std::lock_guard lock(mutex_);
        batteryLevel_ = level;
        batteryState_ = state;
        return;
    }
}

std::string Device::uniqueIdentifier() {
    std::lock_guard lock(mutex_);
    if (!identifier_.empty()) return identifier_;
    fs::path file = fnd::Paths::documents() / kIdentifierFile;
    std::string stored = readLine(file);
    if (stored.size() == 40 && stored.find_first_not_of("0123456789abcdef") == std::string::npos) {
        identifier_ = stored;
        return identifier_;
    }
    std::ostringstream id;
    for (int i = 0; i < 5; ++i) id << std::hex << std::setw(8) << std::setfill('0') << fnd::Random::next32();
    identifier_ = id.str();
    std::string line = identifier_ + "\n";
    if (auto saved =
            fnd::AtomicFile::write(file, {reinterpret_cast<const std::uint8_t*>(line.data()), line.size()});
        !saved)
        fnd::Log::error("device identifier not kept: ", saved.error);
    return identifier_;
}

void Device::vibrate() {
    std::function<void()> listener;
    {
        std::lock_guard lock(mutex_);
        effects_.push_back("vibrate");
        listener = effectListener_;
    }
    if (listener) listener();
}

void Device::playSystemSound(int soundId) {
    std::function<void()> listener;
    {
        std::lock_guard lock(mutex_);
        effects_.push_back("sound:" + std::to_string(soundId));
        listener = effectListener_;
    }
    if (listener) listener();
}

int Device::createSystemSound(const std::string& resourceName) {
    fs::path name(resourceName);
    if (name.empty() || name.is_absolute() || resourceName.find("..") != std::string::npos) return 0;
    std::error_code ec;
    fs::path folder = fnd::Paths::resources();
    if (!fs::is_regular_file(folder / name, ec)) return 0;
    std::lock_guard lock(mutex_);
    int id = nextSound_++;
    sounds_[id] = name.generic_string();
    return id;
}

void Device::disposeSystemSound(int soundId) {
    std::lock_guard lock(mutex_);
    sounds_.erase(soundId);
}

std::string Device::systemSoundFile(int soundId) const {
    std::lock_guard lock(mutex_);
    auto it = sounds_.find(soundId);
    return it == sounds_.end() ? std::string() : it->second;
}

std::vector<std::string> Device::takeEffects() {
    std::lock_guard lock(mutex_);
    return std::exchange(effects_, {});
}

void Device::setOnEffect(std::function<void()> listener) {
    std::lock_guard lock(mutex_);
    effectListener_ = std::move(listener);
}

}  // namespace ui
