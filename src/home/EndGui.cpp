#include "home/EndGui.h"

#include <tinyxml.h>

#include <cmath>

#include "core/Log.h"
#include "core/Money.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/EndState.h"
#include "core/states/NewGameState.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/InvestmentCalculator.h"
#include "home/MainGui.h"
#include "home/Portfolio.h"
#include "home/ResultsPage.h"
#include "home/Room.h"
#include "home/YearChart.h"
#include "resource/ConstantManager.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/InfoManager.h"
#include "sim/Scenario.h"
#include "sim/Statistics.h"
#include "sim/YearRecord.h"

namespace {

const float WINDOW_DEPTH = 2.0f;
const float CHART_DEPTH = 0.01f;  // above the window's face
const char* const STATS_FONT = "font_tessaline_19.fnt";
const unsigned int STATS_COLOR = 0xFFFFFFFFu;
const unsigned int TOTAL_COLOR = 0xFFF2A541u;  // the accent: the sum stands out

// Where each amount stands in "Stats"; the record names the lines beside them.
const float CASH_Y = 15, SAVINGS_Y = 42, STOCKS_Y = 72, FUNDS_Y = 102, FURNITURE_Y = 129,
            TOTAL_Y = 173, PLAY_TIME_Y = 217, SCENARIO_Y = 261;

int64_t whole(double amount) {
    return std::isfinite(amount) ? static_cast<int64_t>(amount) : 0;
}

}  // namespace

std::string EndGui::formatPlayTime(int64_t seconds) {
    if (seconds < 0) {
        seconds = 0;
    }
    return std::to_string(seconds / 60) + "min " + std::to_string(seconds % 60) + "sek";
}

EndGui::MoneyFigures EndGui::recordMoney() {
    MoneyFigures figures;
    Portfolio* portfolio = Portfolio::instance();
    figures.savings = InvestmentCalculator::instance()->getBalance();
    figures.cash = portfolio->getCash();
    figures.stocks = portfolio->getStockValue();
    figures.funds = portfolio->getFundValue();
    figures.furniture = Room::instance()->getFurnitureValue();
    Statistics* stats = Statistics::instance();
    stats->set(StatisticType::FUNDS_ACCOUNT, figures.savings);
    stats->set(StatisticType::FUNDS_CASH, figures.cash);
    stats->set(StatisticType::FUNDS_STOCK, figures.stocks);
    stats->set(StatisticType::FUNDS_FUNDS, figures.funds);
    stats->set(StatisticType::FURNITURE_VALUE, figures.furniture);
    return figures;
}

EndGui::EndGui(int64_t playSeconds) {
    const char* context = "EndGui::EndGui";
    Log::debug(context) << "game over, showing the end screen";
    XmlReader gui("gui.xml");
    TiXmlElement* record =
        gui.getRootElement() ? gui.getRootChildElement("gui", "guiId", "End Window") : nullptr;
    if (record) {
        m_window = std::make_unique<GuiWindow>(record, true, nullptr);
    } else {
        Log::error(context) << "gui.xml has no End Window";
        // Still an end screen the player can leave.
        m_window = std::make_unique<GuiWindow>("End Window", "gui_blank.png", hgeVector(200, 100),
                                               hgeVector(400, 400), nullptr, true);
        m_window->getController()->addTextBox("Stats", hgeVector(40, 40), hgeVector(320, 260));
        m_window->getController()->addButton("Exit Button", "gui_ok_button.png",
                                             hgeVector(145, 330), hgeVector(110, 40));
    }
    m_window->setDepth(WINDOW_DEPTH);
    m_exitButton = dynamic_cast<GuiButton*>(m_window->findChild("Exit Button"));
    m_stats = dynamic_cast<GuiTextBox*>(m_window->findChild("Stats"));
    if (!m_exitButton) {
        Log::error(context) << "End Window has no Exit Button";
    }

    const auto [cash, savings, stocks, funds, furniture] = recordMoney();
    Statistics::instance()->set(StatisticType::PLAY_TIME, static_cast<double>(playSeconds));

    if (m_stats) {
        const int64_t total =
            whole(cash) + whole(savings) + whole(stocks) + whole(funds) + whole(furniture);
        const std::pair<float, int64_t> rows[] = {
            {CASH_Y, whole(cash)},   {SAVINGS_Y, whole(savings)},     {STOCKS_Y, whole(stocks)},
            {FUNDS_Y, whole(funds)}, {FURNITURE_Y, whole(furniture)}, {TOTAL_Y, total}};
        for (const auto& [y, amount] : rows) {
            addValue(money::kr(amount), y, y == TOTAL_Y ? TOTAL_COLOR : STATS_COLOR);
        }
        addValue(formatPlayTime(playSeconds), PLAY_TIME_Y, STATS_COLOR);
        Log::debug(context) << "end sums: cash " << whole(cash) << ", savings " << whole(savings)
                            << ", stocks " << whole(stocks) << ", funds " << whole(funds)
                            << ", furniture " << whole(furniture) << ", total " << total;
    } else {
        Log::error(context) << "End Window has no Stats";
    }
    if (Scenario::isSet()) {
        auto* labels = dynamic_cast<GuiTextBox*>(m_window->findChild("Stats Labels"));
        GuiTextBox* box = labels ? labels : m_stats;
        if (box) {
            box->addText(Scenario::label(), STATS_FONT, STATS_COLOR, hgeVector(0, SCENARIO_Y));
        }
    }
    addChart(record ? record->FirstChildElement("chart") : nullptr);

    InteractionalObject::getCursor()->setFocusObject(m_window.get());
    InfoManager::instance()->showOverlay(WINDOW_DEPTH);
}

EndGui::~EndGui() {
    FiscoraCursor::releaseFocus(m_window.get());
    if (InfoManager::exists()) {
        InfoManager::instance()->hideOverlay();
    }
}

void EndGui::addChart(TiXmlElement* element) {
    const std::vector<MonthFigures>& months = YearRecord::instance()->months();
    if (!element) {
        Log::warning("EndGui::addChart") << "End Window has no chart";
        return;
    }
    const hgeVector at = m_window->getPosition() + xml::getElementVector(element, "position");
    const hgeVector size = xml::getElementVector(element, "size");
    YearChart::Texts texts;
    texts.title = xml::getAttributeString(element, "title", false);
    texts.empty = xml::getAttributeString(element, "empty", false);
    for (auto [attribute, font] :
         {std::pair{"titleFont", &texts.titleFont}, std::pair{"labelFont", &texts.labelFont}}) {
        const std::string name = xml::getAttributeString(element, attribute, false);
        if (!name.empty()) {
            *font = name;
        }
    }
    m_chart = std::make_unique<YearChart>(hgeRect(at.x, at.y, at.x + size.x, at.y + size.y), months,
                                          texts);
    m_chart->setZ(WINDOW_DEPTH + CHART_DEPTH);
    Log::debug("EndGui::addChart") << "the year in a chart: " << months.size() << " months";
}

void EndGui::addValue(const std::string& value, float y, unsigned int color) {
    const Text measure(STATS_FONT, value);
    m_stats->addText(value, STATS_FONT, color,
                     hgeVector(m_stats->getSize().x - measure.getWidth(), y));
}

void EndGui::update(float) {
    if (!m_exitButton || !m_exitButton->isClicked()) {
        return;
    }
    State* next = DifficultyLevel::value() == 3
                      ? static_cast<State*>(GameState::EndState::instance())
                      : static_cast<State*>(GameState::NewGameState::instance());
    Log::debug("EndGui::update") << "leaving the end screen";
    Statistics::instance()->uploadToNorvale();
    // Without the publisher's page the player gets a page of their own year.
    if (ConstantManager::instance()->getString("statisticsHost").empty()) {
        ResultsPage::publish();
    }
    // The HUD owns this screen: nothing of it is touched after this line.
    MainGui::instance()->endGame(next);
}
