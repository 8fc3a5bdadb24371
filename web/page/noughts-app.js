// SPDX-License-Identifier: MIT
// The page as an app on a phone's home screen: the service worker that keeps the folder
// for playing offline (noughts-worker.js), and the fullscreen button, offered where the
// browser can show a page fullscreen (not on an iPhone, whose Safari cannot).
"use strict";
(function () {
  // After the page has loaded, so that the worker's own copies of the folder do not
  // compete with the game's start. Where there is no worker (an insecure origin, a
  // browser without them), the page works as before, online only.
  function registerWorker() {
    if (!("serviceWorker" in navigator)) return;
    window.addEventListener("load", function () {
      navigator.serviceWorker.register("noughts-worker.js")
        // A worker kept from before looks for a new build at once, at every visit, rather
        // than whenever the browser gets round to it.
        .then((registration) => registration.active && registration.update())
        .catch(() => {});
    });
  }

  function offerFullscreen() {
    const button = document.getElementById("fullscreen");
    const page = document.documentElement;
    if (!document.fullscreenEnabled || !page.requestFullscreen) return;
    button.hidden = false;
    // It takes no focus, as the on-screen keys, so a keyboard's Space never presses it.
    button.addEventListener("pointerdown", (event) => event.preventDefault());
    button.addEventListener("click", function () {
      const change = document.fullscreenElement ? document.exitFullscreen() : page.requestFullscreen();
      change.catch(() => {});
    });
    document.addEventListener("fullscreenchange", function () {
      button.setAttribute("aria-pressed", String(Boolean(document.fullscreenElement)));
    });
  }

  registerWorker();
  offerFullscreen();
})();
