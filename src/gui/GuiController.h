#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/hgevector.h"

class GuiBase;
class GuiButton;
class GuiSlider;
class GuiTextBox;
class GuiWindow;
class TiXmlElement;

// The children of one widget, in the order they were added. Children whose
// owned-by-parent flag is set die with the owner.
class GuiController {
public:
    explicit GuiController(GuiBase* owner);
    virtual ~GuiController();
    GuiController(const GuiController&) = delete;
    GuiController& operator=(const GuiController&) = delete;

    // Destroys the owned children (depth-first); the others stay listed.
    virtual void cleanUp();

    GuiWindow* addWindow(TiXmlElement* element, bool buildChildren);
    GuiButton* addButton(TiXmlElement* element);
    // Its depth is then the owner's + 0.01.
    GuiButton* addButton(const std::string& name, const std::string& image,
                         const hgeVector& position, const hgeVector& size);
    GuiTextBox* addTextBox(TiXmlElement* element);
    GuiTextBox* addTextBox(const std::string& name, const hgeVector& position,
                           const hgeVector& size, const std::string& xmlFile = "");
    GuiSlider* addSlider(const hgeVector& position, const hgeVector& size, int steps);

    // Appends a widget made elsewhere (its parent should be the owner).
    void addChild(GuiBase* child);
    // Depth-first: a grandchild under an earlier child wins over a later child.
    GuiBase* findChild(const std::string& name) const;
    // Unlinks without destroying; null when the widget is not listed.
    GuiBase* removeChild(GuiBase* child);

    const std::vector<GuiBase*>& getChildren() const { return m_children; }
    std::size_t getCount() const { return m_children.size(); }
    GuiBase* getOwner() const { return m_owner; }

private:
    std::vector<GuiBase*> m_children;
    GuiBase* m_owner;
};
