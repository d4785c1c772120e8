#pragma once
// Loads http and https addresses over libcurl on the I/O thread. A session keeps the cookies its
// replies set and sends them with its later requests, redirects included. Redirects are followed
// (only to http and https, with the request's header fields); a reply body larger than the
// request's limit ends the load as failed while it is still arriving. A load ends either with the
// final reply and its whole body, or with an error and nothing else.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/URLError.h"
#include "platform/foundation/URLRequest.h"
#include "platform/foundation/URLResponse.h"

namespace fnd {

class URLSession {
  public:
    static constexpr std::size_t kDefaultMaximumBodySize = 8 * 1024 * 1024;

    struct Result {
        URLResponse response;
        std::string body;
        std::optional<URLError> error;  // set: response and body are empty
        bool succeeded() const { return !error; }
    };
    using Completion = std::function<void(Result)>;
    using TaskId = std::uint64_t;

    // The program's session (the forum's login lives in its cookies).
    static std::shared_ptr<URLSession> shared();

    URLSession();
    ~URLSession();
    URLSession(const URLSession&) = delete;
    URLSession& operator=(const URLSession&) = delete;

    // Any thread. `completion` runs once on the I/O thread, unless the load is cancelled before.
    TaskId load(URLRequest request, Completion completion);
    // Any thread. A completion already under way may still run.
    void cancel(TaskId task);
    // Loads and waits; for worker threads. On the I/O thread itself it fails at once.
    Result loadSynchronously(URLRequest request);

    // Whether the machine has a network at all. Asked when no connection can be made, to tell
    // "not connected" from a server that cannot be reached. By default the network interfaces
    // are looked at; tests put in their own answer.
    void setNetworkCheck(std::function<bool()> check);

    struct Impl;

  private:
    std::shared_ptr<Impl> impl_;
};

}  // namespace fnd
