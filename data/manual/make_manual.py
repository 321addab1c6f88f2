#!/usr/bin/env python3
"""Writes the user manual: <language>/index.html for every language below.

The names of menus, buttons and controls are taken from the program's own
language files (data/language/<language>.ini), so that the manual names each
of them exactly as the program shows it; the prose of each language lives in
manual_<language>.py beside this script. Run it after a language file or a
text changes:

    python3 data/manual/make_manual.py

The screenshots in images/ are shared by all languages.
"""

import html
import importlib
import pathlib
import re
import struct
import sys

HERE = pathlib.Path(__file__).resolve().parent
LANGUAGE_DIR = HERE.parent / "language"

# Language file base name, HTML language tag, direction, name in the language
# itself. The base name is also the manual's folder.
LANGUAGES = [
    ("english", "en", "ltr", "English"),
    ("german", "de", "ltr", "Deutsch"),
    ("spanish", "es", "ltr", "Español"),
    ("arabic", "ar", "rtl", "العربية"),
    ("japanese", "ja", "ltr", "日本語"),
    ("korean", "ko", "ltr", "한국어"),
    ("simplifiedChinese", "zh-Hans", "ltr", "简体中文"),
    ("traditionallChinese", "zh-Hant", "ltr", "繁體中文"),
]

STYLE = """
body { font-family: sans-serif; line-height: 1.5; max-width: 60em; margin: 0 auto; padding: 0 1em 2em; color: #222; }
header { border-bottom: 2px solid #c00; margin-bottom: 1em; }
nav.languages { font-size: 0.9em; }
nav.languages a, nav.languages strong { margin-inline-end: 0.8em; }
h1 { margin-bottom: 0.2em; }
h2 { border-bottom: 1px solid #ccc; margin-top: 2em; }
figure { margin: 1em 0; }
figure img { max-width: 100%; height: auto; border: 1px solid #ccc; }
figcaption { font-size: 0.9em; color: #555; }
.ui { font-weight: bold; }
kbd { border: 1px solid #aaa; border-radius: 3px; padding: 0 0.3em; background: #f5f5f5; font-family: monospace; }
pre, code { font-family: monospace; background: #f5f5f5; }
pre { padding: 0.6em; overflow-x: auto; direction: ltr; text-align: left; }
table { border-collapse: collapse; margin: 1em 0; }
th, td { border: 1px solid #ccc; padding: 0.3em 0.6em; text-align: start; vertical-align: top; }
th { background: #f0f0f0; }
.note { background: #fff8e0; border-inline-start: 4px solid #e0b000; padding: 0.4em 0.8em; }
"""


def read_language(base):
    """The key → text table of one language file, as the program reads it."""
    table = {}
    path = LANGUAGE_DIR / f"{base}.ini"
    for line in path.read_text(encoding="utf-8-sig").splitlines():
        if not line or line[0] in ";[" or "=" not in line:
            continue
        key, value = line.split("=", 1)
        value = value.strip()
        if len(value) >= 2 and value[0] == value[-1] == '"':
            value = value[1:-1]
        table[key.strip()] = value
    return table


def shown(text):
    """A text as the reader sees it named: without the accelerator marks,
    the trailing colon and the trailing dots of a command that opens a dialog."""
    text = re.sub(r"\(&.\)", "", text).replace("&&", "\0").replace("&", "").replace("\0", "&")
    text = text.strip()
    for end in ("...", "…", ":", "：", " :"):
        if text.endswith(end):
            text = text[: -len(end)].rstrip()
    return text


def png_size(path):
    data = path.read_bytes()[:24]
    return struct.unpack(">II", data[16:24])


# The command-line tool's commands and the udev rule's installation: the same
# in every language.
CLI_USAGE = """tessel-cli COMMAND [ARGS]
tessel-cli COMMAND --help | --help | --version

tessel-cli list FILE.led [--json]
tessel-cli resave IN.led OUT.led
tessel-cli render FILE.led [-p N] [--screen RxC] -o OUT.bmp
tessel-cli image FILE.led [--screen RxC] [--planes P] -o OUT.bin
tessel-cli play FILE.led [--screen RxC] [--planes P] [--zoom N] [--program N] -o OUT.gif
tessel-cli import-picture IN --screen RxC [--planes P] [--threshold T] [--dither] [--invert] -o OUT.bmp
tessel-cli say TEXT|- [--effect N] [--speed 1-6] [--stay 1-6] [--exit N] [--loops N]
           [--border N] [--font FACE] [--size POINTS] [--colour C] [--background C]
           [--bold] [--italic] [--align left|centre|right] [--arabic] [-o FILE.led]
           [DEVICE OPTIONS]
tessel-cli send FILE.led [DEVICE OPTIONS]
tessel-cli devices [--json] [--device usb|sim]
tessel-cli search [DEVICE OPTIONS]
tessel-cli clear [DEVICE OPTIONS]
tessel-cli brightness [0|1|2] [DEVICE OPTIONS]
tessel-cli get-params [DEVICE OPTIONS]
tessel-cli set-params [--id N] [--height 12|14|16] [--width W] [--rgb R|RG|RGB]
                      [--oe Low|High] [--data 595|5026] [DEVICE OPTIONS]

DEVICE OPTIONS:
  --device usb|sim      the badge on USB (default) or the simulated badge
  --device-path PATH    the badge at this hidraw path (see 'tessel-cli devices')
  --sim-dump FILE       write the image the simulated badge received
  --sim-log FILE        write every packet exchanged, one line of hex each
  --sim-fault KIND      the simulated badge misbehaves: silent, late, bad-crc,
                        refuse, reject, stop-after=K, unplug-after=K
  --sim-latency MS      the simulated badge answers each report after MS ms"""

CLI_EXAMPLES = """tessel-cli list badge.led
tessel-cli list badge.led --json
tessel-cli say "Hello Tessel!" --effect 2 --colour yellow
echo "Back at 3 pm" | tessel-cli say - -o note.led
tessel-cli say -- "-5 degrees"
tessel-cli devices
tessel-cli import-picture photo.jpg --screen 12x48 --dither -o photo-led.bmp
tessel-cli render badge.led -p 2 --screen 12x48 -o preview.bmp
tessel-cli send badge.led
tessel-cli brightness 1
tessel-cli send badge.led --device sim --sim-dump sent.bin
tessel-cli say --help"""

UDEV_STEPS = """sudo cp data/udev/70-k9057r-badge.rules /etc/udev/rules.d/
sudo udevadm control --reload-rules
sudo udevadm trigger"""

UDEV_RULE = (HERE.parent / "udev" / "70-k9057r-badge.rules").read_text(encoding="utf-8").strip()

BLOCKS = {"cli": CLI_USAGE, "examples": CLI_EXAMPLES, "udev": UDEV_STEPS, "rule": UDEV_RULE}


def expand(text, table):
    """{k:key} → the program's text of key; {img:file|caption} → a figure;
    {pre:name} → one of the shared blocks."""

    def key(match):
        name = match.group(1)
        if name not in table:
            sys.exit(f"missing language key {name}")
        return f'<span class="ui">{html.escape(shown(table[name]))}</span>'

    def image(match):
        name, caption = match.group(1), match.group(2)
        width, height = png_size(HERE / "images" / name)
        return (
            f'<figure><img src="../images/{name}" width="{width}" height="{height}" '
            f'alt="{html.escape(re.sub("<[^>]+>", "", caption), quote=True)}">'
            f"<figcaption>{caption}</figcaption></figure>"
        )

    text = re.sub(r"\{pre:(\w+)\}", lambda m: f"<pre><code>{html.escape(BLOCKS[m.group(1)])}</code></pre>", text)
    text = re.sub(r"\{k:(\w+)\}", key, text)
    return re.sub(r"\{img:([\w.-]+)\|([^}]*)\}", image, text)


def page(base, tag, direction, manual, languages):
    table = read_language(base)
    sections = [(sid, title, expand(body, table)) for sid, title, body in manual.SECTIONS]
    out = [
        "<!DOCTYPE html>",
        f'<html lang="{tag}" dir="{direction}">',
        "<head>",
        '<meta charset="utf-8">',
        '<meta name="viewport" content="width=device-width, initial-scale=1">',
        f"<title>{html.escape(manual.TITLE)}</title>",
        f"<style>{STYLE}</style>",
        "</head>",
        "<body>",
        "<header>",
        f"<h1>{html.escape(manual.TITLE)}</h1>",
        f'<nav class="languages" aria-label="{html.escape(manual.LANGUAGES_LABEL)}">',
    ]
    for other, other_tag, _, other_name in languages:
        if other == base:
            out.append(f"<strong>{html.escape(other_name)}</strong>")
        else:
            out.append(f'<a href="../{other}/index.html" hreflang="{other_tag}" lang="{other_tag}">'
                       f"{html.escape(other_name)}</a>")
    out += ["</nav>", "</header>", f'<nav aria-label="{html.escape(manual.CONTENTS)}">',
            f"<h2>{html.escape(manual.CONTENTS)}</h2>", "<ol>"]
    for sid, title, _ in sections:
        out.append(f'<li><a href="#{sid}">{html.escape(title)}</a></li>')
    out += ["</ol>", "</nav>", "<main>"]
    # Pages of other languages than the screenshots' say so once.
    if getattr(manual, "SCREENSHOT_NOTE", ""):
        out.append(f'<p class="note">{html.escape(manual.SCREENSHOT_NOTE)}</p>')
    for sid, title, body in sections:
        out += [f'<section id="{sid}">', f"<h2>{html.escape(title)}</h2>", body.strip(), "</section>"]
    out += ["</main>", "</body>", "</html>", ""]
    folder = HERE / base
    folder.mkdir(exist_ok=True)
    (folder / "index.html").write_text("\n".join(out), encoding="utf-8")


def main():
    sys.dont_write_bytecode = True
    sys.path.insert(0, str(HERE))
    languages = [entry for entry in LANGUAGES if (HERE / f"manual_{entry[0]}.py").exists()]
    for base, tag, direction, _ in languages:
        page(base, tag, direction, importlib.import_module(f"manual_{base}"), languages)


if __name__ == "__main__":
    main()
