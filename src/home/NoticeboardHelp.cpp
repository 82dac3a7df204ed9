#include "home/NoticeboardHelp.h"

#include <tinyxml.h>

#include "core/Log.h"
#include "core/states/DifficultyLevel.h"
#include "gui/GuiButton.h"
#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"
#include "sim/Tutorial.h"
#include "sim/TutorialManager.h"

NoticeboardHelp::NoticeboardHelp(GuiWindow* window)
    : m_reader(std::make_unique<XmlReader>("gui.xml")), m_window(window) {
    // The page is described inside the board's own record.
    TiXmlElement* board = m_reader->getRootElement()
                              ? m_reader->getRootChildElement("gui", "guiId", "noticeBoard")
                              : nullptr;
    TiXmlElement* record =
        board ? m_reader->getRootChildElement("help", "guiId", "help", board) : nullptr;
    if (!record || !m_window) {
        Log::error("NoticeboardHelp::NoticeboardHelp") << "got null element";
        return;
    }
    GuiController* children = m_window->getController();
    if (TiXmlElement* line = record->FirstChildElement("textBox")) {
        m_text = children->addTextBox(line);
    }
    // Later levels open more of the game, and with it more to read about.
    const int level = DifficultyLevel::value();
    for (TiXmlElement* entry = record->FirstChildElement("window"); entry;
         entry = entry->NextSiblingElement("window")) {
        if (xml::getAttributeInt(entry, "difficulty") > level) {
            continue;
        }
        // The button is named after its tutorial.
        TiXmlElement named(*entry);
        named.SetAttribute("guiId", xml::getAttributeString(entry, "id"));
        GuiButton* button = children->addButton(&named);
        button->createChildren(&named);
        m_buttons.push_back(button);
    }
}

NoticeboardHelp::~NoticeboardHelp() = default;

void NoticeboardHelp::show(bool shown) {
    for (GuiButton* button : m_buttons) {
        button->setVisible(shown);
    }
    if (m_text) {
        m_text->setVisible(shown);
    }
}

void NoticeboardHelp::update(float) {
    if (m_blocked) {
        return;
    }
    for (GuiButton* button : m_buttons) {
        if (button->isClicked()) {
            // Shown again even when it has been read before.
            TutorialManager::instance()->runTutorial(Tutorial::fromString(button->getName()));
            return;
        }
    }
}
