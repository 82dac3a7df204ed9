#pragma once

#include <cstddef>

#include "core/DebugDraw.h"
#include "gui/InteractionalInterface.h"

class FiscoraCursor;
class HGE;

// Anything the pointer can touch. Registers itself with the pointer while it
// lives, so deleting an object (even from inside its own handler) is safe.
// The pointer rolls the four flags every frame before it looks for a hit.
class InteractionalObject : public InteractionalInterface, public DebugDraw::Rect {
public:
    InteractionalObject();
    ~InteractionalObject() override;

    // The game's pointer; made on first use when the engine bridge has none.
    static FiscoraCursor* getCursor();

    // True on the frame a press starts on the object.
    bool isClicked() const;

    void setActive(bool active, bool recursive) override;
    void setParent(InteractionalObject* parent) override { m_parent = parent; }
    InteractionalObject* getParent() override { return m_parent; }

    // The objects below this one (for widgets, their controller's list); the
    // pointer walks them to keep a modal window's subtree reachable.
    virtual std::size_t getInteractionChildCount() const { return 0; }
    virtual InteractionalObject* getInteractionChild(std::size_t) const { return nullptr; }
    // True when `object` is this one or lies below it.
    bool isSelfOrDescendant(const InteractionalObject* object) const;

    bool isInteractive() const { return m_interactive; }
    bool isHovered() const { return m_hovered; }
    bool isPressed() const { return m_pressed; }
    bool wasHovered() const { return m_hoveredBefore; }
    bool wasPressed() const { return m_pressedBefore; }

    // Debug outline: the pointer box on screen, shown while F1 is held.
    hgeVector topLeft() override;
    hgeVector bottomRight() override;
    int key() override;

protected:
    bool m_interactive = true;
    bool m_hovered = false;
    bool m_pressed = false;
    bool m_hoveredBefore = false;
    bool m_pressedBefore = false;
    HGE* m_hge = nullptr;
    InteractionalObject* m_parent = nullptr;

private:
    friend class FiscoraCursor;
    // The pointer this object is registered with; cleared when it goes first.
    FiscoraCursor* m_cursor = nullptr;
};
