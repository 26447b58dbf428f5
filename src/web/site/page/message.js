// The message box: modal over the whole page, as the desktop's is over the program.
'use strict';

const MessageBox = (() => {
  let acknowledging = false; // message boxes close themselves (the replay driver's user)

  // Resolves, with the message as it showed, once the user has closed the box with OK, Enter or
  // Escape. Meanwhile the windows are inert; the key that closes the box goes no further, so that
  // it cannot press a button again.
  function show(title, message, ok) {
    const overlay = document.getElementById('message-overlay');
    const text = document.getElementById('message-text');
    const okButton = document.getElementById('message-ok');
    document.getElementById('message-title').textContent = title;
    text.textContent = message;
    okButton.textContent = ok;
    const previous = document.activeElement;
    Program.setModal(true);
    Desktop.element.inert = true;
    overlay.hidden = false;
    okButton.focus();
    return new Promise((resolve) => {
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
        try {
          document.removeEventListener('keydown', onKeyDown, true);
          okButton.removeEventListener('click', close);
          overlay.hidden = true;
          Desktop.element.inert = false;
          Program.setModal(false);
          if (previous && previous.isConnected) {
            previous.focus({ preventScroll: true });
          }
        } finally {
          resolve(text.textContent);
        }
      }
      document.addEventListener('keydown', onKeyDown, true);
      okButton.addEventListener('click', close);
      if (acknowledging) {
        setTimeout(() => okButton.click(), 0);
      }
    });
  }

  return {
    show,
    acknowledgeMessages(on) { acknowledging = on; },
  };
})();
