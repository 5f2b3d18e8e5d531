#!/usr/bin/env python3
"""Checks that every translated Help (help/<language>/) matches the English one in help/.

A translation must have the same pages, every anchor of the English page (F1 and the
program's keywords point at them), links that lead to pages and anchors that exist,
well-formed HTML in its own language, the English style sheet (shared or an identical
copy), and a project file with the same namespace, contents, refs and identifiers as
help/marklow.qhp: each language is built into a collection of its own.

Usage: check-help-translations.py [HELP_FOLDER]   (default: the help folder beside scripts/)
Exit status 0 when everything matches, 1 with one line per fault otherwise.
"""

import html.parser
import pathlib
import sys
import xml.etree.ElementTree as ET

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source",
        "track", "wbr"}
# Closing these is optional in HTML, so a page may leave them open.
OPTIONAL_END = {"p", "li", "td", "th", "tr"}


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.open = []
        self.faults = []
        self.ids = set()
        self.links = []
        self.lang = None
        self.stylesheets = []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "id" in a:
            if a["id"] in self.ids:
                self.faults.append(f"line {self.getpos()[0]}: id \"{a['id']}\" twice")
            self.ids.add(a["id"])
        if tag == "html":
            self.lang = a.get("lang")
        if tag == "a" and "href" in a:
            self.links.append((self.getpos()[0], a["href"]))
        if tag == "link" and a.get("rel") == "stylesheet":
            self.stylesheets.append(a.get("href", ""))
        if tag not in VOID:
            self.open.append((tag, self.getpos()[0]))

    def handle_endtag(self, tag):
        if tag in VOID:
            return
        while self.open and self.open[-1][0] != tag and self.open[-1][0] in OPTIONAL_END:
            self.open.pop()
        if not self.open or self.open[-1][0] != tag:
            where = f"<{self.open[-1][0]}> of line {self.open[-1][1]}" if self.open else "nothing"
            self.faults.append(f"line {self.getpos()[0]}: </{tag}> closes {where}")
            return
        self.open.pop()

    def finish(self):
        self.close()
        left = [t for t in self.open if t[0] not in OPTIONAL_END]
        if left:
            self.faults.append(f"<{left[-1][0]}> of line {left[-1][1]} is never closed")


def read_page(path):
    page = Page()
    try:
        page.feed(path.read_text(encoding="utf-8"))
    except UnicodeDecodeError as e:
        page.faults.append(f"not UTF-8: {e}")
    page.finish()
    return page


def read_project(path, faults):
    try:
        root = ET.parse(path).getroot()
    except (ET.ParseError, OSError) as e:
        faults.append(f"{path}: cannot be read: {e}")
        return None
    section = root.find("filterSection")
    if section is None:
        faults.append(f"{path}: no filterSection")
        return None
    return {
        "namespace": root.findtext("namespace", "").strip(),
        "folder": root.findtext("virtualFolder", "").strip(),
        "toc": [(s.get("ref"), s.get("title", "")) for s in section.iter("section")],
        "keywords": [(k.get("id"), k.get("ref"), k.get("name", "")) for k in section.iter("keyword")],
        "files": [f.text.strip() for f in section.iter("file") if f.text],
    }


def check_links(folder, pages, faults):
    for name, page in pages.items():
        for line, href in page.links:
            if "://" in href or href.startswith("mailto:"):
                continue
            target, _, anchor = href.partition("#")
            target = target or name
            if target not in pages:
                faults.append(f"{folder / name}:{line}: link to missing page {href}")
            elif anchor and anchor not in pages[target].ids:
                faults.append(f"{folder / name}:{line}: link to missing anchor {href}")


def check_refs(folder, project, pages, faults):
    refs = [r for r, _ in project["toc"]] + [r for _, r, _ in project["keywords"]]
    for ref in refs:
        target, _, anchor = (ref or "").partition("#")
        if target not in pages:
            faults.append(f"{folder / 'marklow.qhp'}: ref to missing page {ref}")
        elif anchor and anchor not in pages[target].ids:
            faults.append(f"{folder / 'marklow.qhp'}: ref to missing anchor {ref}")


def read_folder(folder, faults):
    pages = {}
    for path in sorted(folder.glob("*.html")):
        page = read_page(path)
        faults.extend(f"{path}: {f}" for f in page.faults)
        pages[path.name] = page
    return pages


def check_translation(folder, english, english_project, faults):
    language = folder.name
    pages = read_folder(folder, faults)
    for missing in sorted(set(english) - set(pages)):
        faults.append(f"{folder}: no {missing}")
    for extra in sorted(set(pages) - set(english)):
        faults.append(f"{folder}: {extra} has no English page")
    for name, page in pages.items():
        if page.lang != language:
            faults.append(f"{folder / name}: lang is {page.lang!r}, not {language!r}")
        if name in english:
            for anchor in sorted(english[name].ids - page.ids):
                faults.append(f"{folder / name}: no anchor \"{anchor}\" (the English page has it)")
        for sheet in page.stylesheets:
            # A language may share the English style sheet instead of holding a copy.
            if not (folder / sheet).is_file() and not (folder.parent / sheet).is_file():
                faults.append(f"{folder / name}: stylesheet {sheet} is missing")
    for shared in sorted(folder.parent.glob("*.css")):
        copy = folder / shared.name
        if copy.is_file() and copy.read_bytes() != shared.read_bytes():
            faults.append(f"{copy}: differs from {shared}; copy it again or leave it out")
    check_links(folder, pages, faults)

    project = read_project(folder / "marklow.qhp", faults)
    if project is None or english_project is None:
        return
    where = folder / "marklow.qhp"
    # Each language is a collection of its own, so the pages keep the English addresses.
    if project["namespace"] != english_project["namespace"]:
        faults.append(f"{where}: namespace {project['namespace']!r}, "
                      f"not {english_project['namespace']!r}")
    if project["folder"] != english_project["folder"]:
        faults.append(f"{where}: virtual folder {project['folder']!r}, "
                      f"not {english_project['folder']!r}")
    if [r for r, _ in project["toc"]] != [r for r, _ in english_project["toc"]]:
        faults.append(f"{where}: the contents do not list the English pages in their order")
    if [(i, r) for i, r, _ in project["keywords"]] != \
            [(i, r) for i, r, _ in english_project["keywords"]]:
        faults.append(f"{where}: the index differs from the English one in its ids or refs")
    if project["files"] != english_project["files"]:
        faults.append(f"{where}: files {project['files']}, not {english_project['files']}")
    for ref, title in project["toc"]:
        if not title.strip():
            faults.append(f"{where}: the contents entry of {ref} has no title")
    for _, ref, name in project["keywords"]:
        if not name.strip():
            faults.append(f"{where}: the index entry of {ref} has no name")
    check_refs(folder, project, pages, faults)


def main(argv):
    help_folder = pathlib.Path(argv[1]) if len(argv) > 1 else \
        pathlib.Path(__file__).resolve().parent.parent / "help"
    faults = []
    english = read_folder(help_folder, faults)
    if not english:
        print(f"{help_folder}: no Help pages", file=sys.stderr)
        return 1
    check_links(help_folder, english, faults)
    english_project = read_project(help_folder / "marklow.qhp", faults)
    if english_project is not None:
        check_refs(help_folder, english_project, english, faults)
    translations = sorted(p.parent for p in help_folder.glob("*/marklow.qhp"))
    for folder in translations:
        check_translation(folder, english, english_project, faults)
    for fault in faults:
        print(fault, file=sys.stderr)
    if not faults:
        names = ", ".join(f.name for f in translations) or "none"
        print(f"{len(english)} pages; translations: {names}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
