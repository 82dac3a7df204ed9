#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "core/Engine.h"
#include "core/Log.h"
#include "core/Logic.h"
#include "core/Renderable.h"
#include "core/State.h"
#include "core/StateMachine.h"
#include "engine/hge.h"

namespace {

struct Counts {
    int input = 0;
    int update = 0;
    int logic = 0;
};

class CountingState : public State {
public:
    explicit CountingState(Counts& counts) : m_counts(counts) {}
    void enter() override {}
    void exit() override {}
    void processInput() override { ++m_counts.input; }
    void update(float) override { ++m_counts.update; }

private:
    Counts& m_counts;
};

class CountingLogic : public Logic {
public:
    explicit CountingLogic(Counts& counts) : m_counts(counts) {}
    void update(float) override { ++m_counts.logic; }

private:
    Counts& m_counts;
};

// A screen-fixed shape that notes when it is drawn.
class Marker : public Renderable {
public:
    Marker(int id, float z, std::vector<int>& order) : m_id(id), m_order(order) {
        m_z = z;
        m_movesWithCam = true;
    }
    void render() override { m_order.push_back(m_id); }

private:
    int m_id;
    std::vector<int>& m_order;
};

// An object placed in the world, culled against the view.
class WorldBox : public Renderable {
public:
    WorldBox(float x, float y, std::vector<int>& order) : m_order(order) {
        m_position = hgeVector(x, y);
    }
    void render() override { m_order.push_back(99); }
    void getScreenBoundingBox(hgeRect& rect) override {
        rect.Set(m_screenPosition.x, m_screenPosition.y, m_screenPosition.x + 10,
                 m_screenPosition.y + 10);
    }

private:
    std::vector<int>& m_order;
};

void writeScript(const std::string& text) {
    std::ofstream("script.txt") << text;
    setenv("FISCORA_AUTOPILOT", "script.txt", 1);
}

}  // namespace

TEST(Engine, EscapeEndsTheFrameBeforeTheStatesUpdateAndTheLogicPass) {
    writeScript("3 key escape down\n");
    setenv("FISCORA_FIXED_DT", "0.016", 1);
    Engine* engine = Engine::instance();
    ASSERT_TRUE(engine->init(true));
    Counts counts;
    CountingState state(counts);
    CountingLogic logic(counts);
    StateMachine::instance()->changeState(&state);
    engine->getHge()->System_Start();
    // Frames 1 and 2 ran whole; frame 3 read input and stopped at Escape.
    EXPECT_EQ(counts.input, 3);
    EXPECT_EQ(counts.update, 2);
    EXPECT_EQ(counts.logic, 2);
    StateMachine::instance()->changeState(nullptr);
    Engine::destroy();
}

TEST(Engine, ClearingTheRunningFlagEndsTheLoopAfterThatWholeFrame) {
    writeScript("");
    Engine* engine = Engine::instance();
    ASSERT_TRUE(engine->init(true));
    Counts counts;
    CountingState state(counts);
    class Stopper : public Logic {
    public:
        explicit Stopper(Counts& counts) : m_counts(counts) {}
        void update(float) override {
            if (++m_counts.logic == 4) {
                Engine::instance()->setRunning(false);
            }
        }
        Counts& m_counts;
    } stopper(counts);
    StateMachine::instance()->changeState(&state);
    engine->getHge()->System_Start();
    EXPECT_EQ(counts.update, 4);
    EXPECT_EQ(counts.logic, 4);
    StateMachine::instance()->changeState(nullptr);
    Engine::destroy();
}

TEST(Engine, DrawsByDepthAndKeepsRegistrationOrderForEqualDepths) {
    writeScript("");
    Engine* engine = Engine::instance();
    ASSERT_TRUE(engine->init(true));
    std::vector<int> order;
    {
        Marker top(1, 0.9f, order), lowA(2, 0.1f, order), mid(3, 0.5f, order), lowB(4, 0.1f, order);
        Marker lowC(5, 0.1f, order);
        engine->drawFrame();
        EXPECT_EQ(order, (std::vector<int>{2, 4, 5, 3, 1}));
        order.clear();
        lowA.setVisible(false);
        engine->drawFrame();
        EXPECT_EQ(order, (std::vector<int>{4, 5, 3, 1}));
    }
    order.clear();
    {
        // World objects are culled unless their box meets the view.
        WorldBox onScreen(0, 0, order), offScreen(2000, 0, order);
        engine->drawFrame();
        EXPECT_EQ(order, (std::vector<int>{99}));
    }
    Engine::destroy();
}

TEST(Engine, ASecondCursorReplacesTheFirstWithAWarning) {
    Log::instance()->startCapture();
    Engine* engine = Engine::instance();
    auto* first = reinterpret_cast<Cursor*>(0x10);
    auto* second = reinterpret_cast<Cursor*>(0x20);
    engine->setCursor(first);
    engine->setCursor(second);
    const auto lines = Log::instance()->stopCapture();
    EXPECT_EQ(engine->getCursor(), second);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(
        lines[0],
        "[WW] [Engine::setCursor]\t\tm_cursor is already set, proceeding to overwrite but you "
        "probably have a memory leak");
}
