#include "core/Engine.h"

#include <SDL.h>

#include <algorithm>
#include <iostream>

#include "core/Camera.h"
#include "core/DebugDraw.h"
#include "core/InputEventQueue.h"
#include "core/Log.h"
#include "core/Logic.h"
#include "core/Manager.h"
#include "core/Renderable.h"
#include "core/State.h"
#include "core/StateMachine.h"
#include "core/UserFolders.h"
#include "engine/hge.h"
#include "resource/ConstantManager.h"
#include "resource/ResourceManager.h"

Engine::Engine() = default;

Engine::~Engine() {
    resource::Manager::destroy();
    if (m_hge) {
        m_hge->System_Shutdown();
        m_hge->Release();
        m_hge = nullptr;
    }
    std::vector<Renderable*>().swap(m_renderQueue);
}

bool Engine::init(bool windowed) {
    const char* context = "Engine::init";
    ConstantManager* constants = ConstantManager::instance();
    m_screenHeight = constants->getFloat("screenHeight");
    m_screenWidth = constants->getFloat("screenWidth");

    const std::string title = resource::Manager::instance()->getProgramName();

    Log::info(context) << "Create hge";
    m_hge = hgeCreate(HGE_VERSION);

    Log::info(context) << "Set engine states";
    m_hge->System_SetState(HGE_LOGFILE, userfolders::logPath("hge.log").c_str());
    m_hge->System_SetState(HGE_FRAMEFUNC, &Engine::frame);
    m_hge->System_SetState(HGE_RENDERFUNC, &Engine::render);
    m_hge->System_SetState(HGE_TITLE, title.c_str());
    m_hge->System_SetState(HGE_ZBUFFER, false);
    m_hge->System_SetState(HGE_USESOUND, false);

    Log::info(context) << "Set up video mode";
    m_hge->System_SetState(HGE_WINDOWED, windowed);
    m_hge->System_SetState(HGE_SCREENWIDTH, static_cast<int>(m_screenWidth));
    m_hge->System_SetState(HGE_SCREENHEIGHT, static_cast<int>(m_screenHeight));
    m_hge->System_SetState(HGE_SCREENBPP, 32);

    Log::info(context) << "Get camera";
    m_camera = Camera::instance();
    m_hge->System_SetState(HGE_SHOWSPLASH, false);
    m_hge->System_SetState(HGE_FPS, 0);

    Log::info(context) << "Get physics";

    if (!m_hge->System_Initiate()) {
        const char* message = m_hge->System_GetErrorMessage();
        std::cerr << "Error: " << message << std::endl;
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Error", message, nullptr);
        return false;
    }
    m_hge->System_SetState(HGE_HIDEMOUSE, true);
    m_initialised = true;
    m_hge->System_SetState(HGE_GFXRESTOREFUNC, &Engine::restore);
    return true;
}

void Engine::setCursor(Cursor* cursor) {
    if (m_cursor) {
        Log::warning("Engine::setCursor") << "m_cursor is already set, proceeding to overwrite but "
                                             "you probably have a memory leak";
    }
    m_cursor = cursor;
}

bool Engine::frame() {
    return instance()->runFrame();
}

bool Engine::runFrame() {
    const float dt = m_hge ? m_hge->Timer_GetDelta() : 0.0f;
    State* state = StateMachine::instance()->current();
    if (state) {
        state->processInput();
    }
    if (m_hge && m_hge->Input_GetKeyState(HGEK_ESCAPE)) {
        return true;
    }
    // The state may change inside processInput; ask again.
    state = StateMachine::instance()->current();
    if (state) {
        state->update(dt);
    }
    Manager<Logic*>::instance()->update(dt);
    InputEventQueue::instance()->swap();
    return !m_running;
}

bool Engine::render() {
    instance()->drawFrame();
    return false;
}

void Engine::drawFrame() {
    if (!m_hge) {
        return;
    }
    m_hge->Gfx_BeginScene();
    m_hge->Gfx_Clear(m_clearColor);
    Manager<Renderable*>::instance()->render();
    std::stable_sort(
        m_renderQueue.begin(), m_renderQueue.end(),
        [](const Renderable* a, const Renderable* b) { return a->getZ() < b->getZ(); });
    for (Renderable* renderable : m_renderQueue) {
        renderable->render();
    }
    DebugDraw::Renderer::instance()->render();
    m_hge->Gfx_EndScene();
    m_renderQueue.clear();
}

bool Engine::restore() {
    return false;
}
