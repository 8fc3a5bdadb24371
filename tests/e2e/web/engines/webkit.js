// SPDX-License-Identifier: MIT
// WebKitGTK for the browser launcher: its MiniBrowser under classic WebDriver, over HTTP
// to WebKitWebDriver, on an Xvfb server of its own (WebKitGTK draws into a real window).
// Classic WebDriver takes WebDriver's action sources as they are; it has no device
// emulation (GTK's own scale stands in for the device pixel ratio, fixed at the start), no
// touch, no script run before a document's own and no events, so the launcher is told what
// this engine cannot do.
'use strict';

const childProcess = require('child_process');
const fs = require('fs');
const http = require('http');
const net = require('net');
const path = require('path');

const kMiniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const kStartMs = 20000;

const unsupported = {
  touch: 'WebKitGTK\'s WebDriver has no touch input: a touch pointer\'s actions reach the '
    + 'page as the mouse\'s',
  changeDevicePixelRatio: 'WebKitGTK\'s WebDriver has no device emulation: the device pixel '
    + 'ratio is the screen\'s, set once as the browser starts',
  beforeEachDocument: 'classic WebDriver runs no script before a document\'s own',
  uncaught: 'classic WebDriver has no events: the page\'s uncaught exceptions go unseen',
  mouseButtons: 'WebKitGTK\'s WebDriver presses the left button for WebDriver\'s buttons 3 and '
    + '4 (back and forward)',
  wheelSteps: 'WebKitGTK\'s WebDriver does not hand scroll steps on as sent: quick steps reach '
    + 'the page merged, with deltas of other steps',
};

// One WebDriver command: its JSON value, or an Error with the driver's message.
function command(port, method, resource, body) {
  return new Promise((resolve, reject) => {
    const text = body === undefined ? '' : JSON.stringify(body);
    const request = http.request({ host: '127.0.0.1', port, method, path: resource,
      headers: { 'Content-Type': 'application/json', 'Content-Length': Buffer.byteLength(text) } },
    (response) => {
      let answer = '';
      response.setEncoding('utf8');
      response.on('data', (chunk) => { answer += chunk; });
      response.on('end', () => {
        const { value } = JSON.parse(answer || '{}');
        if (response.statusCode !== 200) {
          reject(Object.assign(new Error(`${method} ${resource}: ${value?.error}: ${value?.message}`),
            { pageMessage: value?.message }));
        } else {
          resolve(value);
        }
      });
    });
    request.on('error', reject);
    request.end(text);
  });
}

function freePort() {
  return new Promise((resolve) => {
    const probe = net.createServer().listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

function sleep(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

async function start(options) {
  const profile = path.join(options.runDir, 'profile');
  fs.mkdirSync(profile, { recursive: true });
  const children = [];
  let endedWith;
  const ended = new Promise((resolve) => { endedWith = resolve; });
  // setpriv: each is killed with the launcher, even by SIGKILL, which the harness sends
  // to a game it gives up on.
  function run(program, args, environment, stdio) {
    const child = childProcess.spawn('setpriv', ['--pdeathsig', 'KILL', program, ...args],
      { env: environment, stdio });
    child.on('error', (error) => endedWith(`cannot start ${program}: ${error.message}`));
    child.on('exit', (code, signal) => endedWith(`${path.basename(program)}: ${signal || code}`));
    children.push(child);
    return child;
  }
  // The X server picks a free display and writes its number on descriptor 3 once ready;
  // its screen has room for a large window with the browser's toolbar, at GTK's scale.
  const scale = options.scale;
  const screen = `${Math.max(2560, options.width + 100) * scale}x${Math.max(1600, options.height + 200) * scale}x24`;
  const xvfb = run('Xvfb', ['-displayfd', '3', '-screen', '0', screen, '-nolisten', 'tcp'],
    process.env, ['ignore', 'ignore', 'ignore', 'pipe']);
  const display = await new Promise((resolve) => {
    let said = '';
    xvfb.stdio[3].setEncoding('utf8');
    xvfb.stdio[3].on('data', (chunk) => {
      said += chunk;
      if (said.endsWith('\n')) resolve(`:${said.trim()}`);
    });
  });
  // Whatever the browser keeps, it keeps in the run's profile folder. GTK's scale is the
  // device pixel ratio, in whole numbers. Compositing through the X server's software GL
  // would hold the page to a few frames a second.
  if (!Number.isInteger(scale)) throw new Error(`unsupported: ${unsupported.changeDevicePixelRatio}`);
  const environment = { ...process.env, DISPLAY: display, GDK_SCALE: String(scale),
    WEBKIT_DISABLE_COMPOSITING_MODE: '1', HOME: profile,
    XDG_CONFIG_HOME: path.join(profile, 'config'), XDG_CACHE_HOME: path.join(profile, 'cache'),
    XDG_DATA_HOME: path.join(profile, 'data') };
  delete environment.WAYLAND_DISPLAY;
  const port = await freePort();
  run('WebKitWebDriver', [`--port=${port}`, '--host=127.0.0.1'], environment, 'ignore');
  const deadline = Date.now() + kStartMs;
  for (;;) {
    const ready = await command(port, 'GET', '/status').catch(() => null);
    if (ready?.ready) break;
    if (Date.now() > deadline) throw new Error('WebKitWebDriver does not answer');
    await sleep(20);
  }
  // No --geometry: with it the session is never made. A navigation waits for the whole
  // load: a script sent while the page is still loading may never be answered.
  const session = (await command(port, 'POST', '/session', { capabilities: { alwaysMatch: {
    browserName: 'MiniBrowser', pageLoadStrategy: 'normal',
    'webkitgtk:browserOptions': { binary: kMiniBrowser, args: ['--automation'] } } } })).sessionId;
  // One command at a time, as classic WebDriver takes a session's commands in turn.
  let queue = Promise.resolve();
  function on(method, resource, body) {
    const answer = queue.then(() => command(port, method, `/session/${session}${resource}`, body));
    queue = answer.catch(() => {});
    return answer;
  }
  let restoredRect = null;

  return {
    ended,
    unsupported,

    async navigate(url) {
      await on('POST', '/url', { url });
    },

    // A direct eval, so that the expression may be statements too; WebDriver awaits a
    // promise it returns.
    async evaluate(expression) {
      return on('POST', '/execute/sync', { script: 'return eval(arguments[0]);', args: [expression] })
        .catch((error) => { throw new Error(error.pageMessage || error.message); });
    },

    // The window's size, less what the browser's own toolbar takes of it.
    async setViewport(width, height, ratio) {
      if (ratio !== scale) throw new Error(`unsupported: ${unsupported.changeDevicePixelRatio}`);
      await on('POST', '/window/rect', { width, height });
      const inner = await this.evaluate('[innerWidth, innerHeight]');
      await on('POST', '/window/rect', { width: 2 * width - inner[0], height: 2 * height - inner[1] });
    },

    async performActions(sources) {
      if (sources.some((source) => source.parameters?.pointerType === 'touch')) {
        throw new Error(`unsupported: ${unsupported.touch}`);
      }
      await on('POST', '/actions', { actions: sources });
    },

    // The window minimised, as a player switching away from the browser does: another
    // tab would take WebDriver's commands along with it.
    async hidePage() {
      restoredRect = restoredRect || await on('GET', '/window/rect');
      await on('POST', '/window/minimize', {});
      // What was held is let go away from the page, as a player's key is: WebDriver would
      // otherwise take the next press of it for a repeat.
      await on('DELETE', '/actions');
    },

    async showPage() {
      if (!restoredRect) return;
      await on('POST', '/window/rect', { width: restoredRect.width, height: restoredRect.height });
      restoredRect = null;
    },

    close() {
      for (const child of children.reverse()) child.kill('SIGKILL');
    },
  };
}

module.exports = { start, unsupported };
