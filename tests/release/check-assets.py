#!/usr/bin/env python3
"""Checks the desktop assets against each other and the help page's own links.

Usage: check-assets.py <source-dir>
"""
import html.parser
import pathlib
import re
import struct
import sys
import xml.etree.ElementTree as ElementTree

APP_ID = "io.github.pipwright.Pipwright"


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
            if attrs.get("href", "").startswith("#"):
                self.links.append(attrs["href"][1:])
        if tag in ("table", "tr", "ul", "ol", "h1", "h2", "h3", "p"):
            self.open.append(tag)

    def handle_endtag(self, tag):
        if tag in ("table", "tr", "ul", "ol", "h1", "h2", "h3", "p"):
            if not self.open or self.open[-1] != tag:
                self.unbalanced.append(tag)
            else:
                self.open.pop()


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

    page = Anchors()
    page.feed((source / "ui/help/index.html").read_text(encoding="utf-8"))
    for target in sorted(set(page.links) - page.names):
        problems.append(f"help: link to #{target} has no anchor")
    if page.unbalanced or page.open:
        problems.append(f"help: unbalanced tags {page.unbalanced + page.open}")

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
