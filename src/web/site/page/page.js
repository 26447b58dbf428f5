// The page's side of the web toolkit: the calls the program makes (src/web/Page.cpp), and its
// start in the user's language.
'use strict';

const Page = (() => {
  // The user's first language, region included ("de-CH"), which the program writes numbers for
  // when the windows speak its language.
  function userLocale() {
    return Early.preferredLanguages()[0] || '';
  }

  // The decimal separator the browser writes numbers with in the locale; none when it knows no
  // such locale.
  function decimalSeparatorOf(locale) {
    try {
      const parts = new Intl.NumberFormat(locale).formatToParts(1.5);
      const decimal = parts.find((part) => part.type === 'decimal');
      return decimal ? decimal.value : '';
    } catch (unknown) {
      return '';
    }
  }

  // Takes over the main window drawn in the page in its language (site/early.js) as the window
  // of its description (PredrawnWindow, written when the site was built), before the program
  // has loaded; what the user did to it meanwhile is done again, and waits for the program.
  function adoptDrawn(predrawn) {
    if (Windows.adopt(predrawn.languages[document.documentElement.lang])) {
      Early.takeEvents().forEach(Windows.replay);
    }
  }

  // Starts the program in the user's language, once its module has loaded, and hands it what the
  // user has done meanwhile; a program that cannot start says so, as a browser that cannot load
  // it does. Then the page says that the program is ready (a performance mark).
  function start() {
    try {
      document.documentElement.lang = Program.start(Early.preferredLanguages().join('\n'),
        window.location.hash);
    } catch (failure) {
      document.getElementById('failed').hidden = false;
      throw failure;
    }
    Program.deliver();
    performance.mark('formules-ready');
  }

  // The address names the calculation shown: its fragment replaced, so that the Back button does
  // not walk through calculations; a bare address when none is shown.
  function setAddress(fragment) {
    const bare = window.location.pathname + window.location.search;
    window.history.replaceState(window.history.state, '', fragment ? '#' + fragment : bare);
  }

  // What the program does to the windows waits while a message box is open (MessageBox).
  function afterMessages(call) {
    return function () {
      const args = arguments;
      MessageBox.whenClosed(() => call.apply(null, args));
    };
  }

  // A window is built at once, hidden, even behind a message box: the program reads its boxes as
  // soon as it exists, and nothing of it shows until it is shown. Removing it waits with the
  // rest, and removes only the window that stood when the program asked.
  function removeWindow(form) {
    const record = Desktop.windows.get(form);
    MessageBox.whenClosed(() => {
      if (Desktop.windows.get(form) === record) {
        Windows.remove(form);
      }
    });
  }

  return {
    buildWindow: Windows.build,
    showWindow: afterMessages(Windows.show),
    focusControl: afterMessages(Windows.focusControl),
    hideWindow: afterMessages(Windows.hide),
    removeWindow,
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
    nextEvent: Program.nextEvent,
    userLocale, decimalSeparatorOf, setAddress, adoptDrawn, start,
  };
})();
