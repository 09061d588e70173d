#pragma once
// The console's one channel to the timer unit: finds it by its USB description string,
// checks it on every poll tick, reopens it when it is gone, carries frames and replies.

#include "Clock.h"
#include "DeviceDriver.h"
#include "Frames.h"
#include "StatusReply.h"

inline constexpr char kUnitDescription[] = "Karvelostrum";
inline constexpr std::uint32_t kUnitBaudRate = 115200;
inline constexpr std::uint32_t kReadTimeoutMs = 100;
inline constexpr std::uint32_t kWriteTimeoutMs = 100;
inline constexpr Millis kSettleAfterOpen{100};
inline constexpr std::uint32_t kPurgeBoth = FT_PURGE_RX | FT_PURGE_TX;

class DeviceLink {
public:
    DeviceLink(IDeviceDriver& driver, IClock& clock) : m_driver(driver), m_clock(clock) {}

    // True when the unit answered the liveness query. Otherwise tries to reopen it and
    // returns false either way: a reopened unit carries traffic from the next tick on.
    bool CheckLink();
    void PurgeLink();
    void WriteFrame(const Frame& frame);
    // Reads at most ten bytes into the area; bytes that do not come keep what the area held.
    void ReadReply(ReplyArea& area);

    FT_HANDLE Handle() const { return m_handle; }
    FT_STATUS LastStatus() const { return m_lastStatus; }

private:
    IDeviceDriver& m_driver;
    IClock& m_clock;
    FT_HANDLE m_handle = nullptr;  // only OpenEx writes it; a close leaves the old value
    FT_STATUS m_lastStatus = FT_OK;
};
