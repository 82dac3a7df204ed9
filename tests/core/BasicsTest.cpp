// The log, the interpolators and the table of drawing depths.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/Lerp.h"
#include "core/Log.h"
#include "core/ZDepth.h"

namespace {

using Lines = std::vector<std::string>;

// The last line of the log file in this test's own working folder.
std::string lastLogFileLine() {
    std::ifstream in("log.log");
    std::string line, last;
    while (std::getline(in, line)) {
        last = line;
    }
    return last;
}

}  // namespace

TEST(Log, EachLevelWritesItsTagContextAndMessageAsOneFlushedLine) {
    test::LogCapture log;
    Log::info("WinMain") << "Initializing engine";
    EXPECT_EQ(lastLogFileLine(), "[II] [WinMain]\t\tInitializing engine");
    Log::warning("ZDepth::getZ") << "no depth found with name " << 'x' << ", returning 0.0f";
    Log::error("Randomizer::getInt") << "value " << 42 << ' ' << 1.5f;
    Log::debug("resource::Manager::getRaw") << "reading gui.xml";
    EXPECT_EQ(log.lines(),
              (Lines{"[II] [WinMain]\t\tInitializing engine",
                     "[WW] [ZDepth::getZ]\t\tno depth found with name x, returning 0.0f",
                     "[EE] [Randomizer::getInt]\t\tvalue 42 1.5",
                     "[DD] [resource::Manager::getRaw]\t\treading gui.xml"}));
    EXPECT_EQ(lastLogFileLine(), log.lines().back());
}

TEST(Log, ALineEndedInsideAnotherLinesPiecesDoesNotMixThem) {
    // A piece computed by a call that itself logs must not leak into the
    // outer line: the inner line ends first, on its own.
    test::LogCapture log;
    auto piece = [] {
        Log::debug("inner") << "inner message";
        return std::string("value");
    };
    Log::info("outer") << "outer " << piece();
    EXPECT_EQ(log.lines(), (Lines{"[DD] [inner]\t\tinner message", "[II] [outer]\t\touter value"}));
}

TEST(Lerp, FloatMovesAtItsSpeedStopsExactlyOnTheTargetAndStaysWithinItsBounds) {
    Lerp<float> lerp(100.0f, 0.0f, 0.0f, 255.0f);
    struct Step {
        float target, dt, expected;
        bool done;
    } steps[] = {{200, 1, 100, false}, {200, 10, 200, true},  {150, 0.25f, 175, false},
                 {150, 10, 150, true}, {300, 10, 255, false}, {-5, 10, 0, false}};
    for (const Step& step : steps) {
        lerp.setTarget(step.target);
        lerp.update(step.dt);
        EXPECT_FLOAT_EQ(lerp.getCurrent(), step.expected) << step.target << " " << step.dt;
        EXPECT_EQ(lerp.isDone(), step.done) << step.target << " " << step.dt;
    }
    lerp.setMax(50.0f);
    lerp.targetMax();
    lerp.update(10.0f);
    EXPECT_EQ(lerp.getCurrent(), 50.0f);
    lerp.targetMin();
    lerp.update(10.0f);
    EXPECT_TRUE(lerp.isDone());
}

TEST(Lerp, VectorStepsAlongTheLineAndSnapsToTheTarget) {
    Lerp<hgeVector> slide(10.0f, hgeVector(0, 0));
    slide.setTarget(hgeVector(30.0f, 40.0f));  // 50 away
    slide.update(1.0f);
    // The fast inverse square root is close but not exact.
    EXPECT_NEAR(slide.getCurrent().x, 6.0f, 0.02f);
    EXPECT_NEAR(slide.getCurrent().y, 8.0f, 0.02f);
    slide.update(10.0f);
    EXPECT_EQ(slide.getCurrent(), hgeVector(30.0f, 40.0f));
    EXPECT_TRUE(slide.isDone());
    slide.set(hgeVector(1, 1));
    EXPECT_EQ(slide.getTarget(), hgeVector(1, 1));
}

TEST(ZDepth, ReadsEveryChildOfTheRootOnceAndABrokenFileLeavesEveryDepthAtZero) {
    const std::string unknown = "[WW] [ZDepth::getZ]\t\tno depth found with name ";
    {
        test::Installation install;
        install.addFile(
            "xml", "zdepth.xml",
            "<depths><z key=\"gui_default\" val=\"0.5\"/><level key=\"cursor\" "
            "val=\"50\"/><z key=\"gui_default\" val=\"0.7\"/><z key=\"novalue\"/></depths>");
        install.mount();
        ZDepth::clear();
        test::LogCapture log;
        ZDepth::readFile();
        EXPECT_FLOAT_EQ(ZDepth::getZ("gui_default"), 0.7f) << "the later duplicate wins";
        EXPECT_FLOAT_EQ(ZDepth::getZ("cursor"), 50.0f);
        EXPECT_FLOAT_EQ(ZDepth::getZ("novalue"), 0.0f);
        ZDepth::readFile();
        EXPECT_FLOAT_EQ(ZDepth::getZ("missing"), 0.0f);
        EXPECT_EQ(log.from("ZDepth::readFile"),
                  Lines{"[WW] [ZDepth::readFile]\t\tfile already read, ignoring"});
        EXPECT_EQ(log.from("ZDepth::getZ"), Lines{unknown + "missing, returning 0.0f"})
            << "a depth without a value is still known";
    }
    test::Installation install;
    install.addFile("xml", "zdepth.xml", "<depths><z key=\"a\" val=\"1\"></depths>");
    install.mount();
    ZDepth::clear();
    test::LogCapture log;
    ZDepth::readFile();
    EXPECT_FLOAT_EQ(ZDepth::getZ("a"), 0.0f);
    EXPECT_EQ(log.from("ZDepth::readFile"),
              Lines{"[EE] [ZDepth::readFile]\t\tunable to open file, no z levels read"});
    EXPECT_EQ(log.from("ZDepth::getZ"), Lines{unknown + "a, returning 0.0f"});
}
