// Drawing speed: 500 textured, alpha-blended 64x64 sprites per frame through
// hgeSprite against the same quads handed straight to SDL_RenderGeometry,
// headless on the software renderer (aim: hgeSprite within 1.15x). A turned
// variant is printed for information.
//
//     bench_sprites [frames]
#include <SDL.h>
#include <SDL_image.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/HgeImpl.h"
#include "engine/hgesprite.h"

namespace {

const int kSprites = 500;

struct Placement {
    float x, y, angle;
};

// A 64x64 disc with a soft, partly transparent edge, as PNG bytes.
std::vector<char> makeTexture() {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 64, 64, 32, SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; y < 64; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<char*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < 64; ++x) {
            float d = std::hypot(x - 31.5f, y - 31.5f) / 32.0f;
            int a = d >= 1 ? 0 : static_cast<int>(255 * (1 - d * d));
            row[x] = (static_cast<uint32_t>(a) << 24) | (static_cast<uint32_t>(x * 4) << 16) |
                     (static_cast<uint32_t>(y * 4) << 8) | 0x80u;
        }
    }
    char path[] = "/tmp/bench_sprites_XXXXXX";
    int fd = mkstemp(path);
    close(fd);
    IMG_SavePNG(s, path);
    SDL_FreeSurface(s);
    std::vector<char> bytes;
    if (FILE* f = std::fopen(path, "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        std::fclose(f);
    }
    std::remove(path);
    return bytes;
}

template <class Draw>
double framesPerSecond(HGE* hge, int frames, Draw draw) {
    auto run = [&](int count) {
        for (int f = 0; f < count; ++f) {
            hge->Gfx_BeginScene();
            hge->Gfx_Clear(0xFF406080);
            draw();
            hge->Gfx_EndScene();
        }
    };
    run(2);
    auto start = std::chrono::steady_clock::now();
    run(frames);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return frames / seconds;
}

}  // namespace

int main(int argc, char** argv) {
    int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    setenv("FISCORA_HEADLESS", "1", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);

    HGE* hge = hgeCreate(HGE_VERSION);
    hge->System_SetState(HGE_WINDOWED, true);
    hge->System_SetState(HGE_SCREENWIDTH, 800);
    hge->System_SetState(HGE_SCREENHEIGHT, 600);
    if (!hge->System_Initiate()) {
        std::fprintf(stderr, "engine failed: %s\n", hge->System_GetErrorMessage());
        return 1;
    }
    auto* impl = engine::HgeImpl::current();
    SDL_Renderer* renderer = impl->renderer();

    std::vector<char> png = makeTexture();
    HTEXTURE tex = hge->Texture_Load(png.data(), static_cast<uint32_t>(png.size()));
    if (!tex) {
        std::fprintf(stderr, "texture failed\n");
        return 1;
    }
    // The same SDL texture the engine draws with, for the direct variant.
    SDL_Surface* decoded =
        IMG_Load_RW(SDL_RWFromConstMem(png.data(), static_cast<int>(png.size())), 1);
    SDL_Texture* raw = SDL_CreateTextureFromSurface(renderer, decoded);
    SDL_FreeSurface(decoded);
    SDL_SetTextureBlendMode(raw, SDL_BLENDMODE_BLEND);

    std::vector<Placement> places;
    uint32_t seed = 12345;
    auto next = [&seed](float range) {
        seed = seed * 214013u + 2531011u;
        return static_cast<float>(seed >> 16) / 65535.0f * range;
    };
    for (int i = 0; i < kSprites; ++i) {
        places.push_back({next(736), next(536), next(6.2831853f)});
    }

    hgeSprite sprite(tex, 0, 0, 64, 64);
    sprite.SetColor(0xE0FFFFFF);

    auto quarter = [](const Placement& p) {
        return 1.5707963f * static_cast<float>(static_cast<int>(p.angle) % 4);
    };
    auto geometry = [&](int mode) {
        static const int indices[6] = {0, 1, 2, 0, 2, 3};
        const float u[4] = {0, 1, 1, 0}, v[4] = {0, 0, 1, 1};
        const float lx[4] = {0, 64, 64, 0}, ly[4] = {0, 0, 64, 64};
        SDL_Vertex vertices[4];
        for (const Placement& p : places) {
            float angle = mode == 0 ? 0 : (mode == 1 ? p.angle : quarter(p));
            float c = std::cos(angle);
            float s = std::sin(angle);
            for (int k = 0; k < 4; ++k) {
                vertices[k].position = {p.x + lx[k] * c - ly[k] * s, p.y + lx[k] * s + ly[k] * c};
                vertices[k].color = {255, 255, 255, 0xE0};
                vertices[k].tex_coord = {u[k], v[k]};
            }
            SDL_RenderGeometry(renderer, raw, vertices, 4, indices, 6);
        }
    };

    double viaSprite = framesPerSecond(hge, frames, [&] {
        for (const Placement& p : places) {
            sprite.Render(p.x, p.y);
        }
    });
    double viaGeometry = framesPerSecond(hge, frames, [&] { geometry(0); });
    double turnedSprite = framesPerSecond(hge, frames, [&] {
        for (const Placement& p : places) {
            sprite.RenderEx(p.x, p.y, p.angle);
        }
    });
    double turnedGeometry = framesPerSecond(hge, frames, [&] { geometry(1); });
    double quarterSprite = framesPerSecond(hge, frames, [&] {
        for (const Placement& p : places) {
            sprite.RenderEx(p.x, p.y, quarter(p));
        }
    });
    double turnedCopy = framesPerSecond(hge, frames, [&] {
        SDL_SetTextureAlphaMod(raw, 0xE0);
        for (const Placement& p : places) {
            SDL_FRect dst{p.x, p.y, 64, 64};
            SDL_RenderCopyExF(renderer, raw, nullptr, &dst, p.angle * 57.29578f, nullptr,
                              SDL_FLIP_NONE);
        }
        SDL_SetTextureAlphaMod(raw, 0xFF);
    });
    double quarterGeometry = framesPerSecond(hge, frames, [&] { geometry(2); });

    std::printf("%d alpha-blended 64x64 sprites per frame, 800x600, %d frames, headless software\n",
                kSprites, frames);
    std::printf("  hgeSprite::Render          %8.1f fps\n", viaSprite);
    std::printf("  SDL_RenderGeometry         %8.1f fps\n", viaGeometry);
    std::printf("  ratio geometry/sprite      %8.2fx  (target: sprite within 1.15x)\n",
                viaGeometry / viaSprite);
    std::printf("  turned, hgeSprite::RenderEx %7.1f fps\n", turnedSprite);
    std::printf("  turned, SDL_RenderGeometry %8.1f fps\n", turnedGeometry);
    std::printf("  turned, SDL_RenderCopyEx   %8.1f fps\n", turnedCopy);
    std::printf("  quarter turns, RenderEx    %8.1f fps\n", quarterSprite);
    std::printf("  quarter turns, geometry    %8.1f fps\n", quarterGeometry);

    SDL_DestroyTexture(raw);
    hge->Texture_Free(tex);
    hge->System_Shutdown();
    hge->Release();
    return 0;
}
