// SPDX-License-Identifier: MIT
// One effect as the page's script drives it, through the adapter core: the
// C names below are what the script calls (js/SkyrunWasm.js). The same
// WebAssembly module runs twice: beside the page, where the editor shows
// the game and each audio block's end is told to it, and in the audio
// worklet, where the effect processes the sound. SoundWriteRelay carries the
// game's sound events from the one to the other.

#include <vector>

#include "adapter/EffectAdapter.h"
#include "interface/GameStatus.h"
#include "interface/Opcodes.h"
#include "interface/SoundEventsQuery.h"
#include "web/SoundWriteRelay.h"

namespace {
struct WebEffect {
    EffectAdapter* adapter = nullptr;
    SoundEvents* sounds = nullptr;  // the effect's, as it names them
    // Inputs 0 and 1, then outputs 0 and 1, each `maxFrames` long; the
    // script copies a quantum in and out of them.
    std::vector<float> buffers;
    int32_t maxFrames = 0;
    SoundWriteRelay relay;
    uint32_t writes[2 * SoundWriteRelay::kMaxWrites] = {};
};
}  // namespace

extern "C" {

// A new effect, or null when the module makes none (or no sound events).
__attribute__((used)) WebEffect* skyrun_effect_create() {
    EffectAdapter* adapter = EffectAdapter::create();
    if (!adapter) return nullptr;
    void* sounds = nullptr;
    if (adapter->dispatch(opVendorSpecific, kSoundEventsQueryIndex, kSoundEventsQueryValue, &sounds) != 1 ||
        !sounds) {
        delete adapter;
        return nullptr;
    }
    return new WebEffect{adapter, static_cast<SoundEvents*>(sounds)};
}

__attribute__((used)) void skyrun_effect_destroy(WebEffect* effect) {
    if (!effect) return;
    delete effect->adapter;
    delete effect;
}

// Sets the rate and the largest block and makes the blocks' buffers: the
// only allocation of the audio path, before the first block.
__attribute__((used)) int32_t skyrun_effect_activate(WebEffect* effect, double sampleRate,
                                                      int32_t maxFrames) {
    if (!effect || maxFrames <= 0 || !effect->adapter->activate(sampleRate, maxFrames)) return 0;
    effect->maxFrames = maxFrames;
    effect->buffers.assign(size_t(maxFrames) * 4, 0.0f);
    return 1;
}

// Buffer 0 and 1 are the inputs, 2 and 3 the outputs.
__attribute__((used)) float* skyrun_effect_buffer(WebEffect* effect, int32_t which) {
    if (!effect || which < 0 || which > 3 || effect->buffers.empty()) return nullptr;
    return effect->buffers.data() + size_t(which) * size_t(effect->maxFrames);
}

// One block through the effect, from the input buffers to the output ones.
__attribute__((used)) void skyrun_effect_process(WebEffect* effect, int32_t frames) {
    if (!effect || frames < 0 || frames > effect->maxFrames) return;
    float* data = effect->buffers.data();
    size_t size = size_t(effect->maxFrames);
    float* in[2] = {data, data + size};
    float* out[2] = {data + 2 * size, data + 3 * size};
    effect->adapter->process(in, out, frames);
}

// The end of an audio block, on the page's side: the effect's end-of-block
// hook asks the editor for its update as the audio thread does natively
// (a block of no frames, so no sound is made here).
__attribute__((used)) void skyrun_effect_end_block(WebEffect* effect) {
    if (!effect) return;
    float* none[2] = {nullptr, nullptr};
    effect->adapter->process(none, none, 0);
}

// Opens the editor under the page's handle for a canvas, asking its size
// first as hosts do (which chooses the zoom for the screen); the window it
// made, or 0.
__attribute__((used)) uintptr_t skyrun_effect_open_editor(WebEffect* effect, uintptr_t parent) {
    uint32_t width = 0, height = 0;
    if (!effect || !parent || !effect->adapter->editorSize(width, height) ||
        !effect->adapter->openEditor(reinterpret_cast<void*>(parent)))
        return 0;
    return reinterpret_cast<uintptr_t>(effect->adapter->editorWindow());
}

// The page's devicePixelRatio changed (the window moved to another screen,
// or the page was zoomed): told as a host tells its display scale.
__attribute__((used)) int32_t skyrun_effect_set_scale(WebEffect* effect, double scale) {
    return effect && effect->adapter->setEditorScale(scale);
}

__attribute__((used)) void skyrun_effect_idle(WebEffect* effect) {
    if (effect) effect->adapter->idleEditor();
}

__attribute__((used)) void skyrun_effect_close_editor(WebEffect* effect) {
    if (effect) effect->adapter->closeEditor();
}

// The game's sound-event writes since the last call (all it ever made when
// `all`), as pairs of words in skyrun_effect_sound_writes_data; returns how
// many pairs.
__attribute__((used)) int32_t skyrun_effect_sound_writes(WebEffect* effect, int32_t all) {
    return effect ? effect->relay.collect(*effect->sounds, effect->writes, all != 0) : 0;
}
__attribute__((used)) const uint32_t* skyrun_effect_sound_writes_data(WebEffect* effect) {
    return effect ? effect->writes : nullptr;
}

// A write the game made in the other instance, applied as the game's own.
__attribute__((used)) int32_t skyrun_effect_apply_sound_write(WebEffect* effect, int32_t index,
                                                               uint32_t bits) {
    return effect && SoundWriteRelay::apply(*effect->sounds, index, bits);
}

// The game's state through the project's status query: editor open, steps,
// score, lives, game overs, into five words; false without an editor.
__attribute__((used)) int32_t skyrun_effect_status(WebEffect* effect, int32_t* out) {
    if (!effect || !out) return 0;
    GameStatus status{int32_t(sizeof(GameStatus)), 0, 0, 0, 0, 0};
    if (!effect->adapter->dispatch(opVendorSpecific, kStatusQueryIndex, kStatusQueryValue, &status))
        return 0;
    int32_t values[5] = {status.editorOpen, status.steps, status.score, status.lives, status.gameOvers};
    for (int i = 0; i < 5; ++i) out[i] = values[i];
    return 1;
}

}  // extern "C"
