#include "core/autoplay/Screen.h"

#include "core/Camera.h"
#include "engine/hgerect.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiBase.h"
#include "gui/GuiSlider.h"
#include "gui/Slider.h"

namespace autoplay {

namespace {

// Under the pointer's focus window, when there is one: nothing else takes a click.
bool underFocus(InteractionalObject* object) {
    const FiscoraCursor* cursor = FiscoraCursor::live();
    InteractionalObject* focus = cursor ? cursor->getFocusObject() : nullptr;
    for (InteractionalObject* at = object; focus && at; at = at->getParent()) {
        if (at == focus) {
            return true;
        }
    }
    return !focus;
}

}  // namespace

bool Screen::isReachable(GuiBase* widget) {
    return widget && widget->isVisible() && widget->isInteractive() && underFocus(widget);
}

GuiBase* Screen::find(const std::string& name) {
    GuiBase* best = nullptr;
    for (GuiBase* widget : reachable()) {
        if (widget->getName() == name && (!best || widget->getDepth() > best->getDepth())) {
            best = widget;
        }
    }
    return best;
}

GuiBase* Screen::child(GuiBase* parent, const std::string& name) {
    GuiBase* widget = parent ? parent->findChild(name) : nullptr;
    return isReachable(widget) ? widget : nullptr;
}

std::vector<GuiBase*> Screen::reachable() {
    std::vector<GuiBase*> found;
    const FiscoraCursor* cursor = FiscoraCursor::live();
    if (!cursor) {
        return found;
    }
    for (InteractionalObject* object : cursor->elements()) {
        auto* widget = dynamic_cast<GuiBase*>(object);
        if (isReachable(widget)) {
            found.push_back(widget);
        }
    }
    return found;
}

bool Screen::centre(InteractionalObject* widget, float& x, float& y) {
    if (!widget) {
        return false;
    }
    hgeRect box;
    widget->getBoundingBox(box);
    const hgeVector world((box.x1 + box.x2) * 0.5f, (box.y1 + box.y2) * 0.5f);
    const hgeVector screen = Camera::instance()->worldToScreen(world);
    x = screen.x;
    y = screen.y;
    return true;
}

InteractionalObject* Screen::hit(InteractionalObject* target) {
    const FiscoraCursor* cursor = FiscoraCursor::live();
    if (!cursor || !target) {
        return nullptr;
    }
    hgeRect box;
    target->getBoundingBox(box);
    return cursor->hitTest(hgeVector((box.x1 + box.x2) * 0.5f, (box.y1 + box.y2) * 0.5f));
}

float Screen::sliderX(const GuiSlider* slider, int value) {
    const Slider* handle = slider ? slider->getHandle() : nullptr;
    if (!handle) {
        return 0;
    }
    if (value >= handle->getSteps()) {
        return handle->getRightStop() + 8;
    }
    if (value <= 0) {
        return handle->getLeftStop() - 8;
    }
    return handle->getLeftStop() + handle->getPixelsPerStep() * (static_cast<float>(value) + 0.5f);
}

}  // namespace autoplay
