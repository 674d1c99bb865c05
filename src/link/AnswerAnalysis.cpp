#include "link/AnswerAnalysis.h"

#include <array>

#include "link/AnswerHandlers.h"
#include "link/AnswerNotification.h"
#include "link/CatCommandTable.h"
#include "link/CatStrings.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "link/SimpleAnswerRows.h"

namespace velmora {

namespace {

constexpr int kLetters = 26;

// Answer index by code letters, first match in table order, -1 for none.
struct CodeLookup {
    std::array<int8_t, kLetters * kLetters> index;
    CodeLookup() {
        index.fill(-1);
        for (int i = kAnswerTableSize - 1; i >= 0; --i) {
            const auto& code = kCatTables.answer[i].code;
            index[(code[0] - 'A') * kLetters + (code[1] - 'A')] = static_cast<int8_t>(i);
        }
    }
};

// What runs for each answer index: a special analysis, a simple row, or nothing (CW, DA, MR).
struct Dispatch {
    std::array<AnswerHandler, kAnswerTableSize> special{};
    std::array<const SimpleAnswerRow*, kAnswerTableSize> simple{};
    Dispatch() {
        for (const auto& row : simpleAnswerRows()) simple[row.index] = &row;
        const std::pair<int, AnswerHandler> specials[] = {
            {0, analyseID},  {4, analyseBP},  {6, analyseCO},  {11, analyseLK}, {12, analyseFS},
            {22, analyseAN}, {29, analyseML}, {32, analyseRM}, {44, analyseIF}, {45, analyseVF},
            {46, analyseIS}, {49, analyseBY}, {52, analyseRO}, {57, analyseAI}, {60, analyseKM},
            {62, analyseOI}, {66, analyseRS}, {67, analyseMD}, {68, analysePS}, {69, analyseRI},
            {71, analyseBG}, {73, analysePE}, {76, analyseKC}, {77, analyseCA},
        };
        for (const auto& [index, handler] : specials) special[index] = handler;
    }
};

// Built on first use, so that they never depend on the order in which tables are initialised.
const CodeLookup& codeLookup() {
    static const CodeLookup lookup;
    return lookup;
}
const Dispatch& dispatch() {
    static const Dispatch table;
    return table;
}

}  // namespace

int answerIndexOf(char first, char second) {
    if (first < 'A' || first > 'Z' || second < 'A' || second > 'Z') return -1;
    return codeLookup().index[(first - 'A') * kLetters + (second - 'A')];
}

AnswerAnalysis::Result AnswerAnalysis::analyse(std::string_view answer) {
    return analyse(AnswerText(answer));
}

AnswerAnalysis::Result AnswerAnalysis::analyse(const AnswerText& a) {
    Result result;
    if (a.at(0) == 'E' && a.at(1) == 'X') {
        result.index = kMenuAnswer;
        result.success = analyseMenuAnswer(*this, a);
        return result;
    }
    const int index = answerIndexOf(a.at(0), a.at(1));
    if (index < 0) return result;
    result.index = index;
    if (const AnswerHandler handler = dispatch().special[index]) {
        result.success = handler(*this, a);
    } else if (const SimpleAnswerRow* row = dispatch().simple[index]) {
        result.success = analyseSimple(*row, store_, a);
    }
    if (result.success && index == answer::RF) result.lParam = a.at(2) - '0' + 1;
    return result;
}

AnswerAnalysis::Result AnswerAnalysis::handle(std::string_view answer) {
    return handle(AnswerText(answer));
}

AnswerAnalysis::Result AnswerAnalysis::handle(const AnswerText& text) {
    const Result result = analyse(text);
    // The menu answer has posted its own notifications.
    if (result.success && result.index >= 0) {
        PostAnswerNotification(store_.mailbox, result.index, result.lParam);
    }
    return result;
}

void AnswerAnalysis::resetMeters() {
    handle(cat::kSyntheticMeterReset);
    handle(cat::kSyntheticSubSmeterReset);
}

void AnswerAnalysis::onAnswerTimeout() {
    store_.mailbox.post(Thread::Anl_Send_Thread, req::STOP_READS);
    store_.link.aiOnSent.store(false, std::memory_order_relaxed);
    analyse(cat::kSyntheticAutoInfoOff);
    PostAnswerNotification(store_.mailbox, answer::AI);
}

}  // namespace velmora
