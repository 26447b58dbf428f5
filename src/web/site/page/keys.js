// What the user does to a window, as the desktop's windows take it: Tab round the described
// order, Alt+letter for access keys, Escape and Return for the buttons they press, clicks,
// typing and the close button, each queued for the program.
'use strict';

const Keys = (() => {
  function selectAll(target) {
    if (target.classList.contains('box')) {
      target.select();
    }
  }

  // Tab and Shift+Tab go round the window's controls in the described order.
  function moveFocus(record, event) {
    const order = record.tabOrder;
    if (order.length === 0) {
      return;
    }
    const at = order.indexOf(document.activeElement);
    const step = event.shiftKey ? -1 : 1;
    const from = at < 0 ? (step > 0 ? -1 : 0) : at;
    const next = order[(from + step + order.length) % order.length];
    next.focus();
    selectAll(next);
    event.preventDefault();
  }

  // The control or menu entry whose access key the pressed letter is; Alt+letter presses it.
  function withAccessKey(record, event) {
    const letters = [event.key.toLowerCase()];
    if (event.code.startsWith('Key')) {
      letters.push(event.code.slice(3).toLowerCase());
    }
    for (const candidate of record.frame.querySelectorAll('[data-key]')) {
      if (letters.includes(candidate.dataset.key)) {
        return candidate;
      }
    }
    return null;
  }

  // Return in a box presses the button it is described with, and never starts a new line.
  function onKey(record, event) {
    const form = record.described.form;
    const target = event.target;
    if (event.key === 'Tab' && !event.altKey && !event.ctrlKey && !event.metaKey) {
      moveFocus(record, event);
    } else if (event.key === 'Enter' && target.classList.contains('box')) {
      event.preventDefault();
      if (target.dataset.enter !== undefined) {
        Program.queue('click', form, target.dataset.enter);
      }
    } else if (event.key === 'Escape') {
      const escape = record.frame.querySelector('[data-escape]');
      if (escape) {
        event.preventDefault();
        Program.queue('click', form, escape.dataset.control);
      }
    } else if (event.altKey && !event.ctrlKey && !event.metaKey) {
      const pressed = withAccessKey(record, event);
      if (pressed) {
        event.preventDefault();
        Program.queue('click', form, pressed.dataset.control);
      }
    }
  }

  function listen(record) {
    const frame = record.frame;
    const form = record.described.form;
    frame.addEventListener('pointerdown', () => Desktop.raise(record), true);
    frame.addEventListener('focusin', (event) => {
      Desktop.raise(record);
      if (record.tabOrder.includes(event.target)) {
        record.lastFocus = event.target;
      }
    });
    frame.addEventListener('keydown', (event) => onKey(record, event));
    frame.addEventListener('input', (event) => {
      Texts.fitBoxHeight(event.target);
      Program.queue('change', form, event.target.dataset.control);
    });
    frame.addEventListener('click', (event) => {
      const clicked = event.target.closest('button');
      if (!clicked || !frame.contains(clicked)) {
        return;
      }
      if (clicked.dataset.close !== undefined) {
        Program.queue('close', form, '');
      } else if (clicked.dataset.control !== undefined) {
        Program.queue('click', form, clicked.dataset.control);
      }
    });
    Placing.dragByTitleBar(record, frame.querySelector('.titlebar'));
  }

  // Keys pressed while no window has the focus go to the window in front.
  document.addEventListener('keydown', (event) => {
    const front = Desktop.frontWindow();
    if (front && !Program.isModal() && !event.defaultPrevented
        && !front.frame.contains(event.target) && !event.target.closest('.window')) {
      onKey(front, event);
    }
  });

  return { listen };
})();
