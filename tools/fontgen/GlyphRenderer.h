#pragma once

#include <SDL_ttf.h>

#include <cstdint>
#include <string>
#include <vector>

namespace fontgen {

// One rendered glyph: a coverage cell of the full line height with the baseline
// at the primary font's ascent, plus the pen offsets around it.
struct Glyph {
    uint8_t byte = 0;
    uint32_t codePoint = 0;
    int width = 0;
    int height = 0;
    int pre = 0;   // from the pen to the cell's left edge
    int post = 0;  // from the cell's right edge to the next pen position
    bool fromFallback = false;
    std::vector<uint8_t> alpha;  // width * height coverage values
};

class GlyphRenderer {
public:
    GlyphRenderer() = default;
    ~GlyphRenderer();
    GlyphRenderer(const GlyphRenderer&) = delete;
    GlyphRenderer& operator=(const GlyphRenderer&) = delete;

    // Opens the primary font and the optional fallback at a pixel size.
    bool open(const std::string& primary, const std::string& fallback, int pixelSize, int hinting);

    // Widens the line to hold the ink of every given code point: some fonts draw
    // accented capitals and descenders beyond their declared ascent and descent.
    void fitLine(const std::vector<uint32_t>& codePoints);

    int lineHeight() const { return m_ascent - m_descent; }
    int ascent() const { return m_ascent; }

    // Renders the code point from the primary font, or from the fallback when the
    // primary lacks it; false when neither has it.
    bool render(uint32_t codePoint, Glyph& out);

private:
    TTF_Font* fontFor(uint32_t codePoint) const;
    bool renderFrom(TTF_Font* font, uint32_t codePoint, Glyph& out);

    TTF_Font* m_primary = nullptr;
    TTF_Font* m_fallback = nullptr;
    int m_ascent = 0;
    int m_descent = 0;
};

}  // namespace fontgen
