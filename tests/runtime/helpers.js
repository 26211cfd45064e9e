'use strict';
// Shared by the runtime's tests: the runtime itself, the program, and page reading.
const path = require('path');
const fs = require('fs');
const os = require('os');
const { spawnSync } = require('child_process');

const rt = require(path.join(__dirname, '..', '..', 'runtime', 'velkobutton.js'));
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

module.exports = { rt, exe, exportPage, pageParams, scriptOf, tempDir, recordingHost, spawnSync };
