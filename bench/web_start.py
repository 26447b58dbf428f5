"""The site's start against a bare page, in headless Chromium: the time from navigation to the
first contentful paint, which on the site is the main window drawn, and on the bare page its one
button. Each run is a first visit (no cache, no service worker), the two pages interleaved.
Prints a Markdown table.

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


def main(runs):
    site = os.path.join(browser.build_folder(), 'site')
    bare = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'web')
    times = {'site': [], 'bare': []}
    with browser.served(site) as site_address, browser.served(bare) as bare_address, \
            browser.chromium() as driver:
        driver.execute_cdp_cmd('Network.enable', {})
        driver.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})
        driver.execute_cdp_cmd('Network.setBypassServiceWorker', {'bypass': True})
        for _ in range(runs):
            for name, address in (('site', site_address), ('bare', bare_address + 'bare.html')):
                driver.get('about:blank')
                driver.get(address)
                times[name].append(browser.wait_for(driver, FIRST_PAINT))
    print('| page | navigation to first paint (ms): median (min-max) |')
    print('|---|---|')
    for name, label in (('site', 'the site: its main window'), ('bare', 'bare page: one button')):
        values = times[name]
        print('| %s | %.0f (%.0f-%.0f) |' % (label, statistics.median(values), min(values),
                                             max(values)))
    print('| ratio site / bare | %.2f |' % (statistics.median(times['site']) /
                                            statistics.median(times['bare'])))


if __name__ == '__main__':
    main(int(sys.argv[1]) if len(sys.argv) > 1 else 30)
