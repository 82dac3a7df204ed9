#include "sim/Tutorial.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "core/StateMachine.h"
#include "core/ZDepth.h"
#include "core/states/RoomState.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiWindow.h"
#include "gui/InteractionalObject.h"
#include "home/MainGui.h"
#include "resource/ConstantManager.h"
#include "resource/Xml.h"
#include "sim/InfoManager.h"
#include "sim/TutorialManager.h"

namespace {

const char* const NAMES[] = {"UNDEFINED", "WELCOME", "BUDGETA", "BUDGETB",    "INSURANCE",
                             "STORES",    "EVENTS",  "SAVINGS", "FURNITURE",  "GUI",
                             "STOCK",     "FUNDSA",  "FUNDSB",  "NOTICEBOARD"};
static_assert(sizeof(NAMES) / sizeof(NAMES[0]) == Tutorial::END, "a name for every key");

// A confirm button that cannot be pressed yet is drawn faded.
const unsigned int DIMMED_COLOR = 0x66FFFFFFu;
const unsigned int NORMAL_COLOR = 0xFFFFFFFFu;

}  // namespace

std::string Tutorial::toString(int key) {
    return key > UNDEFINED && key < END ? NAMES[key] : NAMES[UNDEFINED];
}

Tutorial::_enum Tutorial::fromString(const std::string& name) {
    for (int key = UNDEFINED + 1; key < END; ++key) {
        if (name == NAMES[key]) {
            return static_cast<_enum>(key);
        }
    }
    return UNDEFINED;
}

Tutorial::Tutorial(TiXmlElement* element) : m_element(element) {}

Tutorial::~Tutorial() {
    // The manager closes its tutorials before it lets them go; this only
    // keeps a stray window from outliving its tutorial.
    removeWindow();
}

int Tutorial::getKey() const {
    return fromString(xml::getAttributeString(m_element, "id", false));
}

bool Tutorial::isShown() const {
    return m_window && m_window->isVisible();
}

void Tutorial::run() {
    if (!m_element) {
        return;
    }
    // Asked for again while open (a forced chain, the notice board): it
    // starts over on top.
    close();
    TutorialManager::instance()->opening(this);
    m_window = std::make_unique<GuiWindow>(m_element, true, nullptr);
    m_confirm = m_window->findChild("confirmButton");
    if (!m_confirm) {
        // Without its button the window itself closes the tutorial, or it
        // would hold the pointer for good.
        Log::warning("Tutorial::run") << "tutorial " << getKey() << " has no confirmButton";
        m_confirm = m_window.get();
    }
    m_hasBeenRun = true;
    show();
}

void Tutorial::show() {
    if (!m_window) {
        return;
    }
    m_window->setVisible(true);
    const float depth = ZDepth::getZ("tutorials");
    m_window->setDepth(depth);
    if (MainGui::exists()) {
        MainGui::instance()->setTutorialWindow(m_window.get());
    }
    InteractionalObject::getCursor()->setFocusObject(m_window.get());
    enableConfirm(false);
    m_seconds = 0.0f;
    InfoManager* info = InfoManager::instance();
    info->showOverlay(depth);
    TutorialManager* manager = TutorialManager::instance();
    manager->m_overlayDepth = info->getOverlayDepth();
    manager->m_overlayBelow = depth - manager->m_overlayDepth;
}

void Tutorial::hide() {
    if (!m_window) {
        return;
    }
    m_window->setVisible(false);
    FiscoraCursor::releaseFocus(m_window.get());
}

void Tutorial::enableConfirm(bool enabled) {
    m_confirmEnabled = enabled;
    if (!m_confirm) {
        return;
    }
    if (m_confirm != m_window.get()) {
        m_confirm->setNormalColor(enabled ? NORMAL_COLOR : DIMMED_COLOR);
        m_confirm->setColor(m_confirm->getNormalColor());
    }
    m_confirm->setActive(enabled, false);
}

void Tutorial::update(float dt) {
    if (!isShown()) {
        return;
    }
    m_seconds += dt;
    if (!m_confirmEnabled) {
        if (m_seconds > ConstantManager::instance()->getFloat("tutorialForceDelay")) {
            enableConfirm(true);
        }
    } else if (m_confirm->isClicked()) {
        finish();
    }
}

void Tutorial::finish() {
    Log::debug("Tutorial::finish") << "tutorial " << getKey() << " done";
    TutorialManager* manager = TutorialManager::instance();
    removeWindow();
    manager->closed(this, false);
    if (const TiXmlElement* trigger = m_element->FirstChildElement("whenDoneTrigger")) {
        const int next = fromString(xml::getAttributeString(trigger, "id"));
        if (xml::getAttributeBool(trigger, "force")) {
            manager->runTutorial(next);
        } else {
            manager->runIfHasntBeenRun(next);
        }
    }
    manager->resumeTop();
    // The closing click must not reach a piece of furniture below.
    if (StateMachine::instance()->current() == GameState::RoomState::instance()) {
        GameState::RoomState::instance()->restartInputDelay();
    }
}

void Tutorial::close() {
    if (!m_window) {
        return;
    }
    removeWindow();
    TutorialManager::instance()->closed(this);
}

void Tutorial::removeWindow() {
    if (!m_window) {
        return;
    }
    if (MainGui::exists() && MainGui::instance()->getTutorialWindow() == m_window.get()) {
        MainGui::instance()->setTutorialWindow(nullptr);
    }
    FiscoraCursor::releaseFocus(m_window.get());
    m_window.reset();
    m_confirm = nullptr;
    m_confirmEnabled = false;
}
