'use strict';
// Exported pages as a screen reader or keyboard user meets them: axe-core finds no
// critical or serious violation in a page holding every component, and questions
// of each kind can be answered, checked and the feedback closed with keys only.
const test = require('node:test');
const assert = require('node:assert/strict');
const { launch, open } = require('./lib/browser');
const { Course } = require('./lib/course');
const { TestPage } = require('./lib/pagebuilder');
const { recordWebm } = require('./lib/media');

const AXE = require.resolve('axe-core/axe.min.js');
const TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'];

let browser;
let course;
test.before(async () => {
  browser = await launch();
  course = new Course();
  course.addResource('page.html', '<!DOCTYPE html><html lang="en"><head><title>Inner</title></head><body><p>Inner page</p></body></html>');
  course.addResource('clip.vtt', 'WEBVTT\n\n00:00.000 --> 00:05.000\nHello\n');
  course.addResource('clip.webm', await recordWebm(browser.context));
});
test.after(async () => { await browser.close(); course.remove(); });

// Serious and critical violations inside the page's content (the document around
// it belongs to the export layout).
async function axeProblems(page) {
  await page.addScriptTag({ path: AXE });
  const result = await page.evaluate((tags) => window.axe.run('#vlmPage', { runOnly: { type: 'tag', values: tags } }), TAGS);
  return result.violations
    .filter((v) => v.impact === 'critical' || v.impact === 'serious')
    .map((v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', '));
}

// Every class, with the texts an author gives it for screen readers.
function everyComponentPage() {
  const doc = new TestPage({ type: 'Exercise', tryCount: '0' }, 'EN');
  doc.add('text', { x: 10, y: 10, width: 300, height: 60, text: '<h1>All components</h1><p>' + 'Long text. '.repeat(60) + '</p>' });
  doc.add('image', { x: 320, y: 10, alt: 'A sample picture' });
  const picture = doc.add('image', { x: 530, y: 10, width: 60, height: 60, alt: 'Next page' });
  doc.on(picture, 'onclick', doc.page, 'nextPage');
  doc.add('button', { x: 10, y: 180, caption: 'Check' });
  doc.add('button', { x: 130, y: 180, caption: '', buttonSrc: '..\\resources\\vlm_picture.png', alt: 'Help' });
  doc.add('input', { x: 10, y: 230, label: 'Capital of France', correctAnswer: 'Paris' });
  doc.add('checkbox', { x: 10, y: 270, caption: 'Red', group: 'colours', label: 'Which are colours?', correctAnswer: 'true' });
  doc.add('checkbox', { x: 10, y: 300, caption: 'Table', group: 'colours', correctAnswer: 'false' });
  doc.add('radiobutton', { x: 300, y: 270, caption: 'Two', group: 'sum', label: 'One plus one?', correctAnswer: 'true' });
  doc.add('radiobutton', { x: 300, y: 300, caption: 'Three', group: 'sum', correctAnswer: 'false' });
  doc.add('trackbar', { x: 10, y: 340, label: 'Temperature', correctAnswer: '20-30' });
  doc.add('combo', { x: 300, y: 340, label: 'Largest planet', items: 'Mars|Jupiter', correctAnswer: 'Jupiter' });
  doc.add('list', { x: 10, y: 390, label: 'Fruit', items: 'Apple|Carrot', correctAnswer: 'Apple' });
  const rect = doc.add('rectangle', { x: 300, y: 390, width: 60, height: 40, label: 'Show the hint' });
  const popup = doc.add('popup', { x: 600, y: 100, title: 'Hint', text: 'A hint.', visibility: 'hidden' });
  doc.on(rect, 'onclick', popup, 'show');
  doc.add('feedback', { x: 600, y: 300, kind: 'correct', text: 'Well done.', closeCaption: 'OK', visibility: 'hidden' });
  doc.add('audio', { x: 10, y: 500, label: 'Greeting' });
  doc.add('video', { x: 300, y: 480, width: 200, height: 120, label: 'Clip', src: '..\\resources\\clip.webm', captions: '..\\resources\\clip.vtt', poster: '..\\resources\\vlm_picture.png' });
  doc.add('flash', { x: 520, y: 480, width: 100, height: 60, fallbackText: 'An old animation' });
  doc.add('html', { x: 640, y: 480, width: 120, height: 100, src: '..\\resources\\page.html', label: 'Inner page' });
  doc.add('DDBasket', { x: 10, y: 620, caption: 'Fruit' });
  doc.add('DDElement', { x: 250, y: 620, caption: 'Apple', correctAnswer: 'DDBasket1' });
  doc.add('timer', { x: 520, y: 620, seconds: '90', autoStart: 'true' });
  return doc;
}

test('a page holding every component has no serious or critical axe violation', { timeout: 60000 }, async () => {
  const { page, errors } = await open(browser.context, course.exportPage(everyComponentPage(), 1).url);
  assert.deepEqual(await axeProblems(page), []);
  // The pop-up and the feedback as they appear, too.
  await page.evaluate(() => { VLMObject.all.popup1.show(); VLMObject.all.feedback1.show(); });
  assert.deepEqual(await axeProblems(page), []);
  const names = await page.evaluate(() => ({
    main: document.getElementById('vlmPage').getAttribute('role') || document.getElementById('vlmPage').localName,
    frame: document.querySelector('.vlm-html iframe').title,
    video: document.querySelector('video').getAttribute('aria-label'),
    track: [document.querySelector('video track').kind, document.querySelector('video track').srclang],
    picture: document.querySelector('.vlm-button button.vlm-picture').getAttribute('aria-label'),
    groups: [...document.querySelectorAll('.vlm-choice-group')].map((g) => g.getAttribute('role') + ' ' + document.getElementById(g.getAttribute('aria-labelledby')).textContent),
    scrolls: document.querySelector('.vlm-text .vlm-inner').tabIndex,
  }));
  assert.deepEqual(names, {
    main: 'main', frame: 'Inner page', video: 'Clip', track: ['captions', 'en'], picture: 'Help',
    groups: ['group Which are colours?', 'radiogroup One plus one?'], scrolls: 0,
  });
  await page.close();
  assert.deepEqual(errors, []);
});

function quizPage() {
  const doc = new TestPage({ type: 'Exercise', tryCount: '0', masteryscore: '40' }, 'EN');
  doc.add('radiobutton', { x: 10, y: 10, caption: 'One', group: 'sum', label: 'One plus one?', correctAnswer: 'false' });
  doc.add('radiobutton', { x: 10, y: 40, caption: 'Two', group: 'sum', correctAnswer: 'true' });
  doc.add('checkbox', { x: 10, y: 90, caption: 'Red', group: 'colours', label: 'Colours?', correctAnswer: 'true' });
  doc.add('checkbox', { x: 10, y: 120, caption: 'Table', group: 'colours', correctAnswer: 'false' });
  doc.add('checkbox', { x: 10, y: 150, caption: 'Blue', group: 'colours', correctAnswer: 'true' });
  doc.add('input', { x: 10, y: 200, label: 'Capital of France', correctAnswer: 'Paris' });
  doc.add('DDBasket', { x: 400, y: 10, caption: 'Fruit' });
  doc.add('DDBasket', { x: 400, y: 200, caption: 'Vegetables' });
  doc.add('DDElement', { x: 250, y: 250, caption: 'Carrot', correctAnswer: 'DDBasket2' });
  const check = doc.add('button', { x: 10, y: 300, caption: 'Check' });
  doc.on(check, 'onclick', doc.page, 'check');
  doc.add('feedback', { x: 200, y: 320, kind: 'correct', text: 'Well done.', closeCaption: 'OK', visibility: 'hidden' });
  return doc;
}

const focused = (page) => page.evaluate(() => {
  const a = document.activeElement;
  const obj = a && a.closest('[data-vlm-name]');
  return obj ? obj.getAttribute('data-vlm-name') : a ? a.tagName : '';
});

test('radio, check box, text and drag-and-drop questions are answered and checked with keys only', { timeout: 30000 }, async () => {
  const { page, errors } = await open(browser.context, course.exportPage(quizPage(), 2).url);
  const kb = page.keyboard;
  await kb.press('Tab');
  assert.equal(await focused(page), 'radiobutton1');
  await kb.press('ArrowDown');
  await kb.press('Tab');
  assert.equal(await focused(page), 'checkbox1');
  await kb.press('Space');
  await kb.press('Tab');
  await kb.press('Tab');
  assert.equal(await focused(page), 'checkbox3');
  await kb.press('Space');
  await kb.press('Tab');
  await kb.type('Paris');
  await kb.press('Tab');
  assert.equal(await focused(page), 'DDElement1', 'baskets are no tab stops until an item is picked up');
  await kb.press('Enter');
  assert.equal(await page.locator('[data-vlm-name="DDElement1"]').getAttribute('aria-pressed'), 'true');
  await kb.press('Shift+Tab');
  assert.equal(await focused(page), 'DDBasket2');
  await kb.press('Space');
  assert.equal(await focused(page), 'DDElement1', 'focus returns to the dropped item');
  assert.equal(await page.locator('[data-vlm-name="DDElement1"]').getAttribute('aria-pressed'), 'false');
  const answers = await page.evaluate(() => page.answers());
  assert.deepEqual(answers, {
    radiobutton1: false, radiobutton2: true, checkbox1: true, checkbox2: false, checkbox3: true,
    input1: 'Paris', DDElement1: 'DDBasket2',
  });
  await kb.press('Tab');
  assert.equal(await focused(page), 'button1');
  await kb.press('Enter');
  assert.equal(await page.evaluate(() => page.result.correct), true);
  assert.equal(await focused(page), 'feedback1', 'the feedback takes the focus');
  assert.equal(await page.locator('[data-vlm-name="feedback1"]').getAttribute('role'), 'alertdialog');
  await kb.press('Enter');
  assert.equal(await page.evaluate(() => VLMObject.all.feedback1.visible), false);
  assert.equal(await focused(page), 'button1', 'closing gives the focus back');
  await page.close();
  assert.deepEqual(errors, []);
});

test('a picked-up item goes back with Escape; a clickable picture runs its actions on Enter and Space', { timeout: 30000 }, async () => {
  const doc = quizPage();
  const popup = doc.add('popup', { x: 500, y: 300, title: 'Hint', text: 'A hint.', visibility: 'hidden' });
  const picture = doc.add('image', { x: 600, y: 10, width: 60, height: 60, alt: 'Hint' });
  doc.on(picture, 'onclick', popup, 'show');
  const { page, errors } = await open(browser.context, course.exportPage(doc, 3).url);
  await page.focus('[data-vlm-name="DDElement1"]');
  await page.keyboard.press('Space');
  assert.equal(await page.evaluate(() => document.querySelectorAll('.vlm-DDBasket[tabindex="0"]').length), 2);
  await page.keyboard.press('Escape');
  assert.equal(await page.evaluate(() => document.querySelectorAll('.vlm-DDBasket[tabindex]').length), 0);
  assert.equal(await page.evaluate(() => VLMObject.all.DDElement1.getAnswer()), '');
  for (const key of ['Enter', 'Space']) {
    await page.focus('[data-vlm-name="image1"]');
    assert.equal(await page.locator('[data-vlm-name="image1"]').getAttribute('role'), 'button');
    await page.keyboard.press(key);
    assert.equal(await page.evaluate(() => VLMObject.all.popup1.visible), true, key);
    assert.equal(await focused(page), 'popup1');
    await page.keyboard.press('Escape');
    assert.equal(await page.evaluate(() => VLMObject.all.popup1.visible), false);
    assert.equal(await focused(page), 'image1');
  }
  await page.close();
  assert.deepEqual(errors, []);
});

test('the learner pauses and resumes the timer', { timeout: 20000 }, async () => {
  const doc = new TestPage({}, 'EN');
  doc.add('timer', { x: 10, y: 10, seconds: '600', autoStart: 'true' });
  const { page, errors } = await open(browser.context, course.exportPage(doc, 4).url);
  const button = page.locator('.vlm-timer button');
  assert.match(await button.textContent(), /^10:00 pause or resume$/);
  await button.focus();
  await page.keyboard.press('Space');
  assert.deepEqual(await page.evaluate(() => [VLMObject.all.timer1.handle, VLMObject.all.timer1.paused]), [null, true]);
  assert.equal(await button.getAttribute('aria-pressed'), 'true');
  await page.keyboard.press('Enter');
  assert.equal(await page.evaluate(() => VLMObject.all.timer1.handle !== null), true);
  assert.equal(await button.getAttribute('aria-pressed'), 'false');
  await page.close();
  assert.deepEqual(errors, []);
});
