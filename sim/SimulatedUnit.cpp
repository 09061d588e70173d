#include "SimulatedUnit.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr Millis kMinute{60'000};
constexpr int kMaxShownMinutes = 99;
constexpr std::size_t kMaxInbox = 64;
constexpr std::size_t kKeptFrames = 1024;

char Digit(int value) { return static_cast<char>('0' + value); }
}  // namespace

SimulatedUnit::SimulatedUnit(const IClock& clock) : m_clock(clock) {}

Millis SimulatedUnit::Elapsed() const {
    return m_elapsedBeforeRun + (m_bRunning ? m_clock.Now() - m_runStartedAt : Millis{0});
}

Millis SimulatedUnit::Remaining() const {
    return m_nLength * kMinute - Elapsed();
}

TrafficLight SimulatedUnit::Light() {
    Update();
    return m_lastLight;
}

bool SimulatedUnit::IsMicrophoneCut() {
    Update();
    return m_bMicCut;
}

int SimulatedUnit::BeepCount() {
    Update();
    return m_nBeeps;
}

TrafficLight SimulatedUnit::CurrentLight() const {
    const Millis remaining = Remaining();
    if (remaining <= Millis{0})
        return TrafficLight::Red;
    if (remaining <= m_nAmber * kMinute)
        return TrafficLight::Yellow;
    return TrafficLight::Green;
}

void SimulatedUnit::Update() {
    const Millis remaining = Remaining();
    const TrafficLight light = CurrentLight();

    if (light > m_lastLight && m_bAlarmOn) {
        ++m_nBeeps;
        m_lastBeepAt = m_clock.Now();
    }
    m_lastLight = light;
    if (remaining <= Millis{0} && -remaining >= m_nMic * kMinute && Elapsed() > Millis{0})
        m_bMicCut = true;
}

std::string SimulatedUnit::DisplayText() {
    const Millis remaining = Remaining();
    const bool overtime = remaining < Millis{0} || (remaining == Millis{0} && Elapsed() > Millis{0});
    long long seconds = 0;
    if (overtime)
        seconds = (-remaining).count() / 1000;
    else
        seconds = (remaining.count() + 999) / 1000;  // 19:59.5 still shows 20:00
    const int minutes = static_cast<int>(std::min<long long>(seconds / 60, kMaxShownMinutes));
    const int secs = static_cast<int>(minutes == kMaxShownMinutes && seconds / 60 > kMaxShownMinutes ? 59 : seconds % 60);

    std::string text(5, ' ');
    text[0] = static_cast<char>(Digit(minutes / 10) + (overtime ? 0x10 : 0));
    text[1] = Digit(minutes % 10);
    text[2] = ':';
    text[3] = Digit(secs / 10);
    text[4] = Digit(secs % 10);
    return text;
}

std::string SimulatedUnit::StatusReply() {
    Update();
    std::string reply = DisplayText();
    reply += m_bRunning ? (m_bAlarmOn ? 'R' : 'r') : (m_bAlarmOn ? 'S' : 's');
    reply += Digit(m_nLength / 10);
    reply += Digit(m_nLength % 10);
    reply += Digit(m_nAmber / 10);
    reply += Digit(m_nAmber % 10);
    return reply;
}

void SimulatedUnit::Apply(const ParsedFrame& frame) {
    using Kind = ParsedFrame::Kind;
    switch (frame.kind) {
    case Kind::Start:
        if (!m_bRunning) {
            m_runStartedAt = m_clock.Now();
            m_bRunning = true;
        }
        break;
    case Kind::Stop:
        if (m_bRunning) {
            m_elapsedBeforeRun = Elapsed();
            m_bRunning = false;
        }
        break;
    case Kind::Alarm: m_bAlarmOn = true; break;
    case Kind::Quiet: m_bAlarmOn = false; break;
    case Kind::Tim:
        m_nLength = frame.minutes;
        m_elapsedBeforeRun = Millis{0};
        m_runStartedAt = m_clock.Now();
        m_bMicCut = false;
        m_lastLight = CurrentLight();  // a new lecture starts without a warning
        break;
    case Kind::Amb:
        m_nAmber = frame.minutes;
        m_lastLight = std::min(m_lastLight, CurrentLight());
        break;
    case Kind::Mic: m_nMic = frame.minutes; break;
    case Kind::Data: break;
    }
}

std::vector<std::uint8_t> SimulatedUnit::Receive(const std::uint8_t* data, std::size_t size) {
    Update();
    std::vector<std::uint8_t> answer;
    m_inbox.insert(m_inbox.end(), data, data + size);
    std::size_t pos = 0;
    while (true) {
        while (pos < m_inbox.size() && m_inbox[pos] != STX)
            ++pos;
        if (m_inbox.size() - pos < kFrameSize)
            break;
        const auto parsed = ParseFrame(m_inbox.data() + pos, kFrameSize);
        if (!parsed) {
            ++pos;  // not a frame here; look for the next STX
            continue;
        }
        pos += kFrameSize;
        m_received.push_back(*parsed);
        if (m_received.size() > kKeptFrames)
            m_received.pop_front();
        Apply(*parsed);
        if (parsed->kind == ParsedFrame::Kind::Data) {
            const std::string reply = StatusReply();
            answer.assign(reply.begin(), reply.end());
        }
    }
    m_inbox.erase(m_inbox.begin(), m_inbox.begin() + static_cast<std::ptrdiff_t>(pos));
    if (m_inbox.size() > kMaxInbox)
        m_inbox.clear();
    return answer;
}
