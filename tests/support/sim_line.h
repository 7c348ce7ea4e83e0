#pragma once
// The radio simulator in-process: it sees every byte the program writes to a
// fake port and its replies arrive at that port at scheduled virtual times.
#include "support/fake_port.h"
#include "support/radio_sim.h"
#include "support/virtual_clock.h"

class SimLine {
 public:
  SimLine(RadioSim& sim, VirtualClock& clock);
  // The program's port: its writes reach the radio, the radio's replies reach it.
  void attach(FakePort& port);

  int replyDelayMs = 2;  // from the byte that completes a request to the reply's first arrival
  bool paced = false;    // bytes take their time on a 9600-baud line, both ways
  int pieceGapMs = 1;    // between the pieces of a split reply

 private:
  RadioSim& sim_;
  VirtualClock& clock_;
  FakePort* port_ = nullptr;
  long lineFreeAt_ = 0;  // the radio sends one reply after the other
  SimInbound inbound_;
  long receivedAt_ = 0;  // when the byte being handled reached the radio
};
