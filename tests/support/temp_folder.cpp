#include "tests/support/temp_folder.h"

#include <windows.h>

#include <atomic>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Hidden, system and read-only entries go too.
void RemoveTree(const std::string& path)
{
    std::error_code ignored;
    for (fs::recursive_directory_iterator it(path, ignored), end; !ignored && it != end; it.increment(ignored))
        SetFileAttributesA(it->path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(path, ignored);
}

// The full path of `relative`, with the folders on the way made.
std::string Placed(const std::string& root, const std::string& relative)
{
    const std::string path = root + "\\" + relative;
    std::error_code ignored;
    fs::create_directories(fs::path(path).parent_path(), ignored);
    return path;
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
    std::error_code ignored;
    fs::create_directories(m_path + "\\" + relative, ignored);
    return m_path + "\\" + relative;
}

std::string TempFolder::MakeFile(const std::string& relative, bool hidden) const
{
    const std::string path = Placed(m_path, relative);
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    hidden ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return path;
}

std::string TempFolder::CopyFileTo(const std::string& source, const std::string& relative) const
{
    const std::string path = Placed(m_path, relative);
    CopyFileA(source.c_str(), path.c_str(), FALSE);
    return path;
}
