// A window's description as the page reads it, with the program's own names (ProgramNames,
// written from src/web/PageWindow.h and Page.h while the site is built): a key that the
// description does not have stops the page at once, where it would otherwise read as nothing and
// draw a window wrong in silence. That every key the program writes is read by the page is
// tested (tests/web/page_names.js).
'use strict';

const Described = (() => {
  function checked(value) {
    if (Array.isArray(value)) {
      return value.map(checked);
    }
    if (value === null || typeof value !== 'object') {
      return value;
    }
    for (const name of Object.keys(value)) {
      value[name] = checked(value[name]);
    }
    return new Proxy(value, {
      get(target, name, receiver) {
        if (typeof name === 'string' && !(name in target) && name !== 'toJSON') {
          throw new Error('a window\'s description has no "' + name + '"');
        }
        return Reflect.get(target, name, receiver);
      },
    });
  }

  // The kinds of control and of event are read the same way: a kind the program does not have
  // stops the page, where it would otherwise match nothing.
  return {
    parse: (text) => checked(JSON.parse(text)),
    kinds: checked(ProgramNames.kinds),
    events: checked(ProgramNames.events),
  };
})();
