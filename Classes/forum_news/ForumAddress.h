#pragma once
// The addresses of the forum's pages, all inside the forum's folder (the bundle's
// "MakerForumAddress", such as "http://127.0.0.1:8080/forum/"): the login form's target, a topic's two
// forms, the previous topic, and the feeds of a topic and of a sub-forum. Also what a page's head
// says about it: the feed link of a topic page or of a sub-forum page. Pure text work.

#include <optional>
#include <string>
#include <string_view>

class ForumAddress {
  public:
    static constexpr const char* kInfoKey = "MakerForumAddress";

    // The bundle's forum folder with a final "/"; empty when none is configured.
    static std::string configured();
    // The address with a final "/" (an empty one stays empty).
    static std::string folder(std::string address);

    static std::string loginTarget(const std::string& base) { return base + "ucp.php?mode=login"; }
    static std::string topicFeed(const std::string& base, const std::string& topic) {
        return base + "generate_feed.php?content=topic_posts&t=" + topic;
    }
    static std::string subForumFeed(const std::string& base, const std::string& forum) {
        return base + "generate_feed.php?content=topics&f[]=" + forum;
    }
    static std::string previousTopic(const std::string& base, const std::string& topic) {
        return base + "t" + topic + ".html?view=previous";
    }
    static std::string shortTopic(const std::string& base, const std::string& topic) {
        return base + "t" + topic + ".html";
    }
    static std::string longTopic(const std::string& base, const std::string& topic) {
        return base + "viewtopic.php?t=" + topic;
    }

    // Whether the address, its scheme aside, is the forum's folder itself, with or without a query:
    // the page that a stored login turns into a sign-in.
    static bool isRoot(std::string_view address, const std::string& base);
    // Whether the address is the login form's target on the forum's host (scheme, host and port
    // as the folder's; letter case of scheme and host ignored).
    static bool isLoginTarget(std::string_view address, const std::string& base);

    // What the head markup of a page says: the topic number of a topic page's feed link, the
    // sub-forum number of a sub-forum page's.
    struct Head {
        std::optional<std::string> topic;
        std::optional<std::string> subForum;
    };
    static Head readHead(std::string_view headHTML);
};
