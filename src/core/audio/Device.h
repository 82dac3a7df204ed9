#pragma once

#include <memory>
#include <string>

namespace audio {

class OutputStream;

// The audio output. SDL_mixer has one output per process, so every
// OpenDevice() hands out the same device while anyone holds it. When the
// output cannot open, the device stays closed and everything made on it is
// silent, so the game runs on without sound.
class Device {
public:
    Device();
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    bool isOpen() const { return m_open; }

    // SDL_mixer plays one music at a time: the stream that holds it now.
    OutputStream* getMusicOwner() const { return m_musicOwner; }
    void setMusicOwner(OutputStream* stream) { m_musicOwner = stream; }

private:
    bool m_open = false;
    bool m_subsystem = false;
    OutputStream* m_musicOwner = nullptr;
};

using DevicePtr = std::shared_ptr<Device>;

// The shared output device. Name and parameters are accepted for the
// callers' sake; the output is SDL's default (its dummy driver when
// FISCORA_HEADLESS=1).
DevicePtr OpenDevice(const std::string& name = "", const std::string& parameters = "");

}  // namespace audio
