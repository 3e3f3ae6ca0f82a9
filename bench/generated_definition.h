#pragma once

#include <string>

// A definition file for the benchmarks: `properties` properties of
// `attributesEach` combo-box attributes with unique Ids, each with its own
// registry value (key "Group<p>", value "Value<a>"), Russian and English texts.
std::string GeneratedDefinitionFile(int properties, int attributesEach);
