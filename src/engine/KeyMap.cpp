#include "engine/KeyMap.h"

#include <cctype>

#include "engine/hge.h"

namespace engine {

int virtualKeyFromSdl(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) {
        return HGEK_A + (key - SDLK_a);
    }
    if (key >= SDLK_0 && key <= SDLK_9) {
        return HGEK_0 + (key - SDLK_0);
    }
    if (key >= SDLK_F1 && key <= SDLK_F12) {
        return HGEK_F1 + (key - SDLK_F1);
    }
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) {
        return HGEK_NUMPAD1 + (key - SDLK_KP_1);
    }
    switch (key) {
        case SDLK_BACKSPACE:
            return HGEK_BACKSPACE;
        case SDLK_TAB:
            return HGEK_TAB;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return HGEK_ENTER;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return HGEK_SHIFT;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return HGEK_CTRL;
        case SDLK_LALT:
        case SDLK_RALT:
            return HGEK_ALT;
        case SDLK_PAUSE:
            return HGEK_PAUSE;
        case SDLK_CAPSLOCK:
            return HGEK_CAPSLOCK;
        case SDLK_ESCAPE:
            return HGEK_ESCAPE;
        case SDLK_SPACE:
            return HGEK_SPACE;
        case SDLK_PAGEUP:
            return HGEK_PGUP;
        case SDLK_PAGEDOWN:
            return HGEK_PGDN;
        case SDLK_END:
            return HGEK_END;
        case SDLK_HOME:
            return HGEK_HOME;
        case SDLK_LEFT:
            return HGEK_LEFT;
        case SDLK_UP:
            return HGEK_UP;
        case SDLK_RIGHT:
            return HGEK_RIGHT;
        case SDLK_DOWN:
            return HGEK_DOWN;
        case SDLK_INSERT:
            return HGEK_INSERT;
        case SDLK_DELETE:
            return HGEK_DELETE;
        case SDLK_LGUI:
            return HGEK_LWIN;
        case SDLK_RGUI:
            return HGEK_RWIN;
        case SDLK_APPLICATION:
            return HGEK_APPS;
        case SDLK_KP_0:
            return HGEK_NUMPAD0;
        case SDLK_KP_MULTIPLY:
            return HGEK_MULTIPLY;
        case SDLK_KP_PLUS:
            return HGEK_ADD;
        case SDLK_KP_MINUS:
            return HGEK_SUBTRACT;
        case SDLK_KP_PERIOD:
            return HGEK_DECIMAL;
        case SDLK_KP_DIVIDE:
            return HGEK_DIVIDE;
        case SDLK_NUMLOCKCLEAR:
            return HGEK_NUMLOCK;
        case SDLK_SCROLLLOCK:
            return HGEK_SCROLLLOCK;
        case SDLK_SEMICOLON:
            return HGEK_SEMICOLON;
        case SDLK_EQUALS:
            return HGEK_EQUALS;
        case SDLK_COMMA:
            return HGEK_COMMA;
        case SDLK_MINUS:
            return HGEK_MINUS;
        case SDLK_PERIOD:
            return HGEK_PERIOD;
        case SDLK_SLASH:
            return HGEK_SLASH;
        case SDLK_BACKQUOTE:
            return HGEK_GRAVE;
        case SDLK_LEFTBRACKET:
            return HGEK_LBRACKET;
        case SDLK_BACKSLASH:
            return HGEK_BACKSLASH;
        case SDLK_RIGHTBRACKET:
            return HGEK_RBRACKET;
        case SDLK_QUOTE:
            return HGEK_APOSTROPHE;
        default:
            return 0;
    }
}

const char* virtualKeyName(int key) {
    static const char* const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    static const char* const letters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                          "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                          "S", "T", "U", "V", "W", "X", "Y", "Z"};
    static const char* const numpad[] = {"NumPad 0", "NumPad 1", "NumPad 2", "NumPad 3",
                                         "NumPad 4", "NumPad 5", "NumPad 6", "NumPad 7",
                                         "NumPad 8", "NumPad 9"};
    static const char* const functions[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                            "F7", "F8", "F9", "F10", "F11", "F12"};
    if (key >= HGEK_0 && key <= HGEK_9) {
        return digits[key - HGEK_0];
    }
    if (key >= HGEK_A && key <= HGEK_Z) {
        return letters[key - HGEK_A];
    }
    if (key >= HGEK_NUMPAD0 && key <= HGEK_NUMPAD9) {
        return numpad[key - HGEK_NUMPAD0];
    }
    if (key >= HGEK_F1 && key <= HGEK_F12) {
        return functions[key - HGEK_F1];
    }
    switch (key) {
        case HGEK_LBUTTON:
            return "Left Mouse Button";
        case HGEK_RBUTTON:
            return "Right Mouse Button";
        case HGEK_MBUTTON:
            return "Middle Mouse Button";
        case HGEK_BACKSPACE:
            return "Backspace";
        case HGEK_TAB:
            return "Tab";
        case HGEK_ENTER:
            return "Enter";
        case HGEK_SHIFT:
            return "Shift";
        case HGEK_CTRL:
            return "Ctrl";
        case HGEK_ALT:
            return "Alt";
        case HGEK_PAUSE:
            return "Pause";
        case HGEK_CAPSLOCK:
            return "Caps Lock";
        case HGEK_ESCAPE:
            return "Escape";
        case HGEK_SPACE:
            return "Space";
        case HGEK_PGUP:
            return "Page Up";
        case HGEK_PGDN:
            return "Page Down";
        case HGEK_END:
            return "End";
        case HGEK_HOME:
            return "Home";
        case HGEK_LEFT:
            return "Left Arrow";
        case HGEK_UP:
            return "Up Arrow";
        case HGEK_RIGHT:
            return "Right Arrow";
        case HGEK_DOWN:
            return "Down Arrow";
        case HGEK_INSERT:
            return "Insert";
        case HGEK_DELETE:
            return "Delete";
        case HGEK_LWIN:
            return "Left Win";
        case HGEK_RWIN:
            return "Right Win";
        case HGEK_APPS:
            return "Application";
        case HGEK_MULTIPLY:
            return "Multiply";
        case HGEK_ADD:
            return "Add";
        case HGEK_SUBTRACT:
            return "Subtract";
        case HGEK_DECIMAL:
            return "Decimal";
        case HGEK_DIVIDE:
            return "Divide";
        case HGEK_NUMLOCK:
            return "Num Lock";
        case HGEK_SCROLLLOCK:
            return "Scroll Lock";
        case HGEK_SEMICOLON:
            return "Semicolon";
        case HGEK_EQUALS:
            return "Equals";
        case HGEK_COMMA:
            return "Comma";
        case HGEK_MINUS:
            return "Minus";
        case HGEK_PERIOD:
            return "Period";
        case HGEK_SLASH:
            return "Slash";
        case HGEK_GRAVE:
            return "Grave";
        case HGEK_LBRACKET:
            return "Left bracket";
        case HGEK_BACKSLASH:
            return "Backslash";
        case HGEK_RBRACKET:
            return "Right bracket";
        case HGEK_APOSTROPHE:
            return "Apostrophe";
        default:
            return "?";
    }
}

int virtualKeyFromScriptName(const std::string& name) {
    std::string n;
    for (char c : name) {
        n += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (n.size() == 1 && n[0] >= 'a' && n[0] <= 'z') {
        return HGEK_A + (n[0] - 'a');
    }
    if (n.size() == 1 && n[0] >= '0' && n[0] <= '9') {
        return HGEK_0 + (n[0] - '0');
    }
    if (n.size() >= 2 && n.size() <= 3 && n[0] == 'f') {
        int number = 0;
        for (size_t i = 1; i < n.size(); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(n[i]))) {
                return 0;
            }
            number = number * 10 + (n[i] - '0');
        }
        // "f01" is not a key name.
        if (n[1] == '0' || number < 1 || number > 12) {
            return 0;
        }
        return HGEK_F1 + number - 1;
    }
    if (n == "escape")
        return HGEK_ESCAPE;
    if (n == "return")
        return HGEK_ENTER;
    if (n == "backspace")
        return HGEK_BACKSPACE;
    if (n == "space")
        return HGEK_SPACE;
    if (n == "left")
        return HGEK_LEFT;
    if (n == "right")
        return HGEK_RIGHT;
    if (n == "up")
        return HGEK_UP;
    if (n == "down")
        return HGEK_DOWN;
    return 0;
}

}  // namespace engine
