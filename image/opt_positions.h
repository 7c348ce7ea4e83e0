#pragma once
// Named positions of the 64-byte option block (radio 0x0E20..0x0E5F, image
// rows 226..229). A position is the byte's offset in the block and the index
// of its entry in the working copy Opt_para. The options window and the
// option defaults reach every byte through these names, never through a
// literal number. Offsets 46..53 and 58..63 have no name; they are carried.
#include <cstdint>

inline constexpr std::int16_t Pos_sql = 0;
inline constexpr std::int16_t Pos_spare1 = 1;
inline constexpr std::int16_t Pos_spare2 = 2;
inline constexpr std::int16_t Pos_save = 3;
inline constexpr std::int16_t Pos_vox = 4;
inline constexpr std::int16_t Pos_spare5 = 5;
inline constexpr std::int16_t Pos_abr = 6;
inline constexpr std::int16_t Pos_tdr = 7;
inline constexpr std::int16_t Pos_beep = 8;
inline constexpr std::int16_t Pos_tot = 9;
inline constexpr std::int16_t Pos_spare10 = 10;
inline constexpr std::int16_t Pos_spare11 = 11;
inline constexpr std::int16_t Pos_spare12 = 12;
inline constexpr std::int16_t Pos_spare13 = 13;
inline constexpr std::int16_t Pos_voice = 14;
inline constexpr std::int16_t Pos_spare15 = 15;
inline constexpr std::int16_t Pos_dtmfst = 16;
inline constexpr std::int16_t Pos_spare17 = 17;
inline constexpr std::int16_t Pos_sc_rev = 18;
inline constexpr std::int16_t Pos_ptt_id = 19;
inline constexpr std::int16_t Pos_ptt_lt = 20;
inline constexpr std::int16_t Pos_mdf_a = 21;
inline constexpr std::int16_t Pos_mdf_b = 22;
inline constexpr std::int16_t Pos_bcl = 23;
inline constexpr std::int16_t Pos_autolk = 24;
inline constexpr std::int16_t Pos_spare25 = 25;
inline constexpr std::int16_t Pos_spare26 = 26;
inline constexpr std::int16_t Pos_spare27 = 27;
inline constexpr std::int16_t Pos_spare28 = 28;
inline constexpr std::int16_t Pos_wt_led = 29;
inline constexpr std::int16_t Pos_rx_led = 30;
inline constexpr std::int16_t Pos_tx_led = 31;
inline constexpr std::int16_t Pos_al_mode = 32;
inline constexpr std::int16_t Pos_db_ptt = 33;
inline constexpr std::int16_t Pos_tdr_ab = 34;
inline constexpr std::int16_t Pos_ste = 35;
inline constexpr std::int16_t Pos_rp_ste = 36;
inline constexpr std::int16_t Pos_rpt_rl = 37;
inline constexpr std::int16_t Pos_ponmsg = 38;
inline constexpr std::int16_t Pos_roger = 39;
inline constexpr std::int16_t Pos_spare40 = 40;
inline constexpr std::int16_t Pos_spare41 = 41;
inline constexpr std::int16_t Pos_ab_beep = 42;
inline constexpr std::int16_t Pos_spare43 = 43;
inline constexpr std::int16_t Pos_spare44 = 44;  // cleared by the write preparation
inline constexpr std::int16_t Pos_spare45 = 45;
inline constexpr std::int16_t Pos_flags = 54;  // bit per check box: menu, init, alarm sound, radio
inline constexpr std::int16_t Pos_spare55 = 55;
inline constexpr std::int16_t Pos_work_mode = 56;  // not 0: channel mode, 0: frequency mode
inline constexpr std::int16_t Pos_lock = 57;

inline constexpr int kOptBlockSize = 64;
inline constexpr int kOptPositionCount = 50;

// The positions are compile-time constants, so there is nothing left to set
// when the start-up comes to this step; it stays so the start-up keeps its
// order of steps.
constexpr void Opt_offsets_init() {}
