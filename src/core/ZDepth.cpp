#include "core/ZDepth.h"

#include "core/Log.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"

std::map<std::string, float>& ZDepth::levels() {
    static std::map<std::string, float> s_levels;
    return s_levels;
}

void ZDepth::readFile() {
    if (!levels().empty()) {
        Log::warning("ZDepth::readFile") << "file already read, ignoring";
        return;
    }
    XmlReader reader("zdepth.xml");
    TiXmlElement* root = reader.getRootElement();
    if (!root) {
        Log::error("ZDepth::readFile") << "unable to open file, no z levels read";
        return;
    }
    for (TiXmlElement* level = root->FirstChildElement(); level;
         level = level->NextSiblingElement()) {
        const float z = xml::getAttributeFloat(level, "val", false);
        levels()[xml::getAttributeString(level, "key", true)] = z;
    }
}

float ZDepth::getZ(const std::string& name) {
    const auto found = levels().find(name);
    if (found == levels().end()) {
        Log::warning("ZDepth::getZ") << "no depth found with name " << name << ", returning 0.0f";
        return 0.0f;
    }
    return found->second;
}

void ZDepth::clear() {
    levels().clear();
}
