'use strict';
// The engine behind the page's buttons: what the mouse, the keyboard and the script make a project do.
const test = require('node:test');
const assert = require('node:assert');
const { rt, runtimeFile, recordingHost } = require('./helpers');

function project(script) {
  const host = recordingHost();
  const e = new rt.Engine(host);
  e.load(script);
  host.calls.length = 0;
  return { e, host };
}

const PUSH = "Button 'Home' Up Event {Internet 'index.html' _self; Cursor 0 ;} Over Color=0xFF0000 Event {Output 0 'Start'; Cursor 12 ;} Down Event {Audio Play 0; Cursor 0 ;} ;" +
  "Set 'Home.Leave'={Output 1 'left';};";

test('a push button: Over on entering, Down on pressing, its Up block on the click only', () => {
  const { e, host } = project(PUSH);
  e.audio = ['click.au'];
  const b = e.find('HOME');
  assert.strictEqual(b.shown(), 0);
  assert.deepStrictEqual(host.calls, [], 'nothing runs at load');
  e.enter(b);
  assert.strictEqual(b.shown(), 1);
  assert.deepStrictEqual(host.of('status'), [['status', 'Start']]);
  assert.strictEqual(b.look(1).color, 0xFF0000);
  assert.strictEqual(b.cursorOf(1), 'pointer');
  e.press(b);
  assert.strictEqual(b.shown(), 2);
  assert.deepStrictEqual(host.of('audio'), [['audio', 0, 'click.au']]);
  assert.deepStrictEqual(host.of('navigate'), []);
  e.release(b);
  assert.strictEqual(b.shown(), 1);
  assert.deepStrictEqual(host.of('navigate'), [['navigate', 'index.html', '_self']]);
  e.leaveButton(b);
  assert.strictEqual(b.shown(), 0);
  assert.deepStrictEqual(host.of('log'), [['log', 'left']]);
  assert.deepStrictEqual(host.of('status').pop(), ['status', '']);
  assert.strictEqual(host.of('navigate').length, 1, 'leaving is no click');
});

test('pressing and leaving before the release is no click', () => {
  const { e, host } = project(PUSH);
  const b = e.find('Home');
  e.enter(b);
  e.press(b);
  e.leaveButton(b);
  e.release(b);
  assert.deepStrictEqual(host.of('navigate'), []);
  assert.strictEqual(b.shown(), 0);
});

test('check boxes toggle; radio buttons release the project\'s other radio buttons', () => {
  const { e, host } = project(
    "Button 'C' Mode=Check Up Event {Output 1 'off'; Cursor 0 ;} Down Event {Internet 'c.html' _blank; Cursor 0 ;} ;" +
    "Button 'R1' Mode=Radio State=2 Up Event {Output 1 'R1 up';} ;Button 'R2' Mode=Radio ;Button 'R3' Mode=Radio ;");
  const c = e.find('C');
  e.enter(c); e.press(c); e.release(c);
  assert.strictEqual(c.shown(), 2);
  assert.deepStrictEqual(host.of('navigate'), [['navigate', 'c.html', '_blank']]);
  e.leaveButton(c);
  assert.strictEqual(c.shown(), 2, 'a selected check box stays down');
  e.enter(c); e.press(c); e.release(c);
  assert.strictEqual(c.shown(), 1);
  assert.deepStrictEqual(host.of('log'), [['log', 'off']]);

  const [r1, r2, r3] = ['R1', 'R2', 'R3'].map((n) => e.find(n));
  assert.deepStrictEqual([r1.shown(), r2.shown(), r3.shown()], [2, 0, 0], 'R1 starts down');
  e.click(r2);
  assert.deepStrictEqual([r1.selected, r2.selected, r3.selected], [false, true, false]);
  assert.deepStrictEqual(host.of('log').pop(), ['log', 'R1 up']);
  e.click(r2);
  assert.strictEqual(r2.selected, true, 'clicking the selected radio button keeps it');
});

test('each state is the defaults, then the button\'s own values, then its block', () => {
  const { e } = project("Button 'B' X=10 Y=20 Width=50 Color=0x004080 Text='Go' Up Image=0 Over Color=0xFF0000 Down X=12 Y=22 BorderTop=0x000000 ;");
  const b = e.find('B');
  assert.deepStrictEqual([b.look(0).color, b.look(1).color, b.look(2).color], [0x004080, 0xFF0000, 0x004080]);
  assert.deepStrictEqual([b.look(0).image, b.look(1).image], [0, null], 'an image belongs to the state that names it');
  assert.deepStrictEqual(b.rect(2), { x: 12, y: 22, w: 50, h: 40 });
  assert.strictEqual(b.look(2).text, 'Go');
  assert.strictEqual(b.look(0).borderStyle, 2);
  const fresh = project("Button 'Fresh' ;").e.find('Fresh');
  assert.strictEqual(fresh.look(0).text, 'Fresh', 'the caption defaults to the name');
  assert.strictEqual(e.hit(15, 25), b);
  assert.strictEqual(e.hit(9, 25), null);
});

test('PropSet, PropGet, StateSet, Add and Sub, Call', () => {
  const { e, host } = project("Button 'M' ;Set n=5; Add n 3; Sub n 1; Set s={Output 1 'called';};");
  const m = e.find('m');
  e.load("PropSet 'M' Show=False Over Color=0x00FF00; PropGet 'M' Color c; StateSet 'M' 2; Call s;");
  assert.strictEqual(m.visible(), false);
  assert.strictEqual(e.hit(5, 5), null, 'a hidden button takes no mouse');
  assert.strictEqual(m.look(1).color, 0x00FF00);
  assert.strictEqual(e.vars.c, 0xC0C0C0);
  assert.strictEqual(e.vars.n, 7);
  assert.strictEqual(m.shown(), 2);
  assert.deepStrictEqual(host.of('log'), [['log', 'called']]);
  e.load("PropSet 'Nobody' Show=False; StateSet 'M' 0;");
  assert.strictEqual(m.shown(), 0);
});

test('timers run their script once; Timer0 re-reads the input file at its interval', async () => {
  const { e, host } = project("Set Timer3={Output 1 'tick'; Timer 3 100;}; Timer 3 100;");
  host.advance(350);
  assert.strictEqual(host.of('log').length, 3);
  e.load('Timer 3 0;');
  host.advance(500);
  assert.strictEqual(host.of('log').length, 3, 'Timer 3 0 stops it');

  const files = ["Script0=+Button 'A' ;Button 'B' ;+\r\nImages0=a.gif\r\n", "Script0=+Button 'C' ;+\r\n"];
  const reads = [];
  const h2 = recordingHost();
  h2.fetch = (url) => { reads.push(url); return Promise.resolve(files[Math.min(reads.length - 1, 1)]); };
  const e2 = new rt.Engine(h2);
  e2.load("Button 'Own' ;Read 'button.txt' true; Timer 0 300000; Set Timer0={Read 'button.txt' true; Timer 0 300000}; ");
  await new Promise((r) => setImmediate(r));
  assert.deepStrictEqual(e2.buttons.map((b) => b.name), ['Own', 'A', 'B']);
  assert.deepStrictEqual(e2.images, ['a.gif']);
  h2.advance(300000);
  await new Promise((r) => setImmediate(r));
  assert.deepStrictEqual(reads, ['button.txt', 'button.txt']);
  assert.deepStrictEqual(e2.buttons.map((b) => b.name), ['Own', 'C'], 'a new reading replaces what the last one made');
  assert.strictEqual(h2.timers.filter((t) => !t.done && !t.cancelled).length, 1, 'and the timer is armed again');
});

test('a file that cannot be read is reported, the project stays', async () => {
  const h = recordingHost();
  h.fetch = () => Promise.reject(new Error('status 404'));
  const e = new rt.Engine(h);
  e.load("Button 'A' ;Read 'missing.txt' true;");
  await new Promise((r) => setImmediate(r));
  assert.deepStrictEqual(e.buttons.map((b) => b.name), ['A']);
  assert.match(h.of('warn')[0][1], /could not read missing\.txt: status 404/);
  assert.deepStrictEqual(h.of('status'), [['status', 'The input file missing.txt could not be read.']]);
});

test('Pause carries the rest of a block on later; runaway scripts stop', () => {
  const { e, host } = project('');
  e.load("Output 1 'a'; Pause 200; Output 1 'b';");
  assert.deepStrictEqual(host.of('log'), [['log', 'a']]);
  host.advance(200);
  assert.deepStrictEqual(host.of('log'), [['log', 'a'], ['log', 'b']]);
  // A chain of pauses goes on one step at a time, in order, each after its own interval.
  e.load(Array.from({ length: 50 }, (_, i) => `Output 1 'p${i}'; Pause ${i % 3};`).join(' '));
  for (let i = 0; i < 50; i++) host.advance(2);
  assert.deepStrictEqual(host.of('log').slice(2).map((l) => l[1]), Array.from({ length: 50 }, (_, i) => `p${i}`));
  e.load('Set loop={Add n 1; Call loop;}; Call loop;');
  assert.ok(e.vars.n > 0 && e.vars.n <= 20, String(e.vars.n));
  e.load("Set wide={Add w 1; Call wide; Call wide;}; Call wide;");
  assert.ok(e.vars.w <= 10000, String(e.vars.w));
  e.load("Script JavaScript 'document.title=1'; Script VelkoScript 'Output 1 \\'inner\\'';");
  assert.deepStrictEqual(host.of('js'), [['js', 'document.title=1']]);
  assert.deepStrictEqual(host.of('log').pop(), ['log', 'inner']);
});

test('dynamic text uses the configurable names', () => {
  const { e } = project("Set Day0='Dimanche'; Set Month11='d\u00e9cembre'; Set PM='p.m.';");
  const d = new Date(2026, 11, 6, 15, 4, 5); // a Sunday afternoon
  const t = (s) => rt.expandText(s, d, e.names, e.vars);
  assert.strictEqual(t('${date.%A} ${date.%w} ${date.%d} ${date.%B} ${date.%m} ${date.%y} ${date.%Y}'), 'Dimanche 0 06 d\u00e9cembre 12 26 2026');
  assert.strictEqual(t('${date.%I:%M %p} ${date.%H:%M:%S}'), '03:04 p.m. 15:04:05');
  assert.strictEqual(t('${date.%c}'), 'Dimanche d\u00e9cembre 6 15:04:05 2026');
  assert.strictEqual(t('${date.%d/%m/%y}'), '06/12/26');
  assert.strictEqual(t('no tokens, ${unknown} and $ { x }'), 'no tokens, ${unknown} and $ { x }');
  e.load('Set score=12;');
  assert.strictEqual(t('Score ${score}'), 'Score 12');
  // The one scan reads every text as the pattern /\$\{([^}]*)\}/g does.
  const pieces = ['${', '}', '$', '{', 'date.', '%H', '%', 'score', 'x', ' '];
  const byPattern = (s) => s.replace(/\$\{([^}]*)\}/g, (whole) => t(whole));
  let seed = 7;
  for (let n = 0; n < 2000; n++) {
    let s = '';
    for (let k = (n % 9); k > 0; k--) s += pieces[(seed = (seed * 16807) % 2147483647) % pieces.length];
    assert.strictEqual(t(s), byPattern(s), JSON.stringify(s));
  }
});

test('text in any script: short names keep whole characters, a Leave script finds its button, right-to-left is told', () => {
  // A name, its first three characters as a reader counts them.
  const names = [['Ned\u011ble', 'Ned'], ['Se\u0301ance', 'Se\u0301a'], ['\u{1F35E}\u{1F950}\u{1F968}x', '\u{1F35E}\u{1F950}\u{1F968}'],
    ['\u{1F469}\u200D\u{1F373}\u{1F44D}\u{1F3FD}\u{1F1E8}\u{1F1FF}x', '\u{1F469}\u200D\u{1F373}\u{1F44D}\u{1F3FD}\u{1F1E8}\u{1F1FF}'],
    ['\u0930\u094B\u091F\u0940', '\u0930\u094B\u091F\u0940'], ['\u05D9\u05D5\u05B9\u05DD', '\u05D9\u05D5\u05B9\u05DD'], ['Mo', 'Mo']];
  const segmenter = Intl.Segmenter;
  try {
    for (const [how, seg] of [['segmenter', segmenter], ['fallback', undefined]]) {
      Intl.Segmenter = seg;
      assert.deepStrictEqual(names.map(([n]) => rt.firstCharacters(n, 3)), names.map(([, short]) => short), how);
    }
  } finally {
    Intl.Segmenter = segmenter;
  }
  const { e, host } = project("Button '\u0130stanbul' ; Set '\u0130stanbul.Leave'={Output 1 'left';};");
  e.enter(e.buttons[0]);
  e.leaveButton(e.buttons[0]);
  assert.deepStrictEqual(host.of('log'), [['log', 'left']]);
  const rtl = ['\u05DC\u05D7\u05DD!', 'Menu \u062E\u0628\u0632', '\u200F1', '\u{10900}', '\u{1E900}'];
  const ltr = ['Kol\u00E1\u010De', '\u0425\u043B\u0435\u0431', '\u30D1\u30F3', '\u{1F35E}', ''];
  assert.deepStrictEqual(rtl.concat(ltr).map(rt.hasRightToLeft), rtl.map(() => true).concat(ltr.map(() => false)));
});

test('Set refresh asks for redrawing at its interval; a second Button of one name replaces the first', () => {
  const { e, host } = project("Button 'A' Color=0x0000FF ;Button 'B' ;");
  e.load("Set refresh=5000; Button 'a' Color=0x00FF00 ;");
  assert.deepStrictEqual(host.of('refresh'), [['refresh', 5000]]);
  assert.deepStrictEqual(e.buttons.map((b) => [b.name, b.look(0).color]), [['a', 0x00FF00], ['B', 0xC0C0C0]]);
});

test('the file runs as a plain script, and a second copy leaves the first in charge', () => {
  const fs = require('fs');
  const vm = require('vm');
  const file = runtimeFile;
  const code = fs.readFileSync(file, 'utf8');
  assert.ok(Buffer.byteLength(code) < 128 * 1024, 'under 128 KB');
  assert.ok(/^[\x00-\x7F]*$/.test(code), 'ASCII only, whatever the encoding of the page');
  let started = 0;
  const window = {
    document: { readyState: 'complete', getElementsByTagName: () => { started++; return []; }, addEventListener() {} }
  };
  window.window = window;
  const context = vm.createContext(window);
  vm.runInContext(code, context);
  const first = window.VelkoButtonRuntime;
  assert.strictEqual(typeof first.parse, 'function');
  vm.runInContext(code, context);
  assert.strictEqual(window.VelkoButtonRuntime, first);
  assert.strictEqual(started, 1);
});

test('the project\'s Background statement is the background; a button called Background stays a button', () => {
  const { e } = project("Button Background Width=100 Height=80 Color=0x102040 BorderStyle=None Drag=2 Event {Cursor 0;} ;" +
    "Button 'Background' Y=40 Color=0xFF0000 ;");
  assert.strictEqual(e.background.look(0).color, 0x102040);
  assert.deepStrictEqual(e.buttons.map((b) => b.name), ['Background']);
  assert.strictEqual(e.hit(5, 5), null, 'the background takes no mouse');
  assert.strictEqual(e.hit(5, 45).look(0).color, 0xFF0000);
  e.load('Button Background Color=0x00FF00 ;');
  assert.strictEqual(e.background.look(0).color, 0x00FF00);
  assert.strictEqual(e.buttons.length, 1);
});

test('a script that calls itself, or two that call each other, cannot hold the page', () => {
  for (const script of [
    "Button 'A' X=0 Y=0 Up Event {Output 1 'A up'; Call 'A'; Call 'A'};",
    "Button 'A' Up Event {Output 1 'A'; Call 'B';}; Button 'B' Up Event {Output 1 'B'; Call 'A';};",
    "Set Loop={Output 1 'l'; Call Loop; Call Loop;}; Button 'A' Up Event {Call Loop;};"
  ]) {
    const { e, host } = project(script);
    const a = e.find('A');
    const started = Date.now();
    e.enter(a); e.press(a); e.release(a);
    assert.ok(Date.now() - started < 1000, script);
    // One budget for the whole click, however deep the calls went.
    assert.ok(host.of('log').length > 0 && host.of('log').length <= 10001, script);
    assert.strictEqual(e.current, null);
  }
});

test('the input file is Windows-1252 text, like the page', () => {
  const bytes = Uint8Array.from([0x43, 0x61, 0x66, 0xE9, 0x20, 0xA3, 0x35, 0x20, 0x80]);
  assert.strictEqual(rt.decode1252(bytes.buffer), 'Caf\u00e9 \u00a35 \u20ac');
});

test('StateSet keeps one radio button down; a page Cursor stays; a re-read keeps the hover', () => {
  const { e } = project("Button 'R1' Mode=Radio State=2 ;Button 'R2' Mode=Radio ;Button 'C' Mode=Check State=2 ;");
  e.load("StateSet 'R2' 2; Cursor 12;");
  assert.deepStrictEqual(['R1', 'R2', 'C'].map((n) => e.find(n).selected), [false, true, true]);
  assert.strictEqual(e.pageCursor, 'pointer');

  const read = rt.parseParamFile("Script0=Button 'F' Color=0x00FF00;\r\n");
  e.applyParams(read, true, 'in.txt');
  const before = e.find('F');
  e.enter(before);
  e.applyParams(read, true, 'in.txt');
  const after = e.find('F');
  assert.notStrictEqual(after, before);
  assert.strictEqual(after.shown(), 1, 'the button under the mouse is still drawn Over');
});
