#pragma once
// A radio on the other side of the line, built from what the program sends
// and what it expects back:
// - the entry sequence (the first 7 bytes of Hand_code; an 8th entry byte is
//   taken too) is answered with 0x06, in any mode;
// - 0x02 after an entry is answered with the 8-byte identification frame
//   (0xAA, the band edges, 0xDD);
// - 0x06 after the identification is answered with 0x06: programming mode;
// - in programming mode:
//   'S' hi lo len  is answered with 'X' hi lo len and 64 data bytes from the
//                  address on (the read reply carries 64 bytes whatever the
//                  length asked; addresses wrap at 0x2000);
//   'X' hi lo len and len data bytes are stored and answered with 0x06;
//   0x06 that acknowledges the radio's last read reply is answered with 0x06
//                  (it arrives ahead of the next read reply); other 0x06 are
//                  ignored unless answerEveryAck is set;
//   anything else is ignored.
// The memory holds 0x2000 bytes (0xFF, with a password record of spaces at
// 0x1FF0). Replies go to a transport (SimLine in-process, SimPty on a
// pseudo-terminal) through `transmit`; faults change them on the way.
#include "link/hand_code.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

// The replies of the radio, for fault injection and observation.
enum class SimReply {
  EntryAck,    // 0x06 to an entry sequence
  Ident,       // the identification frame
  ConfirmAck,  // 0x06 to the PC's confirmation
  Block,       // 'X' hi lo len + 64 data bytes, the answer to a read request
  BlockAck,    // 0x06 to the PC's acknowledgement of a read reply
  WriteAck,    // 0x06 to a data frame
};

struct SimFault {
  enum Kind {
    Silence,  // the reply is not sent
    Short,    // the last `count` bytes are missing
    Long,     // `count` bytes of `value` follow the reply
    Wrong,    // the byte at position `count` is `value`
    Split,    // the reply arrives in pieces of the sizes in `pieces` (the rest in one last piece)
    HangUp,   // instead of the reply, the line hangs up
  };
  SimReply reply;
  int occurrence = -1;  // which occurrence of that reply, 0 for the first; -1 for every one
  Kind kind = Silence;
  int count = 1;
  std::uint8_t value = 0x15;
  std::vector<int> pieces;
};

// A reply as the transport gets it: its bytes and how they are cut into arrivals.
struct SimTransmission {
  std::vector<std::uint8_t> bytes;
  std::vector<int> pieces;  // empty: one arrival (or paced by the transport)
};

// A reply cut into arrivals: each arrival's delay (ms) from the moment the
// reply starts and its bytes. Pieces are `pieceGapMs` apart; paced, every byte
// also takes its time on a 9600-baud line (10 bits, about 1.04 ms).
struct SimArrival {
  long offsetMs;
  std::vector<std::uint8_t> bytes;
};
std::vector<SimArrival> Sim_arrivals(const SimTransmission& t, bool paced, int pieceGapMs);

// The PC's bytes on a 9600-baud line, one after the other: when each has
// reached the radio, so that a paced reply starts only after its request.
class SimInbound {
 public:
  // A byte handed to the line at `nowMs`; returns its arrival (ms, rounded up).
  long arrive(long nowMs);
  // The same, unrounded, for a clock finer than a millisecond.
  double arriveExact(double nowMs);

 private:
  double at_ = 0;
};

class RadioSim {
 public:
  RadioSim();

  // ---- configuration
  std::array<std::uint8_t, 0x2000> memory{};
  // The identification frame's bytes 1..6 (136..174 MHz and 400..520 MHz).
  std::array<std::uint8_t, 6> bands{0x36, 0x74, 0x04, 0x00, 0x05, 0x20};
  std::array<std::uint8_t, 8> handCode = kHandCode;
  bool silent = false;          // answers nothing at all
  bool answerEveryAck = false;  // answers every 0x06 in programming mode
  std::vector<SimFault> faults;

  // Band edges in whole MHz, encoded as the identification frame carries them.
  void setBands(int aLow, int aHigh, int bLow, int bHigh);
  // The password record at 0x1FF0: user and super password, space padded.
  void setPasswords(std::string_view user, std::string_view super);

  // ---- transport
  std::function<void(const SimTransmission&)> transmit;
  std::function<void()> hangUp;
  // A byte from the PC.
  void receive(std::uint8_t b);

  // ---- observation
  enum class Mode { Idle, Entered, Identified, Programming };
  Mode mode() const { return mode_; }
  std::vector<std::uint8_t> received;       // every byte from the PC
  std::vector<int> readRequests;            // addresses of the read requests
  std::vector<std::pair<int, int>> writes;  // address and length of each data frame stored
  std::vector<SimReply> replies;            // replies sent, in order
  int entries = 0;                          // entry sequences recognised
  int count(SimReply r) const;

 private:
  void reply(SimReply kind, std::vector<std::uint8_t> bytes);
  void programming(std::uint8_t b);

  Mode mode_ = Mode::Idle;
  std::deque<std::uint8_t> window_;  // the last bytes, to spot an entry sequence
  bool entry8_ = false;              // the 8th entry byte may follow
  bool unackedBlock_ = false;        // a read reply awaits the PC's 0x06
  std::vector<std::uint8_t> frame_;  // the frame being received
  int need_ = 0;                     // bytes still missing of it
  std::map<SimReply, int> occurrences_;
};
