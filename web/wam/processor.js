// SPDX-License-Identifier: MIT
// The effect in the audio thread: one quantum of 128 frames per process
// call through the effect's replacing process, stereo in and out. The page
// sends the game's sound-event writes as messages, applied between quanta
// (see web/SoundWriteRelay.h for why messages and not shared memory). In
// process nothing is allocated and nothing is drawn: the views on the
// module's buffers are made once.

import { kProcessorName } from './names.js';
import { SkyrunWasm } from './wasm.js';

const kQuantum = 128;

class KestrigoProcessor extends AudioWorkletProcessor {
  constructor(options) {
    super();
    const { module, groupId, moduleId, instanceId } = options.processorOptions;
    this.groupId = groupId;
    this.moduleId = moduleId;
    this.instanceId = instanceId;
    this.alive = false;
    this.port.onmessage = (event) => this.receive(event.data);
    try {
      this.wasm = SkyrunWasm.loadNow(module);
      this.module = this.wasm.exports;
      this.effect = this.module.skyrun_effect_create();
      if (!this.effect) throw new Error('the module made no effect');
      if (!this.module.skyrun_effect_activate(this.effect, sampleRate, kQuantum))
        throw new Error(`the effect cannot run at ${sampleRate} Hz`);
      this.bind();
      this.alive = true;
      this.join();
      this.port.postMessage({ ready: true });
    } catch (error) {
      this.port.postMessage({ error: String(error.message || error) });
    }
  }

  bind() {
    this.channels = [0, 1, 2, 3].map((which) =>
      this.wasm.floats(this.module.skyrun_effect_buffer(this.effect, which), kQuantum));
  }

  // Joins the host's WAM group when a WAM host set one up in this scope.
  join() {
    const env = globalThis.webAudioModules;
    if (!env || !this.groupId) return;
    try {
      env.addWam(this);
      this.env = env;
    } catch {
      // A page that plays the plug-in on its own has no group to join.
    }
  }

  receive(data) {
    if (data.writes && this.alive) {
      const writes = data.writes;
      for (let i = 0; i + 1 < writes.length; i += 2)
        this.module.skyrun_effect_apply_sound_write(this.effect, writes[i], writes[i + 1]);
    }
    if (data.destroy) this.destroy();
  }

  process(inputs, outputs) {
    if (!this.alive) return false;
    const input = inputs[0];
    const output = outputs[0];
    const channels = this.channels;
    if (input.length > 0) {
      channels[0].set(input[0]);
      channels[1].set(input[input.length > 1 ? 1 : 0]);
    } else {
      channels[0].fill(0);
      channels[1].fill(0);
    }
    this.module.skyrun_effect_process(this.effect, kQuantum);
    output[0].set(channels[2]);
    if (output.length > 1) output[1].set(channels[3]);
    return true;
  }

  // What the WAM API asks of a processor; the effect has no delay and takes no events.
  getCompensationDelay() {
    return 0;
  }
  scheduleEvents() {}
  emitEvents() {}
  clearEvents() {}

  destroy() {
    if (!this.alive) return;
    this.alive = false;
    if (this.env) this.env.removeWam(this);
    this.module.skyrun_effect_destroy(this.effect);
    this.effect = 0;
  }
}

registerProcessor(kProcessorName, KestrigoProcessor);
