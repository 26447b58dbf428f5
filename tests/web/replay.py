"""formules-replay for the web: runs a script of user events (standard input) on the program's
windows in a page in headless Chromium, and prints its transcript (standard output), with the
exit status formules-replay gives: 0, 1 after a bad line, 2 for a bad command line.

    python3 tests/web/replay.py [--language LANGUAGE] < SCRIPT
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

USAGE = 'usage: replay-web [--language LANGUAGE] < SCRIPT\n'


def main(arguments):
    language = 'fr'
    if arguments[:1] == ['--language'] and len(arguments) == 2:
        language = arguments[1]
    elif arguments:
        sys.stderr.write(USAGE)
        return 2
    script = sys.stdin.buffer.read().decode('utf-8')
    site = os.path.join(browser.build_folder(), 'replay-site')
    with browser.served(site) as address, browser.chromium() as driver:
        driver.get(address)
        result = driver.execute_async_script(
            'const done = arguments[arguments.length - 1];'
            'window.formulesReplay(arguments[0], arguments[1])'
            '  .then(done, (error) => done("\\nreplay failed: " + error));',
            script, language)
    transcript, _, status = result.rpartition('\n')
    if not status.isdigit():
        sys.stderr.write(result + '\n')
        return 3
    sys.stdout.buffer.write(transcript.encode('utf-8'))
    if status == '2':
        sys.stderr.write(USAGE)
    return int(status)


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
