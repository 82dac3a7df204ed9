#pragma once

#include <array>
#include <string>
#include <vector>

#include "AtlasBuilder.h"
#include "GlyphRenderer.h"

namespace fontgen {

struct FntGlyph {
    bool defined = false;
    int x = 0, y = 0, w = 0, h = 0, a = 0, c = 0;
};

// A font description as the game reads it: the texture name and up to 256
// glyph rectangles indexed by Windows-1252 byte.
struct FntFile {
    std::string bitmap;
    std::array<FntGlyph, 256> glyphs;
    int height = 0;  // the largest glyph height, the line step

    // Writes "[HGEFONT]", the Bitmap line and one Char line per glyph, every code in
    // hexadecimal so that quotes, commas and high bytes need no escaping.
    static bool write(const std::string& path, const std::string& bitmap,
                      const std::vector<Glyph>& glyphs, const std::vector<Placement>& placed);

    // Reads a description; false when the file is missing or its first line is
    // not "[HGEFONT]". Malformed Char lines are skipped.
    bool read(const std::string& path);
};

}  // namespace fontgen
