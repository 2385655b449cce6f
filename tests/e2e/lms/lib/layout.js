'use strict';
// Assembles export folders the way the exporters lay them out: fixed program
// folders copied in their order, pages built with the page driver and the target's
// LMS filter, the tree script filled into ds_tree.html, lmsrequest copied (and
// filtered), the lexicon pages written from the two lexicon templates.
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { build, DATA, COMPONENTS } = require('../../lib/pagebuilder');
const cp = require('../../lib/cp1250');

const EXPORTS = path.join(DATA, 'exports');
const DESIGNS = path.join(DATA, 'templates_design_export');

const FILTERS = {
  offline: null,
  scorm: '<script type="text/javascript" src="../scorm/lmsSCORM.js"></script>',
  server: '<script type="text/javascript" src="../scorm/lmsSCORM.js"></script>',
  exam: '<script type="text/javascript" src="../lms/lmsVLMExam.js"></script>',
  aicc: '<script type="text/javascript" src="../aicc/lmsAICC.js"></script>',
};
const PLACEHOLDER = '<!-- jscript:LMSManager //-->';

// The layout texts of the language file (section ExportLayout), "*[text:KEY]*"
// filled as the program fills them; these courses are Polish (variant 0).
const LAYOUT_TEXTS = (() => {
  const lines = fs.readFileSync(path.join(DATA, 'configuration', 'lang', 'lang.lang'), 'latin1').split(/\r?\n/);
  const texts = {};
  let inSection = false;
  for (const line of lines) {
    if (/^\[.*\]$/.test(line)) { inSection = line === '[ExportLayout]'; continue; }
    const eq = line.indexOf('=');
    if (inSection && eq > 0) texts[line.slice(0, eq)] = line.slice(eq + 1).split('#|#')[0];
  }
  return texts;
})();
const fillTexts = (bytes) => bytes.replace(/\*\[text:([^\]]*)\]\*/g, (m, key) => LAYOUT_TEXTS[key] || '');

function copyFolder(src, dst, recursive = true) {
  fs.mkdirSync(dst, { recursive: true });
  if (!fs.existsSync(src)) return;
  for (const e of fs.readdirSync(src, { withFileTypes: true })) {
    const s = path.join(src, e.name);
    const d = path.join(dst, e.name);
    if (e.isDirectory()) { if (recursive) copyFolder(s, d, true); } else if (/\.(html?|js)$/i.test(e.name)) {
      fs.writeFileSync(d, Buffer.from(fillTexts(fs.readFileSync(s, 'latin1')), 'latin1'));
    } else fs.copyFileSync(s, d);
  }
}

const pad5 = (n) => String(n).padStart(5, '0');

// Form encoding of the program: letters, digits and * @ . _ - $ ! ' ( ) stay, blank is "+".
function urlEncode(text) {
  let out = '';
  for (const ch of cp.encode(text)) {
    if (/[A-Za-z0-9*@._\-$!'()]/.test(ch)) out += ch;
    else if (ch === ' ') out += '+';
    else out += '%' + ch.charCodeAt(0).toString(16).toUpperCase().padStart(2, '0');
  }
  return out;
}

function pageUrl(item) {
  if (item.type === 0) return 'pages/p' + pad5(item.id) + '/_page.html';
  if (item.type === 1) return item.link;
  if (item.type === 2) return 'pages\\p' + pad5(item.id) + '\\' + item.link;
  return 'ds_blank.html';
}

function itemUrl(item) {
  const lr = 'pages/lmsrequest/lmsrequest.html?';
  if (item.type === -1) return lr + 'type=file&amp;src=blank.html';
  if (item.type === 0) return pageUrl(item);
  if (item.type === 1) return lr + 'type=http&amp;src=' + urlEncode(item.link.replace(/\\/g, '/'));
  if (item.type === 2) return lr + 'type=file&amp;src=' + urlEncode(pageUrl(item).replace(/\\/g, '/'));
  return '';
}

// Course items: {name, type, id, children: [...]}; the first is the root.
// Positions are given in tree order (pre-order), the root being 1.
function number(root) {
  const all = [];
  const walk = (it, parent, depth) => {
    it.position = all.length + 1;
    it.parentPosition = parent ? parent.position : 0;
    it.depth = depth;
    it.children = it.children || [];
    all.push(it);
    for (const c of it.children) walk(c, it, depth + 1);
  };
  walk(root, null, 0);
  return all;
}

function treeLines(root) {
  const lines = [];
  let seq = 0;
  const line = (it, level) => {
    const chapter = it.children.length > 0;
    const title = chapter ? it.name.replace(/"/g, '\\"') : it.name.replace(/"/g, '\\"').trim();
    let addr;
    if (!chapter) addr = itemUrl(it);
    else if (it.type === 0) addr = pageUrl(it).trim();
    else if (it.type === 1) addr = 'pages/lmsrequest/lmsrequest.html?src=' + urlEncode(it.link);
    else addr = 'pages/lmsrequest/lmsrequest.html?src=' + urlEncode('../' + pageUrl(it).trim());
    lines.push(`addTreePage(${chapter},"${title}","${addr}",${level}, "", ${it.id}, 0, ${seq});`);
    if (!chapter) seq++;
    for (const c of it.children) line(c, level + 1);
  };
  if (root.children.length === 0) line(root, 0);
  else for (const c of root.children) line(c, 0);
  return lines;
}

function writeTreeScript(root, out) {
  const file = path.join(out, 'ds_tree.html');
  if (!fs.existsSync(file)) return;
  const text = fs.readFileSync(file, 'latin1');
  const lines = treeLines(root).map((l) => cp.encode(l) + '\r\n').join('');
  fs.writeFileSync(file, Buffer.from(text.split('*[tree]*').join(lines), 'latin1'));
}

function exportPages(items, out, kind, filter) {
  for (const it of items) {
    if (it.type === 0 && it.page) {
      const file = path.join(out, 'pages', 'p' + pad5(it.id), '_page.html');
      build(it.page, file, { mode: kind, apiPath: '../api/', commonPath: '../../js/', pageIndex: it.position, lms: filter || undefined });
    } else if (it.type === 2 && it.document) {
      const file = path.join(out, 'pages', 'p' + pad5(it.id), it.link);
      fs.mkdirSync(path.dirname(file), { recursive: true });
      fs.writeFileSync(file, it.document);
    }
  }
  copyFolder(path.join(COMPONENTS, 'api'), path.join(out, 'pages', 'api'));
  fs.mkdirSync(path.join(out, 'pages', 'resources'), { recursive: true });
}

function copyLmsRequest(out, filter) {
  const dst = path.join(out, 'pages', 'lmsrequest');
  copyFolder(path.join(EXPORTS, 'lmsrequest'), dst);
  if (!filter) return;
  const f = path.join(dst, 'lmsrequest.html');
  fs.writeFileSync(f, fs.readFileSync(f, 'latin1').split(PLACEHOLDER).join(filter), 'latin1');
}

const POLISH_FROM = 'ŚŹśźŁĄŻłążĆĘŃÓćęńó';
const POLISH_TO = 'SZszLAZlazCENOceno';

function lexiconFileName(key) {
  let out = '';
  for (const ch of key) {
    const i = POLISH_FROM.indexOf(ch);
    const c = i >= 0 ? POLISH_TO[i] : ch;
    if ('"#$%&\'()*+,-./:;<=>?@'.includes(c)) continue;
    out += c;
  }
  return out + '.html';
}

// lexicon: [[keyword, definition], ...]
function writeLexicon(out, lexicon) {
  copyFolder(path.join(EXPORTS, 'lexicon'), path.join(out, 'lexicon'));
  const tpl = path.join(EXPORTS, '_common_exports_files', 'lexicon');
  const treeTpl = fillTexts(fs.readFileSync(path.join(tpl, 'lexicon_tree.html'), 'latin1'));
  const contentTpl = fillTexts(fs.readFileSync(path.join(tpl, 'lexicon_content.html'), 'latin1'));
  let index = '';
  for (const [key, def] of lexicon) {
    const f = lexiconFileName(key);
    index += cp.encode(`dbAdd("${key}", "keywords/${f}", "", 0);`) + '\r\n';
    const body = contentTpl.replace('<!-- lexicon_content -->', cp.encode(def).replace(/\r\n/g, '<br>'));
    const file = path.join(out, 'lexicon', 'keywords', f);
    fs.mkdirSync(path.dirname(file), { recursive: true });
    fs.writeFileSync(file, Buffer.from(body, 'latin1'));
  }
  fs.writeFileSync(path.join(out, 'lexicon', 'lexicon_tree.html'), Buffer.from(treeTpl.replace('<!-- lexicon -->', index), 'latin1'));
}

const esc = (t) => t.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
const NS_IMSCP = 'http://www.imsglobal.org/xsd/imscp_rootv1p1p2';
const NS_ADLCP = 'http://www.adlnet.org/xsd/adlcp_rootv1p2';

// imsmanifest.xml of the SCORM package, UTF-16 LE with a byte-order mark.
function writeScormManifest(root, out) {
  const T = (n) => '\t'.repeat(n);
  const hasContent = (it) => (it.type === 0 && !!it.page) || (it.type === 1 && !!it.link);
  const ref = (it) => 'r' + it.parentPosition + it.position;
  const lines = ['<?xml version="1.0" encoding="UTF-16"?>', '<manifest identifier="MANIFEST0"', 'xmlns="' + NS_IMSCP + '"',
    'xmlns:adlcp="' + NS_ADLCP + '"', 'xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"',
    'xsi:schemaLocation="' + NS_IMSCP + ' imscp_rootv1p1p2.xsd">', T(1) + '<organizations default="t001">', T(2) + '<organization identifier="t001">'];
  const item = (it, n, isRoot) => {
    const chapter = it.children.length > 0;
    const withRef = !chapter || hasContent(it);
    lines.push(T(n) + '<item identifier="id_' + it.position + '"' + (withRef ? ' identifierref="' + ref(it) + '"' : '') + '>');
    const titleIndent = isRoot ? (chapter ? 3 : 4) : (chapter ? n + 1 : n);
    lines.push(T(titleIndent) + '<title>' + esc(it.name) + '</title>');
    for (const c of it.children) item(c, n + 1, false);
    lines.push(T(n) + '</item>');
  };
  item(root, 3, true);
  lines.push(T(3) + '<metadata>', T(4) + '<schema>ADL SCORM</schema>', T(4) + '<schemaversion>1.2</schemaversion>', T(4) + '<location>lom.xml</location>', T(3) + '</metadata>',
    T(2) + '</organization>', T(1) + '</organizations>', T(1) + '<resources>');
  for (const it of flat(root)) {
    if (it.children.length > 0 && !hasContent(it)) continue;
    lines.push(T(2) + '<resource identifier="' + ref(it) + '" type="webcontent" href="' + itemUrl(it) + '">', T(3) + '<file href="' + itemUrl(it) + '" />', T(2) + '</resource>');
  }
  lines.push(T(1) + '</resources>', '</manifest>');
  const text = lines.join('\r\n') + '\r\n';
  fs.writeFileSync(path.join(out, 'imsmanifest.xml'), Buffer.concat([Buffer.from([0xFF, 0xFE]), Buffer.from(text + '\r\n', 'utf16le')]));
}

function flat(root) {
  const all = [];
  const walk = (it) => { all.push(it); for (const c of it.children) walk(c); };
  walk(root);
  return all;
}

function designs() {
  return fs.readdirSync(DESIGNS, { withFileTypes: true }).filter((e) => e.isDirectory()).map((e) => e.name);
}

// target: offline | aicc | scorm | server | exam; options: design, lexicon, leo, aiccMulti
function assemble(target, root, options = {}) {
  const out = fs.mkdtempSync(path.join(os.tmpdir(), 'vlm-lms-' + target + '-'));
  const items = number(root);
  const filter = FILTERS[target];
  const common = path.join(EXPORTS, '_common_exports_files', 'default');
  if (target === 'offline' || target === 'aicc') {
    copyFolder(common, out);
    copyFolder(path.join(EXPORTS, target === 'offline' ? 'VLMExplorer' : 'AICC', 'default'), out);
    if (target === 'aicc' && options.leo) copyFolder(path.join(EXPORTS, 'AICC', 'leo'), out);
    if (options.lexicon) writeLexicon(out, options.lexicon);
    if (options.design) copyFolder(path.join(DESIGNS, options.design), out);
    writeTreeScript(root, out);
    exportPages(items, out, 4, filter);
    copyLmsRequest(out, filter);
    if (target === 'aicc') {
      const leaves = items.filter((i) => i.children.length === 0 && i !== items[0]);
      fs.writeFileSync(path.join(out, 'leoindex.inc'), options.aiccMulti
        ? 'var arrPageIndex = new Array(' + leaves.map((l) => l.id + ',').join('') + '0);\r\n' : '');
      copyFolder(path.join(EXPORTS, 'js', 'aicc'), path.join(out, 'pages', 'aicc'));
      const fsj = path.join(out, 'js', 'frameset.js');
      fs.writeFileSync(fsj, fs.readFileSync(fsj, 'latin1').split('*[AiccMulti]*').join(options.aiccMulti ? 'true' : 'false'), 'latin1');
    }
  } else {
    copyFolder(path.join(EXPORTS, target === 'scorm' ? 'Oracle' : 'VLMServer', 'default'), out);
    copyFolder(common, out);
    if (options.lexicon) writeLexicon(out, options.lexicon);
    exportPages(items, out, target === 'exam' ? 5 : 4, filter);
    writeScormManifest(root, out);
    copyLmsRequest(out, filter);
    if (target === 'scorm') copyFolder(path.join(EXPORTS, 'Oracle', 'xsd'), out, false);
    if (target === 'scorm' && options.cmiAdapter) copyFolder(path.join(EXPORTS, 'Oracle', 'CMIAdapter'), path.join(out, 'CMIAdapter'));
    const js = target === 'exam' ? ['vlmexam', 'lms'] : ['scorm', 'scorm'];
    copyFolder(path.join(EXPORTS, 'js', js[0]), path.join(out, 'pages', js[1]));
  }
  return { dir: out, items, remove: () => fs.rmSync(out, { recursive: true, force: true }) };
}

module.exports = { assemble, treeLines, itemUrl, pageUrl, urlEncode, lexiconFileName, designs, EXPORTS, DESIGNS, pad5 };
