#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Singleton.h"

class Fund;
class Investment;
class Stock;

// The player's cash in whole kronor and the stocks and funds the player
// holds, beside the market they follow. Every change of the cash goes
// through changeCash, which writes one debug line "cash <old> -> <new>:
// <reason>", so that the log accounts for every krona.
class Portfolio : public Singleton<Portfolio> {
    friend class Singleton<Portfolio>;

public:
    int32_t getCash() const { return m_cash; }
    // Sets the cash outright, as a new game does.
    void setCash(int32_t cash, const std::string& reason = "new game");
    // Adds `delta` (negative to pay); the sum stays within 32 bits.
    void changeCash(int64_t delta, const std::string& reason);

    // A new game: no holdings (the market stays until the model reloads).
    void clear();
    // The investment model builds the market of ids 0, 1, 2.
    void clearMarket();
    void addMarketStock(std::unique_ptr<Stock> stock);
    void addMarketFund(std::unique_ptr<Fund> fund);
    // A new holding of `shares` at the market's current price.
    Stock* addOwnedStock(int id, int shares);
    Fund* addOwnedFund(int id, int shares);

    // Sum of shares x price over the holdings.
    float getStockValue() const;
    float getFundValue() const;
    // The price of the market stock, else fund, whose name and id both
    // match; 1 when none does.
    float getMarketPrice(const std::string& name, int id) const;

    Stock* findOwnedStock(int id) const;
    Fund* findOwnedFund(int id) const;
    Stock* findMarketStock(int id) const;
    Fund* findMarketFund(int id) const;
    const std::vector<std::unique_ptr<Stock>>& getOwnedStocks() const { return m_ownedStocks; }
    const std::vector<std::unique_ptr<Fund>>& getOwnedFunds() const { return m_ownedFunds; }
    const std::vector<std::unique_ptr<Stock>>& getMarketStocks() const { return m_marketStocks; }
    const std::vector<std::unique_ptr<Fund>>& getMarketFunds() const { return m_marketFunds; }

    // Sells `shares` of the holding `id` and returns the proceeds (0 without
    // a holding); 0 or more than held sells all at the market price. The
    // caller pays the proceeds into the cash.
    float sellStock(int id, int shares);
    float sellFund(int id, int shares);
    // The debt collector's forced sale: sells holdings (ids 0..2) until
    // `owed` is covered and returns what is still owed. The collector takes
    // the proceeds; only what a last whole share brings above the debt goes
    // into the cash.
    float forceSellFunds(float owed);
    float forceSellStocks(float owed);

    // What the last sale brought above what the sold shares cost.
    float getLastSaleProfit() const { return m_lastSaleProfit; }

    // The month's step: every fund, then every stock (market, then holdings).
    void updateFunds();
    void updateStocks();
    // Funds, stocks, then the savings interest, as a played month needs.
    void monthlyUpdate();

private:
    Portfolio();
    ~Portfolio() override;

    std::vector<std::unique_ptr<Stock>> m_ownedStocks;
    std::vector<std::unique_ptr<Fund>> m_ownedFunds;
    std::vector<std::unique_ptr<Stock>> m_marketStocks;
    std::vector<std::unique_ptr<Fund>> m_marketFunds;
    int32_t m_cash = 0;
    float m_lastSaleProfit = 0.0f;

    float marketPriceOf(const Investment& holding) const;
    float sell(Investment* holding, int shares);
    float forceSell(Investment* holding, float owed);
};
