#pragma once
// An in-process driver that presents a SimulatedUnit under the description "Karvelostrum",
// with the faults tests need: unplug and replug, silence, short, late and noisy answers.

#include "Clock.h"
#include "DeviceDriver.h"
#include "SimulatedUnit.h"

#include <cstdint>
#include <deque>
#include <vector>

struct SimFaults {
    bool silent = false;     // the unit takes frames but never answers
    int shortAnswer = -1;    // when >= 0, only this many bytes of each answer arrive
    Millis lateBy{0};        // an answer arrives this long after the frame
    int noiseBytes = 0;      // this many garbage bytes arrive before each answer
};

class SimDriver final : public IDeviceDriver {
public:
    SimDriver(SimulatedUnit& unit, IClock& clock) : m_unit(unit), m_clock(clock) {}

    void Unplug();
    void Replug();
    bool IsPlugged() const { return m_bPlugged; }
    SimFaults& Faults() { return m_faults; }
    // Every frame written through the driver to an open unit, oldest first.
    const std::vector<std::vector<std::uint8_t>>& Written() const { return m_written; }
    void ClearWritten() { m_written.clear(); }

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

    struct Pending {
        Millis arrivesAt;
        std::uint8_t byte;
    };

    SimulatedUnit& m_unit;
    IClock& m_clock;
    SimFaults m_faults;
    bool m_bPlugged = true;
    std::uintptr_t m_openHandle = 0;  // 0 when closed
    std::uintptr_t m_nextHandle = 1;
    std::uint32_t m_readTimeoutMs = 0;
    std::deque<Pending> m_rx;
    std::uint32_t m_noiseSeed = 12345;
    std::vector<std::vector<std::uint8_t>> m_written;
};
