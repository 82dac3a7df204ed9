#include "sim/BudgetPages.h"

#include "core/Log.h"
#include "gui/GuiController.h"
#include "gui/GuiWindow.h"
#include "resource/XmlReader.h"

const char* const BudgetPages::NAMES[4] = {"income", "consumption", "expenses", "savings"};

namespace {

const float CHILD_DEPTH = 0.001f;
// The tab of the page on show is bright, the others dimmed.
const unsigned int TAB_SHOWN = 0xFFFFFFFFu;
const unsigned int TAB_HIDDEN = 0xFFA0A0A0u;

}  // namespace

BudgetPages::BudgetPages(GuiWindow* window, XmlReader* reader, TiXmlElement* record)
    : m_window(window), m_reader(reader), m_record(record) {
    for (const char* name : NAMES) {
        auto* page = window ? dynamic_cast<GuiWindow*>(window->findChild(name)) : nullptr;
        if (!page) {
            Log::error("Budget::createSubWindows")
                << "Failed to get " << name << " window from budget window";
        }
        m_pages[name] = page;
        if (GuiBase* tab = window ? window->findChild(std::string(name) + " tab") : nullptr) {
            m_tabs.emplace_back(tab, name);
        }
    }
}

GuiWindow* BudgetPages::get(const std::string& name) const {
    auto found = m_pages.find(name);
    return found == m_pages.end() ? nullptr : found->second;
}

GuiBase* BudgetPages::child(const std::string& page, const std::string& name) const {
    GuiWindow* window = get(page);
    return window ? window->findChild(name) : nullptr;
}

bool BudgetPages::isShown(const std::string& name) const {
    return name == m_shown && get(name);
}

void BudgetPages::show(const std::string& name) {
    m_shown = name;
    for (const auto& page : m_pages) {
        if (page.second) {
            page.second->setVisible(page.first == name);
        }
    }
    for (const auto& tab : m_tabs) {
        tab.first->setNormalColor(tab.second == name ? TAB_SHOWN : TAB_HIDDEN);
        tab.first->setColor(tab.first->getNormalColor());
    }
}

GuiWindow* BudgetPages::rebuild(const std::string& name) {
    if (GuiWindow* old = get(name)) {
        m_window->getController()->removeChild(old);
        delete old;
    }
    m_pages[name] = nullptr;
    TiXmlElement* record =
        m_record ? m_reader->getRootChildElement("window", "guiId", name, m_record) : nullptr;
    if (!record) {
        Log::error("Budget::rebuild") << "Failed to get " << name << " window from budget window";
        return nullptr;
    }
    GuiWindow* page = m_window->getController()->addWindow(record, true);
    page->setDepth(m_window->getDepth() + CHILD_DEPTH);
    page->setVisible(name == m_shown);
    m_pages[name] = page;
    return page;
}

void BudgetPages::update() {
    for (const auto& tab : m_tabs) {
        if (tab.first->isClicked()) {
            show(tab.second);
        }
    }
}
