#pragma once

#include <tinyxml.h>

#include <string>

#include "engine/hgevector.h"

// Typed reading of the game's XML conventions: values are attributes,
// structured values (colours, vectors) are child elements. Missing values give
// fixed defaults; with `warn` set the miss is logged as a warning.
namespace xml {

// Four channels in the data file's own range (gui.xml writes 0..255).
struct Color {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;
};

// The attribute's raw text, or null.
const char* findAttribute(const TiXmlElement* element, const std::string& name, bool warn = true);
// atof of the attribute; 0 when missing or not a number.
float getAttributeFloat(const TiXmlElement* element, const std::string& name, bool warn = true);
// atoi of the attribute; 0 when missing or not a number.
int getAttributeInt(const TiXmlElement* element, const std::string& name, bool warn = true);
// The attribute's text; empty when missing.
std::string getAttributeString(const TiXmlElement* element, const std::string& name,
                               bool warn = true);
// False only for "no" and "0"; any other text and a missing attribute are true.
bool getAttributeBool(const TiXmlElement* element, const std::string& name, bool warn = true);

// The element's own "r", "g", "b", "a"; a missing channel is 0.
Color getColor(const TiXmlElement* element, bool warn = true);
// The element's own "x", "y"; a missing coordinate is 0.
hgeVector getVector(const TiXmlElement* element, bool warn = true);
// The child element `name` read as a colour; (1, 1, 1, 1) when it is missing.
Color getElementColor(const TiXmlElement* element, const std::string& name, bool warn = true);
// The child element `name` read as a vector; (0, 0) when it is missing.
hgeVector getElementVector(const TiXmlElement* element, const std::string& name, bool warn = true);

}  // namespace xml
