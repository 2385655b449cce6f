'use strict';
// A throw-away course folder: resources (with the classes' media), temp folder for
// previews, and an export folder laid out like the program's exports.
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { build, COMPONENTS } = require('./pagebuilder');

class Course {
  constructor() {
    this.dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vlm-e2e-course-'));
    this.resources = path.join(this.dir, 'resources');
    this.temp = path.join(this.dir, 'temp');
    fs.mkdirSync(this.resources, { recursive: true });
    fs.mkdirSync(this.temp, { recursive: true });
    for (const cls of fs.readdirSync(COMPONENTS)) {
      const res = path.join(COMPONENTS, cls, 'resources');
      if (!fs.existsSync(res)) continue;
      for (const f of fs.readdirSync(res)) fs.copyFileSync(path.join(res, f), path.join(this.resources, f));
    }
  }

  addResource(name, bytes) {
    fs.writeFileSync(path.join(this.resources, name), bytes);
  }

  // Preview window (1), designer preview (2) or one element on the surface (3).
  preview(page, mode, element, fileName) {
    const out = path.join(this.temp, fileName || (mode === 3 ? 'element.html' : 'preview.html'));
    build(page, out, {
      mode, element, apiPath: pathToFileURL(path.join(COMPONENTS, 'api')).href + '/',
      resourcesPath: this.resources + path.sep, pageIndex: -1,
    });
    return pathToFileURL(out).href;
  }

  // Export (4) or exam export (5) of one page at the given position.
  exportPage(page, position, options = {}) {
    const root = path.join(this.dir, 'export');
    const pages = path.join(root, 'pages');
    // Copied once, and only new resources afterwards: pages of other tests may be
    // loading these files at the same time.
    if (!fs.existsSync(path.join(pages, 'api'))) fs.cpSync(path.join(COMPONENTS, 'api'), path.join(pages, 'api'), { recursive: true });
    fs.mkdirSync(path.join(pages, 'resources'), { recursive: true });
    for (const f of fs.readdirSync(this.resources)) {
      const target = path.join(pages, 'resources', f);
      if (!fs.existsSync(target)) fs.copyFileSync(path.join(this.resources, f), target);
    }
    const out = path.join(pages, 'p' + String(position).padStart(5, '0'), '_page.html');
    build(page, out, Object.assign({ mode: 4, apiPath: '../api/', commonPath: '../../js/', pageIndex: position }, options));
    return { url: pathToFileURL(out).href, file: out, root };
  }

  remove() {
    fs.rmSync(this.dir, { recursive: true, force: true });
  }
}

module.exports = { Course };
