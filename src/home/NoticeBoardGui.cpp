#include "home/NoticeBoardGui.h"

#include "core/Sprite.h"
#include "gui/GuiButton.h"
#include "gui/GuiWindow.h"
#include "home/NoticeboardHelp.h"

// Placeholder until the notice board is written.

void NoticeBoardGui::AchievementBoard::show(bool shown) {
    m_shown = shown;
}
bool NoticeBoardGui::AchievementBoard::markEarned(int) {
    return false;
}
NoticeBoardGui::NoticeBoardGui() = default;
NoticeBoardGui::~NoticeBoardGui() = default;
void NoticeBoardGui::create() {}
void NoticeBoardGui::setActive(bool active) {
    m_active = active;
}
void NoticeBoardGui::update(float) {}
