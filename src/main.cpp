#include <algorithm>
#include <string>
#include <vector>

#include "core/Camera.h"
#include "core/Engine.h"
#include "core/InputManager.h"
#include "core/Log.h"
#include "core/SoundRegistry.h"
#include "core/StateMachine.h"
#include "core/ZDepth.h"
#include "core/autoplay/Driver.h"
#include "core/states/MenuState.h"
#include "engine/hge.h"
#include "home/Room.h"
#include "resource/ResourceManager.h"
#include "sim/InfoManager.h"
#include "sim/Scenario.h"

namespace {

std::string joinArguments(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            line += ' ';
        }
        line += argv[i];
    }
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    const char* context = "WinMain";
    // The file system, the engine bridge and the camera (with the constants)
    // come first, in this order, as everything after reads through them.
    resource::Manager::instance();
    Engine::instance();
    Camera::instance();

    const std::string commandLine = joinArguments(argc, argv);
    Log::info(context) << commandLine;
    Log::info(context) << "version " << 4 << '.' << 1 << '.' << 7 << '.' << 3785;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // "-window" may stand beside other arguments, such as a class scenario.
    const bool windowed =
        std::find(arguments.begin(), arguments.end(), "-window") != arguments.end();
    Scenario::readArguments(arguments);

    ZDepth::readFile();
    Engine* engine = Engine::instance();
    Log::info(context) << "Initializing engine";
    // The players open their own audio devices; the window does not exist yet.
    registerGameSounds();

    int status = 0;
    if (!engine->init(windowed)) {
        Log::error(context) << "engine failed to init, aborting";
        status = 1;
    } else {
        Log::info(context) << "Starting engine";
        InputManager::setInputInterface("Keyboard");
        InfoManager::instance()->load("info.xml");
        StateMachine::instance()->changeState(GameState::MenuState::instance());
        autoplay::Driver::install();
        engine->getHge()->System_Start();
        autoplay::Driver::uninstall();
    }

    Log::info(context) << "shutting down";
    Room::destroy();
    Engine::destroy();
    return status;
}
