#pragma once

#include <vector>

// The keys by which the game plays its sounds.
struct SoundKey {
    static constexpr int ButtonClick = 0;
    static constexpr int Buy = 1;
    static constexpr int DialoguePopup = 2;
    static constexpr int Door = 3;
    static constexpr int EventIconPopup = 4;
    static constexpr int Finish = 5;
    static constexpr int FurnitureCantPlace = 6;
    static constexpr int FurnitureLift = 7;
    static constexpr int FurnitureList = 8;
    static constexpr int FurniturePlace = 9;
    static constexpr int FurnitureRotate = 10;
    static constexpr int FurnitureSell = 11;
    static constexpr int ApartmentMusic = 12;
    static constexpr int CityMusic = 13;
    static constexpr int Store1Music = 14;
    static constexpr int Store2Music = 15;
};

struct GameSound {
    int key;
    const char* file;
    bool music;  // streamed by the StreamPlayer, else an effect of the SoundPlayer
};

// The sixteen sounds of the game in key order.
const std::vector<GameSound>& gameSounds();

// Registers every game sound with its player, creating the players. A
// missing or broken file is logged and its key stays empty.
void registerGameSounds();
