// The widget toolkit's demo screen, run as the game runs: the headless
// engine's own frame loop, scripted input and screenshots.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "TestSupport.h"
#include "core/Engine.h"
#include "core/ZDepth.h"
#include "engine/hge.h"
#include "engine/hgesprite.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiButton.h"
#include "gui/GuiController.h"
#include "gui/GuiSlider.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "gui/Slider.h"
#include "resource/XmlReader.h"

namespace fs = std::filesystem;

namespace {

const unsigned int WHITE = 0xFFFFFFFFu;
const unsigned int RED = 0xFFFF0000u;

// What the frame callback and the buttons' callbacks see.
struct Demo {
    GuiWindow* modal = nullptr;
    GuiButton* yes = nullptr;
    std::map<std::string, int> presses;
    // The Yes Button's colour at the end of each frame's logic, from frame 1.
    std::vector<unsigned int> yesColours;
};
Demo g_demo;

void pressYes() {
    ++g_demo.presses["yes"];
}
void pressNo() {
    ++g_demo.presses["no"];
}
void openModal() {
    ++g_demo.presses["open"];
    g_demo.modal->setVisible(true);
    InteractionalObject::getCursor()->setFocusObject(g_demo.modal);
}
void closeModal() {
    ++g_demo.presses["close"];
    g_demo.modal->setVisible(false);
    InteractionalObject::getCursor()->setFocusObject(nullptr);
}

bool demoFrame() {
    const bool done = Engine::frame();
    g_demo.yesColours.push_back(g_demo.yes->getSprite()->GetColor());
    return done;
}

// A screenshot as 32-bit pixels.
class Shot {
public:
    explicit Shot(const std::string& path) {
        if (SDL_Surface* loaded = IMG_Load(path.c_str())) {
            m_surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
            SDL_FreeSurface(loaded);
        }
    }
    ~Shot() {
        if (m_surface) {
            SDL_FreeSurface(m_surface);
        }
    }
    Shot(const Shot&) = delete;
    Shot& operator=(const Shot&) = delete;

    bool ok() const { return m_surface && m_surface->w == 800 && m_surface->h == 600; }
    uint32_t at(int x, int y) const {
        const auto* row = static_cast<const uint8_t*>(m_surface->pixels) + y * m_surface->pitch;
        return reinterpret_cast<const uint32_t*>(row)[x] | 0xFF000000u;
    }
    // The number of distinct colours in the rectangle, counted up to `enough`.
    std::size_t colours(int x1, int y1, int x2, int y2, std::size_t enough = 1000) const {
        std::unordered_set<uint32_t> seen;
        for (int y = y1; y < y2 && seen.size() < enough; ++y) {
            for (int x = x1; x < x2; ++x) {
                seen.insert(at(x, y));
            }
        }
        return seen.size();
    }
    // Pixels of the rectangle that differ from the same pixels of `other`.
    int differences(const Shot& other, int x1, int y1, int x2, int y2) const {
        int count = 0;
        for (int y = y1; y < y2; ++y) {
            for (int x = x1; x < x2; ++x) {
                count += at(x, y) != other.at(x, y);
            }
        }
        return count;
    }

private:
    SDL_Surface* m_surface = nullptr;
};

uint8_t green(uint32_t pixel) {
    return static_cast<uint8_t>(pixel >> 8);
}
uint8_t blue(uint32_t pixel) {
    return static_cast<uint8_t>(pixel);
}

// The shipped content, with the demo's gui.xml in place of the game's.
void installContent(test::Installation& install) {
    const fs::path data = fs::path(FISCORA_SOURCE_DIR) / "data";
    for (const char* folder : {"fnt", "gfx", "xml"}) {
        for (const auto& entry : fs::directory_iterator(data / folder)) {
            if (entry.is_regular_file()) {
                install.addFile(folder, entry.path().filename().string(),
                                test::readFile(entry.path().string()));
            }
        }
    }
    install.addFixture("xml", "gui.xml", "gui/demo/gui.xml");
}

TEST(DemoScreenTest, ScriptedRunShowsTintsSliderModalWindowAndText) {
    test::Installation install;
    installContent(install);
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
    HGE* hge = Engine::instance()->getHge();

    // The screen, as a state would build it.
    XmlReader reader("gui.xml");
    TiXmlElement* mainRecord = reader.getRootChildElement("demo", "guiId", "Demo Window");
    TiXmlElement* modalRecord = reader.getRootChildElement("demo", "guiId", "Modal Window");
    ASSERT_TRUE(mainRecord && modalRecord);
    auto main = std::make_unique<GuiWindow>(mainRecord, true, nullptr);
    GuiSlider* slider = main->getController()->addSlider(hgeVector(40, 300), hgeVector(200, 5), 10);
    ASSERT_NE(slider, nullptr);
    auto modal = std::make_unique<GuiWindow>(modalRecord, true, nullptr);
    modal->setVisible(false);
    g_demo.modal = modal.get();

    auto button = [&](GuiBase* root, const std::string& name) {
        auto* found = dynamic_cast<GuiButton*>(root->findChild(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    };
    g_demo.yes = button(main.get(), "Yes Button");
    ASSERT_NE(g_demo.yes, nullptr);
    g_demo.yes->m_callback = &pressYes;
    button(main.get(), "No Button")->m_callback = &pressNo;
    button(main.get(), "Open Button")->m_callback = &openModal;
    button(modal.get(), "Close Button")->m_callback = &closeModal;
    auto* text = dynamic_cast<GuiTextBox*>(main->findChild("Demo Text"));
    ASSERT_NE(text, nullptr);

    hge->System_SetState(HGE_FRAMEFUNC, &demoFrame);
    ASSERT_TRUE(hge->System_Start());

    // Events: the modal window kept the click outside it from the Open
    // Button; the Close Button inside it answered.
    EXPECT_EQ(g_demo.presses["open"], 1);
    EXPECT_EQ(g_demo.presses["close"], 1);
    EXPECT_EQ(g_demo.presses["yes"], 0) << "hovering is no press";
    EXPECT_EQ(g_demo.presses["no"], 0);
    EXPECT_FALSE(modal->isVisible());
    EXPECT_EQ(InteractionalObject::getCursor()->getFocusObject(), nullptr);

    // The tint, frame by frame: red on the frame the pointer arrives (4),
    // white again on the frame it is elsewhere (5).
    ASSERT_GE(g_demo.yesColours.size(), 24u);
    EXPECT_EQ(g_demo.yesColours[2], WHITE);
    EXPECT_EQ(g_demo.yesColours[3], RED);
    EXPECT_EQ(g_demo.yesColours[4], WHITE);

    // Dragged to x 200 on a track from x 100: 100 pixels of a 184-pixel run
    // of 10 steps.
    EXPECT_EQ(slider->getValue(), 100 * 10 / 184);
    EXPECT_FLOAT_EQ(slider->getHandle()->getPosition().x, 200.0f);

    // Wrapping: the long paragraph broke into lines, its words whole.
    const auto& paragraphs = text->getParagraphs();
    ASSERT_EQ(paragraphs.size(), 5u);
    EXPECT_NE(paragraphs[1].text.find('\n'), std::string::npos);
    EXPECT_NE(paragraphs[1].text.find("n\xe5gonsin."), std::string::npos);

    // Nothing was missing: no image, no glyph.
    for (const std::string& line : log.lines()) {
        EXPECT_EQ(line.find("unable to load texture"), std::string::npos) << line;
        EXPECT_EQ(line.find("couldnt find sprie"), std::string::npos) << line;
        EXPECT_EQ(line.find("Cant get font sprite"), std::string::npos) << line;
    }

    // The screenshots.
    const std::string dir = shots.path() + "/";
    Shot start(dir + "start.png"), hover(dir + "hover.png"), leave(dir + "leave.png");
    Shot dragged(dir + "slider.png"), modalShot(dir + "modal.png");
    Shot outside(dir + "modal_outside.png"), closed(dir + "closed.png");
    for (const Shot* shot : {&start, &hover, &leave, &dragged, &modalShot, &outside, &closed}) {
        ASSERT_TRUE(shot->ok());
        EXPECT_GT(shot->colours(0, 0, 800, 600), 50u) << "not blank";
    }
    // The Yes Button covers (100..150, 210..257); the pointer's tip is at
    // (125, 233), so its upper left quarter shows the button alone.
    const int bx1 = 102, by1 = 212, bx2 = 124, by2 = 232;
    const int changed = hover.differences(start, bx1, by1, bx2, by2);
    EXPECT_GT(changed, 100) << "the hovered button looks different";
    for (int y = by1; y < by2; ++y) {
        for (int x = bx1; x < bx2; ++x) {
            if (hover.at(x, y) != start.at(x, y)) {
                // Red modulation keeps only the red channel.
                EXPECT_LE(green(hover.at(x, y)), green(start.at(x, y)));
                EXPECT_LE(blue(hover.at(x, y)), blue(start.at(x, y)));
            }
        }
    }
    EXPECT_EQ(leave.differences(start, 95, 205, 155, 262), 0) << "back to normal";

    // The handle moved from x 100 to x 200.
    EXPECT_GT(dragged.differences(leave, 100, 353, 114, 371), 20);
    EXPECT_GT(dragged.differences(leave, 200, 353, 214, 371), 20);

    // The modal window covers its area while open and is gone when closed;
    // the click outside changed nothing.
    EXPECT_GT(modalShot.differences(dragged, 168, 118, 632, 432), 5000);
    EXPECT_EQ(outside.differences(modalShot, 0, 0, 800, 420), 0);
    EXPECT_EQ(closed.differences(dragged, 0, 0, 800, 600), 0);

    // The paragraphs are drawn: the text box's area holds light glyph pixels
    // over the dark panel, the red free text its red ones.
    EXPECT_GT(start.colours(380, 80, 720, 200), 20u);
    int redPixels = 0;
    for (int y = 460; y < 485; ++y) {
        for (int x = 380; x < 560; ++x) {
            const uint32_t p = start.at(x, y);
            redPixels += ((p >> 16) & 0xFF) > 200 && green(p) < 60 && blue(p) < 60;
        }
    }
    EXPECT_GT(redPixels, 30);

    if (const char* keep = std::getenv("FISCORA_KEEP_SHOTS")) {
        fs::create_directories(keep);
        for (const auto& entry : fs::directory_iterator(shots.path())) {
            fs::copy_file(entry.path(), fs::path(keep) / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
        }
    }

    modal.reset();
    main.reset();
    delete Engine::instance()->getCursor();
    Engine::destroy();
}

}  // namespace
