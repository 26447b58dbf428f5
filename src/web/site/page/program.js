// The program's side of the page: the user's events queued for it, and every call into it.
// While the program runs a handler no second call enters: events wait in the queue, and a
// message box lets none in.
'use strict';

const Program = (() => {
  const events = []; // {kind, form, control}, waiting for the program
  let ready = false; // the program has started: what waits can be delivered
  let running = false;
  let modal = false;

  const decoder = new TextDecoder();

  // Texts cross as UTF-8 with their lengths, every character kept, a NUL included.
  // A text in the program's memory.
  function textAt(pointer, length) {
    return decoder.decode(HEAPU8.subarray(pointer, pointer + length));
  }

  // A text the program hands back: at the address, its UTF-8's address and its length, side by
  // side.
  function textFrom(pair) {
    return textAt(HEAPU32[pair >> 2], HEAP32[(pair >> 2) + 1]);
  }

  // A text handed to the program in memory it frees, written into the pair at the address.
  function textInto(text, pair) {
    const length = lengthBytesUTF8(text);
    const pointer = Module._malloc(length + 1);
    stringToUTF8(text, pointer, length + 1);
    HEAPU32[pair >> 2] = pointer;
    HEAP32[(pair >> 2) + 1] = length;
  }

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
    events.push({ kind: Described.events[kind], form, control: name });
    if (ready && !running) {
      deliver();
    }
  }

  // The oldest event waiting, or null.
  function nextEvent() {
    return events.length > 0 ? events.shift() : null;
  }

  // Starts the program with the user's languages (one a line, most preferred first) and the
  // fragment of the page's address; returns the language it speaks.
  function start(languages, fragment) {
    running = true;
    try {
      return withText(languages, (pointer, length) => withText(fragment,
        (fragmentAt, fragmentLength) => textFrom(Module.ccall('formules_start', 'number',
          ['number', 'number', 'number', 'number'], [pointer, length, fragmentAt, fragmentLength]))));
    } finally {
      running = false;
      ready = true;
    }
  }

  return {
    queue, nextEvent, deliver, enter, start, withText, textAt, textFrom, textInto,
    setModal(open) { modal = open; },
    isModal() { return modal; },
  };
})();
