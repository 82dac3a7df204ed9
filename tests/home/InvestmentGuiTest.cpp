// The investment window as the player drives it: the holdings' rows, the sell
// window and what a sale pays; and a window file that is missing or lacks
// its history box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include "core/states/StateTestSupport.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiSlider.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/Investment.h"
#include "home/InvestmentCalculator.h"
#include "home/InvestmentGui.h"
#include "home/Portfolio.h"
#include "resource/Encoding.h"
#include "sim/Statistics.h"

namespace {

// The texts written into a box, joined by new lines.
std::string texts(GuiBase* box) {
    std::string out;
    if (auto* text = dynamic_cast<GuiTextBox*>(box)) {
        for (const auto& added : text->getAddedTexts()) {
            out += added.text + "\n";
        }
    }
    return out;
}

bool contains(const std::string& all, const std::string& expected) {
    return all.find(expected) != std::string::npos;
}

}  // namespace

TEST(InvestmentGui, ListsTheHoldingsAndTheSellWindowPaysForTheChosenShares) {
    // The screenshots are there to be looked at when the window changes.
    setenv("FISCORA_SHOTS", ".", 1);
    statetest::Game game(
        "2 shot invest\n3 clickon Sälj\n6 shot sell\n8 clickon Confirm button\n"
        "10 shot sold\n12 clickon Exit Button\n");
    ASSERT_TRUE(game.ok());
    InvestmentCalculator* model = InvestmentCalculator::instance();
    Portfolio* portfolio = Portfolio::instance();
    model->load();
    const std::string fundName = portfolio->findMarketFund(0)->name();
    const std::string stockName = portfolio->findMarketStock(1)->name();
    model->addInvestment(stockName, 1, 10);
    for (int month = 0; month < 3; ++month) {
        portfolio->monthlyUpdate();
    }
    model->addInvestment(fundName, 0, 6);
    portfolio->setCash(1000);
    InvestmentGui* gui = InvestmentGui::instance();
    gui->open();
    ASSERT_TRUE(gui->isOpen());
    GuiWindow* window = gui->getWindow();
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), window);
    const std::string rows = texts(window->findChild("Investment Text"));
    EXPECT_TRUE(contains(rows, "Dina fonder: \n")) << rows;
    EXPECT_TRUE(contains(rows, "Dina aktier: \n")) << rows;
    const int fundValue = static_cast<int>(6 * portfolio->getMarketPrice(fundName, 0));
    EXPECT_TRUE(
        contains(rows, fundName + W1252(u8"\n     Värde: ") + std::to_string(fundValue) + ":-"))
        << rows;
    // The stock's three months, as the market moved, with the decimal comma.
    const std::vector<float>& moves = portfolio->findMarketStock(1)->getPercentageHistory();
    char last[16];
    std::snprintf(last, sizeof last, "%+.1f", static_cast<double>(moves.back()));
    std::string lastMove = last;
    std::replace(lastMove.begin(), lastMove.end(), '.', ',');
    const std::string history = texts(window->findChild("Investment History"));
    EXPECT_TRUE(contains(history, lastMove + " %")) << history;
    EXPECT_TRUE(contains(history, fundName + W1252(u8":\nköpt nyss"))) << history;

    game.frames(4);
    GuiWindow* sell = gui->getSellWindow();
    ASSERT_NE(sell, nullptr);
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), sell);
    EXPECT_TRUE(contains(texts(sell->findChild("Sell Text")), W1252(u8"Sälj ") + fundName));
    auto* slider = dynamic_cast<GuiSlider*>(sell->findChild("Sell Slider"));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->getSteps(), 6);
    slider->setValue(4);
    const Fund* held = portfolio->findOwnedFund(0);
    const int amount = static_cast<int>(4 * held->getPrice());
    game.frames(1);
    EXPECT_TRUE(contains(texts(sell->findChild("Sell Text")), std::to_string(amount) + ":-"));

    game.frames(4);
    EXPECT_EQ(gui->getSellWindow(), nullptr);
    EXPECT_EQ(held->getShares(), 2);
    EXPECT_EQ(portfolio->getCash(), 1000 + amount);
    EXPECT_EQ(Statistics::instance()->get(StatisticType::TOTAL_STOCK_PROFIT),
              portfolio->getLastSaleProfit());
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), gui->getWindow())
        << "the rebuilt window is modal again";

    game.frames(4);
    EXPECT_FALSE(gui->isOpen());
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), nullptr);
}

TEST(InvestmentGui, AMissingWindowOrHistoryBoxIsLoggedWithoutACrash) {
    struct Case {
        const char* file;  // null: no file at all
        const char* line;
        bool opens;
    } cases[] = {
        {nullptr, "could not read the Investment Window from investmentGui.xml", false},
        {"<investmentGui><window guiId=",
         "could not read the Investment Window from investmentGui.xml", false},
        {"<investmentGui><window guiId=\"Investment Window\" name=\"blank\">"
         "<size x=\"300\" y=\"200\"/></window></investmentGui>",
         "Failed to get textBox element for investment history!", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        test::Installation install;
        statetest::installShipped(install, "investmentGui.xml");
        if (c.file) {
            install.addFile("xml", "investmentGui.xml", c.file);
        }
        install.mount();
        statetest::Game game;
        ASSERT_TRUE(game.ok());
        test::LogCapture log;
        InvestmentGui::instance()->open();
        EXPECT_EQ(InvestmentGui::instance()->isOpen(), c.opens);
        game.frames(2);
        EXPECT_EQ(
            log.count(test::logLine(
                "EE", c.opens ? "InvestmentGui::createHistory" : "InvestmentGui::open", c.line)),
            1);
        InvestmentGui::destroy();
        Engine::destroy();
        test::Installation::unmount();
    }
}
