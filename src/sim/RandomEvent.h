#pragma once
#include <cstdint>

#include "sim/RandomEventInterface.h"

// Most events: an amount fixed when the event fires (a range in hundreds of
// kronor), follow-ups queued by the answer, and a cooldown in months during
// which the event cannot fire again.
class RandomEvent : public RandomEventInterface {
public:
    explicit RandomEvent(const EventRecord* record);

    void trigger() override;
    void accept() override;
    void reject() override;
    bool isReady() const override;
    // Counts the cooldown down.
    void newMonth() override;
    int32_t getValue() const override { return m_amount; }
    int32_t getBaseValue() const override { return m_amount; }

    int32_t getCooldownLeft() const { return m_cooldownLeft; }

    // Enabled, the required flag raised (or none) and the excluding flag
    // lowered (or none): what every kind of event needs to be ready.
    static bool flagsAllow(const EventRecord* record);

protected:
    // Queues the event `id` (nothing for 0) after `months`, on this record's day.
    void queueFollowUp(int32_t id, int32_t months) const;

    int32_t m_cooldownLeft = 0;
    int32_t m_amount = 0;
};
