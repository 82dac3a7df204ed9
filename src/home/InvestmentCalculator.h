#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Singleton.h"

class TiXmlElement;
class XmlReader;

// The investment model: the stock and fund records of "investment.xml", the
// market built from them, and the savings account with its monthly interest
// and its history (the bank shows it).
class InvestmentCalculator : public Singleton<InvestmentCalculator> {
    friend class Singleton<InvestmentCalculator>;

public:
    struct Record {
        std::string name;
        std::string description;
        float min = 0.0f;  // bounds of the monthly change, percent
        float max = 0.0f;
        float startValue = 0.0f;
        int maxBuy = 0;
    };
    struct HistoryEntry {
        std::string sign;  // "+ " or "- "
        float amount = 0.0f;
    };

    // Reads the records and builds the market, once; later calls do nothing
    // while the records are loaded.
    void load(const std::string& file = "investment.xml");
    // A new game: forgets the records, the market, the balance and the
    // history, and loads `file` again.
    void reload(const std::string& file = "investment.xml");
    // The one-time set-up the flat asks for: loads when nothing is loaded.
    void setUp();
    bool isLoaded() const;

    // A percentage between the record's bounds (0 without a record).
    float randomStockPercentage(int id) const;
    float randomFundPercentage(int id) const;

    // The bank's purchase of `shares` of the record `name` (the caller takes
    // the money); false when no record has that name. `costPerShare` is what
    // the player paid for each share; below 0 it is the market price.
    bool addInvestment(const std::string& name, int id, int shares, float costPerShare = -1.0f);

    void deposit(float amount);
    void withdraw(float amount);
    // balance += balance / 100 * a draw between the savings bounds.
    void monthlyInterest();

    float getBalance() const { return m_balance; }
    const std::vector<HistoryEntry>& getHistory() const { return m_history; }
    const std::map<int, Record>& getStockRecords() const { return m_stocks; }
    const std::map<int, Record>& getFundRecords() const { return m_funds; }
    const Record* findStockRecord(int id) const;
    const Record* findFundRecord(int id) const;
    float getSavingsMin() const { return m_savingsMin; }
    float getSavingsMax() const { return m_savingsMax; }

    // A draw between `min` and `max` from the engine's generator.
    static float randomBetween(float min, float max);

private:
    InvestmentCalculator();
    void readRecords(TiXmlElement* root, const char* family, std::map<int, Record>& records);
    ~InvestmentCalculator() override;

    std::vector<HistoryEntry> m_history;
    std::map<int, Record> m_stocks;
    std::map<int, Record> m_funds;
    float m_savingsMin = 0.0f;
    float m_savingsMax = 0.0f;
    std::unique_ptr<XmlReader> m_reader;
    float m_balance = 0.0f;
};
