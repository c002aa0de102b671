#include "data/XML_File_Cache.hpp"

#include <libxml/xmlreader.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

bool Read_Bytes(const std::string& filename, std::string& bytes) {
    std::FILE* in = std::fopen(filename.c_str(), "rb");
    if (!in)
        return false;
    bytes.clear();
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        bytes.append(buffer, n);
    const bool ok = !std::ferror(in);
    std::fclose(in);
    return ok;
}

bool Readable(const std::string& filename) {
    const int fd = open(filename.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

bool Same_Time(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

} // namespace

bool XML_File_Cache::Stamp::operator==(const Stamp& other) const {
    return Device == other.Device && Inode == other.Inode && Size == other.Size &&
           Same_Time(Modified, other.Modified) && Same_Time(Changed, other.Changed);
}

XML_File_Cache& XML_File_Cache::Instance() {
    static XML_File_Cache cache;
    return cache;
}

void XML_File_Cache::Clear() {
    std::lock_guard<std::mutex> lock(Mutex);
    Snapshots.clear();
    Option_Files.clear();
    Valid_Files.clear();
}

unsigned long XML_File_Cache::Current(const std::string& filename) {
    struct stat info;
    if (stat(filename.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return 0;
    Stamp stamp;
    stamp.Device = info.st_dev;
    stamp.Inode = info.st_ino;
    stamp.Size = info.st_size;
    stamp.Modified = info.st_mtim;
    stamp.Changed = info.st_ctim;

    Snapshot& snapshot = Snapshots[filename];
    if (snapshot.Generation != 0 && snapshot.Settled && snapshot.When_Read == stamp)
        return snapshot.Generation;
    // Times taken before the bytes: a write after them shows in the next stamp.
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const time_t newest = std::max(stamp.Modified.tv_sec, stamp.Changed.tv_sec);
    const bool settled = now.tv_sec - newest > Settle_Seconds;
    if (settled && (snapshot.Generation == 0 || snapshot.Settled)) {
        // Nothing to compare the bytes with: the new stamp alone says new content, and the bytes
        // need not be read (the map alone is megabytes).
        if (!Readable(filename)) {
            Snapshots.erase(filename);
            return 0;
        }
        snapshot.Generation = ++Last_Generation;
        snapshot.When_Read = stamp;
        snapshot.Settled = true;
        std::string().swap(snapshot.Bytes);
        return snapshot.Generation;
    }
    std::string bytes;
    if (!Read_Bytes(filename, bytes)) {
        Snapshots.erase(filename);
        return 0;
    }
    // Settled content had its bytes dropped: a new stamp is taken for new content.
    if (snapshot.Generation == 0 || snapshot.Settled || bytes != snapshot.Bytes)
        snapshot.Generation = ++Last_Generation;
    snapshot.When_Read = stamp;
    snapshot.Settled = settled;
    if (snapshot.Settled)
        std::string().swap(snapshot.Bytes);
    else
        snapshot.Bytes = std::move(bytes);
    return snapshot.Generation;
}

void XML_File_Cache::Read_Through(const std::string& filename, Options& options) {
    options.First_Text.clear();
    options.Clean = false;
    struct Errors {
        static void On_Error(void* seen, xmlErrorPtr) { *static_cast<bool*>(seen) = true; }
    };
    bool faulty = false;
    std::unique_ptr<xmlTextReader, void (*)(xmlTextReaderPtr)> reader(
        xmlReaderForFile(filename.c_str(), nullptr, XML_PARSE_NOBLANKS), xmlFreeTextReader);
    if (!reader)
        return;
    xmlTextReaderSetStructuredErrorHandler(reader.get(), &Errors::On_Error, &faulty);
    int status;
    while ((status = xmlTextReaderRead(reader.get())) == 1) {
        const xmlChar* name = xmlTextReaderConstName(reader.get());
        std::string key = name ? reinterpret_cast<const char*>(name) : "";
        if (options.First_Text.count(key))
            continue;
        // The node's text as a fresh reader stopped here would give it.
        std::unique_ptr<xmlChar, void (*)(void*)> text(xmlTextReaderReadString(reader.get()), xmlFree);
        options.First_Text.emplace(std::move(key), text ? reinterpret_cast<const char*>(text.get()) : "");
    }
    options.Clean = status == 0 && !faulty;
    if (!options.Clean)
        options.First_Text.clear();
}

XML_File_Cache::Lookup XML_File_Cache::Find_Option(const std::string& filename, const char* name,
                                                   std::string& text) {
    std::lock_guard<std::mutex> lock(Mutex);
    const unsigned long generation = Current(filename);
    // A big file (the map) is read for a few options near its top: reading
    // it through would cost more than it saves.
    if (generation == 0 || Snapshots[filename].When_Read.Size > Largest_Read_Through)
        return Lookup::Uncached;
    Options& options = Option_Files[filename];
    if (options.Generation != generation) {
        Read_Through(filename, options);
        options.Generation = generation;
    }
    if (!options.Clean)
        return Lookup::Uncached;
    const auto node = options.First_Text.find(name ? name : "");
    if (node == options.First_Text.end())
        return Lookup::Absent;
    text = node->second;
    return Lookup::Found;
}

bool XML_File_Cache::Known_Valid(const std::string& filename) {
    std::lock_guard<std::mutex> lock(Mutex);
    const auto known = Valid_Files.find(filename);
    if (known == Valid_Files.end())
        return false;
    const Validity& validity = known->second;
    return Current(filename) == validity.Generation &&
           (validity.Dtd.empty() || Current(validity.Dtd) == validity.Dtd_Generation);
}

void XML_File_Cache::Remember_Valid(const std::string& filename, const std::string& dtdPath) {
    std::lock_guard<std::mutex> lock(Mutex);
    Validity validity;
    validity.Generation = Current(filename);
    validity.Dtd = dtdPath;
    validity.Dtd_Generation = dtdPath.empty() ? 0 : Current(dtdPath);
    if (validity.Generation == 0 || (!dtdPath.empty() && validity.Dtd_Generation == 0)) {
        Valid_Files.erase(filename);
        return;
    }
    Valid_Files[filename] = validity;
}
