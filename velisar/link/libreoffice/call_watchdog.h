#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// Bounds the time of a blocking call. arm() before the call, disarm() after
// it; if the call is still running when the limit passes, onExpiry runs on
// the watchdog's own thread (and must be safe to run from there). A call
// into a frozen office would otherwise block the window for good; the link
// breaks the connection on expiry, which makes the call return with an
// error.
class CallWatchdog {
public:
    explicit CallWatchdog(std::function<void()> onExpiry);
    ~CallWatchdog();
    CallWatchdog(const CallWatchdog&) = delete;
    CallWatchdog& operator=(const CallWatchdog&) = delete;

    void arm(std::chrono::milliseconds limit);
    void disarm();

private:
    void watch();

    std::function<void()> onExpiry_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::chrono::steady_clock::time_point deadline_;
    bool armed_ = false;
    bool stopping_ = false;
    std::thread thread_; // started on first use
};
