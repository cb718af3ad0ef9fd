// SPDX-License-Identifier: MIT
// The WebAssembly module, instantiated with the few imports it asks for. It
// is built without Emscripten's runtime (STANDALONE_WASM), so the same
// code instantiates it on the page and in the audio worklet, where no
// document, fetch or performance clock may exist.

const now = () => (globalThis.performance ? globalThis.performance.now() : Date.now());

function imports(state) {
  const view = () => new DataView(state.memory.buffer);
  return {
    wasi_snapshot_preview1: {
      // The toolkit's millisecond ticks, from a clock in nanoseconds.
      clock_time_get(clock, precision, out) {
        view().setBigUint64(out, BigInt(Math.round(now() * 1e6)), true);
        return 0;
      },
      // No environment: nothing like GDK_SCALE reaches the module here.
      environ_sizes_get(count, size) {
        view().setUint32(count, 0, true);
        view().setUint32(size, 0, true);
        return 0;
      },
      environ_get() {
        return 0;
      },
      fd_write(fd, iovs, iovsLength, written) {
        const v = view();
        let text = '';
        let total = 0;
        for (let i = 0; i < iovsLength; i++) {
          const pointer = v.getUint32(iovs + 8 * i, true);
          const length = v.getUint32(iovs + 8 * i + 4, true);
          text += String.fromCharCode(...new Uint8Array(state.memory.buffer, pointer, length));
          total += length;
        }
        console.log(text.trimEnd());
        v.setUint32(written, total, true);
        return 0;
      },
      proc_exit(code) {
        throw new Error(`Skyrun's WebAssembly module stopped (exit ${code})`);
      },
    },
    env: {
      emscripten_notify_memory_growth() {},
    },
  };
}

export class SkyrunWasm {
  // On the page: instantiating a large module there must not block.
  static async load(module) {
    const state = {};
    return new SkyrunWasm(await WebAssembly.instantiate(module, imports(state)), state);
  }

  // In the audio worklet, whose processor is made synchronously.
  static loadNow(module) {
    const state = {};
    return new SkyrunWasm(new WebAssembly.Instance(module, imports(state)), state);
  }

  constructor(instance, state) {
    state.memory = instance.exports.memory;
    this.exports = instance.exports;
    this.memory = instance.exports.memory;
    this.exports._initialize();
  }

  words(pointer, count) {
    return new Uint32Array(this.memory.buffer, pointer, count);
  }

  floats(pointer, count) {
    return new Float32Array(this.memory.buffer, pointer, count);
  }
}
