// Writes the site's page with its main window already drawn, so that the browser draws it with
// the page itself, before any script has run. The window is built by the page's own builder
// (site/page/build.js and column.js), run here in node on a small document that writes markup,
// from the descriptions formules-predrawn wrote (predrawn.js), once in every language; the page
// shows the one in its language (site/early.js) until the program takes it over
// (site/page/windows.js). The page's policy forbids style attributes, so the style properties
// the builder sets become rules of the stylesheet, one per element, the same in every language.
//
// The stylesheet and the page's first script are written into the page, so that nothing but the
// page itself holds back its first paint; the page's policy allows each by its SHA-256 hash, as
// it allows no other inline script or style.
//
//   node draw-main-window.js PREDRAWN NAMES PAGE_FOLDER INDEX CSS EARLY OUT_INDEX
'use strict';

const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const vm = require('vm');
const MarkupDocument = require('./markup-document.js');

// Where the page places a window it opens at its described place: its frame's border, title bar
// and menu bar above and beside its client area, as formules.css draws them (px).
const kBorder = 1;
const kTitleBar = 28;
const kMenuBar = 25;

function builderIn(pageFolder, predrawnScript, namesScript) {
  const document = new MarkupDocument();
  const context = vm.createContext({
    document,
    Desktop: {
      make(tag, className) {
        const made = document.createElement(tag);
        if (className) {
          made.className = className;
        }
        return made;
      },
      element: { append() {} },
    },
  });
  vm.runInContext(fs.readFileSync(namesScript, 'utf8'), context, { filename: 'page-names.js' });
  for (const file of ['described.js', 'column.js', 'build.js']) {
    vm.runInContext(fs.readFileSync(path.join(pageFolder, file), 'utf8'), context, { filename: file });
  }
  vm.runInContext(fs.readFileSync(predrawnScript, 'utf8'), context, { filename: 'predrawn.js' });
  return vm.runInContext('({ build: WindowBuilder.build, parse: Described.parse, '
    + 'predrawn: PredrawnWindow })', context);
}

// The frame at its described place, kept on the screen as the page keeps it, in front.
function frameRules(described) {
  const width = described.width + 2 * kBorder;
  const bars = kTitleBar + (described.menu.length > 0 ? kMenuBar : 0);
  const height = described.height + bars + 2 * kBorder;
  const left = described.left;
  const top = described.top - bars;
  return {
    '--x': 'max(0px, min(' + left + 'px, 100vw - ' + width + 'px))',
    '--y': 'max(0px, min(' + top + 'px, 100vh - ' + height + 'px))',
    'z-index': '2',
  };
}

function drawnWindow(builder, language) {
  const text = builder.predrawn.languages[language];
  const described = builder.parse(text);
  const record = builder.build(described);
  const frame = record.frame;
  frame.hidden = false;
  frame.classList.add('front');
  frame.setAttribute('lang', language);
  frame.dataset.predrawn = language;
  Object.assign(frame.extraStyle, frameRules(described));
  // Each language's caption has an id of its own; the page gives the shown one back its usual id.
  const caption = frame.find((element) => element.className === 'caption');
  caption.id += '-' + language;
  frame.setAttribute('aria-labelledby', caption.id);
  if (record.tabOrder.length > 0) {
    record.tabOrder[0].setAttribute('autofocus', '');
  }
  return frame;
}

// The page's text with one part replaced, which must be there exactly once.
function replaced(page, part, by) {
  const at = page.indexOf(part);
  if (at < 0 || page.indexOf(part, at + 1) >= 0) {
    throw new Error('the page has not exactly one ' + part);
  }
  return page.slice(0, at) + by + page.slice(at + part.length);
}

// A source of the policy that allows an inline element of exactly this text.
function hashSource(text) {
  return "'sha256-" + crypto.createHash('sha256').update(text, 'utf8').digest('base64') + "'";
}

// The page with its stylesheet and first script inline, and the policy that allows just them.
function withInlineParts(page, css, early) {
  const style = '\n' + css;
  const script = '\n' + early;
  page = replaced(page, '<link rel="stylesheet" href="formules.css">', '<style>' + style + '</style>');
  page = replaced(page, '<script src="early.js"></script>', '<script>' + script + '</script>');
  page = replaced(page, "script-src 'self' 'wasm-unsafe-eval';",
    "script-src 'self' 'wasm-unsafe-eval' " + hashSource(script) + ';');
  return replaced(page, "style-src 'self';", "style-src 'self' " + hashSource(style) + ';');
}

function main(argv) {
  const [predrawnScript, namesScript, pageFolder, indexFile, cssFile, earlyFile, outIndex] = argv;
  const builder = builderIn(pageFolder, predrawnScript, namesScript);
  const languages = Object.keys(builder.predrawn.languages);
  const rules = new Map();
  let markup = '';
  for (const language of languages) {
    const drawn = MarkupDocument.serialize(drawnWindow(builder, language));
    for (const [selector, rule] of drawn.rules) {
      if (rules.has(selector) && rules.get(selector) !== rule) {
        throw new Error('the ' + language + ' window is drawn otherwise: ' + selector);
      }
      rules.set(selector, rule);
    }
    markup += drawn.markup + '\n';
  }
  const hiding = languages.map((language) => 'html:not([lang="' + language
    + '"]) [data-predrawn="' + language + '"]').join(',\n');
  const css = fs.readFileSync(cssFile, 'utf8')
    + '\n/* The main window drawn in the page before the program runs, in every language; only the\n'
    + '   one in the page\'s language shows. Written while the site was built. */\n'
    + hiding + ' {\n  display: none;\n}\n\n'
    + Array.from(rules, ([selector, rule]) => selector + ' {' + rule + '}').join('\n') + '\n';
  let page = replaced(fs.readFileSync(indexFile, 'utf8'), '<div id="desktop" class="desktop"></div>',
    '<div id="desktop" class="desktop with-windows">\n' + markup + '</div>');
  page = replaced(page, '<meta name="formules-languages" content="">',
    '<meta name="formules-languages" content="' + languages.join(' ') + '">');
  fs.writeFileSync(outIndex, withInlineParts(page, css, fs.readFileSync(earlyFile, 'utf8')));
}

main(process.argv.slice(2));
