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
    // `name`: the label window's widget name.
    explicit HoverLabel(const std::string& name = "Hover Label");
    ~HoverLabel();
    HoverLabel(const HoverLabel&) = delete;
    HoverLabel& operator=(const HoverLabel&) = delete;

    // Shows `text` beside the pointer; the same text again only follows it.
    void show(const std::string& text);
    void hide();
    // 20 pixels right of the pointer, or left of it near the right edge;
    // above it near the bottom edge.
    void follow();

    bool isShown() const { return m_window != nullptr; }
    const std::string& getText() const { return m_text; }
    // Null while hidden.
    GuiWindow* getWindow() const { return m_window.get(); }

private:
    std::string m_name;
    std::string m_text;
    std::unique_ptr<GuiWindow> m_window;
    GuiTextBox* m_textBox = nullptr;
};
