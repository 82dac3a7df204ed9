#pragma once

#include <map>
#include <memory>
#include <string>

#include "core/Logic.h"
#include "core/Singleton.h"
#include "sim/Date.h"
#include "sim/Month.h"

class TiXmlElement;
class XmlReader;

// The game's clock. Time stands still until startMonth(); then one day passes
// every step time seconds until the month's last day, and the clock pauses
// again. The game is over once a step lands inside the end month.
class DateManager : public Logic, public Singleton<DateManager> {
    friend class Singleton<DateManager>;

public:
    // Back to not loaded: no months, no dates, no reader.
    void reset();
    // Starts afresh from `fileName`: its months and step time, the date on
    // day 1 of month 1, year 1, and no end date.
    void load(const std::string& fileName);
    // The year when not 0, the month when it is in the table; the day stays 0.
    void setEndDate(int year, int month);
    // Runs the current month from day 1, or the next one when the current
    // month was played to its end. Nothing while a month runs.
    void startMonth();
    void update(float dt) override;

    // The first three characters of the month's name.
    const std::string& getShortMonthName();

    const Date& getCurrentDate() const { return m_current; }
    int getDay() const { return m_current.day; }
    int getMonthIndex() const { return m_current.monthIndex(); }
    int getMonthLength() const { return m_monthLength; }
    int getYear() const { return m_current.year; }
    const std::string& getMonthName() const { return m_monthName; }
    // Null while the clock is paused.
    const Date* getStopDate() const { return m_stop.get(); }
    const Date& getEndDate() const { return m_end; }
    int getMonthCount() const { return static_cast<int>(m_months.size()); }
    // Null for an index outside the table.
    const Month* getMonth(int index) const;
    bool isLoaded() const { return m_loaded; }
    bool isEnded() const { return m_ended; }
    float getStepTime() const { return m_stepTime; }

private:
    DateManager();
    ~DateManager() override;

    void step();
    void readFile(TiXmlElement* root);
    void setCurrentMonth(const Month* month);

    float m_stepTime = 0.0f;
    float m_accumulated = 0.0f;
    float m_speed = 1.0f;
    std::unique_ptr<Date> m_stop;
    bool m_loaded = false;
    bool m_ended = false;
    std::unique_ptr<XmlReader> m_reader;
    std::map<int, std::unique_ptr<Month>> m_months;
    Date m_current;
    Date m_end;
    int m_monthLength = 0;
    std::string m_monthName;
    std::string m_shortMonthName;
};
