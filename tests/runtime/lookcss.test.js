'use strict';
// The page's style sheet and the runtime give a look the same CSS: random looks with their
// edges, through the generator's look_css tool and the runtime's lookCss, byte for byte.
const test = require('node:test');
const assert = require('node:assert');
const path = require('path');
const { spawnSync } = require('child_process');
const rt = require(path.join(__dirname, '..', '..', 'runtime', 'velkobutton.js'));

const tool = process.env.LOOK_CSS_EXE || '';
const LOOKS = 2000;

// A fixed sequence of pseudo-random numbers (mulberry32), so that a failure comes back.
function random(seed) {
  let a = seed >>> 0;
  return function () {
    a = (a + 0x6D2B79F5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const INT_MIN = -2147483648;
const INT_MAX = 2147483647;
const ODD = ['"', "'", '\\', '<', '>', '(', ')', ' ', ';', '{', '}', '/', '%', '\x01', '\x1f', '\x7f', '\t', '\n', 'a', 'Z', '0', '.', '-', '_'];
const FONTS = ['Arial', 'arial', 'SansSerif', 'sans-serif', 'Helvetica', 'TimesRoman', 'SERIF', 'Courier',
  'monospace', 'Verdana', 'Comic Sans MS', '', 'x.woff2', 'fonts/My Font.TTF', 'a\\b\\c (1).otf', '.ttf',
  'x.woff', 'evil</style><script>.ttf', 'A"B\\C;D{E}F<G>H', 'courier new'];
const IMAGES = [null, null, 'pic.gif', 'http://a.example/b c(1).png', 'x"y\'z<>.gif', 'a\\b.png', '', 'url(x)'];

function generate(r) {
  const pick = (list) => list[Math.floor(r() * list.length)];
  const int = (lo, hi) => lo + Math.floor(r() * (hi - lo + 1));
  const anyInt = () => pick([0, 1, -1, 2, 3, 5, 7, int(-50, 50), int(-3000, 3000), INT_MIN, INT_MAX]);
  const side = () => (r() < 0.08 ? pick([0, 1, 2, 16384, 16385, INT_MAX, INT_MIN, -5]) : int(0, 300));
  const thick = () => (r() < 0.1 ? pick([-3, 0, 100, 8191, INT_MAX, INT_MIN]) : int(0, 12));
  const color = () => (r() < 0.3 ? pick([0, 0xFFFFFF, 0x808080, 0xFF000000, 0xFFFFFFFF]) : int(0, 0xFFFFFF));
  const odd = () => {
    let s = '';
    for (let n = int(1, 8); n > 0; n--) s += pick(ODD);
    return s;
  };
  const text = (list) => (r() < 0.3 ? odd() + (r() < 0.3 ? pick(['.ttf', '.WOFF2', '.gif']) : '') : pick(list));
  return {
    x: anyInt(), y: anyInt(), width: side(), height: side(), color: color(), style: pick([0, 0, 1, -1, 2]),
    textColor: color(), textSize: pick([-5, 0, 1, 11, 12, 13, 16, 24, 100, 255, 256, 1000, int(1, 255)]),
    textStyle: pick([0, 1, 2, 4, 8, 16, 24, -1, int(0, 63)]), textAlignX: pick([0, 1, 2, 3, -1, 7]),
    textAlignY: pick([0, 1, 2, 3, -1]), textOffsetX: anyInt(), textOffsetY: anyInt(), textFont: text(FONTS),
    image: r() < 0.5 ? null : text(IMAGES.filter((i) => i !== null)), imageStyle: pick([0, 1, 2, 3, -1]),
    imageAlignX: pick([0, 1, 2, 3, -1]), imageAlignY: pick([0, 1, 2, 5]), imageOffsetX: anyInt(),
    imageOffsetY: anyInt(), borderStyle: pick([0, 1, 2, 3, 4, 5, -1]), borderSmooth: r() < 0.5,
    borderTop: color(), borderMid: color(), borderBot: color(), borderThick: thick(), frameThick: thick(),
    frameColor: color(), cursor: pick([-1, 0, 1, 5, 12, 13, 14, 99]),
    originX: r() < 0.5 ? 0 : anyInt(), originY: r() < 0.5 ? 0 : anyInt(), flow: r() < 0.5
  };
}

const hex = (s) => Buffer.from(s, 'latin1').toString('hex');

// The tool's line: the fields in the order its source names them.
function line(l) {
  return [l.x, l.y, l.width, l.height, l.color, l.style, l.textColor, l.textSize, l.textStyle, l.textAlignX,
    l.textAlignY, l.textOffsetX, l.textOffsetY, hex(l.textFont), l.image === null ? '-' : hex(l.image),
    l.imageStyle, l.imageAlignX, l.imageAlignY, l.imageOffsetX, l.imageOffsetY, l.borderStyle,
    l.borderSmooth ? 1 : 0, l.borderTop, l.borderMid, l.borderBot, l.borderThick, l.frameThick, l.frameColor,
    l.cursor, l.originX, l.originY, l.flow ? 1 : 0].join('\t');
}

test('the generator and the runtime write every look as the same CSS', { skip: !tool && 'LOOK_CSS_EXE not set' }, () => {
  const r = random(35);
  const looks = [];
  for (let i = 0; i < LOOKS; i++) looks.push(generate(r));
  const res = spawnSync(tool, [], { input: looks.map(line).join('\n') + '\n', encoding: 'latin1', maxBuffer: 1 << 30 });
  assert.strictEqual(res.status, 0, res.stderr);
  const out = res.stdout.split('\n');
  assert.strictEqual(out.length, LOOKS + 1);
  const differing = [];
  looks.forEach((l, i) => {
    const css = rt.lookCss(l, l.originX, l.originY, l.flow);
    if (out[i] !== css.box + '\t' + css.cap) differing.push({ look: l, generator: out[i], runtime: css.box + '\t' + css.cap });
  });
  assert.deepStrictEqual(differing.slice(0, 3), [], differing.length + ' of ' + LOOKS + ' looks differ');
});
