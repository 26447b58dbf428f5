// The texts of the windows: what the boxes and labels hold, texts fitted to their controls, and
// what the program writes announced to screen readers.
'use strict';

const Texts = (() => {
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

  // At the described geometry, a text that the device's fonts draw wider than its control is
  // drawn smaller until it fits, as far as two thirds of its size: every caption stays whole in
  // every language. The controls are measured together, so that the page lays itself out once
  // for all that fit. A narrow screen's column wraps its texts instead.
  function fit(controls) {
    const texts = controls.filter((c) => !c.classList.contains('panel'));
    for (const text of texts) {
      text.style.removeProperty('--fitted-size');
    }
    for (const text of texts.filter(overflows)) {
      const describedSize = parseFloat(getComputedStyle(text).fontSize);
      let size = describedSize;
      while (overflows(text) && size > describedSize * 2 / 3) {
        size -= 0.5;
        text.style.setProperty('--fitted-size', size + 'px');
      }
    }
  }

  // In the column, a box is as tall as its wrapped text.
  function fitBoxHeight(box) {
    if (Desktop.isNarrow()) {
      box.style.setProperty('--text-height', '0px');
      box.style.setProperty('--text-height', box.scrollHeight + 'px');
    }
  }

  // A shown window's texts, for the screen's layout: fitted once at the described geometry, or
  // their boxes grown to their texts in the column.
  function fitWindow(record) {
    if (Desktop.isNarrow()) {
      record.fitted = false;
      record.client.querySelectorAll('.box').forEach(fitBoxHeight);
    } else if (!record.fitted) {
      fit(Array.from(record.controls.values()));
      record.fitted = true;
    }
  }

  function control(form, name) {
    return Desktop.windows.get(form).controls.get(name);
  }

  function announced(record, part) {
    let line = record.announcer.querySelector('[data-part="' + part + '"]');
    if (!line) {
      line = Desktop.make('p');
      line.dataset.part = part;
      record.announcer.append(line);
    }
    return line;
  }

  function boxText(form, box) {
    return control(form, box).value;
  }

  // A text the program writes into a box (a result) is announced with the box's name; a box it
  // empties takes its announcement with it.
  function setBoxText(form, box, text) {
    const record = Desktop.windows.get(form);
    const target = record.controls.get(box);
    target.value = text;
    fitBoxHeight(target);
    const result = announced(record, 'result');
    if (text !== '') {
      result.textContent = (target.getAttribute('aria-label') || box) + ' : ' + text;
      result.dataset.box = box;
    } else if (result.dataset.box === box) {
      result.textContent = '';
    }
  }

  function setLabelText(form, label, text) {
    const record = Desktop.windows.get(form);
    const target = record.controls.get(label);
    target.textContent = text;
    announced(record, 'label').textContent = text;
    if (!record.frame.hidden && !Desktop.isNarrow()) {
      fit([target]);
    } else {
      record.fitted = false;
    }
  }

  function focusBox(form, box) {
    const target = control(form, box);
    target.focus({ preventScroll: true });
    target.select();
  }

  return { fitWindow, fitBoxHeight, boxText, setBoxText, setLabelText, focusBox };
})();
