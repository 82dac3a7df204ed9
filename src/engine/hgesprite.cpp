#include "engine/hgesprite.h"

#include <cmath>
#include <utility>

hgeSprite::hgeSprite(HTEXTURE tex, float x, float y, float w, float h)
    : width(w), height(h), m_hge(hgeCreate(HGE_VERSION)), m_texX(x), m_texY(y) {
    quad.tex = tex;
    quad.blend = BLEND_DEFAULT;
    for (hgeVertex& v : quad.v) {
        v.x = v.y = 0;
        v.z = 0.5f;
        v.col = 0xFFFFFFFF;
        v.tx = v.ty = 0;
    }
    readTextureSize();
    computeUV();
}

hgeSprite::hgeSprite(const hgeSprite& other)
    : quad(other.quad),
      hotX(other.hotX),
      hotY(other.hotY),
      width(other.width),
      height(other.height),
      m_hge(hgeCreate(HGE_VERSION)),
      m_texX(other.m_texX),
      m_texY(other.m_texY),
      m_texWidth(other.m_texWidth),
      m_texHeight(other.m_texHeight),
      m_xFlip(other.m_xFlip),
      m_yFlip(other.m_yFlip),
      m_hotSpotFlip(other.m_hotSpotFlip) {}

hgeSprite& hgeSprite::operator=(const hgeSprite& other) {
    // The engine reference stays; only the picture is copied.
    quad = other.quad;
    hotX = other.hotX;
    hotY = other.hotY;
    width = other.width;
    height = other.height;
    m_texX = other.m_texX;
    m_texY = other.m_texY;
    m_texWidth = other.m_texWidth;
    m_texHeight = other.m_texHeight;
    m_xFlip = other.m_xFlip;
    m_yFlip = other.m_yFlip;
    m_hotSpotFlip = other.m_hotSpotFlip;
    return *this;
}

hgeSprite::~hgeSprite() {
    m_hge->Release();
}

void hgeSprite::readTextureSize() {
    // A blank sprite, or a texture of unknown size, cuts in texels of 1.
    m_texWidth = 1;
    m_texHeight = 1;
    if (quad.tex) {
        int w = m_hge->Texture_GetWidth(quad.tex);
        int h = m_hge->Texture_GetHeight(quad.tex);
        if (w > 0 && h > 0) {
            m_texWidth = static_cast<float>(w);
            m_texHeight = static_cast<float>(h);
        }
    }
}

void hgeSprite::computeUV() {
    float u1 = m_texX / m_texWidth;
    float v1 = m_texY / m_texHeight;
    float u2 = (m_texX + width) / m_texWidth;
    float v2 = (m_texY + height) / m_texHeight;
    if (m_xFlip) {
        std::swap(u1, u2);
    }
    if (m_yFlip) {
        std::swap(v1, v2);
    }
    quad.v[0].tx = u1;
    quad.v[0].ty = v1;
    quad.v[1].tx = u2;
    quad.v[1].ty = v1;
    quad.v[2].tx = u2;
    quad.v[2].ty = v2;
    quad.v[3].tx = u1;
    quad.v[3].ty = v2;
}

void hgeSprite::corners(float x, float y, float rot, float hscale, float vscale,
                        float out[4][2]) const {
    if (vscale == 0) {
        vscale = hscale;
    }
    float x1 = -hotX * hscale;
    float y1 = -hotY * vscale;
    float x2 = (width - hotX) * hscale;
    float y2 = (height - hotY) * vscale;
    const float local[4][2] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
    if (rot != 0.0f) {
        float c = std::cos(rot);
        float s = std::sin(rot);
        for (int i = 0; i < 4; ++i) {
            out[i][0] = local[i][0] * c - local[i][1] * s + x;
            out[i][1] = local[i][0] * s + local[i][1] * c + y;
        }
    } else {
        for (int i = 0; i < 4; ++i) {
            out[i][0] = local[i][0] + x;
            out[i][1] = local[i][1] + y;
        }
    }
}

void hgeSprite::Render(float x, float y) {
    float x1 = x - hotX;
    float y1 = y - hotY;
    Render4V(x1, y1, x1 + width, y1, x1 + width, y1 + height, x1, y1 + height);
}

void hgeSprite::RenderEx(float x, float y, float rot, float hscale, float vscale) {
    float c[4][2];
    corners(x, y, rot, hscale, vscale, c);
    Render4V(c[0][0], c[0][1], c[1][0], c[1][1], c[2][0], c[2][1], c[3][0], c[3][1]);
}

void hgeSprite::RenderStretch(float x1, float y1, float x2, float y2) {
    Render4V(x1, y1, x2, y1, x2, y2, x1, y2);
}

void hgeSprite::Render4V(float x0, float y0, float x1, float y1, float x2, float y2, float x3,
                         float y3) {
    quad.v[0].x = x0;
    quad.v[0].y = y0;
    quad.v[1].x = x1;
    quad.v[1].y = y1;
    quad.v[2].x = x2;
    quad.v[2].y = y2;
    quad.v[3].x = x3;
    quad.v[3].y = y3;
    m_hge->Gfx_RenderQuad(&quad);
}

void hgeSprite::SetTexture(HTEXTURE tex) {
    quad.tex = tex;
    readTextureSize();
    computeUV();
}

void hgeSprite::SetTextureRect(float x, float y, float w, float h, bool adjSize) {
    // A hot spot mirrored with the old size is mirrored again with the new one.
    bool mirroredX = m_hotSpotFlip && m_xFlip;
    bool mirroredY = m_hotSpotFlip && m_yFlip;
    if (mirroredX) {
        hotX = width - hotX;
    }
    if (mirroredY) {
        hotY = height - hotY;
    }
    m_texX = x;
    m_texY = y;
    if (adjSize) {
        width = w;
        height = h;
    }
    if (mirroredX) {
        hotX = width - hotX;
    }
    if (mirroredY) {
        hotY = height - hotY;
    }
    computeUV();
}

void hgeSprite::GetTextureRect(float* x, float* y, float* w, float* h) const {
    *x = m_texX;
    *y = m_texY;
    *w = width;
    *h = height;
}

void hgeSprite::SetFlip(bool bX, bool bY, bool bHotSpot) {
    // Undo the hot spot's mirroring under the old flags, redo it under the new.
    if (m_hotSpotFlip && m_xFlip) {
        hotX = width - hotX;
    }
    if (m_hotSpotFlip && m_yFlip) {
        hotY = height - hotY;
    }
    m_xFlip = bX;
    m_yFlip = bY;
    m_hotSpotFlip = bHotSpot;
    if (m_hotSpotFlip && m_xFlip) {
        hotX = width - hotX;
    }
    if (m_hotSpotFlip && m_yFlip) {
        hotY = height - hotY;
    }
    computeUV();
}

void hgeSprite::SetColor(uint32_t col, int i) {
    if (i >= 0 && i < 4) {
        quad.v[i].col = col;
        return;
    }
    for (hgeVertex& v : quad.v) {
        v.col = col;
    }
}

void hgeSprite::SetZ(float z, int i) {
    if (i >= 0 && i < 4) {
        quad.v[i].z = z;
        return;
    }
    for (hgeVertex& v : quad.v) {
        v.z = z;
    }
}

hgeRect* hgeSprite::GetBoundingBox(float x, float y, hgeRect* rect) const {
    rect->Set(x - hotX, y - hotY, x - hotX + width, y - hotY + height);
    return rect;
}

hgeRect* hgeSprite::GetBoundingBoxEx(float x, float y, float rot, float hscale, float vscale,
                                     hgeRect* rect) const {
    float c[4][2];
    corners(x, y, rot, hscale, vscale, c);
    rect->Clear();
    for (auto& corner : c) {
        rect->Encapsulate(corner[0], corner[1]);
    }
    return rect;
}
