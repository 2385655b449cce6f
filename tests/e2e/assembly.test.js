'use strict';
// The page builder of these tests against the program's own page assembly
// (tests/e2e/pagebuild.cpp, built with the project; its path comes in VLM_PAGEBUILD).
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { execFileSync } = require('node:child_process');
const { pathToFileURL } = require('node:url');
const { launch, open } = require('./lib/browser');
const { Course } = require('./lib/course');
const { TestPage, build, toXmp, DATA, COMPONENTS } = require('./lib/pagebuilder');
const { CLASSES } = require('./lib/samples');

const TOOL = process.env.VLM_PAGEBUILD;
const skip = TOOL && fs.existsSync(TOOL) ? false : 'VLM_PAGEBUILD (the program\'s page assembly) is not available';

function richPage() {
  const doc = new TestPage({ type: 'Exercise', masteryscore: '10' });
  for (const cls of CLASSES) doc.add(cls, {});
  const img = doc.add('image', { visibility: 'hidden', alt: 'a"b\\c</script>' });
  doc.add('text', { text: 'Zażółć <b>"gęślą"</b> jaźń \\ </p> a+b 100%' });
  const btn = doc.add('button', { x: 600, y: 600, caption: 'Pokaż' });
  doc.on(btn, 'onclick', img, 'show');
  // Text parameters are stored form-encoded, so a line break arrives as %0D%0A and a
  // typed backslash-n stays two characters.
  doc.on(btn, 'onclick', btn, 'setCaption', 'Witaj "świecie"\r\nnowa linia \\n', 'text');
  doc.on(btn, 'onclick', doc.page, 'goToPage', '3', 'format');
  return doc;
}

let course;
test.before(() => { course = new Course(); });
test.after(() => course.remove());

test('the test page builder writes what the program writes, in every mode', { skip, timeout: 60000 }, () => {
  const doc = richPage();
  const xmp = path.join(course.dir, 'p00001', '_page.xmp');
  fs.mkdirSync(path.dirname(xmp), { recursive: true });
  fs.writeFileSync(xmp, Buffer.from(toXmp(doc), 'latin1'));
  const api = pathToFileURL(path.join(COMPONENTS, 'api')).href + '/';
  const res = course.resources + path.sep;
  const runs = [1, 2, 4, 5].map((mode) => ({ mode }))
    .concat(['image1', 'button1', 'DDElement1', 'feedback1'].map((name) => ({ mode: 3, name })));
  for (const { mode, name } of runs) {
    const mine = path.join(course.temp, `js-${mode}-${name || ''}.html`);
    const theirs = path.join(course.temp, `cpp-${mode}-${name || ''}.html`);
    const element = name && doc.elements.find((e) => e.attrs.get('name') === name);
    build(doc, mine, { mode, element, apiPath: mode >= 4 ? '../api/' : api, commonPath: mode >= 4 ? '../../js/' : '', resourcesPath: res, pageIndex: mode >= 4 ? 1 : -1 });
    execFileSync(TOOL, [DATA, xmp, theirs, String(mode), res, mode >= 4 ? '../api/' : api].concat(name ? [name] : []), { stdio: 'pipe' });
    assert.ok(fs.readFileSync(theirs).equals(fs.readFileSync(mine)), `mode ${mode} ${name || ''}: same bytes`);
  }
});

test('a page assembled by the program runs its actions in the browser', { skip, timeout: 30000 }, async () => {
  const doc = richPage();
  const exported = course.exportPage(doc, 1);
  const xmp = path.join(course.dir, 'p00002', '_page.xmp');
  fs.mkdirSync(path.dirname(xmp), { recursive: true });
  fs.writeFileSync(xmp, Buffer.from(toXmp(doc), 'latin1'));
  execFileSync(TOOL, [DATA, xmp, exported.file, '4', '', '../api/'], { stdio: 'pipe' });
  const browser = await launch();
  try {
    const { page, errors } = await open(browser.context, exported.url);
    const btn = page.locator('[data-vlm-name="button2"] button');
    await btn.click();
    assert.equal(await page.evaluate(() => VLMObject.all.image2.visible), true);
    assert.equal(await btn.textContent(), 'Witaj "świecie"\r\nnowa linia \\n');
    assert.deepEqual(await page.evaluate(() => VLM.requests.map((r) => r.type)), ['pageLoaded', 'goToPage']);
    assert.equal(await page.evaluate(() => document.querySelector('[data-vlm-name="image2"] img').alt), 'a"b\\c</script>');
    await page.close();
    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
  }
});
