#pragma once

#include <memory>
#include <string>

#include "core/autoplay/Style.h"

class Budget;
class GuiBase;
class GuiReportInterface;
class GuiSlider;
class GuiWindow;

namespace autoplay {

class Shopper;

// A sensible player: closes every guide once it may, buys the month's norms,
// saves what is left above a buffer, pays every bill, takes cheap or paying
// events and turns down costly ones, furnishes the flat within its means and
// at the higher levels puts a little of its savings into funds and shares.
// The other styles change its choices, not its way through the screens.
class Careful : public Style {
public:
    explicit Careful(int level);
    ~Careful() override;
    const char* name() const override { return "careful"; }
    void decide(Hand& hand) override;

    // The choices, in kronor; `cash` is what the player holds now.
    // How much of a need's norm to buy: need 0 is food, 1 clothes, 2 hygiene.
    virtual int consumption(int need, int norm, int cash) const;
    // What to move to the savings account once the month's things are bought;
    // `expenses` are the month's fixed bills.
    virtual int savings(int cash, int expenses) const;
    // Whether to pay a bill of `amount` (above zero).
    virtual bool paysBill(int amount, int cash) const;
    // Whether to say yes to an event worth `value` (below zero: it costs).
    virtual bool acceptsEvent(int value, int cash) const;
    // Whether to answer yes to the message or question `name`.
    virtual bool answers(const std::string& name) const;
    // What an errand in town may cost.
    virtual int errandMoney(int cash) const;
    // What the food, clothes and hygiene must leave of the cash.
    virtual int billMoney() const { return BILL_MONEY; }

    // The cash kept back when saving.
    static constexpr int BUFFER = 3000;
    // Kept out of the food and clothes for the bills due before payday.
    static constexpr int BILL_MONEY = 1000;
    // The most a "cheap" event may cost.
    static constexpr int CHEAP = 600;
    // How many pieces of furniture it buys in a game.
    static constexpr int PIECES = 4;

protected:
    int level() const { return m_level; }
    // The last budget's fixed bills.
    int expenses() const { return m_expenses; }
    void setShopper(std::unique_ptr<Shopper> shopper);

private:
    bool leaveGame(Hand& hand);
    bool closeWindows(Hand& hand);
    bool answerReports(Hand& hand);
    bool makeBudget(Hand& hand, Budget* budget);
    bool answerReport(Hand& hand, GuiReportInterface* report);

    int m_level;
    bool m_finished = false;
    bool m_quitting = false;
    std::unique_ptr<Shopper> m_shopper;
    bool m_monthRunning = false;
    int m_expenses = 0;
    // The budget being made, and how often each of its steps was tried, so
    // that a step the game keeps refusing is given up.
    const Budget* m_budget = nullptr;
    int m_tries = 0;
    bool m_saved = false;
    GuiReportInterface* m_report = nullptr;
};

}  // namespace autoplay
