#pragma once
#include <cstdio>
#include <cstdlib>

#include "core/Engine.h"
#include "core/ZDepth.h"

namespace bench {

// The game's engine started headless, as the entry point starts it, with no
// sound device; false (and a line on stderr) when it could not start.
inline bool startHeadlessGame() {
    setenv("FISCORA_HEADLESS", "1", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ZDepth::readFile();
    if (!Engine::instance()->init(true)) {
        std::fprintf(stderr, "engine failed to start\n");
        return false;
    }
    return true;
}

}  // namespace bench
