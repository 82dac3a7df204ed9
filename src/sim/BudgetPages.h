#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

class GuiBase;
class GuiWindow;
class TiXmlElement;
class XmlReader;

// The four sub-windows of the budget window ("income", "consumption",
// "expenses", "savings"), one on show at a time, and the tabs that choose it.
class BudgetPages {
public:
    static const char* const NAMES[4];

    // Takes the sub-windows and tabs of `window` (null: there are none);
    // `record` is the window's record in `reader`, for rebuilding a page.
    BudgetPages(GuiWindow* window, XmlReader* reader, TiXmlElement* record);

    // Null when the page is missing.
    GuiWindow* get(const std::string& name) const;
    GuiBase* child(const std::string& page, const std::string& name) const;
    bool isShown(const std::string& name) const;
    const std::string& shown() const { return m_shown; }
    // Shows the page, hides the one shown before and brightens its tab.
    void show(const std::string& name);
    // Destroys the page and builds it again, shown or hidden as it was.
    GuiWindow* rebuild(const std::string& name);
    // A clicked tab shows its page.
    void update();

private:
    GuiWindow* m_window;
    XmlReader* m_reader;
    TiXmlElement* m_record;
    std::map<std::string, GuiWindow*> m_pages;
    // Each tab with the name of its page.
    std::vector<std::pair<GuiBase*, std::string>> m_tabs;
    std::string m_shown;
};
