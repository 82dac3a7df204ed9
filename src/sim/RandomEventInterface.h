#pragma once
#include <cstdint>

#include "sim/EventRecord.h"

// An event the player meets: a random event, the burglary, a bill or an
// income (with its reminders) or the debt collector. Objects made from the
// event table share its records; objects made while playing (reminders,
// collectors) share the record of the event they stem from.
class RandomEventInterface {
public:
    explicit RandomEventInterface(const EventRecord* record) : m_record(record) {}
    virtual ~RandomEventInterface() = default;

    // Fixes the amount of this occurrence.
    virtual void trigger() = 0;
    // The event's own effects of the player's yes (follow-ups, a bill's
    // payment) and no (follow-ups, a reminder, the collector).
    virtual void accept() = 0;
    virtual void reject() = 0;
    virtual bool isReady() const = 0;
    // Monthly housekeeping (cooldowns).
    virtual void newMonth() = 0;
    // The amount of this occurrence: kronor, negative when the player pays.
    virtual int32_t getValue() const = 0;
    // A bill's base amount; the amount otherwise.
    virtual int32_t getBaseValue() const = 0;
    // A bill's reminder state 0..3; 0 for everything else.
    virtual int32_t getState() const { return 0; }

    const EventRecord* getRecord() const { return m_record; }
    int getId() const { return m_record ? m_record->id : 0; }
    EventType::_enum getType() const;
    // Made while playing: the queue may discard it at a month change.
    bool isTransient() const { return m_transient; }
    void setTransient(bool transient) { m_transient = transient; }

protected:
    bool m_transient = false;
    const EventRecord* m_record = nullptr;
};
