#pragma once
// Time as the console and the simulated unit see it. The product blocks for real;
// tests use VirtualClock, where a wait only moves the clock on.

#include <chrono>
#include <utility>
#include <vector>

using Millis = std::chrono::milliseconds;

class IClock {
public:
    virtual ~IClock() = default;
    virtual Millis Now() const = 0;
    virtual void Sleep(Millis duration) = 0;
};

class SteadyClock final : public IClock {
public:
    Millis Now() const override;
    void Sleep(Millis duration) override;
};

class VirtualClock final : public IClock {
public:
    Millis Now() const override { return m_now; }
    void Sleep(Millis duration) override {
        m_sleeps.push_back(duration);
        m_now += duration;
    }
    void Advance(Millis duration) { m_now += duration; }
    // Every Sleep since the last call, oldest first.
    std::vector<Millis> TakeSleeps() { return std::exchange(m_sleeps, {}); }

private:
    Millis m_now{0};
    std::vector<Millis> m_sleeps;
};
