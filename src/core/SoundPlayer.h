#pragma once

#include <string>

#include "core/Singleton.h"
#include "core/SoundBase.h"

// The sound effects: clicks, purchases, pop-ups. Plays of one effect overlap.
class SoundPlayer : public SoundBase<int, audio::SoundEffectPtr>, public Singleton<SoundPlayer> {
    friend class Singleton<SoundPlayer>;

public:
    // Both bases have an exists(): the key check and the singleton's.
    using SoundBase::exists;
    using Singleton<SoundPlayer>::exists;

    // Reads `file` and decodes it into an effect under `key`. A missing or
    // undecodable file is logged and leaves the key empty.
    void load(int key, const std::string& file, audio::SoundEffectType type,
              audio::FileFormat format);

private:
    SoundPlayer();
    ~SoundPlayer() override = default;
};
