// Buttons under the pointer: the press and its callback, the red tint, the
// records they are built from, the fading button and the menu button's glow.
#include "InteractionTestSupport.h"
#include "gui/GuiButton.h"
#include "gui/GuiButtonFading.h"
#include "gui/Menubutton.h"

using guitest::describe;

static const unsigned int WHITE = 0xFFFFFFFFu;
static const unsigned int RED = 0xFFFF0000u;
static const unsigned int GREY = 0xFFC0C0C0u;

static int g_presses = 0;
static GuiWindow* g_modal = nullptr;

class ButtonTest : public guitest::GuiTest {};

TEST_F(ButtonTest, PressFiresOncePerPressAndTheTintFollowsThePointer) {
    // A window at (100, 100), 300 x 200, and a 64 x 32 button at (20, 20) in
    // it: the button covers the screen pixels (120..182, 120..150). Hover,
    // click, hold and release; off onto the window and back; click twice
    // more, the last click opening a modal window elsewhere.
    ASSERT_TRUE(
        start("1 move 130 130\n2 press left\n6 release left\n7 move 350 250\n8 move 130 130\n"
              "9 press left\n10 release left\n11 press left\n"));
    std::unique_ptr<GuiWindow> window(guitest::recWindow(events, "window", 100, 100, 300, 200));
    auto* button = new GuiButton("Ok", "gui_yes_button.png", hgeVector(20, 20), hgeVector(64, 32),
                                 window.get());
    window->getController()->addChild(button);
    EXPECT_EQ(describe(*button), "120,120 62x30 hot0,0 flip00 r0 z0.851 cam");
    std::unique_ptr<GuiWindow> modal(guitest::recWindow(events, "Modal", 500, 400, 100, 100));
    g_modal = modal.get();
    g_presses = 0;
    button->m_callback = [] {
        if (++g_presses == 3) {
            InteractionalObject::getCursor()->setFocusObject(g_modal);
        }
    };
    button->setNormalColor(GREY);
    // "<presses><colour>", "h" while hovering: the press fires on the frame
    // the button goes down, neither holding nor the release fires; the normal
    // colour comes back the frame the pointer leaves, and the frame the
    // modal window takes the pointer although no leave ever comes.
    const auto state = [&] {
        const unsigned int color = button->getSprite()->GetColor();
        const char* name = color == RED ? "red" : color == GREY ? "grey" : "other";
        return std::to_string(g_presses) + name + (button->isHovering() ? "h" : "");
    };
    EXPECT_EQ(timeline(12, state),
              "0red 1redh 1redh 1redh 1redh 1redh 1grey 1red 2redh 2redh 3redh 3grey");
    EXPECT_EQ(std::count(events.begin(), events.end(), "window:down"), 0)
        << "the window under the button never saw a press";
    // Every press asks the sound player for the click, key 0 (the test has
    // no sounds registered, so each ask is a warning).
    EXPECT_EQ(log.countPrefix("[WW] [SoundBase<int,class audiere::RefPtr<class "
                              "audiere::SoundEffect> >::exists]\t\tno sound with key 0 found"),
              3);
    // Free again, the pointer is on the button with the left button down:
    // a new press.
    cursor()->setFocusObject(nullptr);
    frame();
    EXPECT_EQ(state(), "4red");
    // Switching interaction drops the tint.
    button->setActive(false, false);
    EXPECT_EQ(state(), "4grey");
    EXPECT_FALSE(button->isInteractive());
}

TEST_F(ButtonTest, RecordsBuildButtonsAndBadOnesGiveBlankButtonsThatStillTakeThePointer) {
    ASSERT_TRUE(start("1 move 20 20\n2 press left\n3 release left\n"));
    std::unique_ptr<GuiWindow> window(guitest::recWindow(events, "Window", 100, 50, 300, 200));
    TiXmlDocument doc;
    doc.Parse(
        "<button guiId=\"Yes\" name=\"yes_button\"><size x=\"64\" y=\"32\"/>"
        "<position x=\"10\" y=\"15\"/><hotspot x=\"3\" y=\"4\"/></button>");
    GuiButton* button = window->getController()->addButton(doc.RootElement());
    EXPECT_EQ(window->findChild("Yes"), button);
    EXPECT_EQ(describe(*button), "110,65 62x30 hot3,4 flip00 r0 z0.851 cam");

    log.take();
    TiXmlDocument bad;
    bad.Parse("<button guiId=\"Nameless\"><size x=\"64\" y=\"32\"/></button>");
    GuiButton nameless(bad.RootElement(), nullptr);
    EXPECT_EQ(nameless.getName(), "Nameless");
    EXPECT_FLOAT_EQ(nameless.getDepth(), 0.98f) << "without a parent";
    EXPECT_EQ(nameless.getSprite()->GetTexture(), 0u) << "the blank sprite";
    EXPECT_EQ(logged("WW", "xml::findAttribute", "element doesnt have attribute name"), 1);
    GuiButton none(nullptr, nullptr);
    EXPECT_EQ(logged("WW", "GuiButton::GuiButton", "got null element"), 1);
    EXPECT_EQ(logged("EE", "GuiButton::create", "got null element"), 1);
    ASSERT_NE(none.getSprite(), nullptr);
    // Both take the pointer without a callback set; the earlier one of equal
    // depth gets the press.
    frame(2);
    EXPECT_TRUE(nameless.isPressed());
    frame();
    EXPECT_FALSE(nameless.isPressed());
}

TEST_F(ButtonTest, FadingButtonFadesOutAfterItsDelayAndMenubuttonGlowsInsteadOfTurningRed) {
    // Left at frame 2 for the menu button below; back on the fading button
    // while it fades at 137, left again at 138; onto it once it is gone.
    ASSERT_TRUE(start(
        "1 move 130 130\n2 move 500 500\n137 move 130 130\n138 move 500 500\n320 move 130 130\n"));
    GuiButtonFading button("Sell", "gui_yes_button.png", hgeVector(120, 120), hgeVector(64, 32),
                           nullptr);
    button.setFadeDelay(2.0f);
    button.setFadeSpeed(510.0f);
    Menubutton menu("Start", "gui_menu_start.png", hgeVector(480, 480), hgeVector(64, 32), nullptr);
    menu.setGlow("gui_menu_difficulty0_glow.png");
    ASSERT_NE(menu.getGlow(), nullptr);
    EXPECT_FLOAT_EQ(menu.getGlow()->getZ(), 1.6f);
    EXPECT_FALSE(menu.getGlow()->isVisible());
    frame();
    EXPECT_EQ(button.getSprite()->GetColor(), RED);
    frame(120);  // left at frame 2; 2 s at 60 frames a second: fully opaque
    EXPECT_FLOAT_EQ(button.getAlpha(), 255.0f);
    EXPECT_EQ(button.getSprite()->GetColor(), WHITE);
    EXPECT_TRUE(menu.getGlow()->isVisible());
    EXPECT_EQ(menu.getSprite()->GetColor(), WHITE);
    frame(15);  // frame 136: half a second's fade takes it all
    EXPECT_GT(button.getAlpha(), 0.0f);
    EXPECT_LT(button.getAlpha(), 255.0f - 12 * 8.5f);
    EXPECT_EQ(button.getSprite()->GetColor() >> 24,
              static_cast<unsigned int>(button.getAlpha() + 0.5f));
    frame();  // frame 137: fully there at once
    EXPECT_FLOAT_EQ(button.getAlpha(), 255.0f);
    EXPECT_FALSE(button.isWaiting());
    EXPECT_EQ(button.getSprite()->GetColor(), RED);
    EXPECT_FALSE(menu.getGlow()->isVisible());
    frame(180);  // frame 317: waited and faded out
    EXPECT_FALSE(button.isVisible() || button.isInteractive());
    frame(5);  // a hidden button is not hit: no enter brings it back
    EXPECT_FLOAT_EQ(button.getAlpha(), 0.0f);
    button.restart();
    EXPECT_TRUE(button.isVisible() && button.isInteractive());
    EXPECT_FLOAT_EQ(button.getAlpha(), 255.0f);
}
