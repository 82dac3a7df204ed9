#pragma once

#include <memory>
#include <string>

#include "gui/GuiButton.h"

class Sprite;

// A menu button: instead of turning red it shows a glow image while the
// pointer is on it.
class Menubutton : public GuiButton {
public:
    Menubutton(const std::string& name, const std::string& image, const hgeVector& position,
               const hgeVector& size, GuiBase* parent);
    ~Menubutton() override;

    // The glow: at the button's position, hidden until hovered, drawn above
    // the menu.
    void setGlow(const std::string& image);
    Sprite* getGlow() const { return m_glow.get(); }

    void enter() override;
    void hover() override;
    void leave() override;
    void update(float dt) override;

private:
    std::unique_ptr<Sprite> m_glow;
};
