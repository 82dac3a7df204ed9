#pragma once

#include <string>

#include "core/Container.h"
#include "engine/hgevector.h"
#include "resource/Cursor.h"

class HGE;
class InteractionalObject;

// The game's pointer. Each frame it follows the mouse, finds the one
// registered object under it (greatest depth wins; with a focus object only
// that object's subtree counts) and sends it enter, hover, leave, press, held
// and release.
class FiscoraCursor : public Cursor, public zcore::container<InteractionalObject*> {
public:
    explicit FiscoraCursor(const std::string& image);
    ~FiscoraCursor() override;

    void update(float dt) override;

    // Registration; removing also forgets the object as focus, current and
    // previous object.
    void add(InteractionalObject* object) override;
    void remove(InteractionalObject* object) override;

    // Null releases the focus.
    void setFocusObject(InteractionalObject* object) { m_focus = object; }
    InteractionalObject* getFocusObject() const { return m_focus; }
    // Makes `object` the one the pointer is taken to be on, as if it had been
    // hit last frame; null forgets it.
    void setCurrentObject(InteractionalObject* object);
    InteractionalObject* getCurrentObject() const { return m_current; }
    InteractionalObject* getPreviousObject() const { return m_previous; }
    const hgeVector& getPointerPosition() const { return m_pointer; }

    // The registered object with the greatest depth among those that can be
    // hit at `point` (world coordinates), or null.
    InteractionalObject* hitTest(const hgeVector& point) const;

    // The pointer of the running game (the last one made and not destroyed).
    static FiscoraCursor* live() { return s_live; }
    // A closing window gives the pointer free: the live pointer's focus is
    // cleared when it is `object` (nothing happens for null or another).
    static void releaseFocus(const InteractionalObject* object) {
        if (s_live && object && s_live->getFocusObject() == object) {
            s_live->setFocusObject(nullptr);
        }
    }

private:
    void rollFlags();
    // False when the current object was destroyed by the handler just run.
    bool currentSurvived();

    InteractionalObject* m_focus = nullptr;
    InteractionalObject* m_current = nullptr;
    InteractionalObject* m_previous = nullptr;
    hgeVector m_pointer{0, 0};
    HGE* m_engine = nullptr;

    static FiscoraCursor* s_live;
};
