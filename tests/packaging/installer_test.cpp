// The installer run silently for the user, without elevation, then its
// registered silent uninstaller.
#include "platform/com_scope.h"
#include "platform/module_path.h"
#include "tests/support/program_process.h"
#include "tests/support/registry_listing.h"
#include "tests/support/registry_values.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <string>

namespace {

constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KestAdvConfig";
constexpr char kPositionKey[] = "Software\\Tarnwick, Inc.\\Quorvelin Applet\\Window Position";
constexpr char kTitle[] = "Quorvelin Advanced Configuration";

std::string Text(const char* name)
{
    return ReadRegistryText(kUninstallKey, name).value_or("");
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ShellFolder(int csidl)
{
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

// A shortcut's target and working folder, "|" between.
std::string ShortcutTargetAndFolder(const std::string& path)
{
    char target[MAX_PATH] = "(unreadable)";
    char folder[MAX_PATH] = {};
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            if (SUCCEEDED(file->Load(std::wstring(path.begin(), path.end()).c_str(), STGM_READ)) &&
                SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0)))
                link->GetWorkingDirectory(folder, MAX_PATH);
            file->Release();
        }
        link->Release();
    }
    return std::string(target) + "|" + folder;
}

}  // namespace

// Faults: a file left out; an entry the list of installed programs cannot
// uninstall silently; a shortcut that starts the program in another folder;
// an uninstall that leaves files, shortcut or entry, or takes the user's
// settings.
TEST(InstallerTest, InstallsForTheUserStartsAndUninstallsSilentlyKeepingTheUsersSettings)
{
    ASSERT_FALSE(RegistryKeyExists(kUninstallKey)) << "installed before the test";
    CComScope com;
    RegistryKeyKeeper settings("Software\\Tarnwick, Inc.");
    WriteRegistryText(kPositionKey, "Position", "0.100000,0.100000,640,420");  // from an earlier run
    const std::string folder = ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\KestAdvConfig";
    const std::string installer = std::string(AfxGetModuleFolder()) + "\\KestAdvConfig-" KAC_VERSION "-setup.exe";
    EXPECT_EQ(0u, RunProgram(installer, "/S", 60000).exitCode);

    for (const char* file : {"KestAdvConfig.exe", "KestAdvCheck.exe", "kestadvconfig.xml", "HELP\\KestAdvConfig.chm"})
        EXPECT_TRUE(Exists(folder + "\\" + file)) << file;
    EXPECT_EQ(folder, Text("InstallLocation"));
    EXPECT_EQ(kTitle, Text("DisplayName"));
    EXPECT_EQ("Tarnwick, Inc.", Text("Publisher"));
    EXPECT_EQ("\"" + folder + "\\uninstall.exe\"", Text("UninstallString"));
    EXPECT_EQ("\"" + folder + "\\uninstall.exe\" /S", Text("QuietUninstallString"));
    const std::string shortcut = ShellFolder(CSIDL_PROGRAMS) + "\\" + kTitle + ".lnk";
    EXPECT_EQ(folder + "\\KestAdvConfig.exe|" + folder, ShortcutTargetAndFolder(shortcut));
    {
        ProgramProcess program(folder + "\\KestAdvConfig.exe", folder.c_str());
        const HWND dialog = program.WaitForWindow(kTitle, 30000);
        EXPECT_NE(nullptr, dialog) << "the installed program shows no dialog";
        EXPECT_EQ(0u, program.CloseAndWait(dialog, 15000));
    }

    // The uninstaller hands its work to a copy of itself and returns at once.
    RunProgram(folder + "\\uninstall.exe", "/S", 60000);
    for (int wait = 0; wait < 300 && RegistryKeyExists(kUninstallKey); ++wait)
        Sleep(100);
    EXPECT_FALSE(Exists(folder));
    EXPECT_FALSE(Exists(shortcut));
    EXPECT_FALSE(RegistryKeyExists(kUninstallKey));
    EXPECT_TRUE(ReadRegistryText(kPositionKey, "Position").has_value());
    DeleteRegistryKey(kUninstallKey);  // what a failed uninstall left: the next run starts clean
}
