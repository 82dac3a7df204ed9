#include "core/states/NewGameState.h"

#include <tinyxml.h>

#include <cstdlib>

#include "core/Log.h"
#include "core/StateMachine.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/MenuBuilder.h"
#include "core/states/MenuState.h"
#include "core/states/MenuWidgets.h"
#include "core/states/RoomState.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "gui/Menubutton.h"
#include "home/InvestmentCalculator.h"
#include "home/MainGui.h"
#include "home/Portfolio.h"
#include "home/Room.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/AchievementManager.h"
#include "sim/DateManager.h"
#include "sim/FlagSystem.h"
#include "sim/RandomEventManager.h"
#include "sim/Scenario.h"
#include "sim/StatisticType.h"
#include "sim/Statistics.h"
#include "sim/TimeLoader.h"
#include "sim/TutorialManager.h"
#include "sim/YearRecord.h"

namespace {

const float BACK_DEPTH = 0.9f;

struct ButtonLook {
    hgeVector position;
    hgeVector size;
};
// The three difficulty pictures, in the order of the records.
const ButtonLook BUTTONS[] = {
    {hgeVector(50, 70), hgeVector(204, 90)},
    {hgeVector(300, 50), hgeVector(204, 115)},
    {hgeVector(550, 40), hgeVector(204, 137)},
};

}  // namespace

GameState::NewGameState* GameState::NewGameState::instance() {
    static NewGameState* state = new NewGameState;
    return state;
}

void GameState::NewGameState::enter() {
    // Built once: it reads its file and registers with the frame loop.
    AchievementManager::instance();
    m_selected = -1;
    MenuWidgets* widgets = MenuWidgets::instance();
    GuiWindow* window = widgets->getWindow();
    GuiButton* back = widgets->getBackButton();
    back->setVisible(true);
    back->setActive(true, false);
    window->setVisible(true);

    TiXmlElement* record = widgets->getReader()->getRootChildElement("newGame", "", "");
    MenuBuilder::build(record, window, widgets->getBuiltWindows());
    m_start = window->findChild("Start");
    m_information = window->findChild("Information");

    readDifficulties();
    addButtons();
    showScenario();

    select(0);
    back->setDepth(BACK_DEPTH);
    back->setVisible(true);
    InteractionalObject::getCursor()->setFocusObject(window);
    window->setVisible(true);
}

std::string GameState::NewGameState::levelTitle(int level) {
    XmlReader reader("menu.xml");
    TiXmlElement* info = reader.getRootChildElement("difficultyInfo", "", "");
    TiXmlElement* element = info ? info->FirstChildElement("difficulty") : nullptr;
    for (int i = 1; element && i < level; ++i) {
        element = element->NextSiblingElement("difficulty");
    }
    TiXmlElement* textBox = element && level > 0 ? element->FirstChildElement("textBox") : nullptr;
    TiXmlElement* title = textBox ? textBox->FirstChildElement("text") : nullptr;
    return title && title->GetText() ? title->GetText() : "";
}

void GameState::NewGameState::readDifficulties() {
    MenuWidgets* widgets = MenuWidgets::instance();
    TiXmlElement* info = widgets->getReader()->getRootChildElement("difficultyInfo", "", "");
    if (!info) {
        return;
    }
    // The descriptions sit in the information panel when there is one.
    GuiBase* panel = m_information ? m_information : widgets->getWindow();
    for (TiXmlElement* element = info->FirstChildElement("difficulty"); element;
         element = element->NextSiblingElement("difficulty")) {
        Difficulty difficulty;
        TiXmlElement* textBox = element->FirstChildElement("textBox");
        difficulty.description = std::make_unique<GuiTextBox>(textBox, panel);
        MenuBuilder::addTexts(textBox, difficulty.description.get());
        difficulty.description->setVisible(false);
        difficulty.entry =
            MenuBuilder::find(widgets->getBuiltWindows(), xml::getAttributeString(element, "name"));
        difficulty.id = xml::getAttributeString(element, "id");
        TiXmlElement* end = element->FirstChildElement("end");
        difficulty.endYear = xml::getAttributeInt(end, "year");
        difficulty.endMonth = xml::getAttributeInt(end, "month");
        m_difficulties.push_back(std::move(difficulty));
    }
}

void GameState::NewGameState::addButtons() {
    GuiWindow* window = MenuWidgets::instance()->getWindow();
    for (int i = 0; i < 3; ++i) {
        const std::string image = "gui_menu_difficulty" + std::to_string(i);
        auto* button = new Menubutton("Test Button", image + ".png", BUTTONS[i].position,
                                      BUTTONS[i].size, window);
        button->setGlow(image + "_glow.png");
        // In the window, so that the window's pointer focus lets it be clicked.
        window->getController()->addChild(button);
        m_buttons.push_back(button);
    }
}

void GameState::NewGameState::showScenario() {
    if (!Scenario::isSet()) {
        return;
    }
    TiXmlElement* root = MenuWidgets::instance()->getReader()->getRootElement();
    TiXmlElement* record = root ? root->FirstChildElement("scenario") : nullptr;
    TiXmlElement* textBox = record ? record->FirstChildElement("textBox") : nullptr;
    if (!textBox) {
        Log::warning("GameState::NewGameState::enter") << "no scenario line in menu.xml";
        return;
    }
    // The number goes into a copy, so the record keeps its "{n}" for the next visit.
    TiXmlElement line(*textBox);
    for (TiXmlElement* text = line.FirstChildElement("text"); text;
         text = text->NextSiblingElement("text")) {
        TiXmlNode* content = text->FirstChild();
        if (!content || !content->ToText()) {
            continue;
        }
        std::string value = content->Value();
        const std::size_t at = value.find("{n}");
        if (at != std::string::npos) {
            value.replace(at, 3, std::to_string(Scenario::number()));
        }
        content->SetValue(value.c_str());
    }
    m_scenario = std::make_unique<GuiTextBox>(&line, MenuWidgets::instance()->getWindow());
    // Dark on the light street rather than the panels' white.
    const unsigned int color = GuiBase::textColor(record);
    for (const GuiTextBox::TextRecord& paragraph : m_scenario->getParagraphs()) {
        if (paragraph.drawn) {
            paragraph.drawn->setColor(color);
        }
    }
}

void GameState::NewGameState::select(int index) {
    if (index < 0 || index >= static_cast<int>(m_difficulties.size())) {
        return;
    }
    if (m_selected >= 0 && m_selected < static_cast<int>(m_difficulties.size())) {
        m_difficulties[m_selected].description->setVisible(false);
    }
    m_difficulties[index].description->setVisible(true);
    m_selected = index;
}

void GameState::NewGameState::update(float) {
    if (MenuWidgets::instance()->getBackButton()->isClicked()) {
        StateMachine::instance()->changeState(GameState::MenuState::instance());
        return;
    }
    if (m_start && m_start->isClicked()) {
        startGame();
        return;
    }
    for (std::size_t i = 0; i < m_difficulties.size(); ++i) {
        GuiBase* entry = m_difficulties[i].entry;
        const bool button = i < m_buttons.size() && m_buttons[i]->isClicked();
        if ((entry && entry->isClicked()) || button) {
            select(static_cast<int>(i));
            break;
        }
    }
}

void GameState::NewGameState::startGame() {
    if (m_selected < 0 || m_selected >= static_cast<int>(m_difficulties.size())) {
        // A menu.xml without difficulty records: there is nothing to start.
        Log::warning("GameState::NewGameState::update") << "no difficulty selected, cant start";
        return;
    }
    const Difficulty& difficulty = m_difficulties[m_selected];
    // Before the market's first prices are drawn.
    Scenario::startGame();
    Portfolio::instance()->clear();
    InvestmentCalculator::instance()->reload("investment.xml");
    Portfolio::instance()->setCash(4000);
    DateManager::instance()->reset();
    // Every achievement can be earned again.
    AchievementManager::instance()->reset();
    RandomEventManager::destroy();
    RandomEventManager::instance()->setDifficulty(difficulty.id);
    TutorialManager::instance()->setDifficulty(difficulty.id);
    DifficultyLevel::instance()->set(std::atoi(difficulty.id.c_str()));
    InteractionalObject::getCursor()->setFocusObject(nullptr);
    MenuWidgets::instance()->getWindow()->setVisible(false);
    Statistics::instance()->reset();
    YearRecord::instance()->reset();
    Statistics::instance()->set(StatisticType::PERIOD, DifficultyLevel::value());
    Room::destroy();
    Room::instance()->create(m_selected + 1);
    DateManager::instance()->load("date.xml");
    DateManager::instance()->setEndDate(difficulty.endYear, difficulty.endMonth);
    // Rebuilt hidden: Play shows it when a month begins. Shown here, with no
    // month running, its modal window would stay over the flat for good.
    TimeLoader::instance()->reset();
    // The level's start set of flags from flags.xml, every other flag lowered.
    FlagSystem::instance()->load();
    // A new HUD: no budget yet, the town not yet visited, the clock of the
    // play time from now.
    MainGui::destroy();
    MainGui::instance();
    StateMachine::instance()->changeState(GameState::RoomState::instance());
}

void GameState::NewGameState::exit() {
    MenuWidgets* widgets = MenuWidgets::instance();
    widgets->getWindow()->setVisible(false);
    // Ours go first, so that emptying the window cannot destroy them twice.
    for (Menubutton* button : m_buttons) {
        widgets->getWindow()->getController()->removeChild(button);
        delete button;
    }
    m_buttons.clear();
    m_difficulties.clear();
    m_scenario.reset();
    widgets->clearContents();
    widgets->getBackButton()->setVisible(false);
    m_start = nullptr;
    m_information = nullptr;
    m_selected = -1;
}
