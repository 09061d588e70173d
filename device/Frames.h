#pragma once
// Command frames sent to the timer unit: STX, a five-character ASCII command field, ETX.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

inline constexpr std::uint8_t STX = 0x02;
inline constexpr std::uint8_t ETX = 0x03;
inline constexpr std::size_t kFrameSize = 7;

using Frame = std::array<std::uint8_t, kFrameSize>;

// Commands whose seven bytes never change.
enum class PlainCommand { Start, Stop, Alarm, Quiet, Data };

// Commands that carry a two-digit minute field at offsets 4 and 5.
enum class SettingCommand { Tim, Amb, Mic };

// The range of every minute value the console may put on the wire.
inline constexpr int kMinMinutes = 0;
inline constexpr int kMaxMinutes = 90;

Frame BuildFrame(PlainCommand command);

// Returns no frame for minutes outside 0..90: such a value must never reach the unit.
std::optional<Frame> BuildSettingFrame(SettingCommand command, int minutes);

// A frame as the unit understands it; used by the simulated unit and by checks on what went out.
struct ParsedFrame {
    enum class Kind { Start, Stop, Alarm, Quiet, Data, Tim, Amb, Mic } kind;
    int minutes = 0;  // for Tim, Amb, Mic
};

// Recognises exactly the eight frame forms, with minute digits "00" to "90".
std::optional<ParsedFrame> ParseFrame(const std::uint8_t* bytes, std::size_t size);
inline std::optional<ParsedFrame> ParseFrame(const Frame& frame) { return ParseFrame(frame.data(), frame.size()); }
