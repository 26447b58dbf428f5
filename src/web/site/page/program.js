// The program's side of the page: the user's events queued for it, and every call into it.
// While the program runs a handler no second call enters: events wait in the queue, and a
// message box lets none in.
'use strict';

const Program = (() => {
  const events = []; // "kind\tform\tcontrol", waiting for the program
  let ready = false; // the program has started: what waits can be delivered
  let running = false;
  let modal = false;

  // Texts cross into the program as UTF-8 in memory it owns, with their lengths, never on its
  // stack, so that a text of any length (a long address, a pasted page) fits.
  function withText(text, call) {
    const length = lengthBytesUTF8(text);
    const pointer = Module._malloc(length + 1);
    stringToUTF8(text, pointer, length + 1);
    try {
      return call(pointer, length);
    } finally {
      Module._free(pointer);
    }
  }

  // Runs a call into the program.
  function enter(call) {
    running = true;
    try {
      return call();
    } finally {
      running = false;
    }
  }

  function deliver() {
    while (events.length > 0 && !running) {
      enter(() => Module.ccall('formules_deliver', null, [], []));
    }
  }

  // An event waits in the queue until the program takes it; it is taken at once unless the
  // program has not started yet (what the user does to the window drawn before it loaded is
  // carried out once it has, in order) or is already running (the replay driver's user then
  // takes it itself). Nothing reaches the program while a message box is open.
  function queue(kind, form, name) {
    if (modal) {
      return;
    }
    events.push(kind + '\t' + form + '\t' + name);
    if (ready && !running) {
      deliver();
    }
  }

  function nextEvent() {
    return events.length > 0 ? events.shift() : '';
  }

  // Starts the program with the user's languages (one a line, most preferred first); returns
  // the language it speaks.
  function start(languages) {
    running = true;
    try {
      return withText(languages, (pointer, length) => Module.ccall('formules_start', 'string',
        ['number', 'number'], [pointer, length]));
    } finally {
      running = false;
      ready = true;
    }
  }

  return {
    queue, nextEvent, deliver, enter, start, withText,
    setModal(open) { modal = open; },
    isModal() { return modal; },
  };
})();
