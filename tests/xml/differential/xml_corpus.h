#pragma once

// Documents for checking the XML reader against another reader and for seeding
// its fuzz target: hand-written ones that walk the grammar, and ones made from
// them by cutting and by random mutation.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace xml::corpus {

struct Document {
    std::string name;
    std::string bytes;
};

// Well-formed and malformed documents covering declarations, encodings,
// namespaces, references, CDATA, comments, processing instructions,
// attributes and white space.
std::vector<Document> HandWritten();

// Every document of from cut after each of its bytes: the end of input inside
// every construct.
std::vector<Document> Truncated(const std::vector<Document>& from);

// count documents made from random documents of from by byte edits, inserted
// markup tokens, deleted and repeated ranges. The same seed gives the same
// documents on every machine.
std::vector<Document> Mutated(const std::vector<Document>& from, std::uint64_t seed, std::size_t count);

}  // namespace xml::corpus
