#pragma once
// A serial port without a line: tests say which port numbers open, see the
// bytes written and feed the bytes the radio would send.
#include "platform/core/serial_port.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <vector>

class FakePort : public SerialPort {
 public:
  explicit FakePort(const std::set<int>* present) : present_(present) {}
  bool open(int port) override {
    ++openCalls;
    openedPorts.push_back(port);
    if (open_ || !present_ || !present_->count(port)) return false;
    open_ = true;
    port_ = port;
    return true;
  }
  // Closing drops what was waiting, as a real port does.
  void close() override {
    open_ = false;
    input.clear();
  }
  bool isOpen() const override { return open_; }
  int bytesWaiting() override { return static_cast<int>(input.size()); }
  int readByte() override {
    if (input.empty()) return -1;
    const int b = input.front();
    input.pop_front();
    return b;
  }
  // Only an open port puts bytes on the line.
  void writeByte(std::uint8_t b) override {
    if (!open_) {
      ++writesWhileClosed;
      return;
    }
    written.push_back(b);
    if (onWrite) onWrite(b);
  }
  void discardInput() override { input.clear(); }
  void discardOutput() override {}

  // Bytes from the radio: queued, then the receive event is raised. A closed
  // port receives nothing.
  void feed(const std::vector<std::uint8_t>& bytes) {
    if (!open_) return;
    input.insert(input.end(), bytes.begin(), bytes.end());
    if (onComm) onComm(CommEvent::DataReceived);
  }
  // Another event kind (line error, modem line change), whatever is waiting.
  void raise(CommEvent e) {
    if (onComm) onComm(e);
  }
  // The line hangs up: the port reports an error and closes, as the
  // production adapter does.
  void hangUp() {
    close();
    if (onComm) onComm(CommEvent::Error);
  }

  int port() const { return port_; }
  // Expires with the port: arrivals scheduled for it check this first.
  std::weak_ptr<int> life() const { return life_; }
  std::deque<std::uint8_t> input;
  std::vector<std::uint8_t> written;
  std::vector<int> openedPorts;
  int openCalls = 0;
  int writesWhileClosed = 0;
  // Sees every byte the program puts on the line (a simulated radio).
  std::function<void(std::uint8_t)> onWrite;

 private:
  const std::set<int>* present_;
  std::shared_ptr<int> life_ = std::make_shared<int>(0);
  bool open_ = false;
  int port_ = 0;
};

class FakePortFactory : public SerialPortFactory {
 public:
  std::unique_ptr<SerialPort> create() override {
    auto p = std::make_unique<FakePort>(&present);
    created.push_back(p.get());
    if (onCreate) onCreate(*p);
    return p;
  }
  std::set<int> present;           // port numbers that open
  std::vector<FakePort*> created;  // in creation order (owned by the windows)
  // Runs for each new port (a test can put a simulated radio on it).
  std::function<void(FakePort&)> onCreate;
};
