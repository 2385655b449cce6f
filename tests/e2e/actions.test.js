'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch, open } = require('./lib/browser');
const { Course } = require('./lib/course');
const { TestPage } = require('./lib/pagebuilder');

let browser;
let course;
test.before(async () => { browser = await launch(); course = new Course(); });
test.after(async () => { await browser.close(); course.remove(); });

const visibility = (page, name) => page.evaluate((n) =>
  getComputedStyle(document.querySelector('[data-vlm-name="' + n + '"]')).visibility, name);

// A frame set stand-in: shows the page in a frame and records the page's messages.
function hostFor(exported) {
  const host = path.join(exported.root, 'host.html');
  fs.writeFileSync(host, '<!DOCTYPE html><html><body style="margin:0"><script>window.received=[];' +
    'addEventListener("message",function(e){if(e.data&&e.data.protocol==="vellumar-page")window.received.push(e.data);});' +
    '</script><iframe name="content" src="pages/p00001/_page.html" style="width:1000px;height:700px;border:0"></iframe></body></html>');
  return pathToFileURL(host).href;
}

function buttonShowsPicture() {
  const doc = new TestPage();
  const img = doc.add('image', { x: 300, y: 40, visibility: 'hidden' });
  const btn = doc.add('button', { x: 40, y: 40, caption: 'Pokaż' });
  doc.on(btn, 'onclick', img, 'show');
  return { doc, img, btn };
}

test('a button action shows a hidden picture in the preview window', { timeout: 20000 }, async () => {
  const { doc } = buttonShowsPicture();
  const { page, errors } = await open(browser.context, course.preview(doc, 1));
  assert.equal(await visibility(page, 'image1'), 'hidden');
  await page.click('[data-vlm-name="button1"] button');
  assert.equal(await visibility(page, 'image1'), 'visible');
  assert.ok(await page.evaluate(() => document.querySelector('.vlm-image img').naturalWidth > 0), 'the picture loaded');
  await page.close();
  assert.deepEqual(errors, []);
});

test('events do not run in the designer preview', { timeout: 20000 }, async () => {
  const { doc } = buttonShowsPicture();
  const { page, errors } = await open(browser.context, course.preview(doc, 2));
  await page.click('[data-vlm-name="button1"] button');
  assert.equal(await visibility(page, 'image1'), 'hidden');
  await page.close();
  assert.deepEqual(errors, []);
});

test('a text parameter reaches the action decoded, quotes and Polish letters intact', { timeout: 20000 }, async () => {
  const doc = new TestPage();
  const btn = doc.add('button', { caption: 'Start' });
  const txt = doc.add('text', { x: 200, text: 'stary' });
  doc.on(btn, 'onclick', btn, 'setCaption', 'Zażółć "gęślą" jaźń', 'text');
  doc.on(btn, 'onclick', txt, 'setText', '<b>nowy</b> tekst</p>', 'text');
  doc.on(btn, 'onclick', txt, 'moveTo', '500,300', 'format');
  const { page, errors } = await open(browser.context, course.preview(doc, 1));
  await page.click('[data-vlm-name="button1"] button');
  assert.equal(await page.textContent('[data-vlm-name="button1"] button'), 'Zażółć "gęślą" jaźń');
  assert.equal(await page.textContent('[data-vlm-name="text1"] b'), 'nowy');
  const pos = await page.evaluate(() => { const s = VLMObject.all.text1.root.style; return [s.left, s.top]; });
  assert.deepEqual(pos, ['500px', '300px']);
  await page.close();
  assert.deepEqual(errors, []);
});

test('property values cannot break out of the page script', { timeout: 20000 }, async () => {
  const doc = new TestPage();
  doc.add('button', { caption: 'a"b\\c</script><script>window.hacked=1</script>' });
  const { page, errors } = await open(browser.context, course.preview(doc, 1));
  assert.equal(await page.textContent('[data-vlm-name="button1"] button'), 'a"b\\c</script><script>window.hacked=1</script>');
  assert.equal(await page.evaluate(() => window.hacked), undefined);
  await page.close();
  assert.deepEqual(errors, []);
});

test('page jumps and next/previous are requested from the host frame', { timeout: 20000 }, async () => {
  const doc = new TestPage();
  const jump = doc.add('button', { caption: 'Skok' });
  const next = doc.add('button', { y: 60, caption: 'Dalej' });
  doc.on(jump, 'onclick', doc.page, 'goToPage', '3', 'format');
  doc.on(next, 'onclick', doc.page, 'nextPage');
  doc.on(next, 'onclick', doc.page, 'openUrl', 'https://example.org/a b', 'text');
  const exported = course.exportPage(doc, 1);
  const { page, errors } = await open(browser.context, hostFor(exported));
  const frame = page.frame({ name: 'content' });
  await frame.click('[data-vlm-name="button1"] button');
  await frame.click('[data-vlm-name="button2"] button');
  await page.waitForFunction(() => window.received.length >= 4);
  const got = await page.evaluate(() => window.received.map((m) => [m.type, m.target || m.url, m.pageIndex]));
  assert.deepEqual(got, [['pageLoaded', undefined, 1], ['goToPage', 3, 1], ['nextPage', undefined, 1], ['openUrl', 'https://example.org/a b', 1]]);
  await page.close();
  assert.deepEqual(errors, []);
});

test('a page shown alone keeps working when it requests a jump', { timeout: 20000 }, async () => {
  const doc = new TestPage();
  const jump = doc.add('button', { caption: 'Skok' });
  doc.on(jump, 'onclick', doc.page, 'goToPage', '7', 'format');
  const { page, errors } = await open(browser.context, course.preview(doc, 1));
  await page.click('[data-vlm-name="button1"] button');
  const req = await page.evaluate(() => VLM.requests.map((r) => r.type + ':' + (r.target ?? '')));
  assert.deepEqual(req, ['pageLoaded:', 'goToPage:7']);
  await page.close();
  assert.deepEqual(errors, []);
});

test('a lexicon link asks the host for the keyword page', { timeout: 20000 }, async () => {
  const doc = new TestPage();
  doc.add('text', { text: 'Mały <a href="#" onClick="openLexicon(\'../../lexicon/\',\'Zażółć\')">Zażółć</a> kot' });
  const exported = course.exportPage(doc, 1);
  const { page, errors } = await open(browser.context, hostFor(exported));
  await page.frame({ name: 'content' }).click('a');
  await page.waitForFunction(() => window.received.some((m) => m.type === 'openLexicon'));
  const msg = await page.evaluate(() => window.received.find((m) => m.type === 'openLexicon'));
  assert.equal(msg.key, 'Zażółć');
  assert.equal(msg.url, pathToFileURL(path.join(exported.root, 'lexicon', 'keywords', 'Zazolc.html')).href);
  await page.close();
  assert.deepEqual(errors, []);
});

test('without a host the lexicon opens the keyword page in its own window', { timeout: 20000 }, async () => {
  const doc = new TestPage();
  doc.add('text', { text: '<a href="#" onClick="openLexicon(\'lexicon/\',\'kot, pies!\')">kot</a>' });
  const url = course.preview(doc, 1);
  fs.mkdirSync(path.join(course.temp, 'lexicon', 'keywords'), { recursive: true });
  fs.writeFileSync(path.join(course.temp, 'lexicon', 'keywords', 'kot pies!.html'), '<html><body>Kot: zwierzę</body></html>');
  const { page, errors } = await open(browser.context, url);
  const [popup] = await Promise.all([browser.context.waitForEvent('page'), page.click('a')]);
  await popup.waitForLoadState();
  assert.match(decodeURIComponent(popup.url()), /\/temp\/lexicon\/keywords\/kot pies!\.html$/);
  assert.match(await popup.textContent('body'), /Kot/);
  await popup.close();
  await page.close();
  assert.deepEqual(errors, []);
});

test('page onload actions and steps run in an exported page', { timeout: 20000 }, async () => {
  const doc = new TestPage();
  const hint = doc.add('popup', { title: 'Start' });
  const later = doc.add('text', { y: 300, text: 'Krok 1', step: '1' });
  const btn = doc.add('button', { y: 400, caption: 'Dalej' });
  doc.on(doc.page, 'onload', hint, 'show');
  doc.on(btn, 'onclick', doc.page, 'nextStep');
  const { page, errors } = await open(browser.context, course.exportPage(doc, 1).url);
  assert.equal(await visibility(page, 'popup1'), 'visible');
  assert.equal(await visibility(page, 'text1'), 'hidden');
  await page.click('[data-vlm-name="button1"] button');
  assert.equal(await visibility(page, 'text1'), 'visible');
  await page.click('[data-vlm-name="popup1"] .vlm-bar button');
  assert.equal(await visibility(page, 'popup1'), 'hidden');
  await page.close();
  assert.deepEqual(errors, []);
});

// Zoomed or narrow windows scroll the page: scaled down, its text would shrink with zoom.
test('a page wider than the window keeps its designed size and scrolls', { timeout: 20000 }, async () => {
  const doc = new TestPage();
  doc.add('rectangle', { x: 0, y: 0, width: 1200, height: 100 });
  const page = await browser.context.newPage();
  await page.setViewportSize({ width: 600, height: 500 });
  await page.goto(course.exportPage(doc, 1).url);
  const size = await page.evaluate(() => ({
    width: document.querySelector('.vlm-rectangle').getBoundingClientRect().width,
    scroll: document.documentElement.scrollWidth,
  }));
  assert.equal(Math.round(size.width), 1200);
  assert.ok(size.scroll >= 1200, 'the page scrolls to its right edge: ' + size.scroll);
  await page.close();
});

test('pictures with blanks, Polish letters and # in their names load in preview and export', { timeout: 20000 }, async () => {
  fs.copyFileSync(path.join(course.resources, 'vlm_picture.png'), path.join(course.resources, 'zdjęcie #1 (mała).png'));
  const doc = new TestPage();
  doc.add('image', { src: '..\\resources\\zdjęcie #1 (mała).png' });
  for (const url of [course.preview(doc, 1), course.exportPage(doc, 1).url]) {
    const { page, errors } = await open(browser.context, url);
    await page.waitForFunction(() => document.querySelector('.vlm-image img').complete);
    assert.ok(await page.evaluate(() => document.querySelector('.vlm-image img').naturalWidth) > 0, url);
    await page.close();
    assert.deepEqual(errors, []);
  }
});
