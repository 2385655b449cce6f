'use strict';
// Loopback HTTP server for one test: serves a folder (and extra routes), random port.
const http = require('node:http');
const fs = require('node:fs');
const path = require('node:path');

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.xml': 'application/xml',
  '.xsd': 'application/xml', '.png': 'image/png', '.gif': 'image/gif', '.svg': 'image/svg+xml', '.pdf': 'application/pdf',
  '.txt': 'text/plain', '.inc': 'text/javascript' };

// mounts: {urlPrefix: folder}; routes: {path: (req, body, res) => void}
async function serve(mounts, routes = {}) {
  const server = http.createServer((req, res) => {
    const url = new URL(req.url, 'http://127.0.0.1');
    if (url.pathname === '/favicon.ico') { res.writeHead(204); res.end(); return; }
    const route = routes[url.pathname];
    if (route) {
      const chunks = [];
      req.on('data', (c) => chunks.push(c));
      req.on('end', () => route(req, Buffer.concat(chunks).toString('latin1'), res, url));
      return;
    }
    for (const [prefix, dir] of Object.entries(mounts)) {
      if (!url.pathname.startsWith(prefix)) continue;
      const rel = decodeURIComponent(url.pathname.slice(prefix.length));
      const file = path.resolve(dir, rel);
      if (!file.startsWith(path.resolve(dir)) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) break;
      res.writeHead(200, { 'Content-Type': TYPES[path.extname(file).toLowerCase()] || 'application/octet-stream' });
      res.end(fs.readFileSync(file));
      return;
    }
    res.writeHead(404, { 'Content-Type': 'text/plain' });
    res.end('not found');
  });
  server.keepAliveTimeout = 500;
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const base = 'http://127.0.0.1:' + server.address().port;
  return {
    base,
    close: () => new Promise((resolve) => { server.closeAllConnections(); server.close(resolve); }),
  };
}

module.exports = { serve };
