#pragma once
// A panel that remembers what the poll tick asked of it.

#include "PanelView.h"
#include "StatusDecoder.h"

#include <map>
#include <string>
#include <vector>

class FakePanel final : public IPanelView {
public:
    explicit FakePanel(const StatusState* state = nullptr) : m_state(state) {}

    std::map<int, bool> m_enabled;
    std::map<int, std::string> m_texts;
    std::vector<std::string> m_events;  // "enable 1009 1", "text 1029 --", "draw  5:00 2"
    int m_nDraws = 0;

    void EnableControl(int id, bool enable) override {
        m_enabled[id] = enable;
        m_events.push_back("enable " + std::to_string(id) + (enable ? " 1" : " 0"));
    }
    void SetEditText(int id, const char* text) override {
        m_texts[id] = text;
        m_events.push_back("text " + std::to_string(id) + " " + text);
    }
    void DrawTimeText() override {
        ++m_nDraws;
        if (m_state)
            m_events.push_back(std::string("draw ") + m_state->TimeText + " " + std::to_string(m_state->DisplayColour));
        else
            m_events.push_back("draw");
    }

private:
    const StatusState* m_state;
};
