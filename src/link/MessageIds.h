#pragma once
// Every message id of the system in one place: thread messages between the worker threads,
// window messages to the main window, and the notification posted after each analysed answer.
#include <cstdint>

namespace velmora::msg {

// Thread control.
inline constexpr uint32_t WM_SEND_NEXT = 0x8103;       // to Sio_Send_Thread: write one command
inline constexpr uint32_t WM_RECEIVE_POLL = 0x8104;    // to Sio_Recv_Thread: one receive tick
inline constexpr uint32_t WM_ANSWER_QUEUED = 0x8102;   // to Anl_Recv_Thread: one answer in RecvRing
inline constexpr uint32_t WM_THREAD_QUIT = 0x8105;     // to any worker thread: end
inline constexpr uint32_t WM_MENU_LOAD = 0x8106;       // to File_MenuListDefFile: install the table
inline constexpr uint32_t WM_ANSWER_TIMEOUT = 0x810C;  // to Anl_Recv_Thread: the radio went silent

// Window messages to the main window.
inline constexpr uint32_t WM_COMM_FAILURE = 0x8109;  // wParam: enabled check, lParam: failure text
inline constexpr uint32_t WM_AI_SWITCHED_ON = 0x810A;  // sent, not posted
inline constexpr uint32_t WM_WAIT_WINDOW_CLOSE = 0x8803;
inline constexpr uint32_t WM_COM_SELECT_CLOSED = 0x85CD;  // sent: the COM Select dialog has closed
inline constexpr uint32_t WM_BAUD_RATE_CLOSED = 0x85CE;   // sent: the Baud rate dialog has closed

// Notifications: answer analysed, the main window reads the store. Ids of the answer table run
// from 0x8302 to 0x8356; the menu answer EX has its own.
inline constexpr uint32_t kNotifyFirst = 0x8302;
inline constexpr uint32_t kNotifyLast = 0x8356;
inline constexpr uint32_t NOTIFY_EX = 0x830B;
inline constexpr uint32_t NOTIFY_BP = 0x8305;
inline constexpr uint32_t NOTIFY_CO = 0x8307;
inline constexpr uint32_t NOTIFY_RM = 0x8321;
inline constexpr uint32_t NOTIFY_SM = 0x8337;
inline constexpr uint32_t NOTIFY_AI = 0x833A;
inline constexpr uint32_t NOTIFY_READS_DONE = 0x834D;  // menu read ended (shares BG's id)

// Requests to Anl_Send_Thread that the link itself posts (control messages of the command
// thread). The operator's requests come from the panel action table.
inline constexpr uint32_t REQ_ROTATOR_READ = 0x810D;        // "RO;"
inline constexpr uint32_t REQ_INITIAL_READ_STEP = 0x8107;   // timer 4
inline constexpr uint32_t REQ_MENU_READ_STEP = 0x8108;      // timer 5
inline constexpr uint32_t REQ_MEMORY_TEXT_STEP = 0x810F;    // timer 25
inline constexpr uint32_t REQ_START_INITIAL_READ = 0x834B;  // radio identified
inline constexpr uint32_t REQ_STOP_READS = 0x834C;          // auto-information stopped
inline constexpr uint32_t REQ_START_MENU_READ = 0x834F;     // radio status 2, end of initial read
inline constexpr uint32_t REQ_POWER_ON_READ = 0x8350;       // timer 23
inline constexpr uint32_t REQ_POWER_OFF_READ = 0x8351;      // timer 24
inline constexpr uint32_t REQ_IDENTIFY = 0x8352;            // auto-information started
inline constexpr uint32_t REQ_COMM_SWITCH = 0x8501;         // auto-information switch (COM key)
inline constexpr uint32_t REQ_POWER_SWITCH = 0x8502;
inline constexpr uint32_t REQ_KEEP_ALIVE = 0x856A;   // timer 8
inline constexpr uint32_t REQ_SEND_QUEUED = 0x856B;  // text already in SendRing
inline constexpr uint32_t REQ_MEMORY_TEXT_READ = 0x8652;
inline constexpr uint32_t REQ_MENU_WRITE = 0x852A;

}  // namespace velmora::msg

namespace velmora::timer {
// Main-window timer ids that drive the link.
inline constexpr int kReceivePoll = 3;      // 1 ms
inline constexpr int kInitialRead = 4;      // 30 ms
inline constexpr int kMenuRead = 5;         // 30 ms
inline constexpr int kKeepAlive = 8;        // 1000 ms
inline constexpr int kAnswerWatchdog = 17;  // 3000 ms
inline constexpr int kRotatorRead = 20;     // 100 ms
inline constexpr int kPowerOnRead = 23;     // 100 ms
inline constexpr int kPowerOffRead = 24;    // 50 ms
inline constexpr int kMemoryText = 25;      // 30 ms
}  // namespace velmora::timer
