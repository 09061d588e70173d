#include "StatusDecoder.h"

#include "ControlIds.h"

#include <cstring>

namespace {

bool IsValidStateLetter(char letter) {
    return letter == 'R' || letter == 'S' || letter == 'r' || letter == 's';
}

void ShowUnitState(char letter, IPanelView& panel) {
    const bool running = letter == 'R' || letter == 'r';
    const bool alarmOn = letter == 'R' || letter == 'S';
    // The one of START and STOP that goes off is switched first.
    if (running) {
        panel.EnableControl(IDC_START, false);
        panel.EnableControl(IDC_STOP, true);
    } else {
        panel.EnableControl(IDC_STOP, false);
        panel.EnableControl(IDC_START, true);
    }
    panel.EnableControl(IDC_LENGTH_SET, true);
    panel.EnableControl(IDC_ALARM_ON, !alarmOn);
    panel.EnableControl(IDC_ALARM_OFF, alarmOn);
    panel.EnableControl(IDC_AMBER_SET, true);
    panel.EnableControl(IDC_LENGTH_EDIT, true);
    panel.EnableControl(IDC_AMBER_EDIT, true);
    panel.EnableControl(IDC_MIC_SET, true);
    panel.EnableControl(IDC_MIC_EDIT, true);
}

void ShowNoUnitState(IPanelView& panel) {
    for (int id : {IDC_START, IDC_STOP, IDC_LENGTH_SET, IDC_ALARM_ON, IDC_ALARM_OFF, IDC_AMBER_SET})
        panel.EnableControl(id, false);
    panel.SetEditText(IDC_LENGTH_EDIT, "--");
    panel.SetEditText(IDC_AMBER_EDIT, "--");
    for (int id : {IDC_LENGTH_EDIT, IDC_AMBER_EDIT, IDC_MIC_SET, IDC_MIC_EDIT})
        panel.EnableControl(id, false);
}

// Two setting digits with a leading '0' shown as a blank.
void Mirror(const ReplyArea& reply, std::size_t offset, char (&mirror)[3]) {
    mirror[0] = reply[offset] == '0' ? ' ' : reply[offset];
    mirror[1] = reply[offset + 1];
    mirror[2] = '\0';
}

void BuildTimeText(const ReplyArea& reply, StatusState& state) {
    char* text = state.TimeText;
    std::memcpy(text, reply.data() + kReplyTime, kReplyTimeLength);
    text[kReplyTimeLength] = '\0';
    text[6] = '\0';
    if (text[0] == '0')
        text[0] = ' ';

    const char leading = reply[kReplyTime];
    if (IsOvertimeMarker(leading)) {
        state.DisplayColour = kColourRed;
        const char digit = OvertimeDigit(leading);
        if (digit == '0') {
            text[0] = '-';
        } else {
            // "-" in front of the whole text: six characters.
            std::memmove(text + 1, text, kReplyTimeLength);
            text[0] = '-';
            text[1] = digit;
            text[6] = '\0';
        }
    } else {
        state.DisplayColour = kColourGreen;
    }
    if (leading == kNoAnswer)
        state.DisplayColour = kColourRed;
}

}  // namespace

void DecodeStatusReply(const ReplyArea& reply, StatusState& state, IPanelView& panel) {
    const char letter = reply[kReplyState];
    if (IsValidStateLetter(letter)) {
        ShowUnitState(letter, panel);
        state.m_nLinkLost = 0;
    } else {
        ShowNoUnitState(panel);
        state.m_nLinkLost = 1;
        state.m_nRefill = 1;
    }

    Mirror(reply, kReplyLength, state.m_szLengthMirror);
    Mirror(reply, kReplyAmber, state.m_szAmberMirror);

    BuildTimeText(reply, state);

    if (state.m_nRefill == 1 && state.m_nLinkLost == 0) {
        panel.SetEditText(IDC_LENGTH_EDIT, state.m_szLengthMirror);
        panel.SetEditText(IDC_AMBER_EDIT, state.m_szAmberMirror);
        state.m_nRefill = 0;
    }
}
