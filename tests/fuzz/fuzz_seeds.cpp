// Writes the starting corpora of the fuzz targets from the tests' case
// tables, so every run starts from inputs that already reach deep into the
// grammar:
//   fuzz_seeds xml FOLDER      every XML case, one a file;
//   fuzz_seeds pattern FOLDER  every pattern case in the fuzz target's input
//                              layout: a length byte, the pattern, the text.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tests/ui/controls/pattern_cases.h"
#include "tests/xml/xml_cases.h"

namespace {

constexpr std::size_t kMaxPattern = 32;  // as in pattern_fuzz.cpp

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string kind = argc == 3 ? argv[1] : "";
    if (kind != "xml" && kind != "pattern") {
        std::cerr << "usage: fuzz_seeds xml|pattern FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[2];
    std::filesystem::create_directories(folder);
    bool written = true;
    if (kind == "xml") {
        for (const xml::testing::XmlCase& c : xml::testing::kXmlCases) {
            written = WriteFile(folder / (std::string(c.name) + ".xml"), xml::testing::XmlCaseBytes(c)) && written;
        }
    } else {
        std::size_t n = 0;
        for (const PatternCase& c : kPatternCases) {
            const std::string pattern = c.pattern;
            if (pattern.size() <= kMaxPattern) {
                const std::string seed = static_cast<char>(pattern.size()) + pattern + c.text;
                written = WriteFile(folder / ("case" + std::to_string(n++)), seed) && written;
            }
        }
    }
    return written ? 0 : 1;
}
