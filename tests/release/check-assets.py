#!/usr/bin/env python3
"""Checks the desktop assets against each other, and the help: every page in every
language, every link resolving, every tag closed.

Usage: check-assets.py <source-dir>
"""
import html.parser
import pathlib
import re
import struct
import sys
import xml.etree.ElementTree as ElementTree

APP_ID = "io.github.pipwright.Pipwright"
# The help page of each game at a table, as F1 there opens it.
TABLE_PAGES = [f"{name}.html" for name in
               ("partners", "block", "draw", "all-fives", "fives-and-threes")]


class Anchors(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.names = set()
        self.links = []
        self.unbalanced = []
        self.open = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "a":
            if "name" in attrs:
                self.names.add(attrs["name"])
            href = attrs.get("href", "")
            if href and "://" not in href:
                self.links.append(href)
        if tag in ("table", "tr", "ul", "ol", "h1", "h2", "h3", "p"):
            self.open.append(tag)

    def handle_endtag(self, tag):
        if tag in ("table", "tr", "ul", "ol", "h1", "h2", "h3", "p"):
            if not self.open or self.open[-1] != tag:
                self.unbalanced.append(tag)
            else:
                self.open.pop()


def help_problems(folder):
    """Each language's pages, as help.qrc builds them in, with their links and tags."""
    problems = []
    qrc = ElementTree.parse(folder / "help.qrc").getroot()
    languages = {}
    for resource in qrc.iter("qresource"):
        pages = languages.setdefault(resource.get("lang", "en"), {})
        for entry in resource.iter("file"):
            pages[entry.get("alias", entry.text)] = folder / entry.text
    english = set(languages.get("en", {}))
    for table_page in TABLE_PAGES:
        if table_page not in english:
            problems.append(f"help: {table_page} is not in help.qrc")
    for language, pages in sorted(languages.items()):
        if set(pages) != english:
            problems.append(f"help ({language}): pages {sorted(set(pages) ^ english)} differ")
        parsed = {}
        for name, path in pages.items():
            if not path.is_file():
                problems.append(f"help ({language}): {path.name} is missing")
                continue
            parsed[name] = Anchors()
            parsed[name].feed(path.read_text(encoding="utf-8"))
            if parsed[name].unbalanced or parsed[name].open:
                problems.append(f"help: {path.name} has unbalanced tags "
                                f"{parsed[name].unbalanced + parsed[name].open}")
        for name, page in sorted(parsed.items()):
            for link in page.links:
                target, _, anchor = link.partition("#")
                target = target or name
                if target not in parsed:
                    problems.append(f"help ({language}): {name} links to {link}, no such page")
                elif anchor and anchor not in parsed[target].names:
                    problems.append(f"help ({language}): {name} links to {link}, no anchor")
        index = parsed.get("index.html")
        for table_page in TABLE_PAGES:
            if index and table_page not in index.links:
                problems.append(f"help ({language}): the contents do not link to {table_page}")
    return problems


def png_size(path):
    if not path.is_file():
        return None
    data = path.read_bytes()[:24]
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", data[16:24])


def main():
    source = pathlib.Path(sys.argv[1])
    problems = []

    problems += help_problems(source / "ui/help")

    for size in (48, 128):
        icon = source / f"data/icons/{size}x{size}/{APP_ID}.png"
        if png_size(icon) != (size, size):
            problems.append(f"{icon.name} in {size}x{size} is {png_size(icon)}")

    desktop = (source / f"data/{APP_ID}.desktop").read_text(encoding="utf-8")
    if not re.search(rf"^Icon={re.escape(APP_ID)}$", desktop, re.M):
        problems.append("desktop file: Icon does not name the installed icon")

    component = ElementTree.parse(source / f"data/{APP_ID}.metainfo.xml.in").getroot()
    if component.findtext("id") != APP_ID:
        problems.append("metainfo: id differs from the application id")
    if component.findtext("launchable") != f"{APP_ID}.desktop":
        problems.append("metainfo: launchable does not name the desktop file")
    # A software centre fetches the screenshots from the repository at the release's tag.
    shots = [image.text for image in component.iter("image")]
    if not shots:
        problems.append("metainfo: no screenshots")
    for url in shots:
        name = url.rsplit("/data/screenshots/", 1)[-1]
        if "/" in name or png_size(source / "data/screenshots" / name) is None:
            problems.append(f"metainfo: screenshot {url} is not a PNG in data/screenshots")

    for problem in problems:
        print("FAIL:", problem)
    if problems:
        return 1
    print("assets consistent")
    return 0


if __name__ == "__main__":
    sys.exit(main())
