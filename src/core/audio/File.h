#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace audio {

using Bytes = std::vector<unsigned char>;
using BytesPtr = std::shared_ptr<const Bytes>;

// A sound file held in memory. It shares the bytes with whoever read them,
// so a stream that decodes from them as it plays keeps them alive even when
// the reader lets its copy go.
class File {
public:
    explicit File(BytesPtr bytes) : m_bytes(std::move(bytes)) {}

    const unsigned char* data() const { return m_bytes->data(); }
    std::size_t size() const { return m_bytes->size(); }
    const BytesPtr& bytes() const { return m_bytes; }

private:
    BytesPtr m_bytes;
};

using FilePtr = std::shared_ptr<File>;

// Null for null bytes.
inline FilePtr CreateMemoryFile(BytesPtr bytes) {
    return bytes ? std::make_shared<File>(std::move(bytes)) : FilePtr();
}

}  // namespace audio
