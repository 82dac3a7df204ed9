#pragma once

#include <string>
#include <vector>

class GuiBase;
class GuiSlider;
class InteractionalObject;

namespace autoplay {

// What the bot sees: the widgets on screen that take the pointer, where they
// are in game pixels. It only looks; it changes nothing.
class Screen {
public:
    // The topmost visible, interactive widget named `name`, or null.
    static GuiBase* find(const std::string& name);
    // `name` under `parent` when it can be clicked, or null.
    static GuiBase* child(GuiBase* parent, const std::string& name);
    // Every widget that can be clicked now (under the focus window if any).
    static std::vector<GuiBase*> reachable();
    // The centre of `widget` on screen; false for null.
    static bool centre(InteractionalObject* object, float& x, float& y);
    static bool isReachable(GuiBase* widget);
    // What a click at the centre of `target` would reach: `target`, or
    // whatever stands over it; null when nothing is there.
    static InteractionalObject* hit(InteractionalObject* target);
    // The screen x at which the handle of `slider` takes `value`.
    static float sliderX(const GuiSlider* slider, int value);
};

}  // namespace autoplay
