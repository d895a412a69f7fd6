#pragma once
// The wall pictures of every part of the world, each a seamless tile that the
// view repeats from its top-left corner.
#include "texture.h"

namespace duskmoor::art {

constexpr int kWallTileWidth = 128;
constexpr int kWallTileHeight = 64;

Image TownWall();      // Verezeve: dressed sandstone ashlar
Image GardenWall();    // the gardens and the estate: old brick under ivy
Image TempleWall();    // the temple, the theatre, the prison yard: veined marble
Image BarracksWall();  // the barracks, the maze, the chamber: rough granite blocks
Image CryptWall();     // the park, the crypt, the pit: mossy rubble stone
Image RuinWall();      // the ruins, the foyer, the lair: cracked, crumbling blocks
Image RizevozWall();   // Rizevoz: dark purple-grey dungeon blocks
Image CaveWall();      // the North Caves: raw rock
Image TrogWall();      // the Troglodyte Camp: a palisade of lashed logs

}  // namespace duskmoor::art
