#include "resource/ConstantManager.h"

#include <cstdlib>

#include "core/Log.h"
#include "resource/ResourceManager.h"
#include "resource/Xml.h"

ConstantManager::ConstantManager() {
    const char* context = "ConstantManager::ConstantManager";
    Log::info(context) << "reading constants";
    TiXmlElement* root = nullptr;
    if (resource::Manager::instance()->getXml("constants.xml", m_document) > 0) {
        root = m_document.FirstChildElement();
    }
    if (!root) {
        Log::error(context) << "got null element";
        return;
    }
    m_constants = root->FirstChildElement("Constants");
    if (!m_constants) {
        Log::error(context) << "init of constant system failed; no child element";
    } else {
        Log::info(context) << "contstants read";
    }
}

const char* ConstantManager::findConstant(const std::string& key) {
    return xml::findAttribute(m_constants, key, true);
}

float ConstantManager::getFloat(const std::string& key) {
    const char* value = findConstant(key);
    return value ? static_cast<float>(std::atof(value)) : 0.0f;
}

std::string ConstantManager::getString(const std::string& key) {
    const char* value = findConstant(key);
    return value ? value : "";
}

bool ConstantManager::getBool(const std::string& key) {
    const char* value = findConstant(key);
    if (!value) {
        return false;
    }
    const std::string text = value;
    return text == "yes" || text == "1" || text == "true";
}
