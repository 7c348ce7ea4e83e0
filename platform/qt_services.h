#pragma once
// Production implementations of the platform services on Qt.
#include "platform/core/services.h"

#include <QObject>
#include <QTimer>

class QSerialPort;
class QWidget;

// Message boxes as QMessageBox, modal over the main window.
class QtPrompt : public Prompt {
 public:
  void setParent(QWidget* parent) { parent_ = parent; }
  void MsgBox(const QString& text, const QString& title, PromptIcon icon) override;

 private:
  QWidget* parent_ = nullptr;
};

// The serial line on QSerialPort: 9600 8N1, raw bytes, every byte flushed at once.
class QtSerialPort : public QObject, public SerialPort {
  Q_OBJECT
 public:
  explicit QtSerialPort(PortResolver resolver);
  ~QtSerialPort() override;
  bool open(int port) override;
  void close() override;
  bool isOpen() const override;
  int bytesWaiting() override;
  int readByte() override;
  void writeByte(std::uint8_t b) override;
  void discardInput() override;
  void discardOutput() override;

 private:
  void onError();
  PortResolver resolver_;
  QSerialPort* port_;
};

class QtSerialPortFactory : public SerialPortFactory {
 public:
  explicit QtSerialPortFactory(PortResolver resolver = DefaultPortName) : resolver_(std::move(resolver)) {}
  std::unique_ptr<SerialPort> create() override { return std::make_unique<QtSerialPort>(resolver_); }

 private:
  PortResolver resolver_;
};

class QtTimer : public QObject, public Timer {
  Q_OBJECT
 public:
  QtTimer();
  void arm(int ms) override;
  void stop() override;
  bool enabled() const override;
  int interval() const override;

 private:
  QTimer timer_;
};

class QtTimerFactory : public TimerFactory {
 public:
  std::unique_ptr<Timer> create() override { return std::make_unique<QtTimer>(); }
};
