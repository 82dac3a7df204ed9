// Frame cost of a scene with 300 registered sprites of which 100 are on
// screen, against a scene that registers only those 100: culling must make
// the off-screen ones nearly free. Headless, software renderer.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/Engine.h"
#include "core/Sprite.h"
#include "engine/hge.h"

namespace {

std::vector<std::unique_ptr<Sprite>> makeSprites(int onScreen, int offScreen) {
    std::vector<std::unique_ptr<Sprite>> sprites;
    for (int i = 0; i < onScreen + offScreen; ++i) {
        auto sprite = std::make_unique<Sprite>("gui_yes_button.png", hgeVector(52, 49));
        // World coordinates: the view spans -400..400 and -300..300.
        const float x = static_cast<float>(-380 + (i % 10) * 75);
        const float y = static_cast<float>(-280 + ((i / 10) % 10) * 55);
        sprite->setPosition(i < onScreen ? hgeVector(x, y) : hgeVector(x + 3000, y + 3000));
        sprites.push_back(std::move(sprite));
    }
    return sprites;
}

double microsecondsPerFrame(Engine* engine, int frames) {
    engine->drawFrame();  // warm-up
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) {
        engine->drawFrame();
    }
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::micro>(end - start).count() / frames;
}

}  // namespace

int main() {
    setenv("FISCORA_HEADLESS", "1", 1);
    Engine* engine = Engine::instance();
    if (!engine->init(true)) {
        std::fprintf(stderr, "engine failed to start\n");
        return 1;
    }
    const int frames = 200;
    double only100 = 0, with300 = 0;
    {
        auto sprites = makeSprites(100, 0);
        only100 = microsecondsPerFrame(engine, frames);
    }
    {
        auto sprites = makeSprites(100, 200);
        with300 = microsecondsPerFrame(engine, frames);
    }
    std::printf("100 sprites registered, all on screen: %8.1f us/frame\n", only100);
    std::printf("300 registered, 100 on screen:         %8.1f us/frame\n", with300);
    std::printf(
        "cost of the 200 culled sprites:        %8.1f us/frame (%.2f us each), ratio %.3f\n",
        with300 - only100, (with300 - only100) / 200.0, with300 / only100);
    Engine::destroy();
    return 0;
}
