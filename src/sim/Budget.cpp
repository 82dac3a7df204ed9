#include "sim/Budget.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/RoomState.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiController.h"
#include "gui/GuiSlider.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/InvestmentCalculator.h"
#include "home/Portfolio.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/BudgetPages.h"
#include "sim/InfoManager.h"
#include "sim/MonthConsumption.h"
#include "sim/Statistics.h"
#include "sim/YearRecord.h"

namespace {

const hgeVector INFO_AT(150, 70);
const float DEFAULT_DEPTH = 0.85f;
const float CHILD_DEPTH = 0.001f;

const hgeVector SLIDER_SIZE(200, 5);
const hgeVector SAVINGS_SLIDER_AT(70, 133);
const hgeVector CONSUMPTION_SUM_AT(280, 220);
const hgeVector CONSUMPTION_CASH_AT(280, 250);
const hgeVector SAVINGS_VALUE_AT[] = {{290, 123}, {290, 170}};
const hgeVector SAVINGS_CASH_AT(290, 200);
const hgeVector SAVINGS_TIP_AT(290, 230);
// The totals in the main text, each right-aligned to the box's width.
const float MAIN_CASH_Y = 90;
const float MAIN_CONSUMPTION_Y = 140;
const float MAIN_SAVINGS_Y = 200;
const float MAIN_INCOME_Y = 270;
const float MAIN_EXPENSES_Y = 340;
const float MAIN_SURPLUS_Y = 400;

// The numbers beside the sliders line up with the sliders, which are placed
// in the window, whatever the text box's own place in it.
hgeVector columnShift(GuiWindow* window, GuiTextBox* box) {
    return box ? window->getPosition() - box->getPosition() : hgeVector(0, 0);
}

// A slider of `window` that looks and acts like the window's own widgets.
void addSlider(GuiWindow* window, const char* name, const hgeVector& position, int range) {
    GuiSlider* slider = window->getController()->addSlider(position, SLIDER_SIZE, range);
    slider->setName(name);
    slider->setDepth(window->getDepth() + CHILD_DEPTH);
    slider->setVisible(window->isVisible());
}

bool clicked(GuiBase* widget) {
    return widget && widget->isClicked();
}

}  // namespace

Budget::Budget(MonthConsumption& month, bool firstBudget) : m_month(month) {
    const char* context = "Budget::Budget";
    Log::debug(context) << "Creating budget";
    m_guiReader = std::make_unique<XmlReader>("gui.xml");
    m_constantsReader = std::make_unique<XmlReader>("fiscoraConstants.xml");
    m_record = m_guiReader->getRootChildElement("gui", "guiId", "budgetWindow");
    if (!m_record) {
        Log::error(context) << "Cant get budget window element from gui.xml";
    } else {
        m_window = std::make_unique<GuiWindow>(m_record, true, nullptr);
        if (xml::getAttributeFloat(m_record, "z", false) == 0.0f) {
            m_window->setDepth(DEFAULT_DEPTH);
        }
        m_mainText = dynamic_cast<GuiTextBox*>(m_window->findChild("Main Text"));
        m_okButton = m_window->findChild("ok");
        m_surplusInfo = m_window->findChild("surplus info");
    }
    m_cash = Portfolio::instance()->getCash();
    createTotals();
    Log::debug(context) << "Starting to create sub windows";
    m_pages = std::make_unique<BudgetPages>(m_window.get(), m_guiReader.get(), m_record);
    createIncome();
    createExpenses();
    createConsumption();
    createSavings();
    m_surplus = m_incomeTotal - m_savingsTotal - m_expensesTotal - m_consumptionTotal;
    for (auto& number : m_mainNumbers) {
        number.refresh();
    }
    m_pages->show(BudgetPages::NAMES[0]);

    if (m_window) {
        InteractionalObject::getCursor()->setFocusObject(m_window.get());
    }
    if (firstBudget) {
        InfoManager::instance()->show("budgetinfo", InfoManager::MESSAGE, INFO_AT);
    }
}

Budget::~Budget() {
    FiscoraCursor::releaseFocus(m_window.get());
}

void Budget::setActive(bool active) {
    Logic::setActive(active);
    if (m_window) {
        m_window->setActive(active, true);
        // Hidden pages must stay out of the pointer's reach.
        if (active) {
            m_pages->show(m_pages->shown());
        }
    }
}

void Budget::createTotals() {
    if (!m_mainText) {
        Log::error("Budget::createTotals") << "Failed to get Main text from budget window";
        return;
    }
    const struct {
        int* value;
        const char* sign;
        float y;
    } totals[] = {{&m_cash, "", MAIN_CASH_Y},
                  {&m_consumptionTotal, "- ", MAIN_CONSUMPTION_Y},
                  {&m_savingsTotal, "- ", MAIN_SAVINGS_Y},
                  {&m_incomeTotal, "+ ", MAIN_INCOME_Y},
                  {&m_expensesTotal, "- ", MAIN_EXPENSES_Y},
                  {&m_surplus, "", MAIN_SURPLUS_Y}};
    m_mainNumbers.clear();
    m_mainNumbers.reserve(6);
    for (const auto& total : totals) {
        m_mainNumbers.emplace_back(m_mainText, total.value, total.sign,
                                   hgeVector(m_mainText->getTextWidth(), total.y), true,
                                   total.value == &m_surplus);
    }
}

void Budget::createIncome() {
    m_incomeTotal = createList("Budget::createIncome", "income", "Income", "income", "+ ");
}

void Budget::createExpenses() {
    m_expensesTotal = createList("Budget::createExpenses", "expenses", "Expenses", "expense", "");
}

int Budget::createList(const char* context, const std::string& page, const std::string& title,
                       const std::string& kind, const std::string& sign) {
    auto* box = dynamic_cast<GuiTextBox*>(m_pages->child(page, title + " Text"));
    if (!box) {
        Log::error(context) << "Failed to get " << title << " text from budget window";
    }
    bool found = false;
    const auto items = budget::readItems(m_constantsReader->getRootElement(), kind,
                                         DifficultyLevel::value(), found);
    if (!found) {
        Log::error(context) << "Failed to get " << kind << " element from fiscoraConstants";
    }
    return budget::writeList(box, items, sign);
}

void Budget::createConsumption() {
    m_month.foodNorm = MonthConsumption::FOOD_NORM;
    m_month.clothesNorm = MonthConsumption::CLOTHES_NORM;
    m_month.hygieneNorm = MonthConsumption::HYGIENE_NORM;
    m_consumptionNumbers.clear();
    m_food = m_clothes = m_hygiene = m_sliderSum = 0;
    m_slidersMissing = false;
    GuiWindow* window = m_pages->get("consumption");
    auto* box = dynamic_cast<GuiTextBox*>(m_pages->child("consumption", "Consumption Text"));
    if (!box) {
        Log::error("Budget::createConsumption")
            << "Failed to get Consumption text from budget window";
    }
    if (!window) {
        return;
    }
    struct Row {
        const char* name;
        float y;
        int range;
        int* value;
    };
    const Row rows[] = {{"Food Slider", 133, m_month.foodNorm, &m_food},
                        {"Cloth Slider", 158, m_month.clothesNorm, &m_clothes},
                        {"Hygien Slider", 183, m_month.hygieneNorm, &m_hygiene}};
    const hgeVector shift = columnShift(window, box);
    m_consumptionNumbers.reserve(5);
    for (const Row& row : rows) {
        addSlider(window, row.name, hgeVector(60, row.y), row.range);
        m_consumptionNumbers.emplace_back(box, row.value, "", hgeVector(280, row.y - 10) + shift,
                                          false);
    }
    m_consumptionNumbers.emplace_back(box, &m_sliderSum, "", CONSUMPTION_SUM_AT + shift, false);
    m_consumptionNumbers.emplace_back(box, &m_cash, "", CONSUMPTION_CASH_AT + shift, false);
}

void Budget::createSavings() {
    m_savingsNumbers.clear();
    m_saving = 0;
    GuiWindow* window = m_pages->get("savings");
    auto* box = dynamic_cast<GuiTextBox*>(m_pages->child("savings", "Savings Text"));
    if (!box) {
        Log::error("Budget::createSavings") << "Failed to get Savings text from budget window";
    }
    if (!window) {
        return;
    }
    // A debt leaves nothing to save: the range never goes below zero.
    const int cash = Portfolio::instance()->getCash();
    addSlider(window, "Savings Slider", SAVINGS_SLIDER_AT, cash > 0 ? cash : 0);
    const hgeVector shift = columnShift(window, box);
    m_savingsNumbers.reserve(3);
    for (const hgeVector& at : SAVINGS_VALUE_AT) {
        m_savingsNumbers.emplace_back(box, &m_saving, "", at + shift, false);
    }
    m_savingsNumbers.emplace_back(box, &m_cash, "", SAVINGS_CASH_AT + shift, false);
    // The suggestion of the `savings` element, for the level played.
    const TiXmlElement* root = m_constantsReader->getRootElement();
    const TiXmlElement* savings = root ? root->FirstChildElement("savings") : nullptr;
    if (savings) {
        const int tip = xml::getAttributeInt(
            savings, "value" + std::to_string(DifficultyLevel::value()), false);
        budget::addText(box, budget::kronor(tip), SAVINGS_TIP_AT + shift, false,
                        budget::VALUE_COLOR);
    } else {
        Log::warning("Budget::createSavings")
            << "Failed to get savings element from fiscoraConstants";
    }
}

void Budget::rebuild(const std::string& page) {
    // Its numbers are texts of its text box, which goes with it.
    (page == "consumption" ? m_consumptionNumbers : m_savingsNumbers).clear();
    if (!m_pages->rebuild(page)) {
        return;
    }
    if (page == "consumption") {
        createConsumption();
    } else {
        createSavings();
    }
}

void Budget::update(float) {
    if (!m_active || m_done) {
        return;
    }
    if (clicked(m_okButton)) {
        m_month.consumptionTotal = static_cast<float>(m_consumptionTotal);
        m_month.savingsTotal = static_cast<float>(m_savingsTotal);
        m_done = true;
        GameState::RoomState::instance()->restartInputDelay();
        Log::debug("Budget::update")
            << "budget done, bought " << m_consumptionTotal << " saved " << m_savingsTotal;
        return;
    }
    m_cash = Portfolio::instance()->getCash();
    m_surplus = m_incomeTotal - m_savingsTotal - m_expensesTotal - m_consumptionTotal;
    updateConsumptions();
    updateSavings();
    m_pages->update();
    updateInfoButtons();
    for (auto* numbers : {&m_mainNumbers, &m_consumptionNumbers, &m_savingsNumbers}) {
        for (auto& number : *numbers) {
            number.refresh();
        }
    }
}

void Budget::updateConsumptions() {
    const char* context = "Budget::updateConsumptions";
    InfoManager* info = InfoManager::instance();
    GuiWindow* window = m_pages->get("consumption");
    if (window && m_pages->isShown(window->getName())) {
        const std::pair<const char*, const char*> infoButtons[] = {{"info", "forbrukningsvaror"},
                                                                   {"mat", "mat"},
                                                                   {"klader", "klader"},
                                                                   {"hygien", "hygien"}};
        for (const auto& button : infoButtons) {
            if (clicked(window->findChild(button.first))) {
                info->show(button.second, InfoManager::MESSAGE, INFO_AT);
            }
        }
        const std::pair<const char*, const char*> sliders[] = {
            {"Food Slider", "Cant get food slider"},
            {"Cloth Slider", "Cant get hyclothgien slider"},
            {"Hygien Slider", "Cant get hygien slider"}};
        int* values[] = {&m_food, &m_clothes, &m_hygiene};
        for (int i = 0; i < 3; ++i) {
            auto* slider = dynamic_cast<GuiSlider*>(window->findChild(sliders[i].first));
            if (!slider && !m_slidersMissing) {
                Log::error(context) << sliders[i].second;
            }
            *values[i] = slider ? slider->getValue() : 0;
            m_slidersMissing = m_slidersMissing || !slider;
        }
        m_sliderSum = m_food + m_clothes + m_hygiene;
        if (clicked(window->findChild("BuyButton"))) {
            if (m_sliderSum > Portfolio::instance()->getCash()) {
                info->show("cant buy consumptions", InfoManager::MESSAGE, INFO_AT);
            } else {
                info->show("Consumptions", InfoManager::QUESTION, INFO_AT);
            }
        }
    }
    if (info->getAnswer("Consumptions") == InfoManager::CONFIRMED) {
        info->setAnswer(InfoManager::NO_ANSWER);
        const int sum = m_food + m_clothes + m_hygiene;
        // A second purchase in the month adds to the first: the condition
        // rule judges what the month got in all.
        m_month.food += m_food;
        m_month.clothes += m_clothes;
        m_month.hygiene += m_hygiene;
        m_month.bought = true;
        m_consumptionTotal += sum;
        Portfolio::instance()->changeCash(-sum, "budget consumption");
        YearRecord* year = YearRecord::instance();
        year->spend(SpendingKind::FOOD, m_food);
        year->spend(SpendingKind::CLOTHES, m_clothes);
        year->spend(SpendingKind::HYGIENE, m_hygiene);
        Log::debug(context) << "bought food " << m_food << ", clothes " << m_clothes << ", hygiene "
                            << m_hygiene;
        rebuild("consumption");
        // The savings slider reaches only as far as the cash that is left.
        rebuild("savings");
    }
}

void Budget::updateSavings() {
    InfoManager* info = InfoManager::instance();
    GuiWindow* window = m_pages->get("savings");
    if (window && m_pages->isShown(window->getName())) {
        if (clicked(window->findChild("info"))) {
            info->show("sparande", InfoManager::MESSAGE, INFO_AT);
        }
        auto* slider = dynamic_cast<GuiSlider*>(window->findChild("Savings Slider"));
        m_saving = slider ? slider->getValue() : 0;
        if (clicked(window->findChild("BuyButton"))) {
            info->show("Savings", InfoManager::QUESTION, INFO_AT);
        }
    }
    if (info->getAnswer("Savings") == InfoManager::CONFIRMED) {
        info->setAnswer(InfoManager::NO_ANSWER);
        const int saved = m_saving;
        m_savingsTotal += saved;
        InvestmentCalculator::instance()->deposit(static_cast<float>(saved));
        Portfolio::instance()->changeCash(-saved, "budget savings");
        Statistics::instance()->add(StatisticType::FUNDS_ACCOUNT, saved);
        Log::debug("Budget::updateSavings") << "saved " << saved;
        rebuild("savings");
    }
}

void Budget::updateInfoButtons() {
    InfoManager* info = InfoManager::instance();
    if (clicked(m_surplusInfo)) {
        info->show("overskott", InfoManager::MESSAGE, INFO_AT);
    }
    if (m_pages->isShown("income") && clicked(m_pages->child("income", "info"))) {
        info->show("inkomster", InfoManager::MESSAGE, INFO_AT);
    }
    if (m_pages->isShown("expenses") && clicked(m_pages->child("expenses", "info"))) {
        info->show("rakningar", InfoManager::MESSAGE, INFO_AT);
    }
}
