// Writes the fuzz targets' starting corpora from the tests' case tables, so
// every run starts deep in the grammar: `xml FOLDER`, every XML case a file;
// `pattern FOLDER`, every pattern case as the fuzz target reads its input.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tests/ui/controls/pattern_cases.h"
#include "tests/xml/xml_cases.h"

int main(int argc, char** argv) {
    const std::string kind = argc == 3 ? argv[1] : "";
    if (kind != "xml" && kind != "pattern") {
        std::cerr << "usage: fuzz_seeds xml|pattern FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[2];
    std::filesystem::create_directories(folder);
    bool written = true;
    auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        written = out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) && written;
    };
    if (kind == "xml") {
        for (const xml::testing::XmlCase& c : xml::testing::kXmlCases) {
            write(std::string(c.name) + ".xml", xml::testing::XmlCaseBytes(c));
        }
    }
    for (std::size_t n = 0; const PatternCase& c : kPatternCases) {
        const std::string pattern = c.pattern;
        if (kind == "pattern" && pattern.size() <= 32) {  // the longest pattern_fuzz.cpp reads
            write("case" + std::to_string(n++), static_cast<char>(pattern.size()) + pattern + c.text);
        }
    }
    return written ? 0 : 1;
}
