#include "core/autoplay/Placer.h"

#include "core/Log.h"
#include "core/autoplay/Hand.h"
#include "core/autoplay/Screen.h"
#include "core/states/RoomState.h"
#include "engine/hgerect.h"
#include "gui/GuiButtonFading.h"
#include "gui/GuiWindow.h"
#include "home/Dot.h"
#include "home/FurnitureBase.h"
#include "home/FurnitureGui.h"
#include "home/IsometricGrid.h"
#include "home/Room.h"

namespace autoplay {

namespace {

// A piece that finds no place after this many drags is left red.
const int MOST_TRIES = 12;
// Looks at a red piece's sell button and window before giving up on it.
const int MOST_SELL_TRIES = 30;

}  // namespace

bool Placer::freeSpot(const FurnitureBase* piece, int skip, hgeVector& spot) {
    const IsometricGrid* grid = piece ? piece->getGrid() : nullptr;
    const std::vector<hgeVector>& mask = piece ? piece->getMask() : std::vector<hgeVector>();
    if (!grid || mask.size() != 4) {
        return false;
    }
    for (const Dot* dot : grid->getDots()) {
        const hgeVector at(dot->getX(), dot->getY());
        bool free = true;
        for (float x = mask[0].x; free && x <= mask[2].x; x += 1.0f) {
            for (float y = mask[0].y; free && y <= mask[2].y; y += 1.0f) {
                const Dot* under = grid->findDot(hgeVector(at.x + x, at.y + y));
                free = under && under->isFree();
            }
        }
        if (free && skip-- <= 0) {
            spot = at;
            return true;
        }
    }
    return false;
}

bool Placer::act(Hand& hand) {
    if (!Room::exists()) {
        return false;
    }
    FurnitureBase* blocked = nullptr;
    for (FurnitureBase* piece : Room::instance()->getFurniture()) {
        if (piece->isBlocked() && !piece->isHeld()) {
            blocked = piece;
            break;
        }
    }
    if (!blocked) {
        return false;
    }
    return moveAway(hand, blocked) || sell(hand, blocked);
}

bool Placer::sell(Hand& hand, FurnitureBase* piece) {
    if (GameState::RoomState::instance()->isInputDelayed() || ++m_sellTries > MOST_SELL_TRIES) {
        return false;
    }
    FurnitureGui* buttons = piece->getButtons();
    if (GuiWindow* window = buttons ? buttons->getSellWindow() : nullptr) {
        if (hand.click(Screen::child(window, "confirmButton"))) {
            Log::info("Autoplay") << "sells " << piece->getName()
                                  << ", the flat has no room for it";
            return true;
        }
    }
    if (buttons && buttons->hasButtons() && hand.click(buttons->getSellButton())) {
        return true;
    }
    // The buttons show while the pointer is on the piece.
    float x = 0;
    float y = 0;
    if (!Screen::centre(piece, x, y)) {
        return false;
    }
    hand.move(x, y);
    hand.wait(Hand::PAUSE * 10);
    return true;
}

bool Placer::uncover(Hand& hand, InteractionalObject* target) {
    auto* piece = dynamic_cast<FurnitureBase*>(Screen::hit(target));
    if (!piece) {
        return false;
    }
    return moveAway(hand, piece);
}

bool Placer::moveAway(Hand& hand, FurnitureBase* blocked) {
    // Right after a window or the door the flat ignores the pointer a while.
    if (GameState::RoomState::instance()->isInputDelayed()) {
        return true;
    }
    if (blocked != m_piece) {
        m_piece = blocked;
        m_tries = 0;
        m_sellTries = 0;
    }
    hgeVector spot;
    float x = 0;
    float y = 0;
    if (++m_tries > MOST_TRIES || !freeSpot(blocked, m_tries - 1, spot) ||
        !Screen::centre(blocked, x, y)) {
        return false;
    }
    // The piece follows the pointer with its sprite's middle over it.
    hgeRect box;
    blocked->getBoundingBox(box);
    const hgeVector to = blocked->getGrid()->gridToScreen(spot, true);
    Log::info("Autoplay") << "moves " << blocked->getName()
                          << (blocked->isBlocked() ? " (red)" : " (in the way)") << " to " << spot.x
                          << "," << spot.y;
    hand.drag(x, y, to.x + (box.x2 - box.x1) * 0.5f, to.y);
    return true;
}

}  // namespace autoplay
