'use strict';
// SCORM 1.2: the package's pages played in a harness whose window.API is the
// scorm-again runtime; results read back from its CMI data model.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { launch, open } = require('../lib/browser');
const { serve } = require('./lib/server');
const { assemble } = require('./lib/layout');
const { fixtureCourse } = require('./lib/course');

const SCORM_AGAIN = path.join(__dirname, '..', 'node_modules', 'scorm-again', 'dist');
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

let browser; let pkg; let server; let harnessDir;
test.before(async () => {
  browser = await launch();
  pkg = assemble('scorm', fixtureCourse());
  harnessDir = fs.mkdtempSync(path.join(os.tmpdir(), 'vlm-lms-harness-'));
  fs.writeFileSync(path.join(harnessDir, 'harness.html'), HARNESS);
  server = await serve({ '/lib/': SCORM_AGAIN, '/lms/': harnessDir, '/course/': pkg.dir });
});
test.after(async () => {
  await browser.close();
  await server.close();
  pkg.remove();
  fs.rmSync(harnessDir, { recursive: true, force: true });
});

// The whole data model as the runtime would commit it (write-only elements included).
const cmi = (page) => page.evaluate(() => {
  const c = API.renderCMIToJSONObject().cmi || API.renderCMIToJSONObject();
  return { status: c.core.lesson_status, raw: c.core.score.raw, min: c.core.score.min, max: c.core.score.max,
    suspend: c.suspend_data, exit: c.core.exit, time: c.core.session_time, calls: calls.slice() };
});

async function playSco(saved, src, act) {
  const { page, errors } = await open(browser.context, server.base + '/lms/harness.html' + (saved ? '#' + encodeURIComponent(JSON.stringify(saved)) : ''));
  await page.evaluate((s) => launchSco(s), server.base + '/course/' + src);
  const frame = page.frameLocator('#sco');
  await page.waitForFunction(() => calls.includes('LMSInitialize'));
  if (act) await act(frame);
  // Every call the client made was accepted by the runtime (it checks the error codes).
  const refused = await page.mainFrame().childFrames()[0].evaluate(() => VLMLms.errors.slice());
  await page.evaluate(() => leave());
  await page.waitForFunction(() => calls.includes('LMSFinish'));
  const data = await cmi(page);
  await page.close();
  return { data, errors: errors.concat(refused.map((e) => 'LMS refused ' + JSON.stringify(e))) };
}

const answer = (city) => async (frame) => {
  await frame.getByText(city).click();
  await frame.locator('[data-vlm-name="button1"] button').click();
};

test('the package holds the run-time client, the schema files and the launch page', () => {
  for (const f of ['pages/scorm/lmsSCORM.js', 'imscp_rootv1p1p2.xsd', 'imsmd_rootv1p2p1.xsd', 'adlcp_rootv1p2.xsd', 'ims_xml.xsd', 'index.html']) {
    assert.ok(fs.existsSync(path.join(pkg.dir, f)), f);
  }
  const html = fs.readFileSync(path.join(pkg.dir, 'pages/p00004/_page.html'), 'latin1');
  assert.match(html, /<script type="text\/javascript" src="\.\.\/scorm\/lmsSCORM\.js"><\/script>/);
  assert.match(fs.readFileSync(path.join(pkg.dir, 'pages/lmsrequest/lmsrequest.html'), 'latin1'), /\.\.\/scorm\/lmsSCORM\.js/);
});

for (const [label, city, status, raw] of [['right', 'Warszawa', 'passed', '10'], ['wrong', 'Kraków', 'failed', '0']]) {
  test(`an exercise answered ${label} ends "${status}" with raw score ${raw}`, { timeout: 30000 }, async () => {
    const { data, errors } = await playSco(null, 'pages/p00004/_page.html', answer(city));
    assert.equal(data.status, status);
    assert.equal(data.raw, raw);
    assert.equal(data.min, '0');
    assert.equal(data.max, '10');
    assert.equal(data.calls.filter((c) => c === 'LMSInitialize').length, 1, 'initialised once');
    assert.equal(data.calls.filter((c) => c === 'LMSFinish').length, 1, 'finished once');
    assert.match(data.time, /^\d{2,4}:\d{2}:\d{2}(\.\d{1,2})?$/);
    assert.deepEqual(errors, []);
  });
}

test('remembered answers come back on a second launch from cmi.suspend_data', { timeout: 40000 }, async () => {
  // First visit: an answer picked but not checked, the page left.
  const first = await playSco(null, 'pages/p00004/_page.html', async (frame) => { await frame.getByText('Gdańsk').click(); });
  assert.equal(first.data.status, 'incomplete');
  assert.equal(first.data.exit, 'suspend');
  const stored = JSON.parse(first.data.suspend);
  assert.equal(stored['4'].answers.radiobutton3, true, 'the picked option is stored under the page position');
  assert.deepEqual(first.errors, []);

  const saved = { core: { lesson_status: first.data.status, entry: 'resume' }, suspend_data: first.data.suspend };
  const { page, errors } = await open(browser.context, server.base + '/lms/harness.html#' + encodeURIComponent(JSON.stringify(saved)));
  await page.evaluate((s) => launchSco(s), server.base + '/course/pages/p00004/_page.html');
  const frame = page.frameLocator('#sco');
  await page.waitForFunction(() => calls.includes('LMSInitialize'));
  await assertChecked(frame, 'radiobutton3');
  await frame.locator('[data-vlm-name="button1"] button').click();
  await page.evaluate(() => leave());
  await page.waitForFunction(() => calls.includes('LMSFinish'));
  const data = await cmi(page);
  assert.equal(data.status, 'failed', 'the restored wrong answer is what gets checked');
  assert.equal(data.calls.filter((c) => c === 'LMSInitialize').length, 1);
  assert.equal(data.calls.filter((c) => c === 'LMSFinish').length, 1);
  await page.close();
  assert.deepEqual(errors, []);
});

async function assertChecked(frame, name) {
  const input = frame.locator(`[data-vlm-name="${name}"] input`);
  await input.waitFor();
  for (let i = 0; i < 40 && !(await input.isChecked()); i++) await new Promise((r) => setTimeout(r, 50));
  assert.equal(await input.isChecked(), true, name + ' restored');
}

test('an information page and a document item are completed on sight', { timeout: 30000 }, async () => {
  const info = await playSco(null, 'pages/p00002/_page.html');
  assert.equal(info.data.status, 'completed');
  assert.deepEqual(info.errors, []);
  const doc = await playSco(null, 'pages/lmsrequest/lmsrequest.html?type=file&src=pages%2Fp00006%2Fnotatki.html');
  assert.equal(doc.data.status, 'completed');
  assert.equal(doc.data.calls.filter((c) => c === 'LMSFinish').length, 1);
  assert.deepEqual(doc.errors, []);
});

test('a page opened without an LMS runs without errors', { timeout: 20000 }, async () => {
  const { page, errors } = await open(browser.context, server.base + '/course/pages/p00004/_page.html');
  await page.getByText('Warszawa').click();
  await page.locator('[data-vlm-name="button1"] button').click();
  await page.goto('about:blank');
  await page.close();
  assert.deepEqual(errors, []);
});
