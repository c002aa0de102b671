#pragma once

#include "Image.hpp"

#include <string>

// Ground terrains drawn over the default grass. Each has a tileset of
// corner-based border pieces: a piece's mask says which of its four corners
// (bit 1 top-left, 2 top-right, 4 bottom-left, 8 bottom-right) lie in the
// terrain, so neighbouring pieces always meet along one wavy border.
//
// Tileset layout, 32 x 32 cells, 4 columns x 6 rows:
//   rows 0-3: the piece of mask (row * 4 + column); mask 0 holds a plain variant;
//   rows 4-5: eight more plain (mask 15) variants.
class GroundTileset {
public:
    enum Terrain { Withered, Earth, Sand, Snow, Way, River, Lake, Lava, Moutain, TerrainCount };
    static constexpr int Tile = 32;
    static constexpr int Columns = 4;
    static constexpr int Rows = 6;
    static constexpr int PlainVariants = 10;

    // The type name the game's rules know ("Moutain" is spelled the game's way).
    static const char* typeName(Terrain t);
    // Short file stem, e.g. "Earth", "Mountain".
    static const char* stem(Terrain t);

    static Image tileset(Terrain t);
    // The grass drawn under everything: a seamless 256 x 256 texture.
    static Image defaultGrass();
    static constexpr int GrassSize = 256;

    // Is pixel (x, y) of the piece with this corner mask inside the terrain?
    static bool inside(Terrain t, int mask, int x, int y);
    // The tileset cell (column, row) of a piece; plain pieces pick one of
    // the variants by `variant`.
    static void cell(int mask, int variant, int& column, int& row);
    // Bounding box of the terrain's pixels in a piece, for collision.
    static void box(Terrain t, int mask, int& x, int& y, int& w, int& h);
    // Plain variants come in three lights (mountain, snow and sand): picks a
    // variant of the light matching `light` (-1 shaded .. 1 lit).
    static int reliefVariant(double light, int hash);
};
