#pragma once
// When a section's answer history last changed here, was last cleared, and was last exchanged with
// the sync back-end. Every section has one; the tracker archive keeps it, and the sync client sends
// it, tests it for local changes and merges the back-end's vectors into it. Main thread only.

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/Coding.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/JsonValue.h"
#include "platform/foundation/Object.h"

class SyncInfo : public fnd::Object, public fnd::Coding {
  public:
    using Vector = std::map<std::string, fnd::Date, std::less<>>;
    static constexpr const char* kClassName = "SyncInfo";
    // Two dates closer than this are the same moment to the sync rules.
    static constexpr double kTolerance = 0.005;

    // For the class registry; initWithData() or initWithCoder() fills it.
    SyncInfo() = default;
    // A new record whose lists are empty; they are made now and never cleared.
    static std::shared_ptr<SyncInfo> initWithData();

    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

    // The history was cleared now: clear time, update and sync vectors all get this moment.
    void cleared();
    // A new attempt was recorded now.
    void updated();
    // The back-end's vectors after a merge, as wire texts. A text that does not read removes its
    // key; a clear text replaces the clear time (none when it does not read); no clear text keeps it.
    void syncedInWithSyncVector(const std::map<std::string, std::string, std::less<>>& syncVector,
                                const std::map<std::string, std::string, std::less<>>& updateVector,
                                const std::optional<std::string>& clearTime);
    // {"s": sync vector, "u": update vector, "cr": create time, "cl": clear time when set}, dates as
    // wire texts.
    fnd::JsonValue proxyForJson() const;
    // Whether the history changed here after `time` (with no time: whether it ever changed).
    bool isDirtyAgainstTime(const std::optional<fnd::Date>& time) const;
    std::optional<fnd::Date> updateTime() const;

    const Vector& syncVector() const { return syncVector_; }
    const Vector& updateVector() const { return updateVector_; }
    fnd::Date createTime() const { return createTime_; }
    const std::optional<fnd::Date>& clearTime() const { return clearTime_; }

    // -1, 0 or +1 as a is earlier than, the same moment as, or later than b, within kTolerance.
    static int compareLessStrictly(fnd::Date a, fnd::Date b);
    // The wire form of dates, "yyyyMMddHHmmss.SSS" in GMT, and its reading (nothing for any other text).
    static std::string wireText(fnd::Date date);
    static std::optional<fnd::Date> dateFromWireText(std::string_view text);

  private:
    Vector syncVector_;
    Vector updateVector_;
    fnd::Date createTime_;
    std::optional<fnd::Date> clearTime_;
};
