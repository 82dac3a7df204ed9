// Windows: depth offsets of children, pictures and frame, the frame as part
// of the clickable area, the "border" attribute and pictures.
#include <gtest/gtest.h>

#include "InteractionTestSupport.h"
#include "engine/hgesprite.h"

using guitest::at;

namespace {

class GuiWindowTest : public guitest::GuiTest {};

TEST_F(GuiWindowTest, DepthSetterOffsetsChildrenPicturesAndFrame) {
    ASSERT_TRUE(start());
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
    ASSERT_TRUE(start());
    GuiWindow root(record("Root"), true, nullptr);
    ASSERT_EQ(root.getPictureCount(), 1u);
    const Sprite& picture = *root.getPictures()[0];
    EXPECT_TRUE(at(picture.getPosition(), 300, 70));
    EXPECT_TRUE(picture.movesWithCam());
    EXPECT_FLOAT_EQ(picture.getZ(), root.getDepth() + 0.01f);
    EXPECT_FLOAT_EQ(picture.getSprite()->GetWidth(), 26);
    float hx = -1, hy = -1;
    picture.getSprite()->GetHotSpot(&hx, &hy);
    EXPECT_TRUE(at(hgeVector(hx, hy), 0, 0));

    root.setVisible(false);
    EXPECT_FALSE(picture.isVisible());
    // A picture added to a hidden window stays hidden with it.
    root.addImage("sprite_dot.png", hgeVector(5, 5), hgeVector(28, 38));
    ASSERT_EQ(root.getPictureCount(), 2u);
    EXPECT_FALSE(root.getPictures()[1]->isVisible());
    root.setVisible(true);
    EXPECT_TRUE(picture.isVisible());
    EXPECT_TRUE(root.getPictures()[1]->isVisible());

    log.take();
    root.addImage("", hgeVector(0, 0));
    TiXmlElement noGfx("image");
    root.addImage(&noGfx);
    EXPECT_EQ(root.getPictureCount(), 2u);
    EXPECT_EQ(logged("DD", "GuiWindow::addImage", "got empty string"), 2);
    EXPECT_EQ(logged("WW", "xml::findAttribute", "element doesnt have attribute gfx"), 1);
}

TEST_F(GuiWindowTest, BorderAttributeAndValuesBuildTheFrameAndPlaceChildren) {
    ASSERT_TRUE(start());
    // A missing "border" builds the frame hidden; "1" shows it; "0" and "no"
    // build none.
    for (const char* id : {"BorderMissing", "BorderOne", "BorderZero", "BorderNo"}) {
        log.take();
        GuiWindow window(record(id), false, nullptr);
        const std::string name = id;
        EXPECT_EQ(logged("WW", "xml::findAttribute", "element doesnt have attribute border"),
                  name == "BorderMissing")
            << id;
        const bool framed = name == "BorderMissing" || name == "BorderOne";
        ASSERT_EQ(window.getImages().size(), framed ? 8u : 0u) << id;
        for (const auto& piece : window.getImages()) {
            EXPECT_EQ(piece->isVisible(), name == "BorderOne") << id;
        }
    }
    GuiWindow parent("Parent", "gui_blank.png", hgeVector(100, 100), hgeVector(300, 200), nullptr,
                     true);
    EXPECT_EQ(parent.getImages().size(), 8u);
    EXPECT_TRUE(at(parent.getOffset(), 0, 0));
    GuiWindow* child = guitest::window("Child", 20, 30, 50, 50, &parent);
    EXPECT_TRUE(child->getImages().empty());
    EXPECT_TRUE(at(child->getOffset(), 20, 30));
    EXPECT_TRUE(at(child->getPosition(), 120, 130));
}

// The frame is 32 pixels wide on every side, whatever the window's height.
TEST_F(GuiWindowTest, FrameIsPartOfTheClickableAreaAndNoMore) {
    ASSERT_TRUE(
        start("1 move 180 180\n2 move 320 240\n3 move 250 300\n4 move 340 240\n5 move 150 240\n"));
    // At (200, 200); its sprite is 98 x 78, so the frame spans 168..330 x 168..310.
    guitest::RecWindow window(events, "W", record("BorderOne"), false, nullptr);
    EXPECT_EQ(frames(5), "W:enter | W:hover | W:hover | W:leave |");
}

}  // namespace
