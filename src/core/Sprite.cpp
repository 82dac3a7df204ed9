#include "core/Sprite.h"

#include "core/Camera.h"
#include "engine/hgesprite.h"
#include "resource/Xml.h"

Sprite::Sprite() = default;

Sprite::Sprite(const std::string& texture, const hgeVector& size) : m_size(size) {
    setTexture(texture, size);
}

Sprite::~Sprite() = default;

void Sprite::render() {
    if (!m_sprite) {
        return;
    }
    if (m_rotation == 0.0f && m_hscale == 1.0f) {
        m_sprite->Render(m_screenPosition.x, m_screenPosition.y);
    } else {
        m_sprite->RenderEx(m_screenPosition.x, m_screenPosition.y, m_rotation, m_hscale, m_vscale);
    }
}

void Sprite::getScreenBoundingBox(hgeRect& rect) {
    if (!m_sprite) {
        return;
    }
    const hgeVector at =
        m_movesWithCam ? m_position : Camera::instance()->worldToScreen(m_position);
    if (m_rotation == 0.0f && m_hscale == 1.0f) {
        m_sprite->GetBoundingBox(at.x, at.y, &rect);
    } else {
        m_sprite->GetBoundingBoxEx(at.x, at.y, m_rotation, m_hscale, m_vscale, &rect);
    }
    float hotX = 0.0f, hotY = 0.0f;
    m_sprite->GetHotSpot(&hotX, &hotY);
    if (hotX != 0.0f && hotY != 0.0f) {
        rect.x1 -= hotX;
        rect.x2 += hotX;
        rect.y1 -= hotY;
        rect.y2 += hotY;
    }
}

void Sprite::getBoundingBox(hgeRect& rect) {
    if (!m_sprite) {
        return;
    }
    const hgeVector at =
        m_movesWithCam ? Camera::instance()->screenToWorld(m_position) : m_position;
    if (m_rotation == 0.0f && m_hscale == 1.0f) {
        m_sprite->GetBoundingBox(at.x, at.y, &rect);
    } else {
        m_sprite->GetBoundingBoxEx(at.x, at.y, m_rotation, m_hscale, m_vscale, &rect);
    }
}

void Sprite::loadFromXml(TiXmlElement* element) {
    const auto vector = xml::getVector(element, true);
    setTexture(xml::getAttributeString(element, "gfx", true), hgeVector(vector.x, vector.y));
}

void Sprite::setSprite(const hgeSprite* sprite) {
    m_sprite.reset(sprite ? new hgeSprite(*sprite) : nullptr);
}

void Sprite::setTexture(const std::string& name, const float rect[4]) {
    std::unique_ptr<hgeSprite> made(
        m_textureLoader.createSprite(name, false, hgeVector(0, 0), hgeVector(0, 0)));
    setSprite(made.get());
    m_sprite->SetTextureRect(rect[0], rect[1], rect[2], rect[3], true);
}

// The plain sprite is cut at the size it was made with; the vector is for
// subclasses that place or size themselves from it.
void Sprite::setTexture(const std::string& name, const hgeVector&) {
    std::unique_ptr<hgeSprite> made(m_textureLoader.createSprite(name, true, m_size));
    setSprite(made.get());
}

void Sprite::setHotSpot(float x, float y) {
    if (m_sprite) {
        m_sprite->SetHotSpot(x, y);
    }
}

void Sprite::setColor(unsigned int color) {
    if (m_sprite) {
        m_sprite->SetColor(color);
    }
}
