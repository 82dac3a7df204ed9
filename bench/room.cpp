// The flat's frame cost with 40 pieces of furniture and the pointer walking
// over them, headless: the whole frame (the logic pass with the room, the
// pieces and the pointer, then the engine's draw) against drawing the same
// background and pieces with no logic at all. Aim: the room's logic and
// pointer work under 10% of the frame.
//
//     bench_room [frames]
#include "home/Room.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <list>
#include <vector>

#include "BenchSupport.h"
#include "core/Engine.h"
#include "core/StateMachine.h"
#include "core/states/RoomState.h"
#include "engine/HgeImpl.h"
#include "engine/hge.h"
#include "gui/FiscoraCursor.h"
#include "home/Dot.h"
#include "home/FurnitureBase.h"
#include "home/FurnitureData.h"
#include "home/IsometricGrid.h"

namespace {

const int kPieces = 40;
// Frames the mouse takes from one piece to the next.
const int kSteps = 6;
// Dots a piece may cover to be bought for the flat.
const int kLargestFootprint = 8;

using Clock = std::chrono::steady_clock;

double micros(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::micro>(to - from).count();
}

struct Figures {
    double mean = 0;
    double median = 0;
};

Figures summarise(std::vector<double> samples) {
    Figures figures;
    if (samples.empty()) {
        return figures;
    }
    double sum = 0;
    for (double sample : samples) {
        sum += sample;
    }
    figures.mean = sum / static_cast<double>(samples.size());
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    figures.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return figures;
}

// Puts pieces down as the player would, each on the first free dot where it
// fits, going round the catalogue until the flat holds `count` of them or
// nothing more fits.
int furnish(Room* room, int count) {
    FurnitureData::createStaticData();
    std::vector<int> ids;
    for (const auto& entry : FurnitureData::getCatalogue()) {
        // The double bed and the big rug each cover a ninth of the floor;
        // without them forty pieces fit.
        const int dots = (FurnitureData::getWidth(entry.second) + 1) *
                         (FurnitureData::getDepth(entry.second) + 1);
        if (dots <= kLargestFootprint) {
            ids.push_back(entry.first);
        }
    }
    IsometricGrid* grid = room->getGrid();
    int placed = 0;
    int misses = 0;
    for (std::size_t k = 0; placed < count && !ids.empty() && misses < static_cast<int>(ids.size());
         ++k) {
        FurnitureBase* piece = room->addFurniture(ids[k % ids.size()]);
        bool down = false;
        for (const Dot* dot : grid->getDots()) {
            if (!dot->isFree()) {
                continue;
            }
            piece->moveTo(dot->getScreenPosition());
            const hgeVector at = piece->getGridPosition();
            if (at.x == dot->getX() && at.y == dot->getY() && !piece->isBlocked()) {
                piece->drop();
                down = true;
                break;
            }
        }
        if (down) {
            ++placed;
            misses = 0;
        } else {
            room->removeFurniture(piece);
            ++misses;
        }
    }
    return placed;
}

// The mouse going from piece to piece, the middle of one to the next.
std::vector<hgeVector> walkOver(const std::list<FurnitureBase*>& pieces) {
    std::vector<hgeVector> middles;
    for (FurnitureBase* piece : pieces) {
        const hgeVector a = piece->topLeft();
        const hgeVector b = piece->bottomRight();
        middles.emplace_back((a.x + b.x) * 0.5f, (a.y + b.y) * 0.5f);
    }
    std::vector<hgeVector> path;
    for (std::size_t i = 0; i < middles.size(); ++i) {
        const hgeVector& from = middles[i];
        const hgeVector& to = middles[(i + 1) % middles.size()];
        for (int step = 0; step < kSteps; ++step) {
            const float t = static_cast<float>(step) / kSteps;
            path.push_back(from + (to - from) * t);
        }
    }
    return path;
}

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
    const int placed = furnish(room, kPieces);
    StateMachine::instance()->changeState(GameState::RoomState::instance());

    const std::vector<hgeVector> path = walkOver(room->getFurniture());
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
