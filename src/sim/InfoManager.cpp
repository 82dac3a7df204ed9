#include "sim/InfoManager.h"

#include <tinyxml.h>

#include <vector>

#include "core/Engine.h"
#include "core/Log.h"
#include "core/Sprite.h"
#include "engine/hgesprite.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiWindow.h"
#include "gui/InteractionalObject.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"

namespace {

const float DEFAULT_DEPTH = 0.98f;
// A framed window's frame lies this far below its face; the overlay goes
// under the frame too, or the frame would be darkened with the screen.
const float FRAME_BELOW_WINDOW = 0.001f;
const float OVERLAY_BELOW = 0.000001f;
// Two buttons never come closer than this when a narrow window squeezes them.
const float BUTTON_GAP = 20.0f;

bool isZero(const hgeVector& vector) {
    return vector.x == 0.0f && vector.y == 0.0f;
}

void replaceVector(TiXmlElement& element, const char* name, const hgeVector& value) {
    while (TiXmlElement* old = element.FirstChildElement(name)) {
        element.RemoveChild(old);
    }
    TiXmlElement vector(name);
    vector.SetDoubleAttribute("x", value.x);
    vector.SetDoubleAttribute("y", value.y);
    element.InsertEndChild(vector);
}

}  // namespace

InfoManager::InfoManager() = default;

InfoManager::~InfoManager() = default;

void InfoManager::load(const std::string& file) {
    const char* context = "InfoManager::load";
    m_infos.clear();
    m_reader = std::make_unique<XmlReader>(file);
    TiXmlElement* root = m_reader->getRootElement();
    if (!root) {
        Log::error(context) << "could not read info texts from " << file;
        return;
    }
    // A missing placement keeps the built-in one (after the reader's warning).
    const hgeVector position = xml::getElementVector(root, "position");
    const hgeVector size = xml::getElementVector(root, "size");
    const hgeVector buttons = xml::getElementVector(root, "buttonpos");
    if (root->FirstChildElement("position")) {
        m_position = position;
    }
    if (root->FirstChildElement("size")) {
        m_size = size;
    }
    if (root->FirstChildElement("buttonpos")) {
        m_buttonPosition = buttons;
    }

    for (TiXmlElement* element = root->FirstChildElement("info"); element;
         element = element->NextSiblingElement("info")) {
        Info info;
        info.name = xml::getAttributeString(element, "name");
        if (info.name.empty()) {
            Log::warning(context) << "info without name, skipping";
            continue;
        }
        const TiXmlElement* description = element->FirstChildElement("description");
        if (description && description->GetText()) {
            info.description = description->GetText();
        } else {
            Log::warning(context) << "info " << info.name << " has no description";
        }
        m_infos[info.name] = info;
    }
    Log::debug(context) << "loaded " << m_infos.size() << " info texts from " << file;
}

const InfoManager::Info* InfoManager::find(const std::string& name) const {
    auto found = m_infos.find(name);
    return found == m_infos.end() ? nullptr : &found->second;
}

void InfoManager::show(const std::string& name, int mode, const hgeVector& position,
                       const hgeVector& size) {
    const char* context = "InfoManager::show";
    close();
    m_current = name;
    m_answer = NO_ANSWER;

    const Info* info = find(name);
    if (!info) {
        Log::warning(context) << "no info text with name " << name;
        return;
    }
    XmlReader gui("gui.xml");
    TiXmlElement* record = gui.getRootChildElement("gui", "guiId", "Info Window");
    if (!record) {
        Log::error(context) << "gui.xml has no Info Window, cant show " << name;
        return;
    }
    std::unique_ptr<TiXmlElement> composed = compose(*record, *info, mode, position, size);
    m_window = std::make_unique<GuiWindow>(composed.get(), true, nullptr);
    float depth = xml::getAttributeFloat(record, "z", false);
    if (depth == 0.0f) {
        depth = DEFAULT_DEPTH;
    }
    m_window->setDepth(depth);
    m_exitButton = m_window->findChild("exitButton");
    m_confirmButton = m_window->findChild("confirmButton");
    m_denyButton = m_window->findChild("denyButton");

    FiscoraCursor* cursor = InteractionalObject::getCursor();
    m_previousFocus = cursor->getFocusObject();
    cursor->setFocusObject(m_window.get());

    m_overlayWasShown = isOverlayShown();
    m_overlayWasDepth = m_overlay ? m_overlay->getZ() : 0.0f;
    showOverlay(depth);
}

std::unique_ptr<TiXmlElement> InfoManager::compose(const TiXmlElement& record, const Info& info,
                                                   int mode, const hgeVector& position,
                                                   const hgeVector& size) const {
    auto window = std::make_unique<TiXmlElement>(record);
    const hgeVector at = isZero(position) ? m_position : position;
    const hgeVector extent = isZero(size) ? m_size : size;
    replaceVector(*window, "position", at);
    replaceVector(*window, "size", extent);
    const bool question = mode == QUESTION;

    // The text fills the window inside its margins, above the buttons.
    for (TiXmlElement* box = window->FirstChildElement("textBox"); box;
         box = box->NextSiblingElement("textBox")) {
        const float left = xml::getAttributeFloat(box, "pos_x");
        const float top = xml::getAttributeFloat(box, "pos_y");
        const float bottom = question ? m_buttonPosition.y : top;
        box->SetDoubleAttribute("size_x", extent.x - 2 * left);
        box->SetDoubleAttribute("size_y", extent.y - top - bottom);
        TiXmlElement paragraph("text");
        const std::string align = xml::getAttributeString(box, "align", false);
        if (!align.empty()) {
            paragraph.SetAttribute("align", align);
        }
        paragraph.InsertEndChild(TiXmlText(info.description));
        box->InsertEndChild(paragraph);
    }

    // The close button sits its "position" in from the top right corner; the
    // yes button "buttonpos" in from the bottom left, the no button as far in
    // from the bottom right.
    std::vector<TiXmlElement*> unused;
    TiXmlElement* confirm = nullptr;
    TiXmlElement* deny = nullptr;
    for (TiXmlElement* button = window->FirstChildElement("button"); button;
         button = button->NextSiblingElement("button")) {
        const std::string id = xml::getAttributeString(button, "guiId");
        if (id == "exitButton") {
            const hgeVector inset = xml::getElementVector(button, "position", false);
            const hgeVector own = xml::getElementVector(button, "size");
            replaceVector(*button, "position", hgeVector(extent.x - own.x - inset.x, inset.y));
        } else if (id == "confirmButton" && question) {
            confirm = button;
        } else if (id == "denyButton" && question) {
            deny = button;
        } else {
            unused.push_back(button);
        }
    }
    for (TiXmlElement* button : unused) {
        window->RemoveChild(button);
    }
    if (confirm && deny) {
        const float confirmWidth = xml::getElementVector(confirm, "size").x;
        const float denyWidth = xml::getElementVector(deny, "size").x;
        float confirmX = m_buttonPosition.x;
        float denyX = extent.x - m_buttonPosition.x - denyWidth;
        if (confirmX + confirmWidth + BUTTON_GAP > denyX) {
            confirmX = extent.x / 2 - BUTTON_GAP / 2 - confirmWidth;
            denyX = extent.x / 2 + BUTTON_GAP / 2;
        }
        const float y = extent.y - m_buttonPosition.y;
        replaceVector(*confirm, "position", hgeVector(confirmX, y));
        replaceVector(*deny, "position", hgeVector(denyX, y));
    }
    return window;
}

void InfoManager::close() {
    if (!m_window) {
        return;
    }
    m_window.reset();
    m_exitButton = nullptr;
    m_confirmButton = nullptr;
    m_denyButton = nullptr;

    // The window that was modal before gets the pointer back, unless it is gone.
    FiscoraCursor* cursor = InteractionalObject::getCursor();
    cursor->setFocusObject(m_previousFocus && cursor->contains(m_previousFocus) ? m_previousFocus
                                                                                : nullptr);
    m_previousFocus = nullptr;
    if (m_overlayWasShown) {
        overlay()->setZ(m_overlayWasDepth);
        overlay()->setVisible(true);
    } else {
        hideOverlay();
    }
}

void InfoManager::update(float) {
    if (!m_window) {
        return;
    }
    if (m_confirmButton && m_confirmButton->isClicked()) {
        m_answer = CONFIRMED;
        close();
    } else if (m_denyButton && m_denyButton->isClicked()) {
        m_answer = DENIED;
        close();
    } else if (m_exitButton && m_exitButton->isClicked()) {
        close();
    }
}

int InfoManager::getAnswer(const std::string& name) const {
    return name == m_current ? m_answer : NO_ANSWER;
}

Sprite* InfoManager::overlay() {
    if (!m_overlay) {
        float width = Engine::instance()->getScreenWidth();
        float height = Engine::instance()->getScreenHeight();
        if (width <= 0.0f || height <= 0.0f) {
            width = 800.0f;
            height = 600.0f;
        }
        m_overlay = std::make_unique<Sprite>();
        // No texture: the engine fills the rectangle with the colour.
        const hgeSprite blank(0, 0, 0, width, height);
        m_overlay->setSprite(&blank);
        m_overlay->setColor(OVERLAY_COLOR);
        m_overlay->setHotSpot(0, 0);
        m_overlay->setMovesWithCam(true);
        m_overlay->setPosition(hgeVector(0, 0));
        m_overlay->setVisible(false);
    }
    return m_overlay.get();
}

void InfoManager::showOverlay(float windowDepth) {
    Sprite* sprite = overlay();
    sprite->setZ(windowDepth - FRAME_BELOW_WINDOW - OVERLAY_BELOW);
    sprite->setVisible(true);
}

void InfoManager::hideOverlay() {
    if (m_overlay) {
        m_overlay->setVisible(false);
    }
}

bool InfoManager::isOverlayShown() const {
    return m_overlay && m_overlay->isVisible();
}

float InfoManager::getOverlayDepth() const {
    return m_overlay ? m_overlay->getZ() : 0.0f;
}
