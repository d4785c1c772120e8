#include "Classes/core/MSubRepository.h"

#include <span>
#include <utility>

#include "Classes/core/AbstractAppDelegate.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/NotificationCenter.h"

void MSubRepository::save() {
    ++busy_;
    std::uint64_t sequence = nextSequence();
    std::optional<fnd::Bytes> archive;
    try {
        archive = encodeForSave();
    } catch (...) {
        --busy_;
        throw;
    }
    enqueue(std::move(archive), sequence);
}

void MSubRepository::save(std::optional<fnd::Bytes> archive) {
    ++busy_;
    enqueue(std::move(archive), nextSequence());
}

std::optional<fnd::Bytes> MSubRepository::Snapshot::archive() const {
    fnd::Bytes bytes;
    bool made = encode && encode([&](std::span<const std::uint8_t> piece) {
                    bytes.insert(bytes.end(), piece.begin(), piece.end());
                    return true;
                });
    if (!made) return std::nullopt;
    return bytes;
}

MSubRepository::Snapshot MSubRepository::snapshotForSave() {
    std::uint64_t sequence = nextSequence();
    return {sequence, [archive = encodeForSave()](const fnd::AtomicFile::Piece& piece) {
                return archive && piece(*archive);
            }};
}

MSubRepository::Snapshot MSubRepository::archiveOfCopy(std::shared_ptr<MSubRepository> copy) {
    std::uint64_t sequence = nextSequence();
    bool hasFile = !classDataFilePath().empty();
    // The copy is archived once. It is handed to the archiver, which holds it alone from then on and
    // lets go of it once it is encoded, so that the copy and a whole archive never fill memory
    // together.
    return {sequence,
            [copy = std::move(copy), hasFile](const fnd::AtomicFile::Piece& piece) mutable {
                if (!hasFile || !copy) return false;
                std::string error;
                bool archived = fnd::KeyedArchiver::archive(
                    AbstractAppDelegate::kRootKey,
                    fnd::ArchiveValue(std::shared_ptr<fnd::Object>(std::exchange(copy, nullptr))), piece,
                    &error);
                if (!archived) fnd::Log::error("cannot archive the repository: ", error);
                return archived;
            },
            true};
}

void MSubRepository::save(Snapshot snapshot) {
    ++busy_;
    if (snapshot.encodesWhileWriting && snapshot.encode) {
        bool writer = false;
        {
            std::lock_guard lock(queue_);
            if (!writing_ && snapshot.sequence >= newest_) {
                newest_ = snapshot.sequence;
                writing_ = true;
                writer = true;
            }
        }
        // Nothing else is written now: the archive goes straight into the file.
        if (writer) {
            writeInTurn(
                [&](const std::filesystem::path& path) { writeEncodedArchive(snapshot.encode, path); });
            return;
        }
    }
    std::optional<fnd::Bytes> archive;
    try {
        archive = snapshot.archive();
    } catch (...) {
        --busy_;
        throw;
    }
    enqueue(std::move(archive), snapshot.sequence);
}

std::optional<fnd::Bytes> MSubRepository::encodeForSave() {
    std::shared_ptr<MSubRepository> self = sharedAs<MSubRepository>();
    if (!self || classDataFilePath().empty()) return std::nullopt;
    return AbstractAppDelegate::archiveRepository(self);
}

void MSubRepository::writeArchive(const fnd::Bytes& archive, const std::filesystem::path& path) {
    std::shared_ptr<AbstractAppDelegate> delegate = AbstractAppDelegate::shared();
    if (delegate && delegate->launchDate()) delegate->writeRepository(archive, path);
}

void MSubRepository::writeEncodedArchive(const fnd::AtomicFile::Producer& encode,
                                         const std::filesystem::path& path) {
    std::shared_ptr<AbstractAppDelegate> delegate = AbstractAppDelegate::shared();
    if (delegate && delegate->launchDate()) delegate->writeRepository(encode, path);
}

void MSubRepository::enqueue(std::optional<fnd::Bytes> archive, std::uint64_t sequence) {
    enum { kWrite, kWait, kDropped, kDroppedIdle } next;
    {
        std::lock_guard lock(queue_);
        if (sequence < newest_) {
            // A newer state is written or waiting already; this older one must not follow it.
            --busy_;
            next = writing_ ? kDropped : kDroppedIdle;
        } else if (writing_) {
            // The newer archive holds every change of the one it replaces.
            newest_ = sequence;
            if (hasWaiting_) --busy_;
            waiting_ = std::move(archive);
            hasWaiting_ = true;
            next = kWait;
        } else {
            newest_ = sequence;
            writing_ = true;
            next = kWrite;
        }
    }
    if (next == kDroppedIdle) postSaveDone();
    if (next != kWrite) return;
    writeInTurn([&](const std::filesystem::path& path) {
        if (archive) writeArchive(*archive, path);
    });
}

void MSubRepository::writeInTurn(const std::function<void(const std::filesystem::path&)>& first) {
    std::optional<fnd::Bytes> archive;
    for (bool isFirst = true;; isFirst = false) {
        std::filesystem::path path = classDataFilePath();
        try {
            if (!path.empty()) {
                if (isFirst)
                    first(path);
                else if (archive)
                    writeArchive(*archive, path);
            }
        } catch (const std::exception& error) {
            // The queue must still be emptied, or every later save would wait for good.
            fnd::Log::error("writing ", path.string(), " failed: ", error.what());
        }
        std::lock_guard lock(queue_);
        --busy_;
        if (!hasWaiting_) {
            writing_ = false;
            break;
        }
        archive = std::move(waiting_);
        waiting_.reset();
        hasWaiting_ = false;
    }
    postSaveDone();
}

void MSubRepository::postSaveDone() {
    if (std::shared_ptr<fnd::Object> self = sharedAs())
        fnd::NotificationCenter::defaultCenter().post(kSaveDoneNotification, self);
    else
        fnd::NotificationCenter::defaultCenter().post(kSaveDoneNotification, static_cast<const void*>(this));
}

void MSubRepository::loadWithCoder(fnd::KeyedUnarchiver&) {
    throw fnd::UnrecognizedSelector("MSubRepository loadWithCoder:");
}

void MSubRepository::encodeWithCoder(fnd::KeyedArchiver&) const {
    throw fnd::UnrecognizedSelector("MSubRepository encodeWithCoder:");
}

void MSubRepository::initWithCoder(fnd::KeyedUnarchiver&) {
    throw fnd::UnrecognizedSelector("MSubRepository initWithCoder:");
}
