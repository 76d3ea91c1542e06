#include "serial/qt_serial_port.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QString>
#include <algorithm>
#include <system_error>

namespace vrq5 {

namespace {

// How long a write may take to leave the port.
constexpr int kWriteTimeoutMs = 2000;

}  // namespace

QtSerialPort::QtSerialPort(std::string name) : name_(std::move(name)) {}

QtSerialPort::~QtSerialPort() { Close(); }

void QtSerialPort::set_name(std::string name) {
  Close();
  name_ = std::move(name);
}

bool QtSerialPort::Open() {
  if (!port_) port_ = std::make_unique<QSerialPort>();
  if (port_->isOpen()) return true;
  port_->clearError();
  port_->setPortName(QString::fromStdString(name_));
  port_->setBaudRate(kBaudRate);
  port_->setDataBits(QSerialPort::Data8);
  port_->setParity(QSerialPort::NoParity);
  port_->setStopBits(QSerialPort::OneStop);
  port_->setFlowControl(QSerialPort::NoFlowControl);
  port_->setReadBufferSize(0);
  if (port_->open(QIODevice::ReadWrite)) {
    open_error_ = OpenError::kNone;
    return true;
  }
  open_error_ = ClassifyOpenError();
  return false;
}

OpenError QtSerialPort::ClassifyOpenError() const {
  switch (port_->error()) {
    case QSerialPort::DeviceNotFoundError:
      return OpenError::kMissing;
    case QSerialPort::PermissionError: {
      // The port's error is the same for a device this user may not open
      // and one another program holds (its lock, or its exclusive use).
      QString path = port_->portName().startsWith('/')
                         ? port_->portName()
                         : QStringLiteral("/dev/") + port_->portName();
      QFileInfo info(path);
      if (info.exists() && !(info.isReadable() && info.isWritable())) {
        return OpenError::kNoPermission;
      }
      return OpenError::kInUse;
    }
    default:
      return OpenError::kOther;
  }
}

void QtSerialPort::Close() {
  if (port_ && port_->isOpen()) port_->close();
}

bool QtSerialPort::IsOpen() const { return port_ && port_->isOpen(); }

bool QtSerialPort::Healthy() {
  auto e = port_->error();
  if (e == QSerialPort::TimeoutError) {
    port_->clearError();
    return true;
  }
  return e == QSerialPort::NoError;
}

bool QtSerialPort::Write(std::string_view data) {
  if (!IsOpen()) return false;
  qint64 n = port_->write(data.data(), static_cast<qint64>(data.size()));
  if (n != static_cast<qint64>(data.size())) return false;
  while (port_->bytesToWrite() > 0) {
    if (!port_->waitForBytesWritten(kWriteTimeoutMs)) break;
  }
  return port_->bytesToWrite() == 0 && Healthy();
}

bool QtSerialPort::ReadAvailable(std::string& out) {
  if (!IsOpen()) return false;
  // Without an event loop, data reaches the port's buffer only through a
  // wait; a wait of 0 takes what the system holds without blocking.
  if (port_->bytesAvailable() == 0) port_->waitForReadyRead(0);
  if (!Healthy()) return false;
  QByteArray bytes = port_->readAll();
  out.append(bytes.constData(), static_cast<size_t>(bytes.size()));
  return Healthy();
}

bool QtSerialPort::WaitForData(Clock::duration timeout) {
  if (!IsOpen()) return true;  // the next read reports the error
  if (port_->bytesAvailable() > 0) return true;
  auto ms = std::chrono::ceil<std::chrono::milliseconds>(timeout).count();
  if (ms < 0) ms = 0;
  bool ready = port_->waitForReadyRead(static_cast<int>(ms));
  return ready || !Healthy();
}

std::string QtSerialPort::error_text() const {
  return port_ ? port_->errorString().toStdString() : std::string();
}

std::vector<SerialPortInfo> ListSerialPorts(
    const std::filesystem::path& device_folder) {
  std::vector<SerialPortInfo> out;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    out.push_back({info.portName().toStdString(),
                   info.systemLocation().toStdString(),
                   info.description().toStdString()});
  }
#ifndef _WIN32
  std::vector<SerialPortInfo> adapters;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(device_folder, ec), end;
       !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (name.rfind("ttyUSB", 0) != 0 && name.rfind("ttyACM", 0) != 0) continue;
    std::string path = it->path().string();
    bool listed = false;
    for (const SerialPortInfo& p : out) listed = listed || p.path == path;
    if (!listed) adapters.push_back({name, path, "USB serial adapter"});
  }
  std::sort(adapters.begin(), adapters.end(),
            [](const SerialPortInfo& a, const SerialPortInfo& b) {
              return a.path < b.path;
            });
  out.insert(out.end(), adapters.begin(), adapters.end());
#endif
  return out;
}

}  // namespace vrq5
