#include "equalizer/StoreCommandSink.h"

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora::equalizer {

void StoreCommandSink::send(std::string_view command) {
    if (store_.sendRing.Put(command.size(), command.data()) == 0) return;
    store_.mailbox.post(Thread::Anl_Send_Thread, req::SEND_QUEUED);
}

}  // namespace velmora::equalizer
