#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Logic.h"
#include "sim/BudgetPage.h"

class BudgetPages;
class GuiBase;
class GuiButton;
class GuiTextBox;
class GuiWindow;
class TiXmlElement;
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
    void createTotals();
    void createIncome();
    void createExpenses();
    // Lists the `kind` elements in the page's "<title> Text"; returns the total.
    int createList(const char* context, const std::string& page, const std::string& title,
                   const std::string& kind, const std::string& sign);
    void createConsumption();
    void createSavings();
    // The page is destroyed and built again, so that its sliders start afresh.
    void rebuild(const std::string& page);
    void updateConsumptions();
    void updateSavings();
    void updateInfoButtons();

    MonthConsumption& m_month;
    // The four sub-windows and their tabs.
    std::unique_ptr<BudgetPages> m_pages;
    int m_sliderSum = 0;
    // The sliders' values this frame: food, clothes, hygiene, savings.
    int m_food = 0;
    int m_clothes = 0;
    int m_hygiene = 0;
    int m_saving = 0;
    int m_cash = 0;
    bool m_slidersMissing = false;
    std::unique_ptr<XmlReader> m_guiReader;
    std::unique_ptr<XmlReader> m_constantsReader;
    TiXmlElement* m_record = nullptr;  // belongs to m_guiReader
    std::unique_ptr<GuiWindow> m_window;
    GuiTextBox* m_mainText = nullptr;
    GuiBase* m_okButton = nullptr;
    GuiBase* m_surplusInfo = nullptr;
    std::vector<budget::LiveNumber> m_mainNumbers;
    std::vector<budget::LiveNumber> m_consumptionNumbers;
    std::vector<budget::LiveNumber> m_savingsNumbers;
    int m_surplus = 0;
    int m_incomeTotal = 0;
    int m_consumptionTotal = 0;
    int m_expensesTotal = 0;
    int m_savingsTotal = 0;
    bool m_done = false;
};
