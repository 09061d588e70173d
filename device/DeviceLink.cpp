#include "DeviceLink.h"

bool DeviceLink::CheckLink() {
    std::uint32_t modemStatus = 0;
    m_lastStatus = m_driver.GetModemStatus(m_handle, &modemStatus);
    if (m_lastStatus == FT_OK)
        return true;

    m_driver.Close(m_handle);
    m_lastStatus = m_driver.OpenEx(kUnitDescription, FT_OPEN_BY_DESCRIPTION, &m_handle);
    if (m_lastStatus != FT_OK) {
        m_driver.Close(m_handle);
        return false;
    }
    m_driver.ResetDevice(m_handle);
    m_driver.SetTimeouts(m_handle, kReadTimeoutMs, kWriteTimeoutMs);
    m_driver.SetBaudRate(m_handle, kUnitBaudRate);
    m_clock.Sleep(kSettleAfterOpen);
    return false;
}

void DeviceLink::PurgeLink() {
    m_driver.Purge(m_handle, kPurgeBoth);
}

void DeviceLink::WriteFrame(const Frame& frame) {
    std::uint32_t written = 0;
    m_driver.Write(m_handle, frame.data(), static_cast<std::uint32_t>(frame.size()), &written);
}

void DeviceLink::ReadReply(ReplyArea& area) {
    std::uint32_t received = 0;
    m_driver.Read(m_handle, area.data(), static_cast<std::uint32_t>(kReplySize), &received);
    // The NUL behind the reply is ours, whatever the driver did.
    area.bytes[kReplySize] = '\0';
}
