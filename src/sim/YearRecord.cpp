#include "sim/YearRecord.h"

#include <algorithm>
#include <cmath>

#include "core/Log.h"
#include "home/InvestmentCalculator.h"
#include "home/Portfolio.h"
#include "home/Room.h"
#include "sim/DateManager.h"
#include "sim/MonthConsumption.h"

namespace {

const char* const KIND_NAMES[] = {"FOOD", "CLOTHES", "HYGIENE", "BILLS", "EVENTS"};
static_assert(sizeof(KIND_NAMES) / sizeof(KIND_NAMES[0]) == SpendingKind::END, "one name per kind");

// The share of a need's norm bought for the month, as a level 0..100: the
// same purchase the condition rule judges the need by.
int needLevel(double bought, int norm) {
    if (norm <= 0 || !std::isfinite(bought) || bought <= 0) {
        return 0;
    }
    return static_cast<int>(std::lround(std::min(100.0, 100.0 * bought / norm)));
}

}  // namespace

std::string SpendingKind::toString(int kind) {
    return kind >= 0 && kind < END ? KIND_NAMES[kind] : "UNDEFINED";
}

SpendingKind::_enum SpendingKind::fromString(const std::string& name) {
    for (int kind = 0; kind < END; ++kind) {
        if (name == KIND_NAMES[kind]) {
            return static_cast<_enum>(kind);
        }
    }
    return END;
}

double MonthFigures::totalSpent() const {
    double total = 0;
    for (double amount : spent) {
        total += amount;
    }
    return total;
}

void YearRecord::reset() {
    m_months.clear();
    m_open = MonthFigures();
    m_next = MonthFigures();
}

void YearRecord::spend(SpendingKind::_enum kind, double amount) {
    const int index = static_cast<int>(kind);
    if (index < 0 || index >= SpendingKind::END || !std::isfinite(amount) || amount < 0) {
        Log::debug("YearRecord::spend")
            << "ignored " << amount << " kr of " << SpendingKind::toString(index);
        return;
    }
    // The calendar stands on a month's last day once it has run to its end;
    // before the first month it stands on day 1.
    const DateManager* clock = DateManager::exists() ? DateManager::instance() : nullptr;
    const bool between = clock && !clock->getStopDate() && clock->getDay() > 0 &&
                         clock->getDay() == clock->getMonthLength();
    const bool need = index <= SpendingKind::HYGIENE;
    (between && need ? m_next : m_open).spent[index] += amount;
}

void YearRecord::closeMonth() {
    MonthFigures month = m_open;
    month.number = static_cast<int>(m_months.size()) + 1;
    // Read only what exists: a calendar run on its own still closes months.
    if (DateManager::exists()) {
        DateManager* clock = DateManager::instance();
        month.name = clock->getMonthName();
        month.shortName = clock->getShortMonthName();
        month.year = clock->getYear();
    }
    if (Portfolio::exists()) {
        const Portfolio* portfolio = Portfolio::instance();
        month.cash = portfolio->getCash();
        month.holdings = static_cast<double>(portfolio->getStockValue()) +
                         static_cast<double>(portfolio->getFundValue());
    }
    if (InvestmentCalculator::exists()) {
        month.savings = InvestmentCalculator::instance()->getBalance();
    }
    if (Room::exists()) {
        month.furniture = Room::instance()->getFurnitureValue();
    }
    month.health = needLevel(month.spent[SpendingKind::FOOD], MonthConsumption::FOOD_NORM);
    month.hygiene = needLevel(month.spent[SpendingKind::HYGIENE], MonthConsumption::HYGIENE_NORM);
    m_months.push_back(month);
    m_open = m_next;
    m_next = MonthFigures();
    const double worth = month.netWorth();
    Log::info("YearRecord::closeMonth")
        << "month recorded " << month.number << ": net worth "
        << (std::isfinite(worth) ? static_cast<long long>(worth) : 0LL);
}
