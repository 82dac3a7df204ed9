#pragma once

#include <memory>
#include <string>

class GuiTextBox;
class GuiWindow;

// A small dark label with one line of white text beside the pointer, such as
// a building's name in the town or what a button of the HUD does. It never
// takes the pointer from the widget under it.
class HoverLabel {
public:
    // `name`: the label window's widget name; `above`: over the pointer
    // rather than beside it, for widgets along the bottom of the screen.
    explicit HoverLabel(const std::string& name = "Hover Label", bool above = false);
    ~HoverLabel();
    HoverLabel(const HoverLabel&) = delete;
    HoverLabel& operator=(const HoverLabel&) = delete;

    // Shows `text` beside the pointer; the same text again only follows it.
    void show(const std::string& text);
    void hide();
    // 20 pixels right of the pointer, or left of it near the right edge; at
    // the pointer's height, or above it (near the bottom edge, or always
    // when made so).
    void follow();

    bool isShown() const { return m_window != nullptr; }
    const std::string& getText() const { return m_text; }
    // Null while hidden.
    GuiWindow* getWindow() const { return m_window.get(); }

private:
    std::string m_name;
    bool m_above = false;
    std::string m_text;
    std::unique_ptr<GuiWindow> m_window;
    GuiTextBox* m_textBox = nullptr;
};
