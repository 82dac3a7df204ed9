#pragma once

#include <string>

#include "core/Singleton.h"
#include "core/SoundBase.h"

// The music: one looping track at a time. A track that is stopped and
// played again resumes where it stopped.
class StreamPlayer : public SoundBase<int, audio::OutputStreamPtr>, public Singleton<StreamPlayer> {
    friend class Singleton<StreamPlayer>;

public:
    // Both bases have an exists(): the key check and the singleton's.
    using SoundBase::exists;
    using Singleton<StreamPlayer>::exists;

    // Switches to `key`: the current track stops and `key` starts (unless
    // muted, which leaves the current track as it is). Playing the current
    // key again resumes it when it was stopped.
    void play(const int& key) override;

    // Reads `file` and opens a looping stream on it under `key`. A missing or
    // undecodable file is logged and leaves the key empty.
    void load(int key, const std::string& file, audio::FileFormat format);

    // The track that plays, or played last.
    int getCurrent() const { return m_current; }

private:
    StreamPlayer();
    ~StreamPlayer() override = default;

    int m_current = 0;
};
