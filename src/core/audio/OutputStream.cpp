#include "core/audio/OutputStream.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>

#include "core/Log.h"

namespace audio {

namespace {

Mix_MusicType musicType(FileFormat format) {
    switch (format) {
        case FF_WAV:
            return MUS_WAV;
        case FF_OGG:
            return MUS_OGG;
        case FF_MP3:
            return MUS_MP3;
        case FF_AUTODETECT:
            break;
    }
    return MUS_NONE;
}

float clampVolume(float volume) {
    return volume < 0.0f ? 0.0f : (volume > 1.0f ? 1.0f : volume);
}

}  // namespace

OutputStream::OutputStream(DevicePtr device, Mix_Music* music, SampleSourcePtr source)
    : m_device(std::move(device)), m_music(music), m_source(std::move(source)) {}

OutputStream::~OutputStream() {
    if (ownsMusic()) {
        Mix_HaltMusic();
        m_device->setMusicOwner(nullptr);
    }
    if (m_music) {
        Mix_FreeMusic(m_music);
    }
}

bool OutputStream::ownsMusic() const {
    return m_music && m_device->getMusicOwner() == this;
}

bool OutputStream::isPlaying() const {
    return m_playing && ownsMusic() && Mix_PlayingMusic() != 0;
}

double OutputStream::trackedPosition() const {
    double position = m_position + (SDL_GetTicks() - m_startTicks) / 1000.0;
    const double length = getLength();
    if (length > 0.0 && position >= length) {
        position = m_repeat ? std::fmod(position, length) : length;
    }
    return position;
}

double OutputStream::getPosition() const {
    if (!m_playing || !ownsMusic()) {
        return m_position;
    }
    const double position = Mix_GetMusicPosition(m_music);
    return position >= 0.0 ? position : trackedPosition();
}

void OutputStream::setPosition(double seconds) {
    m_position = seconds < 0.0 ? 0.0 : seconds;
    if (isPlaying()) {
        if (Mix_SetMusicPosition(m_position) != 0) {
            Log::debug("audio::OutputStream::setPosition") << "cannot seek: " << Mix_GetError();
        }
        m_startTicks = SDL_GetTicks();
    }
}

double OutputStream::getLength() const {
    const double length = m_music ? Mix_MusicDuration(m_music) : -1.0;
    return length > 0.0 ? length : 0.0;
}

void OutputStream::yieldMusic() {
    if (!ownsMusic()) {
        return;
    }
    if (m_playing) {
        if (Mix_PlayingMusic()) {
            m_position = getPosition();
        } else if (!m_repeat) {
            // It ran to its end: the next play starts it afresh.
            m_position = 0.0;
        }
    }
    Mix_HaltMusic();
    m_playing = false;
    m_device->setMusicOwner(nullptr);
}

void OutputStream::play() {
    if (!m_music || isPlaying()) {
        return;
    }
    // A stream that ran to its end, or another stream, gives the music up.
    yieldMusic();
    if (OutputStream* other = m_device->getMusicOwner()) {
        other->yieldMusic();
    }
    const int loops = m_repeat ? -1 : 0;
    const double length = getLength();
    if (length > 0.0 && m_position >= length) {
        m_position = m_repeat ? std::fmod(m_position, length) : 0.0;
    }
    Mix_VolumeMusic(static_cast<int>(std::lround(m_volume * MIX_MAX_VOLUME)));
    int result = Mix_FadeInMusicPos(m_music, loops, 0, m_position);
    if (result != 0 && m_position > 0.0) {
        // This decoder cannot seek: better from the top than not at all.
        Log::debug("audio::OutputStream::play") << "cannot resume: " << Mix_GetError();
        m_position = 0.0;
        result = Mix_FadeInMusicPos(m_music, loops, 0, 0.0);
    }
    if (result != 0) {
        Log::warning("audio::OutputStream::play") << "unable to play music: " << Mix_GetError();
        return;
    }
    m_device->setMusicOwner(this);
    m_playing = true;
    m_startTicks = SDL_GetTicks();
}

void OutputStream::stop() {
    if (!m_music) {
        return;
    }
    if (ownsMusic()) {
        yieldMusic();
    }
    m_playing = false;
}

void OutputStream::setVolume(float volume) {
    m_volume = clampVolume(volume);
    if (ownsMusic()) {
        Mix_VolumeMusic(static_cast<int>(std::lround(m_volume * MIX_MAX_VOLUME)));
    }
}

OutputStreamPtr OpenSound(const DevicePtr& device, const SampleSourcePtr& source,
                          bool /*streaming*/) {
    if (!device || !source) {
        return nullptr;
    }
    if (!device->isOpen()) {
        return std::make_shared<OutputStream>(device, nullptr, source);
    }
    const File& file = *source->getFile();
    SDL_RWops* ops = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
    Mix_Music* music = ops ? Mix_LoadMUSType_RW(ops, musicType(source->getFormat()), 1) : nullptr;
    if (!music) {
        Log::debug("audio::OpenSound") << "cannot decode: " << Mix_GetError();
        return nullptr;
    }
    return std::make_shared<OutputStream>(device, music, source);
}

}  // namespace audio
