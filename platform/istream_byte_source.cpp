#include "platform/istream_byte_source.h"

#include <climits>

bool IStreamByteSource::Read(void* buffer, std::size_t size, std::size_t* bytesRead)
{
    *bytesRead = 0;
    if (m_stream == nullptr) {
        m_lastResult = E_POINTER;
        return false;
    }
    // IStream counts in ULONG; the reader asks for a few kilobytes at a time.
    const ULONG wanted = size > ULONG_MAX ? ULONG_MAX : static_cast<ULONG>(size);
    ULONG got = 0;
    const HRESULT hr = m_stream->Read(buffer, wanted, &got);
    // S_FALSE only says that fewer bytes than asked were left.
    if (FAILED(hr)) {
        m_lastResult = hr;
        return false;
    }
    *bytesRead = got;
    return true;
}
