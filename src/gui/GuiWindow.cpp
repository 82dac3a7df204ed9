#include "gui/GuiWindow.h"

#include "core/Log.h"
#include "engine/hgesprite.h"
#include "gui/GuiController.h"
#include "resource/Xml.h"

GuiWindow::GuiWindow(TiXmlElement* element, bool buildChildren, GuiBase* parent)
    : GuiBase(xml::getAttributeString(element, "guiId", true), parent) {
    if (!element) {
        createGui(element);  // logs the null element
        return;
    }
    // A missing or zero size is reported by createGui.
    m_size = xml::getElementVector(element, "size", false);
    m_position = xml::getElementVector(element, "position", false);
    if (parent) {
        m_offset = m_position;
    }
    createGui(element);

    const float z = xml::getAttributeFloat(element, "z", false);
    if (z != 0.0f) {
        setDepth(z);
    }
    // Built unless "no" or "0"; shown only for a nonzero number.
    if (xml::getAttributeBool(element, "border", true)) {
        const bool shown = xml::getAttributeInt(element, "border", false) != 0;
        createBorder(hgeVector(0, 0));
        for (auto& piece : m_images) {
            piece->setVisible(shown);
        }
    }
    if (buildChildren) {
        createChildren(element);
    }
}

GuiWindow::GuiWindow(const std::string& name, const std::string& image, const hgeVector& position,
                     const hgeVector& size, GuiBase* parent, bool frame)
    : GuiBase(name, parent) {
    m_size = size;
    m_position = position;
    if (parent) {
        m_offset = position;
    }
    createGui(image);
    if (frame) {
        createBorder(hgeVector(0, 0));
    }
}

GuiWindow::~GuiWindow() = default;

void GuiWindow::setDepth(float depth) {
    m_z = depth;
    if (m_controller) {
        for (GuiBase* child : m_controller->getChildren()) {
            child->setDepth(depth + 0.001f);
        }
    }
    for (auto& picture : m_pictures) {
        picture->setZ(depth + 0.002f);
    }
    for (auto& piece : m_images) {
        piece->setZ(depth - 0.001f);
    }
}

void GuiWindow::getBoundingBox(hgeRect& rect) {
    GuiBase::getBoundingBox(rect);
    if (m_images.empty() || !m_sprite) {
        return;
    }
    // The frame's thickness is that of a corner piece (32 x 32). The side
    // pieces are long strips turned on end, so their width is not a thickness.
    const hgeSprite* corner = m_images.front()->getSprite();
    if (!corner) {
        return;
    }
    const float dx = corner->GetWidth();
    const float dy = corner->GetHeight();
    rect.x1 -= dx;
    rect.x2 += dx;
    rect.y1 -= dy;
    rect.y2 += dy;
}

void GuiWindow::setVisible(bool visible) {
    GuiBase::setVisible(visible);
    for (auto& picture : m_pictures) {
        picture->setVisible(visible);
    }
}

void GuiWindow::addImage(TiXmlElement* element) {
    const std::string image = xml::getAttributeString(element, "gfx", true);
    if (image.empty()) {
        Log::debug("GuiWindow::addImage") << "got empty string";
        return;
    }
    const hgeVector size = xml::getElementVector(element, "size", true);
    const hgeVector position = xml::getElementVector(element, "position", true);
    addImage(image, position, size);
}

void GuiWindow::addImage(const std::string& image, const hgeVector& position,
                         const hgeVector& size) {
    if (image.empty()) {
        Log::debug("GuiWindow::addImage") << "got empty string";
        return;
    }
    auto picture = std::make_unique<Sprite>(image, size);
    picture->setHotSpot(0, 0);
    picture->setMovesWithCam(true);
    picture->setPosition(m_position + position);
    picture->setZ(m_z + 0.01f);
    // A picture added to a hidden window stays hidden with it.
    picture->setVisible(m_visible);
    m_pictures.push_back(std::move(picture));
}
