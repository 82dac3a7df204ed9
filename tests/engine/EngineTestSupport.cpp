#include "engine/EngineTestSupport.h"

#include <SDL_image.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/HgeImpl.h"

namespace enginetest {

std::string makePng(int w, int h, const std::vector<uint32_t>& argb) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; y < h; ++y) {
        auto* row =
            reinterpret_cast<uint32_t*>(static_cast<char*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < w; ++x) {
            row[x] = argb[static_cast<size_t>(y * w + x)];
        }
    }
    ScratchDir dir("png");
    std::string path = dir.file("image.png");
    IMG_SavePNG(surface, path.c_str());
    SDL_FreeSurface(surface);
    return readFile(path);
}

ScratchDir::ScratchDir(const std::string& tag) {
    static int counter = 0;
    m_path = "engine_" + tag + "_" + std::to_string(getpid()) + "_" + std::to_string(++counter);
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

ScratchDir::~ScratchDir() {
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

EnvVar::EnvVar(const char* name, const char* value) : m_name(name) {
    const char* old = std::getenv(name);
    m_had = old != nullptr;
    m_old = old ? old : "";
    if (value) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
}

EnvVar::~EnvVar() {
    if (m_had) {
        setenv(m_name.c_str(), m_old.c_str(), 1);
    } else {
        unsetenv(m_name.c_str());
    }
}

QuadCapture::QuadCapture() {
    engine::HgeImpl::acquire()->setQuadObserver([this](const hgeQuad& q) { m_quads.push_back(q); });
}

QuadCapture::~QuadCapture() {
    engine::HgeImpl* hge = engine::HgeImpl::current();
    hge->setQuadObserver(nullptr);
    hge->Release();
}

Rgb pixel(SDL_Surface* rgb24, int x, int y) {
    const auto* p = static_cast<const uint8_t*>(rgb24->pixels) + y * rgb24->pitch + x * 3;
    // SDL_PIXELFORMAT_RGB24 keeps the bytes in R, G, B order.
    return Rgb{p[0], p[1], p[2]};
}

}  // namespace enginetest
