#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/states/TopState.h"

class GuiBase;
class GuiTextBox;
class Menubutton;

// The new-game screen: three difficulty levels, each with a picture, a name
// and a description, and the start button.
class GameState::NewGameState : public GameState::TopState {
public:
    // One "difficulty" record of "menu.xml" and what was built for it.
    struct Difficulty {
        std::unique_ptr<GuiTextBox> description;
        GuiBase* entry = nullptr;  // its name among the built windows
        std::string id;
        int endYear = 0;
        int endMonth = 0;
    };

    static NewGameState* instance();
    // The title of level `level` (1-based) as its description on this screen
    // starts, "Svår – två år" (game text); "" when menu.xml has none.
    static std::string levelTitle(int level);

    void enter() override;
    void update(float dt) override;
    void exit() override;

    // Shows the description of difficulty `index` (0-based) instead of the
    // shown one.
    void select(int index);
    int getSelected() const { return m_selected; }
    const std::vector<Difficulty>& getDifficulties() const { return m_difficulties; }
    const std::vector<Menubutton*>& getButtons() const { return m_buttons; }
    GuiBase* getStartEntry() const { return m_start; }
    GuiBase* getInformationEntry() const { return m_information; }
    // The line naming the class scenario; null when the game has none.
    GuiTextBox* getScenarioLine() const { return m_scenario.get(); }

private:
    NewGameState() = default;

    void readDifficulties();
    void addButtons();
    void showScenario();
    // Resets the per-game state for the selected difficulty and enters the flat.
    void startGame();

    std::vector<Difficulty> m_difficulties;
    std::vector<Menubutton*> m_buttons;
    int m_selected = -1;
    GuiBase* m_start = nullptr;
    GuiBase* m_information = nullptr;
    std::unique_ptr<GuiTextBox> m_scenario;
};
