#pragma once

#include "CharacterSheets.hpp"
#include "OutputTree.hpp"

#include <string>
#include <vector>

// Writes every character's sheets, animation files, animation-centre files
// and description files under Data/Characters/.
class CharacterWriter {
public:
    void write(OutputTree& out);
    // The sheets written, by set, for the contact sheet.
    struct SheetSet {
        std::string name;
        std::vector<std::pair<std::string, Image>> sheets;
    };
    const std::vector<SheetSet>& sets() const { return sets_; }

private:
    // Writes the seven sheets of one set and its animation-centre file;
    // returns the centre file's name (inside the folder).
    std::string writeSet(OutputTree& out, const std::string& folder, const std::string& prefix,
                         CharacterSheets::Cast cast, const std::string& style);
    void writePlayer(OutputTree& out);
    void writeNpcsAndMonsters(OutputTree& out);
    std::vector<SheetSet> sets_;
};
