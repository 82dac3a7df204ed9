#include "sim/Tutorial.h"

#include "gui/GuiWindow.h"

// Placeholder until the tutorial windows are written.

std::string Tutorial::toString(int) {
    return "UNDEFINED";
}
Tutorial::_enum Tutorial::fromString(const std::string&) {
    return UNDEFINED;
}
Tutorial::Tutorial(TiXmlElement* element) : m_element(element) {}
Tutorial::~Tutorial() = default;
void Tutorial::run() {}
void Tutorial::close() {}
void Tutorial::update(float) {}
