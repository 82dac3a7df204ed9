#include "home/Portfolio.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Log.h"
#include "home/Investment.h"
#include "home/InvestmentCalculator.h"

namespace {

template <class T>
T* findById(const std::vector<std::unique_ptr<T>>& list, int id) {
    for (const auto& item : list) {
        if (item->getId() == id) {
            return item.get();
        }
    }
    return nullptr;
}

template <class T>
float valueOf(const std::vector<std::unique_ptr<T>>& list) {
    double sum = 0.0;
    for (const auto& item : list) {
        sum += static_cast<double>(item->getShares()) * item->getPrice();
    }
    return static_cast<float>(sum);
}

// The ids the debt collector's forced sale goes through, in order.
const int MARKET_IDS = 3;

}  // namespace

Portfolio::Portfolio() = default;

Portfolio::~Portfolio() = default;

void Portfolio::setCash(int32_t cash, const std::string& reason) {
    changeCash(static_cast<int64_t>(cash) - m_cash, reason);
}

void Portfolio::changeCash(int64_t delta, const std::string& reason) {
    const int32_t old = m_cash;
    // Held at the edge rather than wrapping round to a fortune or a debt.
    const int64_t sum =
        std::clamp<int64_t>(static_cast<int64_t>(old) + delta, std::numeric_limits<int32_t>::min(),
                            std::numeric_limits<int32_t>::max());
    m_cash = static_cast<int32_t>(sum);
    Log::debug("Portfolio::changeCash") << "cash " << old << " -> " << m_cash << ": " << reason;
}

void Portfolio::clear() {
    m_ownedStocks.clear();
    m_ownedFunds.clear();
}

void Portfolio::clearMarket() {
    m_marketStocks.clear();
    m_marketFunds.clear();
}

void Portfolio::addMarketStock(std::unique_ptr<Stock> stock) {
    if (stock) {
        m_marketStocks.push_back(std::move(stock));
    }
}

void Portfolio::addMarketFund(std::unique_ptr<Fund> fund) {
    if (fund) {
        m_marketFunds.push_back(std::move(fund));
    }
}

Stock* Portfolio::addOwnedStock(int id, int shares) {
    const Stock* market = findMarketStock(id);
    m_ownedStocks.push_back(
        std::make_unique<Stock>(id, market ? market->getPrice() : 1.0f, shares));
    return m_ownedStocks.back().get();
}

Fund* Portfolio::addOwnedFund(int id, int shares) {
    const Fund* market = findMarketFund(id);
    m_ownedFunds.push_back(std::make_unique<Fund>(id, market ? market->getPrice() : 1.0f, shares));
    return m_ownedFunds.back().get();
}

float Portfolio::getStockValue() const {
    return valueOf(m_ownedStocks);
}

float Portfolio::getFundValue() const {
    return valueOf(m_ownedFunds);
}

float Portfolio::getMarketPrice(const std::string& name, int id) const {
    for (const auto& stock : m_marketStocks) {
        if (stock->getId() == id && stock->name() == name) {
            return stock->getPrice();
        }
    }
    for (const auto& fund : m_marketFunds) {
        if (fund->getId() == id && fund->name() == name) {
            return fund->getPrice();
        }
    }
    return 1.0f;
}

Stock* Portfolio::findOwnedStock(int id) const {
    return findById(m_ownedStocks, id);
}

Fund* Portfolio::findOwnedFund(int id) const {
    return findById(m_ownedFunds, id);
}

Stock* Portfolio::findMarketStock(int id) const {
    return findById(m_marketStocks, id);
}

Fund* Portfolio::findMarketFund(int id) const {
    return findById(m_marketFunds, id);
}

float Portfolio::marketPriceOf(const Investment& holding) const {
    return getMarketPrice(holding.name(), holding.getId());
}

float Portfolio::sell(Investment* holding, int shares) {
    m_lastSaleProfit = 0.0f;
    if (!holding) {
        return 0.0f;
    }
    const int held = holding->getShares();
    double proceeds = 0.0;
    int sold = 0;
    if (shares > 0 && shares <= held) {
        sold = shares;
        proceeds = static_cast<double>(holding->getPrice()) * shares;
    } else {
        sold = held;
        proceeds = static_cast<double>(marketPriceOf(*holding)) * held;
    }
    holding->setShares(held - sold);
    m_lastSaleProfit =
        static_cast<float>(proceeds - static_cast<double>(holding->getPurchasePrice()) * sold);
    Log::debug("Portfolio::sell") << "sold " << sold << " of " << holding->name() << " for "
                                  << proceeds;
    return static_cast<float>(proceeds);
}

float Portfolio::sellStock(int id, int shares) {
    return sell(findOwnedStock(id), shares);
}

float Portfolio::sellFund(int id, int shares) {
    return sell(findOwnedFund(id), shares);
}

float Portfolio::forceSell(Investment* holding, float owed) {
    const char* context = "Portfolio::forceSell";
    if (!holding || holding->getShares() <= 0 || owed <= 0.0f) {
        return owed;
    }
    const double price = marketPriceOf(*holding);
    if (!(price > 0.0) || !std::isfinite(price)) {
        Log::warning(context) << holding->name() << " is worth nothing, nothing to sell";
        return owed;
    }
    const int held = holding->getShares();
    const double worth = price * held;
    if (worth <= owed) {
        holding->setShares(0);
        Log::debug(context) << "sold all " << held << " of " << holding->name() << " for " << worth;
        return static_cast<float>(owed - worth);
    }
    // Whole shares only: the last one may bring more than is owed.
    const int sold = std::min(held, static_cast<int>(std::ceil(owed / price)));
    const double proceeds = price * sold;
    holding->setShares(held - sold);
    Log::debug(context) << "sold " << sold << " of " << holding->name() << " for " << proceeds;
    if (proceeds < owed) {
        return static_cast<float>(owed - proceeds);
    }
    const double change = proceeds - owed;
    if (change >= 1.0) {
        changeCash(static_cast<int64_t>(change), "forced sale change");
    }
    return 0.0f;
}

float Portfolio::forceSellFunds(float owed) {
    for (int id = 0; id < MARKET_IDS && owed > 0.0f; ++id) {
        owed = forceSell(findOwnedFund(id), owed);
    }
    return owed;
}

float Portfolio::forceSellStocks(float owed) {
    for (int id = 0; id < MARKET_IDS && owed > 0.0f; ++id) {
        owed = forceSell(findOwnedStock(id), owed);
    }
    return owed;
}

void Portfolio::updateFunds() {
    for (auto& fund : m_marketFunds) {
        fund->update();
    }
    for (auto& fund : m_ownedFunds) {
        const Fund* market = findMarketFund(fund->getId());
        fund->updateHolding(market ? market->getLastPercentage() : 0.0f);
    }
}

void Portfolio::updateStocks() {
    for (auto& stock : m_marketStocks) {
        stock->update();
    }
    for (auto& stock : m_ownedStocks) {
        const Stock* market = findMarketStock(stock->getId());
        stock->updateHolding(market ? market->getLastPercentage() : 0.0f);
    }
}

void Portfolio::monthlyUpdate() {
    updateFunds();
    updateStocks();
    InvestmentCalculator::instance()->monthlyInterest();
}
