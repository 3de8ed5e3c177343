#!/usr/bin/python3
"""Compiles the translations po/*.po into one C++ source for the lens
library, which the desktop and the page both link: a table per language,
sorted by the German text, with the language's own name and decimal
separator from its header.

    katalog.py AUSGABE.cpp sprache.po...

A new language is a new .po file beside en.po; no code changes. Entries that
are fuzzy or untranslated are left out, so the German text shows.
"""

import os
import sys


def unescape(text):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == '\\' and i + 1 < len(text):
            n = text[i + 1]
            out.append({'n': '\n', 't': '\t', '"': '"', '\\': '\\'}.get(n, '\\' + n))
            i += 2
        else:
            out.append(c)
            i += 1
    return ''.join(out)


def lesen(pfad):
    """The entries of a .po file as (msgid, msgstr, flags), header included."""
    eintraege, akt, feld = [], None, None

    def abschliessen():
        if akt is not None and 'msgid' in akt:
            eintraege.append((akt['msgid'], akt.get('msgstr', ''), akt['flags']))

    with open(pfad, encoding='utf-8') as f:
        for nr, zeile in enumerate(f, 1):
            zeile = zeile.strip()
            if not zeile:
                continue
            if zeile.startswith('#,'):
                if akt is not None and 'msgid' in akt:
                    abschliessen()
                    akt = None
                akt = akt or {'flags': set()}
                akt['flags'] |= {s.strip() for s in zeile[2:].split(',')}
                continue
            if zeile.startswith('#'):
                if akt is not None and 'msgid' in akt:
                    abschliessen()
                    akt = None
                continue
            for schluessel in ('msgctxt', 'msgid_plural', 'msgid', 'msgstr'):
                if zeile.startswith(schluessel + ' '):
                    if schluessel in ('msgctxt', 'msgid_plural'):
                        sys.exit(f'{pfad}:{nr}: {schluessel} is not used by this program')
                    if schluessel == 'msgid' and akt is not None and 'msgid' in akt:
                        abschliessen()
                        akt = None
                    akt = akt or {'flags': set()}
                    feld = schluessel
                    akt[feld] = unescape(zeile[len(schluessel) + 1:].strip()[1:-1])
                    break
            else:
                if zeile.startswith('"') and akt is not None and feld:
                    akt[feld] += unescape(zeile[1:-1])
                else:
                    sys.exit(f'{pfad}:{nr}: cannot read "{zeile}"')
    abschliessen()
    return eintraege


def cxx(text):
    """A C++ string literal of UTF-8 text."""
    out = text.replace('\\', '\\\\').replace('"', '\\"').replace('\n', '\\n').replace('\t', '\\t')
    return '"' + out + '"'


def kopf(eintraege):
    for msgid, msgstr, _ in eintraege:
        if msgid == '':
            return dict(z.split(':', 1) for z in msgstr.splitlines() if ':' in z)
    return {}


def main():
    ausgabe, dateien = sys.argv[1], sorted(sys.argv[2:])
    teile = ['// Generated from the translations in po/ by po/katalog.py; do not edit.',
             '#include "sprache.h"', '', 'namespace sprache::katalog {', '']
    sprachen = []
    for pfad in dateien:
        code = os.path.splitext(os.path.basename(pfad))[0]
        eintraege = lesen(pfad)
        k = {a.strip(): b.strip() for a, b in kopf(eintraege).items()}
        name = k.get('X-Language-Name') or sys.exit(f'{pfad}: header X-Language-Name is missing')
        trenner = k.get('X-Decimal-Separator') or sys.exit(f'{pfad}: header X-Decimal-Separator is missing')
        if len(trenner) != 1:
            sys.exit(f'{pfad}: X-Decimal-Separator must be one character')
        paare = sorted((m.encode(), s) for m, s, flags in eintraege
                       if m and s and 'fuzzy' not in flags)
        teile.append(f'static const Eintrag eintraege_{code}[] = {{')
        teile += [f'    {{{cxx(m.decode())}, {cxx(s)}}},' for m, s in paare]
        teile += ['};', '']
        sprachen.append(f'    {{{cxx(code)}, {cxx(name)}, \'{trenner}\', eintraege_{code}, {len(paare)}}},')
    teile += ['const Sprache sprachen[] = {', '    {"de", "Deutsch", \',\', nullptr, 0},'] + sprachen
    teile += ['};', f'const int anzahl = {len(sprachen) + 1};', '', '}  // namespace sprache::katalog', '']
    neu = '\n'.join(teile)
    if not os.path.exists(ausgabe) or open(ausgabe, encoding='utf-8').read() != neu:
        with open(ausgabe, 'w', encoding='utf-8') as f:
            f.write(neu)


if __name__ == '__main__':
    main()
