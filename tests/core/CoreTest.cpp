// The core: the log, the interpolators, the table of drawing depths, and the
// frame loop with what it walks: states, the logic pass, the draw queue,
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
#include "core/Lerp.h"
#include "core/Log.h"
#include "core/Logic.h"
#include "core/Manager.h"
#include "core/Renderable.h"
#include "core/State.h"
#include "core/StateMachine.h"
#include "core/ZDepth.h"
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
    Probe(std::string name, Trace& trace, float z = 0, int stopAt = 0)
        : m_name(std::move(name)), m_trace(trace), m_stopAt(stopAt) {
        m_z = z;
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
        Probe stopper("stopper", trace, 0, 4);
        runLoop("", &stopped);
    }
    EXPECT_TRUE(stopped.frames.size() == 4 && trace.size() == 4) << "the fourth frame ran whole";

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
    Trace unused, order;
    {
        // Forty at two depths, registered alternately: more than a short
        // sort's insertion pass, so only a stable sort keeps each depth's order.
        std::vector<std::unique_ptr<Probe>> probes;
        for (int i = 0; i < 40; ++i) {
            probes.push_back(std::make_unique<Probe>(std::to_string(i), unused, 0.1f + i % 2));
        }
        // The shallow ones but the hidden first, then the deep ones.
        for (int first : {2, 1}) {
            for (int i = first; i < 40; i += 2) {
                order.push_back(std::to_string(i));
            }
        }
        probes[0]->setVisible(false);
        Probe::drawn.clear();
        Engine::instance()->drawFrame();
        EXPECT_EQ(Probe::drawn, order);
    }
    // World objects are drawn only when their box meets the view.
    Probe onScreen("on", unused), offScreen("off", unused);
    onScreen.placeInWorld(0);
    offScreen.placeInWorld(2000);
    Probe::drawn.clear();
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
    EXPECT_FALSE(InputManager::processInput(input) || InputManager::processInput(nullptr) ||
                 input->hasInterface());
    const std::string none = "[EE] [InputManager::processInput]\t\tInput is not initialize";
    EXPECT_EQ(log.lines(),
              (Trace{"[WW] [InputManager::setInputInterface]\t\tUnkowned input interfaceJoystick",
                     none, none}));
    for (const char* name : {"Gamepad", "Keyboard"}) {
        InputManager::setInputInterface(name);
        EXPECT_EQ(input->name(), name);
        EXPECT_TRUE(InputManager::processInput(input)) << name;
    }
}

TEST(StateMachine, ExitRunsBeforeEnterAndChangingToTheCurrentStateDoesNothing) {
    ProbeState menu("menu"), town("town");
    ProbeState::changes.clear();
    StateMachine* machine = StateMachine::instance();
    for (State* state : {&menu, &menu, &town, &town}) {
        machine->changeState(state);
    }
    EXPECT_EQ(ProbeState::changes, (Trace{"enter menu", "exit menu", "enter town"}));
    EXPECT_TRUE(machine->current() == &town && machine->previous() == &menu);
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
    a.action = [&](Probe*) { child = new Probe("child", trace); };
    EXPECT_EQ(logicPass(trace), (Trace{"a", "b", "c", "d", "e", "child"})) << "one added";
    // b removes an object ahead of the pass, d one behind it.
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

TEST(Camera, WorldOriginIsTheScreenCentreAndOnlyScreenPositionsAreTruncated) {
    Camera* camera = Camera::instance();
    EXPECT_EQ(camera->worldToScreen(hgeVector(0, 0)), hgeVector(400, 300));
    // Screen positions are truncated toward zero, world ones are exact.
    EXPECT_EQ(camera->worldToScreen(hgeVector(10.7f, -20.7f)), hgeVector(410, 279));
    EXPECT_EQ(camera->worldToScreen(hgeVector(-400.5f, -300.5f)), hgeVector(0, 0));
    EXPECT_EQ(camera->screenToWorld(hgeVector(0.5f, 600)), hgeVector(-399.5f, 300));
}

TEST(DebugDraw, ShapesRegisterOnlyWhenTheConstantIsYes) {
    struct Box : DebugDraw::Rect {
        int key() override { return 0x71; }
        hgeVector topLeft() override { return hgeVector(0, 0); }
        hgeVector bottomRight() override { return hgeVector(10, 10); }
    };
    for (const std::string value : {"yes", "on"}) {
        const int on = value == "yes";
        DebugDraw::Renderer::destroy();  // the next one reads the constant afresh
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
    }
}

TEST(Log, EachLevelWritesItsTagContextAndMessageAsOneFlushedLine) {
    test::LogCapture log;
    Log::info("WinMain") << "Initializing engine";
    // Flushed at once: the file in this test's own folder holds the line.
    EXPECT_EQ(test::readFile("log.log"), "[II] [WinMain]\t\tInitializing engine\n");
    Log::warning("ZDepth::getZ") << "no depth found with name " << 'x' << ", returning 0.0f";
    Log::error("Randomizer::getInt") << "value " << 42 << ' ' << 1.5f;
    Log::debug("resource::Manager::getRaw") << "reading gui.xml";
    EXPECT_EQ(log.lines(),
              (Trace{"[II] [WinMain]\t\tInitializing engine",
                     "[WW] [ZDepth::getZ]\t\tno depth found with name x, returning 0.0f",
                     "[EE] [Randomizer::getInt]\t\tvalue 42 1.5",
                     "[DD] [resource::Manager::getRaw]\t\treading gui.xml"}));
    std::string file;
    for (const std::string& line : log.lines()) {
        file += line + "\n";
    }
    EXPECT_EQ(test::readFile("log.log"), file);
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
    EXPECT_EQ(log.lines(), (Trace{"[DD] [inner]\t\tinner message", "[II] [outer]\t\touter value"}));
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
                  Trace{"[WW] [ZDepth::readFile]\t\tfile already read, ignoring"});
        EXPECT_EQ(log.from("ZDepth::getZ"), Trace{unknown + "missing, returning 0.0f"})
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
              Trace{"[EE] [ZDepth::readFile]\t\tunable to open file, no z levels read"});
    EXPECT_EQ(log.from("ZDepth::getZ"), Trace{unknown + "a, returning 0.0f"});
}
