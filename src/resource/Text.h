#pragma once

#include <memory>
#include <string>

#include "core/Renderable.h"

class hgeFont;

// A line or block of text in one of the game's fonts (Windows-1252 bytes;
// "\n" starts a new line). A text with a character its font lacks is never
// drawn: each missing character is logged once per occurrence instead.
class Text : public Renderable {
public:
    Text(const std::string& fontFile, const std::string& text, bool fontFlag = false);
    ~Text() override;

    void render() override;
    void getScreenBoundingBox(hgeRect& rect) override;

    void create(const std::string& fontFile, bool fontFlag);
    bool validate();
    float char_width(char character);

    // Draws at a screen position regardless of the scene pass.
    void drawAt(const hgeVector& screenPosition);

    // Replaces the text; a text the font cannot show loses its font.
    void setText(const std::string& text);
    const std::string& getText() const { return m_text; }
    void setAlign(int align) { m_align = align; }
    int getAlign() const { return m_align; }
    void setColor(unsigned int color);
    bool hasFont() const { return m_font != nullptr; }
    hgeFont* getFont() const { return m_font.get(); }
    float getWidth() const;   // the widest line, pixels
    float getHeight() const;  // the font's line height, pixels

private:
    int m_align = 0;
    std::string m_text;
    std::unique_ptr<hgeFont> m_font;
};
