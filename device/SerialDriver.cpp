#include "SerialDriver.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>
#include <limits>

// Everything that differs between platforms: is the port still there, and what is the USB
// product string behind it.
#if defined(Q_OS_WIN)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

static bool PortIsAlive(QSerialPort& port) {
    DWORD modemStatus = 0;
    return GetCommModemStatus(port.handle(), &modemStatus) != 0;
}

static QString UsbProduct(const QSerialPortInfo& info) {
    return info.description();
}
#else
#include <termios.h>

// Modem lines are no test: ports without them (a pseudo-terminal) fail that query. tcgetattr
// fails with EIO once the far side has gone, on real ports and pseudo-terminals alike.
static bool PortIsAlive(QSerialPort& port) {
    termios settings{};
    return tcgetattr(port.handle(), &settings) == 0;
}

#if defined(Q_OS_LINUX)
#include <QDir>
#include <QFile>
#include <QFileInfo>

// QSerialPortInfo::description() comes from udev and is empty where udev does not run.
static QString UsbProduct(const QSerialPortInfo& info) {
    return SerialDriver::UsbProductOf(QStringLiteral("/sys/class/tty"), info.portName());
}

QString SerialDriver::UsbProductOf(const QString& ttyClassDir, const QString& portName) {
    if (portName.isEmpty() || portName.contains(QLatin1Char('/')))
        return {};
    const QString device = QFileInfo(ttyClassDir + QLatin1Char('/') + portName + QStringLiteral("/device"))
                               .canonicalFilePath();
    if (device.isEmpty())
        return {};
    // The tty hangs off the USB interface; the product string sits on the USB device above it.
    QDir dir(device);
    do {
        QFile product(dir.filePath(QStringLiteral("product")));
        if (product.open(QIODevice::ReadOnly)) {
            QString text = QString::fromUtf8(product.read(256));
            while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
                text.chop(1);
            return text;
        }
    } while (dir.cdUp());
    return {};
}
#else
static QString UsbProduct(const QSerialPortInfo& info) {
    return info.description();
}
#endif
#endif

QString SerialDriver::FindPortByProduct(const char* description) {
    if (description == nullptr)
        return {};
    const QString wanted = QString::fromUtf8(description);
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports) {
        if (UsbProduct(info) == wanted)
            return info.systemLocation();
    }
    return {};
}

SerialDriver::SerialDriver() : SerialDriver(&SerialDriver::FindPortByProduct) {}

SerialDriver::SerialDriver(PortLocator locator) : m_locator(std::move(locator)) {}

SerialDriver::~SerialDriver() = default;

bool SerialDriver::IsOpen(FT_HANDLE handle) const {
    return handle != nullptr && m_port != nullptr && m_port->isOpen() &&
           reinterpret_cast<std::uintptr_t>(handle) == m_generation;
}

void SerialDriver::Drop() {
    if (m_port != nullptr && m_port->isOpen())
        m_port->close();
}

FT_STATUS SerialDriver::GetModemStatus(FT_HANDLE handle, std::uint32_t* modemStatus) {
    if (modemStatus != nullptr)
        *modemStatus = 0;
    if (!IsOpen(handle))
        return handle == nullptr ? FT_INVALID_HANDLE : FT_IO_ERROR;
    if (!PortIsAlive(*m_port)) {
        Drop();
        return FT_IO_ERROR;
    }
    return FT_OK;
}

FT_STATUS SerialDriver::Close(FT_HANDLE handle) {
    if (handle == nullptr || m_port == nullptr || reinterpret_cast<std::uintptr_t>(handle) != m_generation)
        return FT_INVALID_HANDLE;
    m_port.reset();
    return FT_OK;
}

FT_STATUS SerialDriver::OpenEx(const char* description, std::uint32_t flags, FT_HANDLE* handle) {
    if (description == nullptr || handle == nullptr)
        return FT_OTHER_ERROR;
    if (flags != FT_OPEN_BY_DESCRIPTION)
        return FT_DEVICE_NOT_FOUND;
    if (m_port != nullptr && m_port->isOpen())
        return FT_DEVICE_NOT_OPENED;  // already open through another handle
    const QString name = m_locator ? m_locator(description) : QString();
    if (name.isEmpty())
        return FT_DEVICE_NOT_FOUND;

    auto port = std::make_unique<QSerialPort>();
    port->setPortName(name);
    QSerialPort* raw = port.get();
    // After an unplug QSerialPort may report the same error again and again from the event
    // loop; the first one closes the port and the next liveness query notices.
    QObject::connect(raw, &QSerialPort::errorOccurred, raw, [raw](QSerialPort::SerialPortError error) {
        if ((error == QSerialPort::ResourceError || error == QSerialPort::ReadError) && raw->isOpen())
            raw->close();
    });
    if (!port->open(QIODevice::ReadWrite))
        return FT_DEVICE_NOT_OPENED;

    m_port = std::move(port);
    ++m_generation;
    *handle = reinterpret_cast<FT_HANDLE>(m_generation);
    return FT_OK;
}

FT_STATUS SerialDriver::ResetDevice(FT_HANDLE handle) {
    if (!IsOpen(handle))
        return FT_INVALID_HANDLE;
    return Purge(handle, FT_PURGE_RX | FT_PURGE_TX);
}

FT_STATUS SerialDriver::SetTimeouts(FT_HANDLE handle, std::uint32_t readTimeoutMs, std::uint32_t writeTimeoutMs) {
    if (!IsOpen(handle))
        return FT_INVALID_HANDLE;
    m_readTimeoutMs = readTimeoutMs;
    m_writeTimeoutMs = writeTimeoutMs;
    return FT_OK;
}

FT_STATUS SerialDriver::SetBaudRate(FT_HANDLE handle, std::uint32_t baudRate) {
    if (!IsOpen(handle))
        return FT_INVALID_HANDLE;
    if (baudRate == 0 || baudRate > static_cast<std::uint32_t>(std::numeric_limits<qint32>::max()))
        return FT_OTHER_ERROR;
    return m_port->setBaudRate(static_cast<qint32>(baudRate)) ? FT_OK : FT_IO_ERROR;
}

FT_STATUS SerialDriver::Purge(FT_HANDLE handle, std::uint32_t mask) {
    if (!IsOpen(handle))
        return FT_INVALID_HANDLE;
    QSerialPort::Directions directions;
    if (mask & FT_PURGE_RX)
        directions |= QSerialPort::Input;
    if (mask & FT_PURGE_TX)
        directions |= QSerialPort::Output;
    if (directions == QSerialPort::Directions())
        return FT_OK;
    const bool cleared = m_port->clear(directions);
    // Bytes QSerialPort has already taken from the system are dropped too, whatever its version.
    if ((mask & FT_PURGE_RX) && m_port->isOpen())
        m_port->skip(m_port->bytesAvailable());
    return cleared ? FT_OK : FT_IO_ERROR;
}

FT_STATUS SerialDriver::Read(FT_HANDLE handle, void* buffer, std::uint32_t size, std::uint32_t* received) {
    std::uint32_t count = 0;
    FT_STATUS status = FT_INVALID_HANDLE;
    if (buffer == nullptr && size > 0) {
        status = FT_OTHER_ERROR;
    } else if (IsOpen(handle)) {
        status = FT_OK;
        auto* out = static_cast<char*>(buffer);
        const QDeadlineTimer deadline(static_cast<qint64>(m_readTimeoutMs), Qt::PreciseTimer);
        while (count < size && m_port->isOpen()) {
            if (m_port->bytesAvailable() > 0) {
                const qint64 got = m_port->read(out + count, static_cast<qint64>(size - count));
                if (got < 0) {
                    status = FT_IO_ERROR;
                    break;
                }
                count += static_cast<std::uint32_t>(got);
                continue;
            }
            if (deadline.hasExpired())
                break;
            m_port->clearError();
            if (!m_port->waitForReadyRead(static_cast<int>(deadline.remainingTime())) &&
                m_port->error() != QSerialPort::NoError && m_port->error() != QSerialPort::TimeoutError) {
                status = FT_IO_ERROR;
                break;
            }
        }
    }
    if (received != nullptr)
        *received = count;
    return status;
}

FT_STATUS SerialDriver::Write(FT_HANDLE handle, const void* buffer, std::uint32_t size, std::uint32_t* written) {
    std::uint32_t count = 0;
    FT_STATUS status = FT_INVALID_HANDLE;
    if (buffer == nullptr && size > 0) {
        status = FT_OTHER_ERROR;
    } else if (IsOpen(handle)) {
        const qint64 queued = m_port->write(static_cast<const char*>(buffer), static_cast<qint64>(size));
        status = queued < 0 ? FT_IO_ERROR : FT_OK;
        // No event loop runs during a tick: push the bytes out here, within the write time-out.
        const QDeadlineTimer deadline(static_cast<qint64>(m_writeTimeoutMs), Qt::PreciseTimer);
        while (status == FT_OK && m_port->isOpen() && m_port->bytesToWrite() > 0) {
            if (!m_port->waitForBytesWritten(static_cast<int>(deadline.remainingTime())) || deadline.hasExpired())
                break;
        }
        if (queued > 0) {
            const qint64 left = m_port->isOpen() ? m_port->bytesToWrite() : queued;
            count = static_cast<std::uint32_t>(std::clamp<qint64>(queued - left, 0, size));
            // Like D2XX, what missed the time-out is not sent later; it must not pile up either.
            if (left > 0 && m_port->isOpen())
                m_port->clear(QSerialPort::Output);
        }
        if (count < size)
            status = FT_IO_ERROR;
    }
    if (written != nullptr)
        *written = count;
    return status;
}
