#pragma once

#include <string>

#include "core/states/TopState.h"

class ShopGui;

// A shop in town: its music, its tutorial for beginners and its shop window.
class GameState::ShopState : public GameState::TopState {
public:
    void enter() override;
    void update(float dt) override;
    void exit() override;

    int getMusic() const { return m_music; }
    int getTutorial() const { return m_tutorial; }
    const std::string& getShopName() const { return m_shopName; }
    // The shop window while the player is inside, else null.
    ShopGui* getShop() const { return m_shop; }

protected:
    ShopState(int music, int tutorial, const std::string& shopName)
        : m_music(music), m_tutorial(tutorial), m_shopName(shopName) {}

private:
    int m_music;
    int m_tutorial;  // run at difficulty level 1 only
    std::string m_shopName;
    ShopGui* m_shop = nullptr;
};

class GameState::BankState : public GameState::ShopState {
public:
    static BankState* instance();

private:
    BankState();
};

class GameState::ElectronicStoreState : public GameState::ShopState {
public:
    static ElectronicStoreState* instance();

private:
    ElectronicStoreState();
};

class GameState::FurnitureStoreState : public GameState::ShopState {
public:
    static FurnitureStoreState* instance();

private:
    FurnitureStoreState();
};
