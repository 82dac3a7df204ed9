#include "core/Camera.h"

#include <cmath>

#include "resource/ConstantManager.h"

Camera::Camera()
    : m_position(ConstantManager::instance()->getFloat("cameraSpeed"), hgeVector(0, 0)),
      m_view(0, 0, ConstantManager::instance()->getFloat("screenWidth"),
             ConstantManager::instance()->getFloat("screenHeight")) {}

hgeVector Camera::worldToScreen(const hgeVector& world) const {
    const hgeVector position = m_position.getCurrent();
    const float halfWidth = (m_view.x2 - m_view.x1) * 0.5f;
    const float halfHeight = (m_view.y2 - m_view.y1) * 0.5f;
    return hgeVector(std::trunc(world.x - position.x + halfWidth),
                     std::trunc(world.y - position.y + halfHeight));
}

hgeVector Camera::screenToWorld(const hgeVector& screen) const {
    const hgeVector position = m_position.getCurrent();
    const float halfWidth = (m_view.x2 - m_view.x1) * 0.5f;
    const float halfHeight = (m_view.y2 - m_view.y1) * 0.5f;
    return hgeVector(screen.x + position.x - halfWidth, screen.y + position.y - halfHeight);
}
