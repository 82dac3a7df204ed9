#pragma once

#include <string>

#include "core/Logic.h"
#include "gui/GuiBase.h"

class TiXmlElement;

// An image that turns red under the pointer and runs its callback, with the
// click sound, on the frame the left button goes down on it.
class GuiButton : public GuiBase, public Logic {
public:
    using Callback = void (*)();

    // From a "gui.xml" button record; the position is relative to the parent.
    GuiButton(TiXmlElement* element, GuiBase* parent);
    // From values: `image` is the full file name.
    GuiButton(const std::string& name, const std::string& image, const hgeVector& position,
              const hgeVector& size, GuiBase* parent);
    ~GuiButton() override;

    // Builds from a record; the constructor from a record calls it.
    void create(TiXmlElement* element);

    void press() override;
    void enter() override;
    void hover() override;
    void leave() override;

    // A button sits just above its parent.
    void setParent(InteractionalObject* parent) override;

    // Switching interaction also drops a hover tint left from before.
    void setActive(bool active, bool recursive) override;
    using Logic::setActive;

    // Restores the colour whenever the pointer is no longer on the button.
    void update(float dt) override;

    bool isHovering() const { return m_hovering; }
    void setCallback(Callback callback) { m_callback = callback; }

    // Run on every press; null does nothing.
    Callback m_callback = nullptr;

    // The red of a hovered button.
    static const unsigned int HOVER_COLOR = 0xFFFF0000u;
    // The sound of every button press (the sound player's key 0).
    static void playClickSound();

protected:
    // For subclasses that build themselves.
    GuiButton(const std::string& name, GuiBase* parent);
    void placeUnder(GuiBase* parent);

    bool m_hovering = false;
};
