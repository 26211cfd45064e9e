'use strict';
// Draws the picture of each template as a visitor's browser shows its
// published page (the buttons as HTML and CSS, with the runtime where the
// project needs it), for the New Project dialog: templates/NAME/NAME.png,
// the project's size from the corner of the buttons' container.
//   npm ci --prefix tests/pages
//   node scripts/template-pictures.js BUILD_DIR
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { spawnSync } = require('node:child_process');
const puppeteer = require(path.join(__dirname, '..', 'tests', 'pages', 'node_modules', 'puppeteer-core'));

const build = path.resolve(process.argv[2] || 'build');
const templates = path.join(__dirname, '..', 'templates');

(async () => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vb-templates-'));
  const browser = await puppeteer.launch({ browser: 'chrome', executablePath: '/usr/bin/chromium', args: ['--no-sandbox'], headless: true });
  try {
    for (const name of fs.readdirSync(templates).sort()) {
      const project = path.join(templates, name, name + '.but');
      if (!fs.existsSync(project)) continue;
      const site = path.join(dir, name);
      const r = spawnSync(path.join(build, 'app', 'velkobutton'), ['publish', project, site, '--runtime']);
      if (r.status !== 0) throw new Error(name + ': ' + r.stderr);
      const page = await browser.newPage();
      await page.setViewport({ width: 800, height: 400, deviceScaleFactor: 1 });
      await page.goto('file://' + path.join(site, name + '.html'));
      await page.waitForSelector('.vb');
      // The fonts and images in place, and the runtime (where there is one) started.
      await page.evaluate(() => document.fonts.ready);
      await page.evaluate(() => new Promise((done) => setTimeout(done, 300)));
      const clip = await page.evaluate(() => {
        // A page without the runtime has no applet: its container has the project's size.
        const applet = document.querySelector('applet');
        const r = document.querySelector('.vb').getBoundingClientRect();
        if (!applet) return { x: r.left, y: r.top, width: r.width, height: r.height };
        return { x: r.left, y: r.top, width: +applet.getAttribute('width'), height: +applet.getAttribute('height') };
      });
      await page.screenshot({ path: path.join(templates, name, name + '.png'), clip: clip });
      await page.close();
      console.log('drew ' + name);
    }
  } finally {
    await browser.close();
    fs.rmSync(dir, { recursive: true, force: true });
  }
})().catch((e) => { console.error(e); process.exit(1); });
