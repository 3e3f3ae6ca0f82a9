#pragma once

#include "xml/xml_byte_source.h"

#include <windows.h>
#include <objidl.h>

#include <vector>

// Feeds the XML reader from a COM stream, such as the one SHCreateStreamOnFileEx
// opens on the definition file. The stream is borrowed: whoever opened it
// releases it after the reading.
class IStreamByteSource final : public xml::XmlByteSource {
public:
    explicit IStreamByteSource(IStream* stream) : m_stream(stream), m_block(64 * 1024) {}

    bool Read(void* buffer, std::size_t size, std::size_t* bytesRead) override;

    // The stream's failure code after Read returned false, S_OK before.
    HRESULT GetLastResult() const { return m_lastResult; }

private:
    IStream* m_stream;
    HRESULT m_lastResult = S_OK;
    // Each Read of the stream is a system call: it is read in large blocks,
    // which the reader's smaller requests then take from.
    std::vector<unsigned char> m_block;
    std::size_t m_blockStart = 0;
    std::size_t m_blockEnd = 0;
};
