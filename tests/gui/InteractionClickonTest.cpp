// The autopilot's "clickon <name>": finding a widget's centre by name.
#include <gtest/gtest.h>

#include <memory>

#include "InteractionTestSupport.h"
#include "gui/Clickon.h"

using guitest::window;

namespace {

class InteractionClickon : public guitest::GuiTest {};

TEST_F(InteractionClickon, ResolvesTheTopmostVisibleActiveWidgetOfThatNameOrWarns) {
    ASSERT_TRUE(start());
    // The cut sprite is 2 pixels smaller than the size: boxes are 98 x 48.
    std::unique_ptr<GuiWindow> low(window("OK", 100, 100, 100, 50));
    std::unique_ptr<GuiWindow> high(window("OK", 300, 200, 100, 50));
    high->setDepth(0.9f);
    std::unique_ptr<GuiWindow> hidden(window("OK", 500, 400, 100, 50));
    hidden->setDepth(0.95f);
    hidden->setVisible(false);
    std::unique_ptr<GuiWindow> inactive(window("OK", 600, 400, 100, 50));
    inactive->setDepth(0.97f);
    inactive->setActive(false, false);
    float x = 0, y = 0;
    ASSERT_TRUE(Clickon::resolve("OK", x, y));
    EXPECT_EQ(guitest::xy(hgeVector(x, y)), "349,224");
    high->setVisible(false);
    ASSERT_TRUE(Clickon::resolve("OK", x, y));
    EXPECT_EQ(guitest::xy(hgeVector(x, y)), "149,124");

    low->setVisible(false);
    x = -1;
    EXPECT_FALSE(Clickon::resolve("Nope", x, y));
    EXPECT_FALSE(Clickon::resolve("OK", x, y));
    EXPECT_FALSE(Clickon::resolve("ok", x, y));  // names match exactly
    EXPECT_FLOAT_EQ(x, -1.0f);
    EXPECT_EQ(logged("WW", "Clickon::resolve", "no visible widget named Nope"), 1);
    EXPECT_EQ(logged("WW", "Clickon::resolve", "no visible widget named OK"), 1);
}

TEST_F(InteractionClickon, ScriptedClickonPressesTheWidgetOnce) {
    ASSERT_TRUE(start("1 clickon Yes Button\n3 move 700 500\n"));
    auto* dialog = new guitest::RecWindow(events, "dialog", "Dialog", "gui_blank.png",
                                          hgeVector(100, 100), hgeVector(300, 200), nullptr, false);
    auto* yes = new guitest::RecWindow(events, "yes", "Yes Button", "gui_blank.png",
                                       hgeVector(20, 120), hgeVector(60, 40), dialog, false);
    dialog->getController()->addChild(yes);
    // The click's release half comes the next frame.
    EXPECT_EQ(frames(3), "yes:enter yes:press | yes:hover yes:release | yes:leave");
    delete dialog;
}

}  // namespace
