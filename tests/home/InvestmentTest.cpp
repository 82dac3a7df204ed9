// The investment model: the savings interest, the market and the holdings
// that follow it, selling, the debt collector's forced sale, and the shipped
// and broken "investment.xml".
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "TestSupport.h"
#include "home/Investment.h"
#include "home/InvestmentCalculator.h"
#include "home/Portfolio.h"

namespace {

const char* const ADD = "InvestmentCalculator::addInvestment";

// The fixture's market: every record moves by a fixed percentage a month.
class Investments : public ::testing::Test {
protected:
    void SetUp() override {
        install.addFixture("xml", "investment.xml", "home/investment.xml");
        install.mount();
        model->load();
    }
    float market(const char* name, int id) const { return portfolio->getMarketPrice(name, id); }

    test::Installation install;
    test::LogCapture log;
    InvestmentCalculator* model = InvestmentCalculator::instance();
    Portfolio* portfolio = Portfolio::instance();
};

}  // namespace

TEST_F(Investments, InterestWithEqualBoundsGrowsByExactlyThatAndNothingOnAnEmptyAccount) {
    model->monthlyInterest();
    EXPECT_EQ(model->getBalance(), 0.0f);
    EXPECT_TRUE(model->getHistory().empty());

    model->deposit(1000.0f);
    double expected = 1000.0;
    for (int month = 1; month <= 12; ++month) {
        model->monthlyInterest();
        expected *= 1.02;
        EXPECT_NEAR(model->getBalance(), expected, expected * 1e-6) << "month " << month;
    }
    EXPECT_EQ(model->getHistory().size(), 13u);
    model->withdraw(0.0f);
    model->withdraw(100.0f);
    ASSERT_EQ(model->getHistory().size(), 14u);
    EXPECT_EQ(model->getHistory().back().sign, "- ");
}

TEST_F(Investments, HoldingsStartAtTheMarketPriceAndFollowIt) {
    portfolio->setCash(4000);
    const float price = market("Aktie A", 0);
    // The market took one step when it was built.
    EXPECT_FLOAT_EQ(price, 110.0f);
    ASSERT_TRUE(model->addInvestment("Aktie A", 0, 5));
    portfolio->changeCash(-static_cast<int64_t>(5 * price), "shares bought");
    EXPECT_EQ(log.from(ADD),
              (std::vector<std::string>{
                  test::logLine("DD", ADD, "Adding investment Aktie A,id: 0 with share: 5"),
                  test::logLine("DD", ADD, "Creating new investment")}));
    // Bought and sold at once gives the money back.
    EXPECT_FLOAT_EQ(portfolio->sellStock(0, 5) + portfolio->getCash(), 4000.0f);

    ASSERT_TRUE(model->addInvestment("Fond B", 1, 3));
    ASSERT_TRUE(model->addInvestment("Aktie A", 0, 5));
    for (int month = 0; month < 4; ++month) {
        portfolio->updateFunds();
        portfolio->updateStocks();
    }
    EXPECT_FLOAT_EQ(portfolio->getStockValue(), 5 * market("Aktie A", 0));
    EXPECT_FLOAT_EQ(portfolio->getFundValue(), 3 * market("Fond B", 1));
    EXPECT_EQ(portfolio->findOwnedStock(0)->getPriceHistory().size(), 4u);
    EXPECT_EQ(portfolio->findMarketStock(0)->getPriceHistory().size(), 5u);
}

TEST_F(Investments, SellingUsesTheHoldingsPriceUnlessAllOrMoreIsAsked) {
    struct Case {
        int id;
        int asked;
        float proceeds;  // holding at 100, market at 110, 5 shares held
        int left;
    } cases[] = {{0, 2, 200, 3}, {0, 5, 500, 0}, {0, 7, 550, 0}, {0, 0, 550, 0}, {2, 1, 0, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE("asked " + std::to_string(c.asked) + " of id " + std::to_string(c.id));
        portfolio->clear();
        model->addInvestment("Aktie A", 0, 5);
        portfolio->findOwnedStock(0)->setPrice(100.0f);
        EXPECT_FLOAT_EQ(portfolio->sellStock(c.id, c.asked), c.proceeds);
        const Stock* held = portfolio->findOwnedStock(c.id);
        EXPECT_EQ(held ? held->getShares() : -1, c.left);
    }
    EXPECT_EQ(portfolio->sellFund(0, 1), 0.0f) << "no fund held";
}

TEST_F(Investments, TheProfitOfASaleIsWhatItBroughtLessTheAverageCost) {
    model->addInvestment("Aktie A", 0, 4);         // at the market, 110
    model->addInvestment("Aktie A", 0, 4, 60.0f);  // the bank passes its cost
    Stock* held = portfolio->findOwnedStock(0);
    EXPECT_FLOAT_EQ(held->getPurchasePrice(), 85.0f);
    held->setPrice(100.0f);
    portfolio->sellStock(0, 4);
    EXPECT_FLOAT_EQ(portfolio->getLastSaleProfit(), 4 * (100.0f - 85.0f));
    EXPECT_EQ(held->getShares(), 4);
}

TEST_F(Investments, ForcedSaleSellsWholeSharesFundsFirstAndPaysTheChange) {
    struct Case {
        float owed;
        int fundsLeft;   // of 10 shares of "Fond A" at 50.5
        int stocksLeft;  // of 2 shares of "Aktie A" at 110
        float stillOwed;
        int change;
    } cases[] = {
        {120.0f, 10 - 3, 2, 0.0f, 31},         // 3 x 50.5 = 151.5
        {505.0f, 0, 2, 0.0f, 0},               // exactly the fund's worth
        {600.0f, 0, 2 - 1, 0.0f, 15},          // 95 more: one share of 110
        {2000.0f, 0, 0, 2000 - 505 - 220, 0},  // not enough of anything
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("owed " + std::to_string(c.owed));
        portfolio->clear();
        portfolio->setCash(0);
        model->addInvestment("Fond A", 0, 10);
        model->addInvestment("Fond C", 2, 10);  // worth 0 kronor a share
        model->addInvestment("Aktie A", 0, 2);
        const float owed = portfolio->forceSellStocks(portfolio->forceSellFunds(c.owed));
        EXPECT_FLOAT_EQ(owed, c.stillOwed);
        EXPECT_EQ(portfolio->findOwnedFund(0)->getShares(), c.fundsLeft);
        EXPECT_EQ(portfolio->findOwnedFund(2)->getShares(), 10);
        EXPECT_EQ(portfolio->findOwnedStock(0)->getShares(), c.stocksLeft);
        EXPECT_EQ(portfolio->getCash(), c.change);
    }
    EXPECT_EQ(
        log.count(test::logLine("DD", "Portfolio::changeCash", "cash 0 -> 31: forced sale change")),
        1);
}

TEST_F(Investments, UnknownNamesAndIdsGiveNeutralAnswers) {
    EXPECT_EQ(portfolio->getMarketPrice("Ingen", 0), 1.0f);
    EXPECT_EQ(portfolio->getMarketPrice("Aktie A", 1), 1.0f);
    EXPECT_FALSE(model->addInvestment("Ingen", 0, 3));
    EXPECT_TRUE(log.has(test::logLine("WW", ADD, "Couldnt find the investment")));
    EXPECT_TRUE(model->addInvestment("Fond A", 0, 1));
    EXPECT_TRUE(log.has(test::logLine("WW", ADD, "This investment is no stock")));
    EXPECT_TRUE(portfolio->getOwnedStocks().empty());
    EXPECT_EQ(portfolio->getOwnedFunds().size(), 1u);
}

TEST_F(Investments, ReloadForgetsTheAccountTheHoldingsAndTheMarketsPath) {
    model->deposit(500.0f);
    model->addInvestment("Aktie A", 0, 5);
    portfolio->updateStocks();
    model->reload();
    EXPECT_EQ(model->getBalance(), 0.0f);
    EXPECT_TRUE(model->getHistory().empty());
    EXPECT_TRUE(portfolio->getOwnedStocks().empty());
    ASSERT_EQ(portfolio->getMarketStocks().size(), 3u);
    EXPECT_EQ(portfolio->findMarketStock(0)->getPriceHistory().size(), 1u);
    EXPECT_FLOAT_EQ(market("Aktie A", 0), 110.0f);
}

TEST(InvestmentContent, TheShippedMarketHasCalmFundsAndOneRiskyStock) {
    InvestmentCalculator* model = InvestmentCalculator::instance();
    model->load();
    const auto& stocks = model->getStockRecords();
    const auto& funds = model->getFundRecords();
    ASSERT_EQ(stocks.size(), 3u);
    ASSERT_EQ(funds.size(), 3u);
    EXPECT_EQ(Portfolio::instance()->getMarketStocks().size(), 3u);
    EXPECT_EQ(Portfolio::instance()->getMarketFunds().size(), 3u);
    auto width = [](const InvestmentCalculator::Record& r) { return r.max - r.min; };
    std::vector<float> widths;
    for (const auto& [id, stock] : stocks) {
        widths.push_back(width(stock));
        for (const auto& [fundId, fund] : funds) {
            EXPECT_LT(width(fund), width(stock)) << fund.name << " vs " << stock.name;
        }
    }
    std::sort(widths.begin(), widths.end());
    EXPECT_GE(widths[2], 1.5f * widths[1]) << "one stock is clearly riskier";
    for (const auto* records : {&stocks, &funds}) {
        for (const auto& [id, record] : *records) {
            SCOPED_TRACE(record.name);
            EXPECT_GE(id, 0);
            EXPECT_LE(id, 2);
            EXPECT_FALSE(record.name.empty());
            EXPECT_GT(record.description.size(), 40u);
            EXPECT_LT(record.min, 0.0f);
            EXPECT_GT(record.max, 0.0f);
            // A young player with the starting 4000 kronor can buy a few.
            EXPECT_GT(record.startValue, 0.0f);
            EXPECT_LE(record.startValue * 5, 4000.0f);
            EXPECT_GT(record.maxBuy, 0);
        }
    }
    // A savings account pays a few per cent a year.
    EXPECT_GT(model->getSavingsMin(), 0.0f);
    EXPECT_LE(model->getSavingsMin(), model->getSavingsMax());
    EXPECT_LT(std::pow(1 + model->getSavingsMax() / 100, 12), 1.04);
}

TEST(InvestmentContent, AMissingOrBrokenFileLeavesAnEmptyMarketAndNoCrash) {
    for (const char* contents : {"", "<investments><stock id=\"0\" name=\"A\"><value min="}) {
        SCOPED_TRACE(contents);
        test::LogCapture log;
        test::Installation install;
        if (*contents) {
            install.addFile("xml", "investment.xml", contents);
        }
        install.mount();
        InvestmentCalculator* model = InvestmentCalculator::instance();
        Portfolio* portfolio = Portfolio::instance();
        model->reload();
        EXPECT_TRUE(log.has(test::logLine("EE", "InvestmentCalculator::load",
                                          "could not read investments from investment.xml")));
        EXPECT_TRUE(portfolio->getMarketStocks().empty());
        EXPECT_FALSE(model->addInvestment("A", 0, 1));
        model->deposit(100.0f);
        portfolio->monthlyUpdate();
        EXPECT_EQ(model->getBalance(), 100.0f);
        EXPECT_EQ(portfolio->forceSellFunds(50.0f), 50.0f);
        test::Installation::unmount();
    }
}
