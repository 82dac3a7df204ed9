// Sliders: the handle's place on its track, dragging it to whole steps
// within the stops, values set by code and the track coloured by value.
#include <gtest/gtest.h>

#include <memory>

#include "InteractionTestSupport.h"
#include "engine/hgesprite.h"
#include "gui/GuiSlider.h"
#include "gui/Slider.h"

namespace {

const float TRACK_X = 150.0f;
const float TRACK_Y = 150.0f;
const float HANDLE_WIDTH = 16.0f;

// A window at (100, 100) holding a slider track at (50, 50): the track
// starts at screen x 150 and is 200 pixels long; the handle is 16 wide.
class SliderTest : public guitest::GuiTest {
protected:
    bool build(const std::string& script, int steps) {
        if (!start(script)) {
            return false;
        }
        window = std::make_unique<GuiWindow>("Window", "gui_blank.png", hgeVector(100, 100),
                                             hgeVector(400, 200), nullptr, false);
        slider = window->getController()->addSlider(hgeVector(50, 50), hgeVector(200, 5), steps);
        return slider != nullptr;
    }

    Slider* handle() const { return slider->getHandle(); }
    float handleX() const { return handle()->getPosition().x; }
    unsigned int handleColor() const { return handle()->getSprite()->GetColor(); }

    std::unique_ptr<GuiWindow> window;
    GuiSlider* slider = nullptr;
};

TEST_F(SliderTest, HandleRestsAtTheTrackStartAndDragsToWholeStepsWithinTheStops) {
    // Hover and click the handle; grab it again and drag 45 pixels right of
    // the track start, far right past the end, far left, then let go at x
    // 250 and move on.
    ASSERT_TRUE(
        build("1 move 155 150\n2 press left\n3 release left\n4 move 160 150\n5 press left\n"
              "6 move 195 150\n8 move 700 150\n10 move 10 150\n12 move 250 150\n13 release left\n"
              "14 move 300 150\n",
              10));
    EXPECT_FLOAT_EQ(slider->getPosition().x, TRACK_X);
    EXPECT_EQ(slider->getValue(), 0);
    // At the track start, half the cut handle (18 high) above 16 over the
    // track: centred on the thin track.
    EXPECT_EQ(guitest::xy(handle()->getPosition()), "150,143");
    EXPECT_FALSE(slider->isInteractive()) << "the track never takes the pointer";
    EXPECT_TRUE(handle()->isInteractive());
    EXPECT_FLOAT_EQ(handle()->getDepth(), slider->getDepth() + 0.01f);

    frame();
    EXPECT_EQ(handleColor(), 0xFFFF0000u) << "tinted under the pointer";
    frame(2);
    EXPECT_EQ(handleColor(), 0xFFFFFFFFu) << "the release restores white";
    frame(3);
    EXPECT_TRUE(handle()->isDragging());
    EXPECT_FLOAT_EQ(handleX(), TRACK_X + 45);
    // 45 pixels over a run of 184 pixels for 10 steps: 2 whole steps.
    EXPECT_EQ(slider->getValue(), 2);
    frame(2);  // frame 8: past the right end
    EXPECT_FLOAT_EQ(handleX(), TRACK_X + 200 - HANDLE_WIDTH);
    EXPECT_EQ(slider->getValue(), 10) << "the right stop is the whole range";
    frame(2);  // frame 10: before the start
    EXPECT_FLOAT_EQ(handleX(), TRACK_X);
    EXPECT_EQ(slider->getValue(), 0);
    frame(3);  // frame 13: released at x 250
    EXPECT_FLOAT_EQ(handleX(), 250.0f);
    EXPECT_EQ(slider->getValue(), static_cast<int>(100 / 18.4f));
    frame(2);  // the pointer moves on, the handle stays
    EXPECT_FALSE(handle()->isDragging());
    EXPECT_FLOAT_EQ(handleX(), 250.0f);
    EXPECT_EQ(slider->getValue(), 5);

    slider->setDepth(0.5f);
    EXPECT_FLOAT_EQ(handle()->getDepth(), 0.6f);
}

TEST_F(SliderTest, WideRangesReachTheirMaximumAndEmptyOnesStayAtZero) {
    // The budget's food slider: 0..3000 kronor on 200 pixels; below it a
    // savings slider with no cash, range 0..0, at screen y 200.
    ASSERT_TRUE(
        build("1 move 155 150\n2 press left\n3 move 790 150\n4 release left\n5 move 155 200\n"
              "6 press left\n7 move 300 200\n",
              3000));
    GuiSlider* empty = window->getController()->addSlider(hgeVector(50, 100), hgeVector(200, 5), 0);
    frame(4);
    EXPECT_EQ(slider->getValue(), 3000);
    frame(3);
    EXPECT_EQ(empty->getValue(), 0);
    EXPECT_TRUE(empty->getHandle()->isDragging());

    // Values set by code are clamped to the range and move the handle.
    for (const auto& [value, expected] :
         std::vector<std::pair<int, int>>{{1500, 1500}, {99999, 3000}, {-5, 0}, {3000, 3000}}) {
        slider->setValue(value);
        EXPECT_EQ(slider->getValue(), expected) << value;
        EXPECT_FLOAT_EQ(handleX(), TRACK_X + (200 - HANDLE_WIDTH) * expected / 3000) << value;
    }
}

TEST_F(SliderTest, ColourByValueRunsFromRedToGreen) {
    ASSERT_TRUE(build("", 255));
    slider->setColorByValue(true);
    for (const auto& [value, colour] : std::vector<std::pair<int, unsigned int>>{
             {0, 0xFFFF0000u},
             {255, 0xFF00FF00u},
             {100, 0xFF000000u + (155u << 16) + (100u << 8)}}) {
        slider->setValue(value);
        frame();
        EXPECT_EQ(slider->getSprite()->GetColor(), colour) << value;
    }
}

}  // namespace
