// The autopilot's "clickon <name>": finding a widget's centre by name.
#include <gtest/gtest.h>

#include "InteractionTestSupport.h"
#include "gui/Clickon.h"

using guitest::Events;
using guitest::PointerScript;
using guitest::RecWindow;

namespace {

GuiWindow* window(const std::string& name, float x, float y, float w, float h,
                  GuiBase* parent = nullptr) {
    auto* made =
        new GuiWindow(name, "gui_blank.png", hgeVector(x, y), hgeVector(w, h), parent, false);
    if (parent) {
        parent->getController()->addChild(made);
    }
    return made;
}

}  // namespace

TEST(InteractionClickon, ResolvesTheTopmostVisibleActiveWidgetOfThatName) {
    test::HeadlessEngine engine;
    ASSERT_TRUE(engine.ok());
    ZDepth::readFile();
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
    EXPECT_FLOAT_EQ(x, 349.0f);
    EXPECT_FLOAT_EQ(y, 224.0f);

    high->setVisible(false);
    ASSERT_TRUE(Clickon::resolve("OK", x, y));
    EXPECT_FLOAT_EQ(x, 149.0f);
    EXPECT_FLOAT_EQ(y, 124.0f);
}

TEST(InteractionClickon, UnknownOrHiddenNameWarnsAndFails) {
    test::HeadlessEngine engine;
    ASSERT_TRUE(engine.ok());
    ZDepth::readFile();
    std::unique_ptr<GuiWindow> hidden(window("Gone", 100, 100, 100, 50));
    hidden->setVisible(false);
    test::LogCapture log;
    float x = -1, y = -1;
    EXPECT_FALSE(Clickon::resolve("Nope", x, y));
    EXPECT_FALSE(Clickon::resolve("Gone", x, y));
    EXPECT_FALSE(Clickon::resolve("gone", x, y));  // names match exactly
    EXPECT_FLOAT_EQ(x, -1.0f);
    EXPECT_EQ(log.count(test::logLine("WW", "Clickon::resolve", "no visible widget named Nope")),
              1);
    EXPECT_EQ(log.count(test::logLine("WW", "Clickon::resolve", "no visible widget named Gone")),
              1);
}

TEST(InteractionClickon, ScriptedClickonPressesTheWidgetOnce) {
    PointerScript run("1 clickon Yes Button\n3 move 700 500\n");
    ASSERT_TRUE(run.ok());
    Events events;
    auto* dialog = new RecWindow(events, "dialog", "Dialog", "gui_blank.png", hgeVector(100, 100),
                                 hgeVector(300, 200), nullptr, false);
    auto* yes = new RecWindow(events, "yes", "Yes Button", "gui_blank.png", hgeVector(20, 120),
                              hgeVector(60, 40), dialog, false);
    dialog->getController()->addChild(yes);
    run.frame();
    EXPECT_EQ(events, (Events{"yes:enter", "yes:press"}));
    events.clear();
    run.frame();  // the click's release half
    EXPECT_EQ(events, (Events{"yes:hover", "yes:release"}));
    events.clear();
    run.frame();
    EXPECT_EQ(events, (Events{"yes:leave"}));
    delete dialog;
}
