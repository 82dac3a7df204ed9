#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "core/Engine.h"
#include "core/InputEventQueue.h"
#include "core/InputManager.h"
#include "core/Keyboard.h"
#include "core/State.h"
#include "core/StateMachine.h"
#include "engine/hge.h"

namespace {

// Reads the keyboard like every top state and notes, each frame, the events
// the previous frame made readable for one action.
class ListeningState : public State {
public:
    explicit ListeningState(int action) : m_action(action) {}
    void enter() override {}
    void exit() override {}
    void processInput() override { InputManager::processInput(InputManager::instance()); }
    void update(float) override {
        std::vector<int> values;
        for (const InputEvent& event : InputEventQueue::instance()->readable(1)) {
            if (event.action == m_action) {
                values.push_back(static_cast<int>(event.second));
            }
        }
        m_frames.push_back(values);
    }
    std::vector<std::vector<int>> m_frames;

private:
    int m_action;
};

}  // namespace

TEST(Keyboard, AKeyIsPressedThenHeldThenReleasedOnce) {
    std::ofstream("keys.txt") << "2 key backspace down\n4 key backspace up\n7 quit\n";
    setenv("FISCORA_AUTOPILOT", "keys.txt", 1);
    Engine* engine = Engine::instance();
    ASSERT_TRUE(engine->init(true));
    InputManager::setInputInterface("Keyboard");
    ListeningState backspace(Keyboard::ActionBackspace);
    StateMachine::instance()->changeState(&backspace);
    engine->getHge()->System_Start();
    StateMachine::instance()->changeState(nullptr);
    Engine::destroy();

    // Frame n reads what frame n - 1 posted: pressed in 2, held in 3,
    // released (once) in 4.
    ASSERT_GE(backspace.m_frames.size(), 6u);
    EXPECT_EQ(backspace.m_frames[0], std::vector<int>{});
    EXPECT_EQ(backspace.m_frames[1], std::vector<int>{});
    EXPECT_EQ(backspace.m_frames[2], std::vector<int>{0});
    EXPECT_EQ(backspace.m_frames[3], std::vector<int>{2});
    EXPECT_EQ(backspace.m_frames[4], std::vector<int>{1});
    EXPECT_EQ(backspace.m_frames[5], std::vector<int>{});
}
