#include "engine/EngineTestSupport.h"

using engine::Autopilot;
using engine::AutopilotCommand;
using Type = AutopilotCommand::Type;

TEST(Autopilot, ParsesEveryCommand) {
    Autopilot pilot;
    pilot.parse(
        "# a comment line\n\n1 move 10 20.5\n2 press\n2 release right\n"
        "3 press middle   # trailing comment\n4 click 400 300\r\n5 key escape down\n5 key F3 up\n"
        "6 clickon  Nytt spel  \n7 shot menu_1\n8 quit\n");
    EXPECT_EQ(pilot.badLines(), 0);
    // frame, type, x, y, key, down, name, line
    const AutopilotCommand want[] = {{1, Type::MOVE, 10, 20.5f, 0, false, "", 3},
                                     {2, Type::PRESS, 0, 0, HGEK_LBUTTON, false, "", 4},
                                     {2, Type::RELEASE, 0, 0, HGEK_RBUTTON, false, "", 5},
                                     {3, Type::PRESS, 0, 0, HGEK_MBUTTON, false, "", 6},
                                     {4, Type::CLICK, 400, 300, 0, false, "", 7},
                                     {5, Type::KEY, 0, 0, HGEK_ESCAPE, true, "", 8},
                                     {5, Type::KEY, 0, 0, HGEK_F3, false, "", 9},
                                     {6, Type::CLICKON, 0, 0, 0, false, "Nytt spel", 10},
                                     {7, Type::SHOT, 0, 0, 0, false, "menu_1", 11},
                                     {8, Type::QUIT, 0, 0, 0, false, "", 12}};
    auto fields = [](const AutopilotCommand& c) {
        return std::tie(c.frame, c.type, c.x, c.y, c.key, c.down, c.name, c.line);
    };
    ASSERT_EQ(pilot.commands().size(), std::size(want));
    for (size_t i = 0; i < std::size(want); ++i) {
        EXPECT_EQ(fields(pilot.commands()[i]), fields(want[i])) << "command " << i;
    }
    // Command names convert both ways.
    for (int t = Type::MOVE; t <= Type::QUIT; ++t) {
        auto type = static_cast<Type::_enum>(t);
        EXPECT_EQ(Type::fromString(Type::toString(type)), type);
    }
    EXPECT_EQ(Type::fromString("Move"), Type::UNDEFINED);
    EXPECT_STREQ(Type::toString(Type::UNDEFINED), "UNDEFINED");
}

TEST(Autopilot, BadLinesAndUnreadableScriptsAreLogged) {
    Autopilot pilot;
    engine::EngineLog::startCapture();
    // Bad: no y, frame 0, no frame, an unknown command, key name, key state
    // and button, no name, a shot name with a folder, extra arguments (twice),
    // a negative frame, a number out of range.
    pilot.parse(
        "1 move 10\n0 quit\nx move 1 2\n3 jump\n3 key enter down\n3 key a sideways\n"
        "3 press thumb\n3 clickon\n3 shot ../escape\n3 quit now\n3 move 1 2 3\n-2 quit\n"
        "4 move 1e400 2\n5 quit\n",
        "test.txt");
    EXPECT_EQ(pilot.badLines(), 13);
    ASSERT_EQ(pilot.commands().size(), 1u);
    EXPECT_EQ(pilot.commands()[0].line, 14);
    EXPECT_FALSE(pilot.load("/nonexistent/autopilot.txt"));
    auto lines = engine::EngineLog::stopCapture();
    ASSERT_EQ(lines.size(), 14u);
    // The number and the text of each bad line are in its message.
    EXPECT_NE(lines[0].find("line 1 of test.txt: 1 move 10"), std::string::npos) << lines[0];
    EXPECT_NE(lines[3].find("line 4 of test.txt: 3 jump"), std::string::npos) << lines[3];
    EXPECT_NE(lines[13].find("/nonexistent/autopilot.txt"), std::string::npos) << lines[13];
}

TEST(Autopilot, FramesComeOutInScriptOrderAfterScheduledOnes) {
    Autopilot pilot;
    pilot.parse("3 move 1 1\n1 quit\n3 press\n2 shot a\n3 key a down\n");
    EXPECT_EQ(pilot.takeFrame(1).size(), 1u);
    EXPECT_TRUE(pilot.takeFrame(1).empty());  // taken once only
    pilot.schedule({3, Type::RELEASE, 0, 0, HGEK_LBUTTON, false, "", 0});
    std::vector<int> third;
    for (const AutopilotCommand& command : pilot.takeFrame(3)) {
        third.push_back(command.type);
    }
    EXPECT_EQ(third, (std::vector<int>{Type::RELEASE, Type::MOVE, Type::PRESS, Type::KEY}));
    EXPECT_EQ(pilot.takeFrame(2).size(), 1u);
}
