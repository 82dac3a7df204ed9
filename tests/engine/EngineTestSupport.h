// Helpers for the engine tests: in-memory PNG images, scratch folders, quad
// capture and environment variables that are put back afterwards.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/hge.h"

namespace enginetest {

// A PNG file's bytes for a w x h image given as ARGB pixels, row by row.
std::string makePng(int w, int h, const std::vector<uint32_t>& argb);

// A fresh folder under the working folder, removed at the end.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& tag);
    ~ScratchDir();
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

// Sets (or with null unsets) an environment variable until destruction.
class EnvVar {
public:
    EnvVar(const char* name, const char* value);
    ~EnvVar();

private:
    std::string m_name;
    bool m_had;
    std::string m_old;
};

// Records every quad handed to the engine while alive.
class QuadCapture {
public:
    QuadCapture();
    ~QuadCapture();
    const std::vector<hgeQuad>& quads() const { return m_quads; }
    void clear() { m_quads.clear(); }

private:
    std::vector<hgeQuad> m_quads;
};

// One pixel of an RGB24 surface.
struct Rgb {
    int r, g, b;
};
Rgb pixel(SDL_Surface* rgb24, int x, int y);

}  // namespace enginetest
