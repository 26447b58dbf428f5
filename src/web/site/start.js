// Starts the program once its module (formules.js, formules.wasm) has loaded, and has the
// service worker keep every file of the site, so that the next visit needs no network.
'use strict';

var Module = {
  onRuntimeInitialized() {
    Page.start();
  },
};

if ('serviceWorker' in navigator) {
  window.addEventListener('load', () => {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  });
}
