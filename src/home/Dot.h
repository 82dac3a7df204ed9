#pragma once

#include "core/DebugDraw.h"
#include "engine/hgevector.h"

class IsometricGrid;

// One hand-placed point of a room's floor on which furniture may stand. Its
// debug cross is green while free and red while furniture covers it.
class Dot : public DebugDraw::Dot {
public:
    Dot(IsometricGrid* grid, float x, float y);

    float getX() const { return m_x; }
    float getY() const { return m_y; }
    // Offset from the grid's position, fixed when the dot is made.
    const hgeVector& getOffset() const { return m_offset; }
    // Where the dot is on the screen now.
    hgeVector getScreenPosition() const;

    bool isFree() const { return m_free; }
    void setFree(bool free) { m_free = free; }

    hgeVector dotPosition() override { return getScreenPosition(); }
    int key() override;
    unsigned int color() override { return m_free ? FREE_COLOR : TAKEN_COLOR; }

    static const unsigned int FREE_COLOR = 0xFF00FF00u;
    static const unsigned int TAKEN_COLOR = 0xFFFF0000u;

private:
    IsometricGrid* m_grid;
    hgeVector m_offset;
    float m_x;
    float m_y;
    bool m_free = true;
};
