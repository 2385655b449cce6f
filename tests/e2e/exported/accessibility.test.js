'use strict';
// Exported courses as a screen reader, keyboard or zoom user meets them: the EN
// course templates exported offline (in every design) and as SCORM, checked with
// axe-core in every frame; the tree walked with keys only; the page at 400 % zoom;
// the navigation's contrast measured on the drawn pixels.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch, open } = require('../lib/browser');
const { serve } = require('../lms/lib/server');
const cli = require('./lib/cli');

const SKIP = cli.missing();
const AXE = require.resolve('axe-core/axe.min.js');
const TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'];
const TEMPLATES = cli.templates().filter((t) => t.lang === 'EN').map((t) => t.name);
const CHAPTERS = TEMPLATES.find((n) => /chapters/.test(n)) || TEMPLATES[TEMPLATES.length - 1];

// The export designs the command line offers, one name a line.
function designs() {
  const r = cli.run(['list', 'designs']);
  if (r.status !== 0) throw new Error(r.describe());
  return r.stdout.split('\n').map((l) => l.trim()).filter(Boolean);
}

let work; let browser; let server;
const offline = {}; // "template|design" -> folder
const scorm = {};   // template -> folder
let DESIGNS = [];
test.before(async () => {
  if (SKIP) return;
  work = cli.scratch('a11y');
  DESIGNS = designs();
  for (const name of TEMPLATES) {
    const dir = path.join(work, name);
    fs.mkdirSync(dir);
    const file = cli.newCourse(dir, name, 'EN');
    for (const design of name === CHAPTERS ? DESIGNS : [DESIGNS[0]]) {
      const out = path.join(dir, 'offline-' + DESIGNS.indexOf(design));
      const r = cli.exportCourse('offline', file, out, ['--design', design, '--lang', 'EN']);
      if (r.status !== 0) throw new Error(r.describe());
      offline[name + '|' + design] = out;
    }
    const r = cli.exportCourse('scorm', file, path.join(dir, 'course.zip'), ['--lang', 'EN']);
    if (r.status !== 0) throw new Error(r.describe());
    scorm[name] = cli.unzip(path.join(dir, 'course.zip'), path.join(dir, 'scorm'));
  }
  const roots = {};
  for (const name of TEMPLATES) roots['/' + name + '/'] = scorm[name];
  server = await serve(roots);
  browser = await launch();
});
test.after(async () => {
  if (browser) await browser.close();
  if (server) await server.close();
  if (work) fs.rmSync(work, { recursive: true, force: true });
});

async function until(what, check, tries = 100) {
  for (let i = 0; i < tries; i++) {
    const v = await check();
    if (v) return v;
    await new Promise((r) => setTimeout(r, 50));
  }
  assert.fail('timed out waiting for ' + what);
}

// Critical and serious violations of one frame, as "rule: targets".
async function axeFrame(frame) {
  await frame.addScriptTag({ path: AXE });
  const result = await frame.evaluate((tags) => window.axe.run(document, { runOnly: { type: 'tag', values: tags } }), TAGS);
  return result.violations
    .filter((v) => v.impact === 'critical' || v.impact === 'serious')
    .map((v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', '));
}

function contentFrame(page) { return page.frame({ name: 'vlmcontent' }); }

async function contentUrl(page) {
  const f = contentFrame(page);
  return f ? f.url() : '';
}

// Every frame of the course, page after page with Next (at most `limit` pages).
async function axeCourse(page, limit = 12) {
  const problems = [];
  const seen = new Set();
  for (let n = 0; n < limit; n++) {
    await until('a page in the content frame', async () => !/about:blank$/.test(await contentUrl(page)));
    const content = contentFrame(page);
    await content.waitForLoadState('load');
    // A course page is titled by page and course, and its main part starts with a
    // first-level heading or is labelled.
    if (/_page\.html/.test(content.url())) {
      const shape = await content.evaluate(() => {
        const main = document.querySelector('main');
        return { title: document.title, main: !!main, named: !!main && (!!main.querySelector('h1') || !!main.getAttribute('aria-label')) };
      });
      if (!shape.title.includes(' - ') || !shape.main || !shape.named) problems.push('page shape ' + JSON.stringify(shape));
    }
    for (const frame of page.frames()) {
      const key = frame === content ? frame.url() : frame.name() + '|' + frame.url();
      if (seen.has(key)) continue;
      seen.add(key);
      // A frame no one can see (a closed lexicon, a request page's unused view) is not read.
      const element = frame.parentFrame() ? await frame.frameElement() : null;
      if (element && !(await element.isVisible())) continue;
      const where = decodeURIComponent(frame.url()).replace(/^.*\//, '');
      const lang = await frame.evaluate(() => document.documentElement.lang);
      if (lang !== 'en') problems.push(where + ' lang "' + lang + '" is not the course language');
      for (const p of await axeFrame(frame)) problems.push(where + ' ' + p);
    }
    const next = page.locator('#vlmNext');
    if (await next.isDisabled()) break;
    const before = await contentUrl(page);
    await next.click();
    await until('the next page', async () => (await contentUrl(page)) !== before);
  }
  return problems;
}

for (const name of TEMPLATES) {
  test(`EN/${name} offline: no critical or serious axe violation in any frame`, { skip: SKIP, timeout: 90000 }, async () => {
    const { page } = await open(browser.context, pathToFileURL(path.join(offline[name + '|' + DESIGNS[0]], 'index.html')).href);
    try {
      assert.deepEqual(await axeCourse(page), []);
    } finally { await page.close(); }
  });
  test(`EN/${name} SCORM: no critical or serious axe violation in any frame`, { skip: SKIP, timeout: 90000 }, async () => {
    const { page } = await open(browser.context, server.base + '/' + name + '/index.html');
    try {
      await until('the course menu', () => page.locator('#vlmMenu a').count());
      assert.deepEqual(await axeCourse(page), []);
    } finally { await page.close(); }
  });
}

test('every design: no critical or serious axe violation on the chapters course', { skip: SKIP, timeout: 120000 }, async () => {
  for (const design of DESIGNS.slice(1)) {
    const { page } = await open(browser.context, pathToFileURL(path.join(offline[CHAPTERS + '|' + design], 'index.html')).href);
    try {
      assert.deepEqual(await axeCourse(page, 4), [], design);
    } finally { await page.close(); }
  }
});

async function treeFocus(tree) {
  return tree.evaluate(() => {
    const a = document.activeElement;
    return document.hasFocus() && a && a.classList.contains('vlm-entry') ? a.textContent : '';
  });
}

test('the tree is used with keys only: skip link, arrows, Enter, focus on the new page and its announcement', { skip: SKIP, timeout: 60000 }, async () => {
  const { page } = await open(browser.context, pathToFileURL(path.join(offline[CHAPTERS + '|' + DESIGNS[0]], 'index.html')).href);
  try {
    const tree = page.frame({ name: 'vlmtree' });
    await until('the first page', async () => /_page\.html/.test(await contentUrl(page)));
    const titles = await tree.locator('.vlm-entry').allTextContents();
    assert.ok(titles.length >= 3, 'the chapters course has chapters and pages');

    await page.keyboard.press('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'vlmSkip', 'the skip link comes first');

    // Tab reaches the first entry of the tree after the header's controls.
    let at = '';
    for (let i = 0; i < 12 && !at; i++) {
      await page.keyboard.press('Tab');
      at = await treeFocus(tree);
    }
    assert.equal(at, titles[0], 'Tab reaches the tree');
    await page.keyboard.press('End');
    const last = await treeFocus(tree);
    assert.notEqual(last, titles[0], 'End moves to the last visible entry');
    await page.keyboard.press('Home');
    assert.equal(await treeFocus(tree), titles[0]);
    await page.keyboard.press('ArrowDown');
    const second = await treeFocus(tree);
    assert.equal(second, titles[1], 'ArrowDown moves to the next entry');

    // A chapter closes with Left and opens with Right; Right on an open chapter
    // goes to its first entry, Left from there back to the chapter.
    const chapter = tree.locator('.vlm-chapter > .vlm-entry').first();
    const toggle = tree.locator('.vlm-chapter > .vlm-toggle').first();
    assert.equal(await toggle.getAttribute('aria-label'), await chapter.textContent(), 'the toggle is named by its chapter');
    await chapter.focus();
    if (await toggle.getAttribute('aria-expanded') === 'false') await page.keyboard.press('ArrowRight');
    assert.equal(await toggle.getAttribute('aria-expanded'), 'true');
    await page.keyboard.press('ArrowLeft');
    assert.equal(await toggle.getAttribute('aria-expanded'), 'false');
    await page.keyboard.press('ArrowRight');
    assert.equal(await toggle.getAttribute('aria-expanded'), 'true');
    const chapterTitle = await treeFocus(tree);
    await page.keyboard.press('ArrowRight');
    assert.notEqual(await treeFocus(tree), chapterTitle, 'Right on an open chapter enters it');
    await page.keyboard.press('ArrowLeft');
    assert.equal(await treeFocus(tree), chapterTitle, 'Left goes back to the chapter');

    // The toggle is a focusable button before its link.
    await page.keyboard.press('Shift+Tab');
    assert.equal(await tree.evaluate(() => document.activeElement.className), 'vlm-toggle');
    await page.keyboard.press('Enter');
    assert.equal(await toggle.getAttribute('aria-expanded'), 'false', 'Enter on the toggle closes the chapter');
    await page.keyboard.press('Space');
    assert.equal(await toggle.getAttribute('aria-expanded'), 'true', 'Space opens it again');

    // Enter on an entry with a page opens it; the page takes the focus and the change is announced.
    const before = await contentUrl(page);
    const target = tree.locator('.vlm-leaf > .vlm-entry').nth(1);
    const title = await target.textContent();
    await target.focus();
    await page.keyboard.press('Enter');
    await until('the chosen page', async () => (await contentUrl(page)) !== before);
    await until('the focus on the new page', async () => contentFrame(page).evaluate(() =>
      document.hasFocus() && !!document.activeElement && document.activeElement.closest('main') !== null).catch(() => false));
    await until('the announcement', async () => (await page.locator('#vlmStatus').textContent()).includes(title));
    assert.match(await page.locator('#vlmStatus').textContent(), /^Page /, 'the announcement is in the course language');
  } finally { await page.close(); }
});

// The first text element of the page: its drawn height in device pixels.
async function textSize(page) {
  const content = contentFrame(page);
  await content.locator('.vlm-text').first().waitFor();
  return content.evaluate(() => {
    const el = document.querySelector('.vlm-text');
    return el.getBoundingClientRect().height * window.devicePixelRatio;
  });
}

test('at 400 % zoom page text is at least twice its 100 % size and nothing is cut off', { skip: SKIP, timeout: 60000 }, async () => {
  const url = pathToFileURL(path.join(offline[CHAPTERS + '|' + DESIGNS[0]], 'index.html')).href;
  const { page } = await open(browser.context, url);
  try {
    await until('the first page', async () => /_page\.html/.test(await contentUrl(page)));
    const normal = await textSize(page);
    // Browser zoom: a quarter of the CSS pixels, four device pixels each.
    const cdp = await page.context().newCDPSession(page);
    await cdp.send('Emulation.setDeviceMetricsOverride', { width: 256, height: 192, deviceScaleFactor: 4, mobile: false });
    await page.reload();
    await until('the first page', async () => /_page\.html/.test(await contentUrl(page)));
    const zoomed = await textSize(page);
    assert.ok(zoomed >= 2 * normal, `text ${normal} px at 100 %, ${zoomed} px at 400 %`);

    // The header's controls are inside the window; the tree waits behind its button.
    const outside = await page.evaluate(() => [...document.querySelectorAll('#vlmHeader button')]
      .filter((b) => b.offsetParent !== null)
      .filter((b) => { const r = b.getBoundingClientRect(); return r.left < 0 || r.right > window.innerWidth; })
      .map((b) => b.id));
    assert.deepEqual(outside, []);
    assert.equal(await page.locator('#vlmTreeFrame').isVisible(), false, 'the tree is collapsed');
    assert.equal(await page.locator('#vlmToggleTree').getAttribute('aria-expanded'), 'false');
    const frame = await page.locator('#vlmContentFrame').boundingBox();
    assert.ok(frame.width >= 200 && frame.height >= 60, 'the page keeps the window: ' + JSON.stringify(frame));
    await page.locator('#vlmToggleTree').click();
    assert.equal(await page.locator('#vlmTreeFrame').isVisible(), true, 'the button opens the tree');
    assert.equal(await page.locator('#vlmToggleTree').getAttribute('aria-expanded'), 'true');
    await page.locator('#vlmToggleTree').click();

    // Every element of the page can be scrolled to: nothing hidden past an edge.
    const cut = await contentFrame(page).evaluate(() => {
      const doc = document.documentElement;
      const clip = (s) => s.overflowX === 'hidden' || s.overflowX === 'clip';
      const hidden = clip(getComputedStyle(doc)) || clip(getComputedStyle(document.body));
      return [...document.querySelectorAll('.vlm-obj')].filter((el) => {
        const r = el.getBoundingClientRect();
        return hidden || r.right + window.scrollX > doc.scrollWidth + 1 || r.bottom + window.scrollY > doc.scrollHeight + 1 || r.left < 0;
      }).map((el) => el.id || el.className);
    });
    assert.deepEqual(cut, []);
    await cdp.send('Emulation.clearDeviceMetricsOverride');
  } finally { await page.close(); }
});

// Relative luminance and contrast of [r, g, b] colours.
function luminance([r, g, b]) {
  const c = (v) => { v /= 255; return v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4; };
  return 0.2126 * c(r) + 0.7152 * c(g) + 0.0722 * c(b);
}
function contrast(a, b) {
  const [x, y] = [luminance(a), luminance(b)].sort((p, q) => q - p);
  return (x + 0.05) / (y + 0.05);
}

// The pixels of a PNG screenshot, decoded by the browser.
async function pixels(page, png) {
  return page.evaluate(async (data) => {
    const img = new Image();
    img.src = 'data:image/png;base64,' + data;
    await img.decode();
    const c = document.createElement('canvas');
    c.width = img.width; c.height = img.height;
    const g = c.getContext('2d');
    g.drawImage(img, 0, 0);
    return { width: c.width, height: c.height, data: Array.from(g.getImageData(0, 0, c.width, c.height).data) };
  }, png.toString('base64'));
}

function colourAt(p, x, y) { const i = (y * p.width + x) * 4; return [p.data[i], p.data[i + 1], p.data[i + 2]]; }

// The label's contrast: the button's commonest colour is its background, the
// strongest colour drawn on at least 4 pixels its text.
function labelContrast(p) {
  const count = new Map();
  for (let y = 0; y < p.height; y++) for (let x = 0; x < p.width; x++) {
    const k = colourAt(p, x, y).join(',');
    count.set(k, (count.get(k) || 0) + 1);
  }
  const ranked = [...count.entries()].sort((a, b) => b[1] - a[1]);
  const back = ranked[0][0].split(',').map(Number);
  let best = 1;
  for (const [k, n] of ranked) if (n >= 4) best = Math.max(best, contrast(back, k.split(',').map(Number)));
  return best;
}

// The focus ring's contrast: the commonest colour that changed around the button
// against the colour that was there before.
function ringContrast(before, after) {
  const count = new Map();
  for (let y = 0; y < after.height; y++) for (let x = 0; x < after.width; x++) {
    const inner = x >= 8 && y >= 8 && x < after.width - 8 && y < after.height - 8;
    if (inner) continue;
    const a = colourAt(after, x, y), b = colourAt(before, x, y);
    if (a.join() === b.join()) continue;
    const k = a.join() + '|' + b.join();
    count.set(k, (count.get(k) || 0) + 1);
  }
  const ranked = [...count.entries()].sort((a, b) => b[1] - a[1]);
  if (!ranked.length) return 1;
  const [a, b] = ranked[0][0].split('|').map((s) => s.split(',').map(Number));
  return contrast(a, b);
}

test('every design: the navigation\'s labels and focus ring contrast in normal, hover and focus states', { skip: SKIP, timeout: 90000 }, async (t) => {
  const failures = [];
  for (const design of DESIGNS) {
    const { page } = await open(browser.context, pathToFileURL(path.join(offline[CHAPTERS + '|' + design], 'index.html')).href);
    try {
      const next = page.locator('#vlmNext');
      await until('Next enabled', async () => !(await next.isDisabled()));
      const box = await next.boundingBox();
      const inner = { x: box.x + 2, y: box.y + 2, width: box.width - 4, height: box.height - 4 };
      const around = { x: box.x - 8, y: box.y - 8, width: box.width + 16, height: box.height + 16 };
      await page.mouse.move(0, 300);
      const normal = await pixels(page, await page.screenshot({ clip: inner }));
      const plain = await pixels(page, await page.screenshot({ clip: around }));
      await next.hover();
      await page.waitForTimeout(300); // the designs' transitions
      const hover = await pixels(page, await page.screenshot({ clip: inner }));
      await page.mouse.move(0, 300);
      await page.locator('#vlmPrev').evaluate((b) => { b.disabled = false; });
      await page.locator('#vlmPrev').focus();
      await page.keyboard.press('Tab');
      assert.equal(await page.evaluate(() => document.activeElement.id), 'vlmNext');
      await page.waitForTimeout(300);
      const focus = await pixels(page, await page.screenshot({ clip: inner }));
      const ring = await pixels(page, await page.screenshot({ clip: around }));
      const measured = {
        normal: labelContrast(normal), hover: labelContrast(hover), focus: labelContrast(focus), ring: ringContrast(plain, ring),
      };
      t.diagnostic(`${design}: ${JSON.stringify(measured)}`);
      for (const state of ['normal', 'hover', 'focus']) if (measured[state] < 4.5) failures.push(`${design} ${state} label ${measured[state].toFixed(2)}:1`);
      if (measured.ring < 3) failures.push(`${design} focus ring ${measured.ring.toFixed(2)}:1`);
    } finally { await page.close(); }
  }
  assert.deepEqual(failures, []);
});
