#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/states/TopState.h"

class GuiButton;
class GuiTextBox;
class GuiWindow;
class Sprite;
class State;

// The town between the flat and the shops: four buildings on a street. The
// buildings and the street are built on the first visit and kept; a label
// with the building's name follows the pointer.
class GameState::TownState : public GameState::TopState {
public:
    struct Building {
        std::unique_ptr<GuiButton> button;
        State* target = nullptr;  // null: a name the town does not know
    };

    static TownState* instance();

    void enter() override;
    void update(float dt) override;
    void exit() override;

    // A new game begins: its first town visit is still to come.
    void startGame() { m_townNotVisited = true; }
    bool isTownNotVisited() const { return m_townNotVisited; }

    bool isBuilt() const { return m_built; }
    const std::vector<Building>& getBuildings() const { return m_buildings; }
    Sprite* getBackground() const { return m_background.get(); }
    GuiWindow* getLabel() const { return m_label.get(); }
    const std::string& getLabelName() const { return m_labelName; }

private:
    TownState() = default;

    void build();
    void showLabel(const std::string& name);
    void moveLabel();
    void deleteLabel();

    bool m_built = false;
    bool m_townNotVisited = true;
    std::vector<Building> m_buildings;
    std::unique_ptr<Sprite> m_background;
    std::unique_ptr<GuiWindow> m_label;
    GuiTextBox* m_labelText = nullptr;
    std::string m_labelName;
};
