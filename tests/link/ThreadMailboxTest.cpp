// The mailbox posts to the thread it is asked for, and only while that thread (or the window) is
// there to take it.
#include <gtest/gtest.h>

#include <vector>

#include "link/MessageIds.h"
#include "link/ThreadMailbox.h"
#include "support/FakeThreadHandle.h"
#include "support/FakeWindowHost.h"

namespace velmora {
namespace {

struct MailboxCase {
    Thread to;
    std::atomic<ThreadHandle*> ThreadPointers::*pointer;
};

TEST(ThreadMailbox, PostsReachOnlyTheirTargetWhileItIsThere) {
    const MailboxCase cases[] = {
        {Thread::Sio_Recv_Thread, &ThreadPointers::Sio_Recv_Thread},
        {Thread::Anl_Recv_Thread, &ThreadPointers::Anl_Recv_Thread},
        {Thread::Sio_Send_Thread, &ThreadPointers::Sio_Send_Thread},
        {Thread::Anl_Send_Thread, &ThreadPointers::Anl_Send_Thread},
        {Thread::File_MenuListDefFile, &ThreadPointers::File_MenuListDefFile},
    };
    for (const MailboxCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.to));
        ThreadPointers threads;
        std::atomic<WindowHost*> window{nullptr};
        const ThreadMailbox mailbox(threads, window);
        test::FakeThreadHandle target, other;
        for (const MailboxCase& o : cases) (threads.*o.pointer) = &other;
        (threads.*c.pointer) = nullptr;
        EXPECT_FALSE(mailbox.post(c.to, msg::WM_SEND_NEXT));
        (threads.*c.pointer) = &target;
        EXPECT_TRUE(mailbox.post(c.to, msg::WM_SEND_NEXT, 7, -9));
        target.setRunning(false);
        EXPECT_FALSE(mailbox.post(c.to, msg::WM_RECEIVE_POLL));
        EXPECT_EQ(target.posts(), (std::vector<test::WindowMessage>{{msg::WM_SEND_NEXT, 7, -9}}));
        EXPECT_TRUE(other.posts().empty());
    }
    ThreadPointers threads;
    std::atomic<WindowHost*> window{nullptr};
    const ThreadMailbox mailbox(threads, window);
    EXPECT_FALSE(mailbox.postToWindow(notify::EX));
    test::FakeWindowHost host;
    window = &host;
    EXPECT_TRUE(mailbox.postToWindow(msg::WM_COMM_FAILURE, 1, 3));
    EXPECT_EQ(host.posts(), (std::vector<test::WindowMessage>{{msg::WM_COMM_FAILURE, 1, 3}}));
}

}  // namespace
}  // namespace velmora
