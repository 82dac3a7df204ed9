#include "home/Investment.h"

#include <cmath>

#include "core/Log.h"
#include "home/InvestmentCalculator.h"

namespace {

// A price that is no number would spread to every sum it enters.
float finiteOrZero(float value) {
    return std::isfinite(value) ? value : 0.0f;
}

}  // namespace

Investment::Investment(int id, float price, int shares)
    : m_price(finiteOrZero(price)),
      m_id(id),
      m_shares(shares > 0 ? shares : 0),
      m_startValue(static_cast<int>(finiteOrZero(price))),
      m_purchasePrice(finiteOrZero(price)) {}

void Investment::calculateInvestment(float percentage) {
    const float old = m_price;
    const float moved = m_price + m_price / 100.0f * percentage;
    if (std::isfinite(moved)) {
        m_price = moved;
    }
    Log::debug("Investment::calculateInvestment")
        << "Updating investment " << name() << " from " << old << " to " << m_price << " with "
        << percentage;
}

void Investment::setPurchasePrice(float price) {
    m_purchasePrice = finiteOrZero(price);
}

void Investment::buy(int shares, float pricePerShare) {
    if (shares < 1) {
        return;
    }
    const double before = static_cast<double>(m_purchasePrice) * m_shares;
    const double added = static_cast<double>(finiteOrZero(pricePerShare)) * shares;
    m_shares += shares;
    m_purchasePrice = static_cast<float>((before + added) / m_shares);
}

void Investment::step(float percentage, float drawn) {
    m_lastPercentage = percentage;
    calculateInvestment(percentage);
    m_percentageHistory.push_back(drawn);
    m_priceHistory.push_back(m_price);
}

Stock::Stock(int id, float price, int shares) : Investment(id, price, shares) {}

void Stock::update() {
    const float drawn = InvestmentCalculator::instance()->randomStockPercentage(m_id);
    step(drawn, drawn);
}

std::string Stock::name() const {
    const InvestmentCalculator::Record* record =
        InvestmentCalculator::instance()->findStockRecord(m_id);
    return record ? record->name : "";
}

void Stock::updateHolding(float marketPercentage) {
    step(marketPercentage, InvestmentCalculator::instance()->randomStockPercentage(m_id));
}

Fund::Fund(int id, float price, int shares) : Investment(id, price, shares) {}

void Fund::update() {
    const float drawn = InvestmentCalculator::instance()->randomFundPercentage(m_id);
    step(drawn, drawn);
}

std::string Fund::name() const {
    const InvestmentCalculator::Record* record =
        InvestmentCalculator::instance()->findFundRecord(m_id);
    return record ? record->name : "";
}

void Fund::updateHolding(float marketPercentage) {
    step(marketPercentage, InvestmentCalculator::instance()->randomFundPercentage(m_id));
}
