#include "sim/DateManager.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "home/MainGui.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/TimeLoader.h"
#include "sim/YearRecord.h"

DateManager::DateManager() = default;

DateManager::~DateManager() = default;

void DateManager::reset() {
    m_stop.reset();
    m_current = Date();
    m_end = Date();
    m_reader.reset();
    m_months.clear();
    m_monthLength = 0;
    m_monthName.clear();
    m_shortMonthName.clear();
    m_stepTime = 0.0f;
    m_accumulated = 0.0f;
    m_loaded = false;
    m_ended = false;
}

void DateManager::load(const std::string& fileName) {
    // A second load without reset would append a second year of months.
    reset();
    m_reader = std::make_unique<XmlReader>(fileName);
    // A missing or broken file is reported by the resource manager and
    // leaves the table empty.
    if (TiXmlElement* root = m_reader->getRootElement()) {
        readFile(root);
    }
    m_current.year = 1;
    m_current.day = 1;
    setCurrentMonth(getMonth(1));
    m_loaded = true;
    setActive(true);
}

void DateManager::readFile(TiXmlElement* root) {
    for (TiXmlElement* element = root->FirstChildElement(); element;
         element = element->NextSiblingElement()) {
        const std::string tag = element->Value();
        if (tag == "steptime") {
            m_stepTime = xml::getAttributeFloat(element, "sec");
        } else if (tag == "month") {
            auto month = std::make_unique<Month>();
            month->index = getMonthCount() + 1;
            month->name = xml::getAttributeString(element, "name");
            month->length = xml::getAttributeInt(element, "length");
            m_months[month->index] = std::move(month);
        }
    }
}

void DateManager::setEndDate(int year, int month) {
    if (year != 0) {
        m_end.year = year;
    }
    if (month >= 1 && month <= getMonthCount()) {
        m_end.month = getMonth(month);
    }
}

const Month* DateManager::getMonth(int index) const {
    auto found = m_months.find(index);
    return found == m_months.end() ? nullptr : found->second.get();
}

void DateManager::setCurrentMonth(const Month* month) {
    m_current.month = month;
    m_monthLength = month ? month->length : 0;
    m_monthName = month ? month->name : "";
}

void DateManager::startMonth() {
    if (m_stop) {
        return;
    }
    if (!m_current.month) {
        Log::warning("DateManager::startMonth") << "no months loaded, time stands still";
        return;
    }
    m_stop = std::make_unique<Date>();
    m_stop->year = m_current.year;
    m_stop->month = m_current.month;
    // Played to its end: the next month begins, past the last one a new year.
    if (m_current.day == m_current.month->length) {
        // Its bills answered and the next budget done, the month is over.
        YearRecord::instance()->closeMonth();
        int next = m_current.month->index + 1;
        if (next > getMonthCount()) {
            next = 1;
            m_current.year = ++m_stop->year;
        }
        m_stop->month = getMonth(next);
        m_current.month = m_stop->month;
    }
    m_current.day = 1;
    setCurrentMonth(m_current.month);
    m_stop->day = m_monthLength;
    getShortMonthName();
}

void DateManager::update(float dt) {
    if (!m_stop || m_ended) {
        return;
    }
    if (m_current == *m_stop) {
        // The next month wants a budget of its own.
        if (MainGui::exists()) {
            MainGui::instance()->setBudgetDone(false);
        }
        m_stop.reset();
        m_accumulated = 0.0f;
        return;
    }
    m_accumulated += m_speed * dt;
    // The excess is dropped: a slow frame never skips a day.
    if (m_accumulated > m_stepTime) {
        step();
        m_accumulated = 0.0f;
    }
}

void DateManager::step() {
    if (m_end.year == 0 && m_end.day == 0 && !m_end.month) {
        Log::warning("DateManager::step") << "End date is not set, current game is infinite!";
    }
    ++m_current.day;
    if (m_current.day > m_monthLength) {
        m_current.day = 1;
        int next = m_current.monthIndex() + 1;
        if (next > getMonthCount()) {
            next = 1;
            ++m_current.year;
        }
        setCurrentMonth(getMonth(next));
    }
    if (m_end.month && m_current.year == m_end.year &&
        m_current.monthIndex() == m_end.monthIndex() && m_end.day <= m_current.day) {
        m_ended = true;
        setActive(false);
        if (TimeLoader::exists()) {
            TimeLoader::instance()->hide();
        }
    }
}

const std::string& DateManager::getShortMonthName() {
    m_shortMonthName = m_monthName.substr(0, 3);
    return m_shortMonthName;
}
