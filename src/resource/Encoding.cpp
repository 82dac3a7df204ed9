#include "resource/Encoding.h"

#include <cstdio>

#include "core/Log.h"

namespace {

// Code points of the bytes 0x80..0x9F; 0 marks the five undefined bytes.
const uint16_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

const uint32_t kInvalid = 0xFFFFFFFF;

// Decodes one UTF-8 sequence at `pos`; returns kInvalid (and consumes one
// byte) for anything malformed: stray continuation bytes, truncated or
// overlong sequences, surrogates and values above U+10FFFF.
uint32_t decode(const std::string& s, size_t& pos) {
    const unsigned char lead = static_cast<unsigned char>(s[pos]);
    size_t count = 0;
    uint32_t cp = 0;
    uint32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        count = 1;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        count = 2;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        count = 3;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return kInvalid;
    }
    if (pos + count >= s.size()) {
        ++pos;
        return kInvalid;
    }
    for (size_t i = 1; i <= count; ++i) {
        const unsigned char c = static_cast<unsigned char>(s[pos + i]);
        if ((c & 0xC0) != 0x80) {
            ++pos;
            return kInvalid;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kInvalid;
    }
    pos += count + 1;
    return cp;
}

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string describe(uint32_t cp) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
    return buffer;
}

}  // namespace

namespace text {

int windows1252Byte(uint32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == codePoint) {
            return 0x80 + i;
        }
    }
    return -1;
}

std::string toWindows1252(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    if (utf8.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        pos = 3;
    }
    int replaced = 0;
    std::string first;
    while (pos < utf8.size()) {
        const size_t start = pos;
        const uint32_t cp = decode(utf8, pos);
        const int byte = cp == kInvalid ? -1 : windows1252Byte(cp);
        if (byte < 0) {
            if (replaced++ == 0) {
                first = cp == kInvalid ? "invalid UTF-8 at byte " + std::to_string(start)
                                       : describe(cp) + " at byte " + std::to_string(start);
            }
            out += '?';
        } else {
            out += static_cast<char>(byte);
        }
    }
    if (replaced > 0) {
        Log::warning("text::toWindows1252")
            << "replaced " << replaced << " characters not in Windows-1252 by '?', first " << first;
    }
    return out;
}

std::string toUtf8(const std::string& windows1252) {
    std::string out;
    out.reserve(windows1252.size() + windows1252.size() / 8);
    for (char c : windows1252) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0) {
            const uint16_t cp = kHighControls[byte - 0x80];
            appendUtf8(out, cp != 0 ? cp : 0xFFFD);
        } else {
            appendUtf8(out, byte);
        }
    }
    return out;
}

bool isConvertible(const std::string& utf8, std::string* problem) {
    size_t pos = 0;
    size_t line = 1;
    while (pos < utf8.size()) {
        const size_t start = pos;
        const uint32_t cp = decode(utf8, pos);
        if (cp == kInvalid || windows1252Byte(cp) < 0) {
            if (problem) {
                *problem = (cp == kInvalid ? std::string("invalid UTF-8") : describe(cp)) +
                           " at byte " + std::to_string(start) + " (line " + std::to_string(line) +
                           ")";
            }
            return false;
        }
        if (cp == '\n') {
            ++line;
        }
    }
    return true;
}

}  // namespace text
