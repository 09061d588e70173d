#pragma once
// The vendor's D2XX library, loaded at run time so that the console starts without it
// (and falls back to the serial driver) and builds where the library is not installed.

#include "DeviceDriver.h"

#include <memory>
#include <string>
#include <vector>

struct D2xxApi;  // the library's entry points

class D2xxDriver final : public IDeviceDriver {
public:
    // Where the platform keeps the library: FTD2XX.dll (bound by ordinal) on Windows,
    // libftd2xx.so then /usr/local/lib/libftd2xx.so on Linux, libftd2xx.dylib on macOS.
    static std::vector<std::string> StandardCandidates();

    // Null when no candidate loads with all nine functions; *why (when given) then says why.
    static std::unique_ptr<D2xxDriver> Load(std::string* why);
    static std::unique_ptr<D2xxDriver> LoadFrom(const std::vector<std::string>& candidates, std::string* why);

    ~D2xxDriver() override;
    D2xxDriver(const D2xxDriver&) = delete;
    D2xxDriver& operator=(const D2xxDriver&) = delete;

    // The candidate that was loaded.
    const std::string& LibraryPath() const { return m_path; }

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
    D2xxDriver(std::string path, std::unique_ptr<D2xxApi> api);
    bool IsOurs(FT_HANDLE handle) const;

    std::string m_path;
    std::unique_ptr<D2xxApi> m_api;
    // Handles the library gave us and we have not closed. The link closes stale and null
    // handles on every tick while the unit is away; those never reach the library.
    std::vector<FT_HANDLE> m_open;
};
