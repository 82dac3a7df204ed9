#pragma once

#include "sim/RandomEvent.h"

// The burglary: without home insurance the thief takes a piece of furniture
// whatever the answer; with it, the insurance's follow-up comes instead.
class Theif : public RandomEvent {
public:
    using RandomEvent::RandomEvent;

    void accept() override;
    void reject() override;

private:
    void stealFurniture() const;
};
