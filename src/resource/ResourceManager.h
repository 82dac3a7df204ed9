#pragma once

#include <physfs.h>
#include <tinyxml.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "core/Singleton.h"
#include "engine/hge.h"
#include "resource/CacheEntry.h"

namespace resource {

// The only way the game reads its content. Construction sets up PhysicsFS from
// the side file beside the executable ("<stem>.info": a path prefix and a mode
// word, "encrypted" for ".stuff" ZIP archives, anything else for folders).
// File names are bare names such as "gui.xml": each content folder or archive
// is a root of the search path. Texts and textures are cached until the
// manager is destroyed.
class Manager : public Singleton<Manager> {
    friend class Singleton<Manager>;

public:
    // Tests and tools: the executable path to use instead of /proc/self/exe.
    // Takes effect when the next manager is constructed; empty restores the
    // real path.
    static void setExecutablePath(const std::string& path);

    // Opens `name` for reading: `out` is the open handle or null. The caller
    // reads it with PHYSFS_fileLength/PHYSFS_readBytes and closes it with
    // PHYSFS_close.
    void getRaw(const std::string& name, PHYSFS_File*& out);

    // The file's text up to its first zero byte; returns the number of bytes
    // read (0 for a missing, unreadable or empty file). The bytes are handed
    // out as they are on disk. A file that cannot be opened is tried once.
    int32_t getTxt(const std::string& name, std::string& text);

    // Parses `name` into `document` (the UTF-8 text is converted to
    // Windows-1252 first and parsed in TinyXML's legacy mode). Returns the
    // text length, or 0 when the file was missing, empty or did not parse.
    int32_t getXml(const std::string& name, TiXmlDocument& document);

    // The engine texture made from the image file `name` (0 on failure);
    // returns the file's byte length (0 on failure). A texture that the
    // engine could not make is not cached, so it is tried again next time.
    int32_t getTexture(const std::string& name, HTEXTURE& texture);

    // The executable's path without a trailing ".exe"; the side file is this
    // plus ".info".
    const std::string& getStem() const { return m_stem; }
    // The stem without its folder: the window title.
    std::string getProgramName() const;
    // The folder that holds the executable, with a trailing separator.
    const std::string& getBaseDir() const { return m_baseDir; }
    const std::string& getPrefix() const { return m_prefix; }
    bool isArchiveMode() const { return m_archiveMode; }

private:
    struct TextureRecord {
        HTEXTURE texture;
        int32_t length;
    };

    Manager();
    ~Manager() override;

    void addSearchPath(const std::string& folder);
    static std::string lastError();
    static std::string executablePath();

    std::map<std::string, std::unique_ptr<CacheEntry>> m_textCache;
    std::map<std::string, TextureRecord> m_textureCache;
    std::string m_prefix;
    bool m_archiveMode = false;
    std::string m_stem;
    std::string m_baseDir;
    HGE* m_hge = nullptr;  // taken on the first texture, released at the end

    static std::string s_executablePath;
};

}  // namespace resource
