#include "engine/EngineTestSupport.h"

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
    std::string names;
    for (int key : {HGEK_LBUTTON, HGEK_RBUTTON, HGEK_ESCAPE, HGEK_SPACE, HGEK_NUMPAD0, HGEK_A,
                    HGEK_7, HGEK_F10, 0, 300}) {
        names += engine::virtualKeyName(key) + std::string(";");
    }
    EXPECT_EQ(names, "Left Mouse Button;Right Mouse Button;Escape;Space;NumPad 0;A;7;F10;?;?;");
    for (int sdl = SDLK_SPACE; sdl <= SDLK_z; ++sdl) {
        if (int key = engine::virtualKeyFromSdl(sdl)) {
            EXPECT_STRNE(engine::virtualKeyName(key), "?") << "SDL key " << sdl;
        }
    }
}

TEST(KeyMap, ScriptNames) {
    const std::pair<const char*, int> names[] = {
        {"escape", HGEK_ESCAPE}, {"return", HGEK_ENTER}, {"backspace", HGEK_BACKSPACE},
        {"space", HGEK_SPACE},   {"left", HGEK_LEFT},    {"down", HGEK_DOWN},
        {"f1", HGEK_F1},         {"F12", HGEK_F12},      {"q", HGEK_Q}};
    for (const auto& [name, key] : names) {
        EXPECT_EQ(engine::virtualKeyFromScriptName(name), key) << name;
    }
    EXPECT_EQ(engine::virtualKeyFromScriptName("0"), HGEK_0);
    for (const char* bad : {"f0", "f13", "f01", "enter", "", "aa", "10", "esc"}) {
        EXPECT_EQ(engine::virtualKeyFromScriptName(bad), 0) << bad;
    }
}
