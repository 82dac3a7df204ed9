#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/Logic.h"
#include "core/Manager.h"

namespace {

// Records its name in a shared trace and then runs an optional action.
class Probe : public Logic {
public:
    Probe(std::string name, std::vector<std::string>& trace)
        : m_name(std::move(name)), m_trace(trace) {}
    void update(float) override {
        m_trace.push_back(m_name);
        if (m_onUpdate) {
            auto action = m_onUpdate;
            action(this);
        }
    }
    std::function<void(Probe*)> m_onUpdate;

private:
    std::string m_name;
    std::vector<std::string>& m_trace;
};

void runPass() {
    Manager<Logic*>::instance()->update(0.016f);
}

}  // namespace

TEST(LogicManager, AnObjectDeletingItselfLetsItsSuccessorRunAndIsNeverTouchedAgain) {
    std::vector<std::string> trace;
    // The self-deleting object first, in the middle, and last.
    for (int position = 0; position < 3; ++position) {
        trace.clear();
        std::vector<Probe*> probes;
        for (int i = 0; i < 3; ++i) {
            probes.push_back(new Probe(std::to_string(i), trace));
        }
        probes[position]->m_onUpdate = [](Probe* self) { delete self; };
        runPass();
        EXPECT_EQ(trace, (std::vector<std::string>{"0", "1", "2"})) << "position " << position;
        trace.clear();
        runPass();
        std::vector<std::string> expected{"0", "1", "2"};
        expected.erase(expected.begin() + position);
        EXPECT_EQ(trace, expected) << "position " << position;
        for (int i = 0; i < 3; ++i) {
            if (i != position) {
                delete probes[i];
            }
        }
        EXPECT_EQ(Manager<Logic*>::instance()->size(), 0u);
    }
}

TEST(LogicManager, RemovingAnotherObjectNeitherSkipsNorRepeatsTheOthers) {
    std::vector<std::string> trace;
    Probe a("a", trace), b("b", trace);
    Probe* c = new Probe("c", trace);
    Probe d("d", trace);
    Probe* e = new Probe("e", trace);
    // b removes an object ahead of the pass (e), c one behind it... c deletes itself via d.
    b.m_onUpdate = [&](Probe*) {
        delete e;
        e = nullptr;
    };
    d.m_onUpdate = [&](Probe*) {
        delete c;
        c = nullptr;
    };
    runPass();
    EXPECT_EQ(trace, (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(LogicManager, ObjectsCreatedDuringAPassAreUpdatedInThatPass) {
    std::vector<std::string> trace;
    Probe spawner("spawner", trace);
    Probe* child = nullptr;
    spawner.m_onUpdate = [&](Probe* self) {
        if (!child) {
            child = new Probe("child", trace);
        }
        self->m_onUpdate = nullptr;
    };
    Probe after("after", trace);
    runPass();
    EXPECT_EQ(trace, (std::vector<std::string>{"spawner", "after", "child"}));
    delete child;
}

TEST(LogicManager, AnInactiveObjectKeepsItsPlaceInTheOrder) {
    std::vector<std::string> trace;
    Probe a("a", trace), b("b", trace), c("c", trace);
    b.setActive(false);
    runPass();
    EXPECT_EQ(trace, (std::vector<std::string>{"a", "c"}));
    trace.clear();
    b.setActive(true);
    runPass();
    EXPECT_EQ(trace, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(LogicManager, RemovingAnUnregisteredObjectChangesNothing) {
    std::vector<std::string> trace;
    Probe a("a", trace), b("b", trace);
    Manager<Logic*>::instance()->remove(&a);
    Manager<Logic*>::instance()->remove(&a);
    runPass();
    EXPECT_EQ(trace, (std::vector<std::string>{"b"}));
    Manager<Logic*>::instance()->add(&a);  // give it back for its destructor
}
