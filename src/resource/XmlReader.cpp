#include "resource/XmlReader.h"

#include "core/Log.h"
#include "resource/ResourceManager.h"
#include "resource/Xml.h"

XmlReader::XmlReader(const std::string& fileName) {
    if (resource::Manager::instance()->getXml(fileName, m_document) > 0) {
        m_root = m_document.FirstChildElement();
    }
}

TiXmlElement* XmlReader::getRootChildElement(const std::string& name, const std::string& key,
                                             const std::string& value, TiXmlElement* parent) {
    const char* context = "XmlReader::getRootChildElement";
    TiXmlElement* start = parent ? parent : m_root;
    if (!start) {
        Log::error(context) << "got no root";
        return nullptr;
    }
    for (TiXmlElement* child = start->FirstChildElement(name.c_str()); child;
         child = child->NextSiblingElement(name.c_str())) {
        if (xml::getAttributeString(child, key, true) == value) {
            return child;
        }
    }
    Log::warning(context) << "rootchild " << name << " with key " << key << " set to " << value
                          << " not found";
    return nullptr;
}
