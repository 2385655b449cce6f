'use strict';
const test = require('node:test');
const { describe } = test;
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { launch, open } = require('./lib/browser');
const { Course } = require('./lib/course');
const { CLASSES, samplePage } = require('./lib/samples');
const { recordWebm } = require('./lib/media');

const SHOTS = path.resolve(__dirname, '..', '..', 'build', 'e2e-shots');
let browser;
let course;

test.before(async () => {
  browser = await launch();
  course = new Course();
  course.addResource('doc.html', '<html><head><meta charset="utf-8"></head><body style="font-family:sans-serif"><h3>Dokument</h3><p>Treść dokumentu HTML.</p></body></html>');
  course.addResource('movie.swf', Buffer.from('FWS'));
  course.addResource('sample.webm', await recordWebm(browser.context));
  fs.mkdirSync(SHOTS, { recursive: true });
});

test.after(async () => {
  await browser.close();
  course.remove();
});

const hiddenByDefault = new Set(['popup', 'feedback']);

async function frameOf(page, name) {
  return page.evaluate((n) => {
    const e = document.querySelector('[data-vlm-name="' + n + '"]');
    if (!e) return null;
    const r = e.getBoundingClientRect();
    return { x: r.left, y: r.top, w: r.width, h: r.height, visibility: getComputedStyle(e).visibility, html: e.innerHTML.length };
  }, name);
}

describe('per class', { concurrency: 3 }, () => {
for (const cls of CLASSES) {
  test('component ' + cls + ' renders in every mode without script errors', { timeout: 30000 }, async () => {
    const { page: doc, element } = samplePage(cls);
    const name = element.attrs.get('name');
    const width = Number(element.attrs.get('width'));
    const height = Number(element.attrs.get('height'));
    const visibleInPage = !hiddenByDefault.has(cls) || element.attrs.get('visibility') === 'visible';
    const urls = {
      1: course.preview(doc, 1, null, cls + '-1.html'),
      2: course.preview(doc, 2, null, cls + '-2.html'),
      3: course.preview(doc, 3, element, cls + '-3.html'),
      4: course.exportPage(doc, 10 + 2 * CLASSES.indexOf(cls)).url,
    };
    const exam = course.exportPage(doc, 11 + 2 * CLASSES.indexOf(cls), { mode: 5 }).url;
    urls[5] = exam;
    for (const [mode, url] of Object.entries(urls)) {
      const { page, errors } = await open(browser.context, url);
      const f = await frameOf(page, name);
      assert.ok(f, `mode ${mode}: element ${name} is on the page`);
      assert.equal(Math.round(f.w), width, `mode ${mode}: width`);
      assert.equal(Math.round(f.h), height, `mode ${mode}: height`);
      assert.ok(f.html > 0 || cls === 'rectangle', `mode ${mode}: element has content`);
      const expectVisible = mode === '3' ? true : visibleInPage;
      assert.equal(f.visibility, expectVisible ? 'visible' : 'hidden', `mode ${mode}: visibility`);
      if (mode === '3') {
        assert.deepEqual([f.x, f.y], [0, 0], 'the design surface shows the element at the origin');
        const state = await page.evaluate(() => [page.state, VLMObject.list.length]);
        assert.deepEqual(state, [3, 1]);
      }
      if (mode === '1') await page.screenshot({ path: path.join(SHOTS, cls + '.png') });
      await page.close();
      assert.deepEqual(errors, [], `mode ${mode}: no script errors`);
    }
  });
}
});
