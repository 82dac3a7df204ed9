// Keyboard and pointer state of the engine object: SDL events and the
// autopilot's scripted input land in the same per-frame tables.
#include <algorithm>
#include <cstring>

#include "engine/EngineLog.h"
#include "engine/HgeImpl.h"
#include "engine/KeyMap.h"

namespace engine {

namespace {

int mouseButtonKey(Uint8 button) {
    switch (button) {
        case SDL_BUTTON_LEFT:
            return HGEK_LBUTTON;
        case SDL_BUTTON_RIGHT:
            return HGEK_RBUTTON;
        case SDL_BUTTON_MIDDLE:
            return HGEK_MBUTTON;
        default:
            return 0;
    }
}

// The first character of UTF-8 text as a Windows-1252 byte, 0 when it has none.
int windows1252Char(const char* text) {
    const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
    if (s[0] < 0x80) {
        return s[0];
    }
    if ((s[0] & 0xE0) == 0xC0 && (s[1] & 0xC0) == 0x80) {
        int code = ((s[0] & 0x1F) << 6) | (s[1] & 0x3F);
        return code >= 0xA0 && code <= 0xFF ? code : 0;
    }
    return 0;
}

}  // namespace

void HgeImpl::clearFrameInput() {
    std::memset(m_keysDown, 0, sizeof m_keysDown);
    std::memset(m_keysUp, 0, sizeof m_keysUp);
    m_lastKey = 0;
    m_lastChar = 0;
    m_wheel = 0;
}

void HgeImpl::processInput() {
    ++m_frame;
    clearFrameInput();
    for (int key = 1; key < 256; ++key) {
        if (m_releaseNextFrame[key]) {
            m_releaseNextFrame[key] = false;
            keyEvent(key, false);
        }
    }
    if (m_sdlVideo) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            handleEvent(event);
        }
    }
    runAutopilot();
}

void HgeImpl::keyEvent(int key, bool down) {
    if (key <= 0 || key > 255) {
        return;
    }
    if (down) {
        if (!m_keys[key]) {
            m_keysDown[key] = true;
        }
        m_keys[key] = true;
        m_releaseNextFrame[key] = false;
        m_lastKey = key;
    } else if (m_keysDown[key]) {
        // Pressed and released within one frame: nobody polling the key
        // state would ever see the press, so hold it until the next frame.
        m_releaseNextFrame[key] = true;
    } else {
        if (m_keys[key]) {
            m_keysUp[key] = true;
        }
        m_keys[key] = false;
    }
}

void HgeImpl::setMouse(float x, float y) {
    float maxX = static_cast<float>(m_screenWidth - 1);
    float maxY = static_cast<float>(m_screenHeight - 1);
    m_mouseX = std::clamp(x, 0.0f, maxX);
    m_mouseY = std::clamp(y, 0.0f, maxY);
}

void HgeImpl::handleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            // Also SIGTERM: SDL turns it into this event.
            m_quit = true;
            break;
        case SDL_KEYDOWN: {
            int key = virtualKeyFromSdl(event.key.keysym.sym);
            if (event.key.repeat) {
                if (key) {
                    m_lastKey = key;
                }
            } else {
                keyEvent(key, true);
            }
            switch (key) {
                case HGEK_BACKSPACE:
                case HGEK_TAB:
                case HGEK_ENTER:
                case HGEK_ESCAPE:
                    m_lastChar = key;
                    break;
                default:
                    break;
            }
            break;
        }
        case SDL_KEYUP:
            keyEvent(virtualKeyFromSdl(event.key.keysym.sym), false);
            break;
        case SDL_TEXTINPUT: {
            int c = windows1252Char(event.text.text);
            if (c) {
                m_lastChar = c;
            }
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
        case SDL_MOUSEMOTION: {
            // Event positions are logical but unclamped; start from the window's.
            int wx = 0;
            int wy = 0;
            SDL_GetMouseState(&wx, &wy);
            float lx = static_cast<float>(wx);
            float ly = static_cast<float>(wy);
            if (m_renderer) {
                SDL_RenderWindowToLogical(m_renderer, wx, wy, &lx, &ly);
            }
            setMouse(lx, ly);
            if (event.type != SDL_MOUSEMOTION) {
                keyEvent(mouseButtonKey(event.button.button), event.type == SDL_MOUSEBUTTONDOWN);
            }
            break;
        }
        case SDL_MOUSEWHEEL:
            m_wheel += event.wheel.y;
            break;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_ENTER:
                    m_mouseOver = true;
                    break;
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    EngineLog::writef("Window resized to %dx%d", event.window.data1,
                                      event.window.data2);
                    break;
                case SDL_WINDOWEVENT_LEAVE:
                    m_mouseOver = false;
                    break;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    if (m_focusLostFunc) {
                        m_focusLostFunc();
                    }
                    break;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    if (m_focusGainFunc) {
                        m_focusGainFunc();
                    }
                    break;
                default:
                    break;
            }
            break;
        default:
            break;
    }
}

void HgeImpl::runAutopilot() {
    const InputSource& source = inputSource();
    if (!m_autopilot && !source) {
        return;
    }
    if (!m_autopilot) {
        // The source's clicks need somewhere to keep their release.
        m_autopilot = std::make_unique<Autopilot>();
    }
    std::vector<AutopilotCommand> due = m_autopilot->takeFrame(m_frame);
    if (source) {
        source(m_frame, due);
    }
    for (const AutopilotCommand& command : due) {
        applyCommand(command);
    }
}

void HgeImpl::applyCommand(const AutopilotCommand& command) {
    using Type = AutopilotCommand::Type;
    switch (command.type) {
        case Type::MOVE:
            setMouse(command.x, command.y);
            break;
        case Type::PRESS:
            keyEvent(command.key, true);
            break;
        case Type::RELEASE:
            keyEvent(command.key, false);
            break;
        case Type::KEY:
            keyEvent(command.key, command.down);
            break;
        case Type::CLICK:
        case Type::CLICKON: {
            float x = command.x;
            float y = command.y;
            if (command.type == Type::CLICKON) {
                const ClickonResolver& resolver = clickonResolver();
                if (!resolver || !resolver(command.name, x, y)) {
                    EngineLog::writef("Autopilot: line %d: no widget \"%s\" to click", command.line,
                                      command.name.c_str());
                    break;
                }
            }
            setMouse(x, y);
            keyEvent(HGEK_LBUTTON, true);
            AutopilotCommand release;
            release.frame = m_frame + 1;
            release.type = Type::RELEASE;
            release.key = HGEK_LBUTTON;
            release.line = command.line;
            m_autopilot->schedule(release);
            break;
        }
        case Type::SHOT:
            if (m_shotDir.empty()) {
                EngineLog::writef("Autopilot: line %d: shot %s skipped, FISCORA_SHOTS not set",
                                  command.line, command.name.c_str());
            } else {
                m_shotsDue.push_back(command.name);
            }
            break;
        case Type::QUIT:
            EngineLog::writef("Autopilot: quit at frame %d", m_frame);
            m_quit = true;
            break;
        default:
            break;
    }
}

void HgeImpl::Input_GetMousePos(float* x, float* y) {
    if (x) {
        *x = m_mouseX;
    }
    if (y) {
        *y = m_mouseY;
    }
}

void HgeImpl::Input_SetMousePos(float x, float y) {
    setMouse(x, y);
    if (m_window && m_renderer && !m_headless) {
        int wx = 0;
        int wy = 0;
        SDL_RenderLogicalToWindow(m_renderer, m_mouseX, m_mouseY, &wx, &wy);
        SDL_WarpMouseInWindow(m_window, wx, wy);
    }
}

bool HgeImpl::Input_KeyDown(int key) {
    return key > 0 && key < 256 && m_keysDown[key];
}

bool HgeImpl::Input_KeyUp(int key) {
    return key > 0 && key < 256 && m_keysUp[key];
}

bool HgeImpl::Input_GetKeyState(int key) {
    return key > 0 && key < 256 && m_keys[key];
}

const char* HgeImpl::Input_GetKeyName(int key) {
    return virtualKeyName(key);
}

}  // namespace engine
