// Where windows stand on a wide screen: where they first open, and where the user drags them by
// their title bars. A narrow screen's column ignores these places and keeps them for when the
// screen is wide again.
'use strict';

const Placing = (() => {
  // Where windows open that have no better place, one after the other.
  const cascadeStart = 40;
  const cascadeStep = 28;
  // The room left between the main window and one opened beside it.
  const gap = 12;
  let cascade = 0;

  function setPlace(record, left, top) {
    record.frame.style.setProperty('--x', Math.round(left) + 'px');
    record.frame.style.setProperty('--y', Math.round(top) + 'px');
  }

  function placeOf(record) {
    return { left: record.frame.offsetLeft, top: record.frame.offsetTop };
  }

  function overlaps(a, b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
  }

  // The parts of the main window (the first built) that another must leave visible: its menu bar
  // and its buttons, in the desktop's coordinates.
  function mainWindowTargets(record) {
    const main = Desktop.windows.values().next().value;
    if (!main || main === record || main.frame.hidden) {
      return null;
    }
    const origin = Desktop.element.getBoundingClientRect();
    const targets = Array.from(main.frame.querySelectorAll('.menubar, .client button'),
      (element) => {
        const r = element.getBoundingClientRect();
        return { left: r.left - origin.left, top: r.top - origin.top,
          right: r.right - origin.left, bottom: r.bottom - origin.top };
      });
    return { frame: main.frame, targets };
  }

  function covers(left, top, width, height, targets) {
    const area = { left, top, right: left + width, bottom: top + height };
    return targets.some((target) => overlaps(area, target));
  }

  // A place beside the main window where the page has room, to its right, then below it; later
  // windows step down and right from there while they fit. Null when there is no room.
  function besideMainWindow(record, main, width, height) {
    const frame = main.frame;
    const others = Array.from(Desktop.windows.values()).filter((r) => r !== record
      && !r.frame.hidden && r.frame !== frame).map(placeOf);
    const starts = [
      { left: frame.offsetLeft + frame.offsetWidth + gap, top: frame.offsetTop },
      { left: frame.offsetLeft, top: frame.offsetTop + frame.offsetHeight + gap },
    ];
    for (const start of starts) {
      for (let step = 0; step < 8; ++step) {
        const left = start.left + step * cascadeStep;
        const top = start.top + step * cascadeStep;
        const fits = left + width <= window.innerWidth && top + height <= window.innerHeight;
        const taken = others.some((other) => other.left === left && other.top === top);
        if (fits && !taken) {
          return { left, top };
        }
      }
    }
    return null;
  }

  function cascaded() {
    const place = cascadeStart + cascade * cascadeStep;
    cascade = (cascade + 1) % 8;
    return { left: place, top: place };
  }

  // The first place of a window: its described place (that of its client area, under the title
  // and menu bars) unless that hides the main window's menu or buttons; then beside the main
  // window where there is room, else in the cascade. Kept on the screen where it can be.
  function placeFirst(record) {
    const described = record.described;
    const width = record.frame.offsetWidth;
    const height = record.frame.offsetHeight;
    const main = mainWindowTargets(record);
    let place = null;
    if (described.placed) {
      const left = described.left - record.client.offsetLeft;
      const top = described.top - record.client.offsetTop;
      if (!main || !covers(left, top, width, height, main.targets)) {
        place = { left, top };
      }
    }
    if (!place && main) {
      place = besideMainWindow(record, main, width, height);
    }
    place = place || cascaded();
    setPlace(record,
      Math.max(0, Math.min(place.left, window.innerWidth - width)),
      Math.max(0, Math.min(place.top, window.innerHeight - height)));
  }

  // Placed when it is first shown on a wide screen; a window first shown on a narrow one is
  // placed when the screen becomes wide.
  function placeOnce(record) {
    if (!record.placed && !Desktop.isNarrow()) {
      placeFirst(record);
      record.placed = true;
    }
  }

  // A drag moves the window within the page, its title bar kept where it can be grabbed again.
  function dragByTitleBar(record, bar) {
    bar.addEventListener('pointerdown', (down) => {
      if (down.button !== 0 || down.target.closest('.close') || Desktop.isNarrow()) {
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
        setPlace(record, left, top);
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

  return { placeOnce, dragByTitleBar };
})();
