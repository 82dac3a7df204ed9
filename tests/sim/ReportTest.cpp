// The report icons and windows: slots, the answers by click and by key, the
// bill's money check and reminder lines, and the autopilot's "report".
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/states/StateTestSupport.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "home/Portfolio.h"
#include "resource/Encoding.h"
#include "sim/Bill.h"
#include "sim/FlagSystem.h"
#include "sim/GuiReportBill.h"
#include "sim/GuiReportEvent.h"
#include "sim/InfoManager.h"
#include "sim/RandomEvent.h"
#include "sim/RandomEventManager.h"

namespace {

using T = EventType;

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        statetest::installShipped(install);
        install.addFile("xml", "fiscoraConstants.xml",
                        "<f><bill><state value=\"50\"/><state value=\"75\"/></bill></f>");
    }
    void TearDown() override { RandomEventManager::destroy(); }
    void start(const std::string& script = "") {
        install.mount();
        game = std::make_unique<statetest::Game>(script);
        InfoManager::instance()->load("info.xml");
        FlagSystem::instance()->reset();
        Portfolio::instance()->setCash(1000);
    }
    const EventRecord* record(int id, int type, int value, const std::string& textA = "Ja",
                              const std::string& textB = "Nej") {
        EventRecord& made = records.emplace_back();
        made.id = id;
        made.type = type;
        made.value = value;
        made.title = "Händelse";
        made.textA = textA;
        made.textB = textB;
        made.image = "party";
        return &made;
    }
    RandomEvent* event(int id, int value, const std::string& textA = "Ja",
                       const std::string& textB = "Nej") {
        auto* made = new RandomEvent(record(id, T::BASE, value, textA, textB));
        made->trigger();
        owned.emplace_back(made);
        return made;
    }
    Bill* bill(int type, int value, int state = 0) {
        auto* made = new Bill(record(90 + state, type, value), state, value);
        owned.emplace_back(made);
        return made;
    }
    // The texts written into the window's "content" box in `font` (any
    // font when empty).
    static std::vector<std::string> written(const GuiReportInterface& report,
                                            const std::string& font = "") {
        std::vector<std::string> texts;
        auto* box = dynamic_cast<GuiTextBox*>(report.getWindow()->findChild("content"));
        for (const auto& text : box->getAddedTexts()) {
            if (font.empty() || text.font == font) {
                texts.push_back(text.text);
            }
        }
        return texts;
    }
    static bool contains(const std::vector<std::string>& texts, const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    // The shipped layout builds without a missing attribute or element.
    bool layoutComplete() const {
        for (const char* context : {"xml::findAttribute", "GuiReportInterface::buildWindow",
                                    "GuiReportEvent::createWindow", "GuiReportBill::writeLine"}) {
            if (!log.from(context).empty()) {
                return false;
            }
        }
        return true;
    }
    bool logged(const std::string& line) const {
        return log.has(test::logLine("DD", "GuiReportInterface::finish", line));
    }

    test::Installation install;
    std::unique_ptr<statetest::Game> game;
    std::deque<EventRecord> records;
    std::vector<std::unique_ptr<RandomEventInterface>> owned;
    test::LogCapture log;
};

}  // namespace

TEST_F(ReportTest, ReportsOfOneDayTakeTheSlotsInOrderAndAnAnsweredOneFreesItsSlot) {
    start();
    RandomEventManager* manager = RandomEventManager::instance();
    for (int id = 1; id <= 3; ++id) {
        manager->triggerEvent(event(id, 0));
    }
    const auto& slots = GuiReportInterface::getSlots();
    ASSERT_EQ(slots.size(), 8u);
    EXPECT_EQ(slots[0].x, (800 - 49) / 2.0f) << "the column is centred on the screen";
    for (int slot = 0; slot < 3; ++slot) {
        const GuiReportInterface* report = manager->getReports()[slot];
        EXPECT_EQ(report->getSlot(), slot);
        EXPECT_EQ(report->getPosition().y, slots[slot].y);
        EXPECT_EQ(report->getSize().x, 49);
    }
    // The first is answered; the next report takes its place rather than
    // covering the third.
    manager->getReports()[0]->press();
    manager->getReports()[0]->acceptAction();
    manager->update(0.0f);
    manager->triggerEvent(event(4, 0));
    EXPECT_EQ(manager->getReports().back()->getSlot(), 0);
    // A ninth report starts a second column beside the first.
    for (int id = 5; id <= 10; ++id) {
        manager->triggerEvent(event(id, 0));
    }
    const GuiReportInterface* ninth = manager->getReports().back();
    EXPECT_EQ(ninth->getSlot(), 8);
    EXPECT_EQ(ninth->getPosition().y, slots[0].y);
    EXPECT_GE(ninth->getPosition().x, slots[0].x + 49);
}

TEST_F(ReportTest, AnIncomeHasNoDenyButtonAndOnlyEnterAnswersIt) {
    start(
        "2 clickon report\n4 key backspace down\n5 key backspace up\n"
        "7 key return down\n8 key return up\n");
    GuiReportBill report(bill(T::INCOME, 2000), 0);
    game->frames(6);
    ASSERT_TRUE(report.isWindowOpen());
    EXPECT_EQ(report.getWindow()->findChild("denyButton"), nullptr);
    EXPECT_TRUE(contains(written(report), "UTBETALNING"));
    EXPECT_TRUE(contains(written(report), "INKOMST"));
    EXPECT_FALSE(report.isDone()) << "Backspace does nothing without a deny button";
    game->frames(3);
    EXPECT_TRUE(report.isDone());
    EXPECT_EQ(Portfolio::instance()->getCash(), 3000);
    EXPECT_TRUE(logged("report 90 answered accept"));
}

TEST_F(ReportTest, ABillIsPaidOnlyWhenTheCashCoversIt) {
    start();
    const struct {
        int cash;
        bool paid;
    } cases[] = {{500, true}, {499, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cash);
        Portfolio::instance()->setCash(c.cash);
        InfoManager::instance()->close();
        GuiReportBill report(bill(T::BILL, -500), 0);
        report.press();
        report.acceptAction();
        EXPECT_EQ(report.isDone(), c.paid);
        EXPECT_EQ(report.isWindowOpen(), !c.paid);
        EXPECT_EQ(InfoManager::instance()->isOpen(), !c.paid);
        EXPECT_EQ(InfoManager::instance()->getCurrentName(), c.paid ? "" : "no money");
        EXPECT_EQ(Portfolio::instance()->getCash(), c.paid ? 0 : c.cash);
        EXPECT_TRUE(contains(written(report), "KOSTNAD"));
        EXPECT_TRUE(contains(written(report), "500 kronor"));
    }
}

TEST_F(ReportTest, AnIncomeIsTakenInDebt) {
    start();
    Portfolio::instance()->setCash(-4000);
    InfoManager::instance()->close();
    GuiReportBill report(bill(T::INCOME, 3000), 0);
    report.press();
    report.acceptAction();
    EXPECT_TRUE(report.isDone()) << "an income with no other answer must not lock the month";
    EXPECT_FALSE(InfoManager::instance()->isOpen());
    EXPECT_EQ(Portfolio::instance()->getCash(), -1000);
}

TEST_F(ReportTest, AReminderShowsOneRedLinePerFeeSoFar) {
    start();
    const char* red = "font_tessaline_19_red.fnt";
    const struct {
        int state;
        std::vector<std::string> lines;
        const char* total;
    } cases[] = {
        {0, {}, "500 kronor"},
        {1, {"Påminnelseavgift", "50 kronor"}, "550 kronor"},
        {2, {"Påminnelseavgift", "50 kronor", "Ny påminnelseavgift", "75 kronor"}, "625 kronor"},
        // Two fees in the data: the third reminder shows what there is.
        {3, {"Påminnelseavgift", "50 kronor", "Ny påminnelseavgift", "75 kronor"}, "625 kronor"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        GuiReportBill report(bill(T::BILL, -500, c.state), 0);
        report.press();
        std::vector<std::string> lines;
        for (const std::string& line : c.lines) {
            lines.push_back(text::toWindows1252(line));
        }
        EXPECT_EQ(written(report, red), lines);
        EXPECT_EQ(written(report).back(), c.total);
    }
    EXPECT_TRUE(layoutComplete());
    EXPECT_EQ(log.count(test::logLine("EE", "GuiReportBill::createWindow",
                                      "Dont got enough state values i report bill")),
              1);
}

TEST_F(ReportTest, AnEventShowsItsAnswersWithTheAmountAndHidesAnEmptyOne) {
    start();
    GuiReportEvent two(event(1, -350, "Betala $ kr", "Strunta i det"), 0);
    GuiReportEvent one(event(2, 1200, "Ta emot $ kronor", ""), 1);
    two.press();
    EXPECT_EQ(written(two), (std::vector<std::string>{"Betala 350 kr", "Strunta i det"}));
    EXPECT_TRUE(two.getWindow()->findChild("denyButton")->isVisible());
    two.rejectAction();
    one.press();
    EXPECT_EQ(written(one), (std::vector<std::string>{"Ta emot 1 200 kronor"}));
    GuiBase* deny = one.getWindow()->findChild("denyButton");
    EXPECT_FALSE(deny->isVisible());
    EXPECT_FALSE(deny->isInteractive());
    EXPECT_TRUE(one.getWindow()->findChild("confirmButton")->isVisible());
    EXPECT_EQ(one.getWindow()->getPictureCount(), 1u);
    EXPECT_TRUE(layoutComplete());
}

TEST_F(ReportTest, AcceptingAnEventMovesTheCashAndTheFourFlags) {
    start();
    RandomEvent* lottery = event(7, 300);
    auto& changed = const_cast<EventRecord&>(*lottery->getRecord());
    changed.acceptFlag = FiscoraFlags::HOMEINS;
    changed.acceptLowered = FiscoraFlags::TELEFON;
    changed.secondFlag = FiscoraFlags::TV;
    changed.secondLowered = FiscoraFlags::INET;
    FlagSystem* flags = FlagSystem::instance();
    flags->raise(FiscoraFlags::TELEFON);
    flags->raise(FiscoraFlags::INET);
    GuiReportEvent report(lottery, 0);
    report.press();
    report.acceptAction();
    EXPECT_EQ(Portfolio::instance()->getCash(), 1300);
    EXPECT_TRUE(flags->isRaised(FiscoraFlags::HOMEINS));
    EXPECT_TRUE(flags->isRaised(FiscoraFlags::TV));
    EXPECT_FALSE(flags->isRaised(FiscoraFlags::TELEFON));
    EXPECT_FALSE(flags->isRaised(FiscoraFlags::INET));
    EXPECT_TRUE(logged("report 7 answered accept"));
}

TEST_F(ReportTest, KeysAnswerOnlyAnOpenWindowTheyAreAimedAt) {
    // Enter before the window opens, then Backspace once it is open.
    start(
        "2 key return down\n3 key return up\n5 clickon report\n"
        "7 key backspace down\n8 key backspace up\n");
    GuiReportEvent report(event(3, -200), 0);
    game->frames(6);
    EXPECT_TRUE(report.isWindowOpen());
    EXPECT_FALSE(report.isDone());
    game->frames(3);
    EXPECT_TRUE(report.isDone());
    EXPECT_FALSE(report.isWindowOpen());
    EXPECT_EQ(Portfolio::instance()->getCash(), 1000) << "refused: nothing paid";
    EXPECT_TRUE(logged("report 3 answered reject"));
    EXPECT_TRUE(log.has(test::logLine("DD", "GuiReportInterface::press", "report 3 opened")));
}

TEST_F(ReportTest, ClickonReportOpensTheOldestOpenReport) {
    start("2 clickon report\n6 clickon report\n");
    GuiReportEvent first(event(1, 0), 0);
    GuiReportEvent second(event(2, 0), 1);
    game->frames(3);
    EXPECT_TRUE(first.isWindowOpen());
    EXPECT_FALSE(second.isWindowOpen());
    first.acceptAction();
    game->frames(5);
    EXPECT_TRUE(second.isWindowOpen());
}
