'use strict';
// What the exported frame set should show for a course, read from the course
// file by the command line's own "info --json".
const cli = require('./cli');

const pad5 = (n) => String(n).padStart(5, '0');

function info(file) {
  const r = cli.run(['info', '--json', file]);
  if (r.status !== 0) throw new Error(r.describe());
  return JSON.parse(r.stdout);
}

// The tree entries in tree order: the items below the root (the root alone when it
// is the whole course), each with the address its page has in an export folder.
function treeEntries(file) {
  const { items } = info(file);
  const byParent = new Map();
  for (const it of items) {
    if (!byParent.has(it.parentPosition)) byParent.set(it.parentPosition, []);
    byParent.get(it.parentPosition).push(it);
  }
  const root = items.find((it) => it.parentPosition === 0);
  const out = [];
  const walk = (it) => {
    out.push(it);
    for (const c of (byParent.get(it.position) || []).sort((a, b) => a.position - b.position)) walk(c);
  };
  walk(root);
  const entries = out.length > 1 ? out.slice(1) : out;
  return entries.map((it) => ({ name: it.name, id: it.id, pageType: it.pageType,
    page: it.pageType === 0 ? 'pages/p' + pad5(it.id) + '/_page.html' : null }));
}

module.exports = { info, treeEntries, pad5 };
