#include "platform/istream_byte_source.h"

#include <algorithm>
#include <cstring>

bool IStreamByteSource::Read(void* buffer, std::size_t size, std::size_t* bytesRead)
{
    *bytesRead = 0;
    if (m_stream == nullptr) {
        m_lastResult = E_POINTER;
        return false;
    }
    if (m_blockStart == m_blockEnd) {
        ULONG got = 0;
        const HRESULT hr = m_stream->Read(m_block.data(), static_cast<ULONG>(m_block.size()), &got);
        // S_FALSE only says that fewer bytes than asked were left.
        if (FAILED(hr)) {
            m_lastResult = hr;
            return false;
        }
        m_blockStart = 0;
        m_blockEnd = got;
    }
    const std::size_t count = std::min(size, m_blockEnd - m_blockStart);
    std::memcpy(buffer, m_block.data() + m_blockStart, count);
    m_blockStart += count;
    *bytesRead = count;
    return true;
}
