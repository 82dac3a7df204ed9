#pragma once

// The family of top states. Each member is one static object, made on first
// use and kept for the rest of the program, so its fields survive between
// visits; reach it through its instance().
struct GameState {
    class TopState;
    class MenuState;
    class HelpMenuState;
    class NewGameState;
    class RoomState;
    class TownState;
    class ShopState;
    class BankState;
    class ElectronicStoreState;
    class FurnitureStoreState;
    class EndState;
};
