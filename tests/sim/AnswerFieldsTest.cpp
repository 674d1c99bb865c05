// Every query the controller sends gets one answer of the answer table's length whose fields,
// read at the positions the controller's analysis reads them, lie within the ranges its records
// accept. The field checks are written out here, independently of the simulator's formatter.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "SimTestHarness.h"
#include "link/AnswerLength.h"
#include "link/CatCommandTable.h"
#include "link/MenuTable.h"
#include "menulist/BuiltInMenuTable.h"
#include "sim/SimMenu.h"

namespace velmora::sim {
namespace {

std::optional<int> num(const std::string& a, size_t pos, size_t width) {
    if (a.size() < pos + width) return std::nullopt;
    int v = 0;
    for (size_t i = pos; i < pos + width; ++i) {
        if (a[i] < '0' || a[i] > '9') return std::nullopt;
        v = v * 10 + (a[i] - '0');
    }
    return v;
}
std::optional<int> hex(const std::string& a, size_t pos) {
    if (a.size() <= pos) return std::nullopt;
    const char c = a[pos];
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return std::nullopt;
}
const auto in = [](std::optional<int> v, int lo, int hi) { return v && *v >= lo && *v <= hi; };
const auto sel = [](const std::string& a) { return a[2] - '0'; };
const auto selOk = [](const std::string& a) { return a[2] == '0' || a[2] == '1'; };
const auto signAt = [](const std::string& a, size_t pos) { return a[pos] == '+' || a[pos] == '-'; };
const auto d = [](const std::string& a, size_t pos, int lo, int hi) {
    return in(num(a, pos, 1), lo, hi);
};

using Check = std::function<bool(const std::string&)>;

// Field checks by code: positions of the answer analysis, ranges of the store's records.
std::map<std::string, Check> makeFieldChecks() {
    auto digit = [](int lo, int hi) {
        return Check([=](const std::string& a) { return d(a, 2, lo, hi); });
    };
    auto number = [](size_t w, int lo, int hi) {
        return Check([=](const std::string& a) { return in(num(a, 2, w), lo, hi); });
    };
    auto perRx = [](size_t w, int lo, int hi) {
        return Check([=](const std::string& a) { return selOk(a) && in(num(a, 3, w), lo, hi); });
    };
    auto status = [](int vfoMax) {
        return Check([=](const std::string& a) {
            return in(num(a, 5, 8), 0, 99999999) && signAt(a, 13) && in(num(a, 14, 4), 0, 9999) &&
                   d(a, 18, 0, 1) && d(a, 19, 0, 1) && in(hex(a, 20), 0, 12) &&
                   d(a, 21, 0, vfoMax) && d(a, 22, 0, 2) && in(num(a, 23, 2), 0, 49) &&
                   d(a, 25, 0, 2);
        });
    };
    std::map<std::string, Check> checks = {
        {"ID", number(4, 362, 362)},
        {"SF", number(2, 0, 8)},
        {"BP",
         [](const std::string& a) {
             if (!selOk(a)) return false;
             if (a[3] == '0') return d(a, 6, 0, 1);
             return in(num(a, 4, 3), 0, 400);
         }},
        {"CO",
         [](const std::string& a) {
             static const int kMax[] = {1, 40, 50};
             return selOk(a) && d(a, 3, 0, 2) && in(num(a, 4, 2), 0, kMax[a[3] - '0']);
         }},
        {"MS", digit(0, 5)},
        {"FR", digit(0, 3)},
        {"RF",
         [](const std::string& a) { return selOk(a) && in(hex(a, 3), 0, sel(a) == 0 ? 10 : 6); }},
        {"GT", perRx(1, 0, 6)},
        {"RA", perRx(1, 0, 3)},
        {"PA", [](const std::string& a) { return selOk(a) && d(a, 3, 0, sel(a) == 0 ? 3 : 2); }},
        {"AN", [](const std::string& a) { return selOk(a) && d(a, 3, 1, 4) && d(a, 4, 0, 1); }},
        {"AC", [](const std::string& a) { return d(a, 4, 0, 2); }},
        {"DP", digit(0, 6)},
        {"ML",
         [](const std::string& a) {
             return selOk(a) && (sel(a) == 0 ? d(a, 5, 0, 9) : in(num(a, 3, 3), 0, 255));
         }},
        {"RM", [](const std::string& a) { return d(a, 2, 0, 9) && in(num(a, 3, 3), 0, 255); }},
        {"KP", number(2, 0, 75)},
        {"KS", number(3, 4, 60)},
        {"IF", status(4)},
        {"OI", status(3)},
        {"VF",
         [](const std::string& a) {
             return selOk(a) && d(a, 7, 0, 1) && d(a, 3, 0, 9) && in(num(a, 4, 3), 0, 255);
         }},
        {"IS",
         [](const std::string& a) {
             return selOk(a) && signAt(a, 3) && in(num(a, 4, 4), 0, 1000);
         }},
        {"SH", perRx(2, 0, 31)},
        {"RL", perRx(2, 1, 15)},
        {"CN", perRx(2, 0, 49)},
        {"BY", [](const std::string& a) { return d(a, 2, 0, 1) && d(a, 3, 0, 1); }},
        {"RO",
         [](const std::string& a) { return in(num(a, 3, 3), 0, 450) && in(num(a, 6, 3), 0, 100); }},
        {"KM",
         [](const std::string& a) {
             if (!d(a, 2, 1, 5)) return false;
             for (size_t i = 3; i < 53; ++i)
                 if (!((a[i] >= 0x20 && a[i] <= 0x5F && a[i] != ';') || a[i] == '}')) return false;
             return true;
         }},
        {"MC", number(3, 0, 117)},
        {"MD", [](const std::string& a) { return selOk(a) && in(hex(a, 3), 0, 13); }},
        {"RI", [](const std::string& a) { return d(a, 2, 0, 8) && in(hex(a, 3), 0, 1); }},
        {"BG",
         [](const std::string& a) {
             static const int kMax[] = {5, 21, 11};
             return d(a, 2, 0, 2) && in(num(a, 3, 2), 0, kMax[a[2] - '0']);
         }},
        {"PE",
         [](const std::string& a) {
             if ((a[2] != '0' && a[2] != '2') || !d(a, 3, 0, 2) || !d(a, 4, 0, 2)) return false;
             static const int kFreqMax[] = {7, 9, 18};
             if (a[4] == '1') return signAt(a, 5) && in(num(a, 6, 2), 0, a[5] == '-' ? 20 : 10);
             if (a[4] == '2') return in(num(a, 5, 3), 1, 10);
             return in(num(a, 5, 3), 0, kFreqMax[a[3] - '0']);
         }},
        {"KC",
         [](const std::string& a) {
             return d(a, 3, 0, 1) && d(a, 4, 0, 7) && d(a, 5, 0, 1) && d(a, 6, 0, 7);
         }},
        {"CA", [](const std::string& a) { return a[2] == '0' && in(num(a, 3, 3), 0, 1); }},
    };
    // Codes that share one check.
    const std::pair<std::vector<const char*>, Check> shared[] = {
        {{"RT", "XT", "FT", "VS", "KR", "TS", "DS", "MX", "VX", "BI", "CS", "UL", "AI", "PS", "CW"},
         digit(0, 1)},
        {{"BC", "NR", "NA"}, perRx(1, 0, 1)},
        {{"LK", "FS"}, digit(4, 7)},
        {{"NB", "CT", "OS"}, perRx(1, 0, 2)},
        {{"PR", "SC", "TX", "RS"}, digit(0, 2)},
        {{"SD", "VD"}, number(4, 20, 5000)},
        {{"NL", "SQ", "AG", "RG", "SM"}, perRx(3, 0, 255)},
        {{"MG", "PL", "VG", "PC"}, number(3, 0, 255)},
        {{"FA", "FB"}, number(8, 30000, 60000000)},
        {{"PB", "LM"}, perRx(1, 0, 9)},
    };
    for (const auto& [codes, check] : shared)
        for (const char* code : codes) checks[code] = check;
    return checks;
}
const std::map<std::string, Check>& fieldChecks() {
    static const std::map<std::string, Check> checks = makeFieldChecks();
    return checks;
}

const auto digitStr = [](int v) { return std::string(1, static_cast<char>('0' + v)); };

// The query forms of the controller's initial read, keep-alive and single reads.
std::vector<std::string> allQueries() {
    std::vector<std::string> q;
    for (const CatCommandRecord& r : kCatTables.read) {
        const std::string code(r.code, 2);
        if (r.second == kReadPlain) q.push_back(code + ";");
        if (r.second == kReadBothReceivers) {
            q.push_back(code + "0;");
            q.push_back(code + "1;");
        }
    }
    for (const char* f : {"ID;", "BP00;", "BP10;", "BP01;", "BP11;", "CO00;", "CO01;", "CO02;",
                          "CO10;", "CO11;", "CO12;", "RM0;", "BG0;", "BG1;", "CA0;"})
        q.emplace_back(f);
    for (int k = 1; k <= 5; ++k) q.push_back("KM" + digitStr(k) + ";");
    for (int k = 0; k <= 8; ++k) q.push_back("RI" + digitStr(k) + ";");
    for (int s : {0, 2})
        for (int b = 0; b < 3; ++b)
            for (int k = 0; k < 3; ++k)
                q.push_back("PE" + digitStr(s) + digitStr(b) + digitStr(k) + ";");
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 8; ++b) q.push_back("KC5" + digitStr(a) + digitStr(b) + ";");
    return q;
}

void expectWellFormed(const std::string& query, const std::string& answer) {
    SCOPED_TRACE(query + " -> " + answer);
    const int index = findAnswerIndex(query[0], query[1]);
    ASSERT_GE(index, 0);
    ASSERT_EQ(static_cast<int>(answer.size()),
              kCatTables.answer[static_cast<size_t>(index)].length);
    EXPECT_EQ(answer.back(), ';');
    EXPECT_EQ(answer.substr(0, 2), query.substr(0, 2));
    EXPECT_EQ(answer.find(';'), answer.size() - 1);
    auto check = fieldChecks().find(query.substr(0, 2));
    ASSERT_NE(check, fieldChecks().end());
    EXPECT_TRUE(check->second(answer));
    // The controller's receive side sizes it the same way.
    MenuTable menus;
    const auto* bytes = reinterpret_cast<const uint8_t*>(answer.data());
    const AnswerLength len = determineAnswerLength(bytes, answer.size(), menus);
    EXPECT_TRUE(len.recognised);
    EXPECT_EQ(len.length, static_cast<int>(answer.size()));
}

TEST(AnswerFields, EveryQueryOfTheControllerGetsOneWellFormedAnswer) {
    test::RadioHarness h;
    const std::vector<std::string> queries = allQueries();
    EXPECT_EQ(queries.size(), 154u);
    for (const std::string& q : queries) expectWellFormed(q, h.send(q));
}

TEST(AnswerFields, AnswersStayWellFormedAfterTheStateChanges) {
    test::RadioHarness h;
    for (const char* c :
         {"FA00030000;", "FB60000000;", "MD1D;",   "MD0A;",     "IS0-1000;", "IS1+1000;",
          "RF0A;",       "RF16;",       "SH031;",  "RL015;",    "BP01400;",  "CO0140;",
          "CO1250;",     "KS060;",      "SD5000;", "VD0020;",   "VF0900;",   "VF01+9;",
          "RO2;",        "ML1255;",     "ML0001;", "CA0001;",   "LK3;",      "FS1;",
          "AN04;",       "AN15;",       "KC5171;", "KM3}]^_ ;", "EX153-10;", "EX168+10;",
          "EX16010;",    "CN149;",      "PA12;",   "PA03;"})
        ASSERT_EQ(h.send(c), "") << c;
    // The composite status records take modes 0-12 only, the mode records 0-13.
    h.send("MD00;");
    h.send("MD1C;");
    for (const std::string& q : allQueries()) expectWellFormed(q, h.send(q));
}

TEST(AnswerFields, EveryMenuItemAnswersWithItsWidth) {
    test::RadioHarness h;
    for (const SimMenuItem& item : simMenuItems()) {
        char q[8];
        std::snprintf(q, sizeof q, "EX%03d;", item.number);
        const std::string a = h.send(q);
        SCOPED_TRACE(a);
        ASSERT_EQ(static_cast<int>(a.size()), item.width + 6);
        EXPECT_EQ(a.substr(0, 5), std::string(q, 5));
        EXPECT_EQ(a.back(), ';');
        for (size_t i = 5; i + 1 < a.size(); ++i)
            EXPECT_TRUE((a[i] >= '0' && a[i] <= '9') || (i == 5 && (a[i] == '+' || a[i] == '-')));
    }
    EXPECT_EQ(simMenuItemCount(), 177);
    // The controller's receive side sizes every menu answer from its own menu definitions.
    MenuTable menus;
    menus.install(builtInMenuDefinitions().data(), kBuiltInMenuItemCount);
    ASSERT_TRUE(menus.setCount(kBuiltInMenuItemCount));
    for (int n = 1; n <= kBuiltInMenuItemCount; ++n) {
        char q[8];
        std::snprintf(q, sizeof q, "EX%03d;", n);
        const std::string a = h.send(q);
        const auto* bytes = reinterpret_cast<const uint8_t*>(a.data());
        const AnswerLength len = determineAnswerLength(bytes, a.size(), menus);
        EXPECT_TRUE(len.recognised && answerComplete(bytes, a.size(), len.length)) << a;
        EXPECT_EQ(len.length, static_cast<int>(a.size())) << a;
    }
    EXPECT_EQ(h.send("EX000;"), "?;");
    EXPECT_EQ(h.send("EX178;"), "?;");
}

}  // namespace
}  // namespace velmora::sim
