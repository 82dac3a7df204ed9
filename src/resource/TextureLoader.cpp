#include "resource/TextureLoader.h"

#include "core/Log.h"
#include "engine/hgesprite.h"
#include "resource/ResourceManager.h"
#include "resource/Xml.h"

TextureLoader::TextureLoader() : m_hge(hgeCreate(HGE_VERSION)) {}

TextureLoader::~TextureLoader() {
    m_hge->Release();
}

hgeSprite* TextureLoader::createBlankSprite() {
    return new hgeSprite(0, 0, 0, 32, 32);
}

HTEXTURE TextureLoader::loadTexture(const std::string& file) {
    HTEXTURE texture = 0;
    resource::Manager::instance()->getTexture(file, texture);
    return texture;
}

void TextureLoader::validateSize(hgeVector& size, HTEXTURE texture) {
    if (size.x == 0.0f && size.y == 0.0f) {
        Log::warning("TextureLoader::validateSize")
            << "no size specified, trying to figure them out but you shouldnt do this";
        size.x = static_cast<float>(m_hge->Texture_GetWidth(texture));
        size.y = static_cast<float>(m_hge->Texture_GetHeight(texture));
    }
}

hgeSprite* TextureLoader::createSprite(const std::string& file, bool centreHotspot, hgeVector size,
                                       const hgeVector& hotspot) {
    if (file.empty()) {
        Log::warning("TextureLoader::createSprite")
            << "got no resource file, creating blank sprite";
        return createBlankSprite();
    }
    const HTEXTURE texture = loadTexture(file);
    if (!texture) {
        Log::warning("TextureLoader::createSprite")
            << "unable to load texture, creating blank sprite";
        return createBlankSprite();
    }
    validateSize(size, texture);
    const float width = size.x - 2.0f;
    const float height = size.y - 2.0f;
    hgeSprite* sprite = new hgeSprite(texture, 1.0f, 1.0f, width, height);
    if (centreHotspot) {
        sprite->SetHotSpot(width / 2.0f, height / 2.0f);
    } else {
        sprite->SetHotSpot(hotspot.x, hotspot.y);
    }
    return sprite;
}

hgeSprite* TextureLoader::createSprite(TiXmlElement* element, const std::string& prefix,
                                       const std::string& suffix) {
    hgeVector size(0, 0);
    if (element && element->FirstChildElement("size")) {
        const auto vector = xml::getElementVector(element, "size", true);
        size = hgeVector(vector.x, vector.y);
    } else {
        size = hgeVector(xml::getAttributeFloat(element, "x", true),
                         xml::getAttributeFloat(element, "y", true));
    }
    const std::string file = prefix + xml::getAttributeString(element, "name", true) + suffix;
    if (element && element->FirstChildElement("hotspot")) {
        const auto hotspot = xml::getElementVector(element, "hotspot", true);
        return createSprite(file, false, size, hgeVector(hotspot.x, hotspot.y));
    }
    return createSprite(file, true, size);
}
