#pragma once
#include <cstdint>

#include "sim/RandomEventInterface.h"

// The debt collector, sent by a bill refused after its last reminder. It
// takes the debt and its fee from the cash, the savings, the funds, the
// stocks and the furniture, in that order; a debt larger than all of it ends
// the game.
class Collector : public RandomEventInterface {
public:
    // `debt` is the unpaid amount (negative, as bills are).
    Collector(const EventRecord* record, int32_t debt);

    void trigger() override {}
    // Takes what is owed.
    void accept() override;
    void reject() override {}
    bool isReady() const override { return true; }
    void newMonth() override {}
    int32_t getValue() const override { return 0; }
    int32_t getBaseValue() const override { return 0; }

    int32_t getDebt() const { return m_debt; }
    // What the collector takes: its fee plus the debt.
    int64_t getOwed() const { return FEE - static_cast<int64_t>(m_debt); }

    static constexpr int32_t FEE = 600;

private:
    int32_t m_debt = 0;
};
