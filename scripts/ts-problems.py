#!/usr/bin/env python3
"""Lists what keeps a Qt translation file (.ts) from being complete: ts-problems.py FILE.ts

One line per entry: unfinished, obsolete or vanished, or a translation that lacks a %1 or %n
of its source or the & of its keyboard mnemonic. Exits with 1 when there is any."""
import re
import sys
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%L?(?:n|\d+)")
# An & that marks a mnemonic: not "&&" (a literal &) and not the start of an entity (&nbsp;).
MNEMONIC = re.compile(r"&(?!&|\s|#?\w+;)")


def without_literal_ampersands(text):
    return text.replace("&&", "")


def text(element):
    """The element's text; characters lupdate writes as <byte> elements (tabs) are left out."""
    return "".join(element.itertext()) if element is not None else ""


def problems(message):
    source = text(message.find("source"))
    translation = message.find("translation")
    kind = translation.get("type") if translation is not None else "unfinished"
    if kind in ("obsolete", "vanished"):
        return [f"{kind} (the sources no longer have it)"]
    if kind == "unfinished":
        return ["unfinished"]
    forms = [text(f) for f in translation.findall("numerusform")] or [text(translation)]
    found = []
    for form in forms:
        for placeholder in sorted(set(PLACEHOLDER.findall(source))):
            if placeholder not in form:
                found.append(f"the translation {form!r} lacks {placeholder}")
        if MNEMONIC.search(without_literal_ampersands(source)) and not MNEMONIC.search(
            without_literal_ampersands(form)
        ):
            found.append(f"the translation {form!r} lacks the & of a mnemonic")
    return found


def main(path):
    name = path.rsplit("/", 1)[-1]
    count = 0
    for context in ElementTree.parse(path).getroot().iter("context"):
        context_name = context.findtext("name", "")
        for message in context.iter("message"):
            for problem in problems(message):
                source = text(message.find("source")).replace("\n", "\\n")
                print(f"{name}: {context_name}: {source!r}: {problem}")
                count += 1
    if count:
        print(f"{name}: entries to finish: {count}")
    return 1 if count else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: ts-problems.py FILE.ts")
    sys.exit(main(sys.argv[1]))
