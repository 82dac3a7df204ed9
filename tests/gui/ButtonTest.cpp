#include <gtest/gtest.h>
#include <tinyxml.h>

#include <memory>

#include "InteractionTestSupport.h"
#include "TestSupport.h"
#include "engine/hgesprite.h"
#include "gui/GuiButton.h"
#include "gui/GuiButtonFading.h"
#include "gui/GuiController.h"
#include "gui/GuiWindow.h"
#include "gui/Menubutton.h"

namespace {

const unsigned int WHITE = 0xFFFFFFFFu;
const unsigned int RED = 0xFFFF0000u;

int g_presses = 0;
void countPress() {
    ++g_presses;
}

// A window at (100, 100), 300 x 200, and a 64 x 32 button at (20, 20) in it,
// so the button covers the screen pixels (120..182, 120..150).
struct ButtonScene {
    explicit ButtonScene(const std::string& script) : pointer(script) {
        g_presses = 0;
        window = std::make_unique<guitest::RecWindow>(events, "window", "Window", "gui_blank.png",
                                                      hgeVector(100, 100), hgeVector(300, 200),
                                                      nullptr, false);
        button = new GuiButton("Ok", "gui_yes_button.png", hgeVector(20, 20), hgeVector(64, 32),
                               window.get());
        window->getController()->addChild(button);
        button->m_callback = &countPress;
    }

    unsigned int color() const { return button->getSprite()->GetColor(); }

    guitest::Events events;
    guitest::PointerScript pointer;
    std::unique_ptr<guitest::RecWindow> window;
    GuiButton* button = nullptr;
};

TEST(ButtonTest, ButtonOverItsWindowTakesThePressAndFiresOncePerPress) {
    ButtonScene scene(
        "1 move 130 130\n"
        "2 press left\n"
        "6 release left\n"
        "8 press left\n"
        "9 release left\n");
    ASSERT_TRUE(scene.pointer.ok());
    EXPECT_FLOAT_EQ(scene.button->getDepth(), scene.window->getDepth() + 0.001f);
    EXPECT_FLOAT_EQ(scene.button->getPosition().x, 120.0f);
    EXPECT_FLOAT_EQ(scene.button->getPosition().y, 120.0f);

    test::LogCapture log;
    scene.pointer.frame(2);
    EXPECT_EQ(g_presses, 1) << "the press fires on the frame the button goes down";
    scene.pointer.frame(3);  // held
    EXPECT_EQ(g_presses, 1) << "holding does not fire again";
    scene.pointer.frame(1);  // frame 6: release
    EXPECT_EQ(g_presses, 1) << "the release never fires";
    scene.pointer.frame(3);  // frames 7..9: a second click
    EXPECT_EQ(g_presses, 2);

    // The window under the button never saw a press.
    for (const std::string& event : scene.events) {
        EXPECT_NE(event, "window:press");
    }
    // Every press asks the sound player for the click, key 0 (the test has
    // no sounds registered, so each ask is a warning).
    int clicks = 0;
    for (const std::string& line : log.lines()) {
        if (line.find("no sound with key 0 found") != std::string::npos) {
            ++clicks;
        }
    }
    EXPECT_EQ(clicks, 2);
}

TEST(ButtonTest, HoverTintsRedAndLeavingRestoresTheColourTheSameFrame) {
    ButtonScene scene(
        "1 move 130 130\n"
        "3 move 350 250\n"
        "4 move 130 130\n");
    ASSERT_TRUE(scene.pointer.ok());
    scene.button->setNormalColor(0xFFC0C0C0u);
    scene.pointer.frame(1);
    EXPECT_EQ(scene.color(), RED);
    scene.pointer.frame(1);
    EXPECT_EQ(scene.color(), RED) << "the tint stays while the pointer stays";
    EXPECT_TRUE(scene.button->isHovering());
    scene.pointer.frame(1);  // frame 3: on the window, off the button
    EXPECT_EQ(scene.color(), 0xFFC0C0C0u) << "the normal colour comes back at once";
    EXPECT_FALSE(scene.button->isHovering());
    scene.pointer.frame(1);
    EXPECT_EQ(scene.color(), RED);
}

GuiWindow* g_modal = nullptr;
void openModalElsewhere() {
    InteractionalObject::getCursor()->setFocusObject(g_modal);
}

TEST(ButtonTest, TintGoesWhenAModalWindowElsewhereTakesThePointer) {
    // The press opens a modal window away from the button; the pointer stays
    // on the button, which can no longer be hit, and no leave ever comes.
    ButtonScene scene(
        "1 move 130 130\n"
        "2 press left\n");
    ASSERT_TRUE(scene.pointer.ok());
    GuiWindow modal("Modal", "gui_blank.png", hgeVector(500, 400), hgeVector(100, 100), nullptr,
                    false);
    g_modal = &modal;
    scene.button->m_callback = &openModalElsewhere;
    scene.pointer.frame(2);
    ASSERT_EQ(InteractionalObject::getCursor()->getFocusObject(), &modal);
    scene.pointer.frame(1);
    EXPECT_EQ(scene.color(), WHITE);
    EXPECT_FALSE(scene.button->isHovering());
    InteractionalObject::getCursor()->setFocusObject(nullptr);
}

TEST(ButtonTest, SwitchingInteractionDropsTheTint) {
    ButtonScene scene("1 move 130 130\n");
    ASSERT_TRUE(scene.pointer.ok());
    scene.pointer.frame(1);
    ASSERT_EQ(scene.color(), RED);
    scene.button->setActive(false, false);
    EXPECT_EQ(scene.color(), WHITE);
    EXPECT_FALSE(scene.button->isInteractive());
}

TEST(ButtonTest, RecordPlacesTheButtonUnderItsParentWithItsHotspot) {
    guitest::PointerScript pointer("");
    ASSERT_TRUE(pointer.ok());
    GuiWindow window("Window", "gui_blank.png", hgeVector(100, 50), hgeVector(300, 200), nullptr,
                     false);
    TiXmlDocument doc;
    doc.Parse(
        "<button guiId=\"Yes\" name=\"yes_button\">"
        "<size x=\"64\" y=\"32\"/><position x=\"10\" y=\"15\"/><hotspot x=\"3\" y=\"4\"/>"
        "</button>");
    auto* button = new GuiButton(doc.RootElement(), &window);
    window.getController()->addChild(button);
    EXPECT_EQ(button->getName(), "Yes");
    EXPECT_FLOAT_EQ(button->getPosition().x, 110.0f);
    EXPECT_FLOAT_EQ(button->getPosition().y, 65.0f);
    EXPECT_FLOAT_EQ(button->getDepth(), window.getDepth() + 0.001f);
    ASSERT_NE(button->getSprite(), nullptr);
    EXPECT_NE(button->getSprite()->GetTexture(), 0u);
    float hx = 0, hy = 0;
    button->getSprite()->GetHotSpot(&hx, &hy);
    EXPECT_FLOAT_EQ(hx, 3.0f);
    EXPECT_FLOAT_EQ(hy, 4.0f);
    EXPECT_EQ(window.findChild("Yes"), button);

    GuiButton alone("Alone", "gui_yes_button.png", hgeVector(0, 0), hgeVector(64, 32), nullptr);
    EXPECT_FLOAT_EQ(alone.getDepth(), 0.98f);
}

TEST(ButtonTest, BadRecordsGiveABlankButtonAndWarnings) {
    guitest::PointerScript pointer("1 move 20 20\n2 press left\n3 release left\n");
    ASSERT_TRUE(pointer.ok());
    test::LogCapture log;
    TiXmlDocument doc;
    doc.Parse("<button guiId=\"Nameless\"><size x=\"64\" y=\"32\"/></button>");
    GuiButton nameless(doc.RootElement(), nullptr);
    EXPECT_EQ(nameless.getName(), "Nameless");
    ASSERT_NE(nameless.getSprite(), nullptr);
    EXPECT_EQ(nameless.getSprite()->GetTexture(), 0u) << "the blank sprite";
    bool warnedName = false;
    for (const std::string& line : log.lines()) {
        warnedName =
            warnedName || (line.rfind("[WW] ", 0) == 0 && line.find("name") != std::string::npos);
    }
    EXPECT_TRUE(warnedName) << "a missing image name is reported";

    GuiButton none(nullptr, nullptr);
    EXPECT_TRUE(log.has(test::logLine("WW", "GuiButton::GuiButton", "got null element")));
    EXPECT_TRUE(log.has(test::logLine("EE", "GuiButton::create", "got null element")));
    ASSERT_NE(none.getSprite(), nullptr);

    // Both take the pointer without a callback set; the earlier one of equal
    // depth gets the press.
    pointer.frame(2);
    EXPECT_TRUE(nameless.isPressed());
    pointer.frame(1);
    EXPECT_FALSE(nameless.isPressed());
}

TEST(ButtonTest, FadingButtonWaitsItsDelayThenFadesAndEndsHidden) {
    guitest::PointerScript pointer(
        "1 move 130 130\n"
        "2 move 500 500\n"
        "200 move 130 130\n");
    ASSERT_TRUE(pointer.ok());
    GuiButtonFading button("Sell", "gui_yes_button.png", hgeVector(120, 120), hgeVector(64, 32),
                           nullptr);
    button.setFadeDelay(2.0f);
    button.setFadeSpeed(255.0f);
    pointer.frame(1);
    EXPECT_EQ(button.getSprite()->GetColor(), RED);
    pointer.frame(1);  // left at frame 2
    EXPECT_TRUE(button.isWaiting());
    // 2 s at 60 frames a second: fully opaque all that time.
    pointer.frame(119);
    EXPECT_FLOAT_EQ(button.getAlpha(), 255.0f);
    EXPECT_EQ(button.getSprite()->GetColor(), WHITE);
    pointer.frame(31);
    EXPECT_LT(button.getAlpha(), 255.0f);
    EXPECT_GT(button.getAlpha(), 0.0f);
    EXPECT_EQ(button.getSprite()->GetColor() >> 24,
              static_cast<unsigned int>(button.getAlpha() + 0.5f));
    pointer.frame(45);  // frame 197: faded out
    EXPECT_FALSE(button.isVisible());
    EXPECT_FALSE(button.isInteractive());
    pointer.frame(3);  // frame 200: a hidden button is not hit
    EXPECT_FALSE(button.isVisible());

    button.restart();
    EXPECT_TRUE(button.isVisible());
    EXPECT_TRUE(button.isInteractive());
    EXPECT_FLOAT_EQ(button.getAlpha(), 255.0f);
}

TEST(ButtonTest, EnteringAFadingButtonAgainRestoresFullAlphaAtOnce) {
    guitest::PointerScript pointer(
        "1 move 130 130\n"
        "2 move 500 500\n"
        "100 move 130 130\n");
    ASSERT_TRUE(pointer.ok());
    GuiButtonFading button("Rotate", "gui_yes_button.png", hgeVector(120, 120), hgeVector(64, 32),
                           nullptr);
    button.setFadeDelay(1.0f);
    pointer.frame(90);  // fading for about half a second
    ASSERT_LT(button.getAlpha(), 255.0f);
    pointer.frame(10);  // frame 100: back on it
    EXPECT_FLOAT_EQ(button.getAlpha(), 255.0f);
    EXPECT_FALSE(button.isWaiting());
    EXPECT_EQ(button.getSprite()->GetColor(), RED);
}

TEST(ButtonTest, MenubuttonShowsItsGlowInsteadOfTurningRed) {
    guitest::PointerScript pointer(
        "1 move 130 130\n"
        "4 move 500 500\n");
    ASSERT_TRUE(pointer.ok());
    Menubutton button("Start", "gui_menu_start.png", hgeVector(120, 120), hgeVector(64, 32),
                      nullptr);
    button.setGlow("gui_menu_difficulty0_glow.png");
    ASSERT_NE(button.getGlow(), nullptr);
    EXPECT_FALSE(button.getGlow()->isVisible());
    EXPECT_FLOAT_EQ(button.getGlow()->getZ(), 1.6f);
    pointer.frame(3);
    EXPECT_TRUE(button.getGlow()->isVisible());
    EXPECT_EQ(button.getSprite()->GetColor(), WHITE);
    pointer.frame(1);
    EXPECT_FALSE(button.getGlow()->isVisible());
}

}  // namespace
