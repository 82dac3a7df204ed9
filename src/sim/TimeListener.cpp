#include "sim/TimeListener.h"

#include "sim/Date.h"
#include "sim/DateManager.h"

void TimeListener::poll() {
    DateManager* clock = DateManager::instance();
    if (!clock->getStopDate()) {
        return;
    }
    // A copy: a listener may restart or reset the clock from its handler.
    const Date date = clock->getCurrentDate();
    if (date.day != m_lastDay) {
        m_lastDay = date.day;
        dayChanged(date);
    }
    if (date.monthIndex() != m_lastMonth) {
        m_lastMonth = date.monthIndex();
        monthChanged(date);
    }
    if (date.year != m_lastYear) {
        m_lastYear = date.year;
        yearChanged(date);
    }
}
