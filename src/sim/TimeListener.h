#pragma once

struct Date;

// Told when the calendar's day, month or year changes while a month runs.
// A listener is also a Logic whose update calls poll() every frame.
class TimeListener {
public:
    virtual ~TimeListener() = default;

    virtual void dayChanged(const Date&) {}
    virtual void monthChanged(const Date&) {}
    virtual void yearChanged(const Date&) {}

    // Compares the running date with the last one seen and notifies day,
    // month and year, in that order. Does nothing while the clock is paused.
    void poll();

protected:
    int m_lastDay = 0;
    int m_lastMonth = 0;
    int m_lastYear = 0;
};
