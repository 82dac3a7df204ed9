// The clock: reading the months, running a month day by day, the wrap into a
// new month and year, the end of the game, the listeners and the indicator.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "core/Sprite.h"
#include "engine/hgesprite.h"
#include "gui/GuiWindow.h"
#include "sim/DateManager.h"
#include "sim/TimeListener.h"
#include "sim/TimeLoader.h"

namespace {

// Two short months and a one-day month make every wrap quick to reach.
const char* const kShortYear = R"(<date>
  <steptime sec="0.5"/>
  <month name="Ett" length="2"/>
  <note name="not a month" length="9"/>
  <month name="Tv&#229;" length="3"/>
  <month name="Tre" length="1"/>
</date>)";

// "<day>/<month>/<year>"
std::string text(const Date& d) {
    return std::to_string(d.day) + "/" + std::to_string(d.monthIndex()) + "/" +
           std::to_string(d.year);
}

// Writes down each notification as "<kind> <date>".
class Recorder : public TimeListener {
public:
    void dayChanged(const Date& d) override { seen.push_back("day " + text(d)); }
    void monthChanged(const Date& d) override { seen.push_back("month " + text(d)); }
    void yearChanged(const Date& d) override { seen.push_back("year " + text(d)); }
    std::vector<std::string> seen;
};

class CalendarTest : public ::testing::Test {
protected:
    void load(const std::string& text) {
        if (!text.empty()) {
            m_install.addFile("xml", "date.xml", text);
        }
        m_install.mount();
        clock->load("date.xml");
    }
    // One frame of a second: the listener (registered first), then the clock.
    void frame() {
        recorder.poll();
        if (clock->isActive()) {
            clock->update(1.0f);
        }
    }
    // Play, then frames until the clock pauses or ends; the frames it took.
    int playMonth() {
        clock->startMonth();
        return runToPause();
    }
    int runToPause() {
        int frames = 0;
        for (; clock->getStopDate() && !clock->isEnded() && frames < 100; ++frames) {
            frame();
        }
        return frames;
    }
    std::string now() const { return text(clock->getCurrentDate()); }

    test::Installation m_install;
    test::LogCapture log;
    DateManager* clock = DateManager::instance();
    Recorder recorder;
};

}  // namespace

TEST_F(CalendarTest, MissingOrBrokenFileLeavesAnEmptyCalendarThatNeverRuns) {
    const std::pair<const char*, std::string> cases[] = {
        {"", test::logLine("EE", "resource::Manager::getTxt", "got no handle for date.xml")},
        {"<date><month name='Jan' length='31'></date>",
         "[EE] [resource::Manager::getXml]\t\terror parsing xml"},
    };
    for (const auto& [text, line] : cases) {
        SCOPED_TRACE(line);
        test::Installation::unmount();
        m_install.removeFolder("xml");
        load(text);
        EXPECT_EQ(log.countPrefix(line), 1);
        EXPECT_EQ(clock->getMonthCount(), 0);
        EXPECT_EQ(clock->getShortMonthName(), "");
        EXPECT_EQ(playMonth(), 0);
        EXPECT_EQ(log.count(test::logLine("WW", "DateManager::startMonth",
                                          "no months loaded, time stands still")),
                  1);
        log.take();
    }
}

TEST_F(CalendarTest, EachPlayRunsOneWholeMonthAndWrapsIntoTheNextMonthAndYear) {
    load(kShortYear);
    ASSERT_EQ(clock->getMonthCount(), 3) << "other elements are skipped";
    EXPECT_EQ(clock->getMonth(2)->name, "Tv\xe5") << "held in Windows-1252";
    EXPECT_EQ(clock->getStopDate(), nullptr) << "time stands still until Play";
    clock->setEndDate(9, 1);
    // {date after Play, frames until paused, what the listener heard}. Every
    // frame lasts two steps, yet a month of n days takes n - 1 steps and a
    // frame to pause: one day per frame, no catching up.
    struct Month {
        const char* start;
        int frames;
        std::vector<std::string> heard;
    };
    const Month months[] = {
        {"1/1/1", 2, {"day 1/1/1", "month 1/1/1", "year 1/1/1", "day 2/1/1"}},
        {"1/2/1", 3, {"day 1/2/1", "month 1/2/1", "day 2/2/1", "day 3/2/1"}},
        // One day long: paused at once, without a step.
        {"1/3/1", 1, {"day 1/3/1", "month 1/3/1"}},
        // Day 1 follows day 1: only month and year are news.
        {"1/1/2", 2, {"month 1/1/2", "year 1/1/2", "day 2/1/2"}},
    };
    for (const Month& m : months) {
        SCOPED_TRACE(m.start);
        recorder.seen.clear();
        clock->startMonth();
        ASSERT_NE(clock->getStopDate(), nullptr);
        EXPECT_EQ(clock->getStopDate()->day, clock->getMonthLength());
        clock->startMonth();
        EXPECT_EQ(now(), m.start) << "Play while running changes nothing";
        EXPECT_EQ(runToPause(), m.frames);
        EXPECT_EQ(recorder.seen, m.heard);
    }
}

TEST_F(CalendarTest, TheGameEndsAtTheFirstStepInsideTheEndMonth) {
    struct Case {
        int year;
        int month;
        const char* endsAt;  // empty: the game runs on
        int warnings;        // "End date is not set" lines over five months
    };
    const Case cases[] = {
        {1, 2, "2/2/1", 0}, {2, 1, "2/1/2", 0}, {0, 0, "", 6},  // one per step: 1 + 2 + 0 + 1 + 2
        {1, 4, "", 0},  // no fourth month: the end never matches
        {0, 2, "", 0},  // the month alone is set, the year never matches
    };
    const std::string warning =
        test::logLine("WW", "DateManager::step", "End date is not set, current game is infinite!");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "/" + std::to_string(c.month));
        load(kShortYear);  // each load starts a fresh calendar
        clock->setEndDate(c.year, c.month);
        for (int i = 0; i < 5 && !clock->isEnded(); ++i) {
            playMonth();
        }
        EXPECT_EQ(clock->isEnded() ? now() : "", c.endsAt);
        EXPECT_EQ(clock->isActive(), !clock->isEnded());
        EXPECT_EQ(log.count(warning), c.warnings);
        log.take();
    }
}

TEST_F(CalendarTest, TheIndicatorGrowsWithTheDaysAndClosesAtTheMonthsEnd) {
    test::HeadlessEngine engine;
    ASSERT_TRUE(engine.ok());
    clock->load("date.xml");  // the shipped calendar
    EXPECT_EQ(clock->getShortMonthName(), "Jan");
    TimeLoader* loader = TimeLoader::instance();
    EXPECT_FALSE(loader->isActive() || loader->getWindow()->isVisible());
    clock->startMonth();
    loader->start();
    EXPECT_TRUE(loader->isActive() && loader->getWindow()->isVisible() &&
                loader->getBar()->isVisible());
    EXPECT_FLOAT_EQ(loader->getWidthPerDay(), TimeLoader::FULL_WIDTH / 31);
    EXPECT_EQ(loader->getDateText(), "1 Januari");
    for (int day = 2; day <= 31; ++day) {
        clock->update(1.0f);
        loader->update(0);
        ASSERT_TRUE(loader->isActive()) << day;
        if (day == 10) {
            // Out of the flat the month runs on unseen, and shows again back in it.
            loader->setOnScreen(false);
            EXPECT_FALSE(loader->getWindow()->isVisible() || loader->getBar()->isVisible());
        } else if (day == 12) {
            loader->setOnScreen(true);
            EXPECT_TRUE(loader->getWindow()->isVisible() && loader->getBar()->isVisible());
        }
    }
    float x, y, width, height;
    loader->getBar()->getSprite()->GetTextureRect(&x, &y, &width, &height);
    EXPECT_FLOAT_EQ(width, TimeLoader::FULL_WIDTH) << "full on the last day";
    EXPECT_EQ(loader->getDateText(), "31 Januari");
    loader->update(0);
    EXPECT_FALSE(loader->isActive() || loader->getWindow()->isVisible() ||
                 loader->getBar()->isVisible());
    loader->setOnScreen(true);
    EXPECT_FALSE(loader->getWindow()->isVisible()) << "no month runs: nothing to show";
}
