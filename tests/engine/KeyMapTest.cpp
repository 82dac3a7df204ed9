#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "engine/KeyMap.h"
#include "engine/hge.h"

TEST(KeyMap, SdlKeysBecomeWindowsVirtualKeys) {
    const std::pair<SDL_Keycode, int> keys[] = {
        {SDLK_a, 0x41},        {SDLK_z, 0x5A},         {SDLK_0, 0x30},      {SDLK_9, 0x39},
        {SDLK_F1, 0x70},       {SDLK_F12, 0x7B},       {SDLK_ESCAPE, 0x1B}, {SDLK_RETURN, 0x0D},
        {SDLK_KP_ENTER, 0x0D}, {SDLK_BACKSPACE, 0x08}, {SDLK_SPACE, 0x20},  {SDLK_LEFT, 0x25},
        {SDLK_UP, 0x26},       {SDLK_RIGHT, 0x27},     {SDLK_DOWN, 0x28},   {SDLK_KP_0, 0x60},
        {SDLK_KP_9, 0x69},     {SDLK_RSHIFT, 0x10},    {SDLK_LCTRL, 0x11},  {SDLK_UNKNOWN, 0}};
    for (const auto& [sdl, key] : keys) {
        EXPECT_EQ(engine::virtualKeyFromSdl(sdl), key) << "SDL key " << sdl;
    }
}

TEST(KeyMap, EveryMappedKeyHasAName) {
    const std::pair<int, const char*> names[] = {{HGEK_LBUTTON, "Left Mouse Button"},
                                                 {HGEK_RBUTTON, "Right Mouse Button"},
                                                 {HGEK_ESCAPE, "Escape"},
                                                 {HGEK_SPACE, "Space"},
                                                 {HGEK_NUMPAD0, "NumPad 0"},
                                                 {HGEK_A, "A"},
                                                 {HGEK_7, "7"},
                                                 {HGEK_F10, "F10"},
                                                 {0, "?"},
                                                 {300, "?"}};
    for (const auto& [key, name] : names) {
        EXPECT_STREQ(engine::virtualKeyName(key), name) << key;
    }
    for (int sdl = SDLK_SPACE; sdl <= SDLK_z; ++sdl) {
        if (int key = engine::virtualKeyFromSdl(sdl)) {
            EXPECT_STRNE(engine::virtualKeyName(key), "?") << "SDL key " << sdl;
        }
    }
}

TEST(KeyMap, ScriptNames) {
    const std::pair<const char*, int> names[] = {{"escape", HGEK_ESCAPE},
                                                 {"return", HGEK_ENTER},
                                                 {"backspace", HGEK_BACKSPACE},
                                                 {"space", HGEK_SPACE},
                                                 {"left", HGEK_LEFT},
                                                 {"down", HGEK_DOWN},
                                                 {"f1", HGEK_F1},
                                                 {"F12", HGEK_F12},
                                                 {"q", HGEK_Q},
                                                 {"0", HGEK_0},
                                                 {"f0", 0},
                                                 {"f13", 0},
                                                 {"f01", 0},
                                                 {"enter", 0},
                                                 {"", 0},
                                                 {"aa", 0},
                                                 {"10", 0},
                                                 {"esc", 0}};
    for (const auto& [name, key] : names) {
        EXPECT_EQ(engine::virtualKeyFromScriptName(name), key) << name;
    }
}
