"""The audits every web developer runs on a page, as a benchmark (never a test): Lighthouse, on its
phone profile (a slow network and processor) and its desktop one, against Debian's Chromium and
the site served over loopback. Prints a Markdown table of the four scores and each audit that
does not pass.

    python3 bench/web_audit.py LIGHTHOUSE    the lighthouse command (npm's, installed by bench/run)
"""
import json
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, 'tests',
                                'web'))
import browser  # noqa: E402

CATEGORIES = ('performance', 'accessibility', 'best-practices', 'seo')
# The audits of a phone's reader and thumb, shown whatever their weight.
WATCHED = ('font-size', 'target-size')


def audit(lighthouse, address, preset):
    with tempfile.TemporaryDirectory(prefix='formules-lighthouse-') as folder:
        report = os.path.join(folder, 'report.json')
        command = [lighthouse, address, '--quiet', '--output=json', '--output-path=' + report,
                   '--chrome-flags=--headless=new --no-sandbox --disable-gpu '
                   '--disable-background-networking --disable-component-update --no-first-run '
                   '--user-data-dir=' + os.path.join(folder, 'profile')]
        if preset == 'desktop':
            command.append('--preset=desktop')
        subprocess.run(command, check=True, env=dict(os.environ, CHROME_PATH=browser.CHROMIUM),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with open(report, encoding='utf-8') as file:
            return json.load(file)


def failing(result):
    """The audits with a score under 1 that count (those weighed in the categories, and the
    watched ones), by title."""
    counted = {ref['id'] for category in result['categories'].values()
               for ref in category['auditRefs'] if ref.get('weight', 0) > 0}
    counted.update(WATCHED)
    return sorted(audit['title'] for key, audit in result['audits'].items()
                  if key in counted and audit.get('score') is not None and audit['score'] < 1)


def verdict(audit):
    score = audit.get('score')
    return 'passes' if score == 1 else 'n/a' if score is None else 'fails (%s)' % score


def main(lighthouse):
    site = os.path.join(browser.build_folder(), 'site')
    print('| Lighthouse | ' + ' | '.join(CATEGORIES + WATCHED) + ' | audits that do not pass |')
    print('|---' * (len(CATEGORIES) + len(WATCHED) + 2) + '|')
    with browser.served(site) as address:
        for preset in ('mobile', 'desktop'):
            result = audit(lighthouse, address, preset)
            scores = [str(round(result['categories'][c]['score'] * 100)) for c in CATEGORIES]
            scores += [verdict(result['audits'].get(a, {})) for a in WATCHED]
            print('| %s | %s | %s |' % (preset, ' | '.join(scores),
                                        '; '.join(failing(result)) or 'none'))


if __name__ == '__main__':
    main(sys.argv[1])
