"""The registry of windows and the languages the program speaks, as the web build writes them
(FORMULES_WEB_BUILD/windows.json, from src/shell/Windows.cpp): the browser's tests walk every
window from it, so that a new window is tested without being named in a test."""
import functools
import json
import os


@functools.lru_cache(maxsize=None)
def _registry():
    import browser
    with open(os.path.join(browser.build_folder(), 'windows.json'), encoding='utf-8') as file:
        return json.load(file)


def languages():
    """The languages the program speaks, French first."""
    return _registry()['languages']


def windows():
    """Every window: its name, the entry of the main window that opens it ('' for the main window),
    whether it is a calculator, its design help's label, and a calculator's example: the texts
    typed into its boxes, [box, text] in tab order, then "Calcul", which writes the result box."""
    return _registry()['windows']


def opened():
    """The windows the main window opens, with the entry that opens each."""
    return [w for w in windows() if w['opener']]


def calculators():
    return [w for w in windows() if w['calculator']]
