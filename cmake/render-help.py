#!/usr/bin/env python3
"""Turns the user guide and the pages it links to into the HTML help the program opens.

    render-help.py OUT_DIR PAGE.md...

Each PAGE.md becomes OUT_DIR/PAGE.html. Every heading gets an id (python-markdown's toc
extension: "Open (Ctrl+O)" becomes "open-ctrlo"), so the program can open a page at a
section. Links between the pages given go to their .html; the images the pages show are
copied beside them under the same relative paths. The output has no date or path of the
build in it, so the same sources give the same files.
"""
import html
import os
import shutil
import sys

import markdown
from markdown.extensions import Extension
from markdown.treeprocessors import Treeprocessor

STYLE = """
body { font-family: sans-serif; line-height: 1.45; max-width: 52em; margin: 1.5em auto;
       padding: 0 1em; color: #1f2328; background: #ffffff; }
h1, h2, h3 { line-height: 1.2; margin-top: 1.6em; }
h1 { margin-top: 0.5em; }
code, pre { font-family: monospace; background: #f3f4f6; border-radius: 3px; }
code { padding: 0.1em 0.3em; }
pre { padding: 0.6em 0.8em; overflow-x: auto; }
pre code { padding: 0; }
table { border-collapse: collapse; margin: 1em 0; }
th, td { border: 1px solid #c9ced6; padding: 0.3em 0.6em; text-align: left; vertical-align: top; }
th { background: #eef1f5; }
img { max-width: 100%; height: auto; }
nav { font-size: 0.9em; border-bottom: 1px solid #c9ced6; padding-bottom: 0.4em; }
nav a { margin-right: 1.2em; }
"""


class LocalLinks(Treeprocessor):
    """Points links at the other pages' HTML and collects the images to copy."""

    def __init__(self, md, pages, images, source):
        super().__init__(md)
        self.pages = pages
        self.images = images
        self.source = source

    def run(self, root):
        for a in root.iter("a"):
            href = a.get("href", "")
            target, sep, fragment = href.partition("#")
            if target.endswith(".md") and "://" not in target:
                if target in self.pages:
                    a.set("href", target[:-3] + ".html" + sep + fragment)
                else:
                    print(f"{self.source}: link to {target}, which is not part of the help",
                          file=sys.stderr)
        for img in root.iter("img"):
            src = img.get("src", "")
            if src and "://" not in src and not src.startswith("/"):
                self.images.add(os.path.normpath(src))


class LocalLinksExtension(Extension):
    def __init__(self, pages, images, source):
        super().__init__()
        self.pages, self.images, self.source = pages, images, source

    def extendMarkdown(self, md):
        md.treeprocessors.register(
            LocalLinks(md, self.pages, self.images, self.source), "quenk_local_links", 5)


def page_title(md_text, fallback):
    for line in md_text.splitlines():
        if line.startswith("# "):
            return line[2:].strip()
    return fallback


def render(source, out_dir, pages, titles, images):
    with open(source, encoding="utf-8") as f:
        text = f.read()
    converter = markdown.Markdown(
        extensions=["toc", "tables", "fenced_code", "sane_lists",
                    LocalLinksExtension(pages, images, source)],
        output_format="html")
    body = converter.convert(text)
    name = os.path.basename(source)
    nav = " ".join(
        f'<a href="{html.escape(p[:-3])}.html">{html.escape(titles[p])}</a>'
        for p in pages if p != name)
    document = (
        "<!DOCTYPE html>\n"
        '<html lang="en">\n<head>\n<meta charset="utf-8">\n'
        '<meta name="viewport" content="width=device-width, initial-scale=1">\n'
        f"<title>{html.escape(titles[name])}</title>\n"
        f"<style>{STYLE}</style>\n</head>\n<body>\n"
        + (f"<nav>{nav}</nav>\n" if nav else "")
        + body + "\n</body>\n</html>\n")
    with open(os.path.join(out_dir, name[:-3] + ".html"), "w", encoding="utf-8") as f:
        f.write(document)


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    out_dir, sources = argv[1], argv[2:]
    source_dir = os.path.dirname(os.path.abspath(sources[0]))
    if any(os.path.dirname(os.path.abspath(s)) != source_dir for s in sources):
        print("the pages must be in one folder", file=sys.stderr)
        return 2
    os.makedirs(out_dir, exist_ok=True)
    pages = [os.path.basename(s) for s in sources]
    titles = {}
    for s in sources:
        with open(s, encoding="utf-8") as f:
            titles[os.path.basename(s)] = page_title(f.read(), os.path.basename(s)[:-3])
    images = set()
    for s in sources:
        render(s, out_dir, pages, titles, images)
    for image in sorted(images):
        src = os.path.join(source_dir, image)
        if image.startswith(".."):
            print(f"image outside the pages' folder: {image}", file=sys.stderr)
            return 1
        if not os.path.isfile(src):
            print(f"missing image: {src}", file=sys.stderr)
            return 1
        dst = os.path.join(out_dir, image)
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        shutil.copyfile(src, dst)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
