#include "data/XML_Node_Walker.hpp"

#include <libxml/parser.h>
#include <libxml/uri.h>
#include <libxml/xmlreader.h>

std::string XML_Node_Walker::Dtd_Path(xmlTextReaderPtr reader) {
    const xmlNodePtr node = xmlTextReaderCurrentNode(reader);
    const xmlDocPtr doc = node ? node->doc : nullptr;
    if (!doc)
        return "";
    const xmlDtdPtr dtd = doc->extSubset ? doc->extSubset : doc->intSubset;
    if (!dtd || !dtd->SystemID)
        return "";
    xmlChar* uri = xmlBuildURI(dtd->SystemID, doc->URL);
    std::string path = uri ? reinterpret_cast<const char*>(uri) : "";
    xmlFree(uri);
    return path;
}

XML_Node_Walker::XML_Node_Walker(const std::string& path, Check check)
    : reader(check == Check::Validate
                 ? xmlReaderForFile(path.c_str(), "UTF-8", XML_PARSE_NOBLANKS | XML_PARSE_DTDLOAD | XML_PARSE_DTDVALID)
                 : xmlReaderForFile(path.c_str(), nullptr, XML_PARSE_NOBLANKS)),
      validating(check == Check::Validate) {}

XML_Node_Walker::~XML_Node_Walker() {
    if (reader)
        xmlFreeTextReader(reader);
}

bool XML_Node_Walker::Next() {
    if (!reader || status != 1)
        return false;
    status = xmlTextReaderRead(reader);
    if (validating && dtd.empty() && status == 1)
        dtd = Dtd_Path(reader);
    return status == 1;
}

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

std::string XML_Node_Walker::Read_Text() {
    if (!Is_Element() || Is_Empty_Element())
        return Is_Element() ? "" : Text();
    const int depth = xmlTextReaderDepth(reader);
    std::string text;
    while (Next()) {
        switch (xmlTextReaderNodeType(reader)) {
        case XML_READER_TYPE_END_ELEMENT:
            if (xmlTextReaderDepth(reader) == depth)
                return text;
            break;
        case XML_READER_TYPE_TEXT:
        case XML_READER_TYPE_CDATA:
        case XML_READER_TYPE_WHITESPACE:
        case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
            if (const xmlChar* value = xmlTextReaderConstValue(reader))
                text += reinterpret_cast<const char*>(value);
            break;
        default:
            break;
        }
    }
    return text;
}

bool XML_Node_Walker::Find_Start(const std::string& name) {
    while (Next())
        if (Is_Start(name))
            return true;
    return false;
}
