'use strict';
// Test driver that builds pages the way the program does: element records are
// completed from the class definitions, snippets are filled (property values
// URL-decoded and escaped for a JavaScript string, event actions turned into calls),
// the page template's placeholders are replaced for the render mode, and the
// remaining placeholders are cleaned up.
const fs = require('node:fs');
const path = require('node:path');
const crypto = require('node:crypto');
const xml = require('./xml');
const cp = require('./cp1250');

const DATA = path.resolve(__dirname, '..', '..', '..', 'data');
const COMPONENTS = path.join(DATA, 'components');
const TEMPLATE = path.join(DATA, 'exports', 'Page', 'page.html');

const readBytes = (f) => fs.readFileSync(f).toString('latin1');

function loadLibrary() {
  const classes = new Map();
  const base = xml.parse(readBytes(path.join(DATA, 'configuration', 'definition.xml')));
  for (const c of xml.findDescendant(base, 'document').children) {
    if (c.name === 'class' && !classes.has(xml.attr(c, 'name'))) classes.set(xml.attr(c, 'name'), { node: c });
  }
  const components = new Map();
  for (const dir of fs.readdirSync(COMPONENTS)) {
    const def = path.join(COMPONENTS, dir, 'definition.xml');
    if (!fs.existsSync(def)) continue;
    const tree = xml.parse(readBytes(def));
    const cls = xml.findDescendant(tree, 'class');
    const comp = xml.findDescendant(tree, 'component');
    const name = xml.attr(cls, 'name');
    const includes = comp ? xml.collect(comp, 'include').map((n) => xml.attr(n, 'className')).filter(Boolean) : [];
    components.set(name, { name, node: cls, folder: path.join(COMPONENTS, dir), includes });
    if (!classes.has(name)) classes.set(name, { node: cls });
  }
  return { classes, components };
}

const LIB = loadLibrary();

// URL form encoding of the property editors: blank as "+", other bytes as %XX.
function urlEncode(bytes) {
  let out = '';
  for (const ch of bytes) {
    if (/[A-Za-z0-9*\-._@]/.test(ch)) out += ch;
    else if (ch === ' ') out += '+';
    else out += '%' + ch.charCodeAt(0).toString(16).toUpperCase().padStart(2, '0');
  }
  return out;
}

function urlDecode(bytes) {
  return bytes.replace(/\+/g, ' ').replace(/%([0-9A-Fa-f]{2})/g, (m, h) => String.fromCharCode(parseInt(h, 16)));
}

function guid() {
  return '{' + crypto.randomUUID().toUpperCase() + '}';
}

function ownDefaults(clsNode, target, lang) {
  for (const p of clsNode.children.filter((c) => c.name === 'property')) {
    let v = xml.attr(p, 'defaultValue') || '';
    for (const d of xml.collect(p, 'defaultValue')) if (xml.attr(d, 'lang') === lang) v = d.text;
    if (v.includes('RESOURCE_PATH')) {
      v = v.replace('RESOURCE_PATH', '..\\resources\\');
      while (v.includes('\\\\')) v = v.replace(/\\\\/g, '\\');
    }
    target.set(xml.attr(p, 'name'), v);
  }
}

function resolveClass(name, target, lang) {
  const c = LIB.classes.get(name);
  if (!c) throw new Error('no class ' + name);
  const parent = xml.attr(c.node, 'extends');
  if (parent) resolveClass(parent, target, lang);
  ownDefaults(c.node, target, lang);
  return target;
}

// A page under construction: the "page" record and the elements, in stacking order.
class TestPage {
  constructor(pageAttrs = {}, lang = 'PL') {
    this.lang = lang;
    this.elements = [];
    this.page = this.add('page', Object.assign({ name: 'page' }, pageAttrs));
  }

  // attrs are plain texts (Unicode); they are stored the way the editors store them.
  add(className, attrs = {}) {
    const a = resolveClass(className, new Map(), this.lang);
    const names = new Set(this.elements.map((e) => e.attrs.get('name')));
    let n = 1;
    while (names.has(className + n)) n++;
    a.set('name', className + n);
    a.set('id', guid());
    a.set('globalIndex', String(this.elements.length + 1));
    for (const [k, v] of Object.entries(attrs)) a.set(k, urlEncode(cp.encode(String(v))));
    const el = { className, attrs: a, events: new Map() };
    this.elements.push(el);
    return el;
  }

  // An action of an event: target element, action name, optional parameter.
  on(el, event, target, action, param, paramType) {
    if (!el.events.has(event)) el.events.set(event, []);
    const withParam = param !== undefined;
    let text = withParam ? cp.encode(String(param)) : '';
    if (withParam && paramType === 'text') text = urlEncode(text);
    el.events.get(event).push({ object: target.attrs.get('id'), name: action, param: withParam ? 'true' : 'false', paramType: withParam ? paramType : '', text });
    return this;
  }

  byId(id) {
    return this.elements.find((e) => e.attrs.get('id') === id);
  }
}

function escapeValue(v) {
  return v.replace(/\\/g, '\\\\').replace(/"/g, '\\"').replace(/<\//g, '<\\/').replace(/[\r\n]/g, '');
}

function eventScript(page, el, name) {
  const actions = el.events.get(name) || [];
  let s = '';
  for (const a of actions) {
    const target = page.byId(a.object);
    if (!target) continue;
    s += target === el ? 'this.' : 'VLMObject.all["' + target.attrs.get('name') + '"].';
    s += a.name + '(';
    if (a.param.toLowerCase() === 'true') {
      let p = a.text;
      if (a.paramType.toLowerCase() === 'text') p = '"' + p.replace(/\\n/g, '\r\n').replace(/"/g, '\\"') + '"';
      s += p;
    }
    s += ');\r\n';
  }
  return s;
}

// Exam pages lose every span from an answer marker to the closing marker after
// it, with the line break that follows.
function removeAnswerBlocks(text) {
  const open = '<!-- element:answer //-->';
  const close = '<!-- /element:answer //-->';
  let out = '';
  let from = 0;
  for (;;) {
    const a = text.indexOf(open, from);
    const b = a < 0 ? -1 : text.indexOf(close, a + open.length);
    if (b < 0) return out + text.slice(from);
    out += text.slice(from, a);
    from = b + close.length;
    if (text.startsWith('\r\n', from)) from += 2;
    else if (text[from] === '\n' || text[from] === '\r') from += 1;
  }
}

function processSnippet(page, el, file, events, exam) {
  let text = readBytes(file);
  const next = () => {
    const a = text.indexOf('<!--');
    if (a < 0) return null;
    const b = text.indexOf('//-->', a + 4);
    return b < 0 ? null : text.slice(a + 4, b);
  };
  let inner = next();
  while (inner !== null && inner.trim() !== '') {
    const colon = inner.indexOf(':');
    const kind = colon < 0 ? '' : inner.slice(0, colon).trim().toLowerCase();
    const name = colon < 0 ? inner.trim() : inner.slice(colon + 1).trim();
    let rep = '';
    if (kind === 'property') {
      rep = el.attrs.has(name) ? el.attrs.get(name) : '';
      rep = urlDecode(rep);
      rep = escapeValue(exam ? removeAnswerBlocks(rep) : rep);
    } else if (kind === 'event' && events) {
      rep = eventScript(page, el, name);
    }
    const ph = '<!--' + inner + '//-->';
    text = text.split(ph).join(rep !== '' ? rep : '<!-#' + inner + '//-->');
    inner = next();
  }
  return text.split('<!-#').join('<!--');
}

function collectHead(name, included, out, busy = new Set()) {
  const c = LIB.components.get(name);
  if (!c || busy.has(name)) return;
  busy.add(name);
  for (const inc of c.includes) collectHead(inc, included, out, busy);
  if (!included.has(name)) {
    included.add(name);
    const f = path.join(c.folder, 'head.js');
    if (!fs.existsSync(f)) throw new Error('missing head.js of ' + name);
    out.push(readBytes(f));
  }
}

const MODES = {
  1: { onload: 'page.create(); launchStep(0);', onunload: 'page.free();', begin: 'page.state=psView;\r', absolute: 'false' },
  2: { onload: 'page.create();', onunload: 'page.free();', begin: 'page.state=psPreview;\r', absolute: 'false' },
  3: { end: 'page.create();', onunload: 'page.free(); page = null;', begin: 'page.state=psDesigning;\r', absolute: 'false' },
  4: { onload: 'page.create(); launchStep(0);', onunload: 'page.free(); page = null;', begin: 'page.state=psNormal;\r', absolute: 'true', resources: '../resources/' },
  5: { onload: 'page.create(); launchStep(0);', onunload: 'page.free(); page = null;', begin: 'page.setIsExam(true);\r', absolute: 'true', resources: '../resources/' },
};
const PH = {
  onload: '<!-- jscript:body.onload //-->', onunload: '<!-- jscript:body.onunload //-->',
  begin: '<!-- jscript:body.begin //-->', end: '<!-- jscript:body.end //-->',
  absolute: '<!-- path:resources:absolute //-->',
};

function replaceFirstCI(text, ph, rep) {
  const i = text.toLowerCase().indexOf(ph.toLowerCase());
  return i < 0 ? text : text.slice(0, i) + rep + text.slice(i + ph.length);
}

function replaceAllCI(text, ph, rep) {
  const low = ph.toLowerCase();
  let out = '';
  let i = 0;
  for (;;) {
    const j = text.toLowerCase().indexOf(low, i);
    if (j < 0) return out + text.slice(i);
    out += text.slice(i, j) + rep;
    i = j + ph.length;
  }
}

function cleanUp(text) {
  for (const [open, close] of [['<!--', '//-->'], ['*[', ']*']]) {
    for (;;) {
      const a = text.indexOf(open);
      if (a < 0) break;
      const b = text.indexOf(close, a + open.length);
      if (b < 0) break;
      text = text.split(text.slice(a, b + close.length)).join('');
    }
  }
  return text;
}

// Builds the HTML of a page (or of one element in mode 3) and writes it to outFile.
// options: mode, apiPath, resourcesPath, pageIndex, lms (script tag for the LMS placeholder)
function build(page, outFile, options) {
  const mode = options.mode;
  const m = MODES[mode];
  if (!m) throw new Error('Dodefiniowac');
  let content = readBytes(TEMPLATE);
  const included = new Set();
  const head = [];
  let body = '';
  let html = '';
  let list = page.elements;
  if (mode === 3) {
    const src = options.element;
    const copy = { className: src.className, attrs: new Map(src.attrs), events: src.events };
    if (copy.attrs.has('x')) copy.attrs.set('x', '0');
    if (copy.attrs.has('y')) copy.attrs.set('y', '0');
    if (copy.attrs.has('visibility')) copy.attrs.set('visibility', 'true');
    list = [copy];
  }
  for (const el of list) {
    const c = LIB.components.get(el.className);
    if (!c) continue;
    collectHead(el.className, included, head);
    const events = mode !== 3;
    const js = path.join(c.folder, 'body.js');
    const markup = path.join(c.folder, 'body.html');
    if (fs.existsSync(js)) body += processSnippet(page, el, js, events, mode === 5);
    if (fs.existsSync(markup)) html += processSnippet(page, el, markup, events, mode === 5);
  }
  if (mode !== 3) content = replaceFirstCI(content, '<!-- html:body //-->', html);
  content = replaceFirstCI(content, '<!-- jscript:body //-->', body);
  content = replaceFirstCI(content, '<!-- jscript:head //-->', head.join(''));
  for (const k of ['onload', 'onunload', 'begin', 'end', 'absolute']) {
    if (m[k] !== undefined) content = replaceFirstCI(content, PH[k], m[k]);
  }
  const res = m.resources || String(options.resourcesPath || '').replace(/\\/g, '/');
  content = replaceAllCI(content, '<!-- path:resources //-->', res);
  content = replaceAllCI(content, '<!-- program:pageIndex //-->', String(options.pageIndex ?? -1));
  content = replaceAllCI(content, '<!-- path:api //-->', options.apiPath || '');
  content = replaceAllCI(content, '<!-- path:common //-->', options.commonPath || '');
  if (options.lms) content = content.split('<!-- jscript:LMSManager //-->').join(options.lms);
  if (mode === 5) content = removeAnswerBlocks(content);
  content = cleanUp(content);
  fs.mkdirSync(path.dirname(outFile), { recursive: true });
  fs.writeFileSync(outFile, Buffer.from(content, 'latin1'));
  return content;
}

// The page document of a test page, as the designer writes it.
function toXmp(page) {
  const node = (name, attrs, children = [], text = '', cdata = false) => ({ name, attrs, children, text, cdata });
  const info = node('info', [], [node('caption', [], [], 'Test')]);
  const kids = [info];
  for (const el of page.elements) {
    const events = [];
    for (const [name, actions] of el.events) {
      events.push(node('event', [['name', name]], actions.map((a) => node('action',
        [['object', a.object], ['name', a.name], ['param', a.param]].concat(a.param === 'true' ? [['paramType', a.paramType]] : []),
        [], a.text))));
    }
    kids.push(node(el.className, [...el.attrs], events));
  }
  const doc = node('document', [['id', guid()]], kids);
  return xml.toXml(doc);
}

module.exports = { toXmp, TestPage, build, LIB, DATA, COMPONENTS, urlEncode, urlDecode, cleanUp, escapeValue };
