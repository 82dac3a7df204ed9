// The busiest screen of a game, headless: the level 3 flat with 40 pieces of
// furniture, a full column of report icons with one report window open, the
// HUD with every service button, and the pointer going round pieces, icons
// and buttons. Each round times the game's whole frame (the logic pass and
// the engine's draw, the pointer already moved) and then the very quads that
// frame drew (same textures, same positions, same count) handed straight to
// SDL_RenderCopy, SDL_RenderFillRect and SDL_RenderGeometry on the same
// renderer, clear and present included on both sides. It also
// prints the resident size before and after building the screen and the
// peak resident size while it runs.
//
//     bench_busy [frames] [picture]
//
// With a picture name, the last frame of each kind is saved as
// picture-game.png and picture-raw.png, to see that both drew the same.
#include <SDL.h>
#include <SDL_image.h>
#include <physfs.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "core/Engine.h"
#include "core/StateMachine.h"
#include "core/states/DifficultyLevel.h"
#include "core/states/RoomState.h"
#include "engine/HgeImpl.h"
#include "engine/hge.h"
#include "gui/FiscoraCursor.h"
#include "home/InvestmentCalculator.h"
#include "home/MainGui.h"
#include "home/Portfolio.h"
#include "home/Room.h"
#include "home/ServiceButton.h"
#include "resource/ResourceManager.h"
#include "sim/DateManager.h"
#include "sim/FlagSystem.h"
#include "sim/GuiReportInterface.h"
#include "sim/InfoManager.h"
#include "sim/RandomEventInterface.h"
#include "sim/RandomEventManager.h"
#include "sim/Statistics.h"
#include "sim/TimeLoader.h"

namespace {

const int kLevel = 3;
const int kPieces = 40;
const std::size_t kReports = 8;
// Frames the mouse takes from one object to the next.
const int kSteps = 6;

using bench::Clock;
using bench::Figures;
using bench::micros;
using bench::summarise;

// Resident set size now, in KiB.
long residentKiB() {
    long pages = 0;
    long resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The highest resident set size of the process so far, in KiB.
long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The kernel's own high-water mark of the resident size, in KiB.
long highWaterKiB() {
    long kib = 0;
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f)) {
            if (std::sscanf(line, "VmHWM: %ld", &kib) == 1) {
                break;
            }
        }
        std::fclose(f);
    }
    return kib;
}

// The frame on the renderer saved as `file`.
void savePicture(const std::string& file) {
    if (SDL_Surface* frame = engine::HgeImpl::current()->readFrame()) {
        IMG_SavePNG(frame, file.c_str());
        SDL_FreeSurface(frame);
    }
}

// A new level 3 game in the flat as the new-game menu starts it, then the
// flat furnished, every service subscribed and the report column filled.
// Returns the number of pieces placed.
int buildScreen() {
    InfoManager::instance()->load("info.xml");
    Portfolio::instance()->clear();
    InvestmentCalculator::instance()->reload("investment.xml");
    Portfolio::instance()->setCash(4000);
    DateManager::instance()->reset();
    RandomEventManager::instance()->setDifficulty(std::to_string(kLevel));
    DifficultyLevel::instance()->set(kLevel);
    Statistics::instance()->reset();
    Room* room = Room::instance();
    room->create(kLevel);
    DateManager::instance()->load("date.xml");
    TimeLoader::instance()->reset();
    FlagSystem* flags = FlagSystem::instance();
    flags->load(kLevel);
    for (auto flag :
         {FiscoraFlags::TELEFON, FiscoraFlags::INET, FiscoraFlags::TIDNING, FiscoraFlags::HOMEINS,
          FiscoraFlags::SICKINS, FiscoraFlags::TVLICENSE, FiscoraFlags::AKASSA}) {
        flags->raise(flag);
    }
    MainGui::instance();
    const int placed = bench::furnish(room, kPieces);
    StateMachine::instance()->changeState(GameState::RoomState::instance());

    RandomEventManager* events = RandomEventManager::instance();
    for (const auto& entry : events->getEvents()) {
        if (events->getOpenReportCount() >= kReports) {
            break;
        }
        if (entry.second->isReady()) {
            events->triggerEvent(entry.second.get());
        }
    }
    if (!events->getReports().empty()) {
        events->getReports().front()->press();
    }
    return placed;
}

// The pointer's round: the pieces, then the report icons and the HUD's
// service buttons that are showing.
std::vector<hgeVector> pointerPath() {
    std::vector<InteractionalObject*> objects(Room::instance()->getFurniture().begin(),
                                              Room::instance()->getFurniture().end());
    for (GuiReportInterface* report : RandomEventManager::instance()->getReports()) {
        objects.push_back(report);
    }
    for (ServiceButton* service : MainGui::instance()->getServices()) {
        if (service->isVisible()) {
            objects.push_back(service);
        }
    }
    return bench::walkOver(objects, kSteps);
}

// The engine's textures made again as plain SDL textures from the same image
// files: every image the content holds is asked of the resource manager,
// whose cache hands back the engine's handle for those already loaded.
class RawTextures {
public:
    RawTextures(SDL_Renderer* renderer, bool filter) {
        resource::Manager* resources = resource::Manager::instance();
        char** names = PHYSFS_enumerateFiles("");
        for (char** name = names; name && *name; ++name) {
            const std::string file = *name;
            const std::string ext = file.size() > 4 ? file.substr(file.size() - 4) : "";
            if (ext != ".png" && ext != ".bmp") {
                continue;
            }
            HTEXTURE handle = 0;
            resources->getTexture(file, handle);
            if (handle && !m_textures.count(handle)) {
                m_textures[handle] = load(renderer, file, filter);
            }
        }
        PHYSFS_freeList(names);
    }
    ~RawTextures() {
        for (auto& entry : m_textures) {
            if (entry.second.texture) {
                SDL_DestroyTexture(entry.second.texture);
            }
        }
    }
    RawTextures(const RawTextures&) = delete;
    RawTextures& operator=(const RawTextures&) = delete;

    struct Entry {
        SDL_Texture* texture = nullptr;
        int width = 0;
        int height = 0;
    };
    const Entry* find(HTEXTURE handle) const {
        auto it = m_textures.find(handle);
        return it == m_textures.end() ? nullptr : &it->second;
    }

private:
    static Entry load(SDL_Renderer* renderer, const std::string& file, bool filter) {
        Entry entry;
        PHYSFS_File* in = nullptr;
        resource::Manager::instance()->getRaw(file, in);
        if (!in) {
            return entry;
        }
        std::vector<char> bytes(
            static_cast<std::size_t>(std::max<PHYSFS_sint64>(PHYSFS_fileLength(in), 0)));
        const PHYSFS_sint64 read = PHYSFS_readBytes(in, bytes.data(), bytes.size());
        PHYSFS_close(in);
        if (read <= 0) {
            return entry;
        }
        SDL_Surface* decoded =
            IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(read)), 1);
        if (!decoded) {
            return entry;
        }
        SDL_Surface* surface = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0);
        SDL_FreeSurface(decoded);
        if (!surface) {
            return entry;
        }
        entry.texture = SDL_CreateTextureFromSurface(renderer, surface);
        entry.width = surface->w;
        entry.height = surface->h;
        SDL_FreeSurface(surface);
        if (entry.texture) {
            SDL_SetTextureBlendMode(entry.texture, SDL_BLENDMODE_BLEND);
            SDL_SetTextureScaleMode(entry.texture,
                                    filter ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
        }
        return entry;
    }

    std::map<HTEXTURE, Entry> m_textures;
};

// One frame's quads as plain SDL calls, worked out before the clock runs:
// upright, unturned quads of one colour on whole texels are copies,
// untextured upright boxes are filled rectangles, everything else geometry.
class RawFrame {
public:
    struct Counts {
        long copies = 0;
        long fills = 0;
        long geometry = 0;
        long unknownTexture = 0;
    };

    void build(const std::vector<hgeQuad>& quads, const RawTextures& textures) {
        m_draws.clear();
        for (const hgeQuad& quad : quads) {
            const RawTextures::Entry* entry = quad.tex ? textures.find(quad.tex) : nullptr;
            if (quad.tex && !(entry && entry->texture)) {
                ++m_counts.unknownTexture;
            }
            m_draws.push_back(translate(quad, entry && entry->texture ? entry : nullptr));
        }
    }

    void draw(SDL_Renderer* renderer) const {
        static const int indices[6] = {0, 1, 2, 0, 2, 3};
        for (const Draw& d : m_draws) {
            switch (d.kind) {
                case Draw::Copy:
                    SDL_SetTextureColorMod(d.texture, d.color.r, d.color.g, d.color.b);
                    SDL_SetTextureAlphaMod(d.texture, d.color.a);
                    SDL_SetTextureBlendMode(d.texture, d.blend);
                    SDL_RenderCopyF(renderer, d.texture, &d.src, &d.dst);
                    break;
                case Draw::Fill:
                    SDL_SetRenderDrawBlendMode(renderer, d.blend);
                    SDL_SetRenderDrawColor(renderer, d.color.r, d.color.g, d.color.b, d.color.a);
                    SDL_RenderFillRectF(renderer, &d.dst);
                    break;
                case Draw::Geometry:
                    if (d.texture) {
                        SDL_SetTextureColorMod(d.texture, 255, 255, 255);
                        SDL_SetTextureAlphaMod(d.texture, 255);
                        SDL_SetTextureBlendMode(d.texture, d.blend);
                    } else {
                        SDL_SetRenderDrawBlendMode(renderer, d.blend);
                    }
                    SDL_RenderGeometry(renderer, d.texture, d.vertices, 4, indices, 6);
                    break;
            }
        }
    }

    const Counts& counts() const { return m_counts; }

private:
    struct Draw {
        enum Kind { Copy, Fill, Geometry } kind = Geometry;
        SDL_Texture* texture = nullptr;
        SDL_BlendMode blend = SDL_BLENDMODE_BLEND;
        SDL_Color color{255, 255, 255, 255};
        SDL_Rect src{};
        SDL_FRect dst{};
        SDL_Vertex vertices[4]{};
    };

    static SDL_Color colorOf(uint32_t col) {
        return SDL_Color{static_cast<Uint8>(GETR(col)), static_cast<Uint8>(GETG(col)),
                         static_cast<Uint8>(GETB(col)), static_cast<Uint8>(GETA(col))};
    }

    static bool whole(float uv, int size, int& texel) {
        const float at = uv * static_cast<float>(size);
        texel = static_cast<int>(std::lround(at));
        return std::fabs(at - static_cast<float>(texel)) <= 0.01f;
    }

    Draw translate(const hgeQuad& quad, const RawTextures::Entry* entry) {
        const hgeVertex* v = quad.v;
        Draw d;
        d.texture = entry ? entry->texture : nullptr;
        d.blend = (quad.blend & BLEND_ALPHABLEND) ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_ADD;
        d.color = colorOf(v[0].col);
        const bool oneColour = v[0].col == v[1].col && v[0].col == v[2].col && v[0].col == v[3].col;
        const bool upright = v[0].y == v[1].y && v[2].y == v[3].y && v[0].x == v[3].x &&
                             v[1].x == v[2].x && v[1].x > v[0].x && v[3].y > v[0].y;
        if (oneColour && upright) {
            d.dst = SDL_FRect{v[0].x, v[0].y, v[1].x - v[0].x, v[3].y - v[0].y};
            int x1, y1, x2, y2;
            if (!d.texture) {
                d.kind = Draw::Fill;
                ++m_counts.fills;
                return d;
            }
            if (v[0].tx == v[3].tx && v[1].tx == v[2].tx && v[0].ty == v[1].ty &&
                v[2].ty == v[3].ty && whole(v[0].tx, entry->width, x1) &&
                whole(v[2].tx, entry->width, x2) && whole(v[0].ty, entry->height, y1) &&
                whole(v[2].ty, entry->height, y2) && x1 >= 0 && y1 >= 0 && x2 > x1 && y2 > y1 &&
                x2 <= entry->width && y2 <= entry->height) {
                d.kind = Draw::Copy;
                d.src = SDL_Rect{x1, y1, x2 - x1, y2 - y1};
                ++m_counts.copies;
                return d;
            }
        }
        d.kind = Draw::Geometry;
        for (int i = 0; i < 4; ++i) {
            d.vertices[i].position = SDL_FPoint{v[i].x, v[i].y};
            d.vertices[i].color = colorOf(v[i].col);
            d.vertices[i].tex_coord =
                SDL_FPoint{std::clamp(v[i].tx, 0.0f, 1.0f), std::clamp(v[i].ty, 0.0f, 1.0f)};
        }
        ++m_counts.geometry;
        return d;
    }

    std::vector<Draw> m_draws;
    Counts m_counts;
};

struct FrameTimes {
    std::vector<double> game;
    std::vector<double> logic;
    std::vector<double> raw;
    long quads = 0;
};

// Each round: the game's frame, recording the quads it draws, then those
// quads through plain SDL, so that both see the same load on the machine.
// Without `textures` only the game's frames run.
FrameTimes runFrames(Engine* engine, const std::vector<hgeVector>& path, int frames,
                     const RawTextures* textures, RawFrame& raw, const std::string& picture = "") {
    FrameTimes times;
    HGE* hge = engine->getHge();
    engine::HgeImpl* impl = engine::HgeImpl::current();
    SDL_Renderer* renderer = impl->renderer();
    std::vector<hgeQuad> quads;
    quads.reserve(4096);
    impl->setQuadObserver([&quads](const hgeQuad& quad) { quads.push_back(quad); });
    for (int i = 0; i < frames; ++i) {
        const hgeVector& at = path[static_cast<std::size_t>(i) % path.size()];
        quads.clear();
        impl->beginInputFrame();
        hge->Input_SetMousePos(at.x, at.y);
        const auto start = Clock::now();
        engine->runFrame();
        const auto logicDone = Clock::now();
        engine->drawFrame();
        const auto end = Clock::now();
        if (!picture.empty() && i == frames - 1) {
            savePicture(picture + "-game.png");
        }
        times.game.push_back(micros(start, end));
        times.logic.push_back(micros(start, logicDone));
        times.quads += static_cast<long>(quads.size());
        if (!textures) {
            continue;
        }
        raw.build(quads, *textures);
        const auto rawStart = Clock::now();
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        raw.draw(renderer);
        const auto rawDrawn = Clock::now();
        if (!picture.empty() && i == frames - 1) {
            savePicture(picture + "-raw.png");
        }
        const auto presentStart = Clock::now();
        SDL_RenderPresent(renderer);
        times.raw.push_back(micros(rawStart, rawDrawn) + micros(presentStart, Clock::now()));
    }
    impl->setQuadObserver(nullptr);
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 600;
    const std::string picture = argc > 2 ? argv[2] : "";
    const long atStart = residentKiB();
    if (!bench::startHeadlessGame()) {
        return 1;
    }
    Engine* engine = Engine::instance();
    const long engineUp = residentKiB();
    const int placed = buildScreen();
    const long screenBuilt = residentKiB();

    const std::vector<hgeVector> path = pointerPath();
    if (path.empty()) {
        std::fprintf(stderr, "nothing to point at\n");
        return 1;
    }
    RawFrame raw;
    // Warm-up: the pieces' buttons made on first entry, the room's delay
    // before input counts, labels and fonts on first hover.
    runFrames(engine, path, static_cast<int>(path.size()) * 2, nullptr, raw);
    const long screenRunning = residentKiB();
    const long peak = peakKiB();
    const long highWater = highWaterKiB();

    engine::HgeImpl* impl = engine::HgeImpl::current();
    const RawTextures textures(impl->renderer(), impl->System_GetState(HGE_TEXTUREFILTER));
    const FrameTimes times = runFrames(engine, path, frames, &textures, raw, picture);

    const Figures game = summarise(times.game);
    const Figures sdl = summarise(times.raw);
    const RawFrame::Counts& counts = raw.counts();
    std::size_t windows = 0;
    for (GuiReportInterface* report : RandomEventManager::instance()->getReports()) {
        windows += report->isWindowOpen() ? 1 : 0;
    }
    std::size_t services = 0;
    for (ServiceButton* service : MainGui::instance()->getServices()) {
        services += service->isVisible() ? 1 : 0;
    }
    std::printf(
        "flat %d at level %d: %d pieces of furniture, %zu report icons (%zu window open), %zu "
        "service buttons, %zu objects under the pointer\n",
        kLevel, kLevel, placed, RandomEventManager::instance()->getOpenReportCount(), windows,
        services, InteractionalObject::getCursor()->size());
    std::printf(
        "  %d frames, mouse path of %zu points, %.0f quads a frame (%ld copies, %ld fills, "
        "%ld geometry, %ld on an unknown texture)\n",
        frames, path.size(), static_cast<double>(times.quads) / frames, counts.copies, counts.fills,
        counts.geometry, counts.unknownTexture);
    std::printf("  %-44s %11s  %11s\n", "per frame", "median", "mean");
    const auto row = [](const char* name, const Figures& figures) {
        std::printf("  %-44s %8.1f us  %8.1f us\n", name, figures.median, figures.mean);
    };
    row("(a) game: logic pass and engine draw", game);
    row("    of which the logic pass", summarise(times.logic));
    row("(b) the same quads through raw SDL", sdl);
    std::printf("  ratio a/b                                    %8.2fx     %8.2fx\n",
                sdl.median > 0 ? game.median / sdl.median : 0.0,
                sdl.mean > 0 ? game.mean / sdl.mean : 0.0);
    std::printf(
        "  resident: %ld KiB at start, %ld KiB engine up, %ld KiB screen built, "
        "%ld KiB after %zu frames\n",
        atStart, engineUp, screenBuilt, screenRunning, path.size() * 2);
    std::printf("  peak resident in the screen: ru_maxrss %ld KiB (%.1f MiB), VmHWM %ld KiB\n",
                peak, static_cast<double>(peak) / 1024.0, highWater);

    StateMachine::instance()->changeState(nullptr);
    MainGui::destroy();
    RandomEventManager::destroy();
    Room::destroy();
    Engine::destroy();
    return 0;
}
