#pragma once

#include "platform/cstring.h"

#include <string>

// A JSON string literal of a UTF-8 text, quotes included; UTF-8 passes through.
std::string JsonString(const CString& text);
