// The engine object running headless in this process: start-up failures,
// drawing read back from the renderer, and whole frame loops driven by an
// autopilot script.
#include "engine/EngineTestSupport.h"

using namespace enginetest;

const uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

// The colour at (x, y) of an RGB24 surface as 0xRRGGBB.
static int rgbAt(SDL_Surface* rgb24, int x, int y) {
    const auto* p = static_cast<const uint8_t*>(rgb24->pixels) + y * rgb24->pitch + x * 3;
    return p[0] << 16 | p[1] << 8 | p[2];
}

static void expectColour(SDL_Surface* frame, int x, int y, int want, int tolerance = 2) {
    for (int shift : {16, 8, 0}) {
        EXPECT_NEAR(rgbAt(frame, x, y) >> shift & 0xFF, want >> shift & 0xFF, tolerance)
            << "at " << x << "," << y;
    }
}

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
    engine::RandomGenerator expected;
    expected.seed(4242);
    EXPECT_FLOAT_EQ(hge->Random_Float(0, 10), expected.nextFloat(0, 10));
    EXPECT_EQ(hge->Random_Int(1, 6), expected.nextInt(1, 6));
    EXPECT_FALSE(hge->System_Start());
    EXPECT_STREQ(hge->System_GetErrorMessage(), "System_Start: No frame function defined");
    // One engine object, counted: the last release deletes it.
    EXPECT_EQ(hgeCreate(HGE_VERSION), hge);
    hge->Release();
    EXPECT_EQ(engine::HgeImpl::current(), hge);
    hge->Release();
    EXPECT_EQ(engine::HgeImpl::current(), nullptr);
}

TEST(HgeEngine, DrawsTexturesWithFlipsTurnsAndModulation) {
    HGE* hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_WINDOWED, true);
    hge->System_SetState(HGE_TEXTUREFILTER, false);
    // Loaded before the window exists: kept until there is a renderer.
    HTEXTURE tex = loadPng(hge, makePng(2, 2, {kRed, kGreen, kBlue, kWhite}));
    ASSERT_EQ(hge->Texture_GetWidth(tex), 2);
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
    // Cut past the texture's edge: still drawn, the last texel stretched.
    hgeSprite(tex, 1, 1, 2, 2).RenderEx(700, 10, 0, 8);
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
    HTEXTURE big = loadPng(hge, makePng(64, 64, quadrants));
    hgeSprite turned(big, 0, 0, 64, 64);
    turned.SetHotSpot(32, 32);
    turned.RenderEx(300, 300, kPi / 4, 1);

    // Four colours: interpolated geometry, untextured; one colour: a plain box.
    hgeSprite blank(0, 0, 0, 40, 40);
    blank.SetColor(kBlue);
    blank.SetColor(kRed, 0);
    blank.Render(400, 100);
    // Clear at three corners: still drawn, since one corner shows.
    blank.SetColor(0x00FF0000);
    blank.SetColor(kRed, 2);
    blank.Render(400, 160);
    blank.SetColor(kGreen);
    blank.RenderStretch(500, 100, 510, 110);
    hge->Gfx_RenderLine(600, 100, 650, 100, 0xFFFFFF00);

    SDL_Surface* frame = engine::HgeImpl::current()->readFrame();
    hge->Gfx_EndScene();
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(std::make_pair(frame->w, frame->h), std::make_pair(800, 600));
    // x, y, colour. Texel blocks: plain from x 10, mirrored from 50, upside
    // down from 90, tinted from 130, faded over black from 170. The quarter
    // turn puts the red texel at x 242..250, y 50..58, green below, blue to
    // the left. The quadrant centres, local (+-16, +-16) turned by 45
    // degrees, lie 22.6 away from the hot spot along the axes.
    const int probes[] = {
        12,  12,  0xFF0000, 20,  12,  0x00FF00, 12,  20,  0x0000FF, 20,  20,  0xFFFFFF,
        9,   9,   0x000000, 26,  26,  0x000000, 52,  12,  0x00FF00, 60,  12,  0xFF0000,
        52,  20,  0xFFFFFF, 92,  12,  0x0000FF, 92,  20,  0xFF0000, 132, 12,  0x800000,
        140, 20,  0x808080, 172, 12,  0x800000, 180, 12,  0x008000, 246, 54,  0xFF0000,
        246, 62,  0x00FF00, 238, 54,  0x0000FF, 238, 62,  0xFFFFFF, 252, 54,  0x000000,
        300, 277, 0xFF0000, 323, 300, 0x00FF00, 277, 300, 0x0000FF, 300, 323, 0xFFFFFF,
        272, 272, 0x000000, 505, 105, 0x00FF00, 625, 100, 0xFFFF00, 704, 14,  0xFFFFFF};
    for (size_t i = 0; i < std::size(probes); i += 3) {
        expectColour(frame, probes[i], probes[i + 1], probes[i + 2]);
    }
    // Interpolated: red near the red corner, blue at the far one.
    EXPECT_GT(rgbAt(frame, 401, 101) >> 16, 200);
    EXPECT_LT(rgbAt(frame, 438, 138) >> 16, 60);
    EXPECT_GT(rgbAt(frame, 438, 138) & 0xFF, 200);
    EXPECT_GT(rgbAt(frame, 437, 197) >> 16, 150);
    EXPECT_LT(rgbAt(frame, 402, 162) >> 16, 40);
    SDL_FreeSurface(frame);

    hge->Texture_Free(tex);
    EXPECT_EQ(hge->Texture_GetWidth(tex), 0);
    hge->Release();
}

// What each frame of the loop saw: "x,y", then 1 or 0 for the left button
// held, pressed and released and the A key held, the last key and the time
// step.
static std::vector<std::string> g_seen;
static HGE* g_hge = nullptr;

static bool recordFrame() {
    float x = 0, y = 0;
    g_hge->Input_GetMousePos(&x, &y);
    char seen[80];
    std::snprintf(seen, sizeof seen, "%g,%g %d%d%d%d key %d dt %g", x, y,
                  g_hge->Input_GetKeyState(HGEK_LBUTTON), g_hge->Input_KeyDown(HGEK_LBUTTON),
                  g_hge->Input_KeyUp(HGEK_LBUTTON), g_hge->Input_GetKeyState(HGEK_A),
                  g_hge->Input_GetKey(), g_hge->Timer_GetDelta());
    g_seen.push_back(seen);
    // A safety net: the script must end the loop long before this.
    return g_seen.size() > 50;
}

static bool drawFrame() {
    g_hge->Gfx_BeginScene();
    g_hge->Gfx_Clear(0xFF204060);
    // Something that moves with the random generator and the frame.
    hgeSprite box(0, 0, 0, 20, 20);
    box.SetColor(0xFFFF8000);
    box.Render(g_hge->Random_Float(0, 700), 100 + static_cast<float>(g_seen.size()) * 10);
    g_hge->Gfx_EndScene();
    return false;
}

static std::vector<std::string> runScript(const std::string& script, const std::string& shots,
                                          const std::function<void()>& beforeStart = {},
                                          const std::function<void()>& afterStart = {}) {
    writeFile("script.txt", script);
    EnvVar pilot("FISCORA_AUTOPILOT", "script.txt");
    EnvVar shotDir("FISCORA_SHOTS", shots.c_str());
    EnvVar dt("FISCORA_FIXED_DT", "0.25");
    EnvVar seed("FISCORA_SEED", "7");
    g_seen.clear();
    g_hge = hgeCreate(HGE_VERSION);
    g_hge->System_SetState(HGE_FRAMEFUNC, recordFrame);
    g_hge->System_SetState(HGE_RENDERFUNC, drawFrame);
    engine::EngineLog::startCapture();
    EXPECT_TRUE(g_hge->System_Initiate());
    if (beforeStart) {
        beforeStart();
    }
    EXPECT_TRUE(g_hge->System_Start());
    if (afterStart) {
        afterStart();
    }
    g_hge->Release();
    return engine::EngineLog::stopCapture();
}

TEST(HgeEngine, AutopilotInputLooksLikeRealInputAndRepeatsExactly) {
    hgeSetClickonResolver([](const std::string& name, float& x, float& y) {
        x = 70;
        y = 80;
        return name == "Nytt spel";
    });
    const std::string script =
        "1 move 10 20\n2 click 30 40\n3 key a down\n4 key a up\n4 move 5000 -3\n"
        "5 clickon Nytt spel\n6 clickon Saknas\n6 bogus\n6 shot six\n7 press right\n"
        "7 shot seven\n8 quit\n";
    // The engine makes the shot folders.
    auto log = runScript(script, "first");
    // The click lets go one frame later; the pointer is clamped to the
    // game's size; the unresolved name clicks nothing. Frame 8 ends before
    // the frame function runs, as a closed window does.
    const std::vector<std::string> want = {"10,20 0000 key 0 dt 0.25",  "30,40 1100 key 1 dt 0.25",
                                           "30,40 0011 key 65 dt 0.25", "799,0 0000 key 0 dt 0.25",
                                           "70,80 1100 key 1 dt 0.25",  "70,80 0010 key 0 dt 0.25",
                                           "70,80 0000 key 2 dt 0.25"};
    EXPECT_EQ(g_seen, want);
    EXPECT_TRUE(logHas(log, "line 7: no widget \"Saknas\""));
    EXPECT_TRUE(logHas(log, "bad line 8 of script.txt: 6 bogus"));

    // The shot of frame 6, as drawn: the game's size, its clear colour and
    // the box of frame 6 at y 100 + 6 * 10.
    SDL_Surface* shot = IMG_Load("first/six.png");
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(std::make_pair(shot->w, shot->h), std::make_pair(800, 600));
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(shot, SDL_PIXELFORMAT_RGB24, 0);
    expectColour(rgb, 400, 590, 0x204060, 0);
    int x = 0;
    while (x < 800 && rgbAt(rgb, x, 170) != 0xFF8000) {
        ++x;
    }
    EXPECT_LT(x, 800);
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(shot);

    // A second run draws the same frames, byte for byte.
    runScript(script, "second");
    hgeSetClickonResolver(nullptr);
    for (std::string name : {"/six.png", "/seven.png"}) {
        ASSERT_FALSE(readFile("first" + name).empty()) << name;
        EXPECT_EQ(readFile("first" + name), readFile("second" + name)) << name;
    }
    EXPECT_NE(readFile("first/six.png"), readFile("first/seven.png"));
    // Without a folder a shot is skipped with a line.
    EXPECT_TRUE(logHas(runScript("1 shot nowhere\n2 quit\n", ""), "shot nowhere skipped"));
    EXPECT_EQ(g_seen.size(), 1u);
}

// A tap (press and release both waiting before one frame, as a touchpad or
// xdotool sends them) is held for that frame and let go on the next, since
// the pointer polls the button's state.
TEST(HgeEngine, ATapWithinOneFrameIsHeldForThatFrameAndLetGoOnTheNext) {
    runScript("3 quit\n", "", [] {
        for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            SDL_Event event{};
            event.type = type;
            event.button.button = SDL_BUTTON_LEFT;
            ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
        }
    });
    EXPECT_EQ(g_seen,
              (std::vector<std::string>{"0,0 1100 key 1 dt 0.25", "0,0 0010 key 0 dt 0.25"}));
}

// A window resized to another shape shows the game letterboxed at its own
// aspect; a pointer anywhere on it lands on the game pixel beneath it, and
// one over a bar lands on the game's nearest edge.
TEST(HgeEngine, AResizedWindowKeepsThePointerExact) {
    struct Case {
        int windowW, windowH, pointerX, pointerY;
        const char* seen;
    };
    const Case cases[] = {
        {1000, 600, 500, 300, "400,300"},  // bars left and right, 100 px each
        {1000, 600, 150, 60, "50,60"},
        {1000, 600, 40, 300, "0,300"},      // over the left bar
        {1600, 1200, 800, 600, "400,300"},  // twice the size
        {1600, 1200, 2, 1198, "1,599"},
        {800, 1000, 400, 250, "400,50"},  // bars above and below, 200 px each
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.windowW) + "x" + std::to_string(c.windowH));
        // The last frame's pixels on the whole output: bars black, the game's
        // area in the colour it was cleared to.
        auto pixelAt = [](int x, int y) {
            uint32_t pixel = 0;
            SDL_Rect one{x, y, 1, 1};
            SDL_RenderReadPixels(SDL_GetRenderer(SDL_GetWindowFromID(1)), &one,
                                 SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
            return pixel & 0xFFFFFFu;
        };
        uint32_t corner = 1, centre = 1;
        runScript(
            "3 quit\n", "",
            [&] {
                SDL_Window* window = SDL_GetWindowFromID(1);
                ASSERT_NE(window, nullptr);
                EXPECT_TRUE(SDL_GetWindowFlags(window) & SDL_WINDOW_RESIZABLE);
                SDL_SetWindowSize(window, c.windowW, c.windowH);
                SDL_PumpEvents();
                SDL_WarpMouseInWindow(window, c.pointerX, c.pointerY);
            },
            [&] {
                SDL_RenderSetViewport(SDL_GetRenderer(SDL_GetWindowFromID(1)), nullptr);
                SDL_RenderSetLogicalSize(SDL_GetRenderer(SDL_GetWindowFromID(1)), 0, 0);
                corner = pixelAt(0, 0);
                centre = pixelAt(c.windowW / 2, 2 * c.windowH / 3);
            });
        EXPECT_EQ(corner, c.windowW * 3 == c.windowH * 4 ? 0x204060u : 0u);
        EXPECT_EQ(centre, 0x204060u);
        ASSERT_GE(g_seen.size(), 2u);
        EXPECT_EQ(g_seen[1].substr(0, g_seen[1].find(' ')), c.seen);
    }
}
