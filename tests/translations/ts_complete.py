#!/usr/bin/env python3
"""Fails when a translation source is not finished: a message without a translation,
one still marked unfinished, or one whose placeholders (%1, %2, ...) or access-key
markers ("&", not "&&") differ from its source text."""
import re
import sys
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%\d+")


def access_keys(text):
    return len(re.findall(r"(?<!&)&(?!&)", text.replace("&&", "")))


def problems(path):
    for message in ElementTree.parse(path).getroot().iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        text = translation.text if translation is not None else None
        kind = translation.get("type") if translation is not None else None
        if not text or kind in ("unfinished", "vanished", "obsolete"):
            yield f"not translated: {source!r}"
            continue
        if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
            yield f"placeholders differ: {source!r} -> {text!r}"
        if access_keys(source) != access_keys(text):
            yield f"access keys differ: {source!r} -> {text!r}"


failed = False
for path in sys.argv[1:]:
    for problem in problems(path):
        print(f"{path}: {problem}")
        failed = True
sys.exit(1 if failed else 0)
