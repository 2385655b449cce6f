'use strict';
// Prepares a property or parameter page the way the program does before showing it:
// "*[key]*" markers replaced by language texts, the <language> block applied for the
// content language, a base reference to the page's own folder; and a stand-in of the
// program's script bridge (window.external) for the page to talk to.
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const xml = require('./xml');

function prepare(file, lang, langText = () => '') {
  let text = fs.readFileSync(file).toString('latin1');
  for (;;) {
    const a = text.indexOf('*[');
    if (a < 0) break;
    const b = text.indexOf(']*', a + 2);
    if (b < 0) break;
    const key = text.slice(a + 2, b);
    text = text.split('*[' + key + ']*').join(langText(key));
  }
  const s = text.indexOf('<language>');
  const e = text.indexOf('</language>', s);
  if (s >= 0 && e > s) {
    const block = xml.parse(text.slice(s, e + '</language>'.length));
    const language = xml.findDescendant(block, 'language');
    for (const str of language.children.filter((c) => c.name === 'string')) {
      const orig = str.children.find((c) => c.name === 'original');
      const tr = str.children.find((c) => xml.attr(c, 'lang') === lang);
      if (orig && tr) text = text.split(orig.text).join(tr.text);
    }
  }
  return '<base href="' + pathToFileURL(path.dirname(file)).href + '/"/>' + text;
}

// The bridge: properties of the edited element (decoded texts) and of the page's elements.
function bridgeScript(state) {
  return `(() => {
    const st = ${JSON.stringify(state)};
    window.bridgeLog = [];
    const pick = (node) => typeof node === 'number' ? st.elements[node] : st.elements.find((e) => e.globalIndex === node);
    const ext = {
      isVellumar: true, SelectedFileName: '', ProjectPath: st.resources, ProjectResourcesPath: st.resources,
      get ComponentsCount() { return st.elements.length; },
      Properties(name, value) {
        if (arguments.length < 2) return name === 'className' ? st.className : (st.props[name] ?? '');
        bridgeLog.push(['Properties', name, value]);
        if (value !== null && name in st.props) st.props[name] = String(value);
      },
      ComponentProperty(node, attr) {
        const el = pick(node);
        if (!el) throw new Error('no such element');
        return attr === 'className' ? el.className : (el.attrs[attr] ?? '');
      },
      ColorDialog(color) { bridgeLog.push(['ColorDialog', color]); return st.color || color; },
      ResourcesForm(file, kind) { bridgeLog.push(['ResourcesForm', file, kind]); return st.chosenFile || ''; },
      GetLangText(key) { return key; },
      Result(value) { bridgeLog.push(['Result', value]); window.lastResult = value; },
      get ProjectItemsListCount() { return 0; },
      ProjectItemsListItem() { return ''; },
    };
    window.bridgeState = st;
    Object.defineProperty(window, 'external', { value: ext, configurable: true });
  })();`;
}

// Language texts from the program's language file: [Misc] key=PL#|#EN#|#DE#|#FR (cp1250).
function langFileTexts(file, lang) {
  const index = ['PL', 'EN', 'DE', 'FR'].indexOf(lang);
  const text = fs.readFileSync(file).toString('latin1');
  const misc = text.split(/\r?\n\[/).find((s) => /^\[?Misc\]/.test(s)) || '';
  const values = new Map();
  for (const line of misc.split(/\r?\n/)) {
    const eq = line.indexOf('=');
    if (eq > 0 && !values.has(line.slice(0, eq))) values.set(line.slice(0, eq), line.slice(eq + 1));
  }
  return (key) => {
    const v = (values.get(key) || '').split('#|#')[index] || '';
    return v === ' ' ? '' : v;
  };
}

module.exports = { prepare, bridgeScript, langFileTexts };
