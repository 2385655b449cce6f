'use strict';
// The offline frame set opened straight from disk (file://): tree, walking,
// URL and document items through lmsrequest.html, lexicon links; one screenshot
// per export design.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch, open } = require('../lib/browser');
const { assemble, designs } = require('./lib/layout');
const { fixtureCourse, introPage } = require('./lib/course');

const SHOTS = process.env.VLM_SCREENSHOTS || path.join(os.tmpdir(), 'vlm-lms-screenshots');
let browser; let ext; let out;

function course() {
  const c = fixtureCourse({ url: ext.url });
  c.children[0].page = introPage('<h2>Wstęp</h2><p>Rośliny prowadzą <a href="#" onClick="openLexicon(\'../../lexicon/\',\'Fotosynteza\')">fotosyntezę</a>.</p>');
  return c;
}

test.before(async () => {
  browser = await launch();
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vlm-lms-ext-'));
  fs.writeFileSync(path.join(dir, 'ext.html'), '<!DOCTYPE html><html><head><meta charset="utf-8"><title>Zewn</title></head><body><h1 id="ext">Strona zewnętrzna</h1></body></html>');
  ext = { dir, url: pathToFileURL(path.join(dir, 'ext.html')).href };
  out = assemble('offline', course(), { lexicon: [['Fotosynteza', 'Proces, w którym rośliny\r\nwytwarzają cukry.'], ['Źdźbło', 'Łodyga trawy.']] });
  fs.mkdirSync(SHOTS, { recursive: true });
});
test.after(async () => {
  await browser.close();
  out.remove();
  fs.rmSync(ext.dir, { recursive: true, force: true });
});

const content = (page) => page.frame({ name: 'vlmcontent' });
const tree = (page) => page.frame({ name: 'vlmtree' });
const rel = (url) => decodeURIComponent(url.replace(/^file:\/\/\/tmp\/vlm-lms-offline-[^/]+\//, '').replace(/^file:\/\/.*?\/vlm-lms-offline-[^/]+\//, ''));

async function waitContent(page, pattern) {
  for (let i = 0; i < 100; i++) {
    const f = content(page);
    if (f && pattern.test(rel(f.url()))) {
      await f.waitForLoadState('load');
      return f;
    }
    await new Promise((r) => setTimeout(r, 50));
  }
  throw new Error('content frame did not reach ' + pattern + ' but ' + rel(content(page).url()));
}

async function openHost(dir = out.dir) {
  const r = await open(browser.context, pathToFileURL(path.join(dir, 'index.html')).href);
  await waitContent(r.page, /^pages\/p00002\/_page\.html$/);
  return r;
}

const current = (page) => tree(page).locator('.vlm-current').textContent();

test('the frame set opens from disk on the first page, marked in the tree', { timeout: 30000 }, async () => {
  const { page, errors } = await openHost();
  assert.equal(await current(page), 'Wstęp');
  assert.equal(await page.locator('#vlmTitle').textContent(), 'Wstęp');
  assert.equal(await page.locator('#vlmPrev').isDisabled(), true);
  await page.close();
  assert.deepEqual(errors, []);
});

test('every tree entry opens its page; URL and document items go through lmsrequest.html', { timeout: 40000 }, async () => {
  const { page, errors } = await openHost();
  const expected = [
    ['Wstęp', /^pages\/p00002\/_page\.html$/],
    ['Rozdział 1', /^ds_blank\.html$/],
    ['Ćwiczenie', /^pages\/p00004\/_page\.html$/],
    ['Strona WWW', /^pages\/lmsrequest\/lmsrequest\.html\?type=http&src=/],
    ['Dokument', /^pages\/lmsrequest\/lmsrequest\.html\?type=file&src=pages\/p00006\/notatki\.html$/],
    ['Koniec', /^pages\/p00007\/_page\.html$/],
  ];
  const titles = await tree(page).locator('.vlm-entry').allTextContents();
  assert.deepEqual(titles, expected.map((e) => e[0]));
  for (const [title, pattern] of expected) {
    await tree(page).getByText(title, { exact: true }).click();
    const f = await waitContent(page, pattern);
    assert.equal(await current(page), title);
    if (title === 'Strona WWW') {
      const view = f.childFrames()[0];
      await view.waitForLoadState('load');
      assert.equal(view.url(), ext.url);
      assert.equal(await view.locator('#ext').textContent(), 'Strona zewnętrzna');
    }
    if (title === 'Dokument') {
      const view = f.childFrames()[0];
      await view.waitForLoadState('load');
      assert.equal(await view.locator('#doc').textContent(), 'Notatki do kursu');
    }
  }
  await page.close();
  assert.deepEqual(errors, []);
});

test('next and previous walk the course in tree order; a page button asks for the next page', { timeout: 40000 }, async () => {
  const { page, errors } = await openHost();
  const order = [/p00002/, /p00004/, /type=http/, /p00006/, /p00007/];
  for (let i = 1; i < order.length; i++) {
    await page.click('#vlmNext');
    await waitContent(page, order[i]);
  }
  assert.equal(await page.locator('#vlmNext').isDisabled(), true);
  assert.equal(await page.locator('#vlmCounter').textContent(), '5 / 5');
  for (let i = order.length - 2; i >= 0; i--) {
    await page.click('#vlmPrev');
    await waitContent(page, order[i]);
  }
  // The intro page's own button sends "nextPage" to the frame set.
  await content(page).locator('[data-vlm-name="button1"] button').click();
  await waitContent(page, /p00004/);
  assert.equal(await current(page), 'Ćwiczenie');
  await page.close();
  assert.deepEqual(errors, []);
});

test('chapters collapse and expand in the tree', { timeout: 20000 }, async () => {
  const { page, errors } = await openHost();
  const t = tree(page);
  const child = t.getByText('Ćwiczenie', { exact: true });
  assert.equal(await child.isVisible(), true);
  await t.locator('.vlm-chapter > .vlm-toggle').click();
  assert.equal(await child.isVisible(), false);
  await t.locator('.vlm-chapter > .vlm-toggle').click();
  assert.equal(await child.isVisible(), true);
  await page.close();
  assert.deepEqual(errors, []);
});

test('a keyword link in a page opens its definition page', { timeout: 20000 }, async () => {
  const { page, errors } = await openHost();
  await content(page).getByText('fotosyntezę').click();
  await page.locator('#vlmLexicon').waitFor({ state: 'visible' });
  const lex = page.frame({ name: 'vlmlexicon' });
  for (let i = 0; i < 100 && !/keywords\/Fotosynteza\.html$/.test(lex.url()); i++) await new Promise((r) => setTimeout(r, 50));
  await lex.waitForLoadState('load');
  assert.match(lex.url(), /lexicon\/keywords\/Fotosynteza\.html$/);
  assert.equal((await lex.locator('.vlm-lexicon-definition').innerHTML()).trim(), 'Proces, w którym rośliny<br>wytwarzają cukry.');
  assert.equal(await page.locator('#vlmLexiconKey').textContent(), 'Fotosynteza');
  // The lexicon's own index lists the keyword.
  const { page: idx, errors: idxErrors } = await open(browser.context, pathToFileURL(path.join(out.dir, 'lexicon', 'index.html')).href);
  const list = idx.frame({ name: 'vlmlexicontree' });
  assert.deepEqual(await list.locator('#vlmLexiconList a').allTextContents(), ['Fotosynteza', 'Źdźbło']);
  assert.match(await list.locator('#vlmLexiconList a').nth(1).getAttribute('href'), /^keywords\/Zdzblo\.html$/);
  await list.locator('#vlmLexiconFilter').fill('zdz');
  assert.deepEqual(await list.locator('#vlmLexiconList a').allTextContents(), ['Źdźbło'], 'the filter ignores letter case and accents');
  await list.locator('#vlmLexiconFilter').fill('');
  await list.getByText('Fotosynteza').click();
  const def = idx.frame({ name: 'vlmlexiconcontent' });
  for (let i = 0; i < 100 && !/Fotosynteza\.html$/.test(def.url()); i++) await new Promise((r) => setTimeout(r, 50));
  await def.waitForLoadState('load');
  assert.match(await def.locator('.vlm-lexicon-definition').textContent(), /wytwarzają cukry/);
  await idx.close();
  await page.close();
  assert.deepEqual(errors, []);
  assert.deepEqual(idxErrors, []);
});

test('each export design restyles the frame set (screenshots)', { timeout: 60000 }, async () => {
  const names = designs();
  assert.ok(names.includes('Orvanta - standard'), 'the default design ships');
  assert.ok(names.length >= 3);
  for (const name of names) {
    const d = assemble('offline', course(), { design: name, lexicon: [['Fotosynteza', 'Proces.']] });
    try {
      const { page, errors } = await openHost(d.dir);
      await tree(page).getByText('Ćwiczenie', { exact: true }).click();
      await waitContent(page, /p00004/);
      await content(page).getByText('Warszawa').click();
      const file = path.join(SHOTS, 'offline-' + name.replace(/[^A-Za-z0-9]+/g, '_') + '.png');
      await page.screenshot({ path: file });
      assert.ok(fs.statSync(file).size > 5000);
      await page.close();
      assert.deepEqual(errors, [], name);
    } finally {
      d.remove();
    }
  }
});
