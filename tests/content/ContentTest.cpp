// The shipped data files, checked as the game reads them (the test program's
// side file points at data/ as plain folders): every text file is UTF-8 that
// Windows-1252 can hold, every XML file parses, the constants and depths are
// there, every screen record builds without a warning, and every message can
// be drawn in its font and fits its window, and so does every tutorial.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/Sprite.h"
#include "core/states/MenuBuilder.h"
#include "core/states/StateTestSupport.h"
#include "gui/GuiButton.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "resource/ConstantManager.h"
#include "resource/Encoding.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/InfoManager.h"
#include "sim/TutorialManager.h"

namespace fs = std::filesystem;

namespace {

const fs::path kData = fs::path(FISCORA_SOURCE_DIR) / "data";

// Every message key the game shows; a "?" marks the yes/no questions.
const char* const KEYS =
    "town,Locked,play_budget,play_event,no money,gameover,Force Budget,buy finbudget,budgetinfo,"
    "cant buy,cant buy consumptions,furniture block,kategorier0,no_savings1,no_savings2,"
    "forbrukningsvaror,mat,klader,hygien,sparande,overskott,inkomster,rakningar,Exit Button?,"
    "Exit Button2?,door?,buy confirm?,cancel service?,cancel tvlicense?,Consumptions?,Savings?";

// The warnings and errors among the captured lines, one a line.
std::string problems(const test::LogCapture& log) {
    std::string found;
    for (const std::string& line : log.lines()) {
        found += line.rfind("[WW] ", 0) == 0 || line.rfind("[EE] ", 0) == 0 ? line + "\n" : "";
    }
    return found;
}

int lineCount(const std::string& text) {
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

TEST(Content, EveryDataFileReadsQuietlyAndTheConstantsAndDepthsAreSensible) {
    test::LogCapture log;
    int texts = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kData)) {
        const fs::path extension = entry.path().extension();
        if (extension == ".xml" || extension == ".fnt" || extension == ".txt") {
            std::string problem;
            EXPECT_TRUE(text::isConvertible(test::readFile(entry.path().string()), &problem))
                << entry.path() << ": " << problem;
            ++texts;
        }
        if (extension == ".xml") {
            EXPECT_NE(XmlReader(entry.path().filename().string()).getRootElement(), nullptr)
                << entry.path();
        }
    }
    EXPECT_GE(texts, 10);

    // Every constant the game reads is there, and the depths stack sensibly.
    ConstantManager* constants = ConstantManager::instance();
    EXPECT_FLOAT_EQ(constants->getFloat("screenWidth"), 800.0f);
    EXPECT_FLOAT_EQ(constants->getFloat("screenHeight"), 600.0f);
    for (const char* key : {"cameraSpeed", "enterRoomDelay", "tutorialForceDelay"}) {
        EXPECT_GT(constants->getFloat(key), 0.0f) << key;
    }
    // A low factor must lie below its high one, or every month is both.
    for (const char* factor : {"Health", "Appearance", "Hygiene"}) {
        const float low = constants->getFloat(std::string("low") + factor);
        EXPECT_GT(low, 0.0f) << factor;
        EXPECT_LT(low, constants->getFloat(std::string("high") + factor)) << factor;
    }
    for (const char* key : {"soundEnabled", "musicEnabled", "achievementsEnabled",
                            "tutorialsEnabled", "budgetCheck", "eventCheck", "debugDraw"}) {
        EXPECT_EQ(constants->getBool(key), std::string(key) != "debugDraw") << key;
    }

    XmlReader reader("zdepth.xml");
    ASSERT_NE(reader.getRootElement(), nullptr);
    std::map<std::string, float> z;
    for (TiXmlElement* level = reader.getRootElement()->FirstChildElement(); level;
         level = level->NextSiblingElement()) {
        z[xml::getAttributeString(level, "key")] = xml::getAttributeFloat(level, "val");
    }
    EXPECT_EQ(problems(log), "");
    // Furniture (0.25..0.75) under its buttons and the HUD; ordinary windows
    // (0.85..0.99) under tutorials; the pointer above everything. (A missing
    // level reads 0 and fails.)
    EXPECT_GT(z["town_building"], 0.0f);
    EXPECT_GT(std::min(z["gui_furniture"], z["main_gui"]), 0.75f);
    EXPECT_LT(z["main_gui"], z["gui_default"]);
    EXPECT_TRUE(z["tutorials"] > 1.0f && z["tutorials"] < 2.0f) << z["tutorials"];
    for (const auto& level : z) {
        EXPECT_TRUE(level.first == "cursor" || level.second < z["cursor"]) << level.first;
    }
}

TEST(Content, EveryScreenRecordBuildsWithoutWarnings) {
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    test::LogCapture log;

    XmlReader gui("gui.xml");
    ASSERT_NE(gui.getRootElement(), nullptr);
    std::vector<std::unique_ptr<GuiBase>> built;
    std::vector<std::unique_ptr<Sprite>> pictures;
    for (TiXmlElement* record = gui.getRootElement()->FirstChildElement(); record;
         record = record->NextSiblingElement()) {
        if (std::string(record->Value()) == "town") {
            pictures.push_back(std::make_unique<Sprite>(
                xml::getAttributeString(record, "background"), hgeVector(802, 602)));
            for (TiXmlElement* button = record->FirstChildElement("button"); button;
                 button = button->NextSiblingElement("button")) {
                built.push_back(std::make_unique<GuiButton>(button, nullptr));
            }
        } else if (xml::getAttributeString(record, "guiId", false) != "Info Window") {
            // (the message window is composed per message below)
            built.push_back(std::make_unique<GuiWindow>(record, true, nullptr));
        }
    }
    EXPECT_GE(built.size(), 2u);

    // The menus, and every difficulty's description, whose paragraphs draw in
    // their fonts (a missing glyph is logged) and end inside the box.
    XmlReader menu("menu.xml");
    TiXmlElement* main = menu.getRootChildElement("gui", "guiId", "Main menu");
    ASSERT_NE(main, nullptr);
    auto window = std::make_unique<GuiWindow>(main, false, nullptr);
    std::vector<GuiWindow*> entries;
    MenuBuilder::build(main, window.get(), entries);
    EXPECT_EQ(entries.size(), 3u);
    MenuBuilder::build(main->NextSiblingElement("newGame"), window.get(), entries);
    EXPECT_EQ(entries.size(), 8u);
    TiXmlElement* levels = main->NextSiblingElement("difficultyInfo");
    ASSERT_NE(levels, nullptr);
    for (TiXmlElement* level = levels->FirstChildElement("difficulty"); level;
         level = level->NextSiblingElement("difficulty")) {
        const std::string name = xml::getAttributeString(level, "name");
        auto box = std::make_unique<GuiTextBox>(level->FirstChildElement("textBox"),
                                                MenuBuilder::find(entries, "Information"));
        EXPECT_NE(MenuBuilder::find(entries, name), nullptr);
        ASSERT_FALSE(box->getParagraphs().empty()) << name;
        const auto& last = box->getParagraphs().back();
        ASSERT_NE(last.drawn, nullptr) << name;
        const float bottom = last.position.y + lineCount(last.text) * last.drawn->getHeight();
        EXPECT_LE(bottom, box->getPosition().y + box->getTextHeight())
            << name << " description runs out of its box";
        built.push_back(std::move(box));
    }
    EXPECT_EQ(problems(log), "");
}

TEST(Content, EveryMessageExistsDrawsAndFitsItsWindow) {
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    InfoManager* info = InfoManager::instance();
    info->load("info.xml");
    test::LogCapture log;
    // The first budget's praise also comes in a small window ("!").
    std::istringstream keys(std::string(KEYS) + ",buy finbudget!");
    size_t shown = 0;
    for (std::string key; std::getline(keys, key, ',');) {
        const char mark = key.back();
        key.resize(key.size() - (mark == '?' || mark == '!' ? 1 : 0));
        SCOPED_TRACE(key);
        ASSERT_NE(info->find(key), nullptr);
        EXPECT_TRUE(mark != '?' || info->find(key)->description.find('?') != std::string::npos)
            << "is asked as a question";
        info->show(key, mark == '?' ? InfoManager::QUESTION : InfoManager::MESSAGE,
                   hgeVector(150, 70), mark == '!' ? hgeVector(200, 200) : hgeVector(0, 0));
        shown += mark == '!' ? 0 : 1;
        // The one paragraph fits its text box.
        GuiWindow* window = info->getWindow();
        ASSERT_NE(window, nullptr);
        auto* box = dynamic_cast<GuiTextBox*>(window->findChild("Info Text"));
        ASSERT_TRUE(box && box->getParagraphs().size() == 1u);
        const auto& paragraph = box->getParagraphs().front();
        ASSERT_NE(paragraph.drawn, nullptr);
        EXPECT_TRUE(paragraph.drawn->hasFont()) << "a character the font lacks";
        EXPECT_LE(lineCount(paragraph.text) * paragraph.drawn->getHeight(), box->getTextHeight())
            << "runs out of its window:\n"
            << paragraph.text;
        // Wrapping measures glyphs without their spacing, so a line may pass
        // the box a little; it must still end on the window's face.
        EXPECT_LE(paragraph.position.x + paragraph.drawn->getWidth(),
                  window->getPosition().x + window->getSize().x - 8)
            << "has a line running off its window";
    }
    info->close();
    EXPECT_EQ(problems(log), "");
    // Nothing in the file that the game never shows.
    EXPECT_EQ(info->getInfos().size(), shown);
}

// Every level holds every tutorial (the notice board replays any of them),
// each chain leads to one that the level holds, each picture is shipped and
// each text is drawn in its font inside its box.
TEST(Content, EveryTutorialOfEveryLevelBuildsQuietlyAndFits) {
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    test::LogCapture log;
    TutorialManager* tutorials = TutorialManager::instance();
    for (const char* period : {"1", "2", "3"}) {
        tutorials->setDifficulty(period);
        EXPECT_EQ(tutorials->getTutorials().size(), static_cast<std::size_t>(Tutorial::END - 1));
        for (const auto& entry : tutorials->getTutorials()) {
            std::string picture = "tutorial_" + Tutorial::toString(entry.first) + ".png";
            std::transform(picture.begin(), picture.end(), picture.begin(), ::tolower);
            SCOPED_TRACE(std::string(period) + " " + picture);
            EXPECT_TRUE(fs::exists(kData / "gfx" / picture));
            Tutorial* tutorial = entry.second.get();
            if (const TiXmlElement* next =
                    tutorial->getElement()->FirstChildElement("whenDoneTrigger")) {
                EXPECT_TRUE(tutorials->getTutorials().count(
                    Tutorial::fromString(xml::getAttributeString(next, "id"))));
            }
            tutorial->run();
            GuiWindow* window = tutorial->getWindow();
            ASSERT_NE(window, nullptr);
            auto* box = dynamic_cast<GuiTextBox*>(window->findChild("Text"));
            ASSERT_TRUE(box && box->getParagraphs().size() == 1u);
            const auto& paragraph = box->getParagraphs().front();
            ASSERT_NE(paragraph.drawn, nullptr);
            EXPECT_TRUE(paragraph.drawn->hasFont()) << "a character the font lacks";
            EXPECT_LE(lineCount(paragraph.text) * paragraph.drawn->getHeight(),
                      box->getTextHeight())
                << paragraph.text;
            EXPECT_LE(paragraph.position.x + paragraph.drawn->getWidth(),
                      window->getPosition().x + window->getSize().x - 8)
                << paragraph.text;
            tutorial->close();
        }
    }
    EXPECT_EQ(problems(log), "");
}
