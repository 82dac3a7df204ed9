// The whole program, started headless with scripted input: start-up and
// shutdown, an engine that cannot start, bad content, the menu screens, the
// quit question and the way into a new game.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "game/GameRunSupport.h"

namespace fs = std::filesystem;
using gametest::brightness;
using gametest::colours;
using gametest::differences;
using gametest::Outcome;
using test::Picture;

namespace {

const char* const QUICK_SCRIPT = "3 shot s\n6 key escape down\n";

// Every screenshot is a whole, drawn screen.
void expectScreen(const Outcome& run, const std::string& name) {
    ASSERT_TRUE(run.hasShot(name)) << name;
    Picture shot(run.shot(name));
    ASSERT_TRUE(shot.ok()) << name;
    EXPECT_EQ(shot.width(), 800);
    EXPECT_EQ(shot.height(), 600);
    EXPECT_GE(colours(shot, 0, 0, 800, 600), 32u) << name << " looks blank";
}

// The information line and the lines before it, in order.
void expectInOrder(const Outcome& run, const std::vector<std::string>& lines) {
    int at = 0;
    for (const std::string& line : lines) {
        const int found = run.find(line, at);
        ASSERT_GE(found, 0) << "missing or out of order: " << line;
        at = found + 1;
    }
}

}  // namespace

// One start of the program walks the menus as a player would: help and
// back, the quit question denied, the three levels of a new game, the flat
// behind its welcome tutorial, out through its door to the town and home
// again.
TEST(GameRun, MenusQuitQuestionAndNewGameInOneRun) {
    test::TempDir dir;
    const Outcome run = gametest::runGame(FISCORA_GAME_EXE, dir.path(),
                                          "5 shot menu\n"
                                          "8 clickon Help\n"
                                          "14 shot help\n"
                                          "16 clickon Back Button\n"
                                          "22 shot back\n"
                                          "24 clickon Quit\n"
                                          "30 shot quit\n"
                                          "32 clickon denyButton\n"
                                          "38 move 0 0\n"
                                          "42 shot after\n"
                                          "44 clickon New Game\n"
                                          "50 shot easy\n"
                                          "52 clickon Normal\n"
                                          "58 shot normal\n"
                                          "60 clickon Hard\n"
                                          "66 shot hard\n"
                                          "68 clickon Start\n"
                                          "74 shot welcome\n"
                                          // its button opens after two seconds
                                          "175 clickon confirmButton\n"
                                          // the pointer back beside the door
                                          "177 move 565 175\n"
                                          "180 shot flat\n"
                                          "226 clickon door\n"
                                          "232 clickon confirmButton\n"
                                          "238 shot town\n"
                                          "240 clickon exitButton\n"
                                          "246 clickon Lägenhet\n"
                                          "256 shot home\n"
                                          "260 key escape down\n");
    EXPECT_EQ(run.status, 0);
    expectInOrder(run, {
                           test::logLine("II", "WinMain", "-window"),
                           test::logLine("II", "WinMain", "version 4.1.7.3785"),
                           test::logLine("II", "WinMain", "Initializing engine"),
                           test::logLine("II", "Engine::init", "Create hge"),
                           test::logLine("II", "Engine::init", "Set engine states"),
                           test::logLine("II", "Engine::init", "Set up video mode"),
                           test::logLine("II", "Engine::init", "Get camera"),
                           test::logLine("II", "Engine::init", "Get physics"),
                           test::logLine("II", "WinMain", "Starting engine"),
                           test::logLine("II", "WinMain", "shutting down"),
                       });
    EXPECT_EQ(run.find("[EE] "), -1) << "the shipped game logs no error";
    for (const char* name : {"menu", "help", "back", "quit", "after", "easy", "normal", "hard",
                             "welcome", "flat", "town", "home"}) {
        expectScreen(run, name);
    }
    Picture menu(run.shot("menu")), help(run.shot("help")), back(run.shot("back"));
    Picture quit(run.shot("quit")), after(run.shot("after"));
    Picture easy(run.shot("easy")), normal(run.shot("normal")), hard(run.shot("hard"));
    Picture flat(run.shot("flat")), town(run.shot("town")), home(run.shot("home"));
    ASSERT_TRUE(menu.ok() && help.ok() && back.ok() && quit.ok() && after.ok() && easy.ok() &&
                normal.ok() && hard.ok() && flat.ok() && town.ok() && home.ok());
    // The pointer is in a corner in both menu shots; the rest is the same.
    EXPECT_EQ(differences(back, menu, 100, 100, 700, 500), 0) << "the menu comes back as it was";
    EXPECT_GT(differences(help, menu, 0, 0, 800, 600), 200000) << "help is its own picture";
    // The screen behind the question is darkened; the window itself is the
    // panel colour where no text is. Denied, it leaves no window or overlay.
    EXPECT_LT(brightness(quit, 0, 450, 140, 600), brightness(menu, 0, 450, 140, 600) * 0.7);
    EXPECT_EQ(quit.at(400, 190), 0xFF2F4F63u);
    EXPECT_EQ(differences(after, menu, 0, 0, 800, 600), 0) << "no window, no overlay left";
    // Each level shows its own description in the information panel, and
    // nothing else moves above it.
    const int panel[] = {80, 285, 720, 432};
    EXPECT_GT(differences(normal, easy, panel[0], panel[1], panel[2], panel[3]), 500);
    EXPECT_GT(differences(hard, normal, panel[0], panel[1], panel[2], panel[3]), 500);
    EXPECT_GT(differences(hard, easy, panel[0], panel[1], panel[2], panel[3]), 500);
    EXPECT_EQ(differences(hard, easy, 0, 0, 800, 180), 0);
    EXPECT_GT(colours(easy, panel[0], panel[1], panel[2], panel[3]), 4u) << "text on the panel";
    // The menu is gone; the flat's background fills the screen around the
    // room, beside the HUD's plates and below its bar.
    EXPECT_EQ(flat.at(5, 5), 0xFF45697Eu);
    EXPECT_EQ(flat.at(795, 300), 0xFF45697Eu);
    EXPECT_GT(differences(flat, menu, 0, 0, 800, 600), 400000);
    Picture welcome(run.shot("welcome"));
    ASSERT_TRUE(welcome.ok());
    EXPECT_LT(brightness(welcome, 0, 450, 100, 520), brightness(flat, 0, 450, 100, 520) * 0.7)
        << "the tutorial darkens the flat";
    EXPECT_GT(differences(town, flat, 0, 0, 800, 600), 400000) << "the door leads to town";
    EXPECT_EQ(differences(home, flat, 0, 0, 800, 600), 0) << "and home again to the same flat";
}

TEST(GameRun, QuitQuestionConfirmedEndsTheProgramAtOnce) {
    test::TempDir dir;
    const Outcome run = gametest::runGame(FISCORA_GAME_EXE, dir.path(),
                                          "6 clickon Quit\n"
                                          "14 clickon confirmButton\n"
                                          "40 shot late\n"
                                          "60 key escape down\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(run.hasShot("late")) << "the program ended when the question was answered";
    EXPECT_GE(run.find(test::logLine("II", "WinMain", "shutting down")), 0);
}

TEST(GameRun, EngineThatCannotStartEndsWithStatusOne) {
    test::TempDir dir;
    const Outcome run =
        gametest::runGame(FISCORA_GAME_EXE, dir.path(), QUICK_SCRIPT,
                          {{"FISCORA_HEADLESS", nullptr}, {"SDL_VIDEODRIVER", "nonexistent"}});
    EXPECT_EQ(run.status, 1);
    expectInOrder(run, {test::logLine("EE", "WinMain", "engine failed to init, aborting"),
                        test::logLine("II", "WinMain", "shutting down")});
    EXPECT_EQ(run.find("Starting engine"), -1);
}

// One broken thing per run: the game still reaches its frame loop, draws and
// ends normally, and says what was wrong.
struct BadInput {
    const char* name;
    std::function<void(const std::string& root)> damage;
    const char* expected;  // part of a log line ("hge.log" for the autopilot)
    const char* script;
    const char* absent = nullptr;  // part of a line the run must not log
};

class GameRunBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(GameRunBadInput, IsLoggedAndTheGameRunsOn) {
    const BadInput& bad = GetParam();
    test::TempDir dir;
    const std::string executable = gametest::installGame(dir.path() + "/game");
    bad.damage(dir.path() + "/game");
    const Outcome run = gametest::runGame(executable, dir.path() + "/game", bad.script);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.hasShot("s")) << "the frame loop was reached";
    EXPECT_TRUE(run.find(bad.expected) >= 0 ||
                run.engineLog.find(bad.expected) != std::string::npos)
        << "no line with: " << bad.expected;
    if (bad.absent) {
        EXPECT_EQ(run.find(bad.absent), -1) << "a line with: " << bad.absent;
    }
    EXPECT_GE(run.find(test::logLine("II", "WinMain", "shutting down")), 0);
}

using Damage = std::function<void(const std::string& root)>;

Damage removing(std::vector<std::string> paths) {
    return [paths](const std::string& root) {
        for (const std::string& path : paths) {
            fs::remove_all(root + "/" + path);
        }
    };
}

Damage writing(const std::string& path, const std::string& bytes) {
    return [=](const std::string& root) { test::writeFile(root + "/" + path, bytes); };
}

Damage editingFont(std::function<void(std::string&)> edit) {
    return [edit](const std::string& root) {
        const std::string font = root + "/data/fnt/font_tessaline_19.fnt";
        std::string text = test::readFile(font);
        edit(text);
        test::writeFile(font, text);
    };
}

void PrintTo(const BadInput& bad, std::ostream* out) {
    *out << bad.name;
}

const char* const NEW_GAME_SCRIPT = "2 clickon New Game\n5 shot s\n8 key escape down\n";
const char* const START_SCRIPT =
    "2 clickon New Game\n5 clickon Start\n9 shot s\n12 key escape down\n";

INSTANTIATE_TEST_SUITE_P(
    BrokenContent, GameRunBadInput,
    ::testing::Values(
        BadInput{"NoSideFile", removing({"fiscora.info"}),
                 "fiscora.info, files wont be ablo to load", QUICK_SCRIPT},
        BadInput{"MissingFolders", removing({"data/gfx", "data/snd"}), "unable to add searchpath",
                 QUICK_SCRIPT},
        BadInput{"MissingConstants", removing({"data/xml/constants.xml"}),
                 "[EE] [ConstantManager::ConstantManager]\t\tgot null element", QUICK_SCRIPT},
        BadInput{"BrokenConstants", writing("data/xml/constants.xml", "<a><Constants x="),
                 "[EE] [resource::Manager::getXml]\t\terror parsing xml", QUICK_SCRIPT},
        BadInput{"MissingDepths", removing({"data/xml/zdepth.xml"}),
                 "[EE] [ZDepth::readFile]\t\tunable to open file, no z levels read", QUICK_SCRIPT},
        BadInput{"BrokenDepths", writing("data/xml/zdepth.xml", "<zdepth><level key="),
                 "[EE] [ZDepth::readFile]\t\tunable to open file, no z levels read", QUICK_SCRIPT},
        BadInput{"MissingImage", removing({"data/gfx/gui_logo.png"}),
                 "[EE] [resource::Manager::getTexture]\t\tunable to file handle for gui_logo.png",
                 QUICK_SCRIPT},
        BadInput{"CorruptImage",
                 writing("data/gfx/gui_menu_background.png",
                         std::string("\x89PNG\r\n\x1a\n", 8) + "not an image"),
                 "unable to load texture gui_menu_background.png", QUICK_SCRIPT},
        // Garbage lines between the header and the glyphs, and after them:
        // the good glyphs survive.
        BadInput{"FontWithGarbageLines", editingFont([](std::string& text) {
                     text.insert(text.find('\n') + 1,
                                 "garbage\nChar=\"\n\x01\x02 more\nChar=zz,1\nBitmap\n");
                     text += "\nChar=,,,\ntrailing";
                 }),
                 "[II] [WinMain]\t\tStarting engine", NEW_GAME_SCRIPT, "[EE] [Text::validate]"},
        // A zero byte half-way through, as a damaged disk or download leaves
        // it: the glyphs after it are lost, nothing is read beyond the text.
        BadInput{"FontWithZeroByte", editingFont([](std::string& text) {
                     text.insert(text.size() / 2, std::string("\0\xff\xfe garbage", 11));
                 }),
                 "[EE] [Text::validate]\t\tcouldnt find sprie for", NEW_GAME_SCRIPT},
        BadInput{"ScriptWithBadLines", removing({}), "Autopilot: ignoring bad line 2 of script.txt",
                 "3 shot s\nhello world\n4 jump 1 2\nx key escape down\n5 move\n"
                 "6 key escape down\n"},
        BadInput{"MissingMenu", removing({"data/xml/menu.xml"}),
                 "[EE] [XmlReader::getRootChildElement]\t\tgot no root", QUICK_SCRIPT},
        BadInput{"MissingInfoTexts", removing({"data/xml/info.xml"}),
                 "[EE] [InfoManager::load]\t\tcould not read info texts from info.xml",
                 "2 clickon Quit\n3 shot s\n6 key escape down\n"},
        BadInput{"MissingDates", removing({"data/xml/date.xml"}),
                 "[EE] [resource::Manager::getTxt]\t\tgot no handle for date.xml", START_SCRIPT},
        BadInput{"BrokenFlags", writing("data/xml/flags.xml", "<flags><raised1><LONA/>"),
                 "[EE] [resource::Manager::getXml]\t\terror parsing xml", START_SCRIPT},
        BadInput{"MissingTutorials", removing({"data/xml/tutorials.xml"}),
                 "[EE] [TutorialManager::setDifficulty]\t\tno period with id", START_SCRIPT},
        BadInput{"BrokenAchievements",
                 writing("data/xml/achievements.xml", "<achievements><achievement id="),
                 "[EE] [resource::Manager::getXml]\t\terror parsing xml", START_SCRIPT},
        BadInput{"BrokenInfoTexts", writing("data/xml/info.xml", "<infos><info name=\"x\">"),
                 "[EE] [InfoManager::load]\t\tcould not read info texts from info.xml",
                 QUICK_SCRIPT}),
    [](const ::testing::TestParamInfo<BadInput>& info) { return std::string(info.param.name); });
