#include "sim/GuiReportBill.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>

#include "core/Log.h"
#include "core/Money.h"
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/Portfolio.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/InfoManager.h"
#include "sim/RandomEventInterface.h"

namespace {

const char* const BLACK_FONT = "font_tessaline_19_black.fnt";
const char* const RED_FONT = "font_tessaline_19_red.fnt";
// These fonts are drawn in their own colour.
const unsigned int UNTINTED = 0xFFFFFFFFu;
const hgeVector INFO_AT(150, 70);
// The message is two lines long.
const hgeVector INFO_SIZE(500, 130);

std::string kronor(int64_t amount) {
    return money::format(amount) + " kronor";
}

}  // namespace

GuiReportBill::GuiReportBill(RandomEventInterface* event, int slot)
    : GuiReportInterface(event, slot) {
    m_constants = std::make_unique<XmlReader>("fiscoraConstants.xml");
    TiXmlElement* root = m_constants->getRootElement();
    TiXmlElement* bill = root ? root->FirstChildElement("bill") : nullptr;
    for (TiXmlElement* state = bill ? bill->FirstChildElement("state") : nullptr; state;
         state = state->NextSiblingElement("state")) {
        m_fees.push_back(xml::getAttributeInt(state, "value"));
    }
}

GuiReportBill::~GuiReportBill() = default;

bool GuiReportBill::isIncome() const {
    const EventRecord* record = m_event ? m_event->getRecord() : nullptr;
    return record && record->type == EventType::INCOME;
}

void GuiReportBill::createWindow() {
    const char* context = "GuiReportBill::createWindow";
    Log::debug(context) << "Creating bill window";
    const bool income = isIncome();
    // The places of the lines the code writes, read from the same record.
    TiXmlElement layout("billWindow");
    buildWindow("billWindow", [income, &layout](TiXmlElement& copy) {
        layout = copy;
        if (!income) {
            return;
        }
        // An income can only be taken, and it is a payment to the player.
        if (TiXmlElement* deny = copy.FirstChildElement("denyButton")) {
            copy.RemoveChild(deny);
        }
        for (TiXmlElement* button = copy.FirstChildElement("button"); button;) {
            TiXmlElement* next = button->NextSiblingElement("button");
            if (xml::getAttributeString(button, "guiId", false) == "denyButton") {
                copy.RemoveChild(button);
            }
            button = next;
        }
        for (TiXmlElement* box = copy.FirstChildElement("textBox"); box;
             box = box->NextSiblingElement("textBox")) {
            if (TiXmlElement* heading = box->FirstChildElement("addText")) {
                heading->SetAttribute("text", "UTBETALNING");
                break;
            }
        }
    });
    const EventRecord* record = m_event ? m_event->getRecord() : nullptr;
    if (!m_window || !record) {
        return;
    }
    writeAnswer(m_confirmButton, record->textA, BLACK_FONT, UNTINTED);
    if (!income) {
        writeAnswer(m_denyButton, record->textB, BLACK_FONT, UNTINTED);
    }

    if (const TiXmlElement* desc = layout.FirstChildElement("desc")) {
        const hgeVector at(xml::getAttributeFloat(desc, "x"), xml::getAttributeFloat(desc, "y"));
        m_content->addText(record->title, BLACK_FONT, UNTINTED,
                           at + m_window->getPosition() - m_content->getPosition());
        m_texts.push_back(record->title);
    }
    const int32_t base = m_event->getBaseValue();
    writeLine(xml::getAttributeString(layout.FirstChildElement("amount"), "text", false),
              std::llabs(base), layout.FirstChildElement("amount"), BLACK_FONT);

    const int32_t state = m_event->getState();
    if (state > 0) {
        if (static_cast<int32_t>(m_fees.size()) < state) {
            Log::error(context) << "Dont got enough state values i report bill";
        }
        // Only the fees there are: a missing one adds nothing to the sum.
        const int32_t lines = std::min<int32_t>(state, static_cast<int32_t>(m_fees.size()));
        const TiXmlElement* line = layout.FirstChildElement("stateText");
        for (int32_t i = 0; i < lines && line; ++i, line = line->NextSiblingElement("stateText")) {
            writeLine(xml::getAttributeString(line, "text"), m_fees[i], line, RED_FONT);
        }
    }
    Log::debug(context) << "Finnished creating bill text";
    writeLine(income ? "INKOMST" : "KOSTNAD", std::llabs(m_event->getValue()),
              layout.FirstChildElement("total"), BLACK_FONT);
    m_window->setVisible(false);
    Log::debug(context) << "Finnished creating bill window";
}

void GuiReportBill::writeLine(const std::string& label, int64_t amount, const TiXmlElement* place,
                              const std::string& font) {
    if (!place || !m_content) {
        Log::warning("GuiReportBill::writeLine") << "no place for the line " << label;
        return;
    }
    // The places are given in the window; the texts go into "content".
    const hgeVector origin = m_content->getPosition() - m_window->getPosition();
    const float y = xml::getAttributeFloat(place, "y") - origin.y;
    if (!label.empty()) {
        m_content->addText(label, font, UNTINTED,
                           hgeVector(xml::getAttributeFloat(place, "x") - origin.x, y));
        m_texts.push_back(label);
    }
    const std::string shown = kronor(amount);
    const float right = xml::getAttributeFloat(place, "right") - origin.x;
    m_content->addText(shown, font, UNTINTED, hgeVector(right - Text(font, shown).getWidth(), y));
    m_texts.push_back(shown);
}

void GuiReportBill::acceptAction() {
    const int64_t payment = -static_cast<int64_t>(m_event ? m_event->getValue() : 0);
    // Only a payment can lack money: an income is taken even in debt.
    if (payment > 0 && payment > Portfolio::instance()->getCash()) {
        InfoManager::instance()->show("no money", InfoManager::MESSAGE, INFO_AT, INFO_SIZE);
        return;
    }
    closeWindow();
    restoreRoomButtons();
    finish(true);
    if (m_event) {
        m_event->accept();
    }
}

void GuiReportBill::rejectAction() {
    restoreRoomButtons();
    closeWindow();
    finish(false);
    if (m_event && !isIncome()) {
        m_event->reject();
    }
}
