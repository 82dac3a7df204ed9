#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Sprite.h"
#include "engine/hgerect.h"
#include "engine/hgevector.h"
#include "gui/InteractionalObject.h"

class GuiController;
class TiXmlElement;

// The base of every widget: a screen-fixed sprite the pointer can hit, the
// owner of its children (through its controller) and of its frame images,
// built from a "gui.xml" record or from values.
class GuiBase : public Sprite, public InteractionalObject {
public:
    GuiBase(const std::string& name, GuiBase* parent);
    ~GuiBase() override;

    // Shows or hides the widget, its children and images, and switches its
    // own interaction to match.
    void setVisible(bool visible) override;
    // Depth from a named level of the depth table.
    virtual void setZDepth(const std::string& name);
    // Per-frame hook, passed on to every child.
    virtual void updateGui();
    // Moves the widget alone; children and images stay.
    virtual void setPosition(float x, float y);
    void setPosition(const hgeVector& position) { setPosition(position.x, position.y); }
    // Builds with the blank sprite.
    virtual void createGui();
    // Builds with the image file `image` cut at the widget's size.
    virtual void createGui(const std::string& image);
    // Builds from a record: image "gui_" + name + ".png", size and hotspot.
    virtual void createGui(TiXmlElement* element);
    // 0..255; reaches every image and child.
    virtual void setAlpha(int alpha);
    virtual void updateRect();
    // The eight frame pieces around the widget; a nonzero size replaces the
    // widget's own.
    virtual void createBorder(const hgeVector& size);

    // Builds the "window", "button", "textBox" and "image" children of a record.
    void createChildren(TiXmlElement* element);
    // Depth-first search of the children by name; null when absent.
    GuiBase* findChild(const std::string& name);
    // The ARGB colour of an "addText" element's "color" child: each channel
    // truncated and combined as it stands; 1 in every channel when missing.
    static unsigned int textColor(const TiXmlElement* addText);

    // Interaction.
    void getBoundingBox(hgeRect& rect) override;
    float getDepth() override { return m_z; }
    // The sprite, every image and every child take the depth.
    void setDepth(float depth) override;
    using Renderable::setDepth;
    std::size_t getInteractionChildCount() const override;
    InteractionalObject* getInteractionChild(std::size_t index) const override;

    GuiController* getController() const { return m_controller.get(); }
    GuiBase* getParentWidget() const { return m_parentWidget; }
    // Also the interaction parent.
    void setParentWidget(GuiBase* parent);
    const std::string& getName() const { return m_name; }
    void setName(const std::string& name) { m_name = name; }
    const std::string& getImageName() const { return m_imageName; }
    const hgeRect& getRect() const { return m_rect; }
    const hgeVector& getOffset() const { return m_offset; }
    void setOffset(const hgeVector& offset) { m_offset = offset; }
    void setSize(const hgeVector& size) { m_size = size; }
    bool isOwnedByParent() const { return m_ownedByParent; }
    void setOwnedByParent(bool owned) { m_ownedByParent = owned; }
    unsigned int getNormalColor() const { return m_normalColor; }
    void setNormalColor(unsigned int color) { m_normalColor = color; }
    bool childrenBuilt() const { return m_childrenBuilt; }
    bool isAbsolutePosition() const { return m_absolutePosition; }
    void setAbsolutePosition(bool absolute) { m_absolutePosition = absolute; }
    const std::vector<std::unique_ptr<Sprite>>& getImages() const { return m_images; }

protected:
    // Steps shared by the three createGui forms once the sprite exists.
    void finishGui(float depthAboveParent);
    void clearImages();

    GuiBase* m_parentWidget = nullptr;
    bool m_ownedByParent = true;
    std::unique_ptr<GuiController> m_controller;
    hgeRect m_rect;
    hgeVector m_offset{0, 0};
    std::string m_name;
    std::string m_imageName;
    // The frame pieces.
    std::vector<std::unique_ptr<Sprite>> m_images;
    unsigned int m_normalColor = 0xFFFFFFFF;
    bool m_childrenBuilt = false;
    bool m_absolutePosition = false;

private:
    void linkParent(GuiBase* parent);
    void unlinkParent();

    // Every widget whose parent this is, listed in the controller or not, so
    // that none is left pointing here when this one goes.
    std::vector<GuiBase*> m_dependents;
};
