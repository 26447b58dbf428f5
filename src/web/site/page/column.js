// The layout of a narrow screen: each window as one column, derived from its description rather
// than zoomed from it. The focusable controls come in the described tab order, each box under
// the labels the description says name it, and buttons that stand side by side share a row;
// labels above every focusable control come first, the others last, and those the program writes
// into (empty when built: the design help) at the very end, where a growing text moves nothing
// the user aims at. A panel, or an empty label that serves as one, spans the rows of what it
// holds. The places are written as style properties that only the narrow screen's stylesheet
// reads (a grid of twelve columns).
'use strict';

const Column = (() => {
  const kColumns = 12;

  function bottom(c) {
    return c.top + c.height;
  }

  function right(c) {
    return c.left + c.width;
  }

  function overlapsDown(a, b) {
    return a.top < bottom(b) && b.top < bottom(a);
  }

  function hasText(described) {
    return (described.before + described.key + described.after).trim() !== '';
  }

  function readingOrder(a, b) {
    return a.top - b.top || a.left - b.left;
  }

  // The focusable controls from the tab place given, as rows: a box alone, under its captions;
  // buttons on one described line together, as many as share the columns evenly.
  function focusableRows(focusable, captions) {
    const rows = [];
    for (let i = 0; i < focusable.length;) {
      const first = focusable[i];
      const row = [first];
      if (first.kind === Described.kinds.box) {
        for (const caption of captions.get(first.name) || []) {
          rows.push([caption]);
        }
      } else {
        for (let next = focusable[i + 1]; next && next.kind === Described.kinds.button
          && overlapsDown(next, first) && kColumns % (row.length + 1) === 0;
          next = focusable[i + row.length]) {
          row.push(next);
        }
      }
      rows.push(row);
      i += row.length;
    }
    return rows;
  }

  // The window's controls as rows, top to bottom (panels are not among them), and the names of
  // the labels that name a box.
  function rowsOf(controls) {
    const focusable = controls.filter((c) => c.tab >= 0).sort((a, b) => a.tab - b.tab);
    const byName = new Map(controls.map((c) => [c.name, c]));
    const captions = new Map();
    const naming = new Set();
    for (const box of focusable.filter((c) => c.kind === Described.kinds.box)) {
      captions.set(box.name, box.labels.map((name) => byName.get(name)));
      box.labels.forEach((name) => naming.add(name));
    }
    const others = controls.filter((c) => c.kind === Described.kinds.label && !naming.has(c.name))
      .sort(readingOrder);
    const firstTop = Math.min.apply(null, focusable.map((c) => c.top));
    const leading = others.filter((label) => hasText(label) && bottom(label) <= firstTop);
    const trailing = others.filter((label) => !leading.includes(label));
    const written = trailing.filter((label) => !hasText(label));
    const rows = leading.map((label) => [label])
      .concat(focusableRows(focusable, captions))
      .concat(trailing.filter((label) => hasText(label)).map((label) => [label]))
      .concat(written.map((label) => [label]));
    return { rows, naming };
  }

  function encloses(outer, inner) {
    return inner !== outer && inner.left >= outer.left && inner.top >= outer.top
      && right(inner) <= right(outer) && bottom(inner) <= bottom(outer);
  }

  // What is drawn under other controls as their ground: a panel, or an empty label that holds
  // focusable controls within it. It spans the rows of what it holds: the controls placed on the
  // panel, or lying within its bounds.
  function placeBackings(record, rowOf) {
    const controls = record.described.controls;
    const kinds = Described.kinds;
    const backings = controls.filter((c) => c.kind === kinds.panel || (c.kind === kinds.label
      && !hasText(c) && controls.some((inner) => inner.tab >= 0 && encloses(c, inner))));
    for (const backing of backings) {
      const held = controls.filter((c) => rowOf.has(c.name)
        && (c.panel === backing.name || encloses(backing, c)));
      if (held.length === 0) {
        continue;
      }
      const rows = held.map((c) => rowOf.get(c.name));
      const first = Math.min.apply(null, rows);
      const last = Math.max.apply(null, rows);
      const element = record.controls.get(backing.name);
      element.style.setProperty('--row', first + ' / ' + (last + 1));
      element.style.removeProperty('--column');
      element.classList.add('in-column', 'backing');
      for (const c of held) {
        const inside = record.controls.get(c.name).classList;
        inside.add('in-panel');
        inside.toggle('panel-top', rowOf.get(c.name) === first);
        inside.toggle('panel-bottom', rowOf.get(c.name) === last);
      }
    }
  }

  // Writes each control's row and columns in the window's column.
  function arrange(record) {
    const laidOut = rowsOf(record.described.controls);
    const rows = laidOut.rows;
    const rowOf = new Map();
    rows.forEach((row, index) => {
      const span = kColumns / row.length;
      row.forEach((described, at) => {
        const element = record.controls.get(described.name);
        element.style.setProperty('--row', String(index + 1));
        element.style.setProperty('--column', (1 + at * span) + ' / span ' + span);
        element.classList.add('in-column');
        element.classList.toggle('names-box', laidOut.naming.has(described.name));
        rowOf.set(described.name, index + 1);
      });
    });
    placeBackings(record, rowOf);
  }

  return { arrange, rowsOf };
})();
