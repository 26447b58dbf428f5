// Builds a window's elements from its description (src/web/PageWindow.h says what it holds):
// a dialog with its title bar, its menu bar and its client area, each control at its described
// place, in its colours and font, given as style properties that the stylesheet applies on a
// wide screen; the narrow screen's column is derived from the same description (Column).
'use strict';

const WindowBuilder = (() => {
  const make = Desktop.make;

  // A caption with its access key underlined; the key's letter stays in the text.
  function fillCaption(target, described) {
    target.textContent = '';
    target.append(described.before);
    if (described.key) {
      const key = make('u', 'access-key');
      key.textContent = described.key;
      target.append(key, described.after);
      target.dataset.key = described.key.toLowerCase();
      target.setAttribute('aria-keyshortcuts', 'Alt+' + described.key.toUpperCase());
    }
  }

  function captionText(described) {
    return described.before + described.key + described.after;
  }

  // The parts of a CSS font, so that a narrow screen can change its size alone; the size also in
  // rem, so that it follows the browser's default font size there.
  function setFont(style, font) {
    style.setProperty('--family', font.family);
    style.setProperty('--weight', font.weight);
    style.setProperty('--slant', font.slant);
    style.setProperty('--size', font.size + 'px');
    style.setProperty('--size-rem', font.size / 16 + 'rem');
  }

  function setColours(control, described) {
    const style = control.style;
    if (described.ground) {
      style.setProperty('--ground', described.ground);
    }
    if (described.ink) {
      style.setProperty('--ink', described.ink);
      control.classList.add('inked');
    }
    // What a user who asks for more contrast sees instead, where the described colours have too
    // little.
    if (described.inkMore) {
      style.setProperty('--ink-more', described.inkMore);
      control.classList.add('ink-more');
    }
    if (described.groundMore) {
      style.setProperty('--ground-more', described.groundMore);
      control.classList.add('ground-more');
    }
    style.setProperty('--ring', described.ring);
  }

  // A box is a text area of one line, which a narrow screen lets wrap so that its whole text
  // shows. Its keyboard is the full one, so that a unit or a code letter can be typed ("7,1 MHz",
  // "4n7"); nothing is corrected or capitalised.
  function createBox(described) {
    const box = make('textarea', 'control box');
    box.rows = 1;
    box.value = captionText(described);
    box.autocomplete = 'off';
    box.spellcheck = false;
    box.inputMode = 'text';
    box.setAttribute('autocapitalize', 'off');
    box.setAttribute('autocorrect', 'off');
    if (described.enter) {
      box.dataset.enter = described.enter;
      box.enterKeyHint = 'go';
    }
    return box;
  }

  function createControl(described, windowFont) {
    let control;
    if (described.kind === Described.kinds.button) {
      control = make('button', 'control button');
      control.type = 'button';
      fillCaption(control, described);
    } else if (described.kind === Described.kinds.box) {
      control = createBox(described);
    } else {
      control = make('div', 'control ' + described.kind + (described.centred ? ' centred' : ''));
      control.textContent = captionText(described);
    }
    control.dataset.control = described.name;
    if (described.announced) {
      control.setAttribute('aria-label', described.announced);
    }
    if (described.hint) {
      control.title = described.hint;
    }
    if (described.escape) {
      control.dataset.escape = '';
    }
    const style = control.style;
    style.setProperty('--left', described.left + 'px');
    style.setProperty('--top', described.top + 'px');
    style.setProperty('--width', described.width + 'px');
    style.setProperty('--height', described.height + 'px');
    setFont(style, described.font || windowFont);
    setColours(control, described);
    control.tabIndex = described.tab >= 0 ? 0 : -1;
    return control;
  }

  function createMenu(entries) {
    const bar = make('div', 'menubar');
    bar.setAttribute('role', 'menubar');
    for (const entry of entries) {
      const item = make('button', 'menu-entry');
      item.type = 'button';
      item.tabIndex = -1;
      item.dataset.control = entry.name;
      item.setAttribute('role', 'menuitem');
      if (captionText(entry) === '') {
        item.classList.add('blank');
        item.setAttribute('aria-hidden', 'true');
      }
      fillCaption(item, entry);
      bar.append(item);
    }
    return bar;
  }

  function createTitleBar(described, captionId) {
    const bar = make('div', 'titlebar');
    const caption = make('span', 'caption');
    caption.id = captionId;
    caption.textContent = described.caption;
    const close = make('button', 'close');
    close.type = 'button';
    close.tabIndex = -1;
    close.dataset.close = '';
    close.setAttribute('aria-label', described.close);
    close.title = described.close;
    bar.append(caption, close);
    return bar;
  }

  function createClient(described) {
    const client = make('div', 'client');
    const style = client.style;
    style.setProperty('--width', described.width + 'px');
    style.setProperty('--height', described.height + 'px');
    style.setProperty('--window-ground', described.ground);
    style.setProperty('--window-ink', described.ink);
    setFont(style, described.font);
    return client;
  }

  // The window, hidden, and its record; its controls come in the described order, which is the
  // order they are drawn in (a panel under what it holds).
  function build(described) {
    const frame = make('section', 'window');
    frame.hidden = true;
    frame.dataset.form = described.form;
    frame.setAttribute('role', 'dialog');
    const captionId = described.form + '-caption';
    frame.setAttribute('aria-labelledby', captionId);
    frame.append(createTitleBar(described, captionId));
    if (described.menu.length > 0) {
      frame.append(createMenu(described.menu));
    }
    const client = createClient(described);
    const controls = new Map();
    const tabOrder = [];
    for (const describedControl of described.controls) {
      const control = createControl(describedControl, described.font);
      controls.set(describedControl.name, control);
      client.append(control);
      if (describedControl.tab >= 0) {
        tabOrder[describedControl.tab] = control;
      }
    }
    // What the program writes into the window (a result, the design help), for screen readers.
    const announcer = make('div', 'announcer');
    announcer.setAttribute('role', 'status');
    announcer.setAttribute('aria-live', 'polite');
    frame.append(client, announcer);
    Desktop.element.append(frame);
    const record = recordOf(frame, client, controls, described, announcer, tabOrder);
    Column.arrange(record);
    return record;
  }

  function recordOf(frame, client, controls, described, announcer, tabOrder) {
    return {
      frame, client, controls, described, announcer,
      tabOrder: tabOrder.filter(Boolean),
      lastFocus: null, placed: false, fitted: false,
      text: '', takenOver: false, // its description's text; taken over by the program
      focusKept: false, // taken over with the focus where the user put it
    };
  }

  // The record of a window already drawn in the page from this description, by this builder
  // (src/web/drawing): its elements as they stand.
  function adopt(frame, described) {
    const caption = frame.querySelector('.caption');
    caption.id = described.form + '-caption';
    frame.setAttribute('aria-labelledby', caption.id);
    delete frame.dataset.predrawn;
    const client = frame.querySelector('.client');
    const controls = new Map();
    const tabOrder = [];
    for (const describedControl of described.controls) {
      const control = client.querySelector('[data-control="' + CSS.escape(describedControl.name)
        + '"]');
      controls.set(describedControl.name, control);
      if (describedControl.tab >= 0) {
        tabOrder[describedControl.tab] = control;
      }
    }
    return recordOf(frame, client, controls, described, frame.querySelector('.announcer'),
      tabOrder);
  }

  return { build, adopt };
})();
