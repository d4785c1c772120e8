#pragma once
// Checks of the bundle's drawn pictures: each is the double-resolution file of its size in points,
// with its plain twin at one pixel per point beside it.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Bundle.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Image.h"

namespace resources_test {

inline ui::Image::PixelSize pixelsOf(const std::string& relativePath) {
    std::ifstream in(fnd::Bundle::main().resourcePath() / relativePath, std::ios::binary);
    std::string header(64, '\0');
    in.read(header.data(), static_cast<std::streamsize>(header.size()));
    header.resize(static_cast<std::size_t>(in.gcount()));
    return ui::Image::pixelSize(header);
}

// The pixels of a picture of the bundle, by its path in the bundle; none when it can't be read.
inline std::optional<gfx::Bitmap> bundleBitmap(const std::string& relativePath) {
    std::ifstream in(fnd::Bundle::main().resourcePath() / relativePath, std::ios::binary);
    return gfx::Bitmap::decode(std::string(std::istreambuf_iterator<char>(in), {}));
}

// The image is the bundle's double-resolution picture of the given size, and the bundle has
// its plain twin at one pixel per point for callers that ask for that.
inline void expectBundleImage(const std::shared_ptr<const ui::Image>& image, double width, double height) {
    ASSERT_TRUE(image);
    SCOPED_TRACE(image->name());
    EXPECT_EQ(image->scale(), 2);
    EXPECT_EQ(image->size().width, width);
    EXPECT_EQ(image->size().height, height);
    std::string doubled = image->resourcePath();
    auto at = doubled.rfind("@2x");
    ASSERT_NE(at, std::string::npos);
    ui::Image::PixelSize plain = pixelsOf(std::string(doubled).erase(at, 3));
    EXPECT_EQ(plain.width, width);
    EXPECT_EQ(plain.height, height);
}

}  // namespace resources_test
