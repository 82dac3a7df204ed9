// The bot's choices: which events and bills each style says yes to, what it
// buys and saves, and how the environment picks the style and the level.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include "core/autoplay/Careful.h"
#include "core/autoplay/Driver.h"
#include "core/autoplay/Spender.h"

using autoplay::Careful;
using autoplay::Driver;
using autoplay::Spender;

TEST(AutoplayStyle, EventsAndBillsEachStyleSaysYesTo) {
    const Careful careful(1);
    const Spender spender(1);
    struct Row {
        int value;
        int cash;
        bool carefulYes;
        bool spenderYes;
    };
    const Row events[] = {
        {500, 0, true, true},         // it pays
        {-600, 5000, true, true},     // cheap
        {-601, 5000, false, true},    // dearer than cheap
        {-400, 300, false, false},    // cheap, but more than the cash
        {-4000, 5000, false, true},   // costly
        {-4000, 3000, false, false},  // costly and more than the cash
    };
    for (const Row& row : events) {
        SCOPED_TRACE(testing::Message() << row.value << " kr with " << row.cash << " kr");
        EXPECT_EQ(careful.acceptsEvent(row.value, row.cash), row.carefulYes);
        EXPECT_EQ(spender.acceptsEvent(row.value, row.cash), row.spenderYes);
    }
    EXPECT_TRUE(careful.paysBill(6500, 6500));
    EXPECT_FALSE(careful.paysBill(6500, 6499));
    EXPECT_FALSE(spender.paysBill(6500, 6499));
}

TEST(AutoplayStyle, TheCarefulPlayerBuysTheNormsAndSavesAboveItsBuffer) {
    const Careful careful(1);
    const Spender spender(1);
    EXPECT_EQ(careful.consumption(0, 3000, 10000), 3000);
    EXPECT_LT(spender.consumption(0, 3000, 10000), 3000 / 2) << "too little food";
    EXPECT_EQ(spender.consumption(2, 800, 10000), 800);
    // The month's bills and the buffer stay in the cash; nothing is saved
    // out of a debt.
    const int saved = careful.savings(30000, 7000);
    EXPECT_GT(saved, 0);
    EXPECT_LE(saved, 30000 - 7000 - Careful::BUFFER);
    EXPECT_EQ(careful.savings(5000, 7000), 0);
    EXPECT_EQ(careful.savings(-2000, 0), 0);
    EXPECT_EQ(spender.savings(30000, 7000), 0);
}

TEST(AutoplayStyle, TheEnvironmentNamesTheStyleAndTheLevel) {
    test::LogCapture log;
    struct Row {
        const char* style;
        const char* level;
        bool made;
        int expectedLevel;
    };
    const Row rows[] = {
        {"careful", "3", true, 3}, {"spender", "2", true, 2}, {"random", nullptr, true, 1},
        {"careful", "4", true, 1}, {"careful", "x", true, 1}, {"lazy", "2", false, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.style);
        setenv("FISCORA_AUTOPLAY", row.style, 1);
        if (row.level) {
            setenv("FISCORA_AUTOPLAY_LEVEL", row.level, 1);
        } else {
            unsetenv("FISCORA_AUTOPLAY_LEVEL");
        }
        const Driver::Settings settings = Driver::readEnvironment();
        EXPECT_EQ(settings.level, row.expectedLevel);
        EXPECT_EQ(Driver::makeStyle(settings) != nullptr, row.made);
    }
    unsetenv("FISCORA_AUTOPLAY");
    unsetenv("FISCORA_AUTOPLAY_LEVEL");
    int badLevels = 0;
    for (const std::string& line : log.from("Autoplay")) {
        badLevels += line.find("FISCORA_AUTOPLAY_LEVEL=") != std::string::npos;
    }
    EXPECT_EQ(badLevels, 2) << "each bad level is logged";
}
