#pragma once
// Our model of the timer unit's firmware: answers exactly the protocol's frames, keeps its
// own countdown on an injected clock, and drives a traffic light, a microphone and a buzzer.

#include "Clock.h"
#include "Frames.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

enum class TrafficLight { Green, Yellow, Red };

class SimulatedUnit {
public:
    explicit SimulatedUnit(const IClock& clock);

    // Bytes from the console. Returns the bytes the unit sends back (a status reply for DATA).
    // Anything that is not a well-formed frame is ignored.
    std::vector<std::uint8_t> Receive(const std::uint8_t* data, std::size_t size);

    // The ten-byte status reply for the present moment.
    std::string StatusReply();
    // The five characters on the unit's display, overtime marker included.
    std::string DisplayText();

    bool IsRunning() const { return m_bRunning; }
    bool IsAlarmOn() const { return m_bAlarmOn; }
    int LengthMinutes() const { return m_nLength; }
    int AmberMinutes() const { return m_nAmber; }
    int MicMinutes() const { return m_nMic; }
    TrafficLight Light();
    bool IsMicrophoneCut();
    // How many times the acoustic warning has sounded, and when it last did.
    int BeepCount();
    Millis LastBeepAt() const { return m_lastBeepAt; }
    // The latest well-formed frames the unit has taken, oldest first; a long run keeps only the last few.
    const std::deque<ParsedFrame>& Received() const { return m_received; }

private:
    Millis Elapsed() const;     // time counted so far on the current lecture
    Millis Remaining() const;   // negative in overtime
    TrafficLight CurrentLight() const;
    void Update();              // notices light changes to sound the warning
    void Apply(const ParsedFrame& frame);

    const IClock& m_clock;
    int m_nLength = 20;
    int m_nAmber = 2;
    int m_nMic = 1;
    bool m_bAlarmOn = true;
    bool m_bRunning = false;
    bool m_bMicCut = false;
    Millis m_elapsedBeforeRun{0};
    Millis m_runStartedAt{0};
    TrafficLight m_lastLight = TrafficLight::Green;
    int m_nBeeps = 0;
    Millis m_lastBeepAt{-1};
    std::vector<std::uint8_t> m_inbox;  // bytes of a frame not yet complete
    std::deque<ParsedFrame> m_received;
};
