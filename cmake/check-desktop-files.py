#!/usr/bin/env python3
"""Checks that the desktop entry, the MIME package, the metainfo, the icons and the package's
changelog agree with each other, with the puzzle formats and with the project's version.

    check-desktop-files.py SOURCE_ROOT VERSION ICON_BUILD_DIR "SIZES" LINUX_FILES...

VERSION is major.minor.patch; ICON_BUILD_DIR the hicolor folder of the PNG renders; SIZES the
rendered sizes separated by semicolons or spaces; LINUX_FILES the files the program takes into
its resources (QUENK_LINUX_FILES), relative to SOURCE_ROOT.
"""
import configparser
import glob
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

MIME_NS = "{http://www.freedesktop.org/standards/shared-mime-info}"
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"

# What the readers take: the extension decides the format (file-formats.md).
EXPECTED_GLOBS = {
    "jcc": "application/x-quenk-jcc",
    "jcr": "application/x-quenk-jcr",
    "jcw": "application/x-quenk-jcw",
    "jcp": "application/x-quenk-jcp",
    "pp": "application/x-quenk-ppiff",
    "ppc": "application/x-quenk-ppiff",
    "pps": "application/x-quenk-ppiff",
    "non": "application/x-quenk-non",
    "nin": "application/x-quenk-nin",
    "pbn": "application/x-quenk-webpbn",
}
EXPECTED_LABELS = {
    "application/x-quenk-jcc": "JCC",
    "application/x-quenk-jcr": "JCR",
    "application/x-quenk-jcw": "JCW",
    "application/x-quenk-jcp": "JCP",
    "application/x-quenk-ppiff": "PP",
    "application/x-quenk-non": "NON",
    "application/x-quenk-nin": "NIN",
    "application/x-quenk-webpbn": "XML",
}

failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message)


def icon_name(mime_type):
    return mime_type.replace("/", "-")


def check_mime_package(root):
    tree = ET.parse(os.path.join(root, "resources/linux/quenk.xml"))
    types = {}
    for node in tree.getroot().findall(MIME_NS + "mime-type"):
        name = node.get("type")
        types[name] = node
        comments = {c.get(XML_LANG): c.text for c in node.findall(MIME_NS + "comment")}
        label = EXPECTED_LABELS.get(name)
        if label is None:
            fail(f"quenk.xml: unexpected type {name}")
            continue
        for lang in (None, "ru"):
            if comments.get(lang) != f"Quenk Crossword ({label})":
                fail(f"quenk.xml: {name}: comment[{lang or 'C'}] is {comments.get(lang)!r}")
        icon = node.find(MIME_NS + "icon")
        if icon is None or icon.get("name") != icon_name(name):
            fail(f"quenk.xml: {name}: the icon is not named {icon_name(name)}")
    if set(types) != set(EXPECTED_LABELS):
        fail(f"quenk.xml: types {sorted(types)}, expected {sorted(EXPECTED_LABELS)}")
    return types


def check_mime_database(root, samples):
    """Compiles the package as update-mime-database does and reads its globs and magic back."""
    with tempfile.TemporaryDirectory() as data:
        tmp = os.path.join(data, "mime")
        os.makedirs(os.path.join(tmp, "packages"))
        shutil.copy(os.path.join(root, "resources/linux/quenk.xml"), os.path.join(tmp, "packages"))
        # It reports what it cannot parse on stderr and still exits with 0; with the folder
        # among the data folders it says nothing else there.
        run = subprocess.run(["update-mime-database", tmp], capture_output=True, text=True,
                             env=dict(os.environ, XDG_DATA_HOME=data))
        if run.returncode != 0 or run.stderr.strip():
            fail("update-mime-database: " + run.stderr.strip())
            return
        globs = {}
        with open(os.path.join(tmp, "globs2"), encoding="utf-8") as f:
            for line in f:
                if line.startswith("#"):
                    continue
                _weight, mime_type, pattern = line.rstrip("\n").split(":", 2)[:3]
                globs[pattern] = mime_type
        for ext, mime_type in EXPECTED_GLOBS.items():
            if globs.get("*." + ext) != mime_type:
                fail(f"*.{ext} is {globs.get('*.' + ext)}, expected {mime_type}")
        extra = set(globs) - {"*." + e for e in EXPECTED_GLOBS}
        if extra:
            fail(f"globs for other extensions: {sorted(extra)}")
        with open(os.path.join(tmp, "magic"), "rb") as f:
            magic = f.read()
        # The compiled rule: "[50:application/x-quenk-jcc]\n>0=\0\x05QUENK\n".
        if b"[50:application/x-quenk-jcc]\n>0=\x00\x05QUENK\n" not in magic:
            fail("the compiled magic has no rule QUENK at offset 0 for application/x-quenk-jcc")
        if magic.count(b"[") != 1:
            fail("magic rules for more than one type")
        # A webpbn document is known by its root element whatever its name.
        with open(os.path.join(tmp, "XMLnamespaces"), encoding="utf-8") as f:
            if " puzzleset application/x-quenk-webpbn" not in f.read():
                fail("no root-XML rule puzzleset for application/x-quenk-webpbn")
    for sample in samples:
        with open(sample, "rb") as f:
            if f.read(5) != b"QUENK":
                fail(f"{sample} does not start with the JCC signature the magic looks for")


def check_desktop_entry(root, types):
    path = os.path.join(root, "resources/linux/quenk.desktop")
    parser = configparser.RawConfigParser(strict=True, interpolation=None)
    parser.optionxform = str
    with open(path, encoding="utf-8") as f:
        parser.read_file(f)
    entry = parser["Desktop Entry"]
    listed = [t for t in entry.get("MimeType", "").split(";") if t]
    if sorted(listed) != sorted(types):
        fail(f"quenk.desktop: MimeType {listed}, the MIME package has {sorted(types)}")
    if entry.get("Exec", "").split()[0] != "quenk":
        fail(f"quenk.desktop: Exec={entry.get('Exec')} does not start the installed quenk")
    if entry.get("Icon") != "quenk":
        fail(f"quenk.desktop: Icon={entry.get('Icon')}, the icon is quenk.svg")
    for key in ("Name[ru]", "GenericName", "GenericName[ru]", "Comment", "Keywords"):
        if not entry.get(key):
            fail(f"quenk.desktop: no {key}")


def check_metainfo(root, version):
    paths = glob.glob(os.path.join(root, "resources/linux/*.metainfo.xml"))
    if len(paths) != 1:
        fail(f"expected one metainfo file, found {paths}")
        return
    path = paths[0]
    meta = ET.parse(path).getroot()
    component_id = meta.findtext("id")
    if os.path.basename(path) != f"{component_id}.metainfo.xml":
        fail(f"{os.path.basename(path)} does not carry its component id {component_id}")
    launchable = meta.find("launchable")
    if launchable is None or launchable.get("type") != "desktop-id" or launchable.text != "quenk.desktop":
        fail("the metainfo does not launch quenk.desktop")
    releases = meta.findall("releases/release")
    major_minor = ".".join(version.split(".")[:2])
    if not releases or releases[0].get("version") != major_minor:
        fail(f"the newest release in the metainfo is not {major_minor}")
    for image in meta.iter("image"):
        # The URL names the picture in this repository; it must stay there.
        match = re.search(r"/(docs/images/[^/]+)$", image.text or "")
        if not image.text.startswith("https://") or not match:
            fail(f"screenshot {image.text} is not an https URL of a picture under docs/images")
        elif not os.path.isfile(os.path.join(root, match.group(1))):
            fail(f"screenshot {image.text}: {match.group(1)} is not in the repository")
    for binary in meta.iter("binary"):
        if binary.text not in ("quenk", "quenk-cli"):
            fail(f"the metainfo provides an unknown binary {binary.text}")


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def check_icons(root, types, icon_dir, sizes):
    names = {"apps": ["quenk"], "mimetypes": [icon_name(t) for t in types]}
    for context, icons in names.items():
        for name in icons:
            svg = os.path.join(root, "resources/linux/icons", name + ".svg")
            if not os.path.isfile(svg):
                fail(f"no icon {svg}")
                continue
            document = ET.parse(svg).getroot()
            if document.tag != "{http://www.w3.org/2000/svg}svg":
                fail(f"{svg} is not an SVG document")
            # Letters and digits are drawn as paths, so no render depends on installed fonts.
            if document.find(".//{http://www.w3.org/2000/svg}text") is not None:
                fail(f"{svg} has text, which renders with whatever font is installed")
            for size in sizes:
                png = os.path.join(icon_dir, f"{size}x{size}", context, name + ".png")
                if not os.path.isfile(png):
                    fail(f"no render {png}")
                elif png_size(png) != (size, size):
                    fail(f"{png} is {png_size(png)}, not {size}x{size}")


def check_changelog(root, version):
    with open(os.path.join(root, "resources/linux/changelog"), encoding="utf-8") as f:
        lines = f.read().splitlines()
    if not lines or not re.match(rf"^quenk \({re.escape(version)}\) \S+; urgency=\w+$", lines[0]):
        fail(f"the changelog's newest entry is not quenk ({version}): {lines[:1]}")
    trailers = [line for line in lines if line.startswith(" -- ")]
    pattern = r"^ -- [^<>]+ <[^@<>\s]+@[^@<>\s]+>  \w{3}, \d{2} \w{3} \d{4} \d{2}:\d{2}:\d{2} [+-]\d{4}$"
    if not trailers or not all(re.match(pattern, t) for t in trailers):
        fail(f"a changelog trailer is not ' -- Name <address>  date': {trailers}")


def check_resource_list(root, linux_files):
    # Every file of resources/linux that the program registers is in the list, and no more.
    wanted = {os.path.relpath(p, root) for p in
              glob.glob(os.path.join(root, "resources/linux/*.desktop"))
              + glob.glob(os.path.join(root, "resources/linux/*.xml"))
              + glob.glob(os.path.join(root, "resources/linux/icons/*.svg"))}
    listed = set(linux_files)
    for missing in sorted(listed - wanted):
        fail(f"QUENK_LINUX_FILES names {missing}, which is not there")
    for unlisted in sorted(wanted - listed):
        fail(f"QUENK_LINUX_FILES leaves out {unlisted}")


def main(argv):
    if len(argv) < 6:
        print(__doc__, file=sys.stderr)
        return 2
    root, version, icon_dir, sizes = argv[1], argv[2], argv[3], argv[4]
    sizes = [int(s) for s in re.split(r"[;\s]+", sizes) if s]
    types = check_mime_package(root)
    check_mime_database(root, glob.glob(os.path.join(root, "resources/samples/*.jcc")))
    check_desktop_entry(root, types)
    check_metainfo(root, version)
    check_icons(root, types, icon_dir, sizes)
    check_changelog(root, version)
    check_resource_list(root, argv[5:])
    print(f"{len(failures)} failed" if failures else "desktop files: all consistent")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
