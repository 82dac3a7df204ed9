#include "home/NoticeBoardGui.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "core/Sprite.h"
#include "core/StateMachine.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/RoomState.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "gui/GuiController.h"
#include "gui/GuiWindow.h"
#include "home/NoticeboardHelp.h"
#include "resource/ConstantManager.h"
#include "resource/XmlReader.h"
#include "sim/AchievementManager.h"
#include "sim/InfoManager.h"
#include "sim/TutorialManager.h"

namespace {

const char* const EXIT_BUTTON = "Exit Button";
const char* const HELP_BUTTON = "Help";
const char* const BOARD_BUTTON = "Achiev";
const char* const BOARD_TEXT = "Board Text";

// Achievements exist at the highest level only; below it the board is locked.
const int BOARD_LEVEL = 3;
const int ACHIEVEMENT_COUNT = 9;
const hgeVector ICON_SIZE(190, 120);
// The first icon, from the window's corner; every row starts at this x.
const hgeVector FIRST_ICON(20, 80);
// Icons lie on the window face, above its pictures and buttons.
const float ICONS_ABOVE_WINDOW = 0.01f;
// "Locked" comes over the board and under the tutorials.
const float MESSAGE_ABOVE_WINDOW = 0.1f;
const hgeVector INFO_POSITION(150, 70);

std::string iconName(int index, const char* state) {
    return "achievement_" + std::to_string(index) + "_" + state + ".png";
}

std::unique_ptr<Sprite> makeIcon(const std::string& image, const hgeVector& position, float depth) {
    auto icon = std::make_unique<Sprite>(image, ICON_SIZE);
    icon->setHotSpot(0, 0);
    icon->setMovesWithCam(true);
    icon->setPosition(position);
    icon->setZ(depth);
    icon->setVisible(false);
    return icon;
}

}  // namespace

void NoticeBoardGui::AchievementBoard::show(bool shown) {
    m_shown = shown;
    for (auto& [index, record] : m_records) {
        if (record.earned) {
            record.earned->setVisible(shown && record.isEarned);
        }
        if (record.unearned) {
            record.unearned->setVisible(shown && !record.isEarned);
        }
    }
}

bool NoticeBoardGui::AchievementBoard::markEarned(int index) {
    auto found = m_records.find(index);
    if (found == m_records.end()) {
        return false;
    }
    found->second.isEarned = true;
    show(m_shown);
    return true;
}

NoticeBoardGui::NoticeBoardGui() {
    // Closed until the flat's notice board is clicked.
    m_active = false;
}

NoticeBoardGui::~NoticeBoardGui() {
    if (m_window && m_active) {
        FiscoraCursor::releaseFocus(m_window.get());
        if (InfoManager::exists()) {
            InfoManager::instance()->hideOverlay();
        }
    }
    // The help page holds buttons of the window: it goes first.
    m_help.reset();
}

void NoticeBoardGui::create() {
    const char* context = "NoticeBoardGui::create";
    XmlReader gui("gui.xml");
    TiXmlElement* record =
        gui.getRootElement() ? gui.getRootChildElement("gui", "guiId", "noticeBoard") : nullptr;
    if (!record) {
        Log::error(context) << "got null element";
        return;
    }
    m_window = std::make_unique<GuiWindow>(record, true, nullptr);
    for (GuiBase* child : m_window->getController()->getChildren()) {
        auto* button = dynamic_cast<GuiButton*>(child);
        if (!button) {
            continue;
        }
        if (button->getName() == EXIT_BUTTON) {
            m_exitButton = button;
        } else {
            m_pageButtons.push_back(button);
        }
    }
    m_boardText = m_window->findChild(BOARD_TEXT);

    // An achievement completed before the board was first opened shows earned.
    const hgeVector corner = m_window->getPosition();
    const float right = corner.x + m_window->getSize().x;
    const float depth = m_window->getDepth() + ICONS_ABOVE_WINDOW;
    hgeVector at = corner + FIRST_ICON;
    AchievementManager* achievements = AchievementManager::instance();
    for (int index = 0; index < ACHIEVEMENT_COUNT; ++index) {
        const Achievement* achievement = achievements->getAchievement(index);
        if (!achievement) {
            continue;
        }
        if (at.x + ICON_SIZE.x > right) {
            at = hgeVector(corner.x + FIRST_ICON.x, at.y + ICON_SIZE.y);
        }
        AchievementBoard::Record& entry = m_board.records()[index];
        entry.index = index;
        entry.earned = makeIcon(iconName(index, "unlocked"), at, depth);
        entry.unearned = makeIcon(iconName(index, "locked"), at, depth);
        entry.isEarned = achievement->isCompleted();
        at.x += ICON_SIZE.x;
    }

    m_help = std::make_unique<NoticeboardHelp>(m_window.get());
    m_board.show(false);
    showWindow(m_active);
    m_time = 0.0f;
    m_entering = true;
    m_help->setBlocked(true);
}

void NoticeBoardGui::setActive(bool active) {
    const bool wasOpen = m_active && m_window;
    m_active = active;
    if (!m_window) {
        create();
    }
    if (!m_window) {
        Log::error("NoticeBoardGui::setActive") << "failed creating window";
        m_active = false;
        return;
    }
    showWindow(active);
    if (!active && wasOpen && DifficultyLevel::value() == 1) {
        TutorialManager::instance()->runIfHasntBeenRun(Tutorial::NOTICEBOARD);
    }
    m_time = 0.0f;
    m_entering = true;
    m_help->setBlocked(true);
}

void NoticeBoardGui::showWindow(bool open) {
    m_window->setVisible(open);
    if (open) {
        showPage(true);
        InteractionalObject::getCursor()->setFocusObject(m_window.get());
        InfoManager::instance()->showOverlay(m_window->getDepth());
        return;
    }
    m_help->show(false);
    m_board.show(false);
    if (FiscoraCursor::live() && FiscoraCursor::live()->getFocusObject() == m_window.get()) {
        FiscoraCursor::releaseFocus(m_window.get());
        InfoManager::instance()->hideOverlay();
    }
}

void NoticeBoardGui::showPage(bool help) {
    m_help->show(help);
    m_board.show(!help);
    if (m_boardText) {
        m_boardText->setVisible(!help);
    }
}

void NoticeBoardGui::showLocked() {
    InfoManager* info = InfoManager::instance();
    info->show("Locked", InfoManager::MESSAGE, INFO_POSITION, hgeVector(0, 0));
    if (GuiWindow* window = info->getWindow()) {
        const float depth = m_window->getDepth() + MESSAGE_ABOVE_WINDOW;
        window->setDepth(depth);
        info->showOverlay(depth);
    }
}

void NoticeBoardGui::reclaimPointer() {
    FiscoraCursor* cursor = InteractionalObject::getCursor();
    if (!cursor->getFocusObject()) {
        cursor->setFocusObject(m_window.get());
        InfoManager::instance()->showOverlay(m_window->getDepth());
    }
}

void NoticeBoardGui::update(float dt) {
    if (!m_active || !m_window) {
        return;
    }
    // The board hangs in the flat: when the game leaves the flat under it
    // (the game is over), it closes without asking for its tutorial.
    if (StateMachine::instance()->current() != GameState::RoomState::instance()) {
        m_active = false;
        showWindow(false);
        return;
    }
    reclaimPointer();
    m_time += dt;
    if (m_entering) {
        if (m_time <= ConstantManager::instance()->getFloat("enterRoomDelay")) {
            return;
        }
        m_entering = false;
        m_help->setBlocked(false);
    }
    for (GuiButton* button : m_pageButtons) {
        if (!button->isClicked()) {
            continue;
        }
        if (button->getName() == HELP_BUTTON) {
            showPage(true);
        } else if (button->getName() == BOARD_BUTTON) {
            if (DifficultyLevel::value() < BOARD_LEVEL) {
                showLocked();
                return;
            }
            showPage(false);
        }
    }
    if (m_exitButton && m_exitButton->isClicked()) {
        setActive(false);
    }
}
