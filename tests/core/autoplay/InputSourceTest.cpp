// The engine's input source, through which the bot plays: its commands land
// after the script's commands of the same frame, exactly as script commands.
#include "engine/EngineTestSupport.h"
#include "engine/hge.h"

namespace {

HGE* g_hge = nullptr;
std::vector<std::string> g_seen;

// The pointer and the left button (held, pressed, released) each frame.
bool recordFrame() {
    float x = 0, y = 0;
    g_hge->Input_GetMousePos(&x, &y);
    char seen[40];
    std::snprintf(seen, sizeof seen, "%g,%g %d%d%d", x, y, g_hge->Input_GetKeyState(HGEK_LBUTTON),
                  g_hge->Input_KeyDown(HGEK_LBUTTON), g_hge->Input_KeyUp(HGEK_LBUTTON));
    g_seen.push_back(seen);
    return g_seen.size() > 20;
}

}  // namespace

TEST(InputSource, CommandsActAfterTheScriptsAsScriptCommandsDo) {
    using Type = engine::AutopilotCommand::Type;
    enginetest::writeFile("script.txt", "1 move 5 5\n2 move 1 1\n");
    enginetest::EnvVar pilot("FISCORA_AUTOPILOT", "script.txt");
    enginetest::EnvVar dt("FISCORA_FIXED_DT", "0.25");
    std::vector<int> asked;
    hgeSetInputSource([&](int frame, std::vector<engine::AutopilotCommand>& out) {
        asked.push_back(frame);
        engine::AutopilotCommand command;
        command.frame = frame;
        command.type = frame == 1 ? Type::MOVE : frame == 2 ? Type::CLICK : Type::QUIT;
        command.x = 10.0f * frame;
        command.y = 20.0f;
        if (frame != 3 && frame <= 4) {
            out.push_back(command);
        }
    });
    g_seen.clear();
    g_hge = hgeCreate(HGE_VERSION);
    g_hge->System_SetState(HGE_FRAMEFUNC, recordFrame);
    ASSERT_TRUE(g_hge->System_Initiate());
    EXPECT_TRUE(g_hge->System_Start());
    g_hge->Release();
    hgeSetInputSource(nullptr);
    // Frame 2's click lets go on frame 3; frame 4 quits before its frame runs.
    const std::vector<std::string> want = {"10,20 000", "20,20 110", "20,20 001"};
    EXPECT_EQ(g_seen, want);
    EXPECT_EQ(asked, (std::vector<int>{1, 2, 3, 4}));
}
