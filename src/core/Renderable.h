#pragma once

#include <string>

#include "engine/hgerect.h"
#include "engine/hgevector.h"

// Anything drawn. Registers itself while it lives; each frame a visible object
// on screen (or fixed to the screen) queues itself and is drawn in z order.
class Renderable {
public:
    Renderable();
    virtual ~Renderable();
    Renderable(const Renderable&) = delete;
    Renderable& operator=(const Renderable&) = delete;

    virtual void render() = 0;
    // The box in screen pixels; a type that is not fixed to the screen must
    // provide it.
    virtual void getScreenBoundingBox(hgeRect& rect);
    virtual void setVisible(bool visible) { m_visible = visible; }
    virtual void addToRenderQueue();

    void setDepth(const std::string& name);

    bool isVisible() const { return m_visible; }
    float getZ() const { return m_z; }
    void setZ(float z) { m_z = z; }
    const hgeVector& getPosition() const { return m_position; }
    void setPosition(const hgeVector& position) { m_position = position; }
    const hgeVector& getScreenPosition() const { return m_screenPosition; }
    bool movesWithCam() const { return m_movesWithCam; }
    void setMovesWithCam(bool movesWithCam) { m_movesWithCam = movesWithCam; }

protected:
    hgeVector m_position{0, 0};
    hgeVector m_screenPosition{0, 0};
    bool m_movesWithCam = false;
    bool m_visible = true;
    float m_z = 0.0f;
};
