#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "core/Log.h"

namespace {

std::string lastLineOfLogFile() {
    std::ifstream in("log.log");
    std::string line, last;
    while (std::getline(in, line)) {
        last = line;
    }
    return last;
}

}  // namespace

TEST(Log, EachLevelWritesItsTagContextAndMessageAsOneFlushedLine) {
    Log::instance()->startCapture();
    Log::info("WinMain") << "Initializing engine";
    EXPECT_EQ(lastLineOfLogFile(), "[II] [WinMain]\t\tInitializing engine");
    Log::warning("ZDepth::getZ") << "no depth found with name "
                                 << "x"
                                 << ", returning 0.0f";
    Log::error("Randomizer::getInt") << "value " << 42 << ' ' << 1.5f;
    Log::debug("resource::Manager::getRaw") << "reading gui.xml";
    const auto lines = Log::instance()->stopCapture();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "[WW] [ZDepth::getZ]\t\tno depth found with name x, returning 0.0f");
    EXPECT_EQ(lines[2], "[EE] [Randomizer::getInt]\t\tvalue 42 1.5");
    EXPECT_EQ(lines[3], "[DD] [resource::Manager::getRaw]\t\treading gui.xml");
    EXPECT_EQ(lastLineOfLogFile(), lines[3]);
}

TEST(Log, ALineEndedInsideAnotherLinesPiecesDoesNotMixThem) {
    // A message piece computed by a call that itself logs must not leak into
    // the outer line: the inner line is ended first, on its own.
    Log::instance()->startCapture();
    auto piece = [] {
        Log::debug("inner") << "inner message";
        return std::string("value");
    };
    Log::info("outer") << "outer " << piece();
    const auto lines = Log::instance()->stopCapture();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "[DD] [inner]\t\tinner message");
    EXPECT_EQ(lines[1], "[II] [outer]\t\touter value");
}
