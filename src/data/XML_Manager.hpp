#pragma once

#include <functional>
#include <string>

class XML_Node_Walker;

// Reads single options out of the game's XML data files. Each call answers as
// if it opened the file, read it from the start and closed it; what a file
// gave is remembered while its content stays the same (XML_File_Cache), so
// the start reads each file through once. Any thread may call it. An option
// is the first element in document order with the given name, whatever its
// depth.
class XML_Manager {
public:
    XML_Manager() = delete;

    // Throws unless the file parses and validates against the DTD it names.
    static void Validate_File(const std::string& filename);
    // Hands walk a walker over the file and validates the file in the same pass, throwing as
    // Validate_File would (before anything walk throws); for a big file read through anyway.
    static void Validate_While_Walking(const std::string& filename,
                                       const std::function<void(XML_Node_Walker&)>& walk);
    // False for a missing or unreadable file as for a missing element.
    static bool Check_Node_Exists(const std::string& filename, const char* name);
    // The element's text content; throws when the file or the element is missing.
    static std::string Get_Option_String(const std::string& filename, const char* name);
    // The leading number of the element's text; -1 when it has none.
    static int Get_Option_Value(const std::string& filename, const char* name);
    static long Get_Option_Value_Long(const std::string& filename, const char* name);
};
