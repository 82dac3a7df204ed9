#pragma once

#include <memory>
#include <string>

#include "core/Graphical.h"
#include "resource/TextureLoader.h"

class hgeSprite;
class TiXmlElement;

// The base of most visible objects: an engine sprite placed at the object's
// position, optionally rotated and scaled.
class Sprite : public Graphical {
public:
    Sprite();
    Sprite(const std::string& texture, const hgeVector& size);
    ~Sprite() override;

    void render() override;
    void getScreenBoundingBox(hgeRect& rect) override;

    virtual void loadFromXml(TiXmlElement* element);
    // Takes a copy; the caller keeps its sprite.
    virtual void setSprite(const hgeSprite* sprite);
    // Cuts the texture and then narrows it to rect = {x, y, width, height}.
    virtual void setTexture(const std::string& name, const float rect[4]);
    virtual void setTexture(const std::string& name, const hgeVector& size);
    virtual void getBoundingBox(hgeRect& rect);

    hgeSprite* getSprite() const { return m_sprite.get(); }
    const hgeVector& getSize() const { return m_size; }
    float getRotation() const { return m_rotation; }
    void setRotation(float rotation) { m_rotation = rotation; }
    void setScale(float hscale, float vscale = 0.0f) {
        m_hscale = hscale;
        m_vscale = vscale;
    }
    void setHotSpot(float x, float y);
    void setColor(unsigned int color);

protected:
    float m_rotation = 0.0f;
    float m_hscale = 1.0f;
    float m_vscale = 0.0f;
    hgeVector m_size{0, 0};
    std::unique_ptr<hgeSprite> m_sprite;
    TextureLoader m_textureLoader;
};
