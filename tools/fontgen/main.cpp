// fontgen: turns a TrueType font into the game's bitmap fonts.
//
//   fontgen generate --font F.ttf [--fallback G.ttf] --size PX [--colour RRGGBB]
//                    [--hinting normal|light|mono|none] --out DIR/NAME
//       writes DIR/NAME.fnt and DIR/NAME.png holding every printable
//       Windows-1252 character
//   fontgen preview --fnt DIR/NAME.fnt --text UTF8 --out FILE.png [--background RRGGBB]
//                   [--zoom N]
//       draws the text from the description and its atlas, advancing each glyph
//       the way the game does, and writes it as a picture
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "AtlasBuilder.h"
#include "Cp1252.h"
#include "FntFile.h"
#include "GlyphRenderer.h"

using namespace fontgen;

namespace {

using Options = std::map<std::string, std::string>;

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 2; i < argc; i += 2) {
        const std::string key = argv[i];
        if (key.compare(0, 2, "--") != 0 || i + 1 >= argc) {
            std::fprintf(stderr, "fontgen: bad argument %s\n", key.c_str());
            return false;
        }
        options[key.substr(2)] = argv[i + 1];
    }
    return true;
}

bool parseColour(const std::string& hex, SDL_Color& colour) {
    if (hex.size() != 6) {
        return false;
    }
    char* end = nullptr;
    const unsigned long v = std::strtoul(hex.c_str(), &end, 16);
    if (*end != '\0') {
        return false;
    }
    colour = SDL_Color{static_cast<Uint8>(v >> 16), static_cast<Uint8>(v >> 8),
                       static_cast<Uint8>(v), 255};
    return true;
}

std::string baseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

int generate(const Options& options) {
    const auto get = [&](const char* key, const char* fallback) {
        const auto it = options.find(key);
        return it == options.end() ? std::string(fallback) : it->second;
    };
    const std::string fontPath = get("font", "");
    const std::string out = get("out", "");
    const int size = std::atoi(get("size", "0").c_str());
    SDL_Color colour{255, 255, 255, 255};
    if (fontPath.empty() || out.empty() || size <= 0 ||
        !parseColour(get("colour", "ffffff"), colour)) {
        std::fprintf(stderr,
                     "fontgen generate: need --font, --size, --out (and a RRGGBB colour)\n");
        return 2;
    }
    const std::map<std::string, int> hintings = {{"normal", TTF_HINTING_NORMAL},
                                                 {"light", TTF_HINTING_LIGHT},
                                                 {"mono", TTF_HINTING_MONO},
                                                 {"none", TTF_HINTING_NONE}};
    const auto hinting = hintings.find(get("hinting", "light"));
    if (hinting == hintings.end()) {
        std::fprintf(stderr, "fontgen generate: unknown hinting\n");
        return 2;
    }

    GlyphRenderer renderer;
    if (!renderer.open(fontPath, get("fallback", ""), size, hinting->second)) {
        return 1;
    }
    std::vector<uint32_t> codePoints;
    for (uint8_t byte : printableBytes()) {
        codePoints.push_back(unicodeOf(byte));
    }
    renderer.fitLine(codePoints);
    std::vector<Glyph> glyphs;
    std::vector<std::string> missing;
    for (uint8_t byte : printableBytes()) {
        Glyph glyph;
        glyph.byte = byte;
        if (!renderer.render(unicodeOf(byte), glyph)) {
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", unicodeOf(byte));
            missing.push_back(name);
            continue;
        }
        if (glyph.fromFallback) {
            std::printf("fontgen: %s: U+%04X (%s) taken from the fallback font\n",
                        baseName(out).c_str(), glyph.codePoint, utf8Of(glyph.codePoint).c_str());
        }
        glyphs.push_back(glyph);
    }
    if (!missing.empty()) {
        for (const std::string& m : missing) {
            std::fprintf(stderr, "fontgen: no font has %s\n", m.c_str());
        }
        return 1;
    }

    AtlasBuilder atlas;
    if (!atlas.pack(glyphs)) {
        std::fprintf(stderr, "fontgen: glyphs do not fit a 4096 texture\n");
        return 1;
    }
    const std::string pngName = baseName(out) + ".png";
    if (!atlas.savePng(glyphs, colour, out + ".png") ||
        !FntFile::write(out + ".fnt", pngName, glyphs, atlas.placements())) {
        return 1;
    }
    std::printf("fontgen: %s.fnt: %zu glyphs, %d px, line height %d, atlas %dx%d\n",
                baseName(out).c_str(), glyphs.size(), size, renderer.lineHeight(), atlas.width(),
                atlas.height());
    return 0;
}

int preview(const Options& options) {
    const auto fnt = options.find("fnt");
    const auto text = options.find("text");
    const auto out = options.find("out");
    if (fnt == options.end() || text == options.end() || out == options.end()) {
        std::fprintf(stderr, "fontgen preview: need --fnt, --text, --out\n");
        return 2;
    }
    SDL_Color background{96, 128, 160, 255};
    const auto bg = options.find("background");
    if (bg != options.end() && !parseColour(bg->second, background)) {
        std::fprintf(stderr, "fontgen preview: bad background colour\n");
        return 2;
    }
    FntFile font;
    if (!font.read(fnt->second)) {
        std::fprintf(stderr, "fontgen: %s is not a font description\n", fnt->second.c_str());
        return 1;
    }
    SDL_Surface* atlas = IMG_Load((folderOf(fnt->second) + font.bitmap).c_str());
    SDL_Surface* source =
        atlas == nullptr ? nullptr : SDL_ConvertSurfaceFormat(atlas, SDL_PIXELFORMAT_ABGR8888, 0);
    SDL_FreeSurface(atlas);
    if (source == nullptr) {
        std::fprintf(stderr, "fontgen: cannot load %s: %s\n", font.bitmap.c_str(), IMG_GetError());
        return 1;
    }

    // Lay the text out like the game: pre-offset, glyph, post-offset; "?" for
    // characters without a glyph.
    const std::string bytes = utf8ToCp1252(text->second);
    struct Stamp {
        const FntGlyph* glyph;
        int x, y;
    };
    std::vector<Stamp> stamps;
    int penX = 0, penY = 0, widest = 0, lines = 1;
    for (unsigned char ch : bytes) {
        if (ch == '\n') {
            penX = 0;
            penY += font.height;
            ++lines;
            continue;
        }
        const FntGlyph* g = font.glyphs[ch].defined ? &font.glyphs[ch] : &font.glyphs['?'];
        if (!font.glyphs[ch].defined) {
            std::printf("fontgen: %s has no glyph for byte 0x%02X\n", fnt->second.c_str(), ch);
        }
        if (!g->defined) {
            continue;
        }
        penX += g->a;
        stamps.push_back(Stamp{g, penX, penY});
        penX += g->w + g->c;
        widest = std::max(widest, penX);
    }
    const int margin = 8;
    SDL_Surface* canvas = SDL_CreateRGBSurfaceWithFormat(
        0, widest + 2 * margin, lines * font.height + 2 * margin, 32, SDL_PIXELFORMAT_ABGR8888);
    SDL_FillRect(canvas, nullptr,
                 SDL_MapRGBA(canvas->format, background.r, background.g, background.b, 255));
    SDL_LockSurface(canvas);
    SDL_LockSurface(source);
    for (const Stamp& s : stamps) {
        for (int y = 0; y < s.glyph->h; ++y) {
            for (int x = 0; x < s.glyph->w; ++x) {
                const int sx = s.glyph->x + x, sy = s.glyph->y + y;
                const int dx = margin + s.x + x, dy = margin + s.y + y;
                if (sx < 0 || sy < 0 || sx >= source->w || sy >= source->h || dx < 0 || dy < 0 ||
                    dx >= canvas->w || dy >= canvas->h) {
                    continue;
                }
                Uint8 r, g, b, a, br, bg2, bb, ba;
                SDL_GetRGBA(static_cast<Uint32*>(source->pixels)[sy * source->w + sx],
                            source->format, &r, &g, &b, &a);
                Uint32& d = static_cast<Uint32*>(canvas->pixels)[dy * canvas->w + dx];
                SDL_GetRGBA(d, canvas->format, &br, &bg2, &bb, &ba);
                const auto mix = [a](Uint8 over, Uint8 under) {
                    return static_cast<Uint8>((over * a + under * (255 - a) + 127) / 255);
                };
                d = SDL_MapRGBA(canvas->format, mix(r, br), mix(g, bg2), mix(b, bb), 255);
            }
        }
    }
    SDL_UnlockSurface(source);
    SDL_UnlockSurface(canvas);
    // An integer zoom makes single pixels visible when checking the result by eye.
    const auto zoomOption = options.find("zoom");
    const int zoom =
        zoomOption == options.end() ? 1 : std::max(1, std::atoi(zoomOption->second.c_str()));
    if (zoom > 1) {
        SDL_Surface* big = SDL_CreateRGBSurfaceWithFormat(0, canvas->w * zoom, canvas->h * zoom, 32,
                                                          SDL_PIXELFORMAT_ABGR8888);
        for (int y = 0; y < big->h; ++y) {
            for (int x = 0; x < big->w; ++x) {
                static_cast<Uint32*>(big->pixels)[y * big->w + x] =
                    static_cast<Uint32*>(canvas->pixels)[(y / zoom) * canvas->w + x / zoom];
            }
        }
        SDL_FreeSurface(canvas);
        canvas = big;
    }
    const bool ok = IMG_SavePNG(canvas, out->second.c_str()) == 0;
    SDL_FreeSurface(canvas);
    SDL_FreeSurface(source);
    std::printf("fontgen: preview %s: %d x %d px text\n", out->second.c_str(), widest,
                lines * font.height);
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    const std::string mode = argc > 1 ? argv[1] : "";
    if ((mode != "generate" && mode != "preview") || !parseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: fontgen generate --font F.ttf [--fallback G.ttf] --size PX "
                     "[--colour RRGGBB] [--hinting light] --out DIR/NAME\n"
                     "       fontgen preview --fnt F.fnt --text UTF8 --out FILE.png "
                     "[--background RRGGBB]\n");
        return 2;
    }
    if (SDL_Init(0) != 0 || TTF_Init() != 0 || IMG_Init(IMG_INIT_PNG) == 0) {
        std::fprintf(stderr, "fontgen: cannot start SDL: %s\n", SDL_GetError());
        return 1;
    }
    const int status = mode == "generate" ? generate(options) : preview(options);
    IMG_Quit();
    TTF_Quit();
    SDL_Quit();
    return status;
}
