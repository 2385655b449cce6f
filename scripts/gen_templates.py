#!/usr/bin/env python3
"""Generates the course templates (data/templates_project/<LANG>/) and the page
templates (data/templates_page/) from the descriptions in scripts/templates/,
so that the four languages stay alike. Element attributes come from the
component definitions in data/, as the designer would set them.

Run after changing a description or a component definition:
    python3 scripts/gen_templates.py
"""
import hashlib
import shutil
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE / "templates"))

import course_templates  # noqa: E402
import page_templates  # noqa: E402
from vlmxml import Definitions  # noqa: E402

DATA = HERE.parent / "data"


def main():
    defs = Definitions(DATA)
    projects = DATA / "templates_project"
    pages = DATA / "templates_page"
    for folder in (projects, pages):
        if folder.exists():
            shutil.rmtree(folder)
    count = course_templates.write_all(defs, projects)
    print(f"wrote {count} course templates into {projects.relative_to(HERE.parent)}")
    count = page_templates.write_all(defs, pages)
    print(f"wrote {count} page templates into {pages.relative_to(HERE.parent)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
