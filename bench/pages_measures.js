'use strict';
// The published pages measured as visitors meet them: the demo and the six
// templates, each beside its hand-written twin (bench/twins/) and beside the page
// of today's canvas drawing. Run by hand; it prints one table per measure:
//   npm ci --prefix tests/pages && npm ci --prefix bench   (bench/ holds Lighthouse)
//   node bench/pages_measures.js BUILD_DIR TODAY_EXE [TODAY_RUNTIME] [--no-lighthouse]
// BUILD_DIR holds the build to measure (app/velkobutton, examples/make_demo);
// TODAY_EXE publishes the canvas pages to compare with: the velkobutton of a build of
// the last version that drew on a canvas (commit 9efbdc6)
// and TODAY_RUNTIME is the runtime they load (default: the one TODAY_EXE publishes).
// - Lighthouse 12 (Chromium): Performance, Accessibility, Best Practices and SEO on
//   mobile and desktop, and the element of the largest contentful paint.
// - Weight: bytes of the page and of every request it makes at rest, against the twin.
// - Find in page: captions found, on the page and on the twin (Chromium and Firefox).
// - No JavaScript: share of pixels that differ from the scripted page at rest.
// - Zoom: a caption's rendered height at 400 % zoom over its height at 100 %, in a
//   1,280 px window (400 % zoom there is a 320 px wide viewport at pixel ratio 4).
// - Today: share of pixels that differ from today's canvas drawing at pixel ratio 1,
//   all pixels and outside the captions' boxes (text anti-aliasing and font hinting).
// - Hover: bench/pointer_hover.js at 2,000 buttons against plain HTML.
// The pages are served over HTTP from 127.0.0.1, as Lighthouse wants a web page.
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const http = require('node:http');
const { spawnSync } = require('node:child_process');
const pagesDir = path.join(__dirname, '..', 'tests', 'pages');
const puppeteer = require(path.join(pagesDir, 'node_modules', 'puppeteer-core'));
const { ENGINES, PROJECTS, publishAll, open, capture, diffShare } = require(path.join(pagesDir, 'visit.js'));

const args = process.argv.slice(2).filter((a) => !a.startsWith('--'));
const build = path.resolve(args[0] || 'build');
const todayExe = args[1];
if (!todayExe) {
  console.error('usage: node bench/pages_measures.js BUILD_DIR TODAY_EXE [TODAY_RUNTIME] [--no-lighthouse]');
  process.exit(2);
}
const todayRuntime = args[2] || '';
const withLighthouse = !process.argv.includes('--no-lighthouse');
const TOLERANCE = 24;
const CATEGORIES = ['performance', 'accessibility', 'best-practices', 'seo'];

const pct = (x) => (x * 100).toFixed(2) + ' %';
const table = (title, head, rows) => {
  console.log('\n' + title);
  const all = [head].concat(rows).map((r) => r.map(String));
  const widths = head.map((_, i) => Math.max.apply(null, all.map((r) => r[i].length)));
  for (const r of all) console.log('  ' + r.map((c, i) => c.padEnd(widths[i])).join('  '));
};

/** Serves `root` on 127.0.0.1; counts the bytes of every body it sends. */
function serve(root) {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.svg': 'image/svg+xml', '.png': 'image/png',
    '.gif': 'image/gif', '.jpg': 'image/jpeg', '.ttf': 'font/ttf', '.au': 'audio/basic', '.css': 'text/css' };
  const served = [];
  const server = http.createServer((req, res) => {
    const file = path.join(root, decodeURIComponent(new URL(req.url, 'http://x').pathname));
    if (!file.startsWith(root) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      res.writeHead(404);
      res.end();
      return;
    }
    const body = fs.readFileSync(file);
    served.push({ url: req.url, bytes: body.length });
    res.writeHead(200, { 'Content-Type': (types[path.extname(file)] || 'application/octet-stream') +
      (file.endsWith('.html') && !body.includes('charset="utf-8"') ? '; charset=windows-1252' : ''),
    'Cache-Control': 'max-age=31536000' });
    res.end(body);
  });
  return new Promise((done) => server.listen(0, '127.0.0.1', () => done({ server: server, served: served,
    base: 'http://127.0.0.1:' + server.address().port + '/' })));
}

async function lighthouseRows(site) {
  const lighthouse = await import(path.join(__dirname, 'node_modules', 'lighthouse', 'core', 'index.js'));
  const browser = await puppeteer.launch(Object.assign({ headless: true }, ENGINES[0].launch));
  const rows = [];
  try {
    for (const p of PROJECTS) {
      for (const form of ['mobile', 'desktop']) {
        const page = await browser.newPage();
        const config = form === 'desktop' ? lighthouse.desktopConfig : undefined;
        const result = await lighthouse.default(site.base + p.name + '/' + p.name + '.html',
          { logLevel: 'error', output: 'json', onlyCategories: CATEGORIES }, config, page);
        const lhr = result.lhr;
        const lcp = lhr.audits['largest-contentful-paint-element'];
        const item = lcp && lcp.details && lcp.details.items && lcp.details.items[0];
        const node = item && item.items && item.items[0] && item.items[0].node;
        const lcpError = lhr.audits['largest-contentful-paint'].errorMessage || lhr.runtimeError && lhr.runtimeError.code;
        // The weighted audits that cost points, outside Performance's metrics.
        const lost = CATEGORIES.slice(1).flatMap((c) => lhr.categories[c].auditRefs)
          .filter((r) => r.weight > 0 && lhr.audits[r.id].score !== null && lhr.audits[r.id].score < 1).map((r) => r.id);
        rows.push([p.name, form].concat(CATEGORIES.map((c) => lhr.categories[c].score === null ? '-' :
          Math.round(lhr.categories[c].score * 100)),
        [lhr.audits['largest-contentful-paint'].displayValue || lcpError || '-',
          node ? (node.snippet || '').slice(0, 48) : (lcpError ? 'NO_LCP' : '-'), lost.join(' ') || '-']));
        await page.close();
      }
    }
  } finally {
    await browser.close();
  }
  table('Lighthouse (Chromium)', ['page', 'form'].concat(CATEGORIES, ['LCP', 'LCP element', 'points lost on']), rows);
}

/** Bytes of the page and every request it makes until it is at rest. */
async function weight(browser, site, url) {
  const from = site.served.length;
  const page = await browser.newPage();
  await page.setCacheEnabled(false);
  await page.goto(url, { waitUntil: 'networkidle0' });
  await page.close();
  const list = site.served.slice(from);
  return { bytes: list.reduce((s, r) => s + r.bytes, 0), requests: list.length };
}

/** Every caption window.find finds on a page at `url`. */
async function found(browser, url, captions) {
  const page = await browser.newPage();
  await page.goto(url, { waitUntil: 'load' });
  await new Promise((done) => setTimeout(done, 300));
  const n = await page.evaluate((cs) => cs.filter((c) => {
    getSelection().removeAllRanges();
    return window.find(c, true, false, true);
  }).length, captions);
  await page.close();
  return n;
}

/** A caption's rendered height in device pixels (the container's for a canvas page). */
async function captionHeight(browser, file, width, ratio) {
  const page = await open(browser, file, { width: width, height: 900, deviceScaleFactor: ratio });
  const h = await page.evaluate(() => {
    const span = document.querySelector('.vb .b span');
    const box = span || document.querySelector('.velkobutton');
    return box ? box.getBoundingClientRect().height : 0;
  });
  await page.close();
  return h * ratio;
}

async function pixelRows(browser, pub, today) {
  const rows = [];
  for (const p of PROJECTS) {
    const scripted = await capture(browser, pub[p.name].page);
    const plain = await capture(browser, pub[p.name].noScript);
    const old = await capture(browser, today[p.name].page);
    const captions = plain.buttons.filter((b) => b.caption).map((b) => ({ x: b.caption.x - 1, y: b.caption.y - 1,
      width: b.caption.width + 2, height: b.caption.height + 2 }));
    rows.push([p.name, pct(await diffShare(browser, scripted.png, plain.png, TOLERANCE, [])),
      pct(await diffShare(browser, old.png, plain.png, TOLERANCE, [])),
      pct(await diffShare(browser, old.png, plain.png, TOLERANCE, captions))]);
  }
  return rows;
}

(async () => {
  const dir = fs.realpathSync(fs.mkdtempSync(path.join(os.tmpdir(), 'vb-measures-')));
  let site = null;
  try {
    const pub = publishAll(path.join(build, 'app', 'velkobutton'), path.join(dir, 'new'));
    const today = publishAll(todayExe, path.join(dir, 'today'));
    if (todayRuntime) {
      for (const p of PROJECTS) fs.copyFileSync(todayRuntime, path.join(today[p.name].site, 'velkobutton.js'));
    }
    for (const p of PROJECTS) fs.copyFileSync(path.join(__dirname, 'twins', p.name + '.html'), path.join(pub[p.name].site, 'twin.html'));
    site = await serve(path.join(dir));
    if (withLighthouse) await lighthouseRows(Object.assign({}, site, { base: site.base + 'new/' }));

    const weights = [], finds = [];
    for (const engine of ENGINES) {
      const browser = await puppeteer.launch(Object.assign({ headless: true }, engine.launch));
      for (const p of PROJECTS) {
        const base = site.base + 'new/' + p.name + '/';
        const all = p.captions.length;
        finds.push([engine.name, p.name, (await found(browser, base + p.name + '.html', p.captions)) + ' of ' + all,
          (await found(browser, base + 'twin.html', p.captions)) + ' of ' + all,
          (await found(browser, site.base + 'today/' + p.name + '/' + p.name + '.html', p.captions)) + ' of ' + all]);
        if (engine.name !== 'chromium') continue;
        const w = await weight(browser, site, base + p.name + '.html');
        const t = await weight(browser, site, base + 'twin.html');
        const old = await weight(browser, site, site.base + 'today/' + p.name + '/' + p.name + '.html');
        weights.push([p.name, pub[p.name].scripted ? 'yes' : 'no', w.bytes + ' B in ' + w.requests, t.bytes + ' B in ' + t.requests,
          (w.bytes / t.bytes).toFixed(2), old.bytes + ' B in ' + old.requests]);
      }
      if (engine.name === 'chromium') {
        const zoom = [];
        for (const p of PROJECTS) {
          if (!p.captions.length) continue;
          const ratio = async (file) => (await captionHeight(browser, file, 320, 4)) / (await captionHeight(browser, file, 1280, 1));
          zoom.push([p.name, (await ratio(pub[p.name].page)).toFixed(2), (await ratio(today[p.name].page)).toFixed(2)]);
        }
        table('Text at 400 % zoom in a 1,280 px window (Chromium; today: the canvas\'s scale)', ['page', 'ratio', 'today'], zoom);
        table('Pixels (Chromium, tolerance ' + TOLERANCE + '): no JavaScript against scripted at rest; against today\'s canvas',
          ['page', 'no-JS', 'today', 'today outside captions'], await pixelRows(browser, pub, today));
      } else {
        table('Pixels (Firefox, tolerance ' + TOLERANCE + ')', ['page', 'no-JS', 'today', 'today outside captions'],
          await pixelRows(browser, pub, today));
      }
      await browser.close();
    }
    table('Weight (Chromium, bytes of every body at rest)', ['page', 'runtime', 'page', 'twin', 'ratio', 'today'], weights);
    table('Find in page', ['engine', 'page', 'page', 'twin', 'today'], finds);
    site.server.close();
    site = null;
    const hover = spawnSync(process.execPath, [path.join(__dirname, 'pointer_hover.js'), build, '5'], { encoding: 'utf8' });
    console.log('\nHover (bench/pointer_hover.js)\n' + hover.stdout + hover.stderr);
  } finally {
    if (site) site.server.close();
    fs.rmSync(dir, { recursive: true, force: true });
  }
})().catch((e) => { console.error(e); process.exit(1); });
