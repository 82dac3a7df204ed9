#include "core/DebugDraw.h"

#include <algorithm>

#include "core/Log.h"
#include "engine/hge.h"
#include "resource/ConstantManager.h"
#include "resource/Text.h"

namespace DebugDraw {

Renderer::Renderer()
    : m_enabled(ConstantManager::instance()->getBool("debugDraw")), m_hge(hgeCreate(HGE_VERSION)) {}

Renderer::~Renderer() {
    m_hge->Release();
}

void Renderer::reg(Base* shape) {
    if (!m_enabled) {
        return;
    }
    Log::debug("DebugDraw::Renderer::reg") << "registering " << static_cast<const void*>(shape);
    m_shapes.push_back(shape);
}

void Renderer::unreg(Base* shape) {
    if (!m_enabled) {
        return;
    }
    Log::debug("DebugDraw::Renderer::unreg") << "unregistering " << static_cast<const void*>(shape);
    m_shapes.erase(std::remove(m_shapes.begin(), m_shapes.end(), shape), m_shapes.end());
}

void Renderer::render() {
    for (Base* shape : m_shapes) {
        if (m_hge->Input_GetKeyState(shape->key())) {
            shape->draw();
        }
    }
}

Base::Base() {
    Renderer::instance()->reg(this);
}

Base::~Base() {
    Renderer::instance()->unreg(this);
}

void Rect::draw() {
    HGE* hge = Renderer::instance()->hge();
    const hgeVector a = topLeft();
    const hgeVector b = bottomRight();
    const unsigned int c = color();
    hge->Gfx_RenderLine(a.x, a.y, b.x, a.y, c);
    hge->Gfx_RenderLine(b.x, a.y, b.x, b.y, c);
    hge->Gfx_RenderLine(b.x, b.y, a.x, b.y, c);
    hge->Gfx_RenderLine(a.x, b.y, a.x, a.y, c);
}

void Dot::draw() {
    HGE* hge = Renderer::instance()->hge();
    const hgeVector p = dotPosition();
    const float s = size();
    hge->Gfx_RenderLine(p.x - s, p.y - s, p.x + s, p.y + s, color());
    hge->Gfx_RenderLine(p.x + s, p.y - s, p.x - s, p.y + s, color());
}

DebugText::DebugText(const hgeVector& position) : m_position(position) {}

DebugText::~DebugText() = default;

void DebugText::setText(const std::string& text) {
    m_text = std::make_unique<Text>("font.fnt", text, false);
    // Drawn by the overlay pass only, never by the scene.
    m_text->setVisible(false);
    m_text->setMovesWithCam(true);
}

void DebugText::draw() {
    if (m_text) {
        m_text->setPosition(m_position);
        m_text->drawAt(m_position);
    }
}

void Group::draw() {
    for (Base* member : m_members) {
        member->draw();
    }
}

}  // namespace DebugDraw
