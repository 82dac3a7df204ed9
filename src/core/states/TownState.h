#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/states/TopState.h"
#include "gui/HoverLabel.h"

class GuiButton;
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

    bool isBuilt() const { return m_built; }
    const std::vector<Building>& getBuildings() const { return m_buildings; }
    Sprite* getBackground() const { return m_background.get(); }
    GuiWindow* getLabel() const { return m_label.getWindow(); }
    const std::string& getLabelName() const { return m_label.getText(); }

private:
    TownState() = default;

    void build();

    bool m_built = false;
    std::vector<Building> m_buildings;
    std::unique_ptr<Sprite> m_background;
    HoverLabel m_label{"Building Label"};
};
