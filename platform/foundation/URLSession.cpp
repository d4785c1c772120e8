#include "platform/foundation/URLSession.h"

#include <arpa/inet.h>
#include <curl/curl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <future>
#include <mutex>
#include <unordered_map>

#include "platform/foundation/CurlMulti.h"
#include "platform/foundation/IOThread.h"
#include "platform/foundation/Log.h"

namespace fnd {

namespace {

constexpr long kMaximumRedirects = 20;

// True when some interface other than loopback is up with an address that can reach beyond
// the link.
bool machineHasNetwork() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return true;  // cannot tell: do not claim "not connected"
    bool found = false;
    for (ifaddrs* i = list; i && !found; i = i->ifa_next) {
        if (!i->ifa_addr || (i->ifa_flags & IFF_LOOPBACK) || !(i->ifa_flags & IFF_UP) ||
            !(i->ifa_flags & IFF_RUNNING))
            continue;
        if (i->ifa_addr->sa_family == AF_INET) {
            found = true;
        } else if (i->ifa_addr->sa_family == AF_INET6) {
            const auto* a = reinterpret_cast<const sockaddr_in6*>(i->ifa_addr);
            found = !IN6_IS_ADDR_LINKLOCAL(&a->sin6_addr);
        }
    }
    freeifaddrs(list);
    return found;
}

std::string trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return std::string(s);
}

}  // namespace

struct URLSession::Impl : std::enable_shared_from_this<Impl> {
    // One load in progress, on the I/O thread.
    struct Task {
        TaskId id = 0;
        CURL* easy = nullptr;
        curl_slist* headerList = nullptr;
        URLRequest request;
        std::size_t maximumBodySize = kDefaultMaximumBodySize;
        bool overLimit = false;
        HTTPHeaders replyHeaders;
        std::string body;
        Completion completion;
        char errorText[CURL_ERROR_SIZE] = {};

        ~Task() {
            if (easy) curl_easy_cleanup(easy);
            if (headerList) curl_slist_free_all(headerList);
        }
    };

    Impl() : multi(CurlMulti::shared()) {
        share = curl_share_init();
        curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    }
    ~Impl() {
        tasks.clear();  // frees their handles before the share they point to
        curl_share_cleanup(share);
    }

    static std::size_t onBody(char* data, std::size_t size, std::size_t count, void* userdata) {
        auto* task = static_cast<Task*>(userdata);
        std::size_t length = size * count;
        if (task->body.size() + length > task->maximumBodySize) {
            task->overLimit = true;
            return 0;  // ends the transfer with a write error
        }
        task->body.append(data, length);
        return length;
    }

    static std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* userdata) {
        auto* task = static_cast<Task*>(userdata);
        std::string_view line(data, size * count);
        if (line.starts_with("HTTP/")) {
            // A new reply: one after a redirect or an interim "100 Continue" replaces the last.
            task->replyHeaders = HTTPHeaders();
            task->body.clear();
        } else if (auto colon = line.find(':'); colon != std::string_view::npos && colon > 0) {
            task->replyHeaders.add(trim(line.substr(0, colon)), trim(line.substr(colon + 1)));
        }
        return size * count;
    }

    static std::optional<URLError> refusal(const URL& url) {
        if (url.isEmpty()) return URLError(URLError::Code::BadURL, "no address");
        std::string scheme = url.scheme();
        if (scheme != "http" && scheme != "https")
            return URLError(URLError::Code::UnsupportedScheme, "not loaded: " + url.absoluteString());
        if (url.host().empty()) return URLError(URLError::Code::BadURL, "no host: " + url.absoluteString());
        return std::nullopt;
    }

    void begin(TaskId id, URLRequest request, Completion completion) {
        auto task = std::make_unique<Task>();
        task->id = id;
        task->request = std::move(request);
        task->completion = std::move(completion);
        if (task->request.maximumBodySize() > 0) task->maximumBodySize = task->request.maximumBodySize();
        task->easy = curl_easy_init();
        if (!task->easy) {
            deliver(*task, Result{{}, {}, URLError(URLError::Code::Failed, "cannot create a transfer")});
            return;
        }
        configure(*task);
        Task* raw = task.get();
        tasks.emplace(id, std::move(task));
        double timeout = raw->request.timeout() > 0 ? raw->request.timeout() : 60.0;
        multi.add(raw->easy, timeout,
                  [self = shared_from_this(), id](int result) { self->finish(id, result); });
    }

    void configure(Task& task) {
        CURL* easy = task.easy;
        const URLRequest& request = task.request;
        const std::string& text = request.url().absoluteString();
        std::string address = text.substr(0, text.find('#'));
        curl_easy_setopt(easy, CURLOPT_URL, address.c_str());
        curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaximumRedirects);
        curl_easy_setopt(easy, CURLOPT_SHARE, share);
        curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");  // cookies on, kept in the share
        curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, "");
        curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(easy, CURLOPT_TCP_NODELAY, 1L);
        curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, task.errorText);
        curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(task.maximumBodySize));
        curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Impl::onBody);
        curl_easy_setopt(easy, CURLOPT_WRITEDATA, &task);
        curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Impl::onHeader);
        curl_easy_setopt(easy, CURLOPT_HEADERDATA, &task);

        for (const auto& [name, value] : request.headers()) {
            // libcurl counts the body itself; a stated length that differs would corrupt the request.
            if (HTTPHeaders::sameName(name, "Content-Length")) continue;
            if (name.empty() || name.find_first_of(": \t\r\n") != std::string::npos) continue;
            // A line break in a value would start a header field of the value's choosing.
            std::string flat = value;
            std::replace_if(
                flat.begin(), flat.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
            std::string line = flat.empty() ? name + ";" : name + ": " + flat;
            task.headerList = curl_slist_append(task.headerList, line.c_str());
        }
        // No "Expect: 100-continue" round trip before larger bodies.
        task.headerList = curl_slist_append(task.headerList, "Expect:");
        curl_easy_setopt(easy, CURLOPT_HTTPHEADER, task.headerList);

        const std::string& method = request.method();
        if (method == "GET") {
            curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
        } else if (method == "HEAD") {
            curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        } else {
            if (method == "POST" || !request.body().empty()) {
                curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE,
                                 static_cast<curl_off_t>(request.body().size()));
                curl_easy_setopt(easy, CURLOPT_POSTFIELDS, request.body().data());
            }
            if (method != "POST") curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, method.c_str());
        }
    }

    void finish(TaskId id, int code) {
        auto node = tasks.extract(id);
        if (node.empty()) return;
        Task& task = *node.mapped();
        Result result;
        if (code == CURLE_OK) {
            long status = 0;
            char* effective = nullptr;
            curl_easy_getinfo(task.easy, CURLINFO_RESPONSE_CODE, &status);
            curl_easy_getinfo(task.easy, CURLINFO_EFFECTIVE_URL, &effective);
            result.response = URLResponse(effective ? URL(effective) : task.request.url(),
                                          static_cast<int>(status), std::move(task.replyHeaders));
            result.body = std::move(task.body);
        } else {
            result.error = classify(task, static_cast<CURLcode>(code));
            Log::info("url loading: ", task.request.url().absoluteString(),
                      " failed: ", result.error->detail());
        }
        deliver(task, std::move(result));
    }

    URLError classify(const Task& task, CURLcode code) {
        using Code = URLError::Code;
        std::string detail = task.errorText[0] ? task.errorText : curl_easy_strerror(code);
        if (task.overLimit || code == CURLE_FILESIZE_EXCEEDED)
            return URLError(Code::BodyTooLarge,
                            "reply larger than " + std::to_string(task.maximumBodySize) + " bytes");
        switch (code) {
            case CURLE_OPERATION_TIMEDOUT:
                return URLError(Code::TimedOut,
                                "no progress for " + std::to_string(task.request.timeout()) + " s");
            case CURLE_UNSUPPORTED_PROTOCOL:
                return URLError(Code::UnsupportedScheme, detail);
            case CURLE_URL_MALFORMAT:
                return URLError(Code::BadURL, detail);
            case CURLE_TOO_MANY_REDIRECTS:
                return URLError(Code::TooManyRedirects, detail);
            case CURLE_COULDNT_RESOLVE_HOST:
                return URLError(hasNetwork() ? Code::CannotFindHost : Code::NotConnected, detail);
            case CURLE_COULDNT_CONNECT: {
                long osError = 0;
                curl_easy_getinfo(task.easy, CURLINFO_OS_ERRNO, &osError);
                bool unreachable = osError == ENETUNREACH || osError == ENETDOWN || osError == EHOSTUNREACH;
                return URLError(unreachable || !hasNetwork() ? Code::NotConnected : Code::CannotConnectToHost,
                                detail);
            }
            case CURLE_GOT_NOTHING:
            case CURLE_PARTIAL_FILE:
            case CURLE_RECV_ERROR:
            case CURLE_SEND_ERROR:
                return URLError(Code::ConnectionLost, detail);
            case CURLE_SSL_CONNECT_ERROR:
            case CURLE_PEER_FAILED_VERIFICATION:
            case CURLE_SSL_CERTPROBLEM:
            case CURLE_SSL_CIPHER:
            case CURLE_SSL_CACERT_BADFILE:
                return URLError(Code::SecureConnectionFailed, detail);
            default:
                return URLError(Code::Failed, detail);
        }
    }

    bool hasNetwork() {
        std::function<bool()> check;
        {
            std::lock_guard lock(checkMutex);
            check = networkCheck;
        }
        return check ? check() : machineHasNetwork();
    }

    void deliver(Task& task, Result result) {
        if (task.completion) task.completion(std::move(result));
    }

    CurlMulti& multi;
    CURLSH* share = nullptr;
    std::mutex checkMutex;
    std::function<bool()> networkCheck;
    std::atomic<TaskId> nextId{1};
    std::unordered_map<TaskId, std::unique_ptr<Task>> tasks;  // I/O thread only
};

std::shared_ptr<URLSession> URLSession::shared() {
    static std::shared_ptr<URLSession> session = std::make_shared<URLSession>();
    return session;
}

URLSession::URLSession() : impl_(std::make_shared<Impl>()) {}

URLSession::~URLSession() = default;

URLSession::TaskId URLSession::load(URLRequest request, Completion completion) {
    TaskId id = impl_->nextId++;
    std::optional<URLError> refused = Impl::refusal(request.url());
    impl_->multi.thread().post([impl = impl_, id, request = std::move(request),
                                completion = std::move(completion), refused]() mutable {
        if (refused) {
            completion(Result{{}, {}, *refused});
            return;
        }
        impl->begin(id, std::move(request), std::move(completion));
    });
    return id;
}

void URLSession::cancel(TaskId id) {
    impl_->multi.thread().post([impl = impl_, id] {
        auto node = impl->tasks.extract(id);
        if (!node.empty()) impl->multi.remove(node.mapped()->easy);
    });
}

URLSession::Result URLSession::loadSynchronously(URLRequest request) {
    if (impl_->multi.thread().isCurrent())
        return Result{
            {}, {}, URLError(URLError::Code::Failed, "a synchronous load cannot run on the I/O thread")};
    auto promise = std::make_shared<std::promise<Result>>();
    auto future = promise->get_future();
    load(std::move(request), [promise](Result result) { promise->set_value(std::move(result)); });
    return future.get();
}

void URLSession::setNetworkCheck(std::function<bool()> check) {
    std::lock_guard lock(impl_->checkMutex);
    impl_->networkCheck = std::move(check);
}

}  // namespace fnd
