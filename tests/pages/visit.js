'use strict';
// What the page tests and the page measures share: the seven published
// projects with what a visitor should find on them, publishing, opening a page
// as a visitor meets it, and comparing two screenshots pixel by pixel.
const fs = require('node:fs');
const path = require('node:path');
const { spawnSync } = require('node:child_process');

const SOURCE = path.resolve(__dirname, '..', '..');
const ENGINES = [
  { name: 'chromium', launch: { browser: 'chrome', executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] } },
  { name: 'firefox', launch: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr' } }
];
const RUNTIME_LINE = '<SCRIPT SRC="velkobutton.js"></SCRIPT>';

// The demo and the templates: the captions shown at rest (a date place-holder is
// filled in by the runtime, so only the words before it), the links in order, a
// caption shown only by a hover script, and whether the project has radio buttons.
const PROJECTS = [
  { name: 'demo', project: 'examples/demo.but', captions: ['Home', 'Our Products', 'News', 'Contact', 'Help'],
    links: ['index.html', 'products.html', 'https://www.velko.example/news/', 'mailto:info@velko.example'] },
  { name: 'call-to-action', project: 'templates/call-to-action/call-to-action.but', captions: ['Order your bread'],
    links: ['order.html'] },
  { name: 'horizontal-bar', project: 'templates/horizontal-bar/horizontal-bar.but',
    captions: ['Home', 'Breads', 'Cakes', 'Visit', 'Contact'],
    links: ['index.html', 'breads.html', 'cakes.html', 'visit.html', 'contact.html'] },
  { name: 'submenu', project: 'templates/submenu/submenu.but', captions: ['Home', 'Shop  >', 'Visit', 'Contact'],
    links: ['index.html', 'cakes.html', 'visit.html', 'breads.html', 'cakes.html'],
    revealed: { by: 'Shop  >', shows: ['Breads', 'Cakes'] } },
  { name: 'tabs', project: 'templates/tabs/tabs.but', captions: ['Breads', 'Cakes', 'Pastries', 'Drinks'], links: [],
    radios: 4 },
  { name: 'toolbar', project: 'templates/toolbar/toolbar.but', captions: [], links: [] },
  { name: 'vertical-menu', project: 'templates/vertical-menu/vertical-menu.but',
    captions: ['Home', 'Breads', 'Cakes', 'Visit', 'Contact'],
    links: ['index.html', 'breads.html', 'cakes.html', 'visit.html', 'contact.html'] }
];

function run(program, args) {
  const r = spawnSync(program, args, { encoding: 'latin1' });
  if (r.status !== 0) throw new Error(program + ' ' + args.join(' ') + ': ' + r.stderr);
  return r.stdout;
}

/**
 * Publishes every project with `exe` into `dir`/NAME; returns for each its page, the
 * same page as a visitor without JavaScript gets it, and whether it loads the runtime.
 */
function publishAll(exe, dir) {
  const out = {};
  for (const p of PROJECTS) {
    const site = path.join(dir, p.name);
    run(exe, ['publish', path.join(SOURCE, p.project), site]);
    const page = path.join(site, p.name + '.html');
    const html = fs.readFileSync(page, 'latin1');
    const noScript = path.join(site, 'noscript.html');
    fs.writeFileSync(noScript, html.split(RUNTIME_LINE).join(''), 'latin1');
    out[p.name] = { page: page, noScript: noScript, scripted: html.includes(RUNTIME_LINE), site: site };
  }
  return out;
}

const frames = (page) => page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));

/** Opens a page and waits until it is at rest: loaded, fonts in, the runtime (if any) started. */
async function open(browser, file, viewport) {
  const page = await browser.newPage();
  page.setDefaultTimeout(120000);
  await page.setViewport(viewport || { width: 1000, height: 700 });
  await page.goto('file://' + file, { waitUntil: 'load' });
  await page.evaluate(() => document.fonts.ready.then(() => undefined));
  await frames(page);
  return page;
}

/** The box of the page's buttons (the container), in CSS pixels of the page. */
function containerBox(page) {
  return page.evaluate(() => {
    const c = document.querySelector('.vb') || document.querySelector('.velkobutton') || document.querySelector('applet');
    const r = c.getBoundingClientRect();
    return { x: Math.floor(r.left + window.scrollX), y: Math.floor(r.top + window.scrollY),
      width: Math.ceil(r.width), height: Math.ceil(r.height) };
  });
}

/** A PNG screenshot of `clip` as base64. */
async function shot(page, clip) {
  return page.screenshot({ encoding: 'base64', clip: clip });
}

/**
 * A page at rest, opened alone (a page behind another may get no frames): a screenshot of
 * its buttons' container, and each shown button's caption text and box and its caption's
 * box, both relative to the container.
 */
async function capture(browser, file, viewport) {
  const page = await open(browser, file, viewport);
  if (await page.$('applet .velkobutton')) await page.waitForSelector('.velkobutton canvas');
  const box = await containerBox(page);
  const buttons = await page.evaluate((c) => {
    const rel = (r) => ({ x: Math.floor(r.left + window.scrollX - c.x), y: Math.floor(r.top + window.scrollY - c.y),
      width: Math.ceil(r.width), height: Math.ceil(r.height) });
    return Array.from(document.querySelectorAll('.vb .b')).filter((b) => b.getClientRects().length).map((b) => {
      const span = b.querySelector('span');
      return { text: b.textContent, box: rel(b.getBoundingClientRect()),
        caption: span && span.getClientRects().length ? rel(span.getBoundingClientRect()) : null };
    });
  }, box);
  const png = await shot(page, box);
  await page.close();
  return { box: box, png: png, buttons: buttons };
}

/**
 * The share of pixels that differ between two PNG screenshots (by more than `tolerance` in
 * any channel); pixels inside `masks` are left out.
 * Images of different sizes are compared over the larger, the missing part differing.
 */
async function diffShare(browser, a, b, tolerance, masks) {
  const page = await browser.newPage();
  const share = await page.evaluate(async (a, b, tolerance, masks) => {
    const load = (s) => new Promise((done, fail) => {
      const img = new Image();
      img.onload = () => done(img);
      img.onerror = fail;
      img.src = 'data:image/png;base64,' + s;
    });
    const [ia, ib] = [await load(a), await load(b)];
    const w = Math.max(ia.width, ib.width), h = Math.max(ia.height, ib.height);
    const pixels = (img) => {
      const c = document.createElement('canvas');
      c.width = w;
      c.height = h;
      const g = c.getContext('2d');
      g.fillStyle = '#ff00ff';
      g.fillRect(0, 0, w, h);
      g.drawImage(img, 0, 0);
      return g.getImageData(0, 0, w, h).data;
    };
    const [pa, pb] = [pixels(ia), pixels(ib)];
    let differ = 0, counted = 0;
    for (let y = 0; y < h; y++) {
      for (let x = 0; x < w; x++) {
        if (masks.some((m) => x >= m.x && x < m.x + m.width && y >= m.y && y < m.y + m.height)) continue;
        counted++;
        const i = (y * w + x) * 4;
        if (Math.abs(pa[i] - pb[i]) > tolerance || Math.abs(pa[i + 1] - pb[i + 1]) > tolerance ||
            Math.abs(pa[i + 2] - pb[i + 2]) > tolerance) differ++;
      }
    }
    return counted ? differ / counted : 0;
  }, a, b, tolerance, masks || []);
  await page.close();
  return share;
}

module.exports = { SOURCE, ENGINES, PROJECTS, RUNTIME_LINE, run, publishAll, open, frames, containerBox, shot, capture, diffShare };
