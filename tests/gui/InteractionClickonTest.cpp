// The autopilot's "clickon <name>": finding a widget's centre by name.
#include "InteractionTestSupport.h"
#include "gui/Clickon.h"

class InteractionClickon : public guitest::GuiTest {};

TEST_F(InteractionClickon, ResolvesTheTopmostVisibleActiveWidgetOfThatNameAndClicksItOnce) {
    ASSERT_TRUE(start("1 clickon Yes Button\n3 move 700 500\n"));
    // Four windows named "OK", deeper and deeper; the third hidden, the
    // fourth inactive. The cut sprite is 2 pixels smaller than the size:
    // boxes are 98 x 48.
    std::vector<std::unique_ptr<GuiWindow>> ok;
    for (const auto& [x, y, depth] : std::vector<std::tuple<float, float, float>>{
             {100, 100, 0.85f}, {300, 200, 0.9f}, {500, 400, 0.95f}, {600, 400, 0.97f}}) {
        ok.emplace_back(guitest::recWindow(events, "OK", x, y, 100, 50));
        ok.back()->setDepth(depth);
    }
    ok[2]->setVisible(false);
    ok[3]->setActive(false, false);
    // The centre in game pixels; a name not found leaves x and y alone.
    const auto resolve = [](const std::string& name) {
        float x = -1, y = -1;
        const bool found = Clickon::resolve(name, x, y);
        return found ? guitest::xy(hgeVector(x, y)) : x == -1 && y == -1 ? "none" : "moved";
    };
    EXPECT_EQ(resolve("OK"), "349,224");
    EXPECT_EQ(resolve("ok"), "none") << "names match exactly";
    ok[1]->setVisible(false);
    EXPECT_EQ(resolve("OK"), "149,124");
    ok[0]->setVisible(false);
    EXPECT_EQ(resolve("Nope") + resolve("OK"), "nonenone");
    EXPECT_EQ(logged("WW", "Clickon::resolve", "no visible widget named Nope"), 1);
    EXPECT_EQ(logged("WW", "Clickon::resolve", "no visible widget named OK"), 1);

    // The script's click comes in one frame, its release half in the next.
    auto* dialog = guitest::recWindow(events, "Dialog", 100, 100, 300, 200);
    guitest::recWindow(events, "Yes Button", 20, 120, 60, 40, dialog);
    EXPECT_EQ(frames(3),
              "Yes Button:in Yes Button:down | Yes Button:on Yes Button:up | Yes Button:out");
    delete dialog;
}
