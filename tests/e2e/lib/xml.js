'use strict';
// A small reader and writer for the component library's XML files, following the
// program's rules: no entities, text trimmed, CDATA kept, fixed writer layout.

function parseTag(content) {
  const sp = content.indexOf(' ');
  if (sp < 0) return { name: content, attrs: [] };
  const node = { name: content.slice(0, sp), attrs: [] };
  let pos = sp;
  for (;;) {
    const eq = content.indexOf('=', pos);
    if (eq < 0) break;
    const q1 = content.indexOf('"', eq);
    if (q1 < 0) break;
    const q2 = content.indexOf('"', q1 + 1);
    if (q2 < 0) break;
    node.attrs.push([content.slice(pos, eq).trim(), content.slice(q1 + 1, q2)]);
    pos = q2 + 1;
  }
  return node;
}

function parse(text) {
  const root = { name: 'root', attrs: [], children: [], text: '', cdata: false, parent: null };
  let cur = root;
  let i = 0;
  const trim = (s) => s.replace(/^[\x00-\x20]+|[\x00-\x20]+$/g, '');
  while (i < text.length) {
    const lt = text.indexOf('<', i);
    const before = trim(text.slice(i, lt < 0 ? text.length : lt));
    if (before) {
      cur.text = trim(before.replace(/\r\n|\t/g, ' '));
      cur.cdata = false;
    }
    if (lt < 0) break;
    if (text.slice(lt, lt + 9).toUpperCase() === '<![CDATA[') {
      const end = text.indexOf(']]>', lt + 9);
      const body = end < 0 ? text.slice(lt + 9) : text.slice(lt + 9, end);
      cur.text = body;
      cur.cdata = true;
      i = end < 0 ? text.length : end + 3;
      continue;
    }
    const gt = text.indexOf('>', lt);
    if (gt < 0) {
      i = lt + 1;
      continue;
    }
    let content = text.slice(lt + 1, gt);
    i = gt + 1;
    if (content.startsWith('/')) {
      if (cur.parent) cur = cur.parent;
      continue;
    }
    const empty = content.endsWith('/');
    content = trim(content.replace(/\r\n|\t/g, ' '));
    const tag = parseTag(content);
    if (empty && tag.attrs.length) {
      // the slash after the last attribute is not part of the name
    }
    const node = { name: tag.name, attrs: tag.attrs, children: [], text: '', cdata: false, parent: cur };
    cur.children.push(node);
    if (!empty) cur = node;
  }
  return root;
}

function toXml(node, level = 0) {
  const ind = '  '.repeat(level);
  let s = ind + '<' + node.name;
  for (const [k, v] of node.attrs) s += ' ' + k + '="' + v + '"';
  if (!node.children.length && !node.text) return s + ' />\r\n';
  s += '>\r\n';
  if (node.text) {
    s += node.cdata ? ind + '  <![CDATA[' + node.text + ']]>\r\n' : ind + '  ' + node.text + '\r\n';
  }
  for (const c of node.children) s += toXml(c, level + 1);
  return s + ind + '</' + node.name + '>\r\n';
}

const attr = (node, name) => {
  const a = node && node.attrs.find(([k]) => k === name);
  return a ? a[1] : undefined;
};

function findDescendant(node, name) {
  for (const c of node.children) {
    if (c.name === name) return c;
    const d = findDescendant(c, name);
    if (d) return d;
  }
  return null;
}

function collect(node, name, out = []) {
  for (const c of node.children) {
    if (c.name === name) out.push(c);
    collect(c, name, out);
  }
  return out;
}

module.exports = { parse, toXml, attr, findDescendant, collect };
