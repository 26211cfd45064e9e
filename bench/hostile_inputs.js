#!/usr/bin/env node
'use strict';
// The runtime on pathological plain data: one megabyte of each text that once cost quadratic
// time (place-holders that never close, chains of pauses, stray braces, quotes), parsed, run
// and its captions expanded. Not a test: run it by hand and read the figures (the aim is at
// most 100 ms each).
//
//   node bench/hostile_inputs.js [MEGABYTES]
const path = require('path');
const rt = require(path.join(__dirname, '..', 'runtime', 'velkobutton.js'));

const size = Math.round((Number(process.argv[2]) || 1) * 1024 * 1024);
const repeat = (unit) => unit.repeat(Math.ceil(size / unit.length)).slice(0, size);

// Each input as the runtime meets it: a caption to expand or a script to parse and run.
const inputs = [
  { name: 'caption of "${"', caption: repeat('${') },
  { name: 'caption of "${date."', caption: repeat('${date.%') },
  { name: 'script of "Pause 0;"', script: repeat('Pause 0;') },
  { name: 'script of "}"', script: repeat('}') },
  { name: 'script of "{"', script: repeat('{') },
  { name: "script of \"'\"", script: repeat("'") },
  { name: 'script of "\\\'"', script: "Output 0 '" + repeat("\\'") },
  { name: 'script of ";"', script: repeat(';') },
];

const names = { days: ['Sunday'], months: ['January'], meridiem: ['AM', 'PM'] };
// A host whose timers run as soon as the one before has, as a browser's do, so that a chain of
// pauses runs to its end here.
function host() {
  const queue = [];
  return {
    setTimeout(fn) { queue.push(fn); return queue.length; },
    clearTimeout() {},
    drain() {
      for (let i = 0; i < queue.length; i++) {
        const fn = queue[i];
        queue[i] = null;
        fn();
      }
    },
  };
}

const since = (t0) => Number(process.hrtime.bigint() - t0) / 1e6;
// The first run, as a page meets it, and the best of five after it.
function measure(input) {
  const runs = [];
  for (let round = 0; round < 6; round++) {
    const t0 = process.hrtime.bigint();
    if (input.caption !== undefined) {
      rt.expandText(input.caption, new Date(0), names, {});
    } else {
      const h = host();
      new rt.Engine(h).load(input.script);
      h.drain();
    }
    runs.push(since(t0));
  }
  return { first: runs[0], best: Math.min.apply(null, runs.slice(1)) };
}

console.log(`${(size / 1048576).toFixed(1)} MB of each; ms for the first run and the best of five after it`);
for (const input of inputs) {
  const m = measure(input);
  console.log(`${input.name.padEnd(24)} ${m.first.toFixed(1).padStart(8)} ${m.best.toFixed(1).padStart(8)}`);
}
