// KestAdvCheck FILE [--json | --reg]: shows the author of a definition file
// what KestAdvConfig makes of it. Exit status 0 clean, 1 warnings, 2 no
// property.
#include "platform/text_conversion.h"
#include "tools/check_report.h"
#include "tools/definition_check.h"
#include "tools/reg_file.h"

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

}  // namespace

int main(int argc, char** argv)
{
    const char* path = nullptr;
    const char* form = "";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0 || std::strcmp(argv[i], "--reg") == 0)
            form = argv[i];
        else if (path == nullptr)
            path = argv[i];
        else
            path = "";  // more than one file: usage
    }
    if (path == nullptr || *path == '\0') {
        std::fputs("usage: KestAdvCheck FILE [--json | --reg]\n", stderr);
        return 2;
    }
    // UTF-8 bytes as they are, and "\n" not "\r\n", for other tools to read.
    _setmode(_fileno(stdout), _O_BINARY);

    CDefinitionCheck check;
    check.Run(path);
    if (std::strcmp(form, "--json") == 0)
        WriteCheckJson(stdout, check);
    else if (std::strcmp(form, "--reg") == 0)
        WriteRegFile(RegFileOfFirstApply(check.m_collection));
    else
        WriteCheckReport(stdout, path, check);
    std::fflush(stdout);
    return check.ExitStatus();
}
