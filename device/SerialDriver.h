#pragma once
// The unit through the operating system's own FTDI driver (ttyUSB, COM port), for machines
// without the vendor's D2XX library. Gives the link the same results as D2XX would.

#include "DeviceDriver.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QSerialPort;

class SerialDriver final : public IDeviceDriver {
public:
    // The system name or path of the port whose unit has this USB description, or empty.
    using PortLocator = std::function<QString(const char* description)>;

    // Finds the unit among the system's serial ports by its USB product string.
    SerialDriver();
    explicit SerialDriver(PortLocator locator);
    ~SerialDriver() override;
    SerialDriver(const SerialDriver&) = delete;
    SerialDriver& operator=(const SerialDriver&) = delete;

    // The default locator: the first port whose USB product string equals the description.
    static QString FindPortByProduct(const char* description);
#if defined(Q_OS_LINUX)
    // The USB product string of a tty, read from sysfs as udev would; empty when it has none.
    // ttyClassDir is normally /sys/class/tty.
    static QString UsbProductOf(const QString& ttyClassDir, const QString& portName);
#endif

    FT_STATUS GetModemStatus(FT_HANDLE handle, std::uint32_t* modemStatus) override;
    FT_STATUS Close(FT_HANDLE handle) override;
    FT_STATUS OpenEx(const char* description, std::uint32_t flags, FT_HANDLE* handle) override;
    FT_STATUS ResetDevice(FT_HANDLE handle) override;
    FT_STATUS SetTimeouts(FT_HANDLE handle, std::uint32_t readTimeoutMs, std::uint32_t writeTimeoutMs) override;
    FT_STATUS SetBaudRate(FT_HANDLE handle, std::uint32_t baudRate) override;
    FT_STATUS Purge(FT_HANDLE handle, std::uint32_t mask) override;
    FT_STATUS Read(FT_HANDLE handle, void* buffer, std::uint32_t size, std::uint32_t* received) override;
    FT_STATUS Write(FT_HANDLE handle, const void* buffer, std::uint32_t size, std::uint32_t* written) override;

private:
    bool IsOpen(FT_HANDLE handle) const;
    void Drop();

    PortLocator m_locator;
    std::unique_ptr<QSerialPort> m_port;
    // A handle is the number of the open it came from, never an address: a handle that
    // outlived its port can never match a later one.
    std::uintptr_t m_generation = 0;
    std::uint32_t m_readTimeoutMs = 0;
    std::uint32_t m_writeTimeoutMs = 0;
};
