// SPDX-License-Identifier: MIT
// The page: the plug-in loaded as a host loads it, its GUI shown at once,
// and one click (browsers start audio only after one) to start a quiet
// 220 Hz tone through the effect into the speakers, as skyrun-host demo plays.

import KestrigoModule from './wam/index.js';

const message = document.getElementById('message');
const start = document.getElementById('start');

function fail(text) {
  message.textContent = text;
}

async function main() {
  if (!globalThis.AudioContext || !globalThis.AudioWorkletNode) {
    fail('This browser cannot run Skyrun: it has no AudioWorklet. ' +
      'Use a current Chrome, Edge, Firefox or Safari, from localhost or an https address.');
    return;
  }
  const context = new AudioContext({ latencyHint: 'interactive' });
  const wam = await KestrigoModule.createInstance('skyrun-page', context);
  const gui = await wam.createGui();
  document.getElementById('game').append(gui);
  globalThis.skyrun = { wam, gui, context };
  start.hidden = false;
  start.addEventListener('click', async () => {
    start.hidden = true;
    await context.resume();
    const tone = new OscillatorNode(context, { frequency: 220 });
    const quiet = new GainNode(context, { gain: 0.1 });
    tone.connect(quiet).connect(wam.audioNode).connect(context.destination);
    tone.start();
  }, { once: true });
}

main().catch((error) => fail(`Skyrun could not start: ${error.message}`));
