// KestAdvCheck FILE [--json | --reg | --current | --diff [--json] | --admx DIR]:
// shows the author of a definition file what KestAdvConfig makes of it, and
// gives administrators what they deploy it with. Exit status 0 clean,
// 1 warnings, 2 no property (or, with --admx, no templates written).
#include "platform/text_conversion.h"
#include "tools/admin_template.h"
#include "tools/check_report.h"
#include "tools/definition_check.h"
#include "tools/reg_file.h"
#include "tools/value_diff.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// A .reg file is UTF-16LE with a byte-order mark, as regedit writes and
// reads it: redirected to a file or a pipe, those are the bytes. On a console
// the same text is shown as text.
void WriteRegFile(const CString& text)
{
    const std::wstring wide = WideFromNarrow(text);
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(out, &mode)) {
        DWORD written = 0;
        WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    std::string bytes = "\xFF\xFE";
    for (const wchar_t unit : wide) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>((unit >> 8) & 0xFF);
    }
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

bool WriteWholeFile(const CString& path, const std::string& bytes)
{
    const HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL done = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return CloseHandle(file) && done && written == bytes.size();
}

bool MakeFolder(const CString& path)
{
    return CreateDirectoryA(path, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

// DIR\QuorvelinX8.admx and DIR\en-US\QuorvelinX8.adml, the folders made when
// missing. Only a file the loader read to its end gives templates: a partial
// one would take settings away from a whole fleet.
bool WriteAdminTemplates(const CDefinitionCheck& check, CString folder)
{
    if (!check.m_bLoaded || check.m_collection.GetPropertyCount() == 0) {
        std::fputs("no templates written: the program cannot use this file as a whole\n", stderr);
        return false;
    }
    if (folder.Right(1) != "\\" && folder.Right(1) != "/")
        folder += "\\";
    const CAdminTemplates templates = AdminTemplatesOf(check.m_collection);
    if (!MakeFolder(folder) || !MakeFolder(folder + "en-US") ||
        !WriteWholeFile(folder + "QuorvelinX8.admx", templates.admx) ||
        !WriteWholeFile(folder + "en-US\\QuorvelinX8.adml", templates.adml)) {
        std::fprintf(stderr, "no templates written: cannot write to %s (error %lu)\n", folder.GetString(),
                     GetLastError());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* path = nullptr;
    const char* form = "";
    const char* folder = nullptr;
    bool json = false;
    bool usage = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--json") {
            json = true;
        } else if (*form == '\0' && (argument == "--reg" || argument == "--current" || argument == "--diff")) {
            form = argv[i];
        } else if (*form == '\0' && argument == "--admx" && i + 1 < argc) {
            form = argv[i];
            folder = argv[++i];
        } else if (path == nullptr && argument.rfind("--", 0) != 0) {
            path = argv[i];
        } else {
            usage = true;  // a second file or mode, an unknown option, --admx without DIR
        }
    }
    const std::string mode = form;
    if (path == nullptr || *path == '\0' || usage || (json && mode != "" && mode != "--diff")) {
        std::fputs("usage: KestAdvCheck FILE [--json | --reg | --current | --diff [--json] | --admx DIR]\n", stderr);
        return 2;
    }
    // UTF-8 bytes as they are, and "\n" not "\r\n", for other tools to read.
    _setmode(_fileno(stdout), _O_BINARY);

    CDefinitionCheck check;
    check.Run(path);
    int status = check.ExitStatus();
    if (mode == "--reg") {
        WriteRegFile(RegFileOfFirstApply(check.m_collection));
    } else if (mode == "--current") {
        WriteRegFile(RegFileOfCurrentValues(check.m_collection));
    } else if (mode == "--diff") {
        const std::vector<CValueDifference> differences = DifferencesFromFirstApply(check.m_collection);
        if (json)
            WriteDifferencesJson(stdout, differences);
        else
            WriteDifferences(stdout, differences);
    } else if (mode == "--admx") {
        if (!WriteAdminTemplates(check, folder))
            status = 2;
    } else if (json) {
        WriteCheckJson(stdout, check);
    } else {
        WriteCheckReport(stdout, path, check);
    }
    std::fflush(stdout);
    return status;
}
