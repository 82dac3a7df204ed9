// Random events, bills and the debt collector on small event tables written
// into a test installation, over months of the real calendar.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/StateMachine.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/MenuState.h"
#include "core/states/NewGameState.h"
#include "core/states/StateTestSupport.h"
#include "home/InvestmentCalculator.h"
#include "home/MainGui.h"
#include "home/Portfolio.h"
#include "home/Room.h"
#include "sim/Bill.h"
#include "sim/Collector.h"
#include "sim/DateManager.h"
#include "sim/FlagSystem.h"
#include "sim/GuiReportInterface.h"
#include "sim/InfoManager.h"
#include "sim/RandomEventManager.h"
#include "sim/Theif.h"

namespace {

using F = FiscoraFlags;
using T = EventType;

EventRecord record(int id, int type = T::BASE, int weight = 0) {
    EventRecord made;
    made.id = id;
    made.type = type;
    made.weight = weight;
    made.title = "Händelse";
    return made;
}

std::string encode(const std::vector<EventRecord>& records) {
    std::string bytes;
    for (const EventRecord& one : records) {
        unsigned char block[EventRecord::SIZE];
        one.encode(block);
        bytes.append(reinterpret_cast<const char*>(block), EventRecord::SIZE);
    }
    return bytes;
}

class EventTest : public ::testing::Test {
protected:
    void SetUp() override {
        statetest::installShipped(install);
        fees("<state value=\"50\"/><state value=\"75\"/><state value=\"100\"/>");
    }
    void TearDown() override { RandomEventManager::destroy(); }
    void table(const std::string& level, const std::vector<EventRecord>& records,
               const std::string& tail = "") {
        install.addFile("bin", "p" + level + "_events.bin", encode(records) + tail);
    }
    void fees(const std::string& states) {
        install.addFile("xml", "fiscoraConstants.xml", "<f><bill>" + states + "</bill></f>");
    }
    // The game at `level` with that level's table read.
    void start(int level = 1) {
        install.mount();
        game = std::make_unique<statetest::Game>();
        InfoManager::instance()->load("info.xml");
        DifficultyLevel::instance()->set(level);
        FlagSystem::instance()->reset();
        DateManager::instance()->load("date.xml");
        events = RandomEventManager::instance();
        events->setDifficulty(std::to_string(level));
    }
    // Play, and the first day seen as the frame loop sees it.
    void play() {
        DateManager::instance()->startMonth();
        events->newMonth();
        events->update(0.0f);
    }
    void day() {
        DateManager::instance()->update(DateManager::instance()->getStepTime() * 1.5f);
        events->update(0.0f);
    }
    void endMonth() {
        while (DateManager::instance()->getStopDate()) {
            day();
        }
    }
    std::vector<int> reported() const {
        std::vector<int> ids;
        for (const GuiReportInterface* report : events->getReports()) {
            ids.push_back(report->getEvent()->getId());
        }
        return ids;
    }
    bool logged(const char* tag, const std::string& context, const std::string& line) const {
        return log.has(test::logLine(tag, context, line));
    }

    test::Installation install;
    std::unique_ptr<statetest::Game> game;
    RandomEventManager* events = nullptr;
    test::LogCapture log;
};

}  // namespace

TEST_F(EventTest, TheReaderSkipsAShortTailAndALaterIdReplaces) {
    EventRecord again = record(1);
    again.title = "Andra";
    table("1", {record(1), record(2, T::INCOME), record(3, T::THIEF), again},
          encode({record(9)}).substr(0, 900));
    start();
    EXPECT_TRUE(logged("DD", "RandomEventManager::setDifficulty", "3 events read"));
    EXPECT_EQ(events->findEvent(1)->getRecord()->title, "Andra");
    EXPECT_NE(dynamic_cast<Bill*>(events->findEvent(2)), nullptr);
    EXPECT_NE(dynamic_cast<Theif*>(events->findEvent(3)), nullptr);
    EXPECT_EQ(events->findEvent(9), nullptr);
    EXPECT_TRUE(logged("WW", "RandomEventManager::findEvent", "no event with id 9 defined"));
}

// Level 1 has no table, level 2 an empty one, level 3 less than a record.
TEST_F(EventTest, AMissingEmptyOrTruncatedTableLeavesNoEventsAndTheMonthPlays) {
    table("2", {});
    table("3", {}, encode({record(1, T::BASE, 5)}).substr(0, 900));
    start();
    EXPECT_TRUE(logged("EE", "RandomEventManager::setDifficulty",
                       "unable to read file, no events created"));
    for (const char* level : {"2", "3"}) {
        log.take();
        events->setDifficulty(level);
        EXPECT_TRUE(logged("DD", "RandomEventManager::setDifficulty", "0 events read")) << level;
        play();
        EXPECT_TRUE(logged("WW", "RandomEventManager::addRandomEventToQueue", "total is 0"));
        endMonth();
        EXPECT_TRUE(events->getReports().empty());
    }
}

TEST_F(EventTest, ReadinessByFlagsCooldownAndTheSalaryOfTheHardestLevel) {
    EventRecord needs = record(1), excluded = record(2), cooling = record(3),
                bill = record(4, T::BILL), needsNone = record(5), excludedByNone = record(6);
    needs.requiredFlag = excluded.excludingFlag = F::TELEFON;
    cooling.cooldown = bill.cooldown = 2;
    // Numbers that name no flag (tests/fuzz/regressions/events-flag-out-of-range).
    needsNone.requiredFlag = -16777216;
    excludedByNone.excludingFlag = F::END + 1;
    table("3", {needs, excluded, cooling, bill, needsNone, excludedByNone, record(43)});
    start(3);
    FlagSystem* flags = FlagSystem::instance();
    struct Case {
        int id, level;
        bool telefon, lona, ready;
    } cases[] = {
        {1, 3, false, false, false}, {1, 3, true, false, true},    {2, 3, false, false, true},
        {2, 3, true, false, false},  {43, 3, false, false, false}, {43, 3, false, true, true},
        {43, 2, false, false, true}, {5, 3, true, false, false},   {6, 3, true, false, true}};
    for (const Case& c : cases) {
        DifficultyLevel::instance()->set(c.level);
        c.telefon ? flags->raise(F::TELEFON) : flags->lower(F::TELEFON);
        c.lona ? flags->raise(F::LONA) : flags->lower(F::LONA);
        EXPECT_EQ(events->findEvent(c.id)->isReady(), c.ready) << c.id << " at " << c.level;
    }
    // Fired, the event rests two months; a bill has no rest.
    std::vector<bool> ready;
    for (int id : {3, 4}) {
        events->findEvent(id)->trigger();
        for (int month = 0; month < 3; ++month, events->findEvent(id)->newMonth()) {
            ready.push_back(events->findEvent(id)->isReady());
        }
    }
    EXPECT_EQ(ready, (std::vector<bool>{false, false, true, true, true, true}));
}

TEST_F(EventTest, TheDrawGivesEachReadyEventItsWeightInIdOrder) {
    table("1", {record(1, T::BASE, 5), record(2, T::BASE, 0), record(3, T::BASE, 3)});
    start();
    ASSERT_EQ(events->getTotalWeight(), 8);
    std::vector<int> picked;
    for (int r = 0; r < 8; ++r) {
        picked.push_back(events->pickByWeight(r)->getId());
    }
    EXPECT_EQ(picked, (std::vector<int>{1, 1, 1, 1, 1, 3, 3, 3}));
}

TEST_F(EventTest, ARangeGivesWholeHundredsBelowItsTop) {
    EventRecord ranged = record(1);
    ranged.value = 250;
    ranged.maxValue = 1000;
    table("1", {ranged});
    start();
    std::set<int> seen, hundreds;
    for (int i = 0; i < 400; ++i) {
        events->findEvent(1)->trigger();
        seen.insert(events->findEvent(1)->getValue());
    }
    for (int amount = 200; amount < 1000; amount += 100) {
        hundreds.insert(amount);
    }
    EXPECT_EQ(seen, hundreds);
}

// Queued before Play, an entry fires on the first day; a waiting entry loses
// a month at Play and another when the month changes.
TEST_F(EventTest, TheQueueFiresOnTheFirstDayAndCountsMonthsTwice) {
    table("1", {record(1), record(2)});
    start();
    events->queueEvent(events->findEvent(1), 1, 0);
    events->queueEvent(events->findEvent(2), 3, 0);
    play();
    EXPECT_EQ(reported(), std::vector<int>{1});
    EXPECT_EQ(events->getQueue().front().months, 1);
    endMonth();
    play();
    EXPECT_EQ(DateManager::instance()->getDay(), 1);
    EXPECT_EQ(reported(), std::vector<int>{2}) << "the new month closed the old report";
}

TEST_F(EventTest, OnlyEvent35FiresFromTheQueueWhenNoLongerReady) {
    EventRecord always = record(35), other = record(36);
    always.requiredFlag = other.requiredFlag = F::TELEFON;
    table("1", {always, other});
    start();
    FlagSystem::instance()->raise(F::TELEFON);
    events->queueEvent(events->findEvent(35), 0, 1);
    events->queueEvent(events->findEvent(36), 0, 1);
    FlagSystem::instance()->lower(F::TELEFON);
    play();
    EXPECT_EQ(reported(), std::vector<int>{35});
    EXPECT_TRUE(logged("WW", "RandomEventManager::triggerEvent",
                       "an event tried to trigger without being ready"));
}

// A bill of -500 on the 25th, refused at the end of each month: three
// reminders on the 25th with one more fee each, then the collector.
TEST_F(EventTest, ARefusedBillComesBackWithFeesAndThenTheCollector) {
    EventRecord bill = record(10, T::BILL);
    bill.value = -500;
    bill.day = 25;
    table("1", {bill, record(16, T::COLLECTOR)});
    table("2", {bill});
    start();
    std::vector<int> asked, days;
    for (int state = 0; state <= Bill::LAST_REMINDER; ++state) {
        play();
        RandomEventInterface* current = nullptr;
        while (!current && DateManager::instance()->getStopDate()) {
            for (const GuiReportInterface* report : events->getReports()) {
                current = report->getEvent()->getState() == state ? report->getEvent() : current;
            }
            if (!current) {
                day();
            }
        }
        ASSERT_NE(current, nullptr);
        asked.push_back(current->getValue());
        days.push_back(DateManager::instance()->getDay());
        endMonth();
        current->reject();
        EXPECT_TRUE(current->isTransient());
    }
    EXPECT_EQ(asked, (std::vector<int>{-500, -550, -625, -725}));
    EXPECT_EQ(days, (std::vector<int>{25, 25, 25, 25}));
    auto* collector = dynamic_cast<Collector*>(events->getQueue().back().event);
    ASSERT_NE(collector, nullptr);
    Portfolio::instance()->setCash(2000);
    collector->accept();
    EXPECT_TRUE(logged("DD", "Portfolio::changeCash", "cash 2000 -> 675: collector took cash"));

    events->setDifficulty("2");
    events->adopt(std::make_unique<Bill>(events->findEvent(10)->getRecord(), 3, -500))->reject();
    EXPECT_TRUE(logged("WW", "Bill::onReject", "unable to activate collector"));
    EXPECT_TRUE(events->getQueue().empty());
}

TEST_F(EventTest, ABillShortOfFeesCountsTheMissingOnesAsNothing) {
    fees("<state value=\"50\"/>");
    table("1", {record(10, T::BILL)});
    start();
    EXPECT_EQ(Bill(events->findEvent(10)->getRecord(), 2, -500).getValue(), -550);
    EXPECT_TRUE(logged("EE", "Bill::getValue", "Dont got enough state values"));
}

TEST_F(EventTest, TheThiefTakesFurnitureUnlessTheHomeIsInsured) {
    EventRecord thief = record(17, T::THIEF);
    thief.acceptId = 5;
    thief.day = 3;
    table("1", {thief, record(5)});
    start();
    struct Case {
        bool insured, accepted;
        std::size_t left, queued;
    } cases[] = {{true, true, 2, 1}, {false, true, 1, 0}, {true, false, 1, 0}};
    for (const Case& c : cases) {
        events->setDifficulty("1");
        Room::instance()->create(1);
        Room::instance()->addFurniture(11);
        Room::instance()->addFurniture(21);
        c.insured ? FlagSystem::instance()->raise(F::HOMEINS)
                  : FlagSystem::instance()->lower(F::HOMEINS);
        c.accepted ? events->findEvent(17)->accept() : events->findEvent(17)->reject();
        EXPECT_EQ(Room::instance()->getFurniture().size(), c.left) << c.insured << c.accepted;
        ASSERT_EQ(events->getQueue().size(), c.queued);
        EXPECT_TRUE(!c.queued || events->getQueue().front().event == events->findEvent(5));
    }
}

// Cash, savings, funds, stocks, then furniture, whose last piece gives its
// change back; a debt larger than everything ends the game when the player
// closes "gameover".
TEST_F(EventTest, TheCollectorTakesInOrderAndAnUnpaidDebtEndsTheGame) {
    install.addFixture("xml", "investment.xml", "home/investment.xml");
    table("1", {record(16, T::COLLECTOR)});
    start();
    StateMachine::instance()->changeState(GameState::MenuState::instance());
    MainGui::instance();
    InvestmentCalculator* bank = InvestmentCalculator::instance();
    Portfolio* portfolio = Portfolio::instance();
    for (bool lost : {false, true}) {
        bank->load();
        portfolio->clear();
        portfolio->setCash(100);
        bank->deposit(200.4f);
        bank->addInvestment("Fond A", 0, 10);
        bank->addInvestment("Aktie A", 0, 2);
        const int funds = static_cast<int>(portfolio->getFundValue());
        const int stocks = static_cast<int>(portfolio->getStockValue());
        Room::instance()->create(1);
        Room::instance()->addFurniture(11);
        const std::string piece = std::to_string(Room::instance()->getFurnitureValue() / 2);
        const int owed = 300 + funds + stocks + (lost ? std::stoi(piece) + 7 : 1);
        log.take();
        Collector(events->findEvent(16)->getRecord(), Collector::FEE - owed).accept();

        const std::string by = "[Collector::accept]\t\tcollector ",
                          cash = "[Portfolio::changeCash]\t\t";
        std::vector<std::string> expected = {
            by + "takes " + std::to_string(owed) + " kr",
            cash + "cash 100 -> 0: collector took cash",
            by + "took 200 kr from savings",
            by + "took " + std::to_string(funds) + " kr in funds",
            by + "took " + std::to_string(stocks) + " kr in stocks",
            by + "took furniture worth " + piece + " kr",
            lost ? by + "could not take the last 7 kr, game over"
                 : cash + "cash 0 -> " + std::to_string(std::stoi(piece) - 1) +
                       ": collector returned the change"};
        std::vector<std::string> cascade;
        for (const std::string& line : log.lines()) {
            if (line.find(by) != std::string::npos || line.find(cash) != std::string::npos) {
                cascade.push_back(line.substr(5));
            }
        }
        EXPECT_EQ(cascade, expected);
        EXPECT_EQ(events->isGameOver(), lost);
    }
    EXPECT_EQ(InfoManager::instance()->getCurrentName(), "gameover");
    events->update(0.0f);
    EXPECT_TRUE(MainGui::exists()) << "the game goes on while the message is read";
    InfoManager::instance()->close();
    events->update(0.0f);
    EXPECT_FALSE(MainGui::exists());
    EXPECT_EQ(StateMachine::instance()->current(), GameState::NewGameState::instance());
}

TEST_F(EventTest, ThreeMonthsOfTooFewClothesCostTheJob) {
    table("3", {record(45)});
    start(3);
    struct Case {
        int level;
        F::_enum low;
        int months;
        bool lost;
    } cases[] = {{3, F::LOWHYGIENE, 3, true},
                 {2, F::LOWHYGIENE, 3, false},
                 {1, F::LOWAPPEARANCE, 3, true},
                 {1, F::LOWAPPEARANCE, 2, false},
                 {3, F::LOWHYGIENE, 4, false}};
    FlagSystem* flags = FlagSystem::instance();
    for (const Case& c : cases) {
        SCOPED_TRACE(FiscoraFlags::toString(c.low) + " " + std::to_string(c.months));
        log.take();
        events->setDifficulty("3");
        DifficultyLevel::instance()->set(c.level);
        flags->raise(F::LONA);
        flags->lower(F::LOWHYGIENE);
        flags->lower(F::LOWAPPEARANCE);
        flags->raise(c.low);
        flags->monthCounter(c.low) = c.months;
        events->lostJobCheck();
        EXPECT_TRUE(logged("DD", "turn",
                           c.lost ? "Trigger lost job event" : "Did not trigger lost job event"));
        EXPECT_EQ(flags->isRaised(F::LONA), !c.lost);
        ASSERT_EQ(events->getQueue().size(), c.lost ? 1u : 0u);
        EXPECT_TRUE(!c.lost || (events->getQueue().front().months == 1 &&
                                events->getQueue().front().days == 0));
    }
}
