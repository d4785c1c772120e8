#pragma once
// Keeps a folder to one process at a time: an advisory lock (flock) on a file in the folder. The
// kernel releases it when the process ends however it ends, so a crash never leaves the folder
// locked. The holder may write a short note into the file (where it can be reached, say) for a
// process that finds the folder taken to show.

#include <filesystem>
#include <string>

namespace fnd {

class FolderLock {
  public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    enum class Outcome { Acquired, HeldElsewhere, Failed };

    // Creates the folder when needed and takes the lock on its file `name`. HeldElsewhere: another
    // open of the file holds it (another process, or another lock object); holderNote() then
    // answers the note its holder wrote. Failed: error() says why.
    Outcome acquire(const std::filesystem::path& folder, const std::string& name);
    // Replaces the note in the held file.
    bool setNote(const std::string& note);
    // Lets the lock go (the destructor does too).
    void release();

    bool held() const { return fd_ >= 0; }
    const std::string& holderNote() const { return holderNote_; }
    const std::string& error() const { return error_; }

  private:
    int fd_ = -1;
    std::string holderNote_;
    std::string error_;
};

}  // namespace fnd
