#include "core/states/TownState.h"

#include <tinyxml.h>

#include "core/Camera.h"
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
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/Room.h"
#include "resource/Encoding.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/InfoManager.h"

namespace {

const float BACKGROUND_DEPTH = 0.01f;
const float LABEL_DEPTH = 0.9f;
const int LABEL_ALPHA = 150;
const char* const LABEL_FONT = "font_tessaline_19.fnt";
const float LABEL_PADDING_X = 8.0f;
const float LABEL_PADDING_Y = 3.0f;
const float LABEL_HEIGHT = 26.0f;
const float LABEL_OFFSET_X = 20.0f;

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
    // later: MainGui::instance()->updateButtons();
    // later: MainGui::instance()->showCash();
    Room::instance()->setFurnitureActive(false);
    // later: MainGui::instance()->isTownNotVisited() takes the place of m_townNotVisited
    if (DifficultyLevel::value() == 1 && m_townNotVisited) {
        InfoManager::instance()->show("town", InfoManager::MESSAGE, hgeVector(150, 70));
        m_townNotVisited = false;
    }
    // later: MainGui::instance()->hideHintArrow();
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
    if (m_label) {
        moveLabel();
    }
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
    if (!under) {
        deleteLabel();
    } else if (!m_label || under->getName() != m_labelName) {
        showLabel(under->getName());
    }

    for (const Building& building : m_buildings) {
        if (building.target && building.button->isClicked()) {
            deleteLabel();
            StateMachine::instance()->changeState(building.target);
            return;
        }
    }
}

void GameState::TownState::showLabel(const std::string& name) {
    deleteLabel();
    const Text measure(LABEL_FONT, name);
    const hgeVector size(measure.getWidth() + 2 * LABEL_PADDING_X, LABEL_HEIGHT);
    m_label = std::make_unique<GuiWindow>("Building Label", "gui_blank.png", hgeVector(0, 0), size,
                                          nullptr, false);
    m_label->setDepth(LABEL_DEPTH);
    m_labelText =
        m_label->getController()->addTextBox("Building Label Text", hgeVector(0, 0), size);
    m_labelText->addText(name, LABEL_FONT, 0xFFFFFFFFu,
                         hgeVector(LABEL_PADDING_X, LABEL_PADDING_Y));
    m_label->setAlpha(LABEL_ALPHA);
    // A label never takes the pointer from the building under it.
    m_label->setActive(false, true);
    m_labelName = name;
    moveLabel();
}

void GameState::TownState::moveLabel() {
    const hgeVector pointer = InteractionalObject::getCursor()->getPointerPosition();
    const hgeVector screen = Camera::instance()->worldToScreen(pointer);
    float x = screen.x + LABEL_OFFSET_X;
    // Near the right edge the label goes to the pointer's left, so it stays
    // readable.
    const float width = m_label->getSize().x;
    if (x + width > Engine::instance()->getScreenWidth()) {
        x = screen.x - LABEL_OFFSET_X - width;
    }
    m_label->setPosition(x, screen.y);
    m_labelText->setPosition(x, screen.y);
    // A text box places its texts when it is drawn, after the texts have
    // taken their screen places for this frame; place them now so that the
    // name does not trail a frame behind its label.
    m_labelText->render();
}

void GameState::TownState::deleteLabel() {
    m_label.reset();
    m_labelText = nullptr;
    m_labelName.clear();
}

void GameState::TownState::exit() {
    deleteLabel();
    // Kept for the next visit; hidden buttons take no clicks.
    for (Building& building : m_buildings) {
        building.button->setVisible(false);
    }
    if (m_background) {
        m_background->setVisible(false);
    }
}
