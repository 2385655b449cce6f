'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { launch, open } = require('./lib/browser');
const { Course } = require('./lib/course');
const { TestPage } = require('./lib/pagebuilder');
const { recordWebm } = require('./lib/media');

let browser;
let course;
test.before(async () => {
  browser = await launch();
  course = new Course();
  course.addResource('clip.webm', await recordWebm(browser.context));
});
test.after(async () => { await browser.close(); course.remove(); });

async function drag(page, name, toX, toY) {
  const box = await page.locator(`[data-vlm-name="${name}"]`).boundingBox();
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
  await page.mouse.down();
  await page.mouse.move(box.x + 20, box.y + 10, { steps: 3 });
  await page.mouse.move(toX, toY, { steps: 6 });
  await page.mouse.up();
}

function fruitPage() {
  const doc = new TestPage({ type: 'Exercise', masteryscore: '20', tryCount: '0' });
  doc.add('DDBasket', { x: 400, y: 40, caption: 'Owoce' });
  doc.add('DDBasket', { x: 400, y: 260, caption: 'Warzywa', capacity: '1' });
  doc.add('DDElement', { x: 40, y: 60, caption: 'Jabłko', correctAnswer: 'DDBasket1' });
  doc.add('DDElement', { x: 40, y: 140, caption: 'Marchew', correctAnswer: 'DDBasket2' });
  doc.add('DDElement', { x: 40, y: 220, caption: 'Burak', correctAnswer: 'DDBasket2' });
  return doc;
}

test('drag and drop with the mouse puts items into baskets and scores them', { timeout: 30000 }, async () => {
  const { page, errors } = await open(browser.context, course.exportPage(fruitPage(), 1).url);
  const state = () => page.evaluate(() => ['DDElement1', 'DDElement2', 'DDElement3'].map((n) => VLMObject.all[n].getAnswer()));
  const score = () => page.evaluate(() => { const r = VLM.score(VLM.questions()); return [r.score, r.maxScore]; });
  await drag(page, 'DDElement1', 500, 330);
  assert.deepEqual(await state(), ['DDBasket2', '', '']);
  await drag(page, 'DDElement2', 510, 340);
  assert.deepEqual(await state(), ['DDBasket2', '', ''], 'a full basket sends the item back');
  const home = await page.locator('[data-vlm-name="DDElement2"]').boundingBox();
  assert.deepEqual([home.x, home.y], [40, 140]);
  await drag(page, 'DDElement1', 500, 120);
  await drag(page, 'DDElement2', 500, 330);
  assert.deepEqual(await state(), ['DDBasket1', 'DDBasket2', '']);
  assert.deepEqual(await score(), [20, 30]);
  await drag(page, 'DDElement3', 800, 600);
  assert.deepEqual(await state(), ['DDBasket1', 'DDBasket2', ''], 'dropped outside: back home');
  const inBasket = await page.locator('[data-vlm-name="DDElement1"]').boundingBox();
  assert.ok(inBasket.x >= 400 && inBasket.x + inBasket.width <= 620 && inBasket.y >= 40 && inBasket.y <= 200, 'laid out inside the basket');
  await page.close();
  assert.deepEqual(errors, []);
});

test('dragging does nothing in the designer preview', { timeout: 20000 }, async () => {
  const { page, errors } = await open(browser.context, course.preview(fruitPage(), 2));
  await drag(page, 'DDElement1', 500, 120);
  assert.equal(await page.evaluate(() => VLMObject.all.DDElement1.getAnswer()), '');
  await page.close();
  assert.deepEqual(errors, []);
});

test('audio and video elements load their sources and play on an action', { timeout: 30000 }, async () => {
  const doc = new TestPage();
  const audio = doc.add('audio', { y: 0 });
  const video = doc.add('video', { y: 60, src: '..\\resources\\missing.mp4', srcAlt: '..\\resources\\clip.webm', muted: 'true' });
  const play = doc.add('button', { x: 500, caption: 'Graj' });
  doc.on(play, 'onclick', audio, 'play');
  doc.on(play, 'onclick', video, 'play');
  const { page, errors } = await open(browser.context, course.preview(doc, 1));
  await page.waitForFunction(() => document.querySelector('audio').readyState >= 1 && document.querySelector('video').readyState >= 1);
  const media = await page.evaluate(() => {
    const a = document.querySelector('audio');
    const v = document.querySelector('video');
    return { audio: a.currentSrc, duration: Math.round(a.duration * 10) / 10, video: v.currentSrc, w: v.videoWidth,
      types: [...v.querySelectorAll('source')].map((s) => s.type) };
  });
  assert.match(media.audio, /\/resources\/vlm_sound\.wav$/);
  assert.equal(media.duration, 1);
  assert.match(media.video, /\/resources\/clip\.webm$/, 'the second format is used when the first cannot be loaded');
  assert.equal(media.w, 160);
  assert.deepEqual(media.types, ['video/mp4', 'video/webm']);
  await page.click('[data-vlm-name="button1"] button');
  await page.waitForFunction(() => !document.querySelector('audio').paused && !document.querySelector('video').paused);
  await page.evaluate(() => { VLMObject.all.audio1.stop(); VLMObject.all.video1.stop(); });
  assert.equal(await page.evaluate(() => document.querySelector('audio').paused), true);
  await page.close();
  assert.deepEqual(errors.filter((e) => !/ERR_FILE_NOT_FOUND/.test(e)), []);
});

test('a sound reports its end as an event', { timeout: 20000 }, async () => {
  const doc = new TestPage();
  const audio = doc.add('audio', { autoplay: 'true' });
  const txt = doc.add('text', { y: 80, text: 'Koniec', visibility: 'hidden' });
  doc.on(audio, 'onend', txt, 'show');
  const { page, errors } = await open(browser.context, course.exportPage(doc, 1).url);
  await page.waitForFunction(() => VLMObject.all.text1.visible, null, { timeout: 5000 });
  await page.close();
  assert.deepEqual(errors, []);
});

test('a Flash movie shows its fallback text where no player exists', { timeout: 20000 }, async () => {
  const doc = new TestPage();
  course.addResource('intro.swf', Buffer.from('FWS\x09'));
  doc.add('flash', { src: '..\\resources\\intro.swf' });
  const { page, errors } = await open(browser.context, course.preview(doc, 1));
  assert.equal(await page.evaluate(() => document.querySelector('.vlm-flash object').type), 'application/x-shockwave-flash');
  const fallback = page.locator('.vlm-fallback');
  assert.equal(await fallback.isVisible(), true);
  assert.equal(await fallback.textContent(), 'Ta przeglądarka nie odtwarza animacji Flash.');
  await page.close();
  assert.deepEqual(errors, []);
});

test('a timer counts down and raises its event', { timeout: 20000 }, async () => {
  const doc = new TestPage();
  const timer = doc.add('timer', { seconds: '2' });
  const txt = doc.add('text', { y: 80, text: 'Czas minął', visibility: 'hidden' });
  doc.on(timer, 'ontimer', txt, 'show');
  const { page, errors } = await open(browser.context, course.exportPage(doc, 1).url);
  // The time is shown inside the learner's pause button.
  assert.equal(await page.textContent('.vlm-clock'), '00:02');
  await page.waitForFunction(() => VLMObject.all.text1.visible, null, { timeout: 5000 });
  assert.equal(await page.textContent('.vlm-clock'), '00:00');
  await page.close();
  assert.deepEqual(errors, []);
});

test('resource previews show the file whose path the program puts in', { timeout: 30000 }, async () => {
  const cp = require('./lib/cp1250');
  const fs = require('node:fs');
  const path = require('node:path');
  const { pathToFileURL } = require('node:url');
  const { DATA, COMPONENTS } = require('./lib/pagebuilder');
  const dir = path.join(course.dir, 'zasoby kursu ąę');
  fs.mkdirSync(dir, { recursive: true });
  const cases = [
    ['previewImage.html', path.join(COMPONENTS, 'image', 'resources', 'vlm_picture.png'), 'obraz #1.png', () => document.getElementById('media').naturalWidth],
    ['previewAudio.html', path.join(COMPONENTS, 'audio', 'resources', 'vlm_sound.wav'), 'dźwięk.wav', () => document.getElementById('media').duration > 0 ? 1 : 0],
    ['previewVideo.html', path.join(course.resources, 'clip.webm'), 'film?.webm', () => document.getElementById('media').videoWidth],
  ];
  for (const [template, source, name, probe] of cases) {
    const file = path.join(dir, name);
    fs.copyFileSync(source, file);
    const text = fs.readFileSync(path.join(DATA, 'configuration', 'Resources', template)).toString('latin1');
    const out = path.join(course.temp, template);
    fs.writeFileSync(out, Buffer.from(text.split('*[src]*').join(cp.encode(file)), 'latin1'));
    const { page, errors } = await open(browser.context, pathToFileURL(out).href);
    await page.waitForFunction(probe, null, { timeout: 5000 });
    await page.close();
    assert.deepEqual(errors, [], template);
  }
});
