// A textured quad cut from a texture rectangle, drawn with its hot spot at the
// render position. A sprite without a texture draws as a plain coloured quad.
#pragma once

#include "engine/hge.h"
#include "engine/hgerect.h"

class hgeSprite {
public:
    hgeSprite(HTEXTURE tex, float x, float y, float w, float h);
    hgeSprite(const hgeSprite& other);
    hgeSprite& operator=(const hgeSprite& other);
    ~hgeSprite();

    void Render(float x, float y);
    // vscale 0 means the same as hscale; rotation in radians about the hot spot.
    void RenderEx(float x, float y, float rot, float hscale = 1.0f, float vscale = 0.0f);
    void RenderStretch(float x1, float y1, float x2, float y2);
    void Render4V(float x0, float y0, float x1, float y1, float x2, float y2, float x3, float y3);

    void SetTexture(HTEXTURE tex);
    // Recomputes u/v from the texture's size and keeps the current flips.
    void SetTextureRect(float x, float y, float w, float h, bool adjSize = true);
    void SetColor(uint32_t col, int i = -1);
    void SetZ(float z, int i = -1);
    void SetBlendMode(int blend) { quad.blend = blend; }
    void SetHotSpot(float x, float y) {
        hotX = x;
        hotY = y;
    }
    // With bHotSpot the image mirrors about the hot spot, else within its own box.
    void SetFlip(bool bX, bool bY, bool bHotSpot = false);

    HTEXTURE GetTexture() const { return quad.tex; }
    void GetTextureRect(float* x, float* y, float* w, float* h) const;
    uint32_t GetColor(int i = 0) const { return quad.v[i].col; }
    float GetZ(int i = 0) const { return quad.v[i].z; }
    int GetBlendMode() const { return quad.blend; }
    void GetHotSpot(float* x, float* y) const {
        *x = hotX;
        *y = hotY;
    }
    void GetFlip(bool* bX, bool* bY) const {
        *bX = m_xFlip;
        *bY = m_yFlip;
    }
    bool GetHotSpotFlip() const { return m_hotSpotFlip; }
    float GetWidth() const { return width; }
    float GetHeight() const { return height; }

    hgeRect* GetBoundingBox(float x, float y, hgeRect* rect) const;
    hgeRect* GetBoundingBoxEx(float x, float y, float rot, float hscale, float vscale,
                              hgeRect* rect) const;

    // The game sets and reads these directly.
    hgeQuad quad;
    float hotX = 0;
    float hotY = 0;
    float width = 0;
    float height = 0;

private:
    // The four corners of the sprite placed at (x, y), turned and scaled.
    void corners(float x, float y, float rot, float hscale, float vscale, float out[4][2]) const;
    void computeUV();
    void readTextureSize();

    HGE* m_hge;
    float m_texX = 0;
    float m_texY = 0;
    float m_texWidth = 1;
    float m_texHeight = 1;
    bool m_xFlip = false;
    bool m_yFlip = false;
    bool m_hotSpotFlip = false;
};
