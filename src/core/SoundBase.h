#pragma once

#include <physfs.h>

#include <map>
#include <memory>
#include <string>

#include "core/Log.h"
#include "core/audio/Audio.h"
#include "resource/ResourceManager.h"

// The name that the players' log lines carry for each kind of sound table.
template <class V>
struct SoundBaseName {
    static const char* value() { return "SoundBase"; }
};
template <>
struct SoundBaseName<audio::SoundEffectPtr> {
    static const char* value() {
        return "SoundBase<int,class audiere::RefPtr<class audiere::SoundEffect> >";
    }
};
template <>
struct SoundBaseName<audio::OutputStreamPtr> {
    static const char* value() {
        return "SoundBase<int,class audiere::RefPtr<class audiere::OutputStream> >";
    }
};

// A table of sounds by key over one audio device, with the files they were
// read from kept in memory. V is a shared handle to an effect or a stream.
template <class K, class V>
class SoundBase {
public:
    virtual ~SoundBase() = default;
    SoundBase(const SoundBase&) = delete;
    SoundBase& operator=(const SoundBase&) = delete;

    // Starts the sound when the player is enabled, the key exists and the
    // player is not muted.
    virtual void play(const K& key) {
        if (m_enabled && exists(key) && !m_muted) {
            m_sounds[key]->play();
        }
    }

    virtual void stop(const K& key) {
        if (exists(key)) {
            m_sounds[key]->stop();
        }
    }

    virtual void setVolume(const K& key, float volume) {
        if (exists(key)) {
            m_sounds[key]->setVolume(volume);
        }
    }

    // Takes effect at the next play: whatever sounds now goes on.
    virtual void setMuted(bool muted) { m_muted = muted; }

    // Reads the whole file into memory and keeps its bytes under its name.
    virtual audio::FilePtr openFile(const std::string& name) {
        PHYSFS_File* handle = nullptr;
        resource::Manager::instance()->getRaw(name, handle);
        if (!handle) {
            Log::error(context("openFile")) << "unable to open sound file, returning null";
            return nullptr;
        }
        PHYSFS_sint64 length = PHYSFS_fileLength(handle);
        auto bytes = std::make_shared<audio::Bytes>(length > 0 ? static_cast<size_t>(length) : 0);
        PHYSFS_sint64 got = 0;
        if (length > 0) {
            got = PHYSFS_readBytes(handle, bytes->data(), static_cast<PHYSFS_uint64>(length));
        }
        bytes->resize(got > 0 ? static_cast<size_t>(got) : 0);
        PHYSFS_close(handle);
        m_buffers[name] = bytes;
        return audio::CreateMemoryFile(bytes);
    }

    // Drops the kept bytes of `name`. A sound still made from them keeps its
    // own share, so it plays on safely.
    virtual void release(const std::string& name) { m_buffers.erase(name); }

    virtual void stopAll() {
        for (auto& entry : m_sounds) {
            entry.second->stop();
        }
    }

    virtual void clear() {
        stopAll();
        m_sounds.clear();
        m_buffers.clear();
    }

    virtual bool exists(const K& key) {
        if (m_sounds.count(key)) {
            return true;
        }
        Log::warning(context("exists")) << "no sound with key " << key << " found";
        return false;
    }

    void storeSound(const K& key, const V& object) {
        if (!object) {
            Log::error(context("storeSound")) << "got null value, wont store";
            return;
        }
        m_sounds[key] = object;
    }

    bool isEnabled() const { return m_enabled; }
    bool isMuted() const { return m_muted; }
    // The sound under `key`, or null; never logs.
    V find(const K& key) const {
        auto found = m_sounds.find(key);
        return found == m_sounds.end() ? V() : found->second;
    }
    size_t size() const { return m_sounds.size(); }
    // Whether the bytes of `name` are kept.
    bool holdsFile(const std::string& name) const { return m_buffers.count(name) != 0; }
    const audio::DevicePtr& getDevice() const { return m_device; }

protected:
    SoundBase() : m_device(audio::OpenDevice()) {}

    static std::string context(const char* method) {
        return std::string(SoundBaseName<V>::value()) + "::" + method;
    }

    std::map<K, V> m_sounds;
    bool m_enabled = true;
    bool m_muted = false;
    audio::DevicePtr m_device;
    std::map<std::string, audio::BytesPtr> m_buffers;
};
