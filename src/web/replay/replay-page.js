// The replay driver's page: the program's windows as on the site, driven by a script of user
// events (formulesReplay). ReplayUser does what a user does to the page's elements, as the
// browser delivers it: the events reach the program through the page, as a real user's do.
// Built into the replay driver's formules.js after page.js (emscripten's --pre-js), where Module
// is the module being loaded; its page is the site's own index.html.
'use strict';

const ReplayUser = (() => {
  // More message boxes than the program ever opens in a row; a box still open after as many
  // clicks on OK does not close, and the replay stops there rather than click for ever.
  const kMostMessages = 100;

  // The replay driver's user reads each message as it comes and closes it with OK before doing
  // anything else, so that what the program held back behind it is done first.
  function acknowledgeMessages() {
    const overlay = document.getElementById('message-overlay');
    const ok = document.getElementById('message-ok');
    for (let clicks = 0; !overlay.hidden; ++clicks) {
      if (clicks === kMostMessages) {
        throw new Error('the message box does not close: "'
          + document.getElementById('message-text').textContent + '"');
      }
      ok.click();
    }
  }

  function windowOf(form) {
    acknowledgeMessages();
    const record = Desktop.windows.get(form);
    return record ? record.frame : null;
  }

  function boxOf(form, name) {
    const frame = windowOf(form);
    const box = frame && frame.querySelector('.box[data-control="' + CSS.escape(name) + '"]');
    if (box) {
      box.focus();
    }
    return box;
  }

  function input(box, inputType, data) {
    box.dispatchEvent(new InputEvent('input', { bubbles: true, inputType, data }));
    return 1;
  }

  return {
    acknowledgeMessages,
    // One character typed at the end of the box.
    type(form, name, character) {
      const box = boxOf(form, name);
      if (!box) {
        return 0;
      }
      const end = box.value.length;
      box.setRangeText(character, end, end, 'end');
      return input(box, 'insertText', character);
    },
    // Backspace at the end of the box: its last character goes.
    erase(form, name) {
      const box = boxOf(form, name);
      if (!box) {
        return 0;
      }
      const characters = Array.from(box.value);
      box.value = characters.slice(0, -1).join('');
      return input(box, 'deleteContentBackward', null);
    },
    // Everything selected, and the text pasted over it.
    paste(form, name, text) {
      const box = boxOf(form, name);
      if (!box) {
        return 0;
      }
      box.select();
      box.setRangeText(text, 0, box.value.length, 'end');
      return input(box, 'insertFromPaste', text);
    },
    click(form, name) {
      const frame = windowOf(form);
      const selector = 'button[data-control="' + CSS.escape(name) + '"]';
      const target = frame && frame.querySelector(selector);
      if (!target) {
        return 0;
      }
      target.click();
      return 1;
    },
    close(form) {
      const frame = windowOf(form);
      const button = frame && frame.querySelector('[data-close]');
      if (!button) {
        return 0;
      }
      button.click();
      return 1;
    },
    // What a user reads: a box's text, a caption, or the title bar for an empty name.
    read(form, name) {
      const frame = windowOf(form);
      if (!frame) {
        return null;
      }
      if (name === '') {
        return frame.querySelector('.caption').textContent;
      }
      const target = frame.querySelector('[data-control="' + CSS.escape(name) + '"]');
      if (!target) {
        return null;
      }
      return target.classList.contains('box') ? target.value : target.textContent;
    },
  };
})();

let moduleReady;
const loaded = new Promise((resolve) => {
  moduleReady = resolve;
});

Module.onRuntimeInitialized = () => moduleReady();

// Runs the script in the language; resolves with its transcript, then a line with its exit
// status.
window.formulesReplay = async (script, language) => {
  await loaded;
  document.documentElement.lang = language;
  return Program.enter(() => Program.withText(script, (scriptAt, scriptLength) =>
    Program.withText(language, (languageAt, languageLength) => Program.textFrom(
      Module.ccall('formules_replay', 'number', ['number', 'number', 'number', 'number'],
        [scriptAt, scriptLength, languageAt, languageLength])))));
};
