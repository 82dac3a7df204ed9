#include <gtest/gtest.h>

#include "engine/Autopilot.h"
#include "engine/EngineLog.h"
#include "engine/hge.h"

using engine::Autopilot;
using engine::AutopilotCommand;
using Type = AutopilotCommand::Type;

TEST(Autopilot, ParsesEveryCommand) {
    Autopilot pilot;
    pilot.parse(
        "# a comment line\n"
        "\n"
        "1 move 10 20.5\n"
        "2 press\n"
        "2 release right\n"
        "3 press middle   # trailing comment\n"
        "4 click 400 300\r\n"
        "5 key escape down\n"
        "5 key F3 up\n"
        "6 clickon  Nytt spel  \n"
        "7 shot menu_1\n"
        "8 quit\n");
    EXPECT_EQ(pilot.badLines(), 0);
    const auto& c = pilot.commands();
    ASSERT_EQ(c.size(), 10u);
    EXPECT_EQ(c[0].type, Type::MOVE);
    EXPECT_EQ(c[0].frame, 1);
    EXPECT_FLOAT_EQ(c[0].x, 10);
    EXPECT_FLOAT_EQ(c[0].y, 20.5f);
    EXPECT_EQ(c[0].line, 3);
    EXPECT_EQ(c[1].type, Type::PRESS);
    EXPECT_EQ(c[1].key, HGEK_LBUTTON);
    EXPECT_EQ(c[2].type, Type::RELEASE);
    EXPECT_EQ(c[2].key, HGEK_RBUTTON);
    EXPECT_EQ(c[3].key, HGEK_MBUTTON);
    EXPECT_EQ(c[4].type, Type::CLICK);
    EXPECT_FLOAT_EQ(c[4].x, 400);
    EXPECT_EQ(c[5].type, Type::KEY);
    EXPECT_EQ(c[5].key, HGEK_ESCAPE);
    EXPECT_TRUE(c[5].down);
    EXPECT_EQ(c[6].key, HGEK_F3);
    EXPECT_FALSE(c[6].down);
    EXPECT_EQ(c[7].type, Type::CLICKON);
    EXPECT_EQ(c[7].name, "Nytt spel");
    EXPECT_EQ(c[8].type, Type::SHOT);
    EXPECT_EQ(c[8].name, "menu_1");
    EXPECT_EQ(c[9].type, Type::QUIT);
    EXPECT_EQ(c[9].frame, 8);
}

TEST(Autopilot, BadLinesAreLoggedWithNumberAndSkipped) {
    Autopilot pilot;
    engine::EngineLog::startCapture();
    pilot.parse(
        "1 move 10\n"         // 1: missing y
        "0 quit\n"            // 2: frames start at 1
        "x move 1 2\n"        // 3: no frame
        "3 jump\n"            // 4: unknown command
        "3 key enter down\n"  // 5: unknown key name
        "3 key a sideways\n"  // 6
        "3 press thumb\n"     // 7
        "3 clickon\n"         // 8: no name
        "3 shot ../escape\n"  // 9: not a bare name
        "3 quit now\n"        // 10
        "3 move 1 2 3\n"      // 11
        "-2 quit\n"           // 12
        "4 move 1e400 2\n"    // 13: out of range
        "5 quit\n",
        "test.txt");
    auto lines = engine::EngineLog::stopCapture();
    EXPECT_EQ(pilot.badLines(), 13);
    ASSERT_EQ(pilot.commands().size(), 1u);
    EXPECT_EQ(pilot.commands()[0].line, 14);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_NE(lines[0].find("line 1 "), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("1 move 10"), std::string::npos) << lines[0];
    EXPECT_NE(lines[3].find("line 4 "), std::string::npos) << lines[3];
    EXPECT_NE(lines[3].find("3 jump"), std::string::npos) << lines[3];
}

TEST(Autopilot, FramesComeOutInScriptOrderAfterScheduledOnes) {
    Autopilot pilot;
    pilot.parse("3 move 1 1\n1 quit\n3 press\n2 shot a\n3 key a down\n");
    EXPECT_EQ(pilot.takeFrame(1).size(), 1u);
    EXPECT_TRUE(pilot.takeFrame(1).empty());  // taken once only

    AutopilotCommand release;
    release.frame = 3;
    release.type = Type::RELEASE;
    release.key = HGEK_LBUTTON;
    pilot.schedule(release);

    auto third = pilot.takeFrame(3);
    ASSERT_EQ(third.size(), 4u);
    EXPECT_EQ(third[0].type, Type::RELEASE);
    EXPECT_EQ(third[1].type, Type::MOVE);
    EXPECT_EQ(third[2].type, Type::PRESS);
    EXPECT_EQ(third[3].type, Type::KEY);
    EXPECT_EQ(pilot.takeFrame(2).size(), 1u);
}

TEST(Autopilot, CommandNamesConvertBothWays) {
    for (int t = Type::MOVE; t <= Type::QUIT; ++t) {
        auto type = static_cast<Type::_enum>(t);
        EXPECT_EQ(Type::fromString(Type::toString(type)), type);
    }
    EXPECT_EQ(Type::fromString("Move"), Type::UNDEFINED);
    EXPECT_STREQ(Type::toString(Type::UNDEFINED), "UNDEFINED");
}

TEST(Autopilot, UnreadableScriptIsLogged) {
    Autopilot pilot;
    engine::EngineLog::startCapture();
    EXPECT_FALSE(pilot.load("/nonexistent/autopilot.txt"));
    auto lines = engine::EngineLog::stopCapture();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("/nonexistent/autopilot.txt"), std::string::npos);
}
