#include "core/states/MenuBuilder.h"

#include <tinyxml.h>

#include "gui/GuiController.h"
#include "gui/GuiTextBox.h"
#include "gui/GuiWindow.h"
#include "resource/Xml.h"

const char* const MenuBuilder::FONT = "font_tessaline_19.fnt";

void MenuBuilder::build(TiXmlElement* record, GuiWindow* window, std::vector<GuiWindow*>& built) {
    if (!record || !window) {
        return;
    }
    for (TiXmlElement* child = record->FirstChildElement("window"); child;
         child = child->NextSiblingElement("window")) {
        GuiWindow* entry = window->getController()->addWindow(child, false);
        built.push_back(entry);
        buildContents(child, entry, built);
    }
}

void MenuBuilder::buildContents(TiXmlElement* element, GuiWindow* window,
                                std::vector<GuiWindow*>& built) {
    GuiController* controller = window->getController();
    for (TiXmlElement* image = element->FirstChildElement("image"); image;
         image = image->NextSiblingElement("image")) {
        window->addImage(image);
    }
    for (TiXmlElement* button = element->FirstChildElement("button"); button;
         button = button->NextSiblingElement("button")) {
        controller->addButton(button);
    }
    for (TiXmlElement* textBox = element->FirstChildElement("textBox"); textBox;
         textBox = textBox->NextSiblingElement("textBox")) {
        addTexts(textBox, controller->addTextBox(textBox));
    }
    build(element, window, built);
}

void MenuBuilder::addTexts(TiXmlElement* textBoxElement, GuiTextBox* box) {
    if (!textBoxElement || !box) {
        return;
    }
    for (TiXmlElement* text = textBoxElement->FirstChildElement("addText"); text;
         text = text->NextSiblingElement("addText")) {
        const hgeVector position(static_cast<float>(xml::getAttributeInt(text, "x")),
                                 static_cast<float>(xml::getAttributeInt(text, "y")));
        box->addText(xml::getAttributeString(text, "text"), FONT, GuiBase::textColor(text),
                     position);
    }
}

GuiWindow* MenuBuilder::find(const std::vector<GuiWindow*>& built, const std::string& name) {
    for (GuiWindow* window : built) {
        if (window->getName() == name) {
            return window;
        }
    }
    return nullptr;
}
