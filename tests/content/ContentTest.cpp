// The shipped data files, checked as the game reads them: every XML file
// parses, every screen record builds without a warning, and every message and
// menu text can be drawn in its font and fits its box.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/Sprite.h"
#include "core/states/MenuBuilder.h"
#include "core/states/StateTestSupport.h"
#include "gui/GuiButton.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "resource/ResourceManager.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/InfoManager.h"

namespace fs = std::filesystem;

namespace {

// Every message key the game shows, and which of them are yes/no questions.
const char* const MESSAGES[] = {
    "town",
    "Locked",
    "play_budget",
    "play_event",
    "no money",
    "gameover",
    "Force Budget",
    "buy finbudget",
    "budgetinfo",
    "cant buy",
    "cant buy consumptions",
    "furniture block",
    "kategorier0",
    "no_savings1",
    "no_savings2",
    "forbrukningsvaror",
    "mat",
    "klader",
    "hygien",
    "sparande",
    "overskott",
    "inkomster",
    "rakningar",
};
const char* const QUESTIONS[] = {
    "Exit Button",    "Exit Button2",     "door",         "buy confirm",
    "cancel service", "cancel tvlicense", "Consumptions", "Savings",
};

// Warnings and errors among the captured lines.
std::vector<std::string> problems(const test::LogCapture& log) {
    std::vector<std::string> found;
    for (const std::string& line : log.lines()) {
        if (line.rfind("[WW] ", 0) == 0 || line.rfind("[EE] ", 0) == 0) {
            found.push_back(line);
        }
    }
    return found;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

int lineCount(const std::string& text) {
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Checks that the one paragraph of the message window fits its text box.
void expectFits(const std::string& key) {
    GuiWindow* window = InfoManager::instance()->getWindow();
    ASSERT_NE(window, nullptr) << key;
    auto* box = dynamic_cast<GuiTextBox*>(window->findChild("Info Text"));
    ASSERT_NE(box, nullptr) << key;
    ASSERT_EQ(box->getParagraphs().size(), 1u) << key;
    const auto& paragraph = box->getParagraphs().front();
    ASSERT_NE(paragraph.drawn, nullptr) << key;
    EXPECT_TRUE(paragraph.drawn->hasFont()) << key << ": a character the font lacks";
    const float height = lineCount(paragraph.text) * paragraph.drawn->getHeight();
    EXPECT_LE(height, box->getTextHeight()) << key << " runs out of its window:\n"
                                            << paragraph.text;
    // Wrapping measures glyphs without their spacing, so a line may pass the
    // box a little; it must still end on the window's face.
    const float right = paragraph.position.x + paragraph.drawn->getWidth();
    EXPECT_LE(right, window->getPosition().x + window->getSize().x - 8)
        << key << " has a line running off its window";
}

}  // namespace

TEST(Content, EveryXmlFileParses) {
    test::LogCapture log;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(FISCORA_SOURCE_DIR) / "data/xml")) {
        if (entry.path().extension() != ".xml") {
            continue;
        }
        ++files;
        const std::string name = entry.path().filename().string();
        TiXmlDocument document;
        EXPECT_GT(resource::Manager::instance()->getXml(name, document), 0) << name;
        EXPECT_FALSE(document.Error()) << name << ": " << document.ErrorDesc();
        EXPECT_NE(document.RootElement(), nullptr) << name;
    }
    EXPECT_GE(files, 5);
    EXPECT_EQ(problems(log), std::vector<std::string>());
}

TEST(Content, EveryScreenRecordBuildsWithoutWarnings) {
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    test::LogCapture log;

    XmlReader gui("gui.xml");
    ASSERT_NE(gui.getRootElement(), nullptr);
    std::vector<std::unique_ptr<GuiBase>> built;
    std::vector<std::unique_ptr<Sprite>> pictures;
    int records = 0;
    for (TiXmlElement* record = gui.getRootElement()->FirstChildElement(); record;
         record = record->NextSiblingElement()) {
        ++records;
        const std::string family = record->Value();
        const std::string id = xml::getAttributeString(record, "guiId", false);
        if (family == "town") {
            pictures.push_back(std::make_unique<Sprite>(
                xml::getAttributeString(record, "background"), hgeVector(802, 602)));
            for (TiXmlElement* button = record->FirstChildElement("button"); button;
                 button = button->NextSiblingElement("button")) {
                built.push_back(std::make_unique<GuiButton>(button, nullptr));
            }
        } else if (id == "Info Window") {
            continue;  // composed per message below
        } else {
            built.push_back(std::make_unique<GuiWindow>(record, true, nullptr));
        }
    }
    EXPECT_GE(records, 2);

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
        auto box = std::make_unique<GuiTextBox>(level->FirstChildElement("textBox"),
                                                MenuBuilder::find(entries, "Information"));
        EXPECT_NE(MenuBuilder::find(entries, xml::getAttributeString(level, "name")), nullptr);
        // The last paragraph ends inside the box.
        ASSERT_FALSE(box->getParagraphs().empty());
        const auto& last = box->getParagraphs().back();
        ASSERT_NE(last.drawn, nullptr);
        EXPECT_TRUE(last.drawn->hasFont());
        const float bottom = last.position.y + lineCount(last.text) * last.drawn->getHeight();
        EXPECT_LE(bottom, box->getPosition().y + box->getTextHeight())
            << xml::getAttributeString(level, "name") << " description runs out of its box";
        built.push_back(std::move(box));
    }
    EXPECT_EQ(problems(log), std::vector<std::string>()) << joined(problems(log));
}

TEST(Content, EveryMessageExistsDrawsAndFitsItsWindow) {
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    InfoManager* info = InfoManager::instance();
    info->load("info.xml");
    test::LogCapture log;
    for (const char* key : MESSAGES) {
        ASSERT_NE(info->find(key), nullptr) << key;
        info->show(key, InfoManager::MESSAGE, hgeVector(150, 70));
        expectFits(key);
    }
    for (const char* key : QUESTIONS) {
        ASSERT_NE(info->find(key), nullptr) << key;
        const std::string& text = info->find(key)->description;
        EXPECT_NE(text.find('?'), std::string::npos) << key << " is asked as a question";
        info->show(key, InfoManager::QUESTION, hgeVector(150, 70));
        expectFits(key);
    }
    // The first budget's praise comes in a small window.
    info->show("buy finbudget", InfoManager::MESSAGE, hgeVector(150, 70), hgeVector(200, 200));
    expectFits("buy finbudget");
    info->close();
    EXPECT_EQ(problems(log), std::vector<std::string>()) << joined(problems(log));

    // Nothing in the file that the game never shows.
    EXPECT_EQ(info->getInfos().size(), std::size(MESSAGES) + std::size(QUESTIONS));
}

TEST(Content, EveryMenuTextDrawsInItsFont) {
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    test::LogCapture log;
    XmlReader menu("menu.xml");
    ASSERT_NE(menu.getRootElement(), nullptr);
    TiXmlElement* levels = menu.getRootElement()->FirstChildElement("difficultyInfo");
    ASSERT_NE(levels, nullptr);
    int texts = 0;
    for (TiXmlElement* level = levels->FirstChildElement("difficulty"); level;
         level = level->NextSiblingElement("difficulty")) {
        TiXmlElement* box = level->FirstChildElement("textBox");
        ASSERT_NE(box, nullptr);
        for (TiXmlElement* text = box->FirstChildElement("text"); text;
             text = text->NextSiblingElement("text")) {
            std::string font = xml::getAttributeString(text, "font", false);
            if (font.empty()) {
                font = "font_tessaline_19.fnt";
            }
            Text drawn(font, text->GetText() ? text->GetText() : "");
            drawn.setVisible(false);
            EXPECT_TRUE(drawn.validate()) << text->GetText();
            ++texts;
        }
    }
    EXPECT_GE(texts, 6);
    EXPECT_EQ(problems(log), std::vector<std::string>()) << joined(problems(log));
}
