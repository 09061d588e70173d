// A D2XX library for the tests: the vendor's entry points, declared by us from the public API,
// answered by the simulated unit on a virtual clock (so reads never wait for real), plus a few
// switches and counters the tests reach with dlsym.

#include "Clock.h"
#include "DeviceDriver.h"
#include "SimDriver.h"
#include "SimulatedUnit.h"

#include <cstdint>
#include <memory>

#define STANDIN_EXPORT extern "C" __attribute__((visibility("default")))

struct StandIn {
    VirtualClock clock;
    SimulatedUnit unit{clock};
    SimDriver driver{unit, clock};
    bool bNoUsb = false;
    FT_HANDLE current = nullptr;  // the handle given out and not yet closed
    int nOpenExCalls = 0;
    int nStrangerCalls = 0;       // calls with a handle the library never gave out or has closed
    std::uint32_t baudRate = 0;
    std::uint32_t readTimeout = 0;
    std::uint32_t writeTimeout = 0;
};

static std::unique_ptr<StandIn>& Slot() {
    static std::unique_ptr<StandIn> standIn = std::make_unique<StandIn>();
    return standIn;
}

static StandIn& State() {
    return *Slot();
}

// The real library would follow a freed pointer here; the stand-in only counts it.
static bool Known(FT_HANDLE handle) {
    if (handle != nullptr && handle == State().current)
        return true;
    ++State().nStrangerCalls;
    return false;
}

STANDIN_EXPORT FT_STATUS FT_CreateDeviceInfoList(std::uint32_t* count) {
    if (State().bNoUsb)
        return FT_OTHER_ERROR;
    if (count != nullptr)
        *count = State().driver.IsPlugged() ? 1 : 0;
    return FT_OK;
}

STANDIN_EXPORT FT_STATUS FT_OpenEx(void* arg, std::uint32_t flags, FT_HANDLE* handle) {
    ++State().nOpenExCalls;
    if (State().bNoUsb)
        return FT_DEVICE_NOT_FOUND;
    const FT_STATUS status = State().driver.OpenEx(static_cast<const char*>(arg), flags, handle);
    if (status == FT_OK)
        State().current = *handle;
    return status;
}

STANDIN_EXPORT FT_STATUS FT_Close(FT_HANDLE handle) {
    if (!Known(handle))
        return FT_INVALID_HANDLE;
    State().current = nullptr;
    State().driver.Close(handle);
    return FT_OK;
}

STANDIN_EXPORT FT_STATUS FT_GetModemStatus(FT_HANDLE handle, std::uint32_t* modemStatus) {
    return Known(handle) ? State().driver.GetModemStatus(handle, modemStatus) : FT_INVALID_HANDLE;
}

STANDIN_EXPORT FT_STATUS FT_ResetDevice(FT_HANDLE handle) {
    return Known(handle) ? State().driver.ResetDevice(handle) : FT_INVALID_HANDLE;
}

STANDIN_EXPORT FT_STATUS FT_SetTimeouts(FT_HANDLE handle, std::uint32_t readTimeout, std::uint32_t writeTimeout) {
    if (!Known(handle))
        return FT_INVALID_HANDLE;
    State().readTimeout = readTimeout;
    State().writeTimeout = writeTimeout;
    return State().driver.SetTimeouts(handle, readTimeout, writeTimeout);
}

STANDIN_EXPORT FT_STATUS FT_SetBaudRate(FT_HANDLE handle, std::uint32_t baudRate) {
    if (!Known(handle))
        return FT_INVALID_HANDLE;
    State().baudRate = baudRate;
    return State().driver.SetBaudRate(handle, baudRate);
}

#ifndef STANDIN_WITHOUT_PURGE
STANDIN_EXPORT FT_STATUS FT_Purge(FT_HANDLE handle, std::uint32_t mask) {
    return Known(handle) ? State().driver.Purge(handle, mask) : FT_INVALID_HANDLE;
}
#endif

STANDIN_EXPORT FT_STATUS FT_Read(FT_HANDLE handle, void* buffer, std::uint32_t size, std::uint32_t* received) {
    if (!Known(handle)) {
        *received = 0;
        return FT_INVALID_HANDLE;
    }
    return State().driver.Read(handle, buffer, size, received);
}

STANDIN_EXPORT FT_STATUS FT_Write(FT_HANDLE handle, void* buffer, std::uint32_t size, std::uint32_t* written) {
    if (!Known(handle)) {
        *written = 0;
        return FT_INVALID_HANDLE;
    }
    return State().driver.Write(handle, buffer, size, written);
}

// Switches and counters for the tests.

STANDIN_EXPORT void StandIn_Reset() {
    Slot() = std::make_unique<StandIn>();
}

STANDIN_EXPORT void StandIn_Unplug() {
    State().driver.Unplug();
}

STANDIN_EXPORT void StandIn_Replug() {
    State().driver.Replug();
}

// A machine without USB: the device list cannot be made, and opening would crash the real library.
STANDIN_EXPORT void StandIn_SetNoUsb(int noUsb) {
    State().bNoUsb = noUsb != 0;
}

// When >= 0, only this many bytes of each answer arrive.
STANDIN_EXPORT void StandIn_SetAnswerBytes(int count) {
    State().driver.Faults().shortAnswer = count;
}

STANDIN_EXPORT int StandIn_UnitReceivedCount() {
    return static_cast<int>(State().unit.Received().size());
}

STANDIN_EXPORT int StandIn_OpenExCalls() {
    return State().nOpenExCalls;
}

STANDIN_EXPORT int StandIn_StrangerHandleCalls() {
    return State().nStrangerCalls;
}

STANDIN_EXPORT std::uint32_t StandIn_BaudRate() {
    return State().baudRate;
}

STANDIN_EXPORT std::uint32_t StandIn_ReadTimeout() {
    return State().readTimeout;
}

STANDIN_EXPORT std::uint32_t StandIn_WriteTimeout() {
    return State().writeTimeout;
}
