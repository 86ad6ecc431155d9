#!/usr/bin/env python3
"""Checks the HTML help the build made: every page whole, every heading with an id, every
link between the pages and to a section landing somewhere, every picture there.

    check-help.py HELP_DIR DOCS_DIR

DOCS_DIR holds the Markdown the pages came from; each of its headings must have become a
heading with an id.
"""
import html.parser
import os
import re
import sys
from urllib.parse import unquote, urlsplit


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.ids = set()
        self.headings = []  # (level, id or None)
        self.links = []
        self.images = []
        self.closed = False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            self.ids.add(attrs["id"])
        if re.fullmatch(r"h[1-6]", tag):
            self.headings.append((int(tag[1]), attrs.get("id")))
        elif tag == "a" and "href" in attrs:
            self.links.append(attrs["href"])
        elif tag == "img":
            self.images.append(attrs.get("src", ""))

    def handle_endtag(self, tag):
        if tag == "html":
            self.closed = True


def markdown_headings(path):
    levels = []
    fenced = False
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("```"):
                fenced = not fenced
            elif not fenced and re.match(r"#{1,6} ", line):
                levels.append(len(line) - len(line.lstrip("#")))
    return levels


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    help_dir, docs_dir = argv[1], argv[2]
    failures = []
    pages = {}
    for name in sorted(os.listdir(help_dir)):
        if name.endswith(".html"):
            page = Page()
            with open(os.path.join(help_dir, name), encoding="utf-8") as f:
                page.feed(f.read())
            pages[name] = page
    if "user-guide.html" not in pages:
        failures.append("no user-guide.html")
    for name, page in pages.items():
        if not page.closed:
            failures.append(f"{name}: the document does not end")
        source = os.path.join(docs_dir, name[:-5] + ".md")
        expected = markdown_headings(source) if os.path.isfile(source) else None
        if expected is None:
            failures.append(f"{name}: no {source} it was made from")
        elif [level for level, _ in page.headings] != expected:
            failures.append(f"{name}: headings {[l for l, _ in page.headings]}, the source has {expected}")
        for level, anchor in page.headings:
            if not anchor:
                failures.append(f"{name}: a heading of level {level} without an id")
        for href in page.links:
            parts = urlsplit(href)
            if parts.scheme or parts.netloc:
                continue
            target = unquote(parts.path) or name
            if target.endswith(".md"):
                failures.append(f"{name}: link to the Markdown {href}")
            elif target not in pages:
                failures.append(f"{name}: link to {href}, which is not in the help")
            elif parts.fragment and parts.fragment not in pages[target].ids:
                failures.append(f"{name}: link to {href}, whose page has no such section")
        for src in page.images:
            if not os.path.isfile(os.path.join(help_dir, unquote(src))):
                failures.append(f"{name}: picture {src} is missing")
    for failure in failures:
        print("FAIL: " + failure)
    print(f"{len(failures)} failed" if failures else f"help: {len(pages)} pages whole")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
