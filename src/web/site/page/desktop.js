// What the parts of the page share: the desktop the windows float over, the record of each
// window built, and which window is in front. The page's scripts are joined in order into the
// program's script ahead of the module (emscripten's --pre-js), so that the page loads one
// script; each part is one object, and a part uses only those joined before it, or calls the
// later ones once the page runs. The optimiser emscripten runs on them drops destructuring
// declarations, which they therefore do without.
'use strict';

const Desktop = (() => {
  const element = document.getElementById('desktop');
  // At this width or less the windows are laid out as one column each, one at a time (the
  // stylesheet's breakpoint is the same).
  const narrowScreen = window.matchMedia('(max-width: 480px)');

  // Under the window in front on a narrow screen: it hides the others.
  const backdrop = document.createElement('div');
  backdrop.className = 'backdrop';
  element.append(backdrop);

  // Form name -> { frame, client, controls (name -> element), described, tabOrder, lastFocus,
  // placed, fitted, announcer, text, takenOver, focusKept }.
  const windows = new Map();
  let frontmost = 0;

  function make(tag, className) {
    const made = document.createElement(tag);
    if (className) {
      made.className = className;
    }
    return made;
  }

  function isNarrow() {
    return narrowScreen.matches;
  }

  // The window comes in front of the others.
  function raise(record) {
    frontmost += 2;
    record.frame.style.zIndex = String(frontmost);
    backdrop.style.zIndex = String(frontmost - 1);
    for (const other of windows.values()) {
      other.frame.classList.toggle('front', other === record);
    }
  }

  // The visible window in front of the others, if any.
  function frontWindow() {
    let front = null;
    for (const record of windows.values()) {
      const inFront = !front
        || Number(record.frame.style.zIndex) > Number(front.frame.style.zIndex);
      if (!record.frame.hidden && inFront) {
        front = record;
      }
    }
    return front;
  }

  // The backdrop shows only while a window does, so that nothing covers the page without one.
  function noteVisibleWindows() {
    const anyShown = Array.from(windows.values()).some((record) => !record.frame.hidden);
    element.classList.toggle('with-windows', anyShown);
  }

  return { element, narrowScreen, windows, make, isNarrow, raise, frontWindow,
    noteVisibleWindows };
})();
