#include "support/sim_pty.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

SimPty::SimPty(RadioSim& sim) : sim_(sim) {
  clock_.start();
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  char name[128] = {};
  if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
      ::ptsname_r(master_, name, sizeof name) != 0) {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
    return;
  }
  slavePath_ = QString::fromLocal8Bit(name);
  slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
  // Raw bytes both ways: no echo, no line editing, no translation.
  termios t{};
  if (::tcgetattr(master_, &t) == 0) {
    ::cfmakeraw(&t);
    ::tcsetattr(master_, TCSANOW, &t);
  }
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);

  notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { onReadable(); });
  timer_ = new QTimer(this);
  timer_->setSingleShot(true);
  timer_->setTimerType(Qt::PreciseTimer);
  connect(timer_, &QTimer::timeout, this, [this] { pump(); });

  sim_.transmit = [this](const SimTransmission& tr) { send(tr); };
  sim_.hangUp = [this] { hangUpNow(); };
}

SimPty::~SimPty() {
  sim_.transmit = nullptr;
  sim_.hangUp = nullptr;
  hangUpNow();
  if (slave_ >= 0) ::close(slave_);
}

void SimPty::hangUpNow() {
  if (notifier_) notifier_->setEnabled(false);
  if (timer_) timer_->stop();
  out_.clear();
  if (master_ >= 0) ::close(master_);
  master_ = -1;
}

void SimPty::onReadable() {
  std::uint8_t buf[512];
  for (;;) {
    if (master_ < 0) return;
    const ssize_t n = ::read(master_, buf, sizeof buf);
    if (n <= 0) return;  // nothing more now (EAGAIN), or the slave side is gone
    for (ssize_t i = 0; i < n; ++i) sim_.receive(buf[i]);
  }
}

void SimPty::send(const SimTransmission& t) {
  const qint64 start = std::max(clock_.elapsed() + replyDelayMs, lineFreeAt_);
  for (SimArrival& a : Sim_arrivals(t, paced, pieceGapMs)) {
    lineFreeAt_ = start + a.offsetMs;
    out_.push_back({lineFreeAt_, std::move(a.bytes)});
  }
  pump();
}

void SimPty::pump() {
  // Everything due goes out now, each arrival in its own write; then wait for
  // the next one.
  while (!out_.empty() && out_.front().atMs <= clock_.elapsed()) {
    const Due d = std::move(out_.front());
    out_.pop_front();
    if (master_ >= 0) {
      std::size_t done = 0;
      while (done < d.bytes.size()) {
        const ssize_t n = ::write(master_, d.bytes.data() + done, d.bytes.size() - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
      }
    }
    // Separate arrivals reach the program separately.
    if (!out_.empty() && out_.front().atMs <= clock_.elapsed()) {
      timer_->start(1);
      return;
    }
  }
  if (!out_.empty()) timer_->start(static_cast<int>(std::max<qint64>(0, out_.front().atMs - clock_.elapsed())));
}
