// The pointer's per-frame work, driven through the engine's autopilot: which
// object is hit, and which events it gets in which order.
#include <array>

#include "InteractionTestSupport.h"
#include "gui/GuiButton.h"

using guitest::RecWindow;

const char* const kDeleted =
    "that click caused the current object to be deallocating, breaking interaction";

// The windows a case can use, by label, as x, y, width, height and depth
// (a window's box is its size less 2): A at 100..200; E, its twin of equal
// depth; L over A's area, between A and B in depth; B, deeper, at 150..250
// over A's lower right; C apart from A; U under and around all of them.
const std::map<char, std::array<float, 5>> kBoxes = {
    {'A', {100, 100, 102, 102, 0.5f}}, {'E', {100, 100, 102, 102, 0.5f}},
    {'L', {100, 100, 102, 102, 0.6f}}, {'B', {150, 150, 102, 102, 0.7f}},
    {'C', {300, 100, 52, 52, 0.5f}},   {'U', {0, 0, 402, 402, 0.1f}}};

// Boxes made in the given order, a script, the events of each frame
// ("<box>:click" marks a frame that ends with the box clicked) and the
// object the pointer is on at the end. Optionally, "<box>:<event> <victim>",
// the handler of one box's event deletes a box; the pointer then warns once.
struct EventCase {
    const char* name;
    const char* boxes;
    const char* script;
    const char* frames;
    char current = 0;
    const char* kill = "";
};

class InteractionCursor : public guitest::GuiTest,
                          public ::testing::WithParamInterface<EventCase> {};

const EventCase kEventCases[] = {
    {"DeeperObjectWinsWhateverTheOrder", "ABL", "1 move 170 170\n2 press left\n3 release left\n",
     "B:in | B:on B:down B:click | B:on B:up", 'B'},
    {"EqualDepthsKeepTheEarlierObject", "AE", "1 move 150 150\n", "A:in", 'A'},
    {"MovingOntoAnOverlappingDeeperObjectLeavesThenEnters", "AB",
     "1 move 120 120\n2 move 170 170\n3 move 230 230\n4 move 500 500\n",
     "A:in | A:out B:in | B:on | B:out"},
    // The roll of flags sees the old object left, and so does the change.
    {"JumpingToASeparateObjectLeavesTheOldOneTwice", "AC", "1 move 120 120\n2 move 320 120\n",
     "A:in | A:out A:out C:in", 'C'},
    {"PressFiresOnceAndNeverOnRelease", "A", "1 move 120 120\n2 press left\n5 release left\n",
     "A:in | A:on A:down A:click | A:on A:held | A:on A:held | A:on A:up | A:on", 'A'},
    // Off the object with the button down: no release; back on, still down:
    // it was not pressed while away, so it is pressed again.
    {"HoldingAndMovingOffAndBackPressesAgain", "A",
     "1 move 120 120\n2 press left\n3 move 500 500\n4 move 120 120\n5 release left\n",
     "A:in | A:on A:down A:click | A:out | A:in A:down A:click | A:on A:up", 'A'},
    // The button went down elsewhere; arriving with it held still counts as
    // a new press on this object, since it was never pressed before.
    {"ArrivingWithTheButtonHeldCountsAsAPress", "A",
     "1 move 500 500\n2 press left\n3 move 120 120\n4 move 121 121\n",
     " | | A:in A:down A:click | A:on A:held", 'A'},
    // The new object goes before it could be entered.
    {"LeaveHandlerDeletingTheNewObjectIsCaughtBeforeEnter", "AB",
     "1 move 120 120\n2 move 170 170\n3 move 171 171\n", "A:in | A:out | A:in", 'A', "A:out B"},
    {"ReleaseHandlerDeletingItselfIsTolerated", "AU",
     "1 move 120 120\n2 press left\n3 release left\n4 move 121 121\n",
     "A:in | A:on A:down A:click | A:on A:up | U:in", 'U', "A:up A"},
};

TEST_P(InteractionCursor, FrameByFrame) {
    const EventCase& c = GetParam();
    ASSERT_TRUE(start(c.script));
    std::map<char, std::unique_ptr<RecWindow>> boxes;
    for (const char* label = c.boxes; *label; ++label) {
        const auto& [x, y, w, h, depth] = kBoxes.at(*label);
        boxes[*label].reset(guitest::recWindow(events, {*label}, x, y, w, h));
        boxes[*label]->setDepth(depth);
    }
    if (*c.kill) {
        const std::string kill = c.kill;
        boxes[kill[0]]->onEvent = [&boxes, kill](const std::string& event) {
            if (kill.substr(2, kill.size() - 4) == event) {
                boxes[kill.back()].reset();
            }
        };
    }
    afterFrame = [&] {
        for (const auto& [label, box] : boxes) {
            if (box && box->isClicked()) {
                events.push_back(std::string{label} + ":click");
            }
        }
    };
    const std::string expected = c.frames;
    EXPECT_EQ(frames(1 + std::count(expected.begin(), expected.end(), '|')), expected);
    EXPECT_EQ(cursor()->getCurrentObject(), c.current ? boxes.at(c.current).get() : nullptr);
    EXPECT_EQ(cursor()->getPreviousObject(), cursor()->getCurrentObject());
    EXPECT_EQ(logged("WW", "FiscoraCursor::update", kDeleted), *c.kill ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Table, InteractionCursor, ::testing::ValuesIn(kEventCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InteractionCursor, InactiveAndHiddenObjectsAreNeverHit) {
    ASSERT_TRUE(start("1 move 150 150\n2 move 151 151\n3 move 152 152\n"));
    // Three windows over each other, the deepest last; the middle one
    // inactive.
    std::unique_ptr<RecWindow> under(guitest::recWindow(events, "under", 100, 100, 100, 100));
    std::unique_ptr<RecWindow> off(guitest::recWindow(events, "off", 100, 100, 100, 100));
    std::unique_ptr<RecWindow> window(guitest::recWindow(events, "window", 100, 100, 100, 100));
    under->setDepth(0.1f);
    off->setDepth(0.5f);
    off->setActive(false, false);
    EXPECT_EQ(frames(), "window:in");
    window->setVisible(false);
    // The roll skips the now inactive window; the change of object still
    // tells it that the pointer left.
    EXPECT_EQ(frames(), "window:out under:in");
    off->setActive(true, false);
    EXPECT_EQ(frames(), "under:out off:in");
}

TEST_F(InteractionCursor, FocusBlocksEverythingOutsideItsSubtree) {
    ASSERT_TRUE(start("1 move 115 115\n2 move 200 200\n3 move 350 350\n4 move 351 351\n"));
    auto* window = guitest::recWindow(events, "W", 100, 100, 200, 200);
    guitest::recWindow(events, "C", 10, 10, 50, 50, window);
    std::unique_ptr<RecWindow> cover(guitest::recWindow(events, "cover", 0, 0, 402, 402));
    cover->setDepth(0.99f);
    cursor()->setFocusObject(window);
    // Outside the window, on the cover, nothing may be hit.
    EXPECT_EQ(frames(3), "C:in | C:out C:out W:in | W:out");
    cursor()->setFocusObject(nullptr);
    EXPECT_EQ(frames(), "cover:in");
    cursor()->setFocusObject(window);
    delete window;
    EXPECT_EQ(cursor()->getFocusObject(), nullptr);
}

static GuiWindow* s_dialog = nullptr;

TEST_F(InteractionCursor, ButtonClosingItsOwnWindowOnPressStopsTheFrameSafely) {
    ASSERT_TRUE(start("1 move 215 215\n2 press left\n3 release left\n4 move 216 216\n"));
    const std::size_t registered = cursor()->size();
    s_dialog = guitest::recWindow(events, "Dialog", 200, 200, 100, 80);
    GuiButton* close = s_dialog->getController()->addButton("Close", "gui_little_button.png",
                                                            hgeVector(10, 10), hgeVector(18, 18));
    EXPECT_GT(close->getDepth(), s_dialog->getDepth());
    close->m_callback = [] {
        delete s_dialog;
        s_dialog = nullptr;
    };
    frame(2);
    EXPECT_TRUE(!s_dialog && !cursor()->getCurrentObject() && !cursor()->getPreviousObject());
    EXPECT_EQ(cursor()->size(), registered);
    frame(2);
    EXPECT_EQ(cursor()->getCurrentObject(), nullptr);
    EXPECT_EQ(logged("WW", "FiscoraCursor::update", kDeleted), 1);
}
