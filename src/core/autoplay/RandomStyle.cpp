#include "core/autoplay/RandomStyle.h"

#include <algorithm>
#include <iterator>

#include "core/Log.h"
#include "core/StateMachine.h"
#include "core/autoplay/Hand.h"
#include "core/autoplay/Screen.h"
#include "core/states/MenuState.h"
#include "engine/KeyMap.h"
#include "engine/hge.h"
#include "gui/GuiBase.h"
#include "gui/GuiWindow.h"
#include "sim/InfoManager.h"

namespace autoplay {

namespace {

// Escape is left out: it ends the program at once.
const int KEYS[] = {HGEK_ENTER, HGEK_BACKSPACE, HGEK_SPACE, HGEK_TAB, HGEK_A,
                    HGEK_E,     HGEK_S,         HGEK_Z,     HGEK_0};
// The menu's question whose yes ends the program.
const char* const QUIT_QUESTION = "Exit Button";

bool asked() {
    const InfoManager* info = InfoManager::exists() ? InfoManager::instance() : nullptr;
    return info && info->isOpen() && info->getCurrentName() == QUIT_QUESTION;
}

// The quit question is open, or a press would open it: a held pointer that
// passes over its yes presses it, so no drag then.
bool quitting(GuiBase* from) {
    return asked() ||
           (from && StateMachine::instance()->current() == GameState::MenuState::instance() &&
            from == GameState::MenuState::instance()->getQuitEntry());
}

// Everything on screen but the yes that would end the program.
std::vector<GuiBase*> candidates() {
    std::vector<GuiBase*> widgets = Screen::reachable();
    const InfoManager* info = InfoManager::exists() ? InfoManager::instance() : nullptr;
    if (asked()) {
        GuiBase* yes = info->getWindow() ? info->getWindow()->findChild("confirmButton") : nullptr;
        widgets.erase(std::remove(widgets.begin(), widgets.end(), yes), widgets.end());
    }
    return widgets;
}
const int SCREEN_WIDTH = 800;
const int SCREEN_HEIGHT = 600;

}  // namespace

RandomStyle::RandomStyle(unsigned int seed) : m_random(seed) {}

int RandomStyle::roll(int below) {
    return below > 0 ? std::uniform_int_distribution<int>(0, below - 1)(m_random) : 0;
}

void RandomStyle::decide(Hand& hand) {
    const std::vector<GuiBase*> widgets = candidates();
    // With the quit question open only its other buttons are pressed: a
    // random click or Enter could say yes.
    const bool asking = asked();
    const int choice = asking ? 0 : roll(100);
    GuiBase* widget =
        widgets.empty() ? nullptr
                        : widgets[static_cast<std::size_t>(roll(static_cast<int>(widgets.size())))];
    float x = 0;
    float y = 0;
    if (asking && !widget) {
        hand.wait(1);
        return;
    }
    if (choice < 60 && Screen::centre(widget, x, y)) {
        Log::info("Autoplay") << "clicks " << widget->getName();
        hand.clickAt(x, y);
    } else if (choice < 75 && !quitting(widget) && Screen::centre(widget, x, y)) {
        const float toX = static_cast<float>(roll(SCREEN_WIDTH));
        const float toY = static_cast<float>(roll(SCREEN_HEIGHT));
        Log::info("Autoplay") << "drags " << (widget->getName().empty() ? "?" : widget->getName())
                              << " to " << toX << ", " << toY;
        hand.drag(x, y, toX, toY);
    } else if (choice < 90) {
        const int key = KEYS[roll(static_cast<int>(std::size(KEYS)))];
        Log::info("Autoplay") << "presses " << engine::virtualKeyName(key);
        hand.key(key);
    } else {
        x = static_cast<float>(roll(SCREEN_WIDTH));
        y = static_cast<float>(roll(SCREEN_HEIGHT));
        Log::info("Autoplay") << "clicks at " << x << ", " << y;
        hand.clickAt(x, y);
    }
    hand.wait(roll(8));
}

}  // namespace autoplay
