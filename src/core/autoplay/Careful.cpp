#include "core/autoplay/Careful.h"

#include <algorithm>

#include "core/Log.h"
#include "core/Money.h"
#include "core/StateMachine.h"
#include "core/autoplay/Hand.h"
#include "core/autoplay/Screen.h"
#include "core/autoplay/Shopper.h"
#include "core/states/EndState.h"
#include "core/states/MenuState.h"
#include "core/states/NewGameState.h"
#include "core/states/RoomState.h"
#include "gui/GuiSlider.h"
#include "gui/GuiWindow.h"
#include "gui/Slider.h"
#include "home/EndGui.h"
#include "home/MainGui.h"
#include "home/Portfolio.h"
#include "sim/Achievement.h"
#include "sim/AchievementManager.h"
#include "sim/Budget.h"
#include "sim/DateManager.h"
#include "sim/GuiReportBill.h"
#include "sim/InfoManager.h"
#include "sim/RandomEventInterface.h"
#include "sim/RandomEventManager.h"
#include "sim/TutorialManager.h"

namespace autoplay {

namespace {

Log::Line say() {
    return Log::info("Autoplay");
}

int cash() {
    return Portfolio::exists() ? Portfolio::instance()->getCash() : 0;
}

// A budget step the game keeps refusing is given up after this many looks.
const int BUDGET_TRIES = 40;

}  // namespace

Careful::Careful(int level)
    : m_level(level), m_shopper(std::make_unique<Shopper>(level, false, PIECES)) {}

void Careful::setShopper(std::unique_ptr<Shopper> shopper) {
    m_shopper = std::move(shopper);
}

int Careful::errandMoney(int cash) const {
    return cash - m_expenses - BUFFER;
}

Careful::~Careful() = default;

int Careful::consumption(int, int norm, int) const {
    return norm;
}

int Careful::savings(int cash, int expenses) const {
    return std::max(0, cash - expenses - BUFFER - m_shopper->reserve());
}

bool Careful::paysBill(int amount, int cash) const {
    return amount <= cash;
}

bool Careful::acceptsEvent(int value, int cash) const {
    // Never with the money kept for the bills before payday.
    return value >= 0 || (-value <= CHEAP && cash + value >= billMoney());
}

bool Careful::answers(const std::string& name) const {
    if (name == "Consumptions" || name == "Savings") {
        return true;
    }
    return m_shopper->answers(name);
}

void Careful::decide(Hand& hand) {
    // Watched before anything else: a month spent answering reports is still
    // a month played.
    const bool running = DateManager::exists() && DateManager::instance()->getStopDate();
    if (running && !m_monthRunning) {
        m_shopper->newMonth();
    }
    m_monthRunning = running;
    if (m_quitting || leaveGame(hand) || closeWindows(hand)) {
        return;
    }
    State* state = StateMachine::instance()->current();
    if (state == GameState::MenuState::instance()) {
        if (hand.click(GameState::MenuState::instance()->getNewGameEntry())) {
            say() << "starts a new game";
        }
        return;
    }
    if (state == GameState::NewGameState::instance()) {
        auto* screen = GameState::NewGameState::instance();
        const auto& levels = screen->getDifficulties();
        const int index = std::clamp(m_level, 1, 3) - 1;
        if (screen->getSelected() != index && index < static_cast<int>(levels.size())) {
            if (hand.click(levels[static_cast<std::size_t>(index)].entry)) {
                say() << "chooses level " << m_level;
            }
        } else if (hand.click(screen->getStartEntry())) {
            say() << "starts the game at level " << m_level;
        }
        return;
    }
    if (!MainGui::exists() || answerReports(hand)) {
        return;
    }
    MainGui* gui = MainGui::instance();
    if (m_shopper->isOut()) {
        m_shopper->act(hand);
        return;
    }
    if (state != GameState::RoomState::instance() || running) {
        return;
    }
    if (Budget* budget = gui->getBudget()) {
        makeBudget(hand, budget);
        return;
    }
    if (!gui->isBudgetDone()) {
        if (hand.click(Screen::find("Cash Button"))) {
            say() << "opens the budget";
        }
        return;
    }
    m_shopper->plan(errandMoney(cash()));
    if (m_shopper->act(hand)) {
        return;
    }
    if (hand.click(Screen::find("Play Button"))) {
        say() << "plays the month, cash " << money::kr(cash());
    }
}

bool Careful::leaveGame(Hand& hand) {
    State* state = StateMachine::instance()->current();
    if (m_finished) {
        if (state == GameState::EndState::instance()) {
            if (hand.click(GameState::EndState::instance()->getExitButton())) {
                say() << "leaves the closing screen";
            }
        } else if (state == GameState::MenuState::instance() ||
                   state == GameState::NewGameState::instance()) {
            say() << "quits";
            hand.quit();
            m_quitting = true;
        }
        return true;
    }
    EndGui* end = MainGui::exists() ? MainGui::instance()->getEndGui() : nullptr;
    GuiBase* exit = end ? Screen::child(end->getWindow(), "Exit Button") : nullptr;
    if (exit && hand.click(exit)) {
        say() << "leaves the end screen with " << money::kr(cash()) << " in cash";
        m_finished = true;
        return true;
    }
    return false;
}

bool Careful::closeWindows(Hand& hand) {
    if (TutorialManager::exists() && TutorialManager::instance()->isAnyOpen()) {
        Tutorial* tutorial = TutorialManager::instance()->getOpen().back();
        if (tutorial->isConfirmEnabled() && hand.click(tutorial->getConfirmButton())) {
            say() << "closes the guide " << Tutorial::toString(tutorial->getKey());
        }
        return true;
    }
    if (AchievementManager::exists()) {
        for (const auto& achievement : AchievementManager::instance()->getAchievements()) {
            GuiBase* confirm = Screen::child(achievement->getWindow(), "confirmButton");
            if (confirm && hand.click(confirm)) {
                say() << "closes the achievement " << achievement->getTitle();
                return true;
            }
        }
    }
    InfoManager* info = InfoManager::exists() ? InfoManager::instance() : nullptr;
    if (!info || !info->isOpen()) {
        return false;
    }
    const std::string& name = info->getCurrentName();
    GuiWindow* window = info->getWindow();
    GuiBase* yes = Screen::child(window, "confirmButton");
    GuiBase* no = Screen::child(window, "denyButton");
    if (yes && no) {
        const bool answer = answers(name);
        if (hand.click(answer ? yes : no)) {
            say() << "answers " << (answer ? "yes" : "no") << " to " << name;
        }
        return true;
    }
    GuiBase* close = Screen::child(window, "exitButton");
    if (hand.click(close ? close : yes)) {
        say() << "closes the message " << name;
        if (name == "gameover") {
            m_finished = true;
        }
    }
    return true;
}

bool Careful::answerReports(Hand& hand) {
    if (!RandomEventManager::exists()) {
        return false;
    }
    for (GuiReportInterface* report : RandomEventManager::instance()->getReports()) {
        if (report->isWindowOpen()) {
            return answerReport(hand, report);
        }
    }
    GuiReportInterface* oldest = GuiReportInterface::oldestOpen();
    if (StateMachine::instance()->current() != GameState::RoomState::instance() ||
        !Screen::isReachable(oldest)) {
        return false;
    }
    return hand.click(oldest);
}

bool Careful::answerReport(Hand& hand, GuiReportInterface* report) {
    const RandomEventInterface* event = report->getEvent();
    const int value = event ? event->getValue() : 0;
    const std::string title = event && event->getRecord() ? event->getRecord()->title : "?";
    const bool bill = dynamic_cast<GuiReportBill*>(report) && value < 0;
    GuiBase* yes = Screen::child(report->getWindow(), "confirmButton");
    GuiBase* no = Screen::child(report->getWindow(), "denyButton");
    // A bill the cash does not cover keeps its window open: the second look
    // at the same window turns it down.
    const bool again = report == m_report;
    m_report = report;
    bool accept = !no || (bill ? paysBill(-value, cash()) : acceptsEvent(value, cash()));
    if (again && no && bill && -value > cash()) {
        accept = false;
    }
    if (!hand.click(accept ? yes : no)) {
        return false;
    }
    if (bill) {
        say() << (accept ? "pays bill " : "refuses bill ") << title << " " << money::kr(-value);
    } else {
        say() << (accept ? "accepts " : "refuses ") << title << " (" << money::kr(value) << ")";
    }
    return true;
}

bool Careful::makeBudget(Hand& hand, Budget* budget) {
    if (budget != m_budget) {
        m_budget = budget;
        m_tries = 0;
        m_saved = false;
    }
    GuiWindow* window = budget->getWindow();
    GuiBase* ok = Screen::child(window, "ok");
    if (++m_tries > BUDGET_TRIES) {
        if (hand.click(ok)) {
            say() << "gives up the budget and closes it";
        }
        return true;
    }
    MonthConsumption& month = MainGui::instance()->getMonth();
    GuiBase* page = window ? window->findChild("consumption") : nullptr;
    if (!month.bought && page) {
        if (!page->isVisible()) {
            return hand.click(Screen::child(window, "consumption tab"));
        }
        const std::pair<const char*, int> needs[] = {{"Food Slider", month.foodNorm},
                                                     {"Cloth Slider", month.clothesNorm},
                                                     {"Hygien Slider", month.hygieneNorm}};
        int left = cash() - billMoney();
        int bought[3] = {0, 0, 0};
        for (int i = 0; i < 3; ++i) {
            auto* slider = dynamic_cast<GuiSlider*>(page->findChild(needs[i].first));
            const int want =
                std::clamp(consumption(i, needs[i].second, left), 0, std::max(left, 0));
            if (hand.setSlider(slider, want)) {
                return true;
            }
            bought[i] = slider ? slider->getValue() : 0;
            left -= bought[i];
        }
        if (hand.click(Screen::child(page, "BuyButton"))) {
            say() << "buys food " << money::kr(bought[0]) << ", clothes " << money::kr(bought[1])
                  << ", hygiene " << money::kr(bought[2]);
        }
        return true;
    }
    m_expenses = budget->getExpensesTotal();
    GuiBase* savingsPage = window ? window->findChild("savings") : nullptr;
    const int target = savings(cash(), budget->getExpensesTotal());
    if (!m_saved && savingsPage && target > 0) {
        if (!savingsPage->isVisible()) {
            return hand.click(Screen::child(window, "savings tab"));
        }
        auto* slider = dynamic_cast<GuiSlider*>(savingsPage->findChild("Savings Slider"));
        if (hand.setSlider(slider, target)) {
            return true;
        }
        if (hand.click(Screen::child(savingsPage, "BuyButton"))) {
            say() << "saves " << money::kr(slider ? slider->getValue() : 0);
            m_saved = true;
        }
        return true;
    }
    if (hand.click(ok)) {
        say() << "closes the budget, cash " << money::kr(cash());
    }
    return true;
}

}  // namespace autoplay
