// The widget toolkit's demo screen, run as the game runs: the headless
// engine's own frame loop, scripted input and screenshots.
#include <filesystem>
#include <unordered_set>

#include "InteractionTestSupport.h"
#include "gui/GuiButton.h"
#include "gui/GuiSlider.h"
#include "gui/GuiTextBox.h"
#include "resource/XmlReader.h"

namespace fs = std::filesystem;
using guitest::Picture;

static GuiWindow* g_modal = nullptr;
static std::map<std::string, int> g_presses;

static void showModal(bool open) {
    ++g_presses[open ? "open" : "close"];
    g_modal->setVisible(open);
    InteractionalObject::getCursor()->setFocusObject(open ? g_modal : nullptr);
}

// The colour of a pixel; screenshots carry no meaningful alpha.
static uint32_t rgb(const Picture& shot, int x, int y) {
    return shot.at(x, y) & 0xFFFFFFu;
}

// Pixels of the rectangle that differ between the two screenshots.
static int differences(const Picture& a, const Picture& b, int x1, int y1, int x2, int y2) {
    return a.count(x1, y1, x2, y2, [&](int x, int y) { return rgb(a, x, y) != rgb(b, x, y); });
}

TEST(DemoScreenTest, ScriptedRunShowsTintsSliderModalWindowAndText) {
    // The shipped content, with the demo's gui.xml in place of the game's.
    test::Installation install;
    for (const char* folder : {"fnt", "gfx", "xml"}) {
        for (const auto& entry :
             fs::directory_iterator(fs::path(FISCORA_SOURCE_DIR) / "data" / folder)) {
            install.addFile(folder, entry.path().filename().string(),
                            test::readFile(entry.path().string()));
        }
    }
    install.addFixture("xml", "gui.xml", "gui/demo/gui.xml");
    install.mount();
    test::TempDir shots;
    setenv("FISCORA_HEADLESS", "1", 1);
    setenv("FISCORA_FIXED_DT", "0.02", 1);
    setenv("FISCORA_AUTOPILOT", test::fixturePath("gui/demo/script.txt").c_str(), 1);
    setenv("FISCORA_SHOTS", shots.path().c_str(), 1);
    test::LogCapture log;
    ZDepth::readFile();
    ASSERT_TRUE(Engine::instance()->init(true));
    unsetenv("FISCORA_AUTOPILOT");
    unsetenv("FISCORA_SHOTS");

    // The screen, as a state would build it.
    XmlReader reader("gui.xml");
    auto main = std::make_unique<GuiWindow>(
        reader.getRootChildElement("demo", "guiId", "Demo Window"), true, nullptr);
    auto modal = std::make_unique<GuiWindow>(
        reader.getRootChildElement("demo", "guiId", "Modal Window"), true, nullptr);
    main->getController()->addSlider(hgeVector(40, 300), hgeVector(200, 5), 10);
    modal->setVisible(false);
    g_modal = modal.get();
    const std::map<std::string, std::pair<GuiBase*, GuiButton::Callback>> callbacks = {
        {"Yes Button", {main.get(), [] { ++g_presses["yes"]; }}},
        {"No Button", {main.get(), [] { ++g_presses["no"]; }}},
        {"Open Button", {main.get(), [] { showModal(true); }}},
        {"Close Button", {modal.get(), [] { showModal(false); }}}};
    for (const auto& [name, root] : callbacks) {
        auto* button = dynamic_cast<GuiButton*>(root.first->findChild(name));
        ASSERT_NE(button, nullptr) << name;
        button->m_callback = root.second;
    }
    auto* text = dynamic_cast<GuiTextBox*>(main->findChild("Demo Text"));
    ASSERT_NE(text, nullptr);

    ASSERT_TRUE(Engine::instance()->getHge()->System_Start());

    // Events: the modal window kept the click outside it from the Open
    // Button; the Close Button inside it answered; hovering is no press.
    EXPECT_EQ(g_presses, (std::map<std::string, int>{{"close", 1}, {"open", 1}}));
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), nullptr);
    // Wrapping: the long paragraph broke into lines, its words whole.
    ASSERT_EQ(text->getParagraphs().size(), 5u);
    EXPECT_NE(text->getParagraphs()[1].text.find('\n'), std::string::npos);
    EXPECT_NE(text->getParagraphs()[1].text.find("n\xe5gonsin."), std::string::npos);
    // Nothing was missing: no image, no glyph.
    for (const std::string& line : log.lines()) {
        for (const char* missing :
             {"unable to load texture", "couldnt find sprie", "Cant get font sprite"}) {
            EXPECT_EQ(line.find(missing), std::string::npos) << line;
        }
    }

    // The screenshots.
    std::map<std::string, std::unique_ptr<Picture>> shot;
    for (const char* name :
         {"start", "hover", "leave", "slider", "modal", "modal_outside", "closed"}) {
        shot[name] = std::make_unique<Picture>(shots.path() + "/" + name + ".png");
        ASSERT_TRUE(shot[name]->ok() && shot[name]->width() == 800 && shot[name]->height() == 600)
            << name;
    }
    const Picture &start = *shot["start"], &hover = *shot["hover"], &dragged = *shot["slider"];
    // The Yes Button covers (100..150, 210..257); the pointer's tip is at
    // (125, 233), so its upper left quarter shows the button alone, tinted:
    // red modulation keeps only the red channel.
    EXPECT_GT(differences(hover, start, 102, 212, 124, 232), 100) << "the hovered button changed";
    EXPECT_EQ(hover.count(102, 212, 124, 232,
                          [&](int x, int y) {
                              return ((rgb(hover, x, y) >> 8) & 0xFF) >
                                         ((rgb(start, x, y) >> 8) & 0xFF) ||
                                     (rgb(hover, x, y) & 0xFF) > (rgb(start, x, y) & 0xFF);
                          }),
              0);
    EXPECT_EQ(differences(*shot["leave"], start, 95, 205, 155, 262), 0) << "back to normal";
    // The handle moved from x 100 to x 200.
    EXPECT_TRUE(differences(dragged, *shot["leave"], 100, 353, 114, 371) > 20 &&
                differences(dragged, *shot["leave"], 200, 353, 214, 371) > 20);
    // The modal window covers its area while open and is gone when closed;
    // the click outside changed nothing.
    EXPECT_GT(differences(*shot["modal"], dragged, 168, 118, 632, 432), 5000);
    EXPECT_EQ(differences(*shot["modal_outside"], *shot["modal"], 0, 0, 800, 420), 0);
    EXPECT_EQ(differences(*shot["closed"], dragged, 0, 0, 800, 600), 0);
    // The paragraphs are drawn: the text box's area holds light glyph pixels
    // over the dark panel, the red free text its red ones.
    std::unordered_set<uint32_t> colours;
    start.count(380, 80, 720, 200,
                [&](int x, int y) { return colours.insert(rgb(start, x, y)).second; });
    EXPECT_GT(colours.size(), 20u);
    EXPECT_GT(start.count(380, 460, 560, 485,
                          [&](int x, int y) {
                              const uint32_t p = rgb(start, x, y);
                              return (p >> 16) > 200 && ((p >> 8) & 0xFF) < 60 && (p & 0xFF) < 60;
                          }),
              30);

    modal.reset();
    main.reset();
    delete Engine::instance()->getCursor();
    Engine::destroy();
}
