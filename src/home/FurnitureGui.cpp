#include "home/FurnitureGui.h"

#include <tinyxml.h>

#include <memory>
#include <string>

#include "core/Log.h"
#include "core/ZDepth.h"
#include "core/states/RoomState.h"
#include "engine/hgesprite.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "gui/GuiButtonFading.h"
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/FurnitureBase.h"
#include "home/FurnitureData.h"
#include "home/Portfolio.h"
#include "home/Room.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"

namespace {

const char* const PRICE_FONT = "font_tessaline_19.fnt";
// The palette's butter yellow, so the amount stands out on the dark panel.
const unsigned int PRICE_COLOR = 0xFFF6D67Au;
// The price is centred on this x inside "confirmText", on this line.
const float PRICE_CENTRE_X = 150.0f;
const float PRICE_Y = 30.0f;
// The buttons sit this far right of the piece's left edge and above its top.
const float ROTATE_X = 5.0f;
const float SELL_X = 55.0f;
const float BUTTONS_ABOVE = 60.0f;

hgeVector topLeft(const FurnitureBase* piece) {
    hgeVector at = piece->getViewPosition();
    if (const hgeSprite* sprite = piece->getSprite()) {
        float hotX = 0.0f, hotY = 0.0f;
        sprite->GetHotSpot(&hotX, &hotY);
        at.x -= hotX;
        at.y -= hotY;
    }
    return at;
}

}  // namespace

FurnitureGui::FurnitureGui(FurnitureBase* piece) : m_piece(piece) {
    create();
}

FurnitureGui::~FurnitureGui() {
    closeSellWindow();
    delete m_rotateButton;
    delete m_sellButton;
}

void FurnitureGui::create() {
    XmlReader gui("gui.xml");
    TiXmlElement* record =
        gui.getRootElement() ? gui.getRootElement()->FirstChildElement("furnituregui") : nullptr;
    if (!record) {
        Log::error("FurnitureGui::create")
            << "unable to read <furnituregui> in gui.xml, no buttons will be created";
        return;
    }
    const hgeVector size = xml::getElementVector(record, "size");
    // Read for completeness; the buttons keep their own fading.
    xml::getAttributeFloat(record, "timeBeforeFadeStart", false);
    xml::getAttributeFloat(record, "fadespeed", false);
    const hgeVector at = m_piece->getViewPosition();
    const float depth = ZDepth::getZ("gui_furniture");
    auto make = [&](const char* family, const char* name) {
        TiXmlElement* button = record->FirstChildElement(family);
        const hgeVector offset = xml::getElementVector(button, "offset");
        auto* made =
            new GuiButtonFading(name, xml::getAttributeString(button, "gfx"),
                                hgeVector(at.x + offset.x, at.y - offset.y), size, nullptr);
        made->setDepth(depth);
        return made;
    };
    m_rotateButton = make("rotate", "Rotate Button");
    m_sellButton = make("sell", "Sell Button");
}

bool FurnitureGui::update() {
    if (!hasButtons()) {
        return true;
    }
    const hgeVector corner = topLeft(m_piece);
    m_rotateButton->GuiBase::setPosition(corner.x + ROTATE_X, corner.y - BUTTONS_ABOVE);
    m_sellButton->GuiBase::setPosition(corner.x + SELL_X, corner.y - BUTTONS_ABOVE);

    if (m_rotateButton->isClicked()) {
        m_piece->rotate();
    }
    if (m_sellButton->isClicked() && !m_sellWindow) {
        openSellWindow();
        return true;
    }
    if (m_sellWindow) {
        GuiBase* confirm = m_sellWindow->findChild("confirmButton");
        GuiBase* deny = m_sellWindow->findChild("denyButton");
        if (confirm && confirm->isClicked()) {
            confirmSale();
        } else if (deny && deny->isClicked()) {
            denySale();
        }
    }
    return true;
}

void FurnitureGui::setVisible(bool visible) {
    if (hasButtons()) {
        if (visible) {
            m_rotateButton->restart();
            m_sellButton->restart();
        } else {
            m_rotateButton->leave();
            m_sellButton->leave();
        }
    }
    closeSellWindow();
}

void FurnitureGui::hideButtons() {
    if (!hasButtons()) {
        return;
    }
    for (GuiButtonFading* button : {m_rotateButton, m_sellButton}) {
        button->setVisible(false);
        button->setActive(false, false);
    }
}

void FurnitureGui::show() {
    setVisible(true);
}

void FurnitureGui::fade() {
    setVisible(false);
}

void FurnitureGui::closeSellWindow() {
    if (!m_sellWindow) {
        return;
    }
    FiscoraCursor::releaseFocus(m_sellWindow);
    m_textBoxes.clear();
    delete m_sellWindow;
    m_sellWindow = nullptr;
}

int FurnitureGui::sellPrice(const FurnitureBase* piece) {
    return static_cast<int>(FurnitureData::getSellValue(piece->getElement()));
}

void FurnitureGui::payPlayer(int amount, const FurnitureBase* piece) {
    Log::debug("FurnitureGui::payPlayer") << "sold " << piece->getName() << " for " << amount;
    Portfolio::instance()->changeCash(amount, "furniture sold");
}

void FurnitureGui::openSellWindow() {
    const char* context = "FurnitureGui::openSellWindow";
    XmlReader gui("gui.xml");
    TiXmlElement* record =
        gui.getRootElement() ? gui.getRootChildElement("gui", "guiId", "sellWindow") : nullptr;
    if (!record) {
        Log::error(context) << "gui.xml has no sellWindow, the piece cant be sold";
        return;
    }
    m_sellWindow = new GuiWindow(record, false, nullptr);
    GuiController* children = m_sellWindow->getController();
    for (TiXmlElement* button = record->FirstChildElement("button"); button;
         button = button->NextSiblingElement("button")) {
        children->addButton(button);
    }
    for (TiXmlElement* box = record->FirstChildElement("textBox"); box;
         box = box->NextSiblingElement("textBox")) {
        m_textBoxes.push_back(children->addTextBox(box));
    }
    // The children take the window's depth again now that they exist.
    m_sellWindow->setDepth(m_sellWindow->getDepth());
    InteractionalObject::getCursor()->setFocusObject(m_sellWindow);

    if (auto* text = dynamic_cast<GuiTextBox*>(m_sellWindow->findChild("confirmText"))) {
        const std::string price = std::to_string(sellPrice(m_piece)) + ":-";
        Text measure(PRICE_FONT, price);
        text->addText(price, PRICE_FONT, PRICE_COLOR,
                      hgeVector(PRICE_CENTRE_X - measure.getWidth() / 2.0f, PRICE_Y));
    } else {
        Log::warning(context) << "sellWindow has no confirmText";
    }
    Log::debug(context) << "asking to sell " << m_piece->getName();
}

void FurnitureGui::confirmSale() {
    hideButtons();
    closeSellWindow();
    if (Room* room = m_piece->getRoom()) {
        room->queueFurnitureRemoval(m_piece);
    }
    payPlayer(sellPrice(m_piece), m_piece);
    GameState::RoomState::instance()->restartInputDelay();
}

void FurnitureGui::denySale() {
    closeSellWindow();
    GameState::RoomState::instance()->restartInputDelay();
}
