#include "core/SoundRegistry.h"

#include "core/SoundPlayer.h"
#include "core/StreamPlayer.h"

const std::vector<GameSound>& gameSounds() {
    static const std::vector<GameSound> sounds = {
        {SoundKey::ButtonClick, "button_click.wav", false},
        {SoundKey::Buy, "buy.wav", false},
        {SoundKey::DialoguePopup, "dialogue_popup.wav", false},
        {SoundKey::Door, "door.wav", false},
        {SoundKey::EventIconPopup, "eventicon_popup.wav", false},
        {SoundKey::Finish, "finish.wav", false},
        {SoundKey::FurnitureCantPlace, "furniture_cantplace.wav", false},
        {SoundKey::FurnitureLift, "furniture_lift.wav", false},
        {SoundKey::FurnitureList, "furniture_list.wav", false},
        {SoundKey::FurniturePlace, "furniture_place.wav", false},
        {SoundKey::FurnitureRotate, "furniture_rotate.wav", false},
        {SoundKey::FurnitureSell, "furniture_sell.wav", false},
        {SoundKey::ApartmentMusic, "apartment.mp3", true},
        {SoundKey::CityMusic, "city.mp3", true},
        {SoundKey::Store1Music, "store1.mp3", true},
        {SoundKey::Store2Music, "store2.mp3", true},
    };
    return sounds;
}

void registerGameSounds() {
    SoundPlayer* effects = SoundPlayer::instance();
    StreamPlayer* music = StreamPlayer::instance();
    for (const GameSound& sound : gameSounds()) {
        if (sound.music) {
            music->load(sound.key, sound.file, audio::FF_MP3);
        } else {
            effects->load(sound.key, sound.file, audio::MULTIPLE, audio::FF_WAV);
        }
    }
}
