"""The site's start against a bare page, in headless Chromium: the time from navigation to the
first contentful paint, which on the site is its main window drawn and on the bare page its one
button, and to the moment the program is ready to take a click (the page marks it). Measured on
a first visit (no cache, no service worker) and on a visit with the service worker installed,
the two pages interleaved. Prints a Markdown table of medians (min-max).

    python3 bench/web_start.py RUNS
"""
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, 'tests',
                                'web'))
import browser  # noqa: E402

FIRST_PAINT = ("const e = performance.getEntriesByName('first-contentful-paint')[0];"
               "return e ? e.startTime : null;")
READY = ("const e = performance.getEntriesByName('formules-ready')[0];"
         "return e ? e.startTime : null;")
SITE_KEPT = 'return navigator.serviceWorker.controller !== null'


def visit(driver, address, ready):
    driver.get('about:blank')
    driver.get(address)
    painted = browser.wait_for(driver, FIRST_PAINT)
    return painted, browser.wait_for(driver, READY) if ready else None


def measure(driver, site, bare, runs):
    times = {'drawn': [], 'ready': [], 'bare': []}
    for _ in range(runs):
        drawn, ready = visit(driver, site, True)
        times['drawn'].append(drawn)
        times['ready'].append(ready)
        times['bare'].append(visit(driver, bare, False)[0])
    return times


def first_visits(site, bare, runs):
    with browser.chromium() as driver:
        driver.execute_cdp_cmd('Network.enable', {})
        driver.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})
        driver.execute_cdp_cmd('Network.setBypassServiceWorker', {'bypass': True})
        return measure(driver, site, bare, runs)


def visits_with_the_service_worker(site, bare, runs):
    with browser.chromium() as driver:
        driver.get(site)
        browser.wait_for(driver, READY)
        driver.refresh()
        browser.wait_for(driver, SITE_KEPT)
        return measure(driver, site, bare, runs)


def spread(values):
    return '%.0f (%.0f-%.0f)' % (statistics.median(values), min(values), max(values))


def main(runs):
    site_folder = os.path.join(browser.build_folder(), 'site')
    bare_folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'web')
    print('| visit, %d runs | site: main window drawn (ms) | site: program ready (ms) | '
          'bare page: button drawn (ms) | drawn / bare | ready / bare |' % runs)
    print('|---|---|---|---|---|---|')
    with browser.served(site_folder) as site, browser.served(bare_folder) as bare_root:
        bare = bare_root + 'bare.html'
        for name, measured in (('first visit', first_visits),
                               ('with the service worker', visits_with_the_service_worker)):
            times = measured(site, bare, runs)
            bare_median = statistics.median(times['bare'])
            print('| %s | %s | %s | %s | %.2f | %.2f |' % (
                name, spread(times['drawn']), spread(times['ready']), spread(times['bare']),
                statistics.median(times['drawn']) / bare_median,
                statistics.median(times['ready']) / bare_median))


if __name__ == '__main__':
    main(max(15, int(sys.argv[1])) if len(sys.argv) > 1 else 30)
