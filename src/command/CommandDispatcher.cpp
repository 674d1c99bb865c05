#include "command/CommandDispatcher.h"

#include <utility>

#include "command/CatalogueSenders.h"
#include "command/CatalogueTables.h"
#include "command/IrregularRequests.h"
#include "command/LinkSequences.h"
#include "command/MemoryTextRead.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

namespace {

// The ids of a row, whether it names one request or several.
template <typename Row>
RequestIds idsOf(const Row& row) {
    if constexpr (requires { row.ids; }) {
        return row.ids;
    } else {
        return one(row.id);
    }
}

template <typename F>
void forEachId(RequestIds ids, F&& f) {
    for (uint32_t id = ids.first; id <= ids.last && id != 0; ++id) f(id);
    if (ids.also != 0) f(ids.also);
}

}  // namespace

CommandDispatcher::CommandDispatcher(RadioStateStore& store, Sleeper sleeper,
                                     PortOpener openSerialPort)
    : context_(store, std::move(sleeper), std::move(openSerialPort)) {
    routeRows(catalogue::fixedCommands(), Family::Fixed);
    routeRows(catalogue::toggles(), Family::Toggle);
    routeRows(catalogue::storedChoices(), Family::StoredChoice);
    routeRows(catalogue::valueFields(), Family::ValueField);
    routeRows(catalogue::targetChoices(), Family::TargetChoice);
    routeRows(catalogue::dialSteps(), Family::DialStep);
    routeRows(catalogue::presses(), Family::Press);
    routeRows(catalogue::specialRequests(), Family::Special);
    routeRows(controlRows(), Family::Control);
}

std::span<const CommandDispatcher::ControlRow> CommandDispatcher::controlRows() {
    using D = CommandDispatcher;
    // clang-format off
    static constexpr ControlRow kRows[] = {
        {req::SEND_QUEUED,         &D::wakeSendThread},
        {req::START_INITIAL_READ,  &D::startInitialRead},
        {req::INITIAL_READ_STEP,   &D::initialReadStep},
        {req::START_MENU_READ,     &D::startMenuRead},
        {req::MENU_READ_STEP,      &D::menuReadStep},
        {req::STOP_READS,          &D::stopReads},
        {req::KEEP_ALIVE,          &D::keepAlive},
        {req::COMM_SWITCH,         &D::switchAutoInformation},
        {req::IDENTIFY,            &D::identifyRadio},
        {req::POWER_SWITCH,        &D::powerSwitch},
        {req::POWER_ON_READ,       &D::powerOnRead},
        {req::POWER_OFF_READ,      &D::powerOffRead},
        {req::MEMORY_TEXT_READ,    &D::startMemoryTextRead},
        {req::MEMORY_TEXT_STEP,    &D::memoryTextStep},
    };
    // clang-format on
    return kRows;
}

template <typename Row>
void CommandDispatcher::routeRows(std::span<const Row> rows, Family family) {
    for (size_t i = 0; i < rows.size(); ++i) {
        forEachId(idsOf(rows[i]), [&](uint32_t id) { route(id, family, i); });
    }
}

void CommandDispatcher::route(uint32_t id, Family family, size_t row) {
    if (id < kFirstId || id >= kFirstId + kIdCount) {
        ++conflicts_;  // an id no request can carry: a fault of the tables
        return;
    }
    Route& r = routes_[id - kFirstId];
    if (r.family != Family::None) {
        ++conflicts_;
        return;
    }
    r = {family, static_cast<uint16_t>(row)};
}

const CommandDispatcher::Route* CommandDispatcher::find(uint32_t id) const {
    if (id < kFirstId || id >= kFirstId + kIdCount) return nullptr;
    const Route& r = routes_[id - kFirstId];
    return r.family == Family::None ? nullptr : &r;
}

bool CommandDispatcher::handles(uint32_t id) const {
    return find(id) != nullptr;
}

std::vector<uint32_t> CommandDispatcher::handledIds() const {
    std::vector<uint32_t> ids;
    for (uint32_t i = 0; i < kIdCount; ++i) {
        if (routes_[i].family != Family::None) ids.push_back(kFirstId + i);
    }
    return ids;
}

bool CommandDispatcher::handle(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    const Route* r = find(id);
    if (!r) return false;
    // Only bit 0 of wParam means anything to a handler; the target and value flags of the
    // panel's posts are for whoever reads the queue.
    dispatch(*r, Request{id, (wParam & 1u) != 0, static_cast<int64_t>(lParam)});
    return true;
}

void CommandDispatcher::dispatch(const Route& route, const Request& request) {
    using namespace catalogue;
    const size_t i = route.row;
    switch (route.family) {
        case Family::Fixed:
            sendFixed(context_, fixedCommands()[i]);
            break;
        case Family::Toggle:
            sendToggle(context_, toggles()[i], request);
            break;
        case Family::StoredChoice:
            sendStoredChoice(context_, storedChoices()[i], request);
            break;
        case Family::ValueField:
            sendValueField(context_, valueFields()[i], request);
            break;
        case Family::TargetChoice:
            sendTargetChoice(context_, targetChoices()[i], request);
            break;
        case Family::DialStep:
            sendDialStep(context_, dialSteps()[i], request);
            break;
        case Family::Press:
            sendPress(context_, presses()[i], request);
            break;
        case Family::Special:
            specialRequests()[i].handler(context_, request);
            break;
        case Family::Control:
            (this->*controlRows()[i].handler)();
            break;
        case Family::None:
            break;
    }
}

void CommandDispatcher::wakeSendThread() {
    context_.store().mailbox.post(Thread::Sio_Send_Thread, msg::WM_SEND_NEXT);
}

void CommandDispatcher::stopReads() {
    reads_.stopReads();
    StopMemoryTextTimer(context_.store());
}

void CommandDispatcher::keepAlive() {
    sendKeepAlive(context_);
}

void CommandDispatcher::switchAutoInformation() {
    sendAutoInformationSwitch(context_);
}

void CommandDispatcher::identifyRadio() {
    sendIdentification(context_);
}

void CommandDispatcher::startMemoryTextRead() {
    StartMemoryTextTimer(context_.store());
}

void CommandDispatcher::memoryTextStep() {
    sendNextMemoryTextQuery(context_);
}

}  // namespace velmora
