#pragma once

#include "platform/carray.h"
#include "platform/cstring.h"

class CStringArray : public CArray<CString, const CString&> {};
