#pragma once
// What the program's windows and modules share besides the parameter image:
// the language, the serial port, the band limits, the tone lists, the
// alignment table, the file requests and the window-loaded flags. The
// application owns one Session; every window reaches it as ctx.st and tests
// make a fresh one. The names are the ones the program has always used.
// Window texts are not kept here: each window has its own table beside its
// code (the About box: app/about_texts.h).
//
// Core routines take the narrowest state they need: an img::Image& where they
// touch only the image, a Session& where only the session (band table, tone
// lists, frequency limits), both where they need both (Chann_show,
// Factory_startup).
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

using Int16 = std::int16_t;

// The paths of the pending alignment-file requests. An .adj dialog's Confirm
// records its path here as well as in File_path, and the alignment editor's
// poll serves each request with the path it was made with: a .dat dialog's
// Confirm in between sets File_path to the parameter file, and a pending
// alignment load or save must not be turned onto that file.
struct AdjFileRequests {
  QString loadPath, savePath;
};

struct Session {
  // Language flag: -1 Chinese, 0 English.
  Int16 Lang_chn = 0;

  // Texts set at start-up: the version (status panel 5), the main window's
  // titles and the text of status panel 11.
  QString Soft_version, Title_eng, Title_chn, Status_text_eng, Status_text_chn;

  // Serial port shared by every window that talks to the radio.
  Int16 Comm_port = 1;  // 1..16
  Int16 Port_err = 0;   // -1 after a failed open
  // The 8-byte programming-mode entry sequence.
  std::array<std::uint8_t, 8> Hand_code{};

  // Number of channels (the channel grid's rows).
  Int16 Chann_total = 0;

  // Band table and the editors' band limits in MHz.
  QStringList Model_names;  // 11 entries
  std::array<std::array<Int16, 4>, 11> Band_table{};
  Int16 Model_index = 0;
  double Freq_vhf_low = 0, Freq_vhf_high = 0, Freq_uhf_low = 0, Freq_uhf_high = 0;
  // Band edges of the last decoded identification (also the options window's VFO limits).
  double Freq_a_low = 0, Freq_a_high = 0, Freq_b_low = 0, Freq_b_high = 0;

  // Tone display lists, built once at start-up.
  QStringList Tone_list, Tone_list_fine;

  // Alignment table and its factory defaults (rows 0..32, columns 0..16).
  using AdjGrid = std::array<std::array<Int16, 17>, 33>;
  AdjGrid AdjTable{};
  AdjGrid AdjDefaults{};
  Int16 Band220Selected = 0;

  // File dialogs: the chosen path and the alignment editor's request flags.
  QString File_path;
  Int16 File_load_req = 0, File_save_req = 0;
  AdjFileRequests Adj_file_requests;

  // Window-loaded flags: -1 while the window is loaded, 0 otherwise.
  Int16 Flag_frm_chann = 0, Flag_frm_option = 0, Flag_frm_dtmf = 0, Flag_setup = 0;
  Int16 Flag_open_chann = 0, Flag_save_chann = 0, Flag_comm_read = 0, Flag_comm_write = 0;

  // Radio password change: the old and the new user password as last typed in
  // the password dialog, one character code per cell in cells 0..5, padded
  // with 0x20 (cells 6..16 unused). They outlive the dialog; both are zero at
  // start-up and six spaces after a successful change.
  std::array<Int16, 17> PassWord_old{}, PassWord_new{};
};
