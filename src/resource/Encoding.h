#pragma once

#include <cstdint>
#include <string>

// Text in memory is Windows-1252 (the fonts index their glyphs by byte); data
// files on disk and C++ source files are UTF-8. These convert between the two.
//
// Only XML text is converted when it is read (resource::Manager::getXml);
// getTxt hands out a file's bytes as they are, since the other text files
// (font descriptions) are plain ASCII and binary callers need exact bytes.
namespace text {

// UTF-8 to Windows-1252. A leading byte order mark is dropped. A character
// that Windows-1252 lacks, and a byte that is not valid UTF-8, becomes '?';
// one warning per call then names how many and the first of them.
std::string toWindows1252(const std::string& utf8);

// Windows-1252 to UTF-8, for log lines, files and tests. The five bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
std::string toUtf8(const std::string& windows1252);

// The Windows-1252 byte of a Unicode code point, or -1 when there is none.
int windows1252Byte(uint32_t codePoint);

// Checks that `utf8` is valid UTF-8 and every character exists in
// Windows-1252. On failure `problem` (when given) says what and where.
bool isConvertible(const std::string& utf8, std::string* problem = nullptr);

}  // namespace text

// A string literal with non-ASCII letters, in the game's in-memory encoding:
//     label->setText(W1252(u8"Sälj"));
#define W1252(literal) ::text::toWindows1252(literal)
