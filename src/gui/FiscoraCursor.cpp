#include "gui/FiscoraCursor.h"

#include <unordered_set>

#include "core/Log.h"
#include "engine/hge.h"
#include "engine/hgerect.h"
#include "gui/Clickon.h"
#include "gui/InteractionalObject.h"

FiscoraCursor* FiscoraCursor::s_live = nullptr;

namespace {

void collectSubtree(InteractionalObject* object,
                    std::unordered_set<const InteractionalObject*>& out) {
    if (!object || !out.insert(object).second) {
        return;
    }
    for (std::size_t i = 0; i < object->getInteractionChildCount(); ++i) {
        collectSubtree(object->getInteractionChild(i), out);
    }
}

}  // namespace

FiscoraCursor::FiscoraCursor(const std::string& image)
    : Cursor(image), m_engine(hgeCreate(HGE_VERSION)) {
    s_live = this;
    Clickon::install();
}

FiscoraCursor::~FiscoraCursor() {
    // Objects that outlive the pointer must not reach back into it.
    for (InteractionalObject* object : elements()) {
        object->m_cursor = nullptr;
    }
    if (s_live == this) {
        s_live = nullptr;
        Clickon::uninstall();
    }
    m_engine->Release();
}

void FiscoraCursor::add(InteractionalObject* object) {
    zcore::container<InteractionalObject*>::add(object);
}

void FiscoraCursor::remove(InteractionalObject* object) {
    zcore::container<InteractionalObject*>::remove(object);
    if (m_focus == object) {
        m_focus = nullptr;
    }
    if (m_current == object) {
        m_current = nullptr;
    }
    if (m_previous == object) {
        m_previous = nullptr;
    }
}

void FiscoraCursor::setCurrentObject(InteractionalObject* object) {
    m_current = object;
    m_previous = object;
    if (object) {
        // Next frame treats it as hovered now: it gets hover, or leave when
        // the pointer is elsewhere.
        object->m_hovered = true;
    }
}

void FiscoraCursor::update(float dt) {
    Cursor::update(dt);
    m_pointer = m_position;

    rollFlags();

    m_current = hitTest(m_pointer);
    if (!m_current) {
        m_previous = nullptr;
        return;
    }
    InteractionalObject* current = m_current;
    current->m_pressed = m_engine->Input_GetKeyState(HGEK_LBUTTON);
    current->m_hovered = true;

    if (!current->m_hoveredBefore) {
        if (m_previous && m_previous->m_hoveredBefore) {
            m_previous->leave();
            // That leave may have taken the new object with it.
            if (!currentSurvived()) {
                return;
            }
        }
        current->enter();
    } else {
        current->hover();
    }
    if (!currentSurvived()) {
        return;
    }

    if (current->m_pressed) {
        if (!current->m_pressedBefore) {
            current->press();
        } else {
            current->held();
        }
    } else if (current->m_pressedBefore) {
        current->release();
    }
    if (!currentSurvived()) {
        return;
    }
    m_previous = current;
}

void FiscoraCursor::rollFlags() {
    const hgeVector pointer = m_pointer;
    pass([&pointer](InteractionalObject* object) {
        object->m_hoveredBefore = object->m_hovered;
        object->m_pressedBefore = object->m_pressed;
        object->m_hovered = false;
        object->m_pressed = false;
        if (object->m_interactive && object->m_hoveredBefore) {
            hgeRect box;
            object->getBoundingBox(box);
            if (!box.TestPoint(pointer.x, pointer.y)) {
                object->leave();
            }
        }
    });
}

InteractionalObject* FiscoraCursor::hitTest(const hgeVector& point) const {
    std::unordered_set<const InteractionalObject*> focusTree;
    if (m_focus) {
        collectSubtree(m_focus, focusTree);
    }
    InteractionalObject* best = nullptr;
    float bestDepth = 0.0f;
    for (InteractionalObject* object : elements()) {
        if (!object->m_interactive) {
            continue;
        }
        if (m_focus && focusTree.count(object) == 0) {
            continue;
        }
        const float depth = object->getDepth();
        // Only a deeper object can displace the one already chosen.
        if (best && !(depth > bestDepth)) {
            continue;
        }
        hgeRect box;
        object->getBoundingBox(box);
        if (box.TestPoint(point.x, point.y)) {
            best = object;
            bestDepth = depth;
        }
    }
    return best;
}

bool FiscoraCursor::currentSurvived() {
    if (m_current) {
        return true;
    }
    Log::warning("FiscoraCursor::update")
        << "that click caused the current object to be deallocating, breaking interaction";
    return false;
}
