#include "league/recordfile.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "forms/runtime.h"

namespace dravik {

namespace {

[[noreturn]] void badRecordLength() { raiseError(59); }
[[noreturn]] void badRecordNumber() { raiseError(63); }

// Start of byte `at` of the record, or nothing when it lies beyond any
// addressable image.
std::optional<std::size_t> byteOf(int64_t record, std::size_t length, std::size_t at) {
    if (record < 1) badRecordNumber();
    const auto index = static_cast<uint64_t>(record - 1);
    constexpr auto max = std::numeric_limits<std::size_t>::max();
    if (length != 0 && index > (max - at) / length) return std::nullopt;
    return static_cast<std::size_t>(index * length + at);
}

}  // namespace

std::size_t RecordOffset(int64_t record, std::size_t recordLength) {
    auto start = byteOf(record, recordLength, 0);
    if (!start) badRecordNumber();
    return *start;
}

RecordReader::RecordReader(std::string_view image, std::size_t recordLength)
    : image_(image), length_(recordLength) {}

void RecordReader::checkItem(int64_t record, std::size_t n) const {
    if (record < 1) badRecordNumber();
    if (n > length_) badRecordLength();
}

const uint8_t* RecordReader::whole(int64_t record, std::size_t at, std::size_t n) const {
    auto start = byteOf(record, length_, at);
    if (!start || *start > image_.size() || n > image_.size() - *start) return nullptr;
    return reinterpret_cast<const uint8_t*>(image_.data()) + *start;
}

void RecordReader::copyOut(int64_t record, std::size_t at, std::size_t n, uint8_t* out) const {
    std::memset(out, 0, n);
    auto start = byteOf(record, length_, at);
    if (!start || *start >= image_.size()) return;
    std::size_t have = std::min(n, image_.size() - *start);
    std::memcpy(out, image_.data() + *start, have);
}

uint16_t RecordReader::markerLength(int64_t record) const {
    if (length_ < 2) badRecordLength();
    uint8_t b[2];
    copyOut(record, 0, 2, b);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

std::optional<std::string> RecordReader::readMarker(int64_t record) const {
    const std::size_t n = markerLength(record);
    if (n > length_ - 2) return std::nullopt;
    std::string text(n, '\0');
    copyOut(record, 2, n, reinterpret_cast<uint8_t*>(text.data()));
    return text;
}

bool RecordReader::markerIs(int64_t record, std::string_view text) const {
    const std::size_t n = markerLength(record);
    if (n != text.size() || n > length_ - 2) return false;
    if (const uint8_t* p = whole(record, 2, n)) return std::memcmp(p, text.data(), n) == 0;
    return readMarker(record) == text;
}

RecordWriter::RecordWriter(std::string& image, std::size_t recordLength)
    : image_(image), length_(recordLength) {}

uint8_t* RecordWriter::slot(int64_t record, std::size_t used) {
    if (used > length_) badRecordLength();
    const std::size_t start = RecordOffset(record, length_);
    if (start > std::numeric_limits<std::size_t>::max() - length_) badRecordNumber();
    const std::size_t end = start + length_;
    const std::size_t old = image_.size();
    if (old < end) image_.resize(end, '\0');
    // Bytes that were already there: clear the filler of an overwritten slot.
    const std::size_t fillFrom = start + used;
    if (old > fillFrom) std::memset(image_.data() + fillFrom, 0, std::min(old, end) - fillFrom);
    return reinterpret_cast<uint8_t*>(image_.data()) + start;
}

void RecordWriter::writeMarker(int64_t record, std::string_view text) {
    if (length_ < 2 || text.size() > length_ - 2 || text.size() > 0xFFFF) badRecordLength();
    uint8_t* p = slot(record, 2 + text.size());
    const auto n = static_cast<uint16_t>(text.size());
    layout::encode(static_cast<int16_t>(n), p);
    std::memcpy(p + 2, text.data(), text.size());
}

}  // namespace dravik
