#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace resource {

// One cached text file: the bytes read, followed by a zero byte that is not
// counted in the length. An entry for a file that could not be opened holds
// empty text and length 0.
class CacheEntry {
public:
    CacheEntry();
    // Takes `length` bytes of `bytes` (which may be null when length is 0).
    CacheEntry(const char* bytes, int32_t length);
    virtual ~CacheEntry() = default;

    CacheEntry(const CacheEntry&) = delete;
    CacheEntry& operator=(const CacheEntry&) = delete;

    // Always zero-terminated; the file may hold zero bytes of its own.
    const char* text() const { return m_text.get(); }
    int32_t length() const { return m_length; }

    // The text converted to Windows-1252, made on first request and kept, so
    // a file that many readers parse is converted once.
    const std::string& windows1252() const;

private:
    std::unique_ptr<char[]> m_text;
    int32_t m_length;
    mutable std::unique_ptr<std::string> m_windows1252;
};

}  // namespace resource
