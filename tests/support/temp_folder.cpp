#include "tests/support/temp_folder.h"

#include <windows.h>

#include <atomic>

namespace {

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA entry{};
    const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace

TempFolder::TempFolder()
{
    static std::atomic<int> counter{0};
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    m_path = std::string(temp) + "kac-test-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(++counter);
    RemoveTree(m_path);
    CreateDirectoryA(m_path.c_str(), nullptr);
}

TempFolder::~TempFolder()
{
    RemoveTree(m_path);
}

std::string TempFolder::MakeFolder(const std::string& relative) const
{
    std::string path = m_path;
    size_t start = 0;
    while (start <= relative.size()) {
        const size_t end = relative.find('\\', start);
        path += "\\" + relative.substr(start, end - start);
        CreateDirectoryA(path.c_str(), nullptr);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return path;
}

std::string TempFolder::MakeFile(const std::string& relative, bool hidden) const
{
    const size_t slash = relative.rfind('\\');
    if (slash != std::string::npos)
        MakeFolder(relative.substr(0, slash));
    const std::string path = m_path + "\\" + relative;
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    hidden ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return path;
}

std::string TempFolder::CopyFileTo(const std::string& source, const std::string& relative) const
{
    const size_t slash = relative.rfind('\\');
    if (slash != std::string::npos)
        MakeFolder(relative.substr(0, slash));
    const std::string path = m_path + "\\" + relative;
    CopyFileA(source.c_str(), path.c_str(), FALSE);
    return path;
}
