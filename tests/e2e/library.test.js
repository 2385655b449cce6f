'use strict';
// Checks of the installed component library's files (no browser needed).
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const vm = require('node:vm');
const xml = require('./lib/xml');
const { DATA, COMPONENTS, cleanUp } = require('./lib/pagebuilder');
const { PALETTE } = require('./lib/samples');

const bytes = (f) => fs.readFileSync(f).toString('latin1');
const folders = fs.readdirSync(COMPONENTS).filter((d) => fs.existsSync(path.join(COMPONENTS, d, 'definition.xml')));
const LANGS = ['PL', 'EN', 'DE', 'FR'];

function classOf(dir) {
  return xml.findDescendant(xml.parse(bytes(path.join(COMPONENTS, dir, 'definition.xml'))), 'class');
}

test('the library holds the palette classes, feedback and the page record', () => {
  assert.deepEqual([...folders].sort(), [...PALETTE, 'feedback', 'page'].sort());
  for (const dir of folders) {
    const cls = classOf(dir);
    assert.equal(xml.attr(cls, 'name'), dir);
    assert.equal(xml.attr(cls, 'type'), dir === 'page' ? 'page' : 'api', dir);
    const hints = xml.collect(xml.findDescendant(cls, 'info'), 'hint').map((h) => xml.attr(h, 'lang'));
    assert.deepEqual(hints, LANGS, dir + ' hints');
    const need = ['definition.xml', 'icon.bmp', 'head.js', 'body.js'].concat(dir === 'page' ? [] : ['body.html', 'editor.html']);
    for (const f of need) assert.ok(fs.existsSync(path.join(COMPONENTS, dir, f)), `${dir}/${f}`);
  }
  const order = xml.findDescendant(xml.parse(bytes(path.join(COMPONENTS, 'components.xml'))), 'struct');
  assert.deepEqual(order.children.map((c) => xml.attr(c, 'className')), PALETTE);
});

test('definition files are in the writer layout: cp1250, CR LF, two-space indentation', () => {
  const files = folders.map((d) => path.join(COMPONENTS, d, 'definition.xml'))
    .concat([path.join(DATA, 'configuration', 'definition.xml'), path.join(COMPONENTS, 'components.xml')]);
  for (const f of files) {
    const text = bytes(f);
    assert.doesNotMatch(text, /[^\r]\n|\r[^\n]/, f + ' line ends');
    assert.doesNotMatch(text, /[\x81\x83\x88\x90\x98]/, f + ' is cp1250');
    const tree = xml.parse(text);
    assert.equal(tree.children.map((c) => xml.toXml(c)).join(''), text, f + ' re-written byte for byte');
  }
});

test('palette icons are 24-bit bitmaps on magenta', () => {
  for (const dir of folders) {
    const b = fs.readFileSync(path.join(COMPONENTS, dir, 'icon.bmp'));
    assert.equal(b.toString('latin1', 0, 2), 'BM', dir);
    const [w, h, bpp] = [b.readInt32LE(18), b.readInt32LE(22), b.readUInt16LE(28)];
    assert.ok([16, 24].includes(w) && w === h && bpp === 24, dir + ' size');
    const off = b.readUInt32LE(10);
    const px = (x, y) => b.subarray(off + (h - 1 - y) * Math.ceil(w * 3 / 4) * 4 + x * 3, off + (h - 1 - y) * Math.ceil(w * 3 / 4) * 4 + x * 3 + 3).toString('hex');
    assert.equal(px(0, 0), 'ff00ff', dir + ' background');
    let drawn = 0;
    for (let y = 0; y < h; y++) for (let x = 0; x < w; x++) if (px(x, y) !== 'ff00ff') drawn++;
    assert.ok(drawn > 20, dir + ' has a picture');
  }
});

test('events and actions of the classes are defined, with captions and parameter pages', () => {
  const base = xml.findDescendant(xml.parse(bytes(path.join(DATA, 'configuration', 'definition.xml'))), 'document');
  const defs = new Map();
  for (const c of base.children) defs.set(xml.attr(c, 'type') + ':' + xml.attr(c, 'name'), c);
  for (const p of ['x', 'y', 'width', 'height', 'resizable', 'visibility', 'canDelete']) {
    assert.ok(xml.findDescendant(defs.get('base:component'), 'property') && defs.get('base:component').children.some((c) => xml.attr(c, 'name') === p), 'component has ' + p);
  }
  for (const dir of folders) {
    const cls = classOf(dir);
    for (const kind of ['event', 'action']) {
      for (const n of xml.collect(cls, kind)) {
        const d = defs.get(kind + ':' + xml.attr(n, 'name'));
        assert.ok(d, `${dir}: ${kind} ${xml.attr(n, 'name')} is defined`);
        assert.deepEqual(xml.collect(d, 'caption').map((c) => xml.attr(c, 'lang')), LANGS);
        if (kind === 'action' && xml.attr(d, 'param') === 'true') {
          assert.ok(xml.attr(d, 'paramType'), xml.attr(d, 'name') + ' paramType');
          const ed = xml.attr(d, 'editorName');
          assert.ok(ed === 'projectListItems.html' || fs.existsSync(path.join(COMPONENTS, 'actions', ed)), 'parameter page ' + ed);
        }
      }
    }
    const comp = xml.findDescendant(xml.parse(bytes(path.join(COMPONENTS, dir, 'definition.xml'))), 'component');
    for (const inc of xml.collect(comp, 'include')) assert.ok(folders.includes(xml.attr(inc, 'className')), dir + ' include');
  }
});

// The template's clean-up removes "*[" .. "]*" and "<!--" .. "//-->" spans, so page
// files may hold them only as placeholders.
test('snippets and the page template hold placeholders only where intended', () => {
  const files = [path.join(DATA, 'exports', 'Page', 'page.html')];
  for (const dir of folders) for (const f of ['head.js', 'body.js', 'body.html']) {
    if (fs.existsSync(path.join(COMPONENTS, dir, f))) files.push(path.join(COMPONENTS, dir, f));
  }
  for (const f of files) {
    const text = bytes(f);
    assert.ok(!text.includes('*['), f + ' has no macro opener');
    const opens = text.split('<!--').length - 1;
    // Answer blocks close with "<!-- /element:answer //-->".
    const placeholders = (text.match(/<!-- \/?[a-z]+:[A-Za-z.:]+ \/\/-->/gi) || []).length;
    assert.equal(opens, placeholders, f + ': every comment opener is a placeholder');
    assert.doesNotMatch(text, /[^\r]\n/, f + ' CR LF');
  }
  const tpl = bytes(files[0]);
  for (const ph of ['html:body', 'jscript:body', 'jscript:head', 'jscript:body.onload', 'jscript:body.onunload',
    'jscript:body.begin', 'jscript:body.end', 'path:resources:absolute', 'path:resources', 'program:pageIndex',
    'path:api', 'path:common', 'jscript:LMSManager']) {
    assert.ok(tpl.includes('<!-- ' + ph + ' //-->'), ph);
  }
});

test('class scripts compile and element snippets name properties of their class', () => {
  const base = ['name', 'x', 'y', 'width', 'height', 'visibility', 'step'];
  for (const dir of folders) {
    const head = bytes(path.join(COMPONENTS, dir, 'head.js'));
    new vm.Script(head, { filename: dir + '/head.js' });
    const body = bytes(path.join(COMPONENTS, dir, 'body.js'));
    new vm.Script(cleanUp(body), { filename: dir + '/body.js' });
    const props = xml.collect(classOf(dir), 'property').map((p) => xml.attr(p, 'name'));
    const events = xml.collect(classOf(dir), 'event').map((p) => xml.attr(p, 'name'));
    for (const [, kind, name] of body.matchAll(/<!-- ([a-z]+):([A-Za-z]+) \/\/-->/g)) {
      if (kind === 'property') assert.ok(props.includes(name) || base.includes(name), `${dir}: property ${name}`);
      else if (kind === 'event') assert.ok(events.includes(name), `${dir}: event ${name}`);
      else assert.equal(`${kind}:${name}`, 'element:answer', `${dir}: ${kind}:${name}`);
    }
  }
});
