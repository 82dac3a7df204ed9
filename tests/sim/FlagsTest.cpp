// Flags and statistics: the two name tables, the month counters, the start
// sets by level, and the statistics address.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/states/StateTestSupport.h"
#include "sim/DateManager.h"
#include "sim/FlagSystem.h"
#include "sim/Statistics.h"

namespace {

using F = FiscoraFlags;
using S = StatisticType;

// Level 1 raises two flags, level 2 one and an unknown name, level 3 nothing.
const char* const kFlags = R"(<flags>
  <raised1><LONA/><!-- a comment is skipped -->text too<HOMEINS/></raised1>
  <raised2><TELEFON/><lona/></raised2>
  <raised3/>
</flags>)";

std::set<int> raisedFlags() {
    std::set<int> raised;
    for (int flag = F::UNDEFINED; flag <= F::END; ++flag) {
        if (FlagSystem::instance()->isRaised(static_cast<F::_enum>(flag))) {
            raised.insert(flag);
        }
    }
    return raised;
}

class FlagsTest : public ::testing::Test {
protected:
    test::Installation m_install;
    test::LogCapture log;
    FlagSystem* flags = FlagSystem::instance();
    Statistics* stats = Statistics::instance();
};

}  // namespace

TEST_F(FlagsTest, EveryNameRoundTripsAndAnyOtherTextIsUndefined) {
    for (int flag = F::UNDEFINED; flag <= F::END; ++flag) {
        EXPECT_EQ(F::fromString(F::toString(flag)), flag) << F::toString(flag);
    }
    for (int type = S::UNDEFINED; type <= S::END; ++type) {
        EXPECT_EQ(S::fromString(S::toString(type)), type) << S::toString(type);
    }
    // Other data files hold the names, so the numbers must not drift.
    EXPECT_EQ(F::toString(22) + F::toString(35) + F::toString(55) + F::toString(57),
              "TELEFONLONATHEIFEND");
    EXPECT_EQ(S::toString(1) + S::toString(8) + S::toString(9), "FURNITURE_VALUEPERIODEND");
    for (const char* text : {"", "lona", "LONA ", "THIEF", "57", "UNDEFINED"}) {
        EXPECT_EQ(F::fromString(text) + S::fromString(text), 0) << text;
    }
    for (int outside : {-1, 58, 1000}) {
        EXPECT_EQ(F::toString(outside) + S::toString(outside - 48), "UNDEFINEDUNDEFINED");
    }
}

TEST_F(FlagsTest, CountersCountMonthChangesSinceTheLastRaiseOrLower) {
    m_install.addFile("xml", "date.xml",
                      "<date><steptime sec='0'/><month name='A' length='2'/>"
                      "<month name='B' length='2'/></date>");
    m_install.mount();
    DateManager* clock = DateManager::instance();
    clock->load("date.xml");
    clock->setEndDate(99, 1);
    // Plays one whole month, the flags polling after the clock.
    auto playMonth = [&] {
        clock->startMonth();
        for (int frame = 0; frame < 5; ++frame) {
            flags->update(0);
            clock->update(1.0f);
        }
    };

    flags->raise(F::LOWHEALTH);
    flags->lower(F::SICK);
    EXPECT_EQ(flags->monthCounter(F::SICK), 0) << "made on first read";
    playMonth();  // the first month change of the game
    flags->raise(F::LOWHEALTH);
    playMonth();
    flags->lower(F::SICK);
    playMonth();
    EXPECT_EQ(flags->monthCounter(F::LOWHEALTH), 3) << "raising again does not restart it";
    EXPECT_EQ(flags->monthCounter(F::SICK), 3) << "lowering a lowered flag changes nothing";
    EXPECT_EQ(flags->monthCounter(F::TV), 0);
    flags->lower(F::LOWHEALTH);
    playMonth();
    EXPECT_EQ(flags->monthCounter(F::LOWHEALTH), 1) << "lowering restarts it";
    EXPECT_EQ(flags->monthCounter(F::TV), 1) << "a counter grows once it exists";
    EXPECT_FALSE(flags->isRaised(F::LOWHEALTH));
}

TEST_F(FlagsTest, LoadRaisesTheSetOfTheLevelAndNothingElse) {
    struct Case {
        const char* file;  // empty: no "flags.xml"
        int level;
        std::set<int> raised;
        std::string line;  // a line the load must log
    };
    const Case cases[] = {
        {kFlags, 1, {F::HOMEINS, F::LONA}, ""},
        {kFlags, 2, {F::UNDEFINED, F::TELEFON}, ""},
        {kFlags, 3, {}, ""},
        {kFlags, 4, {}, ""},
        {"",
         1,
         {},
         test::logLine("EE", "resource::Manager::getTxt", "got no handle for flags.xml")},
        {"<flags><raised1><LONA/></flags>", 1, {}, "[EE] [resource::Manager::getXml]\t\terror"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " level " + std::to_string(c.level));
        test::Installation::unmount();
        m_install.removeFolder("xml");
        if (*c.file) {
            m_install.addFile("xml", "flags.xml", c.file);
        }
        m_install.mount();
        flags->raise(F::SOFA);  // left from the last game
        flags->load(c.level);
        EXPECT_EQ(raisedFlags(), c.raised);
        EXPECT_EQ(flags->monthCounter(F::SOFA), 0);
        if (!c.line.empty()) {
            EXPECT_EQ(log.countPrefix(c.line), 1);
        }
        log.take();
    }
    EXPECT_FALSE(flags->isRaised(static_cast<F::_enum>(F::END + 1)));
    EXPECT_TRUE(log.has(test::logLine("WW", "FactorSystem<enum FiscoraFlags::_enum,bool>::exists",
                                      "key not found58")));
}

TEST_F(FlagsTest, ShippedStartSetsNameKnownFlagsAndGiveEveryLevelAnIncome) {
    for (int level = 1; level <= 3; ++level) {
        flags->load(level);
        const std::set<int> raised = raisedFlags();
        EXPECT_EQ(raised.count(F::UNDEFINED), 0u) << level << ": every name is a flag";
        EXPECT_NE(raised.lower_bound(F::STBIDRAG), raised.upper_bound(F::LONC)) << level;
    }
}

TEST_F(FlagsTest, StatisticsAddressTruncatesEachFigureAndTheCheckValue) {
    EXPECT_TRUE(log.has(test::logLine("II", "Statistics::reset", "reseting statistics")));
    const std::string start = "/brumsala/spel/kvistara/statistik/?";
    struct Case {
        double figures[8];  // FURNITURE_VALUE .. PERIOD
        const char* query;
    };
    const Case cases[] = {
        // The check value sums the exact figures: 1234.9 + 200.5 + 0.5 + 3 - 0.2.
        {{1234.9, 200.5, 0.5, 0.2, 99.99, -0.5, -3000.4, 3},
         "FURNITURE_VALUE=1234&PLAY_TIME=200&FUNDS_CASH=0&FUNDS_ACCOUNT=0&FUNDS_STOCK=99&"
         "FUNDS_FUNDS=0&TOTAL_STOCK_PROFIT=-3000&PERIOD=3&GAME_RAND=1438&VERSION=4.1.7"},
        {{0, 0, -10, 20.5, 0, 0, 0, 1},
         "FURNITURE_VALUE=0&PLAY_TIME=0&FUNDS_CASH=-10&FUNDS_ACCOUNT=20&FUNDS_STOCK=0&"
         "FUNDS_FUNDS=0&TOTAL_STOCK_PROFIT=0&PERIOD=1&GAME_RAND=-29&VERSION=4.1.7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        stats->reset();
        for (int type = S::FURNITURE_VALUE; type <= S::PERIOD; ++type) {
            stats->add(static_cast<S::_enum>(type), c.figures[type - 1]);
        }
        EXPECT_EQ(stats->getAddress(), start + c.query);
    }
    EXPECT_DOUBLE_EQ(stats->get(static_cast<S::_enum>(S::END + 5)), 0.0);
    EXPECT_TRUE(log.has(test::logLine(
        "WW", "FactorSystem<enum StatisticType::_enum,double>::exists", "key not found14")));
}

TEST_F(FlagsTest, UploadLogsTheAddressAndOpensItOnlyWithAHost) {
    const std::string context = "Statistics::uploadToNorvale";
    stats->set(S::PERIOD, 2);
    stats->uploadToNorvale();  // the shipped constants: no host
    const std::string address = stats->getAddress();
    EXPECT_EQ(address.rfind("/brumsala/", 0), 0u);
    EXPECT_EQ(log.from(context),
              (std::vector<std::string>{
                  test::logLine("II", context, "reporting statistics"),
                  test::logLine("DD", context, address),
                  test::logLine("DD", context,
                                "\n\tFURNITURE_VALUE = 0\n\tPLAY_TIME = 0\n\tFUNDS_CASH = "
                                "0\n\tFUNDS_ACCOUNT = 0\n\tFUNDS_STOCK = 0\n\tFUNDS_FUNDS = "
                                "0\n\tTOTAL_STOCK_PROFIT = 0\n\tPERIOD = 2\n\tGAME_RAND =2"),
                  test::logLine("II", context, "no statistics host, not opening the address"),
              }));

    statetest::installShipped(m_install);
    std::string constants = test::readFile(m_install.folder("xml") + "/constants.xml");
    const std::string empty = "statisticsHost=\"\"";
    ASSERT_NE(constants.find(empty), std::string::npos);
    constants.replace(constants.find(empty), empty.size(), "statisticsHost=\"https://a.example\"");
    m_install.addFile("xml", "constants.xml", constants);
    test::Installation::unmount();
    m_install.mount();
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    log.take();
    stats->uploadToNorvale();
    EXPECT_EQ(log.from(context).size(), 3u);
    // The headless engine logs the address in place of opening a browser.
    EXPECT_NE(test::readFile("hge.log").find("not opening https://a.example" + address),
              std::string::npos);
}
