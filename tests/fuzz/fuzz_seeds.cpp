// Writes the starting corpora of the fuzz targets from the test data, so every
// run starts from inputs that already reach deep into the grammar:
//
//   fuzz_seeds xml OUTPUT_FOLDER
//       the hand-written documents of the XML differential test, one a file;
//   fuzz_seeds pattern PATTERN_TEST_SOURCE OUTPUT_FOLDER
//       the pattern and text pairs of the pattern tests, in the fuzz target's
//       input layout (a length byte, the pattern, the text).

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <regex>
#include <string>

#include "tests/xml/differential/xml_corpus.h"

namespace {

constexpr std::size_t kMaxPattern = 32;  // as in pattern_fuzz.cpp

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// The bytes a C++ string literal's body stands for (the escapes the tests use).
std::string Unescaped(const std::string& body) {
    std::string out;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] != '\\' || i + 1 == body.size()) {
            out += body[i];
            continue;
        }
        const char c = body[++i];
        switch (c) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'x': {
            std::size_t digits = 0;
            out += static_cast<char>(std::stoi(body.substr(i + 1, 2), &digits, 16));
            i += digits;
            break;
        }
        default: out += c; break;
        }
    }
    return out;
}

int WriteXmlSeeds(const std::filesystem::path& folder) {
    for (const xml::corpus::Document& document : xml::corpus::HandWritten()) {
        if (!WriteFile(folder / (document.name + ".xml"), document.bytes)) {
            return 1;
        }
    }
    return 0;
}

// Every {"pattern", "text", ...} and {"pattern", code} of the test source.
int WritePatternSeeds(const std::filesystem::path& source, const std::filesystem::path& folder) {
    std::ifstream in(source, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    static const std::regex kCase(R"re(\{"((?:[^"\\]|\\.)*)",\s*(?:"((?:[^"\\]|\\.)*)"|-?[0-9]))re");
    std::size_t written = 0;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), kCase); match != std::sregex_iterator();
         ++match) {
        const std::string pattern = Unescaped((*match)[1].str());
        if (pattern.size() > kMaxPattern) {
            continue;
        }
        const std::string seed = static_cast<char>(pattern.size()) + pattern + Unescaped((*match)[2].str());
        if (!WriteFile(folder / ("case" + std::to_string(written++)), seed)) {
            return 1;
        }
    }
    if (written == 0) {
        std::cerr << "no pattern cases found in " << source << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string kind = argc > 1 ? argv[1] : "";
    if (kind == "xml" && argc == 3) {
        std::filesystem::create_directories(argv[2]);
        return WriteXmlSeeds(argv[2]);
    }
    if (kind == "pattern" && argc == 4) {
        std::filesystem::create_directories(argv[3]);
        return WritePatternSeeds(argv[2], argv[3]);
    }
    std::cerr << "usage: fuzz_seeds xml FOLDER | fuzz_seeds pattern TEST_SOURCE FOLDER\n";
    return 2;
}
