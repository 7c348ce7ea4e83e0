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

  int replyDelayMs = 0;  // from the byte that completes a request to the reply
  bool paced = false;    // replies leave at 9600 baud
  int pieceGapMs = 5;    // between the pieces of a split reply

 private:
  void onReadable();
  void send(const SimTransmission& t);
  void pump();

  struct Due {
    qint64 atMs;
    std::vector<std::uint8_t> bytes;
  };
  RadioSim& sim_;
  int master_ = -1;
  int slave_ = -1;
  QString slavePath_;
  QSocketNotifier* notifier_ = nullptr;
  QTimer* timer_ = nullptr;
  QElapsedTimer clock_;
  std::deque<Due> out_;
  qint64 lineFreeAt_ = 0;
};
