"""Headless Chromium on a folder served over loopback, for the web tests and the replay driver.

Debian's chromium, chromium-driver and python3-selenium; Chromium starts without a display,
without a sandbox (tests run as root) and without reaching for the network.
"""
import contextlib
import functools
import http.server
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common import utils

CHROMIUM = '/usr/bin/chromium'
CHROMEDRIVER = '/usr/bin/chromedriver'


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    """Serves the folder's files with the types a browser needs, and logs nothing."""

    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        '.wasm': 'application/wasm',
        '.webmanifest': 'application/manifest+json',
        '.js': 'text/javascript',
    }

    def log_message(self, *args):
        pass


class LoopbackService(Service):
    """The driver reached at 127.0.0.1 rather than "localhost", which a minimal system without
    /etc/hosts cannot resolve."""

    @property
    def service_url(self):
        return 'http://127.0.0.1:%d' % self.port

    def is_connectable(self):
        return utils.is_connectable(self.port, '127.0.0.1')


class HoldingHandler(QuietHandler):
    """Answers a request for one of the held files only once the release is set, as a slow
    network would deliver it."""

    held = ()
    release = None

    def do_GET(self):
        if self.path.split('?')[0].lstrip('/') in self.held:
            self.release.wait(60)
        super().do_GET()


@contextlib.contextmanager
def served(folder, held=(), release=None, wasm_type='application/wasm'):
    """Serves the folder on 127.0.0.1, on a free port; yields the address of its root. The held
    files are answered only once the release (a threading.Event) is set. WebAssembly is sent
    with the type given: 'application/octet-stream', as many simple hosts send it, refuses it to
    a browser's compiling as it downloads."""
    types = {**HoldingHandler.extensions_map, '.wasm': wasm_type}
    holding = type('Holding', (HoldingHandler,), {'held': tuple(held), 'release': release,
                                                  'extensions_map': types})
    handler = functools.partial(holding, directory=folder)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield 'http://127.0.0.1:%d/' % server.server_address[1]
    finally:
        server.shutdown()
        server.server_close()


@contextlib.contextmanager
def chromium(width=1280, height=900, language='fr-FR', wait_for_load=True):
    """A headless Chromium with its own empty profile, its window of the size given, and the
    languages given (a browser's Accept-Language list). The browser is started here and the driver
    attached to it at 127.0.0.1, so that nothing needs "localhost" to resolve. Unless it waits for
    each page to load, the driver reaches a page as soon as it has one."""
    profile = tempfile.mkdtemp(prefix='formules-chromium-')
    os.makedirs(os.path.join(profile, 'Default'))
    with open(os.path.join(profile, 'Default', 'Preferences'), 'w', encoding='utf-8') as file:
        json.dump({'intl': {'accept_languages': language}}, file)
    arguments = [CHROMIUM, '--headless=new', '--no-sandbox', '--disable-gpu',
                 '--disable-dev-shm-usage', '--disable-quic', '--no-first-run',
                 '--disable-background-networking', '--disable-component-update',
                 '--disable-sync', '--disable-extensions', '--disable-default-apps',
                 '--mute-audio', '--window-size=%d,%d' % (width, height),
                 '--lang=' + language.split(',')[0], '--user-data-dir=' + profile,
                 '--remote-debugging-port=0', 'about:blank']
    process = subprocess.Popen(arguments, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    driver = None
    try:
        options = webdriver.ChromeOptions()
        options.debugger_address = '127.0.0.1:%d' % debugging_port(profile, process)
        options.page_load_strategy = 'normal' if wait_for_load else 'none'
        driver = webdriver.Chrome(service=LoopbackService(CHROMEDRIVER), options=options)
        driver.set_script_timeout(90)
        yield driver
    finally:
        if driver is not None:
            driver.quit()
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
        shutil.rmtree(profile, ignore_errors=True)


def debugging_port(profile, process, timeout=30):
    """The port Chromium's DevTools listen on, once it has written it into its profile."""
    path = os.path.join(profile, 'DevToolsActivePort')
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if process.poll() is not None:
            raise RuntimeError('Chromium ended with status %d' % process.returncode)
        try:
            with open(path, encoding='ascii') as file:
                port = file.readline().strip()
            if port.isdigit() and utils.is_connectable(int(port), '127.0.0.1'):
                return int(port)
        except OSError:
            pass
        time.sleep(0.05)
    raise RuntimeError('Chromium did not open its DevTools port')


def wait_for(driver, script, timeout=30):
    """Waits until the script returns a true value in the page; returns that value."""
    from selenium.webdriver.support.ui import WebDriverWait
    return WebDriverWait(driver, timeout, poll_frequency=0.05).until(
        lambda d: d.execute_script(script))


def build_folder():
    """The web build: FORMULES_WEB_BUILD, or build-web beside the sources."""
    here = os.path.dirname(os.path.abspath(__file__))
    return os.environ.get('FORMULES_WEB_BUILD',
                          os.path.join(here, os.pardir, os.pardir, 'build-web'))
