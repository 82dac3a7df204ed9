#include "core/states/MenuWidgets.h"

#include "gui/GuiButton.h"
#include "gui/GuiController.h"
#include "gui/GuiWindow.h"
#include "resource/XmlReader.h"

namespace {

const float MENU_DEPTH = 0.5f;

}  // namespace

MenuWidgets::MenuWidgets() = default;

MenuWidgets::~MenuWidgets() {
    delete m_backButton;
}

void MenuWidgets::create() {
    if (m_created) {
        return;
    }
    m_created = true;
    m_reader = std::make_unique<XmlReader>("menu.xml");
    m_mainRecord = m_reader->getRootChildElement("gui", "guiId", "Main menu");
    m_window = std::make_unique<GuiWindow>(m_mainRecord, false, nullptr);
    m_window->setDepth(MENU_DEPTH);

    m_backButton = new GuiButton("Back Button", "gui_exit_button.png", hgeVector(750, 0),
                                 hgeVector(53, 53), m_window.get());
    m_backButton->setPosition(750, 0);
    m_backButton->setOwnedByParent(false);
    m_window->getController()->addChild(m_backButton);
}

void MenuWidgets::clearContents() {
    if (m_window) {
        m_window->getController()->cleanUp();
    }
    m_built.clear();
}
