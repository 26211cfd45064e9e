'use strict';
// What a hover costs a visitor's browser, at 200 and 2,000 buttons, in Chromium
// and in Firefox: real pointer moves over ten buttons (page.mouse.move), each
// timed from the move to the end of the next animation frame's callbacks, with a
// plain HTML/CSS menu of the same links timed the same way in the same run as
// the floor; and the first drawing after the page's DOM is ready.
//   npm ci --prefix tests/pages
//   node bench/pointer_hover.js BUILD_DIR [ROUNDS]
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { spawnSync } = require('node:child_process');
const puppeteer = require(path.join(__dirname, '..', 'tests', 'pages', 'node_modules', 'puppeteer-core'));

const build = path.resolve(process.argv[2] || 'build');
const rounds = parseInt(process.argv[3] || '5', 10);
const SIZES = [200, 2000];
const ENGINES = [
  { name: 'chromium', launch: { browser: 'chrome', executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] } },
  { name: 'firefox', launch: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr' } }
];

function run(program, args) {
  const r = spawnSync(program, args, { encoding: 'latin1' });
  if (r.status !== 0) throw new Error(program + ': ' + r.stderr);
  return r.stdout;
}

// The menu of `n` buttons published, and a plain menu of the same links beside it.
function pagesFor(dir, n) {
  const project = path.join(dir, 'menu' + n + '.but');
  run(path.join(build, 'examples', 'make_demo'), ['--buttons', String(n), project]);
  run(path.join(build, 'app', 'velkobutton'), ['publish', project, dir]);
  const html = fs.readFileSync(path.join(dir, 'menu' + n + '.html'), 'latin1');
  // The page's buttons in order (its list of links, or its button elements), as list items.
  const links = html.includes('<UL>') ? html.slice(html.indexOf('<UL>'), html.indexOf('</UL>') + 5) : '<ul>' +
    Array.from(html.matchAll(/<(A|BUTTON|LABEL|SPAN) CLASS="b [^"]*"([^>]*)>([\s\S]*?)<\/\1>/g), (m) => {
      const href = /HREF="([^"]*)"/.exec(m[2]);
      const text = m[3].replace(/<[^>]*>/g, '');
      return '<li>' + (href ? '<a href="' + href[1] + '">' + text + '</a>' : text) + '</li>';
    }).join('') + '</ul>';
  fs.writeFileSync(path.join(dir, 'plain' + n + '.html'), '<!DOCTYPE html><html lang=en><title>plain</title>' +
    '<style>ul{list-style:none;margin:0;padding:0;width:148px}li a{display:block;height:32px;margin:4px;' +
    'background:#004080;color:#fff;font:bold 12px sans-serif;line-height:32px;text-align:center;text-decoration:none}' +
    'li a:hover{background:#0060c0;color:#ff0}</style><body style="margin:0">' + links, 'latin1');
  return { runtime: path.join(dir, 'menu' + n + '.html'), plain: path.join(dir, 'plain' + n + '.html') };
}

// Installed before the page's scripts: the time the DOM was ready, the first frame after it
// that shows the applet's canvas (or, on the plain page, the first frame), and a probe that
// times one pointer move to the end of the next frame's callbacks (its frame callback is
// asked for after every handler of the move, so it runs after theirs).
function probe() {
  window.vbBench = { ready: 0, firstDrawing: -1, samples: [] };
  document.addEventListener('DOMContentLoaded', () => {
    window.vbBench.ready = performance.now();
    const plain = !document.querySelector('applet');
    const check = () => {
      // A page of button elements shows them in its first frame; a canvas page once it has pixels.
      const drawn = !!document.querySelector('.vb .b') ||
        Array.prototype.some.call(document.querySelectorAll('.velkobutton canvas'), (c) => c.width > 0);
      if (plain || drawn) window.vbBench.firstDrawing = performance.now() - window.vbBench.ready;
      else requestAnimationFrame(check);
    };
    requestAnimationFrame(check);
  });
  window.addEventListener('pointermove', () => {
    const start = performance.now();
    requestAnimationFrame(() => {
      window.vbBench.samples.push(performance.now() - start);
      if (window.vbBench.wake) window.vbBench.wake();
    });
  });
}

const median = (a) => { const s = a.slice().sort((x, y) => x - y); return s[Math.floor(s.length / 2)]; };

async function measure(browser, file) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1000, height: 800 });
  await page.evaluateOnNewDocument(probe);
  await page.goto('file://' + file);
  await page.waitForFunction(() => window.vbBench.firstDrawing >= 0);
  const firstDrawing = await page.evaluate(() => window.vbBench.firstDrawing);
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
  for (let r = 0; r < rounds; r++) {
    for (let i = 0; i < 10; i++) {
      const wait = page.evaluate(() => new Promise((done) => { window.vbBench.wake = done; setTimeout(done, 1000); }));
      await page.mouse.move(74 + (r % 2), 20 + 36 * i);
      await wait;
    }
  }
  const samples = await page.evaluate(() => window.vbBench.samples);
  await page.close();
  return { firstDrawing: firstDrawing, hover: median(samples), worst: Math.max.apply(null, samples), count: samples.length };
}

(async () => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vb-hover-'));
  try {
    const pages = {};
    for (const n of SIZES) pages[n] = pagesFor(dir, n);
    for (const engine of ENGINES) {
      const browser = await puppeteer.launch(Object.assign({ headless: true }, engine.launch));
      for (const n of SIZES) {
        const plain = await measure(browser, pages[n].plain);
        const rt = await measure(browser, pages[n].runtime);
        console.log(engine.name + ' ' + n + ' buttons: hover ' + rt.hover.toFixed(2) + ' ms (plain menu ' +
          plain.hover.toFixed(2) + ' ms, ' + (rt.hover - plain.hover).toFixed(2) + ' ms more; worst ' + rt.worst.toFixed(1) +
          ' ms of ' + rt.count + '), first drawing ' + rt.firstDrawing.toFixed(0) + ' ms after the DOM (plain ' +
          plain.firstDrawing.toFixed(0) + ' ms)');
      }
      await browser.close();
    }
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
})().catch((e) => { console.error(e); process.exit(1); });
