#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <memory>
#include <string>

#include "InteractionTestSupport.h"
#include "TestSupport.h"
#include "core/Camera.h"
#include "core/Sprite.h"
#include "engine/hgefont.h"
#include "engine/hgesprite.h"
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "resource/Text.h"

namespace {

const char* const FONT = "font_tessaline_19.fnt";

// Widths measured straight from the font, glyph by glyph.
class Ruler {
public:
    Ruler() : m_text(FONT, "") {}
    float width(const std::string& text) const {
        float sum = 0;
        for (char c : text) {
            if (hgeSprite* glyph = m_text.getFont()->GetSprite(c)) {
                sum += glyph->GetWidth();
            }
        }
        return sum;
    }
    float lineHeight() const { return m_text.getFont()->GetHeight(); }
    bool ok() const { return m_text.hasFont(); }

private:
    Text m_text;
};

// The engine and pointer, a window at (100, 50) of 400 x 300 and a ruler.
struct BoxScene {
    BoxScene() : pointer("") {
        window = std::make_unique<GuiWindow>("Window", "gui_blank.png", hgeVector(100, 50),
                                             hgeVector(400, 300), nullptr, false);
        ruler = std::make_unique<Ruler>();
    }

    // A text box record with the given paragraphs, built into the window.
    GuiTextBox* build(const std::string& attributes, const std::string& body) {
        doc = std::make_unique<TiXmlDocument>();
        doc->Parse(("<textBox " + attributes + ">" + body + "</textBox>").c_str());
        return window->getController()->addTextBox(doc->RootElement());
    }

    // The screen position a paragraph's text is drawn at.
    static hgeVector drawnAt(const GuiTextBox::TextRecord& record) {
        return Camera::instance()->worldToScreen(record.drawn->getPosition());
    }

    guitest::PointerScript pointer;
    std::unique_ptr<GuiWindow> window;
    std::unique_ptr<Ruler> ruler;
    std::unique_ptr<TiXmlDocument> doc;
};

std::string withoutBreaks(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
    return text;
}

TEST(TextBoxTest, RecordIsPlacedInItsParentAndParagraphsAre29PixelsApart) {
    BoxScene scene;
    ASSERT_TRUE(scene.pointer.ok());
    ASSERT_TRUE(scene.ruler->ok());
    GuiTextBox* box =
        scene.build("guiId=\"Info\" pos_x=\"20\" pos_y=\"10\" size_x=\"300\" size_y=\"200\"",
                    "<text>Hej</text><text>Hopp</text><text>Tre</text>");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->getName(), "Info");
    EXPECT_FLOAT_EQ(box->getPosition().x, 120.0f);
    EXPECT_FLOAT_EQ(box->getPosition().y, 60.0f);
    EXPECT_FLOAT_EQ(box->getTextWidth(), 300.0f);
    const auto& paragraphs = box->getParagraphs();
    ASSERT_EQ(paragraphs.size(), 3u);
    EXPECT_FLOAT_EQ(paragraphs[0].position.y, 60.0f) << "the first paragraph at the box's top";
    EXPECT_FLOAT_EQ(paragraphs[1].position.y - paragraphs[0].position.y, 29.0f);
    EXPECT_FLOAT_EQ(paragraphs[2].position.y - paragraphs[1].position.y, 29.0f);
    for (const auto& paragraph : paragraphs) {
        EXPECT_FLOAT_EQ(paragraph.position.x, 120.0f);
        ASSERT_NE(paragraph.drawn, nullptr);
        EXPECT_TRUE(paragraph.drawn->hasFont());
        const hgeVector at = BoxScene::drawnAt(paragraph);
        EXPECT_FLOAT_EQ(at.x, paragraph.position.x);
        EXPECT_FLOAT_EQ(at.y, paragraph.position.y);
        EXPECT_FLOAT_EQ(paragraph.drawn->getZ(), scene.window->getDepth() + 0.01f);
    }
    // Only text: the pointer passes through to the window.
    EXPECT_FALSE(box->isInteractive());
}

TEST(TextBoxTest, ZeroSizeTakesTheParentsSize) {
    BoxScene scene;
    ASSERT_TRUE(scene.pointer.ok());
    GuiTextBox* box = scene.build("guiId=\"All\" pos_x=\"0\" pos_y=\"0\" size_x=\"0\" size_y=\"0\"",
                                  "<text>Hej</text>");
    EXPECT_FLOAT_EQ(box->getTextWidth(), 400.0f);
    EXPECT_FLOAT_EQ(box->getTextHeight(), 300.0f);
}

TEST(TextBoxTest, WrapsAfterTheLastSpaceAndNeverSplitsAWord) {
    BoxScene scene;
    ASSERT_TRUE(scene.pointer.ok());
    GuiTextBox box("Box", hgeVector(10, 10), hgeVector(100, 100), nullptr);
    const Ruler& ruler = *scene.ruler;

    // Narrower than the box: untouched.
    std::string shortText = "Hej du";
    ASSERT_LT(ruler.width(shortText), 110.0f);
    box.wrapText(shortText);
    EXPECT_EQ(shortText, "Hej du");

    // Two words: the second passes the width plus the tolerance of 10.
    std::string first = "Kronor";
    std::string second = "sparkonto";
    while (ruler.width(first + " ") > 110.0f) {
        first.pop_back();
    }
    while (ruler.width(first + " " + second) <= 110.0f) {
        second += "x";
    }
    std::string two = first + " " + second;
    box.wrapText(two);
    EXPECT_EQ(two, first + " \n" + second);

    // One word wider than the box stays whole, and so do the words around it.
    const std::string longWord = "Arbetslöshetsförsäkringsavgiften";
    ASSERT_GT(ruler.width(longWord), 110.0f);
    std::string withLong = "En " + longWord + " kostar";
    box.wrapText(withLong);
    EXPECT_EQ(withoutBreaks(withLong), "En " + longWord + " kostar");
    EXPECT_NE(withLong.find(longWord), std::string::npos);
    // No line but the long word's is wider than the box plus the tolerance.
    std::string::size_type start = 0;
    while (start <= withLong.size()) {
        const std::string::size_type end = std::min(withLong.find('\n', start), withLong.size());
        const std::string line = withLong.substr(start, end - start);
        if (line.find(longWord) == std::string::npos) {
            EXPECT_LE(ruler.width(line), 110.0f) << line;
        }
        start = end + 1;
    }
}

TEST(TextBoxTest, WrappedParagraphPushesTheNextOneBelowAllItsLines) {
    BoxScene scene;
    ASSERT_TRUE(scene.pointer.ok());
    GuiTextBox* box =
        scene.build("guiId=\"Long\" pos_x=\"0\" pos_y=\"0\" size_x=\"120\" size_y=\"200\"",
                    "<text>Hyran betalas den sista dagen varje månad till hyresvärden</text>"
                    "<text>Nästa</text>");
    const auto& paragraphs = box->getParagraphs();
    ASSERT_EQ(paragraphs.size(), 2u);
    const int breaks =
        static_cast<int>(std::count(paragraphs[0].text.begin(), paragraphs[0].text.end(), '\n'));
    ASSERT_GE(breaks, 2) << paragraphs[0].text;
    const float lineHeight = scene.ruler->lineHeight();
    const float gap = paragraphs[1].position.y - paragraphs[0].position.y;
    // The next paragraph starts below the last wrapped line.
    EXPECT_GE(gap, breaks * lineHeight + 19.0f);
    EXPECT_FLOAT_EQ(gap, 19.0f + breaks * lineHeight + 10.0f);
}

TEST(TextBoxTest, AlignmentOfParagraphsAndPictures) {
    BoxScene scene;
    ASSERT_TRUE(scene.pointer.ok());
    test::LogCapture log;
    GuiTextBox* box =
        scene.build("guiId=\"Aligned\" pos_x=\"20\" pos_y=\"0\" size_x=\"300\" size_y=\"280\"",
                    "<text align=\"center\">Mitt</text>"
                    "<text align=\"20\">Indrag</text>"
                    "<text align=\"middle\">Okänd</text>"
                    "<image align=\"center\">sprite_dot.png</image>"
                    "<image align=\"right\">gui_yes_button.png</image>"
                    "<image align=\"middle\">gui_no_button.png</image>"
                    "<line>sprite_line.png</line>"
                    "<text>Efter</text>");
    const auto& p = box->getParagraphs();
    ASSERT_EQ(p.size(), 8u);
    const float x = 120.0f;
    EXPECT_FLOAT_EQ(p[0].position.x, x + 150 - scene.ruler->width("Mitt") / 2)
        << "centred in the box";
    EXPECT_FLOAT_EQ(p[1].position.x, x + 20);
    EXPECT_FLOAT_EQ(p[2].position.x, x) << "a word that is no number is no offset";

    Sprite* dot = box->getPicture("sprite_dot.png");
    Sprite* yes = box->getPicture("gui_yes_button.png");
    Sprite* no = box->getPicture("gui_no_button.png");
    Sprite* line = box->getPicture("Line0");
    ASSERT_TRUE(dot && yes && no && line);
    EXPECT_FLOAT_EQ(dot->getPosition().x, x + 150 - dot->getSprite()->GetWidth() / 2);
    EXPECT_FLOAT_EQ(yes->getPosition().x, x + 300 - yes->getSprite()->GetWidth());
    EXPECT_FLOAT_EQ(no->getPosition().x, x);
    EXPECT_TRUE(log.has(test::logLine("WW", "GuiTextBox::getAlignPos",
                                      "unhandled align: middle, switching to align left")));
    EXPECT_EQ(log.count(test::logLine("WW", "GuiTextBox::getAlignPos",
                                      "unhandled align: middle, switching to align left")),
              1);

    // Pictures follow the item above by its height plus 10.
    EXPECT_FLOAT_EQ(dot->getPosition().y, p[2].position.y + 19 + 10);
    EXPECT_FLOAT_EQ(yes->getPosition().y,
                    dot->getPosition().y + dot->getSprite()->GetHeight() + 10);
    EXPECT_FLOAT_EQ(line->getSprite()->GetWidth(), 338.0f) << "a 340 x 5 separator, cut";
    EXPECT_FLOAT_EQ(line->getPosition().y, no->getPosition().y + no->getSprite()->GetHeight() + 10);
    EXPECT_FLOAT_EQ(p[7].position.y, line->getPosition().y + line->getSprite()->GetHeight() + 10);
    EXPECT_TRUE(dot->movesWithCam());
    EXPECT_GE(dot->getZ(), 0.91f);
}

TEST(TextBoxTest, BoxWithoutParagraphsIsEmptyAndHarmless) {
    BoxScene scene;
    ASSERT_TRUE(scene.pointer.ok());
    test::LogCapture log;
    GuiTextBox* box =
        scene.build("guiId=\"Empty\" pos_x=\"0\" pos_y=\"0\" size_x=\"100\" size_y=\"50\"", "");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->getParagraphs().empty());
    EXPECT_EQ(box->getPictureCount(), 0u);
    EXPECT_TRUE(
        log.has(test::logLine("DD", "GuiTextBox::loadFromXML", "Loading text from xml in Empty")));
    EXPECT_EQ(log.countPrefix("[DD] [GuiTextBox::createTextFromTextList]"), 0);
    box->setVisible(false);
    box->setVisible(true);
    scene.pointer.frame(1);

    GuiTextBox orphan(nullptr, nullptr);
    EXPECT_TRUE(orphan.getParagraphs().empty());
}

TEST(TextBoxTest, AddedTextsTakeTheRecordColoursAndFollowTheBox) {
    BoxScene scene;
    ASSERT_TRUE(scene.pointer.ok());
    TiXmlDocument doc;
    doc.Parse(
        "<gui guiId=\"Colours\">"
        "<textBox guiId=\"Box\" pos_x=\"10\" pos_y=\"10\" size_x=\"200\" size_y=\"100\">"
        "<addText text=\"Röd\"><color r=\"255\" g=\"0\" b=\"0\" a=\"255\"/>"
        "<position x=\"5\" y=\"6\"/></addText>"
        "<addText text=\"Blek\" font=\"\"><position x=\"5\" y=\"30\"/></addText>"
        "<addText text=\"Grön\" font=\"font.fnt\"><color r=\"0\" g=\"200\" b=\"0\" "
        "a=\"128\"/></addText>"
        "</textBox></gui>");
    scene.window->createChildren(doc.RootElement());
    auto* box = dynamic_cast<GuiTextBox*>(scene.window->findChild("Box"));
    ASSERT_NE(box, nullptr);
    const auto& added = box->getAddedTexts();
    ASSERT_EQ(added.size(), 3u);
    ASSERT_TRUE(added[0].drawn && added[1].drawn && added[2].drawn);
    EXPECT_EQ(added[0].drawn->getFont()->GetColor(), 0xFFFF0000u) << "red";
    EXPECT_EQ(added[1].drawn->getFont()->GetColor(), 0x01010101u) << "no colour: all 1";
    EXPECT_EQ(added[2].drawn->getFont()->GetColor(), 0x8000C800u);
    EXPECT_EQ(added[1].font, FONT) << "an empty font is the default";
    EXPECT_EQ(added[2].font, "font.fnt");
    // At the box's position plus its own, above the window.
    const hgeVector at = BoxScene::drawnAt(added[0]);
    EXPECT_FLOAT_EQ(at.x, 100 + 10 + 5);
    EXPECT_FLOAT_EQ(at.y, 50 + 10 + 6);
    EXPECT_FLOAT_EQ(added[0].drawn->getZ(), scene.window->getDepth() + 0.1f);

    // The box keeps them on itself when it moves, and hides them with itself.
    box->setPosition(200, 200);
    box->render();
    const hgeVector moved = BoxScene::drawnAt(added[0]);
    EXPECT_FLOAT_EQ(moved.x, 205.0f);
    EXPECT_FLOAT_EQ(moved.y, 206.0f);
    scene.window->setVisible(false);
    EXPECT_FALSE(added[0].drawn->isVisible());
    scene.window->setVisible(true);
    EXPECT_TRUE(added[0].drawn->isVisible());

    box->removeText("Blek");
    ASSERT_EQ(box->getAddedTexts().size(), 2u);
    EXPECT_EQ(box->getAddedTexts()[1].text, "Grön");
}

TEST(TextBoxTest, TextsStayAboveTheirWindowWhenItIsRaised) {
    BoxScene scene;
    ASSERT_TRUE(scene.pointer.ok());
    GuiTextBox* box =
        scene.build("guiId=\"Raised\" pos_x=\"0\" pos_y=\"0\" size_x=\"100\" size_y=\"50\"",
                    "<text>Hej</text><image>sprite_dot.png</image>");
    box->addText("Extra", FONT, 0xFFFFFFFFu, hgeVector(0, 0));
    scene.window->setDepth(0.98f);
    EXPECT_GT(box->getParagraphs()[0].drawn->getZ(), 0.98f);
    EXPECT_GT(box->getAddedTexts()[0].drawn->getZ(), 0.98f);
    EXPECT_GT(box->getPicture("sprite_dot.png")->getZ(), 0.98f);
    scene.window->setDepth(0.5f);
    EXPECT_FLOAT_EQ(box->getParagraphs()[0].drawn->getZ(), 0.51f);
}

}  // namespace
