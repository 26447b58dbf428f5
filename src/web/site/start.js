// Starts the program once its module has loaded, and has the service worker keep every file
// of the site, so that the next visit needs no network. Built into formules.js after page.js
// (emscripten's --pre-js), where Module is the module being loaded.
'use strict';

Module.onRuntimeInitialized = () => Page.start();

if ('serviceWorker' in navigator) {
  window.addEventListener('load', () => {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  });
}
