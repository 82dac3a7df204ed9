#include "sim/GuiReportEvent.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/Portfolio.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "sim/FiscoraFlags.h"
#include "sim/FlagSystem.h"
#include "sim/RandomEventInterface.h"
#include "sim/YearRecord.h"

namespace {

const char* const ANSWER_FONT = "font_tessaline_19.fnt";
const unsigned int WHITE = 0xFFFFFFFFu;
// The heading's centre in its text box.
const float HEADING_CENTRE = 191.25f;
// The achievement event always shows the same picture.
const int ACHIEVEMENT_EVENT = 35;

}  // namespace

GuiReportEvent::GuiReportEvent(RandomEventInterface* event, int slot)
    : GuiReportInterface(event, slot) {}

GuiReportEvent::~GuiReportEvent() = default;

void GuiReportEvent::createWindow() {
    const char* context = "GuiReportEvent::createWindow";
    const EventRecord* record = m_event ? m_event->getRecord() : nullptr;
    hgeVector pictureAt(0, 0);
    hgeVector pictureSize(0, 0);
    std::string headingFont = ANSWER_FONT;
    float headingY = 0.0f;
    unsigned int headingColor = WHITE;
    // The picture depends on the event, so the record's "image" only places it.
    buildWindow("reportWindow", [&](TiXmlElement& copy) {
        if (TiXmlElement* image = copy.FirstChildElement("image")) {
            pictureAt = xml::getElementVector(image, "position");
            pictureSize = xml::getElementVector(image, "size");
            copy.RemoveChild(image);
        }
        if (const TiXmlElement* heading = copy.FirstChildElement("heading")) {
            const std::string font = xml::getAttributeString(heading, "font", false);
            headingFont = font.empty() ? ANSWER_FONT : font;
            headingY = xml::getAttributeFloat(heading, "y", false);
            headingColor = GuiBase::textColor(heading);
        } else {
            Log::warning(context) << "no heading in reportWindow";
        }
    });
    if (!m_window || !record) {
        return;
    }
    const std::string picture = m_event->getId() == ACHIEVEMENT_EVENT
                                    ? "event_achievement6.png"
                                    : "event_" + record->image + ".png";
    m_window->addImage(picture, pictureAt, pictureSize);

    if (auto* heading = dynamic_cast<GuiTextBox*>(m_window->findChild("heading"))) {
        // A title too wide for the heading's font takes the answers' font.
        if (Text(headingFont, record->title).getWidth() > 2 * HEADING_CENTRE) {
            headingFont = ANSWER_FONT;
        }
        const float width = Text(headingFont, record->title).getWidth();
        heading->addText(record->title, headingFont, headingColor,
                         hgeVector(HEADING_CENTRE - width / 2.0f, headingY));
        m_texts.push_back(record->title);
    } else {
        Log::warning(context) << "no heading text box in reportWindow";
    }

    writeAnswer(m_confirmButton, record->textA, ANSWER_FONT, WHITE);
    if (record->textB.empty()) {
        hideDenyButton();
    } else {
        writeAnswer(m_denyButton, record->textB, ANSWER_FONT, WHITE);
    }
    m_window->setVisible(false);
}

void GuiReportEvent::acceptAction() {
    restoreRoomButtons();
    closeWindow();
    const int32_t value = m_event ? m_event->getValue() : 0;
    if (value != 0) {
        Portfolio::instance()->changeCash(value, "event accepted");
        if (value < 0) {
            YearRecord::instance()->spend(SpendingKind::EVENTS, -static_cast<double>(value));
        }
    }
    refreshRoom();
    if (const EventRecord* record = m_event ? m_event->getRecord() : nullptr) {
        FlagSystem* flags = FlagSystem::instance();
        auto flag = [](int32_t value) { return static_cast<FiscoraFlags::_enum>(value); };
        // 0 is no flag; so is any number past the last (a damaged table).
        auto named = [](int32_t value) {
            return value > FiscoraFlags::UNDEFINED && value <= FiscoraFlags::END;
        };
        if (named(record->acceptFlag)) {
            flags->raise(flag(record->acceptFlag));
        }
        if (named(record->acceptLowered)) {
            flags->lower(flag(record->acceptLowered));
        }
        if (named(record->secondFlag)) {
            flags->raise(flag(record->secondFlag));
        }
        if (named(record->secondLowered)) {
            flags->lower(flag(record->secondLowered));
        }
    }
    finish(true);
    if (m_event) {
        m_event->accept();
    }
}

void GuiReportEvent::rejectAction() {
    refreshRoom();
    restoreRoomButtons();
    closeWindow();
    finish(false);
    if (m_event) {
        m_event->reject();
    }
}
