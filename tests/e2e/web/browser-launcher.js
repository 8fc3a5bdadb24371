#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// The web game as a process, for the real-window tests: `browser-launcher.js PAGE ARGS...`
// serves PAGE's folder on 127.0.0.1, opens PAGE in headless Chromium with ARGS as the
// game's arguments, copies what the game writes to its standard output and error to this
// process's own, and exits with the game's exit status. So the harness starts, reads and
// waits for the web game as it does for the desktop one.
//
// The seven pictures are served from this process's working directory instead of the
// page's folder, since the page fetches them into the game's working directory: a test
// that damages or removes one in its own folder sees the game react as on a desktop.
//
// Node speaks JSON natively and is there wherever Emscripten is, so the launcher needs no
// package beyond the browser. The environment steers it:
//   NOUGHTS_E2E_WEB_RUN_DIR    a folder of the test's: the control socket "control" and
//                              the browser's profile go there (else a folder of its own)
//   NOUGHTS_E2E_WEB_INPUT      "touch": clicks are taps (else mouse clicks)
//   NOUGHTS_E2E_WEB_SCREEN     WIDTHxHEIGHT@SCALE: the window's size in CSS pixels and
//                              the device pixels per CSS pixel (else 800x600@1)
//   NOUGHTS_E2E_WEB_AFTER_EXIT "stay": keep the page when the game ends (else exit)
//   NOUGHTS_FIXED_CLOCK        the second that the page's clock stands still at
//   NOUGHTS_E2E_CHROMIUM       the browser (else /usr/lib/chromium/chromium)
//   SDL_*                      passed on to the game's own environment
// The control socket takes one request a line and answers each with one line, "ok ..."
// or "error REASON" (see WebWindow.h).
'use strict';

const childProcess = require('child_process');
const fs = require('fs');
const http = require('http');
const net = require('net');
const os = require('os');
const path = require('path');

const kPictures = ['intro.bmp', 'menu.bmp', 'item.bmp', 'NULL.bmp', 'win1.bmp', 'win2.bmp',
  'DRAW.bmp'];
const kTypes = {
  '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.css': 'text/css', '.bmp': 'image/bmp', '.png': 'image/png', '.svg': 'image/svg+xml',
  '.json': 'application/json', '.ico': 'image/x-icon', '.webmanifest': 'application/manifest+json',
};
// How often the page's output and exit status are copied out.
const kPollMs = 20;
// The keys the game answers, as the browser's input pipeline wants them.
const kKeys = {
  Space: { key: ' ', code: 'Space', windowsVirtualKeyCode: 32, text: ' ' },
  Escape: { key: 'Escape', code: 'Escape', windowsVirtualKeyCode: 27 },
  i: { key: 'i', code: 'KeyI', windowsVirtualKeyCode: 73, text: 'i' },
};

function fail(message) {
  process.stderr.write(`browser-launcher: ${message}\n`);
  process.exit(125);
}

const [pagePath, ...gameArguments] = process.argv.slice(2);
if (!pagePath || !fs.existsSync(pagePath)) {
  fail(`usage: browser-launcher.js PAGE [ARGUMENT...]; no page at "${pagePath || ''}"`);
}
const siteDir = path.dirname(path.resolve(pagePath));
const pageName = path.basename(pagePath);
const environment = process.env;
const touch = environment.NOUGHTS_E2E_WEB_INPUT === 'touch';
const stayAfterExit = environment.NOUGHTS_E2E_WEB_AFTER_EXIT === 'stay';
const screen = /^(\d+)x(\d+)@(\d+(?:\.\d+)?)$/.exec(environment.NOUGHTS_E2E_WEB_SCREEN || '800x600@1');
if (!screen) {
  fail(`NOUGHTS_E2E_WEB_SCREEN is "${environment.NOUGHTS_E2E_WEB_SCREEN}", not WIDTHxHEIGHT@SCALE`);
}
const ownRunDir = !environment.NOUGHTS_E2E_WEB_RUN_DIR;
const runDir = ownRunDir ? fs.mkdtempSync(path.join(os.tmpdir(), 'noughts-web-'))
  : environment.NOUGHTS_E2E_WEB_RUN_DIR;

// Pictures from the working directory, the rest from the page's folder; nothing above it.
// A folder under a picture's name is answered as static servers answer a folder: a
// redirect to the name with a slash, and there an (empty) listing.
function serve(request, response) {
  const name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
  const picture = name.replace(/^\/|\/$/g, '');
  const file = kPictures.includes(picture) ? path.join(process.cwd(), picture)
    : path.join(siteDir, path.normalize(name));
  if (!file.startsWith(siteDir + path.sep) && path.dirname(file) !== process.cwd()) {
    response.writeHead(403).end();
    return;
  }
  if (kPictures.includes(picture) && fs.statSync(file, { throwIfNoEntry: false })?.isDirectory()) {
    if (name.endsWith('/')) {
      response.writeHead(200, { 'Content-Type': 'text/html' }).end('<!DOCTYPE html><ul></ul>\n');
    } else {
      response.writeHead(301, { Location: `/${picture}/` }).end();
    }
    return;
  }
  fs.readFile(file, (error, body) => {
    if (error) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, {
      'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream',
      'Cache-Control': 'no-store',
    }).end(body);
  });
}

// The DevTools protocol over the browser's descriptors 3 (to it) and 4 (from it): JSON
// messages, each ended by a NUL byte.
class DevTools {
  constructor(toBrowser, fromBrowser) {
    this.toBrowser = toBrowser;
    this.nextId = 1;
    this.waiting = new Map();
    let pending = '';
    fromBrowser.setEncoding('utf8');
    fromBrowser.on('data', (chunk) => {
      pending += chunk;
      for (let end = pending.indexOf('\0'); end >= 0; end = pending.indexOf('\0')) {
        this.receive(JSON.parse(pending.slice(0, end)));
        pending = pending.slice(end + 1);
      }
    });
  }

  receive(message) {
    if (message.method && this.onEvent) {
      this.onEvent(message);
    }
    const waiter = this.waiting.get(message.id);
    if (waiter) {
      this.waiting.delete(message.id);
      if (message.error) {
        waiter.reject(new Error(`${waiter.method}: ${message.error.message}`));
      } else {
        waiter.resolve(message.result);
      }
    }
  }

  send(method, params = {}, sessionId = this.sessionId) {
    const id = this.nextId++;
    this.toBrowser.write(JSON.stringify({ id, method, params, sessionId }) + '\0');
    return new Promise((resolve, reject) => this.waiting.set(id, { method, resolve, reject }));
  }

  // The value of a page expression, awaited if it is a promise; throws what it threw.
  async evaluate(expression) {
    const result = await this.send('Runtime.evaluate',
      { expression, returnByValue: true, awaitPromise: true });
    if (result.exceptionDetails) {
      const details = result.exceptionDetails;
      throw new Error(details.exception ? details.exception.description : details.text);
    }
    return result.result.value;
  }
}

function startBrowser() {
  const chromium = environment.NOUGHTS_E2E_CHROMIUM || '/usr/lib/chromium/chromium';
  const [width, height] = [screen[1], screen[2]];
  // setpriv: the browser is killed with this process, even by SIGKILL, which the
  // harness sends to a game it gives up on.
  const browser = childProcess.spawn('setpriv', ['--pdeathsig', 'KILL', chromium,
    '--headless=new', '--no-sandbox', '--disable-gpu', '--remote-debugging-pipe',
    `--user-data-dir=${path.join(runDir, 'profile')}`, `--window-size=${width},${height}`,
    '--no-first-run', '--no-default-browser-check', '--disable-extensions',
    '--disable-background-timer-throttling', '--disable-renderer-backgrounding',
    'about:blank'], { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });
  browser.on('error', (error) => fail(`cannot start ${chromium}: ${error.message}`));
  browser.on('exit', (code, signal) => {
    if (!finished) {
      fail(`the browser ended (${signal || code}) before the game did`);
    }
  });
  return browser;
}

let finished = false;
let browser = null;
let server = null;

function cleanUp() {
  finished = true;
  if (browser) {
    browser.kill('SIGKILL');
  }
  if (ownRunDir) {
    fs.rmSync(runDir, { recursive: true, force: true });
  }
}

// The page's clock stands still at the fixed second, for time(); the page's frame and
// wait timers use performance.now and setTimeout, which run on.
function fixedClockScript(second) {
  return `(() => { const fixed = ${Number(second) * 1000};
    const RealDate = Date;
    class FixedDate extends RealDate {
      constructor(...a) { if (a.length) { super(...a); } else { super(fixed); } }
      static now() { return fixed; }
    }
    Date = FixedDate; })();`;
}

// A game pixel's middle as a page point, through the canvas's box on the page.
async function pagePoint(devtools, x, y) {
  return devtools.evaluate(`(() => { const c = document.getElementById('canvas');
    const r = c.getBoundingClientRect();
    return { x: r.left + (${x} + 0.5) * r.width / c.width,
             y: r.top + (${y} + 0.5) * r.height / c.height }; })()`);
}

async function tap(devtools, point) {
  await devtools.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [point] });
  await devtools.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
}

async function mouseClick(devtools, point) {
  for (const type of ['mousePressed', 'mouseReleased']) {
    await devtools.send('Input.dispatchMouseEvent',
      { type, x: point.x, y: point.y, button: 'left', buttons: type === 'mousePressed' ? 1 : 0,
        clickCount: 1 });
  }
}

// One request of the control socket; gives the answer's text after "ok".
async function answer(devtools, pointer, line) {
  const [verb, ...words] = line.split(' ');
  const rest = line.slice(verb.length + 1);
  switch (verb) {
    case 'geometry': {
      const box = await devtools.evaluate(`(() => { const c = document.getElementById('canvas');
        if (!c || !window.noughts) return null; const r = c.getBoundingClientRect();
        return [Math.round(r.left), Math.round(r.top), c.width, c.height].join(' '); })()`);
      if (box === null) throw new Error('no canvas yet');
      return box;
    }
    case 'capture':
      return devtools.evaluate(`(() => { const c = document.getElementById('canvas');
        const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
        let text = '';
        for (let i = 0; i < data.length; i += 0x8000) {
          text += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
        }
        return c.width + ' ' + c.height + ' ' + btoa(text); })()`);
    case 'move': {
      pointer.x = Number(words[0]);
      pointer.y = Number(words[1]);
      const point = await pagePoint(devtools, pointer.x, pointer.y);
      await devtools.send('Input.dispatchMouseEvent', { type: 'mouseMoved', ...point });
      return '';
    }
    case 'click': {
      const point = await pagePoint(devtools, pointer.x, pointer.y);
      await (touch ? tap(devtools, point) : mouseClick(devtools, point));
      return '';
    }
    case 'key': {
      const key = kKeys[words[0]];
      if (!key) throw new Error(`no key "${words[0]}"`);
      await devtools.send('Input.dispatchKeyEvent', { type: 'keyDown', ...key });
      await devtools.send('Input.dispatchKeyEvent', { type: 'keyUp', ...key, text: undefined });
      return '';
    }
    case 'press': {
      // A button of the page, by id, pressed the way a player would: at its middle.
      const point = await devtools.evaluate(`(() => { const e = document.getElementById(${JSON.stringify(words[0])});
        if (!e) return null; e.scrollIntoView({ block: 'nearest' }); const r = e.getBoundingClientRect();
        return { x: r.left + r.width / 2, y: r.top + r.height / 2 }; })()`);
      if (point === null) throw new Error(`no element "${words[0]}" on the page`);
      await (touch ? tap(devtools, point) : mouseClick(devtools, point));
      return '';
    }
    case 'evaluate':
      return JSON.stringify(await devtools.evaluate(rest));
    default:
      throw new Error(`no request "${verb}"`);
  }
}

function listen(devtools) {
  const pointer = { x: 0, y: 0 };
  const control = net.createServer((connection) => {
    let pending = '';
    let queue = Promise.resolve();
    connection.setEncoding('utf8');
    connection.on('error', () => {});
    connection.on('data', (chunk) => {
      pending += chunk;
      for (let end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
        const line = pending.slice(0, end);
        pending = pending.slice(end + 1);
        // In order, one at a time, as the harness sends them.
        queue = queue.then(() => answer(devtools, pointer, line))
          .then((text) => `ok ${text}\n`, (error) => `error ${String(error.message).replace(/\n/g, ' ')}\n`)
          .then((reply) => connection.write(reply));
      }
    });
  });
  control.listen(path.join(runDir, 'control'));
}

// An exception that no code of the page caught: if the game has not ended soon after
// (Emscripten ends a program by throwing too), the game has crashed, and this process
// ends as a crashed native game would, by SIGABRT, after saying what was thrown.
let uncaught = null;
function noteUncaught(message) {
  if (message.method === 'Runtime.exceptionThrown' && uncaught === null) {
    const details = message.params.exceptionDetails;
    uncaught = { at: Date.now(),
      text: details.exception ? details.exception.description : details.text };
  }
}
const kCrashGraceMs = 500;

// Copies the page's output as it grows; ends this process with the game's status.
async function follow(devtools) {
  let outLength = 0;
  let errLength = 0;
  for (;;) {
    const state = await devtools.evaluate(`(() => { const n = window.noughts;
      return n ? { out: n.stdout, err: n.stderr, exit: n.exitStatus } : null; })()`)
      .catch(() => null);
    if (state) {
      // A restarted game starts its output afresh.
      if (state.out.length < outLength || state.err.length < errLength) {
        outLength = errLength = 0;
      }
      process.stdout.write(state.out.slice(outLength));
      process.stderr.write(state.err.slice(errLength));
      outLength = state.out.length;
      errLength = state.err.length;
      if (state.exit !== null && state.exit !== undefined && !stayAfterExit) {
        cleanUp();
        process.exitCode = state.exit;
        server.close();
        setImmediate(() => process.exit(state.exit));
        return;
      }
      if (uncaught && Date.now() - uncaught.at > kCrashGraceMs && !stayAfterExit) {
        process.stderr.write(`browser-launcher: the page threw ${uncaught.text}\n`);
        cleanUp();
        server.close();
        process.kill(process.pid, 'SIGABRT');
        return;
      }
    }
    await new Promise((resolve) => setTimeout(resolve, kPollMs));
  }
}

async function main() {
  server = http.createServer(serve);
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  browser = startBrowser();
  const devtools = new DevTools(browser.stdio[3], browser.stdio[4]);
  const { targetInfos } = await devtools.send('Target.getTargets', {}, undefined);
  const page = targetInfos.find((target) => target.type === 'page');
  const { sessionId } = await devtools.send('Target.attachToTarget',
    { targetId: page.targetId, flatten: true }, undefined);
  devtools.sessionId = sessionId;
  devtools.onEvent = noteUncaught;
  await devtools.send('Page.enable');
  await devtools.send('Runtime.enable');
  await devtools.send('Emulation.setFocusEmulationEnabled', { enabled: true });
  await devtools.send('Emulation.setDeviceMetricsOverride', {
    width: Number(screen[1]), height: Number(screen[2]), deviceScaleFactor: Number(screen[3]),
    mobile: touch,
  });
  if (touch) {
    await devtools.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 1 });
  }
  if (environment.NOUGHTS_FIXED_CLOCK) {
    await devtools.send('Page.addScriptToEvaluateOnNewDocument',
      { source: fixedClockScript(environment.NOUGHTS_FIXED_CLOCK) });
  }
  // SDL's settings reach the game as a desktop game's environment would (env=NAME=VALUE);
  // the rest of this process's environment is the browser's, not the game's.
  const sdlSettings = Object.entries(environment).filter(([name]) => name.startsWith('SDL_'))
    .map(([name, value]) => `env=${encodeURIComponent(`${name}=${value}`)}`);
  const query = gameArguments.map((argument) => `arg=${encodeURIComponent(argument)}`)
    .concat(sdlSettings).join('&');
  const url = `http://127.0.0.1:${server.address().port}/${pageName}${query ? '?' + query : ''}`;
  if (!ownRunDir) {
    listen(devtools);
  }
  await devtools.send('Page.navigate', { url });
  await follow(devtools);
}

for (const signal of ['SIGTERM', 'SIGINT', 'SIGHUP']) {
  process.on(signal, () => {
    cleanUp();
    process.exit(128 + os.constants.signals[signal]);
  });
}
main().catch((error) => {
  cleanUp();
  fail(error.message);
});
