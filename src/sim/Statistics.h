#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/DebugDraw.h"
#include "core/Singleton.h"
#include "sim/FactorSystem.h"
#include "sim/StatisticType.h"

// The figures of a game for its end: filled by the budget, the investments and
// the end screen, and sent to the publisher's statistics page in an address.
class Statistics : public DebugDraw::Group, public Singleton<Statistics> {
    friend class Singleton<Statistics>;

public:
    // One figure's line in the debug overlay (F3).
    class StatText : public DebugDraw::DebugText {
    public:
        using DebugDraw::DebugText::DebugText;
        int key() override { return 0x72; }
    };

    // Every figure back to 0.
    void reset();
    void set(StatisticType::_enum type, double value);
    void add(StatisticType::_enum type, double delta) { set(type, get(type) + delta); }
    // 0, with a warning, for a type outside the store.
    double get(StatisticType::_enum type) const;

    // The address of the statistics page with every figure in its query; the
    // host comes from the constant "statisticsHost".
    std::string getAddress() const;
    // The check value sent along: the sum of some figures less the savings.
    int getGameRand() const;
    // Logs the address and opens it in the browser, unless there is no host.
    void uploadToNorvale();

    int key() override { return 0x72; }

private:
    Statistics();
    ~Statistics() override;

    FactorSystem<StatisticType::_enum, double> m_values{
        "FactorSystem<enum StatisticType::_enum,double>::exists"};
    std::vector<std::unique_ptr<StatText>> m_texts;
};
