// The real module with one fault: its replacing callback adds a little to
// the first sample of every block, so of everything `check` does only the
// audio check should fail.
#include "plugin/PluginMain.h"

namespace {
ProcessProc realReplacing = nullptr;

void noisyReplacing(EffectRecord* effect, float** inputs, float** outputs, int32_t frames) {
    realReplacing(effect, inputs, outputs, frames);
    if (frames > 0 && outputs && outputs[0]) outputs[0][0] += 0.125f;
}
}  // namespace

extern "C" EffectRecord* noisyMain(HostCallback callback) {
    EffectRecord* record = pluginMain(callback);
    if (record) {
        realReplacing = record->processReplacing;
        record->processReplacing = noisyReplacing;
    }
    return record;
}

#ifndef _WIN32
extern "C" __attribute__((visibility("default"))) EffectRecord* exportedMain(HostCallback)
    __asm__("main");
extern "C" EffectRecord* exportedMain(HostCallback callback) { return noisyMain(callback); }
#endif
