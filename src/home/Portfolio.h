#pragma once

#include <cstdint>
#include <string>

#include "core/Singleton.h"

// The player's cash in whole kronor. Every change goes through changeCash,
// which writes one debug line "cash <old> -> <new>: <reason>", so that the
// log accounts for every krona. The stocks and funds the player holds join
// it with the investments.
class Portfolio : public Singleton<Portfolio> {
    friend class Singleton<Portfolio>;

public:
    int32_t getCash() const { return m_cash; }
    // Sets the cash outright, as a new game does.
    void setCash(int32_t cash, const std::string& reason = "new game");
    // Adds `delta` (negative to pay); the sum stays within 32 bits.
    void changeCash(int64_t delta, const std::string& reason);

private:
    Portfolio() = default;

    int32_t m_cash = 0;
};
