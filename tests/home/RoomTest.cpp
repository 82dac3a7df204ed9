// The flat: its door, the value of its furniture and the pieces that events
// take, and what happens when the flat's or the catalogue's data is missing
// or broken.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/StateMachine.h"
#include "core/states/RoomState.h"
#include "core/states/StateTestSupport.h"
#include "core/states/TownState.h"
#include "home/FurnitureBase.h"
#include "home/IsometricGrid.h"
#include "home/Room.h"
#include "sim/FlagSystem.h"
#include "sim/InfoManager.h"

namespace {

class RoomFixture : public ::testing::Test {
protected:
    void TearDown() override {
        Room::destroy();
        StateMachine::instance()->changeState(nullptr);
    }
    test::LogCapture log;
};

// A catalogue whose pieces have no pictures: kronor with decimals, and one
// piece without name or description.
const char* const kCatalogue =
    "<furnitures>"
    "<furniture id=\"1\" enabled=\"yes\" type=\"SOFA\" value=\"999.9\"><name>A</name>"
    "<placement width=\"1\" depth=\"1\"/><sprite gfx=\"missing.png\" x=\"10\" y=\"10\"/>"
    "</furniture>"
    "<furniture id=\"2\" enabled=\"yes\" type=\"SOFA\" value=\"0.6\"><name>B</name></furniture>"
    "<furniture id=\"3\" enabled=\"yes\" type=\"BED\" value=\"999\"/>"
    "<furniture id=\"4\" enabled=\"no\" type=\"BED\" value=\"5\"/>"
    "</furnitures>";

}  // namespace

using RoomDoor = RoomFixture;
using RoomFurniture = RoomFixture;

TEST_F(RoomDoor, ConfirmingTheDoorGoesToTownOnceAndARedPieceKeepsItShut) {
    statetest::Game game(
        "2 clickon door\n4 clickon confirmButton\n"
        "10 clickon door\n12 clickon exitButton\n");
    ASSERT_TRUE(game.ok());
    InfoManager::instance()->load("info.xml");
    Room* room = Room::instance();
    room->create(1);
    StateMachine* states = StateMachine::instance();
    states->changeState(GameState::RoomState::instance());

    game.frames(3);
    EXPECT_EQ(InfoManager::instance()->getCurrentName(), "door");
    game.frames(2);
    EXPECT_EQ(states->current(), GameState::TownState::instance());
    EXPECT_EQ(InfoManager::instance()->getAnswer(), InfoManager::NO_ANSWER);
    // Back in the flat, the answered question does not send the player out again.
    states->changeState(GameState::RoomState::instance());
    game.frames(2);
    EXPECT_EQ(states->current(), GameState::RoomState::instance());

    // A piece put down on another stands red.
    room->addFurniture(11)->drop();
    FurnitureBase* piece = room->addFurniture(11);
    piece->moveTo(piece->getViewPosition());
    ASSERT_TRUE(piece->isBlocked());
    game.frames(4);
    EXPECT_EQ(InfoManager::instance()->getCurrentName(), "furniture block");
    game.frames(2);
    EXPECT_EQ(states->current(), GameState::RoomState::instance());
}

TEST_F(RoomFurniture, ValuesAreTruncatedPieceByPieceAndEventsTakeHalf) {
    test::Installation install;
    statetest::installShipped(install, "furnitures.xml");
    install.addFile("xml", "furnitures.xml", kCatalogue);
    install.mount();
    statetest::Game game;
    ASSERT_TRUE(game.ok());
    Room* room = Room::instance();
    room->create(1);

    EXPECT_EQ(room->getFurnitureValue(), 0);
    EXPECT_EQ(room->removeRandomFurniture(), 0);

    FurnitureBase* first = room->addFurniture(1);
    EXPECT_TRUE(log.has(test::logLine("EE", "FurnitureBase::FurnitureBase", "no texture")));
    EXPECT_EQ(first->getSprite(), nullptr);
    EXPECT_EQ(first->getWidth(), 1);
    room->addFurniture(2);
    // 999.9 and 0.6 are worth 999 and 0 kronor, not 1000 together.
    EXPECT_EQ(room->getFurnitureValue(), 999);
    EXPECT_TRUE(FlagSystem::instance()->isRaised(FiscoraFlags::SOFA));
    room->removeFurniture(first);
    room->removeFurniture(room->getFurniture().front());
    EXPECT_FALSE(FlagSystem::instance()->isRaised(FiscoraFlags::SOFA));

    room->addFurniture(3);
    EXPECT_TRUE(
        log.has(test::logLine("WW", "FurnitureData::getName", "furniture with id 3 has no name")));
    EXPECT_TRUE(FlagSystem::instance()->isRaised(FiscoraFlags::BED));
    EXPECT_EQ(room->removeRandomFurniture(), 499);
    EXPECT_TRUE(room->getFurniture().empty());
    EXPECT_FALSE(FlagSystem::instance()->isRaised(FiscoraFlags::BED));

    room->addFurniture(4);
    EXPECT_TRUE(log.has(
        test::logLine("DD", "FurnitureData::createStaticData", "skipping disabled furniture: 4")));
    EXPECT_FALSE(FlagSystem::instance()->isRaised(FiscoraFlags::BED));
    EXPECT_TRUE(game.frames(3));
}

namespace {

// One data file replaced (or left out when the text is empty), what the game
// then does, and the lines it must log.
struct BadInput {
    const char* name;
    const char* file;
    const char* text;
    const char* roomId;
    int furnitureId;
    std::vector<std::vector<std::string>> lines;  // tag, context, message
};

const std::vector<std::string> kNoRoom = {"EE", "Room::create", "room not found in xml"};
const std::vector<std::string> kNoPiece = {"EE", "FurnitureBase::FurnitureBase",
                                           "furniture not defined in xml"};
const std::vector<std::string> kUnknownPiece = {
    "WW", "FurnitureData::loadInfo", "furniture with id 11 not defined in xml, or it is disabled"};
const std::vector<std::string> kUnknownPiece99 = {
    "WW", "FurnitureData::loadInfo", "furniture with id 99 not defined in xml, or it is disabled"};

const BadInput kBadInputs[] = {
    {"UnknownRoom", "", "", "9", 0, {kNoRoom}},
    {"MissingRooms", "rooms.xml", "", "1", 0, {kNoRoom}},
    {"BrokenRooms", "rooms.xml", "<rooms><room id=\"1\"><grid", "1", 0, {kNoRoom}},
    {"RoomWithoutGrid",
     "rooms.xml",
     "<rooms><room id=\"1\"/></rooms>",
     "1",
     0,
     {{"EE", "IsometricGrid::create", "got no grid element"}}},
    {"MissingCatalogue", "furnitures.xml", "", "1", 11, {kUnknownPiece, kNoPiece}},
    {"BrokenCatalogue",
     "furnitures.xml",
     "<furnitures><furniture id=\"11\" enabled=\"yes\"",
     "1",
     11,
     {kUnknownPiece, kNoPiece}},
    {"UnknownPiece", "", "", "1", 99, {kUnknownPiece99, kNoPiece}},
};

class RoomBadInput : public RoomFixture, public ::testing::WithParamInterface<BadInput> {};

}  // namespace

TEST_P(RoomBadInput, IsLoggedAndTheGameRunsOn) {
    const BadInput& bad = GetParam();
    test::Installation install;
    statetest::installShipped(install, bad.file);
    if (*bad.text) {
        install.addFile("xml", bad.file, bad.text);
    }
    install.mount();
    statetest::Game game("2 click 400 300\n4 click 100 500\n");
    ASSERT_TRUE(game.ok());
    Room* room = Room::instance();
    room->create(bad.roomId);
    const bool built = bad.lines.empty() || bad.lines[0] != kNoRoom;
    EXPECT_EQ(room->getDoor() != nullptr, built);
    if (!built) {
        EXPECT_TRUE(room->getGrid()->getDots().empty());
    }
    if (bad.furnitureId) {
        FurnitureBase* piece = room->addFurniture(bad.furnitureId);
        EXPECT_EQ(piece->getSprite(), nullptr);
        EXPECT_EQ(piece->getGridPosition().x, 5);
        EXPECT_EQ(piece->getGridPosition().y, 15);
        EXPECT_EQ(room->getFurnitureValue(), 0);
    }
    for (const auto& line : bad.lines) {
        EXPECT_TRUE(log.has(test::logLine(line[0], line[1], line[2]))) << line[2];
    }
    EXPECT_TRUE(game.frames(6));
}

INSTANTIATE_TEST_SUITE_P(Table, RoomBadInput, ::testing::ValuesIn(kBadInputs),
                         [](const ::testing::TestParamInfo<BadInput>& info) {
                             return std::string(info.param.name);
                         });
