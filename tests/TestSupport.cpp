#include "TestSupport.h"

#include <SDL_image.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/Log.h"
#include "engine/hge.h"
#include "resource/ConstantManager.h"
#include "resource/ResourceManager.h"

namespace fs = std::filesystem;

namespace test {

namespace {

const char* const kFolders[] = {"bin", "fnt", "gfx", "psi", "snd", "txt", "usr", "xml"};

std::string quoted(const std::string& path) {
    std::string out = "'";
    for (char c : path) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    return out + "'";
}

// Packs the files under `folder` (names relative to it, sorted) into the ZIP
// file `archive`, replacing it. An empty folder gets a placeholder entry,
// since PhysicsFS cannot mount a ZIP without entries.
bool packZip(const std::string& folder, const std::string& archive) {
    std::error_code ignored;
    fs::remove(archive, ignored);
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            names.push_back(fs::relative(entry.path(), folder).generic_string());
        }
    }
    // PhysicsFS refuses a ZIP without entries, so an empty folder gets one
    // empty placeholder file.
    const bool empty = names.empty();
    if (empty) {
        writeFile(folder + "/.keep", "");
        names.push_back(".keep");
    }
    std::sort(names.begin(), names.end());
    std::string command = "cd " + quoted(folder) + " && zip -X -q -D " + quoted(archive);
    for (const std::string& name : names) {
        command += " " + quoted(name);
    }
    const bool ok = std::system(command.c_str()) == 0;
    if (empty) {
        fs::remove(folder + "/.keep");
    }
    return ok;
}

}  // namespace

std::string fixturePath(const std::string& relative) {
    return std::string(FISCORA_TEST_DATA) + "/" + relative;
}

void writeFile(const std::string& path, const std::string& bytes) {
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty()) {
        fs::create_directories(parent);
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "fiscora-test-XXXXXX").string();
    if (mkdtemp(pattern.data())) {
        m_path = pattern;
    }
}

TempDir::~TempDir() {
    if (!m_path.empty()) {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
}

Installation::Installation(const std::string& prefix, const std::string& mode) : m_prefix(prefix) {
    writeSideFile(prefix + " " + mode + "\n");
    for (const char* name : kFolders) {
        fs::create_directories(folder(name));
    }
}

Installation::~Installation() {
    unmount();
    resource::Manager::setExecutablePath("");
}

std::string Installation::folder(const std::string& name) const {
    if (name.empty()) {
        return root();
    }
    if (m_prefix == "." || m_prefix.empty()) {
        return root() + "/" + name;
    }
    std::string prefix = m_prefix;
    if (prefix.back() != '/') {
        prefix += '/';
    }
    return root() + "/" + prefix + name;
}

void Installation::removeFolder(const std::string& name) {
    std::error_code ignored;
    fs::remove_all(folder(name), ignored);
}

bool Installation::packAll() {
    bool ok = true;
    for (const char* name : kFolders) {
        if (fs::is_directory(folder(name))) {
            ok = packZip(folder(name), folder(name) + ".stuff") && ok;
            removeFolder(name);
        }
    }
    return ok;
}

void Installation::mount() const {
    unmount();
    resource::Manager::setExecutablePath(executable());
}

void Installation::unmount() {
    ConstantManager::destroy();
    resource::Manager::destroy();
}

std::vector<std::string> LogCapture::take() {
    std::vector<std::string> lines = Log::instance()->stopCapture();
    Log::instance()->startCapture();
    return lines;
}

int LogCapture::countPrefix(const std::string& prefix) const {
    return static_cast<int>(std::count_if(lines().begin(), lines().end(), [&](const auto& line) {
        return line.compare(0, prefix.size(), prefix) == 0;
    }));
}

std::vector<std::string> LogCapture::from(const std::string& context) const {
    std::vector<std::string> out;
    const std::string marker = "] [" + context + "]\t\t";
    for (const std::string& line : lines()) {
        if (line.find(marker) == 3) {
            out.push_back(line);
        }
    }
    return out;
}

std::string logLine(const std::string& tag, const std::string& context,
                    const std::string& message) {
    return "[" + tag + "] [" + context + "]\t\t" + message;
}

HeadlessEngine::HeadlessEngine() {
    setenv("FISCORA_HEADLESS", "1", 0);
    m_hge = hgeCreate(HGE_VERSION);
    if (!m_hge) {
        return;
    }
    m_hge->System_SetState(HGE_WINDOWED, true);
    m_hge->System_SetState(HGE_SCREENWIDTH, 800);
    m_hge->System_SetState(HGE_SCREENHEIGHT, 600);
    m_hge->System_SetState(HGE_SCREENBPP, 32);
    m_hge->System_SetState(HGE_USESOUND, false);
    m_ok = m_hge->System_Initiate();
}

HeadlessEngine::~HeadlessEngine() {
    resource::Manager::destroy();
    if (m_hge) {
        m_hge->System_Shutdown();
        m_hge->Release();
    }
}

Picture::Picture(const std::string& path) {
    if (SDL_Surface* raw = IMG_Load(path.c_str())) {
        m_hasAlpha = raw->format->Amask != 0;
        m_surface.reset(SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0));
        SDL_FreeSurface(raw);
    }
}

}  // namespace test
