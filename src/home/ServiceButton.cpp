#include "home/ServiceButton.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "core/SoundPlayer.h"
#include "core/SoundRegistry.h"
#include "core/states/RoomState.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "resource/Encoding.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/FlagSystem.h"
#include "sim/InfoManager.h"

namespace {

// Above the HUD and the furniture's buttons, below the message windows, so
// that the cancel question opens over it.
const float WINDOW_DEPTH = 0.9f;
const hgeVector MINI_SIZE(18, 18);
const hgeVector CANCEL_SIZE(52, 49);
const float CAPTION_GAP = 12.0f;
const float CAPTION_DROP = 14.0f;

// Placement when gui.xml has no "serviceWindow" settings.
const hgeVector DEFAULT_POSITION(200, 150);
const hgeVector DEFAULT_SIZE(400, 260);
const hgeVector DEFAULT_TEXT_MARGIN(24, 24);
const hgeVector DEFAULT_BUTTON_MARGIN(16, 16);

// A "textBox" record holding `text` as one left-aligned paragraph.
std::unique_ptr<TiXmlElement> paragraphBox(const std::string& name, const hgeVector& position,
                                           const hgeVector& size, const std::string& text) {
    auto box = std::make_unique<TiXmlElement>("textBox");
    box->SetAttribute("guiId", name);
    box->SetAttribute("pos_x", static_cast<int>(position.x));
    box->SetAttribute("pos_y", static_cast<int>(position.y));
    box->SetAttribute("size_x", static_cast<int>(size.x));
    box->SetAttribute("size_y", static_cast<int>(size.y));
    TiXmlElement paragraph("text");
    paragraph.SetAttribute("align", "left");
    paragraph.InsertEndChild(TiXmlText(text));
    box->InsertEndChild(paragraph);
    return box;
}

}  // namespace

ServiceButton::ServiceButton(TiXmlElement* element, GuiBase* parent) : GuiButton(element, parent) {
    const char* context = "ServiceButton::ServiceButton";
    const std::string id = xml::getAttributeString(element, "id", false);
    m_flag = FiscoraFlags::fromString(id);
    if (m_flag == FiscoraFlags::UNDEFINED) {
        Log::warning(context) << "no definition";
    }
    const TiXmlElement* desc = element ? element->FirstChildElement("desc") : nullptr;
    if (desc && desc->GetText()) {
        m_description = desc->GetText();
    } else {
        m_description = "no description";
        Log::warning(context) << "no description for service " << id;
    }
    m_state = FlagSystem::instance()->isRaised(m_flag) ? 2 : 1;
}

ServiceButton::~ServiceButton() {
    closeWindow();
    if (s_shown == this) {
        s_shown = nullptr;
    }
}

bool ServiceButton::isWindowOpen() const {
    return m_window && m_window->isVisible();
}

void ServiceButton::update(float dt) {
    GuiButton::update(dt);
    if (!isWindowOpen()) {
        const bool raised = FlagSystem::instance()->isRaised(m_flag);
        if (m_state == 1 && raised) {
            m_state = 2;
            // Shown where the HUD shows its services (the flat), not in town.
            const bool partsShown = !m_parentWidget || m_parentWidget->isVisible();
            setVisible(partsShown);
        } else if (m_state == 2 && !raised) {
            m_state = 1;
        }
        // A service the player does not have is never on screen, whatever
        // the HUD shows.
        if (m_state == 1 && isVisible()) {
            setVisible(false);
        }
        return;
    }

    if (m_closeButton && m_closeButton->isClicked()) {
        closeWindow();
        GameState::RoomState::instance()->restartInputDelay();
        return;
    }
    if (m_cancelButton && m_cancelButton->isClicked()) {
        const bool tvLicence =
            m_flag == FiscoraFlags::TVLICENSE && FlagSystem::instance()->isRaised(FiscoraFlags::TV);
        InfoManager::instance()->show(tvLicence ? "cancel tvlicense" : "cancel service",
                                      InfoManager::QUESTION, hgeVector(150, 70), hgeVector(0, 0));
        return;
    }
    InfoManager* info = InfoManager::instance();
    if (s_shown == this && info->getAnswer("cancel service") == InfoManager::CONFIRMED) {
        info->setAnswer(InfoManager::NO_ANSWER);
        closeWindow();
        m_window.reset();
        m_closeButton = m_cancelButton = nullptr;
        Log::debug("ServiceButton::update")
            << "service cancelled: " << FiscoraFlags::toString(m_flag);
        FlagSystem::instance()->lower(m_flag);
        GameState::RoomState::instance()->restartInputDelay();
    }
}

void ServiceButton::press() {
    SoundPlayer::instance()->play(SoundKey::ButtonClick);
    createWindow();
    if (!m_window) {
        return;
    }
    if (s_shown && s_shown != this) {
        s_shown->closeWindow();
    }
    s_shown = this;
    m_window->setVisible(true);
    InteractionalObject::getCursor()->setFocusObject(m_window.get());
    Log::debug("ServiceButton::press") << "service window " << FiscoraFlags::toString(m_flag);
}

void ServiceButton::closeWindow() {
    if (!m_window) {
        return;
    }
    m_window->setVisible(false);
    FiscoraCursor::releaseFocus(m_window.get());
    if (s_shown == this) {
        s_shown = nullptr;
    }
}

void ServiceButton::closeShownWindow() {
    if (s_shown) {
        s_shown->closeWindow();
    }
}

void ServiceButton::createWindow() {
    if (m_window) {
        Log::warning("ServiceButton::createWindow") << "window already created, skipping";
        return;
    }
    hgeVector position = DEFAULT_POSITION, size = DEFAULT_SIZE;
    hgeVector textMargin = DEFAULT_TEXT_MARGIN, buttonMargin = DEFAULT_BUTTON_MARGIN;
    XmlReader gui("gui.xml");
    TiXmlElement* settings = gui.getRootElement()
                                 ? gui.getRootChildElement("mainGui", "guiId", "serviceWindow")
                                 : nullptr;
    if (settings) {
        position = xml::getElementVector(settings, "position");
        size = xml::getElementVector(settings, "size");
        textMargin = xml::getElementVector(settings, "textMargin");
        buttonMargin = xml::getElementVector(settings, "buttonMargin");
    } else {
        Log::warning("ServiceButton::createWindow")
            << "gui.xml has no serviceWindow, using the default placement";
    }

    m_window = std::make_unique<GuiWindow>("service_window", "gui_blank.png", position, size,
                                           nullptr, true);
    GuiController* children = m_window->getController();
    const hgeVector textSize(size.x - 2 * textMargin.x,
                             size.y - textMargin.y - buttonMargin.y - CANCEL_SIZE.y);
    // Paragraphs, not added texts: they keep just above the window, so a
    // question opened over it is not crossed by them.
    children->addTextBox(paragraphBox("service_text", textMargin, textSize, m_description).get());
    m_closeButton = children->addButton(
        "service_minibutton", "gui_little_button.png",
        hgeVector(size.x - buttonMargin.x - MINI_SIZE.x, buttonMargin.y), MINI_SIZE);
    const hgeVector cancelAt(buttonMargin.x, size.y - buttonMargin.y - CANCEL_SIZE.y);
    m_cancelButton =
        children->addButton("service_cancelbutton", "gui_no_button.png", cancelAt, CANCEL_SIZE);
    // The caption beside the button says what it does.
    const hgeVector captionAt(cancelAt.x + CANCEL_SIZE.x + CAPTION_GAP, cancelAt.y + CAPTION_DROP);
    children->addTextBox(
        paragraphBox("service_caption", captionAt,
                     hgeVector(size.x - captionAt.x - buttonMargin.x, CANCEL_SIZE.y),
                     W1252(u8"Avbeställ tjänst"))
            .get());
    m_window->setDepth(WINDOW_DEPTH);
    m_window->setVisible(false);
}
