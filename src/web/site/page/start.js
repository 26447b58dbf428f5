// Takes over the main window drawn in the page, starts the program once its module has loaded,
// and has the service worker keep every file of the site, so that the next visit needs no
// network. Built into formules.js after page.js and predrawn.js (emscripten's --pre-js), where
// Module is the module being loaded.
'use strict';

Page.adoptDrawn(PredrawnWindow);
Module.onRuntimeInitialized = () => Page.start();

// A browser that cannot run the module (no WebAssembly, or a file that did not load) says so.
Module.onAbort = () => {
  document.getElementById('failed').hidden = false;
};

if ('serviceWorker' in navigator) {
  window.addEventListener('load', () => {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  });
}
