#include "plugin/SoundRuns.h"

#include <algorithm>

namespace synth {
namespace {
// A run is a stretch of frames in which no generator starts or ends, the
// roar goes on and the rumble's half wave and bend stay. Within it the plane
// noise is drawn and the gun's half waves turn, by countdown. The counts
// below are how many frames a run may take from the values given; a count
// may stop short, since the next run simply goes on. They are worked out
// in 64 bits, so a counter the game set near the int32 limits cannot
// overflow them.
int64_t planeRunFrames(const SoundValues& e) {
    // The roar ends on the frame its counter passes kRoarLength.
    if (e.planeSoundMode > 0) return kRoarLength - int64_t(e.planeSoundCounter);
    return INT64_MAX;
}

int64_t rumbleRunFrames(const SoundValues& e) {
    // A level at the silence stops the rumble on this frame.
    if (!(e.enemyLevel > kEnemySilence)) return 0;
    int64_t sweep = e.enemySweep, counter = e.enemyWaveCounter;
    // The sweep turns on the frame it passes 4096 or -4096. A run keeps
    // the bend (sweep / 64, truncated) of its first frame.
    int64_t toTurn, toNewBend, bend;
    if (sweep > 0) {
        toTurn = 4096 - sweep;
        bend = (sweep + 1) / 64;
        toNewBend = 64 * bend + 63 - sweep;
    } else {
        toTurn = sweep + 4096;
        int64_t below = (1 - sweep) / 64;
        bend = -below;
        toNewBend = 64 * below + 63 + sweep;
    }
    // The half wave ends on the frame its counter passes bend + 100 going
    // up, or bend - 100 going down.
    int64_t toHalfWaveEnd = counter > 0 ? bend + 100 - counter : counter - bend + 100;
    return std::min({toTurn, toNewBend, toHalfWaveEnd});
}

// Frames up to and including the next one that draws a plane noise.
int64_t framesToNoiseDraw(const SoundValues& e) {
    int64_t counter = e.planeSoundCounter;
    // The roar draws on the frame its counter becomes 31 modulo 32.
    if (e.planeSoundMode > 0) return ((30 - counter) & 31) + 1;
    // The hum draws on the frame it finds its counter at 12 or more.
    if (e.planeSoundMode == 0) return std::max<int64_t>(1, 13 - counter);
    return INT64_MAX;
}

// The levels that the frames of a run sound, worked out a few frames ahead
// of the frames that mix them. Each level decays in a chain of dependent
// steps, and mixing a frame takes longer than a step; worked out ahead, the
// steps go on while earlier frames mix. A few frames suffice, and more
// would fill the processor's queue with steps waiting on one another. Each
// level is kept as a double that holds its float exactly. The gun's and
// rumble's decay side by side in one pair; a silent generator's lane holds
// zero, which stays zero.
constexpr int kFramesAhead = 4;
constexpr int kRingFrames = 8;  // holds the frames from the one mixing to the last worked out
static_assert(kFramesAhead + 2 <= kRingFrames);

SAMPLE_STEP uint32_t slot(int32_t frame) { return uint32_t(frame) % kRingFrames; }

struct LevelRing {
    // roar[f] sounds in frame f; gunAndRumble[f] sounds in frame f and is
    // what frame f - 1's decays to.
    ChannelPair roar[kRingFrames];  // the level in both lanes, ready to scale the noise share
    ChannelPair gunAndRumble[kRingFrames];
};

// Works out the levels of frame f: the roar it sounds and the pair that
// frame f + 1 sounds. The levels being decayed stay in registers.
template <bool roarOn, bool pairOn>
SAMPLE_STEP void decay(LevelRing& ring, ChannelPair& roar, ChannelPair& pair, int32_t f) {
    constexpr ChannelPair kDecays = {kGunDecay, kEnemyDecay};
    if constexpr (roarOn) {
        roar = throughFloat(roar * kRoarDecay);
        ring.roar[slot(f)] = roar;
    }
    if constexpr (pairOn) {
        pair = throughFloat(pair * kDecays);
        ring.gunAndRumble[slot(f + 1)] = pair;
    }
}

// Whether the run ends after a frame whose levels decayed to `next`: the gun
// falls silent, or the rumble's next frame is its last. The rumble stops
// at a level not above kEnemySilence, that is below the least float above
// it; a run never starts from a level that is not a number, and a number
// never decays into one, so one comparison serves both lanes.
template <bool gunOn, bool enemyOn>
SAMPLE_STEP bool endsRun(ChannelPair next) {
    constexpr ChannelPair kSilences = {kGunSilenceFloat, kEnemyAudibleFloat};
    LaneMask below = next < kSilences;
#ifdef __SSE2__
    constexpr int kLanes = (gunOn ? 1 : 0) | (enemyOn ? 2 : 0);
    return _mm_movemask_pd(ChannelPair(below)) & kLanes;
#else
    return (gunOn && below[0]) || (enemyOn && below[1]);
#endif
}

// The plane noise's draws within a run, counted down: the roar draws every
// 32 frames; the hum every 13, when it also sets its level to 0.25.
struct NoiseDraws {
    NoiseDraws(const SoundValues& e, ChannelPair noiseShare)
        : until(framesToNoiseDraw(e)), noise(e.planeNoise), share(noiseShare),
          steadySums(throughFloat(share * double(e.planeSoundLevel))) {}

    // At the start of a frame.
    template <bool roar>
    SAMPLE_STEP void next(RandomStream& random, const Pans& pans) {
        if (--until != 0) return;
        noise = newNoise(random);
        share = noiseShare(noise, pans);
        drew = true;
        if constexpr (roar) {
            until = 32;
        } else {
            until = 13;
            steadySums = throughFloat(share * double(kHumLevel));
        }
    }

    // After `frames` frames, the roar's last at `roarLevel`.
    void storeInto(SoundValues& e, int32_t frames, double roarLevel) const {
        if (drew) e.planeNoise = noise;
        if (e.planeSoundMode > 0) {
            e.planeSoundCounter += frames;
            e.planeSoundLevel = float(roarLevel);
        } else if (e.planeSoundMode == 0 && drew) {
            // After a draw the hum's counter restarts from 0.
            e.planeSoundCounter = int32_t(13 - until);
            e.planeSoundLevel = kHumLevel;
        } else if (e.planeSoundMode == 0) {
            e.planeSoundCounter += frames;
        }
    }

    int64_t until;  // frames up to and including the next draw
    bool drew = false;
    float noise;
    ChannelPair share;  // the noise times each channel's pan
    ChannelPair steadySums;  // its sound in each channel
};

// The gun's half waves within a run, counted down. The half wave's sign is
// taken into the pans.
struct GunTurns {
    GunTurns(const SoundValues& e, const Pans& pans)
        : rising(e.gunState == 1), share(rising ? pans.gun : -pans.gun), period(e.gunPeriod),
          until(std::max<int64_t>(1, period + 1 - e.gunCounter)) {}

    // At the end of a frame: the frame whose counter passes the period
    // turns the half wave. The counter restarts from 0 and passes the new
    // period after period + 1 frames, or at once if the period is below 1.
    SAMPLE_STEP void next() {
        if (--until != 0) return;
        rising = !rising;
        share = -share;
        until = length(++period);
        turned = true;
    }

    void storeInto(SoundValues& e, int32_t frames) const {
        if (turned) {
            e.gunState = rising ? 1 : 2;
            e.gunPeriod = int32_t(period);
            e.gunCounter = int32_t(length(period) - until);
        } else {
            e.gunCounter += frames;
        }
    }

    static int64_t length(int64_t period) { return std::max<int64_t>(1, period + 1); }

    bool rising;
    ChannelPair share;
    int64_t period;
    int64_t until;  // frames up to and including the next turn
    bool turned = false;
};

// Runs frames [first, end) and returns the first frame not run: the run
// ends early after the frame where the gun falls silent, or before the one
// where the rumble stops.
template <OutputMode mode, bool roar, bool gunOn, bool enemyOn>
int32_t runFrames(SoundValues& e, RandomStream& stream, const Pans& pans, ChannelPair& noiseShare,
                  float** inputs, float** outputs, int32_t first, int32_t end) {
    constexpr bool pairOn = gunOn || enemyOn;
    RandomStream random = stream;
    NoiseDraws draws(e, noiseShare);
    GunTurns gun(e, pans);
    const ChannelPair enemyShare = e.enemyWaveCounter > 0 ? pans.enemy : -pans.enemy;
    const float* in0 = inputs[0];
    const float* in1 = inputs[1];
    float* out0 = outputs[0];
    float* out1 = outputs[1];

    LevelRing ring;
    ChannelPair roarLevel = {e.planeSoundLevel, e.planeSoundLevel};
    ChannelPair pairLevel = {gunOn ? double(e.gunLevel) : 0.0, enemyOn ? double(e.enemyLevel) : 0.0};
    ring.gunAndRumble[slot(first)] = pairLevel;
    int32_t ahead = end - first > kFramesAhead ? first + kFramesAhead : end;
    for (int32_t f = first; f < ahead; ++f) decay<roar, pairOn>(ring, roarLevel, pairLevel, f);

    int32_t i = first;
    bool ended = false;
    while (!ended && i < end) {
        if (i < end - kFramesAhead) decay<roar, pairOn>(ring, roarLevel, pairLevel, i + kFramesAhead);
        float left = in0[i], right = in1[i];
        draws.next<roar>(random, pans);
        ChannelPair levels = ring.gunAndRumble[slot(i)];
        ChannelPair sums = roar ? throughFloat(draws.share * ring.roar[slot(i)]) : draws.steadySums;
        if constexpr (gunOn) sums = throughFloat(sums + levels[0] * gun.share);
        if constexpr (enemyOn) sums = sums + levels[1] * enemyShare;
        FloatPair sum = rounded(sums);
        store<mode>(out0[i], left, sum[0]);
        store<mode>(out1[i], right, sum[1]);
        if constexpr (gunOn) gun.next();
        ended = endsRun<gunOn, enemyOn>(ring.gunAndRumble[slot(i + 1)]);
        ++i;
    }

    stream = random;
    noiseShare = draws.share;
    int32_t frames = i - first;
    double lastRoar = 0.0;
    if constexpr (roar) lastRoar = ring.roar[slot(i - 1)][0];
    draws.storeInto(e, frames, lastRoar);
    ChannelPair sounded = ring.gunAndRumble[slot(i - 1)];
    ChannelPair decayed = ring.gunAndRumble[slot(i)];
    if constexpr (gunOn) {
        gun.storeInto(e, frames);
        e.gunLevel = float(decayed[0]);
        if (decayed[0] < kGunSilenceFloat) e.gunState = 0;
    }
    if constexpr (enemyOn) {
        e.enemyLevel = float(decayed[1]);
        bool rising = e.enemyWaveCounter > 0;
        e.enemyWave = float(rising ? sounded[1] : -sounded[1]);
        e.enemyWaveCounter += rising ? frames : -frames;
        e.enemySweep += e.enemySweep > 0 ? frames : -frames;
    }
    return i;
}

// Indexed by roar * 4 + gun * 2 + rumble.
template <OutputMode mode>
constexpr Run kRuns[8] = {
    runFrames<mode, false, false, false>, runFrames<mode, false, false, true>,
    runFrames<mode, false, true, false>,  runFrames<mode, false, true, true>,
    runFrames<mode, true, false, false>,  runFrames<mode, true, false, true>,
    runFrames<mode, true, true, false>,   runFrames<mode, true, true, true>,
};
}  // namespace

int64_t framesInRun(const SoundValues& e) {
    int64_t frames = planeRunFrames(e);
    if (e.enemySoundOn != 0) frames = std::min(frames, rumbleRunFrames(e));
    return frames;
}

Run runFor(OutputMode mode, bool roar, bool gunOn, bool enemyOn) {
    int index = roar * 4 + gunOn * 2 + enemyOn;
    return mode == OutputMode::Replace ? kRuns<OutputMode::Replace>[index]
                                       : kRuns<OutputMode::Accumulate>[index];
}

}  // namespace synth
