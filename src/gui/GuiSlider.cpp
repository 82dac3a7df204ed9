#include "gui/GuiSlider.h"

#include "gui/GuiController.h"
#include "gui/Slider.h"

namespace {

const char* const TRACK_IMAGE = "sprite_line.png";
const float HANDLE_ABOVE_TRACK_LATER = 0.1f;
const int CHANNEL_MAX = 255;

int clampChannel(int value) {
    return value < 0 ? 0 : (value > CHANNEL_MAX ? CHANNEL_MAX : value);
}

}  // namespace

GuiSlider::GuiSlider(const hgeVector& position, const hgeVector& size, int steps, GuiBase* parent)
    : GuiBase("", parent) {
    m_size = size;
    m_position = position;
    createGui(TRACK_IMAGE);
    InteractionalObject::setActive(false, false);
    m_handle = new Slider(this, steps);
    m_controller->addChild(m_handle);
    m_stepsPerChannel = static_cast<float>(m_handle->getSteps()) / CHANNEL_MAX;
}

GuiSlider::~GuiSlider() = default;

void GuiSlider::setDepth(float depth) {
    GuiBase::setDepth(depth);
    if (m_handle) {
        m_handle->setDepth(depth + HANDLE_ABOVE_TRACK_LATER);
    }
}

int GuiSlider::getValue() const {
    return m_handle ? m_handle->getValue() : 0;
}

int GuiSlider::getSteps() const {
    return m_handle ? m_handle->getSteps() : 0;
}

void GuiSlider::setValue(int value) {
    if (m_handle) {
        m_handle->setValue(value);
    }
}

void GuiSlider::update(float) {
    // Showing the slider switches its interaction on again.
    if (m_interactive) {
        InteractionalObject::setActive(false, false);
    }
    updateGui();
    if (!m_colorByValue) {
        return;
    }
    const int v = getValue();
    const int n = getSteps();
    const int perChannel = n / CHANNEL_MAX;
    int g = 0;
    if (perChannel > 0) {
        g = v / perChannel;
    } else if (n > 0) {
        // Fewer steps than channel values: spread them over the channel.
        g = v * CHANNEL_MAX / n;
    }
    int r = CHANNEL_MAX - g;
    if (v == n) {
        g = CHANNEL_MAX;
    }
    if (v == 0) {
        r = CHANNEL_MAX;
    }
    r = clampChannel(r);
    g = clampChannel(g);
    const unsigned int color = 0xFF000000u + (static_cast<unsigned int>(r) << 16) +
                               (static_cast<unsigned int>(g) << 8) +
                               static_cast<unsigned int>(m_blue);
    setColor(color);
}
