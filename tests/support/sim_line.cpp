#include "support/sim_line.h"

#include <algorithm>

SimLine::SimLine(RadioSim& sim, VirtualClock& clock) : sim_(sim), clock_(clock) {
  sim_.transmit = [this](const SimTransmission& t) {
    if (!port_) return;
    const long start = std::max(receivedAt_ + replyDelayMs, lineFreeAt_);
    std::weak_ptr<int> life = port_->life();
    FakePort* port = port_;
    for (SimArrival& a : Sim_arrivals(t, paced, pieceGapMs)) {
      lineFreeAt_ = start + a.offsetMs;
      clock_.at(lineFreeAt_, [life, port, bytes = std::move(a.bytes)] {
        if (!life.expired()) port->feed(bytes);
      });
    }
  };
  sim_.hangUp = [this] {
    if (!port_) return;
    std::weak_ptr<int> life = port_->life();
    FakePort* port = port_;
    clock_.after(replyDelayMs, [life, port] {
      if (!life.expired()) port->hangUp();
    });
  };
}

void SimLine::attach(FakePort& port) {
  port_ = &port;
  port.onWrite = [this](std::uint8_t b) {
    receivedAt_ = paced ? inbound_.arrive(clock_.now()) : clock_.now();
    sim_.receive(b);
  };
}
