// Sliders: the handle's place on its track, dragging it to whole steps
// within the stops, values set by code and the track coloured by value.
#include "InteractionTestSupport.h"
#include "gui/GuiSlider.h"
#include "gui/Slider.h"

// A window at (100, 100) holding a slider track at (50, 50): the track
// starts at screen x 150 and is 200 pixels long; the handle is 16 wide, so
// it runs 184 pixels.
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

    // "<handle x>=<value>", then "d" while dragging and "r" while tinted.
    std::string state() const {
        std::ostringstream out;
        out << handle()->getPosition().x << "=" << slider->getValue()
            << (handle()->isDragging() ? "d" : "")
            << (handle()->getSprite()->GetColor() == 0xFFFF0000u ? "r" : "");
        return out.str();
    }

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
    EXPECT_FLOAT_EQ(slider->getPosition().x, 150);
    // At the track start, half the cut handle (18 high) above 16 over the
    // track: centred on the thin track.
    EXPECT_EQ(guitest::xy(handle()->getPosition()), "150,143");
    EXPECT_TRUE(!slider->isInteractive() && handle()->isInteractive()) << "only the handle";
    EXPECT_FLOAT_EQ(handle()->getDepth(), slider->getDepth() + 0.01f);
    // Tinted while the pointer is inside it (a dragged handle trails the
    // pointer, whose box edge does not count). Dragged, the value is the
    // whole steps of 18.4 pixels from the start (45 pixels: 2); the right
    // stop at x 334 is the whole range; let go, the handle stays.
    EXPECT_EQ(timeline(14, [&] { return state(); }),
              "150=0r 155=0dr 155=0 155=0r 160=0dr 195=2d 195=2d 334=10d 334=10d 150=0d 150=0d "
              "250=5d 250=5 250=5");
    slider->setDepth(0.5f);
    EXPECT_FLOAT_EQ(handle()->getDepth(), 0.6f);
}

TEST_F(SliderTest, WideRangesReachTheirMaximumEmptyOnesStayAtZeroAndTracksColourByValue) {
    // The budget's food slider: 0..3000 kronor on 200 pixels; below it a
    // savings slider with no cash, range 0..0, at screen y 200, and one of
    // 255 steps coloured by value.
    ASSERT_TRUE(
        build("1 move 155 150\n2 press left\n3 move 790 150\n4 release left\n5 move 155 200\n"
              "6 press left\n7 move 300 200\n",
              3000));
    GuiSlider* empty = window->getController()->addSlider(hgeVector(50, 100), hgeVector(200, 5), 0);
    GuiSlider* coloured =
        window->getController()->addSlider(hgeVector(50, 150), hgeVector(200, 5), 255);
    coloured->setColorByValue(true);
    frame(4);
    EXPECT_EQ(slider->getValue(), 3000);
    frame(3);
    EXPECT_TRUE(empty->getValue() == 0 && empty->getHandle()->isDragging());
    // Values set by code are clamped to the range and move the handle.
    for (const auto& [value, expected] : std::vector<std::pair<int, std::string>>{
             {1500, "242=1500"}, {99999, "334=3000"}, {-5, "150=0"}, {3000, "334=3000"}}) {
        slider->setValue(value);
        EXPECT_EQ(state(), expected) << value;
    }
    // Red at 0 through green at the step count; 100 of 255 is red 155 (0x9B),
    // green 100 (0x64).
    for (const auto& [value, colour] : std::vector<std::pair<int, unsigned int>>{
             {0, 0xFFFF0000u}, {255, 0xFF00FF00u}, {100, 0xFF9B6400u}}) {
        coloured->setValue(value);
        frame();
        EXPECT_EQ(coloured->getSprite()->GetColor(), colour) << value;
    }
}
