"""User stories in the page, with real keystrokes, clicks and drags from Chromium's driver, on
the site as it is built (build-web/site, or FORMULES_WEB_BUILD/site). Each story is one test.

    python3 tests/web/stories.py --list     the stories' names
    python3 tests/web/stories.py NAME       runs one; exit status 0 when it holds
"""
import contextlib
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

STORIES = {}
LANGUAGES = ('fr', 'en', 'de', 'es', 'it')
# True once the page's script has run and the program has shown its main window.
MAIN_WINDOW_SHOWN = ("return typeof Page !== 'undefined' && Page.window('Form1') !== undefined"
                     " && !Page.window('Form1').frame.hidden")
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

    def overflowing(self, form):
        """The controls of a visible window whose text does not fit them."""
        return self.js('''
            const frame = document.querySelector('[data-form="' + arguments[0] + '"]');
            const clipped = [];
            for (const c of frame.querySelectorAll('.client [data-control]')) {
              if (c.classList.contains('panel')) continue;
              const wide = c.scrollWidth > c.clientWidth + 1;
              let tall = false;
              if (c.tagName === 'DIV' && c.scrollHeight > c.clientHeight + 1) {
                const r = document.createRange(); r.selectNodeContents(c);
                const tops = Array.from(r.getClientRects(), (x) => x.top);
                const size = parseFloat(getComputedStyle(c).fontSize);
                tall = tops.some((t) => Math.abs(t - tops[0]) > size / 2);
              }
              if (wide || tall) clipped.push(c.dataset.control + ': ' + (c.value || c.textContent));
            }
            return clipped;''', form)


@contextlib.contextmanager
def page(width=1280, height=900, language='fr-FR', phone=False):
    import browser
    site = os.path.join(browser.build_folder(), 'site')
    with browser.served(site) as address, browser.chromium(width, height, language) as driver:
        if phone:
            driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                'width': width, 'height': height, 'deviceScaleFactor': 3, 'mobile': True})
            driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True})
        yield Page(driver, address)


# The stories ------------------------------------------------------------------------------------

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
        clicked = True
        try:
            p.control('Form4', 'Command3').click()
        except Exception:
            clicked = False
        expect(not clicked and p.value('Form4', 'Text1') == '0',
               'nothing else in the page responds while it is open')
        p.keys(Keys.RETURN)
        expect(p.message() is None, 'Enter closes it')
        expect(p.value('Form4', 'Text1') == '' and p.value('Form4', 'Text3') == '',
               'the boxes are cleared once it is closed')
        time.sleep(0.3)
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


@story
def phone_sized_screen():
    """On a phone 360 pixels wide the window in front fills the width, with no horizontal
    scrolling, and its boxes and buttons are large enough to touch; each window leads back to
    the main one."""
    with page(360, 780, phone=True) as p:
        p.open()
        for form, opening, back in ((None, None, None), ('Form4', 'Command1', 'Command2'),
                                    ('Form2', 'Command2', 'Command2'),
                                    ('Form3', 'Command3', 'Command2'),
                                    ('Form5', 'Command4', 'Command2'),
                                    ('Form6', 'Command5', 'Command2'),
                                    ('Form8', 'Formule', 'Command1'),
                                    ('Form7', 'Infos', 'Command1')):
            if opening:
                p.click('Form1', opening)
            shown = form or 'Form1'
            width = p.js('return document.documentElement.clientWidth')
            scroll = p.js('return document.documentElement.scrollWidth')
            expect(scroll <= width,
                   '%s: no horizontal scrolling (%d > %d)' % (shown, scroll, width))
            rect = p.rect(p.window(shown))
            expect(abs(rect['width'] - width) <= 1 and rect['x'] == 0,
                   '%s fills the width: %r' % (shown, rect))
            for target in p.window(shown).find_elements('css selector', 'input, .client button'):
                height = p.rect(target)['height']
                expect(height >= 32, '%s %s is %.1f px high' % (
                    shown, target.get_attribute('data-control'), height))
            if back:
                p.click(form, back)
                expect(p.visible('Form1') and not p.visible(form), form + ' leads back')
        found = p.compute('Command1', 'Form4', (('Text1', '100'), ('Text3', '10')), 'Text2')
        expect(found == '5032,921', 'computed on a phone: ' + found)


# The longest design help each calculator gives from values a user types: every value read
# through a unit or a code and, in the coil windows, a short coil.
LONGEST_HELP = {
    'Form4': (('Text2', '7,1 MHz'), ('Text3', '4u7')),
    'Form2': (('Text1', '7,1 MHz'), ('Text2', '4u7')),
    'Form3': (('Text1', '7,1 MHz'), ('Text2', '4n7')),
    'Form5': (('Text1', '10000 nH'), ('Text2', '25 mm'), ('Text3', '0,005 m')),
    'Form6': (('Text1', '25 mm'), ('Text2', '5 mm'), ('Text3', '20')),
}


@story
def every_text_fits_in_every_language():
    """Every caption, label and instruction, and the longest design help, fits its control in
    every language, whatever fonts the device has: here Chromium's."""
    with page() as p:
        for language in LANGUAGES:
            p.open('?lang=' + language)
            for opening in ('Command1', 'Command2', 'Command3', 'Command4', 'Command5',
                            'Formule', 'Infos'):
                p.js("Page.queue('click', 'Form1', arguments[0])", opening)
            p.settle()
            for form, entries in LONGEST_HELP.items():
                for box, text in entries:
                    p.js("const b = Page.window(arguments[0]).controls.get(arguments[1]);"
                         "b.value = arguments[2];"
                         "b.dispatchEvent(new InputEvent('input', {bubbles: true}));",
                         form, box, text)
                p.js("Page.queue('click', arguments[0], 'Command1')", form)
                p.settle()
                expect(p.control(form, 'Label11').text.startswith(
                    ('Lu', 'Read', 'Gelesen', 'Leído', 'Letto')),
                    '%s %s shows what it read' % (language, form))
            for form in ('Form1', 'Form2', 'Form3', 'Form4', 'Form5', 'Form6', 'Form7', 'Form8'):
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
        for _ in range(7):
            p.keys(Keys.TAB)
            order.append(p.focused())
        expect(order == ['Form5.Text1', 'Form5.Text2', 'Form5.Text3', 'Form5.Text5',
                         'Form5.Command1', 'Form5.Command3', 'Form5.Command2', 'Form5.Text1'],
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
    """A box holding markup shows its characters, in the box and in any message; the page runs
    nothing of it."""
    markup = '<img src=x onerror=alert(1)>'
    with page() as p:
        p.open()
        p.click('Form1', 'Command1')
        p.type('Form4', 'Text1', markup)
        expect(p.value('Form4', 'Text1') == markup, 'the box shows the characters')
        p.click('Form4', 'Command1')
        expect(p.message() is not None, 'a message')
        expect(p.js('return document.querySelectorAll("img").length') == 0, 'no image made')
        alerted = True
        try:
            p.driver.switch_to.alert.text
        except Exception:
            alerted = False
        expect(not alerted, 'no script ran')
        p.driver.find_element('id', 'message-ok').click()
        csp = p.js('return document.querySelector(\'meta[http-equiv="Content-Security-Policy"]\')'
                   '.content')
        expect("script-src 'self' 'wasm-unsafe-eval'" in csp and 'unsafe-inline' not in csp,
               'a policy that allows only the site\'s own scripts: ' + csp)
        expect(p.js('return Array.from(document.scripts).every((s) => s.src)'),
               'no inline script')


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
            about.find_element('css selector', '.titlebar'), 700, 90).perform()
        after = about.rect
        expect((after['x'] - before['x'], after['y'] - before['y']) == (700, 90),
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
        for opening in ('Command1', 'Command2', 'Command3', 'Command4', 'Command5', 'Formule',
                        'Infos'):
            p.js("Page.queue('click', 'Form1', arguments[0])", opening)
        p.settle()
        p.driver.execute_cdp_cmd('Accessibility.enable', {})
        nodes = p.driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']

        def value(node, key):
            return (node.get(key) or {}).get('value', '')

        dialogs = [value(n, 'name') for n in nodes if value(n, 'role') == 'dialog']
        expect(sorted(dialogs) == sorted([
            'Formules de VELDRAN', 'Calculs', "Réactance d'une self",
            "Réactance d'un condensateur", "Calcul du nobre de spires d'une bobine",
            "Calcul de l'Inductance d'une bobine", 'Formules de Veldran', 'Formules']),
            'dialogs named by their captions: %s' % dialogs)
        boxes = [n for n in nodes if value(n, 'role') == 'textbox']
        expect(len(boxes) == 20 and all(value(n, 'name') for n in boxes), 'every box is named')
        frequency = [n for n in boxes if value(n, 'name') == 'Frequence en Khz']
        expect(frequency and value(frequency[0], 'description').startswith('Unités : Hz, kHz'),
               'a box read in a unit describes its unit words')
        buttons = [value(n, 'name') for n in nodes if value(n, 'role') == 'button']
        expect(buttons.count('Calcul') == 5 and 'Quitter' in buttons, 'buttons named: %s' % buttons)
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
