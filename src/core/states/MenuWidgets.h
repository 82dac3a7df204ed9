#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Singleton.h"

class GuiButton;
class GuiWindow;
class TiXmlElement;
class XmlReader;

// What the main menu, the help screen and the new-game screen share: the
// reader of "menu.xml", the menu window and the back button. Made once, on the
// first visit of the main menu, and kept; each screen builds its own entries
// into the window and empties it again when it leaves.
class MenuWidgets : public Singleton<MenuWidgets> {
    friend class Singleton<MenuWidgets>;

public:
    // Reads "menu.xml", builds the window from its "Main menu" record (depth
    // 0.5) and the back button at (750, 0). Does nothing the second time.
    void create();
    bool isCreated() const { return m_created; }

    XmlReader* getReader() const { return m_reader.get(); }
    // The "Main menu" record, or null when "menu.xml" lacks it.
    TiXmlElement* getMainRecord() const { return m_mainRecord; }
    GuiWindow* getWindow() const { return m_window.get(); }
    // A child of the window that is not owned by it, so that emptying the
    // window keeps it and a window with the pointer focus still lets it
    // be clicked.
    GuiButton* getBackButton() const { return m_backButton; }
    std::vector<GuiWindow*>& getBuiltWindows() { return m_built; }

    // Destroys the entries built into the window (the back button stays) and
    // forgets them.
    void clearContents();

private:
    MenuWidgets();
    ~MenuWidgets() override;

    bool m_created = false;
    std::unique_ptr<XmlReader> m_reader;
    TiXmlElement* m_mainRecord = nullptr;
    std::unique_ptr<GuiWindow> m_window;
    GuiButton* m_backButton = nullptr;
    std::vector<GuiWindow*> m_built;
};
