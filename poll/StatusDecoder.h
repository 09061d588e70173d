#pragma once
// Turns a status reply into the panel's state: enabled controls, the no-unit marks,
// the settings mirrors with their one-time refill, and the time text with its colour.

#include "PanelView.h"
#include "StatusReply.h"

inline constexpr int kColourRed = 1;
inline constexpr int kColourGreen = 2;

struct StatusState {
    int m_nLinkLost = 1;  // 1 while the last decoded reply had no valid state letter
    int m_nRefill = 1;    // 1 when the unit's settings are to be copied into the edits
    char m_szLengthMirror[3] = "00";
    char m_szAmberMirror[3] = "00";
    char TimeText[7] = "";   // at most six characters and a NUL
    int DisplayColour = 0;   // 1 red, 2 green
};

void DecodeStatusReply(const ReplyArea& reply, StatusState& state, IPanelView& panel);
