#!/usr/bin/python3
"""Every text a user can see has a translation in every catalogue, with the
same placeholders and the same number of access keys; and msgfmt accepts
each catalogue. Run by ctest as "katalog"."""

import os
import re
import subprocess
import sys
import tempfile

WURZEL = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
sys.path.insert(0, os.path.join(WURZEL, 'po'))
from katalog import lesen  # noqa: E402


def platzhalter(text):
    return sorted(re.findall(r'%[1-9]', text))


def zugriffstasten(text):
    return len(re.findall(r'&(?!&)\S', text.replace('&&', '')))


def main():
    fehler = []
    with tempfile.TemporaryDirectory() as tmp:
        vorlage = os.path.join(tmp, 'vandrel.pot')
        subprocess.run([os.path.join(WURZEL, 'po', 'auszug.sh'), vorlage], check=True)
        quelle = [m for m, _, _ in lesen(vorlage) if m]
    if not quelle:
        fehler.append('no marked texts found in the sources')
    kataloge = sorted(f for f in os.listdir(os.path.join(WURZEL, 'po')) if f.endswith('.po'))
    for name in kataloge:
        pfad = os.path.join(WURZEL, 'po', name)
        pruefung = subprocess.run(['msgfmt', '--check', '-o', os.devnull, pfad], capture_output=True, text=True)
        if pruefung.returncode != 0:
            fehler.append(f'{name}: msgfmt --check: {pruefung.stderr.strip()}')
        uebersetzt = {m: (s, flags) for m, s, flags in lesen(pfad) if m}
        for m in quelle:
            s, flags = uebersetzt.get(m, ('', set()))
            if not s or 'fuzzy' in flags:
                fehler.append(f'{name}: no translation of "{m}"')
            elif platzhalter(s) != platzhalter(m):
                fehler.append(f'{name}: placeholders of "{s}" differ from "{m}"')
            elif zugriffstasten(s) != zugriffstasten(m):
                fehler.append(f'{name}: access keys of "{s}" differ from "{m}"')
    for f in fehler:
        print(f)
    print(f'{len(quelle)} texts, {len(kataloge)} catalogues, {len(fehler)} faults')
    return 1 if fehler else 0


if __name__ == '__main__':
    sys.exit(main())
