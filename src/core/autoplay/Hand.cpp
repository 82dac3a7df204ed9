#include "core/autoplay/Hand.h"

#include <algorithm>
#include <cstdlib>

#include "core/autoplay/Screen.h"
#include "engine/hge.h"
#include "gui/GuiSlider.h"
#include "gui/Slider.h"

namespace autoplay {

using Type = engine::AutopilotCommand::Type;

void Hand::add(Type::_enum type, int after, float x, float y, int key, bool down) {
    Step step;
    step.command.type = type;
    step.command.x = x;
    step.command.y = y;
    step.command.key = key;
    step.command.down = down;
    step.after = after;
    m_steps.push_back(step);
}

bool Hand::click(InteractionalObject* widget) {
    float x = 0;
    float y = 0;
    if (!Screen::centre(widget, x, y)) {
        return false;
    }
    clickAt(x, y);
    return true;
}

void Hand::clickAt(float x, float y) {
    add(Type::MOVE, 1, x, y);
    add(Type::PRESS, 1, 0, 0, HGEK_LBUTTON);
    add(Type::RELEASE, PAUSE, 0, 0, HGEK_LBUTTON);
}

void Hand::drag(float x1, float y1, float x2, float y2) {
    add(Type::MOVE, 1, x1, y1);
    add(Type::PRESS, 1, 0, 0, HGEK_LBUTTON);
    const int steps = 3;
    for (int i = 1; i <= steps; ++i) {
        const float t = static_cast<float>(i) / steps;
        add(Type::MOVE, 1, x1 + (x2 - x1) * t, y1 + (y2 - y1) * t);
    }
    add(Type::RELEASE, PAUSE, 0, 0, HGEK_LBUTTON);
}

bool Hand::setSlider(GuiSlider* slider, int value) {
    if (!slider || !slider->getHandle()) {
        return false;
    }
    const int steps = slider->getSteps();
    value = std::clamp(value, 0, steps);
    const int tolerance = std::max(1, steps / 100);
    if (std::abs(slider->getValue() - value) <= tolerance) {
        return false;
    }
    float x = 0;
    float y = 0;
    if (!Screen::centre(slider->getHandle(), x, y)) {
        return false;
    }
    drag(x, y, Screen::sliderX(slider, value), y);
    return true;
}

void Hand::move(float x, float y) {
    add(Type::MOVE, 1, x, y);
}

void Hand::key(int virtualKey) {
    add(Type::KEY, 1, 0, 0, virtualKey, true);
    add(Type::KEY, PAUSE, 0, 0, virtualKey, false);
}

void Hand::shot(const std::string& name) {
    add(Type::SHOT, 0);
    m_steps.back().command.name = name;
}

void Hand::quit() {
    add(Type::QUIT, 0);
}

void Hand::wait(int frames) {
    add(Type::UNDEFINED, frames);
}

void Hand::take(int frame, std::vector<engine::AutopilotCommand>& out) {
    while (m_wait == 0 && !m_steps.empty()) {
        Step step = m_steps.front();
        m_steps.pop_front();
        if (step.command.type != Type::UNDEFINED) {
            step.command.frame = frame;
            out.push_back(step.command);
        }
        m_wait = step.after;
    }
    if (m_wait > 0) {
        --m_wait;
    }
}

}  // namespace autoplay
