#pragma once

#include <string>
#include <vector>

class GuiTextBox;
class GuiWindow;
class TiXmlElement;

// Builds the entries of a "menu.xml" record into a menu window: every
// "window" child becomes a child window (its pictures, buttons, text boxes
// and nested windows inside it) and is listed among the built windows.
class MenuBuilder {
public:
    static void build(TiXmlElement* record, GuiWindow* window, std::vector<GuiWindow*>& built);
    // The "addText" children of a text box element, at their integer "x" and
    // "y", in the menu font.
    static void addTexts(TiXmlElement* textBoxElement, GuiTextBox* box);
    // The first built window named `name`, or null.
    static GuiWindow* find(const std::vector<GuiWindow*>& built, const std::string& name);

    static const char* const FONT;

private:
    static void buildContents(TiXmlElement* element, GuiWindow* window,
                              std::vector<GuiWindow*>& built);
};
