#pragma once

#include <sys/types.h>

#include <ctime>
#include <map>
#include <mutex>
#include <string>

// What the option reader learnt from each data file, kept for as long as the
// file's content stays the same: the text of the first node of every name
// (for files that read through without a single error) and whether it
// validated (with the same DTD content). Every question checks the file
// first: by its inode, size and times once it has been left alone for a few
// seconds, by its bytes before that, since a rewrite within the file
// system's clock tick keeps the times. Any thread may ask.
class XML_File_Cache {
public:
    enum class Lookup { Uncached, Absent, Found };

    static XML_File_Cache& Instance();

    // Found (text: the node's text, "" when it has none) or Absent for a file
    // that reads cleanly; Uncached for a missing, unreadable or faulty one,
    // which the caller reads the long way.
    Lookup Find_Option(const std::string& filename, const char* name, std::string& text);

    // Did the file, as it is now, validate against its DTD as it is now?
    bool Known_Valid(const std::string& filename);
    // The file just validated against dtdPath ("" when it names none).
    void Remember_Valid(const std::string& filename, const std::string& dtdPath);

    void Clear();

    // Seconds a file must have been left alone before its times alone vouch for its content.
    static constexpr time_t Settle_Seconds = 2;
    // Bytes beyond which a file's options are left to the reader the long way.
    static constexpr off_t Largest_Read_Through = 512 * 1024;

private:
    XML_File_Cache() = default;

    struct Stamp {
        dev_t Device = 0;
        ino_t Inode = 0;
        off_t Size = 0;
        timespec Modified{};
        timespec Changed{};
        bool operator==(const Stamp& other) const;
    };
    // One file's content as last seen, numbered by a generation that changes with it.
    struct Snapshot {
        Stamp When_Read;
        bool Settled = false;
        std::string Bytes; // kept until settled, to compare with
        unsigned long Generation = 0;
    };
    struct Options {
        unsigned long Generation = 0;
        bool Clean = false;
        std::map<std::string, std::string> First_Text;
    };
    struct Validity {
        unsigned long Generation = 0;
        std::string Dtd;
        unsigned long Dtd_Generation = 0;
    };

    // The generation of the file's present content; 0 when it can't be read.
    unsigned long Current(const std::string& filename);
    static void Read_Through(const std::string& filename, Options& options);

    std::mutex Mutex;
    unsigned long Last_Generation = 0;
    std::map<std::string, Snapshot> Snapshots;
    std::map<std::string, Options> Option_Files;
    std::map<std::string, Validity> Valid_Files;
};
