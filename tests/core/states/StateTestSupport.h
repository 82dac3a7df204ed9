#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "core/Engine.h"
#include "core/StateMachine.h"
#include "core/ZDepth.h"
#include "engine/HgeImpl.h"
#include "engine/hge.h"

namespace statetest {

// Copies the shipped fonts, pictures and data files into `install`, leaving
// out the files named in `skip` (bare names).
inline void installShipped(test::Installation& install, const std::string& skip = "") {
    namespace fs = std::filesystem;
    for (const char* folder : {"fnt", "gfx", "xml"}) {
        for (const auto& entry :
             fs::directory_iterator(fs::path(FISCORA_SOURCE_DIR) / "data" / folder)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file() && name != skip) {
                install.addFile(folder, name, test::readFile(entry.path().string()));
            }
        }
    }
}

// The game's engine, started headless as the entry point starts it, with an
// optional autopilot script; frames run one at a time. Whatever content is
// mounted when it is made is what the game reads.
class Game {
public:
    explicit Game(const std::string& script = "") {
        if (!script.empty()) {
            test::writeFile(m_dir.path() + "/script.txt", script);
            setenv("FISCORA_AUTOPILOT", (m_dir.path() + "/script.txt").c_str(), 1);
        }
        ZDepth::readFile();
        m_ok = Engine::instance()->init(true);
        unsetenv("FISCORA_AUTOPILOT");
    }
    ~Game() { StateMachine::instance()->changeState(nullptr); }

    bool ok() const { return m_ok; }

    // Runs `count` frames: scripted input, the frame's work and its drawing.
    // False when a frame asked to end the program.
    bool frames(int count = 1) {
        bool running = true;
        for (int i = 0; running && i < count; ++i) {
            engine::HgeImpl::current()->beginInputFrame();
            running = !Engine::instance()->runFrame();
            Engine::instance()->drawFrame();
        }
        return running;
    }

    HGE* hge() const { return Engine::instance()->getHge(); }

private:
    test::TempDir m_dir;
    bool m_ok = false;
};

}  // namespace statetest
