#pragma once
// Stored layouts of the league's records.
//
// Each stored record is described once, by a `describe` overload that names
// every field with its byte offset inside the stored record; a field's width
// follows from its member's type. That one description drives decoding
// (bytes -> record), encoding (record -> bytes) and the field listings, so the
// league file reader, the file writers and the fixture writer cannot drift
// apart. A compile-time check below makes sure every description is packed:
// each field starts where the one before it ends.
//
// Stored form: integers little-endian, uint8_t one byte, int16_t (and Flag)
// two, int32_t four, double eight (IEEE, the OLE Automation date), a
// FixedText<N> or Bytes<N> N bytes as they stand, a std::array its elements
// one after the other, a nested record its own stored layout.
//
// Reserved fields are described like any other, so they survive a decode and
// encode byte for byte.

#include <array>
#include <bit>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "league/records.h"

namespace dravik::layout {

// One field of a listing: offsets are within the listed record.
struct Field {
    std::string name;
    std::size_t offset = 0;
    std::size_t width = 0;
    friend bool operator==(const Field&, const Field&) = default;
};

// A run of DayLines words, described as one field. (The parameter is not
// called "slots": Qt defines that word as a macro.)
template <std::size_t First, std::size_t Count, class Words>
constexpr auto words(Words& all) {
    return std::span(all).template subspan<First, Count>();
}

template <class R, class T>
concept RecordOf = std::same_as<std::remove_const_t<R>, T>;

// ---------------------------------------------------------------------------
// The descriptions. A visitor is called as v(name, offset, member) for every
// field in stored order; `member` is the record's member (const when the
// record is), or a span over DayLines words.

template <RecordOf<DivisionInfo> R, class V>
constexpr void describe(R& r, V& v) {
    v("Name", 0, r.Name);
    v("Conference", 40, r.Conference);
    v("Reserved", 41, r.Reserved);
}

template <RecordOf<LeagueInfo> R, class V>
constexpr void describe(R& r, V& v) {
    v("ReservedA", 0, r.ReservedA);
    v("ConferenceNames", 40, r.ConferenceNames);
    v("Divisions", 120, r.Divisions);
    v("DivisionCount", 372, r.DivisionCount);
    v("LeagueKey", 373, r.LeagueKey);
    v("ReservedB", 378, r.ReservedB);
    v("YoungPlayerAge", 382, r.YoungPlayerAge);
    v("RFAAge", 383, r.RFAAge);
    v("MaxProPlayers", 384, r.MaxProPlayers);
    v("FarmMaxOverall", 385, r.FarmMaxOverall);
    v("WaiverExemptAge", 386, r.WaiverExemptAge);
    v("WaiverExemptGames", 388, r.WaiverExemptGames);
    v("ReservedC", 390, r.ReservedC);
    v("SalaryCapMode", 392, r.SalaryCapMode);
    v("SalaryCapAmount", 393, r.SalaryCapAmount);
    v("MinSalary", 397, r.MinSalary);
    v("MaxSalary", 401, r.MaxSalary);
    v("FarmSalaryPercent", 405, r.FarmSalaryPercent);
    v("MaxProtectedPlayers", 407, r.MaxProtectedPlayers);
    v("DefaultPullGoalerMinGoal", 409, r.DefaultPullGoalerMinGoal);
    v("DefaultPullGoalerMinPct", 411, r.DefaultPullGoalerMinPct);
    v("SuspendedNotPaid", 413, r.SuspendedNotPaid);
    v("PayrollConditionThreshold", 415, r.PayrollConditionThreshold);
    v("ShowOverallColumn", 417, r.ShowOverallColumn);
    v("ShowAllRatings", 419, r.ShowAllRatings);
    v("DeadlineBlocksMoves", 421, r.DeadlineBlocksMoves);
    v("ReservedD", 423, r.ReservedD);
    v("NoSamePlayerLines1And2", 425, r.NoSamePlayerLines1And2);
    v("TicketPricesLocked", 427, r.TicketPricesLocked);
    v("MaxOffers", 429, r.MaxOffers);
    v("FantasyDraft", 431, r.FantasyDraft);
    v("EntryDraft", 433, r.EntryDraft);
    v("EntryDraftBlocked", 435, r.EntryDraftBlocked);
    v("NextDayInfoAvailable", 437, r.NextDayInfoAvailable);
    v("TradeDeadlinePassed", 439, r.TradeDeadlinePassed);
    v("WaiversAllowed", 441, r.WaiversAllowed);
    v("FarmLinesEnabled", 443, r.FarmLinesEnabled);
    v("OverallWeightFG", 445, r.OverallWeightFG);
    v("ReservedE", 446, r.ReservedE);
    v("OverallWeightEXLD", 447, r.OverallWeightEXLD);
    v("OverallWeightDU", 448, r.OverallWeightDU);
    v("ReservedF", 449, r.ReservedF);
    v("OverallWeightDI", 450, r.OverallWeightDI);
    v("OverallWeightPHPA", 451, r.OverallWeightPHPA);
    v("OverallWeightSC", 452, r.OverallWeightSC);
    v("HideFinanceEstimates", 453, r.HideFinanceEstimates);
    v("ReservedG", 455, r.ReservedG);
    v("OffSeason", 459, r.OffSeason);
    v("ExpensePerGameDisabled", 461, r.ExpensePerGameDisabled);
    v("ReservedH", 463, r.ReservedH);
    v("CapIncludesFarm", 467, r.CapIncludesFarm);
    v("PayrollIncludesBonus", 469, r.PayrollIncludesBonus);
    v("ReservedI", 471, r.ReservedI);
    v("UnknownPlayerRating", 487, r.UnknownPlayerRating);
    v("FarmMaxSalary", 489, r.FarmMaxSalary);
    v("FarmSalaryCap", 493, r.FarmSalaryCap);
    v("AutoMadeDisabled", 497, r.AutoMadeDisabled);
    v("ListUnsignedFreeAgents", 499, r.ListUnsignedFreeAgents);
    v("ClientFileDate", 501, r.ClientFileDate);
    v("ReservedJ", 509, r.ReservedJ);
    v("CapIncludesCoaches", 511, r.CapIncludesCoaches);
    v("NextDayInfoDisabled", 513, r.NextDayInfoDisabled);
    v("FarmFullSalaryThreshold", 515, r.FarmFullSalaryThreshold);
    v("MinSalaryCap", 517, r.MinSalaryCap);
    v("ReservedK", 521, r.ReservedK);
    v("MaxDressedSkaters", 525, r.MaxDressedSkaters);
    v("MaxDressedGoalies", 527, r.MaxDressedGoalies);
    v("MinCenters", 529, r.MinCenters);
    v("MinLeftWings", 531, r.MinLeftWings);
    v("MinRightWings", 533, r.MinRightWings);
    v("MinDefense", 535, r.MinDefense);
    v("FarmFullLineup", 537, r.FarmFullLineup);
    v("OverallWeightCK", 539, r.OverallWeightCK);
    v("OfferLimitBase", 541, r.OfferLimitBase);
    v("ReservedL", 543, r.ReservedL);
}

// The three strategy words carry no captions here: the two lines editors
// caption them in different orders, and the stored words are the same.
template <RecordOf<DayLines> R, class V>
constexpr void describe(R& r, V& v) {
    v("NormalTrio", 0, words<slot::NormalTrio, 12>(r.Slots));
    v("NormalDuo", 24, words<slot::NormalDuo, 8>(r.Slots));
    v("PPTrio", 40, words<slot::PPTrio, 6>(r.Slots));
    v("PPDuo", 52, words<slot::PPDuo, 4>(r.Slots));
    v("PKTrio", 60, words<slot::PKTrio, 4>(r.Slots));
    v("PKDuo", 68, words<slot::PKDuo, 4>(r.Slots));
    v("FourVsFourTrio", 76, words<slot::FourVsFourTrio, 4>(r.Slots));
    v("FourVsFourDuo", 84, words<slot::FourVsFourDuo, 4>(r.Slots));
    v("PK3Trio", 92, words<slot::PK3Trio, 4>(r.Slots));
    v("PK3Duo", 100, words<slot::PK3Duo, 4>(r.Slots));
    v("StartGoaler", 108, words<slot::StartGoaler, 1>(r.Slots));
    v("BackupGoaler", 110, words<slot::BackupGoaler, 1>(r.Slots));
    v("ExtraForward", 112, words<slot::ExtraForward, 5>(r.Slots));
    v("ExtraDefense", 122, words<slot::ExtraDefense, 5>(r.Slots));
    v("PenaltyShot", 132, words<slot::PenaltyShot, 5>(r.Slots));
    v("Strategy", 142, words<slot::Strategy, 3>(r.Slots));
    v("PullGoalerMinGoal", 148, words<slot::PullGoalerMinGoal, 1>(r.Slots));
    v("PullGoalerMinPct", 150, words<slot::PullGoalerMinPct, 1>(r.Slots));
}

// Offsets within the farm record; it lies at 1863 in the team record.
template <RecordOf<FarmTeamInfo> R, class V>
constexpr void describe(R& r, V& v) {
    v("Name", 0, r.Name);
    v("Abbreviation", 40, r.Abbreviation);
    v("Coach", 43, r.Coach);
    v("Morale", 45, r.Morale);
    v("Lines", 47, r.Lines);
}

template <RecordOf<TeamInfo> R, class V>
constexpr void describe(R& r, V& v) {
    v("InUse", 0, r.InUse);
    v("Number", 2, r.Number);
    v("Name", 4, r.Name);
    v("Abbreviation", 44, r.Abbreviation);
    v("GeneralManager", 47, r.GeneralManager);
    v("MessengerId", 87, r.MessengerId);
    v("Email", 127, r.Email);
    v("City", 167, r.City);
    v("ArenaName", 207, r.ArenaName);
    v("Password", 247, r.Password);
    v("Reserved1", 279, r.Reserved1);
    v("Division", 281, r.Division);
    v("Reserved2", 282, r.Reserved2);
    v("Captain", 283, r.Captain);
    v("Assistant1", 285, r.Assistant1);
    v("Assistant2", 287, r.Assistant2);
    v("ArenaCapacity", 289, r.ArenaCapacity);
    v("TicketPrice", 309, r.TicketPrice);
    v("BankAccount", 319, r.BankAccount);
    v("TotalAttendance", 323, r.TotalAttendance);
    v("TotalIncome", 327, r.TotalIncome);
    v("Coach", 331, r.Coach);
    v("GamesInSeason", 333, r.GamesInSeason);
    v("Morale", 335, r.Morale);
    v("ProtectedCount", 337, r.ProtectedCount);
    v("GamesPlayed", 339, r.GamesPlayed);
    v("HomeGamesPlayed", 341, r.HomeGamesPlayed);
    v("ProLines", 343, r.ProLines);
    v("Farm", 1863, r.Farm);
    v("PayrollBonus", 3430, r.PayrollBonus);
    v("LoadLineCount", 3434, r.LoadLineCount);
    v("OfferLimitTeamCount", 3436, r.OfferLimitTeamCount);
    v("Reserved3", 3438, r.Reserved3);
}

template <RecordOf<PlayerInfo> R, class V>
constexpr void describe(R& r, V& v) {
    v("InUse", 0, r.InUse);
    v("Number", 2, r.Number);
    v("Name", 4, r.Name);
    v("Team", 44, r.Team);
    v("Country", 46, r.Country);
    v("Age", 49, r.Age);
    v("Weight", 51, r.Weight);
    v("Height", 53, r.Height);
    v("Position", 55, r.Position);
    v("ContractYears", 56, r.ContractYears);
    v("Rookie", 57, r.Rookie);
    v("Protected", 59, r.Protected);
    v("NoApplyRerate", 61, r.NoApplyRerate);
    v("TradeAvailable", 63, r.TradeAvailable);
    v("NoTrade", 65, r.NoTrade);
    v("Salary", 67, r.Salary);
    v("Injury", 71, r.Injury);
    v("Reserved1", 111, r.Reserved1);
    v("Condition", 112, r.Condition);
    v("Suspension", 113, r.Suspension);
    v("RosterStatus", 114, r.RosterStatus);
    v("Ratings", 115, r.Ratings);
    v("ProExperience", 145, r.ProExperience);
    v("Reserved2", 147, r.Reserved2);
}

// A goalie has no position: every field from Rookie on lies one byte earlier
// than a skater's.
template <RecordOf<GoalieInfo> R, class V>
constexpr void describe(R& r, V& v) {
    v("InUse", 0, r.InUse);
    v("Number", 2, r.Number);
    v("Name", 4, r.Name);
    v("Team", 44, r.Team);
    v("Country", 46, r.Country);
    v("Age", 49, r.Age);
    v("Weight", 51, r.Weight);
    v("Height", 53, r.Height);
    v("ContractYears", 55, r.ContractYears);
    v("Rookie", 56, r.Rookie);
    v("Protected", 58, r.Protected);
    v("NoApplyRerate", 60, r.NoApplyRerate);
    v("TradeAvailable", 62, r.TradeAvailable);
    v("NoTrade", 64, r.NoTrade);
    v("Salary", 66, r.Salary);
    v("Injury", 70, r.Injury);
    v("Reserved1", 110, r.Reserved1);
    v("Condition", 111, r.Condition);
    v("Suspension", 112, r.Suspension);
    v("RosterStatus", 113, r.RosterStatus);
    v("Ratings", 114, r.Ratings);
    v("ProExperience", 140, r.ProExperience);
}

template <RecordOf<CoachInfo> R, class V>
constexpr void describe(R& r, V& v) {
    v("InUse", 0, r.InUse);
    v("Number", 2, r.Number);
    v("Name", 4, r.Name);
    v("Team", 44, r.Team);
    v("Country", 46, r.Country);
    v("Age", 49, r.Age);
    v("ContractYears", 51, r.ContractYears);
    v("Salary", 52, r.Salary);
    v("Ratings", 56, r.Ratings);
    v("Reserved1", 63, r.Reserved1);
}

template <RecordOf<ScheduleGame> R, class V>
constexpr void describe(R& r, V& v) {
    v("GameNumber", 0, r.GameNumber);
    v("ProScheduled", 2, r.ProScheduled);
    v("ProPlayed", 4, r.ProPlayed);
    v("ProTeam1", 6, r.ProTeam1);
    v("ProTeam2", 8, r.ProTeam2);
    v("FarmScheduled", 10, r.FarmScheduled);
    v("FarmPlayed", 12, r.FarmPlayed);
    v("FarmTeam1", 14, r.FarmTeam1);
    v("FarmTeam2", 16, r.FarmTeam2);
}

template <RecordOf<PlayerState> R, class V>
constexpr void describe(R& r, V& v) {
    v("Status", 0, r.Status);
    v("Protected", 1, r.Protected);
    v("TradeAvailable", 3, r.TradeAvailable);
}

template <RecordOf<FreeAgentOffer> R, class V>
constexpr void describe(R& r, V& v) {
    v("Player", 0, r.Player);
    v("Team", 2, r.Team);
    v("Salary", 4, r.Salary);
    v("Duration", 8, r.Duration);
    v("Bonus", 10, r.Bonus);
    v("Comment", 14, r.Comment);
}

// ---------------------------------------------------------------------------
// Stored widths.

namespace detail {
struct NoVisit {
    template <class M>
    constexpr void operator()(const char*, std::size_t, M&&) {}
};
template <class T>
struct IsFixedText : std::false_type {};
template <std::size_t N>
struct IsFixedText<FixedText<N>> : std::true_type {};
template <class T>
struct IsSequence : std::false_type {};
template <class T, std::size_t N>
struct IsSequence<std::array<T, N>> : std::true_type {
    using element = T;
    static constexpr std::size_t count = N;
};
template <class T, std::size_t N>
struct IsSequence<std::span<T, N>> : std::true_type {
    using element = std::remove_const_t<T>;
    static constexpr std::size_t count = N;
};
}  // namespace detail

// A type with a stored layout description.
template <class T>
concept Described = requires(T& r, detail::NoVisit& v) {
    describe(r, v);
};

template <class T>
concept Scalar = std::same_as<T, uint8_t> || std::same_as<T, int16_t> || std::same_as<T, int32_t> ||
    std::same_as<T, double>;

template <class T>
constexpr std::size_t storedSizeOf();

// Stored width of a member type, a record's its stored length.
template <class T>
inline constexpr std::size_t StoredSize = storedSizeOf<std::remove_cvref_t<T>>();

namespace detail {
// Walks a description and checks that it is packed from offset 0.
struct Extent {
    std::size_t next = 0;
    bool packed = true;
    template <class M>
    constexpr void operator()(const char*, std::size_t offset, M&&) {
        if (offset != next) packed = false;
        next = offset + StoredSize<M>;
    }
};
template <class R>
constexpr Extent extentOf() {
    R r{};
    Extent e;
    describe(r, e);
    return e;
}
}  // namespace detail

template <class T>
constexpr std::size_t storedSizeOf() {
    if constexpr (Scalar<T>) {
        return sizeof(T);
    } else if constexpr (detail::IsFixedText<T>::value) {
        return T::size();
    } else if constexpr (detail::IsSequence<T>::value) {
        return detail::IsSequence<T>::count * StoredSize<typename detail::IsSequence<T>::element>;
    } else {
        static_assert(Described<T>, "no stored layout for this type");
        constexpr detail::Extent e = detail::extentOf<T>();
        static_assert(e.packed, "a stored layout has a gap or an overlap");
        return e.next;
    }
}

// Record lengths of the stored records.
static_assert(StoredSize<LeagueInfo> == 565);
static_assert(StoredSize<DivisionInfo> == 42);
static_assert(StoredSize<TeamInfo> == 3470);
static_assert(StoredSize<FarmTeamInfo> == 1567);
static_assert(StoredSize<DayLines> == 152);
static_assert(StoredSize<PlayerInfo> == 155);
static_assert(StoredSize<GoalieInfo> == 142);
static_assert(StoredSize<CoachInfo> == 65);
static_assert(StoredSize<ScheduleGame> == 18);
static_assert(StoredSize<PlayerState> == 5);
static_assert(StoredSize<FreeAgentOffer> == 1014);

namespace detail {
template <class T>
constexpr bool isStorable() {
    if constexpr (Scalar<T> || IsFixedText<T>::value) {
        return true;
    } else if constexpr (IsSequence<T>::value) {
        return isStorable<typename IsSequence<T>::element>();
    } else {
        return Described<T>;
    }
}
}  // namespace detail

// Anything that can be stored: a scalar, a text, an array of them, a record.
template <class T>
concept Storable = detail::isStorable<std::remove_cvref_t<T>>();

// ---------------------------------------------------------------------------
// Decoding and encoding. `decode` reads exactly StoredSize<T> bytes from
// `bytes`, `encode` writes exactly that many; neither allocates.

template <class T>
void decode(const uint8_t* bytes, T& out);
template <class T>
void encode(const T& in, uint8_t* bytes);

namespace detail {
struct Decoder {
    const uint8_t* base;
    template <class M>
    void operator()(const char*, std::size_t offset, M&& member) const {
        decode(base + offset, member);
    }
};
struct Encoder {
    uint8_t* base;
    template <class M>
    void operator()(const char*, std::size_t offset, M&& member) const {
        encode(member, base + offset);
    }
};
}  // namespace detail

template <class T>
void decode(const uint8_t* p, T& out) {
    using U = std::remove_const_t<T>;
    if constexpr (std::same_as<U, uint8_t>) {
        out = p[0];
    } else if constexpr (std::same_as<U, int16_t>) {
        out = static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
    } else if constexpr (std::same_as<U, int32_t>) {
        out = static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                                   (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24));
    } else if constexpr (std::same_as<U, double>) {
        uint64_t bits = 0;
        for (int i = 7; i >= 0; --i) bits = (bits << 8) | p[i];
        out = std::bit_cast<double>(bits);
    } else if constexpr (detail::IsFixedText<U>::value) {
        std::memcpy(out.bytes.data(), p, U::size());
    } else if constexpr (detail::IsSequence<U>::value) {
        using E = typename detail::IsSequence<U>::element;
        if constexpr (std::same_as<E, uint8_t>) {
            std::memcpy(out.data(), p, out.size());
        } else {
            for (std::size_t i = 0; i < out.size(); ++i) decode(p + i * StoredSize<E>, out[i]);
        }
    } else {
        detail::Decoder d{p};
        describe(out, d);
    }
}

template <class T>
void encode(const T& in, uint8_t* p) {
    using U = std::remove_const_t<T>;
    if constexpr (std::same_as<U, uint8_t>) {
        p[0] = in;
    } else if constexpr (std::same_as<U, int16_t>) {
        auto u = static_cast<uint16_t>(in);
        p[0] = static_cast<uint8_t>(u);
        p[1] = static_cast<uint8_t>(u >> 8);
    } else if constexpr (std::same_as<U, int32_t>) {
        auto u = static_cast<uint32_t>(in);
        for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(u >> (8 * i));
    } else if constexpr (std::same_as<U, double>) {
        auto bits = std::bit_cast<uint64_t>(in);
        for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(bits >> (8 * i));
    } else if constexpr (detail::IsFixedText<U>::value) {
        std::memcpy(p, in.bytes.data(), U::size());
    } else if constexpr (detail::IsSequence<U>::value) {
        using E = typename detail::IsSequence<U>::element;
        if constexpr (std::same_as<E, uint8_t>) {
            std::memcpy(p, in.data(), in.size());
        } else {
            for (std::size_t i = 0; i < in.size(); ++i) encode(in[i], p + i * StoredSize<E>);
        }
    } else {
        detail::Encoder e{p};
        describe(in, e);
    }
}

// The record's fields as described, offsets within the record. Nested records
// and arrays are one field each.
template <Described R>
std::vector<Field> fields();

// Every scalar-or-text field down through nested records, offsets within the
// outer record: "Farm.Name" at 1863, "Divisions[2].Conference" at 244,
// "ProLines[0].Strategy" at 485. Arrays of scalars and texts stay one field.
template <Described R>
std::vector<Field> leafFields();

}  // namespace dravik::layout
