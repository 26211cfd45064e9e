'use strict';
// The pages the program writes, read back: both script forms of one project give the same
// model, without a single warning.
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const path = require('path');
const { rt, exe, exportPage, scriptOf, tempDir, spawnSync } = require('./helpers');

const skip = exe ? false : 'VELKOBUTTON_EXE is not set';
const root = path.join(__dirname, '..', '..');

test('random projects give the same model as words and as tokens', { skip }, () => {
  const dir = tempDir();
  const count = 12;
  const made = spawnSync('python3', [path.join(__dirname, 'projects.py'), dir, '7', String(count)], { encoding: 'utf8' });
  assert.strictEqual(made.status, 0, made.stderr);
  for (let i = 0; i < count; i++) {
    const words = scriptOf(exportPage(path.join(dir, `p${i}_w.but`))).script;
    const tokens = scriptOf(exportPage(path.join(dir, `p${i}_t.but`))).script;
    assert.notStrictEqual(words, tokens);
    const a = rt.parse(words);
    const b = rt.parse(tokens);
    // Only a state stored under a name that is no keyword (from an edited file) is skipped.
    const reasons = (r) => r.warnings.map((w) => w.reason);
    assert.deepStrictEqual(reasons(b), reasons(a), `project ${i}`);
    assert.ok(reasons(a).every((w) => /^unknown state /.test(w)), `project ${i}: ${JSON.stringify(a.warnings)}`);
    assert.deepStrictEqual(b.commands, a.commands, `project ${i}`);
  }
  fs.rmSync(dir, { recursive: true, force: true });
});

test('the demo project: five buttons with their captions, colours, links and status texts', { skip }, () => {
  const { script, params } = scriptOf(exportPage(path.join(root, 'examples', 'demo.but')));
  const e = new rt.Engine({});
  e.load(script);
  assert.strictEqual(params.name, 'DemoMenu');
  assert.deepStrictEqual(e.buttons.map((b) => b.name), ['Home', 'Products', 'News', 'Contact', 'Help']);
  assert.strictEqual(e.background.look(0).color, 0x102040);
  const home = e.find('home');
  assert.deepStrictEqual([home.look(0).color, home.look(1).color, home.look(2).color], [0x004080, 0x0060C0, 0x002060]);
  assert.deepStrictEqual([home.rect(0), home.rect(2)], [{ x: 4, y: 4, w: 140, h: 32 }, { x: 5, y: 5, w: 140, h: 32 }]);
  assert.strictEqual(e.find('Products').look(0).text, 'Our Products');
  assert.strictEqual(e.find('News').look(0).text, 'News ${date.%d/%m/%y}');
  assert.deepStrictEqual(home.events(0)[0], { op: 'internet', url: 'index.html', target: '_self' });
  assert.deepStrictEqual(home.events(1)[0], { op: 'output', channel: 0, text: 'Back to the start page' });
  assert.strictEqual(e.find('Help').mode(), 1);
  assert.ok(e.find('Contact').leave, 'the leave script of Contact');
});

test('every text the script quotes reads back exactly, from the page and from the input file', { skip }, () => {
  // Random texts over backslashes, quotes, n, x, u, braces, line breaks and characters of any
  // script in every quoted field; the page and the input file are Windows-1252.
  const dir = tempDir();
  const made = spawnSync('python3', [path.join(__dirname, 'projects.py'), '--texts', dir, '11', '300'], { encoding: 'utf8' });
  assert.strictEqual(made.status, 0, made.stderr);
  const expected = JSON.parse(fs.readFileSync(path.join(dir, 'texts.json'), 'utf8'));
  const quoted = (script) => {
    assert.deepStrictEqual(rt.parse(script).warnings, []);
    return rt.tokenize(script).filter((t) => t.k === 's').map((t) => t.v);
  };
  const exported = (name, format) => rt.decode1252(Buffer.from(exportPage(path.join(dir, name), format), 'latin1'));
  const inPage = quoted(scriptOf(exported('texts.but')).script);
  assert.ok(expected.page.length > 3000);
  assert.deepStrictEqual(inPage, expected.page);
  const file = rt.parseParamFile(exported('texts_read.but', 'input'));
  assert.deepStrictEqual(quoted(rt.joinScript((n) => file[n.toLowerCase()] || null)), expected.page);
  assert.deepStrictEqual(quoted(scriptOf(exported('texts_read.but')).script), [expected.input]);
  fs.rmSync(dir, { recursive: true, force: true });
});
