// SPDX-License-Identifier: MIT
#pragma once
// A 32-bit value that two threads read and write whole without a lock: every
// load and store is a relaxed atomic one, so a value seen a block late is the
// only consequence, never undefined behaviour.

#include <atomic>

template <typename T>
class Relaxed {
public:
    Relaxed(T initial = T()) : value(initial) {}
    operator T() const { return value.load(std::memory_order_relaxed); }
    Relaxed& operator=(T newValue) {
        value.store(newValue, std::memory_order_relaxed);
        return *this;
    }
    Relaxed(const Relaxed&) = delete;
    Relaxed& operator=(const Relaxed&) = delete;

private:
    std::atomic<T> value;
    static_assert(sizeof(std::atomic<T>) == 4 && std::atomic<T>::is_always_lock_free);
};
