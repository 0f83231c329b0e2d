#!/usr/bin/env python3
"""In every language, no two entries of one menu and no two controls of one page share an
access key. Drives the window: kelvane-drive LANGUAGE..."""
import json
import subprocess
import sys

# The menus by position, whatever their captions: the menu bar, File, Material,
# Options, its Units and Language submenus, Help.
MENUS = {"menu bar": [], "File": ["#0"], "Material": ["#1"], "Options": ["#2"],
         "Units": ["#2", "#2"], "Language": ["#2", "#3"], "Help": ["#3"]}
PAGES = ["Round", "Polygon", "Flat/Square", "Plate/Sheet", "Tube", "Hollow Section",
         "Turning", "CE", "M/I", "Calc", "Quote"]


def run(driver, language, commands):
    lines = "\n".join(json.dumps(command) for command in commands) + "\n"
    out = subprocess.run([driver, "--language", language], input=lines, text=True,
                         capture_output=True, check=True, timeout=120).stdout
    return [json.loads(line) for line in out.splitlines()]


def duplicates(keys):
    keys = [key.lower() for key in keys if key]
    return sorted({key for key in keys if keys.count(key) > 1})


def check(driver, language):
    commands = [["start"]] + [["menuitems", *path] for path in MENUS.values()]
    for page in PAGES:
        commands += [["page", page], ["layout"]]
    replies = run(driver, language, commands)
    bad = []
    for name, reply in zip(MENUS, replies[1:1 + len(MENUS)]):
        keys = [entry["accessKey"] for entry in reply["value"]]
        if duplicates(keys):
            bad.append(f"{language} {name}: {duplicates(keys)}")
    for index, page in enumerate(PAGES):
        layout = replies[1 + len(MENUS) + 2 * index + 1]["value"]
        keys = []
        for control in layout["controls"]:
            text = control.get("text") or ""
            marker = text.replace("&&", "").find("&")
            if marker >= 0 and marker + 1 < len(text.replace("&&", "")):
                keys.append(text.replace("&&", "")[marker + 1])
        if duplicates(keys):
            bad.append(f"{language} page {page}: {duplicates(keys)}")
    return bad


driver, *languages = sys.argv[1:]
problems = [problem for language in languages for problem in check(driver, language)]
print("\n".join(problems))
sys.exit(1 if problems else 0)
