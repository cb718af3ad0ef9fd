// SPDX-License-Identifier: MIT
// The browser tests, one case per run:
//   node run.mjs CASE --site DIR --golden FILE.wasm --native BUILD_DIR [--out DIR]
// Each prints what it saw and exits 0 when it passed, 1 when not, 77 when
// the native build it compares with is missing.

import { spawnSync } from 'node:child_process';
import { existsSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { check, openPage, serve } from './harness.mjs';

const [name, ...rest] = process.argv.slice(2);
const options = {};
for (let i = 0; i + 1 < rest.length; i += 2) options[rest[i].replace(/^--/, '')] = rest[i + 1];
const site = options.site;
const out = options.out || join(tmpdir(), 'skyrun-web-tests');
mkdirSync(out, { recursive: true });
const kSkip = 77;

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
// audio, at a zoom; null without the native build.
function nativeScreenshot(zoom) {
  const host = join(options.native, 'host/skyrun-host');
  const module = join(options.native, 'Skyrun.so');
  if (!existsSync(host) || !existsSync(module)) return null;
  const file = join(out, `native-zoom${zoom}.png`);
  const command = [host, 'editor', module, '--idles', '3', '--zoom', String(zoom), '--screenshot', file];
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
async function compareCanvas(page) {
  return page.evaluate(async () => {
    const canvas = document.querySelector('#game canvas');
    const image = new Image();
    image.src = '/extra/reference.png';
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
  });
}

async function pagePixels(zoom) {
  const reference = nativeScreenshot(zoom);
  if (!reference) return kSkip;
  const server = await serve(site, { extra: { 'reference.png': reference } });
  // Without autoplay the audio waits for a click, so the game does not step
  // and the first picture stays: as skyrun-host's editor without --audio.
  const { browser, page, errors } = await openPage({ scale: zoom, autoplay: false });
  try {
    await loadPage(page, server.url);
    await page.waitForTimeout(300);
    await page.locator('#game canvas').screenshot({ path: join(out, `chromium-zoom${zoom}.png`) });
    const result = await compareCanvas(page);
    console.log(JSON.stringify(result));
    check(result.differing === 0, `the canvas differs from skyrun-host's picture: ${JSON.stringify(result)}`);
    check(Math.abs(result.cssWidth - 302) < 1, `the canvas is ${result.cssWidth} CSS pixels wide, not 302`);
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
  for (const [direction, ms] of [['left', 400], ['right', 400], ['left', 200]]) {
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
