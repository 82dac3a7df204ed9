#include "gui/Clickon.h"

#include <map>

#include "core/Camera.h"
#include "core/Log.h"
#include "engine/Autopilot.h"
#include "engine/hgerect.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiBase.h"
#include "resource/Encoding.h"

namespace Clickon {

namespace {

std::map<std::string, Target>& targets() {
    static std::map<std::string, Target> named;
    return named;
}

bool reachable(GuiBase* widget) {
    return widget && widget->isVisible() && widget->isInteractive();
}

}  // namespace

void setTarget(const std::string& name, Target target) {
    if (target) {
        targets()[name] = std::move(target);
    } else {
        targets().erase(name);
    }
}

bool resolve(const std::string& name, float& x, float& y) {
    const FiscoraCursor* cursor = FiscoraCursor::live();
    // Scripts are UTF-8; widget names are held in Windows-1252, as read.
    const std::string wanted = text::toWindows1252(name);
    GuiBase* best = nullptr;
    auto named = targets().find(name);
    if (named != targets().end()) {
        GuiBase* widget = named->second();
        best = reachable(widget) ? widget : nullptr;
    } else if (cursor) {
        for (InteractionalObject* object : cursor->elements()) {
            auto* widget = dynamic_cast<GuiBase*>(object);
            if (!reachable(widget) || widget->getName() != wanted) {
                continue;
            }
            if (!best || widget->getDepth() > best->getDepth()) {
                best = widget;
            }
        }
    }
    if (!best) {
        Log::warning("Clickon::resolve") << "no visible widget named " << name;
        return false;
    }
    hgeRect box;
    best->getBoundingBox(box);
    // The box is in world coordinates; the autopilot clicks in game pixels.
    const hgeVector world((box.x1 + box.x2) * 0.5f, (box.y1 + box.y2) * 0.5f);
    const hgeVector screen = Camera::instance()->worldToScreen(world);
    x = screen.x;
    y = screen.y;
    return true;
}

void install() {
    hgeSetClickonResolver(&resolve);
}

void uninstall() {
    hgeSetClickonResolver(nullptr);
}

}  // namespace Clickon
