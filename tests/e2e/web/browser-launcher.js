#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// The web game as a process, for the real-window tests: `browser-launcher.js PAGE ARGS...`
// serves PAGE's folder on 127.0.0.1, opens PAGE in a browser with ARGS as the game's
// arguments, copies what the game writes to its standard output and error to this
// process's own, and exits with the game's exit status. So the harness starts, reads and
// waits for the web game as it does for the desktop one.
//
// The seven pictures are served from this process's working directory instead of the
// page's folder, since the page fetches them into the game's working directory: a test
// that damages or removes one in its own folder sees the game react as on a desktop.
//
// This file is the same for every browser: the protocol each one speaks is in engines/
// (chromium.js, ...), which turn WebDriver's action sources into the browser's input and
// evaluate the page's expressions. Node speaks JSON natively and is there wherever
// Emscripten is, so the launcher needs no package beyond the browser. The environment
// steers it:
//   NOUGHTS_E2E_BROWSER        the engine: chromium (the default), firefox or webkit
//   NOUGHTS_E2E_WEB_RUN_DIR    a folder of the test's: the control socket "control" and
//                              the browser's profile go there (else a folder of its own)
//   NOUGHTS_E2E_WEB_INPUT      "touch": clicks are taps (else mouse clicks)
//   NOUGHTS_E2E_WEB_NEEDS      what else the run's tests need of the engine (features of
//                              its "unsupported", blank-separated)
//   NOUGHTS_E2E_WEB_SCREEN     WIDTHxHEIGHT@SCALE: the window's size in CSS pixels and
//                              the device pixels per CSS pixel (else 800x600@1)
//   NOUGHTS_E2E_WEB_AFTER_EXIT "stay": keep the page when the game ends (else exit)
//   NOUGHTS_E2E_WEB_SLOW_LOAD  MS: the program (noughts.wasm) is served that much later
//   NOUGHTS_E2E_WEB_OFFLINE    "yes": the game runs offline, from what the page's service
//                              worker kept at a first visit (the server stopped before
//                              the page opens again and the test begins)
//   NOUGHTS_FIXED_CLOCK        the second that the page's clock stands still at
//   NOUGHTS_E2E_WEB_SCRIPT     a file of script run before each document's own (a probe)
//   NOUGHTS_E2E_CHROMIUM       Chromium's binary (else /usr/lib/chromium/chromium)
//   SDL_*                      passed on to the game's own environment
// The control socket takes one request a line and answers each with one line, "ok ..."
// or "error REASON" (see WebWindow.h).
'use strict';

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
// The keys the game answers, as WebDriver's key actions name them.
const kKeys = { Space: ' ', Escape: '\uE00C', i: 'i', Tab: '\uE004', Enter: '\uE007' };
const kEngines = ['chromium', 'firefox', 'webkit'];

function sleep(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

function fail(message) {
  process.stderr.write(`browser-launcher: ${message}\n`);
  process.exit(125);
}

const [pagePath, ...gameArguments] = process.argv.slice(2);
const environment = process.env;
const touch = environment.NOUGHTS_E2E_WEB_INPUT === 'touch';
const engineName = environment.NOUGHTS_E2E_BROWSER || 'chromium';
if (!kEngines.includes(engineName)) {
  fail(`NOUGHTS_E2E_BROWSER is "${engineName}", not one of ${kEngines.join(', ')}`);
}
const engineModule = require(`./engines/${engineName}.js`);
// `browser-launcher.js --unsupported`: why the engine cannot run the case this
// environment asks for (taps, and the features NOUGHTS_E2E_WEB_NEEDS names), or nothing;
// the harness skips such a test with it.
if (pagePath === '--unsupported') {
  const needs = (touch ? ['touch'] : []).concat((environment.NOUGHTS_E2E_WEB_NEEDS || '').split(' '));
  const reason = needs.map((feature) => engineModule.unsupported[feature]).find(Boolean);
  process.stdout.write(reason ? `${reason}\n` : '');
  process.exit(0);
}
if (!pagePath || !fs.existsSync(pagePath)) {
  fail(`usage: browser-launcher.js PAGE [ARGUMENT...]; no page at "${pagePath || ''}"`);
}
const pageSiteDir = path.dirname(path.resolve(pagePath));
// The folder served: the page's, or another build's that a test puts on the server.
let siteDir = pageSiteDir;
const pageName = path.basename(pagePath);
const stayAfterExit = environment.NOUGHTS_E2E_WEB_AFTER_EXIT === 'stay';
const offline = environment.NOUGHTS_E2E_WEB_OFFLINE === 'yes';
const screen = /^(\d+)x(\d+)@(\d+(?:\.\d+)?)$/.exec(environment.NOUGHTS_E2E_WEB_SCREEN || '800x600@1');
if (!screen) {
  fail(`NOUGHTS_E2E_WEB_SCREEN is "${environment.NOUGHTS_E2E_WEB_SCREEN}", not WIDTHxHEIGHT@SCALE`);
}
const ownRunDir = !environment.NOUGHTS_E2E_WEB_RUN_DIR;
const runDir = ownRunDir ? fs.mkdtempSync(path.join(os.tmpdir(), 'noughts-web-'))
  : environment.NOUGHTS_E2E_WEB_RUN_DIR;

// The script that goes first into every document, for an engine that cannot put it there.
let injectedScript = null;

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
  const late = path.basename(file) === 'noughts.wasm' ? Number(environment.NOUGHTS_E2E_WEB_SLOW_LOAD || 0) : 0;
  fs.readFile(file, (error, body) => setTimeout(() => {
    if (error) {
      response.writeHead(404).end();
      return;
    }
    if (injectedScript && path.extname(file) === '.html') {
      body = String(body).replace(/<head>/i, (head) => `${head}<script>${injectedScript}</script>`);
    }
    response.writeHead(200, {
      'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream',
      'Cache-Control': 'no-store',
    }).end(body);
  }, late));
}

let finished = false;
let engine = null;
let server = null;
let port = 0;

// The server stops and starts again at the same address, as a phone's network goes and
// comes back; stopped, it drops the connections the browser keeps open too.
function startServer() {
  server = http.createServer(serve);
  return new Promise((resolve) => server.listen(port, '127.0.0.1', resolve))
    .then(() => { port = server.address().port; });
}
function stopServer() {
  server.close();
  server.closeAllConnections();
}

function cleanUp() {
  finished = true;
  if (engine) {
    engine.close();
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

// A game pixel as a page point, through the canvas's box on the page: the whole CSS pixel
// at or below its middle where that still lies on it, since some browsers move the pointer
// by whole CSS pixels and would round a middle at .5 onto the next game pixel; else (a
// game pixel smaller than a CSS pixel) the middle itself.
async function pagePoint(x, y) {
  return engine.evaluate(`(() => { const c = document.getElementById('canvas');
    const r = c.getBoundingClientRect();
    const on = (from, size) => { const middle = from + size / 2;
      return Math.floor(middle) >= from ? Math.floor(middle) : middle; };
    return { x: on(r.left + ${x} * r.width / c.width, r.width / c.width),
             y: on(r.top + ${y} * r.height / c.height, r.height / c.height) }; })()`);
}

// The pointer the verbs move: the mouse, or a finger where the run asks for touch.
function pointerSource(actions) {
  return { type: 'pointer', id: touch ? 'finger' : 'mouse',
    parameters: { pointerType: touch ? 'touch' : 'mouse' }, actions };
}

// A press and release of the main button, or a tap, at a page point.
function clickAt(point) {
  return engine.performActions([pointerSource([
    { type: 'pointerMove', x: point.x, y: point.y, origin: 'viewport' },
    { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }])]);
}

// One request of the control socket; gives the answer's text after "ok".
async function answer(pointer, line) {
  const [verb, ...words] = line.split(' ');
  const rest = line.slice(verb.length + 1);
  switch (verb) {
    case 'geometry': {
      const box = await engine.evaluate(`(() => { const c = document.getElementById('canvas');
        if (!c || !window.noughts) return null; const r = c.getBoundingClientRect();
        return [Math.round(r.left), Math.round(r.top), c.width, c.height].join(' '); })()`);
      if (box === null) throw new Error('no canvas yet');
      return box;
    }
    case 'capture':
      return engine.evaluate(`(() => { const c = document.getElementById('canvas');
        const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
        let text = '';
        for (let i = 0; i < data.length; i += 0x8000) {
          text += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
        }
        return c.width + ' ' + c.height + ' ' + btoa(text); })()`);
    case 'move': {
      pointer.x = Number(words[0]);
      pointer.y = Number(words[1]);
      const point = await pagePoint(pointer.x, pointer.y);
      // A finger is not over the page until it touches it: only the mouse moves alone.
      await engine.performActions([{ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' },
        actions: [{ type: 'pointerMove', x: point.x, y: point.y, origin: 'viewport' }] }]);
      return '';
    }
    case 'click':
      await clickAt(await pagePoint(pointer.x, pointer.y));
      return '';
    case 'key':
    case 'keydown':
    case 'keyup': {
      // Pressed and released, or (keydown, keyup) held or let go alone.
      const value = kKeys[words[0]];
      if (!value) throw new Error(`no key "${words[0]}"`);
      const actions = ['keyDown', 'keyUp'].filter((type) => verb === 'key' || type.toLowerCase() === verb);
      await engine.performActions([{ type: 'key', id: 'keyboard', actions: actions.map((type) => ({ type, value })) }]);
      return '';
    }
    case 'button':
      // "button down|up N": the mouse's button N (WebDriver's 0 to 4) alone, for chords.
      await engine.performActions([{ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' },
        actions: [{ type: words[0] === 'down' ? 'pointerDown' : 'pointerUp', button: Number(words[1]) }] }]);
      return '';
    case 'wheel': {
      // "wheel DX DY COUNT MS": COUNT scroll steps of DX, DY pixels at the pointer, MS apart.
      const [deltaX, deltaY, count, duration] = words.map(Number);
      const { x, y } = await pagePoint(pointer.x, pointer.y);
      await engine.performActions([{ type: 'wheel', id: 'wheel', actions: Array.from({ length: count },
        () => ({ type: 'scroll', x, y, deltaX, deltaY, duration, origin: 'viewport' })) }]);
      return '';
    }
    case 'fingers': {
      // "fingers X1 Y1 X2 Y2": two fingers down on two game pixels together, then up.
      const points = [await pagePoint(words[0], words[1]), await pagePoint(words[2], words[3])];
      await engine.performActions(points.map(({ x, y }, i) => ({ type: 'pointer', id: `finger${i}`,
        parameters: { pointerType: 'touch' }, actions: [{ type: 'pointerMove', x, y, origin: 'viewport' },
          { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }] })));
      return '';
    }
    case 'hide':
    case 'show':
      await (verb === 'hide' ? engine.hidePage() : engine.showPage());
      return '';
    case 'press': {
      // A button of the page, by id, pressed the way a player would: at its middle.
      const point = await engine.evaluate(`(() => { const e = document.getElementById(${JSON.stringify(words[0])});
        if (!e) return null; e.scrollIntoView({ block: 'nearest' }); const r = e.getBoundingClientRect();
        return { x: r.left + r.width / 2, y: r.top + r.height / 2 }; })()`);
      if (point === null) throw new Error(`no element "${words[0]}" on the page`);
      await clickAt(point);
      return '';
    }
    case 'evaluate':
      return JSON.stringify(await engine.evaluate(rest));
    case 'server':
      // "server off", and "server on [FOLDER]": from the page's folder or another build's.
      if (words[0] === 'on') {
        siteDir = words[1] ? path.resolve(rest.slice('on '.length)) : pageSiteDir;
        if (!server.listening) await startServer();
      } else if (words[0] === 'off') {
        stopServer();
      } else {
        throw new Error(`no request "server ${words[0]}"`);
      }
      return '';
    case 'supports': {
      // Whether this engine can do what a test needs; "no" gives the engine's reason.
      const reason = engine.unsupported[words[0]];
      return reason ? `no ${reason}` : 'yes';
    }
    default:
      throw new Error(`no request "${verb}"`);
  }
}

// The requests not yet answered; the game's end waits for them (a key's release may still
// be on its way when its press has ended the game), as a desktop game's end does not cut
// off the input the harness already sent.
const unanswered = new Set();
const kLastAnswersMs = 3000;

function listen() {
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
        queue = queue.then(() => answer(pointer, line))
          .then((text) => `ok ${text}\n`, (error) => `error ${String(error.message).replace(/\n/g, ' ')}\n`)
          .then((reply) => new Promise((resolve) => connection.write(reply, resolve)));
        const answered = queue;
        unanswered.add(answered);
        answered.then(() => unanswered.delete(answered));
      }
    });
  });
  control.listen(path.join(runDir, 'control'));
}

// An exception that no code of the page caught: if the game has not ended soon after
// (Emscripten ends a program by throwing too), the game has crashed, and this process
// ends as a crashed native game would, by SIGABRT, after saying what was thrown.
let uncaught = null;
function noteUncaught(text) {
  if (uncaught === null) {
    uncaught = { at: Date.now(), text };
  }
}
const kCrashGraceMs = 500;

// Copies the page's output as it grows; ends this process with the game's status.
async function follow() {
  let outLength = 0;
  let errLength = 0;
  for (;;) {
    const state = await engine.evaluate(`(() => { const n = window.noughts;
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
        await Promise.race([Promise.all(unanswered), sleep(kLastAnswersMs)]);
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
    await sleep(kPollMs);
  }
}

// The page opened once, until its service worker is active (its cache filled), then again
// with the server stopped.
const kWorkerTimeoutMs = 30000;
async function openOffline(url) {
  await engine.navigate(url);
  const timer = setTimeout(() => fail('no service worker to play offline from'), kWorkerTimeoutMs);
  await engine.evaluate(`navigator.serviceWorker.ready.then((r) => r.active.state === 'activated' ||
    new Promise((resolve) => r.active.addEventListener('statechange', resolve)))`);
  clearTimeout(timer);
  stopServer();
  await engine.navigate(url);
}

async function main() {
  await startServer();
  const [width, height, scale] = [Number(screen[1]), Number(screen[2]), Number(screen[3])];
  // The browser's profile is made afresh in the run folder for each run, so no cache,
  // cookie or service worker of one test outlives it.
  fs.rmSync(path.join(runDir, 'profile'), { recursive: true, force: true });
  const beforeEachDocument = [
    environment.NOUGHTS_FIXED_CLOCK ? fixedClockScript(environment.NOUGHTS_FIXED_CLOCK) : '',
    environment.NOUGHTS_E2E_WEB_SCRIPT ? fs.readFileSync(environment.NOUGHTS_E2E_WEB_SCRIPT, 'utf8') : '',
  ].join('\n').trim() || null;
  if (engineModule.unsupported.beforeEachDocument) {
    injectedScript = beforeEachDocument;
  }
  engine = await engineModule.start({ runDir, width, height, scale, touch, onUncaught: noteUncaught,
    beforeEachDocument: injectedScript ? null : beforeEachDocument });
  engine.ended.then((status) => {
    if (!finished) {
      fail(`the browser ended (${status}) before the game did`);
    }
  }, (error) => fail(error.message));
  await engine.setViewport(width, height, scale);
  // SDL's settings reach the game as a desktop game's environment would (env=NAME=VALUE);
  // the rest of this process's environment is the browser's, not the game's.
  const sdlSettings = Object.entries(environment).filter(([name]) => name.startsWith('SDL_'))
    .map(([name, value]) => `env=${encodeURIComponent(`${name}=${value}`)}`);
  const query = gameArguments.map((argument) => `arg=${encodeURIComponent(argument)}`)
    .concat(sdlSettings).join('&');
  const url = `http://127.0.0.1:${port}/${pageName}${query ? '?' + query : ''}`;
  // Offline, the page opens twice before the control socket does; else once it is there.
  if (offline) await openOffline(url);
  if (!ownRunDir) {
    listen();
  }
  if (!offline) await engine.navigate(url);
  await follow();
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
