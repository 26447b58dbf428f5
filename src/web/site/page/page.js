// The page's side of the web toolkit: the calls the program makes (src/web/Page.cpp), and its
// start in the user's language.
'use strict';

const Page = (() => {
  // A language as an address or a browser names it ("de", "pt-BR"); anything else in ?lang= is
  // ignored, as if the address did not have it.
  const languageTag = /^[A-Za-z]{1,8}(?:[-_][A-Za-z0-9]{1,8}){0,7}$/;

  function decimalSeparatorOf(language) {
    const parts = new Intl.NumberFormat(language).formatToParts(1.5);
    const decimal = parts.find((part) => part.type === 'decimal');
    return decimal ? decimal.value : '.';
  }

  // The user's languages, most preferred first: ?lang=de in the address, then the browser's.
  function preferredLanguages() {
    const asked = new URLSearchParams(window.location.search).get('lang');
    const listed = (asked ? [asked] : []).concat(navigator.languages || [navigator.language]);
    return listed.filter((name) => typeof name === 'string' && languageTag.test(name));
  }

  // The language the program will speak: the first of the user's that it speaks, by the letters
  // before any "-" or "_" in any case, or else the first it speaks, its own (the program chooses
  // alike, forms/Languages.cpp).
  function chosenLanguage(spoken) {
    for (const name of preferredLanguages()) {
      const language = name.split(/[-_]/)[0].toLowerCase();
      if (/^[a-z]{2,3}$/.test(language) && spoken.includes(language)) {
        return language;
      }
    }
    return spoken[0];
  }

  // Draws the main window at once, in the language the program will speak, from the description
  // written into the site when it was built (PredrawnWindow): the program takes it over once it
  // has loaded.
  function predraw(predrawn) {
    const languages = predrawn.languages;
    const language = chosenLanguage(Object.keys(languages));
    document.documentElement.lang = language;
    Windows.build(languages[language]);
    Windows.show(predrawn.form, true);
  }

  // Starts the program in the user's language, once its module has loaded, and hands it what the
  // user has done meanwhile; a program that cannot start says so, as a browser that cannot load
  // it does. Then the page says that the program is ready (a performance mark).
  function start() {
    try {
      document.documentElement.lang = Program.start(preferredLanguages().join('\n'));
    } catch (failure) {
      document.getElementById('failed').hidden = false;
      throw failure;
    }
    Program.deliver();
    performance.mark('formules-ready');
  }

  // What the program does to the windows waits while a message box is open (MessageBox).
  function afterMessages(call) {
    return function () {
      const args = arguments;
      MessageBox.whenClosed(() => call.apply(null, args));
    };
  }

  return {
    buildWindow: afterMessages(Windows.build),
    showWindow: afterMessages(Windows.show),
    hideWindow: afterMessages(Windows.hide),
    removeWindow: afterMessages(Windows.remove),
    end: afterMessages(Windows.end),
    boxText(form, box) {
      return MessageBox.boxText(form, box, () => Texts.boxText(form, box));
    },
    setBoxText(form, box, text) {
      MessageBox.setBoxText(form, box, text, () => Texts.setBoxText(form, box, text));
    },
    setLabelText: afterMessages(Texts.setLabelText),
    focusBox: afterMessages(Texts.focusBox),
    messageBox: MessageBox.show,
    acknowledgeMessages: MessageBox.acknowledgeMessages,
    nextEvent: Program.nextEvent,
    queue: Program.queue,
    intoModule: Program.enter,
    decimalSeparatorOf, predraw, start,
    window(form) { return Desktop.windows.get(form); },
  };
})();
