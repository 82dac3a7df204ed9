// Scenes, quads, lines, textures and screenshots of the engine object.
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "engine/EngineLog.h"
#include "engine/HgeImpl.h"

namespace engine {

namespace {

SDL_BlendMode blendMode(int blend) {
    // Only SDL's built-in modes exist: colour addition falls back to
    // modulation, and alpha is either blended or added.
    return (blend & BLEND_ALPHABLEND) ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_ADD;
}

bool nearZero(float v, float eps) {
    return std::fabs(v) <= eps;
}

// A size or position a float's rounding away from a whole pixel is that
// pixel: the software renderer truncates, so 99.9999 would draw one pixel
// short through its scaling blitter, several times slower than a plain copy.
float snapToPixel(float value) {
    const float whole = std::round(value);
    return nearZero(value - whole, 0.01f) ? whole : value;
}

// A texture coordinate that lands on a whole texel, or -1.
int wholeTexel(float uv, int size) {
    float texel = uv * static_cast<float>(size);
    float rounded = std::round(texel);
    return std::fabs(texel - rounded) <= 0.01f ? static_cast<int>(rounded) : -1;
}

}  // namespace

HgeImpl::Texture* HgeImpl::findTexture(HTEXTURE tex) {
    auto it = m_textures.find(tex);
    return it == m_textures.end() ? nullptr : &it->second;
}

SDL_Texture* HgeImpl::uploadTexture(Texture& entry) {
    if (!entry.pending || !m_renderer) {
        return entry.texture;
    }
    entry.texture = SDL_CreateTextureFromSurface(m_renderer, entry.pending);
    if (!entry.texture) {
        EngineLog::writef("Texture_Load: can't create texture: %s", SDL_GetError());
    } else {
        SDL_SetTextureBlendMode(entry.texture, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(entry.texture,
                                m_textureFilter ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    }
    SDL_FreeSurface(entry.pending);
    entry.pending = nullptr;
    return entry.texture;
}

void HgeImpl::uploadPendingTextures() {
    for (auto& entry : m_textures) {
        uploadTexture(entry.second);
    }
}

void HgeImpl::destroyTextures() {
    for (auto& entry : m_textures) {
        if (entry.second.texture) {
            SDL_DestroyTexture(entry.second.texture);
            entry.second.texture = nullptr;
        }
    }
}

HTEXTURE HgeImpl::Texture_Load(const char* data, uint32_t size, bool /*mipmap*/) {
    // Always bytes in memory: a zero size is no image (and no file name,
    // since the bytes need not end in a zero).
    if (!data || size == 0) {
        EngineLog::write("Texture_Load: no image data");
        return 0;
    }
    SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (!rw) {
        EngineLog::writef("Texture_Load: can't open image: %s", SDL_GetError());
        return 0;
    }
    SDL_Surface* decoded = IMG_Load_RW(rw, 1);
    if (!decoded) {
        EngineLog::writef("Texture_Load: can't decode image: %s", IMG_GetError());
        return 0;
    }
    // One layout for all: palettised or keyed images get a real alpha channel.
    SDL_Surface* surface = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(decoded);
    if (!surface) {
        EngineLog::writef("Texture_Load: can't convert image: %s", SDL_GetError());
        return 0;
    }

    Texture entry;
    entry.width = surface->w;
    entry.height = surface->h;
    entry.pending = surface;
    if (m_renderer && !uploadTexture(entry)) {
        return 0;
    }
    HTEXTURE handle = m_nextTexture++;
    m_textures[handle] = entry;
    return handle;
}

void HgeImpl::Texture_Free(HTEXTURE tex) {
    auto it = m_textures.find(tex);
    if (it == m_textures.end()) {
        return;
    }
    if (it->second.texture) {
        SDL_DestroyTexture(it->second.texture);
    }
    if (it->second.pending) {
        SDL_FreeSurface(it->second.pending);
    }
    m_textures.erase(it);
}

int HgeImpl::Texture_GetWidth(HTEXTURE tex, bool) {
    Texture* entry = findTexture(tex);
    return entry ? entry->width : 0;
}

int HgeImpl::Texture_GetHeight(HTEXTURE tex, bool) {
    Texture* entry = findTexture(tex);
    return entry ? entry->height : 0;
}

bool HgeImpl::Gfx_BeginScene(HTEXTURE target) {
    if (target) {
        EngineLog::write("Gfx_BeginScene: render targets are not supported");
        return false;
    }
    if (!m_renderer) {
        EngineLog::write("Gfx_BeginScene: System_Initiate wasn't called");
        return false;
    }
    if (m_inScene) {
        EngineLog::write("Gfx_BeginScene: Scene is already being rendered");
        return false;
    }
    m_inScene = true;
    return true;
}

void HgeImpl::Gfx_EndScene() {
    if (!m_inScene) {
        return;
    }
    m_inScene = false;
    // The screenshot is read before presenting, while the frame is intact.
    if (!m_shotsDue.empty()) {
        saveShots();
    }
    SDL_RenderPresent(m_renderer);
}

void HgeImpl::Gfx_Clear(uint32_t color) {
    if (!m_renderer) {
        return;
    }
    // The bars around a letterboxed game (a resized window, a full screen of
    // another shape) stay black; only the game's own area takes the colour.
    int outW = 0;
    int outH = 0;
    SDL_GetRendererOutputSize(m_renderer, &outW, &outH);
    const bool letterboxed = outW != m_screenWidth || outH != m_screenHeight;
    if (letterboxed) {
        SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
        SDL_RenderClear(m_renderer);
    }
    // The screen has no transparency: alpha is ignored.
    SDL_SetRenderDrawColor(m_renderer, GETR(color), GETG(color), GETB(color), 255);
    if (letterboxed) {
        SDL_SetRenderDrawBlendMode(m_renderer, SDL_BLENDMODE_NONE);
        SDL_RenderFillRect(m_renderer, nullptr);
        SDL_SetRenderDrawBlendMode(m_renderer, SDL_BLENDMODE_BLEND);
    } else {
        SDL_RenderClear(m_renderer);
    }
}

void HgeImpl::Gfx_RenderLine(float x1, float y1, float x2, float y2, uint32_t color, float) {
    if (!m_renderer) {
        return;
    }
    SDL_SetRenderDrawBlendMode(m_renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(m_renderer, GETR(color), GETG(color), GETB(color), GETA(color));
    SDL_RenderDrawLineF(m_renderer, x1, y1, x2, y2);
}

bool HgeImpl::renderQuadAsCopy(const hgeQuad& quad, SDL_Texture* texture, const Texture& entry) {
    const hgeVertex* v = quad.v;
    const float eps = 0.01f;
    const float uvEps = 1e-5f;

    // The screen corners must form a rectangle with axis-aligned edges.
    float ax = v[1].x - v[0].x;
    float ay = v[1].y - v[0].y;
    float bx = v[3].x - v[0].x;
    float by = v[3].y - v[0].y;
    if (!nearZero(v[0].x + ax + bx - v[2].x, eps) || !nearZero(v[0].y + ay + by - v[2].y, eps)) {
        return false;
    }
    bool aHorizontal = nearZero(ay, eps) && !nearZero(ax, eps);
    bool aVertical = nearZero(ax, eps) && !nearZero(ay, eps);
    bool bHorizontal = nearZero(by, eps) && !nearZero(bx, eps);
    bool bVertical = nearZero(bx, eps) && !nearZero(by, eps);
    if (!((aHorizontal && bVertical) || (aVertical && bHorizontal))) {
        return false;
    }

    // So must the texture corners, in the same corner order.
    float ua = v[1].tx - v[0].tx;
    float va = v[1].ty - v[0].ty;
    float ub = v[3].tx - v[0].tx;
    float vb = v[3].ty - v[0].ty;
    if (!nearZero(v[0].tx + ua + ub - v[2].tx, uvEps) ||
        !nearZero(v[0].ty + va + vb - v[2].ty, uvEps)) {
        return false;
    }
    // Screen pixels per unit of u and of v.
    float dUx, dUy, dVx, dVy;
    if (!nearZero(ua, uvEps) && nearZero(va, uvEps) && nearZero(ub, uvEps) &&
        !nearZero(vb, uvEps)) {
        dUx = ax / ua;
        dUy = ay / ua;
        dVx = bx / vb;
        dVy = by / vb;
    } else if (nearZero(ua, uvEps) && !nearZero(va, uvEps) && !nearZero(ub, uvEps) &&
               nearZero(vb, uvEps)) {
        dUx = bx / ub;
        dUy = by / ub;
        dVx = ax / va;
        dVy = ay / va;
    } else {
        return false;
    }

    // Source texels: whole texels inside the texture, else leave it to geometry.
    float u1 = std::min(v[0].tx, v[2].tx);
    float u2 = std::max(v[0].tx, v[2].tx);
    float v1 = std::min(v[0].ty, v[2].ty);
    float v2 = std::max(v[0].ty, v[2].ty);
    int sx1 = wholeTexel(u1, entry.width);
    int sx2 = wholeTexel(u2, entry.width);
    int sy1 = wholeTexel(v1, entry.height);
    int sy2 = wholeTexel(v2, entry.height);
    if (sx1 < 0 || sy1 < 0 || sx2 > entry.width || sy2 > entry.height || sx2 <= sx1 || sy2 <= sy1) {
        return false;
    }

    // Which of the eight turns and mirrors maps texture axes to screen axes:
    // SDL mirrors horizontally first, then turns clockwise about the centre.
    auto sign = [](float f) { return f > 0 ? 1 : (f < 0 ? -1 : 0); };
    int uX = sign(dUx), uY = sign(dUy), vX = sign(dVx), vY = sign(dVy);
    int turn = -1;
    bool mirror = false;
    for (int t = 0; t < 4 && turn < 0; ++t) {
        for (int m = 0; m < 2; ++m) {
            int px = m ? -1 : 1, py = 0;  // +u before turning
            int qx = 0, qy = 1;           // +v before turning
            for (int k = 0; k < t; ++k) {
                int tmp = px;
                px = -py;
                py = tmp;
                tmp = qx;
                qx = -qy;
                qy = tmp;
            }
            if (px == uX && py == uY && qx == vX && qy == vY) {
                turn = t;
                mirror = m != 0;
                break;
            }
        }
    }
    if (turn < 0) {
        return false;
    }

    float w = (u2 - u1) * std::hypot(dUx, dUy);
    float h = (v2 - v1) * std::hypot(dVx, dVy);
    float cx = (v[0].x + v[2].x) * 0.5f;
    float cy = (v[0].y + v[2].y) * 0.5f;
    SDL_Rect src{sx1, sy1, sx2 - sx1, sy2 - sy1};
    w = snapToPixel(w);
    h = snapToPixel(h);
    SDL_FRect dst{snapToPixel(cx - w * 0.5f), snapToPixel(cy - h * 0.5f), w, h};

    uint32_t col = v[0].col;
    SDL_SetTextureColorMod(texture, GETR(col), GETG(col), GETB(col));
    SDL_SetTextureAlphaMod(texture, GETA(col));
    SDL_SetTextureBlendMode(texture, blendMode(quad.blend));
    if (turn == 0 && !mirror) {
        SDL_RenderCopyF(m_renderer, texture, &src, &dst);
    } else {
        SDL_RenderCopyExF(m_renderer, texture, &src, &dst, turn * 90.0, nullptr,
                          mirror ? SDL_FLIP_HORIZONTAL : SDL_FLIP_NONE);
    }
    return true;
}

void HgeImpl::Gfx_RenderQuad(const hgeQuad* quad) {
    if (!quad) {
        return;
    }
    // A quad with no alpha at any corner changes no pixel in either blend
    // mode; faded-out windows send whole-screen ones every frame, and the
    // software renderer would still blend each pixel.
    const hgeVertex* corners = quad->v;
    if (GETA(corners[0].col) == 0 && GETA(corners[1].col) == 0 && GETA(corners[2].col) == 0 &&
        GETA(corners[3].col) == 0) {
        return;
    }
    if (m_quadObserver) {
        m_quadObserver(*quad);
    }
    if (!m_renderer) {
        return;
    }
    Texture* entry = quad->tex ? findTexture(quad->tex) : nullptr;
    SDL_Texture* texture = entry ? entry->texture : nullptr;
    const hgeVertex* v = quad->v;
    bool oneColour = v[0].col == v[1].col && v[0].col == v[2].col && v[0].col == v[3].col;

    if (oneColour) {
        if (texture && renderQuadAsCopy(*quad, texture, *entry)) {
            return;
        }
        // An untextured upright box is a filled rectangle.
        if (!texture && v[0].y == v[1].y && v[2].y == v[3].y && v[0].x == v[3].x &&
            v[1].x == v[2].x) {
            SDL_FRect rect{std::min(v[0].x, v[1].x), std::min(v[0].y, v[3].y),
                           std::fabs(v[1].x - v[0].x), std::fabs(v[3].y - v[0].y)};
            uint32_t col = v[0].col;
            SDL_SetRenderDrawBlendMode(m_renderer, blendMode(quad->blend));
            SDL_SetRenderDrawColor(m_renderer, GETR(col), GETG(col), GETB(col), GETA(col));
            SDL_RenderFillRectF(m_renderer, &rect);
            return;
        }
    }

    SDL_Vertex vertices[4];
    for (int i = 0; i < 4; ++i) {
        uint32_t col = v[i].col;
        vertices[i].position = SDL_FPoint{v[i].x, v[i].y};
        vertices[i].color = SDL_Color{static_cast<Uint8>(GETR(col)), static_cast<Uint8>(GETG(col)),
                                      static_cast<Uint8>(GETB(col)), static_cast<Uint8>(GETA(col))};
        // SDL refuses the whole quad when a coordinate leaves the texture,
        // as a sprite cut past its picture's edge does: the edge is
        // stretched instead, so that the sprite is still drawn.
        vertices[i].tex_coord =
            SDL_FPoint{std::clamp(v[i].tx, 0.0f, 1.0f), std::clamp(v[i].ty, 0.0f, 1.0f)};
    }
    static const int indices[6] = {0, 1, 2, 0, 2, 3};
    if (texture) {
        // Geometry carries its colour per vertex; a left-over copy modulation must not add to it.
        SDL_SetTextureColorMod(texture, 255, 255, 255);
        SDL_SetTextureAlphaMod(texture, 255);
        SDL_SetTextureBlendMode(texture, blendMode(quad->blend));
    } else {
        SDL_SetRenderDrawBlendMode(m_renderer, blendMode(quad->blend));
    }
    SDL_RenderGeometry(m_renderer, texture, vertices, 4, indices, 6);
}

SDL_Surface* HgeImpl::readFrame() {
    if (!m_renderer) {
        return nullptr;
    }
    // The game's area on the output, which letterboxing may have scaled.
    SDL_Rect viewport;
    SDL_RenderGetViewport(m_renderer, &viewport);
    float scaleX = 1;
    float scaleY = 1;
    SDL_RenderGetScale(m_renderer, &scaleX, &scaleY);
    int w = static_cast<int>(std::lround(viewport.w * scaleX));
    int h = static_cast<int>(std::lround(viewport.h * scaleY));
    if (w <= 0 || h <= 0) {
        return nullptr;
    }
    SDL_Surface* raw = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!raw) {
        return nullptr;
    }
    if (SDL_RenderReadPixels(m_renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, raw->pixels,
                             raw->pitch) != 0) {
        EngineLog::writef("Screenshot: can't read pixels: %s", SDL_GetError());
        SDL_FreeSurface(raw);
        return nullptr;
    }
    SDL_Surface* frame =
        SDL_CreateRGBSurfaceWithFormat(0, m_screenWidth, m_screenHeight, 24, SDL_PIXELFORMAT_RGB24);
    if (frame) {
        SDL_SetSurfaceBlendMode(raw, SDL_BLENDMODE_NONE);
        if (w == m_screenWidth && h == m_screenHeight) {
            SDL_BlitSurface(raw, nullptr, frame, nullptr);
        } else {
            SDL_BlitScaled(raw, nullptr, frame, nullptr);
        }
    }
    SDL_FreeSurface(raw);
    return frame;
}

void HgeImpl::saveShots() {
    std::vector<std::string> names;
    names.swap(m_shotsDue);
    SDL_Surface* frame = readFrame();
    if (!frame) {
        EngineLog::write("Screenshot: no frame to save");
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(m_shotDir, error);
    for (const std::string& name : names) {
        std::string path = m_shotDir + "/" + name + ".png";
        if (IMG_SavePNG(frame, path.c_str()) != 0) {
            EngineLog::writef("Screenshot: can't write %s: %s", path.c_str(), IMG_GetError());
        } else {
            EngineLog::writef("Screenshot: frame %d saved as %s", m_frame, path.c_str());
        }
    }
    SDL_FreeSurface(frame);
}

}  // namespace engine
