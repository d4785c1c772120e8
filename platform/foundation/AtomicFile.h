#pragma once
// The one way user data is written: to a new file with a unique name beside the target, synced,
// then renamed over the target, then the folder synced. A crash at any moment leaves the old file
// or the new one, whole. A failed step fails the save (a failed sync is never retried), removes the
// new file and leaves the old one as it was.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "platform/foundation/FileSystem.h"

namespace fnd {

class AtomicFile {
  public:
    struct Result {
        bool saved = false;
        std::string error;  // what failed, when not saved
        explicit operator bool() const { return saved; }
    };

    static Result write(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                        FileSystem& files = FileSystem::standard());

    // Takes each next piece of the new file; answers false when it could not be written.
    using Piece = std::function<bool(std::span<const std::uint8_t>)>;
    // Hands the pieces of the new file to `piece` while it makes them, so that a large file need
    // not be whole in memory; answers false when it could not make them.
    using Producer = std::function<bool(const Piece& piece)>;
    // The same write, of a file made in pieces. The target is replaced only when the producer
    // answered true and every piece was written; an exception from the producer leaves the target
    // as it was and goes on to the caller.
    static Result writeProduced(const std::filesystem::path& target, const Producer& produce,
                                FileSystem& files = FileSystem::standard());

    // Removes the temporary files that writes of `target` left behind when the process died before
    // their rename, and returns how many it removed. Call it only while nothing writes `target`.
    static int removeLeftovers(const std::filesystem::path& target,
                               FileSystem& files = FileSystem::standard());
};

}  // namespace fnd
