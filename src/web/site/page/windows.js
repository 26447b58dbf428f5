// Showing, hiding and removing the program's windows, and the page once the program has ended.
'use strict';

const Windows = (() => {
  // A window is built from its description's text. One that the page drew before the program
  // loaded, from the same text, is taken over as it stands, with what the user did to it; one
  // from another text is built anew.
  function build(text) {
    const described = Described.parse(text);
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

  // The control the window last had the focus in, or its first, as a desktop gives a window its
  // focus back when it is activated.
  function focusIn(record) {
    const target = record.lastFocus && record.lastFocus.isConnected
      ? record.lastFocus : record.tabOrder[0];
    if (target) {
      target.focus({ preventScroll: true });
    } else {
      record.frame.focus({ preventScroll: true });
    }
  }

  // The focus in the control the program names, a box's text unselected. The window drawn before
  // the program loaded keeps the focus where the user or the page put it.
  function focusControl(form, name) {
    const record = Desktop.windows.get(form);
    if (record.focusKept) {
      record.focusKept = false;
      return;
    }
    const target = record.controls.get(name);
    target.focus({ preventScroll: true });
    if (target.classList.contains('box')) {
      target.setSelectionRange(0, 0);
    }
  }

  // The window drawn in the page in its language (site/early.js shows it) taken over as the
  // window of this description; those drawn in other languages go. False when the page has none
  // (the replay driver's page): the program's description then builds it.
  function adopt(text) {
    let drawn = null;
    for (const frame of document.querySelectorAll('[data-predrawn]')) {
      if (!drawn && frame.dataset.predrawn === document.documentElement.lang) {
        drawn = frame;
      } else {
        frame.remove();
      }
    }
    if (!drawn || text === undefined) {
      return false;
    }
    const record = WindowBuilder.adopt(drawn, Described.parse(text));
    record.text = text;
    Desktop.windows.set(record.described.form, record);
    Keys.listen(record);
    // Placed and fitted as a window the program shows, so that a drawing that differed from it
    // would show here rather than stay.
    Desktop.noteVisibleWindows();
    Placing.placeOnce(record);
    Desktop.raise(record);
    Texts.fitWindow(record);
    return true;
  }

  // A click or key the user made on the drawn window before it was taken over, made again.
  function replay(event) {
    const again = event.type === 'click'
      ? new MouseEvent('click', { bubbles: true, cancelable: true })
      : new KeyboardEvent('keydown', { bubbles: true, cancelable: true, key: event.key,
        code: event.code, altKey: event.altKey, ctrlKey: event.ctrlKey,
        metaKey: event.metaKey, shiftKey: event.shiftKey });
    event.target.dispatchEvent(again);
  }

  // A window taken over keeps the focus where the page or the user put it; one already visible
  // comes in front with its focus where it was. The program puts the focus in a window it shows
  // anew itself (focusControl).
  function show(form) {
    const record = Desktop.windows.get(form);
    if (record.takenOver && !record.frame.hidden) {
      record.takenOver = false;
      record.focusKept = true;
      return;
    }
    const wasVisible = !record.frame.hidden;
    record.frame.hidden = false;
    Desktop.noteVisibleWindows();
    Placing.placeOnce(record);
    Desktop.raise(record);
    Texts.fitWindow(record);
    if (wasVisible) {
      focusIn(record);
    }
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
        focusIn(front);
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

  return { build, adopt, replay, show, focusControl, hide, remove, end };
})();
