#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace xml {

// Where the XML reader gets its bytes from. The program wraps the definition
// file's stream; tests and fuzz targets read from memory.
class XmlByteSource {
public:
    virtual ~XmlByteSource() = default;

    // Copies at most size bytes into buffer and stores how many in *bytesRead.
    // Zero bytes with true means the input has ended. False means the read
    // failed; the reader then stops with an error.
    virtual bool Read(void* buffer, std::size_t size, std::size_t* bytesRead) = 0;

protected:
    XmlByteSource() = default;
    XmlByteSource(const XmlByteSource&) = default;
    XmlByteSource& operator=(const XmlByteSource&) = default;
};

// Serves a block of memory that the caller keeps alive. maxChunk limits how
// much one Read hands out, so tests can split the input at every byte.
class XmlMemorySource final : public XmlByteSource {
public:
    XmlMemorySource(const void* data, std::size_t size, std::size_t maxChunk = SIZE_MAX)
        : m_data(static_cast<const std::uint8_t*>(data)),
          m_size(data != nullptr ? size : 0),
          m_maxChunk(std::max<std::size_t>(maxChunk, 1)) {}

    bool Read(void* buffer, std::size_t size, std::size_t* bytesRead) override {
        const std::size_t count = std::min({size, m_size - m_offset, m_maxChunk});
        if (count != 0) {
            std::memcpy(buffer, m_data + m_offset, count);
        }
        m_offset += count;
        *bytesRead = count;
        return true;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_maxChunk;
    std::size_t m_offset = 0;
};

}  // namespace xml
