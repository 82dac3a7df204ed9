#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fontgen {

// The bytes of Windows-1252 that stand for a printable character, in byte order.
std::vector<uint8_t> printableBytes();

// The Unicode code point of a Windows-1252 byte, 0 when the byte is unassigned.
uint32_t unicodeOf(uint8_t byte);

// The Windows-1252 byte of a code point, 0 when there is none.
uint8_t byteOf(uint32_t codePoint);

// Decodes UTF-8 text to Windows-1252; characters without a byte become '?'.
std::string utf8ToCp1252(const std::string& utf8);

// Encodes one code point as UTF-8.
std::string utf8Of(uint32_t codePoint);

}  // namespace fontgen
