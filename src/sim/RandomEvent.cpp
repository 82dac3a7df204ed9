#include "sim/RandomEvent.h"

#include "core/states/DifficultyLevel.h"
#include "resource/Randomizer.h"
#include "sim/FiscoraFlags.h"
#include "sim/FlagSystem.h"
#include "sim/RandomEventManager.h"

namespace {

// The student's extra job offer of the hardest level needs a salary to lose.
const int32_t JOB_EVENT = 43;

// A number that names no flag (a damaged table) is never raised.
bool raised(int32_t flag) {
    return flag > FiscoraFlags::UNDEFINED && flag <= FiscoraFlags::END &&
           FlagSystem::instance()->isRaised(static_cast<FiscoraFlags::_enum>(flag));
}

}  // namespace

EventType::_enum RandomEventInterface::getType() const {
    if (!m_record || m_record->type < 0 || m_record->type >= EventType::COUNT) {
        return EventType::UNDEFINED;
    }
    return static_cast<EventType::_enum>(m_record->type);
}

RandomEvent::RandomEvent(const EventRecord* record) : RandomEventInterface(record) {
    Randomizer::seed();
}

bool RandomEvent::flagsAllow(const EventRecord* record) {
    return record && record->enabled &&
           (record->requiredFlag == 0 || raised(record->requiredFlag)) &&
           (record->excludingFlag == 0 || !raised(record->excludingFlag));
}

bool RandomEvent::isReady() const {
    if (m_cooldownLeft != 0 || !flagsAllow(m_record)) {
        return false;
    }
    if (m_record->id == JOB_EVENT && DifficultyLevel::value() == 3) {
        return raised(FiscoraFlags::LONA) || raised(FiscoraFlags::LONB);
    }
    return true;
}

void RandomEvent::trigger() {
    m_cooldownLeft = m_record->cooldown;
    if (m_record->maxValue == 0) {
        m_amount = m_record->value;
    } else {
        // Whole hundreds: the player meets round sums.
        m_amount = 100 * Randomizer::getInt(RandomStream::AMOUNTS, m_record->value / 100,
                                            m_record->maxValue / 100, m_record->id);
    }
}

void RandomEvent::accept() {
    queueFollowUp(m_record->acceptId, m_record->acceptDelay);
}

void RandomEvent::reject() {
    queueFollowUp(m_record->rejectId, m_record->rejectDelay);
}

void RandomEvent::newMonth() {
    if (m_cooldownLeft > 0) {
        --m_cooldownLeft;
    }
}

void RandomEvent::queueFollowUp(int32_t id, int32_t months) const {
    if (id == 0) {
        return;
    }
    RandomEventManager* manager = RandomEventManager::instance();
    manager->queueEvent(manager->findEvent(id), months, m_record->day);
}
