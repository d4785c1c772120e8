#include "Classes/study_aids/DictzipFile.h"

#include <zlib.h>

namespace {

constexpr unsigned char kFlagHeaderCRC = 2, kFlagExtra = 4, kFlagName = 8, kFlagComment = 16;

std::uint32_t le16(const unsigned char* p) { return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8; }

// Reads up to a 0 byte (a name or comment of the gzip header); false at the end of the file.
bool skipZeroTerminated(std::ifstream& in) {
    for (char c; in.get(c);)
        if (c == 0) return true;
    return false;
}

}  // namespace

std::optional<DictzipFile> DictzipFile::open(const std::filesystem::path& path, std::string& error) {
    DictzipFile file;
    file.in_.open(path, std::ios::binary);
    if (!file.in_) {
        error = "cannot open " + path.string();
        return std::nullopt;
    }
    unsigned char head[12];
    if (!file.in_.read(reinterpret_cast<char*>(head), sizeof head) || head[0] != 0x1f || head[1] != 0x8b ||
        head[2] != 8 || !(head[3] & kFlagExtra)) {
        error = path.filename().string() + " is no dictzip file";
        return std::nullopt;
    }
    std::vector<unsigned char> extra(le16(head + 10));
    if (!file.in_.read(reinterpret_cast<char*>(extra.data()), std::streamsize(extra.size()))) {
        error = path.filename().string() + ": the header is cut short";
        return std::nullopt;
    }
    // The extra field holds subfields; the chunk table is the one named "RA".
    bool found = false;
    for (std::size_t p = 0; p + 4 <= extra.size();) {
        std::size_t length = le16(&extra[p + 2]);
        if (p + 4 + length > extra.size()) break;
        if (extra[p] == 'R' && extra[p + 1] == 'A' && length >= 6) {
            const unsigned char* f = &extra[p + 4];
            std::size_t count = le16(f + 4);
            if (le16(f) != 1 || 6 + 2 * count > length || le16(f + 2) == 0) break;
            file.chunkLength_ = le16(f + 2);
            for (std::size_t i = 0; i < count; ++i) file.chunkSizes_.push_back(le16(f + 6 + 2 * i));
            found = true;
            break;
        }
        p += 4 + length;
    }
    if (!found) {
        error = path.filename().string() + " has no valid chunk table";
        return std::nullopt;
    }
    if (((head[3] & kFlagName) && !skipZeroTerminated(file.in_)) ||
        ((head[3] & kFlagComment) && !skipZeroTerminated(file.in_)) ||
        ((head[3] & kFlagHeaderCRC) && !file.in_.ignore(2))) {
        error = path.filename().string() + ": the header is cut short";
        return std::nullopt;
    }
    std::uint64_t offset = std::uint64_t(file.in_.tellg());
    std::error_code ec;
    std::uint64_t size = std::filesystem::file_size(path, ec);
    for (std::uint32_t chunk : file.chunkSizes_) {
        file.chunkOffsets_.push_back(offset);
        offset += chunk;
    }
    if (ec || offset > size) {
        error = path.filename().string() + ": the chunks run past the end of the file";
        return std::nullopt;
    }
    return file;
}

std::optional<std::string> DictzipFile::inflateChunk(std::size_t index, std::string& error) {
    if (index == cachedIndex_) return cached_;
    std::string compressed(chunkSizes_[index], '\0');
    in_.clear();
    in_.seekg(std::streamoff(chunkOffsets_[index]));
    if (!in_.read(compressed.data(), std::streamsize(compressed.size()))) {
        error = "chunk " + std::to_string(index) + " cannot be read";
        return std::nullopt;
    }
    std::string out(chunkLength_, '\0');
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) {
        error = "zlib cannot start";
        return std::nullopt;
    }
    z.next_in = reinterpret_cast<Bytef*>(compressed.data());
    z.avail_in = uInt(compressed.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    int status = inflate(&z, Z_SYNC_FLUSH);
    std::size_t produced = out.size() - z.avail_out;
    inflateEnd(&z);
    // Every chunk but the last inflates to the full chunk length.
    bool last = index + 1 == chunkSizes_.size();
    if ((status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) ||
        (!last && produced != chunkLength_)) {
        error = "chunk " + std::to_string(index) + " is damaged";
        return std::nullopt;
    }
    out.resize(produced);
    cachedIndex_ = index;
    cached_ = out;
    return out;
}

std::optional<std::string> DictzipFile::read(std::uint64_t offset, std::uint64_t length, std::string& error) {
    if (length > kMaximumRead) {
        error = "a piece of " + std::to_string(length) + " bytes is too long";
        return std::nullopt;
    }
    std::string text;
    std::uint64_t end = offset + length;
    for (std::uint64_t at = offset; at < end;) {
        std::uint64_t index = at / chunkLength_;
        if (index >= chunkSizes_.size()) {
            error = "offset " + std::to_string(at) + " lies beyond the text";
            return std::nullopt;
        }
        std::optional<std::string> chunk = inflateChunk(std::size_t(index), error);
        if (!chunk) return std::nullopt;
        std::uint64_t within = at - index * chunkLength_;
        if (within >= chunk->size()) {
            error = "offset " + std::to_string(at) + " lies beyond the text";
            return std::nullopt;
        }
        std::uint64_t take = std::min<std::uint64_t>(end - at, chunk->size() - within);
        text.append(*chunk, std::size_t(within), std::size_t(take));
        at += take;
    }
    return text;
}
