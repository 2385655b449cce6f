'use strict';
// AICC: the package played from a loopback HTTP server against a small HACP
// server that records GetParam, PutParam and ExitAU.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch, open } = require('../lib/browser');
const { serve } = require('./lib/server');
const { assemble } = require('./lib/layout');
const { fixtureCourse } = require('./lib/course');

// sessions: sid -> {commands: [{command, data}], lesson}
const sessions = new Map();
const stored = new Map(); // student's Core_Lesson kept between sessions, by unit

function hacp(req, body, res) {
  const form = new URLSearchParams(body);
  const command = String(form.get('command') || '').toLowerCase();
  const sid = form.get('session_id') || '';
  const s = sessions.get(sid);
  let reply = 'error=0\r\nerror_text=Successful\r\n';
  if (!s) reply = 'error=3\r\nerror_text=Invalid Session ID\r\n';
  else {
    s.commands.push({ command, data: form.get('aicc_data') || '' });
    if (command === 'getparam') {
      reply += 'aicc_data=[Core]\r\nStudent_ID=s1\r\nStudent_Name=Kowalski, Jan\r\nLesson_Location=\r\nCredit=C\r\n' +
        'Lesson_Status=' + (s.status || 'N') + '\r\nScore=\r\nTime=00:00:00\r\n' +
        (s.mastery ? '[Student_Data]\r\nMastery_Score=' + s.mastery + '\r\n' : '') +
        '[Core_Lesson]\r\n' + (stored.get(s.unit) || '') + '\r\n';
    } else if (command === 'putparam') {
      const lesson = /\[Core_Lesson\]\r?\n([\s\S]*)$/i.exec(form.get('aicc_data') || '');
      if (lesson) stored.set(s.unit, lesson[1].trim());
    }
  }
  res.writeHead(200, { 'Content-Type': 'text/plain' });
  res.end(reply);
}

// The same HACP service on another origin, as most LMSs run it: with or without CORS.
function crossOrigin(cors) {
  return (req, body, res) => {
    const head = res.writeHead.bind(res);
    res.writeHead = (code, h) => head(code, Object.assign(cors ? { 'Access-Control-Allow-Origin': '*' } : {}, h));
    hacp(req, body, res);
  };
}

function core(data) {
  const out = {};
  const m = /\[Core\]\r?\n([\s\S]*?)(\r?\n\[|$)/i.exec(data);
  for (const line of (m ? m[1] : '').split(/\r?\n/)) {
    const eq = line.indexOf('=');
    if (eq > 0) out[line.slice(0, eq).trim().toLowerCase()] = line.slice(eq + 1).trim();
  }
  return out;
}

let browser; let server; let lmsCors; let lmsPlain; let multi; let single; let leo; let sidCount = 0;
test.before(async () => {
  browser = await launch();
  multi = assemble('aicc', fixtureCourse(), { aiccMulti: true });
  single = assemble('aicc', fixtureCourse(), { aiccMulti: false });
  leo = assemble('aicc', fixtureCourse(), { aiccMulti: true, leo: true });
  server = await serve({ '/multi/': multi.dir, '/single/': single.dir, '/leo/': leo.dir }, { '/hacp': hacp });
  lmsCors = await serve({}, { '/hacp': crossOrigin(true) });
  lmsPlain = await serve({}, { '/hacp': crossOrigin(false) });
});
test.after(async () => {
  await browser.close();
  await server.close();
  await lmsCors.close();
  await lmsPlain.close();
  for (const d of [multi, single, leo]) d.remove();
});

function newSession(unit, extra = {}) {
  const sid = 'S' + (++sidCount) + '-' + unit;
  sessions.set(sid, Object.assign({ unit, commands: [] }, extra));
  return sid;
}

const launchUrl = (folder, sid, query = '', lms = server) => server.base + '/' + folder + '/index.html?' + query +
  'aicc_sid=' + encodeURIComponent(sid) + '&aicc_url=' + encodeURIComponent(lms.base + '/hacp');

async function waitCommands(sid, pred) {
  for (let i = 0; i < 100; i++) {
    if (pred(sessions.get(sid).commands)) return sessions.get(sid).commands;
    await new Promise((r) => setTimeout(r, 50));
  }
  return sessions.get(sid).commands;
}

const names = (cmds) => cmds.map((c) => c.command);
const content = (page) => page.frame({ name: 'vlmcontent' });

async function contentAt(page, pattern) {
  for (let i = 0; i < 100; i++) {
    const f = content(page);
    if (pattern.test(f.url())) { await f.waitForLoadState('load'); return f; }
    await new Promise((r) => setTimeout(r, 50));
  }
  throw new Error('content not at ' + pattern + ': ' + content(page).url());
}

async function answerAndExit(page, city, sid) {
  const f = await contentAt(page, /p00004\/_page\.html/);
  await waitCommands(sid, (c) => names(c).includes('putparam'));
  await f.getByText(city).click();
  await f.locator('[data-vlm-name="button1"] button').click();
  await page.click('#vlmExit');
  return waitCommands(sid, (c) => names(c).includes('exitau'));
}

for (const [label, city, status, score] of [['right', 'Warszawa', 'passed', '10'], ['wrong', 'Kraków', 'failed', '0']]) {
  test(`one unit per page: an exercise answered ${label} reports "${status}" and score ${score}, then ExitAU`, { timeout: 30000 }, async () => {
    const sid = newSession('A00000004-' + label);
    const { page, errors } = await open(browser.context, launchUrl('multi', sid, 'page=4&'));
    assert.equal(await page.locator('#vlmTreeFrame').isVisible(), false, 'a launched unit shows its page alone');
    const cmds = await answerAndExit(page, city, sid);
    assert.equal(cmds[0].command, 'getparam');
    assert.equal(cmds[cmds.length - 1].command, 'exitau');
    assert.equal(names(cmds).filter((n) => n === 'exitau').length, 1);
    const puts = cmds.filter((c) => c.command === 'putparam').map((c) => core(c.data));
    assert.equal(puts[0].lesson_status, 'incomplete', 'first visit of an exercise');
    const last = puts[puts.length - 1];
    assert.equal(last.lesson_status, status);
    assert.equal(last.score, score);
    assert.match(last.time, /^\d{2,4}:\d{2}:\d{2}$/);
    await page.close();
    assert.deepEqual(errors, []);
  });
}

test('one unit per page: a unit closed without the exit button still reports and ends its session', { timeout: 30000 }, async () => {
  const sid = newSession('A00000004-closed');
  const { page, errors } = await open(browser.context, launchUrl('multi', sid, 'page=4&'));
  const f = await contentAt(page, /p00004\/_page\.html/);
  await waitCommands(sid, (c) => names(c).includes('putparam'));
  await f.getByText('Warszawa').click();
  await f.locator('[data-vlm-name="button1"] button').click();
  await waitCommands(sid, (c) => c.filter((x) => x.command === 'putparam').length >= 2);
  await page.goto('about:blank');
  const cmds = await waitCommands(sid, (c) => names(c).includes('exitau') && c.filter((x) => x.command === 'putparam').length >= 3);
  assert.equal(names(cmds).filter((n) => n === 'exitau').length, 1);
  const finals = cmds.filter((c) => c.command === 'putparam').map((c) => core(c.data));
  assert.equal(finals[finals.length - 1].lesson_status, 'passed');
  assert.equal(finals[finals.length - 1].score, '10');
  await page.close();
  assert.deepEqual(errors, []);
});

test('one unit per page: remembered answers come back from [Core_Lesson] on the next launch', { timeout: 40000 }, async () => {
  const unit = 'A00000004-remember';
  const sid1 = newSession(unit);
  const first = await open(browser.context, launchUrl('multi', sid1, 'page=4&'));
  const f1 = await contentAt(first.page, /p00004/);
  await waitCommands(sid1, (c) => names(c).includes('putparam'));
  await f1.getByText('Gdańsk').click();
  await first.page.click('#vlmExit');
  await waitCommands(sid1, (c) => names(c).includes('exitau'));
  await first.page.close();
  assert.match(stored.get(unit), /"radiobutton3":true/);

  const sid2 = newSession(unit, { status: 'I' });
  const second = await open(browser.context, launchUrl('multi', sid2, 'page=4&'));
  const f2 = await contentAt(second.page, /p00004/);
  const input = f2.locator('[data-vlm-name="radiobutton3"] input');
  for (let i = 0; i < 60 && !(await input.isChecked()); i++) await new Promise((r) => setTimeout(r, 50));
  assert.equal(await input.isChecked(), true);
  await second.page.close();
  assert.deepEqual(first.errors, []);
  assert.deepEqual(second.errors, []);
});

for (const [label, which] of [['with CORS', 'cors'], ['without CORS answers', 'plain']]) {
  test(`an LMS on another origin ${label} receives the result and the end of the session`, { timeout: 30000 }, async () => {
    const lms = which === 'cors' ? lmsCors : lmsPlain;
    const sid = newSession('A00000004-' + which, { status: 'I' });
    const { page, errors } = await open(browser.context, launchUrl('multi', sid, 'page=4&', lms));
    const cmds = await answerAndExit(page, 'Warszawa', sid);
    assert.deepEqual([cmds[0].command, cmds[cmds.length - 1].command], ['getparam', 'exitau']);
    const puts = cmds.filter((c) => c.command === 'putparam').map((c) => core(c.data));
    assert.equal(puts[puts.length - 1].lesson_status, 'passed');
    assert.equal(puts[puts.length - 1].score, '10');
    await page.close();
    // Without CORS the browser reports the unreadable answer of the first request.
    const unexpected = which === 'cors' ? errors : errors.filter((e) => !/CORS|Failed to fetch|ERR_FAILED/.test(e));
    assert.deepEqual(unexpected, []);
  });
}

test('one unit for the course: the frame set reports the course result and ends the session', { timeout: 40000 }, async () => {
  const sid = newSession('B00000001', { mastery: '10' });
  const { page, errors } = await open(browser.context, launchUrl('single', sid));
  await contentAt(page, /p00002/);
  await page.frame({ name: 'vlmtree' }).getByText('Ćwiczenie', { exact: true }).click();
  const cmds = await answerAndExit(page, 'Warszawa', sid);
  assert.deepEqual([cmds[0].command, cmds[cmds.length - 1].command], ['getparam', 'exitau']);
  const puts = cmds.filter((c) => c.command === 'putparam').map((c) => core(c.data));
  const last = puts[puts.length - 1];
  assert.equal(last.lesson_status, 'passed');
  assert.equal(last.score, '10');
  assert.match(stored.get('B00000001'), /"4":\{"answers":\{[^}]*"radiobutton2":true/);
  await page.close();
  assert.deepEqual(errors, []);
});

test('the LEO profile starts a launch without a page id at the first page of leoindex.inc', { timeout: 20000 }, async () => {
  assert.equal(fs.readFileSync(path.join(leo.dir, 'leoindex.inc'), 'latin1').trim(), 'var arrPageIndex = new Array(2,4,5,6,7,0);');
  const sid = newSession('leo');
  const { page, errors } = await open(browser.context, launchUrl('leo', sid));
  await contentAt(page, /p00002\/_page\.html\?aicc_sid=/);
  await waitCommands(sid, (c) => names(c).includes('putparam'));
  const put = core(sessions.get(sid).commands.find((c) => c.command === 'putparam').data);
  assert.equal(put.lesson_status, 'completed', 'an information page is complete once shown');
  await page.close();
  assert.deepEqual(errors, []);
});

test('the AICC folder opened from disk without an LMS is the offline frame set', { timeout: 20000 }, async () => {
  const { page, errors } = await open(browser.context, pathToFileURL(path.join(multi.dir, 'index.html')).href);
  await contentAt(page, /p00002\/_page\.html$/);
  await page.click('#vlmNext');
  await contentAt(page, /p00004\/_page\.html$/);
  assert.equal(await page.locator('#vlmExit').isVisible(), false);
  await page.close();
  assert.deepEqual(errors, []);
});
