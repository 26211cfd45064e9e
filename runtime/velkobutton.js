// VelkoButton runtime, (c) 2026 Velko, MIT licence: https://opensource.org/licenses/MIT
/*
 * velkobutton.js - runs the buttons of a VelkoButton page in a browser without Java.
 *
 * The page carries the project in the PARAMs of an <APPLET> element as VelkoScript text.
 * On DOMContentLoaded this file finds each such applet, reads its parameters, parses the
 * script (keywords as words or as numeric tokens), draws the buttons on a <canvas> placed
 * in the applet's fallback content and makes them react to the mouse and the keyboard.
 *
 * Plain ES2019, no dependencies, ASCII only (pages of any encoding load it alike). The pure parts (tokenizer, parser, engine, audio decoder)
 * are exported through module.exports when the file is loaded by Node for its tests.
 * The language it reads is described in docs/velkoscript.md.
 */
(function (global) {
  'use strict';

  // A second copy on the same page (a pasted segment may bring one) leaves the first in charge.
  if (global && global.VelkoButtonRuntime) return;

  // ------------------------------------------------------------------ keywords

  const COMMAND_TOKENS = {
    1: 'internet', 2: 'timer', 3: 'call', 4: 'audio', 5: 'output', 6: 'cursor', 7: 'set',
    8: 'script', 9: 'read', 10: 'pause', 11: 'add', 12: 'sub',
    100: 'button', 101: 'propset', 102: 'propget', 103: 'animate', 104: 'stateset'
  };
  const COMMAND_WORDS = {};
  Object.keys(COMMAND_TOKENS).forEach(function (k) { COMMAND_WORDS[COMMAND_TOKENS[k]] = COMMAND_TOKENS[k]; });

  // Property names in token order: the index is the property's token.
  const PROPS = ['state', 'name', 'mode', 'x', 'y', 'width', 'height', 'show', 'drag', 'color',
    'style', 'text', 'textColor', 'textSize', 'textStyle', 'textAlignX', 'textAlignY',
    'textOffsetX', 'textOffsetY', 'textFont', 'image', 'imageStyle', 'imageAlignX', 'imageAlignY',
    'imageOffsetX', 'imageOffsetY', 'borderStyle', 'borderSmooth', 'borderTop', 'borderMid',
    'borderBot', 'borderThick', 'frameThick', 'frameColor', 'event', 'tip'];
  const PROP_WORDS = {};
  PROPS.forEach(function (p) { PROP_WORDS[p.toLowerCase()] = p; });

  const STATE_TOKENS = { 200: 'up', 201: 'over', 202: 'down', 203: 'all' };
  const STATE_WORDS = { up: 'up', over: 'over', down: 'down', all: 'all' };
  const STATE_INDEX = { up: 0, over: 1, down: 2 };
  const STATE_NAMES = ['up', 'over', 'down'];

  // Words that stand for numbers wherever a value is expected (no word has two values).
  const VALUE_WORDS = {
    status: 0, console: 1, yes: 1, no: 0, true: 1, false: 0, play: 0, loop: 1, stop: 2,
    crosshaircursor: 1, defaultcursor: 0, e_resizecursor: 11, handcursor: 12, movecursor: 13,
    n_resizecursor: 8, ne_resizecursor: 7, nw_resizecursor: 6, s_resizecursor: 9,
    se_resizecursor: 5, sw_resizecursor: 4, textcursor: 2, w_resize: 10, w_resizecursor: 10,
    waitcursor: 3, velkoscript: 0, javascript: 1, top: 0, center: 1, bottom: 2, left: 0,
    right: 2, solid: 0, transparent: 1, normal: 0, tile: 1, scale: 2, none: 0, flat: 1,
    bevel: 2, point: 3, raised: 4, push: 0, check: 1, radio: 2
  };

  const PROP_TYPES = {
    name: 'str', text: 'str', textFont: 'str', tip: 'str', image: 'image', event: 'event',
    show: 'bool', borderSmooth: 'bool',
    color: 'color', textColor: 'color', borderTop: 'color', borderMid: 'color',
    borderBot: 'color', frameColor: 'color'
  }; // every other property is an integer

  const CSS_CURSORS = ['default', 'crosshair', 'text', 'wait', 'sw-resize', 'se-resize',
    'nw-resize', 'ne-resize', 'n-resize', 's-resize', 'w-resize', 'e-resize', 'pointer', 'move'];

  const DEFAULT_DAYS = ['Sunday', 'Monday', 'Tuesday', 'Wednesday', 'Thursday', 'Friday', 'Saturday'];
  const DEFAULT_MONTHS = ['January', 'February', 'March', 'April', 'May', 'June', 'July',
    'August', 'September', 'October', 'November', 'December'];

  const INT_MIN = -2147483648;
  const INT_MAX = 2147483647;
  const MAX_DEPTH = 32;        // braces nested deeper than this are skipped
  const MAX_WARNINGS = 50;     // console warnings per parse before they are summed up
  const MAX_CANVAS = 8192;     // device pixels a side of one canvas, in every browser
  const MAX_APPLET = 16777216; // CSS pixels a side of one applet, within both engines' layout limits
  const TILE_CSS = 2048;       // CSS pixels a side of one canvas at most, so that only tiles near the view hold pixels
  const MAX_TILES = 4096;      // canvases of one applet at most (publish warns of an applet larger than these draw)
  const FIT_MARGIN = 8;
  const RATIO_TOLERANCE = 0.01; // a measured ratio this close to the one drawn at is the same        // CSS pixels kept free right of an applet scaled to fit the screen
  const KEY_GROUP = 50;         // consecutive buttons whose stand-ins share one element
  const EAGER_KEYS = 200;       // more buttons than this get their keyboard stand-ins after the first frame
  const MAX_STEPS = 10000;     // commands one run may execute (a loop made of Call stops here)
  const MAX_CALL_DEPTH = 16;
  const MIN_TIMER_MS = 10;

  // ------------------------------------------------------------------ tokenizer

  // Numbers as the generator writes them: decimal integers and 0x colours; anything larger
  // than 32 bits is clamped so that a huge number cannot make a huge canvas or loop.
  function toNumber(text) {
    const len = text.length;
    let n;
    if (len > 2 && text.charCodeAt(0) === 48 && (text.charCodeAt(1) | 32) === 120) { // 0x
      for (let i = 2; i < len; i++) if (!isHex(text.charCodeAt(i))) return null;
      n = len > 10 ? INT_MAX : parseInt(text.slice(2), 16);
    } else {
      const sign = text.charCodeAt(0) === 45 || text.charCodeAt(0) === 43 ? 1 : 0; // - or +
      if (len === sign) return null;
      for (let i = sign; i < len; i++) if (!isDigit(text.charCodeAt(i))) return null;
      n = len > 11 ? (text.charCodeAt(0) === 45 ? INT_MIN : INT_MAX) : parseInt(text, 10);
    }
    return Math.max(INT_MIN, Math.min(INT_MAX, n));
  }
  function isDigit(c) { return c >= 48 && c <= 57; }
  function isHex(c) { return isDigit(c) || ((c | 32) >= 97 && (c | 32) <= 102); }

  // Character classes for the tokenizer: 1 blank or control, 2 one of ; { } =, 3 a quote.
  const CLASS = new Uint8Array(128);
  for (let c = 0; c <= 32; c++) CLASS[c] = 1;
  ';{}='.split('').forEach(function (ch) { CLASS[ch.charCodeAt(0)] = 2; });
  CLASS[39] = 3;
  CLASS[34] = 3;
  // A word ends at any control character or space, as the generator's scripts are read.
  // eslint-disable-next-line no-control-regex
  const WORD_RE = /[^\x00-\x20;{}='"]+/y;

  /**
   * The script's tokens one at a time, {k, v, p}: k is 'w' (word), 'n' (number), 's' (quoted
   * text) or one of ; { } =; p is the character position. Read only as far as the parser has
   * got, so that a token lives as long as its statement. A run of semicolons is one token
   * (empty statements say nothing), and a closing brace that closes no block ends the
   * statement as a semicolon does, with a warning: a script of a million of either costs one
   * token, not a million. Never throws.
   * @constructor
   * @param {string} src
   * @param {?function(string, number, string): void} warn
   */
  function Lexer(src, warn) {
    this.src = src;
    this.warn = warn;
    this.at = 0;
    this.depth = 0;
    this.lastKind = '';
    /** @type {?Object} the token under the cursor, once read */
    this.tok = null;
    this.quoted = [];
  }

  /** The token under the cursor, or null at the end. */
  Lexer.prototype.peek = function () {
    if (this.tok === null) this.read();
    return this.tok;
  };

  /** Moves past the token under the cursor. */
  Lexer.prototype.next = function () {
    if (this.tok === null) this.read();
    this.tok = null;
  };

  /** Reads the next token into `tok`; false at the end of the script. */
  Lexer.prototype.read = function () {
    const src = this.src;
    const n = src.length;
    let i = this.at;
    while (i < n) {
      const c = src.charCodeAt(i);
      const cls = c < 128 ? CLASS[c] : 0;
      if (cls === 1) { i++; continue; }
      if (cls === 2) {
        let ch = src[i];
        if (ch === '}' && this.depth === 0) {
          if (this.warn) this.warn('unmatched closing brace', i, '}');
          ch = ';';
        }
        i++;
        if (ch === ';' && this.lastKind === ';') continue;
        if (ch === '{') this.depth++;
        else if (ch === '}') this.depth--;
        this.at = i;
        return this.push({ k: ch, v: ch, p: i - 1, raw: null });
      }
      if (cls === 3) {
        this.at = readQuoted(src, i, this.quoted, this.warn);
        return this.push(this.quoted.pop());
      }
      WORD_RE.lastIndex = i;
      WORD_RE.test(src);
      const end = WORD_RE.lastIndex;
      const text = src.slice(i, end);
      const f = text.charCodeAt(0);
      const num = (f >= 48 && f <= 57) || f === 45 || f === 43 ? toNumber(text) : null;
      this.at = end;
      if (num !== null) return this.push({ k: 'n', v: num, p: i, raw: text });
      return this.push({ k: 'w', v: text, p: i, raw: null });
    }
    this.at = n;
    return false;
  };

  Lexer.prototype.push = function (tk) {
    this.tok = tk;
    this.lastKind = tk.k;
    return true;
  };

  // Every token of the script at once (for tests and tools; the parser reads them one by one).
  function tokenize(src, warn) {
    const lexer = new Lexer(src, warn || null);
    const out = [];
    for (let tk = lexer.peek(); tk !== null; tk = lexer.peek()) {
      out.push(tk);
      lexer.next();
    }
    return out;
  }

  // One quoted text from position `start`, read as exactly the inverse of the generator's
  // escaping: \' is a quote, \n a line break, \x22 a double quote, \x5C a backslash; every
  // other backslash is itself, so that \\server\share and C:\dir keep theirs (the generator
  // writes \x5C for a backslash only where the next character would make it one of these).
  // Returns the position after it.
  function readQuoted(src, start, out, warn) {
    const q = src.charCodeAt(start);
    const n = src.length;
    let s = '';
    let i = start + 1;
    let seg = i;
    for (; i < n; i++) {
      const d = src.charCodeAt(i);
      if (d === q) {
        out.push({ k: 's', v: s + src.slice(seg, i), p: start, raw: null });
        return i + 1;
      }
      if (d === 92 && i + 1 < n) { // backslash
        s += src.slice(seg, i);
        const e = src[i + 1];
        if (e === 'n') { s += '\n'; i++; }
        else if (e === '\'') { s += e; i++; }
        else if (e === 'x' && src.substr(i + 2, 2) === '22') { s += '"'; i += 3; }
        else if (e === 'x' && src.substr(i + 2, 2) === '5C') { s += '\\'; i += 3; }
        else s += '\\'; // any other backslash stays (Windows paths, \\server\share)
        seg = i + 1;
      }
    }
    if (warn) warn('unterminated quoted text', start, src.slice(start, start + 40));
    out.push({ k: 's', v: s + src.slice(seg, n), p: start, raw: null });
    return n;
  }

  // ------------------------------------------------------------------ parser

  // Parses a whole script into a list of commands. Returns {commands, warnings, skipped}; every
  // statement that cannot be read is left out with one warning naming it and its position
  // (the first MAX_WARNINGS of them; `skipped` counts the others).
  function parse(src, options) {
    const warnings = [];
    let skipped = 0;
    src = typeof src === 'string' ? src : String(src === null || src === undefined ? '' : src);
    // Only the first warnings are kept whole: a script of a million stray braces costs a count.
    const warn = function (reason, pos, text) {
      if (warnings.length < MAX_WARNINGS) warnings.push({ reason: reason, pos: pos, text: text === undefined ? '' : text });
      else skipped++;
    };
    const lexer = new Lexer(src, warn);
    const state = { lexer: lexer, src: src, warn: warn, offset: (options && options.offset) || 0 };
    let commands;
    try {
      commands = parseList(state, 0);
      while (lexer.peek() !== null) { // a stray closing brace at the top level
        warn('unmatched closing brace', lexer.peek().p, '}');
        lexer.next();
        Array.prototype.push.apply(commands, parseList(state, 0));
      }
    } catch (e) { // not expected; the caller still gets an empty project
      warn('unreadable script: ' + e.message, 0, '');
      return { commands: [], warnings: warnings, skipped: skipped };
    }
    return { commands: commands, warnings: warnings, skipped: skipped };
  }

  // Reads statements until a closing brace (inside a block) or the end of the script.
  function parseList(st, depth) {
    const list = [];
    const lx = st.lexer;
    for (let head = lx.peek(); head !== null; head = lx.peek()) {
      if (head.k === '}') return list; // the caller deals with it
      if (head.k === ';') { lx.next(); continue; }
      const items = [];
      const first = head;
      let last = first;
      for (let tk = lx.peek(); tk !== null; tk = lx.peek()) {
        if (tk.k === ';') { lx.next(); break; }
        if (tk.k === '}') break;
        if (tk.k === '{') {
          lx.next();
          if (depth + 1 > MAX_DEPTH) {
            skipBlock(st);
            st.warn('braces nested too deeply', tk.p, '{');
            items.push({ k: 'b', v: [], p: tk.p, raw: null });
          } else {
            const inner = parseList(st, depth + 1);
            const close = lx.peek();
            if (close !== null && close.k === '}') { last = close; lx.next(); }
            else st.warn('unterminated brace', tk.p, st.src.slice(tk.p, tk.p + 40));
            items.push({ k: 'b', v: inner, p: tk.p, raw: null });
          }
          continue;
        }
        items.push(tk);
        last = tk;
        lx.next();
      }
      const cmd = readCommand(items, st);
      if (cmd) list.push(cmd);
      else {
        const end = Math.min(last.p + 1, first.p + 60);
        st.warn(st.lastReason || 'unreadable statement', first.p, st.src.slice(first.p, Math.max(end, first.p + 1)));
      }
      st.lastReason = null;
    }
    return list;
  }

  // Skips to the brace that closes one already opened, without recursion.
  function skipBlock(st) {
    let level = 1;
    const lx = st.lexer;
    for (let tk = lx.peek(); tk !== null && level > 0; tk = lx.peek()) {
      if (tk.k === '{') level++;
      else if (tk.k === '}') level--;
      lx.next();
    }
  }

  function commandOf(tk) {
    if (!tk) return null;
    if (tk.k === 'n') return COMMAND_TOKENS[tk.v] || null;
    if (tk.k === 'w') return COMMAND_WORDS[tk.v.toLowerCase()] || null;
    return null;
  }

  // A value item as a number: a number, a value word (True, Tile, HandCursor...), or null.
  function numberOf(tk) {
    if (!tk) return null;
    if (tk.k === 'n') return tk.v;
    if (tk.k === 'w') {
      const key = tk.v.toLowerCase();
      if (Object.prototype.hasOwnProperty.call(VALUE_WORDS, key)) return VALUE_WORDS[key];
      const f = Number(tk.v);
      return isFinite(f) && tk.v.trim() !== '' ? Math.max(INT_MIN, Math.min(INT_MAX, Math.round(f))) : null;
    }
    if (tk.k === 's') {
      const m = toNumber(tk.v.trim());
      return m;
    }
    return null;
  }

  // Text of a name or address item: quoted text or a bare word (_self, Background, Day0).
  function textOf(tk) {
    if (!tk) return null;
    if (tk.k === 's' || tk.k === 'w') return tk.v;
    if (tk.k === 'n') return tk.raw !== null && tk.raw !== undefined ? tk.raw : String(tk.v);
    return null;
  }

  // The items after a statement's command, without the "=" that the word form puts between
  // a name and its value.
  function argumentsOf(items) {
    const a = [];
    for (let i = 1; i < items.length; i++) if (items[i].k !== '=') a.push(items[i]);
    return a;
  }

  function fail(st, reason) { st.lastReason = reason; return null; }

  // Turns the items of one statement into a command object, or null with a reason.
  function readCommand(items, st) {
    const op = commandOf(items[0]);
    if (!op) {
      return fail(st, items[0].k === 'b' ? 'a block where a command was expected' : 'unknown command ' + (textOf(items[0]) || items[0].k));
    }
    if (op === 'button' || op === 'propset') {
      let at = 1;
      while (at < items.length && items[at].k === '=') at++;
      const name = textOf(items[at]);
      if (name === null) return fail(st, 'button without a name');
      const cmd = { op: op, name: name };
      // The project's own statement names its background without quotes; a user's
      // button is always quoted, so one called 'Background' stays a button.
      if (op === 'button' && items[at].k === 'w' && /^background$/i.test(name)) cmd.background = true;
      readProperties(items, at + 1, cmd, st);
      return cmd;
    }
    const a = argumentsOf(items);
    switch (op) {
      case 'set': {
        const name = textOf(a[0]);
        if (name === null || !a[1]) return fail(st, 'Set without a name and a value');
        return { op: 'set', name: name, value: valueOf(a[1]) };
      }
      case 'internet': {
        const url = textOf(a[0]);
        if (url === null) return fail(st, 'Internet without an address');
        const target = textOf(a[1]);
        return { op: 'internet', url: url, target: target === null || target === '' ? '_self' : target };
      }
      case 'timer': {
        const id = numberOf(a[0]);
        const ms = numberOf(a[1]);
        if (id === null || ms === null) return fail(st, 'Timer needs a number and an interval');
        return { op: 'timer', id: id, ms: ms };
      }
      case 'call': {
        const name = textOf(a[0]);
        if (name === null) return fail(st, 'Call without a name');
        return { op: 'call', name: name };
      }
      case 'audio': {
        const mode = numberOf(a[0]);
        const f = a[1];
        if (mode === null || !f || f.k === 'b') return fail(st, 'Audio needs Play, Loop or Stop and a file');
        return { op: 'audio', mode: mode, file: f.k === 'n' ? f.v : textOf(f) };
      }
      case 'output': {
        let channel = numberOf(a[0]);
        let text = textOf(a[1]);
        if (channel === null && a.length === 1) { channel = 0; text = textOf(a[0]); }
        if (channel === null || text === null) return fail(st, 'Output needs a channel and a text');
        return { op: 'output', channel: channel, text: text };
      }
      case 'cursor': {
        const c = numberOf(a[0]);
        if (c === null) return fail(st, 'Cursor needs a cursor number');
        return { op: 'cursor', cursor: c };
      }
      case 'script': {
        let lang = numberOf(a[0]);
        let code = textOf(a[1]);
        if (a.length === 1 && a[0].k === 's') { lang = 1; code = a[0].v; }
        if (lang === null || code === null) return fail(st, 'Script needs a language and a text');
        return { op: 'script', lang: lang, code: code };
      }
      case 'read': {
        const file = textOf(a[0]);
        if (file === null) return fail(st, 'Read without a file');
        const flag = a.length > 1 ? numberOf(a[1]) : 1;
        return { op: 'read', file: file, replace: flag !== 0 };
      }
      case 'pause': {
        const ms = numberOf(a[0]);
        if (ms === null) return fail(st, 'Pause needs an interval');
        return { op: 'pause', ms: ms };
      }
      case 'add':
      case 'sub': {
        const name = textOf(a[0]);
        const v = a.length > 1 ? numberOf(a[1]) : 1;
        if (name === null || v === null) return fail(st, op + ' needs a variable and a number');
        return { op: op, name: name, value: v };
      }
      case 'propget': {
        const name = textOf(a[0]);
        const prop = propertyOf(a[1]);
        const variable = textOf(a[2]);
        if (name === null || !prop || variable === null) return fail(st, 'PropGet needs a button, a property and a variable');
        return { op: 'propget', name: name, prop: prop, variable: variable };
      }
      case 'animate': {
        const img = numberOf(a[0]);
        if (img === null) return fail(st, 'Animate needs an image number');
        return { op: 'animate', image: img };
      }
      case 'stateset': {
        const name = textOf(a[0]);
        let s = a[1] ? numberOf(a[1]) : null;
        if (a[1] && s === null && a[1].k === 'w' && STATE_WORDS[a[1].v.toLowerCase()]) s = STATE_INDEX[a[1].v.toLowerCase()];
        if (s !== null && s >= 200 && s <= 202) s -= 200;
        if (name === null || s === null) return fail(st, 'StateSet needs a button and a state');
        return { op: 'stateset', name: name, state: s };
      }
    }
    return fail(st, 'unknown command');
  }

  function propertyOf(tk) {
    if (!tk) return null;
    if (tk.k === 'n') return tk.v >= 0 && tk.v < PROPS.length ? PROPS[tk.v] : null;
    if (tk.k === 'w') return PROP_WORDS[tk.v.toLowerCase()] || null;
    return null;
  }

  function stateOf(tk) {
    if (!tk) return null;
    if (tk.k === 'n') return STATE_TOKENS[tk.v] || null;
    if (tk.k === 'w') return STATE_WORDS[tk.v.toLowerCase()] || null;
    return null;
  }

  // The value of Set: a script block, a number or a text.
  function valueOf(tk) {
    if (tk.k === 'b') return { script: tk.v };
    if (tk.k === 'n') return tk.v;
    return tk.v;
  }

  // Reads "key value" pairs (word form: "Key=Value") with state keywords opening blocks.
  // Properties before the first state keyword belong to the button as a whole. A bare word
  // that is neither (a state of another name) opens a block that is skipped.
  function readProperties(a, from, cmd, st) {
    let block = cmd.base = { props: {}, events: null };
    for (let j = from; j < a.length;) {
      const tk = a[j];
      const state = stateOf(tk);
      if (state) {
        cmd[state] = cmd[state] || { props: {}, events: null };
        block = cmd[state];
        j++;
        continue;
      }
      const prop = propertyOf(tk);
      const eq = a[j + 1] && a[j + 1].k === '=';
      const value = a[j + (eq ? 2 : 1)];
      if (!prop) {
        if (!eq && (tk.k === 'w' || tk.k === 's')) {
          st.warn('unknown state ' + textOf(tk), tk.p, textOf(tk));
          block = { props: {}, events: null };
          j++;
        } else {
          st.warn('unknown property ' + (textOf(tk) || tk.k), tk.p, textOf(tk) || '');
          j += value ? (eq ? 3 : 2) : 1;
        }
        continue;
      }
      j += eq ? 3 : 2;
      if (!value) { st.warn('property ' + prop + ' without a value', tk.p, textOf(tk)); break; }
      if (prop === 'event') {
        if (value.k !== 'b') { st.warn('Event without braces', tk.p, textOf(tk)); j--; continue; }
        block.events = (block.events || []).concat(value.v);
        continue;
      }
      const v = convert(prop, value);
      if (v === undefined) { st.warn('bad value for ' + prop, value.p, textOf(value) || ''); continue; }
      block.props[prop] = v;
    }
  }

  // A property's value in its own type; undefined when the item cannot be one.
  function convert(prop, tk) {
    const type = PROP_TYPES[prop] || 'int';
    if (tk.k === 'b') return undefined;
    if (type === 'str') return textOf(tk);
    if (type === 'image') return tk.k === 's' ? tk.v : numberOf(tk) === null ? undefined : numberOf(tk);
    const n = numberOf(tk);
    if (n === null) return undefined;
    if (type === 'bool') return n !== 0;
    if (type === 'color') return n & 0xFFFFFF;
    return n;
  }

  // ------------------------------------------------------------------ parameters

  // Joins Script0, Script1, ... as the generator cut them: each value without its first and
  // last "+"; a Script0 that is not wrapped (a page reading its parameters from a file) as is.
  function joinScript(get) {
    let s = '';
    for (let k = 0; k < 100000; k++) {
      const v = get('Script' + k);
      if (v === null || v === undefined) break;
      if (v.length >= 2 && v[0] === '+' && v[v.length - 1] === '+') s += v.slice(1, -1);
      else s += v;
    }
    return s;
  }

  function splitList(v) {
    return v ? v.split('|') : [];
  }

  // Reads an input file (name=value lines) into a parameter map; the file doubles every
  // backslash, which is undone here.
  function parseParamFile(text) {
    const params = Object.create(null);
    String(text).split(/\r\n|\r|\n/).forEach(function (line) {
      const eq = line.indexOf('=');
      if (eq <= 0) return;
      params[line.slice(0, eq).trim().toLowerCase()] = line.slice(eq + 1).replace(/\\\\/g, '\\');
    });
    return params;
  }

  // ------------------------------------------------------------------ audio

  const SEGMENT_BASE = [0, 132, 396, 924, 1980, 4092, 8316, 16764];

  // One mu-law byte as a 16-bit linear sample (-32124 .. 32124).
  function ulawToLinear(u) {
    const v = ~u & 0xFF;
    const e = (v >> 4) & 7;
    const s = SEGMENT_BASE[e] + ((v & 0x0F) << (e + 3));
    return (v & 0x80) ? (-s | 0) : s;
  }

  // The same sample reduced to unsigned 8-bit PCM, as the program's own WAVE conversion does.
  function ulawToPcm8(u) {
    return ((ulawToLinear(u) >> 8) & 0xFF) ^ 0x80;
  }

  function readBE32(b, o) {
    return ((b[o] << 24) >>> 0) + (b[o + 1] << 16) + (b[o + 2] << 8) + b[o + 3];
  }

  // Decodes a Sun audio file (8000 Hz, mono, mu-law) into float samples; null when the bytes
  // are not such a file. The sample rates 8001 to 8012 are accepted as 8000.
  function decodeAu(bytes) {
    const b = bytes instanceof Uint8Array ? bytes : new Uint8Array(bytes);
    if (b.length < 24 || readBE32(b, 0) !== 0x2E736E64) return null;
    const headerSize = readBE32(b, 4);
    const rate = readBE32(b, 16);
    if (headerSize < 24 || headerSize > b.length || readBE32(b, 12) !== 1 || rate < 8000 || rate > 8012 || readBE32(b, 20) !== 1) return null;
    const out = new Float32Array(b.length - headerSize);
    for (let i = 0; i < out.length; i++) out[i] = ulawToLinear(b[headerSize + i]) / 32768;
    return { sampleRate: 8000, samples: out };
  }

  // ------------------------------------------------------------------ dynamic text

  function pad2(n) { return (n < 10 ? '0' : '') + n; }

  // Replaces ${date.%X} tokens with the parts of `now`, using the configurable names, and
  // ${name} with the value of a variable. A place-holder runs from "${" to the first "}"
  // after it; one scan from left to right, so that text that never closes costs no more
  // than any other.
  function expandText(text, now, names, vars) {
    if (text.indexOf('${') < 0) return text;
    let out = '';
    let from = 0;
    for (;;) {
      const open = text.indexOf('${', from);
      if (open < 0) break;
      const close = text.indexOf('}', open + 2);
      if (close < 0) break; // no later "${" closes either
      out += text.slice(from, open) + placeHolder(text.slice(open, close + 1), now, names, vars);
      from = close + 1;
    }
    return out + text.slice(from);
  }

  // The text of one place-holder `whole` ("${...}"); an unknown name stays as it is.
  function placeHolder(whole, now, names, vars) {
    const body = whole.slice(2, -1);
    if (body.slice(0, 5).toLowerCase() === 'date.') {
      return body.slice(5).replace(/%([a-zA-Z%])/g, function (m, f) { return dateField(f, now, names); });
    }
    const v = vars && vars[body.toLowerCase()];
    return v === undefined || (v && v.script) ? whole : String(v);
  }

  function dateField(f, d, names) {
    const h12 = d.getHours() % 12 === 0 ? 12 : d.getHours() % 12;
    switch (f) {
      case 'A': return names.days[d.getDay()];
      case 'a': return names.days[d.getDay()].slice(0, 3);
      case 'w': return String(d.getDay());
      case 'B': return names.months[d.getMonth()];
      case 'b': return names.months[d.getMonth()].slice(0, 3);
      case 'd': return pad2(d.getDate());
      case 'm': return pad2(d.getMonth() + 1);
      case 'y': return pad2(d.getFullYear() % 100);
      case 'Y': return String(d.getFullYear());
      case 'H': return pad2(d.getHours());
      case 'I': return pad2(h12);
      case 'M': return pad2(d.getMinutes());
      case 'S': return pad2(d.getSeconds());
      case 'p': return d.getHours() < 12 ? names.am : names.pm;
      case 'c': return names.days[d.getDay()] + ' ' + names.months[d.getMonth()] + ' ' + d.getDate() + ' ' +
        pad2(d.getHours()) + ':' + pad2(d.getMinutes()) + ':' + pad2(d.getSeconds()) + ' ' + d.getFullYear();
      case '%': return '%';
    }
    return '%' + f;
  }

  // ------------------------------------------------------------------ engine

  const DEFAULT_LOOK = {
    x: 0, y: 0, width: 100, height: 40, show: true, drag: 0, state: 0, mode: 0, tip: '',
    color: 0xC0C0C0, style: 0, textColor: 0, textSize: 11, textStyle: 0, textAlignX: 1,
    textAlignY: 1, textOffsetX: 0, textOffsetY: 0, textFont: 'Arial', image: null, imageStyle: 0,
    imageAlignX: 1, imageAlignY: 1, imageOffsetX: 0, imageOffsetY: 0, borderStyle: 2,
    borderSmooth: true, borderTop: 0xFFFFFF, borderMid: 0xC0C0C0, borderBot: 0, borderThick: 3,
    frameThick: 0, frameColor: 0
  };

  // The project as it runs: buttons, variables, names for dynamic text, timers. The host
  // gives it the browser (or a test double): draw, navigate, status, cursor, audio, fetch,
  // runJs, setTimeout, clearTimeout, setInterval, clearInterval, log, warn.
  function Engine(host) {
    this.host = host || {};
    this.buttons = [];
    this.byName = Object.create(null);
    this.vars = Object.create(null);
    this.names = { days: DEFAULT_DAYS.slice(), months: DEFAULT_MONTHS.slice(), am: 'AM', pm: 'PM' };
    this.images = [];
    this.audio = [];
    this.refresh = 0;
    this.timers = Object.create(null);
    this.readGeneration = 0;
    this.background = null;
    this.current = null; // the budget and depth of the event being run
    this.pageCursor = null; // set by a Cursor statement outside any button
  }

  Engine.prototype.warn = function (w) {
    if (this.host.warn) this.host.warn(w);
  };

  // Parses a script and runs it; warnings go to the host, at most MAX_WARNINGS of them.
  Engine.prototype.load = function (script, origin) {
    const res = parse(script);
    const self = this;
    res.warnings.forEach(function (w) {
      self.warn('VelkoButton: skipped ' + (w.text ? '"' + w.text + '"' : 'text') + ' at character ' + w.pos +
        (origin ? ' of ' + origin : '') + ': ' + w.reason);
    });
    if (res.skipped) this.warn('VelkoButton: ' + res.skipped + ' further problems in the script were skipped');
    this.run(res.commands, null);
    return res;
  };

  // Runs a list of commands; a Pause carries the rest on after its interval.
  // One user event (or timer, or continuation after a Pause) has one budget of steps and one
  // depth for everything it sets off: the blocks it runs, Call, Script and the clicks of other
  // buttons share them, so that no script, however it calls itself, can hold the page.
  // `from` is where a list carried on after a Pause goes on (0: its start); the list itself
  // is never copied, so that a chain of pauses costs its length once.
  Engine.prototype.run = function (commands, button, depth, budget, from) {
    if (!commands || this.stopped) return;
    if (this.current) { this.runIn(commands, button, this.current, from); return; }
    const event = { steps: MAX_STEPS + commands.length - (from || 0), depth: depth || 0 };
    this.current = event;
    try { this.runIn(commands, button, event, from); } finally { this.current = null; }
  };

  Engine.prototype.runIn = function (commands, button, budget, from) {
    const depth = budget.depth;
    if (depth > MAX_CALL_DEPTH) return;
    for (let i = from || 0; i < commands.length; i++) {
      if (--budget.steps < 0) {
        if (budget.steps === -1) this.warn('VelkoButton: script stopped after too many commands');
        return;
      }
      const c = commands[i];
      if (c.op === 'pause') {
        const self = this;
        const next = i + 1;
        if (next < commands.length) this.later(Math.max(0, c.ms), function () { self.run(commands, button, 0, null, next); });
        return;
      }
      try {
        this.exec(c, button, depth, budget);
      } catch (e) {
        this.warn('VelkoButton: ' + c.op + ' failed: ' + (e && e.message));
      }
    }
  };

  // A project replaced in its applet: nothing of it runs any more.
  Engine.prototype.stop = function () {
    this.stopped = true;
    const h = this.host;
    for (const id in this.timers) if (h.clearTimeout) h.clearTimeout(this.timers[id]);
    this.timers = Object.create(null);
  };

  Engine.prototype.later = function (ms, fn) {
    return this.host.setTimeout ? this.host.setTimeout(fn, ms) : null;
  };

  Engine.prototype.exec = function (c, button, depth, budget) {
    const h = this.host;
    switch (c.op) {
      case 'button': this.defineButton(c); break;
      case 'set': this.setVar(c.name, c.value); break;
      case 'internet': if (h.navigate) h.navigate(this.resolve(c.url), c.target); break;
      case 'output':
        if (c.channel === 1) { if (h.log) h.log(c.text); }
        else if (h.status) h.status(c.text);
        break;
      case 'cursor': // inside a button's block its cursor is known already (cursorOf)
        if (!button) {
          // Outside any button it is the page's cursor until another says otherwise.
          this.pageCursor = CSS_CURSORS[c.cursor] || 'default';
          if (h.cursor) h.cursor(this.pageCursor);
        }
        break;
      case 'audio': {
        const file = typeof c.file === 'number' ? this.audio[c.file] : c.file;
        if (file && h.audio) h.audio(c.mode, this.resolve(file));
        break;
      }
      case 'timer': this.setTimer(c.id, c.ms); break;
      case 'call': {
        const v = this.vars[c.name.toLowerCase()];
        const target = v && v.script ? null : this.find(c.name);
        if (!(v && v.script) && !target) break;
        budget.depth++;
        try {
          if (target) this.click(target);
          else this.runIn(v.script, button, budget);
        } finally { budget.depth--; }
        break;
      }
      case 'script':
        if (c.lang === 1) { if (h.runJs) h.runJs(c.code); }
        else {
          budget.depth++;
          try { this.runIn(parse(c.code).commands, button, budget); } finally { budget.depth--; }
        }
        break;
      case 'read': this.read(c.file, c.replace); break;
      case 'add': case 'sub': {
        const key = c.name.toLowerCase();
        const cur = Number(this.vars[key]) || 0;
        this.setVar(c.name, c.op === 'add' ? cur + c.value : cur - c.value);
        break;
      }
      case 'propset': this.propSet(c); break;
      case 'propget': {
        const b = this.find(c.name);
        if (b) this.setVar(c.variable, b.prop(c.prop));
        break;
      }
      case 'animate': if (h.animate) h.animate(c.image); break;
      case 'stateset': {
        const b = this.find(c.name);
        if (b) this.setState(b, c.state);
        break;
      }
    }
  };

  Engine.prototype.resolve = function (file) {
    return this.host.resolve ? this.host.resolve(file) : file;
  };

  // Variables; some names mean settings of the runtime.
  Engine.prototype.setVar = function (name, value) {
    const key = String(name).toLowerCase();
    this.vars[key] = value;
    let m;
    if (key === 'refresh') {
      this.refresh = Math.max(0, Number(value) || 0);
      if (this.host.setRefresh) this.host.setRefresh(this.refresh);
    } else if ((m = /^day([0-6])$/.exec(key))) this.names.days[+m[1]] = String(value);
    else if ((m = /^month(\d|1[01])$/.exec(key))) this.names.months[+m[1]] = String(value);
    else if (key === 'am') this.names.am = String(value);
    else if (key === 'pm') this.names.pm = String(value);
    else if ((m = /^(.*)\.leave$/.exec(key))) {
      const b = this.find(String(name).slice(0, m[1].length));
      if (b) b.leave = value && value.script ? value.script : null;
    }
    this.changed();
  };

  // Every change of the model counts up `version`, so that the page redoes its costlier
  // checks (is there a clock to tick?) only after one.
  // Only `b` looks different now (without it: anything may).
  Engine.prototype.redraw = function (b) {
    if (this.host.draw) this.host.draw(b);
  };

  // `b`, when given, is the one button that changed: a page may then redo only its part.
  Engine.prototype.changed = function (b) {
    this.version = (this.version || 0) + 1;
    if (b && this.host.changedButton) this.host.changedButton(b);
    else if (this.host.draw) this.host.draw();
  };

  // Timer n ms runs the script held by the variable Timer<n> once, after ms; 0 cancels it.
  Engine.prototype.setTimer = function (id, ms) {
    const h = this.host;
    if (this.timers[id] !== undefined && h.clearTimeout) h.clearTimeout(this.timers[id]);
    delete this.timers[id];
    if (ms <= 0) return;
    const self = this;
    this.timers[id] = this.later(Math.max(MIN_TIMER_MS, ms), function () {
      delete self.timers[id];
      const v = self.vars['timer' + id];
      if (v && v.script) self.run(v.script, null);
    });
  };

  Engine.prototype.read = function (file, replace) {
    const h = this.host;
    if (!h.fetch) return;
    const self = this;
    const generation = ++this.readGeneration;
    Promise.resolve().then(function () { return h.fetch(self.resolve(file)); }).then(function (text) {
      if (generation !== self.readGeneration) return; // a later read has started
      self.applyParams(parseParamFile(text), replace, file);
    }).catch(function (e) {
      self.warn('VelkoButton: could not read ' + file + ': ' + (e && e.message ? e.message : e));
      if (self.host.status) self.host.status('The input file ' + file + ' could not be read.');
    });
  };

  // Runs the parameters of an input file: its lists, then its script. With `replace` the
  // buttons that earlier readings made are removed first.
  Engine.prototype.applyParams = function (params, replace, origin) {
    // A button read again keeps what the mouse is doing to it.
    const touched = Object.create(null);
    this.buttons.forEach(function (b) {
      if (b.hover || b.pressed) touched[b.name.toLowerCase()] = { hover: b.hover, pressed: b.pressed };
    });
    if (replace) {
      const self = this;
      this.buttons = this.buttons.filter(function (b) { return !b.fromFile; });
      this.byName = Object.create(null);
      this.buttons.forEach(function (b) { self.byName[b.name.toLowerCase()] = b; });
      if (this.background && this.background.fromFile) this.background = null;
    }
    if (params.images0 !== undefined) this.setImages(splitList(params.images0));
    if (params.audio0 !== undefined) this.audio = splitList(params.audio0);
    this.loadingFile = true;
    try {
      this.load(joinScript(function (name) {
        const v = params[name.toLowerCase()];
        return v === undefined ? null : v;
      }), origin);
    } finally { this.loadingFile = false; }
    for (const key in touched) {
      const b = this.byName[key];
      if (b) { b.hover = touched[key].hover; b.pressed = touched[key].pressed; }
    }
    this.changed();
  };

  Engine.prototype.setImages = function (list) {
    this.images = list;
    if (this.host.images) this.host.images(list.map(this.resolve, this));
  };

  // A Button statement makes a button, or redefines the one of the same name; the project's
  // Background statement makes (or remakes) the background.
  Engine.prototype.defineButton = function (c) {
    const fresh = new Button(c);
    fresh.fromFile = !!this.loadingFile;
    if (c.background) {
      fresh.isBackground = true;
      this.background = fresh;
      this.changed();
      return;
    }
    const key = c.name.toLowerCase();
    const old = this.byName[key];
    const i = old ? this.buttons.indexOf(old) : -1;
    if (i >= 0) this.buttons[i] = fresh;
    else this.buttons.push(fresh);
    this.byName[key] = fresh;
    const leave = this.vars[key + '.leave'];
    if (leave && leave.script) fresh.leave = leave.script;
    this.changed();
  };

  // PropSet of the background changes it too.
  Engine.prototype.find = function (name) {
    const key = String(name).toLowerCase();
    return this.byName[key] || (key === 'background' ? this.background : null);
  };

  Engine.prototype.propSet = function (c) {
    const b = this.find(c.name);
    if (!b) return;
    b.merge(c);
    this.changed(b);
  };

  // ------------------------------------------------------------------ button behaviour

  function Button(c) {
    this.name = c.name;
    this.blocks = { base: { props: {}, events: null }, all: null, up: null, over: null, down: null };
    this.leave = null;
    this.merge(c);
    const base = this.blocks.base.props;
    this.selected = base.state === 2;
    this.hover = false;
    this.pressed = false;
    this.dx = 0; // dragged distance
    this.dy = 0;
    this.fromFile = false; // read from the input file, so replaced when it is read again
    this.isBackground = false;
    /** @type {number|undefined} the state an editor shows, whatever the pointer does */
    this.forced = undefined;
    // Where a running applet last drew it (null until its first drawing) and its place in the list.
    /** @type {{x: number, y: number, w: number, h: number}|null} */
    this._vbArea = null;
    this._vbIndex = 0;
  }

  // Adds the blocks of a Button or PropSet statement: later values win.
  Button.prototype.merge = function (c) {
    const self = this;
    ['base', 'all', 'up', 'over', 'down'].forEach(function (k) {
      const src = c[k];
      if (!src) return;
      const dst = self.blocks[k] = self.blocks[k] || { props: {}, events: null };
      Object.assign(dst.props, src.props);
      if (src.events) dst.events = src.events;
    });
    this.looks = null;
  };

  // The values of one state: defaults, the button's own values, then the state's block.
  // Each state's look is made when first asked for (the first drawing needs only Up), as an
  // object of one fixed shape, which the drawing reads thousands of times.
  Button.prototype.look = function (s) {
    const looks = this.looks || (this.looks = [null, null, null]);
    return looks[s] || (looks[s] = this.makeLook(s));
  };

  Button.prototype.makeLook = function (s) {
    const bl = this.blocks;
    const l = new Look(this.name);
    copyProps(l, bl.base.props);
    if (bl.all) copyProps(l, bl.all.props);
    const own = bl[STATE_NAMES[s]];
    if (own) copyProps(l, own.props);
    return l;
  };

  // The image a state shows, read from the blocks without making its look.
  Button.prototype.imageOf = function (s) {
    if (this.looks && this.looks[s]) return this.looks[s].image;
    const bl = this.blocks;
    const own = bl[STATE_NAMES[s]];
    if (own && own.props.image !== undefined) return own.props.image;
    if (bl.all && bl.all.props.image !== undefined) return bl.all.props.image;
    return bl.base.props.image !== undefined ? bl.base.props.image : DEFAULT_LOOK.image;
  };

  function copyProps(l, props) {
    for (const k in props) l[k] = props[k];
  }

  function Look(name) {
    const d = DEFAULT_LOOK;
    this.x = d.x; this.y = d.y; this.width = d.width; this.height = d.height;
    this.show = d.show; this.drag = d.drag; this.state = d.state; this.mode = d.mode;
    this.name = undefined; this.text = name; this.tip = d.tip;
    this.color = d.color; this.style = d.style;
    this.textColor = d.textColor; this.textSize = d.textSize; this.textStyle = d.textStyle;
    this.textAlignX = d.textAlignX; this.textAlignY = d.textAlignY;
    this.textOffsetX = d.textOffsetX; this.textOffsetY = d.textOffsetY; this.textFont = d.textFont;
    this.image = d.image; this.imageStyle = d.imageStyle;
    this.imageAlignX = d.imageAlignX; this.imageAlignY = d.imageAlignY;
    this.imageOffsetX = d.imageOffsetX; this.imageOffsetY = d.imageOffsetY;
    this.borderStyle = d.borderStyle; this.borderSmooth = d.borderSmooth;
    this.borderTop = d.borderTop; this.borderMid = d.borderMid; this.borderBot = d.borderBot;
    this.borderThick = d.borderThick; this.frameThick = d.frameThick; this.frameColor = d.frameColor;
    this._font = null; // the caption's font, worked out when first drawn
    this._rings = null; // the border's colours, ring by ring
  }

  Button.prototype.events = function (s) {
    const b = this.blocks[STATE_NAMES[s]];
    return b && b.events;
  };

  // The cursor of a state: the last Cursor command of its event block (the button's own
  // block for the background), else the default arrow.
  Button.prototype.cursorOf = function (s) {
    const block = this.isBackground ? this.blocks.base : this.blocks[STATE_NAMES[s]];
    const list = (block && block.events) || [];
    let c = 0;
    list.forEach(function (e) { if (e.op === 'cursor') c = e.cursor; });
    return CSS_CURSORS[c] || 'default';
  };

  Button.prototype.mode = function () { return this.blocks.base.props.mode || 0; };
  Button.prototype.visible = function () { return this.look(0).show !== false; };
  Button.prototype.draggable = function () { return this.blocks.base.props.drag === 1; };

  // The address a push button opens when clicked (its Up block's first Internet command),
  // or null: such a button is a link for the keyboard, the mouse's other buttons and
  // screen readers.
  Button.prototype.link = function () {
    if (this.mode() !== 0) return null;
    const list = this.events(0) || [];
    for (let i = 0; i < list.length; i++) if (list[i].op === 'internet') return list[i];
    return null;
  };

  // The state shown now: pressed over it or selected is Down, hovered is Over.
  Button.prototype.shown = function () {
    if (this.forced !== undefined) return this.forced;
    if ((this.pressed && this.hover) || this.selected) return 2;
    return this.hover ? 1 : 0;
  };

  Button.prototype.prop = function (p) {
    const v = this.look(this.shown())[p];
    if (p === 'state') return this.shown();
    return v === undefined ? null : v;
  };

  // The rectangle of a state: its X and Y are absolute, plus any dragging.
  Button.prototype.rect = function (s) {
    const l = this.look(s);
    return { x: l.x + this.dx, y: l.y + this.dy, w: Math.max(0, Math.min(l.width, 16384)), h: Math.max(0, Math.min(l.height, 16384)) };
  };

  Engine.prototype.enter = function (b) {
    if (b.hover) return;
    b.hover = true;
    b.forced = undefined;
    if (!b.selected) this.run(b.events(1), b);
    this.redraw(b);
  };

  Engine.prototype.leaveButton = function (b) {
    if (!b.hover) return;
    b.hover = false;
    b.pressed = false;
    b.forced = undefined;
    if (this.host.status) this.host.status('');
    this.run(b.leave, b);
    this.redraw(b);
  };

  Engine.prototype.press = function (b) {
    b.forced = undefined;
    if (b.pressed) return;
    b.pressed = true;
    if (!b.selected) this.run(b.events(2), b);
    this.redraw(b);
  };

  // Release over the button: the click. Push buttons run their Up block; a check box
  // toggles; a radio button is selected and releases the project's other radio buttons.
  Engine.prototype.release = function (b) {
    if (!b.pressed) return;
    b.pressed = false;
    const mode = b.mode();
    if (mode === 1) {
      b.selected = !b.selected;
      if (!b.selected) this.run(b.events(0), b);
    } else if (mode === 2) {
      if (!b.selected) {
        b.selected = true;
        const self = this;
        this.buttons.forEach(function (o) {
          if (o !== b && o.mode() === 2 && o.selected) {
            o.selected = false;
            self.run(o.events(0), o);
          }
        });
      }
    } else {
      b.selected = false;
      this.run(b.events(0), b);
    }
    this.redraw(mode === 2 ? undefined : b);
  };

  Engine.prototype.cancelPress = function (b) {
    b.pressed = false;
    this.redraw(b);
  };

  Engine.prototype.click = function (b) {
    if (this.current && this.current.depth > MAX_CALL_DEPTH) return;
    this.press(b);
    this.release(b);
  };

  // StateSet: 2 selects the button, 0 releases it, 1 shows it as Over until the mouse comes.
  Engine.prototype.setState = function (b, s) {
    if (s === 2) {
      b.selected = true;
      b.forced = undefined;
      // One radio button of the project is down at a time, however it got there.
      if (b.mode() === 2) {
        this.buttons.forEach(function (o) {
          if (o !== b && o.mode() === 2) o.selected = false;
        });
      }
    }
    else if (s === 0) { b.selected = false; b.forced = b.hover ? undefined : undefined; b.pressed = false; }
    else if (s === 1) { b.selected = false; b.forced = 1; }
    this.redraw(s === 2 && b.mode() === 2 ? undefined : b);
  };

  // The topmost visible button under a point (the background is not one).
  Engine.prototype.hit = function (x, y) {
    for (let i = this.buttons.length - 1; i >= 0; i--) {
      const b = this.buttons[i];
      if (!b.visible()) continue;
      const r = b.rect(b.shown());
      if (x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h) return b;
    }
    return null;
  };

  // Whether a caption of the button shows the date or time, which a clock draws again each second.
  const DATE_RE = /\$\{date\./i;
  function showsTime(b) {
    return [0, 1, 2].some(function (s) { return DATE_RE.test(b.look(s).text || ''); });
  }

  Engine.prototype.clockButtons = function () { return this.buttons.filter(showsTime); };

  Engine.prototype.hasClock = function () { return this.clockButtons().length > 0; };

  // ------------------------------------------------------------------ look to CSS

  /** @param {number} n */
  function px(n) { return n + 'px'; }

  /** An address in url("..."), with nothing in it that could end it or the style sheet. @param {string} a */
  function urlText(a) {
    let out = '';
    for (let i = 0; i < a.length; i++) {
      const c = a.charCodeAt(i);
      out += c < 32 || c === 127 || '"\'\\<>() '.indexOf(a[i]) >= 0 ? '%' + (c < 16 ? '0' : '') + c.toString(16).toUpperCase() : a[i];
    }
    return out;
  }

  /** The family of a caption's font in a style sheet: a font file as its @font-face names it. @param {string} name */
  function cssFamily(name) {
    const n = String(name || '');
    if (FONT_FILE_RE.test(n)) return '"VelkoButton ' + (n.split(/[/\\]/).pop() || '').replace(/[^A-Za-z0-9._-]/g, '_') + '", sans-serif';
    const f = familyOf(n);
    return f.slice(-13) === '", sans-serif' ? '"' + n.replace(/["\\;{}<>\x00-\x1f]/g, '') + '", sans-serif' : f; // eslint-disable-line no-control-regex
  }

  /** @param {number} align @param {number} off */
  function imagePlace(align, off) {
    if (align === 0) return px(off);
    const base = align === 2 ? '100%' : '50%';
    return off === 0 ? base : 'calc(' + base + ' + ' + px(off) + ')';
  }

  /**
   * A look as the style sheet has it: declarations of the button's element and its caption's
   * span, placed from (ox, oy); `flow` gives a least height. `l.image` is an address or null.
   * @param {any} l @param {number} ox @param {number} oy @param {boolean} flow
   * @returns {{box: string, cap: string}}
   */
  function lookCss(l, ox, oy, flow) {
    const w = Math.max(0, Math.min(l.width, 16384));
    const h = Math.max(0, Math.min(l.height, 16384));
    const dx = l.x - ox;
    const dy = l.y - oy;
    const align = function (/** @type {number} */ a) { return a === 0 ? 'flex-start' : a === 2 ? 'flex-end' : 'center'; };
    const box = ['width:' + px(w), (flow ? 'min-height:' : 'height:') + px(h),
      'transform:' + (dx === 0 && dy === 0 ? 'none' : 'translate(' + px(dx) + ',' + px(dy) + ')'),
      'cursor:' + (CSS_CURSORS[l.cursor] || 'default'), 'color:' + css(l.textColor),
      'background-color:' + (l.style === 0 ? css(l.color) : 'transparent')];
    if (l.image === null || l.image === undefined) box.push('background-image:none');
    else {
      box.push('background-image:url("' + urlText(String(l.image)) + '")', 'background-repeat:' + (l.imageStyle === 1 ? 'repeat' : 'no-repeat'),
        'background-size:' + (l.imageStyle === 2 ? '100% 100%' : 'auto'), 'background-position:' + (l.imageStyle === 1 || l.imageStyle === 2
          ? '0 0' : imagePlace(l.imageAlignX, l.imageOffsetX) + ' ' + imagePlace(l.imageAlignY, l.imageOffsetY)));
    }
    const shadows = [];
    const f = Math.max(0, Math.min(l.frameThick, Math.floor(Math.min(w, h) / 2)));
    if (f > 0) shadows.push('inset 0 0 0 ' + px(f) + ' ' + css(l.frameColor));
    if (l.borderStyle >= 1 && l.borderStyle <= 4) {
      const t = Math.max(0, Math.min(l.borderThick, Math.floor(Math.min(w - 2 * f, h - 2 * f) / 2)));
      const rings = t > 0 ? borderRings(l, t) : [];
      for (let i = 0; i < t; i++) {
        const k = px(f + i + 1);
        const hi = rings[2 * i];
        const lo = rings[2 * i + 1];
        shadows.push('inset 0 ' + k + ' ' + hi + ',inset 0 -' + k + ' ' + lo + ',inset -' + k + ' 0 ' + lo + ',inset ' + k + ' 0 ' + hi);
      }
    }
    box.push('box-shadow:' + (shadows.join(',') || 'none'), 'justify-content:' + align(l.textAlignX), 'align-items:' + align(l.textAlignY),
      'text-align:' + (l.textAlignX === 0 ? 'left' : l.textAlignX === 2 ? 'right' : 'center'),
      'padding:' + px(Math.max(0, l.borderStyle ? l.borderThick : 0) + Math.max(0, l.frameThick) + 2));
    const size = Math.max(1, Math.min(l.textSize, 255));
    const st = l.textStyle | 0;
    const cap = ['font:' + (st & 2 ? 'italic ' : '') + (st & 1 ? 'bold ' : '') + size / 16 + 'rem/' + Math.round(size * 1.2) / 16 + 'rem ' + cssFamily(l.textFont),
      'text-decoration:' + (st & 4 ? 'underline' : 'none'),
      'text-shadow:' + (st & 8 ? '-1px -1px 0 #ffffff,1px 1px 0 #000000' : st & 16 ? '-1px -1px 0 #000000,1px 1px 0 #ffffff' : 'none'),
      'left:' + px(l.textOffsetX), 'top:' + px(l.textOffsetY)];
    return { box: box.join(';'), cap: cap.join(';') };
  }

  // ------------------------------------------------------------------ drawing

  function css(c) {
    return '#' + ('000000' + (c & 0xFFFFFF).toString(16)).slice(-6);
  }

  function mix(a, b, t) {
    const ch = function (s) {
      const x = (a >> s) & 255;
      const y = (b >> s) & 255;
      return Math.round(x + (y - x) * t) << s;
    };
    return ch(16) | ch(8) | ch(0);
  }

  // One ring of the border, `i` pixels in from the edge, its top-left and bottom-right sides.
  function ring(g, r, i, light, dark) {
    const w = r.w - 2 * i;
    const h = r.h - 2 * i;
    if (w <= 0 || h <= 0) return;
    const m = g._vbMatrix;
    if (m && (m.a !== 1 || m.d !== 1)) { ringOnDevicePixels(g, m, r.x + i, r.y + i, w, h, light, dark); return; }
    g.fillStyle = light;
    g.fillRect(r.x + i, r.y + i, w, 1);
    g.fillRect(r.x + i, r.y + i, 1, h);
    g.fillStyle = dark;
    g.fillRect(r.x + i, r.y + i + h - 1, w, 1);
    g.fillRect(r.x + i + w - 1, r.y + i + 1, 1, h - 1);
  }

  // The border inside the rectangle r. Smooth borders shade each ring towards the middle
  // colour; Raised is a ridge (outer half bevelled, inner half reversed); Point is a groove.
  // A ring on whole device pixels: at a ratio of 1.25 or 1.5 a line one pixel wide would
  // cover part of a device pixel and blend with the next ring into a seam. Each edge is
  // rounded to the device grid, so neighbouring rings meet without gap or overlap.
  function ringOnDevicePixels(g, m, x, y, w, h, light, dark) {
    const X = function (v) { return Math.round(m.a * v + m.e); };
    const Y = function (v) { return Math.round(m.d * v + m.f); };
    const x0 = X(x), x1 = X(x + 1), x2 = X(x + w - 1), x3 = X(x + w);
    const y0 = Y(y), y1 = Y(y + 1), y2 = Y(y + h - 1), y3 = Y(y + h);
    g.save();
    g.setTransform(1, 0, 0, 1, 0, 0);
    g.fillStyle = light;
    g.fillRect(x0, y0, x3 - x0, y1 - y0);
    g.fillRect(x0, y0, x1 - x0, y3 - y0);
    g.fillStyle = dark;
    g.fillRect(x0, y2, x3 - x0, y3 - y2);
    g.fillRect(x2, y1, x3 - x2, y3 - y1);
    g.restore();
  }

  function drawBorder(g, r, l) {
    const t = Math.max(0, Math.min(l.borderThick, Math.floor(Math.min(r.w, r.h) / 2)));
    const style = l.borderStyle;
    if (style <= 0 || style > 4 || t === 0) return;
    // The colours of the rings depend on the look and the thickness only: worked out once,
    // as the strings the context takes.
    let rings = l._rings;
    if (!rings || rings.t !== t) rings = l._rings = borderRings(l, t);
    for (let i = 0; i < t; i++) ring(g, r, i, rings[2 * i], rings[2 * i + 1]);
  }

  function borderRings(l, t) {
    const style = l.borderStyle;
    const rings = /** @type {any} the colours, ring by ring, and their count */ ([]);
    rings.t = t;
    for (let i = 0; i < t; i++) {
      let top = l.borderTop;
      let bot = l.borderBot;
      if (style === 1) top = bot = l.borderBot;
      const half = i >= t / 2;
      if ((style === 4 && half) || (style === 3 && !half)) { const s = top; top = bot; bot = s; }
      if (l.borderSmooth && t > 1 && style !== 1) {
        const f = style === 2 ? i / t : (half ? (i - t / 2) / (t / 2) : i / (t / 2)) * 0.5;
        top = mix(top, l.borderMid, f);
        bot = mix(bot, l.borderMid, f);
      }
      rings.push(css(top), css(bot));
    }
    return rings;
  }

  // Font files a caption names (.woff2, .woff, .ttf, .otf), by file name: each is loaded
  // once, from beside the page, as a font of its own.
  const FONT_FILE_RE = /\.(woff2?|ttf|otf)$/i;
  /** @type {Object<string, {family: string, state: string}>} */
  const fontFiles = Object.create(null);
  /** Called when a font file has loaded (or failed), so that its captions are drawn. */
  let fontArrived = function () {};

  /** @param {string} name a caption's font file @returns {{family: string, state: string}} its loading */
  function fontFileOf(name) {
    const file = String(name).split(/[/\\]/).pop() || '';
    const key = file.toLowerCase();
    if (fontFiles[key]) return fontFiles[key];
    const f = fontFiles[key] = { family: 'VelkoButton ' + file.replace(/[^A-Za-z0-9._-]/g, '_'), state: 'failed' };
    const doc = global && global.document;
    if (typeof global.FontFace !== 'function' || !doc || !doc.fonts) return f;
    f.state = 'loading';
    let url = file;
    try { url = new URL(file, doc.baseURI).href; } catch { /* as written */ }
    const face = new global.FontFace(f.family, 'url("' + url.replace(/["\\]/g, encodeURIComponent) + '")');
    face.load().then(function () {
      doc.fonts.add(face);
      f.state = 'ready';
      fontArrived();
    }, function () {
      console.warn('VelkoButton: font ' + url + ' could not be loaded');
      f.state = 'failed';
      fontArrived();
    });
    return f;
  }

  /**
   * The CSS font family of a caption's font name: the classic three as the closest generic
   * families, a font file as its own loaded font, any other name as itself with a fallback.
   * @param {string} name
   */
  function familyOf(name) {
    const n = String(name || '');
    if (/^(arial|helvetica|sans-?serif)$/i.test(n)) return 'Arial, Helvetica, sans-serif';
    if (/^(timesroman|times|serif)$/i.test(n)) return '"Times New Roman", Times, serif';
    if (/^(courier|monospace)$/i.test(n)) return '"Courier New", Courier, monospace';
    if (FONT_FILE_RE.test(n)) {
      const f = fontFileOf(n);
      return f.state === 'ready' ? '"' + f.family + '", sans-serif' : 'sans-serif';
    }
    return '"' + n.replace(/["\\;{}]/g, '') + '", sans-serif';
  }

  function fontOf(l) {
    const st = l.textStyle | 0;
    return (st & 2 ? 'italic ' : '') + (st & 1 ? 'bold ' : '') + Math.max(1, Math.min(l.textSize, 255)) + 'px ' + familyOf(l.textFont);
  }

  // The caption, line by line, aligned inside the border, with emboss or engrave.
  // The font and alignment of a caption, set on the context only when they change: parsing
  // a font is the dearest part of drawing thousands of captions. The look keeps its font.
  function textState(g, l) {
    const font = l._font || (l._font = fontOf(l));
    const align = l.textAlignX === 0 ? 'left' : l.textAlignX === 2 ? 'right' : 'center';
    const cache = g._vbText || (g._vbText = {});
    if (cache.font !== font) { g.font = font; cache.font = font; }
    if (cache.align !== align) { g.textAlign = align; cache.align = align; }
    if (cache.baseline !== 'middle') { g.textBaseline = 'middle'; cache.baseline = 'middle'; }
  }

  function drawCaption(g, r, l, text) {
    if (!text) return;
    // A caption in a font file is drawn once the font is there (or has failed).
    if (FONT_FILE_RE.test(String(l.textFont || '')) && fontFileOf(l.textFont).state === 'loading') return;
    const inset = Math.max(0, l.borderStyle ? l.borderThick : 0) + Math.max(0, l.frameThick) + 2;
    const lines = String(text).split('\n');
    const size = Math.max(1, Math.min(l.textSize, 255));
    const lineH = Math.round(size * 1.2);
    const align = l.textAlignX === 0 ? 'left' : l.textAlignX === 2 ? 'right' : 'center';
    const x = r.x + l.textOffsetX + (align === 'left' ? inset : align === 'right' ? r.w - inset : r.w / 2);
    const total = lineH * lines.length;
    let y = r.y + l.textOffsetY + (l.textAlignY === 0 ? inset : l.textAlignY === 2 ? r.h - inset - total : (r.h - total) / 2) + lineH / 2;
    const st = l.textStyle | 0;
    lines.forEach(function (line) {
      if (st & 24) { // emboss (8): light above, dark below; engrave (16): the reverse
        const up = st & 8 ? '#FFFFFF' : '#000000';
        const down = st & 8 ? '#000000' : '#FFFFFF';
        g.fillStyle = up; g.fillText(line, x - 1, y - 1);
        g.fillStyle = down; g.fillText(line, x + 1, y + 1);
      }
      g.fillStyle = css(l.textColor);
      g.fillText(line, x, y);
      if (st & 4) {
        const w = g.measureText(line).width;
        const left = align === 'left' ? x : align === 'right' ? x - w : x - w / 2;
        g.fillRect(Math.round(left), Math.round(y + size / 2), Math.round(w), Math.max(1, Math.round(size / 14)));
      }
      y += lineH;
    });
  }

  // Normal (aligned and offset), tiled or scaled image, clipped to the rectangle.
  // The repeating pattern of an image, made once per image and drawing context.
  const PATTERNS = typeof WeakMap === 'function' ? new WeakMap() : null;
  function patternOf(g, img) {
    if (!PATTERNS) return g.createPattern(img, 'repeat');
    let forContext = PATTERNS.get(g);
    if (!forContext) { forContext = new WeakMap(); PATTERNS.set(g, forContext); }
    let pattern = forContext.get(img);
    if (!pattern) {
      pattern = g.createPattern(img, 'repeat');
      if (pattern) forContext.set(img, pattern);
    }
    return pattern;
  }

  function drawImage(g, r, l, img) {
    if (!img || !img.width || !img.height) return;
    g.save();
    g.beginPath();
    g.rect(r.x, r.y, r.w, r.h);
    g.clip();
    if (l.imageStyle === 2) g.drawImage(img, r.x, r.y, r.w, r.h);
    else if (l.imageStyle === 1) {
      // One pattern fill for every tile: a 1x1 image tiled over a page would otherwise cost
      // a drawImage per pixel on every repaint.
      const pattern = patternOf(g, img);
      if (pattern) {
        g.translate(r.x, r.y);
        g.fillStyle = pattern;
        g.fillRect(0, 0, r.w, r.h);
      }
    } else {
      const x = r.x + l.imageOffsetX + (l.imageAlignX === 0 ? 0 : l.imageAlignX === 2 ? r.w - img.width : Math.floor((r.w - img.width) / 2));
      const y = r.y + l.imageOffsetY + (l.imageAlignY === 0 ? 0 : l.imageAlignY === 2 ? r.h - img.height : Math.floor((r.h - img.height) / 2));
      g.drawImage(img, x, y);
    }
    g.restore();
  }

  // Draws one button in one state; `images` gives a drawable for an image number or address.
  function drawButton(g, b, s, images, names, vars, now) {
    const l = b.look(s);
    const r = b.rect(s);
    if (r.w <= 0 || r.h <= 0) return;
    if (!l.style) { g.fillStyle = css(l.color); g.fillRect(r.x, r.y, r.w, r.h); }
    if (l.image !== null && l.image !== undefined && images) drawImage(g, r, l, images(l.image));
    const f = Math.max(0, Math.min(l.frameThick, Math.floor(Math.min(r.w, r.h) / 2)));
    if (f > 0) {
      const frame = css(l.frameColor);
      for (let i = 0; i < f; i++) ring(g, r, i, frame, frame);
    }
    drawBorder(g, { x: r.x + f, y: r.y + f, w: r.w - 2 * f, h: r.h - 2 * f }, l);
    const text = expandText(l.text || '', now, names, vars);
    if (!text) return;
    textState(g, l);
    // A caption stays inside its button, as a button's own drawing does.
    g.save();
    g.beginPath();
    g.rect(r.x, r.y, r.w, r.h);
    g.clip();
    drawCaption(g, r, l, text);
    g.restore();
  }

  // The whole project: background colour and image, then every visible button.
  // Draws the applet; with `area`, only what lies in it (the caller clips to it), so that a
  // hover repaints one or two buttons of thousands.
  // `only`, when given, lists the buttons that may lie in `area`, in their order.
  Engine.prototype.draw = function (g, width, height, images, now, area, only) {
    now = now || new Date();
    const bg = this.background;
    g._vbText = null; // the caller may have restored the context's text settings
    g._vbMatrix = g.getTransform ? g.getTransform() : null; // the rings are drawn on its device pixels
    if (area) g.clearRect(area.x, area.y, area.w, area.h);
    else g.clearRect(0, 0, width, height);
    if (bg) {
      const l = bg.look(0);
      const r = { x: 0, y: 0, w: width, h: height };
      g.fillStyle = css(l.color);
      g.fillRect(0, 0, width, height);
      if (l.image !== null && images) drawImage(g, r, l, images(l.image));
    }
    const list = only || this.buttons;
    for (let i = 0; i < list.length; i++) {
      const b = list[i];
      if (!b.visible()) continue;
      const s = b.shown();
      if (area) {
        const r = b.rect(s);
        if (r.x >= area.x + area.w || r.y >= area.y + area.h || r.x + r.w <= area.x || r.y + r.h <= area.y) continue;
      }
      drawButton(g, b, s, images, this.names, this.vars, now);
    }
  };

  // Bytes of Windows-1252 text as a string: the program writes every text file so, the
  // input file as much as the page. Decoded here, because not every engine's TextDecoder
  // knows the 0x80-0x9F row (the five bytes Windows leaves open stay as they are).
  const CP1252_HIGH = '\u20ac\x81\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160\u2039\u0152\x8d\u017d\x8f' +
    '\x90\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\x9d\u017e\u0178';
  function decode1252(buffer) {
    const bytes = new Uint8Array(buffer);
    const parts = [];
    const CHUNK = 8192;
    for (let i = 0; i < bytes.length; i += CHUNK) {
      let s = '';
      const end = Math.min(bytes.length, i + CHUNK);
      for (let k = i; k < end; k++) {
        const b = bytes[k];
        s += b >= 0x80 && b < 0xA0 ? CP1252_HIGH[b - 0x80] : String.fromCharCode(b);
      }
      parts.push(s);
    }
    return parts.join('');
  }

  const api = {
    decode1252: decode1252, tokenize: tokenize, parse: parse, joinScript: joinScript, parseParamFile: parseParamFile,
    ulawToLinear: ulawToLinear, ulawToPcm8: ulawToPcm8, decodeAu: decodeAu, expandText: expandText,
    Engine: Engine, Button: Button, PROPS: PROPS, CSS_CURSORS: CSS_CURSORS, familyOf: familyOf, lookCss: lookCss
  };

  // ------------------------------------------------------------------ the page

  if (typeof module !== 'undefined' && module.exports) module.exports = api;
  if (!global || !global.document) return;
  global.VelkoButtonRuntime = api;
  // The parts of a running applet, for tests and for pages that look inside (an applet's own
  // is its velkoApplet).
  api.RunningApplet = RunningApplet;
  api.AppletView = AppletView;
  api.StandIns = StandIns;
  api.EditorControl = EditorControl;
  const doc = global.document;

  function paramsOf(applet) {
    const map = Object.create(null);
    const ps = applet.getElementsByTagName('param');
    for (let i = 0; i < ps.length; i++) {
      const n = ps[i].getAttribute('name');
      if (n !== null && !(n.toLowerCase() in map)) map[n.toLowerCase()] = ps[i].getAttribute('value') || '';
    }
    return map;
  }

  function isOurs(applet) {
    const code = (applet.getAttribute('code') || '').trim();
    return /^VelkoButton(\.class)?$/i.test(code);
  }

  let audioContext = null;
  const playing = Object.create(null);
  const decoded = Object.create(null); // address -> promise of its decoded sound

  function audioHost(mode, url) {
    const old = playing[url];
    if (old) { try { old.stop(); } catch { /* already ended */ } delete playing[url]; }
    if (mode === 2) return;
    if (!/\.au$/i.test(url.split(/[?#]/)[0])) {
      const a = new global.Audio(url);
      a.loop = mode === 1;
      a.play().catch(function () { /* the browser waits for a user gesture */ });
      playing[url] = { stop: function () { a.pause(); } };
      return;
    }
    const Ctx = global.AudioContext || global.webkitAudioContext;
    if (!Ctx) return;
    audioContext = audioContext || new Ctx();
    if (audioContext.state === 'suspended') audioContext.resume();
    const entry = { stop: function () { entry.stopped = true; if (entry.node) entry.node.stop(); } };
    playing[url] = entry;
    decoded[url] = decoded[url] || fetchBytes(url).then(function (bytes) {
      const d = decodeAu(bytes);
      if (!d) throw new Error('not an 8000 Hz mono mu-law .au file');
      const b = audioContext.createBuffer(1, Math.max(1, d.samples.length), d.sampleRate);
      b.getChannelData(0).set(d.samples);
      return b;
    });
    decoded[url].then(function (buf) {
      if (entry.stopped) return;
      const node = audioContext.createBufferSource();
      node.buffer = buf;
      node.loop = mode === 1;
      node.connect(audioContext.destination);
      node.start();
      entry.node = node;
    }).catch(function (e) {
      delete decoded[url];
      console.warn('VelkoButton: could not play ' + url + ': ' + e.message);
    });
  }

  // Browsers start sound only after a user gesture: the first press on the page resumes it.
  function wakeAudio() {
    if (audioContext && audioContext.state === 'suspended') audioContext.resume();
  }

  function fetchBytes(url) {
    return fetchVia(url, 'arraybuffer');
  }

  // fetch() where it works, XMLHttpRequest for file: pages that allow it.
  function fetchVia(url, type) {
    return new Promise(function (resolve, reject) {
      const x = new global.XMLHttpRequest();
      x.open('GET', url);
      x.responseType = type;
      x.onload = function () {
        if (x.status === 0 || (x.status >= 200 && x.status < 300)) resolve(type === 'arraybuffer' ? x.response : x.responseText);
        else reject(new Error('status ' + x.status));
      };
      x.onerror = function () { reject(new Error('not readable')); };
      x.send();
    });
  }

  // ---------------------------------------------------------- places on the surface

  /**
   * @typedef {{ x: number, y: number, w: number, h: number }} Rect
   * @typedef {{ c: any, g: any, ox: number, oy: number, w: number, h: number,
   *   live: boolean, whole: boolean, list: Button[] }} Tile
   * @typedef {{ b: Button, el: any, g?: any, s?: number, l?: any, v?: number, drawn?: Button, dynamic?: boolean,
   *   x?: number, y?: number, w?: number, h?: number, pressed?: boolean }} StandIn
   */

  /** @type {Rect} No place at all: a paint of it draws only tiles that came into view. */
  const NOTHING = { x: 0, y: 0, w: 0, h: 0 };

  /** @param {Rect} a @param {Rect} b @returns {Rect} the smallest rectangle holding both */
  function union(a, b) {
    const x = Math.min(a.x, b.x), y = Math.min(a.y, b.y);
    return { x: x, y: y, w: Math.max(a.x + a.w, b.x + b.w) - x, h: Math.max(a.y + a.h, b.y + b.h) - y };
  }

  /** @param {Rect} a @param {Rect} b @returns {Rect|null} where the two overlap */
  function overlap(a, b) {
    const x = Math.max(a.x, b.x), y = Math.max(a.y, b.y);
    const r = Math.min(a.x + a.w, b.x + b.w), d = Math.min(a.y + a.h, b.y + b.h);
    return r > x && d > y ? { x: x, y: y, w: r - x, h: d - y } : null;
  }

  /**
   * The place every state of the buttons may cover, a pixel wider all round.
   * @param {Button[]} list
   * @returns {Rect|null}
   */
  function areaOf(list) {
    let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
    list.forEach(function (b) {
      for (let s = 0; s < 3; s++) {
        const r = b.rect(s);
        x0 = Math.min(x0, r.x); y0 = Math.min(y0, r.y);
        x1 = Math.max(x1, r.x + r.w); y1 = Math.max(y1, r.y + r.h);
      }
    });
    if (x0 === Infinity) return null;
    return { x: Math.floor(x0) - 1, y: Math.floor(y0) - 1, w: Math.ceil(x1 - x0) + 3, h: Math.ceil(y1 - y0) + 3 };
  }

  /** @param {any} v an applet's WIDTH or HEIGHT @returns {number} its size in pixels, bounded */
  function appletSize(v) { return Math.max(1, Math.min(parseInt(v, 10) || 100, MAX_APPLET)); }

  /** @param {any} ev @returns {boolean} a left click with no key held: the button's own, not the browser's */
  function plainClick(ev) { return ev.button === 0 && !ev.ctrlKey && !ev.metaKey && !ev.shiftKey && !ev.altKey; }

  // A visitor who asked for less motion sees every animated image on its first frame.
  const lessMotion = global.matchMedia ? global.matchMedia('(prefers-reduced-motion: reduce)') : null;
  function stillImages() { return !!(lessMotion && lessMotion.matches); }
  /** @param {string} url */
  function isGif(url) { return /\.gif$/i.test(url.split(/[?#]/)[0]); }

  // ---------------------------------------------------------- the applet's view

  /**
   * The applet's place on the page, scaled down to fit a narrow screen; the surface in it
   * keeps the applet's own size, and every position inside is in the applet's pixels.
   * Canvases of at most MAX_CANVAS device pixels a side tile the surface, so that a project
   * taller or wider than one canvas allows is drawn whole; only tiles near the view hold pixels.
   * @constructor
   * @param {number} width
   * @param {number} height
   * @param {string} label what screen readers call the group of buttons
   */
  function AppletView(width, height, label) {
    this.width = width;
    this.height = height;
    this.outer = doc.createElement('span');
    this.outer.className = 'velkobutton';
    this.outer.style.cssText = 'display:inline-block;position:relative;vertical-align:top;line-height:0;text-align:left';
    // The surface takes the pointer. Contained, so that the status label or the page around
    // it never lays out the stand-ins of thousands of buttons again.
    this.box = doc.createElement('span');
    this.box.className = 'velkobutton-surface';
    this.box.style.cssText = 'display:block;position:absolute;left:0;top:0;transform-origin:0 0;touch-action:manipulation;' +
      'contain:layout style';
    this.canvas = doc.createElement('div');
    this.canvas.setAttribute('role', 'group');
    this.canvas.setAttribute('aria-label', label);
    // Status text shows whole in a label just below the applet, over the page, while there
    // is any: it never covers a button, and the applet keeps exactly its WIDTH x HEIGHT. The
    // label hangs from a holder of no size that is laid out on its own, so that new text
    // lays out the label alone, never the surface and its stand-ins.
    this.statusHolder = doc.createElement('span');
    this.statusHolder.style.cssText = 'position:absolute;left:0;top:100%;width:0;height:0;contain:size layout style;' +
      'z-index:2147483647;pointer-events:none';
    this.strip = doc.createElement('span');
    this.strip.className = 'velkobutton-status';
    this.strip.setAttribute('role', 'status');
    this.strip.style.cssText = 'position:absolute;left:0;top:0;display:none;' +
      'font:12px sans-serif;line-height:16px;padding:1px 4px;white-space:pre-wrap;width:max-content;' +
      'max-width:calc(100vw - 16px);box-sizing:border-box;color:#000;background:#f4f4f4;' +
      'border:1px solid rgba(0,0,0,0.45);border-radius:0 0 3px 3px;text-align:left';
    this.statusHolder.appendChild(this.strip);
    this.outer.appendChild(this.box);
    this.box.appendChild(this.canvas);
    this.outer.appendChild(this.statusHolder);
    this.measuredRatio = 0;
    this.ratio = this.deviceRatio();
    /** @type {Tile[]} */
    this.tiles = [];
    this.grid = { size: 1, cols: 1 };
    this.cursorShown = '';
    /** @type {Button[]|null} the buttons the tiles' lists were made of */
    this.sorted = null;
    /** @type {any} where the surface was on the page when last measured */
    this.place = null;
    /** Asks for the tiles that came into view to be drawn (the running applet's). */
    this.onTilesShown = function () {};
    const view = this;
    this.tileWatch = typeof global.IntersectionObserver === 'function'
      ? new global.IntersectionObserver(function (entries) { view.tilesSeen(entries); }, { rootMargin: '100% 0px' })
      : null;
  }

  /**
   * Device pixels per CSS pixel of the surface: the screen's ratio, or as measured on the
   * surface itself, where a CSS zoom of the page counts too.
   * @returns {number}
   */
  AppletView.prototype.deviceRatio = function () { return this.measuredRatio || global.devicePixelRatio || 1; };

  /** A tile that comes into view is drawn whole; one that leaves it gives its memory back. */
  AppletView.prototype.tilesSeen = function (entries) {
    let shown = false;
    const ratio = this.ratio;
    entries.forEach(function (e) {
      const t = e.target._vbTile;
      if (!t || t.live === e.isIntersecting) return;
      t.live = e.isIntersecting;
      if (t.live) { t.c.width = Math.round(t.w * ratio); t.c.height = Math.round(t.h * ratio); t.whole = true; shown = true; }
      else { t.c.width = 0; t.c.height = 0; }
    });
    if (shown) this.onTilesShown();
  };

  /**
   * The canvases for the applet's size at the screen's pixel ratio, made anew when either
   * changes (a zoom changes the ratio), so that the buttons stay sharp.
   */
  AppletView.prototype.layoutTiles = function () {
    const view = this;
    const ratio = this.ratio = this.deviceRatio();
    this.tiles.forEach(function (t) { if (view.tileWatch) view.tileWatch.unobserve(t.c); t.c.remove(); });
    this.tiles = [];
    this.sorted = null;
    this.canvas.style.cssText = 'position:relative;overflow:hidden;width:' + this.width + 'px;height:' + this.height + 'px';
    const tileCss = Math.max(1, Math.min(TILE_CSS, Math.floor(MAX_CANVAS / ratio)));
    // An applet larger than any page (a hostile size) is cut to a bounded count of tiles.
    const cols = Math.min(Math.ceil(this.width / tileCss), MAX_TILES);
    if (cols * tileCss < this.width) { this.width = cols * tileCss; this.canvas.style.width = this.width + 'px'; }
    this.grid = { size: tileCss, cols: cols };
    if (cols * Math.ceil(this.height / tileCss) > MAX_TILES) {
      this.height = Math.min(this.height, Math.max(1, Math.floor(MAX_TILES / cols)) * tileCss);
      this.canvas.style.height = this.height + 'px';
    }
    for (let oy = 0; oy < this.height; oy += tileCss) {
      for (let ox = 0; ox < this.width; ox += tileCss) {
        const w = Math.min(tileCss, this.width - ox);
        const h = Math.min(tileCss, this.height - oy);
        const c = doc.createElement('canvas');
        // With one tile, or without a way to watch the view, every tile is live.
        const live = !this.tileWatch || (ox === 0 && oy === 0);
        c.width = live ? Math.round(w * ratio) : 0;
        c.height = live ? Math.round(h * ratio) : 0;
        c.style.cssText = 'position:absolute;display:block;left:' + ox + 'px;top:' + oy + 'px;width:' + w + 'px;height:' + h + 'px';
        this.canvas.insertBefore(c, this.canvas.firstChild);
        /** @type {Tile} */
        const t = { c: c, g: c.getContext('2d'), ox: ox, oy: oy, w: w, h: h, live: live, whole: live, list: [] };
        c._vbTile = t;
        this.tiles.push(t);
      }
    }
    if (this.tileWatch && this.tiles.length > 1) this.tiles.forEach(function (t) { view.tileWatch.observe(t.c); });
    this.fit();
  };

  /**
   * A new size from the editor. @param {number} w @param {number} h
   * @returns {boolean} whether the size changed (and the canvases were made anew)
   */
  AppletView.prototype.resize = function (w, h) {
    if (w === this.width && h === this.height) return false;
    this.width = w;
    this.height = h;
    this.layoutTiles();
    return true;
  };

  /**
   * On a screen narrower than the applet the applet scales down to fit, its aspect kept.
   * Measuring the page lays it out: while the page is being built that is done only when the
   * applet is wider than the window; the precise place is measured once the browser has laid
   * the page out anyway (and whenever its width changes).
   * @param {boolean} [measure]
   */
  AppletView.prototype.fit = function (measure) {
    const page = doc.documentElement;
    const outer = this.outer, width = this.width, height = this.height;
    let s = 1;
    const window = global.innerWidth || 0;
    if ((measure || !window || width + FIT_MARGIN > window) && page && page.clientWidth && outer.getBoundingClientRect) {
      const left = outer.getBoundingClientRect().left + (global.scrollX || 0);
      const room = page.clientWidth - Math.max(0, left) - FIT_MARGIN;
      if (room > 0 && room < width) s = room / width;
    }
    this.box.style.width = width + 'px';
    this.box.style.height = height + 'px';
    this.box.style.transform = s < 1 ? 'scale(' + s + ')' : '';
    outer.style.width = (width * s) + 'px';
    outer.style.height = (height * s) + 'px';
    this.place = null;
  };

  /** Takes the applet's place: the fallback content (the page's own links) gives way to it. */
  AppletView.prototype.mount = function (applet) {
    Array.prototype.forEach.call(applet.children, function (ch) {
      if (ch.tagName.toLowerCase() !== 'param') ch.style.display = 'none';
    });
    Array.prototype.forEach.call(applet.childNodes, function (ch) {
      if (ch.nodeType === 3 && ch.nodeValue.trim()) { const s = doc.createElement('span'); s.style.display = 'none'; applet.replaceChild(s, ch); s.appendChild(ch); }
    });
    applet.appendChild(this.outer);
    this.layoutTiles();
  };

  /**
   * The place of a pointer event in the applet's pixels. The surface's place on the page is
   * measured when the pointer comes onto it, at a press, and after the page scrolled or was
   * laid out anew, not at every move: measuring while the page waits for its next frame
   * would lay out the page an extra time for each move.
   * @param {any} ev a pointer event
   * @param {boolean} [fresh] measure the surface's place now
   * @returns {{x: number, y: number}}
   */
  AppletView.prototype.at = function (ev, fresh) {
    if (fresh || !this.place) {
      const rc = this.canvas.getBoundingClientRect();
      this.place = { left: rc.left, top: rc.top, w: rc.width || this.width, h: rc.height || this.height,
        sx: global.scrollX || 0, sy: global.scrollY || 0 };
    }
    const q = this.place;
    const left = q.left + q.sx - (global.scrollX || 0), top = q.top + q.sy - (global.scrollY || 0);
    return { x: (ev.clientX - left) * this.width / q.w, y: (ev.clientY - top) * this.height / q.h };
  };

  /** The surface may have moved on the page: the next pointer event measures it. */
  AppletView.prototype.moved = function () { this.place = null; };

  /**
   * The pointer's shape over the whole surface (the link stand-ins inherit it), set only when
   * it changes: every change restyles the stand-ins.
   * @param {string} c a CSS cursor
   */
  AppletView.prototype.setCursor = function (c) {
    if (c === this.cursorShown) return;
    this.cursorShown = c;
    this.box.style.cursor = c;
  };

  /** @param {string} t status text below the applet; none hides the label */
  AppletView.prototype.status = function (t) {
    this.strip.textContent = t;
    this.strip.style.display = t ? 'block' : 'none';
  };

  /**
   * Every button into the list of each tile that any of its states covers, so that a hover
   * looks at the few buttons of its tiles only.
   * @param {Button[]} buttons
   */
  AppletView.prototype.sortIntoTiles = function (buttons) {
    const view = this;
    this.tiles.forEach(function (t) { t.list = []; });
    this.sorted = buttons;
    buttons.forEach(function (b, i) {
      b._vbIndex = i;
      view.sortButton(b, function (t) { t.list.push(b); });
    });
  };

  /**
   * Hands each tile that any state of `b` covers to `add`, and keeps that place on `b`.
   * @param {Button} b
   * @param {function(Tile): void} add
   */
  AppletView.prototype.sortButton = function (b, add) {
    let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
    for (let s = 0; s < 3; s++) {
      const r = b.rect(s);
      x0 = Math.min(x0, r.x); y0 = Math.min(y0, r.y);
      x1 = Math.max(x1, r.x + r.w); y1 = Math.max(y1, r.y + r.h);
    }
    b._vbArea = { x: Math.floor(x0) - 1, y: Math.floor(y0) - 1, w: Math.ceil(x1 - x0) + 3, h: Math.ceil(y1 - y0) + 3 };
    if (this.tiles.length < 2) return;
    const size = this.grid.size, cols = this.grid.cols;
    const c0 = Math.max(0, Math.floor((x0 - 1) / size)), c1 = Math.min(cols - 1, Math.floor((x1 + 1) / size));
    const r0 = Math.max(0, Math.floor((y0 - 1) / size)), r1 = Math.floor((y1 + 1) / size);
    for (let row = r0; row <= r1; row++) {
      for (let col = c0; col <= c1; col++) {
        const t = this.tiles[row * cols + col];
        if (t) add(t);
      }
    }
  };

  /** @param {number} x @param {number} y @returns {Tile|undefined} the tile over a point of the applet */
  AppletView.prototype.tileAt = function (x, y) {
    if (x < 0 || y < 0 || x >= this.width || y >= this.height) return undefined;
    return this.tiles[Math.floor(y / this.grid.size) * this.grid.cols + Math.floor(x / this.grid.size)];
  };

  /** A button that moved or changed goes into the lists of the tiles it covers now, in order. @param {Button} b */
  AppletView.prototype.resortButton = function (b) {
    if (this.tiles.length < 2) { this.sortButton(b, function () {}); return; }
    this.tiles.forEach(function (t) { const i = t.list.indexOf(b); if (i >= 0) t.list.splice(i, 1); });
    this.sortButton(b, function (t) {
      let i = t.list.length;
      while (i > 0 && t.list[i - 1]._vbIndex > b._vbIndex) i--;
      t.list.splice(i, 0, b);
    });
  };

  /**
   * Draws the tiles in view: each whole (area null), or only the part of each in `area`;
   * with NOTHING only the tiles that have just come into view, whole.
   * @param {Engine} engine
   * @param {function(any): any} imageFor
   * @param {Date} now
   * @param {Rect|null} area
   */
  AppletView.prototype.drawTiles = function (engine, imageFor, now, area) {
    const tiles = this.tiles, ratio = this.ratio, width = this.width, height = this.height;
    tiles.forEach(function (t) {
      if (!t.live) return;
      t.g.setTransform(ratio, 0, 0, ratio, -t.ox * ratio, -t.oy * ratio);
      // Of several canvases each draws only the buttons over it.
      const own = tiles.length > 1 ? { x: t.ox, y: t.oy, w: t.w, h: t.h } : null;
      if (!area || t.whole) { t.whole = false; engine.draw(t.g, width, height, imageFor, now, own || undefined, own ? t.list : undefined); return; }
      if (area === NOTHING) return;
      const part = own ? overlap(area, own) : area;
      if (!part) return;
      t.g.save();
      t.g.beginPath();
      t.g.rect(part.x, part.y, part.w, part.h);
      t.g.clip();
      engine.draw(t.g, width, height, imageFor, now, part, own ? t.list : undefined);
      t.g.restore();
    });
  };

  /**
   * Follows the screen: a zoom, a window moved to another screen or a CSS zoom changes the
   * pixel ratio (the canvases are made anew and `redraw` is called, so that the buttons stay
   * sharp), and a change of the page's width fits the applet again.
   * @param {function(): void} redraw
   */
  AppletView.prototype.watch = function (redraw) {
    const view = this;
    let query = null;
    function ratioChanged() {
      if (view.deviceRatio() !== view.ratio) { view.layoutTiles(); redraw(); }
      watchScreen();
    }
    // The screen's ratio changed: it holds until the surface is measured again.
    function screenChanged() { view.measuredRatio = 0; ratioChanged(); }
    // A query on the resolution of the moment says when the ratio changes without a resize.
    function watchScreen() {
      if (!global.matchMedia) return;
      if (query && query.removeEventListener) query.removeEventListener('change', screenChanged);
      query = global.matchMedia('(resolution: ' + (global.devicePixelRatio || 1) + 'dppx)');
      if (query.addEventListener) query.addEventListener('change', screenChanged);
    }
    watchScreen();
    if (typeof global.ResizeObserver === 'function') {
      // Where the engine reports the canvases' size in device pixels, a change of ratio is
      // seen however it came about (an emulated screen included).
      try {
        new global.ResizeObserver(function (entries) {
          const size = entries[entries.length - 1].devicePixelContentBoxSize;
          const measured = size && size[0] && view.width ? size[0].inlineSize / view.width : 0;
          if (!measured || Math.abs(measured - view.ratio) <= RATIO_TOLERANCE * view.ratio) return;
          view.measuredRatio = measured;
          ratioChanged();
        }).observe(this.canvas, { box: 'device-pixel-content-box' });
      } catch { /* an engine without that box has the query above */ }
      if (doc.documentElement) new global.ResizeObserver(function () { view.fit(true); }).observe(doc.documentElement);
    }
    global.addEventListener('resize', function () {
      view.fit(true);
      if ((global.devicePixelRatio || 1) !== view.ratio && !view.measuredRatio) ratioChanged();
    });
  };

  // ---------------------------------------------------------- an applet's pictures

  /**
   * Image numbers and addresses to something drawable: the loaded image, or the current
   * frame of an animated GIF where the browser can decode frames (ImageDecoder); elsewhere
   * the image element draws itself. Each image is fetched once; its arrival asks for a paint.
   * @constructor
   * @param {RunningApplet} owner
   */
  function Pictures(owner) {
    this.owner = owner;
    this.loaded = Object.create(null);
    this.anims = Object.create(null);
    /** Set while drawing when an animated image was drawn: the next frame draws again. */
    this.animating = false;
  }

  /** @param {number|string} ref an image number or a file @returns {string|null} its address */
  Pictures.prototype.urlOf = function (ref) {
    const host = this.owner.host, images = this.owner.engine.images;
    if (typeof ref !== 'number') return host.resolve(ref);
    return images[ref] !== undefined && images[ref] !== '' ? host.resolve(images[ref]) : null;
  };

  /** @param {number|string} ref @returns {any} what to draw now, or null while it loads */
  Pictures.prototype.get = function (ref) {
    const url = this.urlOf(ref);
    if (!url) return null;
    if (isGif(url) && !stillImages()) this.animating = true;
    const frame = this.currentFrame(url);
    if (frame) return frame;
    let img = this.loaded[url];
    if (!img) {
      const owner = this.owner;
      img = this.loaded[url] = new global.Image();
      img.onload = function () { owner.schedule(); };
      img.onerror = function () { console.warn('VelkoButton: image ' + url + ' could not be loaded'); };
      // A GIF whose frames the browser can decode is fetched once, for both uses.
      if (!this.loadAnimation(url, img)) img.src = url;
    }
    return img.complete && img.naturalWidth ? img : null;
  };

  /**
   * Every image of every state is requested at once, so that the first hover or press never
   * waits for a download. @param {Engine} engine
   */
  Pictures.prototype.requestAll = function (engine) {
    engine.buttons.concat(engine.background ? [engine.background] : []).forEach(this.requestOf, this);
  };

  /** @param {Button} b */
  Pictures.prototype.requestOf = function (b) {
    for (let s = 0; s < 3; s++) {
      const image = b.imageOf(s);
      if (image !== undefined && image !== null && image !== '') this.get(image);
    }
  };

  /** @returns {boolean} whether the frames of `url` are being decoded (the still image comes from the same bytes) */
  Pictures.prototype.loadAnimation = function (url, img) {
    if (!global.ImageDecoder || !global.createImageBitmap || !isGif(url)) return false;
    const pictures = this;
    fetchBytes(url).then(function (buf) {
      img.src = global.URL.createObjectURL(new global.Blob([buf], { type: 'image/gif' }));
      const dec = new global.ImageDecoder({ data: buf, type: 'image/gif' });
      return dec.tracks.ready.then(function () {
        const count = Math.min(dec.tracks.selectedTrack.frameCount, 500);
        if (count < 2) return null;
        const frames = [];
        let total = 0;
        let chain = Promise.resolve();
        for (let i = 0; i < count; i++) {
          chain = chain.then(function () { return dec.decode({ frameIndex: i }); }).then(function (r) {
            total += Math.max(20, (r.image.duration || 100000) / 1000); // microseconds to ms
            return global.createImageBitmap(r.image).then(function (bmp) {
              r.image.close();
              frames.push({ img: bmp, end: total });
            });
          });
        }
        return chain.then(function () {
          pictures.anims[url] = { frames: frames, total: total, start: global.performance.now() };
          pictures.owner.schedule();
        });
      });
    }).catch(function () {
      // The image element stays in charge, loading the file itself.
      if (!img.src) img.src = url;
    });
    return true;
  };

  /** @param {string} url @returns {any} the frame of an animation due now, or null */
  Pictures.prototype.currentFrame = function (url) {
    const a = this.anims[url];
    if (!a) return null;
    if (stillImages()) return a.frames[0].img;
    const t = (global.performance.now() - a.start) % a.total;
    for (let i = 0; i < a.frames.length; i++) if (t < a.frames[i].end) return a.frames[i].img;
    return a.frames[a.frames.length - 1].img;
  };

  /** Animate n: the animation starts again from its first frame. @param {number|string} ref */
  Pictures.prototype.restart = function (ref) {
    const url = this.urlOf(ref);
    if (!url) return;
    if (this.anims[url]) this.anims[url].start = global.performance.now();
    else if (this.loaded[url]) { const img = this.loaded[url]; img.src = ''; img.src = url; }
    this.owner.schedule();
  };

  // ---------------------------------------------------------- keyboard and link stand-ins

  /**
   * Keyboard and accessibility: one transparent, focusable stand-in per visible button, named
   * by its caption or tool tip. Tab moves between them, Enter and Space press. A linked push
   * button's stand-in is a real link over the button (a middle click, a click with Ctrl or
   * Shift and the link's menu are the browser's); the others are buttons. A stand-in whose
   * button is still shown keeps its element (found by the button's name, which a re-read
   * keeps), so that the focus stays where it was when other buttons are shown or hidden.
   * @constructor
   * @param {AppletView} view
   * @param {RunningApplet} owner its engine, hovered button and clock
   */
  function StandIns(view, owner) {
    this.view = view;
    this.owner = owner;
    /** @type {StandIn[]} in the buttons' order */
    this.keys = [];
    /** @type {Object<string, StandIn>} by lower-case button name */
    this.keyOf = Object.create(null);
    this.started = false;
    this.waiting = false;
    /** @type {any[]} the elements holding the stand-ins of KEY_GROUP consecutive buttons each */
    this.groups = [];
    /** @type {Set<any>} groups whose stand-ins moved since they were last clipped */
    this.moved = new Set();
    // The focus ring: white inside black, so that it shows on any background.
    this.ring = doc.createElement('div');
    this.ring.className = 'velkobutton-focus';
    this.ring.style.cssText = 'position:absolute;display:none;pointer-events:none;box-sizing:border-box;' +
      'border:2px solid #fff;outline:2px solid #000;outline-offset:0;forced-color-adjust:none';
    view.box.appendChild(this.ring);
    // In forced colours the ring takes the system's colours, so that it shows on any theme.
    this.forcedColors = global.matchMedia ? global.matchMedia('(forced-colors: active)') : null;
    this.listen();
    const keys = this;
    if (this.forcedColors && this.forcedColors.addEventListener) this.forcedColors.addEventListener('change', function () { keys.styleRing(); });
    this.styleRing();
  }

  StandIns.prototype.styleRing = function () {
    const forced = !!(this.forcedColors && this.forcedColors.matches);
    this.ring.style.borderColor = forced ? 'Highlight' : '#fff';
    this.ring.style.outlineColor = forced ? 'CanvasText' : '#000';
  };

  /** @param {Rect} r */
  StandIns.prototype.placeRing = function (r) {
    const st = this.ring.style;
    this.styleRing();
    st.left = r.x + 'px'; st.top = r.y + 'px';
    st.width = r.w + 'px'; st.height = r.h + 'px';
    st.display = 'block';
  };

  /** @param {number} n @returns {any} the n-th group of stand-ins, made when first needed */
  StandIns.prototype.group = function (n) {
    while (this.groups.length <= n) {
      const g = doc.createElement('span');
      g.style.cssText = 'position:absolute;left:0;top:0;width:0;height:0';
      this.view.box.insertBefore(g, this.ring);
      this.groups.push(g);
    }
    return this.groups[n];
  };

  /** @param {Button} b @returns {boolean} whether `b` has a stand-in */
  StandIns.prototype.has = function (b) { return !!this.keyOf[b.name.toLowerCase()]; };

  /**
   * Brings the stand-ins up to date: those of the buttons `only` (after a repaint of a few
   * buttons only theirs can have changed), or all of them.
   * @param {Button[]} [only]
   */
  StandIns.prototype.sync = function (only) {
    if (only) {
      only.forEach(function (b) { const k = this.keyOf[b.name.toLowerCase()]; if (k) this.update(k); }, this);
      return;
    }
    const list = this.owner.engine.buttons.filter(function (b) { return b.visible(); });
    // Many stand-ins are made after the first frame, so that the buttons show at once; a
    // paint before then leaves them to that later call.
    if (this.waiting) return;
    if (!this.started && list.length > EAGER_KEYS) {
      this.started = this.waiting = true;
      const keys = this;
      const later = function () { global.setTimeout(function () { keys.waiting = false; keys.sync(); }, 0); };
      if (global.requestAnimationFrame) global.requestAnimationFrame(later); else later();
      return;
    }
    this.started = true;
    const keys = this.keys;
    if (list.length !== keys.length || list.some(function (b, i) { return keys[i].b !== b; })) this.follow(list);
    // A stand-in is touched only when its button's state, place or project changed:
    // rewriting thousands of them on every hover would cost more than the drawing.
    this.keys.forEach(this.update, this);
    this.clipGroups();
  };

  /**
   * Each group of stand-ins is clipped to the place of its buttons, so that the browser's
   * hit test passes over the groups away from the pointer without looking inside.
   */
  StandIns.prototype.clipGroups = function () {
    if (!this.moved.size) return;
    const moved = this.moved, places = new Map();
    this.keys.forEach(function (k) {
      if (!moved.has(k.g)) return;
      const r = places.get(k.g);
      if (!r) { places.set(k.g, { x0: k.x, y0: k.y, x1: k.x + k.w, y1: k.y + k.h }); return; }
      r.x0 = Math.min(r.x0, k.x); r.y0 = Math.min(r.y0, k.y);
      r.x1 = Math.max(r.x1, k.x + k.w); r.y1 = Math.max(r.y1, k.y + k.h);
    });
    places.forEach(function (r, g) {
      g.style.clipPath = 'polygon(' + r.x0 + 'px ' + r.y0 + 'px,' + r.x1 + 'px ' + r.y0 + 'px,' +
        r.x1 + 'px ' + r.y1 + 'px,' + r.x0 + 'px ' + r.y1 + 'px)';
    });
    moved.clear();
  };

  /** The stand-ins become those of `list`, the visible buttons in order. @param {Button[]} list */
  StandIns.prototype.follow = function (list) {
    const box = this.view.box;
    const old = Object.create(null);
    this.keys.forEach(function (k) { old[k.b.name.toLowerCase()] = k; });
    // A stand-in whose button became a link, or stopped being one, is made anew.
    const next = list.map(function (b) {
      const key = b.name.toLowerCase();
      const k = old[key];
      if (!k || k.el._vbLink !== linkKey(b)) {
        const made = { b: b, el: this.make(b) };
        made.el._vbKey = made;
        return made;
      }
      delete old[key];
      k.b = b;
      return k;
    }, this);
    // The focus on a stand-in that goes moves to the next button still shown (or the one
    // before it), not to the page.
    let focusTo = /** @type {any} */ (null);
    const kept = Object.create(null);
    next.forEach(function (k) { kept[k.b.name.toLowerCase()] = k; });
    this.keys.forEach(function (k, i, keys) {
      if (doc.activeElement !== k.el || kept[k.b.name.toLowerCase()] === k) return;
      const after = keys.slice(i + 1).concat(keys.slice(0, i).reverse());
      const to = after.find(function (o) { return kept[o.b.name.toLowerCase()]; });
      focusTo = to ? kept[to.b.name.toLowerCase()] : null;
    });
    for (const key in old) old[key].el.remove();
    // The stand-ins lie in groups of consecutive buttons, so that the browser, restyling or
    // hit-testing one of them, looks through a few dozen elements at each level rather than
    // through thousands. New stand-ins go before the next one of their group, so that Tab
    // follows the buttons' order; one stays where it is unless its group changed, since
    // moving an element takes its focus away.
    const index = new Map();
    this.owner.engine.buttons.forEach(function (b, i) { index.set(b, i); });
    const focused = doc.activeElement;
    for (let i = next.length - 1; i >= 0; i--) {
      const group = this.group(Math.floor(index.get(next[i].b) / KEY_GROUP));
      const after = i + 1 < next.length && next[i + 1].el.parentNode === group ? next[i + 1].el : null;
      if (next[i].el.parentNode !== group) group.insertBefore(next[i].el, after);
      next[i].g = group;
      this.moved.add(group);
    }
    if (focused && focused !== doc.activeElement && box.contains(focused)) focused.focus({ preventScroll: true });
    while (this.groups.length && !this.groups[this.groups.length - 1].firstChild) this.groups.pop().remove();
    this.keys = next;
    this.keyOf = Object.create(null);
    next.forEach(function (k) { this.keyOf[k.b.name.toLowerCase()] = k; }, this);
    if (focusTo) focusTo.el.focus({ preventScroll: true });
  };

  /** @param {StandIn} k one stand-in to its button's place, label and state */
  StandIns.prototype.update = function (k) {
    const engine = this.owner.engine;
    const version = engine.version;
    const s = k.b.shown();
    const r = k.b.rect(s);
    const l = k.b.look(s);
    // A label is made again when its look is new (a PropSet makes new looks) or, after any
    // change of the project, when its caption has place-holders that may show variables.
    const fresh = k.s !== s || k.l !== l || k.b !== k.drawn || this.owner.ticks(k.b) || (k.v !== version && k.dynamic);
    if (k.x !== r.x || k.y !== r.y || k.w !== r.w || k.h !== r.h) {
      k.x = r.x; k.y = r.y; k.w = r.w; k.h = r.h;
      if (k.g) this.moved.add(k.g);
      k.el.style.left = r.x + 'px'; k.el.style.top = r.y + 'px';
      k.el.style.width = r.w + 'px'; k.el.style.height = r.h + 'px';
    }
    if (fresh) {
      k.s = s; k.v = version; k.drawn = k.b; k.l = l;
      k.dynamic = (l.text || '').indexOf('${') >= 0;
      const label = String(expandText(l.text || '', new Date(), engine.names, engine.vars)).replace(/\n/g, ' ').trim() || l.tip || k.b.name;
      if (k.el.getAttribute('aria-label') !== label) k.el.setAttribute('aria-label', label);
      if (l.tip) k.el.title = l.tip;
    }
    // A check box says whether it is pressed; a radio button is one of a group, checked or not.
    const m = k.b.mode();
    if (m && k.pressed !== k.b.selected) {
      k.pressed = k.b.selected;
      if (m === 2) {
        k.el.setAttribute('role', 'radio');
        k.el.setAttribute('aria-checked', k.b.selected ? 'true' : 'false');
      } else {
        k.el.setAttribute('aria-pressed', k.b.selected ? 'true' : 'false');
      }
    }
    if (doc.activeElement === k.el) this.placeRing(r);
  };

  /** @param {Button} b @returns {any} a new stand-in for `b`: a link or a button */
  StandIns.prototype.make = function (b) {
    const link = b.link();
    const el = doc.createElement(link ? 'a' : 'button');
    if (link) {
      el.href = this.owner.host.resolve(link.url);
      if (link.target && !/^_self$/i.test(link.target)) el.target = link.target;
    } else {
      el.type = 'button';
    }
    el.style.cssText = 'position:absolute;display:block;margin:0;padding:0;border:0;background:transparent;opacity:0;outline:none;' +
      'cursor:inherit;-webkit-tap-highlight-color:transparent;' + (link ? 'pointer-events:auto' : 'pointer-events:none');
    el._vbLink = linkKey(b);
    return el;
  };

  /**
   * The stand-ins' events, taken once by the surface for all of them: focus, the keys that
   * press, and a plain click on a link (the button's own: its scripts open the link).
   */
  StandIns.prototype.listen = function () {
    const keys = this, owner = this.owner, box = this.view.box;
    /** @returns {Button|null} the button of the moment of an event's stand-in (a re-read makes a new one of the same name) */
    const buttonOf = function (ev) {
      const k = ev.target && ev.target._vbKey;
      return k && k.el === ev.target ? k.b : null;
    };
    box.addEventListener('click', function (ev) { if (buttonOf(ev) && ev.target._vbLink && plainClick(ev)) ev.preventDefault(); });
    box.addEventListener('dragstart', function (ev) { if (buttonOf(ev)) ev.preventDefault(); });
    // The ring shows for the keyboard, not for a click on a link's stand-in.
    box.addEventListener('focusin', function (ev) {
      const b = buttonOf(ev);
      if (!b || (ev.target.matches && !ev.target.matches(':focus-visible'))) return;
      keys.placeRing(b.rect(b.shown()));
      owner.hoverTo(b);
    });
    box.addEventListener('focusout', function (ev) {
      const b = buttonOf(ev);
      if (!b) return;
      keys.ring.style.display = 'none';
      if (owner.hovered === b) owner.hoverTo(null);
    });
    box.addEventListener('keydown', function (ev) {
      const b = buttonOf(ev);
      if (!b) return;
      wakeAudio();
      if ((ev.key === 'Enter' || ev.key === ' ') && !ev.repeat) { ev.preventDefault(); owner.engine.press(b); if (ev.key === 'Enter') owner.engine.release(b); }
    });
    box.addEventListener('keyup', function (ev) {
      const b = buttonOf(ev);
      if (b && ev.key === ' ') { ev.preventDefault(); owner.engine.release(b); }
    });
  };

  /** @param {Button} b @returns {string} what makes its stand-in a link of its own: address and target */
  function linkKey(b) {
    const link = b.link();
    return link ? link.url + '\n' + (link.target || '') : '';
  }

  // ---------------------------------------------------------- an editor's handle

  /**
   * An editor that shows the page while the project is designed replaces the project in
   * place (keeping the page, its zoom and its scroll position), shows one button in a chosen
   * state, marks the selected one and may switch the mouse off for the buttons.
   * @constructor
   * @param {RunningApplet} owner
   */
  function EditorControl(owner) {
    this.owner = owner;
    this.used = false;
    this.interactive = true;
    /** @type {{name: string, state: number}|null} */
    this.shown = null;
    /** @type {string|null} */
    this.marked = null;
    /** New files' counts of replacements, by lower-case name. */
    this.version = Object.create(null);
    this.mark = doc.createElement('div');
    this.mark.className = 'velkobutton-mark';
    this.mark.style.cssText = 'position:absolute;display:none;pointer-events:none;box-sizing:border-box;' +
      'border:2px dashed #1a73e8;outline:1px solid #fff';
    owner.view.box.appendChild(this.mark);
  }

  EditorControl.prototype.placeMark = function () {
    const b = this.marked && this.owner.engine.find(this.marked);
    const st = this.mark.style;
    if (!b || !b.visible()) { st.display = 'none'; return; }
    const r = b.rect(b.shown());
    st.left = (r.x - 2) + 'px'; st.top = (r.y - 2) + 'px';
    st.width = (r.w + 4) + 'px'; st.height = (r.h + 4) + 'px';
    st.display = 'block';
  };

  EditorControl.prototype.applyShown = function () {
    const engine = this.owner.engine;
    engine.buttons.forEach(function (b) { if (b.forced !== undefined && !b.selected) b.forced = undefined; });
    const b = this.shown && engine.find(this.shown.name);
    if (b && this.shown.state > 0) b.forced = this.shown.state;
  };

  /**
   * The address of a file the editor has replaced carries a new query, so that the browser
   * reads it again. @param {string} url @param {string} file @returns {string}
   */
  EditorControl.prototype.address = function (url, file) {
    const v = this.version[String(file).toLowerCase()];
    return v ? url + (url.indexOf('?') < 0 ? '?' : '&') + 'v=' + v : url;
  };

  /** An editor showing the page waits for this to know the new pixels are there. */
  EditorControl.prototype.drawn = function () {
    if (this.used && typeof global.CustomEvent === 'function') this.owner.applet.dispatchEvent(new global.CustomEvent('velkobutton-drawn'));
  };

  /**
   * The project anew: `text` as its input file holds it, `changed` the files new on disk.
   * @param {string} text @param {any} w @param {any} h @param {string[]} [changed]
   */
  EditorControl.prototype.replace = function (text, w, h, changed) {
    this.replaceParams(parseParamFile(text), w, h, changed);
  };

  /**
   * The project anew from a page's applet element (`html`, its parameters and size as the
   * page would carry them), `changed` the files new on disk. The element is only read,
   * never shown or run.
   * @param {string} html @param {string[]} [changed]
   */
  EditorControl.prototype.replaceApplet = function (html, changed) {
    const parsed = new global.DOMParser().parseFromString('<!DOCTYPE html><body>' + html, 'text/html');
    const applet = parsed.getElementsByTagName('applet')[0];
    if (!applet) return;
    this.replaceParams(paramsOf(applet), applet.getAttribute('width'), applet.getAttribute('height'), changed);
  };

  /**
   * Some buttons anew: `statements` are their statements (each replaces the button of its
   * name, in its place), `lists` the page's PARAMs of the image and sound lists the
   * statements number, `changed` the files new on disk. The rest of the project stays.
   * @param {string[]} statements @param {string} lists @param {string[]} [changed]
   */
  EditorControl.prototype.update = function (statements, lists, changed) {
    const owner = this.owner, engine = owner.engine;
    this.used = true;
    (changed || []).forEach(function (f) { const k = String(f).toLowerCase(); this.version[k] = (this.version[k] || 0) + 1; }, this);
    const parsed = new global.DOMParser().parseFromString('<!DOCTYPE html><body><applet>' + lists + '</applet>', 'text/html');
    const params = paramsOf(parsed.getElementsByTagName('applet')[0]);
    engine.images = splitList(params.images0 || '');
    engine.audio = splitList(params.audio0 || '');
    if (statements.length) {
      try { engine.load(statements.join('')); } catch (e) { console.warn('VelkoButton: ' + e.message); }
    }
    if (owner.hovered) owner.hovered = engine.find(owner.hovered.name) || null;
    if (owner.hovered && this.interactive) owner.hovered.hover = true;
    this.applyShown();
    owner.paintAll();
  };

  /** @param {Object<string, string>} params @param {any} w @param {any} h @param {string[]} [changed] */
  EditorControl.prototype.replaceParams = function (params, w, h, changed) {
    const owner = this.owner;
    this.used = true;
    (changed || []).forEach(function (f) { const k = String(f).toLowerCase(); this.version[k] = (this.version[k] || 0) + 1; }, this);
    const was = owner.hovered ? owner.hovered.name : null;
    owner.stop();
    owner.boot(params);
    if (was && this.interactive) { owner.hovered = owner.engine.find(was); if (owner.hovered) owner.hovered.hover = true; }
    this.applyShown();
    owner.view.resize(appletSize(w), appletSize(h));
    owner.paintAll();
  };

  /** @returns {Object<string, Function>} the handle an editor calls (the applet's velkoControl) */
  EditorControl.prototype.handle = function () {
    const editor = this, owner = this.owner;
    return {
      replace: function (text, w, h, changed) { editor.replace(text, w, h, changed); },
      replaceApplet: function (html, changed) { editor.replaceApplet(html, changed); },
      update: function (statements, lists, changed) { editor.update(statements, lists, changed); },
      show: function (name, state) { editor.used = true; editor.shown = name ? { name: name, state: state | 0 } : null; editor.applyShown(); owner.schedule(); },
      mark: function (name) { editor.used = true; editor.marked = name || null; editor.placeMark(); },
      offset: function (name, dx, dy) {
        const b = owner.engine.find(name);
        if (b) { b.dx = dx; b.dy = dy; owner.schedule(); }
      },
      interactive: function (on) {
        editor.used = true;
        editor.interactive = !!on;
        if (!on) { owner.drag = null; if (owner.hovered && owner.hovered.pressed) owner.engine.cancelPress(owner.hovered); owner.hoverTo(null); }
      },
      hit: function (x, y) { const b = owner.engine.hit(x, y); return b ? b.name : null; }
    };
  };

  // ---------------------------------------------------------- one running applet

  /**
   * One running applet: the engine running its project, its view, pictures, stand-ins and
   * editor's handle, what the next paint must draw and the pointer.
   * @constructor
   * @param {any} applet the page's <applet> element
   */
  function RunningApplet(applet) {
    const params = paramsOf(applet);
    this.applet = applet;
    this.view = new AppletView(appletSize(applet.getAttribute('width')), appletSize(applet.getAttribute('height')), params.name || 'VelkoButton');
    this.pictures = new Pictures(this);
    this.keys = new StandIns(this.view, this);
    this.editor = new EditorControl(this);
    /** @type {Engine} */
    this.engine = null;
    this.host = this.makeHost();
    // What the next paint must draw: everything, the places of a few buttons, or the tiles
    // that came into view.
    this.dirtyAll = true;
    /** @type {Button[]} */
    this.dirty = [];
    this.tilesWaiting = false;
    this.drawPending = false;
    /** @type {Button[]} buttons a PropSet changed since the last paint */
    this.changedButtons = [];
    this.buttonVersion = -1;
    this.checkedVersion = -1;
    // The buttons that show the time, drawn again each second.
    /** @type {Button[]} */
    this.ticking = [];
    this.tickingSet = new Set();
    this.clock = false;
    this.clockTimer = null;
    this.refreshTimer = null;
    /** @type {Button|null} */
    this.hovered = null;
    this.drag = null;
    const running = this;
    this.frame = function () { running.paint(); };
    this.imageFor = function (ref) { return running.pictures.get(ref); };
    this.view.onTilesShown = function () { running.scheduleTiles(); };
    this.view.mount(applet);
    this.boot(params);
    this.listen();
    this.view.watch(function () { running.paintAll(); });
    applet.velkoControl = this.editor.handle();
    applet.velkoApplet = this;
    repaints.push(function () { running.schedule(); });
  }

  /** @returns {any} what the engine asks of the page */
  RunningApplet.prototype.makeHost = function () {
    const running = this;
    const schedule = function (b) { running.schedule(b); };
    return {
      draw: schedule,
      changedButton: function (b) { running.changedButton(b); },
      resolve: function (file) {
        let url = file;
        try { url = new URL(file, doc.baseURI).href; } catch { /* kept as written */ }
        return running.editor.address(url, file);
      },
      warn: function (w) { console.warn(w); },
      log: function (t) { console.log(t); },
      status: function (t) {
        running.view.status(t);
        try { global.status = t; } catch { /* read-only */ }
      },
      cursor: function (c) { running.view.setCursor(c); },
      navigate: function (url, target) { api.navigate(url, target); },
      audio: audioHost,
      animate: function (ref) { running.pictures.restart(ref); },
      runJs: function (code) {
        try { (new Function(code)).call(global); } catch (e) { console.warn('VelkoButton: script failed: ' + e.message); }
      },
      // The input file is 8-bit text like the page that names it, never UTF-8.
      fetch: function (url) {
        if (global.fetch && !/^file:/i.test(url)) {
          return global.fetch(url, { cache: 'no-store' }).then(function (r) {
            if (!r.ok) throw new Error('status ' + r.status);
            return r.arrayBuffer();
          }).then(decode1252);
        }
        return fetchVia(url, 'arraybuffer').then(decode1252);
      },
      setTimeout: function (fn, ms) { return global.setTimeout(fn, ms); },
      clearTimeout: function (id) { global.clearTimeout(id); },
      setRefresh: function (ms) {
        if (running.refreshTimer) global.clearInterval(running.refreshTimer);
        running.refreshTimer = ms > 0 ? global.setInterval(schedule, Math.max(MIN_TIMER_MS, ms)) : null;
      },
      images: schedule
    };
  };

  /** A project from its parameters into a fresh engine. @param {Object<string, string>} p */
  RunningApplet.prototype.boot = function (p) {
    const engine = this.engine = new Engine(this.host);
    this.applet.velkoButton = engine;
    engine.images = splitList(p.images0 || '');
    engine.audio = splitList(p.audio0 || '');
    try {
      engine.load(joinScript(function (n) { const v = p[n.toLowerCase()]; return v === undefined ? null : v; }));
    } catch (e) {
      console.warn('VelkoButton: ' + e.message);
    }
  };

  /** The project's timers and the pointer's business end, before a new project comes. */
  RunningApplet.prototype.stop = function () {
    this.engine.stop();
    if (this.refreshTimer) { global.clearInterval(this.refreshTimer); this.refreshTimer = null; }
    this.hovered = null;
    this.drag = null;
  };

  /** @param {Button} b @returns {boolean} whether `b` shows the time */
  RunningApplet.prototype.ticks = function (b) { return this.clock && this.tickingSet.has(b); };

  /** Asks for a paint on the next frame: of the button `b`'s places, or of everything. @param {any} [b] */
  RunningApplet.prototype.schedule = function (b) {
    if (!(b instanceof Button)) this.dirtyAll = true;
    else if (!this.dirtyAll && this.dirty.indexOf(b) < 0) this.dirty.push(b);
    this.requestFrame();
  };

  /** Tiles that came into view wait for the next frame; nothing else is drawn again. */
  RunningApplet.prototype.scheduleTiles = function () {
    this.tilesWaiting = true;
    this.requestFrame();
  };

  RunningApplet.prototype.requestFrame = function () {
    if (this.drawPending) return;
    this.drawPending = true;
    if (global.requestAnimationFrame) global.requestAnimationFrame(this.frame);
    else global.setTimeout(this.frame, 0);
  };

  /** Everything drawn at once, now. */
  RunningApplet.prototype.paintAll = function () {
    this.dirtyAll = true;
    this.paint();
  };

  /**
   * One button changed (a PropSet): where it was and where it is now are drawn again, it
   * moves between the tiles' lists, and only its images, clock and stand-in are checked.
   * Anything else changed, or a button that has not been sorted yet, is a full drawing.
   * @param {Button} b
   */
  RunningApplet.prototype.changedButton = function (b) {
    if (this.dirtyAll || !b._vbArea) { this.schedule(); return; }
    if (this.changedButtons.indexOf(b) < 0) this.changedButtons.push(b);
    this.buttonVersion = this.engine.version;
    this.schedule(b);
  };

  /** @returns {{places: Rect[], shownOrHidden: boolean}} where the changed buttons were; whether one was shown or hidden */
  RunningApplet.prototype.takeChanges = function () {
    const list = this.changedButtons;
    const places = [];
    let shownOrHidden = false;
    this.changedButtons = [];
    const running = this;
    list.forEach(function (b) {
      if (b._vbArea) places.push(b._vbArea);
      if (running.keys.has(b) !== b.visible()) shownOrHidden = true;
      running.view.resortButton(b);
      const ticks = showsTime(b);
      if (ticks !== running.tickingSet.has(b)) {
        if (ticks) { running.ticking.push(b); running.tickingSet.add(b); } else { running.ticking.splice(running.ticking.indexOf(b), 1); running.tickingSet.delete(b); }
        running.clock = running.ticking.length > 0;
      }
      running.pictures.requestOf(b);
    });
    return { places: places, shownOrHidden: shownOrHidden };
  };

  /** Draws what was asked for since the last paint, then brings everything that follows the drawing up to date. */
  RunningApplet.prototype.paint = function () {
    this.drawPending = false;
    // A frame asked for before a direct paint has nothing left to draw.
    if (!this.dirtyAll && !this.dirty.length && !this.tilesWaiting) return;
    this.tilesWaiting = false;
    const engine = this.engine, pictures = this.pictures;
    const changes = !this.dirtyAll && this.changedButtons.length ? this.takeChanges() : null;
    this.changedButtons = [];
    let area = this.dirtyAll || pictures.animating ? null : this.dirty.length ? areaOf(this.dirty) : NOTHING;
    if (area && changes) changes.places.forEach(function (q) { area = area === NOTHING ? q : union(area, q); });
    const drawn = this.dirty;
    this.dirtyAll = false;
    this.dirty = [];
    pictures.animating = false;
    // A full drawing sorts the buttons into the tiles they may cover.
    if (!area) this.view.sortIntoTiles(engine.buttons);
    this.view.drawTiles(engine, this.imageFor, new Date(), area);
    if (pictures.animating) global.setTimeout(this.host.draw, 40);
    this.keys.sync(area && !(changes && changes.shownOrHidden) ? (area === NOTHING ? [] : drawn) : undefined);
    // A button read again from the input file is a new object of the same name.
    if (this.hovered && engine.find(this.hovered.name) !== this.hovered) this.hovered = engine.find(this.hovered.name) || null;
    const bg = engine.background;
    this.view.setCursor(this.hovered ? this.hovered.cursorOf(this.hovered.shown()) : engine.pageCursor || (bg ? bg.cursorOf(0) : 'default'));
    this.checkProject(area !== null && engine.version === this.buttonVersion);
    this.editor.placeMark();
    this.editor.drawn();
  };

  /**
   * After a change of the project its clock and images are checked again; after a change of
   * single buttons (`fewChanged`) their own checks were done already.
   * @param {boolean} fewChanged
   */
  RunningApplet.prototype.checkProject = function (fewChanged) {
    const engine = this.engine;
    if (engine.version !== this.checkedVersion && !fewChanged) {
      this.ticking = engine.clockButtons();
      this.tickingSet = new Set(this.ticking);
      this.clock = this.ticking.length > 0;
      this.pictures.requestAll(engine);
    }
    this.checkedVersion = engine.version;
    // Each second only the buttons that show the time are drawn again.
    const running = this;
    if (this.clock && !this.clockTimer) this.clockTimer = global.setInterval(function () { running.ticking.forEach(running.host.draw); }, 1000);
    if (!this.clock && this.clockTimer) { global.clearInterval(this.clockTimer); this.clockTimer = null; }
  };

  /**
   * The topmost visible button under a point. While the tiles' lists hold every button as
   * drawn, only the few of the point's tile are looked at.
   * @param {{x: number, y: number}} p
   * @returns {Button|null}
   */
  RunningApplet.prototype.hit = function (p) {
    const view = this.view;
    if (view.tiles.length < 2 || this.dirtyAll || this.changedButtons.length || view.sorted !== this.engine.buttons) {
      return this.engine.hit(p.x, p.y);
    }
    const t = view.tileAt(p.x, p.y);
    const list = t ? t.list : [];
    for (let i = list.length - 1; i >= 0; i--) {
      const b = list[i];
      if (!b.visible()) continue;
      const r = b.rect(b.shown());
      if (p.x >= r.x && p.y >= r.y && p.x < r.x + r.w && p.y < r.y + r.h) return b;
    }
    return null;
  };

  /** The hovered button becomes `b` (or none): leaving and entering run, and both places are drawn. @param {Button|null} b */
  RunningApplet.prototype.hoverTo = function (b) {
    if (b === this.hovered) return;
    const was = this.hovered;
    if (was) this.engine.leaveButton(was);
    this.hovered = b;
    const tip = b ? b.look(b.shown()).tip || '' : '';
    if (this.view.canvas.title !== tip) this.view.canvas.title = tip;
    if (b) this.engine.enter(b);
    // This paint also sets the cursor when the pointer moves between background and buttons.
    this.schedule(b || was || undefined);
  };

  /**
   * Pointers: a mouse hovers, presses and releases; a touch shows Down while the finger is
   * down, clicks on release and then leaves the button, so that Over and the status text
   * clear. The surface takes them, over the canvases and the link stand-ins alike; pressing
   * and releasing over the same button is its click; a draggable button follows the pointer.
   */
  RunningApplet.prototype.listen = function () {
    const running = this, box = this.view.box;
    const view = this.view;
    box.addEventListener('pointerenter', function () { view.moved(); });
    doc.addEventListener('scroll', function () { view.moved(); }, { capture: true, passive: true });
    box.addEventListener('pointermove', function (ev) { running.pointerMove(ev); });
    box.addEventListener('pointerleave', function (ev) { if (!running.drag && ev.pointerType !== 'touch') running.hoverTo(null); });
    box.addEventListener('pointerdown', function (ev) { running.pointerDown(ev); });
    global.addEventListener('pointerup', function (ev) { running.pointerUp(ev); });
    // A scroll or a gesture that takes the pointer over cancels the press.
    global.addEventListener('pointercancel', function () {
      running.drag = null;
      if (running.hovered && running.hovered.pressed) running.engine.cancelPress(running.hovered);
      running.hoverTo(null);
    });
    if (lessMotion && lessMotion.addEventListener) lessMotion.addEventListener('change', function () { running.schedule(); });
  };

  RunningApplet.prototype.pointerMove = function (ev) {
    if (!this.editor.interactive) return;
    const p = this.view.at(ev);
    const drag = this.drag;
    if (drag) {
      if (!drag.moved && Math.abs(p.x - drag.x) + Math.abs(p.y - drag.y) > 3) drag.moved = true;
      if (drag.moved) {
        drag.b.dx = drag.dx + p.x - drag.x;
        drag.b.dy = drag.dy + p.y - drag.y;
        this.schedule();
      }
      return;
    }
    if (ev.pointerType === 'touch' && !(this.hovered && this.hovered.pressed)) return;
    this.hoverTo(this.hit(p));
  };

  RunningApplet.prototype.pointerDown = function (ev) {
    if (!this.editor.interactive) return;
    wakeAudio();
    const p = this.view.at(ev, true);
    const b = this.hit(p);
    // A link opened in a new tab or window, or its menu, is the browser's business.
    if (!plainClick(ev)) { if (b && b.link()) return; if (ev.button !== 0) return; }
    this.hoverTo(b);
    if (!b) return;
    if (ev.pointerType === 'mouse') ev.preventDefault();
    if (b.draggable()) this.drag = { b: b, x: p.x, y: p.y, dx: b.dx, dy: b.dy, moved: false };
    this.engine.press(b);
  };

  RunningApplet.prototype.pointerUp = function (ev) {
    if (ev.button !== 0 || !this.editor.interactive) return;
    const d = this.drag;
    this.drag = null;
    const inside = this.view.box.contains(ev.target);
    const p = inside ? this.view.at(ev, true) : null;
    const target = p ? this.hit(p) : null;
    if (d && d.moved) { this.engine.cancelPress(d.b); this.hoverTo(ev.pointerType === 'touch' ? null : target); return; }
    const hovered = this.hovered;
    if (hovered && hovered.pressed) {
      if (target === hovered) this.engine.release(hovered);
      else this.engine.cancelPress(hovered);
    }
    if (!inside || ev.pointerType === 'touch') this.hoverTo(null);
  };

  /** @param {any} applet @returns {Engine|undefined} the engine of the applet, started now */
  function start(applet) {
    if (applet.getAttribute('data-velkobutton') === 'running') return;
    applet.setAttribute('data-velkobutton', 'running');
    const running = new RunningApplet(applet);
    running.paint();
    return running.engine;
  }

  // Replaces the project of the `index`th applet of the page in place (see velkoControl).
  api.control = function (index) {
    const a = doc.getElementsByTagName('applet')[index || 0];
    return a && a.velkoControl;
  };

  // Where an Internet command goes; kept on the api object so that tests can watch it.
  api.navigate = function (url, target) {
    const t = String(target || '_self');
    if (/^_self$/i.test(t)) global.location.href = url;
    else if (/^_top$/i.test(t)) (global.top || global).location.href = url;
    else if (/^_parent$/i.test(t)) (global.parent || global).location.href = url;
    else global.open(url, /^_blank$/i.test(t) ? '_blank' : t);
  };

  // Draws every running applet anew on the next frame (a page that restyled itself may ask).
  const repaints = [];
  api.repaint = function () { repaints.forEach(function (r) { r(); }); };
  fontArrived = api.repaint;

  api.start = function () {
    const applets = doc.getElementsByTagName('applet');
    const list = [];
    for (let i = 0; i < applets.length; i++) if (isOurs(applets[i])) list.push(applets[i]);
    return list.map(function (a) {
      try { return start(a); } catch (e) { console.warn('VelkoButton: ' + e.message); return null; }
    });
  };

  if (doc.readyState === 'loading') doc.addEventListener('DOMContentLoaded', api.start);
  else api.start();
})(/** @type {any} the window, or Node's global object in tests */ (typeof window !== 'undefined' ? window : (typeof globalThis !== 'undefined' ? globalThis : this)));
