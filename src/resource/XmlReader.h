#pragma once

#include <tinyxml.h>

#include <string>

#include "resource/Xml.h"

// One XML data file, parsed through the resource manager's text cache, and
// its records: elements of the root found by element name and key attribute.
// Elements handed out belong to the reader and die with it.
class XmlReader {
public:
    explicit XmlReader(const std::string& fileName);
    virtual ~XmlReader() = default;

    XmlReader(const XmlReader&) = delete;
    XmlReader& operator=(const XmlReader&) = delete;

    // The first child element of `parent` (of the root when null) named `name`
    // whose attribute `key` is exactly `value`; null when there is none.
    TiXmlElement* getRootChildElement(const std::string& name, const std::string& key,
                                      const std::string& value, TiXmlElement* parent = nullptr);

    // Null when the file was missing, empty or did not parse.
    TiXmlElement* getRootElement() const { return m_root; }
    const TiXmlDocument& getDocument() const { return m_document; }

    TiXmlDocument m_document;
    TiXmlElement* m_root = nullptr;
};
