#include "components/trailing_backslash.h"

namespace {

bool EndsWithBackslash(const CString& path)
{
    return !path.IsEmpty() && path.GetAt(path.GetLength() - 1) == '\\';
}

}  // namespace

CString WithTrailingBackslash(const CString& path)
{
    return EndsWithBackslash(path) ? path : path + '\\';
}

CString WithoutTrailingBackslash(const CString& path)
{
    return EndsWithBackslash(path) ? path.Left(path.GetLength() - 1) : path;
}
