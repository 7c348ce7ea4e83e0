#pragma once
// A serial port without a line: tests say which port numbers open, see the
// bytes written and feed the bytes the radio would send.
#include "platform/core/serial_port.h"

#include <cstdint>
#include <deque>
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
  void close() override { open_ = false; }
  bool isOpen() const override { return open_; }
  int bytesWaiting() override { return static_cast<int>(input.size()); }
  int readByte() override {
    if (input.empty()) return -1;
    const int b = input.front();
    input.pop_front();
    return b;
  }
  void writeByte(std::uint8_t b) override { written.push_back(b); }
  void discardInput() override { input.clear(); }
  void discardOutput() override {}

  // Bytes from the radio: queued, then the receive event is raised.
  void feed(const std::vector<std::uint8_t>& bytes) {
    input.insert(input.end(), bytes.begin(), bytes.end());
    if (onComm) onComm(CommEvent::DataReceived);
  }

  int port() const { return port_; }
  std::deque<std::uint8_t> input;
  std::vector<std::uint8_t> written;
  std::vector<int> openedPorts;
  int openCalls = 0;

 private:
  const std::set<int>* present_;
  bool open_ = false;
  int port_ = 0;
};

class FakePortFactory : public SerialPortFactory {
 public:
  std::unique_ptr<SerialPort> create() override {
    auto p = std::make_unique<FakePort>(&present);
    created.push_back(p.get());
    return p;
  }
  std::set<int> present;          // port numbers that open
  std::vector<FakePort*> created;  // in creation order (owned by the windows)
};
