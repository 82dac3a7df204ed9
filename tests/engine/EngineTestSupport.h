// Helpers for the engine tests, which include this header alone: in-memory
// PNG images, quad capture, environment variables that are put back
// afterwards, and one fixture holding the engine object and a white texture.
#pragma once

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "TestSupport.h"
#include "engine/EngineLog.h"
#include "engine/HgeImpl.h"
#include "engine/KeyMap.h"
#include "engine/hgefont.h"
#include "engine/hgevector.h"

namespace enginetest {

const float kPi = 3.14159265f;

using test::readFile;
using test::writeFile;

// A PNG file's bytes for a w x h image given as ARGB pixels, row by row.
inline std::string makePng(int w, int h, const std::vector<uint32_t>& argb) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(argb.data()), w, h, 32, w * 4, SDL_PIXELFORMAT_ARGB8888);
    // Through a file in the test's own working folder (main.cpp gives every
    // test one, so files need no cleaning up).
    IMG_SavePNG(surface, "image.png");
    SDL_FreeSurface(surface);
    return readFile("image.png");
}

inline HTEXTURE loadPng(HGE* hge, const std::string& png) {
    return hge->Texture_Load(png.data(), static_cast<uint32_t>(png.size()));
}

// Sets (or with null unsets) an environment variable until destruction.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : m_name(name), m_had(std::getenv(name)) {
        m_old = m_had ? std::getenv(name) : "";
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~EnvVar() { m_had ? setenv(m_name.c_str(), m_old.c_str(), 1) : unsetenv(m_name.c_str()); }

private:
    std::string m_name, m_old;
    bool m_had;
};

// Every quad handed to the engine while draw runs.
inline std::vector<hgeQuad> quadsOf(const std::function<void()>& draw) {
    std::vector<hgeQuad> quads;
    engine::HgeImpl* hge = engine::HgeImpl::acquire();
    hge->setQuadObserver([&quads](const hgeQuad& q) { quads.push_back(q); });
    draw();
    hge->setQuadObserver(nullptr);
    hge->Release();
    return quads;
}

// A quad's screen corners as x0, y0, ..., x3, y3.
inline std::vector<float> corners(const hgeQuad& q) {
    return {q.v[0].x, q.v[0].y, q.v[1].x, q.v[1].y, q.v[2].x, q.v[2].y, q.v[3].x, q.v[3].y};
}

// Each number within tol of its counterpart (callers name the case with SCOPED_TRACE).
inline void expectNear(const std::vector<float>& got, const std::vector<float>& want,
                       float tol = 1e-4f) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i], want[i], tol) << "number " << i;
    }
}

// Whether any captured log line contains the piece.
inline bool logHas(const std::vector<std::string>& lines, const std::string& piece) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.find(piece) != line.npos; });
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
