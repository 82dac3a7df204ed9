// The year's record: what each kind of spending adds up to, the amounts it
// refuses, the figures a month closes with when the clock pauses, and a new
// game's fresh start.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "TestSupport.h"
#include "home/InvestmentCalculator.h"
#include "home/Portfolio.h"
#include "sim/DateManager.h"
#include "sim/YearRecord.h"

namespace {

const char* const kTwoMonths = R"(<date>
  <steptime sec="0.5"/>
  <month name="Januari" length="3"/>
  <month name="Februari" length="2"/>
</date>)";

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

TEST_F(YearRecordTest, SpendingAddsUpByKindAndRefusesBadAmounts) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        int kind;
        double amount;
        bool counted;
    } cases[] = {
        {SpendingKind::FOOD, 1200, true},   {SpendingKind::FOOD, 300.5, true},
        {SpendingKind::CLOTHES, 700, true}, {SpendingKind::HYGIENE, 0, true},
        {SpendingKind::BILLS, 6500, true},  {SpendingKind::EVENTS, 450, true},
        {SpendingKind::BILLS, -60, false},  {SpendingKind::EVENTS, std::nan(""), false},
        {SpendingKind::FOOD, inf, false},   {SpendingKind::CLOTHES, -inf, false},
        {SpendingKind::END, 100, false},    {-1, 100, false},
    };
    double expected[SpendingKind::END] = {};
    for (const auto& c : cases) {
        SCOPED_TRACE(SpendingKind::toString(c.kind) + " " + std::to_string(c.amount));
        year->spend(static_cast<SpendingKind::_enum>(c.kind), c.amount);
        if (c.counted) {
            expected[c.kind] += c.amount;
        }
        double total = 0;
        for (int kind = 0; kind < SpendingKind::END; ++kind) {
            EXPECT_DOUBLE_EQ(year->openMonth().spent[kind], expected[kind]);
            total += expected[kind];
        }
        EXPECT_DOUBLE_EQ(year->openMonth().totalSpent(), total);
    }
}

TEST_F(YearRecordTest, KindNamesGoBothWays) {
    for (int kind = 0; kind < SpendingKind::END; ++kind) {
        EXPECT_EQ(SpendingKind::fromString(SpendingKind::toString(kind)), kind);
    }
    for (const char* name : {"", "food", "UNDEFINED", "END", "BILLS "}) {
        EXPECT_EQ(SpendingKind::fromString(name), SpendingKind::END) << name;
    }
    EXPECT_EQ(SpendingKind::toString(SpendingKind::END), "UNDEFINED");
    EXPECT_EQ(SpendingKind::toString(-1), "UNDEFINED");
}

// A month closes when the next one starts, with the money as it stands, its
// spending and its counts: the bills paid after its last day count in it,
// the needs bought then in the next month.
TEST_F(YearRecordTest, AMonthClosesWhenTheNextStarts) {
    test::Installation install;
    install.addFile("xml", "date.xml", kTwoMonths);
    install.mount();
    clock->reset();
    clock->load("date.xml");
    Portfolio::instance()->setCash(5000);
    InvestmentCalculator* bank = InvestmentCalculator::instance();
    bank->deposit(1500.0f - bank->getBalance());

    year->spend(SpendingKind::FOOD, 1500);     // half the food norm
    year->spend(SpendingKind::HYGIENE, 1600);  // twice the hygiene norm
    playMonth();
    clock->update(1.0f);
    EXPECT_TRUE(year->months().empty());
    year->spend(SpendingKind::BILLS, 6500);
    year->countReminder();
    year->countReminder();
    year->countCollector();
    year->spend(SpendingKind::FOOD, 3000);  // the next month's whole norm
    playMonth();
    ASSERT_EQ(year->months().size(), 1u);
    Portfolio::instance()->changeCash(-2000, "test");
    playMonth();
    ASSERT_EQ(year->months().size(), 2u);

    const MonthFigures& first = year->months()[0];
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(first.name, "Januari");
    EXPECT_EQ(first.shortName, "Jan");
    EXPECT_EQ(first.year, 1);
    EXPECT_DOUBLE_EQ(first.cash, 5000);
    EXPECT_DOUBLE_EQ(first.savings, 1500);
    EXPECT_DOUBLE_EQ(first.netWorth(), 6500);
    EXPECT_EQ(first.health, 50);
    EXPECT_EQ(first.hygiene, 100);
    EXPECT_EQ(first.reminders, 2);
    EXPECT_EQ(first.collectorVisits, 1);
    EXPECT_DOUBLE_EQ(first.totalSpent(), 1500 + 1600 + 6500);

    const MonthFigures& second = year->months()[1];
    EXPECT_EQ(second.number, 2);
    EXPECT_EQ(second.shortName, "Feb");
    EXPECT_DOUBLE_EQ(second.netWorth(), 4500);
    EXPECT_EQ(second.health, 100);
    EXPECT_EQ(second.hygiene, 0);
    EXPECT_EQ(second.reminders + second.collectorVisits, 0);
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
