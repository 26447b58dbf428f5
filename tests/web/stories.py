"""User stories in the page, with real keystrokes, clicks and drags from Chromium's driver, on
the site as it is built (build-web/site, or FORMULES_WEB_BUILD/site). Each story is one test.

    python3 tests/web/stories.py --list     the stories' names
    python3 tests/web/stories.py NAME       runs one; exit status 0 when it holds
"""
import contextlib
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import registry  # noqa: E402

STORIES = {}
# True once the program has started (the page marks it) and shows its main window.
MAIN_WINDOW_SHOWN = ("return performance.getEntriesByName('formules-ready').length > 0"
                     " && document.querySelector('[data-form=\"Form1\"]:not([hidden])') !== null")
# True once the service worker controls the page, every file of the site kept.
SITE_KEPT = 'return navigator.serviceWorker.controller !== null'



def story(function):
    STORIES[function.__name__] = function
    return function


class StoryFailed(Exception):
    pass


def expect(condition, what):
    if not condition:
        raise StoryFailed(what)


class Page:
    """The site in Chromium, and what a user does to it."""

    def __init__(self, driver, address):
        self.driver = driver
        self.address = address

    def open(self, query=''):
        self.driver.get(self.address + query)
        self.wait(MAIN_WINDOW_SHOWN)

    def go(self, query=''):
        """Starts loading the site and returns at once, without waiting for its files."""
        self.js('window.location.href = arguments[0];', self.address + query)

    def wait(self, script, timeout=30):
        import browser
        return browser.wait_for(self.driver, script, timeout)

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def window(self, form):
        return self.driver.find_element('css selector', '[data-form="%s"]' % form)

    def control(self, form, name):
        return self.driver.find_element(
            'css selector', '[data-form="%s"] [data-control="%s"]' % (form, name))

    def rect(self, element):
        """Where the element is drawn on the screen, zoom included, in CSS pixels."""
        return self.js('const r = arguments[0].getBoundingClientRect();'
                       'return {x: r.x, y: r.y, width: r.width, height: r.height};', element)

    def visible(self, form):
        found = self.driver.find_elements('css selector', '[data-form="%s"]' % form)
        return bool(found) and found[0].is_displayed()

    def click(self, form, name):
        self.control(form, name).click()
        self.settle()

    def press(self, form, name):
        """A click on a button or menu entry wherever it stands, even out of view or behind
        another window, as an assistive tool makes it."""
        self.js('arguments[0].click();', self.control(form, name))
        self.settle()

    def type(self, form, name, text):
        self.control(form, name).send_keys(text)
        self.settle()

    def keys(self, *keys):
        from selenium.webdriver.common.action_chains import ActionChains
        chain = ActionChains(self.driver)
        for key in keys:
            chain.send_keys(key)
        chain.perform()
        self.settle()

    def phone_keys(self, text):
        """Characters typed on a phone's keyboard into the focused box, each committed as the
        keyboard commits it. (The driver's own key actions lose the first keys after a tap that
        moved the focus from one box to another, under the phone's emulation: a fault of the
        driver, which Chromium's own events do not have.)"""
        for character in text:
            self.driver.execute_cdp_cmd('Input.insertText', {'text': character})
        self.settle()

    def chord(self, modifier, key):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()
        self.settle()

    def value(self, form, name):
        return self.control(form, name).get_attribute('value')

    def compute(self, opening, form, entries, result):
        """Opens the calculator from the main window, types the entries, presses "Calcul";
        returns the text of the result box."""
        self.click('Form1', opening)
        for box, text in entries:
            self.type(form, box, text)
        self.click(form, 'Command1')
        return self.value(form, result)

    def focused(self):
        return self.js('const e = document.activeElement;'
                       'const w = e.closest("[data-form]");'
                       'return (w ? w.dataset.form : "") + "." + (e.dataset.control || e.id);')

    def message(self):
        """The text of the open message box, or None."""
        return self.js('const o = document.getElementById("message-overlay");'
                       'return o.hidden ? null : document.getElementById("message-text")'
                       '.textContent;')

    def settle(self):
        """Lets the page run the program's handlers for what the user just did."""
        self.js('return new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0)));')

    def tap(self, element):
        """A finger's tap at the middle of the element, as a phone's touch screen delivers it."""
        self.js('arguments[0].scrollIntoView({block: "center"});', element)
        r = self.rect(element)
        point = {'x': r['x'] + r['width'] / 2, 'y': r['y'] + r['height'] / 2}
        for kind, points in (('touchStart', [point]), ('touchEnd', [])):
            self.driver.execute_cdp_cmd('Input.dispatchTouchEvent',
                                        {'type': kind, 'touchPoints': points})
        self.settle()

    def unfit_for_a_phone(self, form):
        """What keeps a window from being read and touched on a phone: a page that scrolls
        across, a window that does not fill the screen, a text under 14 CSS pixels (16 in a box)
        or drawn outside its control, a target under 44 x 44 or covered by something else."""
        return self.js(PHONE_CHECK, form)

    def overflowing(self, form):
        """The controls of a visible window whose text is drawn outside them, measured apart from
        the page's own rule: the rectangles of a caption's lines, as the browser lays them out,
        against its control's; a box's text against the room its scrolling leaves."""
        return self.js('''
            const frame = document.querySelector('[data-form="' + arguments[0] + '"]');
            const clipped = [];
            for (const c of frame.querySelectorAll('.client [data-control]')) {
              if (c.classList.contains('panel') || !c.getClientRects().length) continue;
              let outside = false;
              if (c.tagName === 'TEXTAREA') {
                outside = c.scrollWidth > c.clientWidth || c.scrollHeight > c.clientHeight + 1;
              } else {
                const room = c.getBoundingClientRect();
                // Every word within the control across; any word under the first line within it
                // down (a single line a little taller than its label still shows whole letters).
                // Words, not lines: the blank where a line wraps hangs past the edge unseen.
                const words = [];
                const walker = document.createTreeWalker(c, NodeFilter.SHOW_TEXT);
                for (let node = walker.nextNode(); node; node = walker.nextNode()) {
                  for (const word of node.data.matchAll(/\S+/g)) {
                    const range = document.createRange();
                    range.setStart(node, word.index);
                    range.setEnd(node, word.index + word[0].length);
                    words.push(...Array.from(range.getClientRects()));
                  }
                }
                const firstTop = words.length ? Math.min(...words.map((w) => w.top)) : 0;
                outside = words.some((word) => word.left < room.left - 1
                  || word.right > room.right + 1
                  || (word.top > firstTop + 1 && word.bottom > room.bottom + 1));
              }
              if (outside) clipped.push(c.dataset.control + ': ' + (c.value || c.textContent));
            }
            return clipped;''', form)


PHONE_CHECK = '''
const frame = document.querySelector('[data-form="' + arguments[0] + '"]');
const problems = [];
const page = document.documentElement;
if (page.scrollWidth > page.clientWidth) problems.push('the page scrolls across');
const whole = frame.getBoundingClientRect();
if (whole.x !== 0 || whole.y !== 0 || Math.abs(whole.width - page.clientWidth) > 1
    || Math.abs(whole.height - window.innerHeight) > 1) problems.push('does not fill the screen');
const client = frame.querySelector('.client');
if (client.scrollWidth > client.clientWidth) problems.push('its client area scrolls across');
// The size a text is drawn at: its font's size times any scale on it, measured on its control
// (offsetWidth is rounded to whole pixels: within 1 %).
function drawnSize(e) {
  const holder = e.closest('[data-control], .caption') || e;
  const scale = holder.offsetWidth ? holder.getBoundingClientRect().width / holder.offsetWidth : 1;
  return parseFloat(getComputedStyle(e).fontSize) * (Math.abs(scale - 1) < 0.01 ? 1 : scale);
}
function named(e) { return e.dataset.control || e.className || e.tagName; }
const texts = document.createTreeWalker(frame, NodeFilter.SHOW_TEXT);
for (let node = texts.nextNode(); node; node = texts.nextNode()) {
  const e = node.parentElement;
  if (!node.textContent.trim() || !e.getClientRects().length || e.closest('.announcer')) continue;
  const holder = e.closest('[data-control], .caption') || e;
  if (drawnSize(e) < 14) problems.push(named(holder) + ' text at ' + drawnSize(e) + ' px');
  // Each word where it is drawn, against its control (a blank may hang past a line's end).
  const room = holder.getBoundingClientRect();
  const range = document.createRange();
  for (const word of node.textContent.matchAll(/\S+/g)) {
    range.setStart(node, word.index);
    range.setEnd(node, word.index + word[0].length);
    const drawn = range.getBoundingClientRect();
    if (drawn.left < room.left - 1 || drawn.right > room.right + 1 || drawn.top < room.top - 1
        || drawn.bottom > room.bottom + 1) {
      problems.push(named(holder) + ' text cut: ' + word[0]);
      break;
    }
  }
}
for (const box of frame.querySelectorAll('.box')) {
  if (!box.getClientRects().length) continue;
  if (drawnSize(box) < 16) problems.push(named(box) + ' text at ' + drawnSize(box) + ' px');
  if (box.scrollWidth > box.clientWidth || box.scrollHeight > box.clientHeight + 1)
    problems.push(named(box) + ' text cut');
}
for (const target of frame.querySelectorAll('button, .box')) {
  if (!target.getClientRects().length) continue;
  target.scrollIntoView({block: 'center'});
  const r = target.getBoundingClientRect();
  if (r.width < 44 || r.height < 44) problems.push(named(target) + ' ' + r.width + ' x ' + r.height);
  const hit = document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2);
  if (!hit || !target.contains(hit)) problems.push(named(target) + ' covered');
}
client.scrollTop = 0;
return problems;
'''


@contextlib.contextmanager
def page(width=1280, height=900, language='fr-FR', phone=False, program_held=None,
         wasm_type='application/wasm'):
    """The site in Chromium; with program_held (a threading.Event), its script and WebAssembly
    arrive only once that is set; its WebAssembly is sent with the type given."""
    import browser
    site = os.path.join(browser.build_folder(), 'site')
    held = ('formules.js', 'formules.wasm') if program_held is not None else ()
    with browser.served(site, held, program_held, wasm_type) as address, \
            browser.chromium(width, height, language, program_held is None) as driver:
        if phone:
            driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                'width': width, 'height': height, 'deviceScaleFactor': 3, 'mobile': True})
            driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True})
        yield Page(driver, address)


# The stories ------------------------------------------------------------------------------------

# The main window the page shows, whether or not its script and the program have loaded.
SHOWN_MAIN_WINDOW = ("return Array.from(document.querySelectorAll('[data-form=\"Form1\"]'))"
                     ".find((frame) => frame.getClientRects().length > 0) || null")
PROGRAM_READY = "return performance.getEntriesByName('formules-ready').length > 0"

# Every element of the main window as it is drawn: its text, place, size and colours, then the
# control that has the focus.
MAIN_WINDOW_DRAWING = '''
const frame = Array.from(document.querySelectorAll('[data-form="Form1"]'))
  .find((f) => f.getClientRects().length > 0);
const drawn = Array.from([frame].concat(Array.from(frame.querySelectorAll('*'))), (e) => {
  const r = e.getBoundingClientRect();
  const s = getComputedStyle(e);
  return [e.tagName, e.className, e.dataset.control || '', e.textContent, r.x, r.y, r.width,
          r.height, s.color, s.backgroundColor, s.font, s.display].join(' | ');
});
return drawn.concat(['focus: ' + (document.activeElement.dataset.control || '')]);
'''


@story
def main_window_before_the_program():
    """The main window is drawn with the page, before any of its script or the program has
    loaded, in the language the program will speak, the focus in its first button; a click on it
    then is carried out once the program is ready, once, on the same window."""
    import threading
    release = threading.Event()
    with page(program_held=release) as p:
        p.go('?lang=de')
        frame = p.wait(SHOWN_MAIN_WINDOW)
        expect(p.js("return typeof Page === 'undefined'"), 'the page\'s script has not loaded yet')
        button = frame.find_element('css selector', '[data-control="Command1"]')
        expect(button.text == 'LC-Schwingkreis', 'drawn in German: ' + button.text)
        expect(p.focused() == 'Form1.Command1', 'the first button has the focus: ' + p.focused())
        button.click()
        p.settle()
        expect(not p.driver.find_elements('css selector', '[data-form="Form4"]'),
               'nothing opens before the program is ready')
        release.set()
        p.wait(PROGRAM_READY)
        p.wait("return document.querySelector('[data-form=\"Form4\"]:not([hidden])') !== null")
        windows = [w.get_attribute('data-form') for w in
                   p.driver.find_elements('css selector', '[data-form]')]
        expect(sorted(windows) == ['Form1', 'Form4'], 'one main window and the calculator its '
               'click opened: %s' % windows)
        expect(p.window('Form1') == frame, 'the program took the drawn window over')
        expect(p.js('return document.getElementById("Form1-caption").textContent')
               == 'Formeln von VELDRAN', 'the window is named by its caption')
        expect(p.js('return Page.nextEvent()') is None, 'no event left to deliver again')
        expect(p.focused() == 'Form4.Text1', 'the calculator has the focus: ' + p.focused())


@story
def main_window_drawn_as_the_program_draws_it():
    """In every language, the main window drawn before the program has loaded and the one the
    program has taken over are the same: texts, places, sizes, colours and focus."""
    import threading
    for language in registry.languages():
        release = threading.Event()
        with page(program_held=release) as p:
            p.go('?lang=' + language)
            p.wait(SHOWN_MAIN_WINDOW)
            before = p.js(MAIN_WINDOW_DRAWING)
            release.set()
            p.wait(PROGRAM_READY)
            p.settle()
            after = p.js(MAIN_WINDOW_DRAWING)
            changed = [(b, a) for b, a in zip(before, after) if b != a]
            expect(len(before) == len(after) and not changed,
                   '%s: drawn before and after differ: %s' % (language, changed[:3]))
            expect(p.js('return document.documentElement.lang') == language,
                   '%s: the page speaks it' % language)

@story
def resonance_with_units_typed():
    """The worked example of the resonance window, typed with units, computed by Return."""
    from selenium.webdriver.common.keys import Keys
    with page() as p:
        p.open()
        expect(p.focused() == 'Form1.Command1', 'the first button has the focus: ' + p.focused())
        p.keys(Keys.RETURN)
        expect(p.visible('Form4'), 'Return on the focused button opens the resonance window')
        expect(p.focused() == 'Form4.Text1', 'its first box has the focus: ' + p.focused())
        p.keys('100 pF', Keys.TAB, Keys.TAB, '10 µH', Keys.RETURN)
        expect(p.value('Form4', 'Text2') == '5032,921', 'f = ' + p.value('Form4', 'Text2'))
        help_text = p.control('Form4', 'Label11').text
        expect('λ = 59,57 m' in help_text, 'the wavelength follows: ' + help_text)
        p.keys(Keys.BACKSPACE)
        expect(p.control('Form4', 'Label11').text == '', 'a change empties the design help')
        p.chord(Keys.CONTROL, 'a')
        p.keys(Keys.BACKSPACE)
        p.chord(Keys.SHIFT, Keys.TAB)
        p.chord(Keys.CONTROL, 'a')
        p.keys('7,1 MHz', Keys.RETURN)
        expect(p.value('Form4', 'Text3') == '5,025', 'L = ' + p.value('Form4', 'Text3'))


@story
def rejected_entry_closed_with_enter():
    """A refused entry: the box names the error over the page, Enter closes it, and the boxes are
    cleared only then; the Enter goes no further."""
    from selenium.webdriver.common.keys import Keys
    with page() as p:
        p.open()
        p.click('Form1', 'Command1')
        p.type('Form4', 'Text1', '0')
        p.type('Form4', 'Text3', '10')
        p.click('Form4', 'Command1')
        expect(p.message() == 'Erreur - Valeurs hors limites - Recommencez',
               'the message: %r' % p.message())
        dialog = p.driver.find_element('id', 'message')
        expect(dialog.get_attribute('role') == 'alertdialog', 'an alert dialog')
        expect(p.js('return document.getElementById("message-title").textContent') == 'Formules',
               'titled with the program')
        expect(p.value('Form4', 'Text1') == '0', 'the boxes stay while the box is open')
        menu = p.control('Form4', 'Command2')
        on_top = p.js('const r = arguments[0].getBoundingClientRect();'
                      'const e = document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2);'
                      'return e.closest("[data-form]") === null;', menu)
        expect(on_top and p.js('return document.getElementById("desktop").inert'),
               'the message box covers the windows, which take no pointer and no key')
        # A click that reaches the "Menu" button all the same (as an assistive tool may make it)
        # must not reach the program: the window would be gone once the box is closed.
        p.js('arguments[0].click();', menu)
        p.settle()
        p.keys(Keys.RETURN)
        expect(p.message() is None, 'Enter closes it')
        expect(p.value('Form4', 'Text1') == '' and p.value('Form4', 'Text3') == '',
               'the boxes are cleared once it is closed')
        p.settle()
        expect(p.visible('Form4'), 'the click made behind the message box did nothing')
        expect(p.message() is None, 'the Enter that closed it pressed nothing again')
        p.type('Form4', 'Text1', '1')
        p.click('Form4', 'Command1')
        expect(p.message() == 'Erreur - Entrer deux valeurs seulement', 'a second message')
        p.keys(Keys.ESCAPE)
        expect(p.message() is None, 'Escape closes it too')
        p.type('Form4', 'Text1', '100')
        p.type('Form4', 'Text3', '4k7')
        p.keys(Keys.RETURN)
        expect(p.message() == 'Valeur non comprise : « 4k7 » (inductance)',
               'a code letter of another box is named: %r' % p.message())
        p.keys(Keys.RETURN)
        expect(p.value('Form4', 'Text1') == '100' and p.value('Form4', 'Text3') == '4k7',
               'the window keeps what was typed')
        selected = p.js('const e = document.activeElement;'
                        'return e.dataset.control + ":" + e.value.substring(e.selectionStart,'
                        ' e.selectionEnd);')
        expect(selected == 'Text3:4k7', 'the named box has the focus, its text selected: '
               + selected)
        p.keys('4u7', Keys.RETURN)
        expect(p.value('Form4', 'Text2') == '7341,27', 'mended: ' + p.value('Form4', 'Text2'))


@story
def german_with_its_comma():
    """?lang=de: the windows in German, and results with a decimal comma."""
    with page(language='en-US') as p:
        p.open('?lang=de')
        expect(p.js('return document.documentElement.lang') == 'de', 'the page says German')
        expect(p.window('Form1').find_element('css selector', '.caption').text ==
               'Formeln von VELDRAN', 'the main window in German')
        expect(p.control('Form1', 'Command1').text == 'LC-Schwingkreis', 'its first button')
        found = p.compute('Command1', 'Form4', (('Text2', '7,1 MHz'), ('Text3', '4,7')), 'Text1')
        expect(found == '106,91', 'C = ' + found)
        expect(p.control('Form4', 'Command1').text == 'Berechnen', 'Calcul in German')


@story
def browser_language_chooses():
    """Without ?lang, the browser's list chooses: Portuguese is not spoken, Italian is next."""
    with page(language='pt-BR,pt,it') as p:
        p.open()
        expect(p.js('return document.documentElement.lang') == 'it', 'Italian is chosen')
        found = p.compute('Command3', 'Form3', (('Text1', '7100'), ('Text2', '100')), 'Text3')
        expect(found == '224,16', 'XC = ' + found)


@story
def reload_with_the_network_off():
    """After the first visit the site starts and computes with no network at all: the server is
    stopped and the browser offline."""
    import browser
    site = os.path.join(browser.build_folder(), 'site')
    with browser.chromium() as driver:
        with browser.served(site) as address:
            p = Page(driver, address)
            p.open()
            # The service worker claims the page once it has kept every file.
            p.wait(SITE_KEPT)
        driver.execute_cdp_cmd('Network.enable', {})
        driver.execute_cdp_cmd('Network.emulateNetworkConditions', {
            'offline': True, 'latency': 0, 'downloadThroughput': -1, 'uploadThroughput': -1})
        driver.refresh()
        p.wait(MAIN_WINDOW_SHOWN)
        found = p.compute('Command2', 'Form2', (('Text1', '7100'), ('Text2', '10')), 'Text3')
        expect(found == '446,11', 'XL = ' + found)
        # A shared address opens its calculation offline too, in the language it asks for; one
        # the page would never write opens the main window alone.
        p.open('?lang=de#tore?tore=FT37-43&L=100')
        expect(p.visible('Form9') and p.value('Form9', 'Text3') == '17',
               'the shared toroid: %s turns' % p.value('Form9', 'Text3'))
        expect(p.control('Form9', 'Command1').text == 'Berechnen', 'in German')
        p.open('#tore?tore=FT37-43&tore=T50-2&L=100')
        expect(p.visible('Form1') and not p.driver.find_elements(
            'css selector', '[data-form="Form9"]:not([hidden])'), 'a bad address opens nothing')


@story
def every_window_on_a_phone():
    """On a phone 360 pixels wide, in every language, each window fills the screen as one column
    that a thumb and an eye can use; each calculator computes its example through taps and a
    phone's keyboard, and leads back to the main window; the others close with OK."""
    with page(360, 780, phone=True) as p:
        for language in registry.languages():
            p.open('?lang=' + language)
            expect(not p.unfit_for_a_phone('Form1'),
                   '%s Form1: %s' % (language, p.unfit_for_a_phone('Form1')))
            for window in registry.opened():
                form = window['name']
                p.tap(p.control('Form1', window['opener']))
                expect(p.visible(form), '%s: a tap opens %s' % (language, form))
                for box, text in window['example']:
                    p.tap(p.control(form, box))
                    p.phone_keys(text)
                if window['calculator']:
                    p.tap(p.control(form, 'Command1'))
                    expect(p.message() is None and p.value(form, window['result']),
                           '%s %s computed by taps: %s' % (language, form, p.message()))
                problems = p.unfit_for_a_phone(form)
                expect(not problems, '%s %s: %s' % (language, form, problems))
                if window['calculator']:
                    p.tap(p.control(form, 'Command2'))
                    expect(p.visible('Form1') and not p.visible(form), form + ' leads back')
                else:
                    p.tap(p.control(form, 'Command1'))
                    expect(not p.visible(form), form + ' closes with OK')


@story
def calculation_kept_in_the_address_on_a_phone():
    """On a phone, each calculation writes itself into the page's address, replaced rather than
    added to the history; a reload shows the same calculation, and "Effacer" takes the address
    back to the bare page."""
    with page(360, 780, phone=True) as p:
        p.open()
        history = p.js('return history.length')
        p.tap(p.control('Form1', 'Command4'))
        for box, text in (('Text1', '10'), ('Text2', '2,54'), ('Text3', '3,175 cm')):
            p.tap(p.control('Form5', box))
            p.phone_keys(text)
        p.tap(p.control('Form5', 'Command1'))
        expect(p.js('return location.hash') == '#spires?L=10&D=2,54&l=3,175%20cm',
               'the address names the calculation: ' + p.js('return location.hash'))
        expect(p.js('return history.length') == history, 'no new entry in the history')
        p.driver.refresh()
        p.wait(MAIN_WINDOW_SHOWN)
        expect(p.visible('Form5') and p.value('Form5', 'Text5') == '26'
               and p.value('Form5', 'Text3') == '3,175 cm',
               'the same calculation after a reload: %s turns' % p.value('Form5', 'Text5'))
        expect(p.control('Form5', 'Label11').text.startswith('26 spires'), 'with its design help')
        p.tap(p.control('Form5', 'Command3'))
        expect(p.js('return location.hash + location.search') == '', 'Effacer: the bare address')


@story
def quit_and_start_again_on_a_phone():
    """On a phone, Quitter ends the program; the page says so, and a tap on its button starts the
    program again, ready to calculate."""
    with page(360, 780, phone=True) as p:
        p.open()
        p.tap(p.control('Form1', 'Command6'))
        notice = p.driver.find_element('id', 'ended')
        expect(notice.is_displayed() and 'terminé' in notice.text, 'the page says it has ended')
        restart = p.driver.find_element('id', 'restart')
        expect(p.rect(restart)['height'] >= 44, 'its button can be touched')
        p.tap(restart)
        p.wait(MAIN_WINDOW_SHOWN)
        p.tap(p.control('Form1', 'Command1'))
        for box, text in (('Text1', '100'), ('Text3', '10')):
            p.tap(p.control('Form4', box))
            p.keys(text)
        p.tap(p.control('Form4', 'Command1'))
        expect(p.value('Form4', 'Text2') == '5032,921', 'computed after the restart')


@story
def any_address_starts_the_program():
    """An address whose ?lang= holds 100 000 characters, and a long fragment, start the program
    in the browser's language, as the address without them would. (A server may refuse so long
    an address, as the tests' own does: the page comes from the service worker, which keeps it
    after the first visit.) The site is served as simple hosts serve it, its WebAssembly as
    application/octet-stream, which the browser will not compile as it downloads."""
    with page(language='de-DE,de', wasm_type='application/octet-stream') as p:
        p.open('#' + '<é>' * 20000)
        p.wait(SITE_KEPT)
        p.open('?lang=' + 'x' * 100000 + '#' + '<é>' * 2000)
        expect(p.js('return document.documentElement.lang') == 'de', 'in the browser\'s language')
        expect(p.js('return document.getElementById("failed").hidden'), 'no failure shown')
        found = p.compute('Command1', 'Form4', (('Text1', '100'), ('Text3', '10')), 'Text2')
        expect(found == '5032,921', 'and it calculates: ' + found)


@story
def results_are_announced():
    """A screen reader hears the result and the design help: after "Calcul" they stand in a
    polite live region of the window."""
    with page() as p:
        p.open()
        p.compute('Command1', 'Form4', (('Text1', '100'), ('Text3', '10')), 'Text2')
        p.driver.execute_cdp_cmd('Accessibility.enable', {})
        nodes = p.driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']
        by_id = {node['nodeId']: node for node in nodes}

        def texts(node):
            name = (node.get('name') or {}).get('value', '')
            return [name] + [text for child in node.get('childIds', []) if child in by_id
                             for text in texts(by_id[child])]

        live = [node for node in nodes if any(
            prop['name'] == 'live' and prop['value'].get('value') == 'polite'
            for prop in node.get('properties', []))]
        heard = ' '.join(text for node in live for text in texts(node))
        expect('5032,921' in heard, 'the result is in a live region: %r' % heard)
        expect('λ = 59,57 m' in heard, 'so is the design help: %r' % heard)


@story
def calculators_beside_the_main_window():
    """On a 1280 x 800 page a calculator opens where the main window's menu and buttons stay
    visible; a window keeps the place it was dragged to when the page is made narrow and wide
    again."""
    from selenium.webdriver.common.action_chains import ActionChains
    with page(1280, 800) as p:
        p.open()
        for opening, form in (('Command1', 'Form4'), ('Command4', 'Form5')):
            p.click('Form1', opening)
            hidden = p.js('''
                const main = document.querySelector('[data-form="Form1"]');
                return Array.from(main.querySelectorAll('.menu-entry:not(.blank), .client button'))
                  .filter((e) => {
                    const r = e.getBoundingClientRect();
                    const hit = document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2);
                    return !hit || !e.contains(hit);
                  }).map((e) => e.dataset.control);''')
            expect(not hidden, '%s hides the main window\'s %s' % (form, hidden))
        frame = p.window('Form5')
        ActionChains(p.driver).drag_and_drop_by_offset(
            frame.find_element('css selector', '.titlebar'), -200, 60).perform()
        dragged = p.rect(frame)
        for width in (400, 1280):
            p.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                'width': width, 'height': 800, 'deviceScaleFactor': 1, 'mobile': False})
            p.settle()
        expect(p.rect(frame) == dragged, 'kept where it was dragged: %r, %r' % (
            dragged, p.rect(frame)))


@story
def more_contrast_when_asked():
    """The classic colours stay as described, unless the system asks for more contrast: then a
    text too pale for its ground (the green of the diameter box, the red of a result) is darkened
    in its hue to 4.5:1 at least."""
    contrast = '''
        function luminance(rgb) {
          const c = rgb.match(/\\d+/g).slice(0, 3).map((v) => v / 255)
            .map((v) => v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4));
          return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
        }
        const style = getComputedStyle(document.querySelector(
          '[data-form="' + arguments[0] + '"] [data-control="' + arguments[1] + '"]'));
        const a = luminance(style.color);
        const b = luminance(style.backgroundColor);
        return [style.color, (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)];'''
    with page() as p:
        p.open()
        p.click('Form1', 'Command4')
        for asked, box, described in ((None, 'Text2', 'rgb(0, 192, 0)'),
                                      (None, 'Text5', 'rgb(255, 0, 0)'),
                                      ('more', 'Text2', None), ('more', 'Text5', None)):
            p.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': [
                {'name': 'prefers-contrast', 'value': asked or 'no-preference'}]})
            colour, ratio = p.js(contrast, 'Form5', box)
            if described:
                expect(colour == described, '%s as described: %s' % (box, colour))
            else:
                expect(ratio >= 4.5 and colour != 'rgb(0, 0, 0)',
                       '%s darkened in its hue: %s, %.2f' % (box, colour, ratio))


@story
def every_text_fits_in_every_language():
    """Every caption, label and instruction, and the design help of each calculator's example,
    fits its control in every language, whatever fonts the device has: here Chromium's."""
    with page() as p:
        for language in registry.languages():
            p.open('?lang=' + language)
            for window in registry.opened():
                p.press('Form1', window['opener'])
            p.settle()
            for window in registry.calculators():
                form = window['name']
                for box, text in window['example']:
                    p.js("const b = document.querySelector('[data-form=\"' + arguments[0]"
                         " + '\"] [data-control=\"' + arguments[1] + '\"]');"
                         "b.value = arguments[2];"
                         "b.dispatchEvent(new InputEvent('input', {bubbles: true}));",
                         form, box, text)
                p.press(form, 'Command1')
                p.settle()
                expect(p.control(form, window['help']).text,
                       '%s %s shows what it read' % (language, form))
            for window in registry.windows():
                form = window['name']
                expect(p.visible(form), form + ' shown')
                clipped = p.overflowing(form)
                expect(not clipped, '%s %s: %s' % (language, form, clipped))


@story
def keyboard():
    """Tab follows the described order round the window, Alt presses the access keys, Escape
    closes the formulas sheet and the About window."""
    from selenium.webdriver.common.keys import Keys
    with page() as p:
        p.open()
        p.chord(Keys.ALT, 'f')
        expect(p.visible('Form8'), 'Alt+F opens the formulas sheet')
        p.keys(Keys.ESCAPE)
        expect(not p.visible('Form8'), 'Escape closes it')
        p.chord(Keys.ALT, 'p')
        expect(p.visible('Form7'), 'Alt+P opens the About window')
        p.keys(Keys.ESCAPE)
        expect(not p.visible('Form7'), 'Escape closes it')
        expect(p.focused().startswith('Form1.'), 'the main window has the focus back')
        p.click('Form1', 'Command4')
        order = [p.focused()]
        for _ in range(8):
            p.keys(Keys.TAB)
            order.append(p.focused())
        expect(order == ['Form5.Text1', 'Form5.Text2', 'Form5.Text3', 'Form5.Text5',
                         'Form5.Text6', 'Form5.Command1', 'Form5.Command3', 'Form5.Command2',
                         'Form5.Text1'],
               'the tab order: %s' % order)
        p.chord(Keys.SHIFT, Keys.TAB)
        expect(p.focused() == 'Form5.Command2', 'Shift+Tab goes back: ' + p.focused())
        p.type('Form5', 'Text1', '10')
        p.chord(Keys.ALT, 'e')
        expect(p.value('Form5', 'Text1') == '', 'Alt+E presses Effacer')
        p.type('Form5', 'Text1', '10')
        p.type('Form5', 'Text2', '2')
        p.type('Form5', 'Text3', '2,5')
        p.chord(Keys.ALT, 'c')
        expect(p.value('Form5', 'Text5') == '29',
               'Alt+C presses Calcul: ' + p.value('Form5', 'Text5'))
        p.chord(Keys.ALT, 'm')
        expect(not p.visible('Form5'), 'Alt+M presses Menu')


@story
def markup_stays_text():
    """A box holding markup shows its characters, in the box and in the message that quotes it;
    the page makes no element of it."""
    markup = '<img src=x onerror=alert(1)>'
    with page() as p:
        p.open()
        p.click('Form1', 'Command1')
        p.type('Form4', 'Text1', markup)
        p.type('Form4', 'Text3', '10')
        expect(p.value('Form4', 'Text1') == markup, 'the box shows the characters')
        p.click('Form4', 'Command1')
        expect(p.message() == 'Valeur non comprise : « %s » (capacité)' % markup,
               'the message quotes the markup as typed: %r' % p.message())
        expect(p.js('return document.querySelectorAll("img").length') == 0, 'no image made')
        expect(p.js('return document.getElementById("message-text").children.length') == 0,
               'the message holds text only')
        p.driver.find_element('id', 'message-ok').click()
        csp = p.js('return document.querySelector(\'meta[http-equiv="Content-Security-Policy"]\')'
                   '.content')
        expect("script-src 'self' 'wasm-unsafe-eval' 'sha256-" in csp
               and 'unsafe-inline' not in csp,
               'a policy that allows only the site\'s own scripts, one by its hash: ' + csp)
        expect(p.js('return Array.from(document.scripts).filter((s) => !s.src).length') == 1,
               'one inline script, the page\'s first')
        injected = p.js('const s = document.createElement("script");'
                        's.textContent = "window.injected = true;";'
                        'document.head.append(s); return window.injected === true;')
        expect(not injected, 'a script written into the page later does not run')
        # A NUL pasted into a box crosses into the program with what follows it: "1", NUL, "2"
        # is not the number 1.
        p.click('Form4', 'Command3')
        p.js('arguments[0].value = "1\\u00002";'
             'arguments[0].dispatchEvent(new InputEvent("input", {bubbles: true,'
             ' inputType: "insertFromPaste"}));', p.control('Form4', 'Text1'))
        p.settle()
        p.type('Form4', 'Text3', '10')
        p.click('Form4', 'Command1')
        expect(p.message() == 'Valeur non comprise : « 1\x002 » (capacité)',
               'the message quotes every character pasted: %r' % p.message())


@story
def installable_application():
    """Chromium finds nothing that stops installing the site as an application."""
    with page() as p:
        p.open()
        p.wait(SITE_KEPT)
        errors = p.driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})
        expect(errors.get('installabilityErrors') == [], 'installability: %r' % errors)
        manifest = p.driver.execute_cdp_cmd('Page.getAppManifest', {})
        expect(not manifest.get('errors'), 'manifest errors: %r' % manifest.get('errors'))
        expect('"display": "standalone"' in manifest.get('data', ''), 'a window of its own')


@story
def windows_in_a_page():
    """Windows are modeless: the last shown is in front, a title bar drags its window and its
    close button closes it; Quitter ends the program, and the page offers to start it again."""
    from selenium.webdriver.common.action_chains import ActionChains
    with page() as p:
        p.open()
        p.click('Form1', 'Infos')
        about = p.window('Form7')
        before = about.rect
        ActionChains(p.driver).drag_and_drop_by_offset(
            about.find_element('css selector', '.titlebar'), 300, 90).perform()
        after = about.rect
        expect((after['x'] - before['x'], after['y'] - before['y']) == (300, 90),
               'dragged by its title bar: %r -> %r' % (before, after))
        p.click('Form1', 'Formule')
        expect(p.visible('Form7') and p.visible('Form8'), 'two windows shown at once')
        front = p.js('const r = document.querySelector(\'[data-form="Form8"]\')'
                     '.getBoundingClientRect();'
                     'const e = document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2);'
                     'return e.closest("[data-form]").dataset.form;')
        expect(front == 'Form8', 'the one shown last is in front: ' + front)
        p.window('Form8').find_element('css selector', '[data-close]').click()
        p.settle()
        expect(not p.visible('Form8') and p.visible('Form7'), 'closed from its title bar')
        p.click('Form7', 'Command1')
        p.click('Form1', 'Command6')
        expect(not any(p.visible(f) for f in ('Form1', 'Form7', 'Form8')),
               'Quitter: every window disappears')
        notice = p.driver.find_element('id', 'ended')
        expect(notice.is_displayed() and 'terminé' in notice.text, 'the page says it has ended')
        p.driver.find_element('id', 'restart').click()
        p.wait(MAIN_WINDOW_SHOWN)


@story
def accessible_names():
    """Every window is a dialog named by its caption; every box, button and menu entry carries
    the name and the hint it has on the desktop."""
    with page() as p:
        p.open()
        for window in registry.opened():
            p.press('Form1', window['opener'])
        p.settle()
        p.driver.execute_cdp_cmd('Accessibility.enable', {})
        nodes = p.driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']

        def value(node, key):
            return (node.get(key) or {}).get('value', '')

        dialogs = [value(n, 'name') for n in nodes if value(n, 'role') == 'dialog']
        captions = p.js('return Array.from(document.querySelectorAll(".window:not([hidden]) '
                        '.caption"), (c) => c.textContent)')
        expect(len(dialogs) == len(registry.windows()) and sorted(dialogs) == sorted(captions),
               'dialogs named by their captions: %s' % dialogs)
        boxes = [n for n in nodes if value(n, 'role') == 'textbox']
        expect(boxes and all(value(n, 'name') for n in boxes), 'every box is named')
        frequency = [n for n in boxes if value(n, 'name') == 'Frequence en Khz']
        expect(frequency and value(frequency[0], 'description').startswith('Unités : Hz, kHz'),
               'a box read in a unit describes its unit words')
        buttons = [value(n, 'name') for n in nodes if value(n, 'role') == 'button']
        expect(buttons.count('Calcul') == len(registry.calculators()) and 'Quitter' in buttons,
               'buttons named: %s' % buttons)
        items = [value(n, 'name') for n in nodes if value(n, 'role') == 'menuitem']
        expect('Formules' in items and 'à propos de...' in items, 'menu entries: %s' % items)


def main(arguments):
    if arguments == ['--list']:
        print('\n'.join(STORIES))
        return 0
    if len(arguments) != 1 or arguments[0] not in STORIES:
        sys.stderr.write('usage: stories.py --list | NAME\n')
        return 2
    try:
        STORIES[arguments[0]]()
    except StoryFailed as failure:
        print('%s: %s' % (arguments[0], failure))
        return 1
    print('%s: holds' % arguments[0])
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
