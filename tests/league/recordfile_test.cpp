#include "league/recordfile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <string>

namespace dravik {
namespace {

// A heap copy of exactly the bytes given, so that a read past its end is a
// sanitizer error rather than a quiet read of spare capacity.
class ExactImage {
  public:
    explicit ExactImage(std::string_view bytes) : size_(bytes.size()), data_(new char[bytes.size()]) {
        std::memcpy(data_.get(), bytes.data(), bytes.size());
    }
    std::string_view view() const { return {data_.get(), size_}; }

  private:
    std::size_t size_;
    std::unique_ptr<char[]> data_;
};

int errorNumberOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(RecordFile, RecordStartsAtRecordNumberLessOneTimesTheLength) {
    EXPECT_EQ(RecordOffset(1, 3470), 0u);
    EXPECT_EQ(RecordOffset(2, 3470), 3470u);
    EXPECT_EQ(RecordOffset(16903, 3470), 16902u * 3470u);
    EXPECT_EQ(RecordOffset(1001, 12), 12000u);
    EXPECT_EQ(errorNumberOf([] { RecordOffset(0, 3470); }), 63);
    EXPECT_EQ(errorNumberOf([] { RecordOffset(-1, 3470); }), 63);
}

TEST(RecordFile, WritingARecordFillsTheRestOfItsSlotWithZeroes) {
    std::string image(36, '\xEE');  // three 12-byte slots of old bytes
    RecordWriter w(image, 12);
    PlayerState s;
    s.Status = 2;
    s.Protected = True;
    s.TradeAvailable = 0x0102;
    w.write(2, s);
    ASSERT_EQ(image.size(), 36u);
    EXPECT_EQ(image.substr(0, 12), std::string(12, '\xEE'));
    EXPECT_EQ(image.substr(12, 12), std::string("\x02\xFF\xFF\x02\x01\0\0\0\0\0\0\0", 12));
    EXPECT_EQ(image.substr(24, 12), std::string(12, '\xEE'));

    // A record beyond the end grows the image by whole zero-filled slots.
    w.write(5, int16_t{-3});
    ASSERT_EQ(image.size(), 60u);
    EXPECT_EQ(image.substr(36, 12), std::string(12, '\0'));
    EXPECT_EQ(image.substr(48, 12), std::string("\xFD\xFF\0\0\0\0\0\0\0\0\0\0", 12));
}

TEST(RecordFile, ItemsAndMarkersThatDoNotFitTheirSlotAreRefused) {
    std::string image;
    RecordWriter draft(image, 12);
    EXPECT_NO_THROW(draft.writeMarker(1, "ZELTFDFV1S"));
    EXPECT_EQ(errorNumberOf([&] { draft.writeMarker(2, "ZELTFDFV1S!"); }), 59);
    RecordWriter offers(image, 1014);
    EXPECT_EQ(errorNumberOf([&] { offers.write(1, TeamInfo{}); }), 59);
    EXPECT_EQ(errorNumberOf([&] { offers.write(0, int16_t{1}); }), 63);
    RecordReader reader(image, 1014);
    EXPECT_EQ(errorNumberOf([&] {
                  TeamInfo t;
                  reader.read(1, t);
              }),
              59);
}

TEST(RecordFile, MarkerIsItsLengthThenItsText) {
    std::string image;
    RecordWriter w(image, 3470);
    w.writeMarker(1, "ZELT Lineups Files Version 1.01 - Start");
    w.writeMarker(2, "");
    ASSERT_EQ(image.size(), 2u * 3470u);
    EXPECT_EQ(image.substr(0, 2), std::string("\x27\x00", 2));
    EXPECT_EQ(image.substr(2, 39), "ZELT Lineups Files Version 1.01 - Start");
    EXPECT_EQ(image[41], '\0');

    RecordReader r(image, 3470);
    EXPECT_EQ(r.readMarker(1), "ZELT Lineups Files Version 1.01 - Start");
    EXPECT_TRUE(r.markerIs(1, "ZELT Lineups Files Version 1.01 - Start"));
    EXPECT_FALSE(r.markerIs(1, "ZELT Lineups Files Version 1.01 - start"));
    EXPECT_FALSE(r.markerIs(1, "ZELT Lineups Files Version 1.01 - Start "));
    EXPECT_FALSE(r.markerIs(1, "ZELT Lineups Files Version 1.01 - Star"));
    EXPECT_EQ(r.readMarker(2), "");
    EXPECT_TRUE(r.markerIs(2, ""));
}

TEST(RecordFile, RecordsRoundTripThroughAnImage) {
    std::string image;
    RecordWriter w(image, 3470);
    auto team = std::make_unique<TeamInfo>();
    team->Name = "Port Hollis";
    team->Reserved3 = "kept as it is";
    team->Farm.Lines[4].Slots[slot::Strategy] = 3;
    FixedText<5> key;
    key = "AB12Z";
    w.write(2, key);
    w.write(3, int16_t{17});
    w.write(4, *team);

    ExactImage exact(image);
    RecordReader r(exact.view(), 3470);
    EXPECT_EQ(r.read<FixedText<5>>(2), key);
    EXPECT_EQ(r.read<int16_t>(3), 17);
    auto back = std::make_unique<TeamInfo>();
    r.read(4, *back);
    EXPECT_TRUE(*back == *team);
}

TEST(RecordFile, BytesBeyondAShortImageReadAsZero) {
    PlayerInfo p;
    p.InUse = True;
    p.Name = "Edvin Maar";
    p.Salary = 900000;
    p.Condition = 97;
    p.Ratings[14] = 61;
    std::string image;
    RecordWriter w(image, 155);
    w.write(1, p);
    w.write(2, p);

    // Cut inside record 2 after its salary (67..70): the name and salary
    // survive, everything after reads as zero.
    ExactImage cut(std::string_view(image).substr(0, 155 + 71));
    RecordReader r(cut.view(), 155);
    EXPECT_TRUE(r.read<PlayerInfo>(1) == p);
    PlayerInfo half = r.read<PlayerInfo>(2);
    EXPECT_EQ(half.Name, p.Name);
    EXPECT_EQ(half.Salary, 900000);
    EXPECT_EQ(half.Injury.raw(), std::string(40, '\0'));
    EXPECT_EQ(half.Condition, 0);
    EXPECT_EQ(half.Ratings[14], 0);
    EXPECT_TRUE(r.read<PlayerInfo>(3) == PlayerInfo{});
    EXPECT_TRUE(r.read<PlayerInfo>(std::numeric_limits<int64_t>::max()) == PlayerInfo{});
    EXPECT_EQ(r.readMarker(std::numeric_limits<int64_t>::max()), "");
}

TEST(RecordFile, AnImageCutAnywhereNeverReadsPastItsEnd) {
    std::string image;
    RecordWriter w(image, 80);
    w.writeMarker(1, "start of the test file");
    w.write(2, CoachInfo{});
    w.writeMarker(3, "end");
    for (std::size_t cut = 0; cut <= image.size(); ++cut) {
        ExactImage exact(std::string_view(image).substr(0, cut));
        RecordReader r(exact.view(), 80);
        r.readMarker(1);
        r.read<CoachInfo>(2);
        EXPECT_EQ(r.markerIs(3, "end"), cut >= 160 + 5) << cut;
        EXPECT_EQ(r.markerIs(1, "start of the test file"), cut >= 24) << cut;
    }
}

TEST(RecordFile, MarkerLengthLongerThanItsSlotIsNoMarker) {
    // 12-byte records: a length of 11 claims one byte more than the slot
    // holds after the length; its first ten bytes must not pass for a
    // ten-character marker.
    std::string draft = std::string("\x0B\x00", 2) + "ZELTFDFV1S" + std::string("\x0A\x00", 2) + "ZELTFDFV1S";
    ExactImage exact(draft);
    RecordReader r(exact.view(), 12);
    EXPECT_EQ(r.readMarker(1), std::nullopt);
    EXPECT_FALSE(r.markerIs(1, "ZELTFDFV1S"));
    EXPECT_EQ(r.readMarker(2), "ZELTFDFV1S");

    // A huge length in a short image.
    ExactImage huge(std::string("\xFF\xFF", 2) + "ZELT");
    RecordReader h(huge.view(), 3470);
    EXPECT_EQ(h.readMarker(1), std::nullopt);
    EXPECT_FALSE(h.markerIs(1, "ZELT"));

    // A length that fits the slot but not the image: the missing bytes are zero.
    ExactImage shortText(std::string("\x26\x00", 2) + "ZELT Client");
    RecordReader s(shortText.view(), 3470);
    EXPECT_EQ(s.readMarker(1), "ZELT Client" + std::string(27, '\0'));
    EXPECT_FALSE(s.markerIs(1, "ZELT Client Files Version 1.12 - Start"));
}

}  // namespace
}  // namespace dravik
