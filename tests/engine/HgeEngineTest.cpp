// The engine object running headless in this process: start-up failures,
// drawing read back from the renderer, and whole frame loops driven by an
// autopilot script.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "engine/EngineLog.h"
#include "engine/EngineTestSupport.h"
#include "engine/HgeImpl.h"
#include "engine/hgesprite.h"

using enginetest::EnvVar;
using enginetest::pixel;
using enginetest::Rgb;

namespace {

const float kPi = 3.14159265f;
const uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

bool noFrame() {
    return true;
}

void expectColour(SDL_Surface* frame, int x, int y, Rgb want, int tolerance = 2) {
    Rgb got = pixel(frame, x, y);
    EXPECT_NEAR(got.r, want.r, tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(got.g, want.g, tolerance) << "at " << x << "," << y;
    EXPECT_NEAR(got.b, want.b, tolerance) << "at " << x << "," << y;
}

}  // namespace

TEST(HgeEngine, StartNeedsInitiateAndAFrameFunction) {
    HGE* hge = hgeCreate(HGE_VERSION);
    EXPECT_FALSE(hge->System_Start());
    EXPECT_STREQ(hge->System_GetErrorMessage(), "System_Start: System_Initiate wasn't called");
    hge->System_SetState(HGE_WINDOWED, true);
    ASSERT_TRUE(hge->System_Initiate());
    EXPECT_FALSE(hge->System_Start());
    EXPECT_STREQ(hge->System_GetErrorMessage(), "System_Start: No frame function defined");
    hge->System_Shutdown();
    hge->Release();
}

TEST(HgeEngine, UnknownVideoDriverFailsToInitiate) {
    EnvVar driver("SDL_VIDEODRIVER", "no-such-driver");
    HGE* hge = hgeCreate(HGE_VERSION);
    engine::EngineLog::startCapture();
    EXPECT_FALSE(hge->System_Initiate());
    auto lines = engine::EngineLog::stopCapture();
    EXPECT_STRNE(hge->System_GetErrorMessage(), "");
    // The failure is in the engine log too.
    bool logged = false;
    for (const auto& line : lines) {
        logged = logged || line == hge->System_GetErrorMessage();
    }
    EXPECT_TRUE(logged);
    hge->System_SetState(HGE_FRAMEFUNC, noFrame);
    EXPECT_FALSE(hge->System_Start());
    hge->Release();
}

TEST(HgeEngine, SeedFromEnvironmentFixesBothGenerators) {
    EnvVar seed("FISCORA_SEED", "4242");
    std::srand(4242);
    int expectedRand = std::rand();
    std::srand(1);

    HGE* hge = hgeCreate(HGE_VERSION);
    ASSERT_TRUE(hge->System_Initiate());
    EXPECT_EQ(std::rand(), expectedRand);
    uint32_t s = 4242u * 214013u + 2531011u;
    EXPECT_FLOAT_EQ(hge->Random_Float(0, 10),
                    0 + static_cast<float>(s >> 16) * (1.0f / 65535.0f) * 10.0f);
    s = s * 214013u + 2531011u;
    EXPECT_EQ(hge->Random_Int(1, 6), 1 + static_cast<int>((s ^ (s >> 15)) % 6));
    hge->System_Shutdown();
    hge->Release();
}

TEST(HgeEngine, DrawsTexturesWithFlipsTurnsAndModulation) {
    HGE* hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_WINDOWED, true);
    hge->System_SetState(HGE_TEXTUREFILTER, false);
    // Loaded before the window exists: kept until there is a renderer.
    std::string png = enginetest::makePng(2, 2, {kRed, kGreen, kBlue, kWhite});
    HTEXTURE tex = hge->Texture_Load(png.data(), static_cast<uint32_t>(png.size()));
    ASSERT_NE(tex, 0u);
    EXPECT_EQ(hge->Texture_GetWidth(tex), 2);
    EXPECT_EQ(hge->Texture_Load("not an image", 12), 0u);
    EXPECT_EQ(hge->Texture_Load(png.data(), 0), 0u);
    EXPECT_EQ(hge->Texture_Load(nullptr, 10), 0u);
    ASSERT_TRUE(hge->System_Initiate());
    auto* impl = engine::HgeImpl::current();

    hgeSprite sprite(tex, 0, 0, 2, 2);
    ASSERT_TRUE(hge->Gfx_BeginScene());
    hge->Gfx_Clear(0xFF000000);

    // Each texel becomes an 8x8 block.
    sprite.RenderEx(10, 10, 0, 8);

    hgeSprite flipped(sprite);
    flipped.SetFlip(true, false);
    flipped.RenderEx(50, 10, 0, 8);

    hgeSprite upsideDown(sprite);
    upsideDown.SetFlip(false, true);
    upsideDown.RenderEx(90, 10, 0, 8);

    hgeSprite tinted(sprite);
    tinted.SetColor(0xFF808080);
    tinted.RenderEx(130, 10, 0, 8);

    hgeSprite faded(sprite);
    faded.SetColor(0x80FFFFFF);
    faded.RenderEx(170, 10, 0, 8);

    // A quarter turn about the hot spot (0, 0): local (x, y) -> (-y, x).
    sprite.RenderEx(250, 50, kPi / 2, 8);

    // 45 degrees goes through geometry, here about the centre of a 64x64
    // picture of four 32x32 quadrants (SDL's software geometry samples tiny
    // textures too coarsely for the 2x2 one).
    std::vector<uint32_t> quadrants(64 * 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            quadrants[static_cast<size_t>(y * 64 + x)] =
                y < 32 ? (x < 32 ? kRed : kGreen) : (x < 32 ? kBlue : kWhite);
        }
    }
    std::string bigPng = enginetest::makePng(64, 64, quadrants);
    HTEXTURE big = hge->Texture_Load(bigPng.data(), static_cast<uint32_t>(bigPng.size()));
    hgeSprite turned(big, 0, 0, 64, 64);
    turned.SetHotSpot(32, 32);
    turned.RenderEx(300, 300, kPi / 4, 1);

    // Four colours: interpolated geometry, untextured.
    hgeSprite blank(0, 0, 0, 40, 40);
    blank.SetColor(0xFF0000FF);
    blank.SetColor(0xFFFF0000, 0);
    blank.Render(400, 100);

    // One colour, untextured: a plain box.
    hgeSprite box(0, 0, 0, 10, 10);
    box.SetColor(0xFF00FF00);
    box.Render(500, 100);
    hge->Gfx_RenderLine(600, 100, 650, 100, 0xFFFFFF00);

    SDL_Surface* frame = impl->readFrame();
    hge->Gfx_EndScene();
    if (std::getenv("ENGINE_TEST_DUMP")) {
        IMG_SavePNG(frame, std::getenv("ENGINE_TEST_DUMP"));
    }
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->w, 800);
    ASSERT_EQ(frame->h, 600);

    const Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, white{255, 255, 255},
        black{0, 0, 0};
    expectColour(frame, 12, 12, red);
    expectColour(frame, 20, 12, green);
    expectColour(frame, 12, 20, blue);
    expectColour(frame, 20, 20, white);
    expectColour(frame, 9, 9, black);
    expectColour(frame, 26, 26, black);

    expectColour(frame, 52, 12, green);
    expectColour(frame, 60, 12, red);
    expectColour(frame, 52, 20, white);

    expectColour(frame, 92, 12, blue);
    expectColour(frame, 92, 20, red);

    expectColour(frame, 132, 12, {128, 0, 0});
    expectColour(frame, 140, 20, {128, 128, 128});

    expectColour(frame, 172, 12, {128, 0, 0});
    expectColour(frame, 180, 12, {0, 128, 0});

    // Red texel: local (0..8, 0..8) -> x 242..250, y 50..58; green below it,
    // blue to its left.
    expectColour(frame, 246, 54, red);
    expectColour(frame, 246, 62, green);
    expectColour(frame, 238, 54, blue);
    expectColour(frame, 238, 62, white);
    expectColour(frame, 252, 54, black);

    // Quadrant centres, local (+-16, +-16) turned by 45 degrees: 22.6 away
    // from the hot spot along the axes.
    expectColour(frame, 300, 277, red);
    expectColour(frame, 323, 300, green);
    expectColour(frame, 277, 300, blue);
    expectColour(frame, 300, 323, white);
    expectColour(frame, 272, 272, black);

    Rgb nearRed = pixel(frame, 401, 101);
    Rgb nearBlue = pixel(frame, 438, 138);
    EXPECT_GT(nearRed.r, 200);
    EXPECT_LT(nearBlue.r, 60);
    EXPECT_GT(nearBlue.b, 200);

    expectColour(frame, 505, 105, green);
    expectColour(frame, 625, 100, {255, 255, 0});
    SDL_FreeSurface(frame);

    hge->Texture_Free(big);
    hge->Texture_Free(tex);
    EXPECT_EQ(hge->Texture_GetWidth(tex), 0);
    hge->System_Shutdown();
    hge->Release();
}

namespace {

// What one frame of the loop saw.
struct Seen {
    float x, y;
    bool left, leftDown, leftUp, keyA;
    int key;
    float dt;
};
std::vector<Seen> g_seen;
HGE* g_hge = nullptr;

bool recordFrame() {
    Seen s{};
    g_hge->Input_GetMousePos(&s.x, &s.y);
    s.left = g_hge->Input_GetKeyState(HGEK_LBUTTON);
    s.leftDown = g_hge->Input_KeyDown(HGEK_LBUTTON);
    s.leftUp = g_hge->Input_KeyUp(HGEK_LBUTTON);
    s.keyA = g_hge->Input_GetKeyState(HGEK_A);
    s.key = g_hge->Input_GetKey();
    s.dt = g_hge->Timer_GetDelta();
    g_seen.push_back(s);
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
        if (name != "Nytt spel") {
            return false;
        }
        x = 70;
        y = 80;
        return true;
    });
    enginetest::ScratchDir shots("shots");
    auto log = runScript(
        "1 move 10 20\n"
        "2 click 30 40\n"
        "3 key a down\n"
        "4 key a up\n"
        "4 move 5000 -3\n"
        "5 clickon Nytt spel\n"
        "6 clickon Saknas\n"
        "6 bogus\n"
        "6 shot six\n"
        "7 press right\n"
        "8 quit\n",
        shots.path());
    hgeSetClickonResolver(nullptr);

    // Frame 8 ends before the frame function runs, as a closed window does.
    ASSERT_EQ(g_seen.size(), 7u);
    EXPECT_FLOAT_EQ(g_seen[0].x, 10);
    EXPECT_FLOAT_EQ(g_seen[0].y, 20);
    EXPECT_FALSE(g_seen[0].left);

    EXPECT_FLOAT_EQ(g_seen[1].x, 30);
    EXPECT_TRUE(g_seen[1].left);
    EXPECT_TRUE(g_seen[1].leftDown);
    EXPECT_EQ(g_seen[1].key, HGEK_LBUTTON);

    // The click lets go one frame later.
    EXPECT_FALSE(g_seen[2].left);
    EXPECT_TRUE(g_seen[2].leftUp);
    EXPECT_TRUE(g_seen[2].keyA);
    EXPECT_EQ(g_seen[2].key, HGEK_A);

    EXPECT_FALSE(g_seen[3].keyA);
    EXPECT_EQ(g_seen[3].key, 0);
    // Clamped to the game's size.
    EXPECT_FLOAT_EQ(g_seen[3].x, 799);
    EXPECT_FLOAT_EQ(g_seen[3].y, 0);

    EXPECT_FLOAT_EQ(g_seen[4].x, 70);
    EXPECT_FLOAT_EQ(g_seen[4].y, 80);
    EXPECT_TRUE(g_seen[4].leftDown);
    // The unresolved name clicks nothing.
    EXPECT_FALSE(g_seen[5].left);
    EXPECT_FALSE(g_seen[5].leftDown);
    EXPECT_FLOAT_EQ(g_seen[5].x, 70);

    for (const Seen& s : g_seen) {
        EXPECT_FLOAT_EQ(s.dt, 0.25f);
    }

    auto contains = [&](const std::string& piece) {
        for (const auto& line : log) {
            if (line.find(piece) != std::string::npos) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(contains("line 7: no widget \"Saknas\""));
    EXPECT_TRUE(contains("bad line 8"));
    EXPECT_TRUE(contains("6 bogus"));

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
    enginetest::ScratchDir first("first");
    enginetest::ScratchDir second("second");
    runScript(script, first.path());
    runScript(script, second.path());
    for (const char* name : {"a.png", "b.png"}) {
        std::string one = enginetest::readFile(first.file(name));
        ASSERT_FALSE(one.empty()) << name;
        EXPECT_EQ(one, enginetest::readFile(second.file(name))) << name;
    }
    EXPECT_NE(enginetest::readFile(first.file("a.png")), enginetest::readFile(first.file("b.png")));
}

TEST(HgeEngine, ShotWithoutFolderIsSkippedWithALine) {
    auto log = runScript("1 shot nowhere\n2 quit\n", "");
    bool logged = false;
    for (const auto& line : log) {
        logged = logged || line.find("shot nowhere skipped") != std::string::npos;
    }
    EXPECT_TRUE(logged);
    EXPECT_EQ(g_seen.size(), 1u);
}
