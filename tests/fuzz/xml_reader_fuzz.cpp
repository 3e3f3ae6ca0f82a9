// Reads arbitrary bytes to the end or the first error through every getter
// and the attribute walk, once whole and once in small pieces: both readings
// must give the same nodes, or a buffer boundary loses or garbles one.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "xml/xml_reader.h"

namespace {

using namespace xml;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Appends the node or attribute the reader is on; each string must end in a zero.
void AppendNode(std::u16string* out, const XmlReader& reader) {
    XmlNodeType type = XmlNodeType::None;
    std::uint32_t line = 0, position = 0;
    Check(reader.GetNodeType(&type) == result::Ok && reader.GetLineNumber(&line) == result::Ok &&
          reader.GetLinePosition(&position) == result::Ok && line >= 1 && position >= 1 && !reader.IsDefault());
    *out += {static_cast<char16_t>(type), static_cast<char16_t>(line), static_cast<char16_t>(position),
             reader.IsEmptyElement() ? u'/' : u'.'};
    for (auto get : {&XmlReader::GetPrefix, &XmlReader::GetLocalName, &XmlReader::GetValue}) {
        const char16_t* text = nullptr;
        std::uint32_t length = 0;
        Check((reader.*get)(&text, &length) == result::Ok && text != nullptr && text[length] == u'\0');
        out->append(text, length).push_back(u'|');
    }
}

std::u16string ReadAll(const std::uint8_t* data, std::size_t size, std::size_t chunk) {
    XmlMemorySource source(data, size, chunk);
    XmlReader reader;
    Check(reader.SetProperty(XmlReaderProperty::DtdProcessing, static_cast<std::intptr_t>(DtdProcessing::Prohibit)) ==
          result::Ok);
    Check(reader.SetInput(&source) == result::Ok);
    std::u16string trace;
    XmlResult outcome = result::Ok;
    for (std::size_t reads = 0;; ++reads) {
        Check(reads <= size + 1);  // every node takes a byte: more reads mean a loop
        XmlNodeType type = XmlNodeType::None;
        outcome = reader.Read(&type);
        AppendNode(&trace, reader);
        if (outcome != result::Ok) {
            Check(type == XmlNodeType::None);
            break;
        }
        std::size_t attributes = 0;
        for (auto moved = reader.MoveToFirstAttribute(); moved == result::Ok; moved = reader.MoveToNextAttribute()) {
            Check(++attributes <= size);
            AppendNode(&trace, reader);
        }
        Check(reader.MoveToElement() == (attributes != 0 ? result::Ok : result::NothingToMoveTo));
    }
    Check(outcome == result::EndOfInput || Failed(outcome));
    Check(reader.Read(nullptr) == outcome);  // the end and errors are final
    trace += {static_cast<char16_t>(static_cast<std::uint32_t>(outcome) >> 16),
              static_cast<char16_t>(static_cast<std::uint32_t>(outcome) & 0xFFFF)};
    return trace;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::size_t chunk = size == 0 ? 1 : 1 + data[0] % 7;
    Check(ReadAll(data, size, chunk) == ReadAll(data, size, SIZE_MAX));
    return 0;
}
