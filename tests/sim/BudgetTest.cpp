// The budget window driven through the pointer as a player drives it: the
// lists by flags, buying and saving, closing; broken data; the shipped
// amounts; and the monthly condition rule.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/StateTestSupport.h"
#include "gui/GuiSlider.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "gui/InteractionalObject.h"
#include "home/InvestmentCalculator.h"
#include "home/Portfolio.h"
#include "resource/ConstantManager.h"
#include "resource/Text.h"
#include "resource/XmlReader.h"
#include "sim/Budget.h"
#include "sim/BudgetPage.h"
#include "sim/ConditionRule.h"
#include "sim/Date.h"
#include "sim/FlagSystem.h"
#include "sim/InfoManager.h"
#include "sim/MonthConsumption.h"
#include "sim/Statistics.h"

namespace {

using F = FiscoraFlags;

// Two incomes of one name (the later counts), one always, one by flag.
const char* const kConstants = R"(<fiscora>
  <income name="Lon" flag="LONA" value1="9000"/>
  <income name="Bidrag" flag="" value1="100"/>
  <income name="Bidrag" flag="" value1="300"/>
  <expense name="Hyra" flag="ALWAYS" value1="4000"/>
  <expense name="Forsakring" flag="HOMEINS" value1="120"/>
  <savings value1="500"/>
</fiscora>)";

const char* const kGuiWithoutSubWindows = R"(<gui_file>
  <gui guiId="budgetWindow" name="blank" border="1"><size x="720" y="520"/></gui>
</gui_file>)";

class BudgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        statetest::installShipped(m_install);
        DifficultyLevel::instance()->set(1);
    }
    // Starts the game with `script`, the shipped texts, level 1's flags and `cash`.
    void start(const std::string& script = "", int cash = 4000) {
        m_install.mount();
        m_game = std::make_unique<statetest::Game>(script);
        ASSERT_TRUE(m_game->ok());
        // The pointer first, as in the game: a click reaches the budget in its frame.
        InteractionalObject::getCursor();
        InfoManager::instance()->load("info.xml");
        FlagSystem::instance()->load(1);
        Portfolio::instance()->setCash(cash);
    }
    Budget& open() {
        m_budget = std::make_unique<Budget>(m_month, false);
        return *m_budget;
    }
    GuiBase* widget(const std::string& window, const std::string& name) const {
        GuiBase* sub = m_budget->getWindow()->findChild(window);
        return sub ? sub->findChild(name) : nullptr;
    }
    GuiSlider* slider(const std::string& window, const std::string& name) const {
        return dynamic_cast<GuiSlider*>(widget(window, name));
    }
    void setSliders(int food, int clothes, int hygiene) const {
        slider("consumption", "Food Slider")->setValue(food);
        slider("consumption", "Cloth Slider")->setValue(clothes);
        slider("consumption", "Hygien Slider")->setValue(hygiene);
    }
    bool shows(const std::string& window, const std::string& box, const std::string& text) const {
        auto* found = dynamic_cast<GuiTextBox*>(widget(window, box));
        for (const auto& record : found->getAddedTexts()) {
            if (record.drawn && record.drawn->getText() == text) {
                return true;
            }
        }
        return false;
    }
    int cash() const { return Portfolio::instance()->getCash(); }

    test::Installation m_install;
    std::unique_ptr<statetest::Game> m_game;
    MonthConsumption m_month;
    std::unique_ptr<Budget> m_budget;
    test::LogCapture log;
};

}  // namespace

TEST_F(BudgetTest, ConditionBoundsAreStrictAndALowFlagKeepsCountingWhileItStaysLow) {
    m_install.mount();
    struct Need {
        int MonthConsumption::*spent;
        int norm;
        const char* factors;
        F::_enum low, high;
    };
    const Need needs[] = {
        {&MonthConsumption::food, m_month.foodNorm, "Health", F::LOWHEALTH, F::HIGHHEALTH},
        {&MonthConsumption::clothes, m_month.clothesNorm, "Appearance", F::LOWAPPEARANCE,
         F::HIGHAPPEARANCE},
        {&MonthConsumption::hygiene, m_month.hygieneNorm, "Hygiene", F::LOWHYGIENE,
         F::HIGHHYGIENE}};
    FlagSystem* flags = FlagSystem::instance();
    ConstantManager* constants = ConstantManager::instance();
    for (const Need& need : needs) {
        SCOPED_TRACE(need.factors);
        const int low =
            static_cast<int>(need.norm * constants->getFloat(std::string("low") + need.factors));
        const int high =
            static_cast<int>(need.norm * constants->getFloat(std::string("high") + need.factors));
        ASSERT_TRUE(low > 0 && low < need.norm && high > need.norm);
        const struct {
            int spent;
            bool low, high;
        } cases[] = {{low - 1, true, false},
                     {low, false, false},
                     {high, false, false},
                     {high + 1, false, true},
                     {0, true, false}};
        for (const auto& c : cases) {
            MonthConsumption month = m_month;
            month.*need.spent = c.spent;
            ConditionRule::apply(month);
            EXPECT_EQ(flags->isRaised(need.low), c.low) << c.spent;
            EXPECT_EQ(flags->isRaised(need.high), c.high) << c.spent;
        }
        // Still low after a month change: the counter goes on.
        flags->monthChanged(Date{});
        MonthConsumption month = m_month;
        month.*need.spent = low - 1;
        ConditionRule::apply(month);
        EXPECT_EQ(flags->monthCounter(need.low), 1);
        month.*need.spent = need.norm;
        ConditionRule::apply(month);
        EXPECT_FALSE(flags->isRaised(need.low) || flags->isRaised(need.high));
        EXPECT_EQ(flags->monthCounter(need.low), 0);
    }
    const auto lines = log.from("ConditionRule::apply");
    ASSERT_GE(lines.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const char* order[] = {"health", "appearance", "hygiene"};
        EXPECT_NE(lines[i].find(std::string("\t") + order[i] + " "), std::string::npos) << lines[i];
    }
}

TEST_F(BudgetTest, ListsFollowTheFlagsAndALaterItemOfTheSameNameWins) {
    m_install.addFile("xml", "fiscoraConstants.xml", kConstants);
    start();
    for (bool insured : {true, false}) {
        SCOPED_TRACE(insured);
        insured ? FlagSystem::instance()->raise(F::HOMEINS)
                : FlagSystem::instance()->lower(F::HOMEINS);
        const Budget& budget = open();
        EXPECT_EQ(budget.getIncomeTotal(), 9000 + 300);
        EXPECT_EQ(budget.getExpensesTotal(), 4000 + (insured ? 120 : 0));
        EXPECT_EQ(shows("expenses", "Expenses Text", "Forsakring"), insured);
        EXPECT_TRUE(shows("expenses", "Expenses Text", "4 000 kr"));
        EXPECT_TRUE(shows("income", "Income Text", "+ 300 kr"));
        EXPECT_FALSE(shows("income", "Income Text", "+ 100 kr"));
        EXPECT_EQ(budget.getSurplus(), budget.getIncomeTotal() - budget.getExpensesTotal());
    }
    // Switched off and on again, the hidden pages stay out of reach.
    m_budget->setActive(false);
    m_budget->setActive(true);
    EXPECT_TRUE(widget("income", "info")->isInteractive());
    EXPECT_FALSE(widget("savings", "BuyButton")->isInteractive());
}

TEST_F(BudgetTest, PurchasesAddUpASumEqualToTheCashIsBoughtOneAboveRefusedAndOkCloses) {
    start(
        "2 clickon consumption tab\n4 clickon BuyButton\n6 clickon confirmButton\n"
        "10 clickon BuyButton\n12 clickon confirmButton\n"
        "16 clickon BuyButton\n20 clickon exitButton\n22 clickon ok\n",
        3000);
    Budget& budget = open();
    m_game->frames(3);
    setSliders(1000, 700, 300);
    m_game->frames(5);
    EXPECT_EQ(cash(), 1000);
    EXPECT_EQ(budget.getConsumptionTotal(), 2000);
    EXPECT_EQ(slider("consumption", "Food Slider")->getValue(), 0) << "rebuilt for a new choice";
    EXPECT_EQ(slider("savings", "Savings Slider")->getSteps(), 1000) << "only what is left";

    setSliders(500, 400, 100);
    m_game->frames(6);
    EXPECT_EQ(cash(), 0) << "a sum equal to the cash is bought";
    EXPECT_EQ(m_month.food + m_month.clothes + m_month.hygiene, 3000);
    EXPECT_EQ(m_month.food, 1500) << "a second purchase adds to the first";
    EXPECT_TRUE(m_month.bought);

    setSliders(1, 0, 0);
    m_game->frames(2);
    EXPECT_EQ(InfoManager::instance()->getCurrentName(), "cant buy consumptions");
    EXPECT_TRUE(InfoManager::instance()->isOpen());
    m_game->frames(6);
    EXPECT_EQ(cash(), 0);
    EXPECT_EQ(budget.getConsumptionTotal(), 3000);
    EXPECT_TRUE(budget.isDone());
    EXPECT_EQ(m_month.consumptionTotal, 3000.0f);
    EXPECT_EQ(budget.getSurplus(), budget.getIncomeTotal() - budget.getExpensesTotal() - 3000);
}

TEST_F(BudgetTest, TheSavingsRangeNeverGoesBelowZeroAndSavingMovesCashToTheAccount) {
    start("2 clickon savings tab\n4 clickon BuyButton\n6 clickon confirmButton\n", -500);
    open();
    EXPECT_EQ(slider("savings", "Savings Slider")->getSteps(), 0);
    Portfolio::instance()->setCash(4000);
    Budget& budget = open();
    const float balance = InvestmentCalculator::instance()->getBalance();
    m_game->frames(3);
    slider("savings", "Savings Slider")->setValue(1500);
    m_game->frames(5);
    EXPECT_EQ(cash(), 2500);
    EXPECT_FLOAT_EQ(InvestmentCalculator::instance()->getBalance() - balance, 1500);
    EXPECT_EQ(Statistics::instance()->get(StatisticType::FUNDS_ACCOUNT), 1500);
    EXPECT_EQ(budget.getSavingsTotal(), 1500);
    EXPECT_EQ(slider("savings", "Savings Slider")->getSteps(), 2500);
}

// Broken content: the lines of the failure, and a budget that opens anyway.
struct BrokenCase {
    const char* name;
    const char* file;
    const char* content;  // null: the file is missing
    std::vector<std::string> lines;
};

class BudgetBrokenTest : public BudgetTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BudgetBrokenTest, LogsThePartsItLacksAndStillOpens) {
    const BrokenCase& broken = GetParam();
    if (broken.content) {
        m_install.addFile("xml", broken.file, broken.content);
    } else {
        std::remove((m_install.folder("xml") + "/" + broken.file).c_str());
    }
    start("2 clickon ok\n");
    open();
    EXPECT_TRUE(m_game->frames(3));
    for (const std::string& line : broken.lines) {
        EXPECT_EQ(log.count(line), 1) << line;
    }
}

const std::string kFrom = "Failed to get ";
INSTANTIATE_TEST_SUITE_P(
    Content, BudgetBrokenTest,
    ::testing::Values(BrokenCase{"MissingConstants",
                                 "fiscoraConstants.xml",
                                 nullptr,
                                 {test::logLine("EE", "Budget::createIncome",
                                                kFrom + "income element from fiscoraConstants"),
                                  test::logLine("EE", "Budget::createExpenses",
                                                kFrom + "expense element from fiscoraConstants")}},
                      BrokenCase{"BrokenConstants",
                                 "fiscoraConstants.xml",
                                 "<fiscora><income name=\"Lon\" value1=\"1\"><expense",
                                 {test::logLine("EE", "Budget::createIncome",
                                                kFrom + "income element from fiscoraConstants")}},
                      BrokenCase{"NoWindowRecord",
                                 "gui.xml",
                                 "<gui_file/>",
                                 {test::logLine("DD", "Budget::Budget", "Creating budget"),
                                  test::logLine("EE", "Budget::Budget",
                                                "Cant get budget window element from gui.xml")}},
                      BrokenCase{"NoSubWindows",
                                 "gui.xml",
                                 kGuiWithoutSubWindows,
                                 {test::logLine("EE", "Budget::createIncome",
                                                kFrom + "Income text from budget window"),
                                  test::logLine("EE", "Budget::createExpenses",
                                                kFrom + "Expenses text from budget window"),
                                  test::logLine("EE", "Budget::createConsumption",
                                                kFrom + "Consumption text from budget window"),
                                  test::logLine("EE", "Budget::createSavings",
                                                kFrom + "Savings text from budget window")}}),
    [](const ::testing::TestParamInfo<BrokenCase>& info) { return info.param.name; });

TEST_F(BudgetTest, ShippedAmountsNameRealFlagsAndEveryLevelLeavesABelievableSurplus) {
    m_install.mount();
    XmlReader constants("fiscoraConstants.xml");
    TiXmlElement* root = constants.getRootElement();
    ASSERT_NE(root, nullptr);
    for (const char* kind : {"income", "expense"}) {
        for (TiXmlElement* item = root->FirstChildElement(kind); item;
             item = item->NextSiblingElement(kind)) {
            const std::string flag = item->Attribute("flag") ? item->Attribute("flag") : "";
            SCOPED_TRACE(flag);
            EXPECT_TRUE(flag.empty() || (flag == "ALWAYS" && std::string(kind) == "expense") ||
                        F::fromString(flag) != F::UNDEFINED);
            for (const char* value : {"value1", "value2", "value3"}) {
                EXPECT_GT(std::atoi(item->Attribute(value) ? item->Attribute(value) : "0"), 0);
            }
        }
    }
    const int norms = MonthConsumption::FOOD_NORM + MonthConsumption::CLOTHES_NORM +
                      MonthConsumption::HYGIENE_NORM;
    int surplus[4] = {};
    for (int level = 1; level <= 3; ++level) {
        FlagSystem::instance()->load(level);
        bool found = false;
        int income = 0;
        int expenses = 0;
        for (const auto& item : budget::readItems(root, "income", level, found)) {
            income += item.second;
        }
        for (const auto& item : budget::readItems(root, "expense", level, found)) {
            expenses += item.second;
        }
        surplus[level] = income - expenses - norms;
        EXPECT_GT(surplus[level], 0) << "level " << level;
        EXPECT_LT(surplus[level], income / 2) << "level " << level;
    }
    EXPECT_LT(surplus[3], surplus[1]);
    int fees = 0;
    for (TiXmlElement* state = root->FirstChildElement("bill")->FirstChildElement("state"); state;
         state = state->NextSiblingElement("state"), ++fees) {
    }
    EXPECT_EQ(fees, 3);
}

// Each page shot (left in the test's "shots" folder to look at): every text
// inside its box, and nothing drawn outside the window's frame.
TEST_F(BudgetTest, EveryPageKeepsItsTextsInsideTheirBoxesAndNothingOutsideTheFrame) {
    const char* pages[] = {"income", "consumption", "expenses", "savings"};
    std::string script = "1 move 60 560\n2 shot income\n";
    for (int i = 1; i < 4; ++i) {
        script += std::to_string(4 * i) + " clickon " + pages[i] + " tab\n" +
                  std::to_string(4 * i + 2) + " shot " + pages[i] + "\n";
    }
    setenv("FISCORA_SHOTS", "shots", 1);
    start(script + "17 clickon surplus info\n19 shot info\n");
    unsetenv("FISCORA_SHOTS");
    FlagSystem::instance()->raise(F::INET);
    open();
    setSliders(3000, 700, 450);
    m_game->frames(20);

    std::vector<GuiTextBox*> boxes = {
        dynamic_cast<GuiTextBox*>(m_budget->getWindow()->findChild("Main Text"))};
    const char* texts[] = {"Income Text", "Consumption Text", "Expenses Text", "Savings Text"};
    for (int i = 0; i < 4; ++i) {
        boxes.push_back(dynamic_cast<GuiTextBox*>(widget(pages[i], texts[i])));
    }
    for (GuiTextBox* box : boxes) {
        ASSERT_NE(box, nullptr);
        for (const auto& record : box->getAddedTexts()) {
            SCOPED_TRACE(box->getName() + ": " + record.text);
            const Text& text = *record.drawn;
            const float left = record.position.x - (text.getAlign() ? text.getWidth() : 0);
            EXPECT_GE(left, 0);
            EXPECT_LE(left + text.getWidth(), box->getTextWidth());
            EXPECT_LE(record.position.y + text.getHeight(), box->getTextHeight());
        }
    }
    // The frame reaches 32 pixels round the window (33 below).
    const hgeVector at = m_budget->getWindow()->getPosition();
    const hgeVector size = m_budget->getWindow()->getSize();
    for (const char* shot : {"income", "consumption", "expenses", "savings", "info"}) {
        SCOPED_TRACE(shot);
        const test::Picture picture(std::string("shots/") + shot + ".png");
        ASSERT_TRUE(picture.ok());
        const uint32_t outside = picture.at(0, 0);
        EXPECT_EQ(picture.count(0, 0, 800, 600,
                                [&](int x, int y) {
                                    const bool framed = x >= at.x - 32 && x < at.x + size.x + 32 &&
                                                        y >= at.y - 32 && y < at.y + size.y + 33;
                                    return !framed && picture.at(x, y) != outside;
                                }),
                  0);
    }
}
