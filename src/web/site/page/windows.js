// Showing, hiding and removing the program's windows, and the page once the program has ended.
'use strict';

const Windows = (() => {
  // A window is built from its description's text. One that the page drew before the program
  // loaded, from the same text, is taken over as it stands, with what the user did to it; one
  // from another text is built anew.
  function build(text) {
    const described = JSON.parse(text);
    const drawn = Desktop.windows.get(described.form);
    if (drawn && drawn.text === text) {
      drawn.takenOver = true;
      return;
    }
    remove(described.form);
    const record = WindowBuilder.build(described);
    record.text = text;
    Desktop.windows.set(described.form, record);
    Keys.listen(record);
  }

  function focusIn(record, first) {
    const target = !first && record.lastFocus && record.lastFocus.isConnected
      ? record.lastFocus : record.tabOrder[0];
    if (target) {
      target.focus({ preventScroll: true });
      if (target.classList.contains('box')) {
        target.setSelectionRange(0, 0);
      }
    } else {
      record.frame.focus({ preventScroll: true });
    }
  }

  // A window taken over keeps the focus where the page or the user put it.
  function show(form, focusFirst) {
    const record = Desktop.windows.get(form);
    if (record.takenOver && !record.frame.hidden) {
      record.takenOver = false;
      return;
    }
    record.frame.hidden = false;
    Desktop.noteVisibleWindows();
    Placing.placeOnce(record);
    Desktop.raise(record);
    Texts.fitWindow(record);
    focusIn(record, focusFirst);
  }

  // The focus goes back to the window now in front, as a desktop activates it.
  function hide(form) {
    const frame = Desktop.windows.get(form).frame;
    const hadFocus = frame.contains(document.activeElement);
    frame.hidden = true;
    Desktop.noteVisibleWindows();
    const front = Desktop.frontWindow();
    if (front) {
      Desktop.raise(front);
      if (hadFocus || document.activeElement === document.body) {
        focusIn(front, false);
      }
    }
  }

  function remove(form) {
    const record = Desktop.windows.get(form);
    if (record) {
      record.frame.remove();
      Desktop.windows.delete(form);
      Desktop.noteVisibleWindows();
    }
  }

  // Every window disappears; the page says so and offers, on every screen, to start again.
  function end(ended, restart) {
    for (const record of Desktop.windows.values()) {
      record.frame.hidden = true;
    }
    Desktop.noteVisibleWindows();
    document.getElementById('ended-text').textContent = ended;
    const button = document.getElementById('restart');
    button.textContent = restart;
    button.onclick = () => window.location.reload();
    document.getElementById('ended').hidden = false;
    button.focus();
  }

  // The screen becoming wide or narrow lays the shown windows out again: a window first shown on
  // a narrow screen gets its first place on a wide one, and the others keep theirs.
  function relayOut() {
    for (const record of Desktop.windows.values()) {
      if (!record.frame.hidden) {
        Placing.placeOnce(record);
        Texts.fitWindow(record);
      }
    }
  }

  Desktop.narrowScreen.addEventListener('change', relayOut);
  window.addEventListener('resize', () => {
    if (Desktop.isNarrow()) {
      relayOut();
    }
  });

  return { build, show, hide, remove, end };
})();
