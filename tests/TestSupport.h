#pragma once

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Log.h"

class HGE;

// Helpers shared by the tests: temporary folders, fake installations with
// their own side file and content, ZIP packing, log capture and a headless
// engine.
namespace test {

// The path of a fixture under tests/data.
std::string fixturePath(const std::string& relative);

// Whole-file helpers; writeFile creates missing parent folders.
void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

// A temporary folder, removed with its contents at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Without a trailing separator.
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// A fake installation in a temporary folder: the executable "<root>/game",
// the side file "<root>/game.info" and the eight content folders under
// "<root>/<prefix>". mount() makes the next resource manager use it; the
// fixture destroys the managers it may have fed and forgets the path.
//
//     test::Installation install;              // side file "data/ folders"
//     install.addFile("xml", "gui.xml", "<gui/>");
//     install.mount();
//     resource::Manager::instance()->getTxt("gui.xml", text);
class Installation {
public:
    explicit Installation(const std::string& prefix = "data/", const std::string& mode = "folders");
    ~Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    const std::string& root() const { return m_dir.path(); }
    // The executable path handed to the manager.
    std::string executable() const { return root() + "/game"; }
    // "<root>/<prefix><folder>"; the prefix "." means the root itself.
    std::string folder(const std::string& folder) const;

    void writeSideFile(const std::string& contents) { writeFile(executable() + ".info", contents); }
    // Writes <folder>/<name>; folder "" is the root (the program's folder).
    void addFile(const std::string& folder, const std::string& name, const std::string& bytes) {
        writeFile(this->folder(folder) + "/" + name, bytes);
    }
    // Copies a fixture of tests/data into <folder>/<name>.
    void addFixture(const std::string& folder, const std::string& name,
                    const std::string& fixture) {
        addFile(folder, name, readFile(fixturePath(fixture)));
    }
    void removeFolder(const std::string& folder);
    // Packs every content folder that exists into "<folder>.stuff" beside it
    // and removes the folder, as a release does.
    bool packAll();

    // Points the next resource manager at this installation.
    void mount() const;
    // Destroys the resource manager and constants so that the next use
    // starts afresh from the side file.
    static void unmount();

private:
    TempDir m_dir;
    std::string m_prefix;
};

// Captures the log's lines while it lives.
class LogCapture {
public:
    LogCapture() { Log::instance()->startCapture(); }
    ~LogCapture() { Log::instance()->stopCapture(); }
    // The lines captured so far; take() also starts afresh.
    const std::vector<std::string>& lines() const { return Log::instance()->captured(); }
    std::vector<std::string> take();
    bool has(const std::string& line) const { return count(line) > 0; }
    int count(const std::string& line) const {
        return static_cast<int>(std::count(lines().begin(), lines().end(), line));
    }
    // Lines that start with the given text.
    int countPrefix(const std::string& prefix) const;
    // The lines written with the given Class::method context.
    std::vector<std::string> from(const std::string& context) const;
};

// A log line as the log writes it: tag "DD", "II", "WW" or "EE".
std::string logLine(const std::string& tag, const std::string& context, const std::string& message);

// The engine, initiated headless at 800 x 600 for texture and drawing tests.
// Ends by destroying the resource manager (its textures belong to the
// engine), then shuts the engine down.
class HeadlessEngine {
public:
    HeadlessEngine();
    ~HeadlessEngine();
    HeadlessEngine(const HeadlessEngine&) = delete;
    HeadlessEngine& operator=(const HeadlessEngine&) = delete;

    bool ok() const { return m_ok; }
    HGE* hge() const { return m_hge; }

private:
    HGE* m_hge = nullptr;
    bool m_ok = false;
};

// An image file decoded by SDL_image, as 32-bit ARGB pixels.
class Picture {
public:
    explicit Picture(const std::string& path);
    bool ok() const { return m_surface != nullptr; }
    bool hasAlpha() const { return m_hasAlpha; }
    int width() const { return m_surface->w; }
    int height() const { return m_surface->h; }
    uint32_t at(int x, int y) const {
        const auto* row = static_cast<const uint8_t*>(m_surface->pixels) + y * m_surface->pitch;
        return reinterpret_cast<const uint32_t*>(row)[x];
    }
    int alpha(int x, int y) const { return static_cast<int>(at(x, y) >> 24); }
    // How many pixels (x, y) of the rectangle [x1, x2) x [y1, y2) pass `test`.
    int count(int x1, int y1, int x2, int y2, const std::function<bool(int, int)>& test) const {
        int n = 0;
        for (int y = y1; y < y2; ++y) {
            for (int x = x1; x < x2; ++x) {
                n += test(x, y);
            }
        }
        return n;
    }

private:
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> m_surface{nullptr, SDL_FreeSurface};
    bool m_hasAlpha = false;
};

}  // namespace test
