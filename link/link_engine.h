#pragma once
// The exchange engine. Every window that talks to the radio runs one engine
// on its own serial port and its sender, watchdog and failure timers, all
// owned by the window's LinkSession (link_session.h); nothing of one exchange
// is shared with another window.
//
// The engine opens the port, sends one frame at a time (the whole frame in one
// sender tick, one byte per output call, each flushed at once), watches for
// the reply with the watchdog, reports or retries through the failure timer,
// and consumes replies in the receive event by byte count per receive state.
// It runs the handshake (states 0..2: entry sequence, 0x06, 0x02, the
// identification frame, 0x06) itself; everything after it belongs to an
// exchange kind (LinkExchangeKind) that plugs into the hooks below.
//
// Nothing in it ever waits: every step runs inside one event and returns.
#include "link/link_protocol.h"
#include "link/link_texts.h"
#include "link/port_open.h"
#include "link/status_panel.h"
#include "platform/core/prompt.h"
#include "platform/core/serial_port.h"
#include "platform/core/text.h"
#include "platform/core/timer.h"
#include "state/session.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <span>

// What a window does with a request while its exchange runs (or its failure
// report is pending).
enum class BusyRule {
  RefuseSilently,     // nothing happens
  RefuseWithMessage,  // refused with the busy message of the request
  Allow,              // done anyway (a close ends the exchange)
};

// Engine constants of one exchange, and the window's rules around it.
struct LinkProfile {
  int entryBytes = 7;  // bytes of Hand_code the entry frame sends (7, or 8 in the password change)
  // The historic busy pauses after each byte, as loop counts (0: none). They
  // are kept for the record only: the sender does not spin, the line itself
  // paces the bytes at 9600 baud.
  int pauseCount1 = 0, pauseCount2 = 0;
  int watchdogPerByteMs = 1000;    // the watchdog is armed with this after every byte...
  int watchdogAfterLastMs = 1000;  // ...and with this after the last byte of a frame
  int failureMs = 1000;            // from the watchdog's expiry to the failure action
  // Restarts from the entry sequence before the failure is reported (only the
  // alignment profile has any). A retry runs the same kind again: its prepare,
  // the frames it fixed at the press, the whole handshake with the
  // identification decode.
  int retries = 0;
  PortOpenMessage portMessage = PortOpenMessage::Dialog;  // what a failed open shows
  BusyRule startWhileBusy = BusyRule::RefuseWithMessage;  // "Read-write operating with transceiver ."
  BusyRule closeWhileBusy = BusyRule::RefuseWithMessage;  // with the message below
  Message closeWhileBusyMessage = Msg_busy_close;         // "Read-write operating，don't close the window. ,"
};

namespace link_profiles {
// Identification at start-up (main window; its open is silent).
inline constexpr LinkProfile kIdentStartup{
    7, 20000, 0, 1000, 1000, 1000, 0, PortOpenMessage::None, BusyRule::RefuseSilently, BusyRule::Allow};
// Identification from the port dialog: Cancel closes it also while it runs.
inline constexpr LinkProfile kIdentSetup{
    7, 20000, 0, 1000, 1000, 1000, 0, PortOpenMessage::Dialog, BusyRule::RefuseWithMessage, BusyRule::Allow};
// Read-all (read dialog).
inline constexpr LinkProfile kReadAll{7, 60000, 10000, 2000, 2000, 1000, 0, PortOpenMessage::Dialog};
// Write-all (write dialog).
inline constexpr LinkProfile kWriteAll{7, 20000, 10000, 1000, 1000, 1000, 0, PortOpenMessage::Dialog};
// Password change: all 8 entry bytes, no pause, 2000 ms after each byte and
// 1000 ms after the last; Modify while it runs does nothing.
inline constexpr LinkProfile kPassword{
    8, 0, 0, 2000, 1000, 1000, 0, PortOpenMessage::Dialog, BusyRule::RefuseSilently, BusyRule::RefuseWithMessage};
// Alignment read and write: failure timer 2000 ms and 3 retries. Its five
// buttons refuse with the busy message until the last attempt has ended (the
// pause before a retry included); its Close has a message of its own.
inline constexpr LinkProfile kAlignment{7,
                                        20000,
                                        0,
                                        1000,
                                        1000,
                                        2000,
                                        3,
                                        PortOpenMessage::Alignment,
                                        BusyRule::RefuseWithMessage,
                                        BusyRule::RefuseWithMessage,
                                        Msg_busy_close_alignment};
}  // namespace link_profiles

// Receive states of the handshake; an exchange kind numbers its own from 3 on.
enum LinkHandshakeState : Int16 { Wait_ack = 0, Wait_ident = 1, Wait_confirm = 2, Link_first_kind_state = 3 };

class LinkEngine;

// What an exchange does beyond the handshake. One object per kind of exchange
// (identification, read-all, write-all, password change, alignment read or
// write); the engine calls the hooks from its start and its event handlers.
class LinkExchangeKind {
 public:
  virtual ~LinkExchangeKind() = default;

  // Start, after the engine has opened the port and prepared the handshake
  // (state Wait_ack, input emptied, the entry frame ready) and before the
  // entry frame is queued: the kind's own counters, the busy flag of its
  // direction, texts. Also runs for every retry.
  virtual void prepare(LinkEngine&) {}

  // Whether an accepted identification frame is decoded into the band edges,
  // the editors' limits and status panels 7 and 8 (all but the password change).
  virtual bool decodesIdent() const { return true; }

  // The identification frame was accepted: the engine has set Wait_confirm,
  // queued the 0x06 and decoded the frame (when decodesIdent). The kind's own
  // step follows here, in the same event.
  virtual void identAccepted(LinkEngine&) {}

  // Wait_confirm received 0x06 (the input is already emptied). Read-all and
  // write-all enter their phase, stop the watchdog and the failure timer and
  // send their first frame.
  virtual void connected(LinkEngine&) {}

  // The kind's own phase: it receives every data event once it has entered
  // its phase or the state is Link_first_kind_state or more. The event reads
  // threshold + 1 bytes into Reply() once more than `threshold` bytes wait,
  // and then calls phaseReceive with that count; with fewer it does nothing
  // and the bytes wait for the next arrival.
  virtual int phaseThreshold(const LinkEngine&) const { return 0; }
  virtual void phaseReceive(LinkEngine&, int /*count*/) {}

  // The watchdog expired (after the engine's own steps: sender stopped,
  // failure timer armed, port closed, busy flags cleared).
  virtual void watchdog(LinkEngine&) {}

  // The failure timer's tick, after the engine stopped the three timers and
  // when no retry is left: the window's failure action (a report, closing
  // the dialog). The port dialog's close after a success comes here too.
  virtual void failureTick(LinkEngine&) {}
};

enum class LinkStart {
  Started,    // the entry frame is queued
  Busy,       // refused: an exchange of this engine runs or its failure report is pending
  PortError,  // the port did not open (Port_err is -1; the profile's message was shown)
  Ended,      // refused without a word: the window has unloaded (End())
};

class LinkEngine {
 public:
  // The surroundings: the session, the prompt for the port error message
  // (null: none) and the writer of the main window's status panels. The
  // engine and its kinds never reach the image: the window that runs an
  // exchange hands it its rows and stores what it read.
  struct Env {
    Session& st;
    Prompt* prompt = nullptr;
    std::function<void(StatusPanel panel, const QString& text)> panel;
  };

  LinkEngine(SerialPort& MSC, Timer& Timer1, Timer& Timer2, Timer& Timer3, Env env, LinkProfile profile);
  ~LinkEngine();
  LinkEngine(const LinkEngine&) = delete;
  LinkEngine& operator=(const LinkEngine&) = delete;

  // ---- starting and ending ------------------------------------------------
  // Starts an exchange of `kind`: refuses while Busy(); opens the port when it
  // is closed; prepares the handshake; the retries := the profile's retries;
  // kind.prepare; queues the first entryBytes bytes of Hand_code.
  LinkStart Start(LinkExchangeKind& kind);
  // True while a busy flag is set or any of the three timers runs, that is
  // while an exchange runs or its failure report (or retry) is pending. No
  // exchange may start then.
  bool Busy() const;
  // Opens the port with the profile's message; true on success (Port_err 0).
  // False without trying once the engine has ended, and false when it ended
  // while the port error message was open.
  bool Port_open();
  // Ends the exchange at once and for good (the window unloads): stops the
  // three timers, closes the port, clears the busy flags and forgets the
  // kind. Nothing starts or opens any more afterwards.
  void End();
  // End() has run. A message box runs a nested event loop in which the
  // window may unload: whoever showed one checks this before going on.
  bool Ended() const { return ended_; }

  // ---- event handlers: the window routes its port's and timers' events here
  void MSC_OnComm(CommEvent event);  // receive event
  void Timer1_Timer();               // sender tick
  void Timer2_Timer();               // watchdog tick
  void Timer3_Timer();               // failure tick
  // Routes the events straight to the handlers above. Tests only (the engine's
  // bench, tests/support/link_bench.h): every window's LinkSession routes them
  // as the window's handlers.
  void ConnectHandlers();

  // ---- for the exchange kinds ---------------------------------------------
  // Queues the frame: the sender sends it whole 15 ms later.
  void Send_frame(const proto::Frame& frame);
  // Outputs one byte at once, bypassing the sender; arms nothing.
  void Output_byte(std::uint8_t b);
  void Discard_input();
  void Stop_sender();
  void Stop_watchdog();
  void Stop_failure();
  void Stop_timers();  // sender, watchdog and failure timer
  // Arms the failure timer (the port dialog closes 50 ms after a success).
  void Arm_failure(int ms);
  void Close_port();
  // The end of a successful exchange: stops the three timers, clears the
  // busy flags and closes the port unless told not to.
  void Complete(bool closePort = true);
  // Writes a status panel of the main window (when there is one).
  void Panel(StatusPanel panel, const QString& text);
  void Panel(StatusPanel panel, const Text& text) { Panel(panel, text.in(chinese())); }
  // Shows a message box in the current language, with the exclamation icon
  // (when there is a prompt). False when the engine ended while the box was
  // open (the window unloaded): the caller stops there.
  bool Show(const Message& m);

  Session& st() { return env_.st; }
  Prompt* prompt() { return env_.prompt; }
  bool chinese() const { return IsChinese(env_.st.Lang_chn); }
  const LinkProfile& profile() const { return profile_; }
  SerialPort& port() { return MSC_; }
  Timer& sender() { return T1_; }
  Timer& watchdogTimer() { return T2_; }
  Timer& failureTimer() { return T3_; }
  LinkExchangeKind* kind() const { return kind_; }

  // ---- the exchange as the kinds see it -----------------------------------------
  // The receive state: the handshake's (Wait_ack .. Wait_confirm), then the kind's own.
  Int16 State() const { return state_; }
  void Enter_state(Int16 state) { state_ = state; }
  // The kind's phase takes over from the handshake, in `state`: every data
  // event goes to the kind from now on.
  void Enter_kind_phase(Int16 state);
  // Whether the last queued frame has wholly gone out. The radio cannot
  // answer a frame before that: a kind counts an answer only after it.
  bool Frame_gone_out() const { return sent_; }
  // The bytes the last receive event read (the count is given to the kind).
  std::span<const std::uint8_t> Reply() const { return {rxbuf_.data(), rxbuf_.size()}; }
  std::uint8_t Reply_byte(int i) const { return rxbuf_[static_cast<std::size_t>(i)]; }
  // The window's busy flags: the direction of the exchange that runs.
  enum class Direction { Read, Write };
  void Mark_busy(Direction d) {
    busyRead_ = d == Direction::Read;
    busyWrite_ = d == Direction::Write;
  }
  bool Busy_reading() const { return busyRead_; }
  bool Busy_writing() const { return busyWrite_; }
  // Restarts left before a failure is reported.
  int Retries_left() const { return retries_; }

  static constexpr int kSendDelayMs = 15;

 private:
  LinkStart Begin(LinkExchangeKind& kind);
  void Send_start();
  void Send_byte(std::uint8_t b);
  int Read_input(int count);
  void Handshake(int count);

  // The exchange record, private to the engine and kept as booleans and ints
  // (the -1/0 flags of old stay only where the windows expose them: the
  // window-loaded flags, Port_err). The kinds reach it through the methods above.
  std::array<std::uint8_t, proto::kTxMax> txbuf_{};  // the frame being sent
  int txlen_ = 0;                                    // bytes in the frame (at most kTxMax)
  int txpos_ = 0;                                    // next byte to send
  bool sent_ = false;                                // the last byte of the frame went out
  std::array<std::uint8_t, proto::kRxMax> rxbuf_{};  // bytes read by the last receive event
  Int16 state_ = Wait_ack;
  bool connected_ = false;  // the kind's phase has taken over
  bool busyRead_ = false, busyWrite_ = false;
  int retries_ = 0;
  bool ended_ = false;  // End() has run: the window unloads

  SerialPort& MSC_;
  Timer& T1_;
  Timer& T2_;
  Timer& T3_;
  Env env_;
  LinkProfile profile_;
  LinkExchangeKind* kind_ = nullptr;
};
