#include "core/states/RoomState.h"

#include "core/SoundPlayer.h"
#include "core/SoundRegistry.h"
#include "core/StreamPlayer.h"
#include "resource/ConstantManager.h"

GameState::RoomState* GameState::RoomState::instance() {
    static RoomState* state = new RoomState;
    return state;
}

void GameState::RoomState::enter() {
    StreamPlayer::instance()->stopAll();
    // clang-format off
    // later: if (DifficultyLevel::value() == 1 && Room::exists()) TutorialManager::instance()->runIfHasntBeenRun(Tutorial::FURNITURE);
    // later: InvestmentCalculator::instance()->setUp();
    // later: Room::instance()->setVisible(true);
    // later: Room::instance()->setFurnitureActive(true);
    // later: Room::instance()->getDoor()->setVisible(true);
    // later: Room::instance()->getDoor()->setActive(true);
    // later: Room::instance()->getDoor()->setActive(true, true);
    // later: RandomEventManager::instance()->refreshIcons();
    // later: TutorialManager::instance()->runIfHasntBeenRun(Tutorial::WELCOME);
    // later: MainGui::instance()->showRoomParts(true);
    // later: Engine::instance()->getHge()->Input_SetMousePos(door.x - 20, door.y + 50);
    // clang-format on
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
    // later: MainGui::instance()->showRoomParts(false);
    // later: Room::instance()->setVisible(false);
    // later: Room::instance()->setFurnitureActive(false);
    // later: RandomEventManager::instance()->refreshIcons();
    SoundPlayer::instance()->play(SoundKey::Door);
}

void GameState::RoomState::restartInputDelay() {
    m_inputDelayTimer = 0.0f;
    m_inputDelay = true;
}
