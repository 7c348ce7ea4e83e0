#pragma once
// The serial line as the exchange engine sees it. Production uses the
// QSerialPort adapter (platform/qt_services.h); tests use a fake port or a
// pseudo-terminal.
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

// Event kinds reported by the port, as the engine's receive handler expects them.
enum class CommEvent { DataReceived = 2, Error = 1001, Other = 0 };

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // Opens port number `port` (1..16) at 9600 baud, 8 data bits, no parity,
  // one stop bit, raw bytes. Returns false and stays closed on any failure.
  virtual bool open(int port) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
  // Number of received bytes waiting to be read.
  virtual int bytesWaiting() = 0;
  // Reads one waiting byte; -1 when nothing is waiting.
  virtual int readByte() = 0;
  // Writes one byte and hands it to the line at once.
  virtual void writeByte(std::uint8_t b) = 0;
  virtual void discardInput() = 0;
  virtual void discardOutput() = 0;

  // Raised as soon as at least one byte is waiting (and for other events).
  std::function<void(CommEvent)> onComm;
};

class SerialPortFactory {
 public:
  virtual ~SerialPortFactory() = default;
  virtual std::unique_ptr<SerialPort> create() = 0;
};

// Maps port numbers 1..16 to device names.
using PortResolver = std::function<QString(int port)>;

// On Linux: COM1..COM4 are /dev/ttyS0..3, COM5..COM12 /dev/ttyUSB0..7 and
// COM13..COM16 /dev/ttyACM0..3; elsewhere "COMn".
QString DefaultPortName(int port);
