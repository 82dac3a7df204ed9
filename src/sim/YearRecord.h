#pragma once

#include <string>
#include <vector>

#include "core/Singleton.h"

// What the player's money went to in a month.
struct SpendingKind {
    enum _enum { FOOD, CLOTHES, HYGIENE, BILLS, EVENTS, END };

    // "FOOD" ... "EVENTS"; "UNDEFINED" for anything outside.
    static std::string toString(int kind);
    // Exact, case-sensitive; END for any other text.
    static _enum fromString(const std::string& name);
};

// The state of the player's money at the end of one month of play, and what
// was spent during it.
struct MonthFigures {
    int number = 0;         // 1 for the game's first month
    std::string name;       // the calendar's month name, e.g. "Januari"
    std::string shortName;  // its first three letters, e.g. "Jan"
    int year = 0;           // the calendar's year
    double cash = 0;
    double savings = 0;
    double holdings = 0;   // shares and funds at market value
    double furniture = 0;  // the furniture's worth
    double spent[SpendingKind::END] = {};
    int health = 0;  // the month's health and hygiene level, 0..100
    int hygiene = 0;
    int reminders = 0;        // reminders paid during the month
    int collectorVisits = 0;  // times the debt collector came

    double netWorth() const { return cash + savings + holdings + furniture; }
    double totalSpent() const;
};

// The game's year, month by month: the end screen's chart and the results
// page read it. A new game starts it afresh.
class YearRecord : public Singleton<YearRecord> {
    friend class Singleton<YearRecord>;

public:
    // A new game: no months, nothing spent.
    void reset();
    // Money paid out in the running month; negative or non-finite amounts
    // are ignored. Food, clothes and hygiene bought after a month has run to
    // its end are for the next month.
    void spend(SpendingKind::_enum kind, double amount);
    void countReminder() { ++m_open.reminders; }
    void countCollector() { ++m_open.collectorVisits; }
    // Closes the running month: reads the money as it stands (cash, savings,
    // holdings, furniture) and the month's health and hygiene, and appends it.
    // The calendar calls it when the next month starts, so that the bills of
    // the month's last days and the next month's budget count in it.
    void closeMonth();
    // For tests and tools: appends a month as given.
    void addMonth(const MonthFigures& month) { m_months.push_back(month); }

    const std::vector<MonthFigures>& months() const { return m_months; }
    // What the running (not yet closed) month has gathered so far.
    const MonthFigures& openMonth() const { return m_open; }

private:
    YearRecord() = default;

    std::vector<MonthFigures> m_months;
    MonthFigures m_open;
    MonthFigures m_next;  // the needs bought for the month after the open one
};
