// Any bytes from the unit, of any length, through the reply area into the decoder.
#include "ControlIds.h"
#include "StatusDecoder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {

class CheckingPanel final : public IPanelView {
public:
    std::map<int, bool> m_enabled;
    void EnableControl(int id, bool enable) override { m_enabled[id] = enable; }
    void SetEditText(int, const char* text) override {
        if (std::strlen(text) > 2)
            std::abort();
    }
    void DrawTimeText() override {}
};

void Check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static StatusState state;  // carried over inputs, as in a long run
    ReplyArea reply;
    std::memcpy(reply.data(), data, std::min(size, kReplySize));
    CheckingPanel panel;
    DecodeStatusReply(reply, state, panel);

    Check(std::memchr(state.TimeText, '\0', sizeof state.TimeText) != nullptr);
    Check(std::strlen(state.TimeText) <= 6);
    Check(state.DisplayColour == 1 || state.DisplayColour == 2);
    Check(panel.m_enabled.size() == 10);

    const char letter = reply[kReplyState];
    const bool valid = letter == 'R' || letter == 'r' || letter == 'S' || letter == 's';
    const bool running = letter == 'R' || letter == 'r';
    const bool alarm = letter == 'R' || letter == 'S';
    Check(state.m_nLinkLost == (valid ? 0 : 1));
    Check(panel.m_enabled[IDC_START] == (valid && !running));
    Check(panel.m_enabled[IDC_STOP] == (valid && running));
    Check(panel.m_enabled[IDC_ALARM_ON] == (valid && !alarm));
    Check(panel.m_enabled[IDC_ALARM_OFF] == (valid && alarm));
    for (int id : {IDC_LENGTH_SET, IDC_AMBER_SET, IDC_LENGTH_EDIT, IDC_AMBER_EDIT, IDC_MIC_SET, IDC_MIC_EDIT})
        Check(panel.m_enabled[id] == valid);
    return 0;
}
