#include "leaguewriter/sample.h"

#include <algorithm>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/dialogs.h"
#include "league/env.h"
#include "league/password.h"
#include "leaguewriter/builder.h"
#include "platform/settings.h"

namespace dravik::leaguewriter {

namespace {

// The generators draw from their own small generator (splitmix64), never
// from <random>'s distributions, whose output differs between libraries:
// the files must be the same bytes everywhere.
class Prng {
public:
    explicit Prng(uint64_t seed) : state_(seed) {}

    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // lo..hi, both included.
    int range(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<uint64_t>(hi - lo + 1)); }
    template <class T, std::size_t N>
    const T& pick(const std::array<T, N>& items) {
        return items[next() % N];
    }
    const char* pick(std::span<const char* const> words) { return words[next() % words.size()]; }

private:
    uint64_t state_;
};

// The sample's texts are in the Western code page (Windows-1252): "\xC9" is
// É, "\xE9" é, "\xE8" è, "\xEA" ê, "\xF4" ô, "\xF6" ö, "\xF8" ø, "\xFC" ü,
// "\xEB" ë.
constexpr std::array<const char*, 52> FirstNames{
    "Alder",     "Bram",      "Caspian",   "Dorran",  "Elric",    "Fennick",      "Garrow",   "Hollis",
    "Ivo",       "Jaspar",    "Kellan",    "Lorne",   "Marek",    "Niall",        "Oswin",    "Perrin",
    "Quill",     "Rowan",     "Tobiah",    "Ulric",   "Vesper",   "Wendel",       "Yorick",   "Anselm",
    "Bastian",   "Corliss",   "Dace",      "Emrys",   "Florian",  "Gideon",       "Halvard",  "Ingram",
    "Joris",     "Lucan",     "Mattis",    "Nevin",   "Orrin",    "Piet",         "Rasmus",   "Sten",
    "Teodor",    "Wystan",    "Xaver",     "Yannick", "\xC9mile", "J\xE9r\xF4me", "Bj\xF6rn", "S\xF8ren",
    "J\xFCrgen", "Mika\xEBl", "Z\xE9phyr", "Oren",
};

constexpr std::array<const char*, 26> SurnameHeads{
    "Ark",  "Brev", "Corr", "Dask", "Elv",  "Farn", "Gask", "Hest", "Isk", "Jev", "Karn", "Lusk", "Marv",
    "Norr", "Orv",  "Prav", "Rask", "Selv", "Trog", "Ulm",  "Varg", "Wex", "Yst", "Zorv", "Quen", "Bly",
};

constexpr std::array<const char*, 22> SurnameTails{
    "ander", "berg", "dahl", "enko", "ett",      "ington", "ivar", "ley",  "mont", "nik",     "ovic",
    "quist", "rud",  "sen",  "stad", "str\xF6m", "ton",    "vall", "wick", "ak",   "i\xE8re", "eau",
};

constexpr std::array<const char*, 16> Countries{
    "CAN", "CAN", "CAN", "USA", "USA", "SWE", "FIN", "CZE",
    "SVK", "GER", "SUI", "LAT", "NOR", "DEN", "AUT", "FRA",
};

constexpr std::array<const char*, 8> Injuries{
    "Sprained Ankle", "Bruised Ribs",        "Knee Sprain", "Concussion",
    "Groin Strain",   "Shoulder Separation", "Back Spasms", "Broken Finger",
};

constexpr std::array<const char*, 5> ArenaKinds{" Arena", " Coliseum", " Gardens", " Forum", " Centre"};

struct TeamSpec {
    const char* city;
    const char* nickname;
    const char* abbreviation;
    const char* farmCity;
    const char* farmNickname;
    const char* farmAbbreviation;
};

constexpr std::array<TeamSpec, 30> SampleTeams{{
    {"Harrowgate", "Lynx", "HAR", "Millbrook", "Kits", "MIL"},
    {"Kestrel Bay", "Gales", "KBG", "Saltmarsh", "Squalls", "SAL"},
    {"Northmoor", "Ironclads", "NMI", "Coppervale", "Rivets", "COP"},
    {"Vellmar", "Comets", "VEL", "Dunmore", "Meteors", "DUN"},
    {"Oakhaven", "Foxhounds", "OAK", "Bramblewood", "Beagles", "BRA"},
    {"Port Aldine", "Mariners", "PAM", "Eelgrass Harbour", "Skiffs", "EEL"},
    {"Brackenridge", "Stags", "BRS", "Fallowfield", "Fawns", "FAL"},
    {"Silverfen", "Herons", "SIL", "Reedwater", "Egrets", "REE"},
    {"Thornbury", "Ravens", "THO", "Blackthorn", "Crows", "BLA"},
    {"Lake Corran", "Otters", "LCO", "Pebble Creek", "Minks", "PEB"},
    {"Eastwatch", "Sentinels", "EAS", "Watchford", "Lookouts", "WAT"},
    {"Ravensholm", "Blizzard", "RAV", "Sleetmoor", "Flurries", "SLE"},
    {"Marrowdale", "Pioneers", "MAR", "Wagonford", "Settlers", "WAG"},
    {"Glenverry", "Falcons", "GLE", "Kestrel Ridge", "Merlins", "KRM"},
    {"Stonecross", "Bison", "STO", "Flintvale", "Calves", "FLI"},
    {"Wyndham Falls", "Glaciers", "WFG", "Icebrook", "Floes", "ICE"},
    {"Ashcombe", "Highlanders", "ASH", "Heatherleigh", "Pipers", "HEA"},
    {"Duskmere", "Nighthawks", "DUS", "Gloaming", "Bats", "GLO"},
    {"Fairhollow", "Badgers", "FAI", "Burrowby", "Diggers", "BUR"},
    {"Ironvale", "Lumberjacks", "IRO", "Sawmill Junction", "Axemen", "SAW"},
    {"Caldermoor", "Owls", "CAL", "Hootings Barn", "Owlets", "HOO"},
    {"Brightwater", "Rapids", "BRI", "Millrace", "Currents", "MLR"},
    {"Saint-\xC9lodie", "Cyclones", "SEC", "Rivi\xE8re-Haute", "Temp\xEAtes", "RHT"},
    {"Hollin Ridge", "Kodiaks", "HOL", "Bearpaw Hollow", "Cubs", "BEA"},
    {"Greywick", "Wardens", "GRE", "Keepsgate", "Guards", "KEE"},
    {"Tamarack Point", "Mammoths", "TAM", "Permafrost", "Tuskers", "PER"},
    {"Vossberg", "Phantoms", "VOS", "Misthaven", "Wraiths", "MIS"},
    {"Coldharbour", "Narwhals", "COL", "Floe Bay", "Belugas", "FLB"},
    {"Maplecrest", "Moose", "MAP", "Sugarbush", "Yearlings", "SUG"},
    {"Redfern", "Condors", "RED", "Cliffside", "Vultures", "CLI"},
}};

using WordList = std::span<const char* const>;

// The words a generated league is made of.
struct Words {
    WordList firstNames, surnameHeads, surnameTails;
    std::span<const TeamSpec, 30> teams;
    WordList arenaKinds;
    std::array<const char*, 2> conferences;
    std::array<const char*, 6> divisions;
};

const Words WesternWords{FirstNames,
                         SurnameHeads,
                         SurnameTails,
                         SampleTeams,
                         ArenaKinds,
                         {"Aurora Conference", "Meridian Conference"},
                         {"Boreal Division", "Tundra Division", "Glacier Division", "Summit Division",
                          "Prairie Division", "Coastal Division"}};

// The Central European league's texts are in Windows-1250, each line's
// words written out in its comment.
// clang-format off
constexpr std::array<TeamSpec, 30> CentralTeams{{
    {"P\xF8" "erov", "Draci", "PRE", "Hranice", "Dr\xE1\xE8" "ata", "HRA"},  // Přerov Draci
    {"\xD8" "e\xE8" "any", "Ryt\xED\xF8i", "REC", "L\xE1zn\xEC B\xEClohrad", "Pano\x9Ai", "LAZ"},  // Řečany Rytíři
    {"\xA3\xF3" "d\x9F", "W\xB3\xF3kniarze", "LOD", "Zgierz", "Tkacze", "ZGI"},  // Łódź Włókniarze
    {"Gy\xF5r", "S\xF3lymok", "GYO", "Mosonmagyar\xF3v\xE1r", "Fi\xF3k\xE1k", "MOS"},  // Győr Sólymok
    {"\x8Eilina", "Vlci", "ZIL", "Martin", "Vl\xE8" "ata", "MAR"},  // Žilina Vlci
    {"Krak\xF3w", "Smoki", "KRA", "Wieliczka", "G\xF3rnicy", "WIE"},  // Kraków Smoki
    {"Brno", "Komety", "BRN", "Blansko", "Meteority", "BLA"},  // Brno Komety
    {"Sz\xE9kesfeh\xE9rv\xE1r", "Kir\xE1lyok", "SZE", "Duna\xFAjv\xE1ros", "Ac\xE9lbik\xE1k", "DUN"},  // Székesfehérvár Királyok
    {"\xC8" "esk\xE9 Bud\xECjovice", "Motorist\xE9", "CBU", "P\xEDsek", "Jiskry", "PIS"},  // České Budějovice Motoristé
    {"Poprad", "Kamz\xED" "ci", "POP", "Spi\x9Ask\xE1 Nov\xE1 Ves", "Kozoro\x9E" "ci", "SNV"},  // Poprad Kamzíci
    {"Gda\xF1sk", "Lwy", "GDA", "Sopot", "Mewy", "SOP"},  // Gdańsk Lwy
    {"Debrecen", "Medv\xE9k", "DEB", "Ny\xEDregyh\xE1za", "Bocsok", "NYI"},  // Debrecen Medvék
    {"Olomouc", "Orli", "OLO", "Prost\xECjov", "Jest\xF8\xE1" "bi", "PRO"},  // Olomouc Orli
    {"Bratislava", "Sokoli", "BRA", "Senec", "Sokol\xED" "ci", "SEN"},  // Bratislava Sokoli
    {"Katowice", "Hutnicy", "KAT", "Tychy", "Kowale", "TYC"},  // Katowice Hutnicy
    {"Miskolc", "Jegesmedv\xE9k", "MIS", "Kazincbarcika", "B\xE1ny\xE1szok", "KAZ"},  // Miskolc Jegesmedvék
    {"T\xF8inec", "Ocel\xE1\xF8i", "TRI", "Fr\xFD" "dek-M\xEDstek", "Ryt\xED\xF8i", "FRM"},  // Třinec Oceláři
    {"Ko\x9Aice", "Koh\xFAti", "KOS", "Pre\x9Aov", "Sr\x9Ane", "PRV"},  // Košice Kohúti
    {"Wroc\xB3" "aw", "Krasnale", "WRO", "Ole\x9Cnica", "Skrzaty", "OLE"},  // Wrocław Krasnale
    {"P\xE9" "cs", "Farkasok", "PEC", "Szeksz\xE1rd", "K\xF6lyk\xF6k", "SZK"},  // Pécs Farkasok
    {"Liberec", "B\xEDl\xED Tyg\xF8i", "LIB", "Jablonec", "Tyg\xF8\xED" "ci", "JAB"},  // Liberec Bílí Tygři
    {"Nitra", "B\xFD" "ci", "NIT", "Topo\xBE\xE8" "any", "Teliatka", "TOP"},  // Nitra Býci
    {"Sz\xF5reg", "H\xF5s\xF6k", "SZO", "Kistelek", "Csik\xF3k", "KIS"},  // Szőreg Hősök
    {"Pozna\xF1", "Kozio\xB3ki", "POZ", "Gniezno", "Kruki", "GNI"},  // Poznań Koziołki
    {"Plze\xF2", "Indi\xE1ni", "PLZ", "Klatovy", "Kojoti", "KLA"},  // Plzeň Indiáni
    {"Tren\xE8\xEDn", "Dukl\xE1" "ci", "TRE", "Dubnica", "Orl\xED" "ci", "DUB"},  // Trenčín Dukláci
    {"Bia\xB3ystok", "\xAFubry", "BIA", "\xA3om\xBF" "a", "\xA3osie", "LOM"},  // Białystok Żubry
    {"Kecskem\xE9t", "Szarvasok", "KEC", "Cegl\xE9" "d", "\xD5zek", "CEG"},  // Kecskemét Szarvasok
    {"Karlovy Vary", "Energie", "KVA", "Sokolov", "Ban\xED" "ci", "SOK"},  // Karlovy Vary Energie
    {"Zvolen", "Medvede", "ZVO", "Bansk\xE1 Bystrica", "Barani", "BBY"},  // Zvolen Medvede
}};

// Jiří, Řehoř, Přemysl, Bořivoj, Radek, Tomáš, Lukáš, Ondřej, Matěj, Vojtěch, Štěpán, Dušan, Ľubomír,
// Ľudovít, Miroslav, Marek, Łukasz, Paweł, Michał, Wojciech, Zbigniew, Grzegorz, Mikołaj, Przemysław,
// Bartłomiej, Ádám, Bálint, Ödön, Gergő, Levente, Zsolt, Csaba, Dénes, Ferenc, Gyula, Kristóf, Zoltán,
// Jenő, Lőrinc, Győző
constexpr const char* CentralFirstNames[] = {
    "Ji\xF8\xED", "\xD8" "eho\xF8", "P\xF8" "emysl", "Bo\xF8ivoj", "Radek", "Tom\xE1\x9A", "Luk\xE1\x9A",
    "Ond\xF8" "ej", "Mat\xECj", "Vojt\xEC" "ch", "\x8At\xECp\xE1n", "Du\x9A" "an", "\xBCubom\xEDr",
    "\xBCudov\xEDt", "Miroslav", "Marek", "\xA3ukasz", "Pawe\xB3", "Micha\xB3", "Wojciech", "Zbigniew",
    "Grzegorz", "Miko\xB3" "aj", "Przemys\xB3" "aw", "Bart\xB3omiej", "\xC1" "d\xE1m", "B\xE1lint",
    "\xD6" "d\xF6n", "Gerg\xF5", "Levente", "Zsolt", "Csaba", "D\xE9nes", "Ferenc", "Gyula",
    "Krist\xF3" "f", "Zolt\xE1n", "Jen\xF5", "L\xF5rinc", "Gy\xF5z\xF5",
};
// Dvoř, Novot, Hořej, Krejč, Procház, Kuč, Wiśn, Kowal, Łuk, Brzęcz, Sójk, Horv, Szőll, Kovác, Ťap,
// Žďár
constexpr const char* CentralSurnameHeads[] = {
    "Dvo\xF8", "Novot", "Ho\xF8" "ej", "Krej\xE8", "Proch\xE1z", "Ku\xE8", "Wi\x9Cn", "Kowal", "\xA3uk",
    "Brz\xEA" "cz", "S\xF3jk", "Horv", "Sz\xF5ll", "Kov\xE1" "c", "\x8D" "ap", "\x8E\xEF\xE1r",
};
// ák, ek, ný, ský, ski, czyk, ewicz, ős, ényi, ár, ik, ůvek, ka, ó
constexpr const char* CentralSurnameTails[] = {
    "\xE1k", "ek", "n\xFD", "sk\xFD", "ski", "czyk", "ewicz", "\xF5s", "\xE9nyi", "\xE1r", "ik", "\xF9vek",
    "ka", "\xF3",
};

// Aréna, Zimní stadion, Jégcsarnok
constexpr std::array<const char*, 5> CentralArenaKinds{" Ar\xE9na", " Stadion", " Hala", " Zimn\xED stadion",
                                                       " J\xE9gcsarnok"};

const Words CentralWords{CentralFirstNames,
                         CentralSurnameHeads,
                         CentralSurnameTails,
                         CentralTeams,
                         CentralArenaKinds,
                         {"Konference Z\xE1pad", "Konference V\xFD" "chod"},  // Západ, Východ
                         {"Divize \x8Aumava", "Div\xEDzia Tatry", "Dywizja Mazury",  // Šumava, Divízia
                          "\xD5rs\xE9g csoport", "Divize Krkono\x9A" "e", "Dywizja Ba\xB3tyk"}};  // Őrség, Krkonoše, Bałtyk
// clang-format on

// Places for the full-size league's further teams.
constexpr std::array<const char*, 12> CityHeads{
    "Vask", "Orl", "Tam", "Bel", "Kor", "Fal", "Sel", "Dran", "Ely", "Mor", "Tavi", "Quor",
};
constexpr std::array<const char*, 10> CityTails{
    "ford", "mere", "holm", "wick", "by", "stead", "haven", "dale", "port", "crest",
};

// Salaries and bank accounts are drawn in steps of 10,000.
constexpr int32_t MoneyStep = 10000;

class NameMaker {
public:
    NameMaker(Prng& r, const Words& words) : r_(r), words_(words) {}
    // One draw per statement: the order in which the operands of one
    // expression are evaluated is left to the compiler.
    std::string person() {
        std::string name = r_.pick(words_.firstNames);
        name += ' ';
        name += r_.pick(words_.surnameHeads);
        name += r_.pick(words_.surnameTails);
        return name;
    }

private:
    Prng& r_;
    const Words& words_;
};

std::string lowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

int clampRating(int v, int cap) { return std::clamp(v, 20, cap); }

uint8_t fitCondition(Prng& r) { return static_cast<uint8_t>(r.range(0, 9) == 0 ? r.range(95, 99) : 100); }

// What a generated person is: how good, how paid, how old, how healthy.
struct Profile {
    int level;               // ratings scatter around it
    int ratingCap;           // no rating above it (farm players stay under the farm overall limit)
    int salaryLo, salaryHi;  // in steps of MoneyStep
    int ageLo, ageHi;
    bool injured = false;
};

// Rating offsets by position: CK FG DI SK ST DU PH FO PA SC DF EX LD MO PO.
constexpr int8_t SkaterShape[4][15] = {
    {-4, -4, 0, 2, 0, 0, 3, 8, 4, 2, -3, 0, 0, 0, 0},      // C
    {0, 0, 0, 3, 0, 0, 3, -12, 0, 5, -5, 0, 0, 0, 0},      // LW
    {0, 0, 0, 3, 0, 0, 3, -12, 0, 5, -5, 0, 0, 0, 0},      // RW
    {5, 3, 0, -2, 4, 2, -3, -30, -2, -10, 8, 0, 0, 0, 0},  // D
};

struct Numbers {
    int16_t skater = 0, goalie = 0, coach = 0;
};

// The people one club plays, best first.
struct Lineup {
    std::array<int16_t, 4> C{}, LW{}, RW{};
    std::array<int16_t, 6> D{};
    int16_t G1 = 0, G2 = 0;
};

class Generator {
public:
    Generator(LeagueData& league, uint64_t seed, const Words& words = WesternWords)
        : league_(league), r_(seed), names_(r_, words), arenaKinds_(words.arenaKinds) {}

    PlayerInfo& skater(int16_t team, uint8_t position, uint8_t rosterStatus, const Profile& pr) {
        const int16_t number = ++numbers_.skater;
        PlayerInfo& p = AddSkater(league_, number, team, position, rosterStatus, names_.person());
        person(p, pr);
        for (int i = 0; i < 15; ++i)
            p.Ratings[i] = static_cast<int16_t>(
                clampRating(pr.level + SkaterShape[position - 1][i] + r_.range(-6, 6), pr.ratingCap));
        experienceRatings(p.Ratings[sr::EX], p.Ratings[sr::PO], p.Ratings[sr::MO], p.Age, pr);
        return p;
    }

    GoalieInfo& goalie(int16_t team, uint8_t rosterStatus, const Profile& pr) {
        const int16_t number = ++numbers_.goalie;
        GoalieInfo& g = AddGoalie(league_, number, team, rosterStatus, names_.person());
        person(g, pr);
        for (int i = 0; i < 13; ++i)
            g.Ratings[i] = static_cast<int16_t>(clampRating(pr.level + r_.range(-6, 6), pr.ratingCap));
        experienceRatings(g.Ratings[gr::EX], g.Ratings[gr::PO], g.Ratings[gr::MO], g.Age, pr);
        return g;
    }

    CoachInfo& coach(int16_t team, int ratingLo, int ratingHi, int salaryLo, int salaryHi) {
        const int16_t number = ++numbers_.coach;
        CoachInfo& c = AddCoach(league_, number, team, names_.person());
        c.Country = r_.pick(Countries);
        c.Age = static_cast<int16_t>(r_.range(38, 66));
        c.ContractYears = static_cast<uint8_t>(team == 0 ? 0 : r_.range(1, 4));
        c.Salary = r_.range(salaryLo, salaryHi) * MoneyStep;
        for (auto& v : c.Ratings) v = static_cast<uint8_t>(r_.range(ratingLo, ratingHi));
        return c;
    }

    // A team in use with full pro and farm rosters, coaches and day-1 lines.
    void team(int16_t number, const TeamSpec& spec, uint8_t division, const std::string& passwordDigest) {
        const std::string name = std::string(spec.city) + " " + spec.nickname;
        TeamInfo& t = AddTeam(league_, number, name, division);
        t.Abbreviation = spec.abbreviation;
        t.GeneralManager = names_.person();
        t.MessengerId = lowerAscii(spec.abbreviation) + "_gm";
        t.Email = "gm." + lowerAscii(spec.abbreviation) + "@sample-league.invalid";
        t.City = spec.city;
        t.ArenaName = std::string(spec.city) + arenaKinds_[number % arenaKinds_.size()];
        t.Password = passwordDigest;  // blanks when empty: no password
        t.ArenaCapacity = {r_.range(5000, 8000), r_.range(4000, 6000), r_.range(2500, 4000),
                           r_.range(800, 2000), r_.range(20, 60)};
        t.TicketPrice = {static_cast<int16_t>(r_.range(18, 30)), static_cast<int16_t>(r_.range(35, 50)),
                         static_cast<int16_t>(r_.range(55, 80)), static_cast<int16_t>(r_.range(90, 140)),
                         static_cast<int16_t>(r_.range(300, 600))};
        t.BankAccount = r_.range(300, 2500) * MoneyStep;
        t.Morale = static_cast<int16_t>(r_.range(40, 80));
        t.Farm.Name = std::string(spec.farmCity) + " " + spec.farmNickname;
        t.Farm.Abbreviation = spec.farmAbbreviation;
        t.Farm.Morale = static_cast<int16_t>(r_.range(40, 80));

        const Lineup pro = proRoster(number);
        const Lineup farm = farmRoster(number);
        t.Captain = pro.C[0];
        t.Assistant1 = pro.D[0];
        t.Assistant2 = pro.LW[0];
        t.ProLines[0] = dayLines(pro);
        t.Farm.Lines[0] = dayLines(farm);
        t.Coach = coach(number, 55, 90, 80, 250).Number;
        t.Farm.Coach = coach(number, 45, 75, 20, 60).Number;
    }

    void freeAgents(int skaters, int goalies, int coaches) {
        for (int i = 0; i < skaters; ++i) {
            Profile pr{r_.range(45, 68), 99, 40, 200, 20, 36};
            PlayerInfo& p = skater(0, static_cast<uint8_t>(r_.range(1, 4)), status::Farm, pr);
            p.ContractYears = 0;
        }
        for (int i = 0; i < goalies; ++i) {
            Profile pr{r_.range(45, 66), 99, 40, 150, 21, 36};
            goalie(0, status::Farm, pr).ContractYears = 0;
        }
        for (int i = 0; i < coaches; ++i) coach(0, 40, 80, 20, 150);
    }

    void draftNames() {
        for (int i = 1; i <= 300; ++i) league_.DraftNameList[i] = names_.person();
    }

    std::string cityName(int index) {
        return std::string(CityHeads[index % CityHeads.size()]) +
               CityTails[(index / CityHeads.size()) % CityTails.size()];
    }

    const Numbers& numbers() const { return numbers_; }

private:
    template <class Person>
    void person(Person& p, const Profile& pr) {
        p.Country = r_.pick(Countries);
        p.Age = static_cast<int16_t>(r_.range(pr.ageLo, pr.ageHi));
        p.Weight = static_cast<int16_t>(r_.range(170, 230));
        p.Height = static_cast<int16_t>(r_.range(69, 78));
        p.ContractYears = static_cast<uint8_t>(r_.range(1, 5));
        p.Salary = r_.range(pr.salaryLo, pr.salaryHi) * MoneyStep;
        // Players of pro level have played most games of their seasons
        // since they were 20, the others few.
        const int gamesPerSeason = pr.level >= 63 ? r_.range(45, 80) : r_.range(0, 15);
        p.ProExperience = static_cast<int16_t>(std::max(0, (p.Age - 20) * gamesPerSeason));
        p.Rookie = p.Age <= 23 && p.ProExperience < 82 ? True : False;
        if (pr.injured) {
            p.Condition = static_cast<uint8_t>(r_.range(60, 90));
            p.Injury = r_.pick(Injuries);
        } else {
            p.Condition = fitCondition(r_);
        }
    }

    void experienceRatings(int16_t& ex, int16_t& po, int16_t& mo, int age, const Profile& pr) {
        ex = static_cast<int16_t>(clampRating(pr.level + (age - 26) * 2 + r_.range(-5, 5), pr.ratingCap));
        po = static_cast<int16_t>(clampRating(pr.level + (24 - age) * 2 + r_.range(-5, 5), pr.ratingCap));
        mo = static_cast<int16_t>(clampRating(r_.range(50, 90), pr.ratingCap));
    }

    // Pro club: 12 forwards and 6 defensemen dressed by line, two dressed
    // goalies, two healthy scratches and one injured scratch.
    Lineup proRoster(int16_t team) {
        static constexpr int ForwardLevel[4] = {86, 79, 73, 68};
        static constexpr int ForwardPay[4][2] = {{400, 650}, {200, 350}, {100, 200}, {50, 100}};
        static constexpr int DefenseLevel[3] = {84, 77, 70};
        static constexpr int DefensePay[3][2] = {{350, 600}, {150, 300}, {60, 120}};
        Lineup l;
        for (int line = 0; line < 4; ++line) {
            const Profile pr{ForwardLevel[line], 99, ForwardPay[line][0], ForwardPay[line][1], 21, 35};
            l.C[line] = skater(team, pos::C, status::Dressed, pr).Number;
            l.LW[line] = skater(team, pos::LW, status::Dressed, pr).Number;
            l.RW[line] = skater(team, pos::RW, status::Dressed, pr).Number;
        }
        for (int pair = 0; pair < 3; ++pair) {
            const Profile pr{DefenseLevel[pair], 99, DefensePay[pair][0], DefensePay[pair][1], 21, 35};
            l.D[2 * pair] = skater(team, pos::D, status::Dressed, pr).Number;
            l.D[2 * pair + 1] = skater(team, pos::D, status::Dressed, pr).Number;
        }
        l.G1 = goalie(team, status::Dressed, {86, 99, 300, 550, 24, 35}).Number;
        l.G2 = goalie(team, status::Dressed, {76, 99, 70, 120, 22, 35}).Number;
        skater(team, pos::C, status::Scratch, {66, 99, 45, 80, 21, 33});
        skater(team, pos::D, status::Scratch, {65, 99, 45, 80, 21, 33});
        Profile hurt{67, 99, 45, 80, 21, 33};
        hurt.injured = true;
        skater(team, pos::LW, status::Scratch, hurt);
        return l;
    }

    // Farm club: 20 fit skaters (4 C, 5 LW, 4 RW, 7 D), one injured center
    // and two goalies. Every rating stays at 75 or under, so every overall
    // stays under the farm limit. Only fit skaters: a suspended one would be
    // picked by the full farm maker and then refused by the farm check.
    // The dressed lineup is the best 4 of each forward position and 6 D.
    Lineup farmRoster(int16_t team) {
        constexpr int Cap = 75;
        auto farmer = [&](uint8_t position, int level, bool injured = false) {
            Profile pr{level, Cap, 40, 100, 19, 26};
            pr.injured = injured;
            return skater(team, position, status::Farm, pr).Number;
        };
        Lineup l;
        for (int i = 0; i < 4; ++i) l.C[i] = farmer(pos::C, 62 - 2 * i);
        farmer(pos::C, 57, true);
        for (int i = 0; i < 5; ++i) {
            const int16_t n = farmer(pos::LW, 62 - 2 * i);
            if (i < 4) l.LW[i] = n;
        }
        for (int i = 0; i < 4; ++i) l.RW[i] = farmer(pos::RW, 62 - 2 * i);
        for (int i = 0; i < 7; ++i) {
            const int16_t n = farmer(pos::D, 61 - i);
            if (i < 6) l.D[i] = n;
        }
        l.G1 = goalie(team, status::Farm, {62, Cap, 40, 100, 19, 26}).Number;
        l.G2 = goalie(team, status::Farm, {58, Cap, 40, 100, 19, 26}).Number;
        return l;
    }

    // One complete game day: every slot filled, nobody twice in a unit, and
    // normal lines 1 and 2 without a common player, laid out as the
    // automatic line maker lays out a standard 4 C, 4 LW, 4 RW, 6 D roster.
    static DayLines dayLines(const Lineup& l) {
        DayLines d;
        auto& s = d.Slots;
        const std::array<int16_t, 5> forwards{l.C[0], l.LW[0], l.RW[0], l.C[1], l.LW[1]};  // best first
        for (int line = 0; line < 4; ++line) {
            s[slot::NormalTrio + line] = l.C[line];
            s[slot::NormalTrio + 4 + line] = l.LW[line];
            s[slot::NormalTrio + 8 + line] = l.RW[line];
            const int pair = line == 3 ? 0 : line;  // line 4 repeats the first pair
            s[slot::NormalDuo + line] = l.D[2 * pair];
            s[slot::NormalDuo + 4 + line] = l.D[2 * pair + 1];
        }
        for (int u = 0; u < 2; ++u) {
            s[slot::PPTrio + u] = l.C[u];
            s[slot::PPTrio + 2 + u] = l.LW[u];
            s[slot::PPTrio + 4 + u] = l.RW[u];
            s[slot::PKTrio + u] = forwards[2 * u];
            s[slot::PKTrio + 2 + u] = forwards[2 * u + 1];
            s[slot::FourVsFourTrio + u] = forwards[2 * u];
            s[slot::FourVsFourTrio + 2 + u] = forwards[2 * u + 1];
            s[slot::PK3Trio + 2 + u] = forwards[u];
            for (int duo : {slot::PPDuo, slot::PKDuo, slot::FourVsFourDuo, slot::PK3Duo}) {
                s[duo + u] = l.D[2 * u];
                s[duo + 2 + u] = l.D[2 * u + 1];
            }
        }
        s[slot::StartGoaler] = l.G1;
        s[slot::BackupGoaler] = l.G2;
        for (int k = 0; k < 5; ++k) {
            s[slot::ExtraForward + k] = forwards[k];
            s[slot::ExtraDefense + k] = l.D[k];
            s[slot::PenaltyShot + k] = forwards[k];
        }
        s[slot::Strategy] = 1;
        s[slot::Strategy + 1] = 2;
        s[slot::Strategy + 2] = 2;
        return d;
    }

    LeagueData& league_;
    Prng r_;
    NameMaker names_;
    std::span<const char* const> arenaKinds_;
    Numbers numbers_;
};

void leagueSettings(LeagueInfo& li, const char* key, const Words& words = WesternWords) {
    li.ConferenceNames[0] = words.conferences[0];
    li.ConferenceNames[1] = words.conferences[1];
    for (int d = 0; d < 6; ++d) {
        li.Divisions[d].Name = words.divisions[d];
        li.Divisions[d].Conference = d < 3 ? 1 : 2;
    }
    li.DivisionCount = 6;
    li.LeagueKey = key;
    li.YoungPlayerAge = 20;
    li.RFAAge = 26;
    li.MaxProPlayers = 23;
    li.FarmMaxOverall = 70;
    li.WaiverExemptAge = 21;
    li.WaiverExemptGames = 160;
    li.SalaryCapMode = 1;
    li.SalaryCapAmount = 70000000;
    li.MinSalary = 400000;
    li.MaxSalary = 9000000;
    li.FarmSalaryPercent = 25;
    li.MaxProtectedPlayers = 10;
    li.DefaultPullGoalerMinGoal = 1;
    li.DefaultPullGoalerMinPct = 85;
    li.SuspendedNotPaid = True;
    li.PayrollConditionThreshold = 0;
    li.ShowOverallColumn = True;
    li.ShowAllRatings = True;
    li.DeadlineBlocksMoves = True;
    li.NoSamePlayerLines1And2 = True;
    li.TicketPricesLocked = False;
    li.MaxOffers = 10;
    li.FantasyDraft = False;
    li.EntryDraft = True;
    li.EntryDraftBlocked = 0;
    li.NextDayInfoAvailable = True;
    li.TradeDeadlinePassed = False;
    li.WaiversAllowed = True;
    li.FarmLinesEnabled = True;
    li.OverallWeightFG = 20;
    li.OverallWeightEXLD = 10;
    li.OverallWeightDU = 20;
    li.OverallWeightDI = 20;
    li.OverallWeightPHPA = 30;
    li.OverallWeightSC = 40;
    li.HideFinanceEstimates = False;
    li.OffSeason = False;
    li.ExpensePerGameDisabled = False;
    li.CapIncludesFarm = False;
    li.PayrollIncludesBonus = False;
    li.UnknownPlayerRating = 40;
    li.FarmMaxSalary = 1500000;
    li.FarmSalaryCap = 6000000;
    li.AutoMadeDisabled = False;
    li.ListUnsignedFreeAgents = True;
    li.ClientFileDate = 45610.8125;  // 14 November 2024, 19:30
    li.CapIncludesCoaches = False;
    li.NextDayInfoDisabled = False;
    li.FarmFullSalaryThreshold = 0;
    li.MinSalaryCap = 35000000;
    li.MaxDressedSkaters = 18;
    li.MaxDressedGoalies = 2;
    li.MinCenters = 3;
    li.MinLeftWings = 3;
    li.MinRightWings = 3;
    li.MinDefense = 6;
    li.FarmFullLineup = True;
    li.OverallWeightCK = 50;
    li.OfferLimitBase = 5;
}

// A round robin (circle method) of `rounds` rounds over `teams` (an even
// count), one schedule entry per pairing: the pro game and, with other
// opponents, the farm game. The second team of an entry is the home team:
// of a pairing, the team with fewer home games so far, so that home games
// come out even. The first `played` rounds are played.
void schedule(LeagueData& league, Prng& r, const std::vector<int16_t>& teams, int rounds, int played) {
    const int n = static_cast<int>(teams.size());
    const int cycle = n - 1;
    auto pairing = [&](int round, int j, std::vector<int>& homes) {
        const int k = round % cycle;
        int a = j == 0 ? n - 1 : (k + j) % cycle;
        int b = j == 0 ? k : (k - j + cycle) % cycle;
        if (homes[a] < homes[b] || (homes[a] == homes[b] && (round + j) % 2 == 0)) std::swap(a, b);
        ++homes[b];
        return std::pair<int16_t, int16_t>{teams[a], teams[b]};
    };
    std::vector<int> proHomes(n), farmHomes(n);
    int16_t entry = 0;
    for (int round = 0; round < rounds; ++round) {
        for (int j = 0; j < n / 2; ++j) {
            const auto [away, home] = pairing(round, j, proHomes);
            const auto [farmAway, farmHome] = pairing(round + 7, j, farmHomes);
            ScheduleGame& g = AddGame(league, ++entry, away, home);
            g.FarmTeam1 = farmAway;
            g.FarmTeam2 = farmHome;
            if (round >= played) continue;
            g.ProPlayed = True;
            g.FarmPlayed = True;
            TeamInfo& h = league.Teams[home];
            ++league.Teams[away].GamesPlayed;
            ++h.GamesPlayed;
            ++h.HomeGamesPlayed;
            int64_t attendance = h.TotalAttendance, income = h.TotalIncome;
            for (int level = 0; level < 5; ++level) {
                const int64_t seats = int64_t{h.ArenaCapacity[level]} * r.range(70, 100) / 100;
                attendance += seats;
                income += seats * h.TicketPrice[level];
            }
            h.TotalAttendance = static_cast<int32_t>(attendance);
            h.TotalIncome = static_cast<int32_t>(income);
        }
    }
}

// The digests come from the program's own routine, so the stored form is
// exactly what the password check compares with.
std::string passwordDigest(const std::string& password) {
    auto league = std::make_unique<LeagueData>();
    auto state = std::make_unique<ProgramState>();
    ScriptedDialogs dialogs;
    MemorySettings settings;
    LogHooks log;
    WaitWindow wait;
    Env env{*league, *state, dialogs, settings, log, wait};
    std::string digest = DigestStrToHexStr(env, password);
    if (digest.size() != 32 || !dialogs.shown().empty())
        throw std::runtime_error("cannot make the digest of a sample password");
    return digest;
}

}  // namespace

namespace {

// The sample league in the given words and passwords; the same people,
// ratings, rosters and lines whatever the words.
void buildSample(LeagueData& league, const char* key, const Words& words,
                 std::span<const SamplePassword> passwords) {
    leagueSettings(league.League, key, words);
    Generator gen(league, 0x5A4D504C45ull, words);
    std::vector<int16_t> teams;
    for (int16_t number = 1, spec = 0; spec < static_cast<int16_t>(words.teams.size()); ++number) {
        if (number == SampleUnusedTeam) continue;
        std::string digest;
        for (const SamplePassword& p : passwords)
            if (p.team == number) digest = passwordDigest(p.password);
        const auto division = static_cast<uint8_t>(spec / 5 + 1);
        gen.team(number, words.teams[spec], division, digest);
        league.Teams[number].GamesInSeason = 82;
        teams.push_back(number);
        ++spec;
    }
    gen.freeAgents(160, 16, 12);
    gen.draftNames();
    Prng crowd(0x47415445ull);
    schedule(league, crowd, teams, 82, 12);
}

}  // namespace

void BuildSampleLeague(LeagueData& league) { buildSample(league, "SMP24", WesternWords, SamplePasswords); }

void BuildCentralLeague(LeagueData& league) { buildSample(league, "CEN24", CentralWords, CentralPasswords); }

void BuildFullLeague(LeagueData& league) {
    leagueSettings(league.League, "FUL24");
    Generator gen(league, 0x46554C4Cull);
    std::vector<int16_t> teams;
    std::vector<std::string> names;  // kept alive for the specs below
    names.reserve(3 * 100);
    for (int16_t number = 1; number <= 100; ++number) {
        TeamSpec spec;
        if (number <= static_cast<int16_t>(SampleTeams.size())) {
            spec = SampleTeams[number - 1];
        } else {
            const TeamSpec& like = SampleTeams[number % SampleTeams.size()];
            const std::string& city = names.emplace_back(gen.cityName(number));
            const std::string& farmCity = names.emplace_back(gen.cityName(number + 37) + " Junction");
            const std::string& abbreviation =
                names.emplace_back(std::string(1, city[0]) + std::to_string(number));
            spec = {city.c_str(),     like.nickname,     abbreviation.c_str(),
                    farmCity.c_str(), like.farmNickname, abbreviation.c_str()};
        }
        const auto division = static_cast<uint8_t>((number - 1) * 6 / 100 + 1);
        gen.team(number, spec, division, "");
        league.Teams[number].GamesInSeason = 100;
        teams.push_back(number);
    }
    const Numbers& used = gen.numbers();
    gen.freeAgents(10000 - used.skater, 1000 - used.goalie, 500 - used.coach);
    gen.draftNames();
    Prng crowd(0x46554C47ull);
    schedule(league, crowd, teams, 100, 20);
}

void BuildOffSeasonSampleLeague(LeagueData& league) {
    BuildSampleLeague(league);
    league.League.OffSeason = True;
    league.League.FantasyDraft = True;
    for (int16_t team : OffSeasonAgentTeams) {
        for (int n = 1; n <= 10000; ++n) {
            PlayerInfo& p = league.Players[n];
            if (p.InUse != True || p.Team != team) continue;
            p.ContractYears = 0;
            if (team == OffSeasonAgentTeams.back())
                p.Age = static_cast<int16_t>(league.League.YoungPlayerAge - 1);
            break;
        }
    }
}

void BuildHurtSampleLeague(LeagueData& league) {
    BuildSampleLeague(league);
    for (int n = 1; n <= 10000; ++n) {
        PlayerInfo& p = league.Players[n];
        if (p.InUse != True || p.Team != HurtSampleTeam || p.RosterStatus != status::Scratch ||
            p.Position != pos::C)
            continue;
        p.RosterStatus = status::Dressed;
        p.Condition = 60;
        p.Injury = Injuries[0];
        break;
    }
}

void BuildFreeAgentLeague(LeagueData& league) {
    BuildFullLeague(league);
    league.League.ListUnsignedFreeAgents = True;
    for (int n = 1; n <= 10000; ++n) league.Players[n].ContractYears = 0;
    for (int g = 1; g <= 1000; ++g) league.Goalies[g].ContractYears = 0;
}

}  // namespace dravik::leaguewriter
