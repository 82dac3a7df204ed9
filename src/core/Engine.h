#pragma once

#include <vector>

#include "core/Singleton.h"

class HGE;
class Camera;
class Cursor;
class Renderable;

// The bridge between the game and the engine object: start-up of the window,
// the per-frame order of work and the z-sorted draw queue.
class Engine : public Singleton<Engine> {
public:
    Engine();
    ~Engine() override;

    bool init(bool windowed);

    static bool frame();
    static bool render();
    static bool restore();

    void setCursor(Cursor* cursor);
    Cursor* getCursor() const { return m_cursor; }

    HGE* getHge() const { return m_hge; }
    bool isInitialised() const { return m_initialised; }
    bool isRunning() const { return m_running; }
    void setRunning(bool running) { m_running = running; }
    float getScreenWidth() const { return m_screenWidth; }
    float getScreenHeight() const { return m_screenHeight; }

    // Called by renderables that are to be drawn this frame.
    void queue(Renderable* renderable) { m_renderQueue.push_back(renderable); }

    // One frame's work without the engine's loop (tests, tools).
    bool runFrame();
    void drawFrame();

private:
    bool m_initialised = false;
    HGE* m_hge = nullptr;
    Camera* m_camera = nullptr;
    float m_screenWidth = 0.0f;
    float m_screenHeight = 0.0f;
    std::vector<Renderable*> m_renderQueue;
    unsigned int m_clearColor = 0x00FFFFFF;
    bool m_running = true;
    Cursor* m_cursor = nullptr;
};
