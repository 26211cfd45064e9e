'use strict';
// The tokenizer and parser: every statement kind in both forms, and input that must be
// skipped with a warning rather than thrown.
const test = require('node:test');
const assert = require('node:assert');
const { rt } = require('./helpers');

const one = (src) => {
  const r = rt.parse(src);
  assert.deepStrictEqual(r.warnings, [], src);
  assert.strictEqual(r.commands.length, 1, src);
  return r.commands[0];
};

// Each statement kind, written with words and with tokens, and the command both must give.
const KINDS = [
  ["Internet 'a.html' _self;", "1 'a.html' _self;", { op: 'internet', url: 'a.html', target: '_self' }],
  ["Internet 'http://x/?a=1&b=2' 'main';", "1 'http://x/?a=1&b=2' 'main';", { op: 'internet', url: 'http://x/?a=1&b=2', target: 'main' }],
  ['Timer 0 300000;', '2 0 300000;', { op: 'timer', id: 0, ms: 300000 }],
  ["Call 'Button 1.Leave';", "3 'Button 1.Leave';", { op: 'call', name: 'Button 1.Leave' }],
  ['Audio Loop 0;', '4 1 0;', { op: 'audio', mode: 1, file: 0 }],
  ["Audio Stop 'http://x/a.au';", "4 2 'http://x/a.au';", { op: 'audio', mode: 2, file: 'http://x/a.au' }],
  ["Output Status 'Hi';", "5 0 'Hi';", { op: 'output', channel: 0, text: 'Hi' }],
  ["Output Console 'Hi';", "5 1 'Hi';", { op: 'output', channel: 1, text: 'Hi' }],
  ['Cursor HandCursor ;', '6 12 ;', { op: 'cursor', cursor: 12 }],
  ['Cursor W_Resize;', '6 10;', { op: 'cursor', cursor: 10 }],
  ['Set refresh=5000;', '7 refresh=5000;', { op: 'set', name: 'refresh', value: 5000 }],
  ["Set Day0='Dimanche';", "7 Day0='Dimanche';", { op: 'set', name: 'Day0', value: 'Dimanche' }],
  ["Set AM='vorm.';", "7 AM='vorm.';", { op: 'set', name: 'AM', value: 'vorm.' }],
  ["Set 'B.Leave'={Cursor 0;  };", "7 'B.Leave'={6 0;  };", { op: 'set', name: 'B.Leave', value: { script: [{ op: 'cursor', cursor: 0 }] } }],
  ["Set Timer0={Read 'button.txt' true; Timer 0 300000};", "7 Timer0={9 'button.txt' true; 2 0 300000};",
    { op: 'set', name: 'Timer0', value: { script: [{ op: 'read', file: 'button.txt', replace: true }, { op: 'timer', id: 0, ms: 300000 }] } }],
  ["Script JavaScript 'alert(1)';", "8 1 'alert(1)';", { op: 'script', lang: 1, code: 'alert(1)' }],
  ["Read 'in.txt' False;", "9 'in.txt' False;", { op: 'read', file: 'in.txt', replace: false }],
  ['Pause 250;', '10 250;', { op: 'pause', ms: 250 }],
  ['Add n 2;', '11 n 2;', { op: 'add', name: 'n', value: 2 }],
  ['Sub n 2;', '12 n 2;', { op: 'sub', name: 'n', value: 2 }],
  ["PropSet 'Menu' Show=False;", "101 'Menu' 7 False;", { op: 'propset', name: 'Menu', base: { props: { show: false }, events: null } }],
  ["PropGet 'Menu' Color c;", "102 'Menu' 9 c;", { op: 'propget', name: 'Menu', prop: 'color', variable: 'c' }],
  ['Animate 3;', '103 3;', { op: 'animate', image: 3 }],
  ["StateSet 'Menu' 2;", "104 'Menu' 2;", { op: 'stateset', name: 'Menu', state: 2 }],
  ['Button Background Width=100 Height=40 Color=0x808080 BorderStyle=None Drag=2 Event {Cursor 0;} ImageStyle=Tile Image=0 ;',
    '100 Background 5 100 6 40 9 0x808080 26 0 8 2 34 {6 0;} 21 1 20 0 ;',
    { op: 'button', name: 'Background', background: true, base: { props: { width: 100, height: 40, color: 0x808080, borderStyle: 0, drag: 2, imageStyle: 1, image: 0 }, events: [{ op: 'cursor', cursor: 0 }] } }]
];

test('every statement kind reads the same from words and from tokens', () => {
  for (const [words, tokens, expected] of KINDS) {
    assert.deepStrictEqual(one(words), expected, words);
    assert.deepStrictEqual(one(tokens), expected, tokens);
  }
});

test('a button statement: properties, the three state blocks and their events', () => {
  const words = "Button 'Go' X=4 Y=8 Width=140 Height=32 Show=False Drag=True State=2 Mode=Radio Tip='It\\'s \\x22here\\x22' " +
    "Color=0x004080 Style=Transparent Text='Line 1\\nLine 2' TextColor=0xFFFFFF TextSize=12 TextStyle=5 TextAlignX=0 TextAlignY=2 " +
    "TextOffsetX=1 TextOffsetY=-1 TextFont='Courier' ImageAlignX=0 ImageAlignY=2 ImageOffsetX=3 ImageOffsetY=-3 " +
    "BorderStyle=Raised BorderSmooth=False BorderTop=0xC8FFFF BorderMid=0x004080 BorderBot=0x000000 BorderThick=2 FrameThick=1 FrameColor=0xFF0000 " +
    "Up Image=0 Event {Internet 'index.html' _self; Cursor 0 ;} Over Color=0xFF0000 Image='http://x/o.gif' ImageStyle=Scale Event {Output 0 'Go'; Cursor 12 ;} " +
    "Down X=5 Y=9 BorderTop=0x000000 BorderBot=0xFFFFFF Event {Audio Play 1; Animate 0; Cursor 0 ;} ;";
  const tokens = "100 'Go' 3 4 4 8 5 140 6 32 7 False 8 True 0 2 2 2 35 'It\\'s \\x22here\\x22' " +
    "9 0x004080 10 1 11 'Line 1\\nLine 2' 12 0xFFFFFF 13 12 14 5 15 0 16 2 17 1 18 -1 19 'Courier' 22 0 23 2 24 3 25 -3 " +
    "26 4 27 False 28 0xC8FFFF 29 0x004080 30 0x000000 31 2 32 1 33 0xFF0000 " +
    "200 20 0 34 {1 'index.html' _self; 6 0 ;} 201 9 0xFF0000 20 'http://x/o.gif' 21 2 34 {5 0 'Go'; 6 12 ;} " +
    "202 3 5 4 9 28 0x000000 30 0xFFFFFF 34 {4 0 1; 103 0; 6 0 ;} ;";
  const a = one(words);
  assert.deepStrictEqual(one(tokens), a);
  assert.deepStrictEqual(a.base.props, {
    x: 4, y: 8, width: 140, height: 32, show: false, drag: 1, state: 2, mode: 2, tip: 'It\'s "here"', color: 0x004080,
    style: 1, text: 'Line 1\nLine 2', textColor: 0xFFFFFF, textSize: 12, textStyle: 5, textAlignX: 0, textAlignY: 2,
    textOffsetX: 1, textOffsetY: -1, textFont: 'Courier', imageAlignX: 0, imageAlignY: 2, imageOffsetX: 3, imageOffsetY: -3,
    borderStyle: 4, borderSmooth: false, borderTop: 0xC8FFFF, borderMid: 0x004080, borderBot: 0, borderThick: 2, frameThick: 1, frameColor: 0xFF0000
  });
  assert.deepStrictEqual(a.up.props, { image: 0 });
  assert.deepStrictEqual(a.over.props, { color: 0xFF0000, image: 'http://x/o.gif', imageStyle: 2 });
  assert.deepStrictEqual(a.down.props, { x: 5, y: 9, borderTop: 0, borderBot: 0xFFFFFF });
  assert.deepStrictEqual(a.down.events.map((e) => e.op), ['audio', 'animate', 'cursor']);
});

test('words are read whatever their letter case; a backslash before other letters stays', () => {
  assert.deepStrictEqual(one("button 'b' show=false mode=check over event {cursor handcursor;};"),
    { op: 'button', name: 'b', base: { props: { show: false, mode: 1 }, events: null }, over: { props: {}, events: [{ op: 'cursor', cursor: 12 }] } });
  assert.strictEqual(one("Output 0 'C:\\dir\\file.gif';").text, 'C:\\dir\\file.gif');
});

test('scripts cut into Script parameters join again, wrapped or not', () => {
  const script = "Button 'A' Width=10 ;".repeat(30);
  const params = {};
  for (let k = 0; k * 198 < script.length; k++) params['Script' + k] = '+' + script.slice(198 * k, 198 * k + 198) + '+';
  assert.strictEqual(rt.joinScript((n) => params[n] || null), script);
  assert.strictEqual(rt.joinScript((n) => (n === 'Script0' ? "Read 'button.txt' true; " : null)), "Read 'button.txt' true; ");
  assert.strictEqual(rt.joinScript(() => null), '');
  // A piece that begins or ends with a blank keeps it.
  assert.strictEqual(rt.joinScript((n) => ({ Script0: '+ a +', Script1: '++' })[n] || null), ' a ');
});

test('the input file: name=value lines with doubled backslashes', () => {
  const p = rt.parseParamFile("Script0=+Output 0 'a\\\\nb';+\r\nImages0=a.gif|http://x/b.gif\r\nAudio0=s.au\r\n\r\nnonsense\r\n");
  assert.strictEqual(p.script0, "+Output 0 'a\\nb';+");
  assert.strictEqual(p.images0, 'a.gif|http://x/b.gif');
  assert.strictEqual(p.audio0, 's.au');
});

test('malformed statements are skipped with one warning each, the rest still runs', () => {
  const cases = [
    ["Frobnicate 1 2; Cursor 3;", /unknown command Frobnicate/],
    ["999 'x'; Cursor 3;", /unknown command 999/],
    ["{Cursor 1;}; Cursor 3;", /block where a command/],
    ["Timer x; Cursor 3;", /Timer needs/],
    ["Output; Cursor 3;", /Output needs/]
  ];
  for (const [src, reason] of cases) {
    const r = rt.parse(src);
    assert.strictEqual(r.warnings.length, 1, src);
    assert.match(r.warnings[0].reason, reason);
    assert.strictEqual(r.warnings[0].pos, 0);
    assert.deepStrictEqual(r.commands, [{ op: 'cursor', cursor: 3 }], src);
  }
  const r = rt.parse("Button 'b' Width=50 Bogus=3 77 5 Height=20 ;");
  assert.deepStrictEqual(r.commands[0].base.props, { width: 50, height: 20 });
  assert.deepStrictEqual(r.warnings.map((w) => [w.reason, w.pos]), [['unknown property Bogus', 20], ['unknown property 77', 28]]);
});

test('unterminated quotes and braces, stray braces, huge numbers', () => {
  let r = rt.parse("Cursor 2; Output 0 'never closed");
  assert.deepStrictEqual(r.commands, [{ op: 'cursor', cursor: 2 }, { op: 'output', channel: 0, text: 'never closed' }]);
  assert.deepStrictEqual(r.warnings.map((w) => [w.reason, w.pos]), [['unterminated quoted text', 19]]);

  r = rt.parse("Set Timer0={Cursor 1; Cursor 2");
  assert.deepStrictEqual(r.commands[0].value.script.length, 2);
  assert.match(r.warnings[0].reason, /unterminated brace/);

  r = rt.parse("} Cursor 1; }} Cursor 2;");
  assert.deepStrictEqual(r.commands.map((c) => c.cursor), [1, 2]);
  assert.strictEqual(r.warnings.length, 3);

  r = rt.parse("Button 'b' Width=99999999999999999999 X=-99999999999999 Color=0x123456789ABCDEF ;");
  assert.deepStrictEqual(r.commands[0].base.props, { width: 2147483647, x: -2147483648, color: 0xFFFFFF });
});

test('deep nesting and a 5 MB script neither throw nor take long', () => {
  let r = rt.parse('Set a=' + '{'.repeat(100000) + '}'.repeat(100000) + '; Cursor 1;');
  assert.deepStrictEqual(r.commands[r.commands.length - 1], { op: 'cursor', cursor: 1 });
  assert.ok(r.warnings.some((w) => /nested too deeply/.test(w.reason)));

  const unit = "Button 'B' Width=10 Up Event {Cursor 0 ;} ;";
  const big = unit.repeat(Math.ceil(5e6 / unit.length));
  r = rt.parse(big);
  assert.strictEqual(r.commands.length, Math.ceil(5e6 / unit.length));
  assert.deepStrictEqual(r.warnings, []);

  const garbage = Array.from({ length: 5e6 }, (_, i) => "{}';=x7 \\\"\n"[(i * 7919) % 11]).join('');
  // The engine reads and runs it, and reports a bounded number of warnings.
  const warned = [];
  new rt.Engine({ warn: (w) => warned.push(w) }).load(garbage);
  assert.ok(warned.length <= 51, String(warned.length));
});

test('the parser never throws on odd input', () => {
  for (const src of [null, undefined, 42, '', ';;;', '=', "''", '0x', '-', "Button", "Button 'a' Event", "Set", "Set x=", "7 {", "\u0000\uFFFF"]) {
    assert.doesNotThrow(() => rt.parse(src), String(src));
  }
});

test('quoted text: each escape is undone, every other backslash stays', () => {
  // What the generator writes is read back in forms.test.js; here the reader alone.
  const read = (src) => rt.tokenize(src)[0].v;
  assert.strictEqual(read("'a\\nb\\'c\\x22d\\x5Ce'"), 'a\nb\'c"d\\e');
  assert.strictEqual(read("'C:\\x5Cnew\\x5C'"), 'C:\\new\\');
  assert.strictEqual(read("'\\\\server\\share\\x2\\u'"), '\\\\server\\share\\x2\\u');
  assert.strictEqual(read("'Say \\\\'hi\\\\''"), "Say \\'hi\\'");
});

test('a character written \\u{HEX} reads as itself, in quoted text and in words', () => {
  const read = (src) => rt.tokenize(src).map((t) => t.v);
  const rows = [
    ["'Kol\\u{E1}\\u{10D}e \\u{1F35E}'", ['Koláče 🍞']],
    ["'\\x5Cu{41}' '\\\\u{41}'", ['\\u{41}', '\\A']],
    ['PropSet \\u{425}\\u{43B}\\u{435}\\u{431} Show=False;', ['PropSet', 'Хлеб', 'Show', '=', 'False', ';']],
    ['a\\u{301}b{c}', ['a\u0301b', '{', 'c', '}']],
    // Not an escape: beyond Unicode, no digits, too many digits, unclosed.
    ["'\\u{110000}\\u{}\\u{1234567}\\u{41'", ['\\u{110000}\\u{}\\u{1234567}\\u{41']],
    ['w\\u{110000}', ['w\\u{110000}']]
  ];
  for (const [src, tokens] of rows) assert.deepStrictEqual(read(src), tokens, src);
});
