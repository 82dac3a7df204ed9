#include "gui/Menubutton.h"

#include "core/Sprite.h"

namespace {

const float GLOW_DEPTH = 1.6f;

}  // namespace

Menubutton::Menubutton(const std::string& name, const std::string& image, const hgeVector& position,
                       const hgeVector& size, GuiBase* parent)
    : GuiButton(name, image, position, size, parent) {}

Menubutton::~Menubutton() = default;

void Menubutton::setGlow(const std::string& image) {
    // The glow lies exactly over the button, so it is cut at the button's
    // size; a button without a size lets the glow take the image's own.
    m_glow = std::make_unique<Sprite>(image, m_size);
    m_glow->setHotSpot(0, 0);
    m_glow->setMovesWithCam(true);
    m_glow->setPosition(m_position);
    m_glow->setZ(GLOW_DEPTH);
    m_glow->setVisible(false);
}

// The glow replaces the red tint.
void Menubutton::enter() {}

void Menubutton::hover() {
    m_hovering = true;
    if (m_glow) {
        m_glow->setVisible(true);
    }
}

void Menubutton::leave() {
    m_hovering = false;
}

void Menubutton::update(float) {
    if (!m_hovered && m_glow) {
        m_glow->setVisible(false);
    }
}
