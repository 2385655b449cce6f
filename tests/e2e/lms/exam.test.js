'use strict';
// Exam package: pages built in exam mode, the exam client against scorm-again.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { launch, open } = require('../lib/browser');
const { serve } = require('./lib/server');
const { assemble } = require('./lib/layout');
const { TestPage } = require('../lib/pagebuilder');

const SCORM_AGAIN = path.join(__dirname, '..', 'node_modules', 'scorm-again', 'dist');
const HARNESS = `<!DOCTYPE html><html><head><meta charset="utf-8"><title>LMS</title>
<script src="/lib/scorm12.js"></script><script>
window.calls = [];
window.API = new Scorm12API({ lmsCommitUrl: false, logLevel: 5 });
var saved = location.hash.length > 1 ? JSON.parse(decodeURIComponent(location.hash.slice(1))) : null;
if (saved) API.loadFromJSON(saved);
["LMSInitialize", "LMSFinish"].forEach(function (n) { API.on(n, function () { calls.push(n); }); });
function launchSco(src) { document.getElementById("sco").src = src; }
function leave() { document.getElementById("sco").src = "about:blank"; }
</script></head><body><iframe id="sco" style="width:1000px;height:640px"></iframe></body></html>`;

// The exam question, with its answer keys or without them.
function examPage(withKeys) {
  const doc = new TestPage({ type: 'Exercise', masteryscore: '10', tryCount: '1', feedbacksShow: 'true' });
  for (const [i, city, right] of [[0, 'Kraków', 'false'], [1, 'Warszawa', 'true']]) {
    doc.add('radiobutton', { y: 40 + 34 * i, caption: city, correctAnswer: withKeys ? right : '', group: 'capital', points: '10' });
  }
  doc.add('input', { y: 120, correctAnswer: withKeys ? 'Wisła' : '' });
  const btn = doc.add('button', { y: 170, caption: 'Zatwierdź' });
  doc.on(btn, 'onclick', doc.page, 'check');
  doc.add('feedback', { y: 220, kind: 'correct', text: 'Dobrze!' });
  doc.add('feedback', { y: 220, kind: 'wrong', text: 'Źle.' });
  return doc;
}

let browser; let pkg; let server; let dir;
test.before(async () => {
  browser = await launch();
  pkg = assemble('exam', { name: 'Egzamin', type: 0, id: 1, children: [
    { name: 'Z kluczem', type: 0, id: 2, page: examPage(true) },
    { name: 'Bez klucza', type: 0, id: 3, page: examPage(false) },
  ] });
  dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vlm-lms-harness-'));
  fs.writeFileSync(path.join(dir, 'harness.html'), HARNESS);
  server = await serve({ '/lib/': SCORM_AGAIN, '/lms/': dir, '/course/': pkg.dir });
});
test.after(async () => {
  await browser.close();
  await server.close();
  pkg.remove();
  fs.rmSync(dir, { recursive: true, force: true });
});

async function play(pageFile, saved, act) {
  const { page, errors } = await open(browser.context, server.base + '/lms/harness.html' + (saved ? '#' + encodeURIComponent(JSON.stringify(saved)) : ''));
  await page.evaluate((s) => launchSco(s), server.base + '/course/pages/' + pageFile);
  await page.waitForFunction(() => calls.includes('LMSInitialize'));
  const frame = page.frameLocator('iframe');
  const result = act ? await act(frame, page.mainFrame().childFrames()[0]) : null;
  await page.evaluate(() => leave());
  await page.waitForFunction(() => calls.includes('LMSFinish'));
  const data = await page.evaluate(() => {
    const c = API.renderCMIToJSONObject();
    const cmi = c.cmi || c;
    const inter = [];
    const list = cmi.interactions && (cmi.interactions.childArray || cmi.interactions);
    for (const k of Object.keys(list || {})) if (list[k] && list[k].id) inter.push([list[k].id, list[k].student_response]);
    return { status: cmi.core.lesson_status, raw: cmi.core.score.raw, suspend: cmi.suspend_data, inter, calls: calls.slice() };
  });
  await page.close();
  return { data, errors, result };
}

const submit = async (frame, raw) => {
  await frame.getByText('Warszawa').click();
  await frame.locator('[data-vlm-name="input1"] input').fill('Wisła');
  await frame.locator('[data-vlm-name="button1"] button').click();
  return raw.evaluate(() => VLMObject.list.filter((o) => o.className === 'feedback' && o.visible).length);
};

// The exam page never carries its keys: the platform grades, so no score is written.
for (const [label, file] of [['with answer keys', 'p00002/_page.html'], ['without answer keys', 'p00003/_page.html']]) {
  test(`an exam page built from a page ${label} records the answers, shows no feedback and is completed`, { timeout: 30000 }, async () => {
    const html = fs.readFileSync(path.join(pkg.dir, 'pages', file), 'latin1');
    assert.match(html, /page\.setIsExam\(true\);/);
    assert.match(html, /src="\.\.\/lms\/lmsVLMExam\.js"/);
    assert.doesNotMatch(html, /correctAnswer: "/);
    const { data, errors, result } = await play(file, null, submit);
    assert.equal(result, 0, 'no feedback window');
    assert.equal(data.status, 'completed');
    assert.equal(data.raw, '');
    assert.deepEqual(data.inter, [['radiobutton1', 'false'], ['radiobutton2', 'true'], ['input1', 'Wisła']]);
    assert.equal(JSON.parse(data.suspend)[file === 'p00002/_page.html' ? '2' : '3'].answers.input1, 'Wisła');
    assert.equal(data.calls.filter((c) => c === 'LMSInitialize').length, 1);
    assert.equal(data.calls.filter((c) => c === 'LMSFinish').length, 1);
    assert.deepEqual(errors, []);
  });
}

test('an exam page without answer keys gets its answers back on the next launch', { timeout: 30000 }, async () => {
  const first = await play('p00003/_page.html', null, async (frame) => {
    await frame.getByText('Kraków').click();
    await frame.locator('[data-vlm-name="input1"] input').fill('Odra');
    await frame.locator('[data-vlm-name="input1"] input').blur();
  });
  assert.equal(first.data.status, 'incomplete');
  const saved = { core: { lesson_status: 'incomplete', entry: 'resume' }, suspend_data: first.data.suspend };
  const second = await play('p00003/_page.html', saved, async (frame) => {
    const input = frame.locator('[data-vlm-name="input1"] input');
    await input.waitFor();
    for (let i = 0; i < 40 && (await input.inputValue()) !== 'Odra'; i++) await new Promise((r) => setTimeout(r, 50));
    return [await input.inputValue(), await frame.locator('[data-vlm-name="radiobutton1"] input').isChecked()];
  });
  assert.deepEqual(second.result, ['Odra', true]);
  assert.deepEqual(first.errors, []);
  assert.deepEqual(second.errors, []);
});
