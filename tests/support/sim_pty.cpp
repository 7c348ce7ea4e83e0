#include "support/sim_pty.h"

#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

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

int SimPty::unread() const {
  int n = 0;
  if (master_ < 0 || ::ioctl(master_, FIONREAD, &n) != 0) return 0;
  return n;
}

void SimPty::onReadable() {
  std::uint8_t buf[512];
  for (;;) {
    if (master_ < 0) return;
    const ssize_t n = ::read(master_, buf, sizeof buf);
    if (n <= 0) return;  // nothing more now (EAGAIN), or the slave side is gone
    for (ssize_t i = 0; i < n; ++i) {
      receivedAtNs_ = paced ? std::llround(inbound_.arriveExact(static_cast<double>(nowNs()) / 1e6) * 1e6) : nowNs();
      sim_.receive(buf[i]);
    }
  }
}

void SimPty::send(const SimTransmission& t) {
  const qint64 start = std::max(receivedAtNs_ + replyDelayMs * 1'000'000LL, lineFreeAtNs_);
  // The pieces of the reply; paced, each byte also takes its time on the line
  // and leaves as soon as it has crossed it.
  qint64 sent = 0;
  for (SimArrival& a : Sim_arrivals(t, false, pieceGapMs)) {
    const qint64 pieceAt = start + a.offsetMs * 1'000'000LL;
    if (!paced) {
      lineFreeAtNs_ = pieceAt;
      out_.push_back({pieceAt, std::move(a.bytes), true});
      continue;
    }
    bool first = true;
    for (std::uint8_t b : a.bytes) {
      lineFreeAtNs_ = pieceAt + ++sent * kByteNs;
      out_.push_back({lineFreeAtNs_, {b}, first});
      first = false;
    }
  }
  pump();
}

void SimPty::pump() {
  // Everything due goes out now: a reply or a piece in its own write, with
  // the bytes of it that have crossed the line so far.
  const auto due = [this] { return !out_.empty() && out_.front().atNs <= nowNs() + kDueSlackNs; };
  while (due()) {
    std::vector<std::uint8_t> bytes = std::move(out_.front().bytes);
    out_.pop_front();
    while (due() && !out_.front().arrival) {
      bytes.insert(bytes.end(), out_.front().bytes.begin(), out_.front().bytes.end());
      out_.pop_front();
    }
    if (master_ >= 0) {
      std::size_t done = 0;
      while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
      }
    }
    // Separate arrivals reach the program separately.
    if (due()) {
      timer_->start(1);
      return;
    }
  }
  // The next due time, to the nearest millisecond.
  if (!out_.empty())
    timer_->start(static_cast<int>(std::max<qint64>(0, (out_.front().atNs - nowNs() + 500'000) / 1'000'000)));
}
