#pragma once
// The nine driver operations the device link uses, shaped after the vendor's D2XX API.
// Every integer is 32-bit on every platform; a handle is an opaque pointer.

#include <cstdint>

using FT_STATUS = std::uint32_t;
using FT_HANDLE = void*;

inline constexpr FT_STATUS FT_OK = 0;
inline constexpr FT_STATUS FT_INVALID_HANDLE = 1;
inline constexpr FT_STATUS FT_DEVICE_NOT_FOUND = 2;
inline constexpr FT_STATUS FT_DEVICE_NOT_OPENED = 3;
inline constexpr FT_STATUS FT_IO_ERROR = 4;
inline constexpr FT_STATUS FT_OTHER_ERROR = 18;

inline constexpr std::uint32_t FT_PURGE_RX = 1;
inline constexpr std::uint32_t FT_PURGE_TX = 2;
inline constexpr std::uint32_t FT_OPEN_BY_DESCRIPTION = 2;

// What the link relies on from every driver:
//  - GetModemStatus fails for a null, closed or vanished handle and succeeds while the unit is attached and open;
//  - Close of a null or already closed handle is harmless;
//  - OpenEx by description fills in the handle and returns FT_OK only when such a unit is attached;
//  - Read returns after `size` bytes or the read time-out and writes only the bytes received, from the start;
//  - Purge with FT_PURGE_RX | FT_PURGE_TX drops unread and unsent bytes;
//  - Write to a lost unit fails without harm.
class IDeviceDriver {
public:
    virtual ~IDeviceDriver() = default;
    virtual FT_STATUS GetModemStatus(FT_HANDLE handle, std::uint32_t* modemStatus) = 0;
    virtual FT_STATUS Close(FT_HANDLE handle) = 0;
    virtual FT_STATUS OpenEx(const char* description, std::uint32_t flags, FT_HANDLE* handle) = 0;
    virtual FT_STATUS ResetDevice(FT_HANDLE handle) = 0;
    virtual FT_STATUS SetTimeouts(FT_HANDLE handle, std::uint32_t readTimeoutMs, std::uint32_t writeTimeoutMs) = 0;
    virtual FT_STATUS SetBaudRate(FT_HANDLE handle, std::uint32_t baudRate) = 0;
    virtual FT_STATUS Purge(FT_HANDLE handle, std::uint32_t mask) = 0;
    virtual FT_STATUS Read(FT_HANDLE handle, void* buffer, std::uint32_t size, std::uint32_t* received) = 0;
    virtual FT_STATUS Write(FT_HANDLE handle, const void* buffer, std::uint32_t size, std::uint32_t* written) = 0;
};
