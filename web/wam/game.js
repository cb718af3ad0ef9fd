// SPDX-License-Identifier: MIT
// The game on the page: an effect of its own whose editor draws into a
// canvas (the web platform's window system), idled at 30 Hz as hosts do.
// Each audio quantum the context has rendered ends a block here too, which
// asks the editor for its update as the audio thread does natively; the
// game's sound-event writes go to the audio node after every idle.

const kIdleMs = 1000 / 30;
const kQuantum = 128;
// At most this many block ends are told per idle, after a stall.
const kMaxBlocksPerIdle = 64;
// The handle the page gives for the canvas: any that is not a window of the module.
const kCanvasParent = 1;
const kKeys = { Shift: 0x10, Control: 0x11, Alt: 0x12 };
const kLeftButton = 0x01;
const kRightButton = 0x02;

export class SkyrunGame {
  /**
   * @param {import('./wasm.js').SkyrunWasm} wasm an instance of the module for this game alone
   * @param {HTMLCanvasElement} canvas
   * @param {import('./node.js').KestrigoNode | null} node the audio node the sounds go to
   */
  constructor(wasm, canvas, node) {
    this.wasm = wasm;
    this.module = wasm.exports;
    this.canvas = canvas;
    this.node = node;
    this.context2d = canvas.getContext('2d');
    this.box = wasm.exports.malloc(16);
    this.statusWords = wasm.exports.malloc(20);
    this.listeners = [];
    this.blockFraction = 0;
    this.lastTime = null;
  }

  // Opens the editor at the zoom the screen asks (devicePixelRatio) and
  // starts idling it.
  open() {
    const m = this.module;
    m.skyrun_canvas_set_screen_scale(globalThis.devicePixelRatio || 1);
    this.effect = m.skyrun_effect_create();
    if (!this.effect) throw new Error('the module made no effect');
    this.window = m.skyrun_effect_open_editor(this.effect, kCanvasParent) >>> 0;
    if (!this.window) throw new Error('the editor did not open');
    this.listen();
    this.ratioTold = globalThis.devicePixelRatio || 1;
    this.node?.sendSoundWrites(this.soundWrites(true));
    this.idle();
    this.timer = setInterval(() => this.idle(), kIdleMs);
  }

  close() {
    clearInterval(this.timer);
    for (const [target, type, handler] of this.listeners) target.removeEventListener(type, handler);
    this.listeners = [];
    if (!this.effect) return;
    this.module.skyrun_effect_close_editor(this.effect);
    this.node?.sendSoundWrites(this.soundWrites(false));
    this.module.skyrun_effect_destroy(this.effect);
    this.effect = 0;
  }

  idle() {
    const m = this.module;
    // A new devicePixelRatio (another screen, or the page zoomed) is told
    // as a host tells its display scale; the canvas follows when drawn.
    const ratio = globalThis.devicePixelRatio || 1;
    if (ratio !== this.ratioTold) {
      this.ratioTold = ratio;
      m.skyrun_effect_set_scale(this.effect, ratio);
    }
    for (let blocks = this.renderedBlocks(); blocks > 0; blocks--) m.skyrun_effect_end_block(this.effect);
    m.skyrun_effect_idle(this.effect);
    const writes = this.soundWrites(false);
    if (writes.length > 0) this.node?.sendSoundWrites(writes);
    this.draw();
  }

  // The quanta the audio context rendered since the last idle.
  renderedBlocks() {
    const audio = this.node?.context;
    if (!audio || audio.state !== 'running') {
      this.lastTime = null;
      return 0;
    }
    const time = audio.currentTime;
    if (this.lastTime === null) this.lastTime = time;
    const blocks = ((time - this.lastTime) * audio.sampleRate) / kQuantum + this.blockFraction;
    this.lastTime = time;
    const whole = Math.floor(blocks);
    this.blockFraction = blocks - whole;
    return Math.min(whole, kMaxBlocksPerIdle);
  }

  soundWrites(all) {
    const count = this.module.skyrun_effect_sound_writes(this.effect, all ? 1 : 0);
    const data = this.module.skyrun_effect_sound_writes_data(this.effect);
    return this.wasm.words(data, 2 * count).slice();
  }

  // Draws what changed since the last draw, straight from the module's memory.
  draw() {
    const m = this.module;
    const width = m.skyrun_canvas_width(this.window);
    const height = m.skyrun_canvas_height(this.window);
    const ratio = globalThis.devicePixelRatio || 1;
    if (this.canvas.width !== width || this.canvas.height !== height || this.ratio !== ratio)
      this.resize(width, height, ratio);
    this.canvas.style.visibility = m.skyrun_canvas_visible(this.window) ? '' : 'hidden';
    if (!m.skyrun_canvas_take_changed(this.window, this.box)) return;
    const pixels = m.skyrun_canvas_pixels(this.window);
    if (!this.image || this.image.data.buffer !== this.wasm.memory.buffer || this.imagePixels !== pixels) {
      const bytes = new Uint8ClampedArray(this.wasm.memory.buffer, pixels, width * height * 4);
      this.image = new ImageData(bytes, width, height);
      this.imagePixels = pixels;
    }
    const [left, top, right, bottom] = new Int32Array(this.wasm.memory.buffer, this.box, 4);
    this.context2d.putImageData(this.image, 0, 0, left, top, right - left, bottom - top);
  }

  // The canvas holds the shown pixels one to one with the screen's: its CSS
  // size is its pixel size over devicePixelRatio.
  resize(width, height, ratio) {
    this.ratio = ratio;
    this.canvas.width = width;
    this.canvas.height = height;
    this.canvas.style.width = `${width / ratio}px`;
    this.canvas.style.height = `${height / ratio}px`;
    this.image = null;
  }

  // Game state, for tests and the page: editor open, steps, score, lives, game overs.
  status() {
    this.module.skyrun_effect_status(this.effect, this.statusWords);
    const [editorOpen, steps, score, lives, gameOvers] = new Int32Array(this.wasm.memory.buffer, this.statusWords, 5);
    return { editorOpen, steps, score, lives, gameOvers };
  }

  // ---- Input: the page's events as the platform's buttons, keys, pointer and presses

  on(target, type, handler) {
    target.addEventListener(type, handler, { passive: false });
    this.listeners.push([target, type, handler]);
  }

  canvasPoint(clientX, clientY) {
    const rect = this.canvas.getBoundingClientRect();
    return [
      Math.floor(((clientX - rect.left) * this.canvas.width) / rect.width),
      Math.floor(((clientY - rect.top) * this.canvas.height) / rect.height),
    ];
  }

  point(clientX, clientY) {
    const [x, y] = this.canvasPoint(clientX, clientY);
    this.module.skyrun_canvas_set_pointer(x, y);
    return [x, y];
  }

  press(right, clientX, clientY) {
    const [x, y] = this.point(clientX, clientY);
    this.module.skyrun_canvas_set_key(right ? kRightButton : kLeftButton, 1);
    this.module.skyrun_canvas_press(this.window, right ? 1 : 0, x, y);
  }

  listen() {
    const m = this.module;
    const canvas = this.canvas;
    this.on(canvas, 'contextmenu', (event) => event.preventDefault());
    this.on(canvas, 'mousedown', (event) => {
      if (event.button !== 0 && event.button !== 2) return;
      event.preventDefault();
      this.press(event.button === 2, event.clientX, event.clientY);
    });
    this.on(window, 'mouseup', (event) => {
      if (event.button === 0) m.skyrun_canvas_set_key(kLeftButton, 0);
      if (event.button === 2) m.skyrun_canvas_set_key(kRightButton, 0);
    });
    this.on(window, 'mousemove', (event) => this.point(event.clientX, event.clientY));
    const key = (down) => (event) => {
      if (!(event.key in kKeys)) return;
      event.preventDefault();
      m.skyrun_canvas_set_key(kKeys[event.key], down ? 1 : 0);
    };
    this.on(window, 'keydown', key(true));
    this.on(window, 'keyup', key(false));
    this.on(window, 'blur', () => {
      for (const code of [...Object.values(kKeys), kLeftButton, kRightButton]) m.skyrun_canvas_set_key(code, 0);
    });
    // A touch on the left half steers as the left button, on the right half
    // as the right one; a press there also reaches the game (the START lamp).
    const touches = (event) => {
      event.preventDefault();
      const rect = canvas.getBoundingClientRect();
      const middle = rect.left + rect.width / 2;
      let left = false;
      let right = false;
      for (const touch of event.touches) {
        if (touch.clientX < middle) left = true;
        else right = true;
      }
      m.skyrun_canvas_set_key(kLeftButton, left ? 1 : 0);
      m.skyrun_canvas_set_key(kRightButton, right ? 1 : 0);
      if (event.type === 'touchstart') {
        for (const touch of event.changedTouches) this.press(touch.clientX >= middle, touch.clientX, touch.clientY);
      }
    };
    for (const type of ['touchstart', 'touchend', 'touchcancel']) this.on(canvas, type, touches);
  }
}
