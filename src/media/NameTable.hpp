#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace GLINT {
namespace SDL {

// Rows of (our number, SDL value, name), looked up in all four directions.
// A miss gives number 0, the empty name or a value-initialised SDL value,
// which is what the configuration files and the handlers expect for "nothing".
template <class SDLValue> class NameTable {
public:
    struct Row {
        int number;
        SDLValue sdl;
        std::string name;
    };

    explicit NameTable(std::vector<Row> rows) : rows(std::move(rows)) {
        for (std::size_t i = 0; i < this->rows.size(); ++i) {
            const Row& row = this->rows[i];
            // A clash would make the round trips lie; catch it where the table is written.
            if (!byNumber.emplace(row.number, i).second || !byName.emplace(row.name, i).second ||
                !bySDL.emplace(row.sdl, i).second)
                throw std::logic_error("NameTable : duplicate row " + row.name);
        }
    }

    int number(const std::string& name) const {
        auto it = byName.find(name);
        return it == byName.end() ? 0 : rows[it->second].number;
    }

    const std::string& name(int number) const {
        static const std::string none;
        auto it = byNumber.find(number);
        return it == byNumber.end() ? none : rows[it->second].name;
    }

    int fromSDL(SDLValue value) const {
        auto it = bySDL.find(value);
        return it == bySDL.end() ? 0 : rows[it->second].number;
    }

    SDLValue toSDL(int number) const {
        auto it = byNumber.find(number);
        return it == byNumber.end() ? SDLValue() : rows[it->second].sdl;
    }

    const std::vector<Row>& allRows() const { return rows; }

private:
    std::vector<Row> rows;
    std::unordered_map<int, std::size_t> byNumber;
    std::unordered_map<std::string, std::size_t> byName;
    std::map<SDLValue, std::size_t> bySDL;
};

} // namespace SDL
} // namespace GLINT
