#pragma once

#include <string>

typedef struct _xmlTextReader* xmlTextReaderPtr;

// Walks an XML file node by node in document order, dropping blank text:
// for the readers of lists (map layers, start positions, patrols).
class XML_Node_Walker {
public:
    // Validate: the reader loads the file's DTD and validates as it goes (XML_Manager checks the outcome).
    enum class Check { None, Validate };

    explicit XML_Node_Walker(const std::string& path, Check check = Check::None);
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
    // The current node's text, all its descendants' for an element.
    std::string Text() const;
    // The same text, read by walking on to the element's end, where the walker stops: a plain pass
    // instead of the look-ahead Text() makes, for readers of many small elements (the map).
    std::string Read_Text();

    // Moves to the start of the first element called name; false at the end of the file.
    bool Find_Start(const std::string& name);

    // The file the document's external DTD comes from, "" while the reader has seen none.
    static std::string Dtd_Path(xmlTextReaderPtr reader);

private:
    // XML_Manager finishes a validating walk from where the walker stopped.
    friend class XML_Manager;

    xmlTextReaderPtr reader;
    // The last read's outcome: 1 read a node, 0 the end of the file, -1 an error.
    int status = 1;
    bool validating;
    // The file the document's DTD comes from, once a validating walk has seen it.
    std::string dtd;
};
