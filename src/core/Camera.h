#pragma once

#include "core/Lerp.h"
#include "core/Singleton.h"
#include "engine/hgerect.h"
#include "engine/hgevector.h"

// Maps world positions to the screen. The position is the world point shown at
// the centre of the screen; nothing in the game moves it today.
class Camera : public Singleton<Camera> {
public:
    Camera();

    // Truncated toward zero, so sprites land on whole pixels.
    hgeVector worldToScreen(const hgeVector& world) const;
    hgeVector screenToWorld(const hgeVector& screen) const;

    const hgeRect& getViewRect() const { return m_view; }
    hgeVector getPosition() const { return m_position.getCurrent(); }
    Lerp<hgeVector>& position() { return m_position; }

private:
    Lerp<hgeVector> m_position;
    hgeRect m_view;
};
