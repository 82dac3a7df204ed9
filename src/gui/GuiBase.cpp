#include "gui/GuiBase.h"

#include <algorithm>

#include "core/Log.h"
#include "core/ZDepth.h"
#include "engine/hgesprite.h"
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "resource/Xml.h"

namespace {

// One frame piece: cut from `image`, given its texture rectangle from (0, 0)
// (which also sets its size) and placed on the screen.
std::unique_ptr<Sprite> makePiece(const std::string& image, const hgeVector& cut, float width,
                                  float height, const hgeVector& position, bool flipX, bool flipY,
                                  float rotation, float depth) {
    auto piece = std::make_unique<Sprite>(image, cut);
    if (hgeSprite* sprite = piece->getSprite()) {
        sprite->SetTextureRect(0, 0, width, height, true);
        sprite->SetFlip(flipX, flipY);
    }
    piece->setHotSpot(0, 0);
    piece->setRotation(rotation);
    piece->setMovesWithCam(true);
    piece->setPosition(position);
    piece->setZ(depth);
    return piece;
}

}  // namespace

GuiBase::GuiBase(const std::string& name, GuiBase* parent)
    : m_controller(std::make_unique<GuiController>(this)), m_name(name) {
    linkParent(parent);
    InteractionalObject::setParent(parent);
    setZDepth("gui_default");
    updateRect();
    m_visible = true;
    m_ownedByParent = true;
}

GuiBase::~GuiBase() {
    // A widget deleted on its own must not stay in its parent's list, or the
    // parent would destroy it a second time.
    if (m_parentWidget && m_parentWidget->m_controller) {
        m_parentWidget->m_controller->removeChild(this);
    }
    unlinkParent();
    // Children see a parent without a controller and leave its list alone.
    std::unique_ptr<GuiController> controller = std::move(m_controller);
    controller.reset();
    clearImages();
    // The survivors (not owned by this widget, or never listed) forget it.
    for (GuiBase* dependent : m_dependents) {
        dependent->m_parentWidget = nullptr;
        if (dependent->m_parent == this) {
            dependent->m_parent = nullptr;
        }
    }
}

void GuiBase::setVisible(bool visible) {
    Sprite::setVisible(visible);
    if (m_controller) {
        for (GuiBase* child : m_controller->getChildren()) {
            child->setVisible(visible);
        }
    }
    for (auto& image : m_images) {
        image->setVisible(visible);
    }
    setActive(visible, false);
}

void GuiBase::setZDepth(const std::string& name) {
    setDepth(ZDepth::getZ(name));
}

void GuiBase::updateGui() {
    if (!m_controller) {
        return;
    }
    // By index: a child's hook may add or remove widgets.
    const auto& children = m_controller->getChildren();
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->updateGui();
    }
}

void GuiBase::setPosition(float x, float y) {
    m_position = hgeVector(x, y);
    updateRect();
}

void GuiBase::createGui() {
    const char* context = "GuiBase::createGui";
    Log::debug(context) << "Creating GUI with no sprite";
    Log::debug(context) << "Set texture to NULL";
    std::unique_ptr<hgeSprite> blank(TextureLoader::createBlankSprite());
    setSprite(blank.get());
    Log::debug(context) << "Created the blanktexture";
    finishGui(0.1f);
}

void GuiBase::createGui(const std::string& image) {
    if (image.empty()) {
        Log::error("GuiBase::createGui") << "USING BLANK TEXTURE";
    }
    m_imageName = image;
    std::unique_ptr<hgeSprite> made(m_textureLoader.createSprite(image, false, m_size));
    setSprite(made.get());
    finishGui(0.1f);
}

void GuiBase::createGui(TiXmlElement* element) {
    if (!element) {
        Log::error("GuiBase::createGui") << "got null element";
        return;
    }
    // The loader below warns about a missing name itself.
    m_imageName = xml::getAttributeString(element, "name", false);
    std::unique_ptr<hgeSprite> made(m_textureLoader.createSprite(element, "gui_", ".png"));
    setSprite(made.get());
    finishGui(0.01f);
}

void GuiBase::finishGui(float depthAboveParent) {
    if (m_size.x == 0.0f && m_size.y == 0.0f) {
        Log::debug("GuiBase::createGui") << "Got no size for " << m_name;
        if (m_sprite) {
            m_size = hgeVector(m_sprite->GetWidth(), m_sprite->GetHeight());
        }
    }
    m_movesWithCam = true;
    if (m_parentWidget && !m_absolutePosition) {
        m_position = m_position + m_parentWidget->getPosition();
    }
    setDepth(m_parentWidget ? m_parentWidget->getDepth() + depthAboveParent : 0.85f);
    updateRect();
    setHotSpot(0, 0);
}

void GuiBase::setAlpha(int alpha) {
    const unsigned int top = static_cast<unsigned int>(alpha & 0xFF) << 24;
    const unsigned int base = m_sprite ? m_sprite->GetColor() : m_normalColor;
    const unsigned int color = (base & 0x00FFFFFFu) | top;
    setColor(color);
    for (auto& image : m_images) {
        image->setColor(color);
    }
    if (m_controller) {
        for (GuiBase* child : m_controller->getChildren()) {
            child->setAlpha(alpha);
        }
    }
}

void GuiBase::updateRect() {
    m_rect = hgeRect(m_position.x, m_position.y, m_position.x + m_size.x, m_position.y + m_size.y);
}

void GuiBase::createBorder(const hgeVector& size) {
    clearImages();
    if (!m_sprite) {
        Log::error("GuiBase::createBorder") << "m_sprite is null, cant create border";
        return;
    }
    if (size.x != 0.0f || size.y != 0.0f) {
        m_size = size;
    }
    const float x = m_position.x;
    const float y = m_position.y;
    const float w = m_size.x;
    const float h = m_sprite->GetHeight();
    const float turn = 1.57f;
    const std::string corner = "gui_window.png";
    const std::string side = "sprite_guiSide.bmp";
    const hgeVector cornerCut(33, 32);

    m_images.push_back(
        makePiece(corner, cornerCut, 32, 32, hgeVector(x - 32, y - 32), false, false, 0, m_z));
    m_images.push_back(
        makePiece(corner, cornerCut, 32, 32, hgeVector(x + w, y - 32), true, false, 0, m_z));
    m_images.push_back(
        makePiece(corner, cornerCut, 32, 32, hgeVector(x - 32, y + h + 1), false, true, 0, m_z));
    m_images.push_back(
        makePiece(corner, cornerCut, 32, 32, hgeVector(x + w, y + h + 1), true, true, 0, m_z));
    m_images.push_back(
        makePiece(side, hgeVector(w, 32), w, 32, hgeVector(x, y - 32), false, false, 0, m_z));
    m_images.push_back(
        makePiece(side, hgeVector(w, 32), w, 32, hgeVector(x, y + h + 1), false, true, 0, m_z));
    m_images.push_back(
        makePiece(side, hgeVector(h + 1, 32), h + 1, 32, hgeVector(x, y), true, true, turn, m_z));
    m_images.push_back(makePiece(side, hgeVector(h + 1, 32), h + 1, 32, hgeVector(x + w + 32, y),
                                 false, false, turn, m_z));

    // Give back the margin the image cut left out, so the picture meets the frame.
    float tx = 0, ty = 0, tw = 0, th = 0;
    m_sprite->GetTextureRect(&tx, &ty, &tw, &th);
    m_sprite->SetTextureRect(tx, ty, tw + 2, th + 1, true);
}

void GuiBase::createChildren(TiXmlElement* element) {
    const char* context = "GuiBase::createChildren";
    m_childrenBuilt = true;
    if (!element) {
        Log::error(context) << "got null element";
        return;
    }
    for (TiXmlElement* child = element->FirstChildElement("window"); child;
         child = child->NextSiblingElement("window")) {
        m_controller->addWindow(child, true);
    }
    for (TiXmlElement* child = element->FirstChildElement("button"); child;
         child = child->NextSiblingElement("button")) {
        m_controller->addButton(child);
    }
    for (TiXmlElement* child = element->FirstChildElement("textBox"); child;
         child = child->NextSiblingElement("textBox")) {
        GuiTextBox* box = m_controller->addTextBox(child);
        for (TiXmlElement* text = child->FirstChildElement("addText"); text;
             text = text->NextSiblingElement("addText")) {
            const unsigned int color = textColor(text);
            std::string font = xml::getAttributeString(text, "font", true);
            if (font.empty()) {
                font = "font_tessaline_19.fnt";
            }
            const std::string words = xml::getAttributeString(text, "text", true);
            const hgeVector position = xml::getElementVector(text, "position", true);
            if (box) {
                box->addText(words, font, color, position);
            }
        }
    }
    auto* window = dynamic_cast<GuiWindow*>(this);
    for (TiXmlElement* child = element->FirstChildElement("image"); child;
         child = child->NextSiblingElement("image")) {
        if (window) {
            window->addImage(child);
        } else {
            Log::warning(context) << "tried to add image to something else than a window";
        }
    }
}

unsigned int GuiBase::textColor(const TiXmlElement* addText) {
    // Not clamped: an out-of-range channel spills into its neighbour.
    const xml::Color c = xml::getElementColor(addText, "color", true);
    const auto channel = [](float value) {
        return static_cast<unsigned int>(static_cast<int>(value));
    };
    return channel(c.a) * 0x1000000u + channel(c.r) * 0x10000u + channel(c.g) * 0x100u +
           channel(c.b);
}

GuiBase* GuiBase::findChild(const std::string& name) {
    return m_controller ? m_controller->findChild(name) : nullptr;
}

void GuiBase::getBoundingBox(hgeRect& rect) {
    Sprite::getBoundingBox(rect);
}

void GuiBase::setDepth(float depth) {
    m_z = depth;
    for (auto& image : m_images) {
        image->setZ(depth);
    }
    if (m_controller) {
        for (GuiBase* child : m_controller->getChildren()) {
            child->setDepth(depth);
        }
    }
}

std::size_t GuiBase::getInteractionChildCount() const {
    return m_controller ? m_controller->getCount() : 0;
}

InteractionalObject* GuiBase::getInteractionChild(std::size_t index) const {
    if (!m_controller || index >= m_controller->getCount()) {
        return nullptr;
    }
    return m_controller->getChildren()[index];
}

void GuiBase::setParentWidget(GuiBase* parent) {
    unlinkParent();
    linkParent(parent);
    setParent(parent);
}

void GuiBase::linkParent(GuiBase* parent) {
    m_parentWidget = parent;
    if (parent) {
        parent->m_dependents.push_back(this);
    }
}

void GuiBase::unlinkParent() {
    if (!m_parentWidget) {
        return;
    }
    auto& siblings = m_parentWidget->m_dependents;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    m_parentWidget = nullptr;
}

void GuiBase::clearImages() {
    m_images.clear();
}
