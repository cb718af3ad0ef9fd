// SPDX-License-Identifier: MIT
// The plug-in's audio node, the WamNode a host connects: stereo in, stereo
// out, over the processor in processor.js. The effect has no parameters,
// state, delay or events, so those calls answer empty.

import { kProcessorName } from './names.js';

/** @implements {import('@webaudiomodules/api').WamNode} */
export class KestrigoNode extends AudioWorkletNode {
  /**
   * @param {import('@webaudiomodules/api').WebAudioModule} module
   * @param {WebAssembly.Module} wasmModule
   */
  constructor(module, wasmModule) {
    super(module.audioContext, kProcessorName, {
      numberOfInputs: 1,
      numberOfOutputs: 1,
      outputChannelCount: [2],
      channelCount: 2,
      channelCountMode: 'explicit',
      channelInterpretation: 'speakers',
      processorOptions: {
        module: wasmModule,
        groupId: module.groupId,
        moduleId: module.moduleId,
        instanceId: module.instanceId,
      },
    });
    this.module = module;
    this.groupId = module.groupId;
    this.moduleId = module.moduleId;
    this.instanceId = module.instanceId;
    // Settles when the processor has made its effect, or could not.
    this.ready = new Promise((resolve, reject) => {
      this.port.onmessage = ({ data }) => {
        if (data.ready) resolve(this);
        if (data.error) reject(new Error(`Skyrun's audio processor failed: ${data.error}`));
      };
    });
  }

  async getParameterInfo() {
    return {};
  }
  async getParameterValues() {
    return {};
  }
  async setParameterValues() {}
  async getState() {
    return {};
  }
  async setState() {}
  async getCompensationDelay() {
    return 0;
  }
  scheduleEvents() {}
  clearEvents() {}
  connectEvents() {}
  disconnectEvents() {}

  // The game's sound-event writes, as (field, value) word pairs.
  sendSoundWrites(pairs) {
    this.port.postMessage({ writes: pairs });
  }

  destroy() {
    this.port.postMessage({ destroy: true });
    this.disconnect();
  }
}
