// The flat's frame cost with 40 pieces of furniture and the pointer walking
// over them, headless: the whole frame (the logic pass with the room, the
// pieces and the pointer, then the engine's draw) against drawing the same
// background and pieces with no logic at all. Aim: the room's logic and
// pointer work under 10% of the frame.
//
//     bench_room [frames]
#include "home/Room.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BenchSupport.h"
#include "core/Engine.h"
#include "core/StateMachine.h"
#include "core/states/RoomState.h"
#include "engine/HgeImpl.h"
#include "engine/hge.h"
#include "gui/FiscoraCursor.h"
#include "home/FurnitureBase.h"

namespace {

const int kPieces = 40;
// Frames the mouse takes from one piece to the next.
const int kSteps = 6;

using bench::Clock;
using bench::Figures;
using bench::micros;
using bench::summarise;

struct FrameTimes {
    std::vector<double> logic;
    std::vector<double> draw;
    std::vector<double> whole;
    std::vector<double> bare;
    // Frames in which the pointer was on a piece.
    int onPiece = 0;
};

// Only the background and the pieces, in depth order, with no logic.
class BareScene {
public:
    BareScene(HGE* hge, Room* room)
        : m_hge(hge), m_sprites(room->getFurniture().begin(), room->getFurniture().end()) {
        std::stable_sort(m_sprites.begin(), m_sprites.end(),
                         [](const Sprite* a, const Sprite* b) { return a->getZ() < b->getZ(); });
        m_sprites.insert(m_sprites.begin(), room->getBackground());
    }

    void draw() {
        m_hge->Gfx_BeginScene();
        m_hge->Gfx_Clear(0x00FFFFFF);
        for (Sprite* sprite : m_sprites) {
            sprite->render();
        }
        m_hge->Gfx_EndScene();
    }

private:
    HGE* m_hge;
    std::vector<Sprite*> m_sprites;
};

// Each round: the game's frame (input, the logic pass, the engine's draw),
// then the bare scene, so that both see the same load on the machine.
FrameTimes runFrames(Engine* engine, BareScene& bare, const std::vector<hgeVector>& path,
                     int frames) {
    FrameTimes times;
    HGE* hge = engine->getHge();
    engine::HgeImpl* input = engine::HgeImpl::current();
    for (int i = 0; i < frames; ++i) {
        const hgeVector& at = path[static_cast<std::size_t>(i) % path.size()];
        if (input) {
            input->beginInputFrame();
        }
        hge->Input_SetMousePos(at.x, at.y);
        const auto start = Clock::now();
        engine->runFrame();
        const auto logicDone = Clock::now();
        engine->drawFrame();
        const auto end = Clock::now();
        bare.draw();
        const auto bareDone = Clock::now();
        const FiscoraCursor* cursor = FiscoraCursor::live();
        if (cursor && dynamic_cast<FurnitureBase*>(cursor->getCurrentObject())) {
            ++times.onPiece;
        }
        times.logic.push_back(micros(start, logicDone));
        times.draw.push_back(micros(logicDone, end));
        times.whole.push_back(micros(start, end));
        times.bare.push_back(micros(end, bareDone));
    }
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 600;
    if (!bench::startHeadlessGame()) {
        return 1;
    }
    Engine* engine = Engine::instance();
    FiscoraCursor* cursor = InteractionalObject::getCursor();
    Room* room = Room::instance();
    room->create(1);
    const int placed = bench::furnish(room, kPieces);
    StateMachine::instance()->changeState(GameState::RoomState::instance());

    const std::vector<hgeVector> path = bench::walkOver(room->getFurniture(), kSteps);
    if (path.empty()) {
        std::fprintf(stderr, "no furniture could be placed\n");
        return 1;
    }
    BareScene bare(engine->getHge(), room);
    // Warm-up: textures, the pieces' buttons made on first entry, the
    // room's delay before input counts.
    runFrames(engine, bare, path, static_cast<int>(path.size()) * 2);
    const FrameTimes game = runFrames(engine, bare, path, frames);

    const Figures whole = summarise(game.whole);
    const Figures logic = summarise(game.logic);
    const Figures draw = summarise(game.draw);
    const Figures sprites = summarise(game.bare);
    std::printf(
        "flat 1, %d pieces of furniture (%zu dots), %zu objects under the pointer, %d frames, "
        "mouse path of %zu points\n",
        placed, room->getGrid()->getDots().size(), cursor->size(), frames, path.size());
    const auto row = [](const char* name, const Figures& figures) {
        std::printf("  %-40s %8.1f us  %8.1f us\n", name, figures.mean, figures.median);
    };
    std::printf("  %-40s %11s  %11s\n", "per frame", "mean", "median");
    row("(a) whole frame", whole);
    row("    logic pass (room, pieces, pointer)", logic);
    row("    engine draw", draw);
    row("(b) background + pieces, no logic", sprites);
    const double share = whole.mean > 0 ? 100.0 * logic.mean / whole.mean : 0.0;
    std::printf("  pointer on a piece in %d of %d frames\n", game.onPiece, frames);
    std::printf("  room logic and pointer share of the frame: %.1f%% (target < 10%%): %s\n", share,
                share < 10.0 ? "met" : "NOT met");
    std::printf("  frame over bare drawing (a - b): %.1f us (%.1f%% of the frame)\n",
                whole.mean - sprites.mean,
                whole.mean > 0 ? 100.0 * (whole.mean - sprites.mean) / whole.mean : 0.0);

    StateMachine::instance()->changeState(nullptr);
    Room::destroy();
    Engine::destroy();
    return 0;
}
