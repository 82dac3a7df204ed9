// Windows: depth offsets of children, pictures and frame, the frame as part
// of the clickable area, the "border" attribute and pictures.
#include <gtest/gtest.h>

#include "InteractionTestSupport.h"
#include "engine/hgesprite.h"
#include "gui/GuiButton.h"
#include "gui/GuiController.h"

using guitest::Events;
using guitest::GuiRecords;
using guitest::PointerScript;
using guitest::RecWindow;

namespace {

class GuiWindowTest : public guitest::RecordsTest {};

}  // namespace

TEST_F(GuiWindowTest, DepthSetterOffsetsChildrenPicturesAndFrame) {
    GuiWindow window(record("Layered"), true, nullptr);
    // "z" gives the window's depth; what is built in it sits 0.01 above.
    EXPECT_FLOAT_EQ(window.getDepth(), 0.4f);
    GuiBase* inner = window.findChild("Inner");
    ASSERT_NE(inner, nullptr);
    EXPECT_FLOAT_EQ(inner->getDepth(), 0.41f);
    ASSERT_EQ(window.getPictureCount(), 1u);
    EXPECT_FLOAT_EQ(window.getPictures()[0]->getZ(), 0.41f);

    window.createBorder(hgeVector(0, 0));
    window.setDepth(0.6f);
    EXPECT_FLOAT_EQ(window.getZ(), 0.6f);
    EXPECT_FLOAT_EQ(inner->getDepth(), 0.601f);
    EXPECT_FLOAT_EQ(window.getPictures()[0]->getZ(), 0.602f);
    ASSERT_EQ(window.getImages().size(), 8u);
    for (const auto& piece : window.getImages()) {
        EXPECT_FLOAT_EQ(piece->getZ(), 0.599f);
    }
}

TEST_F(GuiWindowTest, PicturesArePlacedOnTheWindowAndFollowItsVisibility) {
    GuiWindow root(record("Root"), true, nullptr);
    ASSERT_EQ(root.getPictureCount(), 1u);
    const Sprite& picture = *root.getPictures()[0];
    EXPECT_FLOAT_EQ(picture.getPosition().x, 300);
    EXPECT_FLOAT_EQ(picture.getPosition().y, 70);
    EXPECT_TRUE(picture.movesWithCam());
    EXPECT_FLOAT_EQ(picture.getZ(), root.getDepth() + 0.01f);
    ASSERT_NE(picture.getSprite(), nullptr);
    EXPECT_FLOAT_EQ(picture.getSprite()->GetWidth(), 26);
    float hx = -1, hy = -1;
    picture.getSprite()->GetHotSpot(&hx, &hy);
    EXPECT_FLOAT_EQ(hx, 0);
    EXPECT_FLOAT_EQ(hy, 0);

    root.setVisible(false);
    EXPECT_FALSE(picture.isVisible());
    // A picture added to a hidden window stays hidden with it.
    root.addImage("sprite_dot.png", hgeVector(5, 5), hgeVector(28, 38));
    ASSERT_EQ(root.getPictureCount(), 2u);
    EXPECT_FALSE(root.getPictures()[1]->isVisible());
    root.setVisible(true);
    EXPECT_TRUE(picture.isVisible());
    EXPECT_TRUE(root.getPictures()[1]->isVisible());

    test::LogCapture log;
    root.addImage("", hgeVector(0, 0));
    TiXmlElement noGfx("image");
    root.addImage(&noGfx);
    EXPECT_EQ(root.getPictureCount(), 2u);
    EXPECT_EQ(log.count(test::logLine("DD", "GuiWindow::addImage", "got empty string")), 2);
    EXPECT_EQ(
        log.count(test::logLine("WW", "xml::findAttribute", "element doesnt have attribute gfx")),
        1);
}

TEST_F(GuiWindowTest, BorderAttributeBuildsAndShowsTheFrame) {
    {
        test::LogCapture log;
        GuiWindow missing(record("BorderMissing"), false, nullptr);
        EXPECT_EQ(log.count(test::logLine("WW", "xml::findAttribute",
                                          "element doesnt have attribute border")),
                  1);
        ASSERT_EQ(missing.getImages().size(), 8u);
        for (const auto& piece : missing.getImages()) {
            EXPECT_FALSE(piece->isVisible());
        }
    }
    GuiWindow one(record("BorderOne"), false, nullptr);
    ASSERT_EQ(one.getImages().size(), 8u);
    for (const auto& piece : one.getImages()) {
        EXPECT_TRUE(piece->isVisible());
    }
    GuiWindow zero(record("BorderZero"), false, nullptr);
    EXPECT_TRUE(zero.getImages().empty());
    GuiWindow no(record("BorderNo"), false, nullptr);
    EXPECT_TRUE(no.getImages().empty());
}

TEST_F(GuiWindowTest, ValueConstructorKeepsTheOffsetAndBuildsTheFrameOnRequest) {
    GuiWindow parent("Parent", "gui_blank.png", hgeVector(100, 100), hgeVector(300, 200), nullptr,
                     true);
    EXPECT_EQ(parent.getImages().size(), 8u);
    EXPECT_FLOAT_EQ(parent.getOffset().x, 0);
    auto* child = new GuiWindow("Child", "gui_blank.png", hgeVector(20, 30), hgeVector(50, 50),
                                &parent, false);
    parent.getController()->addChild(child);
    EXPECT_TRUE(child->getImages().empty());
    EXPECT_FLOAT_EQ(child->getOffset().x, 20);
    EXPECT_FLOAT_EQ(child->getOffset().y, 30);
    EXPECT_FLOAT_EQ(child->getPosition().x, 120);
    EXPECT_FLOAT_EQ(child->getPosition().y, 130);
}

// The frame is 32 pixels wide on every side, whatever the window's height.
TEST(GuiWindowPointer, FrameIsPartOfTheClickableAreaAndNoMore) {
    PointerScript run(
        "1 move 180 180\n2 move 320 240\n3 move 250 300\n4 move 340 240\n5 move 150 240\n");
    ASSERT_TRUE(run.ok());
    GuiRecords records;
    ASSERT_TRUE(records.loaded());
    Events events;
    // At (200, 200); its sprite is 98 x 78, so the frame spans 168..330 x 168..310.
    RecWindow window(events, "W", records.record("BorderOne"), false, nullptr);
    run.frame();
    EXPECT_EQ(events, (Events{"W:enter"}));
    events.clear();
    run.frame(2);
    EXPECT_EQ(events, (Events{"W:hover", "W:hover"}));
    events.clear();
    run.frame();
    EXPECT_EQ(events, (Events{"W:leave"}));
    events.clear();
    run.frame();
    EXPECT_TRUE(events.empty());
}

TEST(GuiWindowPointer, ButtonInsideAWindowWinsTheWindowDoesNotGetIt) {
    PointerScript run("1 move 215 215\n2 press left\n3 release left\n4 move 280 250\n");
    ASSERT_TRUE(run.ok());
    Events events;
    RecWindow window(events, "W", "Dialog", "gui_blank.png", hgeVector(200, 200),
                     hgeVector(100, 80), nullptr, false);
    static int presses = 0;
    presses = 0;
    GuiButton* button = window.getController()->addButton("Ok", "gui_little_button.png",
                                                          hgeVector(10, 10), hgeVector(18, 18));
    ASSERT_NE(button, nullptr);
    button->m_callback = [] { ++presses; };
    EXPECT_GT(button->getDepth(), window.getDepth());
    run.frame(3);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(run.cursor()->getCurrentObject(), button);
    run.frame();
    EXPECT_EQ(events, (Events{"W:enter"}));
}
