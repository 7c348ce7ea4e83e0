#pragma once
// The radio simulator behind a pseudo-terminal: the program opens the slave
// end (/dev/pts/N) as its serial port, through the production adapter; the
// simulator reads the master end and writes its replies there. It keeps its
// own slave descriptor open, so the master stays usable when the program
// closes its port.
#include "support/radio_sim.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <deque>

class QSocketNotifier;
class QTimer;

class SimPty : public QObject {
 public:
  explicit SimPty(RadioSim& sim);
  ~SimPty() override;

  bool isOpen() const { return master_ >= 0; }
  // The device the program opens.
  QString slavePath() const { return slavePath_; }
  // Hangs the line up: the master end closes.
  void hangUpNow();
  // Bytes the program has put on the line that the radio has not taken yet.
  // Once the program's port is closed nothing more can come: 0 then means
  // the radio has seen everything the program sent.
  int unread() const;

  int replyDelayMs = 0;  // from the byte that completes a request to the reply
  // Bytes take their time on a 9600-baud line, both ways, kept to the
  // nanosecond: a reply starts once the request's last byte has crossed the
  // line, and each of its bytes leaves as it crosses.
  bool paced = false;
  int pieceGapMs = 5;  // between the pieces of a split reply

 private:
  void onReadable();
  void send(const SimTransmission& t);
  void pump();
  qint64 nowNs() const { return clock_.nsecsElapsed(); }

  // One byte takes 10 bits at 9600 baud.
  static constexpr qint64 kByteNs = 1'041'667;
  // Timers tick in whole milliseconds: a due time counts as reached within
  // half a millisecond, so a paced line is neither late nor early on average.
  static constexpr qint64 kDueSlackNs = 500'000;

  struct Due {
    qint64 atNs;
    std::vector<std::uint8_t> bytes;
    bool arrival;  // starts a separate arrival (a reply or a piece of one)
  };
  RadioSim& sim_;
  int master_ = -1;
  int slave_ = -1;
  QString slavePath_;
  QSocketNotifier* notifier_ = nullptr;
  QTimer* timer_ = nullptr;
  QElapsedTimer clock_;
  std::deque<Due> out_;
  qint64 lineFreeAtNs_ = 0;
  SimInbound inbound_;
  qint64 receivedAtNs_ = 0;  // when the byte being handled reached the radio
};
