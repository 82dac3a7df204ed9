#include "engine/HgeImpl.h"

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/EngineLog.h"

namespace engine {

HgeImpl* HgeImpl::s_instance = nullptr;

namespace {

bool envFlag(const char* name) {
    const char* value = std::getenv(name);
    return value && *value && std::strcmp(value, "0") != 0;
}

uint32_t millisecondClock() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count());
}

}  // namespace

HgeImpl* HgeImpl::acquire() {
    if (!s_instance) {
        s_instance = new HgeImpl;
    }
    ++s_instance->m_refs;
    return s_instance;
}

HgeImpl::HgeImpl() {
    m_random.seed(millisecondClock());
}

HgeImpl::~HgeImpl() {
    if (m_initiated) {
        System_Shutdown();
    }
    for (auto& entry : m_textures) {
        if (entry.second.pending) {
            SDL_FreeSurface(entry.second.pending);
        }
    }
    m_textures.clear();
    EngineLog::close();
}

void HgeImpl::Release() {
    if (--m_refs > 0) {
        return;
    }
    if (s_instance == this) {
        s_instance = nullptr;
    }
    delete this;
}

void HgeImpl::fail(const std::string& message) {
    m_error = message;
    EngineLog::write(message);
}

void HgeImpl::readEnvironment() {
    m_headless = envFlag("FISCORA_HEADLESS");

    m_fixedDelta = false;
    if (const char* dt = std::getenv("FISCORA_FIXED_DT")) {
        char* end = nullptr;
        double value = std::strtod(dt, &end);
        if (end != dt && *end == '\0' && value >= 0) {
            m_fixedDelta = true;
            m_fixedDeltaValue = static_cast<float>(value);
        } else {
            EngineLog::writef("FISCORA_FIXED_DT ignored: \"%s\" is not a time step", dt);
        }
    }

    m_autopilot.reset();
    if (const char* script = std::getenv("FISCORA_AUTOPILOT")) {
        if (*script) {
            m_autopilot = std::make_unique<Autopilot>();
            m_autopilot->load(script);
        }
    }
    const char* shots = std::getenv("FISCORA_SHOTS");
    m_shotDir = shots ? shots : "";
}

bool HgeImpl::System_Initiate() {
    if (m_initiated) {
        return true;
    }
    m_error.clear();
    EngineLog::write("Fiscora engine (SDL2) started");
    readEnvironment();

    if (m_headless) {
        // An explicit driver in the environment wins, so a wrong one fails.
        if (!std::getenv("SDL_VIDEODRIVER")) {
            SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        }
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        fail(std::string("Can't initialize video: ") + SDL_GetError());
        return false;
    }
    m_sdlVideo = true;
    if (!createWindow()) {
        if (m_renderer) {
            SDL_DestroyRenderer(m_renderer);
            m_renderer = nullptr;
        }
        if (m_window) {
            SDL_DestroyWindow(m_window);
            m_window = nullptr;
        }
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS);
        m_sdlVideo = false;
        return false;
    }

    if (const char* seed = std::getenv("FISCORA_SEED")) {
        uint32_t n = static_cast<uint32_t>(std::strtoll(seed, nullptr, 10));
        m_random.seed(n);
        std::srand(n);
        EngineLog::writef("Random seed fixed: %u", n);
    } else {
        Random_Seed(0);
    }
    if (m_fixedDelta) {
        EngineLog::writef("Fixed time step: %g s", m_fixedDeltaValue);
    }

    m_time = 0;
    m_delta = 0;
    m_fps = 0;
    m_frame = 0;
    m_lastCounter = SDL_GetPerformanceCounter();
    m_initiated = true;
    uploadPendingTextures();
    return true;
}

bool HgeImpl::createWindow() {
    // Headless there is no screen to fill, and the screenshots must keep
    // the game's size.
    bool fullscreen = !m_windowed && !m_headless;
    // A window may be resized by the player: the logical size below keeps the
    // game's aspect with bars, and pointer positions are mapped back.
    Uint32 flags = fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_RESIZABLE;
    m_window = SDL_CreateWindow(m_title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                m_screenWidth, m_screenHeight, flags);
    if (!m_window) {
        fail(std::string("Can't create window: ") + SDL_GetError());
        return false;
    }
    // Below half size the smallest text can no longer be read.
    SDL_SetWindowMinimumSize(m_window, m_screenWidth / 2, m_screenHeight / 2);
    if (m_headless) {
        m_renderer = SDL_CreateRenderer(m_window, -1, SDL_RENDERER_SOFTWARE);
    } else {
        m_renderer =
            SDL_CreateRenderer(m_window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
        if (!m_renderer) {
            m_renderer = SDL_CreateRenderer(m_window, -1, SDL_RENDERER_PRESENTVSYNC);
        }
        if (!m_renderer) {
            m_renderer = SDL_CreateRenderer(m_window, -1, 0);
        }
    }
    if (!m_renderer) {
        fail(std::string("Can't create renderer: ") + SDL_GetError());
        return false;
    }
    // Letterboxed at any output size; the game keeps drawing in its pixels.
    SDL_RenderSetLogicalSize(m_renderer, m_screenWidth, m_screenHeight);
    SDL_SetRenderDrawBlendMode(m_renderer, SDL_BLENDMODE_BLEND);
    applyMouseVisibility();
    m_mouseOver = !m_headless && (SDL_GetWindowFlags(m_window) & SDL_WINDOW_MOUSE_FOCUS) != 0;

    SDL_RendererInfo info;
    SDL_GetRendererInfo(m_renderer, &info);
    int outW = 0;
    int outH = 0;
    SDL_GetRendererOutputSize(m_renderer, &outW, &outH);
    const char* pacing = m_headless                                 ? ", headless, unthrottled"
                         : (info.flags & SDL_RENDERER_PRESENTVSYNC) ? ", vsync"
                                                                    : "";
    EngineLog::writef("Video mode: %dx%d %s, output %dx%d, driver %s, renderer %s%s", m_screenWidth,
                      m_screenHeight, fullscreen ? "full screen" : "windowed", outW, outH,
                      SDL_GetCurrentVideoDriver(), info.name, pacing);
    return true;
}

void HgeImpl::applyMouseVisibility() {
    if (m_sdlVideo) {
        SDL_ShowCursor(m_hideMouse ? SDL_DISABLE : SDL_ENABLE);
    }
}

void HgeImpl::System_Shutdown() {
    if (!m_initiated) {
        return;
    }
    destroyTextures();
    if (m_renderer) {
        SDL_DestroyRenderer(m_renderer);
        m_renderer = nullptr;
    }
    if (m_window) {
        SDL_DestroyWindow(m_window);
        m_window = nullptr;
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS);
    m_sdlVideo = false;
    m_initiated = false;
    m_inScene = false;
    EngineLog::write("Engine shut down");
}

bool HgeImpl::System_Start() {
    if (!m_initiated) {
        fail("System_Start: System_Initiate wasn't called");
        return false;
    }
    if (!m_frameFunc) {
        fail("System_Start: No frame function defined");
        return false;
    }
    m_quit = false;
    m_lastCounter = SDL_GetPerformanceCounter();
    const uint64_t frequency = SDL_GetPerformanceFrequency();

    for (;;) {
        processInput();
        if (m_quit) {
            // The exit callback may veto closing the window.
            if (m_exitFunc && !m_exitFunc()) {
                m_quit = false;
            } else {
                break;
            }
        }

        uint64_t now = SDL_GetPerformanceCounter();
        float measured = static_cast<float>(now - m_lastCounter) / static_cast<float>(frequency);
        if (m_fpsLimit > 0 && !m_headless) {
            float wanted = 1.0f / static_cast<float>(m_fpsLimit);
            if (measured < wanted) {
                SDL_Delay(static_cast<Uint32>((wanted - measured) * 1000.0f));
                now = SDL_GetPerformanceCounter();
                measured = static_cast<float>(now - m_lastCounter) / static_cast<float>(frequency);
            }
        }
        m_lastCounter = now;
        m_delta = m_fixedDelta ? m_fixedDeltaValue : measured;
        m_time += m_delta;
        ++m_fpsFrames;
        m_fpsTime += m_delta;
        if (m_fpsTime >= 1.0f) {
            m_fps = static_cast<int>(m_fpsFrames / m_fpsTime + 0.5f);
            m_fpsFrames = 0;
            m_fpsTime = 0;
        }

        if (m_frameFunc()) {
            break;
        }
        if (m_renderFunc) {
            m_renderFunc();
        }
        // A frame that never ended a scene still owes its screenshot.
        if (!m_shotsDue.empty()) {
            saveShots();
        }
    }
    EngineLog::writef("Frame loop ended after %d frames", m_frame);
    return true;
}

void HgeImpl::System_Log(const char* format, ...) {
    char buffer[2048];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    EngineLog::write(buffer);
}

bool HgeImpl::System_Launch(const char* url) {
    if (!url || !*url) {
        return false;
    }
    // Headless runs are tests and scripts: no browser pops up.
    if (m_headless) {
        EngineLog::writef("System_Launch: headless, not opening %s", url);
        return true;
    }
    if (SDL_OpenURL(url) != 0) {
        EngineLog::writef("System_Launch: can't open %s: %s", url, SDL_GetError());
        return false;
    }
    return true;
}

void HgeImpl::System_SetState(hgeBoolState state, bool value) {
    switch (state) {
        case HGE_WINDOWED:
            if (m_initiated && m_window && !m_headless && value != m_windowed) {
                SDL_SetWindowFullscreen(m_window, value ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
                SDL_SetWindowResizable(m_window, value ? SDL_TRUE : SDL_FALSE);
            }
            m_windowed = value;
            break;
        case HGE_ZBUFFER:
            m_zbuffer = value;
            break;
        case HGE_TEXTUREFILTER:
            m_textureFilter = value;
            break;
        case HGE_USESOUND:
            m_useSound = value;
            break;
        case HGE_DONTSUSPEND:
            m_dontSuspend = value;
            break;
        case HGE_HIDEMOUSE:
            m_hideMouse = value;
            applyMouseVisibility();
            break;
        case HGE_SHOWSPLASH:
            m_showSplash = value;
            break;
    }
}

void HgeImpl::System_SetState(hgeFuncState state, hgeCallback value) {
    switch (state) {
        case HGE_FRAMEFUNC:
            m_frameFunc = value;
            break;
        case HGE_RENDERFUNC:
            m_renderFunc = value;
            break;
        case HGE_FOCUSLOSTFUNC:
            m_focusLostFunc = value;
            break;
        case HGE_FOCUSGAINFUNC:
            m_focusGainFunc = value;
            break;
        case HGE_GFXRESTOREFUNC:
            m_gfxRestoreFunc = value;
            break;
        case HGE_EXITFUNC:
            m_exitFunc = value;
            break;
    }
}

void HgeImpl::System_SetState(hgeIntState state, int value) {
    switch (state) {
        case HGE_SCREENWIDTH:
        case HGE_SCREENHEIGHT:
            // The window keeps its size once it exists.
            if (m_initiated) {
                EngineLog::write("System_SetState: screen size can't change after System_Initiate");
            } else if (value > 0) {
                (state == HGE_SCREENWIDTH ? m_screenWidth : m_screenHeight) = value;
            }
            break;
        case HGE_SCREENBPP:
            m_screenBpp = value;
            break;
        case HGE_FPS:
            m_fpsLimit = value;
            break;
    }
}

void HgeImpl::System_SetState(hgeStringState state, const char* value) {
    switch (state) {
        case HGE_TITLE:
            m_title = value ? value : "";
            if (m_window) {
                SDL_SetWindowTitle(m_window, m_title.c_str());
            }
            break;
        case HGE_LOGFILE:
            m_logFile = value ? value : "";
            EngineLog::open(m_logFile);
            break;
    }
}

bool HgeImpl::System_GetState(hgeBoolState state) {
    switch (state) {
        case HGE_WINDOWED:
            return m_windowed;
        case HGE_ZBUFFER:
            return m_zbuffer;
        case HGE_TEXTUREFILTER:
            return m_textureFilter;
        case HGE_USESOUND:
            return m_useSound;
        case HGE_DONTSUSPEND:
            return m_dontSuspend;
        case HGE_HIDEMOUSE:
            return m_hideMouse;
        case HGE_SHOWSPLASH:
            return m_showSplash;
    }
    return false;
}

hgeCallback HgeImpl::System_GetState(hgeFuncState state) {
    switch (state) {
        case HGE_FRAMEFUNC:
            return m_frameFunc;
        case HGE_RENDERFUNC:
            return m_renderFunc;
        case HGE_FOCUSLOSTFUNC:
            return m_focusLostFunc;
        case HGE_FOCUSGAINFUNC:
            return m_focusGainFunc;
        case HGE_GFXRESTOREFUNC:
            return m_gfxRestoreFunc;
        case HGE_EXITFUNC:
            return m_exitFunc;
    }
    return nullptr;
}

int HgeImpl::System_GetState(hgeIntState state) {
    switch (state) {
        case HGE_SCREENWIDTH:
            return m_screenWidth;
        case HGE_SCREENHEIGHT:
            return m_screenHeight;
        case HGE_SCREENBPP:
            return m_screenBpp;
        case HGE_FPS:
            return m_fpsLimit;
    }
    return 0;
}

const char* HgeImpl::System_GetState(hgeStringState state) {
    switch (state) {
        case HGE_TITLE:
            return m_title.c_str();
        case HGE_LOGFILE:
            return m_logFile.empty() ? nullptr : m_logFile.c_str();
    }
    return nullptr;
}

void HgeImpl::Random_Seed(int seed) {
    m_random.seed(seed ? static_cast<uint32_t>(seed) : millisecondClock());
}

}  // namespace engine

HGE* hgeCreate(int ver) {
    if (ver != HGE_VERSION) {
        engine::EngineLog::writef("hgeCreate: interface version 0x%X asked, 0x%X provided", ver,
                                  HGE_VERSION);
    }
    return engine::HgeImpl::acquire();
}
