#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "engine/hge.h"

namespace {

HGE* g_hge = nullptr;
std::vector<std::string> g_frames;

// One letter a frame for the left button: held (h) or not (-), then
// pressed (P) and released (R) this frame.
bool noteButton() {
    std::string frame = g_hge->Input_GetKeyState(HGEK_LBUTTON) ? "h" : "-";
    frame += g_hge->Input_KeyDown(HGEK_LBUTTON) ? "P" : "";
    frame += g_hge->Input_KeyUp(HGEK_LBUTTON) ? "R" : "";
    g_frames.push_back(frame);
    return g_frames.size() == 3;
}

void queueButton(Uint32 type) {
    SDL_Event event{};
    event.type = type;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = 100;
    event.button.y = 100;
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

}  // namespace

// A tap (press and release both waiting before one frame) is seen held for
// that frame and released on the next, as the pointer polls the button state.
TEST(QuickClick, PressAndReleaseInOneFrameReachThePointerOnTwoFrames) {
    test::HeadlessEngine engine;
    ASSERT_TRUE(engine.ok());
    g_hge = engine.hge();
    g_frames.clear();
    g_hge->System_SetState(HGE_FRAMEFUNC, noteButton);
    queueButton(SDL_MOUSEBUTTONDOWN);
    queueButton(SDL_MOUSEBUTTONUP);
    ASSERT_TRUE(g_hge->System_Start());
    EXPECT_EQ(g_frames, (std::vector<std::string>{"hP", "-R", "-"}));
}
