#include "XmlWriter.hpp"

XmlWriter::XmlWriter(const std::string& root, const std::string& dtdSystemId) {
    out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out_ += "<!DOCTYPE " + root + " SYSTEM \"" + dtdSystemId + "\">\n";
    out_ += "<" + root + ">\n";
    stack_.push_back(root);
}

void XmlWriter::indent() { out_.append(stack_.size() * 2, ' '); }

XmlWriter& XmlWriter::open(const std::string& name) {
    indent();
    out_ += "<" + name + ">\n";
    stack_.push_back(name);
    return *this;
}

XmlWriter& XmlWriter::close() {
    std::string name = stack_.back();
    stack_.pop_back();
    indent();
    out_ += "</" + name + ">\n";
    return *this;
}

XmlWriter& XmlWriter::leaf(const std::string& name, const std::string& text) {
    indent();
    out_ += "<" + name + ">" + escape(text) + "</" + name + ">\n";
    return *this;
}

XmlWriter& XmlWriter::leaf(const std::string& name, long value) {
    return leaf(name, std::to_string(value));
}

XmlWriter& XmlWriter::comment(const std::string& text) {
    indent();
    out_ += "<!-- " + text + " -->\n";
    return *this;
}

std::string XmlWriter::finish() {
    while (!stack_.empty())
        close();
    return out_;
}

std::string XmlWriter::escape(const std::string& text) {
    std::string r;
    for (char c : text) {
        switch (c) {
        case '&': r += "&amp;"; break;
        case '<': r += "&lt;"; break;
        case '>': r += "&gt;"; break;
        case '"': r += "&quot;"; break;
        default: r += c;
        }
    }
    return r;
}
