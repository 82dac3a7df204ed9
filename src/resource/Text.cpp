#include "resource/Text.h"

#include "core/Camera.h"
#include "core/Log.h"
#include "engine/hgefont.h"
#include "resource/ResourceManager.h"

Text::Text(const std::string& fontFile, const std::string& text, bool fontFlag) : m_text(text) {
    create(fontFile, fontFlag);
    if (!validate()) {
        m_font.reset();
    }
}

Text::~Text() = default;

void Text::create(const std::string& fontFile, bool fontFlag) {
    if (m_font) {
        Log::warning("Text::create") << "font already created, skipping";
        return;
    }
    resource::Manager* resources = resource::Manager::instance();
    std::string description;
    // getTxt counts every byte of the file but hands out the text only up to
    // a zero byte, which a damaged file may hold: the font gets the length
    // of the text it is given, never more.
    resources->getTxt(fontFile, description);
    const std::string textureFile =
        (fontFile.size() >= 4 ? fontFile.substr(0, fontFile.size() - 4) : std::string()) + ".png";
    HTEXTURE texture = 0;
    resources->getTexture(textureFile, texture);
    m_font = std::make_unique<hgeFont>(description.c_str(), fontFlag, false,
                                       static_cast<uint32_t>(description.size()), texture);
}

bool Text::validate() {
    if (!m_font) {
        return false;
    }
    bool valid = true;
    for (char c : m_text) {
        if (c == '\n') {
            continue;
        }
        if (!m_font->GetSprite(c)) {
            Log::error("Text::validate") << "couldnt find sprie for " << c;
            valid = false;
        }
    }
    return valid;
}

void Text::setText(const std::string& text) {
    m_text = text;
    if (m_font && !validate()) {
        m_font.reset();
    }
}

void Text::render() {
    drawAt(m_screenPosition);
}

void Text::drawAt(const hgeVector& screenPosition) {
    if (m_font) {
        m_font->Render(screenPosition.x, screenPosition.y, m_align, m_text.c_str());
    }
}

void Text::getScreenBoundingBox(hgeRect& rect) {
    if (!m_font) {
        return;
    }
    const float w = m_font->GetStringWidth(m_text.c_str(), true) * 0.5f;
    const float h = m_font->GetHeight() * 0.5f;
    const hgeVector at =
        m_movesWithCam ? m_position : Camera::instance()->worldToScreen(m_position);
    switch (m_align) {
        case 0:
            rect.Set(at.x, at.y, at.x + w, at.y + h);
            break;
        case 1:
            rect.Set(at.x - w, at.y - h, at.x, at.y);
            break;
        case 2:
        case 8:
            rect.Set(at.x - w / 2, at.y - h / 2, at.x + w / 2, at.y + h / 2);
            break;
        default:
            Log::warning("Text::getScreenBoundingBox") << "unhandled align: " << m_align;
            break;
    }
}

float Text::char_width(char character) {
    if (!m_font) {
        Log::error("Text::char_width") << "text has no hgefont";
        return 0.0f;
    }
    hgeSprite* glyph = m_font->GetSprite(character);
    if (!glyph) {
        Log::error("Text::char_width") << "cant find sprite for character " << character;
        return 0.0f;
    }
    return glyph->GetWidth();
}

void Text::setColor(unsigned int color) {
    if (m_font) {
        m_font->SetColor(color);
    }
}

float Text::getWidth() const {
    return m_font ? m_font->GetStringWidth(m_text.c_str(), true) : 0.0f;
}

float Text::getHeight() const {
    return m_font ? m_font->GetHeight() : 0.0f;
}
