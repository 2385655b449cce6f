'use strict';
// Every course template of every language: a course made from it with the
// command line, checked (errors fail, warnings are listed), exported to an offline
// folder and its first page opened in chromium without script errors.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch, open } = require('../lib/browser');
const cli = require('./lib/cli');
const { treeEntries } = require('./lib/course');

const SKIP = cli.missing();
const TEMPLATES = cli.templates();

let work; let browser;
test.before(async () => {
  if (SKIP) return;
  work = cli.scratch('templates');
  browser = await launch();
});
test.after(async () => {
  if (browser) await browser.close();
  if (work) fs.rmSync(work, { recursive: true, force: true });
});

test('every language ships its course templates', () => {
  for (const lang of ['PL', 'EN', 'DE', 'FR']) {
    assert.ok(TEMPLATES.filter((t) => t.lang === lang).length >= 3, lang);
  }
});

for (const { lang, name } of TEMPLATES) {
  test(`${lang}/${name}: made, checked, exported offline and opened`, { skip: SKIP, timeout: 30000 }, async (t) => {
    const dir = path.join(work, lang + '-' + name);
    fs.mkdirSync(dir);
    const file = cli.newCourse(dir, name, lang);

    const check = cli.run(['check', '--json', file]);
    const findings = JSON.parse(check.stdout || '[]');
    const errors = findings.filter((f) => f.severity === 'error');
    for (const f of findings) t.diagnostic(`check: ${f.severity} item ${f.item} ${f.code}: ${f.message}`);
    assert.deepEqual(errors, [], 'check finds no error');
    assert.equal(check.status, 0, check.describe());

    const entries = treeEntries(file);
    const out = path.join(dir, 'offline');
    const run = cli.exportCourse('offline', file, out);
    if (run.knownFault) {
      t.todo(run.knownFault);
    }
    assert.equal(run.status, 0, run.describe());

    const first = entries[0].page || 'ds_blank.html';
    const { page, errors: scriptErrors } = await open(browser.context, pathToFileURL(path.join(out, 'index.html')).href);
    try {
      let at = '';
      for (let i = 0; i < 100 && at !== first; i++) {
        const f = page.frame({ name: 'vlmcontent' });
        at = f ? decodeURIComponent(f.url()).replace(pathToFileURL(out).href + '/', '') : '';
        if (at !== first) await new Promise((r) => setTimeout(r, 50));
      }
      assert.equal(at, first, 'the first page is shown');
      const content = page.frame({ name: 'vlmcontent' });
      await content.waitForLoadState('load');
      if (entries[0].page) await content.locator('.vlm-obj').first().waitFor({ timeout: 10000 }).catch(() => assert.fail('the first page shows its elements'));
      assert.deepEqual(await page.frame({ name: 'vlmtree' }).locator('.vlm-entry').allTextContents(), entries.map((e) => e.name));
    } finally {
      await page.close();
    }
    assert.deepEqual(scriptErrors, []);
  });
}
