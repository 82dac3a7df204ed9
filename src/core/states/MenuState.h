#pragma once

#include <memory>

#include "core/states/TopState.h"

class GuiBase;
class Sprite;

// The main menu: new game, help and quit over the menu backdrop and logo.
class GameState::MenuState : public GameState::TopState {
public:
    static MenuState* instance();

    void enter() override;
    void update(float dt) override;
    void exit() override;

    GuiBase* getNewGameEntry() const { return m_newGame; }
    GuiBase* getHelpEntry() const { return m_help; }
    GuiBase* getQuitEntry() const { return m_quit; }
    Sprite* getLogo() const { return m_logo.get(); }

    // Menu entries are drawn at HOVER_ALPHA under the pointer, IDLE_ALPHA
    // otherwise.
    static constexpr int HOVER_ALPHA = 255;
    static constexpr int IDLE_ALPHA = 200;

private:
    MenuState() = default;

    GuiBase* m_newGame = nullptr;
    GuiBase* m_help = nullptr;
    GuiBase* m_quit = nullptr;
    std::unique_ptr<Sprite> m_logo;
};
