#include "command/IrregularRequests.h"

#include <algorithm>

#include "command/MenuWrite.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora::catalogue {

namespace {

constexpr int kVdSdPauseMs = 20;
constexpr int kIfShiftStep = 20;
// Far beyond what the four digits can show, near enough to zero that 20 steps of it cannot
// overflow: every count above it sends the same four zeros.
constexpr int64_t kIfShiftStepsLimit = 1'000'000'000;

RadioRecords& records(CommandContext& context) {
    return context.store().records;
}

// req::FS_OR_RT: with SF at 7 the key steps FS, otherwise it toggles RT.
void fsOrRt(CommandContext& context, const Request&) {
    const RadioRecords& r = records(context);
    if (r.sf.get() == 7) {
        context.sendSet("FS", r.fs[1].get() != 0 ? "2" : "3");
        return;
    }
    const int32_t s = r.rt.get();
    if (s == 0 || s == 1) context.sendSet("RT", s == 0 ? "1" : "0");
}

// req::LK_OR_XT: with SF at 7 the key steps LK, otherwise it toggles XT.
void lkOrXt(CommandContext& context, const Request&) {
    const RadioRecords& r = records(context);
    if (r.sf.get() == 7) {
        context.sendSet("LK", r.lk[1].get() != 0 ? "2" : "3");
        return;
    }
    const int32_t s = r.xt.get();
    if (s == 0 || s == 1) context.sendSet("XT", s == 0 ? "1" : "0");
}

// req::VD_THEN_SD: the delay goes to VD and, after a pause, to SD.
void vdThenSd(CommandContext& context, const Request& request) {
    CommandBuffer command;
    if (!command.beginSet("VD")) return;
    command.field(2, 4, request.value);
    context.send(command);
    if (!context.pause(kVdSdPauseMs)) return;
    if (!command.beginSet("SD")) return;
    command.field(2, 4, request.value);
    context.send(command);
}

// req::IF_SHIFT_VALUE: the IF shift of MAIN as a signed value.
void ifShiftValue(CommandContext& context, const Request& request) {
    CommandBuffer command;
    if (!command.beginSet("IS")) return;
    command.text(2, "0");
    command.signedField(3, 4, request.value);
    context.send(command);
}

void frequency(CommandContext& context, std::string_view code, int64_t hz) {
    if (hz < kRequestFrequencyMin || hz > kRequestFrequencyMax) return;
    CommandBuffer command;
    if (!command.beginSet(code)) return;
    command.field(2, 8, hz);
    context.send(command);
}
void frequencyA(CommandContext& context, const Request& request) {
    frequency(context, "FA", request.value);
}
void frequencyB(CommandContext& context, const Request& request) {
    frequency(context, "FB", request.value);
}

// req::VF_SIGNED_VALUE: VF of the target with the flag 1 and a signed one-digit value.
void vfSignedValue(CommandContext& context, const Request& request) {
    CommandBuffer command;
    if (!command.beginSet("VF")) return;
    const char head[2] = {request.target(), '1'};
    command.text(2, std::string_view(head, 2));
    command.signedField(4, 1, request.value);
    context.send(command);
}

// req::RECEIVER_STATUS: the status query of the target receiver.
void receiverStatus(CommandContext& context, const Request& request) {
    context.sendQuery(request.sub ? "OI" : "IF");
}

// req::FT_OR_QS: the option menu of the FT key: 0 is FT0;, 2 is QS;.
void ftOrQs(CommandContext& context, const Request& request) {
    if (request.value == 0) {
        context.sendSet("FT", "0");
    } else if (request.value == 2) {
        context.sendSet("QS", "");
    }
}

void ifShiftStep(CommandContext& context, int receiver, int64_t v) {
    const int64_t s = records(context).is[receiver].get();
    const int64_t x = s + kIfShiftStep * std::min(ifShiftSteps(v), kIfShiftStepsLimit);
    CommandBuffer command;
    if (!command.beginSet("IS")) return;
    command.text(2, receiver == kSub ? "1" : "0");
    command.signedField(3, 4, x);
    context.send(command);
}
// req::IF_SHIFT_STEP_MAIN and req::IF_SHIFT_STEP_SUB: the IF shift of MAIN or SUB moved by whole
// steps of 20.
void ifShiftStepMain(CommandContext& context, const Request& request) {
    ifShiftStep(context, kMain, request.value);
}
void ifShiftStepSub(CommandContext& context, const Request& request) {
    ifShiftStep(context, kSub, request.value);
}

void vfStep(CommandContext& context, int receiver, int64_t v) {
    CommandBuffer command;
    if (!command.beginSet("VF")) return;
    command.text(2, receiver == kSub ? "1" : "0");
    command.field(3, 1, records(context).vf[receiver].flag.get());
    command.signedField(4, 1, v);
    context.send(command);
}
// req::VF_STEP_MAIN, req::VF_STEP_MAIN_2 (MAIN) and req::VF_STEP_SUB, req::VF_STEP_SUB_2 (SUB): VF
// with the stored selector and a signed v.
void vfStepMain(CommandContext& context, const Request& request) {
    vfStep(context, kMain, request.value);
}
void vfStepSub(CommandContext& context, const Request& request) {
    vfStep(context, kSub, request.value);
}

// req::MENU_WRITE: every changed menu item is written.
void menuWrite(CommandContext& context, const Request&) {
    writeChangedMenuItems(context);
}

// clang-format off
constexpr SpecialRow kSpecial[] = {
    {one(req::FS_OR_RT),           fsOrRt},
    {one(req::LK_OR_XT),           lkOrXt},
    {one(req::VD_THEN_SD),           vdThenSd},
    {one(req::IF_SHIFT_VALUE),           ifShiftValue},
    {one(req::FREQUENCY_A),           frequencyA},
    {one(req::FREQUENCY_B),           frequencyB},
    {one(req::VF_SIGNED_VALUE),           vfSignedValue},
    {one(req::RECEIVER_STATUS),           receiverStatus},
    {one(req::FT_OR_QS),           ftOrQs},
    {one(req::IF_SHIFT_STEP_MAIN),           ifShiftStepMain},
    {one(req::IF_SHIFT_STEP_SUB),           ifShiftStepSub},
    {two(req::VF_STEP_MAIN, req::VF_STEP_MAIN_2),   vfStepMain},
    {two(req::VF_STEP_SUB, req::VF_STEP_SUB_2),   vfStepSub},
    {one(req::MENU_WRITE),           menuWrite},
};
// clang-format on

}  // namespace

int64_t ifShiftSteps(int64_t v) {
    if (v > 0) return v / kIfShiftStep + (v % kIfShiftStep != 0 ? 1 : 0);
    if (v == 0) return 0;
    return v % kIfShiftStep == 0 ? -1 : -2;
}

std::span<const SpecialRow> specialRequests() {
    return kSpecial;
}

}  // namespace velmora::catalogue
