#pragma once
// Record files held whole in memory: the unpacked client league file, the
// team lines file, the offers and the draft list files.
//
// A record file is a run of fixed-length slots. Record r (counted from 1)
// starts at byte (r - 1) x the record length; each record holds one item in
// its stored layout (layouts.h) at the start of its slot, and the rest of the
// slot is filler. A marker record holds a text of variable length: a 2-byte
// little-endian length, then that many bytes.
//
// Reading never goes outside the image, whatever it holds: bytes of a record
// that lie beyond the end of a short image read as zero, and a marker whose
// length field claims more than its slot can hold is no valid marker at all.
// Writing pads every slot it touches to its full length with zero bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "league/layouts.h"

namespace dravik {

// Byte offset of record `record` (from 1); a record number below 1 is error 63.
std::size_t RecordOffset(int64_t record, std::size_t recordLength);

class RecordReader {
  public:
    // The image must outlive the reader; it is never copied.
    RecordReader(std::string_view image, std::size_t recordLength);

    std::size_t recordLength() const { return length_; }
    std::string_view image() const { return image_; }

    // Decodes the item of `record`. An item longer than the record length is
    // error 59, a record number below 1 error 63.
    template <layout::Storable T>
    void read(int64_t record, T& out) const {
        constexpr std::size_t n = layout::StoredSize<T>;
        checkItem(record, n);
        if (const uint8_t* p = whole(record, 0, n)) {
            layout::decode(p, out);
        } else {
            std::array<uint8_t, n> padded;
            copyOut(record, 0, n, padded.data());
            layout::decode(padded.data(), out);
        }
    }
    template <layout::Storable T>
    T read(int64_t record) const {
        T value{};
        read(record, value);
        return value;
    }

    // The marker text of `record`; nothing when its length field claims more
    // bytes than the slot holds after it.
    std::optional<std::string> readMarker(int64_t record) const;
    // True when `record` holds exactly this marker (length and bytes).
    bool markerIs(int64_t record, std::string_view text) const;

  private:
    void checkItem(int64_t record, std::size_t n) const;
    // The n bytes at `at` of the record when they lie wholly inside the image.
    const uint8_t* whole(int64_t record, std::size_t at, std::size_t n) const;
    // Copies those n bytes; the ones beyond the image come out as zero.
    void copyOut(int64_t record, std::size_t at, std::size_t n, uint8_t* out) const;
    uint16_t markerLength(int64_t record) const;

    std::string_view image_;
    std::size_t length_;
};

class RecordWriter {
  public:
    // Writes into `image`, growing it as records are written.
    RecordWriter(std::string& image, std::size_t recordLength);

    std::size_t recordLength() const { return length_; }

    // Stores the item at the start of the record's slot and zeroes the rest of
    // the slot. An item longer than the record is error 59.
    template <layout::Storable T>
    void write(int64_t record, const T& value) {
        constexpr std::size_t n = layout::StoredSize<T>;
        layout::encode(value, slot(record, n));
    }

    // A marker: 2-byte length, then the text. A text that does not fit the
    // slot after its length is error 59.
    void writeMarker(int64_t record, std::string_view text);

  private:
    // The start of the record's slot, the image grown to hold all of it and
    // the slot zeroed from byte `used` on.
    uint8_t* slot(int64_t record, std::size_t used);

    std::string& image_;
    std::size_t length_;
};

}  // namespace dravik
