#include "sim/GuiReportInterface.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>

#include "core/Engine.h"
#include "core/Log.h"
#include "core/Money.h"
#include "core/StateMachine.h"
#include "core/states/RoomState.h"
#include "engine/hge.h"
#include "gui/Clickon.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/Room.h"
#include "resource/ConstantManager.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/RandomEventInterface.h"

namespace {

const hgeVector DEFAULT_ICON_SIZE(49, 49);
// Above the HUD (0.76), below the furniture's buttons and every window.
const float DEFAULT_ICON_DEPTH = 0.78f;
const float DEFAULT_WINDOW_DEPTH = 0.9f;
// Between a button's right edge and its answer, and kept free at the
// window's right edge.
const float ANSWER_GAP = 20.0f;
const float ANSWER_MARGIN = 16.0f;
// Between two columns of icons.
const float COLUMN_GAP = 7.0f;

struct StaticData {
    bool read = false;
    hgeVector buttonSize{0, 0};
    std::vector<hgeVector> slots;
    hgeVector iconSize = DEFAULT_ICON_SIZE;
    float iconDepth = DEFAULT_ICON_DEPTH;
};

StaticData& statics() {
    static StaticData data;
    return data;
}

// Every report alive, oldest first.
std::vector<GuiReportInterface*>& live() {
    static std::vector<GuiReportInterface*> reports;
    return reports;
}

std::string iconFile(const RandomEventInterface* event) {
    const EventRecord* record = event ? event->getRecord() : nullptr;
    return "event_" + EventType::toString(record ? record->type : EventType::UNDEFINED) + ".png";
}

int idOf(const RandomEventInterface* event) {
    return event ? event->getId() : 0;
}

std::string titleOf(const RandomEventInterface* event) {
    const EventRecord* record = event ? event->getRecord() : nullptr;
    return record ? record->title : "";
}

// `slot` unless a report still open sits there; then the first free slot,
// so that an icon never covers another.
int freeSlot(int slot) {
    auto taken = [](int index) {
        return std::any_of(live().begin(), live().end(), [index](GuiReportInterface* report) {
            return report->getSlot() == index;
        });
    };
    if (!taken(slot)) {
        return slot;
    }
    int free = 0;
    while (taken(free)) {
        ++free;
    }
    return free;
}

// Greedy line breaking at blanks; a word longer than a line stays whole.
std::string wrap(const std::string& text, const std::string& font, float width) {
    std::string result;
    std::string line;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string word = text.substr(start, end - start);
        const std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && Text(font, candidate).getWidth() > width) {
            result += line + "\n";
            line = word;
        } else {
            line = candidate;
        }
        start = end + 1;
    }
    return result + line;
}

}  // namespace

GuiReportInterface::GuiReportInterface(RandomEventInterface* event, int slot)
    : GuiButton("report " + std::to_string(idOf(event)), nullptr), m_event(event) {
    createStaticData();
    const StaticData& data = statics();
    m_slot = freeSlot(std::max(0, slot));
    hgeVector position(0, 0);
    if (data.slots.empty()) {
        Log::error("GuiReportInterface::GuiReportInterface") << "no queue slots for the report";
    } else {
        // More reports than slots: a further column beside the first.
        const std::size_t count = data.slots.size();
        position = data.slots[m_slot % count];
        position.x += static_cast<float>(m_slot / count) * (data.iconSize.x + COLUMN_GAP);
    }
    m_size = data.iconSize;
    m_position = position;
    createGui(iconFile(event));
    placeUnder(nullptr);
    setDepth(data.iconDepth);
    setActive(true, false);
    m_label = std::make_unique<HoverLabel>("Report Label");

    live().push_back(this);
    Clickon::setTarget("report", [] { return static_cast<GuiBase*>(oldestOpen()); });
    // Reports show in the flat only; elsewhere the manager shows them later.
    State* state = StateMachine::instance()->current();
    if (state && state != GameState::RoomState::instance()) {
        setVisible(false);
    }
    Log::debug("GuiReportInterface::GuiReportInterface")
        << "report " << idOf(event) << " in slot " << m_slot;
}

GuiReportInterface::~GuiReportInterface() {
    if (m_window) {
        FiscoraCursor::releaseFocus(m_window.get());
    }
    live().erase(std::remove(live().begin(), live().end(), this), live().end());
}

void GuiReportInterface::createStaticData() {
    StaticData& data = statics();
    if (data.read) {
        return;
    }
    data.read = true;
    const char* context = "GuiReportInterface::createStaticData";
    XmlReader reporter("reporter.xml");
    TiXmlElement* root = reporter.getRootElement();
    if (!root) {
        Log::error(context) << "unable to read reporter.xml, reports have no slots";
    } else {
        data.buttonSize = xml::getElementVector(root, "buttonSize");
        const float screenWidth = ConstantManager::instance()->getFloat("screenWidth");
        const float x = (screenWidth - data.buttonSize.x) / 2.0f;
        for (TiXmlElement* slot = root->FirstChildElement("queueSlot"); slot;
             slot = slot->NextSiblingElement("queueSlot")) {
            data.slots.emplace_back(x, xml::getAttributeFloat(slot, "y"));
        }
    }
    XmlReader gui("gui.xml");
    TiXmlElement* settings = gui.getRootChildElement("reporter", "guiId", "gui_report");
    if (!settings) {
        Log::warning(context) << "gui.xml has no gui_report settings";
        return;
    }
    const hgeVector size = xml::getElementVector(settings, "size");
    if (size.x > 0 && size.y > 0) {
        data.iconSize = size;
    }
    const float z = xml::getAttributeFloat(settings, "z");
    if (z != 0.0f) {
        data.iconDepth = z;
    }
}

const std::vector<hgeVector>& GuiReportInterface::getSlots() {
    return statics().slots;
}

const hgeVector& GuiReportInterface::getButtonSize() {
    return statics().buttonSize;
}

GuiReportInterface* GuiReportInterface::oldestOpen() {
    for (GuiReportInterface* report : live()) {
        if (!report->isDone()) {
            return report;
        }
    }
    return nullptr;
}

bool GuiReportInterface::isWindowOpen() const {
    return m_window && m_window->isVisible();
}

void GuiReportInterface::setVisible(bool visible) {
    GuiButton::setVisible(visible);
    if (!visible && m_label) {
        m_label->hide();
    }
}

void GuiReportInterface::press() {
    if (m_done) {
        return;
    }
    playClickSound();
    if (!m_window) {
        createWindow();
    } else {
        Log::warning("GuiReportInterface::press") << "window already created, skipping";
    }
    m_label->hide();
    if (!m_window) {
        return;
    }
    m_window->setVisible(true);
    if (m_denyHidden) {
        hideDenyButton();
    }
    InteractionalObject::getCursor()->setFocusObject(m_window.get());
    // A key held when the window opens does not answer it.
    m_enterHeld = m_backspaceHeld = true;
    Log::debug("GuiReportInterface::press") << "report " << idOf(m_event) << " opened";
}

void GuiReportInterface::update(float dt) {
    GuiButton::update(dt);
    if (m_done) {
        return;
    }
    if (isWindowOpen()) {
        m_label->hide();
        if (m_confirmButton && m_confirmButton->isClicked()) {
            acceptAction();
            return;
        }
        if (m_denyButton && m_denyButton->isClicked()) {
            rejectAction();
            return;
        }
        pollKeys();
        return;
    }
    const FiscoraCursor* cursor = FiscoraCursor::live();
    if (isVisible() && cursor && cursor->getCurrentObject() == this) {
        m_label->show(titleOf(m_event));
    } else {
        m_label->hide();
    }
}

bool GuiReportInterface::isTarget() const {
    const FiscoraCursor* cursor = FiscoraCursor::live();
    return isWindowOpen() && cursor && cursor->getFocusObject() == m_window.get();
}

void GuiReportInterface::pollKeys() {
    HGE* hge = Engine::instance()->getHge();
    if (!hge) {
        return;
    }
    const bool enter = hge->Input_GetKeyState(HGEK_ENTER);
    const bool backspace = hge->Input_GetKeyState(HGEK_BACKSPACE);
    const bool enterPressed = enter && !m_enterHeld;
    const bool backspacePressed = backspace && !m_backspaceHeld;
    m_enterHeld = enter;
    m_backspaceHeld = backspace;
    // A message over the window (such as "no money") takes the keys.
    if (!isTarget()) {
        return;
    }
    if (enterPressed) {
        acceptAction();
    } else if (backspacePressed && m_denyButton && m_denyButton->isVisible() &&
               m_denyButton->isInteractive()) {
        rejectAction();
    }
}

std::string GuiReportInterface::answerText(const std::string& text) const {
    const int32_t value = m_event ? m_event->getValue() : 0;
    // Grouped as every amount on screen is ("6 500").
    const std::string amount = money::format(std::llabs(static_cast<long long>(value)));
    std::string result;
    for (char c : text) {
        if (c == '$') {
            result += amount;
        } else {
            result += c;
        }
    }
    return result;
}

void GuiReportInterface::closeWindow() {
    if (!m_window) {
        return;
    }
    m_window->setVisible(false);
    FiscoraCursor::releaseFocus(m_window.get());
}

void GuiReportInterface::restoreRoomButtons() {
    if (!Room::exists() ||
        StateMachine::instance()->current() != GameState::RoomState::instance()) {
        return;
    }
    for (GuiButton* button : {Room::instance()->getDoor(), Room::instance()->getNoticeBoard()}) {
        if (button) {
            button->setVisible(true);
            button->Logic::setActive(true);
            button->setActive(true, true);
        }
    }
}

void GuiReportInterface::refreshRoom() {
    GameState::RoomState::instance()->restartInputDelay();
}

void GuiReportInterface::buildWindow(const char* child,
                                     const std::function<void(TiXmlElement&)>& edit) {
    const char* context = "GuiReportInterface::buildWindow";
    XmlReader gui("gui.xml");
    TiXmlElement* reporter = gui.getRootChildElement("reporter", "guiId", "reporter");
    TiXmlElement* record = reporter ? reporter->FirstChildElement(child) : nullptr;
    if (!record) {
        Log::error(context) << "gui.xml has no " << child << " in reporter";
        // An answerable window all the same, so that the report can be done.
        m_window = std::make_unique<GuiWindow>(child, "gui_blank.png", hgeVector(240, 150),
                                               hgeVector(320, 200), nullptr, true);
        m_window->setDepth(DEFAULT_WINDOW_DEPTH);
        m_confirmButton = m_window->getController()->addButton(
            "confirmButton", "gui_yes_button.png", hgeVector(30, 130), hgeVector(52, 49));
        m_content =
            m_window->getController()->addTextBox("content", hgeVector(0, 0), hgeVector(0, 0));
        return;
    }
    TiXmlElement copy(*record);
    if (edit) {
        edit(copy);
    }
    m_window = std::make_unique<GuiWindow>(&copy, true, nullptr);
    if (xml::getAttributeFloat(&copy, "z", false) == 0.0f) {
        m_window->setDepth(DEFAULT_WINDOW_DEPTH);
    }
    m_confirmButton = m_window->findChild("confirmButton");
    m_denyButton = m_window->findChild("denyButton");
    m_content = dynamic_cast<GuiTextBox*>(m_window->findChild("content"));
    if (!m_content) {
        Log::warning(context) << "no content text box in " << child;
        m_content =
            m_window->getController()->addTextBox("content", hgeVector(0, 0), hgeVector(0, 0));
    }
}

void GuiReportInterface::writeAnswer(GuiBase* button, const std::string& text,
                                     const std::string& font, unsigned int color) {
    if (!button || !m_content || text.empty()) {
        return;
    }
    const hgeVector at = button->getPosition();
    const hgeVector size = button->getSize();
    const float x = at.x + size.x + ANSWER_GAP;
    const float width = m_window->getPosition().x + m_window->getSize().x - ANSWER_MARGIN - x;
    const std::string shown = wrap(answerText(text), font, width);
    const Text measure(font, shown);
    const int lines = 1 + static_cast<int>(std::count(shown.begin(), shown.end(), '\n'));
    // Centred on the button's height; a long answer grows both ways.
    const float y = at.y + (size.y - lines * measure.getHeight()) / 2.0f;
    m_content->addText(shown, font, color, hgeVector(x, y) - m_content->getPosition());
    m_texts.push_back(shown);
}

void GuiReportInterface::hideDenyButton() {
    m_denyHidden = true;
    if (m_denyButton) {
        m_denyButton->setVisible(false);
        m_denyButton->setActive(false, true);
    }
}

void GuiReportInterface::finish(bool accepted) {
    m_done = true;
    m_label->hide();
    Log::debug("GuiReportInterface::finish")
        << "report " << idOf(m_event) << " answered " << (accepted ? "accept" : "reject");
}
