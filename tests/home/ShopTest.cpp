// The stores and the bank as a player drives them: buying at the edge of the
// cash, the way back to town, the savings withdrawals, the share purchase
// and its arithmetic, the page layout, and broken or missing shop data.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "TestSupport.h"
#include "core/StateMachine.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/ShopStates.h"
#include "core/states/StateTestSupport.h"
#include "core/states/TownState.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "gui/GuiSlider.h"
#include "gui/GuiWindow.h"
#include "home/FurnitureBase.h"
#include "home/FurnitureData.h"
#include "home/Investment.h"
#include "home/InvestmentCalculator.h"
#include "home/MainGui.h"
#include "home/Portfolio.h"
#include "home/Room.h"
#include "home/ShopGui.h"
#include "home/ShopKeeper.h"
#include "home/ShopObject.h"
#include "resource/Encoding.h"
#include "sim/InfoManager.h"

namespace {

class ShopTest : public ::testing::Test {
protected:
    void TearDown() override {
        StateMachine::instance()->changeState(nullptr);
        MainGui::destroy();
        Room::destroy();
    }

    // A game at `level` with 4000 kronor, standing in `shop`; the script
    // drives the pointer from frame 1.
    ShopGui* enter(GameState::ShopState* shop, int level, const std::string& script) {
        setenv("FISCORA_SHOTS", ".", 1);
        game = std::make_unique<statetest::Game>(script);
        InfoManager::instance()->load("info.xml");
        DifficultyLevel::instance()->set(level);
        Portfolio::instance()->clear();
        Portfolio::instance()->setCash(4000);
        InvestmentCalculator::instance()->reload();
        Room::destroy();
        Room::instance()->create(level);
        // The player left the flat to come here.
        Room::instance()->setVisible(false);
        StateMachine::instance()->changeState(shop);
        return shop->getShop();
    }

    // Runs frames up to and including `frame`.
    void runTo(int frame) {
        for (; m_frame < frame; ++m_frame) {
            game->frames(1);
        }
    }

    static std::string shownInfo() {
        InfoManager* info = InfoManager::instance();
        return info->isOpen() ? info->getCurrentName() : "";
    }

    std::unique_ptr<statetest::Game> game;
    test::LogCapture log;
    int m_frame = 0;
};

TEST_F(ShopTest, APriceEqualToTheCashIsBoughtOneAboveIsRefusedAndTheFlatKeepsIt) {
    ShopGui* shop = enter(GameState::FurnitureStoreState::instance(), 1,
                          "1 shot shop_lena\n2 clickon Enkelsäng 90 cm\n3 shot shop_selected\n"
                          "4 clickon Buy button\n6 clickon confirmButton\n9 clickon Buy button\n"
                          "11 clickon exitButton\n13 clickon Exit button\n");
    ASSERT_TRUE(game->ok());
    ASSERT_NE(shop, nullptr);
    ShopObject* bed = shop->findItem(W1252(u8"Enkelsäng 90 cm"));
    ASSERT_NE(bed, nullptr);
    const int price = static_cast<int>(bed->getPrice());
    Portfolio::instance()->setCash(price);
    runTo(5);
    EXPECT_EQ(shop->getKeeper()->getSelected(), bed);
    EXPECT_EQ(shownInfo(), "buy confirm");
    runTo(8);
    EXPECT_EQ(Portfolio::instance()->getCash(), 0);
    ASSERT_EQ(Room::instance()->getFurniture().size(), 1u);
    EXPECT_EQ(Room::instance()->getFurniture().front()->getId(), bed->getId());
    runTo(10);
    EXPECT_EQ(shownInfo(), "cant buy");
    EXPECT_EQ(Room::instance()->getFurniture().size(), 1u);
    runTo(15);
    EXPECT_EQ(StateMachine::instance()->current(), GameState::TownState::instance());
    EXPECT_EQ(GameState::FurnitureStoreState::instance()->getShop(), nullptr);
    EXPECT_EQ(Room::instance()->getFurniture().size(), 1u);
    EXPECT_EQ(Portfolio::instance()->getCash(), 0);
}

TEST_F(ShopTest, WithdrawingNothingThenTheWholeBalanceThenFromAnEmptyAccount) {
    InvestmentCalculator::instance()->setUp();
    ShopGui* shop =
        enter(GameState::BankState::instance(), 1,
              "2 clickon bcat2\n4 clickon exitButton\n6 clickon Ta ut\n8 clickon exitButton\n"
              "10 clickon Ta ut\n12 shot bank_savings\n14 clickon Ta ut\n");
    ASSERT_TRUE(game->ok());
    InvestmentCalculator::instance()->deposit(500);
    // The page shows the balance it was built with: open it again.
    StateMachine::instance()->changeState(nullptr);
    StateMachine::instance()->changeState(GameState::BankState::instance());
    shop = GameState::BankState::instance()->getShop();
    ASSERT_NE(shop, nullptr);
    // A beginner's bank holds the savings account only.
    EXPECT_EQ(shop->getCategories().size(), 1u);
    runTo(3);
    EXPECT_EQ(shownInfo(), "Locked");
    runTo(7);
    EXPECT_EQ(shownInfo(), "no_savings2");
    runTo(9);
    ASSERT_NE(shop->getSavingsSlider(), nullptr);
    EXPECT_EQ(shop->getSavingsSlider()->getSteps(), 500);
    shop->getSavingsSlider()->setValue(500);
    runTo(11);
    EXPECT_EQ(InvestmentCalculator::instance()->getBalance(), 0.0f);
    EXPECT_EQ(Portfolio::instance()->getCash(), 4500);
    EXPECT_EQ(InvestmentCalculator::instance()->getHistory().back().sign, "- ");
    runTo(15);
    EXPECT_EQ(shownInfo(), "no_savings1");
    EXPECT_EQ(Portfolio::instance()->getCash(), 4500);
}

TEST_F(ShopTest, AShareCountTheCashPaysForAndItsCostInWholeKronor) {
    struct Case {
        int64_t cash;
        float price;
        int maxBuy;
        int shares;
        int chosen;
        int64_t cost;
    };
    const Case cases[] = {
        {1000, 180.0f, 0, 5, 5, 900},   {1000, 333.5f, 0, 2, 2, 667}, {179, 180.0f, 50, 0, 3, 540},
        {1000, 45.25f, 10, 10, 7, 316}, {180, 180.0f, 0, 1, 1, 180},  {1000, 0.0f, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.cash) + " at " + std::to_string(c.price));
        EXPECT_EQ(ShopKeeper::affordableShares(c.cash, c.price, c.maxBuy), c.shares);
        EXPECT_EQ(ShopKeeper::sharesCost(c.chosen, c.price), c.cost);
    }
}

TEST_F(ShopTest, AnInvestmentPurchasePaysOnlyForAHoldingAdded) {
    ShopGui* shop = enter(GameState::BankState::instance(), 3,
                          "2 clickon bcat3\n4 clickon Kodkraft Göteborg\n6 clickon Buy button\n"
                          "7 shot bank_invest\n8 clickon confirmButton\n10 clickon Buy button\n"
                          "12 clickon confirmButton\n");
    ASSERT_TRUE(game->ok());
    ASSERT_NE(shop, nullptr);
    EXPECT_EQ(shop->getCategories().size(), 3u);
    runTo(7);
    ShopKeeper* keeper = shop->getKeeper();
    ASSERT_NE(keeper->getInvestSlider(), nullptr);
    const float price = Portfolio::instance()->getMarketPrice(W1252(u8"Kodkraft Göteborg"), 1);
    keeper->getInvestSlider()->setValue(3);
    runTo(9);
    EXPECT_EQ(Portfolio::instance()->getCash(), 4000 - ShopKeeper::sharesCost(3, price));
    Investment* held = Portfolio::instance()->findOwnedStock(1);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->getShares(), 3);
    // A stock the bank does not know: the window opens, the money stays.
    ShopObject stranger(ShopObject::Kind::STOCK, 1, "Okänd AB", "", 0.0f, "shop_share1.png");
    keeper->showItem(&stranger);
    const int32_t cash = Portfolio::instance()->getCash();
    runTo(13);
    EXPECT_EQ(Portfolio::instance()->getCash(), cash);
    EXPECT_EQ(held->getShares(), 3);
    keeper->clear();
}

TEST_F(ShopTest, EveryPieceOfTheCatalogueIsSoldAndShownInAStore) {
    std::map<int, int> offered;
    for (GameState::ShopState* store :
         {static_cast<GameState::ShopState*>(GameState::FurnitureStoreState::instance()),
          static_cast<GameState::ShopState*>(GameState::ElectronicStoreState::instance())}) {
        ShopGui* shop = enter(store, 1, "");
        ASSERT_NE(shop, nullptr);
        for (const auto& category : shop->getCategories()) {
            SCOPED_TRACE(category->name);
            EXPECT_EQ(category->placed, category->goods.size());
            for (const auto& item : category->goods) {
                ++offered[item->getId()];
            }
        }
    }
    FurnitureData::createStaticData();
    for (const auto& [id, element] : FurnitureData::getCatalogue()) {
        EXPECT_EQ(offered[id], 1) << "piece " << id;
    }
    EXPECT_FALSE(log.has(
        test::logLine("EE", "ShopGui::create", "there seems to be something wrong with the xml")));
}

TEST(ShopLayout, OnlyCellsInsideTheWindowAreLaidOut) {
    struct Case {
        hgeVector size;
        std::size_t goods;
        std::size_t cells;
    };
    // 82-pixel cells 20 apart, the first row 82 below the top edge.
    const Case cases[] = {
        {hgeVector(390, 420), 13, 12}, {hgeVector(388, 164), 6, 4}, {hgeVector(387, 164), 6, 3},
        {hgeVector(390, 163), 3, 0},   {hgeVector(81, 500), 3, 0},  {hgeVector(82, 266), 5, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.size.x) + " x " + std::to_string(c.size.y));
        const auto cells = ShopGui::cellPositions(hgeVector(10, 20), c.size, c.goods);
        ASSERT_EQ(cells.size(), c.cells);
        for (const hgeVector& cell : cells) {
            EXPECT_GE(cell.x, 10.0f);
            EXPECT_LE(cell.x + 82.0f, 10.0f + c.size.x);
            EXPECT_LE(cell.y + 82.0f, 20.0f + c.size.y);
        }
    }
}

// Broken shop data: the shop still opens, says what is wrong, and can be left.
struct BadShop {
    const char* name;
    const char* shopXml;  // null: no shop.xml at all
    const char* skip;     // a shipped file left out
    bool bank;            // the bank, else the furniture store
    const char* line;     // tag, context, message
};

void PrintTo(const BadShop& bad, std::ostream* out) {
    *out << bad.name;
}

class ShopBadInput : public ShopTest, public ::testing::WithParamInterface<BadShop> {};

const char* const SMALL_STORE = R"(<shops>
  <shop guiId="Furniture Shop">
    <gui guiId="w" name="blank" border="1"><size x="200" y="184"/><position x="160" y="110"/></gui>
    <shopKeeper name="lena" bg="sprite_shop_lena.png"/>
    <category name="Sitta" current="yes"><type>SOFFA</type><type>SOFA</type><type>CHAIR</type></category>
  </shop>
  <shop guiId="Bank">
    <gui guiId="b" name="blank" border="1"><size x="390" y="420"/><position x="160" y="110"/></gui>
    <shopKeeper name="bank"/>
    <category name="Savings"/>
    <category name="Funds" current="yes"><type>7</type><type>0</type></category>
  </shop>
</shops>)";

TEST_P(ShopBadInput, TheShopOpensSaysWhatIsWrongAndCanBeLeft) {
    const BadShop& bad = GetParam();
    test::Installation install;
    statetest::installShipped(install, bad.skip);
    if (std::string(bad.skip) != "shop.xml") {
        install.addFile("xml", "shop.xml", bad.shopXml);
    }
    install.mount();
    GameState::ShopState* state =
        bad.bank ? static_cast<GameState::ShopState*>(GameState::BankState::instance())
                 : GameState::FurnitureStoreState::instance();
    ShopGui* shop = enter(state, 2, "3 clickon Exit button\n");
    ASSERT_TRUE(game->ok());
    ASSERT_NE(shop, nullptr);
    const std::string line = bad.line;
    const std::size_t first = line.find('|');
    const std::size_t second = line.find('|', first + 1);
    EXPECT_TRUE(
        log.has(test::logLine(line.substr(0, first), line.substr(first + 1, second - first - 1),
                              line.substr(second + 1))));
    if (std::string(bad.name) == "unknownKind") {
        // Two sofas and two chairs; two cells fit.
        ASSERT_NE(shop->getCurrent(), nullptr);
        EXPECT_EQ(shop->getCurrent()->goods.size(), 4u);
        EXPECT_EQ(shop->getCurrent()->placed, 2u);
        EXPECT_TRUE(shop->getCurrent()->goods[1]->isVisible());
        EXPECT_FALSE(shop->getCurrent()->goods[2]->isVisible());
    }
    runTo(5);
    EXPECT_EQ(StateMachine::instance()->current(), GameState::TownState::instance());
}

INSTANTIATE_TEST_SUITE_P(
    Shop, ShopBadInput,
    ::testing::Values(
        BadShop{"missing", "", "shop.xml", false,
                "EE|ShopGui::create|there seems to be something wrong with the xml"},
        BadShop{"broken", "<shops><shop guiId=\"Furniture Shop\"><gui", "", false,
                "EE|ShopGui::create|there seems to be something wrong with the xml"},
        BadShop{"unknownKind", SMALL_STORE, "", false,
                "WW|ShopGui::buildStore|unknown furniture type: SOFFA"},
        BadShop{"unknownInvestment", SMALL_STORE, "", true,
                "WW|ShopGui::buildBank|unknown investment id: 7"},
        BadShop{"missingKeeper", SMALL_STORE, "shop_keeper_lena.png", false,
                "WW|TextureLoader::createSprite|unable to load texture, creating blank sprite"}),
    [](const ::testing::TestParamInfo<BadShop>& info) { return std::string(info.param.name); });

}  // namespace
