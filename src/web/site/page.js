// The page side of the web toolkit: the windows the program describes, built as dialogs that
// float over the page, and the user's events queued for the program (src/web/WebToolkit.cpp),
// which calls the functions of Page. Every text reaches the page as text (textContent, value),
// never as markup. Built into the program's script ahead of the module (emscripten's --pre-js),
// so that the page loads one script; the optimiser emscripten runs on it drops destructuring
// declarations, which this file therefore does without.
'use strict';

const Page = (() => {
  const desktop = document.getElementById('desktop');
  const narrowScreen = window.matchMedia('(max-width: 480px)');
  // The hit area a box or a button gets on a narrow screen, in screen pixels, where its neighbours
  // leave room: the height a fingertip needs.
  const touchHeight = 44;
  // Where windows that the program does not place open, one after the other.
  const cascadeStart = 40;
  const cascadeStep = 28;

  const backdrop = document.createElement('div');
  backdrop.className = 'backdrop';
  desktop.append(backdrop);

  const windows = new Map(); // form name -> the window's record
  const events = []; // "kind\tform\tcontrol", waiting for the program
  let inModule = false; // the program is running a handler, or is suspended in one
  let modalOpen = false;
  let acknowledging = false; // message boxes close themselves (the replay driver's user)
  let frontmost = 0;
  let cascade = 0;

  // Building a window from its description ---------------------------------------------------

  function element(tag, className) {
    const made = document.createElement(tag);
    if (className) {
      made.className = className;
    }
    return made;
  }

  // A caption with its access key underlined; the key's letter stays in the text.
  function fillCaption(target, described) {
    target.textContent = '';
    target.append(described.before);
    if (described.key) {
      const key = element('u', 'access-key');
      key.textContent = described.key;
      target.append(key, described.after);
      target.dataset.key = described.key.toLowerCase();
      target.setAttribute('aria-keyshortcuts', 'Alt+' + described.key.toUpperCase());
    }
  }

  function captionText(described) {
    return described.before + described.key + described.after;
  }

  function createControl(described) {
    let control;
    if (described.kind === 'button') {
      control = element('button', 'control button');
      control.type = 'button';
      fillCaption(control, described);
    } else if (described.kind === 'box') {
      control = element('input', 'control box');
      control.type = 'text';
      control.value = captionText(described);
      control.autocomplete = 'off';
      control.spellcheck = false;
      control.setAttribute('autocapitalize', 'off');
      control.setAttribute('autocorrect', 'off');
      if (described.enter) {
        control.dataset.enter = described.enter;
        control.enterKeyHint = 'go';
      }
    } else {
      control = element('div', 'control ' + described.kind + (described.centred ? ' centred' : ''));
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
    style.left = described.left + 'px';
    style.top = described.top + 'px';
    style.width = described.width + 'px';
    style.height = described.height + 'px';
    style.backgroundColor = described.ground || 'transparent';
    style.setProperty('--ground', described.ground || 'transparent');
    style.color = described.ink;
    style.font = described.font;
    control.describedFont = described.font;
    style.setProperty('--ring', described.ring);
    control.tabIndex = described.tab >= 0 ? 0 : -1;
    return control;
  }

  function createMenu(entries) {
    const bar = element('div', 'menubar');
    bar.setAttribute('role', 'menubar');
    for (const entry of entries) {
      const item = element('button', 'menu-entry');
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
    const bar = element('div', 'titlebar');
    const caption = element('span', 'caption');
    caption.id = captionId;
    caption.textContent = described.caption;
    const close = element('button', 'close');
    close.type = 'button';
    close.tabIndex = -1;
    close.dataset.close = '';
    close.setAttribute('aria-label', described.close);
    close.title = described.close;
    bar.append(caption, close);
    return bar;
  }

  function buildWindow(described) {
    const frame = element('section', 'window');
    frame.hidden = true;
    frame.dataset.form = described.form;
    frame.setAttribute('role', 'dialog');
    const captionId = described.form + '-caption';
    frame.setAttribute('aria-labelledby', captionId);
    frame.append(createTitleBar(described, captionId));
    if (described.menu.length > 0) {
      frame.append(createMenu(described.menu));
    }
    const client = element('div', 'client');
    client.style.width = described.width + 'px';
    client.style.height = described.height + 'px';
    client.style.backgroundColor = described.ground;
    client.style.color = described.ink;
    client.style.font = described.font;
    const controls = new Map();
    const tabOrder = [];
    for (const describedControl of described.controls) {
      const control = createControl(describedControl);
      controls.set(describedControl.name, control);
      client.append(control);
      if (describedControl.tab >= 0) {
        tabOrder[describedControl.tab] = control;
      }
    }
    frame.append(client);
    desktop.append(frame);
    const record = {
      frame, client, controls, described,
      tabOrder: tabOrder.filter(Boolean),
      lastFocus: null, placedOnce: false, fitted: false,
    };
    windows.set(described.form, record);
    listen(record);
  }

  // Placing, raising, showing -----------------------------------------------------------------

  // The described place is that of the client area, under the title bar and the menu bar; a
  // window the program does not place opens in a cascade. Both stay on the screen when they can.
  function place(record) {
    const frame = record.frame;
    const described = record.described;
    let left;
    let top;
    if (described.placed) {
      left = described.left - record.client.offsetLeft;
      top = described.top - record.client.offsetTop;
    } else {
      left = cascadeStart + cascade * cascadeStep;
      top = cascadeStart + cascade * cascadeStep;
      cascade = (cascade + 1) % 8;
    }
    const width = frame.offsetWidth;
    const height = frame.offsetHeight;
    frame.style.left = Math.max(0, Math.min(left, window.innerWidth - width)) + 'px';
    frame.style.top = Math.max(0, Math.min(top, window.innerHeight - height)) + 'px';
  }

  // The window comes in front; on a narrow screen a backdrop just under it covers the others.
  function raise(record) {
    frontmost += 2;
    record.frame.style.zIndex = String(frontmost);
    backdrop.style.zIndex = String(frontmost - 1);
    for (const other of windows.values()) {
      other.frame.classList.toggle('front', other === record);
    }
  }

  function focusIn(record, first) {
    const target = !first && record.lastFocus && record.lastFocus.isConnected
      ? record.lastFocus : record.tabOrder[0];
    if (target) {
      target.focus({ preventScroll: true });
      if (target.tagName === 'INPUT') {
        target.setSelectionRange(0, 0);
      }
    } else {
      record.frame.focus({ preventScroll: true });
    }
  }

  function showWindow(form, focusFirst) {
    const record = windows.get(form);
    record.frame.hidden = false;
    if (!record.placedOnce) {
      place(record);
      record.placedOnce = true;
    }
    raise(record);
    if (!record.fitted) {
      fitTexts(Array.from(record.controls.values()));
      record.fitted = true;
    }
    layOut();
    focusIn(record, focusFirst);
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

  // The focus goes back to the window now in front, as a desktop activates it.
  function hideWindow(form) {
    const frame = windows.get(form).frame;
    const hadFocus = frame.contains(document.activeElement);
    frame.hidden = true;
    layOut();
    const front = frontWindow();
    if (front) {
      raise(front);
      if (hadFocus || document.activeElement === document.body) {
        focusIn(front, false);
      }
    }
  }

  function removeWindow(form) {
    const record = windows.get(form);
    if (record) {
      record.frame.remove();
      windows.delete(form);
    }
  }

  // Texts -------------------------------------------------------------------------------------

  function overflows(control) {
    if (control.scrollWidth > control.clientWidth + 0.5) {
      return true;
    }
    if (control.scrollHeight <= control.clientHeight + 0.5 || control.tagName !== 'DIV') {
      return false;
    }
    // A single line taller than its label still shows whole letters; only wrapped lines count.
    const range = document.createRange();
    range.selectNodeContents(control);
    const fontSize = parseFloat(getComputedStyle(control).fontSize);
    const tops = Array.from(range.getClientRects(), (rect) => rect.top);
    return tops.some((top) => Math.abs(top - tops[0]) > fontSize / 2);
  }

  // A text that the device's fonts draw wider than its control is drawn smaller until it fits,
  // as far as two thirds of its size: every caption stays whole in every language. The controls
  // are measured together, so that the page lays itself out once for all that fit.
  function fitTexts(controls) {
    const texts = controls.filter((c) => !c.classList.contains('panel'));
    for (const text of texts) {
      text.style.font = text.describedFont;
    }
    for (const text of texts.filter(overflows)) {
      const describedSize = parseFloat(getComputedStyle(text).fontSize);
      let size = describedSize;
      while (overflows(text) && size > describedSize * 2 / 3) {
        size -= 0.5;
        text.style.fontSize = size + 'px';
      }
    }
  }

  function control(form, name) {
    return windows.get(form).controls.get(name);
  }

  function boxText(form, box) {
    return control(form, box).value;
  }

  function setBoxText(form, box, text) {
    control(form, box).value = text;
  }

  function focusBox(form, box) {
    const target = control(form, box);
    target.focus({ preventScroll: true });
    target.select();
  }

  function setLabelText(form, label, text) {
    const record = windows.get(form);
    const target = record.controls.get(label);
    target.textContent = text;
    if (!record.frame.hidden) {
      fitTexts([target]);
    } else {
      record.fitted = false;
    }
  }

  // Events for the program ----------------------------------------------------------------------

  // An event waits in the queue until the program takes it; it is taken at once unless the
  // program is already running (the replay driver's user then takes it itself). Nothing reaches
  // the program while a message box is open.
  function queue(kind, form, name) {
    if (modalOpen) {
      return;
    }
    events.push(kind + '\t' + form + '\t' + name);
    if (!inModule) {
      deliver();
    }
  }

  async function deliver() {
    while (events.length > 0 && !inModule) {
      await intoModule(() => Module.ccall('formules_deliver', null, [], [], { async: true }));
    }
  }

  // Runs a call into the program, which may suspend it in a message box; no second call enters
  // meanwhile.
  async function intoModule(call) {
    inModule = true;
    try {
      return await call();
    } finally {
      inModule = false;
    }
  }

  function nextEvent() {
    return events.length > 0 ? events.shift() : '';
  }

  // Keys ----------------------------------------------------------------------------------------

  // Tab and Shift+Tab go round the window's controls in the described order.
  function moveFocus(record, event) {
    const order = record.tabOrder;
    if (order.length === 0) {
      return;
    }
    const at = order.indexOf(document.activeElement);
    const step = event.shiftKey ? -1 : 1;
    const from = at < 0 ? (step > 0 ? -1 : 0) : at;
    const next = (from + step + order.length) % order.length;
    order[next].focus();
    if (order[next].tagName === 'INPUT') {
      order[next].select();
    }
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

  function onKey(record, event) {
    const form = record.described.form;
    const target = event.target;
    if (event.key === 'Tab' && !event.altKey && !event.ctrlKey && !event.metaKey) {
      moveFocus(record, event);
    } else if (event.key === 'Enter' && target.dataset.enter !== undefined) {
      event.preventDefault();
      queue('click', form, target.dataset.enter);
    } else if (event.key === 'Escape') {
      const escape = record.frame.querySelector('[data-escape]');
      if (escape) {
        event.preventDefault();
        queue('click', form, escape.dataset.control);
      }
    } else if (event.altKey && !event.ctrlKey && !event.metaKey) {
      const pressed = withAccessKey(record, event);
      if (pressed) {
        event.preventDefault();
        queue('click', form, pressed.dataset.control);
      }
    }
  }

  // Dragging by the title bar -------------------------------------------------------------------

  function dragByTitleBar(record, bar) {
    bar.addEventListener('pointerdown', (down) => {
      if (down.button !== 0 || down.target.closest('.close') || narrowScreen.matches) {
        return;
      }
      const frame = record.frame;
      const startX = down.clientX - frame.offsetLeft;
      const startY = down.clientY - frame.offsetTop;
      bar.setPointerCapture(down.pointerId);
      const move = (event) => {
        const margin = 48;
        const left = Math.min(window.innerWidth - margin,
          Math.max(margin - frame.offsetWidth, event.clientX - startX));
        const top = Math.min(window.innerHeight - bar.offsetHeight,
          Math.max(0, event.clientY - startY));
        frame.style.left = left + 'px';
        frame.style.top = top + 'px';
      };
      const stop = () => {
        bar.removeEventListener('pointermove', move);
        bar.removeEventListener('pointerup', stop);
        bar.removeEventListener('pointercancel', stop);
      };
      bar.addEventListener('pointermove', move);
      bar.addEventListener('pointerup', stop);
      bar.addEventListener('pointercancel', stop);
      down.preventDefault();
    });
  }

  function listen(record) {
    const frame = record.frame;
    const form = record.described.form;
    frame.addEventListener('pointerdown', () => raise(record), true);
    frame.addEventListener('focusin', (event) => {
      raise(record);
      if (record.tabOrder.includes(event.target)) {
        record.lastFocus = event.target;
      }
    });
    frame.addEventListener('keydown', (event) => onKey(record, event));
    frame.addEventListener('input', (event) => {
      queue('change', form, event.target.dataset.control);
    });
    frame.addEventListener('click', (event) => {
      const clicked = event.target.closest('button');
      if (!clicked || !frame.contains(clicked)) {
        return;
      }
      if (clicked.dataset.close !== undefined) {
        queue('close', form, '');
      } else if (clicked.dataset.control !== undefined) {
        queue('click', form, clicked.dataset.control);
      }
    });
    dragByTitleBar(record, frame.querySelector('.titlebar'));
  }

  // Narrow screens --------------------------------------------------------------------------------

  // On a phone, every window fills the width, scaled, at the top of the page, the front one over
  // a backdrop that hides the others; boxes and buttons get a hit area a fingertip can find, as
  // far as their neighbours leave room. On a wider screen, windows float where they were put.
  function layOut() {
    const narrow = narrowScreen.matches;
    let tallest = 0;
    for (const record of windows.values()) {
      const frame = record.frame;
      frame.style.zoom = '';
      for (const bar of frame.querySelectorAll('.titlebar, .menubar')) {
        bar.style.zoom = '';
      }
      if (!narrow || frame.hidden) {
        continue;
      }
      // Rounded down, so that the zoomed window never pushes the page wider than the screen.
      const zoom = Math.floor(document.documentElement.clientWidth / frame.offsetWidth * 1e4) / 1e4;
      frame.style.zoom = String(zoom);
      // The title bar and the menu bar keep their own size, readable and easy to touch.
      for (const bar of frame.querySelectorAll('.titlebar, .menubar')) {
        bar.style.zoom = String(1 / zoom);
      }
      frame.style.left = '0px';
      frame.style.top = '0px';
      tallest = Math.max(tallest, frame.offsetHeight * zoom);
    }
    desktop.style.minHeight = narrow ? Math.ceil(tallest) + 'px' : '';
    for (const record of windows.values()) {
      widenHitAreas(record, narrow ? parseFloat(record.frame.style.zoom) || 1 : 0);
    }
  }

  // The room from control a down to control b: Infinity when b stands beside a or above it, 0
  // when the two overlap.
  function roomBelow(a, b) {
    if (a.left >= b.left + b.width || b.left >= a.left + a.width || a.top >= b.top + b.height) {
      return Infinity;
    }
    return Math.max(0, b.top - a.top - a.height);
  }

  // At a zoom (0 for none), each box and button grows its hit area towards a fingertip's height
  // on the screen, into at most half the room left above and below it by its neighbours: evenly,
  // and on the freer side what the other side cannot take.
  function widenHitAreas(record, zoom) {
    const places = record.tabOrder.map((target) => record.described.controls.find(
      (control) => control.name === target.dataset.control));
    record.tabOrder.forEach((target, i) => {
      const own = places[i];
      const wanted = zoom > 0 ? Math.max(0, touchHeight / zoom - own.height) : 0;
      let above = Infinity;
      let below = Infinity;
      places.forEach((other, j) => {
        if (j !== i) {
          above = Math.min(above, roomBelow(other, own) / 2);
          below = Math.min(below, roomBelow(own, other) / 2);
        }
      });
      const up = Math.min(above, Math.max(wanted / 2, wanted - below));
      const down = Math.min(below, wanted - up);
      target.style.setProperty('--touch-above', up + 'px');
      target.style.setProperty('--touch-below', down + 'px');
      target.style.top = (own.top - up) + 'px';
      target.style.height = (own.height + up + down) + 'px';
    });
  }

  // Keys pressed while no window has the focus go to the window in front.
  document.addEventListener('keydown', (event) => {
    const front = frontWindow();
    if (front && !modalOpen && !event.defaultPrevented && !front.frame.contains(event.target)
        && !event.target.closest('.window')) {
      onKey(front, event);
    }
  });

  narrowScreen.addEventListener('change', () => {
    for (const record of windows.values()) {
      if (!narrowScreen.matches && record.placedOnce) {
        record.placedOnce = false;
        if (!record.frame.hidden) {
          place(record);
          record.placedOnce = true;
        }
      }
    }
    layOut();
  });
  window.addEventListener('resize', layOut);

  // The message box -------------------------------------------------------------------------------

  // Resolves, with the message as it showed, once the user has closed the box with OK, Enter or
  // Escape. Meanwhile the windows are inert; the key that closes the box goes no further, so that
  // it cannot press a button again.
  function messageBox(title, message, ok) {
    const overlay = document.getElementById('message-overlay');
    const text = document.getElementById('message-text');
    const okButton = document.getElementById('message-ok');
    document.getElementById('message-title').textContent = title;
    text.textContent = message;
    okButton.textContent = ok;
    const previous = document.activeElement;
    modalOpen = true;
    desktop.inert = true;
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
          desktop.inert = false;
          modalOpen = false;
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

  // The end of the program ------------------------------------------------------------------------

  function end(ended, restart) {
    for (const record of windows.values()) {
      record.frame.hidden = true;
    }
    layOut();
    const notice = document.getElementById('ended');
    document.getElementById('ended-text').textContent = ended;
    const button = document.getElementById('restart');
    button.textContent = restart;
    button.onclick = () => window.location.reload();
    notice.hidden = false;
    button.focus();
  }

  function decimalSeparatorOf(language) {
    const parts = new Intl.NumberFormat(language).formatToParts(1.5);
    const decimal = parts.find((part) => part.type === 'decimal');
    return decimal ? decimal.value : '.';
  }

  // The user's languages, most preferred first: ?lang=de in the address, then the browser's.
  function preferredLanguages() {
    const asked = new URLSearchParams(window.location.search).get('lang');
    return (asked ? [asked] : []).concat(navigator.languages || [navigator.language]);
  }

  // Starts the program in the user's language, once its module has loaded.
  function start() {
    inModule = true;
    try {
      const language = Module.ccall('formules_start', 'string', ['string'],
        [preferredLanguages().join('\n')]);
      document.documentElement.lang = language;
    } finally {
      inModule = false;
    }
    deliver();
  }

  return {
    buildWindow, showWindow, hideWindow, removeWindow, boxText, setBoxText, setLabelText, focusBox,
    messageBox, end, nextEvent, decimalSeparatorOf, start, intoModule, queue,
    acknowledgeMessages(on) { acknowledging = on; },
    window(form) { return windows.get(form); },
  };
})();
