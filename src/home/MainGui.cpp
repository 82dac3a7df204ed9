#include "home/MainGui.h"

#include <tinyxml.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <ctime>

#include "core/Log.h"
#include "core/Money.h"
#include "core/SoundPlayer.h"
#include "core/Sprite.h"
#include "core/StateMachine.h"
#include "core/StreamPlayer.h"
#include "core/ZDepth.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/NewGameState.h"
#include "core/states/RoomState.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/EndGui.h"
#include "home/InvestmentCalculator.h"
#include "home/InvestmentGui.h"
#include "home/Portfolio.h"
#include "home/Room.h"
#include "home/ServiceButton.h"
#include "resource/ConstantManager.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/Budget.h"
#include "sim/ConditionRule.h"
#include "sim/DateManager.h"
#include "sim/InfoManager.h"
#include "sim/RandomEventManager.h"
#include "sim/Scenario.h"
#include "sim/TimeLoader.h"
#include "sim/TutorialManager.h"

namespace {

const char* const TEXT_FONT = "font_tessaline_28.fnt";
const unsigned int TEXT_COLOR = 0xFFFFFFFFu;
const float TEXT_ABOVE_BOX = 0.005f;
const hgeVector INFO_POSITION(150, 70);
// The refusals about the month sit a little to the right.
const hgeVector PLAY_INFO_POSITION(170, 70);
const hgeVector FINISHED_BUDGET_SIZE(200, 200);

// The arrow's tip is the bottom centre of its picture (the loader cuts the
// one-pixel margin, so the tip is one pixel in from the file's (20, 55)).
const hgeVector ARROW_SIZE(40, 56);
const hgeVector ARROW_TIP(19, 54);
const hgeVector ARROW_AT_BUDGET(100, 540);
const hgeVector ARROW_AT_PLAY(45, 525);
// A gentle bob: up by this many pixels and back once per period.
const float ARROW_BOB = 6.0f;
const float ARROW_PERIOD = 1.4f;
const float ARROW_ABOVE_HUD = 0.05f;

bool inFlat() {
    return StateMachine::instance()->current() == GameState::RoomState::instance();
}

GuiButton* button(GuiBase* widget) {
    return dynamic_cast<GuiButton*>(widget);
}

}  // namespace

MainGui::MainGui() {
    const char* context = "MainGui::MainGui";
    Log::info(context) << "creating main gui";
    m_startTime = static_cast<int64_t>(std::time(nullptr));
    const float depth = ZDepth::getZ("main_gui");

    // The bottom bar and the date plate; the file's one-pixel margin is cut,
    // so its first shown pixel is the screen's corner.
    m_background = std::make_unique<Sprite>("sprite_background.png", hgeVector(802, 602));
    m_background->setHotSpot(0, 0);
    m_background->setMovesWithCam(true);
    m_background->setPosition(hgeVector(0, 0));
    m_background->setZ(depth);

    XmlReader reader("gui.xml");
    TiXmlElement* record =
        reader.getRootElement() ? reader.getRootChildElement("gui", "guiId", "mainGui") : nullptr;
    if (record) {
        build(record);
    } else {
        Log::error(context) << "gui.xml is missing mainGui node";
    }

    m_arrow = std::make_unique<Sprite>("sprite_arrow.png", ARROW_SIZE);
    m_arrow->setHotSpot(ARROW_TIP.x, ARROW_TIP.y);
    m_arrow->setMovesWithCam(true);
    m_arrow->setZ(depth + ARROW_ABOVE_HUD);

    m_soundOff = std::make_unique<Sprite>("sprite_sound_off.png", hgeVector(40, 40));
    m_soundOff->setHotSpot(0, 0);
    m_soundOff->setMovesWithCam(true);
    if (m_soundButton) {
        m_soundOff->setPosition(m_soundButton->getPosition());
        m_soundOff->setZ(m_soundButton->getDepth() + 0.001f);
    }
    showRoomParts(false);
}

MainGui::~MainGui() {
    delete m_endGui;
    delete m_budget;
    ServiceButton::closeShownWindow();
}

void MainGui::build(TiXmlElement* record) {
    m_window = std::make_unique<GuiWindow>(record, true, nullptr);
    m_window->setDepth(ZDepth::getZ("main_gui"));
    m_holders.push_back(m_window.get());
    for (TiXmlElement* element = record->FirstChildElement("window"); element;
         element = element->NextSiblingElement("window")) {
        auto* window = dynamic_cast<GuiWindow*>(
            m_window->findChild(xml::getAttributeString(element, "guiId", false)));
        if (window) {
            buildServices(element, window);
        }
    }
    for (TiXmlElement* element = record->FirstChildElement("button"); element;
         element = element->NextSiblingElement("button")) {
        addLabel(m_window->findChild(xml::getAttributeString(element, "guiId", false)), element);
    }

    m_playButton = button(findWidget("Play Button"));
    m_budgetButton = button(findWidget("Cash Button"));
    m_investButton = button(findWidget("Cash Image"));
    m_exitButton = button(findWidget("Exit Button"));
    m_soundButton = button(findWidget("Sound Button"));
    m_cashWindow = dynamic_cast<GuiWindow*>(findWidget("Cash Window"));
    m_cashBox = dynamic_cast<GuiTextBox*>(findWidget("Cash Text"));
    m_dateBox = dynamic_cast<GuiTextBox*>(findWidget("Date Text"));
    for (const char* name : {"Play Button", "Cash Button", "Cash Image", "Exit Button",
                             "Sound Button", "Cash Window", "Cash Text", "Date Text"}) {
        if (!findWidget(name)) {
            Log::warning("MainGui::MainGui") << "mainGui has no " << name;
        }
    }
    // Texts only show; they never take the pointer from a button.
    for (GuiTextBox* box : {m_cashBox, m_dateBox}) {
        if (box) {
            box->setActive(false, false);
        }
    }
}

void MainGui::buildServices(TiXmlElement* windowElement, GuiWindow* window) {
    bool holdsServices = false;
    for (TiXmlElement* element = windowElement->FirstChildElement("service"); element;
         element = element->NextSiblingElement("service")) {
        // An id that names no flag is logged by the button, which is built all
        // the same.
        auto* service = new ServiceButton(element, window);
        window->getController()->addChild(service);
        m_services.push_back(service);
        addLabel(service, element);
        holdsServices = true;
    }
    if (holdsServices) {
        m_holders.push_back(window);
    }
    for (TiXmlElement* element = windowElement->FirstChildElement("window"); element;
         element = element->NextSiblingElement("window")) {
        auto* inner = dynamic_cast<GuiWindow*>(
            window->findChild(xml::getAttributeString(element, "guiId", false)));
        if (inner) {
            buildServices(element, inner);
        }
    }
}

void MainGui::addLabel(GuiBase* widget, TiXmlElement* element) {
    const std::string label = xml::getAttributeString(element, "label", false);
    if (widget && !label.empty()) {
        m_labels.push_back({widget, label});
    }
}

GuiBase* MainGui::findWidget(const std::string& name) const {
    return m_window ? m_window->findChild(name) : nullptr;
}

int64_t MainGui::getPlaySeconds() const {
    return static_cast<int64_t>(std::time(nullptr)) - m_startTime;
}

void MainGui::update(float dt) {
    InfoManager* info = InfoManager::instance();
    if (info->getAnswer("gameover") == InfoManager::CONFIRMED) {
        info->setAnswer(InfoManager::NO_ANSWER);
        endGame(GameState::NewGameState::instance());
        return;
    }
    if (!m_endGui && DateManager::instance()->isEnded()) {
        Log::info("MainGui::update") << "the calendar has ended, showing the end screen";
        m_endGui = new EndGui(getPlaySeconds());
    }
    if (m_budget && m_budget->isDone()) {
        // The budget goes first: a message opened over its dimmed screen
        // would bring the dimming back when it closes.
        delete m_budget;
        m_budget = nullptr;
        if (m_budgetPending && DifficultyLevel::value() == 1) {
            info->show("buy finbudget", InfoManager::MESSAGE, INFO_POSITION, FINISHED_BUDGET_SIZE);
        }
        m_budgetPending = false;
        m_budgetDone = true;
        Log::debug("MainGui::update") << "budget done";
    }
    pollButtons();
    if (info->getAnswer("Exit Button2") == InfoManager::CONFIRMED) {
        info->setAnswer(InfoManager::NO_ANSWER);
        endGame(GameState::NewGameState::instance());
        return;
    }
    updateHintArrow(dt);

    // Closing these messages over the flat gives it its entry delay again,
    // so that the closing click cannot lift a piece of furniture.
    const std::string& name = info->getCurrentName();
    const bool delayMessage = name == "play_budget" || name == "furniture block";
    const bool open = delayMessage && info->isOpen();
    if (delayMessage &&
        (info->getAnswer() == InfoManager::CONFIRMED || (m_delayMessageOpen && !open))) {
        if (info->getAnswer() == InfoManager::CONFIRMED) {
            info->setAnswer(InfoManager::NO_ANSWER);
        }
        if (inFlat()) {
            GameState::RoomState::instance()->restartInputDelay();
        }
    }
    m_delayMessageOpen = open;

    refreshTexts();
    updateLabel();
    showSoundState();
}

void MainGui::pollButtons() {
    if (m_budgetButton && m_budgetButton->isClicked()) {
        openBudget();
    }
    if (m_exitButton && m_exitButton->isClicked()) {
        askExit();
    }
    if (m_playButton && m_playButton->isClicked()) {
        play();
    }
    if (m_investButton && m_investButton->isClicked()) {
        openInvestments();
    }
    if (m_soundButton && m_soundButton->isClicked()) {
        toggleSound();
    }
}

void MainGui::play() {
    const bool beginner = DifficultyLevel::value() == 1;
    const bool budgetCheck = ConstantManager::instance()->getBool("budgetCheck");
    auto refuse = [](const char* key, const hgeVector& position) {
        Log::debug("MainGui::play") << "play refused: " << key;
        InfoManager::instance()->show(key, InfoManager::MESSAGE, position);
    };
    if (beginner && m_budgetPending && budgetCheck) {
        refuse("Force Budget", INFO_POSITION);
        return;
    }
    if (Room::exists() && Room::instance()->isAnyFurnitureBlocked()) {
        refuse("furniture block", INFO_POSITION);
        return;
    }
    if (beginner) {
        TutorialManager::instance()->runIfHasntBeenRun(Tutorial::EVENTS);
    }
    if (DateManager::instance()->getStopDate()) {
        return;
    }
    if (budgetCheck && !m_budgetDone) {
        refuse("play_budget", PLAY_INFO_POSITION);
        return;
    }
    if (ConstantManager::instance()->getBool("eventCheck") &&
        RandomEventManager::instance()->getOpenReportCount() > 0) {
        refuse("play_event", PLAY_INFO_POSITION);
        return;
    }
    playMonth();
}

void MainGui::playMonth() {
    m_monthStarted = true;
    hideHintArrow();
    ConditionRule::apply(m_month);
    RandomEventManager::instance()->lostJobCheck();
    DateManager* clock = DateManager::instance();
    clock->startMonth();
    // The month's draws, counted from the game's first month.
    Scenario::startMonth((clock->getYear() - 1) * clock->getMonthCount() + clock->getMonthIndex());
    m_month.bought = false;
    RandomEventManager::instance()->newMonth();
    Portfolio::instance()->updateFunds();
    Portfolio::instance()->updateStocks();
    InvestmentCalculator::instance()->monthlyInterest();
    m_month.startMonth();
    TimeLoader::instance()->start();
    Log::debug("MainGui::play") << "month " << clock->getMonthName() << " of year "
                                << clock->getYear() << " started";
}

void MainGui::openBudget() {
    if (m_budgetPending) {
        hideHintArrow();
    }
    if (!m_budget) {
        m_budget = new Budget(m_month, m_budgetPending);
    }
    ServiceButton::closeShownWindow();
}

void MainGui::openInvestments() {
    if (DifficultyLevel::value() > 1) {
        InvestmentGui::instance()->open();
    } else {
        InfoManager::instance()->show("Locked", InfoManager::MESSAGE, INFO_POSITION);
    }
}

void MainGui::toggleSound() {
    SoundPlayer* effects = SoundPlayer::instance();
    effects->setMuted(!effects->isMuted());
    StreamPlayer* music = StreamPlayer::instance();
    music->setMuted(!music->isMuted());
    Log::debug("MainGui::toggleSound") << (effects->isMuted() ? "sound off" : "sound on");
    showSoundState();
}

void MainGui::askExit() {
    InfoManager::instance()->show("Exit Button2", InfoManager::QUESTION, INFO_POSITION);
}

void MainGui::endGame(State* next) {
    if (next) {
        StateMachine::instance()->changeState(next);
    }
    destroy();
}

void MainGui::showRoomParts(bool shown) {
    m_roomShown = shown;
    TimeLoader::instance()->setOnScreen(shown);
    m_background->setVisible(shown);
    if (m_window) {
        m_window->setVisible(shown);
    }
    // Showing a window shows and wakes all it holds: the holders stay
    // see-through and out of the pointer's way, and a service shows only
    // while the player has it.
    for (GuiWindow* holder : m_holders) {
        holder->setColor(0x00FFFFFFu);
        holder->setActive(false, false);
    }
    for (GuiTextBox* box : {m_cashBox, m_dateBox}) {
        if (box) {
            box->setActive(false, false);
        }
    }
    for (ServiceButton* service : m_services) {
        service->setVisible(shown && service->getState() == 2);
    }
    if (!shown) {
        hideHintArrow();
        m_label.hide();
        ServiceButton::closeShownWindow();
    }
    refreshTexts();
    showSoundState();
}

void MainGui::updateButtons() {
    showRoomParts(inFlat());
}

void MainGui::showCash() {
    if (m_cashWindow) {
        m_cashWindow->setVisible(true);
    }
    if (m_cashBox) {
        m_cashBox->setActive(false, false);
    }
    refreshTexts();
}

void MainGui::hideHintArrow() {
    m_arrow->setVisible(false);
}

void MainGui::showArrowAt(float x, float y) {
    if (!m_arrow->isVisible() || m_arrowX != x || m_arrowY != y) {
        m_arrowTime = 0.0f;
    }
    m_arrowX = x;
    m_arrowY = y;
    m_arrow->setVisible(true);
}

void MainGui::updateHintArrow(float dt) {
    if (DifficultyLevel::value() == 1 && m_roomShown && inFlat()) {
        // The budget's tutorial explains where the arrow points.
        if (m_budgetPending && !m_budget &&
            TutorialManager::instance()->hasRun(Tutorial::BUDGETB)) {
            showArrowAt(ARROW_AT_BUDGET.x, ARROW_AT_BUDGET.y);
        } else if (!m_townNotVisited && !m_monthStarted) {
            showArrowAt(ARROW_AT_PLAY.x, ARROW_AT_PLAY.y);
        }
    }
    if (!m_arrow->isVisible()) {
        return;
    }
    m_arrowTime = std::fmod(m_arrowTime + dt, ARROW_PERIOD);
    const float phase = 2.0f * static_cast<float>(M_PI) * m_arrowTime / ARROW_PERIOD;
    const float lift = ARROW_BOB * 0.5f * (1.0f - std::cos(phase));
    m_arrow->setPosition(hgeVector(m_arrowX, m_arrowY - lift));
}

void MainGui::updateLabel() {
    const InteractionalObject* under = InteractionalObject::getCursor()->getCurrentObject();
    for (const Labelled& labelled : m_labels) {
        if (under && labelled.widget == under && labelled.widget->isVisible()) {
            m_label.show(labelled.label);
            return;
        }
    }
    m_label.hide();
}

void MainGui::refreshTexts() {
    setText(m_cashBox, m_cashText, money::kr(Portfolio::instance()->getCash()), false);
    std::string date;
    DateManager* clock = DateManager::instance();
    if (clock->isLoaded()) {
        std::string month = clock->getShortMonthName();
        std::transform(month.begin(), month.end(), month.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        date = std::to_string(clock->getDay()) + " " + month;
    }
    setText(m_dateBox, m_dateText, date, true);
}

void MainGui::setText(GuiTextBox* box, std::string& shown, const std::string& text, bool centred) {
    if (text == shown) {
        return;
    }
    if (box && !shown.empty()) {
        box->removeText(shown);
    }
    shown = text;
    if (box && !text.empty()) {
        // Centred in the box's height, and in its width when asked.
        const Text measure(TEXT_FONT, text);
        const hgeVector size = box->getSize();
        const float left = centred ? std::max(0.0f, (size.x - measure.getWidth()) / 2) : 0.0f;
        const float top = std::max(0.0f, (size.y - measure.getHeight()) / 2);
        box->addText(text, TEXT_FONT, TEXT_COLOR, hgeVector(left, top));
        // Just above its plate: a text box puts its texts well above its
        // parent, which would draw them over any window opened over the HUD.
        box->getAddedTexts().back().drawn->setZ(box->getDepth() + TEXT_ABOVE_BOX);
    }
}

void MainGui::showSoundState() {
    const bool muted = SoundPlayer::exists() && SoundPlayer::instance()->isMuted();
    m_soundOff->setVisible(muted && m_soundButton && m_soundButton->isVisible());
}
