#include "command/InitialReadQueries.h"

#include "link/CatCommandTable.h"

namespace velmora {

namespace {

using S = std::string_view;

// clang-format off
constexpr S kBp[] = {"00", "10", "01", "11"};
constexpr S kCo[] = {"00", "01", "02", "10", "11", "12"};
constexpr S kRm[] = {"0"};
constexpr S kKm[] = {"1", "2", "3", "4", "5"};
constexpr S kRi[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8"};
constexpr S kBg[] = {"0", "1"};
// Set 0 then set 2; band, then parameter.
constexpr S kPe[] = {
    "000", "001", "002", "010", "011", "012", "020", "021", "022",
    "200", "201", "202", "210", "211", "212", "220", "221", "222",
};
// Bank 0 then bank 1; flags 0-7.
constexpr S kKc[] = {
    "500", "501", "502", "503", "504", "505", "506", "507",
    "510", "511", "512", "513", "514", "515", "516", "517",
};
constexpr S kCa[] = {"0"};

// Read-table position, selectors, pause after each query.
constexpr EnumeratedRead kEnumerated[] = {
    {4,  kBp, false},
    {6,  kCo, false},
    {32, kRm, false},
    {60, kKm, false},
    {69, kRi, false},
    {71, kBg, false},
    {73, kPe, true},
    {74, kKc, false},
    {75, kCa, false},
};
// clang-format on

void sendQuery(CommandContext& context, const CatCommandRecord& record, std::string_view sel) {
    CommandBuffer command;
    command.begin(record);
    command.text(2, sel);
    context.send(command);
}

bool sendEnumerated(CommandContext& context, const CatCommandRecord& record, int position) {
    for (const EnumeratedRead& e : kEnumerated) {
        if (e.position != position) continue;
        for (std::string_view selector : e.selectors) {
            sendQuery(context, record, selector);
            if (e.pauseAfterEach && !context.pause(kReadQueryPauseMs)) return false;
        }
    }
    return true;
}

}  // namespace

std::span<const EnumeratedRead> enumeratedReads() {
    return kEnumerated;
}

bool sendReadPosition(CommandContext& context, int position) {
    if (position < 0 || position >= kReadTableSize || isSkippedReadPosition(position)) return true;
    const CatCommandRecord& record = kCatTables.read[static_cast<size_t>(position)];
    switch (record.second) {
        case kReadPlain:
            sendQuery(context, record, {});
            return true;
        case kReadSelector:
            sendQuery(context, record, "0");
            return true;
        case kReadBothReceivers:
            sendQuery(context, record, "0");
            if (!context.pause(kReadQueryPauseMs)) return false;
            sendQuery(context, record, "1");
            return true;
        case kReadEnumerated:
            return sendEnumerated(context, record, position);
        default:
            return true;
    }
}

}  // namespace velmora
