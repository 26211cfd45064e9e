'use strict';
// Published pages as visitors meet them, in Chromium and in Firefox (driven by
// puppeteer-core, Firefox over WebDriver BiDi). Over the demo and the six
// templates, one table: captions found in the page, a landmark, no serious
// accessibility fault, text and links on paper, the page without JavaScript
// looking as the scripted one at rest and reacting to hover, the keyboard
// through a revealed submenu and a radio group. Then phones and touch, the
// status text, projects of any size, a caption font file, the focus when its
// button hides, forced colours, and captions, links, tips and status texts in
// the languages of the world.
// Needs VELKOBUTTON_EXE and VELKOBUTTON_MAKE_DEMO (the build's programs).
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');
const puppeteer = require('puppeteer-core');
const { ENGINES, PROJECTS, RUNTIME_LINE, run, publishAll, open, frames, shot, capture, diffShare } = require('./visit.js');

const AXE = require.resolve('axe-core/axe.min.js');
const BIG = 20000;
// A font whose letters are wider than the default sans-serif's.
const TEST_FONT = '/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf';
// Screenshots count as equal when at most this share of pixels differs by more than
// the tolerance in a channel (text anti-aliasing may differ by a few levels).
const SAME_SHARE = 0.005;
const TOLERANCE = 24;
// One button's caption, name, tip, status text and link address in each language
// (the link: the text and ".html"); the scripts written right to left.
const LANGUAGES = [['Czech', 'Kol\u00e1\u010de'], ['Polish', 'P\u0105czki \u017cytnie'], ['Russian', '\u0425\u043b\u0435\u0431'],
  ['Greek', '\u03a8\u03c9\u03bc\u03af'], ['Turkish', '\u015eekerli \u00e7\u00f6rek'], ['Japanese', '\u30d1\u30f3'],
  ['Chinese', '\u9762\u5305'], ['Korean', '\ube75'], ['Arabic', '\u062e\u0628\u0632'], ['Hebrew', '\u05dc\u05d7\u05dd!'],
  ['Hindi', '\u0930\u094b\u091f\u0940'], ['emoji', '\u{1f35e} Breads'], ['a combining mark', 'Cafe\u0301']];
const RIGHT_TO_LEFT = ['Arabic', 'Hebrew'];

/** Publishes the seven projects, the menu in a font file and a menu of BIG buttons. */
function publishPages() {
  const exe = process.env.VELKOBUTTON_EXE;
  const maker = process.env.VELKOBUTTON_MAKE_DEMO;
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vb-pages-'));
  const pages = { dir: dir, projects: publishAll(exe, dir) };
  if (fs.existsSync(TEST_FONT)) {
    fs.mkdirSync(path.join(dir, 'font'));
    fs.copyFileSync(TEST_FONT, path.join(dir, 'font', 'Caption.ttf'));
    run(maker, ['--font', 'Caption.ttf', path.join(dir, 'font', 'font.but')]);
    run(exe, ['publish', path.join(dir, 'font', 'font.but'), path.join(dir, 'font', 'site')]);
    pages.font = path.join(dir, 'font', 'site', 'font.html');
  }
  const project = path.join(dir, 'menu' + BIG + '.but');
  run(maker, ['--buttons', String(BIG), project]);
  run(exe, ['publish', project, path.join(dir, 'menu' + BIG)]);
  pages.big = path.join(dir, 'menu' + BIG, 'menu' + BIG + '.html');
  const languages = path.join(dir, 'languages.but');
  run('python3', [path.join(__dirname, '..', 'runtime', 'projects.py'), '--captions', languages,
    JSON.stringify(LANGUAGES.map((l) => l[1]))]);
  run(exe, ['publish', languages, path.join(dir, 'languages')]);
  pages.languages = path.join(dir, 'languages', 'languages.html');
  const html = fs.readFileSync(pages.languages, 'latin1');
  pages.languagesNoScript = path.join(dir, 'languages', 'noscript.html');
  fs.writeFileSync(pages.languagesNoScript, html.split(RUNTIME_LINE).join(''), 'latin1');
  return pages;
}

/** The page's buttons shown: caption text, centre, box and the element's colours. */
function buttonsOf(page) {
  return page.evaluate(() => Array.from(document.querySelectorAll('.vb .b')).filter((b) => b.getClientRects().length)
    .map((b) => {
      const r = b.getBoundingClientRect();
      return { text: b.textContent, x: r.left + r.width / 2, y: r.top + r.height / 2,
        box: { x: Math.floor(r.left + window.scrollX), y: Math.floor(r.top + window.scrollY),
          width: Math.ceil(r.width), height: Math.ceil(r.height) },
        background: getComputedStyle(b).backgroundColor,
        pressed: !!(b.previousElementSibling && b.previousElementSibling.checked) };
    }));
}

/** A PDF's bytes with its compressed streams (and object streams) inflated, as latin1. */
function printed(pdf) {
  const raw = pdf.toString('latin1');
  let out = raw;
  for (const m of raw.matchAll(/stream\r?\n/g)) {
    const start = m.index + m[0].length;
    try {
      out += zlib.inflateSync(pdf.subarray(start, raw.indexOf('endstream', start))).toString('latin1');
    } catch (e) { /* not a deflated stream */ }
  }
  return out;
}

/** The serious and critical faults axe finds on the page. */
async function axeFaults(page) {
  await page.addScriptTag({ path: AXE });
  return page.evaluate(async () => (await window.axe.run()).violations
    .filter((v) => v.impact === 'serious' || v.impact === 'critical').map((v) => v.id + ' ' + v.nodes[0].target));
}

/** What has the keyboard focus: its caption (or name) and whether it is a radio of a group. */
const focused = (page) => page.evaluate(() => {
  const e = document.activeElement;
  const label = e.labels && e.labels[0];
  return { text: (label || e).textContent, radio: e.type === 'radio' ? e.name : '', checked: !!e.checked,
    shown: !!(label || e).getClientRects().length };
});

/** Runs `check` on every project and fails once with what failed on each. */
async function eachProject(check) {
  const failed = [];
  for (const p of PROJECTS) {
    await check(p).catch((e) => failed.push(p.name + ': ' + e.message.split('\n')[0] +
      (e.actual !== undefined && typeof e.actual !== 'boolean' ? ' ' + JSON.stringify(e.actual) : '')));
  }
  assert.deepEqual(failed, []);
}

let pages = null;
before(() => { pages = publishPages(); });
after(() => { if (pages) fs.rmSync(pages.dir, { recursive: true, force: true }); });

for (const engine of ENGINES) {
  describe(engine.name, () => {
    let browser = null;
    const chromiumOnly = engine.name !== 'chromium' && 'media emulation is not offered over WebDriver BiDi';
    before(async () => { browser = await puppeteer.launch(Object.assign({ headless: true }, engine.launch)); });
    after(async () => { if (browser) await browser.close(); });

    test('every page: captions found, one landmark, no serious fault, text and links on paper', async () => {
      await eachProject(async (p) => {
        const page = await open(browser, pages.projects[p.name].page);
        const head = await page.evaluate(() => [document.compatMode, document.documentElement.lang, document.title,
          document.characterSet, !!document.querySelector('meta[name=viewport]')].join(' '));
        assert.match(head, /^CSS1Compat en \S+ windows-1252 true$/, p.name);
        const found = await page.evaluate((captions) => captions.map((c) => {
          getSelection().removeAllRanges();
          return window.find(c, true, false, true) ? c : '(not found) ' + c;
        }), p.captions.concat(p.revealed ? p.revealed.shows : []));
        const hidden = p.revealed ? p.revealed.shows.map((c) => '(not found) ' + c) : [];
        assert.deepEqual(found, p.captions.concat(hidden), p.name + ': find in page');
        const landmark = await page.evaluate(() => {
          const all = document.querySelectorAll('.b').length;
          const nav = document.querySelectorAll('nav[aria-label]:not([aria-label=""]) .b').length;
          const group = document.querySelectorAll('[role=group][aria-label] .b').length;
          return all === 0 ? 'no buttons' : nav === all ? 'nav' : group === all ? 'group' : nav + ' of ' + all + ' in a nav';
        });
        assert.equal(landmark, p.links.length ? 'nav' : 'group', p.name);
        const pdf = printed(Buffer.from(await page.pdf()));
        const uris = Array.from(pdf.matchAll(/\/URI\s*\(([^)]*)\)/g), (m) => m[1]);
        const shown = await page.$$eval('.vb a[href]', (as) => as.filter((a) => a.getClientRects().length).map((a) => a.getAttribute('href')));
        for (const link of shown) assert.ok(uris.some((u) => u.endsWith(link)), p.name + ' prints its link ' + link);
        if (p.captions.length) assert.match(pdf, /\/Font/, p.name + ' prints text');
        if (!chromiumOnly) {
          await page.emulateMediaType('print');
          const text = await page.evaluate(() => document.body.innerText);
          for (const c of p.captions) assert.ok(text.includes(c), p.name + ' prints ' + c);
          await page.emulateMediaType(null);
        }
        assert.deepEqual(await axeFaults(page), [], p.name);
        await page.close();
      });
    });

    test('without JavaScript every page looks as at rest, reacts to hover and links', async () => {
      await eachProject(async (p) => {
        const files = pages.projects[p.name];
        const [scripted, plain] = [await capture(browser, files.page), await capture(browser, files.noScript)];
        assert.deepEqual(plain.box, scripted.box, p.name + ': the buttons take the same room');
        // Captions a script fills in (a date) differ by design.
        const masks = scripted.buttons.filter((b, i) => !plain.buttons[i] || plain.buttons[i].text !== b.text).map((b) => b.box);
        const share = await diffShare(browser, scripted.png, plain.png, TOLERANCE, masks);
        assert.ok(share <= SAME_SHARE, p.name + ': ' + (share * 100).toFixed(2) + ' % of the pixels differ');
        const bare = await open(browser, files.noScript);
        assert.deepEqual(await bare.$$eval('.vb a[href]', (as) => as.map((a) => a.getAttribute('href'))), p.links, p.name);
        assert.doesNotMatch(await bare.evaluate(() => document.body.innerText), /Java/, p.name);
        const first = (await buttonsOf(bare)).find((b) => !b.pressed);
        const before = await shot(bare, first.box);
        await bare.mouse.move(first.x, first.y);
        await frames(bare);
        const after = await shot(bare, first.box);
        assert.deepEqual(await axeFaults(bare), [], p.name + ' without JavaScript');
        await bare.close();
        assert.ok(await diffShare(browser, before, after, 0, []) > 0, p.name + ': hover shows');
      });
    });

    test('the keyboard reaches a revealed submenu next and crosses a radio group with arrows', async () => {
      const menu = PROJECTS.find((p) => p.revealed);
      const page = await open(browser, pages.projects[menu.name].page);
      const order = [];
      for (let i = 0; i < 8 && (order.length === 0 || order[order.length - 1].text !== menu.revealed.by); i++) {
        await page.keyboard.press('Tab');
        order.push(await focused(page));
      }
      for (const caption of menu.revealed.shows) {
        await page.keyboard.press('Tab');
        await frames(page);
        order.push(await focused(page));
        assert.deepEqual(order[order.length - 1], { text: caption, radio: '', checked: false, shown: true },
          JSON.stringify(order.map((f) => f.text)));
      }
      await page.close();
      const tabs = PROJECTS.find((p) => p.radios);
      const group = await open(browser, pages.projects[tabs.name].page);
      await group.keyboard.press('Tab');
      const first = await focused(group);
      assert.ok(first.radio && first.text === tabs.captions[0], JSON.stringify(first));
      await group.keyboard.press('ArrowRight');
      assert.deepEqual(await focused(group), { text: tabs.captions[1], radio: first.radio, checked: true, shown: true });
      await group.keyboard.press('Tab');
      assert.notEqual((await focused(group)).radio, first.radio, 'the group is one Tab stop');
      await group.close();
    });

    test('phones: a free layout fits, a bar becomes rows at its size, and a touch shows Down', async () => {
      const demo = await open(browser, pages.projects.demo.page, { width: 120, height: 640, isMobile: true, hasTouch: true });
      const right = await demo.$eval('.vb', (e) => e.getBoundingClientRect().right);
      assert.ok(right <= 120, 'the demo is ' + right + ' px wide on a 120 px screen');
      await demo.evaluate(() => {
        window.addEventListener('click', (e) => {
          const a = e.target instanceof Element && e.target.closest('a');
          if (a) { window.vbGo = a.href; e.preventDefault(); }
        });
        if (window.VelkoButtonRuntime) window.VelkoButtonRuntime.navigate = (u) => { window.vbGo = u; };
      });
      const home = (await buttonsOf(demo))[0];
      await demo.touchscreen.touchStart(home.x, home.y);
      await frames(demo);
      assert.equal((await buttonsOf(demo))[0].background, 'rgb(0, 32, 96)', 'Down while the finger is down');
      await demo.touchscreen.touchEnd();
      await frames(demo);
      assert.match(await demo.evaluate(() => String(window.vbGo)), /index\.html$/);
      assert.equal((await buttonsOf(demo))[0].background, 'rgb(0, 64, 128)', 'Up after the tap');
      await demo.close();
      const caption = (page) => page.$$eval('.vb .b', (bs) => bs.map((b) => {
        const r = b.getBoundingClientRect();
        return { right: r.right, top: Math.round(r.top), size: getComputedStyle(b.querySelector('span') || b).fontSize };
      }));
      const wide = await open(browser, pages.projects['horizontal-bar'].page);
      const desk = await caption(wide);
      await wide.setViewport({ width: 390, height: 700, isMobile: true });
      await frames(wide);
      const phone = await caption(wide);
      assert.ok(phone.every((b) => b.right <= 390), JSON.stringify(phone));
      assert.deepEqual(phone.map((b) => b.size), desk.map((b) => b.size), 'the captions keep their size');
      assert.ok(new Set(phone.map((b) => b.top)).size > 1, 'the bar wraps into rows');
      await wide.close();
    });

    test('the status text lies whole below the buttons', async () => {
      const page = await open(browser, pages.projects.demo.page);
      const news = (await buttonsOf(page))[2];
      await page.mouse.move(news.x, news.y);
      await frames(page);
      const strip = await page.$eval('.velkobutton-status', (e) => {
        const r = e.getBoundingClientRect();
        const box = document.querySelector('.vb').getBoundingClientRect();
        return { text: e.textContent, below: r.top >= box.bottom - 0.5, whole: e.scrollWidth <= e.clientWidth + 1 };
      });
      assert.deepEqual(strip, { text: 'Latest news in a new window', below: true, whole: true });
      await page.close();
    });

    test('every button of ' + BIG.toLocaleString('en') + ' is shown and takes the pointer', async () => {
      const page = await open(browser, pages.big);
      const last = await page.evaluate(() => {
        const all = document.querySelectorAll('.vb .b');
        const b = all[all.length - 1];
        b.scrollIntoView({ block: 'center' });
        const r = b.getBoundingClientRect();
        const twin = all[(all.length - 1) % 5];
        return { count: all.length, hit: document.elementFromPoint(r.left + 6, r.top + r.height / 2).closest('.b') === b,
          same: getComputedStyle(b).backgroundColor === getComputedStyle(twin).backgroundColor };
      });
      assert.deepEqual(last, { count: BIG, hit: true, same: true });
      await page.close();
    });

    test('a caption in a font file is published with the page and shown in that font', async (t) => {
      if (!pages.font) return t.skip('no test font on this machine');
      assert.ok(fs.existsSync(path.join(path.dirname(pages.font), 'Caption.ttf')), 'the font file lies beside the page');
      const page = await open(browser, pages.font);
      const widths = await page.evaluate(async () => {
        const span = document.querySelector('.vb .b span');
        const family = getComputedStyle(span).fontFamily;
        await document.fonts.ready;
        const plain = span.cloneNode(true);
        plain.style.fontFamily = 'sans-serif';
        span.parentNode.appendChild(plain);
        return { family: family, loaded: document.fonts.check('20px "VelkoButton Caption.ttf"'),
          differ: Math.abs(span.getBoundingClientRect().width - plain.getBoundingClientRect().width) > 3 };
      });
      assert.deepEqual(widths, { family: '"VelkoButton Caption.ttf", sans-serif', loaded: true, differ: true });
      await page.close();
    });

    test('the focus moves to the next button shown when its button hides', async () => {
      const page = await open(browser, pages.projects.demo.page);
      const moved = await page.evaluate(() => new Promise((done) => {
        const applet = document.querySelector('applet');
        document.querySelectorAll('.vb .b')[1].focus();
        applet.velkoButton.load("PropSet 'Products' Show=False;");
        requestAnimationFrame(() => requestAnimationFrame(() => done(document.activeElement.textContent)));
      }));
      assert.match(moved, /^News/);
      await page.close();
    });

    test('every language: buttons, links, tips and status carry the exact text, drawn in its own glyphs and direction', async () => {
      const expected = LANGUAGES.map(([language, text]) => ({ language: language, text: text, tip: text, link: text + '.html',
        direction: RIGHT_TO_LEFT.includes(language) ? 'rtl' : 'ltr', side: 'near', status: text, drawn: true }));
      for (const file of [pages.languages, pages.languagesNoScript]) {
        const page = await open(browser, file);
        const scripted = await page.evaluate(() => !!window.VelkoButtonRuntime);
        const rows = await page.evaluate((languages) => Array.from(document.querySelectorAll('.vb .b'), (b, i) => {
          const span = b.querySelector('span');
          // The same count of question marks, as a page that lost the text would show.
          const marks = span.cloneNode(true);
          marks.textContent = '?'.repeat(Array.from(span.textContent).length);
          span.after(marks);
          const widths = [span, marks].map((s) => s.getBoundingClientRect().width);
          marks.remove();
          // Captions lie left and right by turns, whatever their direction.
          const [box, cap] = [b.getBoundingClientRect(), span.getBoundingClientRect()];
          const gap = i % 2 === 0 ? cap.left - box.left : box.right - cap.right;
          return { language: languages[i], text: b.textContent, tip: b.title, link: b.getAttribute('href'),
            direction: getComputedStyle(span).direction, side: gap < 12 ? 'near' : 'off by ' + gap,
            drawn: Math.abs(widths[0] - widths[1]) > 0.5 };
        }), LANGUAGES.map((l) => l[0]));
        for (const [i, b] of (await buttonsOf(page)).entries()) {
          await page.mouse.move(b.x, b.y);
          await frames(page);
          rows[i].status = scripted ? await page.$eval('.velkobutton-status', (e) => e.textContent) : rows[i].text;
        }
        assert.ok(scripted || file === pages.languagesNoScript, 'the runtime runs the page');
        assert.deepEqual(rows, expected, file);
        await page.close();
      }
    });

    test('forced colours reach the captions and the focus ring', { skip: chromiumOnly }, async () => {
      const page = await open(browser, pages.projects['vertical-menu'].page);
      const session = await page.createCDPSession();
      await session.send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value: 'active' }] });
      await page.keyboard.press('Tab');
      const look = await page.evaluate(() => {
        const probe = document.body.appendChild(document.createElement('a'));
        probe.href = '#';
        const e = document.activeElement;
        const s = getComputedStyle(e);
        return { caption: s.color === getComputedStyle(probe).color, ring: s.outlineStyle !== 'none' };
      });
      assert.deepEqual(look, { caption: true, ring: true });
      await page.close();
    });
  });
}
