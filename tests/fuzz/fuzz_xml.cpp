// The XML access layer: an XML data file read through resource::Manager::getXml
// (UTF-8 to Windows-1252, then TinyXML) and walked with XmlReader and the
// typed xml:: readers, plus the encoding functions on the raw bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzSupport.h"
#include "resource/Encoding.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"

namespace {

// Each lookup scans the siblings: a few per input keep big files quick.
int g_lookups = 0;

void visit(XmlReader& reader, TiXmlElement* element, int depth) {
    if (depth > 64) {
        return;
    }
    for (const TiXmlAttribute* a = element->FirstAttribute(); a; a = a->Next()) {
        xml::getAttributeFloat(element, a->Name(), false);
        xml::getAttributeInt(element, a->Name(), false);
        xml::getAttributeBool(element, a->Name(), false);
    }
    // Look the element up again by its first attribute, as the game finds
    // its records by key.
    const TiXmlAttribute* key = element->FirstAttribute();
    if (key && g_lookups++ < 16) {
        reader.getRootChildElement(element->Value(), key->Name(), key->Value(),
                                   element->Parent() ? element->Parent()->ToElement() : nullptr);
    }
    xml::getColor(element);
    xml::getVector(element);
    xml::getElementColor(element, "color");
    xml::getElementVector(element, "position");
    for (TiXmlElement* child = element->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        visit(reader, child, depth + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Sandbox& sandbox = fuzz::Sandbox::get();
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // Text that converts at all comes back unchanged.
    const std::string narrow = text::toWindows1252(bytes);
    if (text::isConvertible(bytes) && text::toUtf8(narrow) != bytes) {
        std::abort();
    }
    text::toUtf8(bytes);

    fuzz::writeFile(sandbox.content("xml") / "fuzz.xml", data, size);
    sandbox.remount();
    g_lookups = 0;
    {
        XmlReader reader("fuzz.xml");
        if (TiXmlElement* root = reader.getRootElement()) {
            visit(reader, root, 0);
        }
        reader.getRootChildElement("state", "name", "x");
    }
    resource::Manager::destroy();
    return 0;
}
