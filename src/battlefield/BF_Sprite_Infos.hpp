#pragma once

// One sprite placed on a map layer; its position is the layer's key.
class BF_Sprite_Infos {
public:
    BF_Sprite_Infos(int id, int subType, int orientation) : Id(id), SubType(subType), Orientation(orientation) {}

    int Id;          // key into the layer's sprite mapping
    int SubType;     // tileset row
    int Orientation; // tileset column
};
