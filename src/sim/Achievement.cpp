#include "sim/Achievement.h"

#include "gui/GuiWindow.h"

// Placeholder until the achievements are written.

Achievement::Achievement(TiXmlElement* element) : m_element(element) {}
Achievement::~Achievement() = default;
bool Achievement::check() {
    return false;
}
void Achievement::createWindow() {}
void Achievement::update(float) {}
int Achievement::getId() const {
    return 0;
}
std::string Achievement::getTitle() const {
    return "";
}
std::string Achievement::getDescription() const {
    return "";
}
std::string Achievement::getImage(const std::string&) const {
    return "";
}
void Achievement::reset() {
    m_completed = false;
}
