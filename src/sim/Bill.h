#pragma once
#include <cstdint>
#include <vector>

#include "sim/RandomEventInterface.h"

// A bill or an income of a fixed day. A refused bill comes back the next
// month as a reminder with one more fee ("fiscoraConstants.xml", `bill`),
// three times; the fourth refusal sends the debt collector.
class Bill : public RandomEventInterface {
public:
    // `state` 0 is the bill itself, 1..3 its reminders.
    explicit Bill(const EventRecord* record, int32_t state = 0, int32_t baseValue = 0);

    // The bill itself fixes its amount; a reminder keeps the bill's.
    void trigger() override;
    // Pays the bill (or receives the income).
    void accept() override;
    // Queues the next reminder or the collector.
    void reject() override;
    bool isReady() const override;
    void newMonth() override {}
    // The base amount with the fees of the reminders so far.
    int32_t getValue() const override;
    int32_t getBaseValue() const override { return m_baseValue; }
    int32_t getState() const override { return m_state; }

    const std::vector<int32_t>& getFees() const { return m_fees; }

    static constexpr int32_t LAST_REMINDER = 3;

private:
    int32_t m_baseValue = 0;
    int32_t m_state = 0;
    std::vector<int32_t> m_fees;
};
