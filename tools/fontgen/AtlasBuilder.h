#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "GlyphRenderer.h"

namespace fontgen {

struct Placement {
    int x = 0;
    int y = 0;
};

// Packs glyph cells in rows into the smallest power-of-two texture, each cell
// kept apart from its neighbours and the edges by a transparent pixel.
class AtlasBuilder {
public:
    // Places the glyphs in their given order; returns false if they cannot fit
    // in a 4096-pixel texture.
    bool pack(const std::vector<Glyph>& glyphs);

    // Writes the coverage in the given colour; transparent pixels keep that colour
    // too, so filtering at glyph edges does not darken them.
    bool savePng(const std::vector<Glyph>& glyphs, SDL_Color colour, const std::string& path) const;

    const std::vector<Placement>& placements() const { return m_placements; }
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    int layout(const std::vector<Glyph>& glyphs, int width, std::vector<Placement>& out) const;

    std::vector<Placement> m_placements;
    int m_width = 0;
    int m_height = 0;
};

}  // namespace fontgen
