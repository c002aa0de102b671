#pragma once

#include <string>
#include <vector>

// Builds a small XML document as text, indented, with a DOCTYPE that names
// its DTD by a relative path.
class XmlWriter {
public:
    XmlWriter(const std::string& root, const std::string& dtdSystemId);

    XmlWriter& open(const std::string& name);
    XmlWriter& close();
    XmlWriter& leaf(const std::string& name, const std::string& text);
    XmlWriter& leaf(const std::string& name, long value);
    XmlWriter& comment(const std::string& text);

    // Closes every open element and returns the document.
    std::string finish();

    static std::string escape(const std::string& text);

private:
    void indent();
    std::string out_;
    std::vector<std::string> stack_;
};
