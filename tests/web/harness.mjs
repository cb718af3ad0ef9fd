// SPDX-License-Identifier: MIT
// What every browser test needs: a local static server for the built site
// (and, under /sdk/, the WAM SDK a host page imports), Debian's Chromium
// driven headless by playwright-core, and the page's console watched for
// errors.

import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const here = new URL('.', import.meta.url).pathname;
export const webDir = join(here, '../../web');
const { chromium } = require(join(webDir, 'node_modules/playwright-core'));

const kTypes = {
  '.html': 'text/html', '.js': 'text/javascript', '.mjs': 'text/javascript', '.json': 'application/json',
  '.wasm': 'application/wasm', '.png': 'image/png',
};

// Serves `site` at /, the SDK at /sdk/ and `extra` files (name to path) at
// /extra/NAME; `refuse` names paths that answer 404, for failure tests.
export async function serve(site, { extra = {}, refuse = [] } = {}) {
  const roots = [['/sdk/', join(webDir, 'node_modules/@webaudiomodules/sdk/')], ['/', site]];
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    let file = null;
    if (path.startsWith('/extra/')) file = extra[path.slice(7)];
    else if (!refuse.includes(path)) {
      const [prefix, root] = roots.find(([prefix]) => path.startsWith(prefix));
      const relative = normalize(path.slice(prefix.length) || 'index.html');
      if (!relative.startsWith('..')) file = join(root, relative.endsWith('/') ? `${relative}index.html` : relative);
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'Content-Type': kTypes[extname(file)] || 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://localhost:${server.address().port}/`, close: () => server.close() };
}

// A browser with autoplay allowed, so tests need no gesture; `scale` is the
// device pixel ratio its pages see.
export async function openPage({ scale = 1, autoplay = true, touch = false } = {}) {
  const args = ['--no-sandbox', '--mute-audio'];
  if (autoplay) args.push('--autoplay-policy=no-user-gesture-required');
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args });
  const context = await browser.newContext({
    deviceScaleFactor: scale, hasTouch: touch, viewport: { width: 800, height: 600 },
  });
  const page = await context.newPage();
  const errors = [];
  page.on('console', (entry) => {
    if (entry.type() === 'error') errors.push(entry.text());
    if (process.env.SKYRUN_WEB_VERBOSE) console.log(`page: ${entry.text()}`);
  });
  page.on('pageerror', (error) => errors.push(String(error)));
  return { browser, page, errors };
}

export function check(condition, text) {
  if (!condition) throw new Error(text);
}
