#!/usr/bin/env python3
"""Installs a build into a scratch prefix and checks what lands where: the programs, the
desktop entry, the MIME package, the metainfo, the icons, the language bundles, the help,
the manual pages and the package's documents, and nothing else.

    check-install.py CMAKE BUILD_DIR SOURCE_ROOT "SIZES"
"""
import glob
import os
import re
import subprocess
import sys
import tempfile

MIME_ICONS = ["application-x-quenk-" + t for t in ("jcc", "jcr", "jcw", "jcp", "ppiff", "non", "nin", "webpbn")]


def expected_files(root, sizes):
    files = {
        "bin/quenk", "bin/quenk-cli",
        "share/applications/quenk.desktop",
        "share/mime/packages/quenk.xml",
        "share/metainfo/io.github.quenk.Quenk.metainfo.xml",
        "share/icons/hicolor/scalable/apps/quenk.svg",
        "share/quenk/help/user-guide.html",
        "share/quenk/help/file-formats.html",
        "share/quenk/help/settings-and-languages.html",
        "share/man/man1/quenk.1.gz", "share/man/man1/quenk-cli.1.gz",
        "share/doc/quenk/copyright", "share/doc/quenk/changelog.gz",
        "share/lintian/overrides/quenk",
    }
    for name in MIME_ICONS:
        files.add(f"share/icons/hicolor/scalable/mimetypes/{name}.svg")
    for size in sizes:
        files.add(f"share/icons/hicolor/{size}x{size}/apps/quenk.png")
        for name in MIME_ICONS:
            files.add(f"share/icons/hicolor/{size}x{size}/mimetypes/{name}.png")
    for bundle in glob.glob(os.path.join(root, "resources/UI_*.lang")):
        files.add("share/quenk/" + os.path.basename(bundle))
    for image in glob.glob(os.path.join(root, "docs/images/*")):
        files.add("share/quenk/help/images/" + os.path.basename(image))
    return files


def main(argv):
    if len(argv) != 5:
        print(__doc__, file=sys.stderr)
        return 2
    cmake, build, root, sizes = argv[1:]
    sizes = [int(s) for s in re.split(r"[;\s]+", sizes) if s]
    failures = []
    with tempfile.TemporaryDirectory() as prefix:
        run = subprocess.run([cmake, "--install", build, "--prefix", prefix],
                             capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr)
            print("FAIL: cmake --install")
            return 1
        installed = set()
        for folder, _dirs, names in os.walk(prefix):
            for name in names:
                installed.add(os.path.relpath(os.path.join(folder, name), prefix))
        expected = expected_files(root, sizes)
        for path in sorted(expected - installed):
            failures.append(f"not installed: {path}")
        for path in sorted(installed - expected):
            failures.append(f"installed but not expected: {path}")
        for program in ("bin/quenk", "bin/quenk-cli"):
            if program in installed and not os.access(os.path.join(prefix, program), os.X_OK):
                failures.append(f"{program} is not executable")
        for path in sorted(p for p in installed if p.endswith(".gz")):
            with open(os.path.join(prefix, path), "rb") as f:
                head = f.read(10)
            # gzip -n: no file name (flag 0x08) and no time stamp, so the bytes do not change
            # from one build to the next.
            if head[:3] != b"\x1f\x8b\x08" or head[3] & 0x08 or head[4:8] != b"\0\0\0\0":
                failures.append(f"{path} is not compressed without name and time stamp")
    for failure in failures:
        print("FAIL: " + failure)
    print(f"{len(failures)} failed" if failures else "install: every file in its place")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
