#include "AtlasBuilder.h"

#include <SDL_image.h>

#include <algorithm>
#include <cstdio>

namespace fontgen {

namespace {

int nextPowerOfTwo(int v) {
    int p = 1;
    while (p < v) {
        p *= 2;
    }
    return p;
}

}  // namespace

int AtlasBuilder::layout(const std::vector<Glyph>& glyphs, int width,
                         std::vector<Placement>& out) const {
    out.clear();
    int x = 1;
    int y = 1;
    int rowHeight = 0;
    for (const Glyph& g : glyphs) {
        if (g.width + 2 > width) {
            return -1;
        }
        if (x + g.width + 1 > width) {
            x = 1;
            y += rowHeight + 1;
            rowHeight = 0;
        }
        out.push_back(Placement{x, y});
        x += g.width + 1;
        rowHeight = std::max(rowHeight, g.height);
    }
    return y + rowHeight + 1;
}

bool AtlasBuilder::pack(const std::vector<Glyph>& glyphs) {
    // The smallest power-of-two area; on a tie the squarer texture.
    m_width = 0;
    for (int width = 64; width <= 4096; width *= 2) {
        std::vector<Placement> placed;
        const int used = layout(glyphs, width, placed);
        if (used < 0 || used > 4096) {
            continue;
        }
        const int height = nextPowerOfTwo(used);
        const long area = static_cast<long>(width) * height;
        const long bestArea = static_cast<long>(m_width) * m_height;
        if (m_width == 0 || area < bestArea ||
            (area == bestArea && std::max(width, height) < std::max(m_width, m_height))) {
            m_placements = placed;
            m_width = width;
            m_height = height;
        }
    }
    return m_width != 0;
}

bool AtlasBuilder::savePng(const std::vector<Glyph>& glyphs, SDL_Color colour,
                           const std::string& path) const {
    SDL_Surface* atlas =
        SDL_CreateRGBSurfaceWithFormat(0, m_width, m_height, 32, SDL_PIXELFORMAT_ABGR8888);
    if (atlas == nullptr) {
        std::fprintf(stderr, "fontgen: cannot create atlas: %s\n", SDL_GetError());
        return false;
    }
    SDL_LockSurface(atlas);
    auto pixel = [&](int x, int y) -> uint32_t& {
        return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(atlas->pixels) +
                                           y * atlas->pitch)[x];
    };
    const uint32_t clear = SDL_MapRGBA(atlas->format, colour.r, colour.g, colour.b, 0);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            pixel(x, y) = clear;
        }
    }
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const Glyph& g = glyphs[i];
        const Placement& p = m_placements[i];
        for (int y = 0; y < g.height; ++y) {
            for (int x = 0; x < g.width; ++x) {
                const uint8_t a = g.alpha[static_cast<size_t>(y) * g.width + x];
                pixel(p.x + x, p.y + y) =
                    SDL_MapRGBA(atlas->format, colour.r, colour.g, colour.b, a);
            }
        }
    }
    SDL_UnlockSurface(atlas);
    const bool ok = IMG_SavePNG(atlas, path.c_str()) == 0;
    if (!ok) {
        std::fprintf(stderr, "fontgen: cannot write %s: %s\n", path.c_str(), IMG_GetError());
    }
    SDL_FreeSurface(atlas);
    return ok;
}

}  // namespace fontgen
