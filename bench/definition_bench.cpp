// Loads a generated definition file of 200 properties with 50 attributes each
// and reads and writes all its values in the real registry; prints the times.
#include "editor/duplicate_id_box.h"
#include "editor/loader_diagnostics.h"
#include "editor/property_collection.h"
#include "xml/xml_reader.h"

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kProperties = 200;
constexpr int kAttributes = 50;
constexpr int kRuns = 5;
const char kRoot[] = "Software\\KacBench\\Definitions";

std::string GeneratedFile()
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Quorvelin_Properties Name=\"Bench\">\n";
    for (int p = 0; p < kProperties; ++p) {
        xml += "  <Property Name=\"Свойство " + std::to_string(p) + "\">\n";
        for (int a = 0; a < kAttributes; ++a) {
            const int id = 1 + p * kAttributes + a;
            xml += "    <Attrib Id=\"" + std::to_string(id) + "\" Default=\"1\" Type=\"combobox\">Attribute " +
                   std::to_string(a) + "\n      <Desc>Описание параметра " + std::to_string(id) +
                   "</Desc>\n      <RegKey>Group" + std::to_string(p) + "</RegKey>\n      <RegItem>Value" +
                   std::to_string(a) + "</RegItem>\n      <Value>Нет</Value>\n      <Value>Да</Value>\n" +
                   "      <Value>Maybe</Value>\n    </Attrib>\n";
        }
        xml += "  </Property>\n";
    }
    return xml + "</Quorvelin_Properties>\n";
}

// The reader alone over the same bytes in memory: the floor under the load.
void ReadAllNodes(const std::string& xml)
{
    xml::XmlMemorySource source(xml.data(), xml.size());
    xml::XmlReader reader;
    reader.SetInput(&source);
    xml::XmlNodeType type;
    while (reader.Read(&type) == xml::result::Ok) {
    }
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Work>
double Time(Work work)
{
    LARGE_INTEGER from;
    LARGE_INTEGER to;
    QueryPerformanceCounter(&from);
    work();
    QueryPerformanceCounter(&to);
    return Milliseconds(from, to);
}

void Report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-34s median %8.2f ms   best %8.2f ms   worst %8.2f ms\n", what, times[times.size() / 2],
                times.front(), times.back());
}

}  // namespace

int main()
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "kac_definition_bench.xml";
    const std::string xml = GeneratedFile();
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(xml.data(), 1, xml.size(), file);
        std::fclose(file);
    } else {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    SetLoaderDiagnosticHook([](const CString&, bool) {});
    SetDuplicateIdBoxHook([](const CString&) {});

    std::printf("definition file: %d properties x %d attributes, %zu bytes\n", kProperties, kAttributes, xml.size());
    std::vector<double> readerOnly;
    std::vector<double> loads;
    std::vector<double> writesNew;
    std::vector<double> writes;
    std::vector<double> reads;
    int loaded = 0;
    for (int run = 0; run < kRuns; ++run) {
        readerOnly.push_back(Time([&] { ReadAllNodes(xml); }));
        CPropertyCollection collection;
        loads.push_back(Time([&] { collection.LoadDefinitionFile(path.c_str()); }));
        loaded = 0;
        for (int p = 0; p < collection.GetPropertyCount(); ++p)
            loaded += collection.GetProperty(p)->GetAttributeCount();
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
        writesNew.push_back(Time([&] { collection.WriteAllValues(kRoot); }));
        writes.push_back(Time([&] { collection.WriteAllValues(kRoot); }));
        reads.push_back(Time([&] { collection.ReadAllValues(kRoot); }));
    }
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\KacBench");
    DeleteFileA(path.c_str());
    std::printf("attributes loaded: %d, %d runs\n", loaded, kRuns);
    Report("XML reader alone, from memory", readerOnly);
    Report("LoadDefinitionFile", loads);
    Report("WriteAllValues (keys created)", writesNew);
    Report("WriteAllValues (keys exist)", writes);
    Report("ReadAllValues", reads);
    return 0;
}
