#pragma once

#include <string>

typedef struct _xmlTextReader* xmlTextReaderPtr;

// Walks an XML file node by node in document order, dropping blank text:
// for the readers of lists (map layers, start positions, patrols).
class XML_Node_Walker {
public:
    explicit XML_Node_Walker(const std::string& path);
    ~XML_Node_Walker();
    XML_Node_Walker(const XML_Node_Walker&) = delete;
    XML_Node_Walker& operator=(const XML_Node_Walker&) = delete;

    bool Opened() const { return reader != nullptr; }
    // False at the end of the file, or on a read error.
    bool Next();

    bool Is_Start(const std::string& name) const;
    // The end tag of name; an element written <name/> is its own end.
    bool Is_End(const std::string& name) const;
    bool Is_Element() const;
    // The current node's name is name (any kind of node).
    bool Is_Named(const std::string& name) const;
    bool Is_Empty_Element() const;

    std::string Name() const;
    std::string Text() const;

    // Moves to the start of the first element called name; false at the end of the file.
    bool Find_Start(const std::string& name);

private:
    xmlTextReaderPtr reader;
};
