#pragma once

#include <memory>

#include "core/audio/File.h"

namespace audio {

enum FileFormat { FF_AUTODETECT, FF_WAV, FF_OGG, FF_MP3 };

// Encoded sound data and the format to decode it as. Decoding happens when
// an effect or a stream is opened on it.
class SampleSource {
public:
    SampleSource(FilePtr file, FileFormat format) : m_file(std::move(file)), m_format(format) {}

    const FilePtr& getFile() const { return m_file; }
    FileFormat getFormat() const { return m_format; }

private:
    FilePtr m_file;
    FileFormat m_format;
};

using SampleSourcePtr = std::shared_ptr<SampleSource>;

// Null for a null or empty file, or for a file whose first bytes show it is
// not of the given format. FF_AUTODETECT takes the format from those bytes.
SampleSourcePtr OpenSampleSource(const FilePtr& file, FileFormat format = FF_AUTODETECT);

// The format that the file's first bytes announce; FF_AUTODETECT if none.
FileFormat DetectFormat(const File& file);

}  // namespace audio
