#include "velisar/link/libreoffice/call_watchdog.h"

CallWatchdog::CallWatchdog(std::function<void()> onExpiry) : onExpiry_(std::move(onExpiry)) {}

CallWatchdog::~CallWatchdog() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void CallWatchdog::arm(std::chrono::milliseconds limit) {
    {
        std::lock_guard lock(mutex_);
        deadline_ = std::chrono::steady_clock::now() + limit;
        armed_ = true;
        if (!thread_.joinable())
            thread_ = std::thread(&CallWatchdog::watch, this);
    }
    changed_.notify_all();
}

void CallWatchdog::disarm() {
    {
        std::lock_guard lock(mutex_);
        armed_ = false;
    }
    changed_.notify_all();
}

void CallWatchdog::watch() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (!armed_) {
            changed_.wait(lock);
            continue;
        }
        if (changed_.wait_until(lock, deadline_) == std::cv_status::timeout && armed_ &&
            std::chrono::steady_clock::now() >= deadline_) {
            armed_ = false;
            lock.unlock();
            onExpiry_();
            lock.lock();
        }
    }
}
