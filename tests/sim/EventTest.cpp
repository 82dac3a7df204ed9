// Random events, bills and the debt collector on small event tables written
// into a test installation: the table reader, readiness, the draw by weight,
// the queue's timing over real months, the bill chain, the thief, the
// collector's cascade with the game over, and the lost-job rule.
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

const char* const MANAGER = "RandomEventManager::setDifficulty";

EventRecord record(int id, int type = T::BASE) {
    EventRecord made;
    made.id = id;
    made.type = type;
    made.title = "Händelse " + std::to_string(id);
    made.textA = "Ja";
    made.textB = "Nej";
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
        statetest::installShipped(m_install);
        table("1", {});
        fees("<state value=\"50\"/><state value=\"75\"/><state value=\"100\"/>");
    }
    void TearDown() override {
        RandomEventManager::destroy();
        Room::destroy();
    }
    void table(const std::string& level, const std::vector<EventRecord>& records,
               const std::string& tail = "") {
        m_install.addFile("bin", "p" + level + "_events.bin", encode(records) + tail);
    }
    void fees(const std::string& states) {
        m_install.addFile("xml", "fiscoraConstants.xml",
                          "<fiscora><bill>" + states + "</bill></fiscora>");
    }
    // The game at `level` with the table of that level read.
    RandomEventManager* start(int level = 1) {
        m_install.mount();
        m_game = std::make_unique<statetest::Game>();
        EXPECT_TRUE(m_game->ok());
        InfoManager::instance()->load("info.xml");
        DifficultyLevel::instance()->set(level);
        FlagSystem::instance()->reset();
        DateManager::instance()->load("date.xml");
        events = RandomEventManager::instance();
        events->setDifficulty(std::to_string(level));
        return events;
    }
    // Play: the month starts, the events' start of the month, and its first
    // day seen by the manager.
    void play() {
        DateManager::instance()->startMonth();
        events->newMonth();
        events->update(0.0f);
    }
    // The next day of the running month, polled as the frame loop polls.
    void day() {
        DateManager* clock = DateManager::instance();
        clock->update(clock->getStepTime() * 1.5f);
        events->update(0.0f);
    }
    void endMonth() {
        while (DateManager::instance()->getStopDate()) {
            day();
        }
    }
    // Ids of the open reports' events, oldest first.
    std::vector<int> reported() const {
        std::vector<int> ids;
        for (const GuiReportInterface* report : events->getReports()) {
            ids.push_back(report->getEvent()->getId());
        }
        return ids;
    }
    int today() const { return DateManager::instance()->getDay(); }

    test::Installation m_install;
    std::unique_ptr<statetest::Game> m_game;
    RandomEventManager* events = nullptr;
    test::LogCapture log;
};

}  // namespace

TEST_F(EventTest, TheReaderSkipsAShortTailAndALaterIdReplaces) {
    EventRecord second = record(1);
    second.title = "Andra";
    EventRecord disabled = record(5);
    disabled.enabled = false;
    table("1",
          {record(1), record(2, T::BILL), record(3, T::THIEF), record(4, T::INCOME), record(6, 99),
           disabled, second},
          encode({record(9)}).substr(0, 500));
    start();
    EXPECT_TRUE(log.has(test::logLine("II", MANAGER, "setting active period to 1")));
    EXPECT_TRUE(log.has(test::logLine("DD", MANAGER, "6 events read")));
    ASSERT_EQ(events->getEvents().size(), 6u);
    EXPECT_EQ(events->findEvent(1)->getRecord()->title, "Andra");
    EXPECT_NE(dynamic_cast<Bill*>(events->findEvent(2)), nullptr);
    EXPECT_NE(dynamic_cast<Theif*>(events->findEvent(3)), nullptr);
    EXPECT_NE(dynamic_cast<Bill*>(events->findEvent(4)), nullptr);
    EXPECT_EQ(events->findEvent(6)->getType(), T::UNDEFINED);
    EXPECT_EQ(events->findEvent(9), nullptr);
    EXPECT_EQ(events->findEvent(5), nullptr);
    const char* find = "RandomEventManager::findEvent";
    EXPECT_TRUE(log.has(test::logLine("WW", find, "no event with id 9 defined")));
    EXPECT_TRUE(log.has(test::logLine(
        "WW", find, "event with id 5 was found, but it is disabled, returning null")));
    EXPECT_EQ(events->findEventByType(T::COLLECTOR), nullptr);
    EXPECT_TRUE(log.has(test::logLine("WW", find, "found no event with type COLLECTOR")));
}

// Level 1 has no table, level 2 an empty one, level 3 less than a record.
TEST_F(EventTest, AMissingEmptyOrTruncatedTableLeavesNoEventsAndTheMonthPlays) {
    m_install.removeFolder("bin");
    table("2", {});
    table("3", {}, encode({record(1)}).substr(0, 900));
    start();
    EXPECT_TRUE(log.has(test::logLine("EE", MANAGER, "unable to read file, no events created")));
    for (const char* level : {"2", "3"}) {
        SCOPED_TRACE(level);
        log.take();
        events->setDifficulty(level);
        EXPECT_TRUE(log.has(test::logLine("DD", MANAGER, "0 events read")));
        EXPECT_TRUE(events->getEvents().empty());
        play();
        EXPECT_TRUE(log.has(
            test::logLine("WW", "RandomEventManager::addRandomEventToQueue", "total is 0")));
        endMonth();
        EXPECT_TRUE(events->getReports().empty());
    }
}

TEST_F(EventTest, ReadinessByFlagsCooldownAndTheJobOfTheHardestLevel) {
    EventRecord needs = record(1);
    needs.requiredFlag = F::TELEFON;
    EventRecord excluded = record(2);
    excluded.excludingFlag = F::TELEFON;
    EventRecord cooling = record(3);
    cooling.cooldown = 2;
    EventRecord bill = record(4, T::BILL);
    bill.cooldown = 2;
    bill.value = -100;
    table("3", {needs, excluded, cooling, bill, record(43)});
    start(3);
    FlagSystem* flags = FlagSystem::instance();
    struct Case {
        int id;
        bool telefon, lona;
        bool ready;
    } cases[] = {{1, false, false, false}, {1, true, false, true},    {2, false, false, true},
                 {2, true, false, false},  {43, false, false, false}, {43, false, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE("event " + std::to_string(c.id));
        c.telefon ? flags->raise(F::TELEFON) : flags->lower(F::TELEFON);
        c.lona ? flags->raise(F::LONA) : flags->lower(F::LONA);
        EXPECT_EQ(events->getEvents().at(c.id)->isReady(), c.ready);
    }
    DifficultyLevel::instance()->set(2);
    flags->lower(F::LONA);
    EXPECT_TRUE(events->findEvent(43)->isReady()) << "only the hardest level asks for a salary";

    // Fired, the cooldown holds the event back for two months; a bill has none.
    RandomEventInterface* cooled = events->findEvent(3);
    std::vector<bool> readiness;
    cooled->trigger();
    for (int month = 0; month < 3; ++month) {
        readiness.push_back(cooled->isReady());
        cooled->newMonth();
    }
    EXPECT_EQ(readiness, (std::vector<bool>{false, false, true}));
    events->findEvent(4)->trigger();
    EXPECT_TRUE(events->findEvent(4)->isReady());
}

TEST_F(EventTest, TheDrawGivesEachReadyEventItsWeightInIdOrder) {
    EventRecord first = record(1), never = record(2), third = record(3);
    first.weight = 5;
    third.weight = 3;
    table("1", {first, never, third});
    start();
    ASSERT_EQ(events->getTotalWeight(), 8);
    const int expected[] = {1, 1, 1, 1, 1, 3, 3, 3};
    for (int r = 0; r < 8; ++r) {
        SCOPED_TRACE("r " + std::to_string(r));
        EXPECT_EQ(events->pickByWeight(r)->getId(), expected[r]);
    }
    // The drawn event waits no month, at most 27 days.
    for (int month = 0; month < 20; ++month) {
        events->addRandomEventToQueue();
    }
    for (const auto& entry : events->getQueue()) {
        EXPECT_NE(entry.event->getId(), 2);
        EXPECT_EQ(entry.months, 0);
        EXPECT_TRUE(entry.days >= 0 && entry.days < 28) << entry.days;
    }
}

TEST_F(EventTest, ARangeGivesWholeHundredsBelowItsTop) {
    EventRecord ranged = record(1);
    ranged.value = 250;
    ranged.maxValue = 1000;
    table("1", {ranged});
    start();
    std::set<int> seen;
    for (int i = 0; i < 400; ++i) {
        events->findEvent(1)->trigger();
        seen.insert(events->findEvent(1)->getValue());
    }
    std::set<int> hundreds;
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
    EXPECT_EQ(today(), 1);
    EXPECT_EQ(reported(), std::vector<int>{1});
    ASSERT_EQ(events->getQueue().size(), 1u);
    EXPECT_EQ(events->getQueue().front().months, 1);
    endMonth();
    EXPECT_EQ(reported(), std::vector<int>{1});
    play();
    EXPECT_EQ(today(), 1);
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
    events->dayChanged(DateManager::instance()->getCurrentDate());
    EXPECT_EQ(reported(), std::vector<int>{35});
    EXPECT_TRUE(log.has(test::logLine("WW", "RandomEventManager::triggerEvent",
                                      "an event tried to trigger without being ready")));
    EXPECT_TRUE(events->getQueue().empty());
}

// A bill of -500 refused four times: three reminders, each a month later on
// the bill's day with one more fee, then the collector, who takes the debt
// and his fee from the cash.
TEST_F(EventTest, ARefusedBillComesBackWithFeesAndThenTheCollector) {
    EventRecord bill = record(10, T::BILL);
    bill.value = -500;
    bill.day = 25;
    table("1", {bill, record(16, T::COLLECTOR)});
    start();
    // The report of the bill or reminder of this month (the bill itself
    // comes every month).
    auto arrive = [this](int state) -> RandomEventInterface* {
        play();
        while (DateManager::instance()->getStopDate()) {
            for (const GuiReportInterface* report : events->getReports()) {
                if (report->getEvent()->getState() == state) {
                    EXPECT_EQ(today(), 25);
                    return report->getEvent();
                }
            }
            day();
        }
        return nullptr;
    };
    RandomEventInterface* current = arrive(0);
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->getValue(), -500);
    // The player answers once the month has run to its end.
    for (int expected : {-550, -625, -725}) {
        SCOPED_TRACE(expected);
        endMonth();
        current->reject();
        EXPECT_TRUE(current->isTransient());
        ASSERT_EQ(events->getQueue().size(), 1u);
        EXPECT_EQ(events->getQueue().back().months, 1);
        EXPECT_EQ(events->getQueue().back().days, 25);
        current = arrive(current->getState() + 1);
        ASSERT_NE(current, nullptr);
        EXPECT_EQ(current->getValue(), expected);
    }
    endMonth();
    current->reject();
    auto* collector = dynamic_cast<Collector*>(events->getQueue().back().event);
    ASSERT_NE(collector, nullptr);
    EXPECT_EQ(collector->getOwed(), 1325);
    Portfolio::instance()->setCash(2000);
    collector->accept();
    EXPECT_TRUE(log.has(
        test::logLine("DD", "Portfolio::changeCash", "cash 2000 -> 675: collector took cash")));
    EXPECT_FALSE(events->isGameOver());

    // Without a collector in the table the last refusal only warns.
    table("2", {bill});
    events->setDifficulty("2");
    events->adopt(std::make_unique<Bill>(events->findEvent(10)->getRecord(), 3, -500))->reject();
    EXPECT_TRUE(log.has(test::logLine("WW", "Bill::onReject", "unable to activate collector")));
    EXPECT_TRUE(events->getQueue().empty());
}

TEST_F(EventTest, ABillShortOfFeesCountsTheMissingOnesAsNothing) {
    fees("<state value=\"50\"/>");
    EventRecord bill = record(10, T::BILL);
    table("1", {bill});
    start();
    const Bill reminder(events->findEvent(10)->getRecord(), 2, -500);
    EXPECT_EQ(reminder.getValue(), -550);
    EXPECT_TRUE(log.has(test::logLine("EE", "Bill::getValue", "Dont got enough state values")));
}

TEST_F(EventTest, TheThiefTakesFurnitureUnlessTheHomeIsInsured) {
    EventRecord thief = record(17, T::THIEF);
    thief.acceptId = 5;
    thief.acceptDelay = 1;
    thief.day = 3;
    table("1", {thief, record(5)});
    start();
    struct Case {
        bool insured, accepted;
        std::size_t lost;
        bool followUp;
    } cases[] = {{true, true, 0, true}, {false, true, 1, false}, {true, false, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.insured ? "insured, " : "") + (c.accepted ? "yes" : "no"));
        events->setDifficulty("1");
        Room::instance()->create(1);
        Room::instance()->addFurniture(11);
        Room::instance()->addFurniture(21);
        c.insured ? FlagSystem::instance()->raise(F::HOMEINS)
                  : FlagSystem::instance()->lower(F::HOMEINS);
        RandomEventInterface* event = events->findEvent(17);
        c.accepted ? event->accept() : event->reject();
        EXPECT_EQ(Room::instance()->getFurniture().size(), 2 - c.lost);
        ASSERT_EQ(events->getQueue().size(), c.followUp ? 1u : 0u);
        if (c.followUp) {
            EXPECT_EQ(events->getQueue().front().event->getId(), 5);
            EXPECT_EQ(events->getQueue().front().months, 1);
            EXPECT_EQ(events->getQueue().front().days, 3);
        }
    }
}

// Cash, savings, funds, stocks, then furniture; what the last piece brings
// above the debt goes back to the cash; a debt larger than everything ends
// the game when the player closes "gameover".
TEST_F(EventTest, TheCollectorTakesInOrderAndAnUnpaidDebtEndsTheGame) {
    m_install.addFixture("xml", "investment.xml", "home/investment.xml");
    table("1", {record(16, T::COLLECTOR)});
    start();
    StateMachine::instance()->changeState(GameState::MenuState::instance());
    MainGui::instance();
    InvestmentCalculator* bank = InvestmentCalculator::instance();
    Portfolio* portfolio = Portfolio::instance();
    const char* TAKE = "Collector::accept";
    for (bool lost : {false, true}) {
        SCOPED_TRACE(lost ? "lost" : "covered");
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
        const int piece = Room::instance()->getFurnitureValue() / 2;
        log.take();
        // Covered: one krona is left for the piece of furniture.
        const int owed = 100 + 200 + funds + stocks + (lost ? piece + 7 : 1);
        Collector collector(events->findEvent(16)->getRecord(), Collector::FEE - owed);
        collector.accept();

        std::vector<std::string> expected = {
            test::logLine("DD", TAKE, "collector takes " + std::to_string(owed) + " kr"),
            test::logLine("DD", "Portfolio::changeCash", "cash 100 -> 0: collector took cash"),
            test::logLine("DD", TAKE, "collector took 200 kr from savings"),
            test::logLine("DD", TAKE, "collector took " + std::to_string(funds) + " kr in funds"),
            test::logLine("DD", TAKE, "collector took " + std::to_string(stocks) + " kr in stocks"),
            test::logLine("DD", TAKE,
                          "collector took furniture worth " + std::to_string(piece) + " kr")};
        expected.push_back(
            lost ? test::logLine("II", TAKE, "collector could not take the last 7 kr, game over")
                 : test::logLine("DD", "Portfolio::changeCash",
                                 "cash 0 -> " + std::to_string(piece - 1) +
                                     ": collector returned the change"));
        std::vector<std::string> cascade;
        for (const std::string& line : log.lines()) {
            if (line.find("[Collector::") != std::string::npos ||
                line.find("[Portfolio::changeCash]") != std::string::npos) {
                cascade.push_back(line);
            }
        }
        EXPECT_EQ(cascade, expected);
        EXPECT_TRUE(Room::instance()->getFurniture().empty());
        EXPECT_EQ(events->isGameOver(), lost);
    }
    InfoManager* info = InfoManager::instance();
    ASSERT_TRUE(info->isOpen());
    EXPECT_EQ(info->getCurrentName(), "gameover");
    events->update(0.0f);
    EXPECT_TRUE(MainGui::exists()) << "the game goes on while the message is read";
    info->close();
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
    } cases[] = {{3, F::LOWHYGIENE, 3, true},    {2, F::LOWHYGIENE, 3, false},
                 {1, F::LOWAPPEARANCE, 3, true}, {1, F::LOWAPPEARANCE, 2, false},
                 {3, F::LOWHYGIENE, 4, false},   {1, F::UNDEFINED, 0, false}};
    FlagSystem* flags = FlagSystem::instance();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.level) + " " + FiscoraFlags::toString(c.low) + " " +
                     std::to_string(c.months));
        log.take();
        events->setDifficulty("3");
        DifficultyLevel::instance()->set(c.level);
        flags->reset();
        flags->raise(F::LONA);
        if (c.low != F::UNDEFINED) {
            flags->raise(c.low);
            flags->monthCounter(c.low) = c.months;
        }
        events->lostJobCheck();
        EXPECT_TRUE(log.has(test::logLine(
            "DD", "turn", c.lost ? "Trigger lost job event" : "Did not trigger lost job event")));
        EXPECT_EQ(flags->isRaised(F::LONA), !c.lost);
        EXPECT_EQ(events->getQueue().size(), c.lost ? 1u : 0u);
        if (c.lost) {
            EXPECT_EQ(events->getQueue().front().event->getId(), 45);
            EXPECT_EQ(events->getQueue().front().months, 1);
            EXPECT_EQ(events->getQueue().front().days, 0);
        }
    }
}
