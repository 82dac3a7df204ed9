// Furniture in the flat, driven through the pointer as a player drives it:
// dragging onto free dots and onto a taken place, rotating, selling through
// the sell window; and pieces whose data is missing or broken.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <memory>
#include <set>
#include <string>
#include <utility>

#include "TestSupport.h"
#include "core/states/StateTestSupport.h"
#include "engine/hgesprite.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButtonFading.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/Dot.h"
#include "home/FurnitureBase.h"
#include "home/FurnitureData.h"
#include "home/FurnitureGui.h"
#include "home/IsometricGrid.h"
#include "home/Portfolio.h"
#include "home/Room.h"
#include "sim/FlagSystem.h"
#include "sim/InfoManager.h"

namespace {

using Points = std::set<std::pair<int, int>>;

// The shipped flat of level 1 and the shipped catalogue, read apart from the
// game, so that a script can aim at grid points before the game starts.
struct Shipped {
    Shipped() {
        const std::string xml = std::string(FISCORA_SOURCE_DIR) + "/data/xml/";
        rooms.LoadFile((xml + "rooms.xml").c_str());
        furnitures.LoadFile((xml + "furnitures.xml").c_str());
        for (TiXmlElement* room = rooms.RootElement()->FirstChildElement("room"); room;
             room = room->NextSiblingElement("room")) {
            if (std::string(room->Attribute("id")) == "1") {
                grid.create(room->FirstChildElement("grid"));
            }
        }
    }
    TiXmlElement* piece(int id) {
        for (TiXmlElement* e = furnitures.RootElement()->FirstChildElement(); e;
             e = e->NextSiblingElement()) {
            if (std::stoi(e->Attribute("id")) == id) {
                return e;
            }
        }
        return nullptr;
    }
    // Where the pointer goes to hold piece `id` with its footprint at (x, y):
    // a dragged piece follows the pointer less half its picture's width.
    std::string dropAt(int id, int x, int y) {
        const float width = std::stof(piece(id)->FirstChildElement("sprite")->Attribute("x"));
        const hgeVector at = grid.gridToScreen(hgeVector(x, y), true);
        return std::to_string(static_cast<int>(at.x + width / 2)) + " " +
               std::to_string(static_cast<int>(at.y));
    }
    // A point just above a footprint's first dot, on the piece's picture.
    std::string onPiece(int x, int y) {
        const hgeVector at = grid.gridToScreen(hgeVector(x, y), true);
        return std::to_string(static_cast<int>(at.x)) + " " +
               std::to_string(static_cast<int>(at.y) - 10);
    }
    TiXmlDocument rooms;
    TiXmlDocument furnitures;
    IsometricGrid grid;
};

// The grid points of a footprint: (w + 1) x (d + 1) dots from (x, y).
Points footprint(int x, int y, int w, int d) {
    Points out;
    for (int i = 0; i <= w; ++i) {
        for (int j = 0; j <= d; ++j) {
            out.emplace(x + i, y + j);
        }
    }
    return out;
}

Points taken(IsometricGrid* grid) {
    Points out;
    for (const Dot* dot : grid->getDots()) {
        if (!dot->isFree()) {
            out.emplace(static_cast<int>(dot->getX()), static_cast<int>(dot->getY()));
        }
    }
    return out;
}

std::pair<int, int> where(const FurnitureBase* piece) {
    return {static_cast<int>(piece->getGridPosition().x),
            static_cast<int>(piece->getGridPosition().y)};
}

class Furniture : public ::testing::Test {
protected:
    void TearDown() override { Room::destroy(); }
    Shipped shipped;
    test::LogCapture log;
};

const int SOFA = 11;    // two-seat sofa, 2 x 1
const int DRAWER = 41;  // chest of drawers, 1 x 0

}  // namespace

TEST_F(Furniture, DraggedPiecesSnapHoldTheirDotsTurnRedOnATakenPlaceAndRotate) {
    const std::string start = shipped.onPiece(5, 15);
    statetest::Game game("1 move " + start + "\n2 press left\n3 move " +
                         shipped.dropAt(SOFA, 7, 10) + "\n4 move " + shipped.dropAt(SOFA, 1, 10) +
                         "\n6 release left\n"
                         "10 move " +
                         start + "\n11 press left\n13 move " + shipped.dropAt(DRAWER, 2, 10) +
                         "\n15 release left\n"
                         "19 clickon door\n21 clickon exitButton\n"
                         "23 move " +
                         shipped.onPiece(1, 10) + "\n24 clickon Rotate Button\n");
    ASSERT_TRUE(game.ok());
    InfoManager::instance()->load("info.xml");
    Room* room = Room::instance();
    room->create(1);
    IsometricGrid* grid = room->getGrid();

    FurnitureBase* sofa = room->addFurniture(SOFA);
    EXPECT_EQ(where(sofa), std::make_pair(5, 15));
    EXPECT_TRUE(taken(grid).empty()) << "a new piece waits holding no dots";
    game.frames(2);
    EXPECT_TRUE(sofa->isHeld());
    // At (7, 10) the sofa's far corners would stand off the floor.
    const auto before = where(sofa);
    game.frames(1);
    EXPECT_EQ(where(sofa), before);
    EXPECT_EQ(sofa->getSprite()->GetColor(), FurnitureBase::HELD_COLOR);
    game.frames(5);
    EXPECT_FALSE(sofa->isHeld());
    EXPECT_EQ(where(sofa), std::make_pair(1, 10));
    EXPECT_EQ(taken(grid), footprint(1, 10, 2, 1));
    EXPECT_EQ(sofa->getSprite()->GetColor(), FurnitureBase::NORMAL_COLOR);
    EXPECT_FALSE(room->isAnyFurnitureBlocked());

    FurnitureBase* drawer = room->addFurniture(DRAWER);
    game.frames(9);
    EXPECT_EQ(where(drawer), std::make_pair(2, 10));
    EXPECT_TRUE(drawer->isBlocked());
    EXPECT_EQ(drawer->getSprite()->GetColor(), FurnitureBase::BLOCKED_COLOR);
    EXPECT_EQ(taken(grid), footprint(1, 10, 2, 1)) << "a blocked piece holds no dots";
    EXPECT_TRUE(room->isAnyFurnitureBlocked());
    // A blocked piece keeps its direction and footprint.
    drawer->rotate();
    EXPECT_EQ(drawer->getDirection(), 4);
    EXPECT_EQ(drawer->getWidth(), 1);

    game.frames(2);
    EXPECT_EQ(InfoManager::instance()->getCurrentName(), "furniture block");

    // Turning the sofa from 4 to 6 swaps its footprint to 1 x 2.
    game.frames(5);
    EXPECT_EQ(sofa->getDirection(), 6);
    EXPECT_EQ(sofa->getWidth(), 1);
    EXPECT_EQ(sofa->getFootprintDepth(), 2);
    EXPECT_EQ(taken(grid), footprint(1, 10, 1, 2));
    // Neither a red piece nor one never put down gives up the sofa's dots.
    room->removeFurniture(drawer);
    FurnitureBase* waiting = room->addFurniture(DRAWER);
    waiting->moveTo(room->getGrid()->gridToScreen(hgeVector(1, 10), true));
    EXPECT_TRUE(waiting->isBlocked());
    room->removeFurniture(waiting);
    EXPECT_EQ(taken(grid), footprint(1, 10, 1, 2));
    EXPECT_EQ(
        log.count(test::logLine("WW", "Clickon::resolve", "no visible widget named Rotate Button")),
        0);
}

TEST_F(Furniture, SellingPaysHalfAndLowersTheKindsFlagOnlyWithTheLastPiece) {
    const std::string start = shipped.onPiece(5, 15);
    statetest::Game game("1 move " + start + "\n2 clickon Sell Button\n5 clickon confirmButton\n" +
                         "9 move 10 10\n10 move " + start +
                         "\n11 clickon Sell Button\n14 clickon denyButton\n"
                         "17 move 10 10\n18 move " +
                         start + "\n19 clickon Sell Button\n22 clickon confirmButton\n");
    ASSERT_TRUE(game.ok());
    Room* room = Room::instance();
    room->create(1);
    FurnitureBase* first = room->addFurniture(SOFA);
    room->addFurniture(SOFA);
    FlagSystem* flags = FlagSystem::instance();
    EXPECT_TRUE(flags->isRaised(FiscoraFlags::SOFA));
    const int price = static_cast<int>(FurnitureData::getValue(first->getElement()) * 0.5f);
    const std::string sold = "sold " + first->getName() + " for " + std::to_string(price);
    Portfolio::instance()->setCash(4000);

    game.frames(3);
    ASSERT_EQ(room->getFurniture().size(), 2u);
    const FurnitureBase* asked = room->getSelected();
    ASSERT_NE(asked, nullptr);
    GuiWindow* window = asked->getButtons()->getSellWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), window);
    auto* text = dynamic_cast<GuiTextBox*>(window->findChild("confirmText"));
    ASSERT_NE(text, nullptr);
    ASSERT_EQ(text->getAddedTexts().size(), 1u);
    EXPECT_EQ(text->getAddedTexts()[0].text, std::to_string(price) + ":-");

    game.frames(4);
    EXPECT_EQ(room->getFurniture().size(), 1u);
    EXPECT_EQ(log.count(test::logLine("DD", "FurnitureGui::payPlayer", sold)), 1);
    EXPECT_EQ(Portfolio::instance()->getCash(), 4000 + price);
    EXPECT_TRUE(flags->isRaised(FiscoraFlags::SOFA)) << "one sofa is left";
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), nullptr);

    game.frames(8);
    EXPECT_EQ(room->getFurniture().size(), 1u) << "no keeps the piece";
    game.frames(8);
    EXPECT_TRUE(room->getFurniture().empty());
    EXPECT_EQ(log.count(test::logLine("DD", "FurnitureGui::payPlayer", sold)), 2);
    EXPECT_EQ(Portfolio::instance()->getCash(), 4000 + 2 * price);
    EXPECT_EQ(log.count(test::logLine("DD", "Portfolio::changeCash",
                                      "cash " + std::to_string(4000 + price) + " -> " +
                                          std::to_string(4000 + 2 * price) + ": furniture sold")),
              1);
    EXPECT_FALSE(flags->isRaised(FiscoraFlags::SOFA));
}

TEST_F(Furniture, AClickOnByNameFindsThePiece) {
    statetest::Game game("2 clickon Tvåsitssoffa\n");
    ASSERT_TRUE(game.ok());
    Room::instance()->create(1);
    FurnitureBase* sofa = Room::instance()->addFurniture(SOFA);
    game.frames(2);
    EXPECT_EQ(Room::instance()->getSelected(), sofa);
    EXPECT_NE(sofa->getButtons(), nullptr);
}
