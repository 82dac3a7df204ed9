#include "resource/Cursor.h"

#include "core/Camera.h"
#include "core/Engine.h"
#include "core/Log.h"
#include "engine/hge.h"

Cursor::Cursor(const std::string& image) {
    create(image);
}

Cursor::~Cursor() {
    if (m_hge) {
        m_hge->Release();
    }
}

void Cursor::create(const std::string& image) {
    if (m_hge) {
        Log::warning("Cursor::create") << "already created";
        return;
    }
    m_hge = hgeCreate(HGE_VERSION);
    m_size = hgeVector(28, 38);
    setTexture(image, m_size);
    m_z = 50.0f;
    setHotSpot(0, 0);
    Engine::instance()->setCursor(this);
}

void Cursor::update(float) {
    float x = 0.0f, y = 0.0f;
    m_hge->Input_GetMousePos(&x, &y);
    m_position = Camera::instance()->screenToWorld(hgeVector(x, y));
}
