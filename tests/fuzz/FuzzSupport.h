// Shared set-up of the fuzz targets: each process has a fresh folder of its
// own holding a small installation "<root>/game" + "game.info" +
// "data/<folder>", and a folder named "log.log" there, so that the game's
// log, opened in that folder, has no file to write (a fuzzer would write
// millions of lines). The working folder stays the caller's, so that paths
// given to the fuzzer keep their meaning.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/Log.h"
#include "resource/ResourceManager.h"

namespace fuzz {

namespace fs = std::filesystem;

inline void writeFile(const fs::path& path, const uint8_t* data, size_t size) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline void writeFile(const fs::path& path, const std::string& text) {
    writeFile(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

inline std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A shipped data file, e.g. shipped("xml/gui.xml").
inline std::string shipped(const std::string& relative) {
    return readFile(fs::path(FISCORA_SOURCE_DIR) / "data" / relative);
}

// The process's own working folder and installation, made on first use.
class Sandbox {
public:
    static Sandbox& get() {
        static Sandbox sandbox;
        return sandbox;
    }
    const fs::path& root() const { return m_root; }
    fs::path content(const std::string& folder) const { return m_root / "data" / folder; }
    fs::path sideFile() const { return m_root / "game.info"; }
    // The next resource manager reads this installation; the old one goes.
    void remount() const {
        resource::Manager::destroy();
        resource::Manager::setExecutablePath((m_root / "game").string());
    }

private:
    Sandbox() {
        // Under $TMPDIR: tools/fuzz.sh points it at the build folder and
        // clears it after each run (libFuzzer ends without running atexit).
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/fiscora-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern.data());
        if (!made) {
            std::abort();
        }
        m_root = made;
        fs::create_directories(m_root / "log.log");
        for (const char* folder : {"bin", "fnt", "gfx", "psi", "snd", "txt", "usr", "xml"}) {
            fs::create_directories(content(folder));
        }
        writeFile(sideFile(), "data/ folders\n");
        const fs::path caller = fs::current_path();
        fs::current_path(m_root);
        Log::instance();
        fs::current_path(caller);
    }
    fs::path m_root;
};

}  // namespace fuzz
