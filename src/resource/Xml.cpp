#include "resource/Xml.h"

#include <cstdlib>

#include "core/Log.h"

namespace xml {

const char* findAttribute(const TiXmlElement* element, const std::string& name, bool warn) {
    const char* context = "xml::findAttribute";
    if (!element) {
        if (warn) {
            Log::warning(context) << "got null element";
        }
        return nullptr;
    }
    const char* value = element->Attribute(name.c_str());
    if (!value && warn) {
        Log::warning(context) << "element doesnt have attribute " << name;
    }
    return value;
}

float getAttributeFloat(const TiXmlElement* element, const std::string& name, bool warn) {
    const char* value = findAttribute(element, name, warn);
    return value ? static_cast<float>(std::atof(value)) : 0.0f;
}

int getAttributeInt(const TiXmlElement* element, const std::string& name, bool warn) {
    const char* value = findAttribute(element, name, warn);
    return value ? std::atoi(value) : 0;
}

std::string getAttributeString(const TiXmlElement* element, const std::string& name, bool warn) {
    const char* value = findAttribute(element, name, warn);
    return value ? value : "";
}

bool getAttributeBool(const TiXmlElement* element, const std::string& name, bool warn) {
    const char* value = findAttribute(element, name, warn);
    if (!value) {
        return true;
    }
    const std::string text = value;
    return text != "no" && text != "0";
}

Color getColor(const TiXmlElement* element, bool warn) {
    Color color;
    color.a = getAttributeFloat(element, "a", warn);
    color.b = getAttributeFloat(element, "b", warn);
    color.g = getAttributeFloat(element, "g", warn);
    color.r = getAttributeFloat(element, "r", warn);
    return color;
}

hgeVector getVector(const TiXmlElement* element, bool warn) {
    const float y = getAttributeFloat(element, "y", warn);
    const float x = getAttributeFloat(element, "x", warn);
    return hgeVector(x, y);
}

namespace {

// The child named `name`, or null with the warning of `context`.
const TiXmlElement* child(const TiXmlElement* element, const std::string& name, bool warn,
                          const char* context) {
    if (!element) {
        if (warn) {
            Log::warning(context) << "got null element";
        }
        return nullptr;
    }
    const TiXmlElement* found = element->FirstChildElement(name.c_str());
    if (!found && warn) {
        Log::warning(context) << "element doesnt have child " << name;
    }
    return found;
}

}  // namespace

Color getElementColor(const TiXmlElement* element, const std::string& name, bool warn) {
    const TiXmlElement* found = child(element, name, warn, "xml::getElementColor");
    if (!found) {
        return Color{1.0f, 1.0f, 1.0f, 1.0f};
    }
    return getColor(found, warn);
}

hgeVector getElementVector(const TiXmlElement* element, const std::string& name, bool warn) {
    const TiXmlElement* found = child(element, name, warn, "xml::getElementVector");
    if (!found) {
        return hgeVector(0.0f, 0.0f);
    }
    return getVector(found, warn);
}

}  // namespace xml
