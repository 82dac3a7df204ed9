#include "resource/ResourceManager.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/Log.h"
#include "core/UserFolders.h"

namespace resource {

std::string Manager::s_executablePath;

namespace {

const char* const kContentFolders[] = {"bin", "fnt", "gfx", "psi", "snd", "txt", "usr", "xml"};

// The whole file, in one read. Lengths are signed 32-bit in the caches, and a
// failed read counts as nothing read.
std::vector<char> readAll(PHYSFS_File* file) {
    PHYSFS_sint64 size = PHYSFS_fileLength(file);
    if (size < 0) {
        size = 0;
    } else if (size > INT32_MAX - 1) {
        size = INT32_MAX - 1;
    }
    std::vector<char> bytes(static_cast<size_t>(size));
    PHYSFS_sint64 got = 0;
    if (size > 0) {
        got = PHYSFS_readBytes(file, bytes.data(), static_cast<PHYSFS_uint64>(size));
    }
    bytes.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return bytes;
}

bool endsWithExe(const std::string& path) {
    if (path.size() < 4) {
        return false;
    }
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return tail == ".exe";
}

}  // namespace

void Manager::setExecutablePath(const std::string& path) {
    s_executablePath = path;
}

std::string Manager::executablePath() {
    if (!s_executablePath.empty()) {
        return s_executablePath;
    }
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

std::string Manager::lastError() {
    const char* text = PHYSFS_getErrorByCode(PHYSFS_getLastErrorCode());
    return text ? text : "";
}

Manager::Manager() {
    const char* context = "resource::Manager::Manager";
    Log::info(context) << "initiating file system";

    // A manager destroyed earlier shut PhysicsFS down; anything else left
    // running is restarted so the search path starts empty.
    if (PHYSFS_isInit()) {
        PHYSFS_deinit();
    }
    if (!PHYSFS_init(nullptr)) {
        std::fprintf(stderr, "unable to start PhysicsFS: %s\n", lastError().c_str());
        std::exit(1);
    }

    const std::string path = executablePath();
    if (path.empty()) {
        Log::error(context) << "unable to get exe path name";
        return;
    }
    // Only a Windows executable's ".exe" is cut; a Linux program keeps its
    // whole name.
    m_stem = endsWithExe(path) ? path.substr(0, path.size() - 4) : path;

    if (s_executablePath.empty()) {
        const char* base = PHYSFS_getBaseDir();
        m_baseDir = base ? base : "";
    } else {
        const size_t slash = m_stem.find_last_of("/\\");
        m_baseDir = slash == std::string::npos ? "./" : m_stem.substr(0, slash + 1);
    }
    if (!PHYSFS_mount(m_baseDir.c_str(), nullptr, 1)) {
        Log::warning("resource::Manager::addSearchPath")
            << "unable to add searchpath (" << m_baseDir << "): " << lastError();
    }

    std::ifstream side(m_stem + ".info");
    if (!side.is_open()) {
        Log::error(context) << "unable to read " << m_stem << ".info, files wont be ablo to load";
    } else {
        std::string mode;
        side >> m_prefix >> mode;
        if (m_prefix == ".") {
            m_prefix.clear();
        } else if (!m_prefix.empty() && m_prefix.back() != '/' && m_prefix.back() != '\\') {
            // "data" means the folder data/, not a name that "bin" is glued to.
            m_prefix += '/';
        }
        m_archiveMode = mode == "encrypted";
        if (m_archiveMode) {
            Log::debug(context) << "stuff files will be read as archives";
        } else {
            Log::debug(context) << "stuff files will be read as folders";
        }
        for (const char* folder : kContentFolders) {
            addSearchPath(folder);
        }
    }

    std::string writeDir = m_baseDir + m_prefix + "usr";
    // An installed game's folder belongs to the system: the user's own data
    // folder stands in for it. A missing folder stays a fault of the install.
    std::error_code error;
    if (std::filesystem::is_directory(writeDir, error) && !userfolders::isWritable(writeDir)) {
        const std::string own = userfolders::data();
        if (!own.empty() && userfolders::make(own + "/usr")) {
            Log::info(context) << writeDir << " is not writable, writing to " << own << "/usr";
            writeDir = own + "/usr";
        }
    }
    if (!PHYSFS_setWriteDir(writeDir.c_str())) {
        Log::warning(context) << "unable to set writedir: " << lastError();
    }
}

Manager::~Manager() {
    m_textCache.clear();
    for (auto& entry : m_textureCache) {
        if (entry.second.texture && m_hge) {
            m_hge->Texture_Free(entry.second.texture);
        }
    }
    m_textureCache.clear();
    if (m_hge) {
        m_hge->Release();
        m_hge = nullptr;
    }
    // Closes every handle and lets a later manager start afresh.
    PHYSFS_deinit();
}

void Manager::addSearchPath(const std::string& folder) {
    const std::string name = m_archiveMode ? folder + ".stuff" : folder;
    const std::string path = m_baseDir + m_prefix + name;
    if (!PHYSFS_mount(path.c_str(), nullptr, 1)) {
        Log::warning("resource::Manager::addSearchPath")
            << "unable to add searchpath (" << path << "): " << lastError();
    }
}

std::string Manager::getProgramName() const {
    const size_t slash = m_stem.find_last_of("/\\");
    return slash == std::string::npos ? m_stem : m_stem.substr(slash + 1);
}

void Manager::getRaw(const std::string& name, PHYSFS_File*& out) {
    const char* context = "resource::Manager::getRaw";
    out = nullptr;
    if (!PHYSFS_exists(name.c_str())) {
        Log::warning(context) << "file " << name << " doesnt exist";
        return;
    }
    Log::debug(context) << "reading " << name;
    out = PHYSFS_openRead(name.c_str());
    if (out) {
        Log::debug(context) << "returning file handle to " << name;
    } else {
        Log::error(context) << "unable to open file " << name << "; " << lastError();
    }
}

int32_t Manager::getTxt(const std::string& name, std::string& text) {
    const char* context = "resource::Manager::getTxt";
    auto found = m_textCache.find(name);
    if (found == m_textCache.end()) {
        Log::debug(context) << "opening filehandle for " << name;
        PHYSFS_File* file = nullptr;
        getRaw(name, file);
        std::unique_ptr<CacheEntry> entry;
        if (!file) {
            // Cached empty, so a missing file costs one try only.
            Log::error(context) << "got no handle for " << name;
            entry = std::make_unique<CacheEntry>();
        } else {
            Log::debug(context) << "reading contents";
            const std::vector<char> bytes = readAll(file);
            PHYSFS_close(file);
            if (bytes.empty()) {
                Log::error(context) << "length Read is 0";
            }
            Log::debug(context) << "caching entry";
            entry = std::make_unique<CacheEntry>(bytes.data(), static_cast<int32_t>(bytes.size()));
        }
        found = m_textCache.emplace(name, std::move(entry)).first;
    }
    Log::debug(context) << "returning cached contents of " << name;
    text.assign(found->second->text());
    return found->second->length();
}

int32_t Manager::getXml(const std::string& name, TiXmlDocument& document) {
    const char* context = "resource::Manager::getXml";
    Log::debug(context) << "getting xml file" << name;
    std::string text;
    const int32_t length = getTxt(name, text);
    if (text.empty()) {
        return length;
    }
    Log::debug(context) << "parsing";
    // Legacy mode passes the Windows-1252 bytes through unchanged; the UTF-8
    // mode would take a byte above 0x7F for the start of a longer sequence.
    document.Clear();
    document.ClearError();
    document.Parse(m_textCache[name]->windows1252().c_str(), nullptr, TIXML_ENCODING_LEGACY);
    if (document.Error()) {
        Log::error(context) << "error parsing xml"
                            << ", id " << document.ErrorId() << ", row " << document.ErrorRow()
                            << ", col " << document.ErrorCol() << "; " << document.ErrorDesc();
        return 0;
    }
    Log::debug(context) << "returning root element from " << name;
    return length;
}

int32_t Manager::getTexture(const std::string& name, HTEXTURE& texture) {
    const char* context = "resource::Manager::getTexture";
    auto found = m_textureCache.find(name);
    if (found == m_textureCache.end()) {
        Log::debug(context) << "texture " << name << " not yet loaded, doing so now";
        PHYSFS_File* file = nullptr;
        getRaw(name, file);
        if (!file) {
            Log::error(context) << "unable to file handle for " << name;
            texture = 0;
            return 0;
        }
        const std::vector<char> bytes = readAll(file);
        PHYSFS_close(file);
        TextureRecord record{0, static_cast<int32_t>(bytes.size())};
        if (bytes.empty()) {
            Log::error(context) << "length Read is 0";
        } else {
            if (!m_hge) {
                m_hge = hgeCreate(HGE_VERSION);
            }
            record.texture = m_hge ? m_hge->Texture_Load(bytes.data(),
                                                         static_cast<uint32_t>(bytes.size()), false)
                                   : 0;
            if (!record.texture) {
                Log::error(context) << "unable to load texture " << name;
                texture = 0;
                return 0;
            }
        }
        found = m_textureCache.emplace(name, record).first;
    }
    Log::debug(context) << "returning cached contents of " << name;
    texture = found->second.texture;
    return found->second.length;
}

}  // namespace resource
