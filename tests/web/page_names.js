// The page and the program use the same names: every key the program writes into a window's
// description, every kind of control and every kind of user event (page-names.js, written from
// src/web/PageWindow.h and Page.h) is read somewhere in the page's scripts. The other way round,
// the page reading a name the program does not write, stops the page (site/page/described.js),
// which every story sees.
//   node page_names.js PAGE_NAMES SCRIPT...
'use strict';

const fs = require('fs');
const vm = require('vm');

const [namesFile, ...scriptFiles] = process.argv.slice(2);
const context = vm.createContext({});
vm.runInContext(fs.readFileSync(namesFile, 'utf8') + '\nthis.names = ProgramNames;', context);
const names = context.names;
const scripts = scriptFiles.map((file) => fs.readFileSync(file, 'utf8')).join('\n');

const unread = [];
for (const key of names.keys) {
  // A key is read as a property of a description, not as a kind of control.
  if (!new RegExp('(?<!kinds)\\.' + key + '\\b').test(scripts)) {
    unread.push('key ' + key);
  }
}
for (const kind of Object.keys(names.kinds)) {
  if (!new RegExp('kinds\\.' + kind + '\\b').test(scripts)) {
    unread.push('kind of control ' + kind);
  }
}
for (const event of Object.keys(names.events)) {
  if (!new RegExp('queue\\(\'' + event + '\'').test(scripts)) {
    unread.push('kind of event ' + event);
  }
}
if (unread.length > 0) {
  console.error('the page never reads what the program writes: ' + unread.join(', '));
  process.exit(1);
}
console.log(names.keys.length + ' keys, ' + Object.keys(names.kinds).length + ' kinds of control, '
  + Object.keys(names.events).length + ' kinds of event: all read by the page');
