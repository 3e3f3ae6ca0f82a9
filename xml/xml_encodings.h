#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace xml {

// The character encodings a definition file may be written in.
enum class XmlEncoding {
    Utf8,
    Utf16LittleEndian,
    Utf16BigEndian,
    UsAscii,
    Iso8859_1,
    Iso8859_5,
    Windows1251,
    Windows1252,
    Koi8R,
};

// Finds the encoding an XML declaration names; the name is compared without
// case. "UTF-16" gives Utf16LittleEndian; the byte-order mark decides the
// actual order, so callers treat both UTF-16 values as agreeing with it.
// False when the name is not one we decode.
bool FindXmlEncoding(std::u16string_view name, XmlEncoding* encoding);

// Decodes the character at the start of bytes. The caller passes at least four
// bytes unless the input ends sooner, so a sequence cut short by the end of
// input is invalid. On success stores the code point and the number of bytes
// it took; false for an invalid or unassigned byte sequence (overlong UTF-8,
// encoded surrogates, unpaired UTF-16 surrogates, bytes a table leaves open).
bool DecodeXmlChar(XmlEncoding encoding, const std::uint8_t* bytes, std::size_t available,
                   char32_t* codePoint, std::size_t* byteCount);

}  // namespace xml
