#include "home/NoticeboardHelp.h"

#include "gui/GuiButton.h"
#include "gui/GuiWindow.h"
#include "resource/XmlReader.h"

// Placeholder until the help page is written.

NoticeboardHelp::NoticeboardHelp(GuiWindow* window) : m_window(window) {}
NoticeboardHelp::~NoticeboardHelp() = default;
void NoticeboardHelp::show(bool) {}
void NoticeboardHelp::update(float) {}
