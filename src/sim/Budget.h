#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Logic.h"

class GuiBase;
class GuiButton;
class GuiTextBox;
class GuiWindow;
class XmlReader;
struct MonthConsumption;

// The monthly budget window: the month's incomes and fixed expenses from
// "fiscoraConstants.xml" filtered by the flags, food, clothes and hygiene
// bought with three sliders, money moved to the savings account with a
// fourth, and the totals with the surplus. The HUD creates one each time the
// player opens it and deletes it once isDone().
class Budget : public Logic {
public:
    // `month` is the HUD's record of this month's purchases; `firstBudget`
    // shows the introduction "budgetinfo".
    Budget(MonthConsumption& month, bool firstBudget);
    ~Budget() override;
    void update(float dt) override;
    void setActive(bool active) override;

    // The player pressed "ok".
    bool isDone() const { return m_done; }
    GuiWindow* getWindow() const { return m_window.get(); }
    int getIncomeTotal() const { return m_incomeTotal; }
    int getExpensesTotal() const { return m_expensesTotal; }
    int getConsumptionTotal() const { return m_consumptionTotal; }
    int getSavingsTotal() const { return m_savingsTotal; }
    int getSurplus() const { return m_surplus; }

private:
    // The rest is the implementation's own.
    MonthConsumption& m_month;
    std::unique_ptr<GuiWindow> m_window;
    int m_surplus = 0;
    int m_incomeTotal = 0;
    int m_consumptionTotal = 0;
    int m_expensesTotal = 0;
    int m_savingsTotal = 0;
    bool m_done = false;
};
