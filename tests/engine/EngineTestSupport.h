// Helpers for the engine tests: in-memory PNG images, scratch folders, quad
// capture, environment variables that are put back afterwards, and one
// fixture holding the engine object and a white texture.
#pragma once

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/HgeImpl.h"

namespace enginetest {

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readFile(const std::string& path) {
    std::ostringstream buffer;
    buffer << std::ifstream(path, std::ios::binary).rdbuf();
    return buffer.str();
}

// A fresh folder under the working folder, removed at the end.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& tag) {
        static int counter = 0;
        m_path = "engine_" + tag + "_" + std::to_string(getpid()) + "_" + std::to_string(++counter);
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDir() {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// A PNG file's bytes for a w x h image given as ARGB pixels, row by row.
inline std::string makePng(int w, int h, const std::vector<uint32_t>& argb) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; y < h; ++y) {
        std::memcpy(static_cast<char*>(surface->pixels) + y * surface->pitch,
                    &argb[static_cast<size_t>(y * w)], static_cast<size_t>(w) * 4);
    }
    ScratchDir dir("png");
    IMG_SavePNG(surface, dir.file("image.png").c_str());
    SDL_FreeSurface(surface);
    return readFile(dir.file("image.png"));
}

inline HTEXTURE loadPng(HGE* hge, const std::string& png) {
    return hge->Texture_Load(png.data(), static_cast<uint32_t>(png.size()));
}

// Sets (or with null unsets) an environment variable until destruction.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : m_name(name) {
        const char* old = std::getenv(name);
        m_had = old != nullptr;
        m_old = old ? old : "";
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~EnvVar() { m_had ? setenv(m_name.c_str(), m_old.c_str(), 1) : unsetenv(m_name.c_str()); }

private:
    std::string m_name;
    bool m_had;
    std::string m_old;
};

// Records every quad handed to the engine while alive.
class QuadCapture {
public:
    QuadCapture() {
        engine::HgeImpl::acquire()->setQuadObserver(
            [this](const hgeQuad& q) { m_quads.push_back(q); });
    }
    ~QuadCapture() {
        engine::HgeImpl::current()->setQuadObserver(nullptr);
        engine::HgeImpl::current()->Release();
    }
    const std::vector<hgeQuad>& quads() const { return m_quads; }
    void clear() { m_quads.clear(); }

private:
    std::vector<hgeQuad> m_quads;
};

// One pixel of an RGB24 surface (bytes in R, G, B order).
struct Rgb {
    int r, g, b;
};
inline Rgb pixel(SDL_Surface* rgb24, int x, int y) {
    const auto* p = static_cast<const uint8_t*>(rgb24->pixels) + y * rgb24->pitch + x * 3;
    return Rgb{p[0], p[1], p[2]};
}

// Each number within tol of its counterpart (callers name the case with SCOPED_TRACE).
inline void expectNear(const std::vector<float>& got, const std::vector<float>& want,
                       float tol = 1e-4f) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i], want[i], tol) << "number " << i;
    }
}

// A quad's screen corners as x0, y0, ..., x3, y3.
inline std::vector<float> corners(const hgeQuad& q) {
    return {q.v[0].x, q.v[0].y, q.v[1].x, q.v[1].y, q.v[2].x, q.v[2].y, q.v[3].x, q.v[3].y};
}

// Whether any captured log line contains the piece.
inline bool logHas(const std::vector<std::string>& lines, const std::string& piece) {
    for (const auto& line : lines) {
        if (line.find(piece) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// The engine object and a white 64x32 texture, both released afterwards.
class TextureFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_tex = loadPng(m_hge, makePng(64, 32, std::vector<uint32_t>(64 * 32, 0xFFFFFFFF)));
        ASSERT_NE(m_tex, 0u);
    }
    void TearDown() override {
        m_hge->Texture_Free(m_tex);
        m_hge->Release();
    }

    HGE* m_hge = hgeCreate(HGE_VERSION);
    HTEXTURE m_tex = 0;
};

}  // namespace enginetest
