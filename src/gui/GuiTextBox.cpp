#include "gui/GuiTextBox.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>

#include "core/Camera.h"
#include "core/Log.h"
#include "core/Sprite.h"
#include "engine/hgefont.h"
#include "engine/hgesprite.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"

namespace {

const float MEASURE_DEPTH = 0.99f;
const float PICTURE_DEPTH = 0.91f;
const float TEXT_DEPTH_CAP = 0.99f;
const float PARAGRAPH_ABOVE_PARENT = 0.01f;
const float ADDED_TEXT_ABOVE_PARENT = 0.1f;

// Texts stay at or below the cap, except over a parent that is itself above
// it: there a capped text would vanish behind its own window.
float cappedDepth(float parentDepth, float above) {
    const float depth = parentDepth + above;
    if (depth <= TEXT_DEPTH_CAP || parentDepth >= TEXT_DEPTH_CAP) {
        return depth;
    }
    return TEXT_DEPTH_CAP;
}

std::string lineName(int number) {
    return "Line" + std::to_string(number);
}

}  // namespace

GuiTextBox::GuiTextBox(TiXmlElement* element, GuiBase* parent) : GuiBase("", parent) {
    const char* context = "GuiTextBox::GuiTextBox";
    m_absolutePosition = true;
    m_measure = std::make_unique<Text>(m_font, "");
    m_measure->setVisible(false);
    m_measure->setZ(MEASURE_DEPTH);
    if (!element) {
        Log::error(context) << "got null element";
        createGui();
        InteractionalObject::setActive(false, false);
        return;
    }
    m_name = xml::getAttributeString(element, "guiId", true);
    hgeVector position(xml::getAttributeFloat(element, "pos_x", true),
                       xml::getAttributeFloat(element, "pos_y", true));
    if (parent) {
        position = position + parent->getPosition();
    }
    m_textWidth = xml::getAttributeFloat(element, "size_x", true);
    m_textHeight = xml::getAttributeFloat(element, "size_y", true);
    if (m_textWidth == 0.0f && m_textHeight == 0.0f && parent) {
        m_textWidth = parent->getSize().x;
        m_textHeight = parent->getSize().y;
    }
    m_size = hgeVector(m_textWidth, m_textHeight);
    m_position = position;
    Log::debug(context) << "Createing guiTextbox " << m_name;
    loadFromXML(element);
    createGui();
    // Text never reacts to the pointer; the widget below it should get it.
    InteractionalObject::setActive(false, false);
}

GuiTextBox::GuiTextBox(const std::string& name, const hgeVector& position, const hgeVector& size,
                       GuiBase* parent, const std::string& xmlFile)
    : GuiBase(name, parent) {
    m_absolutePosition = true;
    m_measure = std::make_unique<Text>(m_font, "");
    m_measure->setVisible(false);
    m_measure->setZ(MEASURE_DEPTH);
    m_position = parent ? parent->getPosition() + position : position;
    hgeVector area = size;
    if (area.x == 0.0f && area.y == 0.0f && parent) {
        area = parent->getSize();
    }
    m_textWidth = area.x;
    m_textHeight = area.y;
    m_size = area;
    if (!xmlFile.empty()) {
        XmlReader reader(xmlFile);
        TiXmlElement* record = reader.getRootChildElement("textBox", "guiId", name);
        if (record) {
            loadFromXML(record);
        } else {
            Log::warning("GuiTextBox::GuiTextBox")
                << "no textBox " << name << " in " << xmlFile << ", box stays empty";
        }
    }
    createGui();
    InteractionalObject::setActive(false, false);
}

GuiTextBox::~GuiTextBox() = default;

Text* GuiTextBox::measurer(const std::string& font) {
    if (font.empty() || font == m_font) {
        return m_measure.get();
    }
    auto found = m_otherMeasures.find(font);
    if (found != m_otherMeasures.end()) {
        return found->second.get();
    }
    auto made = std::make_unique<Text>(font, "");
    made->setVisible(false);
    made->setZ(MEASURE_DEPTH);
    Text* result = made.get();
    m_otherMeasures[font] = std::move(made);
    return result;
}

void GuiTextBox::wrapText(std::string& text, const std::string& font) {
    Log::debug("GuiTextBox::wrapText") << "Wrapping text in textBox " << m_name;
    Text* measure = measurer(font);
    const hgeFont* glyphs = measure->getFont();
    const float limit = m_textWidth + static_cast<float>(m_wrapTolerance);
    const std::string::size_type none = std::string::npos;
    std::string::size_type afterSpace = none;
    float sum = 0.0f;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            // A break of the author's own starts a fresh line.
            sum = 0.0f;
            afterSpace = none;
            continue;
        }
        if (glyphs && glyphs->GetSprite(c)) {
            sum += measure->char_width(c);
        } else {
            Log::error("GuiTextBox::wrapText")
                << "Cant get font sprite in textBox, character " << c;
        }
        if (c == ' ') {
            afterSpace = i + 1;
        }
        if (sum > limit && afterSpace != none) {
            text.insert(afterSpace, "\n");
            // Measure again from the break: the word that overran starts the
            // new line.
            i = afterSpace;
            sum = 0.0f;
            afterSpace = none;
        }
    }
}

void GuiTextBox::loadFromXML(TiXmlElement* element) {
    const char* context = "GuiTextBox::loadFromXML";
    Log::debug(context) << "Loading text from xml in " << m_name;
    if (!element) {
        Log::error(context) << "got null element";
        return;
    }
    std::vector<TextRecord> records;
    for (TiXmlElement* child = element->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        const std::string kind = child->Value() ? child->Value() : "";
        // Free texts belong to the parent's builder.
        if (kind == "addText") {
            continue;
        }
        TextRecord record;
        const char* content = child->GetText();
        const std::string value = content ? content : "";
        if (kind == "text") {
            record.text = value;
        } else if (kind == "image") {
            record.image = value;
        } else if (kind == "line") {
            record.line = value;
        } else {
            Log::warning(context) << "unknown element " << kind << " in textBox " << m_name;
            continue;
        }
        record.font = xml::getAttributeString(child, "font", false);
        if (record.font.empty()) {
            record.font = m_font;
        }
        record.align = xml::getAttributeString(child, "align", false);
        records.push_back(std::move(record));
    }
    if (records.empty()) {
        return;
    }
    createTextFromTextList(records);
    createImageFromTextList();
    calculatePositionFromTextObject();
    createParagraphTexts();
}

void GuiTextBox::createTextFromTextList(std::vector<TextRecord>& records) {
    Log::debug("GuiTextBox::createTextFromTextList") << "Creating text from textlist";
    for (TextRecord& record : records) {
        m_paragraphs.push_back(std::move(record));
    }
    records.clear();
}

void GuiTextBox::createImageFromTextList() {
    Log::debug("GuiTextBox::createImageFromTextList") << "Creating images from textlist";
    const float depth = std::max(PICTURE_DEPTH, paragraphDepth());
    int lines = 0;
    for (const TextRecord& record : m_paragraphs) {
        std::unique_ptr<Sprite> picture;
        std::string key;
        if (!record.image.empty()) {
            // At the image's own size.
            picture = std::make_unique<Sprite>(record.image, hgeVector(0, 0));
            key = record.image;
        } else if (!record.line.empty()) {
            picture = std::make_unique<Sprite>(
                record.line,
                hgeVector(static_cast<float>(LINE_WIDTH), static_cast<float>(LINE_THICKNESS)));
            key = lineName(lines++);
        } else {
            continue;
        }
        picture->setZ(depth);
        picture->setHotSpot(0, 0);
        picture->setMovesWithCam(true);
        picture->setVisible(m_visible);
        m_pictures[key] = std::move(picture);
    }
}

void GuiTextBox::calculatePositionFromTextObject() {
    Log::debug("GuiTextBox::calculatePositionFromTextObject")
        << "Calculating position for " << m_name;
    hgeVector previous = m_position;
    float previousHeight = -static_cast<float>(m_wrapTolerance);
    int lines = 0;
    for (TextRecord& record : m_paragraphs) {
        if (!record.text.empty()) {
            wrapText(record.text, record.font);
            record.xOffset = record.align.empty() ? 0 : std::atoi(record.align.c_str());
            record.position =
                hgeVector(m_position.x + static_cast<float>(record.xOffset),
                          previous.y + previousHeight + static_cast<float>(m_wrapTolerance));
            const hgeFont* font = measurer(record.font)->getFont();
            const float width = font ? font->GetStringWidth(record.text.c_str(), true) : 0.0f;
            if (record.align == "center") {
                record.position.x = m_position.x + m_textWidth / 2 - width / 2;
            } else if (record.align == "right") {
                record.position.x = m_position.x + m_textWidth - width;
            }
            // One line advances the fixed line height; every wrapped line
            // below it adds the font's own line height, so the next item
            // starts under the whole paragraph.
            const int breaks =
                static_cast<int>(std::count(record.text.begin(), record.text.end(), '\n'));
            const float lineHeight = font ? font->GetHeight() : static_cast<float>(LINE_HEIGHT);
            previousHeight = static_cast<float>(LINE_HEIGHT) + lineHeight * breaks;
            previous = record.position;
        } else if (!record.image.empty()) {
            calculateImagePositions(record, getPicture(record.image), previous, previousHeight);
        } else if (!record.line.empty()) {
            calculateImagePositions(record, getPicture(lineName(lines++)), previous,
                                    previousHeight);
        }
    }
}

void GuiTextBox::calculateImagePositions(TextRecord& record, Sprite* picture,
                                         hgeVector& previousPosition, float& previousHeight) {
    Log::debug("GuiTextBox::calculateImagePositions")
        << "Calculating image position for " << m_name;
    if (!picture) {
        return;
    }
    const hgeSprite* sprite = picture->getSprite();
    const float width = sprite ? sprite->GetWidth() : 0.0f;
    const float height = sprite ? sprite->GetHeight() : 0.0f;
    const float x = record.align.empty() ? m_position.x : getAlignPos(record.align, width);
    const float y = previousPosition.y + previousHeight + static_cast<float>(m_wrapTolerance);
    record.position = hgeVector(x, y);
    picture->setHotSpot(0, 0);
    picture->setMovesWithCam(true);
    picture->setPosition(record.position);
    previousPosition = record.position;
    previousHeight = height;
}

float GuiTextBox::getAlignPos(const std::string& align, float width) {
    const float x = m_position.x;
    const float margin = static_cast<float>(m_margin);
    if (align == "center") {
        return x + m_textWidth / 2 - width / 2 - margin;
    }
    if (align == "right") {
        return x + m_textWidth - width - 2 * margin;
    }
    if (align != "left") {
        Log::warning("GuiTextBox::getAlignPos")
            << "unhandled align: " << align << ", switching to align left";
    }
    return x;
}

float GuiTextBox::paragraphDepth() const {
    float base = m_z;
    if (m_parentWidget) {
        base = m_parentWidget->getDepth();
        const auto& frame = m_parentWidget->getImages();
        if (!frame.empty() && frame.front()->getZ() > base) {
            base = frame.front()->getZ();
        }
    }
    return cappedDepth(base, PARAGRAPH_ABOVE_PARENT);
}

float GuiTextBox::addedTextDepth() const {
    const float base = m_parentWidget ? m_parentWidget->getDepth() : m_z;
    return cappedDepth(base, ADDED_TEXT_ABOVE_PARENT);
}

void GuiTextBox::createParagraphTexts() {
    const float depth = paragraphDepth();
    Camera* camera = Camera::instance();
    for (TextRecord& record : m_paragraphs) {
        if (record.text.empty()) {
            continue;
        }
        record.drawn = std::make_unique<Text>(record.font, record.text);
        record.drawn->setZ(depth);
        // Texts are placed in the world, not on the screen.
        record.drawn->setPosition(camera->screenToWorld(record.position));
        record.drawn->setVisible(m_visible);
    }
}

void GuiTextBox::addText(const std::string& text, const std::string& font, unsigned int color,
                         const hgeVector& position) {
    TextRecord record;
    record.text = text;
    record.font = font.empty() ? m_font : font;
    record.position = position;
    record.drawn = std::make_unique<Text>(record.font, text);
    record.drawn->setColor(color);
    record.drawn->setPosition(Camera::instance()->screenToWorld(m_position + position));
    record.drawn->setZ(addedTextDepth());
    record.drawn->setVisible(m_visible);
    m_addedTexts.push_back(std::move(record));
    Log::debug("GuiTextBox::addText") << "Added text: " << text << " to textBox " << m_name;
}

void GuiTextBox::removeText(const std::string& text) {
    for (auto it = m_addedTexts.begin(); it != m_addedTexts.end(); ++it) {
        if (it->text == text) {
            // Logged first: `text` may be the very record that goes.
            Log::debug("GuiTextBox::removeText")
                << "Removed text: " << text << " from textBox " << m_name;
            m_addedTexts.erase(it);
            return;
        }
    }
    Log::warning("GuiTextBox::removeText") << "no text " << text << " in textBox " << m_name;
}

Sprite* GuiTextBox::getPicture(const std::string& name) const {
    auto found = m_pictures.find(name);
    return found == m_pictures.end() ? nullptr : found->second.get();
}

void GuiTextBox::setVisible(bool visible) {
    Renderable::setVisible(visible);
    for (auto& picture : m_pictures) {
        picture.second->setVisible(visible);
    }
    for (auto& record : m_paragraphs) {
        if (record.drawn) {
            record.drawn->setVisible(visible);
        }
    }
    for (auto& record : m_addedTexts) {
        if (record.drawn) {
            record.drawn->setVisible(visible);
        }
    }
}

void GuiTextBox::setDepth(float depth) {
    GuiBase::setDepth(depth);
    // A window moved above its old depth must not cover its own text.
    const float paragraphs = paragraphDepth();
    for (auto& record : m_paragraphs) {
        if (record.drawn) {
            record.drawn->setZ(paragraphs);
        }
    }
    const float added = addedTextDepth();
    for (auto& record : m_addedTexts) {
        if (record.drawn) {
            record.drawn->setZ(added);
        }
    }
    const float pictures = std::max(PICTURE_DEPTH, paragraphs);
    for (auto& picture : m_pictures) {
        picture.second->setZ(pictures);
    }
}

void GuiTextBox::render() {
    if (!m_visible) {
        return;
    }
    Camera* camera = Camera::instance();
    for (auto& record : m_addedTexts) {
        if (record.drawn) {
            record.drawn->setPosition(camera->screenToWorld(m_position + record.position));
        }
    }
}
