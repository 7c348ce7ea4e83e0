#include "support/radio_sim.h"

#include "link/link_protocol.h"

#include <algorithm>
#include <cmath>

namespace {
std::uint8_t Bcd(int v) { return static_cast<std::uint8_t>(((v / 10) % 10) * 16 + v % 10); }
}  // namespace

RadioSim::RadioSim() {
  memory.fill(0xFF);
  setPasswords("", "");
}

void RadioSim::setBands(int aLow, int aHigh, int bLow, int bHigh) {
  bands = {Bcd(aLow - 100),
           Bcd(aHigh - 100),
           static_cast<std::uint8_t>(bLow / 100),
           Bcd(bLow % 100),
           static_cast<std::uint8_t>(bHigh / 100),
           Bcd(bHigh % 100)};
}

void RadioSim::setPasswords(std::string_view user, std::string_view super) {
  for (int i = 0; i < 6; ++i) {
    memory[0x1FF0 + static_cast<std::size_t>(i)] =
        static_cast<std::uint8_t>(i < static_cast<int>(user.size()) ? user[static_cast<std::size_t>(i)] : ' ');
    memory[0x1FF6 + static_cast<std::size_t>(i)] =
        static_cast<std::uint8_t>(i < static_cast<int>(super.size()) ? super[static_cast<std::size_t>(i)] : ' ');
  }
}

int RadioSim::count(SimReply r) const { return static_cast<int>(std::count(replies.begin(), replies.end(), r)); }

void RadioSim::receive(std::uint8_t b) {
  received.push_back(b);

  // The entry sequence is recognised in any mode and starts afresh.
  window_.push_back(b);
  if (window_.size() > 7) window_.pop_front();
  if (window_.size() == 7 && std::equal(window_.begin(), window_.end(), handCode.begin())) {
    window_.clear();
    ++entries;
    mode_ = Mode::Entered;
    entry8_ = true;
    unackedBlock_ = false;
    frame_.clear();
    need_ = 0;
    reply(SimReply::EntryAck, {proto::Cmd_ack});
    return;
  }

  switch (mode_) {
    case Mode::Idle: return;
    case Mode::Entered:
      if (entry8_ && b == handCode[7]) {
        entry8_ = false;
        return;
      }
      entry8_ = false;
      if (b == proto::Cmd_ident) {
        mode_ = Mode::Identified;
        std::vector<std::uint8_t> frame{proto::Ident_head};
        frame.insert(frame.end(), bands.begin(), bands.end());
        frame.push_back(proto::Ident_tail);
        reply(SimReply::Ident, std::move(frame));
      }
      return;
    case Mode::Identified:
      if (b == proto::Cmd_ack) {
        mode_ = Mode::Programming;
        reply(SimReply::ConfirmAck, {proto::Cmd_ack});
      }
      return;
    case Mode::Programming: programming(b); return;
  }
}

void RadioSim::programming(std::uint8_t b) {
  if (need_ == 0) {
    if (b == proto::Cmd_read || b == proto::Cmd_data) {
      frame_ = {b};
      need_ = 3;
    } else if (b == proto::Cmd_ack && (unackedBlock_ || answerEveryAck)) {
      unackedBlock_ = false;
      reply(SimReply::BlockAck, {proto::Cmd_ack});
    }
    return;
  }
  frame_.push_back(b);
  if (--need_ > 0) return;

  const int address = frame_[1] * 256 + frame_[2];
  if (frame_[0] == proto::Cmd_read) {
    readRequests.push_back(address);
    std::vector<std::uint8_t> out{proto::Cmd_data, frame_[1], frame_[2], frame_[3]};
    for (int i = 0; i < proto::kBlockLen; ++i)
      out.push_back(memory[static_cast<std::size_t>((address + i) % proto::kMemorySize)]);
    unackedBlock_ = true;
    frame_.clear();
    reply(SimReply::Block, std::move(out));
    return;
  }
  // A data frame: the header first, then as many data bytes as it announces.
  const int len = frame_[3];
  if (static_cast<int>(frame_.size()) == 4 && len > 0) {
    need_ = len;
    return;
  }
  for (int i = 0; i < len; ++i)
    memory[static_cast<std::size_t>((address + i) % proto::kMemorySize)] = frame_[4 + static_cast<std::size_t>(i)];
  writes.emplace_back(address, len);
  frame_.clear();
  reply(SimReply::WriteAck, {proto::Cmd_ack});
}

void RadioSim::reply(SimReply kind, std::vector<std::uint8_t> bytes) {
  const int occurrence = occurrences_[kind]++;
  if (silent) return;
  SimTransmission t{std::move(bytes), {}};
  for (const SimFault& f : faults) {
    if (f.reply != kind || (f.occurrence != -1 && f.occurrence != occurrence)) continue;
    switch (f.kind) {
      case SimFault::Silence: return;
      case SimFault::HangUp:
        if (hangUp) hangUp();
        return;
      case SimFault::Short:
        t.bytes.resize(t.bytes.size() - std::min<std::size_t>(t.bytes.size(), static_cast<std::size_t>(f.count)));
        break;
      case SimFault::Long:
        t.bytes.insert(t.bytes.end(), static_cast<std::size_t>(std::max(f.count, 0)), f.value);
        break;
      case SimFault::Wrong:
        if (f.count >= 0 && f.count < static_cast<int>(t.bytes.size()))
          t.bytes[static_cast<std::size_t>(f.count)] = f.value;
        break;
      case SimFault::Split: t.pieces = f.pieces; break;
    }
  }
  replies.push_back(kind);
  if (transmit) transmit(t);
}

std::vector<SimArrival> Sim_arrivals(const SimTransmission& t, bool paced, int pieceGapMs) {
  // The piece each byte belongs to: the given sizes, the rest in one last piece.
  std::vector<int> pieceOf(t.bytes.size(), 0);
  std::size_t pos = 0;
  int piece = 0;
  for (int size : t.pieces) {
    for (int k = 0; k < size && pos < t.bytes.size(); ++k) pieceOf[pos++] = piece;
    if (pos >= t.bytes.size()) break;
    ++piece;
  }
  for (; pos < t.bytes.size(); ++pos) pieceOf[pos] = piece;

  std::vector<SimArrival> out;
  int lastPiece = -1;
  for (std::size_t i = 0; i < t.bytes.size(); ++i) {
    long offset = static_cast<long>(pieceOf[i]) * pieceGapMs;
    if (paced) offset += (static_cast<long>(i + 1) * 10000 + 9599) / 9600;
    if (out.empty() || pieceOf[i] != lastPiece || out.back().offsetMs != offset) out.push_back({offset, {}});
    out.back().bytes.push_back(t.bytes[i]);
    lastPiece = pieceOf[i];
  }
  return out;
}

long SimInbound::arrive(long nowMs) { return static_cast<long>(std::ceil(arriveExact(static_cast<double>(nowMs)))); }

double SimInbound::arriveExact(double nowMs) {
  at_ = std::max(at_, nowMs) + 10000.0 / 9600.0;
  return at_;
}
