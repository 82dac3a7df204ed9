#pragma once

#include "engine/hgevector.h"

class FurnitureBase;
class InteractionalObject;

namespace autoplay {

class Hand;

// Puts the flat's red (blocked) furniture, such as a piece just bought, on a
// free spot by dragging it there; each try of the same piece takes the next
// free spot, in case the one before did not take. A red piece that finds no
// spot (the flat is full) is sold through its sell button, as a player would,
// since the month cannot be played while it stands red.
class Placer {
public:
    // Drags one blocked piece; false when none is blocked.
    bool act(Hand& hand);
    // Drags away a piece that stands in front of `target` (the door, say);
    // false when nothing covers it.
    bool uncover(Hand& hand, InteractionalObject* target);

    // A grid position where `piece` would stand on free dots only, skipping
    // the first `skip` of them; false when there is none.
    static bool freeSpot(const FurnitureBase* piece, int skip, hgeVector& spot);

private:
    bool moveAway(Hand& hand, FurnitureBase* piece);
    bool sell(Hand& hand, FurnitureBase* piece);

    const FurnitureBase* m_piece = nullptr;
    int m_tries = 0;
    int m_sellTries = 0;
};

}  // namespace autoplay
