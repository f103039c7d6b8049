#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

// SIGTERM and SIGINT, turned into a call on the event loop (through a pipe
// the handler writes to), so that a sync stops between two steps instead of
// dying in the middle of one. While an object lives, the signals reach
// its callback; afterwards they act as before.
class CStopSignals
{
public:
    explicit CStopSignals(std::function<void(int nSignal)> onStop);
    ~CStopSignals();
    CStopSignals(const CStopSignals&) = delete;
    CStopSignals& operator=(const CStopSignals&) = delete;

    // The signal that came, 0 for none; also one that came while no event
    // loop ran.
    int Received();

private:
    void Drain();

    std::function<void(int)> m_onStop;
    std::unique_ptr<QSocketNotifier> m_pNotifier;
    int m_nReceived = 0;
};
