#include "data/XML_Manager.hpp"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlreader.h>

#include <exception>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "data/XML_File_Cache.hpp"
#include "data/XML_Node_Walker.hpp"
#include "media/Logger.hpp"
#include "shell/Error_Chain.hpp"

namespace {

struct ReaderDeleter {
    void operator()(xmlTextReaderPtr reader) const { xmlFreeTextReader(reader); }
};
using Reader = std::unique_ptr<xmlTextReader, ReaderDeleter>;

struct XmlStringDeleter {
    void operator()(xmlChar* text) const { xmlFree(text); }
};

// libxml2 prints its diagnostics to stderr, in pieces, from whatever thread
// parses. While one of our calls runs, this thread's handlers collect them
// instead; the previous handlers come back afterwards. A failed validation
// sends what was collected to the game log as one entry.
class ErrorCapture {
public:
    ErrorCapture()
        : oldStructured(xmlStructuredError), oldStructuredContext(xmlStructuredErrorContext),
          oldGeneric(xmlGenericError), oldGenericContext(xmlGenericErrorContext) {
        xmlSetStructuredErrorFunc(this, &ErrorCapture::onStructured);
        xmlSetGenericErrorFunc(this, &ErrorCapture::onGeneric);
    }
    ~ErrorCapture() {
        xmlSetStructuredErrorFunc(oldStructuredContext, oldStructured);
        xmlSetGenericErrorFunc(oldGenericContext, oldGeneric);
    }
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    void attach(xmlTextReaderPtr reader) {
        xmlTextReaderSetStructuredErrorHandler(reader, &ErrorCapture::onReader, this);
    }

    void report(const std::string& filename) const {
        if (messages.empty())
            return;
        std::string text;
        for (const auto& [file, message] : messages) {
            // An error in another file (the DTD) names it: that is the file to mend.
            if (!file.empty() && file != filename && text.find(file) == std::string::npos)
                text += " in " + file + ":";
            text += message;
        }
        GLINT::SDL::GameLog.safeEntry("libxml2 on " + filename + " :" + text);
    }

private:
    static constexpr std::size_t maxMessages = 8;

    void add(const xmlError* error) {
        if (error == nullptr || error->message == nullptr || count++ >= maxMessages)
            return;
        std::string text = error->message;
        while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
            text.pop_back();
        messages.push_back({error->file ? error->file : "", " [line " + std::to_string(error->line) + "] " + text});
    }

    static void onStructured(void* self, xmlErrorPtr error) { static_cast<ErrorCapture*>(self)->add(error); }
    static void onReader(void* self, xmlErrorPtr error) { static_cast<ErrorCapture*>(self)->add(error); }
    // Unstructured messages come in fragments that mean little alone.
    static void onGeneric(void*, const char*, ...) {}

    xmlStructuredErrorFunc oldStructured;
    void* oldStructuredContext;
    xmlGenericErrorFunc oldGeneric;
    void* oldGenericContext;
    std::vector<std::pair<std::string, std::string>> messages;
    std::size_t count = 0;
};

void Init_Library() {
    // Once per process, and before any second thread uses the parser.
    static const bool done = (xmlInitParser(), true);
    (void)done;
}

std::string Option_Name(const char* name) { return name ? name : ""; }

// Moves the reader to the first node named name; false at the end of the
// document or on a read error.
bool Find_Node(xmlTextReaderPtr reader, const char* name) {
    const xmlChar* wanted = reinterpret_cast<const xmlChar*>(name ? name : "");
    while (xmlTextReaderRead(reader) == 1) {
        if (xmlStrcmp(xmlTextReaderConstName(reader), wanted) == 0)
            return true;
    }
    return false;
}

Reader Open_For_Options(const std::string& filename, ErrorCapture& capture) {
    Reader reader(xmlReaderForFile(filename.c_str(), nullptr, XML_PARSE_NOBLANKS));
    if (reader)
        capture.attach(reader.get());
    return reader;
}

// Reads a leading number the way a stream does; -1 when there is none.
template <class Number>
Number Parse_Leading_Number(const std::string& text) {
    Number result = -1;
    if (text.empty())
        return result;
    std::istringstream stream(text);
    Number parsed = 0;
    if (stream >> parsed)
        result = parsed;
    return result;
}

// Reads the rest of a validating reader's document (status: its last read's; dtd: the DTD seen so
// far) and throws unless it parsed and validated; on success, remembers that the file is valid as
// it is now.
void Finish_Validation(xmlTextReaderPtr reader, int status, std::string dtd, const std::string& filename,
                       const ErrorCapture& capture) {
    while (status == 1) {
        if (dtd.empty())
            dtd = XML_Node_Walker::Dtd_Path(reader);
        status = xmlTextReaderRead(reader);
    }
    // A document cut short is valid as far as it goes: the parse error decides.
    if (status == -1) {
        capture.report(filename);
        throw std::logic_error("Error Parsing file: " + filename);
    }
    if (xmlTextReaderIsValid(reader) != 1) {
        capture.report(filename);
        throw std::logic_error("File " + filename + " isn't valid");
    }
    XML_File_Cache::Instance().Remember_Valid(filename, dtd);
}

template <class Body> void Chain_Validation_Errors(const std::string& filename, Body&& body) {
    Chain_Errors("Error in XML_Manager::Validate_File(): ", " w filename: " + filename,
                 "Unhandled Error in XML_Manager::Validate_File() w filename: " + filename, body);
}

} // namespace

void XML_Manager::Validate_File(const std::string& filename) {
    Chain_Validation_Errors(filename, [&] {
        Init_Library();
        // The start validates some files several times over.
        if (XML_File_Cache::Instance().Known_Valid(filename))
            return;
        ErrorCapture capture;
        Reader reader(xmlReaderForFile(filename.c_str(), "UTF-8", XML_PARSE_DTDLOAD | XML_PARSE_DTDVALID));
        if (!reader)
            throw std::logic_error("File " + filename + " doesn't exist");
        capture.attach(reader.get());
        Finish_Validation(reader.get(), xmlTextReaderRead(reader.get()), "", filename, capture);
    });
}

void XML_Manager::Validate_While_Walking(const std::string& filename,
                                         const std::function<void(XML_Node_Walker&)>& walk) {
    Init_Library();
    if (XML_File_Cache::Instance().Known_Valid(filename)) {
        XML_Node_Walker walker(filename);
        walk(walker);
        return;
    }
    ErrorCapture capture;
    std::unique_ptr<XML_Node_Walker> walker;
    Chain_Validation_Errors(filename, [&] {
        walker.reset(new XML_Node_Walker(filename, XML_Node_Walker::Check::Validate));
        if (!walker->Opened())
            throw std::logic_error("File " + filename + " doesn't exist");
        capture.attach(walker->reader);
    });
    // The walk's own complaint counts only for a file that validates: a fault the validation
    // finds further on is the one to tell, as a validation before the walk would have.
    std::exception_ptr walkFailure;
    try {
        walk(*walker);
    } catch (...) {
        walkFailure = std::current_exception();
    }
    Chain_Validation_Errors(filename, [&] {
        Finish_Validation(walker->reader, walker->status, walker->dtd, filename, capture);
    });
    if (walkFailure)
        std::rethrow_exception(walkFailure);
}

bool XML_Manager::Check_Node_Exists(const std::string& filename, const char* name) {
    return Chain_Errors("Error in XML_Manager::Check_Node_Exists(): ", " w filename: " + filename,
                        "Unhandled Error in XML_Manager::Check_Node_Exists() w filename: " + filename, [&] {
                            Init_Library();
                            ErrorCapture capture;
                            std::string text;
                            const XML_File_Cache::Lookup cached =
                                XML_File_Cache::Instance().Find_Option(filename, name, text);
                            if (cached != XML_File_Cache::Lookup::Uncached)
                                return cached == XML_File_Cache::Lookup::Found;
                            Reader reader = Open_For_Options(filename, capture);
                            return reader && Find_Node(reader.get(), name);
                        });
}

std::string XML_Manager::Get_Option_String(const std::string& filename, const char* name) {
    const std::string option = Option_Name(name);
    return Chain_Errors(
        "Error in XML_Manager::Get_Option_String(): ", " w filename: " + filename + " & Option_Name: " + option,
        "Unhandled Error in XML_Manager::Get_Option_String() w filename: " + filename + " & Option_Name: " + option,
        [&] {
            Init_Library();
            ErrorCapture capture;
            std::string cachedText;
            switch (XML_File_Cache::Instance().Find_Option(filename, name, cachedText)) {
            case XML_File_Cache::Lookup::Found:
                return cachedText;
            case XML_File_Cache::Lookup::Absent:
                throw std::logic_error("Option: " + option + " Not Found In File: " + filename);
            case XML_File_Cache::Lookup::Uncached:
                break;
            }
            Reader reader = Open_For_Options(filename, capture);
            if (!reader)
                throw std::logic_error("Error While Reading File " + filename);
            if (!Find_Node(reader.get(), name))
                throw std::logic_error("Option: " + option + " Not Found In File: " + filename);
            std::unique_ptr<xmlChar, XmlStringDeleter> text(xmlTextReaderReadString(reader.get()));
            return text ? std::string(reinterpret_cast<const char*>(text.get())) : std::string();
        });
}

int XML_Manager::Get_Option_Value(const std::string& filename, const char* name) {
    const std::string option = Option_Name(name);
    return Chain_Errors(
        "Error in XML_Manager::Get_Option_Value(): ", " w filename: " + filename + " & Option_Name: " + option,
        "Unhandled Error in XML_Manager::Get_Option_Value() w filename: " + filename + " & Option_Name: " + option,
        [&] { return Parse_Leading_Number<int>(Get_Option_String(filename, name)); });
}

long XML_Manager::Get_Option_Value_Long(const std::string& filename, const char* name) {
    const std::string option = Option_Name(name);
    return Chain_Errors("Error in XML_Manager::Get_Option_Value_Long(): ",
                        " w filename: " + filename + " & Option_Name: " + option,
                        "Unhandled Error in XML_Manager::Get_Option_Value_Long() w filename: " + filename +
                            " & Option_Name: " + option,
                        [&] { return Parse_Leading_Number<long>(Get_Option_String(filename, name)); });
}
