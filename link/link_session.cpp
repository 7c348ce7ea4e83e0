#include "link/link_session.h"

#include "link/link_texts.h"

LinkSession::LinkSession(SerialPortFactory& ports, TimerFactory& timers, LinkEngine::Env env, LinkProfile profile,
                         HandlerOwner* owner)
    : owner_(owner),
      port_(ports.create()),
      sender_(timers.create()),
      watchdog_(timers.create()),
      failure_(timers.create()) {
  engine_ = std::make_unique<LinkEngine>(*port_, *sender_, *watchdog_, *failure_, std::move(env), profile);
  port_->onComm = [this](CommEvent e) { Event([&] { engine_->MSC_OnComm(e); }); };
  sender_->onTick = [this] { Event([this] { engine_->Timer1_Timer(); }); };
  watchdog_->onTick = [this] { Event([this] { engine_->Timer2_Timer(); }); };
  failure_->onTick = [this] { Event([this] { engine_->Timer3_Timer(); }); };
}

LinkSession::~LinkSession() { engine_.reset(); }

namespace {

// A start refused while busy: the busy message, when the profile shows one.
void Tell_busy(LinkEngine& engine) {
  if (engine.profile().startWhileBusy == BusyRule::RefuseWithMessage) engine.Show(Msg_busy);
}

}  // namespace

bool LinkSession::Refused_while_busy() {
  if (engine_->Ended()) return true;
  if (!engine_->Busy()) return false;
  Tell_busy(*engine_);
  return true;
}

LinkStart LinkSession::Start(LinkExchangeKind& kind) {
  // The engine refuses after End() (without a word) and while busy.
  const LinkStart started = engine_->Start(kind);
  if (started == LinkStart::Busy) Tell_busy(*engine_);
  return started;
}

bool LinkSession::Close_request() {
  if (engine_->Ended()) return false;
  if (engine_->Busy()) {
    switch (engine_->profile().closeWhileBusy) {
      case BusyRule::RefuseWithMessage: engine_->Show(engine_->profile().closeWhileBusyMessage); return false;
      case BusyRule::RefuseSilently: return false;
      case BusyRule::Allow: break;
    }
  }
  engine_->Close_port();
  return true;
}

void LinkSession::End() { engine_->End(); }
