#pragma once
// The 300 ms poll tick: checks and reopens the link, sends one pending command,
// or fetches the unit's status and shows it.

#include "Clock.h"
#include "DeviceLink.h"
#include "PanelView.h"
#include "StatusDecoder.h"

inline constexpr Millis kPollPeriod{300};
inline constexpr Millis kWaitAfterPurge{20};
inline constexpr Millis kWaitAfterData{80};

// One-shot flags armed by the buttons and sent by the tick, one per tick, in this order.
struct PendingCommands {
    int m_nStart = 0;
    int m_nStop = 0;
    int m_nQuiet = 0;
    int m_nAlarm = 0;
};

class PollController {
public:
    PollController(DeviceLink& link, IClock& clock) : m_link(link), m_clock(clock) {}

    // One tick. Ignored if called again from inside a tick.
    void Tick(IPanelView& panel);

    void ArmStart() { m_pending.m_nStart = 1; }
    void ArmStop() { m_pending.m_nStop = 1; }
    void ArmQuiet() { m_pending.m_nQuiet = 1; }
    void ArmAlarm() { m_pending.m_nAlarm = 1; }

    const PendingCommands& Pending() const { return m_pending; }
    const StatusState& State() const { return m_state; }
    // The reply area the last decoding worked from: a reopen tick's is all '-'.
    const ReplyArea& LastDecodedReply() const { return m_lastReply; }
    DeviceLink& Link() { return m_link; }

private:
    bool SendPendingCommand();

    DeviceLink& m_link;
    IClock& m_clock;
    PendingCommands m_pending;
    StatusState m_state;
    ReplyArea m_lastReply;
    bool m_bInTick = false;
};
