#pragma once
// Drawn pictures against reference pictures kept in tests/fixtures: how much two pictures differ,
// and the reference's bytes. ORVA_WRITE_REFERENCES=1 in the environment writes the drawn picture as
// the new reference (look at it before committing).

#include <filesystem>
#include <string>

#include "platform/graphics/Bitmap.h"

namespace testing_support {

// The share of pixels whose components differ by more than `tolerance` (0..255); 1 for pictures
// of different sizes. Nearly transparent pixels carry little colour, so colours are compared
// premultiplied.
double differingShare(const gfx::Bitmap& a, const gfx::Bitmap& b, int tolerance);

// The file's bytes; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);

// The reference picture at `path`, after writing `png` there when asked to (see above).
std::string referencePicture(const std::filesystem::path& path, const std::string& png);

}  // namespace testing_support
