#include "gui/InteractionalObject.h"

#include "core/Camera.h"
#include "core/Engine.h"
#include "core/Log.h"
#include "engine/hge.h"
#include "engine/hgerect.h"
#include "gui/FiscoraCursor.h"

InteractionalObject::InteractionalObject() : m_hge(hgeCreate(HGE_VERSION)) {
    m_cursor = getCursor();
    m_cursor->add(this);
}

InteractionalObject::~InteractionalObject() {
    if (m_cursor) {
        m_cursor->remove(this);
    }
    m_hge->Release();
}

FiscoraCursor* InteractionalObject::getCursor() {
    if (auto* cursor = dynamic_cast<FiscoraCursor*>(Engine::instance()->getCursor())) {
        return cursor;
    }
    Log::info("InteractionalObject::getCursor") << "no cursor, creating one now";
    // The cursor hands itself to the engine bridge as it is made.
    return new FiscoraCursor("sprite_dot.png");
}

bool InteractionalObject::isClicked() const {
    return m_pressed && m_hovered && !(m_pressedBefore && m_hoveredBefore);
}

void InteractionalObject::setActive(bool active, bool recursive) {
    m_interactive = active;
    if (!recursive) {
        return;
    }
    for (std::size_t i = 0; i < getInteractionChildCount(); ++i) {
        if (InteractionalObject* child = getInteractionChild(i)) {
            child->setActive(active, true);
        }
    }
}

bool InteractionalObject::isSelfOrDescendant(const InteractionalObject* object) const {
    if (object == this) {
        return true;
    }
    for (std::size_t i = 0; i < getInteractionChildCount(); ++i) {
        const InteractionalObject* child = getInteractionChild(i);
        if (child && child->isSelfOrDescendant(object)) {
            return true;
        }
    }
    return false;
}

hgeVector InteractionalObject::topLeft() {
    hgeRect box;
    getBoundingBox(box);
    return Camera::instance()->worldToScreen(hgeVector(box.x1, box.y1));
}

hgeVector InteractionalObject::bottomRight() {
    hgeRect box;
    getBoundingBox(box);
    return Camera::instance()->worldToScreen(hgeVector(box.x2, box.y2));
}

int InteractionalObject::key() {
    return HGEK_F1;
}
