#include "gui/GuiController.h"

#include "core/Log.h"
#include "gui/GuiBase.h"
#include "gui/GuiButton.h"
#include "gui/GuiSlider.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"

GuiController::GuiController(GuiBase* owner) : m_owner(owner) {}

GuiController::~GuiController() {
    cleanUp();
}

void GuiController::cleanUp() {
    std::size_t i = 0;
    while (i < m_children.size()) {
        GuiBase* child = m_children[i];
        if (!child->isOwnedByParent()) {
            // It outlives its parent, which unlinks it when it goes.
            ++i;
            continue;
        }
        // Out of the list first, so nothing can reach it twice.
        m_children.erase(m_children.begin() + static_cast<std::ptrdiff_t>(i));
        if (GuiController* grandChildren = child->getController()) {
            grandChildren->cleanUp();
        }
        delete child;
    }
}

GuiWindow* GuiController::addWindow(TiXmlElement* element, bool buildChildren) {
    auto* window = new GuiWindow(element, buildChildren, m_owner);
    addChild(window);
    return window;
}

GuiButton* GuiController::addButton(TiXmlElement* element) {
    auto* button = new GuiButton(element, m_owner);
    addChild(button);
    return button;
}

GuiButton* GuiController::addButton(const std::string& name, const std::string& image,
                                    const hgeVector& position, const hgeVector& size) {
    auto* button = new GuiButton(name, image, position, size, m_owner);
    addChild(button);
    if (m_owner) {
        button->setDepth(m_owner->getDepth() + 0.01f);
    }
    return button;
}

GuiTextBox* GuiController::addTextBox(TiXmlElement* element) {
    auto* box = new GuiTextBox(element, m_owner);
    addChild(box);
    return box;
}

GuiTextBox* GuiController::addTextBox(const std::string& name, const hgeVector& position,
                                      const hgeVector& size, const std::string& xmlFile) {
    auto* box = new GuiTextBox(name, position, size, m_owner, xmlFile);
    addChild(box);
    return box;
}

GuiSlider* GuiController::addSlider(const hgeVector& position, const hgeVector& size, int steps) {
    auto* slider = new GuiSlider(position, size, steps, m_owner);
    addChild(slider);
    return slider;
}

void GuiController::addChild(GuiBase* child) {
    if (child) {
        m_children.push_back(child);
    }
}

GuiBase* GuiController::findChild(const std::string& name) const {
    const bool deep = m_owner && m_owner->childrenBuilt();
    for (GuiBase* child : m_children) {
        if (deep && child->getController()) {
            if (GuiBase* found = child->getController()->findChild(name)) {
                return found;
            }
        }
        if (child->getName() == name) {
            return child;
        }
    }
    return nullptr;
}

GuiBase* GuiController::removeChild(GuiBase* child) {
    for (auto it = m_children.begin(); it != m_children.end(); ++it) {
        if (*it == child) {
            m_children.erase(it);
            return child;
        }
    }
    return nullptr;
}
