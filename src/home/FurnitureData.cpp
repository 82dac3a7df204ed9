#include "home/FurnitureData.h"

#include <tinyxml.h>

#include <memory>

#include "core/Log.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"

std::map<int, TiXmlElement*> FurnitureData::s_catalogue;
bool FurnitureData::s_loaded = false;

namespace {

// The catalogue's elements live in this document for the rest of the program.
std::unique_ptr<XmlReader>& reader() {
    static std::unique_ptr<XmlReader> file;
    return file;
}

// A display text ends at the first carriage return.
std::string firstLine(const TiXmlElement* element) {
    const char* text = element->GetText();
    std::string line = text ? text : "";
    const std::size_t cut = line.find('\r');
    return cut == std::string::npos ? line : line.substr(0, cut);
}

}  // namespace

void FurnitureData::createStaticData() {
    if (s_loaded) {
        return;
    }
    s_loaded = true;
    reader() = std::make_unique<XmlReader>("furnitures.xml");
    TiXmlElement* root = reader()->getRootElement();
    if (!root) {
        Log::error("FurnitureData::createStaticData") << "no furniture in furnitures.xml";
        return;
    }
    for (TiXmlElement* piece = root->FirstChildElement(); piece;
         piece = piece->NextSiblingElement()) {
        if (xml::getAttributeString(piece, "enabled", true) != "yes") {
            Log::debug("FurnitureData::createStaticData")
                << "skipping disabled furniture: " << xml::getAttributeString(piece, "id", false);
            continue;
        }
        s_catalogue[xml::getAttributeInt(piece, "id", true)] = piece;
    }
}

TiXmlElement* FurnitureData::loadInfo(int id) {
    createStaticData();
    auto found = s_catalogue.find(id);
    if (found == s_catalogue.end()) {
        Log::warning("FurnitureData::loadInfo")
            << "furniture with id " << id << " not defined in xml, or it is disabled";
        return nullptr;
    }
    return found->second;
}

std::string FurnitureData::getName(TiXmlElement* element, int id) {
    createStaticData();
    const TiXmlElement* name = element ? element->FirstChildElement("name") : nullptr;
    if (!name) {
        Log::warning("FurnitureData::getName") << "furniture with id " << id << " has no name";
        return "no name";
    }
    return firstLine(name);
}

std::string FurnitureData::getDescription(TiXmlElement* element, int id) {
    createStaticData();
    const TiXmlElement* description = element ? element->FirstChildElement("description") : nullptr;
    if (!description) {
        Log::warning("FurnitureData::getDescription")
            << "furniture with id " << id << " has no description";
        return "no description";
    }
    return firstLine(description);
}

namespace {

TiXmlElement* child(TiXmlElement* element, const char* name) {
    return element ? element->FirstChildElement(name) : nullptr;
}

}  // namespace

int FurnitureData::getWidth(TiXmlElement* element) {
    return xml::getAttributeInt(child(element, "placement"), "width");
}

int FurnitureData::getDepth(TiXmlElement* element) {
    return xml::getAttributeInt(child(element, "placement"), "depth");
}

std::string FurnitureData::getTexture(TiXmlElement* element) {
    return xml::getAttributeString(child(element, "sprite"), "gfx");
}

std::string FurnitureData::getPreviewTexture(TiXmlElement* element) {
    return xml::getAttributeString(child(element, "previewSprite"), "gfx");
}

hgeVector FurnitureData::getViewSize(TiXmlElement* element) {
    return xml::getVector(child(element, "sprite"));
}

float FurnitureData::getValue(TiXmlElement* element) {
    return xml::getAttributeFloat(element, "value");
}

float FurnitureData::getSellValue(TiXmlElement* element) {
    return getValue(element) * 0.5f;
}

FiscoraFlags::_enum FurnitureData::getType(TiXmlElement* element) {
    return FiscoraFlags::fromString(xml::getAttributeString(element, "type"));
}

hgeVector FurnitureData::getFirstNail(TiXmlElement* element) {
    return xml::getVector(child(element, "nail"));
}

hgeVector FurnitureData::getSecondNail(TiXmlElement* element) {
    TiXmlElement* first = child(element, "nail");
    return xml::getVector(first ? first->NextSiblingElement("nail") : nullptr);
}

void FurnitureData::getFurnituresOfType(FiscoraFlags::_enum type,
                                        std::list<TiXmlElement*>& pieces) {
    createStaticData();
    for (const auto& entry : s_catalogue) {
        if (getType(entry.second) == type) {
            pieces.push_back(entry.second);
        }
    }
}

const std::map<int, TiXmlElement*>& FurnitureData::getCatalogue() {
    createStaticData();
    return s_catalogue;
}
