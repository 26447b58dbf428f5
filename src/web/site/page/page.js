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

  // Starts the program in the user's language, once its module has loaded; a program that
  // cannot start says so, as a browser that cannot load it does.
  function start() {
    try {
      document.documentElement.lang = Program.start(preferredLanguages().join('\n'));
    } catch (failure) {
      document.getElementById('failed').hidden = false;
      throw failure;
    }
    Program.deliver();
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
    decimalSeparatorOf, start,
    window(form) { return Desktop.windows.get(form); },
  };
})();
