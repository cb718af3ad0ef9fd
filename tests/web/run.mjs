// SPDX-License-Identifier: MIT
// The browser tests, one case per run:
//   node run.mjs CASE --site DIR --golden FILE.wasm --native BUILD_DIR [--out DIR]
// Each prints what it saw and exits 0 when it passed, 1 when not, 77 when
// the native build it compares with is missing.

import { spawnSync } from 'node:child_process';
import { existsSync, mkdirSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { check, openPage, serve } from './harness.mjs';

const [name, ...rest] = process.argv.slice(2);
const options = {};
for (let i = 0; i + 1 < rest.length; i += 2) options[rest[i].replace(/^--/, '')] = rest[i + 1];
const site = resolve(options.site);
const out = options.out || join(tmpdir(), 'skyrun-web-tests');
mkdirSync(out, { recursive: true });
const kSkip = 77;

// The about panel's hot spot, the SKYRUN sign under the play area.
const kAboutSpot = [147, 194];

// Field indices of the sound events (game/SoundEvents.h, in order).
const kField = {
  planeSoundMode: 0, planeSoundLevel: 1, planeSoundCounter: 4, gunState: 5, gunPeriod: 6, gunLevel: 8,
  enemySoundOn: 10, enemyLevel: 11, enemyWaveCounter: 14, enemySweep: 15,
};
const floatBits = (value) => new Uint32Array(new Float32Array([value]).buffer)[0];
// As the synthesizer benchmark keeps every generator sounding.
const kAllSounding = [
  [kField.planeSoundMode, 1], [kField.planeSoundLevel, floatBits(1)], [kField.planeSoundCounter, 0],
  [kField.gunState, 1], [kField.gunPeriod, 10], [kField.gunLevel, floatBits(0.25)],
  [kField.enemySoundOn, 1], [kField.enemyLevel, floatBits(0.135)], [kField.enemySweep, 1],
  [kField.enemyWaveCounter, 1],
].flat();

// The editor picture skyrun-host draws natively after a few idles without
// audio, at a zoom (after a click on the about panel's hot spot when
// `about`); null without the native build.
function nativeScreenshot(zoom, about = false) {
  const host = join(options.native, 'host/skyrun-host');
  const module = join(options.native, 'Skyrun.so');
  if (!existsSync(host) || !existsSync(module)) return null;
  const file = join(out, `native-zoom${zoom}${about ? '-about' : ''}.png`);
  const command = [host, 'editor', module, '--idles', '6', '--zoom', String(zoom)];
  if (about) {
    const script = join(out, `about-zoom${zoom}.script`);
    // The script clicks where the window shows the spot, at its zoom.
    writeFileSync(script, `2 click left ${kAboutSpot[0] * zoom} ${kAboutSpot[1] * zoom}\n5 shot ${file}\n`);
    command.push('--script', script);
  } else {
    command.push('--screenshot', file);
  }
  const run = process.env.DISPLAY
    ? spawnSync(command[0], command.slice(1), { stdio: 'inherit' })
    : spawnSync('xvfb-run', ['-a', '-s', '-screen 0 1024x768x24', ...command], { stdio: 'inherit' });
  check(run.status === 0, `skyrun-host editor failed (${run.status})`);
  return file;
}

async function loadPage(page, url) {
  await page.goto(url);
  await page.waitForFunction(() => globalThis.skyrun || document.getElementById('message').textContent,
    null, { timeout: 20000 });
  const message = await page.textContent('#message');
  check(!message, `the page says: ${message}`);
}

// The game canvas against a reference picture, in the page: counts the
// pixels that differ.
async function compareCanvas(page, name) {
  return page.evaluate(async (name) => {
    const canvas = document.querySelector('#game canvas');
    const image = new Image();
    image.src = `/extra/${name}`;
    await image.decode();
    const reference = new OffscreenCanvas(image.width, image.height).getContext('2d');
    reference.drawImage(image, 0, 0);
    const size = `${canvas.width}x${canvas.height} against ${image.width}x${image.height}`;
    if (canvas.width !== image.width || canvas.height !== image.height) return { size, differing: -1 };
    const shown = new Uint32Array(canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data.buffer);
    const wanted = new Uint32Array(reference.getImageData(0, 0, image.width, image.height).data.buffer);
    let differing = 0;
    let first = null;
    for (let i = 0; i < shown.length; i++) {
      if (shown[i] === wanted[i]) continue;
      differing++;
      first ??= { x: i % canvas.width, y: Math.floor(i / canvas.width), shown: shown[i], wanted: wanted[i] };
    }
    return { size, differing, first, cssWidth: canvas.getBoundingClientRect().width };
  }, name);
}

async function pagePixels(zoom) {
  const reference = nativeScreenshot(zoom);
  if (!reference) return kSkip;
  const about = nativeScreenshot(zoom, true);
  const server = await serve(site, { extra: { 'reference.png': reference, 'about.png': about } });
  // Without autoplay the audio waits for a click, so the game does not step
  // and the first picture stays: as skyrun-host's editor without --audio.
  const { browser, page, errors } = await openPage({ scale: zoom, autoplay: false });
  try {
    await loadPage(page, server.url);
    await page.waitForTimeout(300);
    await page.locator('#game canvas').screenshot({ path: join(out, `chromium-zoom${zoom}.png`) });
    const result = await compareCanvas(page, 'reference.png');
    console.log(JSON.stringify(result));
    check(result.differing === 0, `the canvas differs from skyrun-host's picture: ${JSON.stringify(result)}`);
    check(Math.abs(result.cssWidth - 302) < 1, `the canvas is ${result.cssWidth} CSS pixels wide, not 302`);
    // The about panel's text, as natively.
    await page.mouse.click(...(await canvasPoint(page, ...kAboutSpot)), { delay: 20 });
    await page.waitForTimeout(300);
    await page.locator('#game canvas').screenshot({ path: join(out, `chromium-zoom${zoom}-about.png`) });
    const panel = await compareCanvas(page, 'about.png');
    console.log(`about panel: ${JSON.stringify(panel)}`);
    check(panel.differing === 0, `the about panel differs from skyrun-host's: ${JSON.stringify(panel)}`);
    // The page moved to a screen of another ratio: the other zoom, the same size on the page.
    const cdp = await page.context().newCDPSession(page);
    await cdp.send('Emulation.setDeviceMetricsOverride', { width: 800, height: 600, deviceScaleFactor: 3 - zoom, mobile: false });
    const moved = await page.waitForFunction((wanted) => {
      const canvas = document.querySelector('#game canvas');
      return canvas.width === wanted && [canvas.width, canvas.getBoundingClientRect().width];
    }, 302 * (3 - zoom), { timeout: 5000 }).then((handle) => handle.jsonValue()).catch(() => null);
    console.log(`at ratio ${3 - zoom}: ${JSON.stringify(moved)}`);
    check(moved && Math.abs(moved[1] - 302) < 1, `the editor did not follow a new devicePixelRatio: ${JSON.stringify(moved)}`);
    check(errors.length === 0, `console errors: ${errors.join('; ')}`);
  } finally {
    await browser.close();
    server.close();
  }
  return 0;
}

const status = (page) => page.evaluate(() => skyrun.gui.game.status());

// Where the aircraft is: the middle column of its light grey pixels in the
// play area's bottom rows (the ground is green, the bullets yellow).
async function aircraftX(page) {
  return page.evaluate(() => {
    const canvas = document.querySelector('#game canvas');
    const zoom = canvas.width / 302;
    const data = canvas.getContext('2d').getImageData(66 * zoom, 135 * zoom, 170 * zoom, 30 * zoom);
    let sum = 0;
    let count = 0;
    for (let i = 0; i < data.data.length; i += 4) {
      const [r, g, b] = data.data.slice(i, i + 4);
      if (r > 150 && Math.abs(r - g) < 20 && Math.abs(r - b) < 20) {
        sum += (i / 4) % data.width;
        count++;
      }
    }
    return count ? 66 + sum / count / zoom : null;
  });
}

// The lives display's pixels.
const livesDisplay = (page) => page.evaluate(() => {
  const canvas = document.querySelector('#game canvas');
  const zoom = canvas.width / 302;
  return Array.from(canvas.getContext('2d').getImageData(250 * zoom, 108 * zoom, 42 * zoom, 17 * zoom).data).join();
});

// Once the sound runs, the game steps and the lives display shows the
// lives; holding each direction (`hold`) moves the aircraft that way, and
// START (`press` at a window position) brings it back where a game starts.
async function steerAndStart(page, press, hold) {
  const frozen = await status(page);
  const livesBefore = await livesDisplay(page);
  await page.waitForTimeout(300);
  check((await status(page)).steps === frozen.steps, 'the game stepped before the sound started');
  await page.click('#start');
  await page.waitForFunction((steps) => skyrun.gui.game.status().steps > steps + 10, frozen.steps, { timeout: 10000 });
  check((await livesDisplay(page)) !== livesBefore, 'the lives display did not change when the game ran');
  const startX = await aircraftX(page);
  const moves = [];
  for (const [direction, ms] of [['left', 300], ['right', 300], ['left', 200]]) {
    const before = await aircraftX(page);
    await hold(direction, ms);
    moves.push([direction, before, await aircraftX(page)]);
  }
  console.log(`aircraft moves: ${JSON.stringify(moves)}`);
  check(moves[0][2] < moves[0][1] - 4, `holding left did not move the aircraft left: ${moves[0]}`);
  check(moves[1][2] > moves[1][1] + 4, `holding right did not move the aircraft right: ${moves[1]}`);
  await press(31, 94);  // the START lamp
  await page.waitForTimeout(300);
  const restartX = await aircraftX(page);
  console.log(`aircraft at ${startX} when the game ran, ${moves[2][2]} moved, ${restartX} after START`);
  check(Math.abs(restartX - startX) < 2 && Math.abs(moves[2][2] - startX) > 4,
    'START did not start a new game (the aircraft stayed where it was)');
}

async function canvasPoint(page, x, y) {
  const box = await page.locator('#game canvas').boundingBox();
  return [box.x + (x * box.width) / 302, box.y + (y * box.height) / 214];
}

const cases = {
  page_pixels_zoom1: () => pagePixels(1),
  page_pixels_zoom2: () => pagePixels(2),

  // One click starts the sound; START starts a game; Control and Alt steer.
  async page_start_and_keys() {
    const server = await serve(site);
    const { browser, page, errors } = await openPage({ autoplay: false });
    try {
      await loadPage(page, server.url);
      await steerAndStart(page, async (x, y) => page.mouse.click(...(await canvasPoint(page, x, y)), { delay: 20 }),
        async (direction, ms) => {
          const key = direction === 'left' ? 'Control' : 'Alt';
          await page.keyboard.down(key);
          await page.waitForTimeout(ms);
          await page.keyboard.up(key);
        });
      check(errors.length === 0, `console errors: ${errors.join('; ')}`);
    } finally {
      await browser.close();
      server.close();
    }
    return 0;
  },

  // A tap presses START; a touch held on a half steers that way.
  async page_touch() {
    const server = await serve(site);
    const { browser, page, errors } = await openPage({ touch: true, autoplay: false });
    try {
      await loadPage(page, server.url);
      const cdp = await page.context().newCDPSession(page);
      const touch = async (type, points) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: points });
      await steerAndStart(page, async (x, y) => {
        const [px, py] = await canvasPoint(page, x, y);
        await touch('touchStart', [{ x: px, y: py }]);
        await touch('touchEnd', []);
      }, async (direction, ms) => {
        const [px, py] = await canvasPoint(page, direction === 'left' ? 40 : 260, 150);
        await touch('touchStart', [{ x: px, y: py }]);
        await page.waitForTimeout(ms);
        await touch('touchEnd', []);
      });
      check(errors.length === 0, `console errors: ${errors.join('; ')}`);
    } finally {
      await browser.close();
      server.close();
    }
    return 0;
  },
};

// A page of the site with nothing on it, for tests that load the plug-in themselves.
const kBlank = '<!doctype html><meta charset="utf-8"><title>host</title><link rel="icon" href="data:,">';

async function onBlankPage(scriptFor, { extra = {}, autoplay = true } = {}) {
  const blank = join(out, 'blank.html');
  writeFileSync(blank, kBlank);
  const server = await serve(site, { extra: { 'blank.html': blank, ...extra } });
  const { browser, page, errors } = await openPage({ autoplay });
  try {
    await page.goto(`${server.url}extra/blank.html`);
    const result = await page.evaluate(scriptFor);
    console.log(JSON.stringify(result));
    return { result, errors };
  } finally {
    await browser.close();
    server.close();
  }
}

Object.assign(cases, {
  // As a WAM host loads it: the SDK's host set-up, createInstance in the
  // host's group, the node connected, the GUI shown and playing, then
  // everything taken down, with nothing on the console.
  async wam_host_lifecycle() {
    const { result, errors } = await onBlankPage(async () => {
      const { initializeWamHost } = await import('/sdk/dist/index.js');
      const context = new AudioContext();
      const [hostGroupId] = await initializeWamHost(context);
      const { default: Module } = await import('/wam/index.js');
      const seen = { constructor: Module.isWebAudioModuleConstructor };
      const wam = await Module.createInstance(hostGroupId, context);
      Object.assign(seen, {
        isWam: wam.isWebAudioModule, initialized: wam.initialized, name: wam.name, vendor: wam.vendor,
        identifier: wam.descriptor.identifier, groupId: wam.audioNode.groupId === hostGroupId,
        node: wam.audioNode instanceof AudioNode, inputs: wam.audioNode.numberOfInputs,
        outputs: wam.audioNode.numberOfOutputs, state: await wam.audioNode.getState(),
        delay: await wam.audioNode.getCompensationDelay(),
      });
      // No input: what comes out is the game's sound alone.
      const analyser = new AnalyserNode(context, { fftSize: 2048 });
      wam.audioNode.connect(analyser).connect(context.destination);
      await context.resume();
      const loudest = () => {
        const samples = new Float32Array(analyser.fftSize);
        analyser.getFloatTimeDomainData(samples);
        return Math.max(...samples.map(Math.abs));
      };
      const wait = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
      await wait(200);
      seen.silentWithoutGame = loudest() === 0;
      const gui = await wam.createGui();
      document.body.append(gui);
      const steps = gui.game.status().steps;
      await wait(600);
      seen.stepped = gui.game.status().steps > steps;
      seen.gameSounds = loudest() > 0;
      seen.canvas = gui.querySelector('canvas').width;
      wam.destroyGui(gui);
      gui.remove();
      wam.destroy();
      await new Promise((resolve) => setTimeout(resolve, 100));
      await context.close();
      return seen;
    });
    check(result.constructor && result.isWam && result.initialized, 'not a WebAudioModule');
    check(result.name === 'Kestrigo' && result.vendor === 'Orvane', 'wrong name or vendor');
    check(result.identifier === 'example.orvane.kestrigo' && result.groupId, 'wrong identifier or group');
    check(result.node && result.inputs === 1 && result.outputs === 1, 'the node is not one in, one out');
    check(result.stepped && result.canvas === 302, 'the GUI did not play the game');
    check(result.silentWithoutGame && result.gameSounds, 'the game\'s sounds did not reach the audio thread');
    check(errors.length === 0, `console errors: ${errors.join('; ')}`);
    return 0;
  },

  // A test signal through the node in an OfflineAudioContext, the game
  // silent (no GUI): every output sample is the input's, bit for bit.
  async wam_offline_bit_exact() {
    const { result, errors } = await onBlankPage(async () => {
      const rate = 44100;
      const frames = rate;
      const context = new OfflineAudioContext({ numberOfChannels: 2, length: frames, sampleRate: rate });
      const { default: Module } = await import('/wam/index.js');
      const wam = await Module.createInstance('offline', context);
      const signal = context.createBuffer(2, frames, rate);
      let seed = 12345;
      for (let channel = 0; channel < 2; channel++) {
        const data = signal.getChannelData(channel);
        for (let i = 0; i < frames; i++) {
          seed = (seed * 1103515245 + 12345) >>> 0;
          data[i] = 0.5 * Math.sin((2 * Math.PI * (220 + 110 * channel) * i) / rate) + (seed / 2 ** 32 - 0.5) * 0.4;
        }
      }
      const source = new AudioBufferSourceNode(context, { buffer: signal });
      source.connect(wam.audioNode).connect(context.destination);
      source.start();
      const rendered = await context.startRendering();
      let differing = 0;
      for (let channel = 0; channel < 2; channel++) {
        const want = new Uint32Array(signal.getChannelData(channel).buffer);
        const got = new Uint32Array(rendered.getChannelData(channel).buffer);
        for (let i = 0; i < frames; i++) differing += want[i] !== got[i];
      }
      wam.destroy();
      return { frames, differing };
    });
    check(result.differing === 0, `${result.differing} samples differ from the input`);
    check(errors.length === 0, `console errors: ${errors.join('; ')}`);
    return 0;
  },

  // The synthesizer in WebAssembly against the native build's golden outputs.
  async wam_golden_synth() {
    const { result, errors } = await onBlankPage(async () => {
      const { SkyrunWasm } = await import('/wam/wasm.js');
      const bytes = await (await fetch('/extra/golden.wasm')).arrayBuffer();
      const golden = (await SkyrunWasm.load(await WebAssembly.compile(bytes))).exports;
      return {
        cases: golden.skyrun_golden_case_count(),
        sampleFailures: golden.skyrun_golden_sample_failures(),
        caseFailures: golden.skyrun_golden_case_failures(),
      };
    }, { extra: { 'golden.wasm': options.golden } });
    check(result.cases > 0 && result.sampleFailures === 0 && result.caseFailures === 0,
      'the synthesizer in WebAssembly differs from the golden outputs');
    check(errors.length === 0, `console errors: ${errors.join('; ')}`);
    return 0;
  },

  // What cannot work says so on the page, and throws nothing.
  async bad_input() {
    const trials = [
      ['opened as a file', { file: true }, /must be served/],
      ['no AudioWorklet', { init: () => delete globalThis.AudioWorkletNode }, /no AudioWorklet/],
      ['the module cannot be fetched', { refuse: ['/wam/skyrun.wasm'] }, /skyrun\.wasm could not be fetched/],
      ['the descriptor cannot be fetched', { refuse: ['/wam/descriptor.json'] }, /descriptor\.json could not be fetched/],
    ];
    let failed = 0;
    for (const [what, how, wanted] of trials) {
      const server = await serve(site, { refuse: how.refuse || [] });
      const { browser, page } = await openPage();
      const thrown = [];
      page.on('pageerror', (error) => thrown.push(String(error)));
      try {
        if (how.init) await page.addInitScript(how.init);
        await page.goto(how.file ? `file://${join(site, 'index.html')}` : server.url);
        await page.waitForFunction(() => document.getElementById('message').textContent, null, { timeout: 10000 })
          .catch(() => {});
        const message = await page.textContent('#message');
        const good = wanted.test(message) && thrown.length === 0;
        console.log(`${good ? 'ok' : 'FAILED'}: ${what}: "${message}"${thrown.length ? ` thrown: ${thrown}` : ''}`);
        failed += !good;
      } finally {
        await browser.close();
        server.close();
      }
    }
    check(failed === 0, `${failed} of the failures were not reported as they should be`);
    return 0;
  },

  // The speed and size figures; only the size is checked (timings vary
  // with the machine: they are printed, never tested).
  async figures() {
    const server = await serve(site);
    const { browser, page, errors } = await openPage({ autoplay: false });
    let bytes = 0;
    page.on('response', async (response) => {
      bytes += (await response.body().catch(() => Buffer.alloc(0))).length;
    });
    let measured;
    try {
      await loadPage(page, server.url);
      await page.waitForTimeout(300);
      measured = await page.evaluate(async (allSounding) => {
        const game = skyrun.gui.game;
        const { SkyrunWasm } = await import('/wam/wasm.js');
        const wasm = await SkyrunWasm.load(skyrun.wam.wasmModule);
        const m = wasm.exports;
        const keepSounding = (effect) => {
          for (let i = 0; i < allSounding.length; i += 2) m.skyrun_effect_apply_sound_write(effect, allSounding[i], allSounding[i + 1]);
        };
        // First runs let the engine compile the hot code fully (it does so
        // only once the code has run a while); then the median of five
        // timed runs, as the machine's load comes and goes.
        const timed = (run) => {
          for (let i = 0; i < 4; i++) run();
          return [0, 1, 2, 3, 4].map(() => {
            const start = performance.now();
            run();
            return performance.now() - start;
          }).sort((a, b) => a - b)[2];
        };
        const made = (frames) => {
          const effect = m.skyrun_effect_create();
          m.skyrun_effect_activate(effect, 44100, frames);
          const views = [0, 1, 2, 3].map((which) => wasm.floats(m.skyrun_effect_buffer(effect, which), frames));
          views[0].fill(0.1);
          views[1].fill(-0.1);
          return { effect, views };
        };
        // The synthesizer with every generator sounding, as the native
        // benchmark runs it: blocks of 512 frames, restarted every 16.
        const synth = made(512);
        const blocks = 10000;
        const synthMs = timed(() => {
          for (let b = 0; b < blocks; b++) {
            if (b % 16 === 0) keepSounding(synth.effect);
            m.skyrun_effect_process(synth.effect, 512);
          }
        });
        // One quantum as the worklet runs it, its copies in and out included.
        const worklet = made(128);
        const input = new Float32Array(128).fill(0.1);
        const output = new Float32Array(128);
        const quanta = 20000;
        const quantaMs = timed(() => {
          for (let q = 0; q < quanta; q++) {
            if (q % 64 === 0) keepSounding(worklet.effect);
            worklet.views[0].set(input);
            worklet.views[1].set(input);
            m.skyrun_effect_process(worklet.effect, 128);
            output.set(worklet.views[2]);
            output.set(worklet.views[3]);
          }
        });
        m.skyrun_effect_destroy(synth.effect);
        m.skyrun_effect_destroy(worklet.effect);
        // Busy game steps: fire held, a block's end, the idle's step, its
        // drawing and the present into the canvas.
        clearInterval(game.timer);
        game.module.skyrun_canvas_set_key(0x10, 1);
        const steps = [];
        for (let i = 0; i < 300; i++) {
          const t0 = performance.now();
          game.module.skyrun_effect_end_block(game.effect);
          game.idle();
          steps.push(performance.now() - t0);
        }
        steps.sort((a, b) => a - b);
        return {
          synthNsPerFrame: (synthMs * 1e6) / (blocks * 512),
          quantumMs: quantaMs / quanta,
          stepMeanMs: steps.reduce((a, b) => a + b) / steps.length,
          stepMedianMs: steps[150],
          step95Ms: steps[285],
          stepsTaken: game.status().steps,
        };
      }, kAllSounding);
      check(errors.length === 0, `console errors: ${errors.join('; ')}`);
    } finally {
      await browser.close();
      server.close();
    }
    let native = '(no native benchmark built)';
    const bench = join(options.native, 'bench/skyrun_bench');
    if (existsSync(bench)) {
      const run = spawnSync(bench, ['--benchmark_filter=synth/hum\\+roar', '--benchmark_min_time=0.2'],
        { encoding: 'utf8' });
      // The benchmark's own table: the row's ns per item (a stereo frame).
      const row = /^synth\/hum\+roar\+gun\+rumble\s+([\d.,]+)\s/m.exec(run.stdout || '');
      const nativeNs = row ? Number(row[1].replace(/,/g, '')) : NaN;
      if (nativeNs > 0) native = `${nativeNs.toFixed(2)} ns (WebAssembly ${(measured.synthNsPerFrame / nativeNs).toFixed(2)} × native)`;
    }
    const quantumShare = (100 * measured.quantumMs) / ((128 / 44100) * 1000);
    const lines = [
      `page loads: ${bytes} bytes (${(bytes / 1e6).toFixed(2)} MB)`,
      `synthesizer, all generators, in WebAssembly: ${measured.synthNsPerFrame.toFixed(2)} ns a frame; natively ${native}`,
      `one 128-frame quantum: ${(measured.quantumMs * 1000).toFixed(1)} µs, ${quantumShare.toFixed(2)} % of its 2.90 ms at 44.1 kHz`,
      `busy game step with drawing and present: mean ${measured.stepMeanMs.toFixed(3)} ms, ` +
        `median ${measured.stepMedianMs.toFixed(3)} ms, 95th percentile ${measured.step95Ms.toFixed(3)} ms`,
    ].join('\n');
    console.log(lines);
    writeFileSync(join(out, 'figures.txt'), `${lines}\n`);
    check(bytes > 0 && bytes <= 1.5e6, `the page loads ${bytes} bytes, more than 1.5 MB`);
    return 0;
  },
});

const kCase = cases[name];
if (!kCase) {
  console.error(`unknown case ${name}; cases: ${Object.keys(cases).join(' ')}`);
  process.exit(2);
}
try {
  process.exit(await kCase());
} catch (error) {
  console.error(`${name}: ${error.message}`);
  process.exit(1);
}
