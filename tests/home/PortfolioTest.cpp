#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "TestSupport.h"
#include "home/Portfolio.h"

// Every change of the cash is one log line, and no sum wraps round.
TEST(Portfolio, EachChangeIsLoggedAndTheCashHoldsAtTheEdgesOf32Bits) {
    test::LogCapture log;
    Portfolio* cash = Portfolio::instance();
    cash->setCash(4000);
    cash->changeCash(-4500, "bill paid");
    EXPECT_EQ(cash->getCash(), -500);
    cash->changeCash(std::numeric_limits<int64_t>::max() / 2, "lottery");
    EXPECT_EQ(cash->getCash(), std::numeric_limits<int32_t>::max());
    cash->setCash(std::numeric_limits<int32_t>::min());
    cash->changeCash(-1, "fee");
    EXPECT_EQ(cash->getCash(), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(
        log.from("Portfolio::changeCash"),
        (std::vector<std::string>{
            test::logLine("DD", "Portfolio::changeCash", "cash 0 -> 4000: new game"),
            test::logLine("DD", "Portfolio::changeCash", "cash 4000 -> -500: bill paid"),
            test::logLine("DD", "Portfolio::changeCash", "cash -500 -> 2147483647: lottery"),
            test::logLine("DD", "Portfolio::changeCash",
                          "cash 2147483647 -> -2147483648: new game"),
            test::logLine("DD", "Portfolio::changeCash", "cash -2147483648 -> -2147483648: fee")}));
}
