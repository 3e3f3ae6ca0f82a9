#include "ui/controls/pattern_program.h"

#include <cstring>
#include <new>
#include <utility>

namespace {

// The growth rule: the larger of the needed size and the old capacity plus
// max(old / 2, needed - old).
std::size_t GrownCapacity(std::size_t capacity, std::size_t needed) {
    const std::size_t half = capacity / 2;
    const std::size_t missing = needed - capacity;
    const std::size_t grown = capacity + (half > missing ? half : missing);
    return grown > needed ? grown : needed;
}

bool IsClass(UIPatternKind kind) { return kind == UIPatternKind::Class || kind == UIPatternKind::NegatedClass; }

}  // namespace

bool UIPatternProgram::Append(UIPatternKind kind, std::uint64_t argument) {
    if (!GrowAsIfFilledTo(m_nCount + 1)) {
        return false;
    }
    m_records[m_nCount++] = UIPatternInstruction{kind, argument};
    return true;
}

bool UIPatternProgram::AppendSet(const unsigned char (&set)[kSetBytes]) {
    for (std::size_t i = 0; i < kSetRecords; ++i) {
        if (!Append(UIPatternKind::Nop)) {
            return false;
        }
    }
    // The set lives in the bytes of the two records; only memcpy touches them,
    // so they travel intact when the array grows or records move.
    std::memcpy(&m_records[m_nCount - kSetRecords], set, kSetBytes);
    return true;
}

bool UIPatternProgram::SetContains(std::size_t classIndex, unsigned char byte) const {
    unsigned char set[kSetBytes];
    std::memcpy(set, &m_records[classIndex + 1], kSetBytes);
    return ((set[byte / 8] >> (byte % 8)) & 1) != 0;
}

bool UIPatternProgram::GrowAsIfFilledTo(std::size_t count) {
    RaiseHighWater(count);
    if (count <= m_nCapacity) {
        return true;
    }
    // Filled one record at a time, the array grows each time it is full.
    std::size_t capacity = m_nCapacity;
    while (capacity < count) {
        capacity = GrownCapacity(capacity, capacity + 1);
    }
    if (capacity > kMaxRecords) {
        return false;
    }
    // Value-initialised: the new storage is zero-filled.
    std::unique_ptr<UIPatternInstruction[]> records(new (std::nothrow) UIPatternInstruction[capacity]());
    if (!records) {
        return false;
    }
    if (m_nCount != 0) {
        std::memcpy(records.get(), m_records.get(), m_nCount * sizeof(UIPatternInstruction));
    }
    m_records = std::move(records);
    m_nCapacity = capacity;
    return true;
}

void UIPatternProgram::Relocate(std::size_t first, std::size_t last, std::size_t to, std::uint32_t slotShift) {
    const std::size_t length = last - first;
    std::memmove(&m_records[to], &m_records[first], length * sizeof(UIPatternInstruction));
    m_nCount = to + length;
    ShiftOperands(to, m_nCount, static_cast<std::uint64_t>(to) - first, slotShift);
}

bool UIPatternProgram::AppendCopy(std::size_t first, std::size_t last, std::uint32_t slotShift) {
    const std::size_t to = m_nCount;
    const std::size_t length = last - first;
    if (!GrowAsIfFilledTo(to + length)) {
        return false;
    }
    std::memcpy(&m_records[to], &m_records[first], length * sizeof(UIPatternInstruction));
    m_nCount = to + length;
    ShiftOperands(to, m_nCount, static_cast<std::uint64_t>(to) - first, slotShift);
    return true;
}

void UIPatternProgram::Release() {
    m_records.reset();
    m_nCount = 0;
    m_nCapacity = 0;
    m_nHighWater = 0;
}

void UIPatternProgram::ShiftOperands(std::size_t first, std::size_t last, std::uint64_t indexShift,
                                     std::uint32_t slotShift) {
    for (std::size_t i = first; i < last; ++i) {
        UIPatternInstruction& record = m_records[i];
        switch (record.kind) {
        case UIPatternKind::Jump:
        case UIPatternKind::Call:
            record.argument += indexShift;
            break;
        case UIPatternKind::PushSlot:
        case UIPatternKind::PopSlot:
        case UIPatternKind::StorePosition:
        case UIPatternKind::StoreDepth:
        case UIPatternKind::LoadPosition:
        case UIPatternKind::LoadDepth:
        case UIPatternKind::RequireProgress:
            record.argument += slotShift;
            break;
        default:
            if (IsClass(record.kind)) {
                i += kSetRecords;  // set bytes, not instructions
            }
            break;
        }
    }
}
