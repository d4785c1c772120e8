#pragma once
// The timer tool's whole state: the user's alert and display options, the custom section's
// settings, the section being timed now and the finished sections kept. The repository holds one
// and archives it with itself. It also guards the vibration alert to once a second, and takes over,
// once, the state an earlier version of the timer kept in a file of its own.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

class MTimerRecord;
class MTimerRecordSet;

class MTimer : public fnd::Object, public fnd::Coding {
  public:
    // The default options, a ready quantitative section and no kept sections. Nothing is migrated:
    // this is also what an archive is read into.
    MTimer();

    // The timer of a repository made fresh (or of an archive without one): the old timer file's
    // state when there is one, else the defaults.
    static std::shared_ptr<MTimer> make();

    // The old timer file ("Timer" in the documents folder); read, never written.
    static std::filesystem::path dataFilePath();
    // Takes over the state in the old timer file; false (and nothing changed) when there is no
    // file, it is not a keyed archive, or it holds no timer.
    bool loadOldTimerData();
    // The same from the bytes of such a file.
    bool loadOldTimerData(std::span<const std::uint8_t> archive);

    // The next section kind, ready: quantitative, verbal, custom (from the custom settings), again.
    void reallocCurrentRecord();
    // A fresh ready section of the current one's kind and size, numbered from customStartNumber.
    void renewCurrentRecord();
    // A fresh ready custom section from the custom settings.
    void updateCurrentRecord();
    // Vibrates once, unless the device cannot or it vibrated less than a second ago.
    void doVibrate();

    const std::string& unconfirmedUserAnswer() const { return unconfirmedUserAnswer_; }
    void setUnconfirmedUserAnswer(std::string letter) { unconfirmedUserAnswer_ = std::move(letter); }
    bool fXInfo() const { return fXInfo_; }
    void setFXInfo(bool on) { fXInfo_ = on; }
    int customNumberOfQuestion() const { return customNumberOfQuestion_; }
    void setCustomNumberOfQuestion(int number) { customNumberOfQuestion_ = number; }
    double customTotalTime() const { return customTotalTime_; }
    void setCustomTotalTime(double seconds) { customTotalTime_ = seconds; }
    int customStartNumber() const { return customStartNumber_; }
    void setCustomStartNumber(int number) { customStartNumber_ = number; }
    bool vibrate130() const { return vibrate130_; }
    void setVibrate130(bool on) { vibrate130_ = on; }
    bool vibrate200() const { return vibrate200_; }
    void setVibrate200(bool on) { vibrate200_ = on; }
    bool vibrateAnswer() const { return vibrateAnswer_; }
    void setVibrateAnswer(bool on) { vibrateAnswer_ = on; }
    bool color() const { return color_; }
    void setColor(bool on) { color_ = on; }
    const std::optional<fnd::Date>& noVibrationTillDate() const { return noVibrationTillDate_; }
    void setNoVibrationTillDate(std::optional<fnd::Date> date) { noVibrationTillDate_ = date; }
    const std::shared_ptr<MTimerRecord>& currentRecord() const { return currentRecord_; }
    void setCurrentRecord(std::shared_ptr<MTimerRecord> record);
    const std::shared_ptr<MTimerRecordSet>& timerRecordSet() const { return timerRecordSet_; }
    void setTimerRecordSet(std::shared_ptr<MTimerRecordSet> set);

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

  private:
    // Whether this device vibrates at all, as the application's delegate found at launch.
    static bool vibrationAllowed();
    // The archived state of another timer, as this one's.
    void takeStateOf(const MTimer& other);

    std::string unconfirmedUserAnswer_;
    bool fXInfo_ = false;
    int customNumberOfQuestion_ = 10;
    double customTotalTime_ = 1200.0;
    int customStartNumber_ = 1;
    bool vibrate130_ = true;
    bool vibrate200_ = true;
    bool vibrateAnswer_ = false;
    bool color_ = true;
    std::optional<fnd::Date> noVibrationTillDate_;
    std::shared_ptr<MTimerRecord> currentRecord_;
    std::shared_ptr<MTimerRecordSet> timerRecordSet_;
};
