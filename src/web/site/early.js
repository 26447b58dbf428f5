// The page's first script, written into the page when the site is built and run before the body
// is drawn: it gives the page the language the program will speak, so that the main window drawn
// in the page shows in that language from the first frame; it keeps what the user does to that
// window until the page's own script takes it over (site/page/windows.js); and it has the
// program's WebAssembly compiled as it downloads.
'use strict';

// The program's WebAssembly, compiled as it downloads where the server sends it as
// application/wasm, as browsers require for that; from its downloaded bytes where a server sends
// another type (many simple hosts send application/octet-stream) or the browser cannot compile a
// download.
function compiledProgram() {
  return fetch('formules.wasm', { credentials: 'same-origin' }).then((response) => {
    if (!response.ok) {
      throw new Error('formules.wasm: ' + response.status);
    }
    const type = (response.headers.get('Content-Type') || '').split(';')[0].trim().toLowerCase();
    if (type === 'application/wasm' && typeof WebAssembly.compileStreaming === 'function') {
      return WebAssembly.compileStreaming(response);
    }
    return response.arrayBuffer().then((bytes) => WebAssembly.compile(bytes));
  });
}

// The module's script (formules.js) finds this Module and instantiates the WebAssembly compiled
// here.
if (typeof WebAssembly === 'object') {
  const compiled = compiledProgram();
  compiled.catch(() => {});
  window.Module = {
    instantiateWasm(imports, receive) {
      compiled.then((module) => WebAssembly.instantiate(module, imports)
        .then((instance) => receive(instance, module)))
        .catch(() => {
          document.getElementById('failed').hidden = false;
        });
      return {};
    },
  };
}

const Early = (() => {
  // A language as an address or a browser names it ("de", "pt-BR"); anything else in ?lang= is
  // ignored, as if the address did not have it.
  const languageTag = /^[A-Za-z]{1,8}(?:[-_][A-Za-z0-9]{1,8}){0,7}$/;

  // The user's languages, most preferred first: ?lang=de in the address, then the browser's.
  function preferredLanguages() {
    const asked = new URLSearchParams(window.location.search).get('lang');
    const listed = (asked ? [asked] : []).concat(navigator.languages || [navigator.language]);
    return listed.filter((name) => typeof name === 'string' && languageTag.test(name));
  }

  // The first of the user's languages that the program speaks, by the letters before any "-" or
  // "_" in any case, or else the first it speaks, its own (the program chooses alike,
  // forms/Languages.cpp). The languages it speaks are written into the page when it is built.
  function chosenLanguage(spoken) {
    for (const name of preferredLanguages()) {
      const language = name.split(/[-_]/)[0].toLowerCase();
      if (/^[a-z]{2,3}$/.test(language) && spoken.includes(language)) {
        return language;
      }
    }
    return spoken[0];
  }

  const listed = document.querySelector('meta[name="formules-languages"]');
  const spoken = listed ? listed.content.split(' ').filter(Boolean) : [];
  if (spoken.length > 0) {
    document.documentElement.lang = chosenLanguage(spoken);
  }

  // Clicks, and the keys that press controls, made on the drawn window before the page's script
  // runs; Tab moves the focus by itself.
  const kept = [];
  function keep(event) {
    const pressing = event.type === 'click' || event.altKey || event.key === 'Escape';
    if (pressing && event.target.closest && event.target.closest('[data-predrawn]')) {
      kept.push(event);
    }
  }
  document.addEventListener('click', keep, true);
  document.addEventListener('keydown', keep, true);

  return {
    preferredLanguages,
    // What the user did to the drawn window, in order; nothing is kept from then on.
    takeEvents() {
      document.removeEventListener('click', keep, true);
      document.removeEventListener('keydown', keep, true);
      return kept.splice(0);
    },
  };
})();
