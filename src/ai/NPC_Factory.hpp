#pragma once

#include <memory>
#include <stdexcept>
#include <vector>

#include "ai/Character_Factory.hpp"
#include "characters/Attitudes.hpp"
#include "characters/Character.hpp"
#include "shell/Error_Chain.hpp"

// The NPCs of one kind, one at each start position of their description;
// each guard takes the next patrol of the file.
template <class T>
class NPC_Factory : public Character_Factory<T> {
public:

    NPC_Factory() {
        Chain_Errors("Error in NPC_Factory Constructor", "Unhandled Error in NPC_Factory Constructor", [&] {
            Character::Get_CH_Infos_From_Desc_File(Character_Factory<T>::Description_File, *this->Template, this->Initial_Positions,
                                                   this->Patrol_Paths, this->Primary_Sheets, this->Secondary_Sheets);
            this->Template->CH_Characteristics->Character_Type = NPC_Type;
        });
    }

    std::vector<Character_Base*>& Create_Characters(BattleField& battlefield, std::vector<Character_Base*>&,
                                                    Actionables_Manager* actionables) override {
        return Chain_Errors("From NPC_Factory::Create_Characters(), ", "Unhandled Error In NPC_Factory::Create_Characters()",
                            [&]() -> std::vector<Character_Base*>& {
                                if (this->Initial_Positions.empty())
                                    throw std::logic_error("Trying to create NPC w a list of Positions empty");
                                for (const GLINT::SDL::Point& position : this->Initial_Positions) {
                                    this->Template->X = position.getx();
                                    this->Template->Y = position.gety();
                                    std::unique_ptr<T> npc(new T(*this->Template));
                                    Attitudes& attitudes = *npc->Infos().CH_Attitudes;
                                    if (attitudes.Default_Attitude == Attitudes::Guard && !this->Patrol_Paths.empty()) {
                                        attitudes.Guard_Path = this->Patrol_Paths.front();
                                        this->Patrol_Paths.pop_front();
                                    }
                                    npc->Finish_Set_Up(this->Primary_Sheets, this->Secondary_Sheets, &battlefield,
                                                       actionables);
                                    this->Characters.push_back(npc.release());
                                }
                                return this->Characters;
                            });
    }
};
