#include "command/CatalogueSenders.h"

#include "link/RadioStateStore.h"

namespace velmora::catalogue {

namespace {

void sendParams(CommandContext& context, std::string_view code, std::string_view params,
                char target) {
    CommandBuffer command;
    if (!command.beginSet(code)) return;
    putParams(command, 2, params, target);
    context.send(command);
}

}  // namespace

int putParams(CommandBuffer& command, int pos, std::string_view text, char target) {
    for (char c : text) {
        const char out[1] = {c == 'r' ? target : c};
        command.text(pos++, std::string_view(out, 1));
    }
    return pos;
}

void sendFixed(CommandContext& context, const FixedRow& row) {
    if (row.query) {
        context.sendQuery(row.code, row.params);
    } else {
        context.sendSet(row.code, row.params);
    }
}

void sendToggle(CommandContext& context, const ToggleRow& row, const Request& request) {
    const int32_t s = row.stored.read(context.store().records, request.receiver());
    if (s != 0 && s != 1) return;
    CommandBuffer command;
    if (!command.beginSet(row.code)) return;
    const int pos = putParams(command, 2, row.prefix, request.target());
    command.text(pos, s == 0 ? "1" : "0");
    context.send(command);
}

void sendStoredChoice(CommandContext& context, const StoredChoiceRow& row, const Request& request) {
    const int32_t s = row.stored.read(context.store().records, request.receiver());
    std::string_view params = row.otherwise;
    if (s >= 0 && s < static_cast<int32_t>(row.byValue.size()) && !row.byValue[s].empty()) {
        params = row.byValue[s];
    }
    if (params.empty()) return;
    sendParams(context, row.code, params, request.target());
}

void sendValueField(CommandContext& context, const ValueFieldRow& row, const Request& request) {
    CommandBuffer command;
    if (!command.beginSet(row.code)) return;
    int pos = putParams(command, 2, row.prefix, request.target());
    command.field(pos, row.width, request.value);
    putParams(command, pos + row.width, row.suffix, request.target());
    context.send(command);
}

void sendTargetChoice(CommandContext& context, const TargetChoiceRow& row, const Request& request) {
    CommandBuffer command;
    if (!command.beginSet(row.code)) return;
    int pos = putParams(command, 2, "r", request.target());
    switch (row.kind) {
        case TargetChoiceRow::Mapped: {
            const int64_t v = request.value;
            if (v < 0 || v >= static_cast<int64_t>(row.choices.size())) return;
            pos = putParams(command, pos, row.choices.substr(static_cast<size_t>(v), 1), '0');
            break;
        }
        case TargetChoiceRow::Direct:
            command.field(pos, row.width, request.value);
            pos += row.width;
            break;
        case TargetChoiceRow::Fixed:
            pos = putParams(command, pos, row.choices, '0');
            break;
    }
    putParams(command, pos, row.suffix, request.target());
    context.send(command);
}

void sendDialStep(CommandContext& context, const DialStepRow& row, const Request& request) {
    const int64_t v = request.value;
    if (v == 0 || magnitude(v) >= 100) return;
    CommandBuffer command;
    if (!command.beginSet(v > 0 ? "EU" : "ED")) return;
    const char p[1] = {row.p};
    command.text(2, std::string_view(p, 1));
    command.field(3, 2, magnitude(v));
    context.send(command);
}

void sendPress(CommandContext& context, const PressRow& row, const Request& request) {
    const std::string_view params = request.value != 0 ? row.whenNonZero : row.whenZero;
    if (params.empty()) return;
    sendParams(context, row.code, params, request.target());
}

}  // namespace velmora::catalogue
