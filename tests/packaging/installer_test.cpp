// The installer as a user runs it silently: a per-user install without
// elevation, the installed program starts, the Start-menu entry and the
// Add/Remove Programs entry exist; then the registered silent uninstaller
// removes all of that and leaves the user's settings.
#include "platform/module_path.h"
#include "tests/support/program_process.h"
#include "tests/support/registry_listing.h"
#include "tests/support/registry_values.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

namespace {

constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KestAdvConfig";
constexpr char kCompanyKey[] = "Software\\Tarnwick, Inc.";
constexpr char kPositionKey[] = "Software\\Tarnwick, Inc.\\Quorvelin Applet\\Window Position";
constexpr char kTitle[] = "Quorvelin Advanced Configuration";
const char* const kInstalledFiles[] = {"KestAdvConfig.exe", "KestAdvCheck.exe", "kestadvconfig.xml",
                                       "HELP\\KestAdvConfig.chm", "uninstall.exe"};

std::string ReadString(const char* keyPath, const char* name)
{
    return ReadRegistryText(keyPath, name).value_or("");
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

// Runs `commandLine` and waits until it and every process it started have
// ended: the uninstaller hands its work to a copy of itself in the temporary
// folder and returns at once. The first process's exit code, or -1 when the
// processes did not end within `timeoutMs`.
long RunToCompletion(std::string commandLine, DWORD timeoutMs)
{
    const HANDLE job = CreateJobObjectA(nullptr, nullptr);
    const HANDLE port = CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1);
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT link{job, port};
    SetInformationJobObject(job, JobObjectAssociateCompletionPortInformation, &link, sizeof link);

    long exitCode = -1;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                       &startup, &process)) {
        AssignProcessToJobObject(job, process.hProcess);
        ResumeThread(process.hThread);
        const ULONGLONG deadline = GetTickCount64() + timeoutMs;
        DWORD message = 0;
        ULONG_PTR key = 0;
        LPOVERLAPPED detail = nullptr;
        for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
            if (!GetQueuedCompletionStatus(port, &message, &key, &detail, static_cast<DWORD>(deadline - now)))
                break;
            if (message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO) {
                DWORD code = 0;
                GetExitCodeProcess(process.hProcess, &code);
                exitCode = static_cast<long>(code);
                break;
            }
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(port);
    CloseHandle(job);
    return exitCode;
}

struct Shortcut {
    std::string target;
    std::string folder;
};

Shortcut ReadShortcut(const std::string& path)
{
    Shortcut shortcut;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return shortcut;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(std::wstring(path.begin(), path.end()).c_str(), STGM_READ))) {
            char text[MAX_PATH] = {};
            link->GetPath(text, MAX_PATH, nullptr, 0);
            shortcut.target = text;
            link->GetWorkingDirectory(text, MAX_PATH);
            shortcut.folder = text;
        }
        file->Release();
    }
    link->Release();
    return shortcut;
}

class InstallerTest : public testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_FALSE(RegistryKeyExists(kUninstallKey)) << "installed before the test";
    }
    void TearDown() override
    {
        // A test that stopped half-way still leaves the prefix as it found it.
        if (const auto uninstall = ReadRegistryText(kUninstallKey, "QuietUninstallString"))
            RunToCompletion(*uninstall, 60000);
        CoUninitialize();
    }

    RegistryKeyKeeper m_settings{kCompanyKey};
};

}  // namespace

TEST_F(InstallerTest, InstallsForTheUserStartsAndUninstallsSilentlyKeepingTheUsersSettings)
{
    // A setting the user has from an earlier run.
    WriteRegistryText(kPositionKey, "Position", "0.100000,0.100000,640,420");

    const std::string installer =
        std::string(AfxGetModuleFolder()) + "\\KestAdvConfig-" KAC_VERSION "-setup.exe";
    ASSERT_TRUE(Exists(installer)) << installer;
    ASSERT_EQ(0, RunToCompletion("\"" + installer + "\" /S", 60000));

    // Installed below the user's local application data, with every file.
    const std::string folder = ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\KestAdvConfig";
    EXPECT_EQ(folder, ReadString(kUninstallKey, "InstallLocation"));
    for (const char* file : kInstalledFiles)
        EXPECT_TRUE(Exists(folder + "\\" + file)) << file;

    // In the user's Add/Remove Programs list, with a silent uninstaller.
    EXPECT_EQ(kTitle, ReadString(kUninstallKey, "DisplayName"));
    EXPECT_EQ("Tarnwick, Inc.", ReadString(kUninstallKey, "Publisher"));
    EXPECT_EQ("\"" + folder + "\\uninstall.exe\"", ReadString(kUninstallKey, "UninstallString"));
    const std::string quietUninstall = ReadString(kUninstallKey, "QuietUninstallString");
    EXPECT_EQ("\"" + folder + "\\uninstall.exe\" /S", quietUninstall);

    // The user's Start menu starts the program in its folder.
    const std::string shortcutPath = ShellFolder(CSIDL_PROGRAMS) + "\\" + kTitle + ".lnk";
    const Shortcut shortcut = ReadShortcut(shortcutPath);
    EXPECT_EQ(folder + "\\KestAdvConfig.exe", shortcut.target);
    EXPECT_EQ(folder, shortcut.folder);

    // The installed program shows its dialog and ends when it closes.
    {
        ProgramProcess program(shortcut.target, shortcut.folder.c_str());
        ASSERT_TRUE(program.Started()) << GetLastError();
        const HWND dialog = program.WaitForWindow(kTitle, 30000);
        ASSERT_NE(nullptr, dialog);
        // With a taskbar button of its own (fault: no button to find it by).
        EXPECT_TRUE(GetWindowLongPtrA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
        EXPECT_EQ(0u, program.CloseAndWait(dialog, 15000));
    }

    // The registered silent uninstaller removes files, shortcut and its key.
    ASSERT_EQ(0, RunToCompletion(quietUninstall, 60000));
    EXPECT_FALSE(Exists(folder));
    EXPECT_FALSE(Exists(shortcutPath));
    EXPECT_FALSE(RegistryKeyExists(kUninstallKey));
    // The user's settings stay.
    EXPECT_FALSE(ReadString(kPositionKey, "Position").empty());
}
