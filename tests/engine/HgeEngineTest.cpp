// The engine object running headless in this process: start-up failures,
// drawing read back from the renderer, and whole frame loops driven by an
// autopilot script.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/EngineLog.h"
#include "engine/EngineTestSupport.h"
#include "engine/hgesprite.h"

using enginetest::EnvVar;
using enginetest::logHas;
using enginetest::pixel;
using enginetest::Rgb;

namespace {

const float kPi = 3.14159265f;
const uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

void expectColour(SDL_Surface* frame, int x, int y, Rgb want, int tolerance = 2) {
    Rgb got = pixel(frame, x, y);
    EXPECT_NEAR(got.r, want.r, tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(got.g, want.g, tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(got.b, want.b, tolerance) << "at " << x << "," << y;
}

}  // namespace

TEST(HgeEngine, InitiateAndStartNeedTheirPrerequisites) {
    HGE* hge = hgeCreate(HGE_VERSION);
    {
        EnvVar driver("SDL_VIDEODRIVER", "no-such-driver");
        engine::EngineLog::startCapture();
        EXPECT_FALSE(hge->System_Initiate());
        // The failure is in the engine log too.
        EXPECT_STRNE(hge->System_GetErrorMessage(), "");
        EXPECT_TRUE(logHas(engine::EngineLog::stopCapture(), hge->System_GetErrorMessage()));
    }
    EXPECT_FALSE(hge->System_Start());
    EXPECT_STREQ(hge->System_GetErrorMessage(), "System_Start: System_Initiate wasn't called");

    // A seed from the environment fixes the C library's generator and the engine's.
    EnvVar seed("FISCORA_SEED", "4242");
    std::srand(4242);
    int expectedRand = std::rand();
    std::srand(1);
    ASSERT_TRUE(hge->System_Initiate());
    EXPECT_EQ(std::rand(), expectedRand);
    uint32_t s = 4242u * 214013u + 2531011u;
    EXPECT_FLOAT_EQ(hge->Random_Float(0, 10),
                    static_cast<float>(s >> 16) * (1.0f / 65535.0f) * 10.0f);
    s = s * 214013u + 2531011u;
    EXPECT_EQ(hge->Random_Int(1, 6), 1 + static_cast<int>((s ^ (s >> 15)) % 6));
    EXPECT_FALSE(hge->System_Start());
    EXPECT_STREQ(hge->System_GetErrorMessage(), "System_Start: No frame function defined");
    hge->System_Shutdown();
    hge->Release();
}

TEST(HgeEngine, DrawsTexturesWithFlipsTurnsAndModulation) {
    HGE* hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_WINDOWED, true);
    hge->System_SetState(HGE_TEXTUREFILTER, false);
    // Loaded before the window exists: kept until there is a renderer.
    HTEXTURE tex =
        enginetest::loadPng(hge, enginetest::makePng(2, 2, {kRed, kGreen, kBlue, kWhite}));
    ASSERT_NE(tex, 0u);
    EXPECT_EQ(hge->Texture_GetWidth(tex), 2);
    EXPECT_EQ(hge->Texture_Load("not an image", 12), 0u);
    EXPECT_EQ(hge->Texture_Load("x", 0), 0u);
    EXPECT_EQ(hge->Texture_Load(nullptr, 10), 0u);
    ASSERT_TRUE(hge->System_Initiate());
    ASSERT_TRUE(hge->Gfx_BeginScene());
    hge->Gfx_Clear(0xFF000000);

    // Each texel becomes an 8x8 block: plain, mirrored, upside down, tinted, faded.
    hgeSprite sprite(tex, 0, 0, 2, 2);
    for (int i = 0; i < 5; ++i) {
        hgeSprite look(sprite);
        look.SetFlip(i == 1, i == 2);
        look.SetColor(i == 3 ? 0xFF808080 : i == 4 ? 0x80FFFFFF : kWhite);
        look.RenderEx(10.0f + 40 * i, 10, 0, 8);
    }
    // A quarter turn about the hot spot (0, 0): local (x, y) -> (-y, x).
    sprite.RenderEx(250, 50, kPi / 2, 8);

    // 45 degrees goes through geometry, here about the centre of a 64x64
    // picture of four 32x32 quadrants (SDL's software geometry samples tiny
    // textures too coarsely for the 2x2 one).
    std::vector<uint32_t> quadrants;
    for (int i = 0; i < 64 * 64; ++i) {
        const uint32_t colours[] = {kRed, kGreen, kBlue, kWhite};
        quadrants.push_back(colours[(i / 64 >= 32) * 2 + (i % 64 >= 32)]);
    }
    HTEXTURE big = enginetest::loadPng(hge, enginetest::makePng(64, 64, quadrants));
    hgeSprite turned(big, 0, 0, 64, 64);
    turned.SetHotSpot(32, 32);
    turned.RenderEx(300, 300, kPi / 4, 1);

    // Four colours: interpolated geometry, untextured; one colour: a plain box.
    hgeSprite blank(0, 0, 0, 40, 40);
    blank.SetColor(kBlue);
    blank.SetColor(kRed, 0);
    blank.Render(400, 100);
    hgeSprite box(0, 0, 0, 10, 10);
    box.SetColor(kGreen);
    box.Render(500, 100);
    hge->Gfx_RenderLine(600, 100, 650, 100, 0xFFFFFF00);

    SDL_Surface* frame = engine::HgeImpl::current()->readFrame();
    hge->Gfx_EndScene();
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->w, 800);
    ASSERT_EQ(frame->h, 600);
    const Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, white{255, 255, 255},
        black{0, 0, 0}, yellow{255, 255, 0}, grey{128, 128, 128}, darkRed{128, 0, 0},
        darkGreen{0, 128, 0};
    // Texel blocks: plain from x 10, mirrored from 50, upside down from 90,
    // tinted from 130 and faded over black from 170. The quarter turn puts
    // the red texel at x 242..250, y 50..58, green below, blue to the left.
    // The quadrant centres, local (+-16, +-16) turned by 45 degrees, lie
    // 22.6 away from the hot spot along the axes.
    const struct {
        int x, y;
        Rgb want;
    } probes[] = {{12, 12, red},     {20, 12, green},    {12, 20, blue},       {20, 20, white},
                  {9, 9, black},     {26, 26, black},    {52, 12, green},      {60, 12, red},
                  {52, 20, white},   {92, 12, blue},     {92, 20, red},        {132, 12, darkRed},
                  {140, 20, grey},   {172, 12, darkRed}, {180, 12, darkGreen}, {246, 54, red},
                  {246, 62, green},  {238, 54, blue},    {238, 62, white},     {252, 54, black},
                  {300, 277, red},   {323, 300, green},  {277, 300, blue},     {300, 323, white},
                  {272, 272, black}, {505, 105, green},  {625, 100, yellow}};
    for (const auto& p : probes) {
        expectColour(frame, p.x, p.y, p.want);
    }
    // Interpolated: red near the red corner, blue at the far one.
    Rgb nearRed = pixel(frame, 401, 101), nearBlue = pixel(frame, 438, 138);
    EXPECT_GT(nearRed.r, 200);
    EXPECT_LT(nearBlue.r, 60);
    EXPECT_GT(nearBlue.b, 200);
    SDL_FreeSurface(frame);

    hge->Texture_Free(big);
    hge->Texture_Free(tex);
    EXPECT_EQ(hge->Texture_GetWidth(tex), 0);
    hge->System_Shutdown();
    hge->Release();
}

namespace {

// What each frame of the loop saw: "x,y", the left button held (H),
// pressed (D) and released (U), the A key held (A), the last key and the
// time step.
std::vector<std::string> g_seen;
HGE* g_hge = nullptr;

bool recordFrame() {
    float x = 0, y = 0;
    g_hge->Input_GetMousePos(&x, &y);
    auto flag = [](bool on, char c) { return on ? c : '-'; };
    char seen[80];
    std::snprintf(seen, sizeof seen, "%g,%g %c%c%c%c key %d dt %g", x, y,
                  flag(g_hge->Input_GetKeyState(HGEK_LBUTTON), 'H'),
                  flag(g_hge->Input_KeyDown(HGEK_LBUTTON), 'D'),
                  flag(g_hge->Input_KeyUp(HGEK_LBUTTON), 'U'),
                  flag(g_hge->Input_GetKeyState(HGEK_A), 'A'), g_hge->Input_GetKey(),
                  g_hge->Timer_GetDelta());
    g_seen.push_back(seen);
    // A safety net: the script must end the loop long before this.
    return g_seen.size() > 50;
}

bool drawFrame() {
    g_hge->Gfx_BeginScene();
    g_hge->Gfx_Clear(0xFF204060);
    // Something that moves with the random generator and the frame.
    hgeSprite box(0, 0, 0, 20, 20);
    box.SetColor(0xFFFF8000);
    box.Render(g_hge->Random_Float(0, 700), 100 + static_cast<float>(g_seen.size()) * 10);
    g_hge->Gfx_EndScene();
    return false;
}

std::vector<std::string> runScript(const std::string& script, const std::string& shots) {
    enginetest::ScratchDir dir("pilot");
    enginetest::writeFile(dir.file("script.txt"), script);
    EnvVar pilot("FISCORA_AUTOPILOT", dir.file("script.txt").c_str());
    EnvVar shotDir("FISCORA_SHOTS", shots.c_str());
    EnvVar dt("FISCORA_FIXED_DT", "0.25");
    EnvVar seed("FISCORA_SEED", "7");
    g_seen.clear();
    g_hge = hgeCreate(HGE_VERSION);
    g_hge->System_SetState(HGE_FRAMEFUNC, recordFrame);
    g_hge->System_SetState(HGE_RENDERFUNC, drawFrame);
    engine::EngineLog::startCapture();
    EXPECT_TRUE(g_hge->System_Initiate());
    EXPECT_TRUE(g_hge->System_Start());
    g_hge->System_Shutdown();
    g_hge->Release();
    return engine::EngineLog::stopCapture();
}

}  // namespace

TEST(HgeEngine, AutopilotInputLooksLikeRealInput) {
    hgeSetClickonResolver([](const std::string& name, float& x, float& y) {
        x = 70;
        y = 80;
        return name == "Nytt spel";
    });
    enginetest::ScratchDir shots("shots");
    auto log = runScript(
        "1 move 10 20\n2 click 30 40\n3 key a down\n4 key a up\n4 move 5000 -3\n"
        "5 clickon Nytt spel\n6 clickon Saknas\n6 bogus\n6 shot six\n7 press right\n8 quit\n",
        shots.path());
    hgeSetClickonResolver(nullptr);

    // The click lets go one frame later; the pointer is clamped to the
    // game's size; the unresolved name clicks nothing. Frame 8 ends before
    // the frame function runs, as a closed window does.
    const std::vector<std::string> want = {"10,20 ---- key 0 dt 0.25",  "30,40 HD-- key 1 dt 0.25",
                                           "30,40 --UA key 65 dt 0.25", "799,0 ---- key 0 dt 0.25",
                                           "70,80 HD-- key 1 dt 0.25",  "70,80 --U- key 0 dt 0.25",
                                           "70,80 ---- key 2 dt 0.25"};
    EXPECT_EQ(g_seen, want);
    EXPECT_TRUE(logHas(log, "line 7: no widget \"Saknas\""));
    EXPECT_TRUE(logHas(log, "bad line 8"));
    EXPECT_TRUE(logHas(log, "6 bogus"));

    // The shot of frame 6, as drawn: the game's size and its clear colour.
    SDL_Surface* shot = IMG_Load(shots.file("six.png").c_str());
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(shot->w, 800);
    EXPECT_EQ(shot->h, 600);
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(shot, SDL_PIXELFORMAT_RGB24, 0);
    expectColour(rgb, 400, 590, {0x20, 0x40, 0x60}, 0);
    // The box of frame 6 sits at y 100 + 6 * 10.
    bool boxFound = false;
    for (int x = 0; x < 800 && !boxFound; ++x) {
        Rgb p = pixel(rgb, x, 170);
        boxFound = p.r == 255 && p.g == 128 && p.b == 0;
    }
    EXPECT_TRUE(boxFound);
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(shot);
}

TEST(HgeEngine, ScreenshotsRepeatExactlyForAFixedScript) {
    const std::string script = "2 click 100 100\n3 shot a\n5 shot b\n6 quit\n";
    enginetest::ScratchDir first("first"), second("second");
    runScript(script, first.path());
    runScript(script, second.path());
    for (const char* name : {"a.png", "b.png"}) {
        std::string one = enginetest::readFile(first.file(name));
        ASSERT_FALSE(one.empty()) << name;
        EXPECT_EQ(one, enginetest::readFile(second.file(name))) << name;
    }
    EXPECT_NE(enginetest::readFile(first.file("a.png")), enginetest::readFile(first.file("b.png")));
    // Without a folder a shot is skipped with a line.
    EXPECT_TRUE(logHas(runScript("1 shot nowhere\n2 quit\n", ""), "shot nowhere skipped"));
    EXPECT_EQ(g_seen.size(), 1u);
}
