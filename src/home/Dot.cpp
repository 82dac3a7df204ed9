#include "home/Dot.h"

#include "engine/hge.h"
#include "home/IsometricGrid.h"

Dot::Dot(IsometricGrid* grid, float x, float y)
    : m_grid(grid), m_offset(grid->gridToScreen(hgeVector(x, y), false)), m_x(x), m_y(y) {}

hgeVector Dot::getScreenPosition() const {
    return m_grid->getPosition() + m_offset;
}

int Dot::key() {
    return HGEK_F2;
}
