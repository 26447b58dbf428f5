"""Headless Chromium on a folder served over loopback, for the web tests and the replay driver.

Debian's chromium, chromium-driver and python3-selenium; Chromium starts without a display,
without a sandbox (tests run as root) and without reaching for the network.
"""
import contextlib
import functools
import http.server
import os
import shutil
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

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


@contextlib.contextmanager
def served(folder):
    """Serves the folder on 127.0.0.1, on a free port; yields the address of its root."""
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield 'http://127.0.0.1:%d/' % server.server_address[1]
    finally:
        server.shutdown()
        server.server_close()


@contextlib.contextmanager
def chromium(width=1280, height=900, language='fr-FR'):
    """A headless Chromium with its own empty profile, its window of the size given."""
    profile = tempfile.mkdtemp(prefix='formules-chromium-')
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage',
                     '--disable-quic', '--no-first-run', '--disable-background-networking',
                     '--disable-component-update', '--disable-sync', '--disable-extensions',
                     '--disable-default-apps', '--mute-audio',
                     '--window-size=%d,%d' % (width, height), '--lang=' + language,
                     '--user-data-dir=' + profile):
        options.add_argument(argument)
    options.add_experimental_option('prefs', {'intl.accept_languages': language})
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
    try:
        driver.set_script_timeout(90)
        yield driver
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


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
