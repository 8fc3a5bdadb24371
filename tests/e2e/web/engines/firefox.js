// SPDX-License-Identifier: MIT
// Headless Firefox for the browser launcher, through its WebDriver BiDi agent: JSON
// commands and events over a WebSocket, whose client side (the handshake and the frames)
// is written here over a plain socket, since Node has no WebSocket client built in. BiDi
// takes WebDriver's action sources as they are and sets the viewport with its device
// pixel ratio, so phones and touch are emulated as in Chromium.
'use strict';

const childProcess = require('child_process');
const crypto = require('crypto');
const fs = require('fs');
const net = require('net');
const path = require('path');

// The WebSocket at ws://127.0.0.1:PORT/RESOURCE; resolves to { send(text), close() } once
// open, and hands each whole text message to onMessage. Frames to the server are masked,
// its own are not; a ping is answered with a pong.
function openWebSocket(port, resource, onMessage) {
  return new Promise((resolve, reject) => {
    const socket = net.connect(port, '127.0.0.1');
    let buffer = Buffer.alloc(0);
    let open = false;
    let fragments = [];
    function frame(opcode, payload) {
      const long = payload.length >= 65536;
      const head = Buffer.alloc(payload.length < 126 ? 2 : long ? 10 : 4);
      head[0] = 0x80 | opcode;
      head[1] = 0x80 | (payload.length < 126 ? payload.length : long ? 127 : 126);
      if (long) head.writeBigUInt64BE(BigInt(payload.length), 2);
      else if (payload.length >= 126) head.writeUInt16BE(payload.length, 2);
      const mask = crypto.randomBytes(4);
      socket.write(Buffer.concat([head, mask, payload.map((byte, i) => byte ^ mask[i % 4])]));
    }
    socket.on('error', reject);
    socket.on('connect', () => socket.write(`GET /${resource} HTTP/1.1\r\nHost: 127.0.0.1:${port}\r\n`
      + 'Upgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13\r\n'
      + `Sec-WebSocket-Key: ${crypto.randomBytes(16).toString('base64')}\r\n\r\n`));
    socket.on('data', (chunk) => {
      buffer = Buffer.concat([buffer, chunk]);
      if (!open) {
        const end = buffer.indexOf('\r\n\r\n');
        if (end < 0) return;
        const status = buffer.subarray(0, buffer.indexOf('\r\n')).toString();
        if (!/^HTTP\/1\.1 101 /.test(status)) {
          reject(new Error(`the browser refused the WebSocket: ${status}`));
          return;
        }
        open = true;
        buffer = buffer.subarray(end + 4);
        resolve({ send: (text) => frame(1, Buffer.from(text, 'utf8')), close: () => socket.destroy() });
      }
      for (;;) {
        let length = buffer.length >= 2 ? buffer[1] & 0x7f : 0;
        const offset = length === 127 ? 10 : length === 126 ? 4 : 2;
        if (buffer.length < offset) return;
        if (length === 126) length = buffer.readUInt16BE(2);
        if (length === 127) length = Number(buffer.readBigUInt64BE(2));
        if (buffer.length < offset + length) return;
        const [fin, opcode] = [buffer[0] & 0x80, buffer[0] & 0x0f];
        const payload = buffer.subarray(offset, offset + length);
        buffer = buffer.subarray(offset + length);
        if (opcode === 9) {
          frame(10, payload);
        } else if (opcode <= 1) {
          fragments.push(payload);
          if (fin) {
            onMessage(Buffer.concat(fragments).toString('utf8'));
            fragments = [];
          }
        }
      }
    });
  });
}

// What this engine cannot do. It puts pointer and touch events on whole CSS pixels (its
// events' clientX is an integer), as on a real phone, so where a game pixel is smaller
// than a CSS pixel some game pixels cannot be pointed at.
const unsupported = {
  subpixelPointer: 'Firefox puts pointer and touch events on whole CSS pixels: on the upright '
    + 'phone a game pixel is 2/3 of a CSS pixel, and one in three cannot be pointed at',
  focusNavigation: 'headless Firefox never gives the document the focus, so Tab moves no '
    + 'focus from it',
};

async function start(options) {
  const binary = process.env.NOUGHTS_E2E_FIREFOX || 'firefox-esr';
  const profile = path.join(options.runDir, 'profile');
  fs.mkdirSync(profile, { recursive: true });
  // A touch screen where the run asks for one, as the page asks (navigator.maxTouchPoints).
  fs.writeFileSync(path.join(profile, 'user.js'), 'user_pref("remote.active-protocols", 1);\n'
    + (options.touch ? 'user_pref("dom.maxtouchpoints.testing.value", 5);\n'
      + 'user_pref("dom.w3c_touch_events.enabled", 1);\n' : ''));
  // setpriv: the browser is killed with the launcher, even by SIGKILL, which the harness
  // sends to a game it gives up on.
  const browser = childProcess.spawn('setpriv', ['--pdeathsig', 'KILL', binary, '--headless',
    '--remote-debugging-port=0', '--profile', profile, '--no-remote',
    `--width=${options.width}`, `--height=${options.height}`, 'about:blank'],
  { stdio: ['ignore', 'ignore', 'pipe'] });
  const ended = new Promise((resolve, reject) => {
    browser.on('error', (error) => reject(new Error(`cannot start ${binary}: ${error.message}`)));
    browser.on('exit', (code, signal) => resolve(signal || code));
  });
  // Its agent says where it listens once it is ready.
  const port = await new Promise((resolve, reject) => {
    let said = '';
    browser.stderr.setEncoding('utf8');
    browser.stderr.on('data', (chunk) => {
      said += chunk;
      const listening = /WebDriver BiDi listening on ws:\/\/127\.0\.0\.1:(\d+)/.exec(said);
      if (listening) resolve(Number(listening[1]));
    });
    ended.then(() => reject(new Error(`the browser ended: ${said.trim().split('\n').pop()}`)), reject);
  });

  let nextId = 1;
  const waiting = new Map();
  const socket = await openWebSocket(port, 'session', (text) => {
    const message = JSON.parse(text);
    if (message.type === 'event') {
      const entry = message.params;
      if (message.method === 'log.entryAdded' && entry.type === 'javascript' && entry.level === 'error') {
        options.onUncaught(entry.text);
      }
      return;
    }
    const waiter = waiting.get(message.id);
    if (waiter) {
      waiting.delete(message.id);
      if (message.type === 'error') {
        waiter.reject(new Error(`${waiter.method}: ${message.error}: ${message.message}`));
      } else {
        waiter.resolve(message.result);
      }
    }
  });
  function send(method, params = {}) {
    const id = nextId++;
    socket.send(JSON.stringify({ id, method, params }));
    return new Promise((resolve, reject) => waiting.set(id, { method, resolve, reject }));
  }

  await send('session.new', { capabilities: {} });
  const context = (await send('browsingContext.getTree', {})).contexts[0].context;
  await send('session.subscribe', { events: ['log.entryAdded'] });
  if (options.beforeEachDocument) {
    await send('script.addPreloadScript', { functionDeclaration: `() => { ${options.beforeEachDocument} }` });
  }
  let coverTab = null;

  return {
    ended,
    unsupported,

    async navigate(url) {
      // Once the new document has loaded, so that what is evaluated next runs in it.
      await send('browsingContext.navigate', { context, url, wait: 'complete' });
    },

    // The value as JSON text from the page, as DevTools's returnByValue has it: BiDi's own
    // description of a value such as an Event never comes back.
    async evaluate(expression) {
      const result = await send('script.callFunction', { target: { context }, awaitPromise: true,
        functionDeclaration: 'async (expression) => JSON.stringify(await (0, eval)(expression))',
        arguments: [{ type: 'string', value: expression }], resultOwnership: 'none' });
      if (result.type === 'exception') {
        throw new Error(result.exceptionDetails.text);
      }
      return result.result.type === 'string' ? JSON.parse(result.result.value) : undefined;
    },

    async setViewport(width, height, scale) {
      await send('browsingContext.setViewport', { context, viewport: { width, height },
        devicePixelRatio: scale });
    },

    // A scroll's place is a whole CSS pixel to BiDi, unlike a pointer's.
    async performActions(sources) {
      const actions = sources.map((source) => ({ ...source, actions: source.actions.map((action) =>
        (action.type === 'scroll' ? { ...action, x: Math.round(action.x), y: Math.round(action.y) } : action)) }));
      await send('input.performActions', { context, actions });
    },

    // Another tab in front of the page, as a player switching tabs does.
    async hidePage() {
      if (coverTab) return;
      coverTab = (await send('browsingContext.create', { type: 'tab', background: false })).context;
      // What was held is let go away from the page, as a player's key is: WebDriver would
      // otherwise take the next press of it for a repeat.
      await send('input.releaseActions', { context });
    },

    async showPage() {
      if (!coverTab) return;
      await send('browsingContext.close', { context: coverTab });
      coverTab = null;
      await send('browsingContext.activate', { context });
    },

    close() {
      socket.close();
      browser.kill('SIGKILL');
    },
  };
}

module.exports = { start, unsupported };
