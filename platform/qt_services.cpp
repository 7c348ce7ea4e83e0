#include "platform/qt_services.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QSerialPort>

void QtPrompt::MsgBox(const QString& text, const QString& title, PromptIcon icon) {
  QMessageBox::Icon qi = QMessageBox::NoIcon;
  switch (icon) {
    case PromptIcon::None: qi = QMessageBox::NoIcon; break;
    case PromptIcon::Exclamation: qi = QMessageBox::Warning; break;
    case PromptIcon::Information: qi = QMessageBox::Information; break;
    case PromptIcon::Critical: qi = QMessageBox::Critical; break;
    case PromptIcon::Question: qi = QMessageBox::Question; break;
  }
  QMessageBox box(qi, title.isEmpty() ? QStringLiteral("radio_programmer") : title, text, QMessageBox::Ok, parent_);
  // The window the box interrupted takes the focus back when it closes, also
  // where no window manager hands it back: its control (or the control a
  // handler gave the focus to) has it again.
  const QPointer<QWidget> active = QApplication::activeWindow();
  box.exec();
  if (active && active->isVisible()) active->activateWindow();
}

QtSerialPort::QtSerialPort(PortResolver resolver) : resolver_(std::move(resolver)), port_(new QSerialPort(this)) {
  connect(port_, &QSerialPort::readyRead, this, [this] {
    if (onComm) onComm(CommEvent::DataReceived);
  });
  connect(port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
    if (e == QSerialPort::ReadError || e == QSerialPort::ResourceError || e == QSerialPort::WriteError) onError();
  });
}

QtSerialPort::~QtSerialPort() {
  onComm = nullptr;
  if (port_->isOpen()) port_->close();
}

bool QtSerialPort::open(int port) {
  const QString name = resolver_ ? resolver_(port) : QString();
  if (name.isEmpty() || port_->isOpen()) return false;
  port_->setPortName(name);
  if (!port_->open(QIODevice::ReadWrite)) return false;
  // Settings applied after the open reach the device; bytes that arrived while
  // the port was closed are dropped now, not before the open.
  if (!port_->setBaudRate(9600) || !port_->setDataBits(QSerialPort::Data8) ||
      !port_->setParity(QSerialPort::NoParity) || !port_->setStopBits(QSerialPort::OneStop)) {
    port_->close();
    return false;
  }
  port_->clear(QSerialPort::AllDirections);
  return true;
}

void QtSerialPort::close() {
  if (port_->isOpen()) port_->close();
}

bool QtSerialPort::isOpen() const { return port_->isOpen(); }

int QtSerialPort::bytesWaiting() { return port_->isOpen() ? static_cast<int>(port_->bytesAvailable()) : 0; }

int QtSerialPort::readByte() {
  char c = 0;
  if (!port_->isOpen() || port_->read(&c, 1) != 1) return -1;
  return static_cast<unsigned char>(c);
}

void QtSerialPort::writeByte(std::uint8_t b) {
  if (!port_->isOpen()) return;
  const char c = static_cast<char>(b);
  port_->write(&c, 1);
  port_->flush();
}

void QtSerialPort::discardInput() {
  if (port_->isOpen()) port_->clear(QSerialPort::Input);
}

void QtSerialPort::discardOutput() {
  if (port_->isOpen()) port_->clear(QSerialPort::Output);
}

void QtSerialPort::onError() {
  // After a hang-up Qt reports read errors without end: close the port; the
  // exchange's watchdog then reports the failure as usual.
  if (port_->isOpen()) port_->close();
  if (onComm) onComm(CommEvent::Error);
}

QtTimer::QtTimer() {
  // The link's watchdog and failure timer count exact intervals: never early.
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (onTick) onTick();
  });
}

void QtTimer::arm(int ms) { timer_.start(ms); }
void QtTimer::stop() { timer_.stop(); }
bool QtTimer::enabled() const { return timer_.isActive(); }
int QtTimer::interval() const { return timer_.interval(); }
