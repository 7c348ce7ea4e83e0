#include "link/link_engine.h"

#include <algorithm>

LinkEngine::LinkEngine(SerialPort& MSC, Timer& Timer1, Timer& Timer2, Timer& Timer3, Env env, LinkProfile profile)
    : MSC_(MSC), T1_(Timer1), T2_(Timer2), T3_(Timer3), env_(std::move(env)), profile_(profile) {}

LinkEngine::~LinkEngine() {
  // The window's port and timers may outlive the engine by a moment: nothing
  // of theirs may reach it any more.
  Stop_timers();
  MSC_.onComm = nullptr;
  T1_.onTick = T2_.onTick = T3_.onTick = nullptr;
}

void LinkEngine::ConnectHandlers() {
  MSC_.onComm = [this](CommEvent e) { MSC_OnComm(e); };
  T1_.onTick = [this] { Timer1_Timer(); };
  T2_.onTick = [this] { Timer2_Timer(); };
  T3_.onTick = [this] { Timer3_Timer(); };
}

// ---- starting and ending --------------------------------------------------------

bool LinkEngine::Busy() const { return busyRead_ || busyWrite_ || T1_.enabled() || T2_.enabled() || T3_.enabled(); }

bool LinkEngine::Port_open() {
  if (ended_) return false;
  ::Port_open(MSC_, env_.st, env_.prompt, profile_.portMessage);
  return !ended_ && env_.st.Port_err == 0;
}

LinkStart LinkEngine::Start(LinkExchangeKind& kind) {
  if (ended_) return LinkStart::Ended;
  if (Busy()) return LinkStart::Busy;
  retries_ = profile_.retries;
  return Begin(kind);
}

LinkStart LinkEngine::Begin(LinkExchangeKind& kind) {
  if (!MSC_.isOpen() && !Port_open()) return ended_ ? LinkStart::Ended : LinkStart::PortError;
  kind_ = &kind;
  // The handshake starts again at Wait_ack with a fresh entry sequence.
  connected_ = false;
  MSC_.discardInput();
  state_ = Wait_ack;
  MSC_.discardInput();
  std::copy(env_.st.Hand_code.begin(), env_.st.Hand_code.end(), txbuf_.begin());
  txlen_ = std::clamp(profile_.entryBytes, 0, static_cast<int>(env_.st.Hand_code.size()));
  kind.prepare(*this);
  Send_start();
  return LinkStart::Started;
}

void LinkEngine::End() {
  ended_ = true;
  Stop_timers();
  Close_port();
  busyRead_ = busyWrite_ = false;
  kind_ = nullptr;
}

// ---- sending ------------------------------------------------------------------------

void LinkEngine::Send_start() {
  sent_ = false;
  txpos_ = 0;
  T1_.arm(kSendDelayMs);
}

void LinkEngine::Send_frame(const proto::Frame& frame) {
  std::copy(frame.bytes.begin(), frame.bytes.begin() + frame.len, txbuf_.begin());
  txlen_ = frame.len;
  Send_start();
}

void LinkEngine::Send_byte(std::uint8_t b) {
  txbuf_[0] = b;
  txlen_ = 1;
  Send_start();
}

void LinkEngine::Enter_kind_phase(Int16 state) {
  connected_ = true;
  state_ = state;
}

void LinkEngine::Timer1_Timer() {
  // The whole frame in this one tick: one output call per byte, each handed
  // to the line at once. Nothing here runs the event loop, so no receive
  // event falls between the bytes, and the watchdog counts from the end.
  const int len = std::clamp(txlen_, 0, proto::kTxMax);
  while (txpos_ < len) {
    MSC_.writeByte(txbuf_[static_cast<std::size_t>(txpos_)]);
    T2_.arm(profile_.watchdogPerByteMs);
    ++txpos_;
  }
  T2_.arm(profile_.watchdogAfterLastMs);
  T1_.stop();
  sent_ = true;
}

void LinkEngine::Output_byte(std::uint8_t b) { MSC_.writeByte(b); }

// ---- timers ---------------------------------------------------------------------------

void LinkEngine::Timer2_Timer() {
  // The watchdog fires once per expiry: it stops itself, and a failure report
  // already pending is not put off, so the failure action follows the first
  // expiry by exactly the failure interval.
  T2_.stop();
  T1_.stop();
  if (!T3_.enabled()) T3_.arm(profile_.failureMs);
  Close_port();
  busyRead_ = busyWrite_ = false;
  if (kind_) kind_->watchdog(*this);
}

void LinkEngine::Timer3_Timer() {
  Stop_timers();
  if (!kind_) return;
  if (retries_ >= 1) {
    --retries_;
    Begin(*kind_);  // from the entry sequence again; a failed open ends the retries
    return;
  }
  kind_->failureTick(*this);
}

void LinkEngine::Stop_sender() { T1_.stop(); }
void LinkEngine::Stop_watchdog() { T2_.stop(); }
void LinkEngine::Stop_failure() { T3_.stop(); }

void LinkEngine::Stop_timers() {
  T1_.stop();
  T2_.stop();
  T3_.stop();
}

void LinkEngine::Arm_failure(int ms) { T3_.arm(ms); }

void LinkEngine::Close_port() {
  if (MSC_.isOpen()) MSC_.close();
}

void LinkEngine::Complete(bool closePort) {
  Stop_timers();
  busyRead_ = busyWrite_ = false;
  if (closePort) Close_port();
}

void LinkEngine::Discard_input() { MSC_.discardInput(); }

void LinkEngine::Panel(StatusPanel panel, const QString& text) {
  if (env_.panel) env_.panel(panel, text);
}

bool LinkEngine::Show(const Message& m) {
  if (env_.prompt) env_.prompt->MsgBox(m.text.in(chinese()), m.title.in(chinese()), PromptIcon::Exclamation);
  return !ended_;
}

// ---- receiving ------------------------------------------------------------------------

int LinkEngine::Read_input(int count) {
  // One input call per byte, into the reply buffer from position 0; never past its end.
  const int n = std::clamp(count, 0, proto::kRxMax);
  int got = 0;
  while (got < n) {
    const int b = MSC_.readByte();
    if (b < 0) break;
    rxbuf_[static_cast<std::size_t>(got++)] = static_cast<std::uint8_t>(b);
  }
  return got;
}

void LinkEngine::MSC_OnComm(CommEvent event) {
  // Only received data counts; line errors, modem lines and transmit events
  // change nothing.
  if (event != CommEvent::DataReceived || !kind_ || !MSC_.isOpen()) return;
  const bool kindPhase = connected_ || state_ >= Link_first_kind_state;
  int threshold = 0;
  if (kindPhase)
    threshold = std::clamp(kind_->phaseThreshold(*this), 0, proto::kRxMax - 1);
  else if (state_ == Wait_ident)
    threshold = proto::kIdentLen - 1;
  // Too few bytes: they stay in the input and a later event finds them
  // together with the ones still to come.
  if (MSC_.bytesWaiting() <= threshold) return;
  const int got = Read_input(threshold + 1);
  if (got != threshold + 1) return;
  if (kindPhase)
    kind_->phaseReceive(*this, got);
  else
    Handshake(got);
}

void LinkEngine::Handshake(int count) {
  auto clearReply = [this] { std::fill(rxbuf_.begin(), rxbuf_.begin() + 21, 0); };
  // The radio cannot answer a frame that has not gone out yet: whatever
  // arrives before it (a late answer to an earlier exchange, say) is dropped,
  // so it can neither replace the queued frame nor advance the handshake.
  if (!sent_) {
    MSC_.discardInput();
    return;
  }
  switch (state_) {
    case Wait_ack:
      MSC_.discardInput();
      if (rxbuf_[0] != proto::Cmd_ack) return;  // dropped with whatever else waited
      state_ = Wait_ident;
      Send_byte(proto::Cmd_ident);
      clearReply();
      return;

    case Wait_ident: {
      // The 8 bytes of one event must be the frame itself, 0xAA first.
      const bool accepted = proto::Ident_accepted({rxbuf_.data(), static_cast<std::size_t>(count)});
      MSC_.discardInput();
      if (!accepted) return;  // the watchdog runs on
      state_ = Wait_confirm;
      Send_byte(proto::Cmd_ack);
      if (kind_->decodesIdent()) {
        const proto::IdentEdges e = proto::Ident_decode(env_.st, {rxbuf_.data(), proto::kIdentLen});
        Panel(StatusPanel::BandA, proto::Ident_panel7_text(e));
        Panel(StatusPanel::BandB, proto::Ident_panel8_text(e));
      }
      clearReply();
      kind_->identAccepted(*this);
      return;
    }

    case Wait_confirm:
      MSC_.discardInput();
      if (rxbuf_[0] == proto::Cmd_ack) kind_->connected(*this);
      return;

    default: return;
  }
}
