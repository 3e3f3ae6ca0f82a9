#pragma once

#include "editor/property_collection.h"

// Builds models by hand for tests of what reads and writes them.
inline CQuorvelinProperty* AddProperty(CPropertyCollection* collection)
{
    auto* property = new CQuorvelinProperty;
    collection->AddProperty(property);
    return property;
}
