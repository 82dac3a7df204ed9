#pragma once

class hgeRect;
class InteractionalObject;

// What the pointer can do to an object. Every event handler does nothing unless
// a subclass reacts to it.
class InteractionalInterface {
public:
    virtual ~InteractionalInterface() = default;

    // The left button went down on the object this frame.
    virtual void press() {}
    // The button is still down on it.
    virtual void held() {}
    // The button went up on it.
    virtual void release() {}
    // The pointer came onto it.
    virtual void enter() {}
    // The pointer stays on it.
    virtual void hover() {}
    // The pointer left it.
    virtual void leave() {}

    // The area the pointer hits, in world coordinates (the pointer's own).
    virtual void getBoundingBox(hgeRect& rect) = 0;
    // Higher wins the pointer.
    virtual float getDepth() = 0;
    virtual void setDepth(float depth) = 0;
    virtual void setActive(bool active, bool recursive) = 0;
    virtual void setParent(InteractionalObject* parent) = 0;
    virtual InteractionalObject* getParent() = 0;
};
