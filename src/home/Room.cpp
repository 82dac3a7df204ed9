#include "home/Room.h"

#include <tinyxml.h>

#include <algorithm>
#include <iterator>
#include <memory>

#include "core/Log.h"
#include "core/StateMachine.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/TownState.h"
#include "engine/hgesprite.h"
#include "gui/GuiButton.h"
#include "home/Dot.h"
#include "home/FurnitureBase.h"
#include "home/FurnitureData.h"
#include "home/FurnitureGui.h"
#include "home/MainGui.h"
#include "home/NoticeBoardGui.h"
#include "resource/ConstantManager.h"
#include "resource/Randomizer.h"
#include "resource/TextureLoader.h"
#include "resource/XmlReader.h"
#include "sim/FlagSystem.h"
#include "sim/InfoManager.h"

namespace {

const float ROOM_DEPTH = 0.01f;
const hgeVector INFO_POSITION(150, 70);

// Whether the main HUD still waits for the game's first budget; without a
// HUD nothing is pending.
bool budgetPending() {
    return MainGui::exists() && MainGui::instance()->isBudgetPending();
}

}  // namespace

Room::Room() {
    m_background.setZ(ROOM_DEPTH);
}

Room::~Room() {
    dealloc();
}

void Room::create(int id) {
    create(std::to_string(id));
}

void Room::create(const std::string& id) {
    const char* context = "Room::create";
    dealloc();
    Log::info(context) << "creating room with id " << id;

    XmlReader rooms("rooms.xml");
    TiXmlElement* room =
        rooms.getRootElement() ? rooms.getRootChildElement("room", "id", id) : nullptr;
    if (!room) {
        Log::error(context) << "room not found in xml";
        return;
    }
    m_grid.create(room->FirstChildElement("grid"));

    TextureLoader loader;
    std::unique_ptr<hgeSprite> background(
        loader.createSprite(room->FirstChildElement("background"), "sprite_", ".png"));
    m_background.setSprite(background.get());
    m_background.setMovesWithCam(true);
    m_background.setPosition(hgeVector(0, 0));
    m_background.setZ(ROOM_DEPTH);
    m_background.setVisible(true);

    m_door = new GuiButton(room->FirstChildElement("door"), nullptr);
    m_door->setCallback(&Room::doorAction);
    m_door->Logic::setActive(true);
    m_door->setDepth(ROOM_DEPTH + 0.01f);

    m_noticeBoard = new GuiButton(room->FirstChildElement("noticeboard"), nullptr);
    m_noticeBoard->setCallback(&Room::noticeBoardAction);
    m_noticeBoard->Logic::setActive(true);
    m_noticeBoard->setDepth(ROOM_DEPTH + 0.01f);
}

void Room::dealloc() {
    Log::debug("Room::dealloc") << "deallocating room";
    m_selected = nullptr;
    m_removals.clear();
    for (FurnitureBase* piece : m_furniture) {
        delete piece;
    }
    m_furniture.clear();
    delete m_door;
    m_door = nullptr;
    // The board's window belongs to this flat; a new room builds it afresh.
    NoticeBoardGui::destroy();
    delete m_noticeBoard;
    m_noticeBoard = nullptr;
    m_background.setSprite(nullptr);
    m_grid.clear();
}

FurnitureBase* Room::addFurniture(int id) {
    selectFurniture(nullptr);
    auto* piece = new FurnitureBase(&m_grid, id);
    m_furniture.push_back(piece);
    piece->setRoom(this);
    const FiscoraFlags::_enum type = FurnitureData::getType(piece->getElement());
    if (type != FiscoraFlags::UNDEFINED) {
        FlagSystem::instance()->raise(type);
    }
    // The piece took the dot (0, 0) while it was made; it holds none until
    // the player puts it down.
    m_grid.setAreaFree(hgeVector(0, 0), 1, 1, true);
    Log::debug("Room::addFurniture") << "added " << piece->getName();
    return piece;
}

void Room::removeFurniture(FurnitureBase* furniture) {
    selectFurniture(nullptr);
    auto found = std::find(m_furniture.begin(), m_furniture.end(), furniture);
    if (found == m_furniture.end()) {
        return;
    }
    m_removals.remove(furniture);
    Log::debug("Room::removeFurniture") << "removed " << furniture->getName();
    const FiscoraFlags::_enum type = FurnitureData::getType(furniture->getElement());
    delete furniture;
    m_furniture.erase(found);
    if (type == FiscoraFlags::UNDEFINED) {
        return;
    }
    for (FurnitureBase* piece : m_furniture) {
        if (FurnitureData::getType(piece->getElement()) == type) {
            return;
        }
    }
    FlagSystem::instance()->lower(type);
}

void Room::queueFurnitureRemoval(FurnitureBase* furniture) {
    m_removals.push_back(furniture);
}

int Room::removeRandomFurniture() {
    if (m_furniture.empty()) {
        return 0;
    }
    const int k =
        Randomizer::getInt(RandomStream::FURNITURE, 0, static_cast<int>(m_furniture.size()));
    FurnitureBase* piece = *std::next(m_furniture.begin(), k);
    const float value = FurnitureData::getValue(piece->getElement());
    removeFurniture(piece);
    return static_cast<int>(value * 0.5f);
}

int Room::getFurnitureValue() const {
    int total = 0;
    for (const FurnitureBase* piece : m_furniture) {
        total = static_cast<int>(total + FurnitureData::getValue(piece->getElement()));
    }
    return total;
}

bool Room::isAnyFurnitureBlocked() const {
    return std::any_of(m_furniture.begin(), m_furniture.end(),
                       [](const FurnitureBase* piece) { return piece->isBlocked(); });
}

void Room::selectFurniture(FurnitureBase* furniture) {
    if (m_selected && m_selected != furniture && m_selected->getButtons()) {
        m_selected->getButtons()->hideButtons();
    }
    m_selected = furniture;
    if (m_selected) {
        m_selected->setVisible(true);
    }
}

void Room::setVisible(bool visible) {
    m_background.setVisible(visible);
    if (m_door) {
        m_door->setVisible(visible);
    }
    if (m_noticeBoard) {
        m_noticeBoard->setVisible(visible);
    }
    for (FurnitureBase* piece : m_furniture) {
        piece->setVisible(visible);
    }
}

void Room::setFurnitureActive(bool active) {
    for (FurnitureBase* piece : m_furniture) {
        piece->Logic::setActive(active);
        piece->InteractionalObject::setActive(active, false);
        piece->setVisible(active);
        if (piece->getButtons()) {
            piece->getButtons()->hideButtons();
        }
    }
}

void Room::update(float) {
    InfoManager* info = InfoManager::instance();
    if (info->getAnswer("door") == InfoManager::CONFIRMED) {
        StateMachine::instance()->changeState(GameState::TownState::instance());
        info->setAnswer(InfoManager::NO_ANSWER);
    }
    if (!m_removals.empty()) {
        FurnitureBase* piece = m_removals.front();
        m_removals.pop_front();
        if (piece == m_selected) {
            m_selected = nullptr;
        }
        removeFurniture(piece);
    }
}

void Room::doorAction() {
    Room* room = instance();
    InfoManager* info = InfoManager::instance();
    if (DifficultyLevel::value() == 1 && budgetPending() &&
        ConstantManager::instance()->getBool("budgetCheck")) {
        info->show("Force Budget", InfoManager::MESSAGE, INFO_POSITION);
    } else if (room->isAnyFurnitureBlocked()) {
        info->show("furniture block", InfoManager::MESSAGE, INFO_POSITION);
    } else {
        info->show("door", InfoManager::QUESTION, INFO_POSITION);
    }
}

void Room::noticeBoardAction() {
    NoticeBoardGui::instance()->setActive(true);
}
