#!/usr/bin/env python3
"""In each language no English text is left where a user looks: every page, every menu,
the tabs, the status bar, the finder, the about box, the favourite question, the Quote page
with its items, its Clear All question and its damaged-list notice, and the quote's PDF.
Every text the window shows is compared with the translation sources: a text (or the
caption it starts with, or a pattern it fills) that is a source text whose translation
differs from it is English left over.
Material names, units and figures are no source texts and pass.
Usage: no_english.py DRIVER TABLE TS_FOLDER LANGUAGE..."""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

PAGES = ["Round", "Polygon", "Flat/Square", "Plate/Sheet", "Tube", "Hollow Section",
         "Turning", "CE", "M/I", "Calc", "Quote"]
MENUS = [["#0"], ["#1"], ["#2"], ["#2", "#1"], ["#2", "#2"], ["#2", "#3"], ["#3"]]


def plain(text):
    return text.split("\t")[0].replace("&&", "\0").replace("&", "").replace("\0", "&").strip()


def english_left_over(ts_path):
    """The source texts whose translation differs, without access-key markers."""
    english = set()
    for message in ElementTree.parse(ts_path).getroot().iter("message"):
        source = plain(message.findtext("source") or "")
        if source and source != plain(message.findtext("translation") or ""):
            english.add(source)
    return english


def pattern_of(source):
    """A source with placeholders ("Page %1 of %2") as a pattern its filled texts match."""
    return re.compile(".+".join(re.escape(part) for part in re.split(r"%\d", source)))


def pdf_text(path):
    return subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True,
                          check=True, timeout=60).stdout


def shown_texts(driver, table, language):
    folder = tempfile.mkdtemp()
    try:
        os.makedirs(os.path.join(folder, "bin"))
        os.makedirs(os.path.join(folder, "Data"))
        shutil.copy(table, os.path.join(folder, "Data"))
        # A damaged quote list, reported at start.
        with open(os.path.join(folder, "bin", "Quote.csv"), "w", encoding="utf-8") as damaged:
            damaged.write("no quote\n")
        commands = [["start"], ["tabs"], ["statusbar"]]
        commands += [["menuitems", *menu] for menu in MENUS]
        for page in PAGES:
            commands += [["page", page], ["layout"]]
        commands += [["page", "Round"], ["focus", "RDiaEdit"], ["type", "50\r3000\r4"],
                     ["layout"], ["key", "Ctrl+F"], ["layout", "MaterialFinder"],
                     ["window"], ["key", "Escape"], ["menu", "Help", "About"],
                     ["layout", "AboutBox1"], ["window"], ["key", "Escape"],
                     ["menu", "#1", "#1"], ["answer", "no"],
                     # A round bar, a hexagon and a plate on the quote, its PDF, and the
                     # question before the list is cleared.
                     ["click", "RAddBtn"], ["page", "Polygon"], ["focus", "PAFEdit"],
                     ["type", "30\r1000\r2"], ["click", "PAddBtn"], ["page", "Plate/Sheet"],
                     ["focus", "SLengthEdit"], ["type", "500\r400\r10\r1"], ["click", "SAddBtn"],
                     ["page", "Quote"], ["layout"], ["get", "QuoteTable"],
                     ["file", os.path.join(folder, "quote.pdf")], ["click", "QuotePdfBtn"],
                     ["answer", "no"], ["click", "QuoteClearBtn"], ["close"]]
        lines = "\n".join(json.dumps(command) for command in commands) + "\n"
        out = subprocess.run([driver, "--program-dir", os.path.join(folder, "bin"),
                              "--language", language], input=lines, text=True,
                             capture_output=True, check=True, timeout=120).stdout
        pdf = pdf_text(os.path.join(folder, "quote.pdf"))
    finally:
        shutil.rmtree(folder)
    texts = []

    def collect(value):
        if isinstance(value, dict):
            for key, item in value.items():
                if key in ("text", "caption", "title", "toolTip") and isinstance(item, str):
                    texts.append(item)
                elif key == "headers":
                    texts.extend(item)
                elif key == "rows":
                    texts.extend(cell for row in item for cell in row)
                elif key in ("visible", "active") and isinstance(item, (list, str)):
                    texts.extend(item if isinstance(item, list) else [item])
                else:
                    collect(item)
        elif isinstance(value, list):
            for item in value:
                collect(item)

    for line in out.splitlines():
        reply = json.loads(line)
        if not reply.get("ok"):
            raise SystemExit(f"driver refused a command: {reply}")
        collect(reply.get("value"))
        collect(reply.get("events"))
    return texts, pdf


def main():
    driver, table, ts_folder, *languages = sys.argv[1:]
    # Material names stay as the table has them, whatever words they hold.
    with open(table, encoding="latin-1") as lines:
        materials = {line.split(",")[0].strip() for line in lines}
    failed = False
    for language in languages:
        english = english_left_over(os.path.join(ts_folder, f"kelvane_{language}.ts"))
        captions = sorted((text for text in english if len(text) > 3), key=len, reverse=True)
        patterns = {source: pattern_of(source) for source in english if re.search(r"%\d", source)}
        texts, pdf = shown_texts(driver, table, language)
        for text in texts:
            shown = plain(text)
            if shown in materials:
                continue
            left = shown if shown in english else next(
                (c for c in captions if shown.startswith(c + " ") or shown.startswith(c + ":")),
                None) or next((s for s, p in patterns.items() if p.fullmatch(shown)), None)
            if left:
                print(f"{language}: English left in {text!r}: {left!r}")
                failed = True
        # The PDF's lines run its cells together: an English caption is found as words.
        for source in captions + list(patterns):
            words = ".+".join(re.escape(part) for part in re.split(r"%\d", source))
            if re.search(r"(?<!\w)" + words.replace(".+", r"\S+") + r"(?!\w)", pdf):
                print(f"{language}: English left in the PDF: {source!r}")
                failed = True
    sys.exit(1 if failed else 0)


main()
