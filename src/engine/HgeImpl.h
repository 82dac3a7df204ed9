// The engine object on SDL2. One instance per process, reference counted
// through hgeCreate and Release. Its members are spread over HgeImpl.cpp
// (system, states, frame loop), HgeInput.cpp and HgeGraphics.cpp.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/Autopilot.h"
#include "engine/RandomGenerator.h"
#include "engine/hge.h"

namespace engine {

class HgeImpl : public HGE {
public:
    static HgeImpl* acquire();
    static HgeImpl* current() { return s_instance; }

    void Release() override;

    bool System_Initiate() override;
    void System_Shutdown() override;
    bool System_Start() override;
    const char* System_GetErrorMessage() override { return m_error.c_str(); }
    void System_Log(const char* format, ...) override;
    bool System_Launch(const char* url) override;

    void System_SetState(hgeBoolState state, bool value) override;
    void System_SetState(hgeFuncState state, hgeCallback value) override;
    void System_SetState(hgeIntState state, int value) override;
    void System_SetState(hgeStringState state, const char* value) override;
    bool System_GetState(hgeBoolState state) override;
    hgeCallback System_GetState(hgeFuncState state) override;
    int System_GetState(hgeIntState state) override;
    const char* System_GetState(hgeStringState state) override;

    void Random_Seed(int seed = 0) override;
    int Random_Int(int min, int max) override { return m_random.nextInt(min, max); }
    float Random_Float(float min, float max) override { return m_random.nextFloat(min, max); }

    float Timer_GetTime() override { return m_time; }
    float Timer_GetDelta() override { return m_delta; }
    int Timer_GetFPS() override { return m_fps; }

    void Input_GetMousePos(float* x, float* y) override;
    void Input_SetMousePos(float x, float y) override;
    int Input_GetMouseWheel() override { return m_wheel; }
    bool Input_IsMouseOver() override { return m_mouseOver; }
    bool Input_KeyDown(int key) override;
    bool Input_KeyUp(int key) override;
    bool Input_GetKeyState(int key) override;
    const char* Input_GetKeyName(int key) override;
    int Input_GetKey() override { return m_lastKey; }
    int Input_GetChar() override { return m_lastChar; }

    bool Gfx_BeginScene(HTEXTURE target = 0) override;
    void Gfx_EndScene() override;
    void Gfx_Clear(uint32_t color) override;
    void Gfx_RenderLine(float x1, float y1, float x2, float y2, uint32_t color = 0xFFFFFFFF,
                        float z = 0.5f) override;
    void Gfx_RenderQuad(const hgeQuad* quad) override;

    HTEXTURE Texture_Load(const char* data, uint32_t size = 0, bool mipmap = false) override;
    void Texture_Free(HTEXTURE tex) override;
    int Texture_GetWidth(HTEXTURE tex, bool original = false) override;
    int Texture_GetHeight(HTEXTURE tex, bool original = false) override;

    // Test and tool helpers, not part of the game's interface.
    SDL_Renderer* renderer() const { return m_renderer; }
    bool headless() const { return m_headless; }
    // Runs the per-frame input step (events and autopilot) without callbacks.
    void beginInputFrame() { processInput(); }
    // The current frame as an RGB surface of the game's size, or null.
    SDL_Surface* readFrame();
    // Sees every quad handed to Gfx_RenderQuad, drawn or not (tests).
    void setQuadObserver(std::function<void(const hgeQuad&)> observer) {
        m_quadObserver = std::move(observer);
    }
    int frameNumber() const { return m_frame; }

private:
    struct Texture {
        SDL_Texture* texture = nullptr;
        SDL_Surface* pending = nullptr;  // decoded before a renderer existed
        int width = 0;
        int height = 0;
    };

    HgeImpl();
    ~HgeImpl() override;

    void fail(const std::string& message);
    void readEnvironment();
    bool createWindow();
    void applyMouseVisibility();

    // Input (HgeInput.cpp).
    void clearFrameInput();
    void processInput();
    void handleEvent(const SDL_Event& event);
    void keyEvent(int key, bool down);
    void runAutopilot();
    // One script or input-source command, as if the user had done it.
    void applyCommand(const AutopilotCommand& command);
    void setMouse(float x, float y);

    // Drawing (HgeGraphics.cpp).
    Texture* findTexture(HTEXTURE tex);
    SDL_Texture* uploadTexture(Texture& entry);
    void uploadPendingTextures();
    void destroyTextures();
    bool renderQuadAsCopy(const hgeQuad& quad, SDL_Texture* texture, const Texture& entry);
    void saveShots();

    static HgeImpl* s_instance;
    int m_refs = 0;

    // States.
    bool m_windowed = false;
    bool m_zbuffer = false;
    bool m_textureFilter = true;
    bool m_useSound = true;
    bool m_dontSuspend = false;
    bool m_hideMouse = true;
    bool m_showSplash = true;
    hgeCallback m_frameFunc = nullptr;
    hgeCallback m_renderFunc = nullptr;
    hgeCallback m_focusLostFunc = nullptr;
    hgeCallback m_focusGainFunc = nullptr;
    hgeCallback m_gfxRestoreFunc = nullptr;
    hgeCallback m_exitFunc = nullptr;
    int m_screenWidth = 800;
    int m_screenHeight = 600;
    int m_screenBpp = 32;
    int m_fpsLimit = 0;
    std::string m_title = "HGE";
    std::string m_logFile;
    std::string m_error;

    // Environment.
    bool m_headless = false;
    bool m_fixedDelta = false;
    float m_fixedDeltaValue = 0;
    std::unique_ptr<Autopilot> m_autopilot;
    std::string m_shotDir;

    // System.
    bool m_initiated = false;
    bool m_sdlVideo = false;
    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    bool m_quit = false;
    int m_frame = 0;
    RandomGenerator m_random;

    // Timer.
    uint64_t m_lastCounter = 0;
    float m_time = 0;
    float m_delta = 0;
    int m_fps = 0;
    int m_fpsFrames = 0;
    float m_fpsTime = 0;

    // Input.
    bool m_keys[256] = {};
    bool m_keysDown[256] = {};
    bool m_keysUp[256] = {};
    // Releases that came in the frame of their own press (a tap): they take
    // effect at the start of the next frame, so every press is seen held.
    bool m_releaseNextFrame[256] = {};
    float m_mouseX = 0;
    float m_mouseY = 0;
    int m_wheel = 0;
    bool m_mouseOver = false;
    int m_lastKey = 0;
    int m_lastChar = 0;

    // Graphics.
    std::map<HTEXTURE, Texture> m_textures;
    HTEXTURE m_nextTexture = 1;
    bool m_inScene = false;
    std::vector<std::string> m_shotsDue;
    std::function<void(const hgeQuad&)> m_quadObserver;
};

}  // namespace engine
