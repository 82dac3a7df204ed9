#include <gtest/gtest.h>

#include <string>

#include "engine/KeyMap.h"
#include "engine/hge.h"

TEST(KeyMap, SdlKeysBecomeWindowsVirtualKeys) {
    using engine::virtualKeyFromSdl;
    EXPECT_EQ(virtualKeyFromSdl(SDLK_a), 0x41);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_z), 0x5A);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_0), 0x30);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_9), 0x39);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_F1), 0x70);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_F12), 0x7B);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_ESCAPE), 0x1B);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_RETURN), 0x0D);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_KP_ENTER), 0x0D);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_BACKSPACE), 0x08);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_SPACE), 0x20);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_LEFT), 0x25);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_UP), 0x26);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_RIGHT), 0x27);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_DOWN), 0x28);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_KP_0), 0x60);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_KP_9), 0x69);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_RSHIFT), 0x10);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_LCTRL), 0x11);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_UNKNOWN), 0);
}

TEST(KeyMap, EveryMappedKeyHasAName) {
    using engine::virtualKeyName;
    EXPECT_STREQ(virtualKeyName(HGEK_LBUTTON), "Left Mouse Button");
    EXPECT_STREQ(virtualKeyName(HGEK_RBUTTON), "Right Mouse Button");
    EXPECT_STREQ(virtualKeyName(HGEK_ESCAPE), "Escape");
    EXPECT_STREQ(virtualKeyName(HGEK_SPACE), "Space");
    EXPECT_STREQ(virtualKeyName(HGEK_NUMPAD0), "NumPad 0");
    EXPECT_STREQ(virtualKeyName(HGEK_A), "A");
    EXPECT_STREQ(virtualKeyName(HGEK_7), "7");
    EXPECT_STREQ(virtualKeyName(HGEK_F10), "F10");
    EXPECT_STREQ(virtualKeyName(0), "?");
    EXPECT_STREQ(virtualKeyName(300), "?");
    for (int sdl = SDLK_SPACE; sdl <= SDLK_z; ++sdl) {
        int key = engine::virtualKeyFromSdl(sdl);
        if (key) {
            EXPECT_STRNE(virtualKeyName(key), "?") << "SDL key " << sdl;
        }
    }
}

TEST(KeyMap, ScriptNames) {
    using engine::virtualKeyFromScriptName;
    EXPECT_EQ(virtualKeyFromScriptName("escape"), HGEK_ESCAPE);
    EXPECT_EQ(virtualKeyFromScriptName("return"), HGEK_ENTER);
    EXPECT_EQ(virtualKeyFromScriptName("backspace"), HGEK_BACKSPACE);
    EXPECT_EQ(virtualKeyFromScriptName("space"), HGEK_SPACE);
    EXPECT_EQ(virtualKeyFromScriptName("left"), HGEK_LEFT);
    EXPECT_EQ(virtualKeyFromScriptName("down"), HGEK_DOWN);
    EXPECT_EQ(virtualKeyFromScriptName("f1"), HGEK_F1);
    EXPECT_EQ(virtualKeyFromScriptName("F12"), HGEK_F12);
    EXPECT_EQ(virtualKeyFromScriptName("q"), HGEK_Q);
    EXPECT_EQ(virtualKeyFromScriptName("0"), HGEK_0);
    for (const char* bad : {"f0", "f13", "f01", "enter", "", "aa", "10", "esc"}) {
        EXPECT_EQ(virtualKeyFromScriptName(bad), 0) << bad;
    }
}
