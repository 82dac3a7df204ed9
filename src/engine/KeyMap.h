// Translation between SDL's keys and the Windows virtual-key numbers that the
// game uses as key codes, plus the keys' display names.
#pragma once

#include <SDL.h>

#include <string>

namespace engine {

// 0 for a key the game has no code for.
int virtualKeyFromSdl(SDL_Keycode key);
// "Left Mouse Button", "Escape", "NumPad 0", ...; "?" for an unknown code.
const char* virtualKeyName(int key);
// The key names of autopilot scripts ("escape", "return", "f1", "a", "0", ...),
// case-insensitive; 0 for an unknown name.
int virtualKeyFromScriptName(const std::string& name);

}  // namespace engine
