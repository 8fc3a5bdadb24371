// SPDX-License-Identifier: MIT
// Headless Chromium for the browser launcher, through the DevTools protocol on the
// browser's descriptors 3 (to it) and 4 (from it): JSON messages, each ended by a NUL
// byte. WebDriver's action sources become the protocol's own input events, which go
// through the browser's input handling as a user's would.
'use strict';

const childProcess = require('child_process');
const path = require('path');

// DevTools names of WebDriver's buttons 0 to 4, and their bits in `buttons`.
const kButtons = ['left', 'middle', 'right', 'back', 'forward'];
const kButtonBits = [1, 4, 2, 8, 16];
// WebDriver's code points of the named keys, as DevTools wants them.
const kNamedKeys = {
  '\uE003': ['Backspace', 8], '\uE004': ['Tab', 9], '\uE006': ['Enter', 13],
  '\uE007': ['Enter', 13], '\uE00C': ['Escape', 27], '\uE012': ['ArrowLeft', 37],
  '\uE013': ['ArrowUp', 38], '\uE014': ['ArrowRight', 39], '\uE015': ['ArrowDown', 40],
  '\uE017': ['Delete', 46],
};

// A key's DevTools description from WebDriver's value: a named key or a character.
function keyEvent(value) {
  if (kNamedKeys[value]) {
    const [key, keyCode] = kNamedKeys[value];
    return { key, code: key, windowsVirtualKeyCode: keyCode, text: keyCode === 13 ? '\r' : undefined };
  }
  const upper = value.toUpperCase();
  const code = value === ' ' ? 'Space' : /[A-Z]/.test(upper) ? `Key${upper}`
    : /[0-9]/.test(value) ? `Digit${value}` : '';
  return { key: value, code, windowsVirtualKeyCode: upper.charCodeAt(0), text: value };
}

class DevTools {
  constructor(toBrowser, fromBrowser, onEvent) {
    this.toBrowser = toBrowser;
    this.nextId = 1;
    this.waiting = new Map();
    this.onEvent = onEvent;
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
    if (message.method) {
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
}

// What this engine cannot do: nothing the launcher asks.
const unsupported = {};

async function start(options) {
  const binary = process.env.NOUGHTS_E2E_CHROMIUM || '/usr/lib/chromium/chromium';
  // setpriv: the browser is killed with the launcher, even by SIGKILL, which the harness
  // sends to a game it gives up on.
  const browser = childProcess.spawn('setpriv', ['--pdeathsig', 'KILL', binary,
    '--headless=new', '--no-sandbox', '--disable-gpu', '--remote-debugging-pipe',
    `--user-data-dir=${path.join(options.runDir, 'profile')}`,
    `--window-size=${options.width},${options.height}`,
    '--no-first-run', '--no-default-browser-check', '--disable-extensions',
    '--disable-background-timer-throttling', '--disable-renderer-backgrounding',
    'about:blank'], { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] });
  const ended = new Promise((resolve, reject) => {
    browser.on('error', (error) => reject(new Error(`cannot start ${binary}: ${error.message}`)));
    browser.on('exit', (code, signal) => resolve(signal || code));
  });
  const devtools = new DevTools(browser.stdio[3], browser.stdio[4], (message) => {
    if (message.method === 'Runtime.exceptionThrown') {
      const details = message.params.exceptionDetails;
      options.onUncaught(details.exception ? details.exception.description : details.text);
    }
  });
  const { targetInfos } = await Promise.race([ended.then(() => { throw new Error('the browser ended'); }),
    devtools.send('Target.getTargets', {}, undefined)]);
  const page = targetInfos.find((target) => target.type === 'page');
  devtools.sessionId = (await devtools.send('Target.attachToTarget',
    { targetId: page.targetId, flatten: true }, undefined)).sessionId;
  await devtools.send('Page.enable');
  await devtools.send('Runtime.enable');
  await devtools.send('Emulation.setFocusEmulationEnabled', { enabled: true });
  if (options.touch) {
    await devtools.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
  }
  if (options.beforeEachDocument) {
    await devtools.send('Page.addScriptToEvaluateOnNewDocument', { source: options.beforeEachDocument });
  }

  // The state of the input sources between actions, as WebDriver keeps it.
  const mouse = { x: 0, y: 0, buttons: 0 };
  const touches = new Map();

  const engine = {
    ended,
    unsupported,

    async navigate(url) {
      await devtools.send('Page.navigate', { url });
    },

    async evaluate(expression) {
      const result = await devtools.send('Runtime.evaluate',
        { expression, returnByValue: true, awaitPromise: true });
      if (result.exceptionDetails) {
        const details = result.exceptionDetails;
        throw new Error(details.exception ? details.exception.description : details.text);
      }
      return result.result.value;
    },

    async setViewport(width, height, scale) {
      await devtools.send('Emulation.setDeviceMetricsOverride',
        { width, height, deviceScaleFactor: scale, mobile: options.touch });
    },

    // A tick at a time: the sources' nth actions together, then the longest pause. A
    // scroll step goes out without waiting for the page to take it, as a wheel's steps come
    // whether or not the page keeps up; every step is awaited at the end.
    async performActions(sources) {
      const ticks = Math.max(0, ...sources.map((source) => source.actions.length));
      const scrolls = [];
      for (let tick = 0; tick < ticks; ++tick) {
        let pause = 0;
        for (const source of sources) {
          const action = source.actions[tick];
          if (!action) continue;
          pause = Math.max(pause, action.duration || 0);
          const done = perform(source, action);
          await (action.type === 'scroll' ? scrolls.push(done) : done);
        }
        if (pause) await new Promise((resolve) => setTimeout(resolve, pause));
      }
      await Promise.all(scrolls);
    },

    // The page's window minimised, as a player switching away from the browser does.
    async hidePage() {
      const { windowId } = await devtools.send('Browser.getWindowForTarget', {});
      await devtools.send('Emulation.setFocusEmulationEnabled', { enabled: false });
      await devtools.send('Browser.setWindowBounds', { windowId, bounds: { windowState: 'minimized' } });
    },

    async showPage() {
      const { windowId } = await devtools.send('Browser.getWindowForTarget', {});
      await devtools.send('Browser.setWindowBounds', { windowId, bounds: { windowState: 'normal' } });
      await devtools.send('Emulation.setFocusEmulationEnabled', { enabled: true });
    },

    close() {
      browser.kill('SIGKILL');
    },
  };

  // Every finger down, for each touch event: DevTools tells the changed one from them.
  async function touchEvent(type) {
    const touchPoints = [...touches.values()].filter((finger) => finger.down)
      .map(({ x, y, id }) => ({ x, y, id }));
    await devtools.send('Input.dispatchTouchEvent', { type, touchPoints });
  }

  async function perform(source, action) {
    const touch = source.type === 'pointer' && source.parameters?.pointerType === 'touch';
    if (touch && !touches.has(source.id)) {
      touches.set(source.id, { x: 0, y: 0, id: touches.size, down: false });
    }
    const finger = touches.get(source.id);
    switch (action.type) {
      case 'pause':
        return;
      case 'keyDown':
      case 'keyUp': {
        const key = keyEvent(action.value);
        await devtools.send('Input.dispatchKeyEvent', { type: action.type, ...key,
          text: action.type === 'keyDown' ? key.text : undefined });
        return;
      }
      case 'scroll':
        await devtools.send('Input.dispatchMouseEvent', { type: 'mouseWheel', x: action.x,
          y: action.y, deltaX: action.deltaX, deltaY: action.deltaY, buttons: mouse.buttons });
        return;
      case 'pointerMove':
        if (touch) {
          Object.assign(finger, { x: action.x, y: action.y });
          if (finger.down) await touchEvent('touchMove');
          return;
        }
        Object.assign(mouse, { x: action.x, y: action.y });
        await devtools.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x: mouse.x,
          y: mouse.y, buttons: mouse.buttons });
        return;
      case 'pointerDown':
      case 'pointerUp': {
        const down = action.type === 'pointerDown';
        if (touch) {
          finger.down = down;
          await touchEvent(down ? 'touchStart' : 'touchEnd');
          return;
        }
        const bit = kButtonBits[action.button];
        mouse.buttons = down ? mouse.buttons | bit : mouse.buttons & ~bit;
        await devtools.send('Input.dispatchMouseEvent', {
          type: down ? 'mousePressed' : 'mouseReleased', x: mouse.x, y: mouse.y,
          button: kButtons[action.button], buttons: mouse.buttons, clickCount: 1 });
        return;
      }
      default:
        throw new Error(`no action "${action.type}"`);
    }
  }

  return engine;
}

module.exports = { start, unsupported };
