"""A few user stories in the other engines a ham's browser runs on: Firefox ESR, Debian's own
browser, driven over WebDriver BiDi; and WebKitGTK, the engine of every iPhone's browsers, driven
by WebKitWebDriver in its MiniBrowser (it needs a display: run it under xvfb-run). The same
stories, the same site (build-web/site) and the same checks as in Chromium (stories.py).

    python3 tests/web/engines.py firefox|webkit     runs every story; exit status 0 when all hold
"""
import contextlib
import itertools
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import browser  # noqa: E402
from stories import MAIN_WINDOW_SHOWN, PHONE_CHECK, StoryFailed, expect  # noqa: E402

FIREFOX = '/usr/bin/firefox-esr'
WEBKIT_DRIVER = '/usr/bin/WebKitWebDriver'
MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser'


def free_port():
    with socket.socket() as probe:
        probe.bind(('127.0.0.1', 0))
        return probe.getsockname()[1]


class Firefox:
    """Firefox ESR headless, its own empty profile in French, over WebDriver BiDi."""

    def __init__(self):
        import websocket
        self.profile = tempfile.mkdtemp(prefix='formules-firefox-')
        with open(os.path.join(self.profile, 'user.js'), 'w', encoding='utf-8') as prefs:
            prefs.write('user_pref("intl.accept_languages", "fr-FR, fr");\n'
                        'user_pref("browser.shell.checkDefaultBrowser", false);\n'
                        'user_pref("app.update.enabled", false);\n')
        port = free_port()
        self.process = subprocess.Popen(
            [FIREFOX, '--headless', '--no-remote', '--profile', self.profile,
             '--remote-debugging-port', str(port), 'about:blank'],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 60
        while True:
            try:
                # The remote agent refuses a handshake that names an origin.
                self.socket = websocket.create_connection('ws://127.0.0.1:%d/session' % port,
                                                          timeout=90, suppress_origin=True)
                break
            except (OSError, websocket.WebSocketException):
                if time.monotonic() > deadline or self.process.poll() is not None:
                    raise
                time.sleep(0.2)
        self.ids = itertools.count(1)
        self.command('session.new', {'capabilities': {}})
        tree = self.command('browsingContext.getTree', {})
        self.context = tree['contexts'][0]['context']

    def command(self, method, params):
        sent = next(self.ids)
        self.socket.send(json.dumps({'id': sent, 'method': method, 'params': params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get('id') == sent:
                if message.get('type') == 'error' or 'error' in message:
                    raise RuntimeError('%s: %s' % (method, message))
                return message['result']

    def get(self, address):
        self.command('browsingContext.navigate',
                     {'context': self.context, 'url': address, 'wait': 'complete'})

    def js(self, body, *arguments):
        result = self.command('script.callFunction', {
            'functionDeclaration': 'async function () { return JSON.stringify(await (async '
                                   'function () {' + body + '}).apply(null, arguments)); }',
            'arguments': [{'type': 'string', 'value': a} for a in arguments],
            'target': {'context': self.context}, 'awaitPromise': True,
            'resultOwnership': 'none'})
        value = result['result'].get('value')
        return json.loads(value) if isinstance(value, str) else None

    def click_at(self, x, y):
        self.command('input.performActions', {'context': self.context, 'actions': [{
            'type': 'pointer', 'id': 'mouse', 'actions': [
                {'type': 'pointerMove', 'x': int(x), 'y': int(y)},
                {'type': 'pointerDown', 'button': 0}, {'type': 'pointerUp', 'button': 0}]}]})

    def keys(self, text):
        actions = []
        for character in text:
            actions += [{'type': 'keyDown', 'value': character},
                        {'type': 'keyUp', 'value': character}]
        self.command('input.performActions', {'context': self.context, 'actions': [
            {'type': 'key', 'id': 'keyboard', 'actions': actions}]})

    def set_size(self, width, height):
        self.command('browsingContext.setViewport', {
            'context': self.context, 'viewport': {'width': width, 'height': height}})

    def close(self):
        with contextlib.suppress(Exception):
            self.command('session.end', {})
        self.process.terminate()
        with contextlib.suppress(subprocess.TimeoutExpired):
            self.process.wait(timeout=10)
        if self.process.poll() is None:
            self.process.kill()
        shutil.rmtree(self.profile, ignore_errors=True)


class WebKit:
    """WebKitGTK's MiniBrowser, driven by WebKitWebDriver."""

    def __init__(self):
        from selenium import webdriver
        from selenium.webdriver.common import utils
        from selenium.webdriver.webkitgtk.options import Options
        from selenium.webdriver.webkitgtk.service import Service

        class LoopbackService(Service):
            """The driver listening on, and reached at, 127.0.0.1: a minimal system without
            /etc/hosts cannot resolve "localhost"."""

            @property
            def service_url(self):
                return 'http://127.0.0.1:%d' % self.port

            def is_connectable(self):
                return utils.is_connectable(self.port, '127.0.0.1')

        options = Options()
        options.binary_location = MINIBROWSER
        options.add_argument('--automation')
        self.service = LoopbackService(WEBKIT_DRIVER, service_args=['--host=127.0.0.1'])
        self.service.start()
        self.driver = webdriver.Remote(command_executor=self.service.service_url,
                                       options=options)
        self.driver.set_script_timeout(90)

    def get(self, address):
        self.driver.get(address)

    def js(self, body, *arguments):
        # WebKitGTK gives an element's text back empty at times: everything returns as JSON.
        value = self.driver.execute_async_script(
            'const done = arguments[arguments.length - 1];'
            '(async function () {' + body + '}).apply(null, Array.from(arguments).slice(0, -1))'
            '.then((v) => done(JSON.stringify(v)), (e) => done(JSON.stringify("thrown: " + e)));',
            *arguments)
        return json.loads(value) if isinstance(value, str) else None

    def click_at(self, x, y):
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(int(x), int(y)).click()
        actions.perform()

    def keys(self, text):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.driver).send_keys(text).perform()

    def set_size(self, width, height):
        self.driver.set_window_size(width, height)

    def close(self):
        try:
            self.driver.quit()
        finally:
            self.service.stop()


class EnginePage:
    """The site in one engine, and what a user does to it: the stories' words, on any driver."""

    def __init__(self, engine, address):
        self.engine = engine
        self.address = address

    def open(self, query=''):
        self.engine.get(self.address + query)
        deadline = time.monotonic() + 60
        while not self.engine.js(MAIN_WINDOW_SHOWN):
            expect(time.monotonic() < deadline, 'the main window is shown')
            time.sleep(0.1)

    def settle(self):
        self.engine.js('await new Promise((done) => requestAnimationFrame(() => '
                       'setTimeout(done, 50)));')

    def click(self, form, name):
        middle = self.engine.js(
            'const e = document.querySelector(\'[data-form="\' + arguments[0] + \'"] '
            '[data-control="\' + arguments[1] + \'"]\');'
            'e.scrollIntoView({block: "center"});'
            'const r = e.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2];',
            form, name)
        self.engine.click_at(*middle)
        self.settle()

    def type(self, form, name, text):
        self.click(form, name)
        self.engine.keys(text)
        self.settle()

    def value(self, form, name):
        return self.engine.js('return document.querySelector(\'[data-form="\' + arguments[0] + '
                              '\'"] [data-control="\' + arguments[1] + \'"]\').value;', form, name)

    def message(self):
        return self.engine.js('const o = document.getElementById("message-overlay");'
                              'return o.hidden ? null : document.getElementById("message-text")'
                              '.textContent;')

    def visible(self, form):
        return self.engine.js('const f = document.querySelector(\'[data-form="\' + arguments[0] '
                              '+ \'"]\'); return !!f && !f.hidden;', form)


def starts_and_calculates_with_units(p):
    p.open()
    expect(p.engine.js('return document.documentElement.lang') == 'fr', 'the page in French')
    p.click('Form1', 'Command1')
    expect(p.visible('Form4'), 'the resonance window opens')
    p.type('Form4', 'Text2', '7,1 MHz')
    p.type('Form4', 'Text3', '4u7')
    p.click('Form4', 'Command1')
    expect(p.value('Form4', 'Text1') == '106,91', 'C = %r' % p.value('Form4', 'Text1'))


def message_box_closed_with_enter(p):
    p.open()
    p.click('Form1', 'Command1')
    p.type('Form4', 'Text1', '0')
    p.type('Form4', 'Text3', '10')
    p.click('Form4', 'Command1')
    expect(p.message() == 'Erreur - Valeurs hors limites - Recommencez', 'the message: %r'
           % p.message())
    expect(p.value('Form4', 'Text1') == '0', 'the boxes stay while it is open')
    p.engine.keys('\ue007')  # Return
    p.settle()
    expect(p.message() is None, 'Return closes it')
    expect(p.value('Form4', 'Text1') == '' and p.value('Form4', 'Text3') == '',
           'the boxes are cleared once it is closed')


def phone_layout(p):
    p.engine.set_size(360, 780)
    p.open()
    for form, opening in (('Form1', None), ('Form4', 'Command1')):
        if opening:
            p.click('Form1', opening)
        problems = p.engine.js(PHONE_CHECK, form)
        expect(problems == [], '%s on a phone: %s' % (form, problems))


STORIES = (starts_and_calculates_with_units, message_box_closed_with_enter, phone_layout)
ENGINES = {'firefox': Firefox, 'webkit': WebKit}


def main(arguments):
    if len(arguments) != 1 or arguments[0] not in ENGINES:
        sys.stderr.write('usage: engines.py firefox|webkit\n')
        return 2
    site = os.path.join(browser.build_folder(), 'site')
    failed = 0
    with browser.served(site) as address:
        engine = ENGINES[arguments[0]]()
        try:
            for story in STORIES:
                try:
                    story(EnginePage(engine, address))
                    print('%s %s: holds' % (arguments[0], story.__name__))
                except StoryFailed as failure:
                    print('%s %s: %s' % (arguments[0], story.__name__, failure))
                    failed += 1
        finally:
            engine.close()
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
