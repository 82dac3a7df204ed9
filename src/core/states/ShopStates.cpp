#include "core/states/ShopStates.h"

#include "core/SoundRegistry.h"
#include "core/StreamPlayer.h"
#include "core/states/DifficultyLevel.h"
#include "home/ShopGui.h"
#include "sim/TutorialManager.h"

void GameState::ShopState::enter() {
    StreamPlayer::instance()->play(m_music);
    if (DifficultyLevel::value() == 1) {
        TutorialManager::instance()->runIfHasntBeenRun(m_tutorial);
    }
    delete m_shop;
    m_shop = new ShopGui(m_shopName, "shop.xml");
}

void GameState::ShopState::update(float dt) {
    if (m_shop) {
        m_shop->update(dt);
    }
}

void GameState::ShopState::exit() {
    delete m_shop;
    m_shop = nullptr;
}

GameState::BankState::BankState() : ShopState(SoundKey::Store2Music, Tutorial::SAVINGS, "Bank") {}

GameState::BankState* GameState::BankState::instance() {
    static BankState* state = new BankState;
    return state;
}

GameState::ElectronicStoreState::ElectronicStoreState()
    : ShopState(SoundKey::Store1Music, Tutorial::STORES, "Electronic Shop") {}

GameState::ElectronicStoreState* GameState::ElectronicStoreState::instance() {
    static ElectronicStoreState* state = new ElectronicStoreState;
    return state;
}

GameState::FurnitureStoreState::FurnitureStoreState()
    : ShopState(SoundKey::Store1Music, Tutorial::STORES, "Furniture Shop") {}

GameState::FurnitureStoreState* GameState::FurnitureStoreState::instance() {
    static FurnitureStoreState* state = new FurnitureStoreState;
    return state;
}
