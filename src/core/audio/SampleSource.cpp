#include "core/audio/SampleSource.h"

#include <cstring>

namespace audio {

namespace {

bool startsWith(const File& file, const char* magic, std::size_t offset = 0) {
    const std::size_t length = std::strlen(magic);
    return file.size() >= offset + length && std::memcmp(file.data() + offset, magic, length) == 0;
}

// An MPEG audio frame header: eleven set sync bits, a layer other than the
// reserved one.
bool isMpegFrame(const unsigned char* p) {
    return p[0] == 0xFF && (p[1] & 0xE0) == 0xE0 && (p[1] & 0x06) != 0;
}

bool looksLikeMp3(const File& file) {
    if (startsWith(file, "ID3")) {
        return true;
    }
    // Encoders may put a little padding before the first frame.
    const std::size_t window = file.size() < 4096 ? file.size() : 4096;
    for (std::size_t i = 0; i + 1 < window; ++i) {
        if (isMpegFrame(file.data() + i)) {
            return true;
        }
    }
    return false;
}

}  // namespace

FileFormat DetectFormat(const File& file) {
    if (startsWith(file, "RIFF") && startsWith(file, "WAVE", 8)) {
        return FF_WAV;
    }
    if (startsWith(file, "OggS")) {
        return FF_OGG;
    }
    if (looksLikeMp3(file)) {
        return FF_MP3;
    }
    return FF_AUTODETECT;
}

SampleSourcePtr OpenSampleSource(const FilePtr& file, FileFormat format) {
    if (!file || file->size() == 0) {
        return nullptr;
    }
    const FileFormat detected = DetectFormat(*file);
    if (detected == FF_AUTODETECT || (format != FF_AUTODETECT && format != detected)) {
        return nullptr;
    }
    return std::make_shared<SampleSource>(file, detected);
}

}  // namespace audio
