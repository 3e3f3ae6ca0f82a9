#include "tour/remote_memory.h"

RemoteMemory::RemoteMemory(HWND window, size_t size)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (m_process != nullptr)
        m_block = static_cast<char*>(VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
}

RemoteMemory::~RemoteMemory()
{
    if (m_block != nullptr)
        VirtualFreeEx(m_process, m_block, 0, MEM_RELEASE);
    if (m_process != nullptr)
        CloseHandle(m_process);
}

bool RemoteMemory::Write(size_t offset, const void* data, size_t size) const
{
    return m_block != nullptr && WriteProcessMemory(m_process, m_block + offset, data, size, nullptr);
}

bool RemoteMemory::Read(size_t offset, void* data, size_t size) const
{
    return m_block != nullptr && ReadProcessMemory(m_process, m_block + offset, data, size, nullptr);
}
