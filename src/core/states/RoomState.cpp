#include "core/states/RoomState.h"

#include "core/Engine.h"
#include "core/SoundPlayer.h"
#include "core/SoundRegistry.h"
#include "core/StreamPlayer.h"
#include "core/states/DifficultyLevel.h"
#include "engine/hge.h"
#include "gui/GuiButton.h"
#include "home/InvestmentCalculator.h"
#include "home/MainGui.h"
#include "home/Room.h"
#include "resource/ConstantManager.h"
#include "sim/RandomEventManager.h"
#include "sim/TutorialManager.h"

GameState::RoomState* GameState::RoomState::instance() {
    static RoomState* state = new RoomState;
    return state;
}

void GameState::RoomState::enter() {
    StreamPlayer::instance()->stopAll();
    if (DifficultyLevel::value() == 1 && Room::exists()) {
        TutorialManager::instance()->runIfHasntBeenRun(Tutorial::FURNITURE);
    }
    InvestmentCalculator::instance()->setUp();
    Room* room = Room::instance();
    room->setVisible(true);
    room->setFurnitureActive(true);
    GuiButton* door = room->getDoor();
    if (door) {
        door->setVisible(true);
        door->Logic::setActive(true);
        door->setActive(true, true);
    }
    RandomEventManager::instance()->refreshIcons();
    TutorialManager::instance()->runIfHasntBeenRun(Tutorial::WELCOME);
    MainGui::instance()->showRoomParts(true);
    if (door) {
        const hgeVector at = door->getPosition();
        Engine::instance()->getHge()->Input_SetMousePos(at.x - 20, at.y + 50);
    }
    restartInputDelay();
}

void GameState::RoomState::update(float dt) {
    m_inputDelayTimer += dt;
    if (m_inputDelay &&
        ConstantManager::instance()->getFloat("enterRoomDelay") < m_inputDelayTimer) {
        m_inputDelay = false;
    }
}

void GameState::RoomState::exit() {
    m_inputDelay = false;
    if (MainGui::exists()) {
        MainGui::instance()->showRoomParts(false);
    }
    Room::instance()->setVisible(false);
    Room::instance()->setFurnitureActive(false);
    RandomEventManager::instance()->refreshIcons();
    SoundPlayer::instance()->play(SoundKey::Door);
}

void GameState::RoomState::restartInputDelay() {
    m_inputDelayTimer = 0.0f;
    m_inputDelay = true;
}
