#include "platform/graphics/Bitmap.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
#include <zlib.h>

#include "platform/foundation/Log.h"

namespace gfx {

namespace {

bool acceptableSide(long side) { return side > 0 && side <= Bitmap::kMaximumSide; }

std::uint32_t pack(int a, int r, int g, int b) {
    return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(r) << 16 |
           static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b);
}

int premultiply(int component, int alpha) { return (component * alpha + 127) / 255; }
int unpremultiply(int component, int alpha) {
    return alpha == 0 ? 0 : std::min(255, (component * 255 + alpha / 2) / alpha);
}

// ---- PNG read through cairo (written by our own encoder, below)

struct ReadCursor {
    const std::string* bytes;
    std::size_t at = 0;
};

cairo_status_t readBytes(void* closure, unsigned char* out, unsigned int length) {
    auto* cursor = static_cast<ReadCursor*>(closure);
    if (cursor->bytes->size() - cursor->at < length) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, cursor->bytes->data() + cursor->at, length);
    cursor->at += length;
    return CAIRO_STATUS_SUCCESS;
}

unsigned long bigEndian32(const std::string& s, std::size_t at) {
    unsigned long v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(s[at + i]);
    return v;
}

// ---- JPEG through libjpeg, with errors turned into a jump back instead of an exit

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void jpegFail(j_common_ptr info) {
    char message[JMSG_LENGTH_MAX];
    info->err->format_message(info, message);
    fnd::Log::warning("jpeg: ", message);
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

void jpegQuiet(j_common_ptr, int) {}

}  // namespace

Bitmap::Bitmap(int width, int height) {
    if (width < 0 || height < 0 || width > kMaximumSide || height > kMaximumSide) width = height = 0;
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
}

Bitmap::RGBA Bitmap::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    std::uint32_t p = pixels_[static_cast<std::size_t>(y) * width_ + x];
    int a = int(p >> 24), r = int(p >> 16 & 0xFF), g = int(p >> 8 & 0xFF), b = int(p & 0xFF);
    return {unpremultiply(r, a), unpremultiply(g, a), unpremultiply(b, a), a};
}

void Bitmap::setPixel(int x, int y, RGBA c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    int a = std::clamp(c.alpha, 0, 255);
    pixels_[static_cast<std::size_t>(y) * width_ + x] =
        pack(a, premultiply(std::clamp(c.red, 0, 255), a), premultiply(std::clamp(c.green, 0, 255), a),
             premultiply(std::clamp(c.blue, 0, 255), a));
}

namespace {

// The rectangle cut to a bitmap of that size.
PixelRect within(const PixelRect& r, int width, int height) {
    // Sums in 64 bits: a caller's rectangle may reach far beyond the int range's middle.
    long long left = std::max<long long>(r.x, 0), top = std::max<long long>(r.y, 0);
    long long right = std::min<long long>(static_cast<long long>(r.x) + std::max(r.width, 0), width);
    long long bottom = std::min<long long>(static_cast<long long>(r.y) + std::max(r.height, 0), height);
    if (right <= left || bottom <= top) return {};
    return {int(left), int(top), int(right - left), int(bottom - top)};
}

}  // namespace

Bitmap Bitmap::cropped(const PixelRect& rect) const {
    PixelRect r = within(rect, width_, height_);
    if (r.isEmpty()) {
        if (!rect.isEmpty() && !isEmpty())
            fnd::Log::debug("drawing: a crop beside the picture is empty: ", rect.x, ",", rect.y, " ",
                            rect.width, "x", rect.height, " of ", width_, "x", height_);
        return {};
    }
    Bitmap out(r.width, r.height);
    for (int y = 0; y < r.height; ++y)
        std::memcpy(out.pixels_.data() + static_cast<std::size_t>(y) * r.width,
                    pixels_.data() + static_cast<std::size_t>(r.y + y) * width_ + r.x,
                    static_cast<std::size_t>(r.width) * 4);
    return out;
}

bool Bitmap::samePixels(const Bitmap& other, const PixelRect& rect) const {
    if (width_ != other.width_ || height_ != other.height_) return false;
    PixelRect r = within(rect, width_, height_);
    for (int y = r.y; y < r.y + r.height; ++y) {
        std::size_t at = static_cast<std::size_t>(y) * width_ + r.x;
        if (std::memcmp(pixels_.data() + at, other.pixels_.data() + at,
                        static_cast<std::size_t>(r.width) * 4))
            return false;
    }
    return true;
}

std::optional<Bitmap> Bitmap::decode(const std::string& bytes) {
    if (bytes.size() >= 8 && bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0) return decodePNG(bytes);
    if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xD8)
        return decodeJPEG(bytes);
    return std::nullopt;
}

std::optional<Bitmap> Bitmap::decodePNG(const std::string& bytes) {
    // The header's size is checked first, so that a damaged or hostile file cannot make the
    // reader allocate a huge picture.
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return std::nullopt;
    if (!acceptableSide(long(bigEndian32(bytes, 16))) || !acceptableSide(long(bigEndian32(bytes, 20))))
        return std::nullopt;
    ReadCursor cursor{&bytes};
    cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(readBytes, &cursor);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return std::nullopt;
    }
    // Pictures without alpha come as RGB24, whose high byte is undefined: make them opaque.
    bool opaque = cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32;
    Bitmap out(cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface));
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < out.height_; ++y) {
        auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        std::uint32_t* dest = out.pixels_.data() + static_cast<std::size_t>(y) * out.width_;
        for (int x = 0; x < out.width_; ++x) dest[x] = opaque ? (row[x] | 0xFF000000u) : row[x];
    }
    cairo_surface_destroy(surface);
    return out;
}

std::string Bitmap::encodePNG() const {
    if (isEmpty()) return {};
    // Each row: the "Sub" filter (each byte less the byte of the pixel before), which turns a run
    // of one colour into zeros; then deflate at its quickest, matching runs only. Pictures drawn
    // here are mostly flat colour, which this packs well at a fraction of the usual cost: the
    // display asks for PNG bytes on every redraw.
    std::vector<unsigned char> raw(static_cast<std::size_t>(height_) *
                                   (1 + static_cast<std::size_t>(width_) * 4));
    unsigned char* out = raw.data();
    for (int y = 0; y < height_; ++y) {
        const std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(y) * width_;
        *out++ = 1;  // Sub
        unsigned char before[4] = {0, 0, 0, 0};
        for (int x = 0; x < width_; ++x) {
            std::uint32_t p = row[x];
            int a = int(p >> 24);
            unsigned char rgba[4];
            if (a == 255) {
                rgba[0] = static_cast<unsigned char>(p >> 16);
                rgba[1] = static_cast<unsigned char>(p >> 8);
                rgba[2] = static_cast<unsigned char>(p);
            } else {
                rgba[0] = static_cast<unsigned char>(unpremultiply(int(p >> 16 & 0xFF), a));
                rgba[1] = static_cast<unsigned char>(unpremultiply(int(p >> 8 & 0xFF), a));
                rgba[2] = static_cast<unsigned char>(unpremultiply(int(p & 0xFF), a));
            }
            rgba[3] = static_cast<unsigned char>(a);
            for (int k = 0; k < 4; ++k) {
                *out++ = static_cast<unsigned char>(rgba[k] - before[k]);
                before[k] = rgba[k];
            }
        }
    }
    z_stream z{};
    if (deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, 15, 8, Z_RLE) != Z_OK) return {};
    std::string compressed(deflateBound(&z, static_cast<uLong>(raw.size())), '\0');
    z.next_in = raw.data();
    z.avail_in = static_cast<uInt>(raw.size());
    z.next_out = reinterpret_cast<Bytef*>(compressed.data());
    z.avail_out = static_cast<uInt>(compressed.size());
    int status = deflate(&z, Z_FINISH);
    compressed.resize(z.total_out);
    deflateEnd(&z);
    if (status != Z_STREAM_END) return {};

    std::string png("\x89PNG\r\n\x1a\n", 8);
    auto chunk = [&png](const char* type, const std::string& data) {
        auto put32 = [&png](unsigned long v) {
            for (int shift = 24; shift >= 0; shift -= 8) png += static_cast<char>(v >> shift & 0xFF);
        };
        put32(data.size());
        std::size_t start = png.size();
        png.append(type, 4);
        png += data;
        put32(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(png.data() + start),
                    static_cast<uInt>(png.size() - start)));
    };
    std::string header;
    for (unsigned long v : {static_cast<unsigned long>(width_), static_cast<unsigned long>(height_)})
        for (int shift = 24; shift >= 0; shift -= 8) header += static_cast<char>(v >> shift & 0xFF);
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, filters, no interlace
    chunk("IHDR", header);
    chunk("IDAT", compressed);
    chunk("IEND", {});
    return png;
}

std::optional<Bitmap> Bitmap::decodeJPEG(const std::string& bytes) {
    // Everything that changes after setjmp lives on the heap: locals changed between setjmp and
    // the jump back have no defined value afterwards.
    struct Work {
        jpeg_decompress_struct info{};
        JpegError error{};
        std::optional<Bitmap> out;
        std::vector<unsigned char> row;
    };
    auto work = std::make_unique<Work>();
    jpeg_decompress_struct& info = work->info;
    info.err = jpeg_std_error(&work->error.manager);
    work->error.manager.error_exit = jpegFail;
    work->error.manager.emit_message = jpegQuiet;
    if (setjmp(work->error.jump)) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || !acceptableSide(long(info.image_width)) ||
        !acceptableSide(long(info.image_height))) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    Bitmap& out = work->out.emplace(int(info.output_width), int(info.output_height));
    std::vector<unsigned char>& row = work->row;
    row.resize(static_cast<std::size_t>(info.output_width) * info.output_components);
    while (info.output_scanline < info.output_height) {
        unsigned char* rows[1] = {row.data()};
        int y = int(info.output_scanline);
        if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
        std::uint32_t* dest = out.pixels_.data() + static_cast<std::size_t>(y) * out.width_;
        for (int x = 0; x < out.width_; ++x) {
            const unsigned char* p = row.data() + static_cast<std::size_t>(x) * info.output_components;
            if (cmyk) {
                // Such files store the inks inverted (as Adobe's writers do).
                dest[x] = pack(255, p[0] * p[3] / 255, p[1] * p[3] / 255, p[2] * p[3] / 255);
            } else {
                dest[x] = pack(255, p[0], p[1], p[2]);
            }
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return std::move(work->out);
}

std::string Bitmap::encodeJPEG(double quality) const {
    if (isEmpty()) return {};
    // On the heap for the reason given in decodeJPEG.
    struct Work {
        jpeg_compress_struct info{};
        JpegError error{};
        unsigned char* buffer = nullptr;
        unsigned long size = 0;
        std::vector<unsigned char> row;
        ~Work() { std::free(buffer); }
    };
    auto work = std::make_unique<Work>();
    jpeg_compress_struct& info = work->info;
    info.err = jpeg_std_error(&work->error.manager);
    work->error.manager.error_exit = jpegFail;
    work->error.manager.emit_message = jpegQuiet;
    std::vector<unsigned char>& row = work->row;
    row.resize(static_cast<std::size_t>(width_) * 3);
    if (setjmp(work->error.jump)) {
        jpeg_destroy_compress(&info);
        return {};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &work->buffer, &work->size);
    info.image_width = static_cast<JDIMENSION>(width_);
    info.image_height = static_cast<JDIMENSION>(height_);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    if (!std::isfinite(quality)) quality = 1;
    jpeg_set_quality(&info, int(std::lround(std::clamp(quality, 0.0, 1.0) * 100)), TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const std::uint32_t* src = pixels_.data() + static_cast<std::size_t>(info.next_scanline) * width_;
        // Premultiplied components are the picture laid over black.
        for (int x = 0; x < width_; ++x) {
            row[std::size_t(x) * 3] = static_cast<unsigned char>(src[x] >> 16 & 0xFF);
            row[std::size_t(x) * 3 + 1] = static_cast<unsigned char>(src[x] >> 8 & 0xFF);
            row[std::size_t(x) * 3 + 2] = static_cast<unsigned char>(src[x] & 0xFF);
        }
        unsigned char* rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::string out(reinterpret_cast<const char*>(work->buffer), work->size);
    jpeg_destroy_compress(&info);
    return out;
}

}  // namespace gfx
