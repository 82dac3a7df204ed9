// The pointer's cost per frame with 500 registered widgets: the flag roll
// over every object and the hit test by box and depth, headless. Aim: far
// below a millisecond per frame.
//
//     bench_pointer [frames]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/ZDepth.h"
#include "engine/hge.h"
#include "gui/FiscoraCursor.h"
#include "gui/GuiController.h"
#include "gui/GuiWindow.h"
#include "resource/ResourceManager.h"

namespace {

const int kColumns = 25;
const int kRows = 20;  // 500 widgets

// Microseconds per pointer update, the mouse walking over `path`.
double microsPerFrame(HGE* hge, FiscoraCursor* cursor, const std::vector<hgeVector>& path,
                      int frames) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) {
        const hgeVector& at = path[static_cast<std::size_t>(i) % path.size()];
        hge->Input_SetMousePos(at.x, at.y);
        cursor->update(1.0f / 60.0f);
    }
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / frames;
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 20000;
    setenv("FISCORA_HEADLESS", "1", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    HGE* hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_WINDOWED, true);
    hge->System_SetState(HGE_SCREENWIDTH, 800);
    hge->System_SetState(HGE_SCREENHEIGHT, 600);
    hge->System_SetState(HGE_USESOUND, false);
    if (!hge->System_Initiate()) {
        std::fprintf(stderr, "engine did not start: %s\n", hge->System_GetErrorMessage());
        return 1;
    }
    ZDepth::readFile();

    // Overlapping rows of small widgets, each a little deeper than the last,
    // half of them children of the row's first widget.
    std::vector<std::unique_ptr<GuiWindow>> roots;
    int count = 0;
    for (int row = 0; row < kRows; ++row) {
        auto* first = new GuiWindow("Row", "gui_little_button.png", hgeVector(10, 10 + row * 29.0f),
                                    hgeVector(32, 32), nullptr, false);
        roots.emplace_back(first);
        ++count;
        for (int column = 1; column < kColumns; ++column) {
            const hgeVector at(10 + column * 31.0f, 10 + row * 29.0f);
            if (column % 2) {
                auto* child =
                    new GuiWindow("Cell", "gui_little_button.png", at - first->getPosition(),
                                  hgeVector(32, 32), first, false);
                first->getController()->addChild(child);
            } else {
                auto* alone = new GuiWindow("Cell", "gui_little_button.png", at, hgeVector(32, 32),
                                            nullptr, false);
                alone->setDepth(0.85f + 0.0001f * static_cast<float>(count));
                roots.emplace_back(alone);
            }
            ++count;
        }
    }
    FiscoraCursor* cursor = InteractionalObject::getCursor();

    std::vector<hgeVector> over;  // across the widgets, hitting one every frame
    for (int i = 0; i < 997; ++i) {
        over.emplace_back(12.0f + static_cast<float>((i * 37) % 770),
                          12.0f + static_cast<float>((i * 53) % 575));
    }
    const std::vector<hgeVector> outside{hgeVector(790, 595), hgeVector(795, 590)};

    microsPerFrame(hge, cursor, over, 1000);  // warm up
    const double hit = microsPerFrame(hge, cursor, over, frames);
    const double miss = microsPerFrame(hge, cursor, outside, frames);
    cursor->setFocusObject(roots.front().get());
    const double focused = microsPerFrame(hge, cursor, over, frames);
    cursor->setFocusObject(nullptr);

    std::printf("pointer update, %zu registered widgets, %d frames each\n", cursor->size(), frames);
    std::printf("  over the widgets:        %8.2f us/frame\n", hit);
    std::printf("  outside every widget:    %8.2f us/frame\n", miss);
    std::printf("  with a focus window:     %8.2f us/frame\n", focused);

    roots.clear();
    resource::Manager::destroy();
    hge->System_Shutdown();
    hge->Release();
    return hit < 1000.0 && miss < 1000.0 && focused < 1000.0 ? 0 : 1;
}
