'use strict';
// The launch page of the SCORM and server packages (course menu read from
// imsmanifest.xml) and the CMI adapter that plays the whole package as one unit
// against scorm-again's SCORM 1.2 and SCORM 2004 runtimes.
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
const harness = (lib, cls, global, events) => `<!DOCTYPE html><html><head><meta charset="utf-8"><title>LMS</title>
<script src="/lib/${lib}"></script><script>
window.calls = [];
window.${global} = new ${cls}({ lmsCommitUrl: false, logLevel: 5 });
${JSON.stringify(events)}.forEach(function (n) { ${global}.on(n, function () { calls.push(n); }); });
function launchSco(src) { document.getElementById("sco").src = src; }
function leave() { document.getElementById("sco").src = "about:blank"; }
</script></head><body><iframe id="sco" style="width:1000px;height:640px"></iframe></body></html>`;

let browser; let pkg; let serverPkg; let server; let dir;
test.before(async () => {
  browser = await launch();
  dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vlm-lms-harness-'));
  fs.writeFileSync(path.join(dir, 'ext.html'), '<!DOCTYPE html><html><head><meta charset="utf-8"><title>Zewn</title></head><body><h1 id="ext">Strona</h1></body></html>');
  fs.writeFileSync(path.join(dir, 'h12.html'), harness('scorm12.js', 'Scorm12API', 'API', ['LMSInitialize', 'LMSFinish']));
  fs.writeFileSync(path.join(dir, 'h2004.html'), harness('scorm2004.js', 'Scorm2004API', 'API_1484_11', ['Initialize', 'Terminate']));
  const mounts = { '/lib/': SCORM_AGAIN, '/lms/': dir };
  server = await serve(mounts);
  pkg = assemble('scorm', fixtureCourse({ url: server.base + '/lms/ext.html' }), { cmiAdapter: true });
  mounts['/course/'] = pkg.dir;
  serverPkg = assemble('server', fixtureCourse({ url: server.base + '/lms/ext.html' }));
  mounts['/server/'] = serverPkg.dir;
});
test.after(async () => {
  await browser.close();
  await server.close();
  pkg.remove();
  serverPkg.remove();
  fs.rmSync(dir, { recursive: true, force: true });
});

async function contentAt(frame, pattern) {
  for (let i = 0; i < 100; i++) {
    const f = frame.childFrames().find((c) => c.name() === 'vlmcontent');
    if (f && pattern.test(f.url())) { await f.waitForLoadState('load'); return f; }
    await new Promise((r) => setTimeout(r, 50));
  }
  throw new Error('content not at ' + pattern);
}

for (const folder of ['course', 'server']) test(`the ${folder === 'course' ? 'SCORM' : 'server'} package launch page lists the manifest items and walks them`, { timeout: 30000 }, async () => {
  const { page, errors } = await open(browser.context, server.base + '/' + folder + '/index.html');
  const main = page.mainFrame();
  await contentAt(main, /p00002\/_page\.html$/);
  assert.deepEqual(await page.locator('#vlmMenu .vlm-entry').allTextContents(), ['Kurs', 'Wstęp', 'Rozdział 1', 'Ćwiczenie', 'Strona WWW', 'Dokument', 'Koniec']);
  await page.click('#vlmNext');
  await contentAt(main, /p00004\/_page\.html$/);
  await page.click('#vlmNext');
  const req = await contentAt(main, /lmsrequest\.html\?type=http&src=http%3A%2F%2F127\.0\.0\.1%3A\d+%2Flms%2Fext\.html$/);
  const view = req.childFrames()[0];
  await view.waitForLoadState('load');
  assert.equal(await view.locator('#ext').textContent(), 'Strona');
  await page.getByText('Koniec', { exact: true }).click();
  await contentAt(main, /p00007\/_page\.html$/);
  assert.equal(await page.locator('#vlmNext').isDisabled(), true);
  // A page's own "next" button is a message to the menu.
  await page.getByText('Wstęp', { exact: true }).click();
  const f = await contentAt(main, /p00002\/_page\.html$/);
  await f.locator('[data-vlm-name="button1"] button').click();
  await contentAt(main, /p00004\/_page\.html$/);
  assert.equal(await page.locator('#vlmMenu .vlm-current').textContent(), 'Ćwiczenie');
  await page.close();
  assert.deepEqual(errors, []);
});

for (const [label, harnessFile, read] of [
  ['SCORM 1.2', 'h12.html', () => {
    const c = API.renderCMIToJSONObject();
    const cmi = c.cmi || c;
    return { status: cmi.core.lesson_status, raw: cmi.core.score.raw, max: cmi.core.score.max, suspend: cmi.suspend_data, calls: calls.slice() };
  }],
  ['SCORM 2004', 'h2004.html', () => {
    const c = API_1484_11.renderCMIToJSONObject();
    const cmi = c.cmi || c;
    return { status: cmi.completion_status + '/' + cmi.success_status, raw: cmi.score.raw, max: cmi.score.max, suspend: cmi.suspend_data, calls: calls.slice() };
  }],
]) {
  test(`the CMI adapter plays the package as one unit on a ${label} LMS`, { timeout: 40000 }, async () => {
    const { page, errors } = await open(browser.context, server.base + '/lms/' + harnessFile);
    await page.evaluate((s) => launchSco(s), server.base + '/course/CMIAdapter/index.html');
    const adapter = page.mainFrame().childFrames()[0];
    await adapter.waitForLoadState('load');
    await contentAt(adapter, /p00002\/_page\.html$/);
    await adapter.getByText('Ćwiczenie', { exact: true }).click();
    const ex = await contentAt(adapter, /p00004\/_page\.html$/);
    await ex.getByText('Warszawa').click();
    await ex.locator('[data-vlm-name="button1"] button').click();
    await adapter.getByText('Koniec', { exact: true }).click();
    await contentAt(adapter, /p00007\/_page\.html$/);
    await page.evaluate(() => leave());
    const finishName = label === 'SCORM 1.2' ? 'LMSFinish' : 'Terminate';
    await page.waitForFunction((n) => calls.includes(n), finishName);
    const data = await page.evaluate(read);
    assert.equal(data.calls.filter((c) => /Initialize/.test(c)).length, 1, 'one session for the course');
    assert.equal(data.calls.filter((c) => c === finishName).length, 1);
    assert.equal(data.status, label === 'SCORM 1.2' ? 'passed' : 'completed/passed');
    assert.equal(String(data.raw), '10');
    assert.equal(String(data.max), '10');
    const saved = JSON.parse(data.suspend);
    assert.equal(saved['4'].answers.radiobutton2, true, 'answers kept by page position');
    assert.equal(saved._vlm['4'].status, 'passed');
    await page.close();
    assert.deepEqual(errors, []);
  });
}
