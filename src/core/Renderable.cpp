#include "core/Renderable.h"

#include <cstdlib>

#include "core/Camera.h"
#include "core/Engine.h"
#include "core/Log.h"
#include "core/Manager.h"
#include "core/ZDepth.h"

Renderable::Renderable() {
    Manager<Renderable*>::instance()->add(this);
}

Renderable::~Renderable() {
    Manager<Renderable*>::instance()->remove(this);
}

void Renderable::getScreenBoundingBox(hgeRect&) {
    Log::error("Renderable::getScreenBoundingBox")
        << "either overload this or set m_movesWithCam to true";
    std::abort();
}

void Renderable::addToRenderQueue() {
    if (!m_visible) {
        return;
    }
    if (m_movesWithCam) {
        m_screenPosition = m_position;
        Engine::instance()->queue(this);
        return;
    }
    Camera* camera = Camera::instance();
    m_screenPosition = camera->worldToScreen(m_position);
    hgeRect box;
    getScreenBoundingBox(box);
    if (box.Intersect(&camera->getViewRect())) {
        Engine::instance()->queue(this);
    }
}

void Renderable::setDepth(const std::string& name) {
    m_z = ZDepth::getZ(name);
}

template <>
void Manager<Renderable*>::render() {
    pass([](Renderable* renderable) { renderable->addToRenderQueue(); });
}
