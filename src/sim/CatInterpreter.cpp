#include "sim/CatInterpreter.h"

#include "sim/AnswerFormat.h"
#include "sim/Digits.h"
#include "sim/SetCommands.h"

namespace velmora::sim {

namespace {

bool isCodeLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

void addBoth(std::vector<std::string>& out, const char* code) {
    out.push_back(std::string(code) + "0");
    out.push_back(std::string(code) + "1");
}

std::vector<std::string> buildReportQueries() {
    std::vector<std::string> q;
    for (const char* c : {"RT", "XT", "SF"}) q.emplace_back(c);
    for (const char* f : {"BP00", "BP10", "BP01", "BP11"}) q.emplace_back(f);
    addBoth(q, "BC");
    for (const char* f : {"CO00", "CO01", "CO02", "CO10", "CO11", "CO12"}) q.emplace_back(f);
    q.emplace_back("MS");
    addBoth(q, "NR");
    for (const char* c : {"FT", "FR", "LK", "FS", "VS"}) q.emplace_back(c);
    for (const char* c : {"NA", "NB", "RF", "GT", "RA", "PA"}) addBoth(q, c);
    for (const char* c : {"KR", "TS"}) q.emplace_back(c);
    addBoth(q, "AN");
    for (const char* c : {"AC", "DS", "MX", "VX", "BI", "PR"}) q.emplace_back(c);
    addBoth(q, "ML");
    for (const char* c : {"CS", "DP", "RM0", "KP", "KS", "SD"}) q.emplace_back(c);
    addBoth(q, "NL");
    for (const char* c : {"MG", "PL", "VG", "VD"}) q.emplace_back(c);
    for (const char* c : {"SQ", "AG", "RG"}) addBoth(q, c);
    q.emplace_back("IF");
    for (const char* c : {"VF", "IS", "SH", "RL"}) addBoth(q, c);
    for (const char* c : {"BY", "FA", "FB", "RO", "SC"}) q.emplace_back(c);
    q.emplace_back("BG1");  // the clarifier bar or the level indicator, whichever shows
    addBoth(q, "SM");
    for (const char* c : {"TX", "UL", "AI"}) q.emplace_back(c);
    addBoth(q, "CN");
    addBoth(q, "CT");
    for (int k = 1; k <= kKeyerMemories; ++k) q.push_back("KM" + digits(k, 1));
    for (const char* c : {"MC", "OI"}) q.emplace_back(c);
    addBoth(q, "OS");
    addBoth(q, "PB");
    for (const char* c : {"PC", "RS"}) q.emplace_back(c);
    addBoth(q, "MD");
    q.emplace_back("PS");
    for (int k = 0; k < kRecordFlagCount; ++k) q.push_back("RI" + digits(k, 1));
    q.emplace_back("CW");
    addBoth(q, "BG");
    addBoth(q, "LM");
    for (const char* set : {"0", "2"})
        for (int band = 0; band < 3; ++band)
            for (int param = 0; param < 3; ++param)
                q.push_back("PE" + std::string(set) + digits(band, 1) + digits(param, 1));
    for (int bank = 0; bank < 2; ++bank)
        for (int key = 0; key < 8; ++key) q.push_back("KC5" + digits(bank, 1) + digits(key, 1));
    q.emplace_back("CA0");
    return q;
}

}  // namespace

std::string interpretCommand(RadioModel& model, std::string_view command) {
    if (command.size() < 3 || command.back() != ';') return std::string(kRefusal);
    const std::string_view body = command.substr(0, command.size() - 1);
    if (!isCodeLetter(body[0]) || !isCodeLetter(body[1])) return std::string(kRefusal);
    if (auto answer = answerQuery(model, body)) return *answer;
    return applySetCommand(model, body) ? std::string() : std::string(kRefusal);
}

const std::vector<std::string>& reportQueries() {
    static const std::vector<std::string> queries = buildReportQueries();
    return queries;
}

}  // namespace velmora::sim
