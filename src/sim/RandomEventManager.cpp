#include "sim/RandomEventManager.h"

#include <physfs.h>

#include <algorithm>
#include <vector>

#include "core/Log.h"
#include "core/SoundPlayer.h"
#include "core/SoundRegistry.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/NewGameState.h"
#include "home/MainGui.h"
#include "home/Room.h"
#include "resource/Randomizer.h"
#include "resource/ResourceManager.h"
#include "sim/Bill.h"
#include "sim/Date.h"
#include "sim/FiscoraFlags.h"
#include "sim/FlagSystem.h"
#include "sim/GuiReportBill.h"
#include "sim/GuiReportEvent.h"
#include "sim/InfoManager.h"
#include "sim/RandomEvent.h"
#include "sim/Theif.h"

namespace {

// Fires from the queue even when it is not ready.
const int ALWAYS_ALLOWED = 35;
const int LOST_JOB = 45;
// The monthly draw's event comes on one of the first 28 days.
const int DRAW_DAYS = 28;

std::vector<unsigned char> readAll(PHYSFS_File* file) {
    const PHYSFS_sint64 size = std::max<PHYSFS_sint64>(PHYSFS_fileLength(file), 0);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    const PHYSFS_sint64 got = size > 0 ? PHYSFS_readBytes(file, bytes.data(), bytes.size()) : 0;
    bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return bytes;
}

std::unique_ptr<RandomEventInterface> makeEvent(const EventRecord* record) {
    switch (record->type) {
        case EventType::BILL:
        case EventType::INCOME:
            return std::make_unique<Bill>(record);
        case EventType::THIEF:
            return std::make_unique<Theif>(record);
        default:
            return std::make_unique<RandomEvent>(record);
    }
}

}  // namespace

RandomEventManager::RandomEventManager() {
    m_lastDay = 0;
    m_lastMonth = 0;
    m_lastYear = 0;
    GuiReportInterface::createStaticData();
}

RandomEventManager::~RandomEventManager() {
    clear();
}

void RandomEventManager::deleteReports() {
    for (GuiReportInterface* report : m_reports) {
        delete report;
    }
    m_reports.clear();
}

void RandomEventManager::clear() {
    // The reports first: they point at the events.
    deleteReports();
    m_queue.clear();
    m_events.clear();
    m_adopted.clear();
    m_records.clear();
}

void RandomEventManager::setDifficulty(const std::string& id) {
    const char* context = "RandomEventManager::setDifficulty";
    Log::info(context) << "setting active period to " << id;
    clear();
    m_gameOver = false;
    PHYSFS_File* file = nullptr;
    resource::Manager::instance()->getRaw("p" + id + "_events.bin", file);
    if (!file) {
        Log::error(context) << "unable to read file, no events created";
        return;
    }
    const std::vector<unsigned char> bytes = readAll(file);
    PHYSFS_close(file);
    // A trailing part shorter than a record is left out.
    for (std::size_t at = 0; at + EventRecord::SIZE <= bytes.size(); at += EventRecord::SIZE) {
        m_records.push_back(std::make_unique<EventRecord>(EventRecord::decode(&bytes[at])));
        const EventRecord* record = m_records.back().get();
        m_events[record->id] = makeEvent(record);
    }
    Log::debug(context) << m_events.size() << " events read";
}

RandomEventInterface* RandomEventManager::findEvent(int id) {
    const char* context = "RandomEventManager::findEvent";
    auto found = m_events.find(id);
    if (found == m_events.end()) {
        Log::warning(context) << "no event with id " << id << " defined";
        return nullptr;
    }
    if (!found->second->getRecord()->enabled) {
        Log::warning(context) << "event with id " << id
                              << " was found, but it is disabled, returning null";
        return nullptr;
    }
    return found->second.get();
}

RandomEventInterface* RandomEventManager::findEventByType(EventType::_enum type) {
    for (const auto& [id, event] : m_events) {
        if (event->getType() == type) {
            return event.get();
        }
    }
    Log::warning("RandomEventManager::findEvent")
        << "found no event with type " << EventType::toString(type);
    return nullptr;
}

RandomEventInterface* RandomEventManager::adopt(std::unique_ptr<RandomEventInterface> event) {
    m_adopted.push_back(std::move(event));
    return m_adopted.back().get();
}

void RandomEventManager::queueEvent(RandomEventInterface* event, int months, int days) {
    const char* context = "RandomEventManager::queueEvent";
    if (!event) {
        Log::error(context) << "got null event, skipping adding to queue";
        return;
    }
    if (!event->isReady()) {
        Log::warning(context)
            << "the desired event reported itself as not ready, skipping adding to queue";
        return;
    }
    m_queue.push_back({months, days, event});
    Log::debug(context) << "event " << event->getId() << " queued, months " << months << " days "
                        << days;
}

void RandomEventManager::triggerEvent(RandomEventInterface* event) {
    if (!event) {
        return;
    }
    if (event->getId() != ALWAYS_ALLOWED && !event->isReady()) {
        Log::warning("RandomEventManager::triggerEvent")
            << "an event tried to trigger without being ready";
        return;
    }
    SoundPlayer::instance()->play(SoundKey::EventIconPopup);
    event->trigger();
    const int slot = static_cast<int>(m_reports.size());
    const EventType::_enum type = event->getType();
    if (type == EventType::BILL || type == EventType::INCOME) {
        m_reports.push_back(new GuiReportBill(event, slot));
    } else {
        m_reports.push_back(new GuiReportEvent(event, slot));
    }
    Log::debug("RandomEventManager::triggerEvent")
        << "event " << event->getId() << " triggered, report in slot " << slot;
    refreshIcons();
}

int32_t RandomEventManager::getTotalWeight() const {
    int64_t total = 0;
    for (const auto& [id, event] : m_events) {
        if (event->isReady()) {
            total += std::max(event->getRecord()->weight, 0);
        }
    }
    return static_cast<int32_t>(std::min<int64_t>(total, INT32_MAX));
}

RandomEventInterface* RandomEventManager::pickByWeight(int32_t r) const {
    for (const auto& [id, event] : m_events) {
        if (!event->isReady()) {
            continue;
        }
        const int32_t weight = std::max(event->getRecord()->weight, 0);
        if (r < weight) {
            return event.get();
        }
        r -= weight;
    }
    return nullptr;
}

void RandomEventManager::addRandomEventToQueue() {
    const int32_t total = getTotalWeight();
    if (total == 0) {
        Log::warning("RandomEventManager::addRandomEventToQueue") << "total is 0";
        return;
    }
    RandomEventInterface* chosen = pickByWeight(Randomizer::getInt(RandomStream::EVENTS, 0, total));
    const int32_t day = Randomizer::getInt(RandomStream::DAYS, 0, DRAW_DAYS);
    Log::debug("RandomEventManager::addRandomEventToQueue")
        << "drew event " << (chosen ? chosen->getId() : 0) << " for day " << day;
    queueEvent(chosen, 0, day);
}

void RandomEventManager::newMonth() {
    deleteReports();
    for (const auto& [id, event] : m_events) {
        event->newMonth();
    }
    for (QueueEntry& entry : m_queue) {
        --entry.months;
    }
    addRandomEventToQueue();
}

void RandomEventManager::dayChanged(const Date& date) {
    std::vector<RandomEventInterface*> due;
    for (auto entry = m_queue.begin(); entry != m_queue.end();) {
        --entry->days;
        if (entry->months <= 0 && entry->days <= 0) {
            due.push_back(entry->event);
            entry = m_queue.erase(entry);
        } else {
            ++entry;
        }
    }
    for (RandomEventInterface* event : due) {
        triggerEvent(event);
    }
    // The dated bills and incomes.
    std::vector<RandomEventInterface*> dated;
    for (const auto& [id, event] : m_events) {
        const EventRecord* record = event->getRecord();
        if (record->day == date.day && (record->month == 0 || record->month == date.monthIndex()) &&
            event->isReady()) {
            dated.push_back(event.get());
        }
    }
    for (RandomEventInterface* event : dated) {
        triggerEvent(event);
    }
}

void RandomEventManager::monthChanged(const Date&) {
    for (auto entry = m_queue.begin(); entry != m_queue.end();) {
        if (!entry->event->isTransient()) {
            --entry->months;
            ++entry;
            continue;
        }
        RandomEventInterface* event = entry->event;
        entry = m_queue.erase(entry);
        // Only what was made while playing is deleted; the table keeps its own.
        m_adopted.erase(std::remove_if(m_adopted.begin(), m_adopted.end(),
                                       [event](const auto& made) { return made.get() == event; }),
                        m_adopted.end());
    }
}

void RandomEventManager::update(float) {
    poll();
    for (auto report = m_reports.begin(); report != m_reports.end();) {
        if ((*report)->isDone()) {
            delete *report;
            report = m_reports.erase(report);
        } else {
            ++report;
        }
    }
    collectAdopted();
    if (m_gameOver) {
        InfoManager* info = InfoManager::instance();
        if (!info->isOpen() || info->getCurrentName() != "gameover") {
            endLostGame();
        }
    }
}

void RandomEventManager::collectAdopted() {
    auto unused = [this](const std::unique_ptr<RandomEventInterface>& made) {
        const RandomEventInterface* event = made.get();
        const bool queued = std::any_of(m_queue.begin(), m_queue.end(), [event](const auto& entry) {
            return entry.event == event;
        });
        const bool reported = std::any_of(
            m_reports.begin(), m_reports.end(),
            [event](const GuiReportInterface* report) { return report->getEvent() == event; });
        return !queued && !reported;
    };
    m_adopted.erase(std::remove_if(m_adopted.begin(), m_adopted.end(), unused), m_adopted.end());
}

void RandomEventManager::endLostGame() {
    m_gameOver = false;
    Log::info("RandomEventManager::update") << "the debts could not be paid, the game is lost";
    deleteReports();
    m_queue.clear();
    collectAdopted();
    if (MainGui::exists()) {
        MainGui::instance()->endGame(GameState::NewGameState::instance());
    }
}

void RandomEventManager::lostJobCheck() {
    FlagSystem* flags = FlagSystem::instance();
    auto threeMonths = [flags](FiscoraFlags::_enum flag) {
        return flags->isRaised(flag) && flags->monthCounter(flag) == 3;
    };
    const bool hygiene = DifficultyLevel::value() == 3 && threeMonths(FiscoraFlags::LOWHYGIENE);
    if (hygiene || threeMonths(FiscoraFlags::LOWAPPEARANCE)) {
        Log::debug("turn") << "Trigger lost job event";
        queueEvent(findEvent(LOST_JOB), 1, 0);
        flags->lower(FiscoraFlags::LONA);
        flags->lower(FiscoraFlags::LONB);
    } else {
        Log::debug("turn") << "Did not trigger lost job event";
    }
}

void RandomEventManager::refreshIcons() {
    const bool inFlat = Room::exists() && Room::instance()->getBackground()->isVisible();
    for (GuiReportInterface* report : m_reports) {
        report->setVisible(inFlat);
        report->setActive(inFlat, false);
    }
}
