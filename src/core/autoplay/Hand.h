#pragma once

#include <deque>
#include <string>
#include <vector>

#include "engine/Autopilot.h"

class GuiSlider;
class InteractionalObject;

namespace autoplay {

// The bot's pointer and keyboard: what it wants done becomes a row of input
// commands spaced a few frames apart, as a person's hand would do them, and
// the engine receives them through its input source.
class Hand {
public:
    // Moves to the widget's centre, presses and releases; false (nothing
    // done) when the widget is not on screen.
    bool click(InteractionalObject* object);
    void clickAt(float x, float y);
    // Presses at (x1, y1), moves to (x2, y2) in a few steps and releases.
    void drag(float x1, float y1, float x2, float y2);
    // Drags the slider's handle toward `value`; false when it is near
    // enough already (a hundredth of its range) or cannot be dragged.
    bool setSlider(GuiSlider* slider, int value);
    void move(float x, float y);
    // A key (virtual key code) pressed and released.
    void key(int virtualKey);
    void shot(const std::string& name);
    void quit();
    // Nothing happens for `frames` frames.
    void wait(int frames);

    bool isBusy() const { return !m_steps.empty() || m_wait > 0; }
    // Appends the commands due at this frame.
    void take(int frame, std::vector<engine::AutopilotCommand>& out);

    // How many frames the hand rests after a click or a drag.
    static constexpr int PAUSE = 1;

private:
    struct Step {
        engine::AutopilotCommand command;  // UNDEFINED: only the wait
        int after = 0;                     // frames to wait after it
    };
    void add(engine::AutopilotCommand::Type::_enum type, int after, float x = 0, float y = 0,
             int key = 0, bool down = false);

    std::deque<Step> m_steps;
    int m_wait = 0;
};

}  // namespace autoplay
