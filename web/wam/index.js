// SPDX-License-Identifier: MIT
// Kestrigo by Orvane as a Web Audio Module (WAM 2): the default export is
// the WebAudioModule class a host loads. Its audio node runs the effect in
// an audio worklet (processor.js); its GUI is the game, drawn by a second
// instance of the same WebAssembly module on the page (game.js), whose
// sound events reach the worklet as messages.

import { kModuleId } from './names.js';
import { SkyrunGame } from './game.js';
import { SkyrunWasm } from './wasm.js';

const here = new URL('.', import.meta.url);

async function fetchOk(name) {
  const url = new URL(name, here);
  let response;
  try {
    response = await fetch(url);
  } catch (error) {
    throw new Error(`${url} could not be fetched (${error.message})`);
  }
  if (!response.ok) throw new Error(`${url} could not be fetched (HTTP ${response.status})`);
  return response;
}

// One compilation per page, shared by every instance and posted to the worklet.
let compiled = null;
function compileModule() {
  compiled ??= fetchOk('skyrun.wasm')
    .then((response) => response.arrayBuffer())
    .then((bytes) => WebAssembly.compile(bytes));
  compiled.catch(() => (compiled = null));
  return compiled;
}

let instances = 0;

/** @implements {import('@webaudiomodules/api').WebAudioModule} */
export default class KestrigoModule {
  static isWebAudioModuleConstructor = true;

  static async createInstance(groupId, audioContext, initialState) {
    return new this(groupId, audioContext).initialize(initialState);
  }

  constructor(groupId, audioContext) {
    this.groupId = groupId;
    this.audioContext = audioContext;
    this.moduleId = kModuleId;
    this.instanceId = `${kModuleId}-${Date.now()}-${++instances}`;
    this.audioNode = null;
    this.initialized = false;
    this.descriptor = null;
    this.guis = new Map();
  }

  get isWebAudioModule() {
    return true;
  }
  get name() {
    return this.descriptor?.name;
  }
  get vendor() {
    return this.descriptor?.vendor;
  }

  // The effect keeps no state: these answer as its node does.
  async getState() {
    return {};
  }
  async setState() {}

  async initialize(state) {
    if (!this.audioContext.audioWorklet || !globalThis.AudioWorkletNode)
      throw new Error('this browser has no AudioWorklet (or the page is not served from localhost or https)');
    this.descriptor = await (await fetchOk('descriptor.json')).json();
    this.wasmModule = await compileModule();
    this.audioNode = await this.createAudioNode(state);
    this.initialized = true;
    return this;
  }

  async createAudioNode(initialState) {
    await this.audioContext.audioWorklet.addModule(new URL('processor.js', here));
    // Imported here: its class extends AudioWorkletNode, which a browser
    // without it cannot even evaluate.
    const { KestrigoNode } = await import('./node.js');
    const node = await new KestrigoNode(this, this.wasmModule).ready;
    if (initialState) await node.setState(initialState);
    return node;
  }

  // The game in a canvas; it plays while the audio node runs.
  async createGui() {
    const element = document.createElement('div');
    element.className = 'kestrigo';
    const canvas = document.createElement('canvas');
    canvas.style.imageRendering = 'pixelated';
    canvas.style.display = 'block';
    canvas.style.touchAction = 'none';
    element.append(canvas);
    const game = new SkyrunGame(await SkyrunWasm.load(this.wasmModule), canvas, this.audioNode);
    game.open();
    element.game = game;
    this.guis.set(element, game);
    return element;
  }

  destroyGui(gui) {
    this.guis.get(gui)?.close();
    this.guis.delete(gui);
  }

  destroy() {
    for (const gui of [...this.guis.keys()]) this.destroyGui(gui);
    this.audioNode?.destroy();
    this.audioNode = null;
  }
}
