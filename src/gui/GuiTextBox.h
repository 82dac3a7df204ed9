#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/hgevector.h"
#include "gui/GuiBase.h"

class Sprite;
class Text;
class TiXmlElement;

// Formatted text inside a rectangle: paragraphs that wrap at the box width,
// aligned left, centred or right, with pictures and separator lines between
// them (from a "textBox" record), plus free texts placed by code.
class GuiTextBox : public GuiBase {
public:
    // One paragraph, picture or separator of the record, or one added text.
    struct TextRecord {
        std::string text;
        std::string image;
        std::string font;
        std::string align;
        std::string line;
        int xOffset = 0;
        hgeVector position{0, 0};
        std::unique_ptr<Text> drawn;
    };

    // From a "textBox" record: "pos_x"/"pos_y" relative to the parent,
    // "size_x"/"size_y" (both 0: the parent's size) and the paragraphs.
    GuiTextBox(TiXmlElement* element, GuiBase* parent);
    // From values; with `xmlFile` the "textBox" record of that file whose
    // "guiId" is `name` supplies the paragraphs.
    GuiTextBox(const std::string& name, const hgeVector& position, const hgeVector& size,
               GuiBase* parent, const std::string& xmlFile = "");
    ~GuiTextBox() override;

    // A free text at `position` inside the box, in `font` and ARGB `color`.
    void addText(const std::string& text, const std::string& font, unsigned int color,
                 const hgeVector& position);
    // Removes the first added text showing exactly `text`.
    void removeText(const std::string& text);

    // Breaks `text` after spaces so that no line runs past the text width
    // plus the tolerance; a word longer than a line stays whole.
    void wrapText(std::string& text, const std::string& font = "");
    void loadFromXML(TiXmlElement* element);
    void createTextFromTextList(std::vector<TextRecord>& records);
    void createImageFromTextList();
    void calculatePositionFromTextObject();
    void calculateImagePositions(TextRecord& record, Sprite* picture, hgeVector& previousPosition,
                                 float& previousHeight);
    float getAlignPos(const std::string& align, float width);

    // Pictures, paragraphs and added texts follow; child widgets and the
    // interaction state do not.
    void setVisible(bool visible) override;
    // Its texts and pictures keep above the (new) depth of the parent.
    void setDepth(float depth) override;
    using GuiBase::setDepth;
    // Draws nothing itself; keeps the added texts on the box.
    void render() override;

    const std::vector<TextRecord>& getParagraphs() const { return m_paragraphs; }
    const std::vector<TextRecord>& getAddedTexts() const { return m_addedTexts; }
    Sprite* getPicture(const std::string& name) const;
    std::size_t getPictureCount() const { return m_pictures.size(); }
    float getTextWidth() const { return m_textWidth; }
    float getTextHeight() const { return m_textHeight; }
    const std::string& getFont() const { return m_font; }
    int getWrapTolerance() const { return m_wrapTolerance; }
    int getMargin() const { return m_margin; }
    void setMargin(int margin) { m_margin = margin; }

    // The advance of a one-line paragraph, and the separator's size.
    static const int LINE_HEIGHT = 19;
    static const int LINE_WIDTH = 340;
    static const int LINE_THICKNESS = 5;

private:
    void createParagraphTexts();
    float paragraphDepth() const;
    float addedTextDepth() const;
    Text* measurer(const std::string& font);

    int m_wrapTolerance = 10;
    float m_textWidth = 0.0f;
    float m_textHeight = 0.0f;
    std::string m_font = "font_tessaline_19.fnt";
    std::vector<TextRecord> m_paragraphs;
    std::vector<TextRecord> m_addedTexts;
    std::map<std::string, std::unique_ptr<Sprite>> m_pictures;
    int m_margin = 0;
    std::unique_ptr<Text> m_measure;
    // Measuring texts of paragraph fonts other than the box's own.
    std::map<std::string, std::unique_ptr<Text>> m_otherMeasures;
};
