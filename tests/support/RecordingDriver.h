#pragma once
// A driver that records every call as text and answers as a test tells it to.

#include "DeviceDriver.h"

#include <cstring>
#include <deque>
#include <string>
#include <vector>

class RecordingDriver final : public IDeviceDriver {
public:
    bool m_bAttached = true;           // OpenEx succeeds, GetModemStatus on the open handle succeeds
    std::string m_reply = "20:00S2002";  // what the next Read delivers (at most what is asked)
    std::vector<std::string> m_calls;

    std::vector<std::string> TakeCalls() { return std::exchange(m_calls, {}); }

    FT_STATUS GetModemStatus(FT_HANDLE handle, std::uint32_t* status) override {
        m_calls.push_back("GetModemStatus " + Name(handle));
        *status = 0;
        return m_bAttached && handle != nullptr && handle == m_open ? FT_OK : FT_IO_ERROR;
    }
    FT_STATUS Close(FT_HANDLE handle) override {
        m_calls.push_back("Close " + Name(handle));
        if (handle == m_open)
            m_open = nullptr;
        return FT_OK;
    }
    FT_STATUS OpenEx(const char* description, std::uint32_t flags, FT_HANDLE* handle) override {
        m_calls.push_back(std::string("OpenEx ") + description + " " + std::to_string(flags));
        if (!m_bAttached)
            return FT_DEVICE_NOT_FOUND;
        *handle = m_open = &m_handles[m_nOpened++ % 2];
        return FT_OK;
    }
    FT_STATUS ResetDevice(FT_HANDLE handle) override {
        m_calls.push_back("ResetDevice " + Name(handle));
        return FT_OK;
    }
    FT_STATUS SetTimeouts(FT_HANDLE handle, std::uint32_t read, std::uint32_t write) override {
        m_calls.push_back("SetTimeouts " + Name(handle) + " " + std::to_string(read) + " " + std::to_string(write));
        return FT_OK;
    }
    FT_STATUS SetBaudRate(FT_HANDLE handle, std::uint32_t baud) override {
        m_calls.push_back("SetBaudRate " + Name(handle) + " " + std::to_string(baud));
        return FT_OK;
    }
    FT_STATUS Purge(FT_HANDLE handle, std::uint32_t mask) override {
        m_calls.push_back("Purge " + Name(handle) + " " + std::to_string(mask));
        return FT_OK;
    }
    FT_STATUS Read(FT_HANDLE handle, void* buffer, std::uint32_t size, std::uint32_t* received) override {
        m_calls.push_back("Read " + Name(handle) + " " + std::to_string(size));
        *received = static_cast<std::uint32_t>(std::min<std::size_t>(size, m_reply.size()));
        std::memcpy(buffer, m_reply.data(), *received);
        return FT_OK;
    }
    FT_STATUS Write(FT_HANDLE handle, const void* buffer, std::uint32_t size, std::uint32_t* written) override {
        std::string text(static_cast<const char*>(buffer), size);
        for (char& c : text)
            if (c == '\x02' || c == '\x03')
                c = '|';
        m_calls.push_back("Write " + Name(handle) + " " + text);
        *written = size;
        return FT_OK;
    }

private:
    std::string Name(FT_HANDLE handle) const {
        if (handle == nullptr)
            return "null";
        return handle == &m_handles[0] ? "h1" : "h2";
    }

    int m_handles[2] = {};
    FT_HANDLE m_open = nullptr;
    int m_nOpened = 0;
};
