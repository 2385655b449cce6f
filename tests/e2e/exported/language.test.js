'use strict';
// English courses made and exported by the command line in English, looked at as a
// learner sees them in chromium: the offline folder (from disk) and the SCORM
// package (served, as an LMS serves it) show no Polish word in their frame, their
// tree and their lexicon. And page titles that end in a backslash or hold
// "</script>" stay titles in the offline tree.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch, open } = require('../lib/browser');
const { serve } = require('../lms/lib/server');
const cli = require('./lib/cli');

const SKIP = cli.missing();
// Words and letters of the Polish layouts; none of them is English.
const POLISH = /Wstecz|Dalej|Spis|Leksykon|Szukaj|Zamknij|Zako[nń]cz|Tre[sś][cć]|Poprzednia|Nast[eę]pna|Has[lł]a|Definicja|Wybierz|Otw[oó]rz|Nie mo[zż]na|Kurs\b|[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]/;

let work; let browser; let server; let offline; let pkg; let hostile; const runs = {};

// The course file of an English short course that exports a lexicon of two keywords.
function englishCourse(name) {
  const file = cli.newCourse(work, '02_short', 'EN', name);
  fs.writeFileSync(file, fs.readFileSync(file, 'latin1').replace('[EXPORT_LEXICON]\r\n0', '[EXPORT_LEXICON]\r\n1'), 'latin1');
  fs.writeFileSync(path.join(work, name, 'lexicon.ini'), '[LEXICON]\r\nGlossary=A list of words&#013;&#010;and meanings\r\nKeyword=One word\r\n\r\n', 'latin1');
  return file;
}

test.before(async () => {
  if (SKIP) return;
  work = cli.scratch('language');
  const en = englishCourse('english');
  offline = path.join(work, 'offline');
  runs.offline = cli.exportCourse('offline', en, offline, ['--lang', 'EN']);
  runs.scorm = cli.exportCourse('scorm', en, path.join(work, 'course.zip'), ['--lang', 'EN']);
  pkg = path.join(work, 'pkg');
  if (runs.scorm.status === 0) cli.unzip(path.join(work, 'course.zip'), pkg);

  // Titles that would end the tree script's strings or its script block.
  const odd = cli.newCourse(work, '02_short', 'EN', 'odd');
  fs.writeFileSync(odd, fs.readFileSync(odd, 'latin1')
    .replace('\r\nIntroduction\r\n', '\r\nEnds with \\\r\n')
    .replace('\r\nKey points\r\n', '\r\nx</script><b>bold</b>\r\n'), 'latin1');
  hostile = path.join(work, 'odd-offline');
  runs.hostile = cli.exportCourse('offline', odd, hostile, ['--lang', 'EN']);

  browser = await launch();
  server = await serve({ '/course/': pkg });
});
test.after(async () => {
  if (browser) await browser.close();
  if (server) await server.close();
  if (work) fs.rmSync(work, { recursive: true, force: true });
});

// Every text a learner can see or hear in a frame: its title, its text and the
// titles, labels and hints of its elements.
const visibleTexts = (frame) => frame.evaluate(() => {
  const out = [document.title, document.body ? document.body.innerText : ''];
  for (const el of document.querySelectorAll('[title],[aria-label],[placeholder],[alt]')) {
    for (const a of ['title', 'aria-label', 'placeholder', 'alt']) if (el.getAttribute(a)) out.push(el.getAttribute(a));
  }
  return out.join('\n');
});

function assertNoPolish(text, where) {
  const m = POLISH.exec(text);
  assert.equal(m, null, `${where} shows the Polish "${m && m[0]}" in:\n${text}`);
}

async function waitFrame(page, name, test) {
  for (let i = 0; i < 100; i++) {
    const f = page.frame({ name });
    if (f && f.url() !== 'about:blank' && await test(f).catch(() => false)) return f;
    await new Promise((r) => setTimeout(r, 50));
  }
  throw new Error('frame ' + name + ' did not load');
}

// The lexicon's frame set: the index with its entries, then a keyword's page.
async function checkLexicon(url, where) {
  const { page, errors } = await open(browser.context, url);
  try {
    const index = await waitFrame(page, 'vlmlexicontree', (f) => f.evaluate(() => document.querySelectorAll('#vlmLexiconList a').length === 2));
    assertNoPolish(await visibleTexts(page.mainFrame()), where + ' lexicon frame set');
    assertNoPolish(await visibleTexts(index), where + ' lexicon index');
    assertNoPolish(await visibleTexts(page.frame({ name: 'vlmlexiconcontent' })), where + ' lexicon start page');
    await index.click('#vlmLexiconList a >> nth=0');
    const content = await waitFrame(page, 'vlmlexiconcontent', (f) => f.evaluate(() => /words/.test(document.body.innerText)));
    assertNoPolish(await visibleTexts(content), where + ' keyword page');
    assert.deepEqual(errors, []);
  } finally {
    await page.close();
  }
}

test('an English offline course shows no Polish in its frame, tree and lexicon', { skip: SKIP, timeout: 40000 }, async () => {
  assert.equal(runs.offline.status, 0, runs.offline.describe());
  const { page, errors } = await open(browser.context, pathToFileURL(path.join(offline, 'index.html')).href);
  try {
    const tree = await waitFrame(page, 'vlmtree', (f) => f.evaluate(() => document.querySelectorAll('#vlmTree a').length > 0));
    const host = await visibleTexts(page.mainFrame());
    assert.match(host, /Next/);
    assertNoPolish(host, 'offline frame');
    assertNoPolish(await visibleTexts(tree), 'offline tree');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
    assert.deepEqual(errors, []);
  } finally {
    await page.close();
  }
  await checkLexicon(pathToFileURL(path.join(offline, 'lexicon', 'index.html')).href, 'offline');
});

test('an English SCORM course shows no Polish in its frame, menu and lexicon', { skip: SKIP, timeout: 40000 }, async () => {
  assert.equal(runs.scorm.status, 0, runs.scorm.describe());
  const { page, errors } = await open(browser.context, server.base + '/course/index.html');
  try {
    // The menu is read from the UTF-8 manifest.
    await page.waitForFunction(() => document.querySelectorAll('#vlmMenu .vlm-entry').length > 0);
    const host = await visibleTexts(page.mainFrame());
    assert.match(host, /Key points/);
    assertNoPolish(host, 'package frame and menu');
    assert.deepEqual(errors, []);
  } finally {
    await page.close();
  }
  await checkLexicon(server.base + '/course/lexicon/index.html', 'package');
  // The request page of items that are not pages.
  const request = await open(browser.context, server.base + '/course/pages/lmsrequest/lmsrequest.html?type=http&src=http%3A%2F%2F127.0.0.1%3A1%2F');
  try {
    assertNoPolish(await visibleTexts(request.page.mainFrame()), 'request page');
    assert.match(await visibleTexts(request.page.mainFrame()), /Open in a new window/);
  } finally {
    await request.page.close();
  }
});

test('titles with a final backslash or "</script>" stay titles in the offline tree', { skip: SKIP, timeout: 30000 }, async () => {
  assert.equal(runs.hostile.status, 0, runs.hostile.describe());
  const { page, errors } = await open(browser.context, pathToFileURL(path.join(hostile, 'index.html')).href);
  try {
    const tree = await waitFrame(page, 'vlmtree', (f) => f.evaluate(() => document.querySelectorAll('#vlmTree a').length > 0));
    const titles = await tree.evaluate(() => [...document.querySelectorAll('#vlmTree a')].map((a) => a.textContent));
    assert.deepEqual(titles, ['Title page', 'Ends with \\', 'x</script><b>bold</b>', 'Check yourself', 'Summary']);
    assert.equal(await tree.evaluate(() => document.querySelectorAll('b').length), 0, 'no markup from a title');
    // The tree still navigates: its third entry opens its page.
    await tree.click('#vlmTree a >> nth=2');
    await waitFrame(page, 'vlmcontent', (f) => Promise.resolve(/p00004\/_page\.html$/.test(f.url())));
    assert.deepEqual(errors, []);
  } finally {
    await page.close();
  }
});
