#pragma once

#include <windows.h>

#include <cstddef>

// A block of memory in the process of a window, for the messages of the
// common controls that pass pointers: those do not cross processes, so
// their structures are written there and read back.
class RemoteMemory {
public:
    RemoteMemory(HWND window, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    bool Valid() const { return m_block != nullptr; }
    // The block's address in the other process, offset by `offset`.
    LPARAM At(size_t offset = 0) const { return reinterpret_cast<LPARAM>(m_block + offset); }
    bool Write(size_t offset, const void* data, size_t size) const;
    bool Read(size_t offset, void* data, size_t size) const;

private:
    HANDLE m_process = nullptr;
    char* m_block = nullptr;
};
