// Achievements: the conditions and their refusals, the monthly check at level
// 3 (one a month, in file order, nothing given in the end month), what an
// earned one gives, bad or switched-off data, and a new game.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include "TestSupport.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/MenuState.h"
#include "core/states/StateTestSupport.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiWindow.h"
#include "home/FurnitureBase.h"
#include "home/InvestmentCalculator.h"
#include "home/Room.h"
#include "sim/AchievementManager.h"
#include "sim/DateManager.h"
#include "sim/FlagSystem.h"
#include "sim/Statistics.h"

namespace {

using F = FiscoraFlags;

// The shipped achievements at level 3, in a game whose fifth month is its last.
class AchievementTest : public ::testing::Test {
protected:
    void SetUp() override {
        game = std::make_unique<statetest::Game>(
            "3 clickon confirmButton\n7 clickon New Game\n10 clickon Hard\n13 clickon Start\n");
        DifficultyLevel::instance()->set(3);
        DateManager::instance()->load("date.xml");
        DateManager::instance()->setEndDate(1, 5);
        InvestmentCalculator::instance()->reload();
        Room::instance()->create(3);
        FlagSystem::instance()->reset();
        manager = AchievementManager::instance();
    }
    void TearDown() override { AchievementManager::destroy(), Room::destroy(); }
    // One month, polled as the frame loop does; returns the completed ids.
    std::string playMonth() {
        DateManager* clock = DateManager::instance();
        for (clock->startMonth(); clock->getStopDate() && !clock->isEnded(); clock->update(1)) {
            manager->update(0);
        }
        std::string ids;
        for (const auto& achievement : manager->getAchievements()) {
            ids += achievement->isCompleted() ? std::to_string(achievement->getId()) : "";
        }
        return ids;
    }
    // The id of the piece the room received last.
    static int lastPiece() { return Room::instance()->getFurniture().back()->getId(); }

    std::unique_ptr<statetest::Game> game;
    AchievementManager* manager = nullptr;
};

}  // namespace

// FUNDS_FUNDS is 1000 and LONB was raised two month changes ago.
TEST(AchievementCheckTest, KindsRefusalsAndBoundsIncluded) {
    const struct {
        const char* xml;
        int check;  // -1: no condition
        std::string line;
    } cases[] = {
        {"<stat key='FUNDS_FUNDS' atleast='1000'/>", 1, ""},
        {"<stat key='FUNDS_FUNDS' atleast='1001'/>", 0, ""},
        {"<stat key='FUNDS_FUNDS' atmost='1000'/>", 1, ""},
        {"<stat key='FUNDS_FUNDS' atmost='999'/>", 0, ""},
        {"<stat key='FUNDS_FUNDS' least='1'/>", -1, "unknown value specifier"},
        {"<flagRaisedDuringTime flag='LONB' months='2'/>", 1, ""},
        {"<flagRaisedDuringTime flag='LONB' months='3'/>", 0, ""},
        {"<flagLoweredDuringTime flag='SICK' months='0'/>", 1, ""},
        {"<flagLoweredDuringTime flag='LONB' months='0'/>", 0, ""},
        {"<needFlags><LONB/><lonb/></needFlags>", 1, "found undefined flag, wont store"},
        {"<needFlags><SICK/><LONB/></needFlags>", 0, ""},
        {"<alwaysTrue/>", 1, ""},
        {"<flagRaised flag='LONB'/>", -1, "unknown check: flagRaised"},
    };
    Statistics::instance()->set(StatisticType::FUNDS_FUNDS, 1000);
    FlagSystem::instance()->raise(F::LONB);
    FlagSystem::instance()->monthCounter(F::LONB) = 2;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml);
        test::LogCapture log;
        TiXmlDocument document;
        document.Parse(c.xml);
        auto condition = AchievementCheck::factory(document.RootElement());
        EXPECT_EQ(condition ? condition->check() : -1, c.check);
        const std::string line = log.lines().empty() ? "]\t\t" : log.lines().back();
        EXPECT_EQ(line.substr(line.find("]\t\t") + 3), c.line);
    }
}

// Met in the first month, 0 and 3 complete a month apart; a flag raised
// before the second month has counted three month changes at the fourth; one
// met in the end month is only marked; a new game opens them all again.
TEST_F(AchievementTest, OneAMonthInFileOrderNoneGivenInTheEndMonthAndANewGameStartsOver) {
    InvestmentCalculator::instance()->deposit(2000);
    Statistics::instance()->set(StatisticType::TOTAL_STOCK_PROFIT, 1);
    EXPECT_EQ(playMonth(), "0");
    GuiWindow* window = manager->getAchievement(0)->getWindow();
    EXPECT_TRUE(window && InteractionalObject::getCursor()->getFocusObject() == window);
    EXPECT_TRUE(FlagSystem::instance()->isRaised(F::ACHIEVEMENT_A));
    EXPECT_EQ(lastPiece(), 161);
    game->frames(4);
    EXPECT_EQ(manager->getAchievement(0)->getWindow(), nullptr) << "its confirm button closes it";
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), nullptr);
    FlagSystem::instance()->raise(F::HIGHHEALTH);
    EXPECT_EQ(playMonth(), "03");
    EXPECT_TRUE(FlagSystem::instance()->isRaised(F::ACHIEVEMENT_D) && lastPiece() == 72);
    EXPECT_EQ(playMonth(), "03");
    EXPECT_EQ(playMonth(), "034");
    const auto furniture = Room::instance()->getFurniture().size();
    InvestmentCalculator::instance()->deposit(13000);
    EXPECT_EQ(playMonth(), "0134");
    EXPECT_EQ(manager->getAchievement(1)->getWindow(), nullptr);
    EXPECT_FALSE(FlagSystem::instance()->isRaised(F::ACHIEVEMENT_B));
    EXPECT_EQ(Room::instance()->getFurniture().size(), furniture);
    StateMachine::instance()->changeState(GameState::MenuState::instance());
    game->frames(10);
    EXPECT_FALSE(manager->getAchievement(0)->isCompleted());
}

TEST(AchievementManagerTest, BadOrSwitchedOffDataEarnsNothing) {
    const struct {
        const char* enabled;
        std::string file;  // no file when empty
        std::size_t count;
    } cases[] = {{"yes", "", 0},
                 {"yes", "<a><achievement id='0'><alwaysTrue/></a>", 0},
                 {"no", "<a><achievement id='0'><alwaysTrue/></achievement></a>", 0},
                 {"yes", "<a><achievement id='0'><always/></achievement></a>", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.enabled + c.file);
        test::Installation install;
        install.addFile("xml", "constants.xml",
                        std::string("<c><Constants achievementsEnabled='") + c.enabled + "'/></c>");
        install.addFile("xml", c.file.empty() ? "none.xml" : "achievements.xml", c.file);
        install.mount();
        test::LogCapture log;
        AchievementManager* manager = AchievementManager::instance();
        EXPECT_EQ(manager->getAchievements().size(), c.count);
        manager->monthChanged(DateManager::instance()->getCurrentDate());
        Achievement* first = manager->getAchievement(0);
        EXPECT_FALSE(first && first->isCompleted()) << "a goal that cannot be read is never met";
        EXPECT_EQ(log.count(test::logLine("WW", "AchievementManager::getAchievement",
                                          "achievement with id 0 not found, returning null")),
                  first ? 0 : 1);
        AchievementManager::destroy();
    }
}
