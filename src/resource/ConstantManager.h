#pragma once

#include <tinyxml.h>

#include <string>

#include "core/Singleton.h"

// The game's tuning constants: the attributes of the element "Constants"
// under the root of "constants.xml", looked up by name. Every miss is logged.
class ConstantManager : public Singleton<ConstantManager> {
    friend class Singleton<ConstantManager>;

public:
    // The raw text, or null (with a warning) when the key is missing.
    const char* findConstant(const std::string& key);
    // atof of the value; 0 when missing.
    float getFloat(const std::string& key);
    // The value; empty when missing.
    std::string getString(const std::string& key);
    // True only for "yes", "1" and "true"; anything else or a miss is false.
    bool getBool(const std::string& key);

private:
    ConstantManager();
    ~ConstantManager() override = default;

    TiXmlDocument m_document;
    TiXmlElement* m_constants = nullptr;
};
