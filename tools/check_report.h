#pragma once

#include <cstdio>

class CDefinitionCheck;

// What KestAdvCheck prints about a checked file: a readable report, or one
// UTF-8 JSON object for other tools.
void WriteCheckReport(std::FILE* out, const char* path, const CDefinitionCheck& check);
void WriteCheckJson(std::FILE* out, const CDefinitionCheck& check);
