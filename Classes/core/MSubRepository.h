#pragma once
// The base of the parts of the user's data kept in files of their own beside the central
// repository (practice, tracker). It saves the object into its class's file, one save at a time,
// and tells when a save has ended; each subclass supplies its file and its archive keys.
//
// A save may run on any thread. The archive is made from the models, which live on the main
// thread, so a save on another thread takes an archive encoded beforehand on the main thread
// (encodeForSave) and only writes it:
//
//     auto archive = rep->encodeForSave();                         // main thread
//     std::thread([rep, archive] { rep->save(archive); }).detach();
//
// Saves are queued, never dropped: a save asked for while another thread writes is archived at once
// on the asking thread, takes the place of any archive already waiting, and is written by the
// writing thread right after its current write. isSaving() holds from the asking until nothing is
// left to write; "MSubRepositorySaveDone" is then posted once, with the object, on the thread that
// wrote last, also when nothing could be written.
//
// A large repository need not be archived on the main thread: snapshotForSave() copies what the
// file holds (one consistent state, cheaply), and save(snapshot) on the saving thread archives the
// copy and writes it. When no other write is under way, the copy is archived straight into the new
// file, so that its archive is never whole in memory. Every save is numbered when its state is
// taken, so that of two saves the older never overwrites the newer, whichever thread is quicker.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/foundation/ArchiveValue.h"
#include "platform/foundation/AtomicFile.h"
#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"

class MSubRepository : public fnd::Object, public fnd::Coding {
  public:
    static constexpr const char* kSaveDoneNotification = "MSubRepositorySaveDone";

    // The class's file in the documents folder; the base has none. A subclass declares its own
    // and answers it from classDataFilePath().
    static std::filesystem::path dataFilePath() { return {}; }
    virtual std::filesystem::path classDataFilePath() const { return dataFilePath(); }

    bool isSaving() const { return busy_.load() > 0; }

    // Archives the object and writes it to its class's file through the application delegate,
    // all on the calling thread; nothing is written while the delegate's launchDate is unset.
    void save();
    // The object's archive for its file, made now; nothing when its class has no file or the
    // object cannot be archived. Main thread.
    std::optional<fnd::Bytes> encodeForSave();
    // Writes an archive that encodeForSave made, as save() does but for the encoding.
    void save(std::optional<fnd::Bytes> archive);

    // The state to save, taken now (main thread), and how to archive it later on any thread.
    struct Snapshot {
        std::uint64_t sequence = 0;
        // Hands the archive to its argument in pieces; false when there is nothing to write (no
        // file, or the state cannot be archived). A snapshot is archived once.
        fnd::AtomicFile::Producer encode;
        // Whether encode archives as it goes, so that writing it straight into the file saves
        // memory; else it hands over an archive made before.
        bool encodesWhileWriting = false;
        // The archive whole in memory.
        std::optional<fnd::Bytes> archive() const;
    };
    // The base archives at once; a large repository copies its state instead (archiveOfCopy).
    virtual Snapshot snapshotForSave();
    // Archives the snapshot on the calling thread and writes it, unless a newer one was queued.
    void save(Snapshot snapshot);

    // Reads the subclass's values from a coder: its own file's, or an older central file's, which
    // holds them beside the central repository's.
    virtual void loadWithCoder(fnd::KeyedUnarchiver& coder);
    void encodeWithCoder(fnd::KeyedArchiver& coder) const override;
    void initWithCoder(fnd::KeyedUnarchiver& coder) override;

  protected:
    // A snapshot that archives `copy`, an object of the repository's class holding a copy of its
    // state, on whichever thread saves it.
    Snapshot archiveOfCopy(std::shared_ptr<MSubRepository> copy);
    std::uint64_t nextSequence() { return ++sequence_; }
    // Writes one archive to the file; the base through the application delegate, and nothing while
    // the delegate's launchDate is unset.
    virtual void writeArchive(const fnd::Bytes& archive, const std::filesystem::path& path);
    // Writes an archive that `encode` makes while it is written, the same way.
    virtual void writeEncodedArchive(const fnd::AtomicFile::Producer& encode,
                                     const std::filesystem::path& path);

  private:
    // Writes the archive now, or leaves it waiting for the thread that is writing.
    void enqueue(std::optional<fnd::Bytes> archive, std::uint64_t sequence);
    // On the thread that has become the writer: writes the file with `first`, then every archive
    // left waiting meanwhile.
    void writeInTurn(const std::function<void(const std::filesystem::path&)>& first);
    void postSaveDone();

    // Saves asked for and not yet written (being archived, waiting or being written).
    std::atomic<int> busy_{0};
    std::mutex queue_;
    bool writing_ = false;
    bool hasWaiting_ = false;
    std::optional<fnd::Bytes> waiting_;
    std::atomic<std::uint64_t> sequence_{0};
    // The newest state queued so far.
    std::uint64_t newest_ = 0;
};
