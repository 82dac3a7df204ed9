#include "home/ShopObject.h"

#include "core/EnumNames.h"

namespace {

const float ITEM_DEPTH = 0.7f;
const char* const NAMES[] = {"UNDEFINED", "FURNITURE", "STOCK", "FUND"};

}  // namespace

const char* ShopObject::Kind::toString(_enum kind) {
    return enumnames::toString(NAMES, kind);
}

ShopObject::Kind::_enum ShopObject::Kind::fromString(const std::string& text) {
    return static_cast<_enum>(enumnames::fromString(NAMES, text));
}

ShopObject::ShopObject(Kind::_enum kind, int id, const std::string& name,
                       const std::string& description, float price, const std::string& picture)
    : Sprite(picture, hgeVector(SIZE, SIZE)),
      m_kind(kind),
      m_id(id),
      m_name(name),
      m_description(description),
      m_price(price) {
    // Placed in screen pixels like the window around it.
    setMovesWithCam(true);
    setHotSpot(0, 0);
    m_z = ITEM_DEPTH;
    setVisible(false);
}

void ShopObject::setVisible(bool visible) {
    Sprite::setVisible(visible);
    m_interactive = visible;
}
