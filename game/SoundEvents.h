#pragma once
// The control values of the game's sounds: written by the game on the
// interface thread, read and advanced by the synthesizer on the audio thread.
//
// The synthesizer works on a copy for a whole block and stores back only the
// values the game has not written meanwhile, so a block is fast and no game
// write is lost (see SoundField).

#include <atomic>
#include <bit>
#include <cstdint>

// One value of the block. It shares a 64-bit atomic word with a count of
// the game's writes to it: a game write always lands, and the synthesizer's
// store succeeds only when the word is still the one it started the block
// from. The value itself stays a 32-bit int or float.
template <typename T>
class SoundField {
public:
    SoundField(T initial = T()) : word(pack(0, initial)) {}
    operator T() const { return valueOf(word.load(std::memory_order_relaxed)); }
    // A write by the game (or by a test standing for it).
    SoundField& operator=(T newValue) {
        uint64_t old = word.load(std::memory_order_relaxed);
        word.store(pack(uint32_t(old >> 32) + 1, newValue), std::memory_order_relaxed);
        return *this;
    }
    SoundField(const SoundField&) = delete;
    SoundField& operator=(const SoundField&) = delete;

    // For the synthesizer: the word a block starts from, and its store.
    uint64_t snapshot() const { return word.load(std::memory_order_relaxed); }
    static T valueOf(uint64_t snapshot) { return std::bit_cast<T>(uint32_t(snapshot)); }
    void storeUnlessWritten(uint64_t snapshot, T newValue) {
        word.compare_exchange_strong(snapshot, pack(uint32_t(snapshot >> 32), newValue),
                                     std::memory_order_relaxed);
    }

private:
    static uint64_t pack(uint32_t writes, T value) {
        return uint64_t(writes) << 32 | std::bit_cast<uint32_t>(value);
    }
    std::atomic<uint64_t> word;
    static_assert(sizeof(T) == 4 && std::atomic<uint64_t>::is_always_lock_free);
};

template <typename T>
using PlainValue = T;

// The fields, once for the shared block (SoundField) and once for the
// synthesizer's copy (plain values).
template <template <typename> class Field>
struct SoundEventFields {
    Field<int32_t> planeSoundMode{-1};  // 0 hum, >0 roar after a hit, <0 frozen
    Field<float> planeSoundLevel{0.0f};
    Field<float> planeNoise{0.0f};
    Field<float> planePan{0.5f};  // share of channel 0
    Field<int32_t> planeSoundCounter{8};
    Field<int32_t> gunState{0};  // 0 silent, 1 positive half wave, other negative
    Field<int32_t> gunPeriod{20};
    Field<float> gunPan{0.5f};  // share of channel 0
    Field<float> gunLevel{0.0f};
    Field<int32_t> gunCounter{0};
    Field<int32_t> enemySoundOn{0};
    Field<float> enemyLevel{0.0f};
    Field<float> enemyWave{0.0f};
    Field<float> enemyPan{0.5f};  // share of channel 1
    Field<int32_t> enemyWaveCounter{0};
    Field<int32_t> enemySweep{0};  // first set by the game when the rumble starts
    Field<int32_t> editorOpen{0};

    // Calls visit(field, other's field, index) for every field, in order.
    template <typename Other, typename Visit>
    void pairWith(Other& other, Visit visit) {
        int i = 0;
        visit(planeSoundMode, other.planeSoundMode, i++);
        visit(planeSoundLevel, other.planeSoundLevel, i++);
        visit(planeNoise, other.planeNoise, i++);
        visit(planePan, other.planePan, i++);
        visit(planeSoundCounter, other.planeSoundCounter, i++);
        visit(gunState, other.gunState, i++);
        visit(gunPeriod, other.gunPeriod, i++);
        visit(gunPan, other.gunPan, i++);
        visit(gunLevel, other.gunLevel, i++);
        visit(gunCounter, other.gunCounter, i++);
        visit(enemySoundOn, other.enemySoundOn, i++);
        visit(enemyLevel, other.enemyLevel, i++);
        visit(enemyWave, other.enemyWave, i++);
        visit(enemyPan, other.enemyPan, i++);
        visit(enemyWaveCounter, other.enemyWaveCounter, i++);
        visit(enemySweep, other.enemySweep, i++);
        visit(editorOpen, other.editorOpen, i++);
    }
    static constexpr int kFieldCount = 17;
};

struct SoundEvents : SoundEventFields<SoundField> {};
struct SoundValues : SoundEventFields<PlainValue> {};
