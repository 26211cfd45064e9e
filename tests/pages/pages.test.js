'use strict';
// Published pages as visitors meet them, in Chromium and in Firefox (driven by
// puppeteer-core, Firefox over WebDriver BiDi): a proper page without serious
// accessibility faults, links without JavaScript and as stand-ins, phones and
// touch, the status text, projects of any size, the pixel ratio, the focus,
// forced colours and reduced motion.
// Needs VELKOBUTTON_EXE and VELKOBUTTON_MAKE_DEMO (the build's programs).
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { spawnSync } = require('node:child_process');
const puppeteer = require('puppeteer-core');

const SOURCE = path.resolve(__dirname, '..', '..');
const AXE = require.resolve('axe-core/axe.min.js');
const ENGINES = [
  { name: 'chromium', launch: { browser: 'chrome', executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] } },
  { name: 'firefox', launch: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr' } }
];
const SIZES = [200, 2000, 20000];
// A font whose letters are wider than the default sans-serif's.
const TEST_FONT = '/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf';
const PAGE_TIMEOUT_MS = 120000;

function run(program, args) {
  const r = spawnSync(program, args, { encoding: 'latin1' });
  if (r.status !== 0) throw new Error(program + ' ' + args.join(' ') + ': ' + r.stderr);
}

/** Publishes the demo and menus of every size; returns their pages' file: addresses. */
function publishPages() {
  const exe = process.env.VELKOBUTTON_EXE;
  const maker = process.env.VELKOBUTTON_MAKE_DEMO;
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vb-pages-'));
  const pages = { dir: dir };
  run(exe, ['publish', path.join(SOURCE, 'examples', 'demo.but'), path.join(dir, 'demo')]);
  pages.demo = path.join(dir, 'demo', 'demo.html');
  // The page as a visitor without JavaScript (or with the script blocked) gets it.
  const html = fs.readFileSync(pages.demo, 'latin1').replace('<SCRIPT SRC="velkobutton.js"></SCRIPT>', '');
  pages.noScript = path.join(dir, 'demo', 'noscript.html');
  fs.writeFileSync(pages.noScript, html, 'latin1');
  // The menu with its captions in a font file beside the project.
  if (fs.existsSync(TEST_FONT)) {
    fs.mkdirSync(path.join(dir, 'font'));
    fs.copyFileSync(TEST_FONT, path.join(dir, 'font', 'Caption.ttf'));
    run(maker, ['--font', 'Caption.ttf', path.join(dir, 'font', 'font.but')]);
    run(exe, ['publish', path.join(dir, 'font', 'font.but'), path.join(dir, 'font', 'site')]);
    pages.font = path.join(dir, 'font', 'site', 'font.html');
  }
  for (const n of SIZES) {
    const project = path.join(dir, 'menu' + n + '.but');
    run(maker, ['--buttons', String(n), project]);
    run(exe, ['publish', project, path.join(dir, 'menu' + n)]);
    pages[n] = path.join(dir, 'menu' + n, 'menu' + n + '.html');
  }
  return pages;
}

/** Opens a page and waits until the runtime has drawn it. */
async function open(browser, file, viewport) {
  const page = await browser.newPage();
  page.setDefaultTimeout(PAGE_TIMEOUT_MS);
  await page.setViewport(viewport || { width: 1000, height: 700 });
  await page.goto('file://' + file);
  await page.waitForSelector('.velkobutton canvas');
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
  return page;
}

/** The buttons as the runtime has them: name, link, state shown and centre on the page. */
function buttonsOf(page) {
  return page.evaluate(() => {
    const applet = document.querySelector('applet');
    const r = applet.querySelector('.velkobutton').getBoundingClientRect();
    const scale = r.width / parseInt(applet.getAttribute('width'), 10);
    return applet.velkoButton.buttons.filter((b) => b.visible()).map((b) => {
      const q = b.rect(0);
      const link = b.link();
      return {
        name: b.name, shown: b.shown(),
        link: link && new URL(link.url, document.baseURI).href,
        x: r.left + (q.x + q.w / 2) * scale, y: r.top + (q.y + q.h / 2) * scale
      };
    });
  });
}

const frames = (page) => page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));

let pages = null;
before(() => { pages = publishPages(); });
after(() => { if (pages) fs.rmSync(pages.dir, { recursive: true, force: true }); });

for (const engine of ENGINES) {
  describe(engine.name, () => {
    let browser = null;
    const chromiumOnly = engine.name !== 'chromium' && 'media emulation is not offered over WebDriver BiDi';
    before(async () => { browser = await puppeteer.launch(Object.assign({ headless: true }, engine.launch)); });
    after(async () => { if (browser) await browser.close(); });

    test('a page of today with no serious or critical accessibility fault', async () => {
      for (const file of [pages.demo, pages[200]]) {
        const page = await open(browser, file);
        const head = await page.evaluate(() => [document.compatMode, document.documentElement.lang, document.title,
          document.characterSet, !!document.querySelector('meta[name=viewport]')].join(' '));
        assert.match(head, /^CSS1Compat en \S+ windows-1252 true$/);
        await page.addScriptTag({ path: AXE });
        const serious = await page.evaluate(async () => (await window.axe.run()).violations
          .filter((v) => v.impact === 'serious' || v.impact === 'critical').map((v) => v.id));
        assert.deepEqual(serious, [], file);
        await page.close();
      }
    });

    test('without the script the buttons are links, and nobody reads a Java message', async () => {
      const page = await browser.newPage();
      await page.goto('file://' + pages.noScript);
      const links = await page.$$eval('a[href]', (as) => as.map((a) => a.textContent + ' ' + a.getAttribute('href')));
      assert.deepEqual(links, ['Home index.html', 'Our Products products.html', 'News https://www.velko.example/news/',
        'Contact mailto:info@velko.example']);
      assert.doesNotMatch(await page.evaluate(() => document.body.innerText), /Java/);
      await page.close();
      const drawn = await open(browser, pages.demo);
      assert.doesNotMatch(await drawn.evaluate(() => document.body.innerText), /Java/);
      await drawn.close();
    });

    test('under the pointer a linked button is a real link; check and radio buttons say their state', async () => {
      const page = await open(browser, pages.demo);
      const buttons = await buttonsOf(page);
      for (const b of buttons) {
        const href = await page.evaluate((x, y) => {
          const a = document.elementFromPoint(x, y).closest('a');
          return a ? a.href : null;
        }, b.x, b.y);
        assert.equal(href, b.link, b.name);
      }
      const states = await page.$$eval('.velkobutton button[aria-pressed], .velkobutton [role=radio][aria-checked]',
        (els) => els.length);
      assert.equal(states, 1, 'the Help check box says whether it is pressed');
      await page.close();
    });

    test('a phone: the applet fits, a touch shows Down and the tap leaves nothing behind', async () => {
      const page = await open(browser, pages.demo, { width: 120, height: 640, isMobile: true, hasTouch: true });
      const width = await page.$eval('.velkobutton', (e) => e.getBoundingClientRect().right);
      assert.ok(width <= 120, 'the applet is ' + width + ' px wide on a 120 px screen');
      await page.evaluate(() => { window.VelkoButtonRuntime.navigate = (u) => { window.vbGo = u; }; });
      const home = (await buttonsOf(page))[0];
      await page.touchscreen.touchStart(home.x, home.y);
      await frames(page);
      assert.equal((await buttonsOf(page))[0].shown, 2, 'Down while the finger is down');
      await page.touchscreen.touchEnd();
      await frames(page);
      assert.match(await page.evaluate(() => window.vbGo), /index\.html$/);
      assert.equal((await buttonsOf(page))[0].shown, 0, 'Up after the tap');
      assert.equal(await page.$eval('.velkobutton-status', (e) => getComputedStyle(e).display), 'none');
      await page.close();
    });

    test('the status text lies whole below the applet', async () => {
      const page = await open(browser, pages.demo);
      const news = (await buttonsOf(page))[2];
      await page.mouse.move(news.x, news.y);
      await frames(page);
      const strip = await page.$eval('.velkobutton-status', (e) => {
        const r = e.getBoundingClientRect();
        const box = e.parentNode.getBoundingClientRect();
        return { text: e.textContent, below: r.top >= box.bottom - 0.5, whole: e.scrollWidth <= e.clientWidth + 1 };
      });
      assert.deepEqual(strip, { text: 'Latest news in a new window', below: true, whole: true });
      await page.close();
    });

    test('every button of 2,000 and 20,000 is drawn and takes the pointer', async () => {
      for (const n of [2000, 20000]) {
        const page = await open(browser, pages[n]);
        // The colour a pixel inside a button shows, read from the canvas over it.
        await page.evaluate(() => {
          window.vbPixel = (q) => {
            const x = q.x + 6, y = q.y + q.h / 2;
            for (const c of document.querySelectorAll('applet canvas')) {
              if (x < c.offsetLeft || y < c.offsetTop || x >= c.offsetLeft + c.offsetWidth || y >= c.offsetTop + c.offsetHeight) continue;
              if (!c.width) return 'no pixels';
              const d = c.getContext('2d').getImageData((x - c.offsetLeft) * c.width / c.offsetWidth,
                (y - c.offsetTop) * c.height / c.offsetHeight, 1, 1).data;
              return Array.from(d).join(',');
            }
            return 'no canvas';
          };
        });
        // The last button looks like the one of the same style near the top.
        const twin = await page.evaluate(() => {
          const engine = document.querySelector('applet').velkoButton;
          return window.vbPixel(engine.buttons[(engine.buttons.length - 1) % 5].rect(0));
        });
        await page.evaluate(() => {
          const b = document.querySelector('applet').velkoButton.buttons.slice(-1)[0];
          window.scrollTo(0, b.rect(0).y);
        });
        // A tile that comes into view is drawn in one of the next frames.
        await page.waitForFunction((want) => {
          const engine = document.querySelector('applet').velkoButton;
          return window.vbPixel(engine.buttons[engine.buttons.length - 1].rect(0)) === want;
        }, { timeout: 10000 }, twin).catch(() => {});
        const last = await page.evaluate(() => {
          const engine = document.querySelector('applet').velkoButton;
          const b = engine.buttons[engine.buttons.length - 1];
          const running = document.querySelector('applet').velkoApplet;
          return {
            hit: engine.hit(b.rect(0).x + 6, b.rect(0).y + 6) === b, drawn: window.vbPixel(b.rect(0)),
            keys: running.keys.keys.length, live: running.view.tiles.filter((t) => t.live).length, tiles: running.view.tiles.length
          };
        });
        assert.equal(last.keys, n, n + ' buttons: one stand-in each');
        assert.ok(last.live <= 3 && last.tiles > last.live, n + ' buttons: only tiles near the view hold pixels');
        assert.equal(last.hit, true, n + ' buttons: the last one takes the pointer');
        assert.equal(last.drawn, twin, n + ' buttons: the last one is drawn like its twin at the top');
        await page.close();
      }
    });

    test('a caption in a font file is published with the page and drawn in that font', async (t) => {
      if (!pages.font) return t.skip('no test font on this machine');
      assert.ok(fs.existsSync(path.join(path.dirname(pages.font), 'Caption.ttf')), 'the font file lies beside the page');
      const page = await open(browser, pages.font);
      const widths = await page.evaluate(async () => {
        const family = window.VelkoButtonRuntime.familyOf('Caption.ttf');
        await document.fonts.ready;
        const g = document.createElement('canvas').getContext('2d');
        const width = (font) => { g.font = '20px ' + font; return g.measureText('iiiiiiiiii lll').width; };
        return { family: family, loaded: document.fonts.check('20px "VelkoButton Caption.ttf"'),
          withFont: width(family), without: width('sans-serif') };
      });
      assert.equal(widths.family, '"VelkoButton Caption.ttf", sans-serif');
      assert.equal(widths.loaded, true);
      assert.ok(Math.abs(widths.withFont - widths.without) > 5, JSON.stringify(widths));
      await page.close();
    });

    test('sharp after a change of pixel ratio, by the screen or by a CSS zoom', async () => {
      const page = await open(browser, pages.demo);
      const width = () => page.$eval('.velkobutton canvas', (c) => c.width);
      const css = await width();
      await page.evaluate(() => { document.documentElement.style.zoom = '2'; });
      await page.waitForFunction((w) => document.querySelector('.velkobutton canvas').width === 2 * w, {}, css);
      await page.evaluate(() => { document.documentElement.style.zoom = ''; });
      await page.waitForFunction((w) => document.querySelector('.velkobutton canvas').width === w, {}, css);
      // Headless Chromium's emulated screen tells the page nothing when its ratio changes.
      if (engine.name === 'firefox') {
        await page.setViewport({ width: 1000, height: 700, deviceScaleFactor: 2 });
        await page.waitForFunction((w) => document.querySelector('.velkobutton canvas').width === 2 * w, {}, css);
      }
      await page.close();
    });

    test('the focus moves to the next button shown when its button hides', async () => {
      const page = await open(browser, pages.demo);
      const moved = await page.evaluate(() => new Promise((done) => {
        const applet = document.querySelector('applet');
        const keys = applet.querySelectorAll('.velkobutton a, .velkobutton button');
        keys[1].focus();
        applet.velkoButton.load("PropSet 'Products' Show=False;");
        requestAnimationFrame(() => requestAnimationFrame(() => done(document.activeElement.getAttribute('aria-label'))));
      }));
      assert.match(moved, /^News /);
      await page.close();
    });

    test('forced colours give the focus ring system colours', { skip: chromiumOnly }, async () => {
      const page = await open(browser, pages.demo);
      const session = await page.createCDPSession();
      await session.send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value: 'active' }] });
      await page.keyboard.press('Tab');
      const ring = await page.$eval('.velkobutton-focus', (e) => e.style.borderColor + ' ' + e.style.outlineColor);
      assert.equal(ring, 'highlight canvastext');
      await page.close();
    });
  });
}
