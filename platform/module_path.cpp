#include "platform/module_path.h"

CString AfxGetModulePath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return CString(path);
}

CString AfxGetModuleFolder()
{
    const CString path = AfxGetModulePath();
    const int slash = path.ReverseFind('\\');
    return slash >= 0 ? path.Left(slash) : path;
}
