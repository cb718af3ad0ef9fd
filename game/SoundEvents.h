// SPDX-License-Identifier: MIT
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

// The fields, in order: type, name, default. The one list that the field
// declarations, the pairing and the count below are made from.
#define SOUND_EVENT_FIELDS(FIELD)                                                          \
    FIELD(int32_t, planeSoundMode, -1) /* 0 hum, >0 roar after a hit, <0 frozen */       \
    FIELD(float, planeSoundLevel, 0.0f)                                                  \
    FIELD(float, planeNoise, 0.0f)                                                       \
    FIELD(float, planePan, 0.5f) /* share of channel 0 */                                \
    FIELD(int32_t, planeSoundCounter, 8)                                                 \
    FIELD(int32_t, gunState, 0) /* 0 silent, 1 positive half wave, other negative */     \
    FIELD(int32_t, gunPeriod, 20)                                                        \
    FIELD(float, gunPan, 0.5f) /* share of channel 0 */                                  \
    FIELD(float, gunLevel, 0.0f)                                                         \
    FIELD(int32_t, gunCounter, 0)                                                        \
    FIELD(int32_t, enemySoundOn, 0)                                                      \
    FIELD(float, enemyLevel, 0.0f)                                                       \
    FIELD(float, enemyWave, 0.0f)                                                        \
    FIELD(float, enemyPan, 0.5f) /* share of channel 1 */                                \
    FIELD(int32_t, enemyWaveCounter, 0)                                                  \
    FIELD(int32_t, enemySweep, 0) /* first set by the game when the rumble starts */     \
    FIELD(int32_t, editorOpen, 0)

// The fields, once for the shared block (SoundField) and once for the
// synthesizer's copy (plain values).
template <template <typename> class Field>
struct SoundEventFields {
#define SOUND_EVENT_DECLARE(type, name, initial) Field<type> name{initial};
    SOUND_EVENT_FIELDS(SOUND_EVENT_DECLARE)
#undef SOUND_EVENT_DECLARE

    // Calls visit(field, other's field, index) for every field, in order.
    template <typename Other, typename Visit>
    void pairWith(Other& other, Visit visit) {
        int i = 0;
#define SOUND_EVENT_VISIT(type, name, initial) visit(name, other.name, i++);
        SOUND_EVENT_FIELDS(SOUND_EVENT_VISIT)
#undef SOUND_EVENT_VISIT
    }

#define SOUND_EVENT_COUNT(type, name, initial) +1
    static constexpr int kFieldCount = 0 SOUND_EVENT_FIELDS(SOUND_EVENT_COUNT);
#undef SOUND_EVENT_COUNT
};

struct SoundEvents : SoundEventFields<SoundField> {};
struct SoundValues : SoundEventFields<PlainValue> {};
// A field declared outside the list would be missed by the pairing.
static_assert(sizeof(SoundValues) == SoundValues::kFieldCount * sizeof(int32_t));
static_assert(sizeof(SoundEvents) == SoundEvents::kFieldCount * sizeof(uint64_t));
#undef SOUND_EVENT_FIELDS
