#include "core/states/TownState.h"

#include <tinyxml.h>

#include "core/Engine.h"
#include "core/Log.h"
#include "core/SoundRegistry.h"
#include "core/Sprite.h"
#include "core/StateMachine.h"
#include "core/StreamPlayer.h"
#include "core/ZDepth.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/RoomState.h"
#include "core/states/ShopStates.h"
#include "engine/hge.h"
#include "engine/hgerect.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "home/MainGui.h"
#include "home/Room.h"
#include "resource/Encoding.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/InfoManager.h"

namespace {

const float BACKGROUND_DEPTH = 0.01f;

State* buildingTarget(const std::string& name) {
    if (name == "Stadsbanken") {
        return GameState::BankState::instance();
    }
    if (name == "Tekniklandet") {
        return GameState::ElectronicStoreState::instance();
    }
    if (name == W1252(u8"Lenas Möbler")) {
        return GameState::FurnitureStoreState::instance();
    }
    if (name == W1252(u8"Lägenhet")) {
        return GameState::RoomState::instance();
    }
    return nullptr;
}

}  // namespace

GameState::TownState* GameState::TownState::instance() {
    static TownState* state = new TownState;
    return state;
}

void GameState::TownState::enter() {
    StreamPlayer::instance()->play(SoundKey::CityMusic);
    if (HGE* hge = Engine::instance()->getHge()) {
        hge->Input_SetMousePos(400, 300);
    }
    if (!m_built) {
        build();
    }
    if (m_background) {
        m_background->setVisible(true);
    }
    for (Building& building : m_buildings) {
        building.button->setVisible(true);
    }
    MainGui* hud = MainGui::instance();
    hud->updateButtons();
    hud->showCash();
    Room::instance()->setFurnitureActive(false);
    if (DifficultyLevel::value() == 1 && hud->isTownNotVisited()) {
        InfoManager::instance()->show("town", InfoManager::MESSAGE, hgeVector(150, 70));
        hud->setTownVisited();
    }
    hud->hideHintArrow();
}

void GameState::TownState::build() {
    const char* context = "GameState::TownState::enter";
    m_built = true;
    XmlReader reader("gui.xml");
    TiXmlElement* root = reader.getRootElement();
    TiXmlElement* town = root ? root->FirstChildElement("town") : nullptr;
    if (!town) {
        Log::warning(context) << "gui.xml is missing town node";
        return;
    }
    // The street fills the screen (its file has the one-pixel margin).
    hgeVector size = xml::getElementVector(town, "size", false);
    if (size.x == 0.0f && size.y == 0.0f) {
        size = hgeVector(Engine::instance()->getScreenWidth() + 2,
                         Engine::instance()->getScreenHeight() + 2);
    }
    m_background = std::make_unique<Sprite>(xml::getAttributeString(town, "background"), size);
    m_background->setHotSpot(0, 0);
    m_background->setMovesWithCam(true);
    m_background->setPosition(hgeVector(0, 0));
    m_background->setZ(BACKGROUND_DEPTH);

    const float depth = ZDepth::getZ("town_building");
    for (TiXmlElement* element = town->FirstChildElement("button"); element;
         element = element->NextSiblingElement("button")) {
        Building building;
        building.button = std::make_unique<GuiButton>(element, nullptr);
        building.button->setDepth(depth);
        const std::string& name = building.button->getName();
        building.target = buildingTarget(name);
        if (!building.target) {
            Log::warning(context) << "unknown building name: " << name;
        }
        m_buildings.push_back(std::move(building));
    }
}

void GameState::TownState::update(float) {
    m_label.follow();
    const hgeVector pointer = InteractionalObject::getCursor()->getPointerPosition();
    const GuiButton* under = nullptr;
    for (const Building& building : m_buildings) {
        hgeRect box;
        building.button->getBoundingBox(box);
        if (building.button->isVisible() && box.TestPoint(pointer.x, pointer.y)) {
            under = building.button.get();
            break;
        }
    }
    if (under) {
        m_label.show(under->getName());
    } else {
        m_label.hide();
    }

    for (const Building& building : m_buildings) {
        if (building.target && building.button->isClicked()) {
            m_label.hide();
            StateMachine::instance()->changeState(building.target);
            return;
        }
    }
}

void GameState::TownState::exit() {
    m_label.hide();
    // Kept for the next visit; hidden buttons take no clicks.
    for (Building& building : m_buildings) {
        building.button->setVisible(false);
    }
    if (m_background) {
        m_background->setVisible(false);
    }
}
