#include "PollController.h"

#include <utility>

bool PollController::SendPendingCommand() {
    struct Slot {
        int PendingCommands::*flag;
        PlainCommand command;
    };
    static constexpr Slot kOrder[] = {
        {&PendingCommands::m_nStart, PlainCommand::Start},
        {&PendingCommands::m_nStop, PlainCommand::Stop},
        {&PendingCommands::m_nQuiet, PlainCommand::Quiet},
        {&PendingCommands::m_nAlarm, PlainCommand::Alarm},
    };
    for (const Slot& slot : kOrder) {
        if (m_pending.*slot.flag) {
            // Cleared before the write: a lost write loses the command, it is never repeated.
            m_pending.*slot.flag = 0;
            m_link.WriteFrame(BuildFrame(slot.command));
            return true;
        }
    }
    return false;
}

void PollController::Tick(IPanelView& panel) {
    if (m_bInTick)
        return;
    m_bInTick = true;

    ReplyArea reply;  // ten '-' and a NUL
    if (m_link.CheckLink()) {
        if (SendPendingCommand()) {
            m_bInTick = false;
            return;
        }
        m_link.PurgeLink();
        m_clock.Sleep(kWaitAfterPurge);
        m_link.WriteFrame(BuildFrame(PlainCommand::Data));
        m_clock.Sleep(kWaitAfterData);
        m_link.ReadReply(reply);
    }
    m_lastReply = reply;
    DecodeStatusReply(reply, m_state, panel);
    panel.DrawTimeText();
    m_bInTick = false;
}
