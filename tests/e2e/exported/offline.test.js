'use strict';
// The offline folder the program exports from the English short-course and
// chapters templates, opened straight from disk (file://): every tree entry opens
// its page, next and previous walk the course in tree order, no script errors.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch, open } = require('../lib/browser');
const cli = require('./lib/cli');
const { treeEntries } = require('./lib/course');

const SKIP = cli.missing();
const SHOTS = process.env.VLM_SCREENSHOTS || path.join(os.tmpdir(), 'vlm-exported-screenshots');
const COURSES = [['Short course with a quiz', 'short'], ['03_chapters', 'chapters']];

let work; let browser; const courses = {};
test.before(async () => {
  if (SKIP) return;
  work = cli.scratch('offline');
  for (const [template, key] of COURSES) {
    const file = cli.newCourse(work, template, 'EN', key);
    const dir = path.join(work, key + '-offline');
    courses[key] = { file, dir, entries: treeEntries(file), run: cli.exportCourse('offline', file, dir) };
  }
  browser = await launch();
});
test.after(async () => {
  if (browser) await browser.close();
  if (work) fs.rmSync(work, { recursive: true, force: true });
});

const content = (page) => page.frame({ name: 'vlmcontent' });
const tree = (page) => page.frame({ name: 'vlmtree' });

// The content frame's address relative to the export folder.
function relative(dir, url) {
  const base = pathToFileURL(dir).href + '/';
  return url.startsWith(base) ? decodeURIComponent(url.slice(base.length)) : url;
}

async function waitContent(page, dir, want) {
  let at = '';
  for (let i = 0; i < 100; i++) {
    const f = content(page);
    at = f ? relative(dir, f.url()) : '';
    if (at === want) {
      await f.waitForLoadState('load');
      return f;
    }
    await new Promise((r) => setTimeout(r, 50));
  }
  throw new Error('content frame shows ' + at + ', not ' + want);
}

async function openHost(c) {
  const r = await open(browser.context, pathToFileURL(path.join(c.dir, 'index.html')).href);
  await waitContent(r.page, c.dir, c.entries[0].page);
  return r;
}

// A failed export is reported once, in its own test; the browser tests need it.
const exportedOk = (key) => courses[key] && courses[key].run.status === 0;
const noExport = (key) => 'the offline export failed: ' + (courses[key].run.knownFault || 'see the export test');

for (const [, key] of COURSES) {
  test(`${key}: the command line exports the course to an offline folder`, { skip: SKIP, timeout: 10000 }, (t) => {
    const c = courses[key];
    if (c.run.knownFault) t.todo(c.run.knownFault);
    assert.equal(c.run.status, 0, c.run.describe());
    for (const f of ['index.html', 'ds_tree.html', 'ds_blank.html', 'pages/lmsrequest/lmsrequest.html']) assert.ok(fs.existsSync(path.join(c.dir, f)), f);
    for (const e of c.entries) if (e.page) assert.ok(fs.existsSync(path.join(c.dir, e.page)), e.page);
    // Offline pages carry no LMS script.
    assert.doesNotMatch(fs.readFileSync(path.join(c.dir, c.entries[0].page), 'latin1'), /lmsSCORM|lmsAICC|LMSManager/);
  });

  test(`${key}: every tree entry opens its page, marked as current`, { skip: SKIP, timeout: 40000 }, async (t) => {
    if (!exportedOk(key)) return t.skip(noExport(key));
    const c = courses[key];
    const { page, errors } = await openHost(c);
    assert.deepEqual(await tree(page).locator('.vlm-entry').allTextContents(), c.entries.map((e) => e.name));
    for (const [i, e] of c.entries.entries()) {
      await tree(page).locator('.vlm-entry').nth(i).click();
      const f = await waitContent(page, c.dir, e.page || 'ds_blank.html');
      assert.equal(await tree(page).locator('.vlm-current').textContent(), e.name);
      assert.equal(await page.locator('#vlmTitle').textContent(), e.name);
      // The runtime builds the elements after the frame has loaded: wait for them.
      if (e.page) await f.locator('.vlm-obj').first().waitFor({ timeout: 10000 }).catch(() => assert.fail(e.name + ' shows its elements'));
    }
    await page.close();
    assert.deepEqual(errors, []);
  });

  test(`${key}: next and previous walk the course in tree order`, { skip: SKIP, timeout: 40000 }, async (t) => {
    if (!exportedOk(key)) return t.skip(noExport(key));
    const c = courses[key];
    const order = c.entries.filter((e) => e.page).map((e) => e.page);
    const { page, errors } = await openHost(c);
    assert.equal(await page.locator('#vlmPrev').isDisabled(), true);
    for (let i = 1; i < order.length; i++) {
      await page.click('#vlmNext');
      await waitContent(page, c.dir, order[i]);
      assert.equal(await page.locator('#vlmCounter').textContent(), `${i + 1} / ${order.length}`);
    }
    assert.equal(await page.locator('#vlmNext').isDisabled(), true);
    if (key === 'short') {
      fs.mkdirSync(SHOTS, { recursive: true });
      await page.screenshot({ path: path.join(SHOTS, 'offline-short-last.png') });
    }
    for (let i = order.length - 2; i >= 0; i--) {
      await page.click('#vlmPrev');
      await waitContent(page, c.dir, order[i]);
    }
    assert.equal(await page.locator('#vlmPrev').isDisabled(), true);
    await page.close();
    assert.deepEqual(errors, []);
  });
}

test('chapters: the exported lexicon lists the template\'s keywords and opens a definition', { skip: SKIP, timeout: 20000 }, async (t) => {
  if (!exportedOk('chapters')) return t.skip(noExport('chapters'));
  const { page, errors } = await open(browser.context, pathToFileURL(path.join(courses.chapters.dir, 'lexicon', 'index.html')).href);
  const list = page.frame({ name: 'vlmlexicontree' });
  await list.waitForLoadState('load');
  assert.deepEqual(await list.locator('#vlmLexiconList a').allTextContents(), ['E-learning', 'LMS', 'SCORM']);
  await list.getByText('LMS', { exact: true }).click();
  const def = page.frame({ name: 'vlmlexiconcontent' });
  for (let i = 0; i < 100 && !/keywords\/LMS\.html$/.test(def.url()); i++) await new Promise((r) => setTimeout(r, 50));
  await def.waitForLoadState('load');
  assert.equal((await def.locator('.vlm-lexicon-definition').textContent()).trim(),
    'A learning management system: it delivers courses and records the learners\' progress and results.');
  await page.close();
  assert.deepEqual(errors, []);
});

test('short: the title page button and the quiz work inside the frame set (screenshot)', { skip: SKIP, timeout: 30000 }, async (t) => {
  if (!exportedOk('short')) return t.skip(noExport('short'));
  const c = courses.short;
  const { page, errors } = await openHost(c);
  // "Start the course" asks the frame set for the next page.
  await content(page).getByRole('button', { name: 'Start the course' }).click();
  await waitContent(page, c.dir, c.entries[1].page);
  await tree(page).getByText('Check yourself', { exact: true }).click();
  const quiz = await waitContent(page, c.dir, 'pages/p00005/_page.html');
  await quiz.getByText('A summary of the key points', { exact: true }).click();
  await quiz.getByRole('button', { name: 'Check the answer' }).click();
  await quiz.getByText('Well done! That is correct.').waitFor();
  const file = path.join(SHOTS, 'offline-short-quiz.png');
  fs.mkdirSync(SHOTS, { recursive: true });
  await page.screenshot({ path: file });
  assert.ok(fs.statSync(file).size > 5000);
  await page.close();
  assert.deepEqual(errors, []);
});
