#include "gui/Slider.h"

#include <cmath>

#include "engine/hge.h"
#include "engine/hgesprite.h"
#include "gui/GuiSlider.h"

const char* const Slider::IMAGE = "sprite_slider_slider.png";

namespace {

// The handle image's size, margin included.
const hgeVector HANDLE_SIZE(16, 20);
const float HANDLE_DEPTH_ABOVE_TRACK = 0.01f;
// The handle hangs this far above its half height, centring it on the track.
const float HANDLE_RAISE = 16.0f;
const unsigned int WHITE = 0xFFFFFFFFu;

}  // namespace

Slider::Slider(GuiSlider* track, int steps)
    : GuiButton("", track), m_steps(steps < 0 ? 0 : steps), m_track(track) {
    m_size = HANDLE_SIZE;
    m_handleSize = HANDLE_SIZE;
    // Placed from the track below, not by the parent offset.
    m_absolutePosition = true;
    createGui(IMAGE);
    placeUnder(track);
    setActive(true, false);

    const hgeVector trackPosition = track ? track->getPosition() : hgeVector(0, 0);
    const float spriteHeight = m_sprite ? m_sprite->GetHeight() : m_handleSize.y;
    m_restPosition = hgeVector(trackPosition.x, trackPosition.y + spriteHeight / 2 - HANDLE_RAISE);

    // The whole run of the handle holds every step, so that the right stop is
    // the step count itself.
    const float run = getRightStop() - getLeftStop();
    m_pixelsPerStep = m_steps > 0 ? run / static_cast<float>(m_steps) : 0.0f;
    m_stepList.reserve(static_cast<std::size_t>(m_steps) + 1);
    for (int i = 0; i <= m_steps; ++i) {
        m_stepList.push_back(Step{i, getLeftStop() + m_pixelsPerStep * static_cast<float>(i)});
    }

    setPosition(m_restPosition);
    if (track) {
        setDepth(track->getDepth() + HANDLE_DEPTH_ABOVE_TRACK);
    }
}

Slider::~Slider() = default;

float Slider::getLeftStop() const {
    return m_track ? m_track->getPosition().x : m_position.x;
}

float Slider::getRightStop() const {
    if (!m_track) {
        return m_position.x;
    }
    const float right = m_track->getPosition().x + m_track->getSize().x - m_handleSize.x;
    // A track narrower than the handle leaves no run at all.
    return right < getLeftStop() ? getLeftStop() : right;
}

void Slider::press() {
    m_dragging = true;
}

void Slider::release() {
    setColor(static_cast<unsigned int>(m_restoreColor));
}

void Slider::enter() {
    setColor(HOVER_COLOR);
}

void Slider::updateGui() {
    GuiBase::updateGui();
    if (!m_dragging) {
        return;
    }
    if (!m_hge->Input_GetKeyState(HGEK_LBUTTON)) {
        m_dragging = false;
        return;
    }
    // Widgets live in screen pixels, so the pointer is taken in them too.
    float x = 0.0f;
    float y = 0.0f;
    m_hge->Input_GetMousePos(&x, &y);
    moveTo(x);
}

void Slider::moveTo(float x) {
    const float left = getLeftStop();
    const float right = getRightStop();
    if (x > right) {
        x = right;
    } else if (x < left) {
        x = left;
    }
    setPosition(x, m_restPosition.y);
    m_handleRect = m_rect;
    valueFromPosition();
}

void Slider::valueFromPosition() {
    if (m_steps <= 0 || m_pixelsPerStep <= 0.0f) {
        m_value = 0;
        m_stepIndex = 0;
        return;
    }
    const float offset = m_position.x - getLeftStop();
    int value = static_cast<int>(offset / m_pixelsPerStep);
    // Float division can land a hair short of the last step at the stop.
    if (m_position.x >= getRightStop()) {
        value = m_steps;
    }
    if (value < 0) {
        value = 0;
    } else if (value > m_steps) {
        value = m_steps;
    }
    m_value = value;
    m_stepIndex = value;
}

void Slider::setValue(int value) {
    if (value < 0) {
        value = 0;
    } else if (value > m_steps) {
        value = m_steps;
    }
    const float x =
        m_stepList.empty() ? getLeftStop() : m_stepList[static_cast<std::size_t>(value)].x;
    setPosition(x, m_restPosition.y);
    m_handleRect = m_rect;
    m_value = value;
    m_stepIndex = value;
}
