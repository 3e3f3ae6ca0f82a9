// KestAdvCheck FILE [--json]: shows the author of a definition file what
// KestAdvConfig makes of it. Exit status 0 clean, 1 warnings, 2 no property.
#include "tools/check_report.h"
#include "tools/definition_check.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    const char* path = nullptr;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0)
            json = true;
        else if (path == nullptr)
            path = argv[i];
        else
            path = "";  // more than one file: usage
    }
    if (path == nullptr || *path == '\0') {
        std::fputs("usage: KestAdvCheck FILE [--json]\n", stderr);
        return 2;
    }
    // UTF-8 bytes as they are, and "\n" not "\r\n", for other tools to read.
    _setmode(_fileno(stdout), _O_BINARY);

    CDefinitionCheck check;
    check.Run(path);
    if (json)
        WriteCheckJson(stdout, check);
    else
        WriteCheckReport(stdout, path, check);
    std::fflush(stdout);
    return check.ExitStatus();
}
