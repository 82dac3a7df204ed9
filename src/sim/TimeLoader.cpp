#include "sim/TimeLoader.h"

#include "core/Sprite.h"
#include "engine/hgesprite.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "gui/InteractionalObject.h"
#include "resource/Encoding.h"
#include "resource/Text.h"
#include "sim/DateManager.h"

namespace {

const hgeVector WINDOW_SIZE(350, 250);
// Centred on the 800 x 600 screen.
const hgeVector WINDOW_POSITION(225, 175);
// The bar sits centred in the window, below the date.
const hgeVector BAR_OFFSET((350 - TimeLoader::FULL_WIDTH) / 2, 130);
const float TITLE_TOP = 40.0f;
const float DATE_TOP = 90.0f;
const char* const TITLE_FONT = "font_tessaline_28.fnt";
const int TRACK_ALPHA = 70;
const float WINDOW_DEPTH = 0.7f;
const float BAR_DEPTH = 0.9f;
const char* const DATE_FONT = "font_tessaline_19.fnt";
// Light text on the dark window face.
const unsigned int DATE_COLOR = 0xFFFFFFFF;

}  // namespace

TimeLoader::TimeLoader() {
    build();
}

TimeLoader::~TimeLoader() = default;

void TimeLoader::reset() {
    m_dateBox = nullptr;
    m_window.reset();
    m_bar.reset();
    build();
}

void TimeLoader::build() {
    m_bar = std::make_unique<Sprite>("sprite_loader.png", hgeVector(32, 32));
    // The bar starts empty; start() gives it its width per day.
    m_widthPerDay = 0.0f;
    setBar(0);
    m_bar->setHotSpot(0, 0);
    m_bar->setMovesWithCam(true);
    m_bar->setPosition(WINDOW_POSITION + BAR_OFFSET);
    m_bar->setZ(BAR_DEPTH);
    m_track = std::make_unique<Sprite>("sprite_loader.png", hgeVector(32, 32));
    if (hgeSprite* sprite = m_track->getSprite()) {
        float x = 0, y = 0, w = 0, h = 0;
        sprite->GetTextureRect(&x, &y, &w, &h);
        sprite->SetTextureRect(x, y, m_fullWidth, BAR_HEIGHT, true);
    }
    m_track->setHotSpot(0, 0);
    m_track->setMovesWithCam(true);
    m_track->setPosition(WINDOW_POSITION + BAR_OFFSET);
    m_track->setZ(BAR_DEPTH - 0.01f);
    m_track->setColor((static_cast<unsigned int>(TRACK_ALPHA) << 24) | 0xFFFFFFu);

    m_window = std::make_unique<GuiWindow>("Time Loader", "gui_blank.png", WINDOW_POSITION,
                                           WINDOW_SIZE, nullptr, true);
    m_window->setDepth(WINDOW_DEPTH);
    m_dateBox = m_window->getController()->addTextBox("Date Text", hgeVector(0, 0), WINDOW_SIZE);
    const std::string title = W1252(u8"Månaden går");
    m_dateBox->addText(
        title, TITLE_FONT, DATE_COLOR,
        hgeVector((WINDOW_SIZE.x - Text(TITLE_FONT, title).getWidth()) / 2, TITLE_TOP));
    m_dateText.clear();
    m_shownDay = 0;
    m_widthPerDay = 0.0f;
    hide();
}

void TimeLoader::hide() {
    setActive(false);
    showParts(false);
}

void TimeLoader::showParts(bool shown) {
    m_bar->setVisible(shown);
    m_track->setVisible(shown);
    m_window->setVisible(shown);
}

void TimeLoader::setOnScreen(bool onScreen) {
    m_onScreen = onScreen;
    showParts(onScreen && isActive());
}

void TimeLoader::start() {
    DateManager* clock = DateManager::instance();
    m_widthPerDay = clock->getMonthLength() > 0 ? m_fullWidth / clock->getMonthLength() : 0.0f;
    setBar(1);
    setActive(true);
    showParts(m_onScreen);
    showDate();
    InteractionalObject::getCursor()->setCurrentObject(m_window.get());
}

void TimeLoader::setBar(int day) {
    if (hgeSprite* sprite = m_bar->getSprite()) {
        float x = 0;
        float y = 0;
        float w = 0;
        float h = 0;
        sprite->GetTextureRect(&x, &y, &w, &h);
        sprite->SetTextureRect(x, y, m_widthPerDay * day, BAR_HEIGHT, true);
    }
    m_shownDay = day;
}

void TimeLoader::showDate() {
    DateManager* clock = DateManager::instance();
    const std::string text = std::to_string(clock->getDay()) + " " + clock->getMonthName();
    if (text == m_dateText) {
        return;
    }
    if (!m_dateText.empty()) {
        m_dateBox->removeText(m_dateText);
    }
    m_dateText = text;
    // Centred above the bar.
    const float width = Text(DATE_FONT, m_dateText).getWidth();
    m_dateBox->addText(m_dateText, DATE_FONT, DATE_COLOR,
                       hgeVector((WINDOW_SIZE.x - width) / 2, DATE_TOP));
}

void TimeLoader::update(float) {
    DateManager* clock = DateManager::instance();
    if (m_shownDay == clock->getMonthLength()) {
        hide();
        InteractionalObject::getCursor()->setCurrentObject(nullptr);
        return;
    }
    if (m_shownDay != clock->getDay()) {
        setBar(clock->getDay());
        showDate();
    }
}
