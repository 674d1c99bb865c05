#include "command/CatalogueTables.h"

namespace velmora::catalogue {

namespace {

using R = RadioRecords;
using D = TargetChoiceRow;

// clang-format off

// Family A. Message, code, parameters (DN and UP have none: their two parameter positions stay
// zero bytes).
constexpr FixedRow kFixed[] = {
    {0x8514, "VS", "0"},  {0x8515, "VS", "1"},
    {0x8516, "MK", "0"},  {0x8517, "MK", "1"},  {0x8518, "MK", "2"},
    {0x851A, "MK", "5"},  {0x851B, "MK", "6"},
    {0x851C, "QI", ""},   {0x851D, "QR", ""},
    {0x8522, "FT", "0"},
    {0x853F, "FT", "1"},
    {0x8525, "AB", ""},   {0x8526, "SV", ""},   {0x8527, "VM", ""},   {0x8528, "MA", ""},
    {0x8529, "AM", ""},
    {0x852B, "BS", "10"}, {0x852C, "BS", "00"}, {0x852D, "BS", "01"}, {0x852E, "BS", "03"},
    {0x852F, "BS", "04"}, {0x8530, "BS", "05"}, {0x8531, "BS", "06"}, {0x8532, "BS", "07"},
    {0x8533, "BS", "08"}, {0x8534, "BS", "09"}, {0x8535, "BS", "11"},
    {0x8538, "RC", ""},
    {0x8540, "SF", "00"}, {0x8541, "SF", "02"}, {0x8542, "SF", "03"}, {0x8544, "SF", "08"},
    {0x8545, "SF", "07"},
    {0x8546, "FK", "1"},  {0x8547, "FK", "2"},  {0x8548, "FK", "3"},  {0x8549, "FK", "4"},
    {0x854A, "FK", "5"},  {0x854B, "FK", "6"},  {0x854C, "FK", "7"},
    {0x8597, "DN", ""},   {0x8598, "UP", ""},
    {0x862C, "LM", "01"}, {0x862D, "LM", "02"}, {0x862E, "LM", "03"}, {0x862F, "LM", "04"},
    {0x8630, "LM", "05"},
    {0x8631, "LM", "00"},
    {0x8638, "LM", "11"}, {0x8639, "LM", "10"},
    {0x8632, "PB", "01"}, {0x8633, "PB", "02"}, {0x8634, "PB", "03"}, {0x8635, "PB", "04"},
    {0x8636, "PB", "05"},
    {0x8637, "PB", "00"},
    {0x863A, "PB", "11"}, {0x863B, "PB", "10"},
    {0x8640, "KY", "1"},  {0x8641, "KY", "2"},  {0x8642, "KY", "3"},  {0x8643, "KY", "4"},
    {0x8644, "KY", "5"},  {0x8645, "KY", "6"},  {0x8646, "KY", "7"},  {0x8647, "KY", "8"},
    {0x8648, "KY", "9"},
    {0x8649, "KY", "A"},
    {0x810D, "RO", "", true},
};

// Family B. Message, code, prefix before the toggled digit, the stored value it toggles.
constexpr ToggleRow kToggles[] = {
    {0x8503, "DS", "",  stored(&R::ds)},
    {0x8504, "MX", "",  stored(&R::mx)},
    {0x8505, "VX", "",  stored(&R::vx)},
    {0x850C, "KR", "",  stored(&R::kr)},
    {0x8512, "BI", "",  stored(&R::bi)},
    {0x8513, "CS", "",  stored(&R::cs)},
    {0x8523, "FS", "",  storedOf(&R::fs, 0)},
    {0x8524, "LK", "",  storedOf(&R::lk, 0)},
    {0x853B, "BC", "0", storedOf(&R::bc, kMain)},
    {0x853D, "NR", "0", storedOf(&R::nr, kMain)},
    {0x851E, "NA", "r", storedOfTarget(&R::na)},
};

// Variants of family B. Message, code, stored value, parameters for the stored value 0, 1, 2, 3,
// parameters for any other stored value.
constexpr StoredChoiceRow kStoredChoices[] = {
    {0x850A, "ML", stored(&R::mlFlag),        {"0001"},               "0000"},
    {0x853A, "BP", storedOf(&R::bpOn, kMain), {"00001"},              "00000"},
    {0x8594, "CA", stored(&R::ca),            {"0001"},               "0000"},
    {0x8519, "MK", stored(&R::mk),            {"3", "4", "3"},        ""},
    {0x8521, "FR", stored(&R::fr),            {"1", "0", "3", "2"},   ""},
    {0x853E, "FR", stored(&R::fr),            {"2", "3", "0", "1"},   ""},
};

// Family C. Message(s), code, prefix, width of v, suffix.
constexpr ValueFieldRow kValueFields[] = {
    {one(0x8506),               "AC", "00", 1},
    {one(0x850B),               "PR", "",   1},
    {one(0x8520),               "TS", "",   1},
    {one(0x854D),               "DP", "",   1},
    {one(0x8556),               "MS", "",   1},
    {one(0x853C),               "CO", "00", 2},
    {two(0x8568, 0x859B),       "CO", "01", 2},
    {one(0x859C),               "CO", "02", 2},
    {one(0x85A3),               "CO", "11", 2},
    {one(0x85A4),               "CO", "12", 2},
    {one(0x855A),               "KP", "",   2},
    {two(0x8567, 0x859A),       "SH", "0",  2},
    {one(0x85A2),               "SH", "1",  2},
    {two(0x8569, 0x85A0),       "RL", "0",  2},
    {one(0x85A8),               "RL", "1",  2},
    {one(0x8557),               "ML", "1",  3},
    {one(0x8558),               "PL", "",   3},
    {one(0x8559),               "KS", "",   3},
    {one(0x855D),               "MG", "",   3},
    {one(0x855E),               "VG", "",   3},
    {one(0x856C),               "PC", "",   3},
    {one(0x855B),               "NL", "0",  3},
    {one(0x8595),               "NL", "1",  3},
    {one(0x855C),               "SQ", "0",  3},
    {two(0x8560, 0x8596),       "SQ", "1",  3},
    {one(0x8563),               "AG", "0",  3},
    {one(0x8561),               "AG", "1",  3},
    {one(0x8564),               "RG", "0",  3},
    {one(0x8562),               "RG", "1",  3},
    {two(0x8565, 0x859F),       "BP", "01", 3},
    {one(0x85A7),               "BP", "11", 3},
    {range(0x85AB, 0x85B2),     "KC", "50", 1, "1"},
    {range(0x85B3, 0x85BA),     "KC", "51", 1, "1"},
};

// Family D. Message, code, how the character after r comes from v, the choices (mapped: the
// character for v = 0, 1, ...), width of v, suffix.
constexpr TargetChoiceRow kTargetChoices[] = {
    {one(0x8507), "AN", D::Mapped, "0123"},
    {one(0x8508), "AN", D::Mapped, "1234"},
    {one(0x8509), "AN", D::Fixed,  "5"},
    {one(0x850D), "RA", D::Mapped, "0123"},
    {one(0x850E), "PA", D::Mapped, "1203"},
    {one(0x850F), "RF", D::Mapped, "012345"},
    {one(0x8510), "GT", D::Mapped, "04123"},
    {one(0x8511), "NB", D::Direct, "", 1},
    {one(0x864D), "CN", D::Direct, "", 2},
    {one(0x8539), "VF", D::Direct, "", 1, "00"},
    {one(0x864A), "CT", D::Fixed,  "0"},
    {one(0x864B), "CT", D::Fixed,  "2"},
    {one(0x864C), "CT", D::Fixed,  "1"},
    {one(0x864E), "OS", D::Fixed,  "0"},
    {one(0x864F), "OS", D::Fixed,  "1"},
    {one(0x8650), "OS", D::Fixed,  "2"},
};

// Family F. Message(s), the knob digit p.
constexpr DialStepRow kDialSteps[] = {
    {one(0x854E),         '0'},
    {two(0x854F, 0x8554), '1'},
    {one(0x8550),         '2'},
    {one(0x8551),         '3'},
};

// Family G. Message, code, parameters for v != 0, parameters for v = 0 (empty: nothing).
constexpr PressRow kPresses[] = {
    {0x85A9, "SF", "03", "00"},
    {0x85AA, "SF", "02", "08"},
    {0x863C, "RO", "1",  "0"},
    {0x863D, "RO", "2",  "0"},
    {0x863E, "RO", "3",  ""},
    {0x863F, "RO", "4",  ""},
};

// clang-format on

}  // namespace

std::span<const FixedRow> fixedCommands() {
    return kFixed;
}
std::span<const ToggleRow> toggles() {
    return kToggles;
}
std::span<const StoredChoiceRow> storedChoices() {
    return kStoredChoices;
}
std::span<const ValueFieldRow> valueFields() {
    return kValueFields;
}
std::span<const TargetChoiceRow> targetChoices() {
    return kTargetChoices;
}
std::span<const DialStepRow> dialSteps() {
    return kDialSteps;
}
std::span<const PressRow> presses() {
    return kPresses;
}

}  // namespace velmora::catalogue
