// Throughput of our XML reader beside libxml2's xmlTextReader on the same
// documents of about 10 MB, made here: one shaped like a large definition file
// (many small elements and attributes), one heavy with text. Each reader takes
// every node and every attribute's name and value, as the loader does. Prints
// both figures in MB/s and their ratio; exits non-zero when a reader read
// nothing or the two did not see the same elements.

#include <libxml/xmlreader.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "xml/xml_reader.h"

namespace {

constexpr std::size_t kTargetSize = 10u << 20;
constexpr int kRounds = 5;

std::string DefinitionLike() {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Quorvelin_Properties Name=\"Bench\">\n"
                       "  <Versions>1.0</Versions>\n";
    for (int property = 0; text.size() < kTargetSize; ++property) {
        text += "  <Property Name=\"Property " + std::to_string(property) + "\" KxISW=\"false\">\n";
        for (int attribute = 0; attribute < 10; ++attribute) {
            const std::string id = std::to_string(property * 10 + attribute);
            text += "    <Attrib Id=\"" + id + "\" Default=\"1\" Type=\"combobox\">Setting " + id +
                    " &amp; more\n"
                    "      <Desc>What setting " + id + " changes, in a sentence or two.</Desc>\n"
                    "      <RegKey>Settings\\Group" + std::to_string(property) + "</RegKey>\n"
                    "      <RegItem>Value" + id + "</RegItem>\n"
                    "      <Value>Off</Value>\n      <Value>On</Value>\n      <Value>Автоматически</Value>\n"
                    "    </Attrib>\n";
        }
        text += "  </Property>\n";
    }
    return text + "</Quorvelin_Properties>\n";
}

std::string TextHeavy() {
    const std::string paragraph =
        "Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt ut labore "
        "et dolore magna aliqua. Съешь же ещё этих мягких французских булок, да выпей чаю. Ut enim ad minim "
        "veniam, quis nostrud exercitation &lt;ullamco&gt; laboris nisi ut aliquip ex ea commodo consequat.\n";
    std::string text = "<?xml version=\"1.0\"?>\n<book>\n";
    for (int chapter = 0; text.size() < kTargetSize; ++chapter) {
        text += "<chapter n=\"" + std::to_string(chapter) + "\">\n<title>Chapter " + std::to_string(chapter) +
                "</title>\n<p>";
        for (int i = 0; i < 20; ++i) {
            text += paragraph;
        }
        text += "</p>\n<!-- end of chapter --><![CDATA[raw <text> & more]]>\n</chapter>\n";
    }
    return text + "</book>\n";
}

struct Count {
    std::size_t nodes = 0;
    std::size_t elements = 0;
    std::size_t attributes = 0;
    std::size_t characters = 0;  // of values, in the reader's own code units
    bool complete = false;
};

Count ReadWithOurs(const std::string& document) {
    Count count;
    xml::XmlMemorySource source(document.data(), document.size());
    xml::XmlReader reader;
    reader.SetInput(&source);
    xml::XmlNodeType type = xml::XmlNodeType::None;
    xml::XmlResult outcome = xml::result::Ok;
    const char16_t* text = nullptr;
    std::uint32_t length = 0;
    while ((outcome = reader.Read(&type)) == xml::result::Ok) {
        ++count.nodes;
        if (type == xml::XmlNodeType::Element) {
            ++count.elements;
            reader.GetLocalName(&text, &length);
            for (xml::XmlResult moved = reader.MoveToFirstAttribute(); moved == xml::result::Ok;
                 moved = reader.MoveToNextAttribute()) {
                ++count.attributes;
                reader.GetLocalName(&text, &length);
                reader.GetValue(&text, &length);
                count.characters += length;
            }
        } else {
            reader.GetValue(&text, &length);
            count.characters += length;
        }
    }
    count.complete = outcome == xml::result::EndOfInput;
    return count;
}

Count ReadWithLibxml2(const std::string& document) {
    Count count;
    xmlTextReaderPtr reader = xmlReaderForMemory(document.data(), static_cast<int>(document.size()), nullptr,
                                                 nullptr, XML_PARSE_NONET);
    if (reader == nullptr) {
        return count;
    }
    int outcome = 0;
    while ((outcome = xmlTextReaderRead(reader)) == 1) {
        ++count.nodes;
        if (xmlTextReaderNodeType(reader) == XML_READER_TYPE_ELEMENT) {
            ++count.elements;
            xmlTextReaderConstLocalName(reader);
            while (xmlTextReaderMoveToNextAttribute(reader) == 1) {
                ++count.attributes;
                xmlTextReaderConstLocalName(reader);
                const xmlChar* value = xmlTextReaderConstValue(reader);
                count.characters += value != nullptr ? xmlStrlen(value) : 0;
            }
        } else if (const xmlChar* value = xmlTextReaderConstValue(reader); value != nullptr) {
            count.characters += static_cast<std::size_t>(xmlStrlen(value));
        }
    }
    count.complete = outcome == 0;
    xmlFreeTextReader(reader);
    return count;
}

// The best of a few rounds, in MB/s.
template <typename Read>
double Throughput(const std::string& document, Read read, Count* count) {
    double best = 0;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        *count = read(document);
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        best = std::max(best, static_cast<double>(document.size()) / (1 << 20) / seconds.count());
    }
    return best;
}

bool Measure(const char* name, const std::string& document) {
    Count ours;
    Count theirs;
    const double oursRate = Throughput(document, ReadWithOurs, &ours);
    const double theirsRate = Throughput(document, ReadWithLibxml2, &theirs);
    std::printf("%-16s %5.1f MB, %zu elements, %zu attributes: ours %6.1f MB/s, libxml2 %6.1f MB/s, ratio %.2f\n",
                name, static_cast<double>(document.size()) / (1 << 20), ours.elements, ours.attributes, oursRate,
                theirsRate, oursRate / theirsRate);
    const bool read = ours.complete && theirs.complete && ours.elements != 0 && ours.elements == theirs.elements &&
                      ours.attributes == theirs.attributes;
    if (!read) {
        std::printf("  not a fair measurement: ours read %zu elements (%s), libxml2 %zu (%s)\n", ours.elements,
                    ours.complete ? "to the end" : "stopped", theirs.elements,
                    theirs.complete ? "to the end" : "stopped");
    }
    return read;
}

}  // namespace

int main() {
    xmlInitParser();
    std::printf("XML reader throughput, best of %d rounds (goal: ratio at least 1.5)\n", kRounds);
    const bool definition = Measure("definition-like", DefinitionLike());
    const bool text = Measure("text-heavy", TextHeavy());
    xmlCleanupParser();
    return definition && text ? 0 : 1;
}
