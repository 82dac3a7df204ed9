#pragma once
#include <string>
#include <vector>

// A stock or a fund: one entry of the market (shares 0) or one holding of the
// player. Prices move once a month by a percentage; a holding moves by the
// percentage its market entry drew, so that it is always worth what the
// market says.
class Investment {
public:
    Investment(int id, float price, int shares);
    virtual ~Investment() = default;
    // The monthly step of a market entry: draws a percentage for its id and
    // moves the price by it.
    virtual void update() = 0;
    // The record's name ("" when the record is missing).
    virtual std::string name() const = 0;
    // The monthly step of a holding: moves by `marketPercentage` (the market
    // entry's last draw); the own fresh draw goes into the history.
    virtual void updateHolding(float marketPercentage) = 0;

    // price <- price + price / 100 * percentage, with a debug line.
    void calculateInvestment(float percentage);

    int getId() const { return m_id; }
    int getShares() const { return m_shares; }
    void setShares(int shares) { m_shares = shares > 0 ? shares : 0; }
    float getPrice() const { return m_price; }
    void setPrice(float price) { m_price = price; }
    float getLastPercentage() const { return m_lastPercentage; }
    int getStartValue() const { return m_startValue; }
    const std::vector<float>& getPriceHistory() const { return m_priceHistory; }
    const std::vector<float>& getPercentageHistory() const { return m_percentageHistory; }
    // What one share cost the player on average, for the profit of a sale.
    float getPurchasePrice() const { return m_purchasePrice; }
    void setPurchasePrice(float price);
    // Adds `shares` bought at `pricePerShare` to the holding and its average
    // cost; a count below 1 changes nothing.
    void buy(int shares, float pricePerShare);

protected:
    // Moves by `percentage` and appends `drawn` and the new price to the
    // histories.
    void step(float percentage, float drawn);

    float m_price = 0.0f;
    float m_lastPercentage = 0.0f;
    std::vector<float> m_priceHistory;
    std::vector<float> m_percentageHistory;
    int m_id = 0;
    int m_shares = 0;
    int m_startValue = 0;
    float m_purchasePrice = 0.0f;
};

// Drawn from the stock records of the investment model.
class Stock : public Investment {
public:
    Stock(int id, float price, int shares = 0);
    void update() override;
    std::string name() const override;
    void updateHolding(float marketPercentage) override;
};

// Drawn from the fund records of the investment model.
class Fund : public Investment {
public:
    Fund(int id, float price, int shares = 0);
    void update() override;
    std::string name() const override;
    void updateHolding(float marketPercentage) override;
};
