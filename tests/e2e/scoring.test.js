'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { launch, open } = require('./lib/browser');
const { Course } = require('./lib/course');
const { TestPage } = require('./lib/pagebuilder');

let browser;
let course;
test.before(async () => { browser = await launch(); course = new Course(); });
test.after(async () => { await browser.close(); course.remove(); });

// The learning-management side as an export target plugs it in: records every call.
function lmsScript(saved) {
  return '<script type="text/javascript">window.lmsCalls = [];' +
    'window.VLMLms = {' +
    'pageLoaded: function (i) { lmsCalls.push(["pageLoaded", i]); },' +
    'loadAnswers: function (p) { lmsCalls.push(["loadAnswers", p]); return ' + JSON.stringify(saved || null) + '; },' +
    'saveAnswers: function (p, t) { lmsCalls.push(["saveAnswers", p, t]); },' +
    'reportResult: function (r) { lmsCalls.push(["reportResult", JSON.parse(JSON.stringify(r, ["pageIndex", "score", "maxScore", "masteryScore", "passed", "correct", "attempts", "finished"]))]); },' +
    'pageUnloaded: function (i) { lmsCalls.push(["pageUnloaded", i]); } };</script>';
}

// Single-choice question: three options, the second one right; feedback windows.
function choicePage(pageAttrs = {}) {
  const doc = new TestPage(Object.assign({ type: 'Exercise', masteryscore: '10', tryCount: '1' }, pageAttrs));
  doc.add('text', { text: 'Stolica Polski to:' });
  for (const [i, city, right] of [[0, 'Kraków', 'false'], [1, 'Warszawa', 'true'], [2, 'Gdańsk', 'false']]) {
    doc.add('radiobutton', { y: 40 + 34 * i, caption: city, correctAnswer: right, group: 'capital', points: '10' });
  }
  const btn = doc.add('button', { y: 160, caption: 'Sprawdź' });
  doc.on(btn, 'onclick', doc.page, 'check');
  doc.add('feedback', { y: 220, kind: 'correct', text: 'Dobrze!' });
  doc.add('feedback', { y: 220, kind: 'wrong', text: 'Niestety źle.' });
  doc.add('feedback', { y: 220, kind: 'retry', text: 'Spróbuj jeszcze raz.' });
  return doc;
}

const shownFeedback = (page) => page.evaluate(() => VLMObject.list
  .filter((o) => o.className === 'feedback' && o.visible)
  .map((o) => o.props.kind + ':' + o.root.querySelector('.vlm-body').textContent.trim()));

for (const [label, choice, score, passed, feedback] of [
  ['right', 'Warszawa', 10, true, 'correct:Dobrze!10 / 10'],
  ['wrong', 'Kraków', 0, false, 'wrong:Niestety źle.0 / 10'],
]) {
  test(`a single-choice question answered ${label} gives its score and feedback`, { timeout: 20000 }, async () => {
    const exported = course.exportPage(choicePage(), 4, { lms: lmsScript() });
    const { page, errors } = await open(browser.context, exported.url);
    await page.getByText(choice).click();
    await page.click('[data-vlm-name="button1"] button');
    assert.deepEqual(await shownFeedback(page), [feedback]);
    const calls = await page.evaluate(() => lmsCalls.filter((c) => c[0] === 'reportResult').map((c) => c[1]));
    assert.deepEqual(calls, [{ pageIndex: 4, score, maxScore: 10, masteryScore: 10, passed, correct: passed, attempts: 1, finished: true }]);
    assert.equal(await page.locator('[data-vlm-name="radiobutton1"] input').isDisabled(), true, 'answers are locked');
    await page.close();
    assert.deepEqual(errors, []);
  });
}

test('a second try is offered until the try count is used up', { timeout: 20000 }, async () => {
  const { page, errors } = await open(browser.context, course.exportPage(choicePage({ tryCount: '2' }), 1).url);
  await page.getByText('Gdańsk').click();
  await page.click('[data-vlm-name="button1"] button');
  assert.deepEqual(await shownFeedback(page), ['retry:Spróbuj jeszcze raz.0 / 10']);
  assert.equal(await page.locator('[data-vlm-name="radiobutton1"] input').isDisabled(), false);
  await page.getByText('Kraków').click();
  assert.deepEqual(await shownFeedback(page), [], 'changing the answer hides the feedback');
  await page.click('[data-vlm-name="button1"] button');
  assert.deepEqual(await shownFeedback(page), ['wrong:Niestety źle.0 / 10']);
  assert.equal(await page.evaluate(() => [page.attempts, page.finished].join()), '2,true');
  await page.close();
  assert.deepEqual(errors, []);
});

// The exam page comes without its answer keys: the server grades what it reports.
test('an exam page reports the result without feedback and without answer keys', { timeout: 20000 }, async () => {
  const exported = course.exportPage(choicePage({ feedbacksShow: 'true' }), 1, { mode: 5, lms: lmsScript() });
  const { page, errors } = await open(browser.context, exported.url);
  await page.getByText('Warszawa').click();
  await page.click('[data-vlm-name="button1"] button');
  assert.deepEqual(await shownFeedback(page), []);
  assert.equal(await page.evaluate(() => lmsCalls.filter((c) => c[0] === 'reportResult').length), 1);
  assert.deepEqual(await page.evaluate(() => VLMObject.list.filter((o) => o.isQuestion && 'correctAnswer' in o.props).map((o) => o.name)), []);
  await page.close();
  assert.deepEqual(errors, []);
});

test('feedbacksShow "false" hides the feedback windows', { timeout: 20000 }, async () => {
  const { page, errors } = await open(browser.context, course.exportPage(choicePage({ feedbacksShow: 'false' }), 1).url);
  await page.getByText('Warszawa').click();
  await page.click('[data-vlm-name="button1"] button');
  assert.deepEqual(await shownFeedback(page), []);
  assert.equal(await page.evaluate(() => page.result.score), 10);
  await page.close();
  assert.deepEqual(errors, []);
});

test('remembered answers come back from the learning-management side', { timeout: 20000 }, async () => {
  let exported = course.exportPage(choicePage({ tryCount: '3' }), 2, { lms: lmsScript() });
  let { page, errors } = await open(browser.context, exported.url);
  await page.getByText('Gdańsk').click();
  await page.click('[data-vlm-name="button1"] button');
  const saved = await page.evaluate(() => lmsCalls.filter((c) => c[0] === 'saveAnswers').pop()[2]);
  await page.close();
  assert.deepEqual(errors, []);
  exported = course.exportPage(choicePage({ tryCount: '3' }), 2, { lms: lmsScript(saved) });
  ({ page, errors } = await open(browser.context, exported.url));
  assert.equal(await page.locator('[data-vlm-name="radiobutton3"] input').isChecked(), true);
  assert.equal(await page.evaluate(() => page.attempts), 1);
  await page.close();
  assert.deepEqual(errors, []);
  exported = course.exportPage(choicePage({ tryCount: '3', rememberAnswers: 'false' }), 2, { lms: lmsScript(saved) });
  ({ page, errors } = await open(browser.context, exported.url));
  assert.equal(await page.locator('[data-vlm-name="radiobutton3"] input').isChecked(), false);
  await page.close();
  assert.deepEqual(errors, []);
});

test('every question kind is scored and summed', { timeout: 20000 }, async () => {
  const doc = new TestPage({ type: 'Exercise', masteryscore: '30', tryCount: '0' });
  doc.add('checkbox', { y: 0, caption: 'A', group: 'g', correctAnswer: 'true', points: '5' });
  doc.add('checkbox', { y: 30, caption: 'B', group: 'g', correctAnswer: 'false', points: '5' });
  doc.add('checkbox', { y: 60, caption: 'C', group: 'g', correctAnswer: 'true', points: '5' });
  doc.add('input', { y: 100, correctAnswer: 'Wisła|Wisla', points: '10' });
  doc.add('trackbar', { y: 140, correctAnswer: '20-30', points: '10' });
  doc.add('combo', { y: 200, items: 'Jeden|Dwa|Trzy', correctAnswer: 'Dwa', points: '10' });
  doc.add('list', { y: 240, items: 'Jeden|Dwa|Trzy', multiple: 'true', correctAnswer: 'Jeden|Trzy', points: '10' });
  doc.add('input', { y: 380, points: '10' });
  const { page, errors } = await open(browser.context, course.exportPage(doc, 1).url);
  const check = () => page.evaluate(() => { const r = page.check(); return [r.score, r.maxScore, r.passed]; });
  assert.deepEqual(await check(), [0, 45, false], 'the input without an answer key does not count');
  await page.getByText('A', { exact: true }).click();
  await page.getByText('C', { exact: true }).click();
  await page.fill('[data-vlm-name="input1"] input', '  wisła ');
  await page.locator('[data-vlm-name="trackbar1"] input').fill('25');
  await page.selectOption('[data-vlm-name="combo1"] select', 'Dwa');
  assert.deepEqual(await check(), [35, 45, true]);
  await page.selectOption('[data-vlm-name="list1"] select', ['Jeden', 'Trzy']);
  await page.getByText('B', { exact: true }).click();
  assert.deepEqual(await check(), [40, 45, true], 'the whole group is wrong when one option is');
  await page.close();
  assert.deepEqual(errors, []);
});

test('a question checked on its own shows its own feedback', { timeout: 20000 }, async () => {
  const doc = new TestPage({ type: 'Exercise' });
  const q = doc.add('input', { correctAnswer: 'Odra', points: '5' });
  const btn = doc.add('button', { x: 300, caption: 'Sprawdź' });
  doc.on(btn, 'onclick', q, 'check');
  doc.add('feedback', { y: 100, kind: 'correct', forObject: 'input1', text: 'Tak, Odra.' });
  doc.add('feedback', { y: 100, kind: 'wrong', forObject: 'input1', text: 'To nie ta rzeka.' });
  doc.add('feedback', { y: 250, kind: 'wrong', text: 'Strona: źle.' });
  const { page, errors } = await open(browser.context, course.exportPage(doc, 1).url);
  await page.fill('[data-vlm-name="input1"] input', 'Wisła');
  await page.click('[data-vlm-name="button1"] button');
  assert.deepEqual(await shownFeedback(page), ['wrong:To nie ta rzeka.0 / 5']);
  await page.fill('[data-vlm-name="input1"] input', 'odra');
  await page.click('[data-vlm-name="button1"] button');
  assert.deepEqual(await shownFeedback(page), ['correct:Tak, Odra.5 / 5']);
  assert.equal(await page.evaluate(() => page.attempts), 0, 'checking one question is not an attempt at the page');
  await page.close();
  assert.deepEqual(errors, []);
});
