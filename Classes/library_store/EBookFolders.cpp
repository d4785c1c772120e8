#include "Classes/library_store/EBookFolders.h"

#include <charconv>
#include <fstream>
#include <mutex>
#include <set>
#include <system_error>

#include "Classes/core/MRepository.h"
#include "platform/foundation/AtomicFile.h"
#include "platform/foundation/Log.h"

namespace fs = std::filesystem;

namespace {

// The stamp of a book folder: its version, in a file whose name tells whether the central file
// has been saved listing it. The names begin with a dot so that no book's own file is likely to
// bear them.
constexpr const char* kCommittedStamp = ".installed";
constexpr const char* kPendingStamp = ".installing";
constexpr std::string_view kUnpackedSuffix = "_new";
constexpr std::string_view kAsideSuffix = "_old";
constexpr std::size_t kSuffixLength = kUnpackedSuffix.size();
static_assert(kAsideSuffix.size() == kSuffixLength);

std::mutex hookMutex;
std::function<void(EBookFolders::Step)>& stepHook() {
    static std::function<void(EBookFolders::Step)> hook;
    return hook;
}

void removePath(const fs::path& folder) {
    std::error_code ec;
    fs::remove_all(folder, ec);
    if (ec) fnd::Log::error("cannot remove ", folder.string(), ": ", ec.message());
}

bool isThere(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

bool movePath(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) fnd::Log::error("cannot move ", from.string(), " to ", to.string(), ": ", ec.message());
    return !ec;
}

std::optional<int> versionIn(const fs::path& file) {
    std::ifstream in(file);
    std::string text;
    if (!in || !std::getline(in, text)) return std::nullopt;
    int version = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), version);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return version;
}

}  // namespace

void EBookFolders::setStepHook(std::function<void(Step)> hook) {
    std::lock_guard lock(hookMutex);
    stepHook() = std::move(hook);
}

void EBookFolders::reached(Step step) {
    std::function<void(Step)> hook;
    {
        std::lock_guard lock(hookMutex);
        hook = stepHook();
    }
    if (hook) hook(step);
}

bool EBookFolders::isWorkingFolderName(std::string_view name) {
    return name.size() > kSuffixLength && (name.ends_with(kUnpackedSuffix) || name.ends_with(kAsideSuffix));
}

EBookFolders::EBookFolders(std::string_view productId)
    : folder_(MRepository::dataFolderPathForEBook(productId)) {
    if (folder_.empty()) return;
    unpacked_ = folder_.string() + std::string(kUnpackedSuffix);
    aside_ = folder_.string() + std::string(kAsideSuffix);
}

bool EBookFolders::stampUnpacked(int version) {
    std::error_code ec;
    // A stamp that came with the archive says nothing about this install.
    fs::remove(unpacked_ / kCommittedStamp, ec);
    std::string text = std::to_string(version) + "\n";
    auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    fnd::AtomicFile::Result written = fnd::AtomicFile::write(unpacked_ / kPendingStamp, bytes);
    if (!written)
        fnd::Log::error("cannot stamp the unpacked e-book ", unpacked_.string(), ": ", written.error);
    return written.saved;
}

bool EBookFolders::moveAside() {
    movedAside_ = false;
    if (!isThere(folder_)) return true;
    movedAside_ = movePath(folder_, aside_);
    return movedAside_;
}

bool EBookFolders::moveIn() {
    movedIn_ = movePath(unpacked_, folder_);
    return movedIn_;
}

void EBookFolders::putBack() {
    discardUnpacked();
    if (movedIn_) removePath(folder_);
    movedIn_ = false;
    if (movedAside_ && movePath(aside_, folder_)) movedAside_ = false;
}

void EBookFolders::discardUnpacked() const { removePath(unpacked_); }

void EBookFolders::discardAside() const { removePath(aside_); }

void EBookFolders::commit() const {
    if (isThere(folder_ / kPendingStamp)) movePath(folder_ / kPendingStamp, folder_ / kCommittedStamp);
}

std::optional<EBookFolders::Stamp> EBookFolders::stampOf(const fs::path& folder) {
    if (std::optional<int> version = versionIn(folder / kPendingStamp)) return Stamp{*version, true};
    if (std::optional<int> version = versionIn(folder / kCommittedStamp)) return Stamp{*version, false};
    return std::nullopt;
}

void EBookFolders::repair(const Listing& listed) const {
    auto entry = listed.find(folder_.filename().string());
    const int* version = entry == listed.end() ? nullptr : &entry->second;
    // Only a book of such a name installed before such names were refused can be listed; its
    // folder is then no working folder of this one.
    if (!listed.contains(unpacked_.filename().string()) && isThere(unpacked_)) {
        fnd::Log::info("removing the unfinished unpack ", unpacked_.string());
        removePath(unpacked_);
    }
    if (!listed.contains(aside_.filename().string()) && isThere(aside_)) {
        std::optional<Stamp> stamp = stampOf(folder_);
        if (isThere(folder_) && version && stamp && stamp->version == *version) {
            fnd::Log::info("removing the replaced e-book ", aside_.string());
            removePath(aside_);
        } else {
            fnd::Log::info("putting back the e-book ", folder_.string(),
                           " that an unfinished install replaced");
            removePath(folder_);
            movePath(aside_, folder_);
        }
    }
    if (std::optional<Stamp> stamp = stampOf(folder_); stamp && stamp->pending) {
        if (version) {
            commit();
        } else {
            fnd::Log::info("removing the e-book ", folder_.string(), " whose install did not end");
            removePath(folder_);
        }
    }
}

void EBookFolders::repairAll(const Listing& listed) {
    // The folder of the downloaded books, found as the parent of any one book's folder.
    fs::path root = MRepository::dataFolderPathForEBook("any").parent_path();
    std::set<std::string, std::less<>> products;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(root, ec)) {
        if (!entry.is_directory(ec) || entry.is_symlink(ec)) continue;
        std::string name = entry.path().filename().string();
        if (!listed.contains(name) && isWorkingFolderName(name)) name.resize(name.size() - kSuffixLength);
        if (MRepository::isValidProductId(name) && !MRepository::isLocalEBook(name)) products.insert(name);
    }
    for (const std::string& product : products) EBookFolders(product).repair(listed);
}
