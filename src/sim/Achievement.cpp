#include "sim/Achievement.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiWindow.h"
#include "home/NoticeBoardGui.h"
#include "home/Room.h"
#include "resource/Xml.h"
#include "sim/DateManager.h"
#include "sim/FlagSystem.h"

namespace {

// Above the HUD and the reports, below the tutorials.
const float WINDOW_DEPTH = 1.4f;

// Writes this achievement's values into the elements of the window record
// that ask for one with "fill": a text's content or an image's picture.
void fillRecord(TiXmlElement* element, const Achievement& achievement) {
    for (TiXmlElement* child = element->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        fillRecord(child, achievement);
    }
    const char* fill = element->Attribute("fill");
    if (!fill) {
        return;
    }
    const std::string what = fill;
    if (what == "picture") {
        element->SetAttribute("gfx", achievement.getImage("_big.png").c_str());
        return;
    }
    const std::string text = what == "title"  ? achievement.getTitle()
                             : what == "desc" ? achievement.getDescription()
                                              : "";
    element->Clear();
    element->LinkEndChild(new TiXmlText(text.c_str()));
}

}  // namespace

Achievement::Achievement(TiXmlElement* element)
    : m_element(element),
      m_condition(AchievementCheck::factory(element ? element->FirstChildElement() : nullptr)) {}

Achievement::~Achievement() {
    closeWindow();
}

bool Achievement::check() {
    if (!m_condition || !m_condition->check()) {
        return false;
    }
    const int id = getId();
    Log::debug("Achievement::check") << "completed achievement " << id;
    m_completed = true;

    // The game is ending: the end screen comes next, nothing is shown or given.
    const DateManager* clock = DateManager::instance();
    const Date& now = clock->getCurrentDate();
    const Date& end = clock->getEndDate();
    if (now.year == end.year && now.monthIndex() == end.monthIndex()) {
        return false;
    }

    createWindow();
    // The board only exists while the flat does; otherwise it reads
    // isCompleted() when it is built.
    if (NoticeBoardGui::exists() && !NoticeBoardGui::instance()->getBoard()->markEarned(id)) {
        Log::error("Achievement::check")
            << "noticeboard achievement pointer is null, unable to pin achievement";
    }
    // Only nine flags exist; another id would raise an unrelated one.
    const int flag = FiscoraFlags::ACHIEVEMENT_A + id;
    if (id >= 0 && flag <= FiscoraFlags::ACHIEVEMENT_I) {
        FlagSystem::instance()->raise(static_cast<FiscoraFlags::_enum>(flag));
        Log::debug("Achievement::check") << "raised " << FiscoraFlags::toString(flag);
    } else {
        Log::warning("Achievement::check") << "no flag for achievement " << id;
    }
    const int bonus = xml::getAttributeInt(m_element, "bonus");
    if (bonus > 0) {
        Room::instance()->addFurniture(bonus);
    }
    return true;
}

void Achievement::createWindow() {
    const char* context = "Achievement::createWindow";
    Log::debug(context) << "displaying achievement screen";
    closeWindow();
    // The window's description sits beside the achievements in the same file.
    TiXmlNode* root = m_element ? m_element->Parent() : nullptr;
    TiXmlElement* window = root ? root->FirstChildElement("window") : nullptr;
    if (!window) {
        Log::error(context) << "achievements.xml has no window";
        return;
    }
    m_record.reset(window->Clone());
    TiXmlElement* record = m_record->ToElement();
    fillRecord(record, *this);
    m_window = std::make_unique<GuiWindow>(record, true, nullptr);
    const float depth = xml::getAttributeFloat(record, "z", false);
    m_window->setDepth(depth != 0.0f ? depth : WINDOW_DEPTH);
    m_confirm = m_window->findChild("confirmButton");
    if (!m_confirm) {
        Log::error(context) << "achievement window has no confirmButton";
    }
    InteractionalObject::getCursor()->setFocusObject(m_window.get());
}

void Achievement::closeWindow() {
    if (!m_window) {
        return;
    }
    FiscoraCursor::releaseFocus(m_window.get());
    m_confirm = nullptr;
    m_window.reset();
    m_record.reset();
}

void Achievement::update(float) {
    if (m_confirm && m_confirm->isClicked()) {
        Log::debug("Achievement::update") << "achievement " << getId() << " window closed";
        closeWindow();
    }
}

int Achievement::getId() const {
    return xml::getAttributeInt(m_element, "id");
}

std::string Achievement::getTitle() const {
    return xml::getAttributeString(m_element, "title");
}

std::string Achievement::getDescription() const {
    return xml::getAttributeString(m_element, "desc");
}

std::string Achievement::getImage(const std::string& suffix) const {
    // "locked", "_locked" and "_locked.png" all name the same file.
    std::string name = "achievement_" + std::to_string(getId());
    name += suffix.empty() || suffix[0] == '_' ? suffix : "_" + suffix;
    const std::string png = ".png";
    if (name.size() < png.size() || name.compare(name.size() - png.size(), png.size(), png) != 0) {
        name += png;
    }
    return name;
}

void Achievement::reset() {
    closeWindow();
    m_completed = false;
}
