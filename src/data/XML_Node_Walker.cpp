#include "data/XML_Node_Walker.hpp"

#include <libxml/parser.h>
#include <libxml/xmlreader.h>

XML_Node_Walker::XML_Node_Walker(const std::string& path)
    : reader(xmlReaderForFile(path.c_str(), nullptr, XML_PARSE_NOBLANKS)) {}

XML_Node_Walker::~XML_Node_Walker() {
    if (reader)
        xmlFreeTextReader(reader);
}

bool XML_Node_Walker::Next() { return reader && xmlTextReaderRead(reader) == 1; }

bool XML_Node_Walker::Is_Named(const std::string& name) const {
    // Compared in place: the map's walk asks this of every node.
    const xmlChar* own = xmlTextReaderConstName(reader);
    return name == (own ? reinterpret_cast<const char*>(own) : "");
}

bool XML_Node_Walker::Is_Start(const std::string& name) const {
    return xmlTextReaderNodeType(reader) == XML_READER_TYPE_ELEMENT && Is_Named(name);
}

bool XML_Node_Walker::Is_End(const std::string& name) const {
    const int type = xmlTextReaderNodeType(reader);
    if (type == XML_READER_TYPE_END_ELEMENT)
        return Is_Named(name);
    return type == XML_READER_TYPE_ELEMENT && xmlTextReaderIsEmptyElement(reader) == 1 && Is_Named(name);
}

bool XML_Node_Walker::Is_Element() const { return xmlTextReaderNodeType(reader) == XML_READER_TYPE_ELEMENT; }

bool XML_Node_Walker::Is_Empty_Element() const { return xmlTextReaderIsEmptyElement(reader) == 1; }

std::string XML_Node_Walker::Name() const {
    const xmlChar* name = xmlTextReaderConstName(reader);
    return name ? reinterpret_cast<const char*>(name) : "";
}

std::string XML_Node_Walker::Text() const {
    xmlChar* text = xmlTextReaderReadString(reader);
    std::string value = text ? reinterpret_cast<const char*>(text) : "";
    xmlFree(text);
    return value;
}

bool XML_Node_Walker::Find_Start(const std::string& name) {
    while (Next())
        if (Is_Start(name))
            return true;
    return false;
}
