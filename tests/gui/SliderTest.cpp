#include <gtest/gtest.h>

#include <memory>

#include "InteractionTestSupport.h"
#include "engine/hgesprite.h"
#include "gui/GuiController.h"
#include "gui/GuiSlider.h"
#include "gui/GuiWindow.h"
#include "gui/Slider.h"

namespace {

// A window at (100, 100) holding a slider track at (50, 50): the track
// starts at screen x 150 and is 200 pixels long; the handle is 16 wide.
struct SliderScene {
    SliderScene(const std::string& script, int steps) : pointer(script) {
        window = std::make_unique<GuiWindow>("Window", "gui_blank.png", hgeVector(100, 100),
                                             hgeVector(400, 200), nullptr, false);
        slider = window->getController()->addSlider(hgeVector(50, 50), hgeVector(200, 5), steps);
    }

    Slider* handle() const { return slider->getHandle(); }
    float handleX() const { return handle()->getPosition().x; }

    guitest::PointerScript pointer;
    std::unique_ptr<GuiWindow> window;
    GuiSlider* slider = nullptr;
};

const float TRACK_X = 150.0f;
const float TRACK_Y = 150.0f;
const float HANDLE_WIDTH = 16.0f;

TEST(SliderTest, HandleRestsAtTheTrackStartAboveTheTrack) {
    SliderScene scene("", 10);
    ASSERT_TRUE(scene.pointer.ok());
    ASSERT_NE(scene.slider, nullptr);
    EXPECT_FLOAT_EQ(scene.slider->getPosition().x, TRACK_X);
    EXPECT_EQ(scene.slider->getValue(), 0);
    EXPECT_FLOAT_EQ(scene.handleX(), TRACK_X);
    // Half the cut handle (18 high) above 16: centred on the thin track.
    EXPECT_FLOAT_EQ(scene.handle()->getPosition().y, TRACK_Y + 9 - 16);
    EXPECT_FALSE(scene.slider->isInteractive()) << "the track never takes the pointer";
    EXPECT_TRUE(scene.handle()->isInteractive());
    EXPECT_FLOAT_EQ(scene.handle()->getDepth(), scene.slider->getDepth() + 0.01f);
    scene.slider->setDepth(0.5f);
    EXPECT_FLOAT_EQ(scene.handle()->getDepth(), 0.6f);
}

TEST(SliderTest, DraggingSetsTheValueFromThePositionAndStopsAtTheEnds) {
    // Grab the handle, drag 45 pixels right of the track start, then far
    // right past the end, then far left, then let go and move on.
    SliderScene scene(
        "1 move 155 150\n"
        "2 press left\n"
        "3 move 195 150\n"
        "5 move 700 150\n"
        "7 move 10 150\n"
        "9 move 250 150\n"
        "10 release left\n"
        "11 move 300 150\n",
        10);
    ASSERT_TRUE(scene.pointer.ok());
    scene.pointer.frame(2);
    EXPECT_TRUE(scene.handle()->isDragging());
    scene.pointer.frame(1);
    EXPECT_FLOAT_EQ(scene.handleX(), TRACK_X + 45);
    // 45 pixels over a run of 184 pixels for 10 steps: 2 whole steps.
    EXPECT_EQ(scene.slider->getValue(), 2);

    scene.pointer.frame(2);  // frame 5: past the right end
    EXPECT_FLOAT_EQ(scene.handleX(), TRACK_X + 200 - HANDLE_WIDTH);
    EXPECT_EQ(scene.slider->getValue(), 10) << "the right stop is the whole range";

    scene.pointer.frame(2);  // frame 7: before the start
    EXPECT_FLOAT_EQ(scene.handleX(), TRACK_X);
    EXPECT_EQ(scene.slider->getValue(), 0);

    scene.pointer.frame(3);  // frame 10: released at x 250
    const float dropped = scene.handleX();
    const int value = scene.slider->getValue();
    EXPECT_FLOAT_EQ(dropped, 250.0f);
    EXPECT_EQ(value, static_cast<int>(100 / 18.4f));
    scene.pointer.frame(2);  // the pointer moves on, the handle stays
    EXPECT_FALSE(scene.handle()->isDragging());
    EXPECT_FLOAT_EQ(scene.handleX(), dropped);
    EXPECT_EQ(scene.slider->getValue(), value);
}

TEST(SliderTest, AWideRangeReachesItsMaximumAtTheRightStop) {
    // The budget's food slider: 0..3000 kronor on 200 pixels.
    SliderScene scene(
        "1 move 155 150\n"
        "2 press left\n"
        "3 move 790 150\n",
        3000);
    ASSERT_TRUE(scene.pointer.ok());
    scene.pointer.frame(3);
    EXPECT_EQ(scene.slider->getValue(), 3000);
    scene.slider->setValue(1500);
    EXPECT_EQ(scene.slider->getValue(), 1500);
    EXPECT_FLOAT_EQ(scene.handleX(), TRACK_X + (200 - HANDLE_WIDTH) / 2);
    scene.slider->setValue(99999);
    EXPECT_EQ(scene.slider->getValue(), 3000);
}

TEST(SliderTest, AnEmptyRangeStaysAtZero) {
    // A savings slider with no cash: range 0..0.
    SliderScene scene(
        "1 move 155 150\n"
        "2 press left\n"
        "3 move 300 150\n",
        0);
    ASSERT_TRUE(scene.pointer.ok());
    scene.pointer.frame(3);
    EXPECT_EQ(scene.slider->getValue(), 0);
}

TEST(SliderTest, HandleTintsUnderThePointerAndReleaseRestoresWhite) {
    SliderScene scene(
        "1 move 155 150\n"
        "2 press left\n"
        "3 release left\n",
        10);
    ASSERT_TRUE(scene.pointer.ok());
    scene.pointer.frame(1);
    EXPECT_EQ(scene.handle()->getSprite()->GetColor(), 0xFFFF0000u);
    scene.pointer.frame(2);
    EXPECT_EQ(scene.handle()->getSprite()->GetColor(), 0xFFFFFFFFu);
}

TEST(SliderTest, ColourByValueRunsFromRedToGreen) {
    SliderScene scene("", 255);
    ASSERT_TRUE(scene.pointer.ok());
    scene.slider->setColorByValue(true);
    auto colourAt = [&](int value) {
        scene.slider->setValue(value);
        scene.pointer.frame(1);
        return scene.slider->getSprite()->GetColor();
    };
    EXPECT_EQ(colourAt(0), 0xFFFF0000u);
    EXPECT_EQ(colourAt(255), 0xFF00FF00u);
    EXPECT_EQ(colourAt(100), 0xFF000000u + (155u << 16) + (100u << 8));
}

}  // namespace
