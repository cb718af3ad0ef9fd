// SPDX-License-Identifier: MIT
#pragma once
// Keeps released objects for reuse, so that the device contexts and bitmaps
// made and dropped for every sprite copy cost no allocation once warm.

#include <vector>

namespace soft {

template <typename T>
class ObjectPool {
public:
    ObjectPool() = default;
    ~ObjectPool() {
        for (T* object : spare) delete object;
    }
    ObjectPool(const ObjectPool&) = delete;
    ObjectPool& operator=(const ObjectPool&) = delete;

    // A default-constructed T, new or reused.
    T* acquire() {
        if (spare.empty()) return new T();
        T* object = spare.back();
        spare.pop_back();
        *object = T();
        return object;
    }
    void release(T* object) { spare.push_back(object); }

private:
    std::vector<T*> spare;
};

}  // namespace soft
