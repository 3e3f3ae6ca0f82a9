// Loads a generated definition file of 200 properties with 50 attributes each
// and reads and writes all its values in the real registry. Beside each
// figure it prints its floor, measured in the same run: the XML reader alone
// under the load, and the bare registry calls over the same keys and values
// under the value store, both with a key opened (or created) per value and
// once per key, the least any store needs. Reads run with the keys there and
// with them missing, as at the first start. Exits non-zero when the work did
// not happen.
#include "bench/bench_figures.h"
#include "bench/generated_definition.h"
#include "editor/property_collection.h"
#include "platform/istream_byte_source.h"
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
constexpr int kLoadRuns = 21;
constexpr int kRegistryRuns = 5;
const char kBenchKey[] = "Software\\KacBench";
const char kRoot[] = "Software\\KacBench\\Definitions";

int ReadAllNodes(xml::XmlByteSource* source)
{
    xml::XmlReader reader;
    reader.SetInput(source);
    xml::XmlNodeType type;
    int nodes = 0;
    while (reader.Read(&type) == xml::result::Ok)
        ++nodes;
    return nodes;
}

int ReadFileNodes(const std::wstring& path)
{
    IStream* stream = nullptr;
    if (FAILED(SHCreateStreamOnFileEx(path.c_str(), STGM_READ, FILE_ATTRIBUTE_NORMAL, FALSE, nullptr, &stream)))
        return 0;
    IStreamByteSource source(stream);
    const int nodes = ReadAllNodes(&source);
    stream->Release();
    return nodes;
}

// Medians and their ratio; the best runs in brackets show how steady the
// machine was.
void Report(const char* what, const std::vector<double>& times, const char* floorName,
            const std::vector<double>& floorTimes)
{
    std::printf("%-29s %8.2f ms (%7.2f)   %-25s %8.2f ms (%7.2f)   ratio %.2f\n", what, Median(times), Best(times),
                floorName, Median(floorTimes), Best(floorTimes), Median(times) / Median(floorTimes));
}

// Where the store keeps each attribute: the key below HKEY_CURRENT_USER and
// the value name.
struct Place {
    std::string key;
    std::string value;
};

// The bare registry calls over the same places. Each returns how many
// succeeded.

LSTATUS CreateKey(const char* path, HKEY* key)
{
    return RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key, nullptr);
}

LSTATUS OpenKey(const char* path, HKEY* key)
{
    return RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, key);
}

bool SetValue(HKEY key, const Place& place, const DWORD& data)
{
    return RegSetValueExA(key, place.value.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof data) == ERROR_SUCCESS;
}

bool QueryMatches(HKEY key, const Place& place, DWORD expected)
{
    DWORD data = 0;
    DWORD size = sizeof data;
    return RegQueryValueExA(key, place.value.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size) ==
               ERROR_SUCCESS &&
           data == expected;
}

// Opens each key with open and calls act(key, place, value) for each place
// in it: a key per value, or one per run of places that share the key.
template <class Open, class Act>
int Bare(const std::vector<Place>& places, const std::vector<DWORD>& values, bool perKey, Open open, Act act)
{
    int done = 0;
    for (size_t first = 0, end = 0; first < places.size(); first = end) {
        end = first + 1;
        while (perKey && end < places.size() && places[end].key == places[first].key)
            ++end;
        HKEY key = nullptr;
        if (open(places[first].key.c_str(), &key) != ERROR_SUCCESS)
            continue;
        for (size_t i = first; i < end; ++i)
            done += act(key, places[i], values[i]) ? 1 : 0;
        RegCloseKey(key);
    }
    return done;
}

int BareWrite(const std::vector<Place>& places, const std::vector<DWORD>& data, bool perKey = false)
{
    return Bare(places, data, perKey, CreateKey, SetValue);
}

int BareRead(const std::vector<Place>& places, const std::vector<DWORD>& expected, bool perKey = false)
{
    return Bare(places, expected, perKey, OpenKey, QueryMatches);
}

}  // namespace

int main()
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "kac_definition_bench.xml";
    const std::wstring widePath(path.begin(), path.end());  // the temporary folder's path is ASCII
    const std::string xml = GeneratedDefinitionFile(kProperties, kAttributes);
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(xml.data(), 1, xml.size(), file);
        std::fclose(file);
    } else {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("definition file: %d properties x %d attributes, %zu bytes; median (best) of %d loads and %d "
                "registry runs\n",
                kProperties, kAttributes, xml.size(), kLoadRuns, kRegistryRuns);

    std::vector<double> readerOnly, readerOnFile, loads;
    int nodes = 0;
    bool allDone = true;
    CPropertyCollection collection;
    for (int run = 0; run < kLoadRuns; ++run) {
        readerOnly.push_back(Milliseconds([&] {
            xml::XmlMemorySource source(xml.data(), xml.size());
            nodes = ReadAllNodes(&source);
        }));
        int fileNodes = 0;
        readerOnFile.push_back(Milliseconds([&] { fileNodes = ReadFileNodes(widePath); }));
        CPropertyCollection loaded;
        loads.push_back(Milliseconds([&] { loaded.LoadDefinitionFile(path.c_str()); }));
        allDone = allDone && nodes > 0 && fileNodes == nodes;
        if (run == 0)
            collection.LoadDefinitionFile(path.c_str());
    }

    // Distinct values, so that a read that takes the wrong one shows.
    std::vector<Place> places;
    std::vector<DWORD> values;
    for (const auto [property, attribute] : collection.Attributes()) {
        places.push_back({std::string(kRoot) + "\\" + attribute->m_strRegKey.str(), attribute->m_strRegItem.str()});
        values.push_back(static_cast<DWORD>(attribute->m_nId));
    }
    const int attributes = static_cast<int>(places.size());
    allDone = allDone && attributes == kProperties * kAttributes;

    std::vector<double> storeWritesNew, bareWritesNew, bareWritesNewPerKey, storeWrites, bareWrites,
        bareWritesPerKey;
    std::vector<double> storeReads, bareReads, bareReadsPerKey, storeReadsMissing, bareReadsMissing,
        bareReadsMissingPerKey;
    for (int run = 0; run < kRegistryRuns; ++run) {
        for (const auto [property, attribute] : collection.Attributes())
            attribute->m_nValue = attribute->m_nId;
        SHDeleteKeyA(HKEY_CURRENT_USER, kBenchKey);
        int bareWritten = 0;
        bareWritesNew.push_back(Milliseconds([&] { bareWritten = BareWrite(places, values); }));
        SHDeleteKeyA(HKEY_CURRENT_USER, kBenchKey);
        bareWritesNewPerKey.push_back(Milliseconds([&] { bareWritten += BareWrite(places, values, true); }));
        SHDeleteKeyA(HKEY_CURRENT_USER, kBenchKey);
        bool stored = false;
        storeWritesNew.push_back(Milliseconds([&] { stored = collection.WriteAllValues(kRoot); }));
        const int storeWritten = BareRead(places, values);  // into keys that did not exist
        bareWrites.push_back(Milliseconds([&] { bareWritten += BareWrite(places, values); }));
        bareWritesPerKey.push_back(Milliseconds([&] { bareWritten += BareWrite(places, values, true); }));
        storeWrites.push_back(Milliseconds([&] { stored = collection.WriteAllValues(kRoot) && stored; }));

        // Every value starts at -1 before a read; afterwards the values that
        // arrived are counted, or with the keys gone (as at the first start)
        // those left at -1.
        const auto clearValues = [&] {
            for (const auto [property, attribute] : collection.Attributes())
                attribute->m_nValue = -1;
        };
        const auto countValues = [&](bool keysExist) {
            int count = 0;
            for (const auto [property, attribute] : collection.Attributes())
                count += attribute->m_nValue == (keysExist ? attribute->m_nId : -1) ? 1 : 0;
            return count;
        };
        clearValues();
        int bareRead = 0;
        int bareReadPerKey = 0;
        bareReads.push_back(Milliseconds([&] { bareRead = BareRead(places, values); }));
        bareReadsPerKey.push_back(Milliseconds([&] { bareReadPerKey = BareRead(places, values, true); }));
        storeReads.push_back(Milliseconds([&] { collection.ReadAllValues(kRoot); }));
        const int storeRead = countValues(true);

        SHDeleteKeyA(HKEY_CURRENT_USER, kBenchKey);
        clearValues();
        int bareMissing = 0;
        bareReadsMissing.push_back(Milliseconds([&] { bareMissing = BareRead(places, values); }));
        bareReadsMissingPerKey.push_back(Milliseconds([&] { bareMissing += BareRead(places, values, true); }));
        storeReadsMissing.push_back(Milliseconds([&] { collection.ReadAllValues(kRoot); }));
        const int storeLeft = countValues(false);

        allDone = allDone && stored && storeWritten == attributes && bareWritten == 4 * attributes &&
                  bareRead == attributes && bareReadPerKey == attributes && storeRead == attributes &&
                  bareMissing == 0 && storeLeft == attributes;
    }
    SHDeleteKeyA(HKEY_CURRENT_USER, kBenchKey);
    DeleteFileA(path.c_str());

    std::printf("attributes loaded: %d, XML nodes: %d\n", attributes, nodes);
    Report("LoadDefinitionFile", loads, "XML reader alone, memory", readerOnly);
    Report("", loads, "XML reader alone, file", readerOnFile);
    Report("WriteAllValues, keys created", storeWritesNew, "bare, a create per value", bareWritesNew);
    Report("", storeWritesNew, "bare, a create per key", bareWritesNewPerKey);
    Report("WriteAllValues, keys exist", storeWrites, "bare, a create per value", bareWrites);
    Report("", storeWrites, "bare, a create per key", bareWritesPerKey);
    Report("ReadAllValues, keys exist", storeReads, "bare, an open per value", bareReads);
    Report("", storeReads, "bare, an open per key", bareReadsPerKey);
    Report("ReadAllValues, keys missing", storeReadsMissing, "bare, an open per value", bareReadsMissing);
    Report("", storeReadsMissing, "bare, an open per key", bareReadsMissingPerKey);
    if (!allDone) {
        std::fprintf(stderr, "the work did not happen: not every attribute was loaded, written and read back\n");
        return 1;
    }
    return 0;
}
