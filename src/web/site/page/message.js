// The message box: modal over the whole page, as the desktop's is over the program. The program
// does not wait in it: what the program does after showing it (clearing the boxes, moving the
// focus, another message) waits here, in order, until the user has closed it, so that the user
// sees the boxes cleared only then, as on the desktop.
'use strict';

const MessageBox = (() => {
  let open = false;
  const waiting = []; // what the program did after the box opened, not yet done
  const pendingTexts = new Map(); // "form\tbox" -> the text the program has written, not yet shown

  // Runs the program's call now, or once every message box before it has been closed.
  function whenClosed(call) {
    if (open || waiting.length > 0) {
      waiting.push(call);
    } else {
      call();
    }
  }

  function runWaiting() {
    while (!open && waiting.length > 0) {
      waiting.shift()();
    }
  }

  // A box's text as the program last wrote it, shown or still waiting.
  function boxText(form, box, shown) {
    const key = form + '\t' + box;
    return pendingTexts.has(key) ? pendingTexts.get(key) : shown();
  }

  function setBoxText(form, box, text, write) {
    const key = form + '\t' + box;
    pendingTexts.set(key, text);
    whenClosed(() => {
      if (pendingTexts.get(key) === text) {
        pendingTexts.delete(key);
      }
      write();
    });
  }

  // Opens the box; the windows are inert meanwhile. OK, Enter or Escape close it; the key that
  // closes it goes no further, so that it cannot press a button again.
  function display(title, message, ok) {
    const overlay = document.getElementById('message-overlay');
    const okButton = document.getElementById('message-ok');
    document.getElementById('message-title').textContent = title;
    document.getElementById('message-text').textContent = message;
    okButton.textContent = ok;
    const previous = document.activeElement;
    open = true;
    Program.setModal(true);
    Desktop.element.inert = true;
    overlay.hidden = false;
    okButton.focus();
    const onKeyDown = (event) => {
      if (event.key === 'Enter' || event.key === 'Escape') {
        event.preventDefault();
        event.stopPropagation();
        close();
      } else if (event.key === 'Tab') {
        event.preventDefault();
      }
    };
    function close() {
      document.removeEventListener('keydown', onKeyDown, true);
      okButton.removeEventListener('click', close);
      overlay.hidden = true;
      Desktop.element.inert = false;
      open = false;
      Program.setModal(false);
      if (previous && previous.isConnected) {
        previous.focus({ preventScroll: true });
      }
      runWaiting();
    }
    document.addEventListener('keydown', onKeyDown, true);
    okButton.addEventListener('click', close);
  }

  // Returns the message as the box shows it; the box opens now, or after those before it.
  function show(title, message, ok) {
    whenClosed(() => display(title, message, ok));
    return message;
  }

  return { show, whenClosed, boxText, setBoxText };
})();
