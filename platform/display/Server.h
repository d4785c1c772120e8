#pragma once
// The browser display's server: HTTP and WebSocket on 127.0.0.1, run on the I/O thread.
//
// The printed address carries a random token; the first visit keeps it in a cookie. Every
// request must show the token and name a loopback host; the WebSocket must also come from the
// display's own page. Files come only from the served folders: the front end (at "/") and the
// fonts (at "/fonts/"), plus folders and documents registered for web views, whose random
// addresses are their own proof.
//
// One tab is active at a time. A tab that connects takes over: the one before is told that the
// device moved to another tab and is closed. The callbacks run on the main run loop (the one
// that was main when the server was made); send() is called there too.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fnd {
class IOThread;
}

namespace display {

class Server {
  public:
    struct Options {
        unsigned short port = 0;            // 0: a free port
        unsigned short preferredPort = 0;   // with port 0: tried first, a free one when it is taken
        std::string token;                  // empty: a fresh random one
        std::filesystem::path webFolder;    // empty: the front end of the source tree
        std::filesystem::path fontsFolder;  // empty: the system's DejaVu fonts
        fnd::IOThread* ioThread = nullptr;  // null: the process's I/O thread
        // Connections that have not shown a credential yet: at most this many are open (then the
        // oldest is closed for a new one once it has had the grace, the new ones waiting till
        // then), each must send its request within the timeout, and each is closed after its
        // answer.
        std::size_t connectionLimit = 64;
        double requestTimeout = 5;      // seconds
        double connectionGrace = 0.25;  // seconds
    };

    Server();
    explicit Server(Options options);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Listens; false (with error()) when the port cannot be had.
    bool start();
    // Closes the listening socket and every connection; no callback runs after it.
    void stop();
    const std::string& error() const;

    unsigned short port() const;
    const std::string& token() const;
    // http://127.0.0.1:PORT/?token=TOKEN
    std::string address() const;

    // A tab became the active one: it needs the whole state now.
    void setOnConnect(std::function<void()> callback);
    // A text message (JSON) from the active tab.
    void setOnMessage(std::function<void(const std::string&)> callback);
    // The active tab closed and no other took over.
    void setOnDisconnect(std::function<void()> callback);
    // Sees every message of the active tab first, on the I/O thread, while the main thread may be
    // busy (waiting for that very message); a message it takes (answers true) goes no further.
    // Set it before start().
    void setOnMessageNow(std::function<bool(const std::string&)> callback);

    bool hasActiveTab() const;
    // Sends a text message to the active tab; nothing when there is none. Messages are sent in
    // order; those sent before onConnect announced a tab never reach that tab.
    void send(std::string text);

    // Serves a folder under a fresh address ending in "/", open without the token.
    std::string serveFolder(const std::filesystem::path& folder, std::vector<std::string> alsoFrom = {});
    void stopServingFolder(const std::string& prefix);
    // Serves a document at a fresh address (inside a served folder's address when given, in the
    // place of the file `name` there) until it is withdrawn, with its content policy when given.
    std::string serveDocument(std::string body, std::string contentType, const std::string& folderPrefix = {},
                              const std::string& name = {}, std::string contentPolicy = {});
    void withdrawDocument(const std::string& path);

    // The front end of the source tree and the system's DejaVu fonts.
    static std::filesystem::path defaultWebFolder();
    static std::filesystem::path defaultFontsFolder();

  private:
    struct Impl;
    struct MainSide;
    std::unique_ptr<Impl> impl_;
};

}  // namespace display
