// A document just large enough for the page's window builder (site/page/build.js, column.js) to
// build a window in node, and to write it as markup: elements with classes, attributes, data,
// the properties the builder sets, texts and style properties. Style properties are not written
// as attributes (the page's policy forbids them) but as one stylesheet rule per element, found
// by a data-drawn number.
'use strict';

// The element properties the builder sets, as the attributes that carry them in markup.
const kPropertyAttributes = {
  type: 'type', rows: 'rows', autocomplete: 'autocomplete', inputMode: 'inputmode',
  enterKeyHint: 'enterkeyhint', tabIndex: 'tabindex', title: 'title', id: 'id',
};

class MarkupElement {
  constructor(tag) {
    this.tag = tag;
    this.className = '';
    this.attributes = new Map();
    this.dataset = {};
    this.children = [];
    this.properties = {};
    this.styleProperties = new Map();
    this.extraStyle = {};
    this.hidden = false;
    this.spellcheck = true;
    this.value = '';
    const element = this;
    this.classList = {
      add(...names) {
        element.className = Array.from(new Set(element.classNames().concat(names))).join(' ');
      },
      remove(...names) {
        element.className = element.classNames().filter((n) => !names.includes(n)).join(' ');
      },
      contains(name) {
        return element.classNames().includes(name);
      },
      toggle(name, force) {
        const on = force === undefined ? !this.contains(name) : Boolean(force);
        if (on) {
          this.add(name);
        } else {
          this.remove(name);
        }
        return on;
      },
    };
    this.style = {
      setProperty(name, value) {
        element.styleProperties.set(name, String(value));
      },
      removeProperty(name) {
        element.styleProperties.delete(name);
      },
    };
    for (const property of Object.keys(kPropertyAttributes)) {
      Object.defineProperty(this, property, {
        get() { return element.properties[property]; },
        set(value) { element.properties[property] = value; },
      });
    }
  }

  classNames() {
    return this.className.split(' ').filter(Boolean);
  }

  setAttribute(name, value) {
    this.attributes.set(name, String(value));
  }

  getAttribute(name) {
    return this.attributes.has(name) ? this.attributes.get(name) : null;
  }

  append(...nodes) {
    for (const node of nodes) {
      this.children.push(typeof node === 'string' ? String(node) : node);
    }
  }

  set textContent(text) {
    this.children = text === '' ? [] : [String(text)];
  }

  get textContent() {
    return this.children.map((c) => (typeof c === 'string' ? c : c.textContent)).join('');
  }

  // The first element within, in document order, that the test holds for.
  find(test) {
    for (const child of this.children) {
      if (typeof child !== 'string') {
        if (test(child)) {
          return child;
        }
        const found = child.find(test);
        if (found) {
          return found;
        }
      }
    }
    return null;
  }
}

class MarkupDocument {
  createElement(tag) {
    return new MarkupElement(tag);
  }

  // The element as markup, with the rules of its elements' style properties (selector -> the
  // declarations), numbered in document order.
  static serialize(root) {
    const rules = [];
    const markup = write(root, rules);
    return { markup, rules };
  }
}

function escapedText(text) {
  return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
}

function escapedAttribute(text) {
  return escapedText(text).replace(/"/g, '&quot;');
}

function kebab(name) {
  return name.replace(/[A-Z]/g, (letter) => '-' + letter.toLowerCase());
}

function attributesOf(element, rules) {
  const attributes = [];
  if (element.className) {
    attributes.push(['class', element.className]);
  }
  for (const [property, attribute] of Object.entries(kPropertyAttributes)) {
    if (element.properties[property] !== undefined) {
      attributes.push([attribute, String(element.properties[property])]);
    }
  }
  if (!element.spellcheck) {
    attributes.push(['spellcheck', 'false']);
  }
  for (const [key, value] of Object.entries(element.dataset)) {
    attributes.push(['data-' + kebab(key), value]);
  }
  attributes.push(...element.attributes);
  const declarations = Array.from(element.styleProperties)
    .concat(Object.entries(element.extraStyle));
  if (declarations.length > 0) {
    const number = String(rules.length);
    attributes.push(['data-drawn', number]);
    rules.push(['[data-drawn="' + number + '"]',
      declarations.map(([name, value]) => name + ': ' + value + ';').join(' ')]);
  }
  if (element.hidden) {
    attributes.push(['hidden', '']);
  }
  return attributes.map(([name, value]) => (value === '' && (name === 'hidden'
    || name === 'autofocus') ? ' ' + name : ' ' + name + '="' + escapedAttribute(value) + '"'))
    .join('');
}

function write(element, rules) {
  const opening = '<' + element.tag + attributesOf(element, rules) + '>';
  const inner = element.tag === 'textarea'
    ? escapedText(element.value)
    : element.children.map((c) => (typeof c === 'string' ? escapedText(c) : write(c, rules)))
      .join('');
  return opening + inner + '</' + element.tag + '>';
}

module.exports = MarkupDocument;
