#include "Frames.h"

#include <cstring>

namespace {

struct FrameText {
    ParsedFrame::Kind kind;
    const char* field;  // five characters, or three for the setting commands
};

constexpr FrameText kPlain[] = {
    {ParsedFrame::Kind::Start, "START"}, {ParsedFrame::Kind::Stop, "STOP "}, {ParsedFrame::Kind::Alarm, "ALARM"},
    {ParsedFrame::Kind::Quiet, "QUIET"}, {ParsedFrame::Kind::Data, "DATA "},
};

constexpr FrameText kSetting[] = {
    {ParsedFrame::Kind::Tim, "TIM"}, {ParsedFrame::Kind::Amb, "AMB"}, {ParsedFrame::Kind::Mic, "MIC"},
};

Frame Framed(const char* field, std::size_t length) {
    Frame frame{};
    frame[0] = STX;
    std::memcpy(frame.data() + 1, field, length);
    frame[6] = ETX;
    return frame;
}

}  // namespace

Frame BuildFrame(PlainCommand command) {
    return Framed(kPlain[static_cast<int>(command)].field, 5);
}

std::optional<Frame> BuildSettingFrame(SettingCommand command, int minutes) {
    if (minutes < kMinMinutes || minutes > kMaxMinutes)
        return std::nullopt;
    Frame frame = Framed(kSetting[static_cast<int>(command)].field, 3);
    frame[4] = static_cast<std::uint8_t>('0' + minutes / 10);
    frame[5] = static_cast<std::uint8_t>('0' + minutes % 10);
    return frame;
}

std::optional<ParsedFrame> ParseFrame(const std::uint8_t* bytes, std::size_t size) {
    if (size != kFrameSize || bytes[0] != STX || bytes[6] != ETX)
        return std::nullopt;
    for (const FrameText& plain : kPlain)
        if (std::memcmp(bytes + 1, plain.field, 5) == 0)
            return ParsedFrame{plain.kind, 0};
    for (const FrameText& setting : kSetting) {
        if (std::memcmp(bytes + 1, setting.field, 3) != 0)
            continue;
        const std::uint8_t tens = bytes[4], ones = bytes[5];
        if (tens < '0' || tens > '9' || ones < '0' || ones > '9')
            return std::nullopt;
        const int minutes = (tens - '0') * 10 + (ones - '0');
        if (minutes > kMaxMinutes)
            return std::nullopt;
        return ParsedFrame{setting.kind, minutes};
    }
    return std::nullopt;
}
