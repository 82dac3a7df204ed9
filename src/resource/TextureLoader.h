#pragma once

#include <string>

#include "engine/hge.h"
#include "engine/hgevector.h"

class hgeSprite;
class TiXmlElement;

// Cuts engine sprites out of images read through the resource manager. Every
// image keeps a one-pixel margin on each side that is never drawn, so that
// filtering at the edges cannot bleed neighbouring pixels in. A missing image
// gives a blank 32 x 32 sprite; the caller owns every sprite returned.
class TextureLoader {
public:
    TextureLoader();
    virtual ~TextureLoader();
    TextureLoader(const TextureLoader&) = delete;
    TextureLoader& operator=(const TextureLoader&) = delete;

    hgeSprite* createSprite(const std::string& file, bool centreHotspot, hgeVector size,
                            const hgeVector& hotspot = hgeVector(0, 0));
    // The image of a data record: "name" between prefix and suffix, a "size"
    // child (or the "x" and "y" attributes) and an optional "hotspot" child.
    hgeSprite* createSprite(TiXmlElement* element, const std::string& prefix,
                            const std::string& suffix);

    HTEXTURE loadTexture(const std::string& file);
    void validateSize(hgeVector& size, HTEXTURE texture);

    static hgeSprite* createBlankSprite();

private:
    HGE* m_hge;
};
