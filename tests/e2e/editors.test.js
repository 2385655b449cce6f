'use strict';
const test = require('node:test');
const { describe } = test;
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { launch } = require('./lib/browser');
const { TestPage, COMPONENTS, urlDecode } = require('./lib/pagebuilder');
const { prepare, bridgeScript, langFileTexts } = require('./lib/editorpage');
const { DATA } = require('./lib/pagebuilder');
const cp = require('./lib/cp1250');
const { CLASSES } = require('./lib/samples');

let browser;
let tmp;
test.before(async () => { browser = await launch(); tmp = fs.mkdtempSync(path.join(os.tmpdir(), 'vlm-e2e-editors-')); });
test.after(async () => { await browser.close(); fs.rmSync(tmp, { recursive: true, force: true }); });

const decoded = (attrs) => Object.fromEntries([...attrs].map(([k, v]) => [k, cp.decode(urlDecode(v))]));

function stateFor(cls) {
  const doc = new TestPage();
  doc.add('DDBasket', { caption: 'A' });
  doc.add('DDBasket', { caption: 'B' });
  const el = doc.add(cls, {});
  return {
    className: cls, props: decoded(el.attrs), resources: '/course/resources/', color: '#12AB34', chosenFile: '..\\resources\\picked.png',
    elements: doc.elements.map((e) => ({ className: e.className, globalIndex: e.attrs.get('globalIndex'), attrs: decoded(e.attrs) })),
  };
}

async function openPrepared(file, lang, state) {
  const out = path.join(tmp, lang + '-' + path.basename(path.dirname(file)) + '-' + path.basename(file));
  const texts = langFileTexts(path.join(DATA, 'configuration', 'lang', 'lang.lang'), lang);
  fs.writeFileSync(out, Buffer.from(prepare(file, lang, texts), 'latin1'));
  const page = await browser.context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  await page.addInitScript(bridgeScript(state));
  await page.goto(pathToFileURL(out).href);
  return { page, errors };
}

// What every field shows, keyed by property.
const fieldValues = (page) => page.evaluate(() => Object.fromEntries([...document.querySelectorAll('[data-prop]')].map((f) => {
  const kind = f.getAttribute('data-kind');
  return [f.getAttribute('data-prop'), kind === 'bool' ? String(f.checked) : kind === 'html' ? f.innerHTML : f.value];
})));

describe('per class', { concurrency: 3 }, () => {
for (const cls of CLASSES) {
  for (const file of ['editor.html', 'style.html']) {
    const full = path.join(COMPONENTS, cls, file);
    if (!fs.existsSync(full)) continue;
    test(`${cls}/${file} reads and writes the element's properties`, { timeout: 20000 }, async () => {
      const state = stateFor(cls);
      const { page, errors } = await openPrepared(full, 'PL', state);
      assert.match(await page.title(), /Właściwości|właściwości/);
      const size = await page.evaluate(() => [document.body.getAttribute('dialogWidth'), document.body.getAttribute('dialogHeight')]);
      assert.ok(size.every((v) => Number(v) > 100), 'dialog size given');
      await page.evaluate(() => getValues());
      const shown = await fieldValues(page);
      assert.ok(Object.keys(shown).length > 0);
      for (const [name, value] of Object.entries(shown)) {
        const stored = state.props[name];
        assert.ok(stored !== undefined, `${name} is a property of the class`);
        const expect = /^(true|false)$/.test(value) && !/^(true|false)$/i.test(stored) ? String(/^true$/i.test(stored)) : stored;
        assert.equal(value, expect, `${name} shown as stored`);
      }
      // Change every field the way a user would, then confirm.
      const changed = await page.evaluate(() => {
        const out = {};
        for (const f of document.querySelectorAll('[data-prop]')) {
          const name = f.getAttribute('data-prop');
          const kind = f.getAttribute('data-kind');
          if (kind === 'bool') { f.checked = !f.checked; out[name] = String(f.checked); }
          else if (kind === 'html') { f.innerHTML = '<b>nowy</b> tekst'; out[name] = f.innerHTML; }
          else if (f.tagName === 'SELECT') { if (f.options.length) f.selectedIndex = f.options.length - 1; out[name] = f.value; }
          else if (kind === 'int') { f.value = '7'; out[name] = '7'; }
          else if (kind === 'color') { f.parentNode.querySelector('button.pick').click(); out[name] = '12AB34'; }
          else if (kind === 'path') { f.parentNode.querySelector('button.pick').click(); out[name] = '..\\resources\\picked.png'; }
          else { f.value = 'Zażółć "x"'; out[name] = f.value; }
        }
        setValues();
        return out;
      });
      const after = await page.evaluate(() => window.bridgeState.props);
      for (const [name, value] of Object.entries(changed)) assert.equal(after[name], value, `${name} written back`);
      await page.close();
      assert.deepEqual(errors, []);
    });
  }
}
});

test('property pages are translated by their language block', { timeout: 30000 }, async () => {
  for (const cls of ['button', 'text', 'video', 'DDElement']) {
    for (const lang of ['EN', 'DE', 'FR']) {
      const { page, errors } = await openPrepared(path.join(COMPONENTS, cls, 'editor.html'), lang, stateFor(cls));
      await page.evaluate(() => getValues());
      const labels = await page.evaluate(() => [document.title, ...[...document.querySelectorAll('label, legend')].map((l) => l.textContent)]);
      for (const l of labels) assert.doesNotMatch(l, /[ąćęłńśźżĄĆĘŁŃŚŹŻ]|Właściwości|Napis|Zawartość/, `${cls} ${lang}: "${l}" is translated`);
      if (cls === 'video' && lang === 'EN') {
        const tips = await page.evaluate(() => [...document.querySelectorAll('[data-kind=path]')].map((f) => f.title));
        assert.deepEqual(tips, ['Videos', 'Videos', 'Pictures', 'Captions'], 'language markers filled from the language file');
      }
      await page.close();
      assert.deepEqual(errors, [], `${cls} ${lang}`);
    }
  }
});

test('the drag-and-drop item lists the baskets of the page', { timeout: 20000 }, async () => {
  const state = stateFor('DDElement');
  state.props.correctAnswer = 'DDBasket2';
  const { page, errors } = await openPrepared(path.join(COMPONENTS, 'DDElement', 'editor.html'), 'PL', state);
  await page.evaluate(() => getValues());
  const sel = await page.evaluate(() => { const s = document.querySelector('[data-baskets]'); return [s.value, [...s.options].map((o) => o.value)]; });
  assert.deepEqual(sel, ['DDBasket2', ['', 'DDBasket1', 'DDBasket2']]);
  await page.close();
  assert.deepEqual(errors, []);
});

const PARAMS = [
  ['text.html', 'Witaj+%9Cwiecie+%22x%22', 'textarea', 'Witaj świecie "x"', 'Nowy tekst ąę', 'Nowy+tekst+%B9%EA'],
  ['url.html', 'https%3A%2F%2Fexample.org%2Fa', 'input', 'https://example.org/a', 'www.example.org', 'http%3A%2F%2Fwww.example.org'],
  ['image.html', '..%5Cresources%5Ca.png', 'input', '..\\resources\\a.png', '..\\resources\\b.png', '..%5Cresources%5Cb.png'],
  ['color.html', 'FF0000', 'input', 'FF0000', '00ff00', '00FF00'],
  ['number.html', '30', 'input', '30', '45', '45'],
  ['position.html', '10,20', '#x', '10', '99', '99,20'],
];

for (const [file, stored, selector, shown, typed, result] of PARAMS) {
  test(`action parameter page ${file} shows and returns its parameter`, { timeout: 20000 }, async () => {
    const { page, errors } = await openPrepared(path.join(COMPONENTS, 'actions', file), 'PL', stateFor('text'));
    assert.ok((await page.title()).startsWith('Parametr akcji'));
    await page.evaluate((v) => setValue(v), stored);
    const field = selector === 'textarea' || selector === 'input' ? '#value' : selector;
    assert.equal(await page.inputValue(field), shown);
    await page.fill(field, typed);
    await page.evaluate(() => getValue());
    assert.equal(await page.evaluate(() => window.lastResult), result);
    await page.close();
    assert.deepEqual(errors, []);
  });
}
