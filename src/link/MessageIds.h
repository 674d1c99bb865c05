#pragma once
// Every id of the system in one place, each with one name: the messages between the worker
// threads and to the main window (msg), the notification posted after each analysed answer
// (notify, named after the answer's code), the requests to Anl_Send_Thread (req), the window
// notices that draw one element of the panel (notice) and the main window's timers (timer).
//
// One style for all: UPPER_SNAKE names in the namespace of their kind, as the design's own
// WM_THREAD_QUIT and WM_SEND_NEXT. Logic and tests use these names; a constant table may carry
// the number in its rows.
#include <cstdint>

#include "link/AnswerRows.h"

namespace velmora::msg {

// Thread control.
// to Anl_Recv_Thread: one answer in RecvRing, or wParam answers when more than one
inline constexpr uint32_t WM_ANSWER_QUEUED = 0x8102;
inline constexpr uint32_t WM_SEND_NEXT = 0x8103;       // to Sio_Send_Thread: write one command
inline constexpr uint32_t WM_RECEIVE_POLL = 0x8104;    // to Sio_Recv_Thread: one receive tick
inline constexpr uint32_t WM_THREAD_QUIT = 0x8105;     // to any worker thread: end
inline constexpr uint32_t WM_MENU_LOAD = 0x8106;       // to File_MenuListDefFile: install the table
inline constexpr uint32_t WM_ANSWER_TIMEOUT = 0x810C;  // to Anl_Recv_Thread: the radio went silent

// Window messages to the main window.
inline constexpr uint32_t WM_COMM_FAILURE = 0x8109;  // wParam: enabled check, lParam: failure text
inline constexpr uint32_t WM_AI_SWITCHED_ON = 0x810A;     // sent, not posted
inline constexpr uint32_t WM_WAIT_WINDOW_CLOSE = 0x8803;  // to the wait window: the read finished
// The reads ended with answers still missing after the last round of asking again; lParam: how
// many (the store's read ledger names them).
inline constexpr uint32_t WM_READ_INCOMPLETE = 0x8811;
// CommSetting.csv, unreadable at start, was set aside for the port or speed the operator chose
// (SerialPort::commSettingSetAside names where).
inline constexpr uint32_t WM_COMM_SETTING_SET_ASIDE = 0x8812;

}  // namespace velmora::msg

namespace velmora::notify {

// One notification per answer of the answer table: notify::FA is posted after an FA answer.
#define VELMORA_NOTIFICATION_NAME(code, id, length) inline constexpr uint32_t code = id;
VELMORA_ANSWER_ROWS(VELMORA_NOTIFICATION_NAME)
#undef VELMORA_NOTIFICATION_NAME

inline constexpr uint32_t EX = 0x830B;          // the menu answer, which is in no table
inline constexpr uint32_t READS_DONE = BG;      // the menu read ended (shares BG's id)
inline constexpr uint32_t RESERVED_1 = 0x8301;  // sent by the initial draw; no handler
inline constexpr uint32_t RESERVED_2 = 0x834A;  // sent by the initial draw; no handler

// The answer table's notifications run from FIRST to LAST; EX lies inside that range too.
inline constexpr uint32_t FIRST = 0x8302;
inline constexpr uint32_t LAST = 0x8356;

}  // namespace velmora::notify

namespace velmora {
// A notification of an analysed answer (the answer table's or the menu answer's).
constexpr bool isNotification(uint32_t id) {
    return (id >= notify::FIRST && id <= notify::LAST) || id == notify::EX;
}
}  // namespace velmora

namespace velmora::req {

// Requests to Anl_Send_Thread that the link itself posts, and those the command catalogue
// handles in its own way.
inline constexpr uint32_t INITIAL_READ_STEP = 0x8107;   // timer 4
inline constexpr uint32_t MENU_READ_STEP = 0x8108;      // timer 5
inline constexpr uint32_t ROTATOR_READ = 0x810D;        // "RO;"
inline constexpr uint32_t MEMORY_TEXT_STEP = 0x810F;    // timer 25
inline constexpr uint32_t START_INITIAL_READ = 0x834B;  // radio identified
inline constexpr uint32_t STOP_READS = 0x834C;          // auto-information stopped
inline constexpr uint32_t START_MENU_READ = 0x834F;     // radio status 2, end of initial read
inline constexpr uint32_t POWER_ON_READ = 0x8350;       // timer 23
inline constexpr uint32_t POWER_OFF_READ = 0x8351;      // timer 24
inline constexpr uint32_t IDENTIFY = 0x8352;            // auto-information started
inline constexpr uint32_t COMM_SWITCH = 0x8501;         // auto-information switch (the COM key)
inline constexpr uint32_t POWER_SWITCH = 0x8502;        // the ON/OFF key
inline constexpr uint32_t FS_OR_RT = 0x8536;            // SF 7: steps FS, else toggles RT
inline constexpr uint32_t LK_OR_XT = 0x8537;            // SF 7: steps LK, else toggles XT
inline constexpr uint32_t FT_OR_QS = 0x851F;            // option menu of the FT key
inline constexpr uint32_t MENU_WRITE = 0x852A;          // every changed menu item
inline constexpr uint32_t FREQUENCY_A = 0x8552;         // VFO-A to lParam Hz
inline constexpr uint32_t FREQUENCY_B = 0x8553;         // VFO-B to lParam Hz
inline constexpr uint32_t VF_SIGNED_VALUE = 0x8555;     // VF of the target, signed one digit
inline constexpr uint32_t VD_THEN_SD = 0x855F;          // the delay to VD, then to SD
inline constexpr uint32_t IF_SHIFT_VALUE = 0x8566;      // the IF shift of MAIN, signed
inline constexpr uint32_t KEEP_ALIVE = 0x856A;          // timer 8
inline constexpr uint32_t SEND_QUEUED = 0x856B;         // text already in SendRing
inline constexpr uint32_t IF_SHIFT_STEP_MAIN = 0x8599;  // IF shift of MAIN by steps of 20
inline constexpr uint32_t VF_STEP_MAIN = 0x859D;  // VF of MAIN, stored selector; _2 sends the same
inline constexpr uint32_t VF_STEP_MAIN_2 = 0x859E;
inline constexpr uint32_t IF_SHIFT_STEP_SUB = 0x85A1;  // IF shift of SUB by steps of 20
inline constexpr uint32_t VF_STEP_SUB = 0x85A5;  // VF of SUB, stored selector; _2 sends the same
inline constexpr uint32_t VF_STEP_SUB_2 = 0x85A6;
inline constexpr uint32_t RECEIVER_STATUS = 0x8651;   // status query of the target receiver
inline constexpr uint32_t MEMORY_TEXT_READ = 0x8652;  // the five keyer memory texts

// The operator's requests (the panel action table maps the panel to them), each named after
// what its row in the command catalogue sends: VS_0 sends "VS0;", DS_TOGGLE toggles DS, AC_00_VALUE
// sends lParam in AC's field after "00", AN_CHOICE maps lParam to one of AN's choices, ML_SWITCH
// goes by the stored ML value, SF_03_PRESS is a key with a press and a release, DIAL_STEP_n turns
// knob n; a name ending in _2 is a second id of the same row. KC_50_FIRST..LAST is a range.
inline constexpr uint32_t DS_TOGGLE = 0x8503;
inline constexpr uint32_t MX_TOGGLE = 0x8504;
inline constexpr uint32_t VX_TOGGLE = 0x8505;
inline constexpr uint32_t AC_00_VALUE = 0x8506;
inline constexpr uint32_t AN_CHOICE = 0x8507;
inline constexpr uint32_t AN_CHOICE_2 = 0x8508;
inline constexpr uint32_t AN_5 = 0x8509;
inline constexpr uint32_t ML_SWITCH = 0x850A;
inline constexpr uint32_t PR_VALUE = 0x850B;
inline constexpr uint32_t KR_TOGGLE = 0x850C;
inline constexpr uint32_t RA_CHOICE = 0x850D;
inline constexpr uint32_t PA_CHOICE = 0x850E;
inline constexpr uint32_t RF_CHOICE = 0x850F;
inline constexpr uint32_t GT_CHOICE = 0x8510;
inline constexpr uint32_t NB_CHOICE = 0x8511;
inline constexpr uint32_t BI_TOGGLE = 0x8512;
inline constexpr uint32_t CS_TOGGLE = 0x8513;
inline constexpr uint32_t VS_0 = 0x8514;
inline constexpr uint32_t VS_1 = 0x8515;
inline constexpr uint32_t MK_0 = 0x8516;
inline constexpr uint32_t MK_1 = 0x8517;
inline constexpr uint32_t MK_2 = 0x8518;
inline constexpr uint32_t MK_SWITCH = 0x8519;
inline constexpr uint32_t MK_5 = 0x851A;
inline constexpr uint32_t MK_6 = 0x851B;
inline constexpr uint32_t QI = 0x851C;
inline constexpr uint32_t QR = 0x851D;
inline constexpr uint32_t NA_TOGGLE = 0x851E;
inline constexpr uint32_t TS_VALUE = 0x8520;
inline constexpr uint32_t FR_SWITCH = 0x8521;
inline constexpr uint32_t FT_0 = 0x8522;
inline constexpr uint32_t FS_TOGGLE = 0x8523;
inline constexpr uint32_t LK_TOGGLE = 0x8524;
inline constexpr uint32_t AB = 0x8525;
inline constexpr uint32_t SV = 0x8526;
inline constexpr uint32_t VM = 0x8527;
inline constexpr uint32_t MA = 0x8528;
inline constexpr uint32_t AM = 0x8529;
inline constexpr uint32_t BS_10 = 0x852B;
inline constexpr uint32_t BS_00 = 0x852C;
inline constexpr uint32_t BS_01 = 0x852D;
inline constexpr uint32_t BS_03 = 0x852E;
inline constexpr uint32_t BS_04 = 0x852F;
inline constexpr uint32_t BS_05 = 0x8530;
inline constexpr uint32_t BS_06 = 0x8531;
inline constexpr uint32_t BS_07 = 0x8532;
inline constexpr uint32_t BS_08 = 0x8533;
inline constexpr uint32_t BS_09 = 0x8534;
inline constexpr uint32_t BS_11 = 0x8535;
inline constexpr uint32_t RC = 0x8538;
inline constexpr uint32_t VF_CHOICE = 0x8539;
inline constexpr uint32_t BP_SWITCH = 0x853A;
inline constexpr uint32_t BC_TOGGLE = 0x853B;
inline constexpr uint32_t CO_00_VALUE = 0x853C;
inline constexpr uint32_t NR_TOGGLE = 0x853D;
inline constexpr uint32_t FR_SWITCH_2 = 0x853E;
inline constexpr uint32_t FT_1 = 0x853F;
inline constexpr uint32_t SF_00 = 0x8540;
inline constexpr uint32_t SF_02 = 0x8541;
inline constexpr uint32_t SF_03 = 0x8542;
inline constexpr uint32_t IGNORED = 0x8543;
inline constexpr uint32_t SF_08 = 0x8544;
inline constexpr uint32_t SF_07 = 0x8545;
inline constexpr uint32_t FK_1 = 0x8546;
inline constexpr uint32_t FK_2 = 0x8547;
inline constexpr uint32_t FK_3 = 0x8548;
inline constexpr uint32_t FK_4 = 0x8549;
inline constexpr uint32_t FK_5 = 0x854A;
inline constexpr uint32_t FK_6 = 0x854B;
inline constexpr uint32_t FK_7 = 0x854C;
inline constexpr uint32_t DP_VALUE = 0x854D;
inline constexpr uint32_t DIAL_STEP_0 = 0x854E;
inline constexpr uint32_t DIAL_STEP_1 = 0x854F;
inline constexpr uint32_t DIAL_STEP_2 = 0x8550;
inline constexpr uint32_t DIAL_STEP_3 = 0x8551;
inline constexpr uint32_t DIAL_STEP_1_2 = 0x8554;
inline constexpr uint32_t MS_VALUE = 0x8556;
inline constexpr uint32_t ML_1_VALUE = 0x8557;
inline constexpr uint32_t PL_VALUE = 0x8558;
inline constexpr uint32_t KS_VALUE = 0x8559;
inline constexpr uint32_t KP_VALUE = 0x855A;
inline constexpr uint32_t NL_0_VALUE = 0x855B;
inline constexpr uint32_t SQ_0_VALUE = 0x855C;
inline constexpr uint32_t MG_VALUE = 0x855D;
inline constexpr uint32_t VG_VALUE = 0x855E;
inline constexpr uint32_t SQ_1_VALUE = 0x8560;
inline constexpr uint32_t AG_1_VALUE = 0x8561;
inline constexpr uint32_t RG_1_VALUE = 0x8562;
inline constexpr uint32_t AG_0_VALUE = 0x8563;
inline constexpr uint32_t RG_0_VALUE = 0x8564;
inline constexpr uint32_t BP_01_VALUE = 0x8565;
inline constexpr uint32_t SH_0_VALUE = 0x8567;
inline constexpr uint32_t CO_01_VALUE = 0x8568;
inline constexpr uint32_t RL_0_VALUE = 0x8569;
inline constexpr uint32_t PC_VALUE = 0x856C;
inline constexpr uint32_t CA_SWITCH = 0x8594;
inline constexpr uint32_t NL_1_VALUE = 0x8595;
inline constexpr uint32_t SQ_1_VALUE_2 = 0x8596;
inline constexpr uint32_t DN = 0x8597;
inline constexpr uint32_t UP = 0x8598;
inline constexpr uint32_t SH_0_VALUE_2 = 0x859A;
inline constexpr uint32_t CO_01_VALUE_2 = 0x859B;
inline constexpr uint32_t CO_02_VALUE = 0x859C;
inline constexpr uint32_t BP_01_VALUE_2 = 0x859F;
inline constexpr uint32_t RL_0_VALUE_2 = 0x85A0;
inline constexpr uint32_t SH_1_VALUE = 0x85A2;
inline constexpr uint32_t CO_11_VALUE = 0x85A3;
inline constexpr uint32_t CO_12_VALUE = 0x85A4;
inline constexpr uint32_t BP_11_VALUE = 0x85A7;
inline constexpr uint32_t RL_1_VALUE = 0x85A8;
inline constexpr uint32_t SF_03_PRESS = 0x85A9;
inline constexpr uint32_t SF_02_PRESS = 0x85AA;
inline constexpr uint32_t KC_50_FIRST = 0x85AB;
inline constexpr uint32_t KC_50_LAST = 0x85B2;
inline constexpr uint32_t KC_51_FIRST = 0x85B3;
inline constexpr uint32_t KC_51_LAST = 0x85BA;
inline constexpr uint32_t LM_01 = 0x862C;
inline constexpr uint32_t LM_02 = 0x862D;
inline constexpr uint32_t LM_03 = 0x862E;
inline constexpr uint32_t LM_04 = 0x862F;
inline constexpr uint32_t LM_05 = 0x8630;
inline constexpr uint32_t LM_00 = 0x8631;
inline constexpr uint32_t PB_01 = 0x8632;
inline constexpr uint32_t PB_02 = 0x8633;
inline constexpr uint32_t PB_03 = 0x8634;
inline constexpr uint32_t PB_04 = 0x8635;
inline constexpr uint32_t PB_05 = 0x8636;
inline constexpr uint32_t PB_00 = 0x8637;
inline constexpr uint32_t LM_11 = 0x8638;
inline constexpr uint32_t LM_10 = 0x8639;
inline constexpr uint32_t PB_11 = 0x863A;
inline constexpr uint32_t PB_10 = 0x863B;
inline constexpr uint32_t RO_1_PRESS = 0x863C;
inline constexpr uint32_t RO_2_PRESS = 0x863D;
inline constexpr uint32_t RO_3_PRESS = 0x863E;
inline constexpr uint32_t RO_4_PRESS = 0x863F;
inline constexpr uint32_t KY_1 = 0x8640;
inline constexpr uint32_t KY_2 = 0x8641;
inline constexpr uint32_t KY_3 = 0x8642;
inline constexpr uint32_t KY_4 = 0x8643;
inline constexpr uint32_t KY_5 = 0x8644;
inline constexpr uint32_t KY_6 = 0x8645;
inline constexpr uint32_t KY_7 = 0x8646;
inline constexpr uint32_t KY_8 = 0x8647;
inline constexpr uint32_t KY_9 = 0x8648;
inline constexpr uint32_t KY_A = 0x8649;
inline constexpr uint32_t CT_0 = 0x864A;
inline constexpr uint32_t CT_2 = 0x864B;
inline constexpr uint32_t CT_1 = 0x864C;
inline constexpr uint32_t CN_CHOICE = 0x864D;
inline constexpr uint32_t OS_0 = 0x864E;
inline constexpr uint32_t OS_1 = 0x864F;
inline constexpr uint32_t OS_2 = 0x8650;

// Requests are looked up in one flat table over this range.
inline constexpr uint32_t FIRST = 0x8100;
inline constexpr uint32_t COUNT = 0x600;

}  // namespace velmora::req

namespace velmora::notice {

// Window notices: each draws one key, lamp or knob of the panel. Keys and lamps take wParam 0
// (released) or 1 (pressed).
inline constexpr uint32_t COM_KEY = 0x8578;
inline constexpr uint32_t ON_OFF_KEY = 0x8579;
inline constexpr uint32_t DIM_KEY = 0x857A;
inline constexpr uint32_t MOX_KEY = 0x857B;
inline constexpr uint32_t VOX_KEY = 0x857C;
inline constexpr uint32_t TUNE_KEY = 0x857D;
inline constexpr uint32_t ANT_KEY = 0x857E;
inline constexpr uint32_t RX_ANT_KEY = 0x857F;
inline constexpr uint32_t MONI_KEY = 0x8580;
inline constexpr uint32_t PROC_KEY = 0x8581;
inline constexpr uint32_t KEYER_KEY = 0x8582;
inline constexpr uint32_t ATT_KEY = 0x8583;
inline constexpr uint32_t THRU_KEY = 0x8584;
inline constexpr uint32_t RFLT_KEY = 0x8585;
inline constexpr uint32_t AGC_KEY = 0x8586;
inline constexpr uint32_t NB_KEY = 0x8587;
inline constexpr uint32_t BK_IN_KEY = 0x8588;
inline constexpr uint32_t SPOT_KEY = 0x8589;
inline constexpr uint32_t RESERVED_GROUP_0 = 0x858A;  // 0 to 7: keys without pictures
inline constexpr uint32_t RESERVED_GROUP_7 = 0x8591;
inline constexpr uint32_t A_KEY = 0x8592;
inline constexpr uint32_t B_KEY = 0x8593;
inline constexpr uint32_t LSB_KEY = 0x8594;
inline constexpr uint32_t USB_KEY = 0x8595;
inline constexpr uint32_t CW_KEY = 0x8596;
inline constexpr uint32_t AM_FM_KEY = 0x8597;
inline constexpr uint32_t RTTY_KEY = 0x8598;
inline constexpr uint32_t PKT_KEY = 0x8599;
inline constexpr uint32_t STO_KEY = 0x859A;
inline constexpr uint32_t RCL_KEY = 0x859B;
inline constexpr uint32_t NAR_KEY = 0x859C;
inline constexpr uint32_t SPLIT_KEY = 0x859D;
inline constexpr uint32_t TXW_KEY = 0x859E;
inline constexpr uint32_t CS_KEY = 0x859F;
inline constexpr uint32_t DIAL_RX_LAMP = 0x85A0;
inline constexpr uint32_t DIAL_TX_LAMP = 0x85A1;
inline constexpr uint32_t FAST_KEY = 0x85A2;
inline constexpr uint32_t LOCK_KEY = 0x85A3;
inline constexpr uint32_t A_TO_B_KEY = 0x85A4;
inline constexpr uint32_t A_SWAP_B_KEY = 0x85A5;
inline constexpr uint32_t VM_KEY = 0x85A6;
inline constexpr uint32_t M_TO_A_KEY = 0x85A7;
inline constexpr uint32_t A_TO_M_KEY = 0x85A8;
inline constexpr uint32_t MENU_KEY = 0x85A9;
inline constexpr uint32_t BAND_50_KEY = 0x85AA;
inline constexpr uint32_t BAND_1_8_KEY = 0x85AB;
inline constexpr uint32_t BAND_3_5_KEY = 0x85AC;
inline constexpr uint32_t BAND_7_KEY = 0x85AD;
inline constexpr uint32_t BAND_10_KEY = 0x85AE;
inline constexpr uint32_t BAND_14_KEY = 0x85AF;
inline constexpr uint32_t BAND_18_KEY = 0x85B0;
inline constexpr uint32_t BAND_21_KEY = 0x85B1;
inline constexpr uint32_t BAND_24_5_KEY = 0x85B2;
inline constexpr uint32_t BAND_28_KEY = 0x85B3;
inline constexpr uint32_t BAND_GEN_KEY = 0x85B4;
inline constexpr uint32_t ENT_KEY = 0x85B5;
inline constexpr uint32_t RX_CLAR_KEY = 0x85B6;
inline constexpr uint32_t TX_CLAR_KEY = 0x85B7;
inline constexpr uint32_t CLEAR_KEY = 0x85B8;
inline constexpr uint32_t RESERVED_GROUP_8 = 0x85B9;  // 8 to 12: keys without pictures
inline constexpr uint32_t RESERVED_GROUP_12 = 0x85BD;
inline constexpr uint32_t CLAR_RX_LED = 0x85BE;
inline constexpr uint32_t CLAR_TX_LED = 0x85BF;
inline constexpr uint32_t RESERVED_GROUP_13 = 0x85C0;  // 13 to 19: keys without pictures
inline constexpr uint32_t RESERVED_GROUP_19 = 0x85C6;
inline constexpr uint32_t AB_KEY = 0x85C7;
inline constexpr uint32_t ANT_KEY_ALT = 0x85DC;
inline constexpr uint32_t CLASS_A_KEY = 0x85DD;
inline constexpr uint32_t UP_KEY = 0x85DE;
inline constexpr uint32_t DOWN_KEY = 0x85DF;
inline constexpr uint32_t PRESEL_FTUNE_KEY_A = 0x85E0;
inline constexpr uint32_t SHIFT_KEY_A = 0x85E1;
inline constexpr uint32_t CONT_APF_KEY_A = 0x85E2;
inline constexpr uint32_t NOTCH_KEY_A = 0x85E3;
inline constexpr uint32_t WIDTH_KEY_A = 0x85E4;
inline constexpr uint32_t RESET_KEY_A = 0x85E5;
inline constexpr uint32_t DNR_LAMP_A = 0x85E6;
inline constexpr uint32_t DNF_LAMP_A = 0x85E7;
inline constexpr uint32_t PRESEL_KEY_B = 0x85E8;
inline constexpr uint32_t SHIFT_KEY_B = 0x85E9;
inline constexpr uint32_t CONT_APF_KEY_B = 0x85EA;
inline constexpr uint32_t NOTCH_KEY_B = 0x85EB;
inline constexpr uint32_t WIDTH_KEY_B = 0x85EC;
inline constexpr uint32_t RESET_KEY_B = 0x85ED;
inline constexpr uint32_t DNR_LAMP_B = 0x85EE;
inline constexpr uint32_t DNF_LAMP_B = 0x85EF;
inline constexpr uint32_t CLAR_GRP_KEY = 0x85F0;
inline constexpr uint32_t BAND_MCH_KEY = 0x85F1;
inline constexpr uint32_t KEYS_FIRST = COM_KEY;  // the key and lamp notices run to KEYS_LAST
inline constexpr uint32_t KEYS_LAST = BAND_MCH_KEY;

// Knobs and the rest of the panel; wParam is the angle in degrees unless said otherwise.
inline constexpr uint32_t MAIN_DIAL = 0x85C8;
inline constexpr uint32_t CURSOR_A = 0x85C9;  // wParam: tuning cursor of VFO-A, 0 none or 1..8
inline constexpr uint32_t CURSOR_B = 0x85CA;
inline constexpr uint32_t CLAR_KNOB = 0x85CB;
inline constexpr uint32_t VFO_SET_RESULT = 0x85CC;     // wParam: Hz, 0 when cancelled
inline constexpr uint32_t COM_SELECT_CLOSED = 0x85CD;  // sent: the COM Select window has closed
inline constexpr uint32_t BAUD_RATE_CLOSED = 0x85CE;   // sent: the Baud rate window has closed
inline constexpr uint32_t COMMAND_SEND_CLOSED = 0x85CF;
inline constexpr uint32_t EXIT = 0x85D1;  // sent by "Exit": the main window closes the program
inline constexpr uint32_t LABEL_REGION = 0x85D2;  // wParam: lit, lParam: region; replayed
inline constexpr uint32_t MENU_LIST_CLOSED = 0x85D3;
inline constexpr uint32_t CLAR_KNOB_LARGE = 0x85D4;
inline constexpr uint32_t CLAR_TURNED = 0x85D5;
// The option windows' close notices.
inline constexpr uint32_t PLAYBACK_CLOSED = 0x85D6;
inline constexpr uint32_t CW_CLOSED = 0x85D7;
inline constexpr uint32_t REPEATER_CLOSED = 0x85D8;
inline constexpr uint32_t ROTATOR_CLOSED = 0x85D9;
inline constexpr uint32_t EQUALIZER_CLOSED = 0x85DB;
inline constexpr uint32_t DSP_KNOB_A = 0x85F2;  // eight notices each side: the knob's function
inline constexpr uint32_t DSP_KNOB_B = 0x85FA;
inline constexpr uint32_t DSP_KNOB_LAST = 0x8601;

// Every notice lies in FIRST..LAST.
inline constexpr uint32_t FIRST = KEYS_FIRST;
inline constexpr uint32_t LAST = DSP_KNOB_LAST;

}  // namespace velmora::notice

namespace velmora::menu_item {

// The menu bar's commands (menu resource 130).
inline constexpr int EXIT = 32779;
inline constexpr int COMMAND_SEND = 32780;
inline constexpr int COM_SELECT = 32781;
inline constexpr int BAUD_RATE = 32782;
inline constexpr int PLAYBACK = 32783;
inline constexpr int ROTATOR = 32784;
inline constexpr int CW = 32785;
inline constexpr int REPEATER = 32786;
inline constexpr int PRMTRC = 32787;
inline constexpr int P_PRMTRC = 32788;
inline constexpr int VERSION = 32789;

}  // namespace velmora::menu_item

namespace velmora::timer {

// The main window's timer ids, and the period each runs at.
inline constexpr int PANEL_TRACK = 1;       // 100 ms release tracking, 30 ms drag tracking
inline constexpr int KNOB_REPEAT = 2;       // 1000 ms, then 200 ms: value knob auto-repeat
inline constexpr int RECEIVE_POLL = 3;      // 1 ms: Sio_Recv_Thread's tick
inline constexpr int INITIAL_READ = 4;      // 30 ms
inline constexpr int MENU_READ = 5;         // 30 ms
inline constexpr int FREQUENCY_A = 6;       // 30 ms: the frequency refresh
inline constexpr int FREQUENCY_B = 7;       // 30 ms
inline constexpr int KEEP_ALIVE = 8;        // 1000 ms
inline constexpr int INITIAL_DRAW = 11;     // 10 ms, once
inline constexpr int FULL_REPAINT = 13;     // 30 ms after the last exposure
inline constexpr int PEAK_HOLD = 14;        // 500, 1000 or 2000 ms, once: the bar meter's peak
inline constexpr int SPLASH = 15;           // 3000 ms, once
inline constexpr int ANSWER_WATCHDOG = 17;  // 3000 ms
inline constexpr int DRAG_SEND = 18;        // 30 or 60 ms: a drag's pending steps go out
inline constexpr int CLAR_WHEEL_REST = 19;  // 200 ms after a wheel notch on the CLAR knob
inline constexpr int ROTATOR_READ = 20;     // 100 ms
inline constexpr int ROTATOR_REPEAT = 21;   // 100 ms while a rotator speed key is held
inline constexpr int CONNECT_TIMEOUT = 22;  // 5000 ms: the connection notice gives up
inline constexpr int POWER_ON_READ = 23;    // 100 ms
inline constexpr int POWER_OFF_READ = 24;   // 50 ms
inline constexpr int MEMORY_TEXT = 25;      // 30 ms
inline constexpr int CW_TEXTS_LATE = 26;    // 5000 ms, once, on the CW window: unlock without texts
inline constexpr int KEY_SEQUENCE = 30;     // 2 ms per character of the last command sent
inline constexpr int FILTER_A = 32;         // 30 ms: the filter displays
inline constexpr int FILTER_B = 33;
inline constexpr int RFLT_BLINK_A = 34;  // the R.FLT blink
inline constexpr int RFLT_BLINK_B = 35;
inline constexpr int LONG_PRESS = 36;      // 1000 ms after a press of 56, 57, 218 or 219
inline constexpr int STEP_REPEAT = 37;     // 100 ms while 218 or 219 is held
inline constexpr int MAIN_KNOB_REST = 38;  // 200 ms after a wheel notch on the MAIN knob
inline constexpr int SUB_KNOB_REST = 39;   // 200 ms after a wheel notch on the SUB knob
inline constexpr int WHEEL_SEND = 40;      // 30 ms: the wheel notches gathered since the last send

// The equalizer window's own timers.
inline constexpr int EQ_READ = 28;            // 50 ms while online: the next of the nine reads
inline constexpr int EQ_STEP_REPEAT = 29;     // 200 ms while an arrow is held
inline constexpr int EQ_ANSWER_TIMEOUT = 31;  // 2000 ms after the last set: pending answers end

}  // namespace velmora::timer

namespace velmora::panel_code {

// The panel codes the panel input's logic refers to by name: each names one key, knob, dial or
// frequency digit of the panel picture (0 is none). Tables carry the others as numbers.
inline constexpr int32_t NONE = 0;
inline constexpr int32_t COM_KEY = 1;
inline constexpr int32_t ANT_CHOICE = 9;  // sends the last option-menu choice
inline constexpr int32_t TXW = 40;
inline constexpr int32_t MENU = 53;
inline constexpr int32_t CLAR_GRP = 56;  // long press: 1, short: 0
inline constexpr int32_t BAND_MCH = 57;  // long press: 1, short: 0
inline constexpr int32_t KEYPAD_0 = 66;  // 66..75 are the digits 0..9
inline constexpr int32_t KEYPAD_9 = 75;
inline constexpr int32_t KEYPAD_ENTER = 77;
inline constexpr int32_t SWITCH = 93;  // the six-position meter switch
inline constexpr int32_t MAIN_DIAL = 102;
inline constexpr int32_t CLAR_DIAL = 103;
inline constexpr int32_t CLAR_DIAL_2 = 104;  // the CLAR knob's second function
inline constexpr int32_t VALUE_KNOB_FIRST = 106;
inline constexpr int32_t VALUE_KNOB_LAST = 119;
inline constexpr int32_t KEY_SPEED = 108;
inline constexpr int32_t MAIN_DIGIT_1 = 200;  // the MAIN display's 1 Hz digit; 207 is 10 MHz
inline constexpr int32_t MAIN_DIGIT_8 = 207;
inline constexpr int32_t SUB_DIGIT_1 = 208;
inline constexpr int32_t SUB_DIGIT_8 = 215;
inline constexpr int32_t VFO_SET_MAIN = 216;  // VFO SET's frequency to VFO-A
inline constexpr int32_t VFO_SET_SUB = 217;
inline constexpr int32_t STEP_DOWN = 218;
inline constexpr int32_t STEP_UP = 219;
inline constexpr int32_t VALUE_KNOB_2_FIRST = 220;  // the SUB receiver's NL and SQ knobs
inline constexpr int32_t VALUE_KNOB_2_LAST = 221;
inline constexpr int32_t MAIN_KNOB_FIRST = 222;  // the MAIN multi-function knob's functions
inline constexpr int32_t MAIN_KNOB_LAST = 229;
inline constexpr int32_t SUB_KNOB_FIRST = 230;
inline constexpr int32_t SUB_KNOB_LAST = 237;

}  // namespace velmora::panel_code
