#pragma once
// The ten-byte status reply that answers DATA, and the '-'-prefilled area it is read into.

#include <array>
#include <cstddef>

inline constexpr std::size_t kReplySize = 10;
inline constexpr char kNoAnswer = '-';

// Byte offsets inside the reply.
inline constexpr std::size_t kReplyTime = 0;     // five characters of time text
inline constexpr std::size_t kReplyTimeLength = 5;
inline constexpr std::size_t kReplyState = 5;    // 'R', 'r', 'S', 's'
inline constexpr std::size_t kReplyLength = 6;   // two digits, lecture length
inline constexpr std::size_t kReplyAmber = 8;    // two digits, yellow-light lead time

// Ten reply bytes and a NUL behind them. Whatever the unit does not deliver stays '-'.
struct ReplyArea {
    std::array<char, kReplySize + 1> bytes;

    ReplyArea() { Prefill(); }
    void Prefill() {
        bytes.fill(kNoAnswer);
        bytes[kReplySize] = '\0';
    }
    char operator[](std::size_t offset) const { return bytes[offset]; }
    char* data() { return bytes.data(); }
    const char* data() const { return bytes.data(); }
};

// The unit marks overtime by raising the leading digit by 0x10, '@' to 'I'.
// The test is on a signed character, so bytes of 0x80 and above are not overtime.
inline bool IsOvertimeMarker(char leading) { return static_cast<signed char>(leading) > '?'; }
inline char OvertimeDigit(char leading) { return static_cast<char>(leading - 0x10); }
