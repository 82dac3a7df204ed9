#pragma once
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Logic.h"
#include "core/Singleton.h"
#include "sim/EventRecord.h"
#include "sim/TimeListener.h"

class GuiReportInterface;
class RandomEventInterface;

// Everything that happens to the player during a month: the level's event
// table, the queue of events waiting for their day, the monthly random draw,
// the dated incomes and bills, and the open reports. A new game makes a new
// manager.
class RandomEventManager : public Singleton<RandomEventManager>, public TimeListener, public Logic {
    friend class Singleton<RandomEventManager>;

public:
    struct QueueEntry {
        int32_t months = 0;
        int32_t days = 0;
        RandomEventInterface* event = nullptr;
    };

    // Reads "p" + id + "_events.bin" into the table, dropping the old table,
    // the queue and the open reports.
    void setDifficulty(const std::string& id);
    // Null (with a warning) for an unknown or disabled id.
    RandomEventInterface* findEvent(int id);
    // The first event of `type` in id order (the collector), or null.
    RandomEventInterface* findEventByType(EventType::_enum type);
    void queueEvent(RandomEventInterface* event, int months, int days);
    // Opens the event's report (an event that is not ready only with id 35).
    void triggerEvent(RandomEventInterface* event);
    // The monthly draw by weight.
    void addRandomEventToQueue();
    // The sum of the weights of the ready events.
    int32_t getTotalWeight() const;
    // The ready event that a draw of `r` (0 <= r < total weight) picks:
    // each takes as many values of r as its weight, in id order.
    RandomEventInterface* pickByWeight(int32_t r) const;
    // The start of a month (Play): reports closed, cooldowns, queue, draw.
    void newMonth();
    void dayChanged(const Date& date) override;
    void monthChanged(const Date& date) override;
    // Polls the calendar and deletes the answered reports.
    void update(float dt) override;

    // Takes an event made while playing (a reminder, a collector); the
    // manager deletes it when the queue discards it or the game ends.
    RandomEventInterface* adopt(std::unique_ptr<RandomEventInterface> event);
    // The lost-job rule of Play: event 45 and no salary after three months
    // in a row of too few clothes (or, at level 3, of too little hygiene).
    void lostJobCheck();
    // Report icons show in the flat only.
    void refreshIcons();
    // The collector could not take the whole debt: the game ends when the
    // player closes the "gameover" message.
    void setGameOver() { m_gameOver = true; }
    bool isGameOver() const { return m_gameOver; }

    std::size_t getOpenReportCount() const { return m_reports.size(); }
    const std::vector<GuiReportInterface*>& getReports() const { return m_reports; }
    const std::map<int, std::unique_ptr<RandomEventInterface>>& getEvents() const {
        return m_events;
    }
    const std::list<QueueEntry>& getQueue() const { return m_queue; }

private:
    RandomEventManager();
    ~RandomEventManager() override;

    void deleteReports();
    void clear();
    // Deletes an event made while playing once neither the queue nor a
    // report refers to it.
    void collectAdopted();
    void endLostGame();

    // The open reports, oldest first (owned).
    std::vector<GuiReportInterface*> m_reports;
    std::map<int, std::unique_ptr<RandomEventInterface>> m_events;
    std::list<QueueEntry> m_queue;
    // The table's records and the events made while playing.
    std::vector<std::unique_ptr<EventRecord>> m_records;
    std::vector<std::unique_ptr<RandomEventInterface>> m_adopted;
    bool m_gameOver = false;
};
