#!/usr/bin/env node
'use strict';
// Speed of the JavaScript runtime: parsing and first drawing of a 100-button project and of a
// 10,000-button script. Not a test: run it by hand and read the figures.
//
//   node bench/runtime_bench.js [--browser] [--pages DIR]
//
// In Node the drawing goes to a context that only counts its calls (the runtime's own work).
// With --browser, and chromium on the path, the same pages are also loaded in headless
// Chromium, where the time runs from the page's first script to the drawn canvas.
const path = require('path');
const fs = require('fs');
const os = require('os');
const { spawnSync } = require('child_process');
const rt = require(path.join(__dirname, '..', 'runtime', 'velkobutton.js'));

// One button statement as the program writes it with tokens (a menu entry with a link,
// status text, tool tip, three coloured states and a bold caption).
function button(i, cols) {
  const x = 4 + (i % cols) * 144;
  const y = 4 + Math.floor(i / cols) * 36;
  return `100 'Button ${i}' 3 ${x} 4 ${y} 5 140 6 32 35 'Tip ${i}' 9 0x004080 11 'Entry ${i}' 12 0xFFFFFF 13 12 14 1 ` +
    `28 0xC8FFFF 29 0x004080 200 28 0xC8FFFF 29 0x004080 34 {1 'page${i}.html' _self; 6 0 ;} ` +
    `201 9 0x0060C0 12 0xFFFF00 28 0xC8FFFF 29 0x0060C0 34 {5 0 'Go to page ${i}'; 6 12 ;} ` +
    `202 9 0x002060 3 ${x + 1} 4 ${y + 1} 28 0x000000 29 0x002060 30 0xC8E8FF 34 {6 0 ;} ;`;
}

function project(count) {
  const cols = count > 100 ? 50 : 5;
  const rows = Math.ceil(count / cols);
  const w = cols * 144 + 4;
  const h = rows * 36 + 4;
  let s = `100 Background 5 ${w} 6 ${h} 9 0x102040 26 0 8 2 34 {6 0;} ;`;
  for (let i = 0; i < count; i++) s += button(i, cols);
  return { script: s, width: w, height: h };
}

function countingContext() {
  const ctx = { calls: 0, measureText: () => ({ width: 40 }) };
  ['fillRect', 'clearRect', 'fillText', 'drawImage', 'save', 'restore', 'beginPath', 'rect', 'clip', 'setTransform']
    .forEach((m) => { ctx[m] = () => { ctx.calls++; }; });
  return ctx;
}

// Median wall-clock and processor milliseconds of `repeat` runs (the processor figure holds
// on a machine that other work keeps busy).
function time(fn, repeat) {
  const runs = [];
  fn(); // once to warm up
  for (let r = 0; r < repeat; r++) {
    const cpu = process.cpuUsage();
    const t = process.hrtime.bigint();
    fn();
    const used = process.cpuUsage(cpu);
    runs.push({ wall: Number(process.hrtime.bigint() - t) / 1e6, cpu: (used.user + used.system) / 1000 });
  }
  const mid = (key) => runs.map((x) => x[key]).sort((a, b) => a - b)[Math.floor(runs.length / 2)];
  return `${mid('wall').toFixed(1)} ms (processor ${mid('cpu').toFixed(1)} ms)`;
}

function inNode(name, p, repeat) {
  let engine;
  const parse = time(() => rt.parse(p.script), repeat);
  const load = time(() => { engine = new rt.Engine({}); engine.load(p.script); }, repeat);
  const g = countingContext();
  const draw = time(() => engine.draw(g, p.width, p.height, null, new Date()), repeat);
  console.log(`${name}: ${p.script.length} characters, ${engine.buttons.length} buttons; ` +
    `parse ${parse}, parse and build ${load}, first drawing ${draw}; medians of ${repeat}`);
}

// The page as the program writes it: the script cut into Script parameters of 198 characters.
function page(p) {
  let params = '';
  for (let k = 0; k * 198 < p.script.length; k++) {
    params += `<PARAM NAME=Script${k} VALUE="+${p.script.slice(198 * k, 198 * k + 198)}+">\r\n`;
  }
  return `<HTML>\r\n<BODY BGCOLOR="#000000">\r\n<SCRIPT>window.vbStart = performance.now();</SCRIPT>\r\n` +
    `<APPLET CODE=VelkoButton.class ARCHIVE=VelkoButton.jar WIDTH=${p.width} HEIGHT=${p.height} MAYSCRIPT>\r\n${params}</APPLET>\r\n` +
    `<SCRIPT SRC="velkobutton.js"></SCRIPT>\r\n` +
    // Registered after the runtime's own listener, so it runs once the canvas is drawn.
    `<SCRIPT>document.addEventListener('DOMContentLoaded', function () {` +
    ` document.title = 'ms=' + (performance.now() - window.vbStart).toFixed(1); });</SCRIPT>\r\n</BODY>\r\n</HTML>\r\n`;
}

function inBrowser(name, p) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vbbench-'));
  fs.copyFileSync(path.join(__dirname, '..', 'runtime', 'velkobutton.js'), path.join(dir, 'velkobutton.js'));
  fs.writeFileSync(path.join(dir, 'bench.html'), page(p));
  const res = spawnSync('chromium', ['--headless', '--no-sandbox', '--disable-gpu', '--dump-dom',
    'file://' + path.join(dir, 'bench.html')], { encoding: 'utf8', timeout: 120000 });
  const m = /<title>ms=([\d.]+)<\/title>/.exec(res.stdout || '');
  console.log(`${name} in Chromium: ${m ? m[1] + ' ms from the applet\'s page to its drawn canvas (parse, build, first drawing)' : 'no figure (' + (res.error || res.status) + ')'}`);
  fs.rmSync(dir, { recursive: true, force: true });
}

const small = project(100);
const large = project(10000);
inNode('100-button project', small, 21);
inNode('10,000-button script', large, 5);
const out = process.argv.indexOf('--pages');
if (out > 0 && process.argv[out + 1]) { // the two pages, for a look in a browser
  fs.writeFileSync(path.join(process.argv[out + 1], 'bench100.html'), page(small));
  fs.writeFileSync(path.join(process.argv[out + 1], 'bench10000.html'), page(large));
}
if (process.argv.includes('--browser')) {
  inBrowser('100-button project', small);
  inBrowser('10,000-button script', large);
}
