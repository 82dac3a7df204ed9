#include "sim/BudgetPage.h"

#include <tinyxml.h>

#include <cstdlib>

#include "core/Log.h"
#include "engine/hge.h"
#include "gui/GuiTextBox.h"
#include "resource/Text.h"
#include "resource/Xml.h"
#include "sim/FiscoraFlags.h"
#include "sim/FlagSystem.h"

namespace budget {

const char* const FONT = "font_tessaline_19.fnt";

namespace {

const float LIST_TOP = 130.0f;
const float LIST_STEP = 30.0f;
const float AMOUNT_RIGHT = 320.0f;
const float TOTAL_Y = 400.0f;

}  // namespace

std::string kronor(int amount) {
    // Through 64 bits, so that the lowest 32-bit amount has a positive twin.
    long long rest = std::llabs(static_cast<long long>(amount));
    std::string digits = std::to_string(rest);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), " ");
    }
    return (amount < 0 ? "-" : "") + digits + " kr";
}

bool applies(const std::string& flag, bool expense) {
    if (flag.empty() || (expense && flag == "ALWAYS")) {
        return true;
    }
    const FiscoraFlags::_enum value = FiscoraFlags::fromString(flag);
    if (value == FiscoraFlags::UNDEFINED) {
        Log::warning("Budget::readItems") << "unknown flag " << flag;
        return false;
    }
    return FlagSystem::instance()->isRaised(value);
}

std::map<std::string, int> readItems(const TiXmlElement* root, const std::string& kind, int level,
                                     bool& found) {
    std::map<std::string, int> items;
    found = false;
    const std::string amount = "value" + std::to_string(level);
    for (const TiXmlElement* item = root ? root->FirstChildElement(kind.c_str()) : nullptr; item;
         item = item->NextSiblingElement(kind.c_str())) {
        found = true;
        if (applies(xml::getAttributeString(item, "flag", false), kind == "expense")) {
            items[xml::getAttributeString(item, "name")] = xml::getAttributeInt(item, amount);
        }
    }
    return items;
}

int writeList(GuiTextBox* box, const std::map<std::string, int>& items, const std::string& sign) {
    int total = 0;
    float y = LIST_TOP;
    for (const auto& item : items) {
        total += item.second;
        addText(box, item.first, hgeVector(0, y), false);
        addText(box, sign + kronor(item.second), hgeVector(AMOUNT_RIGHT, y), true);
        y += LIST_STEP;
    }
    addText(box, sign + kronor(total), hgeVector(AMOUNT_RIGHT, TOTAL_Y), true, VALUE_COLOR);
    return total;
}

Text* addText(GuiTextBox* box, const std::string& text, const hgeVector& position, bool right,
              unsigned int color) {
    if (!box) {
        return nullptr;
    }
    box->addText(text, FONT, color, position);
    Text* added = box->getAddedTexts().back().drawn.get();
    if (added && right) {
        added->setAlign(HGETEXT_RIGHT);
    }
    return added;
}

LiveNumber::LiveNumber(GuiTextBox* box, const int* source, const std::string& prefix,
                       const hgeVector& position, bool right, bool signColored)
    : m_source(source), m_prefix(prefix), m_signColored(signColored) {
    m_text = addText(box, prefix + kronor(source ? *source : 0), position, right, VALUE_COLOR);
    refresh();
}

void LiveNumber::refresh() {
    if (!m_text || !m_source || (m_written && *m_source == m_value)) {
        return;
    }
    m_value = *m_source;
    m_written = true;
    // A sign before nothing reads oddly: "0 kr", not "- 0 kr".
    m_text->setText((m_value ? m_prefix : std::string()) + kronor(m_value));
    if (m_signColored) {
        m_text->setColor(m_value > 0 ? GAIN_COLOR : m_value < 0 ? LOSS_COLOR : VALUE_COLOR);
    }
}

const std::string& LiveNumber::shown() const {
    static const std::string none;
    return m_text ? m_text->getText() : none;
}

}  // namespace budget
