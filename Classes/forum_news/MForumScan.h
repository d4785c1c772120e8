#pragma once
// Harvests practice questions of one type from the forum's question sub-forum: walks the topics
// from the newest to older ones, takes each topic's first post apart (ForumPageReader) and keeps
// the questions in autoScanQSet until the scan stops, when they move into the practice
// repository's forum set. The question-sets tool owns four scanners (PS, DS, SC, CR), starts them,
// polls them and stops them.
//
// Everything but the reading of a page runs on the main thread: the page is read on a thread of
// its own, and its result is taken only when the scan that asked for it still runs (a stopped or
// restarted scan drops late pages). One page of a scanner is in flight at a time.

#include <cstdint>
#include <memory>
#include <string>

#include "Classes/forum_news/ForumPageReader.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/URLConnectionDelegate.h"

namespace fnd {
class URLSession;
}
class MQSet;

class MForumScan : public fnd::Object, public fnd::URLConnectionDelegate {
  public:
    static constexpr const char* kTipEvent = "TipsEvent_QuestionDownloaded";
    static constexpr double kTimeout = 60.0;
    // Below this battery level, unplugged, a scan ends after kLowBatteryScanTime when the user asks.
    static constexpr float kLowBatteryLevel = 0.3f;
    static constexpr double kLowBatteryScanTime = 180.0;
    // A page that comes back empty is asked for again this often, this far apart, then the scan ends.
    static constexpr int kEmptyPageRetries = 3;
    static constexpr double kEmptyPageRetryDelay = 2.0;

    // A stopped scanner of the forum whose folder is `baseAddress` (the bundle's configured forum;
    // empty: a scan fails at once). `session`: where pages load (the program's shared one when null).
    static std::shared_ptr<MForumScan> make(std::string baseAddress,
                                            std::shared_ptr<fnd::URLSession> session = nullptr);
    ~MForumScan() override;

    void startPSScan() { startScan(ForumPageReader::kPS); }
    void startDSScan() { startScan(ForumPageReader::kDS); }
    void startSCScan() { startScan(ForumPageReader::kSC); }
    void startCRScan() { startScan(ForumPageReader::kCR); }
    // Ends the scan and moves the harvest into the forum set. Harmless on a stopped scanner.
    void stopConnection();

    // The first page of a type's sub-forum, and its sub-forum number (0 for other types).
    std::string firstTopicAddress(std::int32_t type) const;
    static int subForumNumber(std::int32_t type);
    // The two header fields every request carries.
    static std::string userAgent();
    static std::string myAgent();

    bool shouldContinue() const { return shouldContinue_; }
    const std::shared_ptr<MQSet>& autoScanQSet() const { return autoScanQSet_; }
    int totalNumberOfScannedThreads() const { return totalNumberOfScannedThreads_; }
    // What the latest scan harvested and how many pages it asked for. Unlike autoScanQSet and
    // totalNumberOfScannedThreads, which empty when the harvest moves into the forum set, these
    // keep their values after the scan ends, until the next one starts.
    int questionsHarvested() const { return questionsHarvested_; }
    int pagesRequested() const { return pagesRequested_; }
    std::int32_t questionScanType() const { return questionScanType_; }
    bool fScanBegining() const { return fScanBegining_; }
    fnd::Date startDate() const { return startDate_; }
    const std::string& url() const { return url_; }
    const std::string& baseAddress() const { return baseAddress_; }

    // fnd::URLConnectionDelegate
    void didReceiveResponse(fnd::URLConnection&, const fnd::URLResponse&) override;
    void didReceiveData(fnd::URLConnection&, const std::string& data) override;
    void didFinishLoading(fnd::URLConnection&) override;
    void didFail(fnd::URLConnection&, const fnd::URLError& error) override;

    MForumScan(std::string baseAddress, std::shared_ptr<fnd::URLSession> session);

  private:
    void startScan(std::int32_t type);
    void loadURL(const std::string& url);
    // Whether the scan must end before the page just received is read.
    bool reachedStopCondition() const;
    void parsePostsDataInNewThread(std::string data);
    void takePage(std::uint64_t generation, ForumPageReader::Page page);
    void addQuestion(const ForumPageReader::Question& found);
    std::shared_ptr<MQSet> webQSet() const;

    std::string baseAddress_;
    std::shared_ptr<fnd::URLSession> session_;
    std::int32_t questionScanType_ = 0;
    std::string url_;
    std::shared_ptr<MQSet> autoScanQSet_;
    std::shared_ptr<fnd::URLConnection> forumConnection_;
    std::string forumData_;
    bool shouldContinue_ = false;
    bool fScanBegining_ = true;
    fnd::Date startDate_;
    int totalNumberOfScannedThreads_ = 0;
    int questionsHarvested_ = 0;
    int pagesRequested_ = 0;
    // Counts the scans started, so that pages of an earlier scan are known.
    std::uint64_t generation_ = 0;
    int emptyPages_ = 0;
};
