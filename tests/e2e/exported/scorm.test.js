'use strict';
// The SCORM package the program exports from the English "short course with a
// quiz" template: the manifest checked against the published schemas, the pages
// played in a harness whose window.API is scorm-again's SCORM 1.2 runtime, the
// results read back from its CMI data model.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { spawnSync } = require('node:child_process');
const { launch, open } = require('../lib/browser');
const { serve } = require('../lms/lib/server');
const cli = require('./lib/cli');

const SKIP = cli.missing();
const SCORM_AGAIN = path.join(__dirname, '..', 'node_modules', 'scorm-again', 'dist');
const XSD = path.join(cli.DATA, 'exports', 'Oracle', 'xsd');
const SHOTS = process.env.VLM_SCREENSHOTS || path.join(os.tmpdir(), 'vlm-exported-screenshots');
const QUIZ = 'pages/p00005/_page.html';
const HARNESS = `<!DOCTYPE html><html><head><meta charset="utf-8"><title>LMS</title>
<script src="/lib/scorm12.js"></script>
<script>
window.calls = [];
window.API = new Scorm12API({ lmsCommitUrl: false, logLevel: 5 });
var saved = location.hash.length > 1 ? JSON.parse(decodeURIComponent(location.hash.slice(1))) : null;
if (saved) API.loadFromJSON(saved);
["LMSInitialize", "LMSFinish", "LMSCommit"].forEach(function (n) { API.on(n, function () { calls.push(n); }); });
function launchSco(src) { document.getElementById("sco").src = src; }
function leave() { document.getElementById("sco").src = "about:blank"; }
</script></head><body><iframe id="sco" name="sco" style="width:1000px;height:640px"></iframe></body></html>`;

let work; let pkg; let exported; let browser; let server;
test.before(async () => {
  if (SKIP) return;
  work = cli.scratch('scorm');
  const course = cli.newCourse(work, 'Short course with a quiz', 'EN');
  exported = cli.exportCourse('scorm', course, path.join(work, 'course.zip'));
  pkg = path.join(work, 'pkg');
  if (exported.status === 0) cli.unzip(path.join(work, 'course.zip'), pkg);
  fs.writeFileSync(path.join(work, 'harness.html'), HARNESS);
  browser = await launch();
  server = await serve({ '/lib/': SCORM_AGAIN, '/lms/': work, '/course/': pkg });
});
test.after(async () => {
  if (browser) await browser.close();
  if (server) await server.close();
  if (work) fs.rmSync(work, { recursive: true, force: true });
});

test('the command line exports the template course as a SCORM package', { skip: SKIP, timeout: 20000 }, () => {
  assert.equal(exported.status, 0, exported.describe());
  for (const f of ['imsmanifest.xml', 'index.html', 'pages/scorm/lmsSCORM.js', 'imscp_rootv1p1p2.xsd', 'adlcp_rootv1p2.xsd', QUIZ]) {
    assert.ok(fs.existsSync(path.join(pkg, f)), f);
  }
  assert.match(fs.readFileSync(path.join(pkg, QUIZ), 'latin1'), /<script type="text\/javascript" src="\.\.\/scorm\/lmsSCORM\.js"><\/script>/);
});

// The manifest (UTF-8, as LMSs read it), and a wrapper schema importing the three namespaces.
function schemaCheck(xml) {
  const bytes = fs.readFileSync(path.join(pkg, 'imsmanifest.xml'));
  assert.notEqual(bytes[0], 0xFF, 'no UTF-16 byte-order mark');
  const text = bytes.toString('utf8');
  assert.match(text, /^<\?xml version="1.0" encoding="UTF-8"\?>/);
  fs.writeFileSync(path.join(work, 'manifest8.xml'), xml(text));
  const imports = [['http://www.imsproject.org/xsd/imscp_rootv1p1p2', 'imscp_rootv1p1p2.xsd'],
    ['http://www.adlnet.org/xsd/adlcp_rootv1p2', 'adlcp_rootv1p2.xsd'], ['http://www.imsglobal.org/xsd/imsmd_rootv1p2p1', 'imsmd_rootv1p2p1.xsd']]
    .map(([ns, f]) => `  <xsd:import namespace="${ns}" schemaLocation="file://${path.join(XSD, f)}"/>`).join('\n');
  fs.writeFileSync(path.join(work, 'wrapper.xsd'), `<xsd:schema xmlns:xsd="http://www.w3.org/2001/XMLSchema" targetNamespace="urn:vellumar:all" elementFormDefault="qualified">\n${imports}\n</xsd:schema>\n`);
  return spawnSync('xmllint', ['--nonet', '--noout', '--schema', path.join(work, 'wrapper.xsd'), path.join(work, 'manifest8.xml')], { encoding: 'utf8', timeout: 20000 });
}

const hasXmllint = spawnSync('xmllint', ['--version']).status === 0;
test('imsmanifest.xml validates against the published schemas and lists every page in tree order', { skip: SKIP || (!hasXmllint && 'xmllint is not installed'), timeout: 20000 }, () => {
  const ok = schemaCheck((t) => t);
  assert.equal(ok.status, 0, ok.stderr);
  const text = fs.readFileSync(path.join(work, 'manifest8.xml'), 'utf8');
  assert.deepEqual([...text.matchAll(/<title>([^<]*)<\/title>/g)].map((m) => m[1]),
    ['Short course', 'Short course', 'Title page', 'Introduction', 'Key points', 'Check yourself', 'Summary']);
  const hrefs = [...text.matchAll(/<resource [^>]*href="([^"]+)"/g)].map((m) => m[1]);
  assert.deepEqual(hrefs, [2, 3, 4, 5, 6].map((n) => `pages/p0000${n}/_page.html`));
  for (const h of hrefs) assert.ok(fs.existsSync(path.join(pkg, h)), h);
  // The check itself refuses a manifest whose resources are gone.
  const broken = schemaCheck((t) => t.replace(/<resources>[\s\S]*<\/resources>/, ''));
  assert.notEqual(broken.status, 0);
});

// The whole data model as the runtime would commit it.
const cmi = (page) => page.evaluate(() => {
  const c = API.renderCMIToJSONObject().cmi || API.renderCMIToJSONObject();
  return { status: c.core.lesson_status, raw: c.core.score.raw, min: c.core.score.min, max: c.core.score.max,
    suspend: c.suspend_data, exit: c.core.exit, time: c.core.session_time, calls: calls.slice() };
});

const count = (calls, name) => calls.filter((c) => c === name).length;

// One launch of a page of the package: act on it, leave it, read the data model.
async function play(src, act, saved) {
  const { page, errors } = await open(browser.context, server.base + '/lms/harness.html' + (saved ? '#' + encodeURIComponent(JSON.stringify(saved)) : ''));
  try {
    await page.evaluate((s) => launchSco(s), server.base + '/course/' + src);
    await page.waitForFunction(() => calls.includes('LMSInitialize'));
    const frame = page.frameLocator('#sco');
    if (act) await act(frame, page);
    const refused = await page.mainFrame().childFrames()[0].evaluate(() => (window.VLMLms ? VLMLms.errors.slice() : ['no VLMLms']));
    await page.evaluate(() => leave());
    await page.waitForFunction(() => calls.includes('LMSFinish'));
    await new Promise((r) => setTimeout(r, 100)); // a second LMSFinish would come now
    return { data: await cmi(page), errors: errors.concat(refused.map((e) => 'LMS refused ' + JSON.stringify(e))) };
  } finally {
    await page.close();
  }
}

const choose = (caption, check = true) => async (frame) => {
  await frame.getByText(caption, { exact: true }).click();
  if (check) await frame.getByRole('button', { name: 'Check the answer' }).click();
};

for (const [label, caption, status, raw] of [['right', 'A summary of the key points', 'passed', '10'], ['wrong', 'A final test', 'failed', '0']]) {
  test(`the quiz answered ${label} ends "${status}" with raw score ${raw}`, { skip: SKIP, timeout: 30000 }, async () => {
    const { data, errors } = await play(QUIZ, async (frame, page) => {
      await choose(caption)(frame);
      if (label === 'right') {
        fs.mkdirSync(SHOTS, { recursive: true });
        await page.screenshot({ path: path.join(SHOTS, 'scorm-quiz-right.png') });
      }
    });
    assert.equal(data.status, status);
    assert.equal(data.raw, raw);
    assert.equal(data.min, '0');
    assert.equal(data.max, '10');
    assert.equal(count(data.calls, 'LMSInitialize'), 1, 'initialised once');
    assert.equal(count(data.calls, 'LMSFinish'), 1, 'finished once');
    assert.match(data.time, /^\d{2,4}:\d{2}:\d{2}(\.\d{1,2})?$/);
    assert.deepEqual(errors, []);
  });
}

test('a remembered answer comes back on a second launch from cmi.suspend_data', { skip: SKIP, timeout: 40000 }, async () => {
  const first = await play(QUIZ, choose('A reading list', false));
  assert.equal(first.data.status, 'incomplete');
  assert.equal(first.data.exit, 'suspend');
  assert.ok(first.data.suspend, 'suspend_data written');
  assert.deepEqual(first.errors, []);

  const saved = { core: { lesson_status: first.data.status, entry: 'resume' }, suspend_data: first.data.suspend };
  const second = await play(QUIZ, async (frame) => {
    const input = frame.locator('[data-vlm-name="radiobutton3"] input');
    await input.waitFor();
    for (let i = 0; i < 40 && !(await input.isChecked()); i++) await new Promise((r) => setTimeout(r, 50));
    assert.equal(await input.isChecked(), true, 'the picked option is restored');
    await frame.getByRole('button', { name: 'Check the answer' }).click();
  }, saved);
  assert.equal(second.data.status, 'failed', 'the restored wrong answer is the one checked');
  assert.equal(count(second.data.calls, 'LMSInitialize'), 1);
  assert.equal(count(second.data.calls, 'LMSFinish'), 1);
  assert.deepEqual(second.errors, []);
});

test('every content page of the package completes on sight without script errors (screenshot)', { skip: SKIP, timeout: 40000 }, async () => {
  fs.mkdirSync(SHOTS, { recursive: true });
  for (const n of [2, 3, 4, 6]) {
    const { data, errors } = await play(`pages/p0000${n}/_page.html`, n === 2 ? async (frame, page) => {
      await frame.locator('body').waitFor();
      await page.screenshot({ path: path.join(SHOTS, 'scorm-title-page.png') });
    } : null);
    assert.equal(data.status, 'completed', 'page ' + n);
    assert.equal(count(data.calls, 'LMSInitialize'), 1, 'page ' + n);
    assert.equal(count(data.calls, 'LMSFinish'), 1, 'page ' + n);
    assert.deepEqual(errors, [], 'page ' + n);
  }
  assert.ok(fs.statSync(path.join(SHOTS, 'scorm-title-page.png')).size > 5000);
});
