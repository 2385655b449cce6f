'use strict';
// Debian's chromium driven by playwright-core, with a fresh profile per run.
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { chromium } = require('playwright-core');

const EXECUTABLE = '/usr/bin/chromium';
const ARGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--autoplay-policy=no-user-gesture-required', '--allow-file-access-from-files'];

async function launch() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vlm-e2e-profile-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: EXECUTABLE, headless: true, args: ARGS,
    viewport: { width: 1024, height: 768 }, timeout: 30000,
  });
  context.setDefaultTimeout(10000);
  return {
    context,
    async close() {
      await context.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Opens a page and records every script error and console error it produces.
async function open(context, url) {
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  await page.goto(url, { waitUntil: 'load' });
  return { page, errors };
}

module.exports = { launch, open };
