#include "GlyphRenderer.h"

#include <algorithm>
#include <cstdio>

#include "Cp1252.h"

namespace fontgen {

GlyphRenderer::~GlyphRenderer() {
    if (m_primary != nullptr) {
        TTF_CloseFont(m_primary);
    }
    if (m_fallback != nullptr) {
        TTF_CloseFont(m_fallback);
    }
}

bool GlyphRenderer::open(const std::string& primary, const std::string& fallback, int pixelSize,
                         int hinting) {
    m_primary = TTF_OpenFont(primary.c_str(), pixelSize);
    if (m_primary == nullptr) {
        std::fprintf(stderr, "fontgen: cannot open %s: %s\n", primary.c_str(), TTF_GetError());
        return false;
    }
    TTF_SetFontHinting(m_primary, hinting);
    TTF_SetFontKerning(m_primary, 0);
    if (!fallback.empty()) {
        m_fallback = TTF_OpenFont(fallback.c_str(), pixelSize);
        if (m_fallback == nullptr) {
            std::fprintf(stderr, "fontgen: cannot open fallback %s: %s\n", fallback.c_str(),
                         TTF_GetError());
            return false;
        }
        TTF_SetFontHinting(m_fallback, hinting);
        TTF_SetFontKerning(m_fallback, 0);
    }
    m_ascent = TTF_FontAscent(m_primary);
    m_descent = TTF_FontDescent(m_primary);
    return true;
}

TTF_Font* GlyphRenderer::fontFor(uint32_t codePoint) const {
    if (TTF_GlyphIsProvided32(m_primary, codePoint)) {
        return m_primary;
    }
    if (m_fallback != nullptr && TTF_GlyphIsProvided32(m_fallback, codePoint)) {
        return m_fallback;
    }
    return nullptr;
}

void GlyphRenderer::fitLine(const std::vector<uint32_t>& codePoints) {
    for (uint32_t cp : codePoints) {
        TTF_Font* font = fontFor(cp);
        int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
        if (font == nullptr ||
            TTF_GlyphMetrics32(font, cp, &minx, &maxx, &miny, &maxy, &advance) != 0 ||
            maxy <= miny) {
            continue;
        }
        m_ascent = std::max(m_ascent, maxy);
        m_descent = std::min(m_descent, miny);
    }
}

bool GlyphRenderer::render(uint32_t codePoint, Glyph& out) {
    TTF_Font* font = fontFor(codePoint);
    if (font == nullptr) {
        return false;
    }
    out.fromFallback = font != m_primary;
    return renderFrom(font, codePoint, out);
}

bool GlyphRenderer::renderFrom(TTF_Font* font, uint32_t codePoint, Glyph& out) {
    // The renderer refuses to draw a lone soft hyphen; a bitmap font that cannot
    // hyphenate shows it as the plain hyphen it looks like.
    const uint32_t shape = codePoint == 0xAD ? '-' : codePoint;
    int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
    if (TTF_GlyphMetrics32(font, shape, &minx, &maxx, &miny, &maxy, &advance) != 0) {
        std::fprintf(stderr, "fontgen: no metrics for U+%04X: %s\n", codePoint, TTF_GetError());
        return false;
    }
    // The cell spans the pen advance and any ink that overhangs it, so that the
    // cell's width never undercounts the room the glyph takes on a line.
    const int left = std::min(0, minx);
    const int right = std::max(advance, maxx);
    out.codePoint = codePoint;
    out.width = right - left;
    out.height = lineHeight();
    out.pre = left;
    out.post = advance - right;
    out.alpha.assign(static_cast<size_t>(out.width) * out.height, 0);
    if (maxx <= minx || maxy <= miny) {
        return true;  // a blank such as the space
    }

    SDL_Surface* rendered =
        TTF_RenderUTF8_Blended(font, utf8Of(shape).c_str(), SDL_Color{255, 255, 255, 255});
    if (rendered == nullptr) {
        std::fprintf(stderr, "fontgen: cannot render U+%04X: %s\n", codePoint, TTF_GetError());
        return false;
    }
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (argb == nullptr) {
        return false;
    }

    // The renderer shifts the pen right when ink starts left of it, and down when
    // ink rises above the font's ascent; undo both to find the pen origin.
    const int fontAscent = TTF_FontAscent(font);
    const int originX = std::max(0, -minx);
    const int baselineY = std::max(0, maxy - fontAscent) + fontAscent;
    int clipped = 0;
    int inkLeft = argb->w, inkRight = -1, inkTop = argb->h, inkBottom = -1;
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < argb->w; ++x) {
            const uint8_t a = static_cast<uint8_t>(row[x] >> 24);
            if (a == 0) {
                continue;
            }
            inkLeft = std::min(inkLeft, x);
            inkRight = std::max(inkRight, x + 1);
            inkTop = std::min(inkTop, y);
            inkBottom = std::max(inkBottom, y + 1);
            const int cx = x - originX - left;
            const int cy = y - baselineY + m_ascent;
            if (cx < 0 || cx >= out.width || cy < 0 || cy >= out.height) {
                ++clipped;
                continue;
            }
            out.alpha[static_cast<size_t>(cy) * out.width + cx] = a;
        }
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    // The ink must sit where the metrics say; otherwise the origin guess is off.
    if (inkRight > inkLeft && (inkLeft < originX + minx || inkRight > originX + maxx ||
                               inkTop < baselineY - maxy || inkBottom > baselineY - miny)) {
        std::printf("fontgen: U+%04X ink (%d..%d, %d..%d) outside its metrics box\n", codePoint,
                    inkLeft - originX, inkRight - originX, baselineY - inkBottom,
                    baselineY - inkTop);
    }
    if (clipped > 0) {
        std::printf("fontgen: U+%04X loses %d ink pixels outside its cell\n", codePoint, clipped);
    }
    return true;
}

}  // namespace fontgen
