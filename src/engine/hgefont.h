// A bitmap font: up to 256 glyph sprites indexed by byte (Windows-1252 text),
// read from a font description ("[HGEFONT]", "Bitmap = ...", "Char = ...").
#pragma once

#include <cstdint>
#include <string>

#include "engine/hge.h"
#include "engine/hgesprite.h"

class hgeFont {
public:
    // fromFile: desc names a description file whose "Bitmap" texture the font
    // loads and owns. Otherwise desc holds `size` bytes of description (0:
    // up to the terminating zero), tex is used and stays the caller's, and
    // `name` (optional) names it in log messages.
    explicit hgeFont(const char* desc, bool mipmap = false, bool fromFile = true, uint32_t size = 0,
                     HTEXTURE tex = 0, const char* name = nullptr);
    ~hgeFont();
    hgeFont(const hgeFont&) = delete;
    hgeFont& operator=(const hgeFont&) = delete;

    void Render(float x, float y, int align, const char* str);
    void printf(float x, float y, int align, const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 5, 6)))
#endif
        ;

    void SetColor(uint32_t col);
    void SetZ(float z);
    void SetBlendMode(int blend);
    void SetScale(float scale) {
        m_scale = scale;
    }
    void SetProportion(float prop) {
        m_proportion = prop;
    }
    void SetRotation(float rot) {
        m_rotation = rot;
    }
    void SetTracking(float tracking) {
        m_tracking = tracking;
    }
    void SetSpacing(float spacing) {
        m_spacing = spacing;
    }

    uint32_t GetColor() const {
        return m_color;
    }
    float GetZ() const {
        return m_z;
    }
    int GetBlendMode() const {
        return m_blend;
    }
    float GetScale() const {
        return m_scale;
    }
    float GetProportion() const {
        return m_proportion;
    }
    float GetRotation() const {
        return m_rotation;
    }
    float GetTracking() const {
        return m_tracking;
    }
    float GetSpacing() const {
        return m_spacing;
    }
    HTEXTURE GetTexture() const {
        return m_texture;
    }

    // Null when the font has no glyph for the byte.
    hgeSprite* GetSprite(char chr) const {
        return m_letters[static_cast<unsigned char>(chr)];
    }
    float GetPreWidth(char chr) const {
        return m_pre[static_cast<unsigned char>(chr)];
    }
    float GetPostWidth(char chr) const {
        return m_post[static_cast<unsigned char>(chr)];
    }
    float GetHeight() const {
        return m_height;
    }
    // The first line's width, or with multiline the widest line's.
    float GetStringWidth(const char* str, bool multiline = true) const;

private:
    void parse(const std::string& text, const std::string& name, const std::string& folder,
               bool loadBitmap, bool mipmap);
    bool loadBitmap(const std::string& path, bool mipmap);
    // The glyph drawn for a byte: its own, else "?", else none (-1).
    int glyphFor(unsigned char c) const;
    float lineWidth(const char* str) const;

    HGE* m_hge;
    HTEXTURE m_texture = 0;
    bool m_ownsTexture = false;
    hgeSprite* m_letters[256] = {};
    float m_pre[256] = {};
    float m_post[256] = {};
    float m_height = 0;
    float m_scale = 1.0f;
    float m_proportion = 1.0f;
    float m_rotation = 0;
    float m_tracking = 0;
    float m_spacing = 1.0f;
    uint32_t m_color = 0xFFFFFFFF;
    float m_z = 0.5f;
    int m_blend = BLEND_COLORMUL | BLEND_ALPHABLEND | BLEND_NOZWRITE;
};
