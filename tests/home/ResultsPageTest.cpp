// The results page: what it shows for small years, its escaping and
// encoding, the advice drawn from the months, and where it is written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/Money.h"
#include "core/states/DifficultyLevel.h"
#include "home/Portfolio.h"
#include "home/ResultsPage.h"
#include "resource/Encoding.h"
#include "sim/Scenario.h"
#include "sim/Statistics.h"

namespace {

using Content = ResultsPage::Content;

const char* const NAMES[] = {"Januari", "Februari", "Mars",      "April",   "Maj",      "Juni",
                             "Juli",    "Augusti",  "September", "Oktober", "November", "December"};

// A healthy month with nothing spent; `number` counts from 1.
MonthFigures month(int number, double cash, double savings = 0) {
    MonthFigures figures;
    figures.number = number;
    figures.name = NAMES[(number - 1) % 12];
    figures.shortName = figures.name.substr(0, 3);
    figures.year = 1 + (number - 1) / 12;
    figures.cash = cash;
    figures.savings = savings;
    figures.health = figures.hygiene = 80;
    return figures;
}

// A whole level-3 game with a dip below zero, spending and a few mishaps;
// the Chromium test shows the page written from it.
Content sampleYear() {
    Content c;
    c.level = 3;
    c.scenario = 7;
    c.cash = 3250;
    c.savings = 12400;
    c.stocks = 2100;
    c.funds = 5300;
    c.furniture = 8800;
    c.playTime = "41min 12sek";
    for (int i = 1; i <= 24; ++i) {
        MonthFigures m = month(i, i == 5 ? -16000 : 4000 - 900 * (i % 7) + 150 * i, 500.0 * i);
        m.holdings = i > 6 ? 300.0 * i : 0;
        m.furniture = 400.0 * i;
        const double spent[] = {2600, 400.0 + 50 * (i % 3), 700, 6900, i % 4 ? 0.0 : 1800};
        std::copy(std::begin(spent), std::end(spent), m.spent);
        m.health = i == 5 ? 30 : 80;
        m.reminders = i == 5 ? 2 : 0;
        c.months.push_back(m);
    }
    c.achievements = {W1252(u8"Första sparslanten"), W1252(u8"Ren och fräsch")};
    return c;
}

void expectParts(const std::string& text, const std::vector<std::string>& present,
                 const std::vector<std::string>& absent = {}) {
    for (const std::string& part : present) {
        EXPECT_NE(text.find(part), std::string::npos) << part << " missing in\n" << text;
    }
    for (const std::string& part : absent) {
        EXPECT_EQ(text.find(part), std::string::npos) << part << " found in\n" << text;
    }
}

// The chart's dots, each of which must lie inside the picture.
int dotsInside(const std::string& page) {
    static const std::regex dot("<circle cx=\"([-0-9.]+)\" cy=\"([-0-9.]+)\"");
    int dots = 0;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), dot);
         it != std::sregex_iterator(); ++it, ++dots) {
        const double x = std::stod((*it)[1]), y = std::stod((*it)[2]);
        EXPECT_TRUE(x > 0 && x < 860 && y > 0 && y < 330) << it->str();
    }
    return dots;
}

}  // namespace

TEST(ResultsPage, SmallYearsShowWhatTheyMust) {
    struct Case {
        const char* name;
        std::function<void(Content&)> make;
        std::vector<std::string> present, absent = {};
    };
    const Case cases[] = {
        {"no months",
         [](Content& c) {
             c.level = 1;
             c.levelTitle = W1252(u8"Lätt – ett halvår");
         },
         {u8"Lätt", u8"Ett eget år", u8"Prestationer finns på nivån Svår"},
         {"<svg", "<tbody>"}},
        {"one month",
         [](Content& c) {
             c.level = 2;
             c.levelTitle = "Mellan";
             c.months = {month(1, 1234.6)};
         },
         {"Mellan", "<svg", ">Jan<", money::kr(1234), "Januari"},
         {u8"år 1", "Scenario"}},
        {"below zero",
         [](Content& c) {
             c.level = 3;
             c.cash = -3000.9;
             c.months = {month(1, 500), month(2, -2500), month(3, -3000.9)};
         },
         {money::kr(-3000), "class=\"num neg\"", u8"Inga prestationer"}},
        {"scenario and achievements",
         [](Content& c) {
             c.level = 3;
             c.scenario = 7;
             c.achievements = {W1252(u8"Första sparslanten")};
             c.months = {month(12, 100), month(13, 200)};
         },
         {"Scenario 7", u8"<li>Första sparslanten</li>", u8"December år 1", u8"År 2"},
         {u8"Ett eget år", u8"Inga prestationer"}},
        {"markup in game text",
         [](Content& c) {
             c.achievements = {"<script>alert('x')</script>", W1252(u8"Hemma hos mig & dig")};
             c.months = {month(1, 100)};
             c.months[0].name = W1252(u8"<b>Vår</b>");
         },
         {"&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;", "Hemma hos mig &amp; dig",
          u8"&lt;b&gt;Vår&lt;/b&gt;"},
         {"<script", "<b>"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Content content;
        content.savings = 150;
        content.playTime = "3min 4sek";
        c.make(content);
        const std::string page = ResultsPage::html(content);
        std::string problem;
        EXPECT_TRUE(text::isConvertible(page, &problem)) << problem;
        expectParts(page, c.present, c.absent);
        expectParts(page, {u8"<title>Ditt år med Fiscora</title>", u8"<h1>Ditt år med Fiscora</h1>",
                           money::kr(static_cast<int64_t>(content.cash) + 150), "3min 4sek"});
        EXPECT_EQ(dotsInside(page), static_cast<int>(content.months.size()));
    }
}

TEST(ResultsPage, AdviceFollowsTheYear) {
    // A calm half year: money kept, nothing went wrong.
    Content calm;
    calm.level = 1;
    for (int i = 1; i <= 6; ++i) {
        calm.months.push_back(month(i, 1000.0 * i, 200.0 * i));
        calm.months.back().spent[SpendingKind::FOOD] = 2500;
        calm.months.back().spent[SpendingKind::BILLS] = 2000;
    }
    calm.savings = calm.months.back().savings;
    struct Case {
        const char* name;
        std::function<void(Content&)> change;
        std::vector<std::string> said, unsaid = {};
    };
    const Case cases[] = {
        {"calm",
         [](Content&) {},
         {"mat: " + money::kr(6 * 2500), money::kr(6 * 200)},
         {u8"Hälsan", "Hygienen", u8"påminnelse", "Inkasso", "minskade", "tomt"}},
        {"ill in March and May, dirty in February",
         [](Content& c) {
             c.months[2].health = c.months[4].health = 10;
             c.months[1].hygiene = 0;
         },
         {u8"Hälsan var låg i mars och maj", "Hygienen var låg i februari"}},
        {"reminders and the collector",
         [](Content& c) {
             c.months[0].reminders = c.months[3].reminders = 2;
             c.months[5].collectorVisits = 1;
         },
         {u8"4 påminnelser", u8"1 gång."}},
        {"a fall in April",
         [](Content& c) { c.months[3].cash = -500; },
         {"i april: " + money::kr(3000 + 600 - (-500 + 800))}},
        {"clothes above all",
         [](Content& c) { c.months[0].spent[SpendingKind::CLOTHES] = 20000; },
         {u8"kläder: " + money::kr(20000)}},
        {"nothing saved", [](Content& c) { c.savings = 0; }, {"Sparkontot var tomt"}},
        {"a bad half year",
         [](Content& c) {
             for (MonthFigures& m : c.months) {
                 m.health = m.hygiene = 0;
                 m.reminders = m.collectorVisits = 1;
             }
         },
         {u8"Hälsan var låg i 6 månader", u8"6 påminnelser", u8"6 gånger"}},
        {"no months", [](Content& c) { c.months.clear(); }, {u8"Spela minst en hel månad"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Content content = calm;
        c.change(content);
        const std::vector<std::string> lines = ResultsPage::advice(content);
        EXPECT_TRUE(lines.size() >= 3 && lines.size() <= 5) << lines.size();
        std::string all, problem;
        for (const std::string& line : lines) {
            all += line + "\n";
        }
        EXPECT_TRUE(text::isConvertible(all, &problem)) << problem;
        expectParts(all, c.said, c.unsaid);
    }
}

// Also leaves the sample page for tests/page/page-shot.sh to photograph.
TEST(ResultsPage, IsWrittenIntoTheDataFolder) {
    test::LogCapture log;
    const std::string dataHome = (std::filesystem::current_path() / "data-home").string();
    setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    const std::string path = dataHome + "/fiscora/fiscora-resultat.html";
    // The running game's page; headless, nothing is opened.
    DifficultyLevel::instance()->set(3);
    Scenario::set(4);
    Portfolio::instance()->setCash(5000);
    Statistics::instance()->set(StatisticType::PLAY_TIME, 125);
    YearRecord::instance()->addMonth(month(1, 4200));
    ResultsPage::publish();
    expectParts(test::readFile(path),
                {"Scenario 4", money::kr(5000), money::kr(4200), "2min 5sek", u8"Svår"});
    EXPECT_TRUE(log.has(
        test::logLine("II", "ResultsPage::publish", "headless, not opening the results page")));

    const Content sample = sampleYear();
    EXPECT_EQ(ResultsPage::write(sample), path);
    EXPECT_EQ(test::readFile(path), ResultsPage::html(sample));
    EXPECT_EQ(log.from("ResultsPage::write"),
              std::vector<std::string>(
                  2, test::logLine("II", "ResultsPage::write", "wrote the results page " + path)));
    // A file where the folder should be: nothing written, the failure logged.
    setenv("XDG_DATA_HOME", path.c_str(), 1);
    EXPECT_EQ(ResultsPage::write(sample), "");
    EXPECT_EQ(log.from("ResultsPage::write").back().rfind("[EE]", 0), 0u);
}
