#include "gui/GuiButtonFading.h"

#include <cmath>
#include <string>

namespace {

const float OPAQUE = 255.0f;
// A full fade in one second unless the creator sets another speed.
const float DEFAULT_FADE_SPEED = 255.0f;
const float DEBUG_TEXT_ABOVE = 16.0f;

}  // namespace

GuiButtonFading::GuiButtonFading(const std::string& name, const std::string& image,
                                 const hgeVector& position, const hgeVector& size, GuiBase* parent)
    : GuiButton(name, image, position, size, parent),
      m_alpha(DEFAULT_FADE_SPEED, OPAQUE, 0.0f, OPAQUE) {}

GuiButtonFading::~GuiButtonFading() = default;

void GuiButtonFading::press() {
    // Reset before the callback: it may delete the button.
    m_alpha.set(OPAQUE);
    m_waiting = false;
    const Callback callback = m_callback;
    if (callback) {
        callback();
    }
    playClickSound();
}

void GuiButtonFading::enter() {
    GuiButton::enter();
    m_alpha.set(OPAQUE);
    m_waiting = false;
}

void GuiButtonFading::leave() {
    GuiButton::leave();
    m_timer = 0.0f;
    m_waiting = true;
}

void GuiButtonFading::restart() {
    setVisible(true);
    setActive(true, false);
    m_timer = 0.0f;
    m_waiting = false;
    m_alpha.set(OPAQUE);
}

void GuiButtonFading::update(float dt) {
    if (m_waiting) {
        m_timer += dt;
        if (m_timer > m_delay) {
            m_alpha.targetMin();
            m_waiting = false;
        }
    } else if (m_alpha.isDone() && m_alpha.getCurrent() == 0.0f) {
        if (m_visible || m_interactive) {
            setVisible(false);
            setActive(false, false);
        }
    } else {
        m_alpha.update(dt);
    }

    const unsigned int alpha = static_cast<unsigned int>(std::lround(m_alpha.getCurrent()));
    const unsigned int color = (alpha << 24) + (m_hovered ? 0xFF0000u : 0xFFFFFFu);
    setColor(color);
    m_normalColor = color;

    if (DebugDraw::DebugText::isEnabled()) {
        const hgeVector& at = Renderable::m_position;
        DebugDraw::DebugText::setPosition(hgeVector(at.x, at.y - DEBUG_TEXT_ABOVE));
        // A new text costs a font; make one only when the number changes.
        if (static_cast<int>(alpha) != m_shownAlpha) {
            m_shownAlpha = static_cast<int>(alpha);
            setText(std::to_string(alpha));
        }
    }
}
