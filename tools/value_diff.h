#pragma once

#include "platform/cstring.h"
#include "tools/stored_value.h"

#include <cstdio>
#include <vector>

class CPropertyCollection;
class CPropertyAttributes;
class CQuorvelinProperty;

// An attribute whose stored value is not what a first Apply would leave there.
struct CValueDifference {
    const CQuorvelinProperty* property;
    const CPropertyAttributes* attribute;
    CString keyPath;  // below HKEY_CURRENT_USER
    CString name;
    CStoredValue now;
    int firstApply;
};

// Every attribute with a stored value (reset actions have none), in the
// order Apply writes them, whose value in this user's registry differs from
// the one the first Apply of the freshly loaded collection leaves in its place.
std::vector<CValueDifference> DifferencesFromFirstApply(const CPropertyCollection& collection);

// One line per difference and a count, or one UTF-8 JSON object.
void WriteDifferences(std::FILE* out, const std::vector<CValueDifference>& differences);
void WriteDifferencesJson(std::FILE* out, const std::vector<CValueDifference>& differences);
