#include "Classes/forum_news/MFeed.h"

#include <algorithm>
#include <array>

#include "Classes/forum_news/FeedCoding.h"
#include "Classes/forum_news/HTMLCleaner.h"
#include "Classes/forum_news/MItem.h"
#include "Classes/practice/PracticeCoding.h"
#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/URLConnection.h"
#include "platform/foundation/XmlParser.h"

namespace {

bool isOneOf(const std::string& name, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

std::string trimmed(const std::string& text) {
    auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// "Thu, 01 Jan 04 ..." with the year in four digits, as mail dates read a two-digit year: 00 to 49
// are 2000 to 2049, 50 to 99 are 1950 to 1999.
std::string withFourDigitYear(const std::string& text) {
    static const char* kPattern = "^((?:[A-Za-z]{3},\\s*)?\\d{1,2}\\s+[A-Za-z]{3}\\s+)(\\d{2})(\\s)";
    auto groups = ostrand::Regex::firstMatchGroups(text, kPattern);
    if (groups.size() < 4) return text;
    int year = std::stoi(groups[2]);
    std::string century = year < 50 ? "20" : "19";
    return groups[1] + century + groups[2] + text.substr(groups[1].size() + 2);
}

std::optional<fnd::Date> readFeedDate(const std::string& raw) {
    static const std::array<fnd::DateFormatter, 3> formatters{
        fnd::DateFormatter("EEE, dd MMM yyyy HH:mm:ss zzzz", fnd::Locale("en")),
        fnd::DateFormatter("yyyy-MM-dd'T'HH:mm:ss", fnd::Locale("en")),
        fnd::DateFormatter("EEE, dd MMM yyyy HH:mm:ss", fnd::Locale("en")),
    };
    // Atom's own dates: a zone letter "Z" or an offset, with or without fractions of a second.
    static const std::array<fnd::DateFormatter, 2> atomFormatters{
        fnd::DateFormatter("yyyy-MM-dd'T'HH:mm:ssXXX", fnd::Locale("en")),
        fnd::DateFormatter("yyyy-MM-dd'T'HH:mm:ss.SSSXXX", fnd::Locale("en")),
    };
    std::string text = withFourDigitYear(trimmed(raw));
    for (const auto& formatter : formatters)
        if (auto date = formatter.dateFromString(text)) return date;
    for (const auto& formatter : atomFormatters)
        if (auto date = formatter.dateFromString(text)) return date;
    return std::nullopt;
}

// The parse state of one document. Values of an item are taken only once an item has begun;
// the channel's own link, date and title never reach an item.
class FeedParser : public fnd::XmlParserDelegate {
  public:
    MFeed::ParseResult result;

    void didStartElement(fnd::XmlParser& parser, const std::string& name, const std::string&,
                         const std::string&, const fnd::XmlAttributes& attributes) override {
        if (completed_ >= MFeed::kMaximumItems) {
            parser.abortParsing();
            return;
        }
        // An item that begins inside another is malformed: the outer one is dropped.
        if (name == "item" || name == "entry") {
            current_ = std::make_shared<MItem>();
            open_ = true;
            articleLinkTaken_ = false;
        }
        if (isOneOf(name, {"link", "title", "description", "content", "content:encoded", "pubDate",
                           "published", "guid", "summary", "id"})) {
            buffer_.clear();
            collecting_ = true;
            if (name == "link" && current_ && isArticleLink(attributes)) {
                current_->setLink(attributes.find("href")->second);
                articleLinkTaken_ = true;
            }
        }
        path_.push_back(name);
    }

    void foundCharacters(fnd::XmlParser&, std::string_view characters) override {
        if (collecting_) buffer_.append(characters);
    }

    void didEndElement(fnd::XmlParser&, const std::string& name, const std::string&,
                       const std::string&) override {
        if (!path_.empty()) path_.pop_back();
        if (name == "item" || name == "entry") {
            if (open_ && carriesAnything(*current_)) {
                result.items.push_back(current_);
                ++completed_;
            }
            open_ = false;
        } else if (name == "title") {
            if (!current_) {
                // The channel's own title; an image's title beside it is not the feed's name.
                if (!path_.empty() && (path_.back() == "channel" || path_.back() == "feed"))
                    result.channelTitle = buffer_;
            } else if (!path_.empty() && (path_.back() == "item" || path_.back() == "entry")) {
                current_->setTitle(buffer_);
            }
        } else if (!current_) {
            // Everything below belongs to an item.
        } else if (name == "link") {
            if (!buffer_.empty()) current_->setLink(buffer_);
        } else if (name == "guid" || name == "id") {
            current_->setGuid(buffer_);
        } else if (isOneOf(name, {"description", "summary", "content", "content:encoded"})) {
            // Bodies are shown in pages of ours: nothing active from the feed may reach them.
            current_->setDescription(HTMLCleaner::clean(buffer_));
        } else if (name == "pubDate" || name == "published") {
            current_->setPubDate(readFeedDate(buffer_));
        }
        collecting_ = false;
    }

  private:
    // An Atom entry lists its article as its own first link whose "rel" is "alternate" or absent;
    // links of other kinds (replies, enclosures) and links inside nested elements (an entry's
    // source) name other documents.
    bool isArticleLink(const fnd::XmlAttributes& attributes) const {
        if (articleLinkTaken_ || !open_ || path_.empty() ||
            (path_.back() != "entry" && path_.back() != "item"))
            return false;
        if (attributes.find("href") == attributes.end()) return false;
        auto rel = attributes.find("rel");
        return rel == attributes.end() || trimmed(rel->second) == "alternate";
    }

    // An item without title, link, identity or body has nothing to show and is skipped.
    static bool carriesAnything(const MItem& item) {
        return item.title() || item.link() || item.guid() || item.description();
    }

    // The item most recently begun; it stays current after its end until the next begins.
    std::shared_ptr<MItem> current_;
    bool open_ = false;
    bool articleLinkTaken_ = false;
    std::string buffer_;
    bool collecting_ = false;
    std::vector<std::string> path_;
    std::size_t completed_ = 0;
};

}  // namespace

std::shared_ptr<MFeed> MFeed::make(std::string urlString, std::optional<std::string> rssType,
                                   std::optional<std::string> title, std::optional<std::string> frontPage,
                                   std::optional<std::string> organization,
                                   std::optional<std::string> personName, std::optional<std::string> position,
                                   std::optional<std::string> department, bool isActive, bool isPermanent) {
    auto feed = std::make_shared<MFeed>();
    feed->urlString_ = std::move(urlString);
    feed->rssType_ = std::move(rssType);
    feed->title_ = std::move(title);
    feed->frontPage_ = std::move(frontPage);
    feed->organization_ = std::move(organization);
    feed->personName_ = std::move(personName);
    feed->position_ = std::move(position);
    feed->department_ = std::move(department);
    feed->isActive_ = isActive;
    feed->isPermanent_ = isPermanent;
    return feed;
}

void MFeed::encodeWithCoder(fnd::KeyedArchiver& coder) const {
    coder.encodeString("kUrlString", urlString_);
    // A permanent feed gets its labels from the default table at every start.
    if (!isPermanent_) {
        FeedCoding::encodeString(coder, "kRssType", rssType_);
        FeedCoding::encodeString(coder, "kTitle", title_);
        FeedCoding::encodeString(coder, "kOrganization", organization_);
        FeedCoding::encodeString(coder, "kPersonName", personName_);
        FeedCoding::encodeString(coder, "kPosition", position_);
        FeedCoding::encodeString(coder, "kDepartment", department_);
        FeedCoding::encodeString(coder, "kFrontPage", frontPage_);
    }
    coder.encodeObject("kItems", PracticeCoding::objectArray(items_));
    if (lastUpdated_) coder.encodeDate("kLastUpdated", *lastUpdated_);
    coder.encodeBool("kIsActive", isActive_);
    coder.encodeBool("kIsPermanent", isPermanent_);
}

void MFeed::initWithCoder(fnd::KeyedUnarchiver& coder) {
    urlString_ = coder.decodeString("kUrlString").value_or("");
    isPermanent_ = coder.decodeBool("kIsPermanent");
    if (!isPermanent_) {
        rssType_ = coder.decodeString("kRssType");
        title_ = coder.decodeString("kTitle");
        organization_ = coder.decodeString("kOrganization");
        personName_ = coder.decodeString("kPersonName");
        position_ = coder.decodeString("kPosition");
        department_ = coder.decodeString("kDepartment");
        frontPage_ = coder.decodeString("kFrontPage");
    }
    items_ = PracticeCoding::objects<MItem>(coder.decodeObject("kItems"));
    lastUpdated_ = coder.decodeDate("kLastUpdated");
    isActive_ = coder.decodeBool("kIsActive");
    isUpdating_ = false;
}

void MFeed::update() {
    if (isUpdating_) return;
    if (!isActive_) {
        sendNotificationFeedUpdateDone();
        return;
    }
    isUpdating_ = true;
    fnd::URLRequest request{fnd::URL(urlString_)};
    request.setTimeout(kTimeout);
    feedConnection_ = fnd::URLConnection::start(std::move(request), sharedAs<MFeed>(), session_);
}

int MFeed::numberOfUnreadItems() const {
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](const auto& item) { return !item->isRead(); }));
}

void MFeed::addItemsToFeed(Items items) {
    for (const auto& item : items) {
        if (!item->guid()) continue;
        bool wasRead = std::any_of(items_.begin(), items_.end(), [&](const auto& old) {
            return old->isRead() && old->guid() == item->guid();
        });
        if (wasRead) item->setIsRead(true);
    }
    items_ = std::move(items);
    lastUpdated_ = fnd::Date::now();
}

MFeed::ParseResult MFeed::parseFeedData(const std::string& bytes) {
    FeedParser reader;
    fnd::XmlParser parser(bytes);
    parser.setDelegate(&reader);
    parser.setShouldProcessNamespaces(false);
    if (!parser.parse() && parser.parserError())
        fnd::Log::warning("feed parse stopped: ", parser.parserError()->message);
    return std::move(reader.result);
}

void MFeed::sendNotificationFeedUpdateDone() {
    fnd::NotificationCenter::defaultCenter().post(kUpdateDoneNotification, sharedAs<MFeed>());
}

void MFeed::didReceiveResponse(fnd::URLConnection&, const fnd::URLResponse&) { feedData_.clear(); }

void MFeed::didReceiveData(fnd::URLConnection&, const std::string& data) { feedData_ += data; }

void MFeed::didFinishLoading(fnd::URLConnection&) {
    feedConnection_ = nullptr;
    std::string bytes = std::move(feedData_);
    feedData_.clear();
    fnd::Thread::detachThenMain(
        "feed parse", [bytes = std::move(bytes)] { return parseFeedData(bytes); },
        [self = sharedAs<MFeed>()](ParseResult result) { self->finishUpdate(std::move(result)); });
}

void MFeed::didFail(fnd::URLConnection&, const fnd::URLError& error) {
    fnd::Log::info("feed ", urlString_, " not updated: ", error.description(), " ", error.detail());
    feedConnection_ = nullptr;
    feedData_.clear();
    isUpdating_ = false;
    sendNotificationFeedUpdateDone();
}

void MFeed::finishUpdate(ParseResult result) {
    if (result.channelTitle) title_ = std::move(result.channelTitle);
    if (!result.items.empty()) addItemsToFeed(std::move(result.items));
    isUpdating_ = false;
    sendNotificationFeedUpdateDone();
}
