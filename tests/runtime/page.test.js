'use strict';
// The page's side: a look as CSS, the buttons' elements taken over by order, and the
// keyboard's order through buttons an Over script shows.
const test = require('node:test');
const assert = require('node:assert');
const { rt, runOnPage } = require('./helpers');

// The look of a button with no properties of its own, with some changed.
const DEFAULT = (() => { const e = new rt.Engine({}); e.load("Button 'B' ;"); return e.find('B').look(0); })();
const look = (changes) => Object.assign({}, DEFAULT, changes);

test('a look as CSS: size, place, colours, image, frame and border rings, caption', () => {
  const cases = [
    [look({}), 0, 0, false,
      'width:100px;height:40px;transform:none;cursor:default;color:#000000;background-color:#c0c0c0;background-image:none;' +
      'box-shadow:inset 0 1px #ffffff,inset 0 -1px #000000,inset -1px 0 #000000,inset 1px 0 #ffffff,' +
      'inset 0 2px #eaeaea,inset 0 -2px #404040,inset -2px 0 #404040,inset 2px 0 #eaeaea,' +
      'inset 0 3px #d5d5d5,inset 0 -3px #808080,inset -3px 0 #808080,inset 3px 0 #d5d5d5;' +
      'justify-content:center;align-items:center;text-align:center;padding:5px',
      'font:0.6875rem/0.8125rem Arial, Helvetica, sans-serif;text-decoration:none;text-shadow:none;transform:none'],
    [look({ x: 10, y: 20, width: 20000, height: -5, style: 1, textColor: 0x123456, image: 'a b"(c).gif', imageStyle: 1,
      borderStyle: 0, frameThick: 5, frameColor: 0xFF0000, textAlignX: 0, textAlignY: 2, textStyle: 15, textSize: 300,
      textFont: 'My "Font"; {x}<y>', textOffsetX: -3, textOffsetY: 4, cursor: 12 }), 4, 4, true,
    'width:16384px;min-height:0px;transform:translate(6px,16px);cursor:pointer;color:#123456;background-color:transparent;' +
      'background-image:url("a%20b%22%28c%29.gif");background-repeat:repeat;background-size:auto;background-position:0 0;' +
      'box-shadow:none;justify-content:flex-start;align-items:flex-end;text-align:left;padding:7px',
    'font:italic bold 15.9375rem/19.125rem "My Font xy", sans-serif;text-decoration:underline;' +
      'text-shadow:-1px -1px 0 #ffffff,1px 1px 0 #000000;transform:translate(-3px,4px)'],
    [look({ width: 50, height: 20, image: 'p.png', imageAlignX: 2, imageOffsetX: -3, imageAlignY: 7, borderStyle: 1,
      borderThick: 1, borderBot: 0x0000FF, frameThick: 2, frameColor: 0x00FF00, textAlignX: 2, textAlignY: 0,
      textStyle: 16, textSize: 16, textFont: 'fonts/My Font.ttf', cursor: 99 }), 0, 0, false,
    'width:50px;height:20px;transform:none;cursor:default;color:#000000;background-color:#c0c0c0;' +
      'background-image:url("p.png");background-repeat:no-repeat;background-size:auto;background-position:calc(100% + -3px) 50%;' +
      'box-shadow:inset 0 0 0 2px #00ff00,inset 0 0 0 3px #0000ff;' +
      'justify-content:flex-end;align-items:flex-start;text-align:right;padding:5px',
    'font:1rem/1.1875rem "VelkoButton My_Font.ttf", sans-serif;text-decoration:none;' +
      'text-shadow:-1px -1px 0 #000000,1px 1px 0 #ffffff;transform:none'],
    [look({ image: 'q.gif', imageStyle: 2, imageAlignX: 0, borderStyle: 0, textSize: 0, textFont: 'Courier' }), 0, 0, false,
      'width:100px;height:40px;transform:none;cursor:default;color:#000000;background-color:#c0c0c0;' +
      'background-image:url("q.gif");background-repeat:no-repeat;background-size:100% 100%;background-position:0 0;' +
      'box-shadow:none;justify-content:center;align-items:center;text-align:center;padding:2px',
    'font:0.0625rem/0.0625rem "Courier New", Courier, monospace;text-decoration:none;text-shadow:none;transform:none']
  ];
  cases.forEach(([l, ox, oy, flow, box, cap], i) => assert.deepStrictEqual(rt.lookCss(l, ox, oy, flow), { box, cap }, 'case ' + i));
  // An image placed by its alignment: the near edge in pixels, the middle and far edge in percent.
  const place = (ax, ox) => /background-position:([^;]*)/.exec(rt.lookCss(look({ image: 'i', imageAlignX: ax, imageOffsetX: ox,
    imageAlignY: 0, imageOffsetY: 0 }), 0, 0, false).box)[1];
  assert.deepStrictEqual([place(0, 0), place(0, -2), place(1, 0), place(1, 4), place(2, 0)],
    ['0px 0px', '-2px 0px', '50% 0px', 'calc(50% + 4px) 0px', '100% 0px']);
  // A ring of one colour is one shadow, and covers a shadow of its colour just outside it.
  const shadow = (changes) => /box-shadow:([^;]*)/.exec(rt.lookCss(look(changes), 0, 0, false).box)[1];
  assert.deepStrictEqual([
    shadow({ borderStyle: 1, borderThick: 3, borderBot: 0x00FF00, frameThick: 2, frameColor: 0x00FF00 }),
    shadow({ borderStyle: 4, borderThick: 2, borderSmooth: false, borderTop: 0xFF0000, borderBot: 0xFF0000, frameThick: 1 }),
    shadow({ borderStyle: 2, borderThick: 2, borderSmooth: false, borderTop: 0x0000FF, frameThick: 1, frameColor: 0x0000FF })
  ], ['inset 0 0 0 5px #00ff00', 'inset 0 0 0 1px #000000,inset 0 0 0 3px #ff0000',
    'inset 0 0 0 1px #0000ff,inset 0 2px #0000ff,inset 0 -2px #000000,inset -2px 0 #000000,inset 2px 0 #0000ff,' +
    'inset 0 3px #0000ff,inset 0 -3px #000000,inset -3px 0 #000000,inset 3px 0 #0000ff']);
});

test('the keyboard\'s order: shown buttons follow the button that showed them', () => {
  const [A, B, C, D, E] = ['A', 'B', 'C', 'D', 'E'].map((name) => ({ name }));
  const order = (shownBy) => rt.tabOrder([A, B, C, D, E], (b) => shownBy.get(b)).map((b) => b.name).join('');
  assert.strictEqual(order(new Map()), 'ABCDE');
  assert.strictEqual(order(new Map([[C, A], [E, A], [D, C]])), 'ACDEB');
  assert.strictEqual(order(new Map([[A, E]])), 'BCDEA');
  assert.strictEqual(order(new Map([[A, B], [B, A], [C, C], [D, { name: 'gone' }]])), 'ABCDE', 'circles and strangers');
  // Over random relations every button comes exactly once, after the one that showed it.
  for (let seed = 1; seed < 200; seed++) {
    const list = Array.from({ length: 1 + (seed % 9) }, (x, i) => ({ name: 'b' + i }));
    const by = new Map(list.map((b, i) => [b, (seed * (i + 3)) % 4 ? null : list[(seed + i) % list.length]]));
    const got = rt.tabOrder(list, (b) => by.get(b));
    assert.deepStrictEqual(got.slice().sort((p, q) => list.indexOf(p) - list.indexOf(q)), list);
    const onCircle = (b) => { let r = by.get(b); for (let n = 0; r && n < list.length; n++, r = by.get(r)) if (r === b) return true; return false; };
    got.forEach((b, i) => { const r = by.get(b); if (r && !onCircle(b)) assert.ok(got.indexOf(r) < i, 'seed ' + seed); });
  }
});

const MENU = "Button 'Home' X=4 Y=4 Tip='Start' Up Event {Internet 'index.html' _self;} Over Event {Output 0 'Start';} ;" +
  "Button 'Shop' X=4 Y=40 Over Event {PropSet 'Breads' Show=True; PropSet 'Cakes' Show=True;} Up Event {Output 1 'shop';} ;" +
  "Button 'Tips' X=4 Y=76 Mode=Check ;Button 'Pick' X=4 Y=112 Mode=Radio State=2 ;" +
  "Button 'Visit' X=4 Y=148 Over Event {PropSet 'Breads' Show=False; PropSet 'Cakes' Show=False;} ;" +
  "Button 'Breads' X=110 Y=40 Show=False ;Button 'Cakes' X=110 Y=76 Show=False ;";
const params = (script) => [['param', { name: 'name', value: 'Menu' }], ['param', { name: 'Script0', value: script }]];
const buttonsOf = (root) => root.children.filter((e) => e.classList.contains('b'));

test('the page\'s elements become the buttons by order; those of another shape are made anew', () => {
  const page = ['applet', { code: 'VelkoButton.class', width: '220', height: '190' }, ...params(MENU),
    ['nav', { class: 'vb', id: 'vb-Menu' },
      ['a', { class: 'b l1', href: 'index.html' }, ['span', {}, 'Home']],
      ['button', { class: 'b l2', type: 'button' }, ['span', {}, 'Shop']],
      ['input', { type: 'checkbox', class: 'i', id: 'vb-Menu-3' }], ['label', { class: 'b l3', for: 'vb-Menu-3' }, ['span', {}, 'Tips'], ['span', {}, 'Tips!']],
      ['a', { class: 'b l4', href: 'x.html' }, ['span', {}, 'Pick']],
      ['button', { class: 'b l2', type: 'button' }, ['span', {}, 'Visit']],
      ['button', { class: 'b l2', type: 'button', hidden: '' }, ['span', {}, 'Breads']],
      ['button', { class: 'b l2', type: 'button', hidden: '' }, ['span', {}, 'Cakes']],
      ['button', { class: 'b l2', type: 'button' }, ['span', {}, 'Left over']]]];
  const window = runOnPage(page);
  const root = window.document.body.querySelector('.vb');
  const before = buttonsOf(root);
  window.document.body.getElementsByTagName('applet')[0].velkoApplet.paint();
  const after = buttonsOf(root);
  assert.deepStrictEqual(after.map((e) => e.tagName + ':' + e.textContent + (e.hidden ? ':hidden' : '')),
    ['A:Home', 'BUTTON:Shop', 'LABEL:Tips', 'LABEL:Pick', 'BUTTON:Visit', 'BUTTON:Breads:hidden', 'BUTTON:Cakes:hidden']);
  [0, 1, 2, 4, 5, 6].forEach((i) => assert.strictEqual(after[i], before[i], 'element ' + i + ' kept'));
  const pick = window.document.getElementById(after[3].getAttribute('for'));
  assert.deepStrictEqual([pick.type, pick.name, pick.checked], ['radio', 'vb-Menu', true]);
  // The page's own styles show the Up look until the look changes; then the look's CSS is inline.
  const applet = window.document.body.getElementsByTagName('applet')[0];
  const home = applet.velkoButton.find('Home');
  assert.deepStrictEqual([after[0].style.cssText, after[0].children[0].style.cssText], ['', '']);
  window.fire(after[0].children[0], 'pointerover');
  applet.velkoApplet.paint();
  const css = rt.lookCss(home.look(1), 4, 4, false);
  assert.ok(after[0].style.cssText.endsWith('left:4px;top:4px;display:flex;' + css.box), after[0].style.cssText);
  assert.ok(after[0].children[0].style.cssText.endsWith(css.cap));
  assert.ok(after[3].style.cssText.endsWith(rt.lookCss(applet.velkoButton.find('Pick').look(2), 4, 112, false).box), 'made anew: selected');
  assert.deepStrictEqual([after[0].href, after[0].title, after[2].children.length], ['http://example.test/site/index.html', 'Start', 1]);
});

test('a button an Over script shows is next for the keyboard and stays while the focus is in it', () => {
  // A page of an older version: the runtime makes the elements.
  const window = runOnPage(['applet', { code: 'VelkoButton.class', width: '220', height: '190' }, ...params(MENU),
    ['ul', {}, ['li', {}, 'Home']]]);
  const applet = window.document.body.getElementsByTagName('applet')[0];
  const running = applet.velkoApplet, engine = applet.velkoButton;
  running.paint();
  const root = running.root;
  const el = (name) => buttonsOf(root).find((e) => e.textContent === name);
  const order = () => buttonsOf(root).map((e) => e.textContent + (e.hidden ? '-' : '')).join(' ');
  const hovered = () => engine.buttons.filter((b) => b.hover).map((b) => b.name).join(' ');
  assert.strictEqual(order(), 'Home Shop Tips Pick Visit Breads- Cakes-');
  const steps = [
    ['Home', 'Home Shop Tips Pick Visit Breads- Cakes-', 'Home'],
    ['Shop', 'Home Shop Breads Cakes Tips Pick Visit', 'Shop'],
    ['Breads', 'Home Shop Breads Cakes Tips Pick Visit', 'Shop Breads'],
    ['Cakes', 'Home Shop Breads Cakes Tips Pick Visit', 'Shop Cakes'],
    ['Visit', 'Home Shop Tips Pick Visit Breads- Cakes-', 'Visit']
  ];
  let at = null;
  steps.forEach(([name, expected, hover]) => {
    const to = el(name);
    if (at) window.fire(at, 'focusout', { relatedTarget: to });
    window.fire(to, 'focusin');
    running.paint();
    at = to;
    assert.deepStrictEqual([order(), hovered()], [expected, hover], 'focus on ' + name);
  });
  // A status text that says what the tip says is shown, not announced again.
  window.fire(at, 'focusout', { relatedTarget: el('Home') });
  window.fire(el('Home'), 'focusin');
  const status = root.nextSibling.children[0];
  assert.deepStrictEqual([status.textContent, status.getAttribute('aria-hidden')], ['Start', 'true']);
});

test('the focus in a button that hides goes to the next button shown, else to the one before', () => {
  [['Shop', 'Tips'], ['Visit', 'Pick'], ['Home', 'Shop']].forEach(([hide, next]) => {
    const window = runOnPage(['applet', { code: 'VelkoButton.class', width: '220', height: '190' }, ...params(MENU)]);
    const running = window.document.body.getElementsByTagName('applet')[0].velkoApplet;
    running.paint();
    const rec = (name) => running.rec(running.engine.find(name));
    rec(hide).el.focus();
    running.engine.load("PropSet '" + hide + "' Show=False;");
    running.paint();
    const to = rec(next);
    assert.strictEqual(window.document.activeElement, to.input || to.el, hide + ' hides');
  });
});

test('clicks: a link the browser follows is not followed again; Space, a lone click and radio inputs click', () => {
  const window = runOnPage(['applet', { code: 'VelkoButton.class', width: '220', height: '190' }, ...params(MENU)]);
  const applet = window.document.body.getElementsByTagName('applet')[0];
  const running = applet.velkoApplet, engine = applet.velkoButton;
  const went = [], logged = [];
  window.VelkoButtonRuntime.navigate = (url) => went.push(url);
  window.console = { log: (t) => logged.push(t), warn() {} };
  running.host.log = (t) => logged.push(t);
  running.paint();
  const el = (name) => running.recs[name.toLowerCase()];
  window.fire(el('Home').cap, 'pointerdown');
  window.fire(el('Home').cap, 'pointerup');
  assert.deepStrictEqual(went, [], 'the browser follows the link itself');
  window.fire(el('Home').el, 'keydown', { key: ' ' });
  window.fire(el('Home').el, 'keyup', { key: ' ' });
  assert.deepStrictEqual(went, ['http://example.test/site/index.html']);
  window.fire(el('Home').el, 'click', { ctrlKey: true });
  assert.strictEqual(went.length, 1, 'a link opened in a new tab is the browser\'s');
  window.fire(el('Shop').el, 'click');
  assert.deepStrictEqual(logged, ['shop'], 'a click without a press (a screen reader\'s)');
  window.fire(el('Shop').cap, 'pointerdown');
  window.fire(el('Shop').cap, 'pointerup');
  window.fire(el('Shop').el, 'click');
  assert.deepStrictEqual(logged, ['shop', 'shop'], 'a press and its click are one click');
  el('Tips').input.checked = true;
  window.fire(el('Tips').input, 'change');
  assert.strictEqual(engine.find('Tips').selected, true, 'the check box follows its input');
});
