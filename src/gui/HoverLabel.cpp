#include "gui/HoverLabel.h"

#include "core/Camera.h"
#include "core/Engine.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "gui/InteractionalObject.h"
#include "resource/Text.h"

namespace {

const float DEPTH = 0.9f;
const int ALPHA = 150;
const char* const FONT = "font_tessaline_19.fnt";
const float PADDING_X = 8.0f;
const float PADDING_Y = 3.0f;
const float HEIGHT = 26.0f;
const float OFFSET_X = 20.0f;
// Room kept above the pointer when the label goes over it: a little, or
// enough to clear the button under the pointer.
const float OFFSET_Y = 4.0f;
const float OFFSET_ABOVE = 20.0f;

}  // namespace

HoverLabel::HoverLabel(const std::string& name, bool above) : m_name(name), m_above(above) {}

HoverLabel::~HoverLabel() = default;

void HoverLabel::show(const std::string& text) {
    if (m_window && text == m_text) {
        follow();
        return;
    }
    hide();
    const Text measure(FONT, text);
    const hgeVector size(measure.getWidth() + 2 * PADDING_X, HEIGHT);
    m_window =
        std::make_unique<GuiWindow>(m_name, "gui_blank.png", hgeVector(0, 0), size, nullptr, false);
    m_window->setDepth(DEPTH);
    m_textBox = m_window->getController()->addTextBox(m_name + " Text", hgeVector(0, 0), size);
    m_textBox->addText(text, FONT, 0xFFFFFFFFu, hgeVector(PADDING_X, PADDING_Y));
    m_window->setAlpha(ALPHA);
    m_window->setActive(false, true);
    m_text = text;
    follow();
}

void HoverLabel::hide() {
    m_window.reset();
    m_textBox = nullptr;
    m_text.clear();
}

void HoverLabel::follow() {
    if (!m_window) {
        return;
    }
    const hgeVector pointer = InteractionalObject::getCursor()->getPointerPosition();
    const hgeVector screen = Camera::instance()->worldToScreen(pointer);
    const hgeVector size = m_window->getSize();
    Engine* engine = Engine::instance();
    float x = screen.x + OFFSET_X;
    if (x + size.x > engine->getScreenWidth()) {
        x = screen.x - OFFSET_X - size.x;
    }
    float y = screen.y;
    if (m_above) {
        y = screen.y - size.y - OFFSET_ABOVE;
    } else if (y + size.y > engine->getScreenHeight()) {
        y = screen.y - size.y - OFFSET_Y;
    }
    m_window->setPosition(x, y);
    m_textBox->setPosition(x, y);
    // A text box places its texts when it is drawn, after the texts have
    // taken their screen places for this frame; place them now so that the
    // text does not trail a frame behind its label.
    m_textBox->render();
}
