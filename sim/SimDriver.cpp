#include "SimDriver.h"

#include <cstring>
#include <string_view>

namespace {
FT_HANDLE AsHandle(std::uintptr_t value) { return reinterpret_cast<FT_HANDLE>(value); }
}  // namespace

bool SimDriver::IsOpen(FT_HANDLE handle) const {
    return m_bPlugged && m_openHandle != 0 && handle == AsHandle(m_openHandle);
}

void SimDriver::Unplug() {
    m_bPlugged = false;
    m_openHandle = 0;  // the old handle never works again, as with a real unplug
    m_rx.clear();
}

void SimDriver::Replug() {
    m_bPlugged = true;
}

FT_STATUS SimDriver::GetModemStatus(FT_HANDLE handle, std::uint32_t* modemStatus) {
    if (!IsOpen(handle))
        return handle == nullptr ? FT_INVALID_HANDLE : FT_IO_ERROR;
    *modemStatus = 0;
    return FT_OK;
}

FT_STATUS SimDriver::Close(FT_HANDLE handle) {
    if (m_openHandle == 0 || handle != AsHandle(m_openHandle))
        return FT_INVALID_HANDLE;
    m_openHandle = 0;
    m_rx.clear();
    return FT_OK;
}

FT_STATUS SimDriver::OpenEx(const char* description, std::uint32_t flags, FT_HANDLE* handle) {
    if (!m_bPlugged || flags != FT_OPEN_BY_DESCRIPTION || description == nullptr ||
        std::string_view(description) != "Karvelostrum")
        return FT_DEVICE_NOT_FOUND;
    if (m_openHandle != 0)
        return FT_DEVICE_NOT_OPENED;  // already open through another handle
    m_openHandle = m_nextHandle++;
    m_rx.clear();
    *handle = AsHandle(m_openHandle);
    return FT_OK;
}

FT_STATUS SimDriver::ResetDevice(FT_HANDLE handle) {
    return IsOpen(handle) ? FT_OK : FT_INVALID_HANDLE;
}

FT_STATUS SimDriver::SetTimeouts(FT_HANDLE handle, std::uint32_t readTimeoutMs, std::uint32_t) {
    if (!IsOpen(handle))
        return FT_INVALID_HANDLE;
    m_readTimeoutMs = readTimeoutMs;
    return FT_OK;
}

FT_STATUS SimDriver::SetBaudRate(FT_HANDLE handle, std::uint32_t) {
    return IsOpen(handle) ? FT_OK : FT_INVALID_HANDLE;
}

FT_STATUS SimDriver::Purge(FT_HANDLE handle, std::uint32_t mask) {
    if (!IsOpen(handle))
        return FT_INVALID_HANDLE;
    if (mask & FT_PURGE_RX)
        m_rx.clear();
    return FT_OK;
}

FT_STATUS SimDriver::Write(FT_HANDLE handle, const void* buffer, std::uint32_t size, std::uint32_t* written) {
    *written = 0;
    if (!IsOpen(handle))
        return FT_IO_ERROR;
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    m_written.emplace_back(bytes, bytes + size);
    *written = size;

    std::vector<std::uint8_t> answer = m_unit.Receive(bytes, size);
    if (answer.empty() || m_faults.silent)
        return FT_OK;
    if (m_faults.shortAnswer >= 0 && static_cast<std::size_t>(m_faults.shortAnswer) < answer.size())
        answer.resize(static_cast<std::size_t>(m_faults.shortAnswer));
    const Millis arrives = m_clock.Now() + m_faults.lateBy;
    for (int i = 0; i < m_faults.noiseBytes; ++i) {
        m_noiseSeed = m_noiseSeed * 1103515245u + 12345u;
        m_rx.push_back({arrives, static_cast<std::uint8_t>(m_noiseSeed >> 16)});
    }
    for (std::uint8_t byte : answer)
        m_rx.push_back({arrives, byte});
    return FT_OK;
}

FT_STATUS SimDriver::Read(FT_HANDLE handle, void* buffer, std::uint32_t size, std::uint32_t* received) {
    *received = 0;
    if (!IsOpen(handle))
        return FT_IO_ERROR;
    auto* out = static_cast<std::uint8_t*>(buffer);
    const Millis deadline = m_clock.Now() + Millis{m_readTimeoutMs};
    while (*received < size) {
        if (!m_rx.empty() && m_rx.front().arrivesAt <= m_clock.Now()) {
            out[(*received)++] = m_rx.front().byte;
            m_rx.pop_front();
            continue;
        }
        const Millis now = m_clock.Now();
        if (now >= deadline)
            break;
        const Millis next = m_rx.empty() ? deadline : std::min(deadline, m_rx.front().arrivesAt);
        m_clock.Sleep(next - now);
    }
    return FT_OK;
}
