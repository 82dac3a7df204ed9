// The frame loop and what it walks: states, the logic pass, the draw queue,
// keyboard input, the camera and the debug overlays.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/Camera.h"
#include "core/DebugDraw.h"
#include "core/Engine.h"
#include "core/InputEventQueue.h"
#include "core/InputManager.h"
#include "core/Keyboard.h"
#include "core/Logic.h"
#include "core/Manager.h"
#include "core/Renderable.h"
#include "core/State.h"
#include "core/StateMachine.h"
#include "engine/hge.h"

namespace {

using Trace = std::vector<std::string>;

// A top state that reads the keyboard as the game's states do, counts its
// calls and notes, each frame, the backspace events the previous frame made
// readable. Every entry and exit goes to `changes`.
class ProbeState : public State {
public:
    explicit ProbeState(std::string name = "") : m_name(std::move(name)) {}
    void enter() override { changes.push_back("enter " + m_name); }
    void exit() override { changes.push_back("exit " + m_name); }
    void processInput() override {
        ++input;
        InputManager::processInput(InputManager::instance());
    }
    void update(float) override {
        frames.emplace_back();
        for (const InputEvent& event : InputEventQueue::instance()->readable(1)) {
            if (event.action == Keyboard::ActionBackspace) {
                frames.back().push_back(static_cast<int>(event.second));
            }
        }
    }
    static inline Trace changes;
    int input = 0;
    std::vector<std::vector<int>> frames;

private:
    std::string m_name;
};

// Notes its name in `trace` on every logic pass, then runs its action once,
// if any; notes it in `drawn` whenever it is drawn, fixed to the screen or,
// once placed in the world, culled against the view.
class Probe : public Logic, public Renderable {
public:
    Probe(std::string name, Trace& trace, int stopAt = 0)
        : m_name(std::move(name)), m_trace(trace), m_stopAt(stopAt) {
        m_movesWithCam = true;
    }
    void update(float) override {
        m_trace.push_back(m_name);
        if (static_cast<int>(m_trace.size()) == m_stopAt) {
            Engine::instance()->setRunning(false);
        }
        if (action) {
            // Cleared first: the action may delete this object.
            auto run = action;
            action = nullptr;
            run(this);
        }
    }
    void render() override { drawn.push_back(m_name); }
    void placeInWorld(float x) {
        m_movesWithCam = false;
        m_position = hgeVector(x, 0);
    }
    void getScreenBoundingBox(hgeRect& box) override {
        box.Set(m_screenPosition.x, m_screenPosition.y, m_screenPosition.x + 10,
                m_screenPosition.y + 10);
    }
    std::function<void(Probe*)> action;
    static inline Trace drawn;

private:
    std::string m_name;
    Trace& m_trace;
    int m_stopAt;
};

// Runs the frame loop headless, with the keyboard installed, until the
// autopilot `script` or the running flag ends it.
void runLoop(const std::string& script, State* state) {
    test::writeFile("script.txt", script);
    setenv("FISCORA_AUTOPILOT", "script.txt", 1);
    ASSERT_TRUE(Engine::instance()->init(true));
    InputManager::setInputInterface("Keyboard");
    StateMachine::instance()->changeState(state);
    Engine::instance()->getHge()->System_Start();
    StateMachine::instance()->changeState(nullptr);
    Engine::destroy();
    InputManager::destroy();  // lets go of the engine's last reference
}

Trace logicPass(Trace& trace) {
    trace.clear();
    Manager<Logic*>::instance()->update(0.016f);
    return trace;
}

}  // namespace

TEST(Engine, TheRunningFlagEndsTheLoopAfterTheWholeFrameAndEscapeBeforeTheUpdates) {
    Trace trace;
    ProbeState stopped;
    {
        Probe stopper("stopper", trace, 4);
        runLoop("", &stopped);
    }
    EXPECT_EQ(stopped.frames.size(), 4u);
    EXPECT_EQ(trace.size(), 4u);

    trace.clear();
    ProbeState escaped;
    Probe logic("logic", trace);
    runLoop("2 key backspace down\n4 key backspace up\n7 key escape down\n", &escaped);
    // Frames 1 to 6 ran whole; frame 7 read input and stopped at Escape.
    EXPECT_EQ(escaped.input, 7);
    EXPECT_EQ(trace.size(), 6u);
    // Frame n reads what frame n - 1 posted: the key pressed in 2, held in 3
    // and released (once) in 4.
    EXPECT_EQ(escaped.frames, (std::vector<std::vector<int>>{{}, {}, {0}, {2}, {1}, {}}));
}

TEST(Engine, DrawsByDepthKeepsRegistrationOrderForEqualDepthsAndCullsTheWorld) {
    ASSERT_TRUE(Engine::instance()->init(true));
    Trace unused;
    {
        // Registered in this order; the three low ones share a depth.
        std::vector<std::unique_ptr<Probe>> probes;
        for (auto [name, z] : {std::pair{"top", 0.9f},
                               {"lowA", 0.1f},
                               {"mid", 0.5f},
                               {"lowB", 0.1f},
                               {"lowC", 0.1f}}) {
            probes.push_back(std::make_unique<Probe>(name, unused));
            probes.back()->setZ(z);
        }
        Engine::instance()->drawFrame();
        EXPECT_EQ(Probe::drawn, (Trace{"lowA", "lowB", "lowC", "mid", "top"}));
        Probe::drawn.clear();
        probes[1]->setVisible(false);
        Engine::instance()->drawFrame();
        EXPECT_EQ(Probe::drawn, (Trace{"lowB", "lowC", "mid", "top"}));
    }
    Probe::drawn.clear();
    // World objects are drawn only when their box meets the view.
    Probe onScreen("on", unused), offScreen("off", unused);
    onScreen.placeInWorld(0);
    offScreen.placeInWorld(2000);
    Engine::instance()->drawFrame();
    EXPECT_EQ(Probe::drawn, Trace{"on"});
    Engine::destroy();
}

TEST(Engine, ASecondCursorReplacesTheFirstWithAWarning) {
    test::LogCapture log;
    auto* second = reinterpret_cast<Cursor*>(0x20);
    Engine::instance()->setCursor(reinterpret_cast<Cursor*>(0x10));
    Engine::instance()->setCursor(second);
    EXPECT_EQ(Engine::instance()->getCursor(), second);
    EXPECT_EQ(log.lines(), Trace{test::logLine("WW", "Engine::setCursor",
                                               "m_cursor is already set, proceeding to overwrite "
                                               "but you probably have a memory leak")});
}

TEST(InputManager, OnlyTheTwoKnownNamesInstallTheKeyboard) {
    test::LogCapture log;
    InputManager* input = InputManager::instance();
    InputManager::setInputInterface("Joystick");
    EXPECT_FALSE(InputManager::processInput(input));
    EXPECT_FALSE(InputManager::processInput(nullptr));
    EXPECT_FALSE(input->hasInterface());
    const std::string none =
        test::logLine("EE", "InputManager::processInput", "Input is not initialize");
    EXPECT_EQ(log.lines(), (Trace{test::logLine("WW", "InputManager::setInputInterface",
                                                "Unkowned input interfaceJoystick"),
                                  none, none}));
    for (const char* name : {"Gamepad", "Keyboard"}) {
        InputManager::setInputInterface(name);
        EXPECT_EQ(input->name(), name);
        EXPECT_TRUE(InputManager::processInput(input)) << name;
    }
}

TEST(StateMachine, ExitRunsBeforeEnterAndChangingToTheCurrentStateDoesNothing) {
    ProbeState menu("menu"), town("town");
    StateMachine* machine = StateMachine::instance();
    for (State* state : {&menu, &menu, &town, &town}) {
        machine->changeState(state);
    }
    EXPECT_EQ(ProbeState::changes, (Trace{"enter menu", "exit menu", "enter town"}));
    EXPECT_EQ(machine->current(), &town);
    EXPECT_EQ(machine->previous(), &menu);
    machine->changeState(nullptr);
}

TEST(LogicManager, AnObjectDeletingItselfLetsItsSuccessorRunAndIsNeverTouchedAgain) {
    Trace trace;
    for (int position = 0; position < 3; ++position) {
        std::vector<std::unique_ptr<Probe>> probes;
        for (const char* name : {"0", "1", "2"}) {
            probes.push_back(std::make_unique<Probe>(name, trace));
        }
        probes[position].release()->action = [](Probe* self) { delete self; };
        EXPECT_EQ(logicPass(trace), (Trace{"0", "1", "2"})) << position;
        Trace rest{"0", "1", "2"};
        rest.erase(rest.begin() + position);
        EXPECT_EQ(logicPass(trace), rest) << position;
    }
    EXPECT_EQ(Manager<Logic*>::instance()->size(), 0u);
}

TEST(LogicManager, APassVisitsAddedObjectsAndNeitherSkipsNorRepeatsAroundRemovedOnes) {
    Trace trace;
    Probe a("a", trace), b("b", trace);
    auto* c = new Probe("c", trace);
    Probe d("d", trace);
    auto* e = new Probe("e", trace);
    Probe* child = nullptr;
    // a adds an object; b removes one ahead of the pass, d one behind it.
    a.action = [&](Probe*) { child = new Probe("child", trace); };
    b.action = [&](Probe*) { delete e; };
    d.action = [&](Probe*) { delete c; };
    EXPECT_EQ(logicPass(trace), (Trace{"a", "b", "c", "d", "child"}));

    // An inactive object keeps its place; removing an unknown one is harmless.
    b.setActive(false);
    EXPECT_EQ(logicPass(trace), (Trace{"a", "d", "child"}));
    b.setActive(true);
    Manager<Logic*>::instance()->remove(&a);
    Manager<Logic*>::instance()->remove(&a);
    EXPECT_EQ(logicPass(trace), (Trace{"b", "d", "child"}));
    Manager<Logic*>::instance()->add(&a);  // back for its destructor
    delete child;
}

TEST(Camera, WorldOriginIsTheScreenCentreAndConversionsInvertEachOther) {
    Camera* camera = Camera::instance();
    const hgeRect& view = camera->getViewRect();
    EXPECT_EQ(view.x2 - view.x1, 800.0f);
    EXPECT_EQ(view.y2 - view.y1, 600.0f);
    EXPECT_EQ(camera->worldToScreen(hgeVector(0, 0)), hgeVector(400, 300));
    // Screen positions are truncated toward zero, world ones are exact.
    EXPECT_EQ(camera->worldToScreen(hgeVector(10.7f, -20.7f)), hgeVector(410, 279));
    EXPECT_EQ(camera->worldToScreen(hgeVector(-400.5f, -300.5f)), hgeVector(0, 0));
    EXPECT_EQ(camera->screenToWorld(hgeVector(0.5f, 600)), hgeVector(-399.5f, 300));
    EXPECT_EQ(camera->worldToScreen(camera->screenToWorld(hgeVector(123, 456))),
              hgeVector(123, 456));
}

TEST(DebugDraw, ShapesRegisterOnlyWhenTheConstantIsYes) {
    struct Box : DebugDraw::Rect {
        int key() override { return 0x71; }
        hgeVector topLeft() override { return hgeVector(0, 0); }
        hgeVector bottomRight() override { return hgeVector(10, 10); }
    };
    for (const std::string value : {"yes", "on"}) {
        const int on = value == "yes";
        test::Installation install;
        install.addFile("xml", "constants.xml", "<c><Constants debugDraw=\"" + value + "\"/></c>");
        install.mount();
        test::LogCapture log;
        {
            Box first, second;
            EXPECT_EQ(first.isEnabled(), on) << value;
            EXPECT_EQ(DebugDraw::Renderer::instance()->count(), 2u * on) << value;
        }
        EXPECT_EQ(DebugDraw::Renderer::instance()->count(), 0u);
        EXPECT_EQ(log.countPrefix("[DD] [DebugDraw::Renderer::reg]\t\tregistering 0x"), 2 * on);
        EXPECT_EQ(log.countPrefix("[DD] [DebugDraw::Renderer::unreg]\t\tunregistering 0x"), 2 * on);
        DebugDraw::Renderer::destroy();
    }
}
