#include "gui/GuiButton.h"

#include "core/Log.h"
#include "core/SoundPlayer.h"
#include "engine/hgesprite.h"
#include "resource/Xml.h"

namespace {

const float DEPTH_ABOVE_PARENT = 0.001f;
const float DEPTH_WITHOUT_PARENT = 0.98f;
const int CLICK_SOUND = 0;

}  // namespace

GuiButton::GuiButton(TiXmlElement* element, GuiBase* parent) : GuiBase("", parent) {
    if (!element) {
        Log::warning("GuiButton::GuiButton") << "got null element";
    }
    create(element);
}

GuiButton::GuiButton(const std::string& name, const std::string& image, const hgeVector& position,
                     const hgeVector& size, GuiBase* parent)
    : GuiBase(name, parent) {
    m_size = size;
    m_position = position;
    createGui(image);
    placeUnder(parent);
    setActive(true, false);
}

GuiButton::GuiButton(const std::string& name, GuiBase* parent) : GuiBase(name, parent) {}

GuiButton::~GuiButton() = default;

void GuiButton::create(TiXmlElement* element) {
    if (!element) {
        Log::error("GuiButton::create") << "got null element";
        // Still a widget on screen: the blank image, where the parent is.
        createGui();
        placeUnder(m_parentWidget);
        setActive(true, false);
        return;
    }
    m_name = xml::getAttributeString(element, "guiId", true);
    m_size = xml::getElementVector(element, "size", false);
    // Relative to the parent; createGui adds the parent's position.
    m_position = xml::getElementVector(element, "position", false);
    createGui(element);
    placeUnder(m_parentWidget);
    setActive(true, false);
    if (element->FirstChildElement("hotspot")) {
        const hgeVector hotspot = xml::getElementVector(element, "hotspot", false);
        setHotSpot(hotspot.x, hotspot.y);
    }
}

void GuiButton::placeUnder(GuiBase* parent) {
    InteractionalObject::setParent(parent);
    setDepth(parent ? parent->getDepth() + DEPTH_ABOVE_PARENT : DEPTH_WITHOUT_PARENT);
}

void GuiButton::setParent(InteractionalObject* parent) {
    InteractionalObject::setParent(parent);
    if (parent) {
        setDepth(parent->getDepth() + DEPTH_ABOVE_PARENT);
    }
}

void GuiButton::playClickSound() {
    SoundPlayer::instance()->play(CLICK_SOUND);
}

void GuiButton::press() {
    // The callback may close the window that owns this button, so nothing
    // of the button is touched after it.
    const Callback callback = m_callback;
    if (callback) {
        callback();
    }
    playClickSound();
}

void GuiButton::enter() {
    setColor(HOVER_COLOR);
}

void GuiButton::hover() {
    m_hovering = true;
}

void GuiButton::leave() {
    m_hovering = false;
    setColor(m_normalColor);
}

void GuiButton::setActive(bool active, bool recursive) {
    GuiBase::setActive(active, recursive);
    setColor(m_normalColor);
}

void GuiButton::update(float) {
    // The pointer can reach another object without this one ever being told
    // (a deeper object over it); the tint must not outlive the pointer.
    if (!m_hovered) {
        leave();
    }
}
