#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/State.h"
#include "core/StateMachine.h"

namespace {

class TracedState : public State {
public:
    TracedState(std::string name, std::vector<std::string>& trace)
        : m_name(std::move(name)), m_trace(trace) {}
    void enter() override { m_trace.push_back("enter " + m_name); }
    void update(float) override {}
    void exit() override { m_trace.push_back("exit " + m_name); }

private:
    std::string m_name;
    std::vector<std::string>& m_trace;
};

}  // namespace

TEST(StateMachine, ExitRunsBeforeEnterAndChangingToTheCurrentStateDoesNothing) {
    std::vector<std::string> trace;
    TracedState menu("menu", trace), town("town", trace);
    StateMachine* machine = StateMachine::instance();
    machine->changeState(&menu);
    machine->changeState(&menu);
    machine->changeState(&town);
    machine->changeState(&town);
    EXPECT_EQ(trace, (std::vector<std::string>{"enter menu", "exit menu", "enter town"}));
    EXPECT_EQ(machine->current(), &town);
    EXPECT_EQ(machine->previous(), &menu);
    machine->changeState(nullptr);
}
