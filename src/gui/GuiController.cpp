#include "gui/GuiController.h"

#include "core/Log.h"
#include "gui/GuiBase.h"
#include "gui/GuiWindow.h"

// The concrete widgets are switched on here once their headers are in the tree.
#define FISCORA_HAVE_BUTTON 0
#define FISCORA_HAVE_TEXTBOX 0
#define FISCORA_HAVE_SLIDER 0

#if FISCORA_HAVE_BUTTON
#include "gui/GuiButton.h"
#endif
#if FISCORA_HAVE_TEXTBOX
#include "gui/GuiTextBox.h"
#endif
#if FISCORA_HAVE_SLIDER
#include "gui/GuiSlider.h"
#endif

GuiController::GuiController(GuiBase* owner) : m_owner(owner) {}

GuiController::~GuiController() {
    cleanUp();
}

void GuiController::cleanUp() {
    std::size_t i = 0;
    while (i < m_children.size()) {
        GuiBase* child = m_children[i];
        if (!child->isOwnedByParent()) {
            // It outlives its parent: it must not keep pointing at it.
            if (child->getParentWidget() == m_owner) {
                child->setParentWidget(nullptr);
            }
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
#if FISCORA_HAVE_BUTTON
    auto* button = new GuiButton(element, m_owner);
    addChild(button);
    return button;
#else
    (void)element;
    Log::warning("GuiController::addButton") << "buttons are not available yet";
    return nullptr;
#endif
}

GuiButton* GuiController::addButton(const std::string& name, const std::string& image,
                                    const hgeVector& position, const hgeVector& size) {
#if FISCORA_HAVE_BUTTON
    auto* button = new GuiButton(name, image, position, size, m_owner);
    addChild(button);
    if (m_owner) {
        button->setDepth(m_owner->getDepth() + 0.01f);
    }
    return button;
#else
    (void)name;
    (void)image;
    (void)position;
    (void)size;
    Log::warning("GuiController::addButton") << "buttons are not available yet";
    return nullptr;
#endif
}

GuiTextBox* GuiController::addTextBox(TiXmlElement* element) {
#if FISCORA_HAVE_TEXTBOX
    auto* box = new GuiTextBox(element, m_owner);
    addChild(box);
    return box;
#else
    (void)element;
    Log::warning("GuiController::addTextBox") << "text boxes are not available yet";
    return nullptr;
#endif
}

GuiTextBox* GuiController::addTextBox(const std::string& name, const hgeVector& position,
                                      const hgeVector& size, const std::string& xmlFile) {
#if FISCORA_HAVE_TEXTBOX
    auto* box = new GuiTextBox(name, position, size, m_owner, xmlFile);
    addChild(box);
    return box;
#else
    (void)name;
    (void)position;
    (void)size;
    (void)xmlFile;
    Log::warning("GuiController::addTextBox") << "text boxes are not available yet";
    return nullptr;
#endif
}

GuiSlider* GuiController::addSlider(const hgeVector& position, const hgeVector& size, int steps) {
#if FISCORA_HAVE_SLIDER
    auto* slider = new GuiSlider(position, size, steps, m_owner);
    addChild(slider);
    return slider;
#else
    (void)position;
    (void)size;
    (void)steps;
    Log::warning("GuiController::addSlider") << "sliders are not available yet";
    return nullptr;
#endif
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
