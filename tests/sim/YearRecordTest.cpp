// The year's record: what each kind of spending adds up to and the amounts
// it refuses, the figures a month closes with when the next one starts, and
// a new game's fresh start.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "TestSupport.h"
#include "home/InvestmentCalculator.h"
#include "home/Portfolio.h"
#include "sim/DateManager.h"
#include "sim/YearRecord.h"

namespace {

class YearRecordTest : public ::testing::Test {
protected:
    void SetUp() override { year->reset(); }
    // Play: starts the next month and runs it until its last day pauses it.
    void playMonth() {
        clock->startMonth();
        for (int frames = 0; clock->getStopDate() && frames < 50; ++frames) {
            clock->update(1.0f);
        }
    }

    YearRecord* year = YearRecord::instance();
    DateManager* clock = DateManager::instance();
    test::LogCapture log;
};

}  // namespace

TEST_F(YearRecordTest, SpendingAddsUpByKindAndIgnoresBadAmounts) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<int, double> spent[] = {
        {SpendingKind::FOOD, 1200},   {SpendingKind::FOOD, 300.5},
        {SpendingKind::CLOTHES, 700}, {SpendingKind::HYGIENE, 0},
        {SpendingKind::BILLS, 6500},  {SpendingKind::EVENTS, 450},
        {SpendingKind::BILLS, -60},   {SpendingKind::EVENTS, std::nan("")},
        {SpendingKind::FOOD, inf},    {SpendingKind::CLOTHES, -inf},
        {SpendingKind::END, 100},     {-1, 100}};
    for (const auto& [kind, amount] : spent) {
        year->spend(static_cast<SpendingKind::_enum>(kind), amount);
    }
    const double expected[SpendingKind::END] = {1500.5, 700, 0, 6500, 450};
    for (int kind = 0; kind < SpendingKind::END; ++kind) {
        EXPECT_DOUBLE_EQ(year->openMonth().spent[kind], expected[kind]) << kind;
        EXPECT_EQ(SpendingKind::fromString(SpendingKind::toString(kind)), kind);
    }
    EXPECT_DOUBLE_EQ(year->openMonth().totalSpent(), 9150.5);
    EXPECT_EQ(SpendingKind::fromString("food"), SpendingKind::END);
    EXPECT_EQ(SpendingKind::toString(SpendingKind::END), "UNDEFINED");
}

// The bills paid after a month's last day count in it, the needs bought then
// in the next month; a month closes when the next one starts.
TEST_F(YearRecordTest, AMonthClosesWhenTheNextStarts) {
    test::Installation install;
    install.addFile("xml", "date.xml",
                    "<date><steptime sec=\"0.5\"/><month name=\"Januari\" length=\"3\"/>"
                    "<month name=\"Februari\" length=\"2\"/></date>");
    install.mount();
    clock->reset();
    clock->load("date.xml");
    Portfolio::instance()->setCash(5000);
    InvestmentCalculator::instance()->deposit(1500.0f -
                                              InvestmentCalculator::instance()->getBalance());

    year->spend(SpendingKind::FOOD, 1500);     // half the food norm
    year->spend(SpendingKind::HYGIENE, 1600);  // twice the hygiene norm
    playMonth();
    EXPECT_TRUE(year->months().empty());
    year->spend(SpendingKind::BILLS, 6500);
    year->countReminder();
    year->countCollector();
    year->spend(SpendingKind::FOOD, 3000);  // the next month's whole norm
    playMonth();
    Portfolio::instance()->changeCash(-2000, "test");
    playMonth();
    clock->update(1.0f);
    ASSERT_EQ(year->months().size(), 2u);

    const MonthFigures& first = year->months()[0];
    EXPECT_EQ(std::make_pair(first.number, first.name), std::make_pair(1, std::string("Januari")));
    EXPECT_DOUBLE_EQ(first.savings, 1500);
    EXPECT_DOUBLE_EQ(first.netWorth(), 6500);
    EXPECT_EQ(std::make_pair(first.health, first.hygiene), std::make_pair(50, 100));
    EXPECT_EQ(std::make_pair(first.reminders, first.collectorVisits), std::make_pair(1, 1));
    EXPECT_DOUBLE_EQ(first.totalSpent(), 1500 + 1600 + 6500);
    const MonthFigures& second = year->months()[1];
    EXPECT_EQ(std::make_pair(second.number, second.shortName),
              std::make_pair(2, std::string("Feb")));
    EXPECT_EQ(std::make_pair(second.health, second.reminders), std::make_pair(100, 0));
    EXPECT_DOUBLE_EQ(second.totalSpent(), 3000);
    EXPECT_EQ(log.countPrefix(test::logLine("II", "YearRecord::closeMonth", "month recorded ")), 2);
    EXPECT_TRUE(
        log.has(test::logLine("II", "YearRecord::closeMonth", "month recorded 2: net worth 4500")));

    year->spend(SpendingKind::BILLS, 100);
    year->reset();
    EXPECT_TRUE(year->months().empty());
    EXPECT_DOUBLE_EQ(year->openMonth().totalSpent(), 0);
    clock->reset();
}
