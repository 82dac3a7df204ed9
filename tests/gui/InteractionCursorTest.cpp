// The pointer's per-frame work, driven through the engine's autopilot: which
// object is hit, and which events it gets in which order.
#include <gtest/gtest.h>

#include "InteractionTestSupport.h"
#include "core/Engine.h"
#include "core/Log.h"
#include "gui/GuiButton.h"

using guitest::Events;
using guitest::PointerScript;
using guitest::RecBox;
using guitest::RecWindow;

namespace {

const std::string kDeletedWarning =
    test::logLine("WW", "FiscoraCursor::update",
                  "that click caused the current object to be deallocating, breaking interaction");

// The events recorded since the last call.
Events take(Events& events) {
    Events taken;
    taken.swap(events);
    return taken;
}

}  // namespace

TEST(InteractionCursor, DeeperObjectWinsWhateverTheRegistrationOrder) {
    PointerScript run("1 move 170 170\n2 press left\n3 release left\n");
    ASSERT_TRUE(run.ok());
    Events events;
    RecBox low(events, "low", 100, 100, 200, 200, 0.5f);
    RecBox high(events, "high", 150, 150, 250, 250, 0.7f);
    RecBox lowLate(events, "lowLate", 100, 100, 200, 200, 0.6f);

    run.frame();
    EXPECT_EQ(take(events), (Events{"high:enter"}));
    EXPECT_EQ(run.cursor()->getCurrentObject(), &high);
    run.frame();
    EXPECT_EQ(take(events), (Events{"high:hover", "high:press"}));
    run.frame();
    EXPECT_EQ(take(events), (Events{"high:hover", "high:release"}));
}

TEST(InteractionCursor, EqualDepthsKeepTheEarlierRegisteredObject) {
    PointerScript run("1 move 150 150\n");
    ASSERT_TRUE(run.ok());
    Events events;
    RecBox first(events, "first", 100, 100, 200, 200, 0.5f);
    RecBox second(events, "second", 100, 100, 200, 200, 0.5f);
    run.frame();
    EXPECT_EQ(take(events), (Events{"first:enter"}));
}

TEST(InteractionCursor, MovingOntoAnOverlappingDeeperObjectLeavesThenEnters) {
    PointerScript run("1 move 120 120\n2 move 170 170\n3 move 230 230\n4 move 500 500\n");
    ASSERT_TRUE(run.ok());
    Events events;
    RecBox a(events, "A", 100, 100, 200, 200, 0.5f);
    RecBox b(events, "B", 150, 150, 250, 250, 0.7f);

    run.frame();
    EXPECT_EQ(take(events), (Events{"A:enter"}));
    run.frame();
    EXPECT_EQ(take(events), (Events{"A:leave", "B:enter"}));
    run.frame();
    EXPECT_EQ(take(events), (Events{"B:hover"}));
    run.frame();
    EXPECT_EQ(take(events), (Events{"B:leave"}));
    EXPECT_EQ(run.cursor()->getCurrentObject(), nullptr);
    EXPECT_EQ(run.cursor()->getPreviousObject(), nullptr);
}

TEST(InteractionCursor, JumpingToASeparateObjectLeavesTheOldOneTwice) {
    PointerScript run("1 move 120 120\n2 move 320 120\n");
    ASSERT_TRUE(run.ok());
    Events events;
    RecBox a(events, "A", 100, 100, 200, 200, 0.5f);
    RecBox c(events, "C", 300, 100, 350, 150, 0.5f);
    run.frame();
    take(events);
    run.frame();
    EXPECT_EQ(take(events), (Events{"A:leave", "A:leave", "C:enter"}));
}

TEST(InteractionCursor, PressFiresOnceAndNeverOnRelease) {
    PointerScript run("1 move 120 120\n2 press left\n5 release left\n");
    ASSERT_TRUE(run.ok());
    Events events;
    RecBox a(events, "A", 100, 100, 200, 200, 0.5f);
    std::vector<bool> clicked;
    for (int frame = 1; frame <= 6; ++frame) {
        run.frame();
        clicked.push_back(a.isClicked());
    }
    EXPECT_EQ(events, (Events{"A:enter", "A:hover", "A:press", "A:hover", "A:held", "A:hover",
                              "A:held", "A:hover", "A:release", "A:hover"}));
    EXPECT_EQ(clicked, (std::vector<bool>{false, true, false, false, false, false}));
}

TEST(InteractionCursor, HoldingAndMovingOffAndBackPressesAgain) {
    PointerScript run(
        "1 move 120 120\n2 press left\n3 move 500 500\n4 move 120 120\n5 release left\n");
    ASSERT_TRUE(run.ok());
    Events events;
    RecBox a(events, "A", 100, 100, 200, 200, 0.5f);
    run.frame(2);
    EXPECT_EQ(take(events), (Events{"A:enter", "A:hover", "A:press"}));
    run.frame();  // off the object, button still down: no release
    EXPECT_EQ(take(events), (Events{"A:leave"}));
    run.frame();  // back on, still down: it was not pressed while away
    EXPECT_EQ(take(events), (Events{"A:enter", "A:press"}));
    EXPECT_TRUE(a.isClicked());
    run.frame();
    EXPECT_EQ(take(events), (Events{"A:hover", "A:release"}));
}

TEST(InteractionCursor, ArrivingWithTheButtonHeldCountsAsAPress) {
    // The button went down elsewhere; arriving with it held still counts as a
    // new press on this object, since it was never pressed before.
    PointerScript run("1 move 500 500\n2 press left\n3 move 120 120\n4 move 121 121\n");
    ASSERT_TRUE(run.ok());
    Events events;
    RecBox a(events, "A", 100, 100, 200, 200, 0.5f);
    run.frame(3);
    EXPECT_EQ(take(events), (Events{"A:enter", "A:press"}));
    run.frame();
    EXPECT_EQ(take(events), (Events{"A:hover", "A:held"}));
}

TEST(InteractionCursor, InactiveAndHiddenObjectsAreNeverHit) {
    PointerScript run("1 move 150 150\n2 move 151 151\n3 move 152 152\n");
    ASSERT_TRUE(run.ok());
    Events events;
    RecBox under(events, "under", 100, 100, 200, 200, 0.1f);
    RecBox off(events, "off", 100, 100, 200, 200, 0.5f);
    off.setActive(false, false);
    RecWindow window(events, "window", "Window", "gui_blank.png", hgeVector(100, 100),
                     hgeVector(100, 100), nullptr, false);
    run.frame();
    EXPECT_EQ(take(events), (Events{"window:enter"}));
    window.setVisible(false);
    EXPECT_FALSE(window.isInteractive());
    run.frame();
    // The roll skips the now inactive window; the change of object still
    // tells it that the pointer left.
    EXPECT_EQ(take(events), (Events{"window:leave", "under:enter"}));
    off.setActive(true, false);
    run.frame();
    EXPECT_EQ(take(events), (Events{"under:leave", "off:enter"}));
}

TEST(InteractionCursor, FocusBlocksEverythingOutsideItsSubtree) {
    PointerScript run("1 move 115 115\n2 move 200 200\n3 move 350 350\n4 move 351 351\n");
    ASSERT_TRUE(run.ok());
    Events events;
    auto* window = new RecWindow(events, "W", "Modal", "gui_blank.png", hgeVector(100, 100),
                                 hgeVector(200, 200), nullptr, false);
    auto* child = new RecWindow(events, "C", "Inner", "gui_blank.png", hgeVector(10, 10),
                                hgeVector(50, 50), window, false);
    window->getController()->addChild(child);
    RecBox cover(events, "cover", 0, 0, 400, 400, 0.99f);
    run.cursor()->setFocusObject(window);

    run.frame();
    EXPECT_EQ(take(events), (Events{"C:enter"}));
    run.frame();
    EXPECT_EQ(take(events), (Events{"C:leave", "C:leave", "W:enter"}));
    run.frame();  // outside the window, on the cover: nothing may be hit
    EXPECT_EQ(take(events), (Events{"W:leave"}));
    run.cursor()->setFocusObject(nullptr);
    run.frame();
    EXPECT_EQ(take(events), (Events{"cover:enter"}));

    run.cursor()->setFocusObject(window);
    delete window;
    EXPECT_EQ(run.cursor()->getFocusObject(), nullptr);
}

TEST(InteractionCursor, HandlerDeletingItsOwnWindowStopsTheFrameSafely) {
    PointerScript run("1 move 120 120\n2 press left\n3 release left\n4 move 500 500\n");
    ASSERT_TRUE(run.ok());
    const std::size_t registeredBefore = run.cursor()->size();
    Events events;
    auto* window = new RecWindow(events, "W", "Dialog", "gui_blank.png", hgeVector(100, 100),
                                 hgeVector(200, 200), nullptr, false);
    auto* close = new RecWindow(events, "close", "Close", "gui_blank.png", hgeVector(10, 10),
                                hgeVector(60, 30), window, false);
    window->getController()->addChild(close);
    close->onEvent = [&window](const std::string& event) {
        if (event == "press") {
            delete window;
            window = nullptr;
        }
    };
    test::LogCapture log;
    run.frame();
    EXPECT_EQ(take(events), (Events{"close:enter"}));
    run.frame();
    EXPECT_EQ(take(events), (Events{"close:hover", "close:press"}));
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(log.count(kDeletedWarning), 1);
    EXPECT_EQ(run.cursor()->getCurrentObject(), nullptr);
    EXPECT_EQ(run.cursor()->getPreviousObject(), nullptr);
    EXPECT_EQ(run.cursor()->size(), registeredBefore);
    run.frame(2);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(log.count(kDeletedWarning), 1);
}

TEST(InteractionCursor, LeaveHandlerDeletingTheNewObjectIsCaughtBeforeEnter) {
    PointerScript run("1 move 120 120\n2 move 170 170\n3 move 171 171\n");
    ASSERT_TRUE(run.ok());
    Events events;
    RecBox a(events, "A", 100, 100, 200, 200, 0.5f);
    auto* b = new RecBox(events, "B", 150, 150, 250, 250, 0.7f);
    a.onEvent = [&b](const std::string& event) {
        if (event == "leave" && b) {
            delete b;
            b = nullptr;
        }
    };
    test::LogCapture log;
    run.frame(2);
    EXPECT_EQ(events, (Events{"A:enter", "A:leave"}));
    EXPECT_EQ(log.count(kDeletedWarning), 1);
    take(events);
    run.frame();
    EXPECT_EQ(take(events), (Events{"A:enter"}));
}

TEST(InteractionCursor, ReleaseHandlerDeletingItselfIsTolerated) {
    PointerScript run("1 move 120 120\n2 press left\n3 release left\n4 move 121 121\n");
    ASSERT_TRUE(run.ok());
    Events events;
    auto* a = new RecBox(events, "A", 100, 100, 200, 200, 0.5f);
    RecBox under(events, "under", 0, 0, 400, 400, 0.1f);
    a->onEvent = [&a](const std::string& event) {
        if (event == "release") {
            delete a;
            a = nullptr;
        }
    };
    test::LogCapture log;
    run.frame(3);
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(log.count(kDeletedWarning), 1);
    take(events);
    run.frame();
    EXPECT_EQ(take(events), (Events{"under:enter"}));
}

TEST(InteractionCursor, PointerIsCreatedOnFirstUseOnce) {
    test::HeadlessEngine engine;
    ASSERT_TRUE(engine.ok());
    if (Engine::instance()->getCursor()) {
        GTEST_SKIP() << "a pointer exists already in this process";
    }
    test::LogCapture log;
    FiscoraCursor* first = InteractionalObject::getCursor();
    FiscoraCursor* second = InteractionalObject::getCursor();
    EXPECT_EQ(first, second);
    EXPECT_EQ(Engine::instance()->getCursor(), first);
    const std::string line =
        test::logLine("II", "InteractionalObject::getCursor", "no cursor, creating one now");
    EXPECT_EQ(log.count(line), 1);
    EXPECT_EQ(log.countPrefix("[WW] [Engine::setCursor]"), 0);
    EXPECT_FLOAT_EQ(first->getZ(), 50.0f);
}

namespace {
GuiWindow* s_dialog = nullptr;
}  // namespace

TEST(InteractionCursor, ButtonClosingItsOwnWindowOnPress) {
    PointerScript run("1 move 215 215\n2 press left\n3 release left\n4 move 216 216\n");
    ASSERT_TRUE(run.ok());
    s_dialog = new GuiWindow("Dialog", "gui_blank.png", hgeVector(200, 200), hgeVector(100, 80),
                             nullptr, false);
    GuiButton* close = s_dialog->getController()->addButton("Close", "gui_little_button.png",
                                                            hgeVector(10, 10), hgeVector(18, 18));
    ASSERT_NE(close, nullptr);
    close->m_callback = [] {
        delete s_dialog;
        s_dialog = nullptr;
    };
    test::LogCapture log;
    run.frame(2);
    EXPECT_EQ(s_dialog, nullptr);
    EXPECT_EQ(log.count(kDeletedWarning), 1);
    run.frame(2);
    EXPECT_EQ(run.cursor()->getCurrentObject(), nullptr);
    EXPECT_EQ(log.count(kDeletedWarning), 1);
}
