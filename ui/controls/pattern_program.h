#pragma once

// The compiled form of a pattern: a flat list of instruction records that
// grows on demand. The compiler appends to it one record at a time; the match
// machine only reads it.

#include <cstddef>
#include <cstdint>
#include <memory>

// The instruction kinds. Their numbers are the program format.
enum class UIPatternKind : std::int32_t {
    Nop = 0,
    GroupStart = 1,        // groups[g].start = position
    GroupEnd = 2,          // groups[g].end = position
    Symbol = 3,            // the byte must equal c; c = 0 is the end of the text
    Any = 4,               // any byte but the end
    Class = 5,             // a byte of the set that follows
    NegatedClass = 6,      // a byte outside the set that follows
    Jump = 13,
    PushPosition = 14,
    PopPosition = 15,
    Call = 16,             // push the next index as a choice point, continue at i
    Return = 17,           // fail
    PushSlot = 20,
    PopSlot = 21,
    StorePosition = 22,
    StoreDepth = 23,
    LoadPosition = 24,
    LoadDepth = 25,
    RequireProgress = 26,  // fail if the position equals slots[m]
    BackReference = 27,
    Stop = 28,             // no match
    NextStart = 29,        // try the next start position, or no match
    Accept = 30,
    SaveGroup = 31,
    RestoreGroup = 32,
};

// One record: a kind and an argument (a byte, an instruction index, a group or
// a slot number). A class instruction is followed by two records that are not
// instructions: their bytes, taken together, are its 256-bit member set.
struct UIPatternInstruction {
    UIPatternKind kind;
    std::uint64_t argument;
};

static_assert(sizeof(UIPatternInstruction) == 16, "two records must hold exactly one 256-bit class set");

class UIPatternProgram {
public:
    // Bytes of a class set and the records that hold them.
    static constexpr std::size_t kSetBytes = 32;
    static constexpr std::size_t kSetRecords = 2;

    // A program beyond this size is refused as if memory had run out: every
    // nested "+" doubles what it repeats, and no real pattern comes near it.
    static constexpr std::size_t kMaxRecords = std::size_t{1} << 22;

    std::size_t Count() const { return m_nCount; }
    std::size_t Capacity() const { return m_nCapacity; }

    const UIPatternInstruction& operator[](std::size_t index) const { return m_records[index]; }
    UIPatternInstruction& operator[](std::size_t index) { return m_records[index]; }

    // Appends one record; false when there is no memory for it.
    bool Append(UIPatternKind kind, std::uint64_t argument = 0);

    // Appends the two records that hold a class set (bit n of byte n / 8 is the
    // byte value n).
    bool AppendSet(const unsigned char (&set)[kSetBytes]);

    // Whether the set of the class instruction at classIndex holds the byte.
    bool SetContains(std::size_t classIndex, unsigned char byte) const;

    // Gives the array the capacity it would have had if records had been
    // appended one at a time until it held `count`. The compiler uses it where
    // it moves or copies records instead of compiling them a second time, so
    // that the array grows exactly as if it had.
    bool GrowAsIfFilledTo(std::size_t count);

    // The most records the array has held (or been grown for) since the mark
    // was last reset to the current count.
    std::size_t HighWater() const { return m_nHighWater; }
    void ResetHighWater() { m_nHighWater = m_nCount; }
    void RaiseHighWater(std::size_t count) {
        if (count > m_nHighWater) {
            m_nHighWater = count;
        }
    }

    // Moves records [first, last) to start at `to` (within the capacity) and
    // makes the program end after them. The instruction indices they carry
    // move with them and their slot numbers grow by slotShift.
    void Relocate(std::size_t first, std::size_t last, std::size_t to, std::uint32_t slotShift);

    // Appends a copy of records [first, last), its indices moved to the copy's
    // place and its slot numbers grown by slotShift.
    bool AppendCopy(std::size_t first, std::size_t last, std::uint32_t slotShift);

    // Drops every record and the storage.
    void Release();

private:
    // Adds `indexShift` (modulo 2^64, so it may move back) to every call and
    // jump target, and slotShift to every slot number, in [first, last).
    void ShiftOperands(std::size_t first, std::size_t last, std::uint64_t indexShift, std::uint32_t slotShift);

    std::unique_ptr<UIPatternInstruction[]> m_records;
    std::size_t m_nCount = 0;
    std::size_t m_nCapacity = 0;
    std::size_t m_nHighWater = 0;
};
