#pragma once
// The three things the poll tick asks of the panel.

class IPanelView {
public:
    virtual ~IPanelView() = default;
    virtual void EnableControl(int id, bool enable) = 0;
    // Raises the edit's change notification as typing does, except inside a data exchange.
    virtual void SetEditText(int id, const char* text) = 0;
    // Paints TimeText in DisplayColour.
    virtual void DrawTimeText() = 0;
};
