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

  int replyDelayMs = 0;      // from the byte that completes a request to the reply
  bool paced = false;        // replies leave at 9600 baud
  bool pacePcBytes = false;  // the program's bytes, too, reach the radio at 9600 baud
  int pieceGapMs = 5;        // between the pieces of a split reply

 private:
  void onReadable();
  void send(const SimTransmission& t);
  void pump();
  void deliver();
  qint64 nowNs() const { return clock_.nsecsElapsed(); }
  // Starts `timer` for the next due time, rounded to the nearest millisecond.
  void wake(QTimer* timer, qint64 dueNs);

  // One byte takes 10 bits at 9600 baud.
  static constexpr qint64 kByteNs = 1'041'667;
  // A due time counts as reached within half a millisecond (timers tick in
  // whole milliseconds).
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
  // The program's bytes on their way to the radio (pacePcBytes).
  QTimer* inTimer_ = nullptr;
  std::deque<std::pair<qint64, std::uint8_t>> in_;
  qint64 inFreeAtNs_ = 0;
};
