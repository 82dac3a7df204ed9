// Windows: depth offsets of children, pictures and frame, the frame as part
// of the clickable area, the "border" attribute and pictures.
#include "InteractionTestSupport.h"

using guitest::tree;
using guitest::xy;

class GuiWindowTest : public guitest::GuiTest {};

TEST_F(GuiWindowTest, DepthOffsetsTheBorderAttributeAndTheValueConstructor) {
    ASSERT_TRUE(start());
    GuiWindow window(record("Layered"), true, nullptr);
    // "z" gives the window's depth; what is built in it sits 0.01 above.
    EXPECT_EQ(tree(&window), "Layered 100,100..300,200 z0.4 [Inner 110,110..160,160 z0.41]");
    ASSERT_EQ(window.getPictureCount(), 1u);
    const Sprite& picture = *window.getPictures()[0];
    window.createBorder(hgeVector(0, 0));
    window.setDepth(0.6f);
    EXPECT_EQ(tree(&window), "Layered 100,100..300,200 z0.6 [Inner 110,110..160,160 z0.601]");
    EXPECT_FLOAT_EQ(picture.getZ(), 0.602f);
    ASSERT_EQ(window.getImages().size(), 8u);
    for (const auto& piece : window.getImages()) {
        EXPECT_FLOAT_EQ(piece->getZ(), 0.599f);
    }

    // A missing "border" builds the frame hidden; "1" shows it; "0" and "no"
    // build none.
    // "<id>:<pieces>/<shown>", then "w" when the missing attribute was warned of.
    std::string seen;
    for (const std::string id : {"BorderMissing", "BorderOne", "BorderZero", "BorderNo"}) {
        log.take();
        GuiWindow window(record(id), false, nullptr);
        const auto& pieces = window.getImages();
        seen +=
            id + ":" + std::to_string(pieces.size()) + "/" +
            std::to_string(std::count_if(pieces.begin(), pieces.end(),
                                         [](const auto& piece) { return piece->isVisible(); })) +
            (logged("WW", "xml::findAttribute", "element doesnt have attribute border") ? "w "
                                                                                        : " ");
    }
    EXPECT_EQ(seen, "BorderMissing:8/0w BorderOne:8/8 BorderZero:0/0 BorderNo:0/0 ");
    GuiWindow parent("Parent", "gui_blank.png", hgeVector(100, 100), hgeVector(300, 200), nullptr,
                     true);
    EXPECT_EQ(parent.getImages().size(), 8u);
    EXPECT_EQ(xy(parent.getOffset()), "0,0");
    GuiWindow* child = guitest::recWindow(events, "Child", 20, 30, 50, 50, &parent);
    EXPECT_TRUE(child->getImages().empty());
    EXPECT_EQ(xy(child->getOffset()), "20,30");
    EXPECT_EQ(tree(&parent), "Parent 100,100..400,300 z0.85 [Child 120,130..170,180 z0.95]");
}

// The frame is 32 pixels wide on every side, whatever the window's height.
TEST_F(GuiWindowTest, FrameIsPartOfTheClickableAreaAndNoMore) {
    ASSERT_TRUE(
        start("1 move 180 180\n2 move 320 240\n3 move 250 300\n4 move 340 240\n5 move 150 240\n"));
    // At (200, 200); its sprite is 98 x 78, so the frame spans 168..330 x 168..310.
    guitest::RecWindow window(events, "W", record("BorderOne"), false, nullptr);
    EXPECT_EQ(frames(5), "W:in | W:on | W:on | W:out |");
}
