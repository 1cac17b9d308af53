#!/usr/bin/env python3
"""Copies the build's sources for clang, which cannot compile narrow literals to Windows-1252:
every character beyond ASCII in a narrow string or character literal becomes the octal escape of
its Windows-1252 byte ("Maß" -> "Ma\\337"), so the program holds the same bytes as GCC's build.
Wide, UTF-8 and UTF-16 literals, comments and everything else stay as they are. Only files whose
text changes are written again, so that rebuilds stay incremental.

    cp1252_kopie.py QUELLORDNER ZIELORDNER
"""
import pathlib
import sys

ORDNER = ["cmake", "src", "tools", "tests", "fuzz"]
DATEIEN = ["CMakeLists.txt"]
PRAEFIXE = {"u8", "u", "U", "L"}


def escaped(inhalt):
    """The literal's content with every non-ASCII character as an octal byte escape."""
    return "".join(c if ord(c) < 128 else "\\%03o" % c.encode("cp1252")[0] for c in inhalt)


def literal_ende(text, i, quote):
    """Index behind the literal whose opening quote is at i."""
    j = i + 1
    while j < len(text) and text[j] != quote:
        j += 2 if text[j] == "\\" else 1
    return j + 1


def roh_ende(text, i):
    """Index behind the raw literal whose opening quote is at i, and its content."""
    klammer = text.index("(", i)
    trenner = ")" + text[i + 1:klammer] + '"'
    ende = text.index(trenner, klammer)
    return ende + len(trenner), text[klammer + 1:ende]


def als_gewoehnlich(inhalt):
    """A raw literal's content as an ordinary literal's content."""
    ersatz = {"\\": "\\\\", '"': '\\"', "\n": "\\n", "\t": "\\t"}
    return "".join(ersatz.get(c, c) for c in inhalt)


def wandle(text):
    aus = []
    i = 0
    n = len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
        elif text.startswith("/*", i):
            j = text.index("*/", i + 2) + 2
        elif c.isalpha() or c == "_":
            j = i
            while j < n and (text[j].isalnum() or text[j] == "_"):
                j += 1
            name = text[i:j]
            if j < n and text[j] in "\"'":
                roh = name.endswith("R") and text[j] == '"'
                praefix = name[:-1] if roh else name
                if praefix in PRAEFIXE or (roh and praefix == ""):
                    if roh:
                        ende, inhalt = roh_ende(text, j)
                        if praefix == "" and any(ord(z) > 127 for z in inhalt):
                            aus.append('"' + escaped(als_gewoehnlich(inhalt)) + '"')
                        else:
                            aus.append(text[i:ende])
                    else:
                        ende = literal_ende(text, j, text[j])
                        aus.append(text[i:ende])
                    i = ende
                    continue
        elif c.isdigit():
            j = i + 1
            while j < n and (text[j].isalnum() or text[j] in "_.'" or
                             (text[j] in "+-" and text[j - 1] in "eEpP")):
                j += 1
        elif c in "\"'":
            j = literal_ende(text, i, c)
            aus.append(escaped(text[i:j]))
            i = j
            continue
        else:
            j = i + 1
        aus.append(text[i:j])
        i = j
    return "".join(aus)


def main():
    quelle = pathlib.Path(sys.argv[1]).resolve()
    ziel = pathlib.Path(sys.argv[2])
    dateien = [quelle / d for d in DATEIEN]
    for ordner in ORDNER:
        dateien += [p for p in (quelle / ordner).rglob("*") if p.is_file()]
    for pfad in dateien:
        neu = ziel / pfad.relative_to(quelle)
        if pfad.suffix in (".cpp", ".h"):
            inhalt = wandle(pfad.read_text(encoding="utf-8")).encode("utf-8")
        else:
            inhalt = pfad.read_bytes()
        if not neu.exists() or neu.read_bytes() != inhalt:
            neu.parent.mkdir(parents=True, exist_ok=True)
            neu.write_bytes(inhalt)


if __name__ == "__main__":
    main()
