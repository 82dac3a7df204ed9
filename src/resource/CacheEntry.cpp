#include "resource/CacheEntry.h"

#include <cstring>

#include "resource/Encoding.h"

namespace resource {

CacheEntry::CacheEntry() : m_text(new char[1]), m_length(0) {
    m_text[0] = '\0';
}

CacheEntry::CacheEntry(const char* bytes, int32_t length)
    : m_text(new char[length > 0 ? length + 1 : 1]), m_length(length > 0 ? length : 0) {
    if (m_length > 0) {
        std::memcpy(m_text.get(), bytes, static_cast<size_t>(m_length));
    }
    m_text[m_length] = '\0';
}

const std::string& CacheEntry::windows1252() const {
    if (!m_windows1252) {
        // Up to the first zero byte, as getTxt hands the text out.
        m_windows1252 = std::make_unique<std::string>(text::toWindows1252(m_text.get()));
    }
    return *m_windows1252;
}

}  // namespace resource
