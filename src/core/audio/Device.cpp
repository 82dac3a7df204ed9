#include "core/audio/Device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <cstring>

#include "core/Log.h"

namespace audio {

namespace {

// CD rate, stereo; 1024 frames keep effect latency near 23 ms.
const int kFrequency = 44100;
const int kOutputChannels = 2;
const int kChunkFrames = 1024;
// Room for overlapping plays of the same effect.
const int kMixChannels = 16;

bool headless() {
    const char* value = std::getenv("FISCORA_HEADLESS");
    return value && std::strcmp(value, "1") == 0;
}

}  // namespace

Device::Device() {
    const char* context = "audio::Device::Device";
    if (headless()) {
        // An SDL_AUDIODRIVER set by the user still wins over this hint.
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        Log::error(context) << "unable to start audio, sound is off: " << SDL_GetError();
        return;
    }
    m_subsystem = true;
    const int wanted = MIX_INIT_MP3 | MIX_INIT_OGG;
    if ((Mix_Init(wanted) & wanted) != wanted) {
        Log::warning(context) << "some decoders are missing: " << Mix_GetError();
    }
    if (Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, kOutputChannels, kChunkFrames) != 0) {
        Log::error(context) << "unable to open audio device, sound is off: " << Mix_GetError();
        return;
    }
    Mix_AllocateChannels(kMixChannels);
    m_open = true;
    Log::debug(context) << "audio device open on " << SDL_GetCurrentAudioDriver();
}

Device::~Device() {
    if (m_open) {
        Mix_HaltMusic();
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
    }
    if (m_subsystem) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

DevicePtr OpenDevice(const std::string& /*name*/, const std::string& /*parameters*/) {
    static std::weak_ptr<Device> shared;
    DevicePtr device = shared.lock();
    if (!device) {
        device = std::make_shared<Device>();
        shared = device;
    }
    return device;
}

}  // namespace audio
