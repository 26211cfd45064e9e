'use strict';
// The µ-law decoder against the program's own conversion, and the Sun audio header check.
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const path = require('path');
const { rt, exe, tempDir, spawnSync } = require('./helpers');

function au(rate, headerSize, samples, encoding) {
  const head = Buffer.alloc(headerSize);
  [0x2E736E64, headerSize, samples.length, encoding || 1, rate, 1].forEach((v, i) => head.writeUInt32BE(v, i * 4));
  return Buffer.concat([head, Buffer.from(samples)]);
}

const ALL = Array.from({ length: 256 }, (_, i) => i);

test('every µ-law byte decodes as the program converts it', { skip: exe ? false : 'VELKOBUTTON_EXE is not set' }, () => {
  const dir = tempDir();
  const input = path.join(dir, 'all.au');
  const wave = path.join(dir, 'all.wav');
  fs.writeFileSync(input, au(8000, 24, ALL));
  const res = spawnSync(exe, ['audio', input, '--wave', wave], { env: Object.assign({}, process.env, { QT_QPA_PLATFORM: 'offscreen' }) });
  assert.strictEqual(res.status, 0, String(res.stderr));
  const pcm = fs.readFileSync(wave).subarray(44);
  assert.deepStrictEqual(Array.from(ALL, rt.ulawToPcm8), Array.from(pcm));
  fs.rmSync(dir, { recursive: true, force: true });
});

test('the decoder\'s linear samples', () => {
  assert.deepStrictEqual([0x00, 0x80, 0xFF, 0x7F, 0x0F].map(rt.ulawToLinear), [-32124, 32124, 0, 0, -16764]);
  assert.deepStrictEqual([0x00, 0x80, 0xFF].map(rt.ulawToPcm8), [0x02, 0xFD, 0x80]);
  const d = rt.decodeAu(au(8012, 28, [0x00, 0xFF, 0x80]));
  assert.strictEqual(d.sampleRate, 8000);
  assert.deepStrictEqual(Array.from(d.samples), [-32124 / 32768, 0, 32124 / 32768]);
});

test('files that are not 8000 Hz mono µ-law are refused', () => {
  assert.strictEqual(rt.decodeAu(au(8013, 24, ALL)), null);
  assert.strictEqual(rt.decodeAu(au(7999, 24, ALL)), null);
  assert.strictEqual(rt.decodeAu(au(8000, 24, ALL, 3)), null);
  assert.strictEqual(rt.decodeAu(au(8000, 24, []).subarray(0, 20)), null);
  const long = au(8000, 24, [1, 2]);
  long.writeUInt32BE(4096, 4); // the header runs past the end
  assert.strictEqual(rt.decodeAu(long), null);
  assert.strictEqual(rt.decodeAu(new Uint8Array(0)), null);
  const stereo = au(8000, 24, ALL);
  stereo.writeUInt32BE(2, 20);
  assert.strictEqual(rt.decodeAu(stereo), null);
  assert.strictEqual(rt.decodeAu(au(8000, 24, [])).samples.length, 0);
});
