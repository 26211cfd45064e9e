'use strict';
// Shared by the runtime's tests: the runtime itself, the program, and page reading.
const path = require('path');
const fs = require('fs');
const os = require('os');
const { spawnSync } = require('child_process');

// The readable runtime, or the one the build publishes (VELKOBUTTON_RUNTIME), minified.
const runtimeFile = process.env.VELKOBUTTON_RUNTIME || path.join(__dirname, '..', '..', 'runtime', 'velkobutton.js');
const rt = require(runtimeFile);
const exe = process.env.VELKOBUTTON_EXE || '';

// The program's output for a project, as Latin-1 text.
function exportPage(project, format) {
  const res = spawnSync(exe, ['export', '--format', format || 'page', project], {
    env: Object.assign({}, process.env, { QT_QPA_PLATFORM: 'offscreen' }),
    encoding: 'latin1'
  });
  if (res.status !== 0) throw new Error('export failed: ' + res.stderr);
  return res.stdout;
}

// The PARAMs of a page as a browser's HTML parser hands them over (the generator writes "&",
// '"', "<" and ">" of a value as these four references, and no other).
const REFERENCES = { amp: '&', quot: '"', lt: '<', gt: '>' };
function pageParams(html) {
  const map = {};
  const re = /<PARAM NAME=(\S+) VALUE="([^"]*)">/g;
  let m;
  while ((m = re.exec(html))) {
    map[m[1]] = m[2].replace(/&(amp|quot|lt|gt);/g, (all, name) => REFERENCES[name]);
  }
  return map;
}

function scriptOf(html) {
  const p = pageParams(html);
  return { script: rt.joinScript((n) => (n in p ? p[n] : null)), params: p };
}

function tempDir() {
  return fs.mkdtempSync(path.join(os.tmpdir(), 'vbrt-'));
}

// A host that records what the engine asks of the browser; timers run when told.
function recordingHost() {
  const h = {
    calls: [], timers: [], now: 0,
    draw() {}, resolve: (f) => f,
    warn: (w) => h.calls.push(['warn', w]),
    log: (t) => h.calls.push(['log', t]),
    status: (t) => h.calls.push(['status', t]),
    cursor: (c) => h.calls.push(['cursor', c]),
    navigate: (u, t) => h.calls.push(['navigate', u, t]),
    audio: (m, f) => h.calls.push(['audio', m, f]),
    animate: (n) => h.calls.push(['animate', n]),
    runJs: (c) => h.calls.push(['js', c]),
    setRefresh: (ms) => h.calls.push(['refresh', ms]),
    setTimeout(fn, ms) { h.timers.push({ fn, at: h.now + ms, id: h.timers.length + 1 }); return h.timers.length; },
    clearTimeout(id) { const t = h.timers.find((x) => x.id === id); if (t) t.cancelled = true; },
    // Runs every timer due within ms, in time order.
    advance(ms) {
      const end = h.now + ms;
      for (;;) {
        const due = h.timers.filter((t) => !t.cancelled && !t.done && t.at <= end).sort((a, b) => a.at - b.at)[0];
        if (!due) break;
        h.now = due.at; due.done = true; due.fn();
      }
      h.now = end;
    },
    of: (kind) => h.calls.filter((c) => c[0] === kind)
  };
  return h;
}

// A page as far as the runtime reads and changes it, without a browser: elements with
// attributes, children, inline styles and events; `html` is a tree of [tag, attributes,
// ...children] (a string child is text).
function fakePage(tree) {
  const listeners = new Map();
  const on = (node, type, fn) => { const l = listeners.get(node) || []; l.push([type, fn]); listeners.set(node, l); };
  class Node {
    constructor(tag, attrs) {
      this.tagName = tag.toUpperCase(); this.attrs = Object.assign({}, attrs); this.childNodes = []; this.parentNode = null;
      this.style = { cssText: '' }; this.hidden = 'hidden' in this.attrs; this.nodeType = 1; this.checked = 'checked' in this.attrs;
    }
    get children() { return this.childNodes.filter((c) => c.nodeType === 1); }
    get firstChild() { return this.childNodes[0] || null; }
    get nextSibling() { const p = this.parentNode; return p ? p.childNodes[p.childNodes.indexOf(this) + 1] || null : null; }
    get id() { return this.attrs.id || ''; } set id(v) { this.attrs.id = v; }
    get className() { return this.attrs.class || ''; } set className(v) { this.attrs.class = v; }
    get type() { return this.attrs.type || ''; } set type(v) { this.attrs.type = v; }
    get name() { return this.attrs.name || ''; } set name(v) { this.attrs.name = v; }
    get href() { return this.attrs.href || ''; } set href(v) { this.attrs.href = v; }
    get target() { return this.attrs.target || ''; } set target(v) { this.attrs.target = v; }
    get title() { return this.attrs.title || ''; } set title(v) { this.attrs.title = v; }
    get classList() { return { contains: (c) => this.className.split(/\s+/).includes(c) }; }
    get textContent() { return this.childNodes.map((c) => c.textContent).join(''); }
    set textContent(v) { this.childNodes.forEach((c) => { c.parentNode = null; }); this.childNodes = []; this.appendChild(text(v)); }
    getAttribute(n) { return n in this.attrs ? this.attrs[n] : null; }
    setAttribute(n, v) { this.attrs[n] = String(v); }
    removeAttribute(n) { delete this.attrs[n]; }
    appendChild(c) { return this.insertBefore(c, null); }
    insertBefore(c, ref) {
      if (c.parentNode) c.remove();
      c.parentNode = this;
      const i = ref ? this.childNodes.indexOf(ref) : -1;
      this.childNodes.splice(i < 0 ? this.childNodes.length : i, 0, c);
      return c;
    }
    replaceChild(c, old) { this.insertBefore(c, old); old.remove(); }
    remove() { const p = this.parentNode; if (p) p.childNodes.splice(p.childNodes.indexOf(this), 1); this.parentNode = null; }
    contains(n) { for (; n; n = n.parentNode) if (n === this) return true; return false; }
    all() { return this.children.flatMap((c) => [c].concat(c.all())); }
    getElementsByTagName(t) { return this.all().filter((e) => e.tagName === t.toUpperCase()); }
    querySelector(sel) { return this.all().find((e) => e.classList.contains(sel.replace(/^\./, ''))) || null; }
    addEventListener(type, fn) { on(this, type, fn); }
    dispatchEvent() {}
    focus() { document.activeElement = this; }
    getBoundingClientRect() { return { left: 0, top: 0, width: 0, height: 0 }; }
  }
  const text = (v) => ({ nodeType: 3, nodeValue: String(v), textContent: String(v), parentNode: null, remove() { Node.prototype.remove.call(this); } });
  const build = (t) => {
    if (typeof t === 'string') return text(t);
    const [tag, attrs, ...kids] = t;
    const n = new Node(tag, attrs);
    kids.forEach((k) => n.appendChild(build(k)));
    return n;
  };
  const body = build(['body', {}, tree]);
  const document = {
    readyState: 'complete', baseURI: 'http://example.test/site/', activeElement: null, body,
    documentElement: { clientWidth: 1000 },
    createElement: (t) => new Node(t, {}),
    getElementById: (id) => body.all().find((e) => e.id === id) || null,
    getElementsByTagName: (t) => body.getElementsByTagName(t),
    addEventListener: (type, fn) => on(document, type, fn)
  };
  const window = {
    document, console, URL, setTimeout, clearTimeout, setInterval, clearInterval,
    innerWidth: 1000, scrollX: 0, getComputedStyle: (el) => ({ display: /flex/.test(el.attrs['data-display'] || '') ? 'flex' : 'block' }),
    addEventListener: (type, fn) => on(window, type, fn)
  };
  window.window = window;
  // Sends an event to a node and its ancestors, as a browser bubbles it.
  window.fire = (node, type, props) => {
    const ev = Object.assign({ type, target: node, button: 0, pointerType: 'mouse', defaultPrevented: false,
      preventDefault() { ev.defaultPrevented = true; } }, props);
    for (let n = node; n; n = n.parentNode) (listeners.get(n) || []).forEach(([t, fn]) => { if (t === type) fn(ev); });
    (listeners.get(window) || []).forEach(([t, fn]) => { if (t === type) fn(ev); });
    return ev;
  };
  return window;
}

// The runtime started on a fake page (see fakePage); returns the page's window.
function runOnPage(tree) {
  const vm = require('vm');
  const window = fakePage(tree);
  vm.runInContext(fs.readFileSync(runtimeFile, 'utf8'), vm.createContext(window));
  return window;
}

module.exports = { rt, runtimeFile, exe, exportPage, pageParams, scriptOf, tempDir, recordingHost, spawnSync, runOnPage };
