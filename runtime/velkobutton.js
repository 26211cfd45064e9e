// VelkoButton runtime, (c) 2026 Velko, MIT licence: https://opensource.org/licenses/MIT
/*
 * velkobutton.js - runs the buttons of a VelkoButton page in a browser without Java.
 *
 * The page carries the project in the PARAMs of an <APPLET> element as VelkoScript text.
 * On DOMContentLoaded this file finds each such applet, reads its parameters, parses the
 * script (keywords as words or as numeric tokens) and takes over the buttons the page
 * carries as HTML inside the applet (links, buttons, check and radio inputs with their
 * captions as text): it gives each the look of the state it shows as inline styles, runs
 * the scripts of its events and follows every change the scripts make. A page without such
 * elements (an older one, an editor's) gets them made here in the same shape.
 *
 * Plain ES2019, no dependencies, ASCII only (pages of any encoding load it alike). The pure parts (tokenizer, parser, engine, audio decoder)
 * are exported through module.exports when the file is loaded by Node for its tests.
 * The language it reads is described in docs/velkoscript.md.
 */
(function (global) {
  'use strict';

  // A second copy on the same page (a pasted segment may bring one) leaves the first in charge.
  if (global && global.VelkoButtonRuntime) return;

  // ------------------------------------------------------------------ types

  /**
   * A token of a script: `k` is 'w' (word), 'n' (number), 's' (quoted text), 'b' (a block, `v`
   * its commands) or one of ; { } =; `p` is its position, `raw` a number's text as written.
   * @typedef {{k: string, v: *, p: number, raw: (string|null)}} Token
   */
  /** @typedef {function(string, number, string): void} WarnFn a problem's reason, position and text */
  /** @typedef {{reason: string, pos: number, text: string}} Warning */
  /**
   * A statement as the parser reads it: `op` its command and the rest its arguments by name
   * (a Button or PropSet statement's blocks as `base`, `all`, `up`, `over` and `down`).
   * @typedef {Object<string, *> & {op: string}} Command
   */
  /** @typedef {{props: Object<string, *>, events: (Command[]|null)}} Block the values and events of a state */
  /** @typedef {{commands: Command[], warnings: Warning[], skipped: number}} ParseResult */
  /**
   * @typedef {{lexer: Lexer, src: string, warn: WarnFn, offset: number, lastReason?: (string|null)}} ParseState
   */
  /** @typedef {{steps: number, depth: number}} Budget what one event may still run */
  /** @typedef {{days: string[], months: string[], am: string, pm: string}} Names for dynamic text */
  /** @typedef {Object<string, *>} LookProps a state's values, every property of DEFAULT_LOOK */
  /** @typedef {{x: number, y: number, w: number, h: number}} Rect */
  /** @typedef {{stop: function(): void, stopped?: boolean, node?: AudioBufferSourceNode}} Sound */
  /**
   * What the engine asks of the page (or of a test's double); every part may be missing.
   * @typedef {{
   *   draw?: (b?: Button) => void, changedButton?: (b: Button) => void, images?: (list: string[]) => void,
   *   resolve?: (file: string) => string, warn?: (w: string) => void, log?: (t: string) => void,
   *   status?: (t: string) => void, cursor?: (c: string) => void,
   *   navigate?: (url: string, target: string) => void, audio?: (mode: number, url: string) => void,
   *   animate?: (ref: number) => void, runJs?: (code: string) => void,
   *   fetch?: (url: string) => Promise<string>, setTimeout?: (fn: () => void, ms: number) => *,
   *   clearTimeout?: (id: *) => void, setRefresh?: (ms: number) => void
   * }} EngineHost
   */
  /**
   * The handle an editor calls (see EditorControl).
   * @typedef {{
   *   replace: (text: string, w: *, h: *, changed?: string[]) => void,
   *   replaceApplet: (html: string, changed?: string[]) => void,
   *   update: (statements: string[], lists: string, changed?: string[]) => void,
   *   show: (names: ?string|string[], state: number) => void, mark: (names: ?string|string[]) => void,
   *   offset: (name: string, dx: number, dy: number) => void,
   *   interactive: (on: boolean) => void, hit: (x: number, y: number) => ?string
   * }} EditorHandle
   */

  // ------------------------------------------------------------------ keywords

  /** @type {Object<string, string>} */
  const COMMAND_TOKENS = {
    1: 'internet', 2: 'timer', 3: 'call', 4: 'audio', 5: 'output', 6: 'cursor', 7: 'set',
    8: 'script', 9: 'read', 10: 'pause', 11: 'add', 12: 'sub',
    100: 'button', 101: 'propset', 102: 'propget', 103: 'animate', 104: 'stateset'
  };
  /** @type {Object<string, string>} */
  const COMMAND_WORDS = {};
  Object.keys(COMMAND_TOKENS).forEach(function (k) { COMMAND_WORDS[COMMAND_TOKENS[k]] = COMMAND_TOKENS[k]; });

  // Property names in token order: the index is the property's token.
  const PROPS = ['state', 'name', 'mode', 'x', 'y', 'width', 'height', 'show', 'drag', 'color',
    'style', 'text', 'textColor', 'textSize', 'textStyle', 'textAlignX', 'textAlignY',
    'textOffsetX', 'textOffsetY', 'textFont', 'image', 'imageStyle', 'imageAlignX', 'imageAlignY',
    'imageOffsetX', 'imageOffsetY', 'borderStyle', 'borderSmooth', 'borderTop', 'borderMid',
    'borderBot', 'borderThick', 'frameThick', 'frameColor', 'event', 'tip'];
  /** @type {Object<string, string>} */
  const PROP_WORDS = {};
  PROPS.forEach(function (p) { PROP_WORDS[p.toLowerCase()] = p; });

  /** @type {Object<string, string>} */
  const STATE_TOKENS = { 200: 'up', 201: 'over', 202: 'down', 203: 'all' };
  /** @type {Object<string, string>} */
  const STATE_WORDS = { up: 'up', over: 'over', down: 'down', all: 'all' };
  /** @type {Object<string, number>} */
  const STATE_INDEX = { up: 0, over: 1, down: 2 };
  const STATE_NAMES = ['up', 'over', 'down'];

  /**
   * Words that stand for numbers wherever a value is expected (no word has two values).
   * @type {Object<string, number>}
   */
  const VALUE_WORDS = {
    status: 0, console: 1, yes: 1, no: 0, true: 1, false: 0, play: 0, loop: 1, stop: 2,
    crosshaircursor: 1, defaultcursor: 0, e_resizecursor: 11, handcursor: 12, movecursor: 13,
    n_resizecursor: 8, ne_resizecursor: 7, nw_resizecursor: 6, s_resizecursor: 9,
    se_resizecursor: 5, sw_resizecursor: 4, textcursor: 2, w_resize: 10, w_resizecursor: 10,
    waitcursor: 3, velkoscript: 0, javascript: 1, top: 0, center: 1, bottom: 2, left: 0,
    right: 2, solid: 0, transparent: 1, normal: 0, tile: 1, scale: 2, none: 0, flat: 1,
    bevel: 2, point: 3, raised: 4, push: 0, check: 1, radio: 2
  };

  /** @type {Object<string, string>} */
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
  const MAX_APPLET = 16777216; // CSS pixels a side of one applet, within both engines' layout limits
  const FIT_MARGIN = 8;        // CSS pixels kept free right of an applet scaled to fit the screen
  const MAX_STEPS = 10000;     // commands one run may execute (a loop made of Call stops here)
  const MAX_CALL_DEPTH = 16;
  const MIN_TIMER_MS = 10;

  // ------------------------------------------------------------------ tokenizer

  /**
   * Numbers as the generator writes them: decimal integers and 0x colours; anything larger
   * than 32 bits is clamped so that a huge number cannot make a huge canvas or loop.
   * @param {string} text
   * @returns {?number}
   */
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
  /**
   * @param {number} c a character code
   * @returns {boolean}
   */
  function isDigit(c) { return c >= 48 && c <= 57; }
  /**
   * @param {number} c a character code
   * @returns {boolean}
   */
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
  // A character the page's 8-bit text cannot hold, as the generator writes it: \u{10D}.
  const CODE_POINT_RE = /\\u\{([0-9A-Fa-f]{1,6})\}/y;
  const CODE_POINTS_RE = /\\u\{([0-9A-Fa-f]{1,6})\}/g;

  /**
   * The character of a \u{HEX} escape; one beyond Unicode stays as it was written.
   * @param {string} written
   * @param {string} hex
   * @returns {string}
   */
  function codePointText(written, hex) {
    const cp = parseInt(hex, 16);
    return cp <= 0x10FFFF ? String.fromCodePoint(cp) : written;
  }

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
    /** @type {?Token} the token under the cursor, once read */
    this.tok = null;
    /** @type {Token[]} a quoted text read, until it is the token */
    this.quoted = [];
  }

  /** @returns {?Token} the token under the cursor, or null at the end */
  Lexer.prototype.peek = function () {
    if (this.tok === null) this.read();
    return this.tok;
  };

  /** Moves past the token under the cursor. */
  Lexer.prototype.next = function () {
    if (this.tok === null) this.read();
    this.tok = null;
  };

  /** @returns {boolean} the next token read into `tok`; false at the end of the script */
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
      let end = WORD_RE.lastIndex;
      // A character written \u{HEX} belongs to the word, braces and all.
      while (src.charCodeAt(end) === 123 && src.charCodeAt(end - 1) === 117 && src.charCodeAt(end - 2) === 92) {
        CODE_POINT_RE.lastIndex = end - 2;
        if (!CODE_POINT_RE.test(src)) break;
        WORD_RE.lastIndex = CODE_POINT_RE.lastIndex;
        end = WORD_RE.test(src) ? WORD_RE.lastIndex : CODE_POINT_RE.lastIndex;
      }
      const written = src.slice(i, end);
      const text = written.indexOf('\\u{') < 0 ? written : written.replace(CODE_POINTS_RE, codePointText);
      const f = text.charCodeAt(0);
      const num = (f >= 48 && f <= 57) || f === 45 || f === 43 ? toNumber(text) : null;
      this.at = end;
      if (num !== null) return this.push({ k: 'n', v: num, p: i, raw: text });
      return this.push({ k: 'w', v: text, p: i, raw: null });
    }
    this.at = n;
    return false;
  };

  /**
   * Makes `tk` the token under the cursor.
   * @param {Token} tk
   * @returns {boolean} true
   */
  Lexer.prototype.push = function (tk) {
    this.tok = tk;
    this.lastKind = tk.k;
    return true;
  };

  /**
   * Every token of the script at once (for tests and tools; the parser reads them one by one).
   * @param {string} src
   * @param {?WarnFn} [warn]
   * @returns {Token[]}
   */
  function tokenize(src, warn) {
    const lexer = new Lexer(src, warn || null);
    const out = [];
    for (let tk = lexer.peek(); tk !== null; tk = lexer.peek()) {
      out.push(tk);
      lexer.next();
    }
    return out;
  }

  /**
   * Whether a \u{HEX} escape begins at `i`; CODE_POINT_RE.lastIndex is then after it.
   * @param {string} src
   * @param {number} i
   * @returns {boolean}
   */
  function readCodePoint(src, i) {
    CODE_POINT_RE.lastIndex = i;
    return CODE_POINT_RE.test(src);
  }

  /**
   * One quoted text from position `start`, read as exactly the inverse of the generator's
   * escaping: \' is a quote, \n a line break, \x22 a double quote, \x5C a backslash, \u{HEX}
   * the character of that code point (one the page's 8-bit text cannot hold); every
   * other backslash is itself, so that \\server\share and C:\dir keep theirs (the generator
   * writes \x5C for a backslash only where the next character would make it one of these).
   * Returns the position after it.
   * @param {string} src
   * @param {number} start
   * @param {Token[]} out
   * @param {?WarnFn} warn
   * @returns {number}
   */
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
        else if (e === 'u' && src.charCodeAt(i + 2) === 123 && readCodePoint(src, i)) {
          const after = CODE_POINT_RE.lastIndex;
          s += codePointText(src.slice(i, after), src.slice(i + 3, after - 1));
          i = after - 1;
        }
        else s += '\\'; // any other backslash stays (Windows paths, \\server\share)
        seg = i + 1;
      }
    }
    if (warn) warn('unterminated quoted text', start, src.slice(start, start + 40));
    out.push({ k: 's', v: s + src.slice(seg, n), p: start, raw: null });
    return n;
  }

  // ------------------------------------------------------------------ parser

  /**
   * Parses a whole script into a list of commands. Returns {commands, warnings, skipped}; every
   * statement that cannot be read is left out with one warning naming it and its position
   * (the first MAX_WARNINGS of them; `skipped` counts the others).
   * @param {*} src the script (anything else is read as its text)
   * @param {{offset: number}} [options]
   * @returns {ParseResult}
   */
  function parse(src, options) {
    /** @type {Warning[]} */
    const warnings = [];
    let skipped = 0;
    src = typeof src === 'string' ? src : String(src === null || src === undefined ? '' : src);
    // Only the first warnings are kept whole: a script of a million stray braces costs a count.
    /** @type {WarnFn} */
    const warn = function (reason, pos, text) {
      if (warnings.length < MAX_WARNINGS) warnings.push({ reason: reason, pos: pos, text: text === undefined ? '' : text });
      else skipped++;
    };
    const lexer = new Lexer(src, warn);
    /** @type {ParseState} */
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

  /**
   * Reads statements until a closing brace (inside a block) or the end of the script.
   * @param {ParseState} st
   * @param {number} depth
   * @returns {Command[]}
   */
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

  /**
   * Skips to the brace that closes one already opened, without recursion.
   * @param {ParseState} st
   */
  function skipBlock(st) {
    let level = 1;
    const lx = st.lexer;
    for (let tk = lx.peek(); tk !== null && level > 0; tk = lx.peek()) {
      if (tk.k === '{') level++;
      else if (tk.k === '}') level--;
      lx.next();
    }
  }

  /**
   * The command a statement's first item names, or null.
   * @param {?Token} tk
   * @returns {?string}
   */
  function commandOf(tk) {
    if (!tk) return null;
    if (tk.k === 'n') return COMMAND_TOKENS[tk.v] || null;
    if (tk.k === 'w') return COMMAND_WORDS[tk.v.toLowerCase()] || null;
    return null;
  }

  /**
   * A value item as a number: a number, a value word (True, Tile, HandCursor...), or null.
   * @param {?Token} tk
   * @returns {?number}
   */
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

  /**
   * Text of a name or address item: quoted text or a bare word (_self, Background, Day0).
   * @param {?Token} tk
   * @returns {?string}
   */
  function textOf(tk) {
    if (!tk) return null;
    if (tk.k === 's' || tk.k === 'w') return tk.v;
    if (tk.k === 'n') return tk.raw !== null && tk.raw !== undefined ? tk.raw : String(tk.v);
    return null;
  }

  /**
   * The items after a statement's command, without the "=" that the word form puts between
   * a name and its value.
   * @param {Token[]} items
   * @returns {Token[]}
   */
  function argumentsOf(items) {
    const a = [];
    for (let i = 1; i < items.length; i++) if (items[i].k !== '=') a.push(items[i]);
    return a;
  }

  /**
   * A statement that cannot be read, and why.
   * @param {ParseState} st
   * @param {string} reason
   * @returns {null}
   */
  function fail(st, reason) { st.lastReason = reason; return null; }

  /**
   * Turns the items of one statement into a command object, or null with a reason.
   * @param {Token[]} items
   * @param {ParseState} st
   * @returns {?Command}
   */
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
      /** @type {Command} */
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

  /**
   * The property an item names, or null.
   * @param {?Token} tk
   * @returns {?string}
   */
  function propertyOf(tk) {
    if (!tk) return null;
    if (tk.k === 'n') return tk.v >= 0 && tk.v < PROPS.length ? PROPS[tk.v] : null;
    if (tk.k === 'w') return PROP_WORDS[tk.v.toLowerCase()] || null;
    return null;
  }

  /**
   * The state keyword an item is ('up', 'over', 'down', 'all'), or null.
   * @param {?Token} tk
   * @returns {?string}
   */
  function stateOf(tk) {
    if (!tk) return null;
    if (tk.k === 'n') return STATE_TOKENS[tk.v] || null;
    if (tk.k === 'w') return STATE_WORDS[tk.v.toLowerCase()] || null;
    return null;
  }

  /**
   * The value of Set: a script block, a number or a text.
   * @param {Token} tk
   * @returns {*}
   */
  function valueOf(tk) {
    if (tk.k === 'b') return { script: tk.v };
    if (tk.k === 'n') return tk.v;
    return tk.v;
  }

  /**
   * Reads "key value" pairs (word form: "Key=Value") with state keywords opening blocks.
   * Properties before the first state keyword belong to the button as a whole. A bare word
   * that is neither (a state of another name) opens a block that is skipped.
   * @param {Token[]} a
   * @param {number} from
   * @param {Command} cmd
   * @param {ParseState} st
   */
  function readProperties(a, from, cmd, st) {
    /** @type {Block} */
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

  /**
   * A property's value in its own type; undefined when the item cannot be one.
   * @param {string} prop
   * @param {Token} tk
   * @returns {*}
   */
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

  /**
   * Joins Script0, Script1, ... as the generator cut them: each value without its first and
   * last "+"; a Script0 that is not wrapped (a page reading its parameters from a file) as is.
   * @param {function(string): (string|null|undefined)} get a parameter's value by name
   * @returns {string}
   */
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

  /**
   * A list parameter ("a|b|c") as its items.
   * @param {?string} v
   * @returns {string[]}
   */
  function splitList(v) {
    return v ? v.split('|') : [];
  }

  /**
   * Reads an input file (name=value lines) into a parameter map; the file doubles every
   * backslash, which is undone here.
   * @param {*} text
   * @returns {Object<string, string>}
   */
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

  /**
   * One mu-law byte as a 16-bit linear sample (-32124 .. 32124).
   * @param {number} u
   * @returns {number}
   */
  function ulawToLinear(u) {
    const v = ~u & 0xFF;
    const e = (v >> 4) & 7;
    const s = SEGMENT_BASE[e] + ((v & 0x0F) << (e + 3));
    return (v & 0x80) ? (-s | 0) : s;
  }

  /**
   * The same sample reduced to unsigned 8-bit PCM, as the program's own WAVE conversion does.
   * @param {number} u
   * @returns {number}
   */
  function ulawToPcm8(u) {
    return ((ulawToLinear(u) >> 8) & 0xFF) ^ 0x80;
  }

  /**
   * A big-endian 32-bit number at `o`.
   * @param {Uint8Array} b
   * @param {number} o
   * @returns {number}
   */
  function readBE32(b, o) {
    return ((b[o] << 24) >>> 0) + (b[o + 1] << 16) + (b[o + 2] << 8) + b[o + 3];
  }

  /**
   * Decodes a Sun audio file (8000 Hz, mono, mu-law) into float samples; null when the bytes
   * are not such a file. The sample rates 8001 to 8012 are accepted as 8000.
   * @param {ArrayLike<number>|ArrayBuffer} bytes
   * @returns {?{sampleRate: number, samples: Float32Array}}
   */
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

  /**
   * @param {number} n
   * @returns {string} it with at least two digits
   */
  function pad2(n) { return (n < 10 ? '0' : '') + n; }

  /**
   * The first `n` characters of `text` as a reader counts them: a letter with its marks, or
   * an emoji of several code points, is one and is never cut apart. The browser's own
   * segmenting where it has one, else a code point with the marks and joined code points
   * after it.
   * @param {string} text
   * @param {number} n
   * @returns {string}
   */
  function firstCharacters(text, n) {
    /** @type {any} */
    const Segmenter = typeof Intl !== 'undefined' && /** @type {any} */ (Intl).Segmenter;
    let out = '';
    let count = 0;
    if (Segmenter) {
      for (const g of new Segmenter(undefined, { granularity: 'grapheme' }).segment(text)) {
        if (count++ === n) break;
        out += g.segment;
      }
      return out;
    }
    const re = /[\u{1F1E6}-\u{1F1FF}]{2}|[^](?:[\p{M}\u{1F3FB}-\u{1F3FF}]|\u200D[^]?)*/gu;
    let m;
    while (count++ < n && (m = re.exec(text))) out += m[0];
    return out;
  }

  // Characters of the scripts written right to left (Hebrew, Arabic, Syriac, Thaana, N'Ko
  // and their kin, their presentation forms, the right-to-left marks and those of the
  // supplementary planes). A text that holds one is laid out in the direction its first
  // strong character says (dir="auto"), so that its neutral characters fall on its side.
  const RIGHT_TO_LEFT_RE = /[\u0590-\u08FF\u200F\u202B\u202E\u2067\uFB1D-\uFDFF\uFE70-\uFEFF]|[\uD802\uD803\uD83A\uD83B][\uDC00-\uDFFF]/;

  /** @param {string} text @returns {boolean} whether it holds a character written right to left */
  function hasRightToLeft(text) { return RIGHT_TO_LEFT_RE.test(text); }

  /**
   * Replaces ${date.%X} tokens with the parts of `now`, using the configurable names, and
   * ${name} with the value of a variable. A place-holder runs from "${" to the first "}"
   * after it; one scan from left to right, so that text that never closes costs no more
   * than any other.
   * @param {string} text
   * @param {Date} now
   * @param {Names} names
   * @param {?Object<string, *>} vars
   * @returns {string}
   */
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

  /**
   * The text of one place-holder `whole` ("${...}"); an unknown name stays as it is.
   * @param {string} whole
   * @param {Date} now
   * @param {Names} names
   * @param {?Object<string, *>} vars
   * @returns {string}
   */
  function placeHolder(whole, now, names, vars) {
    const body = whole.slice(2, -1);
    if (body.slice(0, 5).toLowerCase() === 'date.') {
      return body.slice(5).replace(/%([a-zA-Z%])/g, /** @param {string} m @param {string} f */ function (m, f) { return dateField(f, now, names); });
    }
    const v = vars && vars[body.toLowerCase()];
    return v === undefined || (v && v.script) ? whole : String(v);
  }

  /**
   * One field of a date place-holder (%A, %d, ...); an unknown one stays as it is.
   * @param {string} f
   * @param {Date} d
   * @param {Names} names
   * @returns {string}
   */
  function dateField(f, d, names) {
    const h12 = d.getHours() % 12 === 0 ? 12 : d.getHours() % 12;
    switch (f) {
      case 'A': return names.days[d.getDay()];
      case 'a': return firstCharacters(names.days[d.getDay()], 3);
      case 'w': return String(d.getDay());
      case 'B': return names.months[d.getMonth()];
      case 'b': return firstCharacters(names.months[d.getMonth()], 3);
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

  /** @type {LookProps} */
  const DEFAULT_LOOK = {
    x: 0, y: 0, width: 100, height: 40, show: true, drag: 0, state: 0, mode: 0, tip: '',
    color: 0xC0C0C0, style: 0, textColor: 0, textSize: 11, textStyle: 0, textAlignX: 1,
    textAlignY: 1, textOffsetX: 0, textOffsetY: 0, textFont: 'Arial', image: null, imageStyle: 0,
    imageAlignX: 1, imageAlignY: 1, imageOffsetX: 0, imageOffsetY: 0, borderStyle: 2,
    borderSmooth: true, borderTop: 0xFFFFFF, borderMid: 0xC0C0C0, borderBot: 0, borderThick: 3,
    frameThick: 0, frameColor: 0
  };

  /**
   * The project as it runs: buttons, variables, names for dynamic text, timers. The host
   * gives it the browser (or a test double): draw, navigate, status, cursor, audio, fetch,
   * runJs, setTimeout, clearTimeout, setInterval, clearInterval, log, warn.
   * @constructor
   * @param {EngineHost} [host]
   */
  function Engine(host) {
    this.host = host || {};
    /** @type {Button[]} */
    this.buttons = [];
    /** @type {Object<string, Button>} the buttons by lower-case name */
    this.byName = Object.create(null);
    this.vars = Object.create(null);
    this.names = { days: DEFAULT_DAYS.slice(), months: DEFAULT_MONTHS.slice(), am: 'AM', pm: 'PM' };
    /** @type {string[]} */
    this.images = [];
    /** @type {string[]} */
    this.audio = [];
    this.refresh = 0;
    this.timers = Object.create(null);
    this.readGeneration = 0;
    this.background = null;
    this.current = null; // the budget and depth of the event being run
    this.pageCursor = null; // set by a Cursor statement outside any button
  }

  /** @param {string} w a warning for the page's console */
  Engine.prototype.warn = function (w) {
    if (this.host.warn) this.host.warn(w);
  };

  /**
   * Parses a script and runs it; warnings go to the host, at most MAX_WARNINGS of them.
   * @param {string} script
   * @param {string} [origin] where it comes from, for the warnings
   * @returns {ParseResult}
   */
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

  /**
   * Runs a list of commands; a Pause carries the rest on after its interval.
   * One user event (or timer, or continuation after a Pause) has one budget of steps and one
   * depth for everything it sets off: the blocks it runs, Call, Script and the clicks of other
   * buttons share them, so that no script, however it calls itself, can hold the page.
   * `from` is where a list carried on after a Pause goes on (0: its start); the list itself
   * is never copied, so that a chain of pauses costs its length once.
   * @param {?Command[]} commands
   * @param {?Button} button
   * @param {number} [depth]
   * @param {?Budget} [budget]
   * @param {number} [from]
   */
  Engine.prototype.run = function (commands, button, depth, budget, from) {
    if (!commands || this.stopped) return;
    if (this.current) { this.runIn(commands, button, this.current, from); return; }
    const event = { steps: MAX_STEPS + commands.length - (from || 0), depth: depth || 0 };
    this.current = event;
    try { this.runIn(commands, button, event, from); } finally { this.current = null; }
  };

  /**
   * Runs commands within the budget of the event that set them off.
   * @param {Command[]} commands
   * @param {?Button} button
   * @param {Budget} budget
   * @param {number} [from]
   */
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

  /** A project replaced in its applet: nothing of it runs any more. */
  Engine.prototype.stop = function () {
    this.stopped = true;
    const h = this.host;
    for (const id in this.timers) if (h.clearTimeout) h.clearTimeout(this.timers[id]);
    this.timers = Object.create(null);
  };

  /** Runs `fn` after `ms` milliseconds. @param {number} ms @param {function(): void} fn @returns {*} the timer */
  Engine.prototype.later = function (ms, fn) {
    return this.host.setTimeout ? this.host.setTimeout(fn, ms) : null;
  };

  /** Runs one command. @param {Command} c @param {?Button} button @param {number} depth @param {Budget} budget */
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

  /** @param {string} file @returns {string} its address as the page reads it */
  Engine.prototype.resolve = function (file) {
    return this.host.resolve ? this.host.resolve(file) : file;
  };

  /**
   * Variables; some names mean settings of the runtime.
   * @param {*} name
   * @param {*} value
   */
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
      // The name before ".Leave" as written (a lower-case letter may be longer than its capital).
      const b = this.find(String(name).slice(0, -'.leave'.length));
      if (b) b.leave = value && value.script ? value.script : null;
    }
    this.changed();
  };

  /**
   * Every change of the model counts up `version`, so that the page redoes its costlier
   * checks (is there a clock to tick?) only after one.
   * Only `b` looks different now (without it: anything may).
   * @param {Button} [b]
   */
  Engine.prototype.redraw = function (b) {
    if (this.host.draw) this.host.draw(b);
  };

  /**
   * `b`, when given, is the one button that changed: a page may then redo only its part.
   * @param {Button} [b]
   */
  Engine.prototype.changed = function (b) {
    this.version = (this.version || 0) + 1;
    if (b && this.host.changedButton) this.host.changedButton(b);
    else if (this.host.draw) this.host.draw();
  };

  /**
   * Timer n ms runs the script held by the variable Timer<n> once, after ms; 0 cancels it.
   * @param {number} id
   * @param {number} ms
   */
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

  /** Read: the input file's parameters, once fetched. @param {string} file @param {boolean} replace */
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

  /**
   * Runs the parameters of an input file: its lists, then its script. With `replace` the
   * buttons that earlier readings made are removed first.
   * @param {Object<string, string>} params
   * @param {boolean} replace
   * @param {string} [origin]
   */
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

  /** @param {string[]} list the project's images */
  Engine.prototype.setImages = function (list) {
    this.images = list;
    if (this.host.images) this.host.images(list.map(this.resolve, this));
  };

  /**
   * A Button statement makes a button, or redefines the one of the same name; the project's
   * Background statement makes (or remakes) the background.
   * @param {Command} c
   */
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

  /**
   * PropSet of the background changes it too.
   * @param {*} name
   * @returns {?Button}
   */
  Engine.prototype.find = function (name) {
    const key = String(name).toLowerCase();
    return this.byName[key] || (key === 'background' ? this.background : null);
  };

  /** @param {Command} c */
  Engine.prototype.propSet = function (c) {
    const b = this.find(c.name);
    if (!b) return;
    b.merge(c);
    this.changed(b);
  };

  // ------------------------------------------------------------------ button behaviour

  /**
   * A button of the project, made by its Button statement.
   * @constructor
   * @param {Command} c
   */
  function Button(c) {
    this.name = c.name;
    /** @type {Object<string, ?Block>} */
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
  }

  /**
   * Adds the blocks of a Button or PropSet statement: later values win.
   * @param {Command} c
   */
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

  /**
   * The values of one state: defaults, the button's own values, then the state's block,
   * and the cursor of its event block. Each state's look is made when first asked for (the
   * first showing needs only Up), as an object of one fixed shape.
   * @param {number} s
   * @returns {LookProps}
   */
  Button.prototype.look = function (s) {
    const looks = this.looks || (this.looks = /** @type {LookProps[]} */ ([null, null, null]));
    return looks[s] || (looks[s] = this.makeLook(s));
  };

  /**
   * @param {number} s
   * @returns {LookProps}
   */
  Button.prototype.makeLook = function (s) {
    const bl = this.blocks;
    const l = new Look(this.name);
    copyProps(l, bl.base.props);
    if (bl.all) copyProps(l, bl.all.props);
    const own = bl[STATE_NAMES[s]];
    if (own) copyProps(l, own.props);
    l.cursor = this.cursorIndex(s);
    return l;
  };

  /**
   * The caption a state shows, read from the blocks without making its look.
   * @param {number} s
   * @returns {string}
   */
  Button.prototype.textOf = function (s) {
    if (this.looks && this.looks[s]) return this.looks[s].text;
    const bl = this.blocks;
    const own = bl[STATE_NAMES[s]];
    if (own && own.props.text !== undefined) return own.props.text;
    if (bl.all && bl.all.props.text !== undefined) return bl.all.props.text;
    return bl.base.props.text !== undefined ? bl.base.props.text : this.name;
  };

  /**
   * @param {Object} l
   * @param {Object<string, *>} props
   */
  function copyProps(l, props) {
    Object.assign(l, props);
  }

  /**
   * A look starts as the defaults, every property in the same order, so that all looks
   * share one shape.
   * @constructor
   * @param {string} name
   */
  function Look(name) {
    copyProps(this, DEFAULT_LOOK);
    this.name = undefined;
    this.text = name;
    this.cursor = 0; // an index into CSS_CURSORS
  }

  /** @param {number} s @returns {?Command[]} the event block of a state */
  Button.prototype.events = function (s) {
    const b = this.blocks[STATE_NAMES[s]];
    return b && b.events;
  };

  /**
   * The cursor of a state: the last Cursor command of its event block (the button's own
   * block for the background), else the default arrow.
   * @param {number} s
   * @returns {string}
   */
  Button.prototype.cursorOf = function (s) {
    return CSS_CURSORS[this.cursorIndex(s)] || 'default';
  };

  /** @param {number} s a state @returns {number} its cursor's number */
  Button.prototype.cursorIndex = function (s) {
    const block = this.isBackground ? this.blocks.base : this.blocks[STATE_NAMES[s]];
    const list = (block && block.events) || [];
    let c = 0;
    list.forEach(function (e) { if (e.op === 'cursor') c = e.cursor; });
    return c;
  };

  /** @returns {number} 0 push, 1 check, 2 radio button */
  Button.prototype.mode = function () { return this.blocks.base.props.mode || 0; };
  /** @returns {boolean} */
  Button.prototype.visible = function () { return this.look(0).show !== false; };
  /** @returns {boolean} */
  Button.prototype.draggable = function () { return this.blocks.base.props.drag === 1; };

  /**
   * The address a push button opens when clicked (its Up block's first Internet command),
   * or null: such a button is a link for the keyboard, the mouse's other buttons and
   * screen readers.
   * @returns {?Command}
   */
  Button.prototype.link = function () {
    if (this.mode() !== 0) return null;
    const list = this.events(0) || [];
    for (let i = 0; i < list.length; i++) if (list[i].op === 'internet') return list[i];
    return null;
  };

  /**
   * The state shown now: pressed over it or selected is Down, hovered is Over.
   * @returns {number}
   */
  Button.prototype.shown = function () {
    if (this.forced !== undefined) return this.forced;
    if ((this.pressed && this.hover) || this.selected) return 2;
    return this.hover ? 1 : 0;
  };

  /** PropGet: a property of the state shown. @param {string} p @returns {*} */
  Button.prototype.prop = function (p) {
    const v = this.look(this.shown())[p];
    if (p === 'state') return this.shown();
    return v === undefined ? null : v;
  };

  /**
   * The rectangle of a state: its X and Y are absolute, plus any dragging.
   * @param {number} s
   * @returns {Rect}
   */
  Button.prototype.rect = function (s) {
    const l = this.look(s);
    return { x: l.x + this.dx, y: l.y + this.dy, w: Math.max(0, Math.min(l.width, 16384)), h: Math.max(0, Math.min(l.height, 16384)) };
  };

  /** The pointer comes over `b`. @param {Button} b */
  Engine.prototype.enter = function (b) {
    if (b.hover) return;
    b.hover = true;
    b.forced = undefined;
    if (!b.selected) this.run(b.events(1), b);
    this.redraw(b);
  };

  /** The pointer leaves `b`. @param {Button} b */
  Engine.prototype.leaveButton = function (b) {
    if (!b.hover) return;
    b.hover = false;
    b.pressed = false;
    b.forced = undefined;
    if (this.host.status) this.host.status('');
    this.run(b.leave, b);
    this.redraw(b);
  };

  /** @param {Button} b */
  Engine.prototype.press = function (b) {
    b.forced = undefined;
    if (b.pressed) return;
    b.pressed = true;
    if (!b.selected) this.run(b.events(2), b);
    this.redraw(b);
  };

  /**
   * Release over the button: the click. Push buttons run their Up block; a check box
   * toggles; a radio button is selected and releases the project's other radio buttons.
   * @param {Button} b
   */
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

  /** A press that ends away from the button. @param {Button} b */
  Engine.prototype.cancelPress = function (b) {
    b.pressed = false;
    this.redraw(b);
  };

  /** Call of a button: a press and a release. @param {Button} b */
  Engine.prototype.click = function (b) {
    if (this.current && this.current.depth > MAX_CALL_DEPTH) return;
    this.press(b);
    this.release(b);
  };

  /**
   * StateSet: 2 selects the button, 0 releases it, 1 shows it as Over until the mouse comes.
   * @param {Button} b
   * @param {number} s
   */
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

  /**
   * The topmost visible button under a point (the background is not one).
   * @param {number} x
   * @param {number} y
   * @returns {?Button}
   */
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
  /**
   * @param {Button} b
   * @returns {boolean}
   */
  function showsTime(b) {
    return [0, 1, 2].some(function (s) { return DATE_RE.test(b.textOf(s) || ''); });
  }

  /** @returns {Button[]} the buttons whose captions show the date or time */
  Engine.prototype.clockButtons = function () { return this.buttons.filter(showsTime); };


  // ---- look to CSS

  const FLEX_ALIGN = ['flex-start', 'center', 'flex-end'];
  const TEXT_ALIGN = ['left', 'center', 'right'];
  // eslint-disable-next-line no-control-regex
  const URL_UNSAFE_RE = /["'\\<>() \x00-\x1F\x7F]/g;

  /** @param {number} a an alignment @returns {number} 0, 1 or 2: anything but left or right is the centre */
  function alignOf(a) { return a === 0 || a === 2 ? a : 1; }

  /** @param {number} v @param {number} lo @param {number} hi @returns {number} */
  function clamp(v, lo, hi) { return Math.max(lo, Math.min(v, hi)); }

  /**
   * One side of an image's place: from the left (or top) edge, the far edge or the middle,
   * moved by its offset. @param {number} align @param {number} off @returns {string}
   */
  function imageSide(align, off) {
    const a = alignOf(align);
    if (a === 0) return off + 'px';
    const base = a === 2 ? '100%' : '50%';
    return off ? 'calc(' + base + ' + ' + off + 'px)' : base;
  }

  /**
   * The CSS of an image over a box (a button's or the background's): tiled, scaled to the
   * box or placed by its alignment and offsets. `image` is the address as the page's image
   * list writes it (the page's own style sheet writes an empty one too); anything else is no image.
   * @param {any} l a look
   * @returns {string}
   */
  function imageCss(l) {
    if (typeof l.image !== 'string') return 'background-image:none';
    const u = l.image.replace(URL_UNSAFE_RE, /** @param {string} c */ function (c) {
      return '%' + ('0' + c.charCodeAt(0).toString(16).toUpperCase()).slice(-2);
    });
    const st = l.imageStyle;
    const place = st === 1 ? 'repeat;background-size:auto;background-position:0 0'
      : st === 2 ? 'no-repeat;background-size:100% 100%;background-position:0 0'
        : 'no-repeat;background-size:auto;background-position:' + imageSide(l.imageAlignX, l.imageOffsetX) + ' ' +
          imageSide(l.imageAlignY, l.imageOffsetY);
    return 'background-image:url("' + u + '");background-repeat:' + place;
  }

  /** @param {number} v a size in pixels @returns {string} it in rem, the shortest decimal */
  function rem(v) { return String(v / 16) + 'rem'; }

  /**
   * A look as CSS: `box` for the button's element, `cap` for its caption's span. Positions
   * are relative to (originX, originY), where the element's layout puts it; in a flow
   * layout the height is the least the button takes, so that larger text makes it taller.
   * @param {any} l a look (its image the address as the page writes it, its cursor a number)
   * @param {number} originX
   * @param {number} originY
   * @param {boolean} flow
   * @returns {{box: string, cap: string}}
   */
  function lookCss(l, originX, originY, flow) {
    const w = clamp(l.width, 0, 16384);
    const h = clamp(l.height, 0, 16384);
    const dx = l.x - originX, dy = l.y - originY;
    const shadows = [];
    // The colour of the last shadow when it is one colour all round: a ring of that
    // colour just inside it covers it, so it is left out.
    let spread = '';
    const f = clamp(l.frameThick, 0, Math.floor(Math.min(w, h) / 2));
    if (f > 0) {
      spread = css(l.frameColor);
      shadows.push('inset 0 0 0 ' + f + 'px ' + spread);
    }
    if (l.borderStyle >= 1 && l.borderStyle <= 4) {
      const t = clamp(l.borderThick, 0, Math.floor(Math.min(w - 2 * f, h - 2 * f) / 2));
      const rings = borderRings(l, t);
      for (let i = 0; i < t; i++) {
        const k = f + i + 1, top = rings[2 * i], bot = rings[2 * i + 1];
        if (top === bot) {
          // A ring of one colour: the outer k pixels, under the earlier shadows.
          if (top === spread) shadows.pop();
          shadows.push('inset 0 0 0 ' + k + 'px ' + top);
          spread = top;
        } else {
          shadows.push('inset 0 ' + k + 'px ' + top + ',inset 0 -' + k + 'px ' + bot + ',inset -' + k + 'px 0 ' + bot + ',inset ' + k + 'px 0 ' + top);
          spread = '';
        }
      }
    }
    const ax = alignOf(l.textAlignX);
    const box = 'width:' + w + 'px;' + (flow ? 'min-height:' : 'height:') + h + 'px' +
      ';transform:' + (dx === 0 && dy === 0 ? 'none' : 'translate(' + dx + 'px,' + dy + 'px)') +
      ';cursor:' + (CSS_CURSORS[l.cursor] || 'default') +
      ';color:' + css(l.textColor) +
      ';background-color:' + (l.style === 0 ? css(l.color) : 'transparent') +
      ';' + imageCss(l) +
      ';box-shadow:' + (shadows.length ? shadows.join(',') : 'none') +
      ';justify-content:' + FLEX_ALIGN[ax] + ';align-items:' + FLEX_ALIGN[alignOf(l.textAlignY)] +
      ';text-align:' + TEXT_ALIGN[ax] +
      ';padding:' + (Math.max(0, l.borderStyle ? l.borderThick : 0) + Math.max(0, l.frameThick) + 2) + 'px';
    const st = l.textStyle | 0;
    const size = clamp(l.textSize, 1, 255);
    const cap = 'font:' + (st & 2 ? 'italic ' : '') + (st & 1 ? 'bold ' : '') + rem(size) + '/' + rem(Math.round(size * 1.2)) +
      ' ' + familyOf(l.textFont) +
      ';text-decoration:' + (st & 4 ? 'underline' : 'none') +
      ';text-shadow:' + (st & 8 ? '-1px -1px 0 #ffffff,1px 1px 0 #000000' : st & 16 ? '-1px -1px 0 #000000,1px 1px 0 #ffffff' : 'none') +
      ';transform:' + (l.textOffsetX || l.textOffsetY ? 'translate(' + l.textOffsetX + 'px,' + l.textOffsetY + 'px)' : 'none');
    return { box: box, cap: cap };
  }

  // ------------------------------------------------------------------ drawing

  /**
   * @param {number} c a colour 0xRRGGBB
   * @returns {string} it in CSS
   */
  function css(c) {
    return '#' + ('000000' + (c & 0xFFFFFF).toString(16)).slice(-6);
  }

  /**
   * Colour `a` moved a share `t` of the way to `b`.
   * @param {number} a
   * @param {number} b
   * @param {number} t
   * @returns {number}
   */
  function mix(a, b, t) {
    /** @param {number} s a channel's shift @returns {number} */
    const ch = function (s) {
      const x = (a >> s) & 255;
      const y = (b >> s) & 255;
      return Math.round(x + (y - x) * t) << s;
    };
    return ch(16) | ch(8) | ch(0);
  }

  /**
   * The colours of a border of `t` rings, the outermost first, each as its top-left and its
   * bottom-right colour. Smooth borders shade each ring towards the middle colour; Raised
   * is a ridge (outer half bevelled, inner half reversed); Point is a groove.
   * @param {LookProps} l
   * @param {number} t
   * @returns {string[]}
   */
  function borderRings(l, t) {
    const style = l.borderStyle;
    const rings = [];
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
  // once, from beside the page, as a font of its own (a page's style sheet may declare it
  // too; the same family twice is one font).
  const FONT_FILE_RE = /\.(woff2?|ttf|otf)$/i;
  /** @type {Object<string, boolean>} */
  const fontFiles = Object.create(null);

  /** @param {string} name a caption's font file @returns {string} the family it is known by */
  function fontFamilyName(name) {
    const file = String(name).split(/[/\\]/).pop() || '';
    return 'VelkoButton ' + file.replace(/[^A-Za-z0-9._-]/g, '_');
  }

  /** Loads a caption's font file once, from beside the page. @param {string} name */
  function loadFontFile(name) {
    const file = String(name).split(/[/\\]/).pop() || '';
    const key = file.toLowerCase();
    const doc = global && global.document;
    if (fontFiles[key] || typeof global.FontFace !== 'function' || !doc || !doc.fonts) return;
    fontFiles[key] = true;
    let url = file;
    try { url = new URL(file, doc.baseURI).href; } catch { /* as written */ }
    const face = new global.FontFace(fontFamilyName(file), 'url("' + url.replace(/["\\]/g, encodeURIComponent) + '")');
    face.load().then(function () { doc.fonts.add(face); }, function () {
      console.warn('VelkoButton: font ' + url + ' could not be loaded');
    });
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
    if (FONT_FILE_RE.test(n)) return '"' + fontFamilyName(n) + '", sans-serif';
    // eslint-disable-next-line no-control-regex
    return '"' + n.replace(/["\\;{}<>\x00-\x1F]/g, '') + '", sans-serif';
  }

  // Bytes of Windows-1252 text as a string: the program writes every text file so, the
  // input file as much as the page. Decoded here, because not every engine's TextDecoder
  // knows the 0x80-0x9F row (the five bytes Windows leaves open stay as they are).
  const CP1252_HIGH = '\u20ac\x81\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160\u2039\u0152\x8d\u017d\x8f' +
    '\x90\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\x9d\u017e\u0178';
  /**
   * @param {ArrayLike<number>|ArrayBuffer} buffer
   * @returns {string}
   */
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

  // ------------------------------------------------------------------ elements

  /**
   * The element a button is on the page: a linked push button a link, any other push button
   * a button, a check or radio button a native input with its label.
   * @param {Button} b
   * @returns {string} 'a', 'button', 'check' or 'radio'
   */
  function shapeOf(b) {
    const m = b.mode();
    return m === 1 ? 'check' : m === 2 ? 'radio' : b.link() ? 'a' : 'button';
  }

  /**
   * The buttons in the order the keyboard visits them: the project's, except that a button
   * shown by another's Over script comes right after that one (after those it showed
   * before in the project's order), so that the keyboard reaches what the mouse reaches.
   * @param {Button[]} buttons
   * @param {function(Button): (Button|null|undefined)} revealerOf the button that showed it
   * @returns {Button[]}
   */
  function tabOrder(buttons, revealerOf) {
    const present = new Set(buttons);
    /** @type {Map<Button, Button[]>} */
    const shown = new Map();
    buttons.forEach(function (b) {
      const r = revealerOf(b);
      if (!r || r === b || !present.has(r)) return;
      const list = shown.get(r);
      if (list) list.push(b); else shown.set(r, [b]);
    });
    /** @type {Button[]} */
    const out = [];
    const seen = new Set();
    /** @param {Button} first */
    const visit = function (first) {
      const stack = [first];
      while (stack.length) {
        const b = stack.pop();
        if (seen.has(b)) continue;
        seen.add(b);
        out.push(b);
        const list = shown.get(b);
        if (list) for (let i = list.length - 1; i >= 0; i--) stack.push(list[i]);
      }
    };
    // A button comes in the project's order unless another showed it; buttons that show
    // each other in a circle keep their places.
    /** @param {Button} b @returns {boolean} */
    const shownByOther = function (b) {
      const walked = new Set([b]);
      for (let r = revealerOf(b); r && present.has(r); r = revealerOf(r)) {
        if (r === b) return false;
        if (walked.has(r)) return true;
        walked.add(r);
      }
      return walked.size > 1;
    };
    buttons.forEach(function (b) { if (!shownByOther(b)) visit(b); });
    buttons.forEach(visit);
    return out;
  }

  /** @type {Object<string, *>} what the runtime offers pages and tests */
  const api = {
    decode1252: decode1252, tokenize: tokenize, parse: parse, joinScript: joinScript, parseParamFile: parseParamFile,
    ulawToLinear: ulawToLinear, ulawToPcm8: ulawToPcm8, decodeAu: decodeAu, expandText: expandText,
    Engine: Engine, Button: Button, PROPS: PROPS, CSS_CURSORS: CSS_CURSORS, familyOf: familyOf,
    lookCss: lookCss, shapeOf: shapeOf, tabOrder: tabOrder, firstCharacters: firstCharacters,
    hasRightToLeft: hasRightToLeft
  };

  // ------------------------------------------------------------------ the page

  if (typeof module !== 'undefined' && module.exports) module.exports = api;
  if (!global || !global.document) return;
  global.VelkoButtonRuntime = api;
  // The parts of a running applet, for tests and for pages that look inside (an applet's own
  // is its velkoApplet).
  api.RunningApplet = RunningApplet;
  api.EditorControl = EditorControl;
  const doc = global.document;

  /**
   * The PARAMs of an applet by lower-case name (the first of a name counts).
   * @param {Element} applet
   * @returns {Object<string, string>}
   */
  function paramsOf(applet) {
    const map = Object.create(null);
    const ps = applet.getElementsByTagName('param');
    for (let i = 0; i < ps.length; i++) {
      const n = ps[i].getAttribute('name');
      if (n !== null && !(n.toLowerCase() in map)) map[n.toLowerCase()] = ps[i].getAttribute('value') || '';
    }
    return map;
  }

  /**
   * @param {Element} applet
   * @returns {boolean} whether the applet is a VelkoButton one
   */
  function isOurs(applet) {
    const code = (applet.getAttribute('code') || '').trim();
    return /^VelkoButton(\.class)?$/i.test(code);
  }

  /** @type {?AudioContext} */
  let audioContext = null;
  /** @type {Object<string, Sound>} the sounds playing, by address */
  const playing = Object.create(null);
  /** @type {Object<string, Promise<AudioBuffer>>} address -> promise of its decoded sound */
  const decoded = Object.create(null);

  /**
   * Audio: plays (0), loops (1) or stops (2) a sound; an .au file is decoded here.
   * @param {number} mode
   * @param {string} url
   */
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
    /** @type {Sound} */
    const entry = { stop: function () { entry.stopped = true; if (entry.node) entry.node.stop(); } };
    playing[url] = entry;
    decoded[url] = decoded[url] || fetchVia(url, 'arraybuffer').then(function (bytes) {
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

  /** Browsers start sound only after a user gesture: the first press on the page resumes it. */
  function wakeAudio() {
    if (audioContext && audioContext.state === 'suspended') audioContext.resume();
  }

  /**
   * fetch() where it works, XMLHttpRequest for file: pages that allow it.
   * @param {string} url
   * @param {XMLHttpRequestResponseType} type
   * @returns {Promise<*>}
   */
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

  /** @param {any} v an applet's WIDTH or HEIGHT @returns {number} its size in pixels, bounded */
  function appletSize(v) { return Math.max(1, Math.min(parseInt(v, 10) || 100, MAX_APPLET)); }

  /** @param {any} ev @returns {boolean} a left click with no key held: the button's own, not the browser's */
  function plainClick(ev) { return ev.button === 0 && !ev.ctrlKey && !ev.metaKey && !ev.shiftKey && !ev.altKey; }

  /** @param {string} name a project's identifier @returns {string} the id of its buttons' container */
  function containerId(name) { return name ? 'vb-' + name.replace(/[^A-Za-z0-9_-]/g, '_') : 'vb'; }

  // What every button element is, whatever style sheet the page has (or none): laid out by
  // the project (free) or by the flow of a column or row, the look added by lookCss.
  const BOX_CSS = 'box-sizing:border-box;overflow:hidden;text-decoration:none;margin:0;border:0;';
  const FREE_CSS = 'position:absolute;max-width:none;' + BOX_CSS;
  const FLOW_CSS = 'max-width:100%;flex:none;' + BOX_CSS;
  // The caption as the page's style sheet has it (the button's flex box makes it a block):
  // the same computed style, so that a look of the same size lays nothing out again.
  const CAPTION_CSS = 'white-space:pre;';
  // A check or radio button's own input: there for the keyboard and screen readers, unseen.
  const INPUT_CSS = 'position:absolute;opacity:0;width:1px;height:1px;margin:0;padding:0;pointer-events:none;';
  // Rings inside the button, which the container's clip keeps.
  const MARK_CSS = ';outline:2px dashed #1a73e8;outline-offset:-2px;z-index:1';
  const OWN_RING_CSS = ';outline:2px solid #1a73e8;outline-offset:-2px';
  const PAGE_STYLE = 'page'; // an element's style is the page's own

  /**
   * @typedef {{ b: Button, shape: string, el: any, cap: any, input: any, box: string, capCss: string,
   *   text: (string|null), dir: (string|null), label: (string|null), title: (string|null), href: (string|null), target: (string|null),
   *   hidden: (boolean|null), index: number, releasedAt: number, inputCss: string, pageLook: any }} Rec
   */

  /**
   * Whether commands hide the button `key` (a PropSet of its Show to false, also inside a
   * block they run). @param {any[]} list @param {string} key @param {number} depth @returns {boolean}
   */
  function hides(list, key, depth) {
    if (depth > MAX_DEPTH) return false;
    return list.some(function (c) {
      if (c.op === 'propset' && c.name.toLowerCase() === key) {
        return ['base', 'all', 'up'].some(function (k) { return c[k] && c[k].props.show === false; });
      }
      return c.op === 'script' && c.lang === 0 ? hides(parse(c.code).commands, key, depth + 1) : false;
    });
  }

  /** @param {any} el a page's element @returns {string} the shape of button it is, or '' */
  function shapeOfElement(el) {
    const tag = el.tagName.toLowerCase();
    if (tag === 'a') return 'a';
    if (tag === 'button') return 'button';
    if (tag !== 'label') return '';
    const input = inputOf(el);
    return !input ? '' : input.type === 'radio' ? 'radio' : input.type === 'checkbox' ? 'check' : '';
  }

  /** @param {any} label @returns {any} the input a label stands for */
  function inputOf(label) {
    const id = label.getAttribute('for');
    const input = id ? doc.getElementById(id) : null;
    return input && input.tagName.toLowerCase() === 'input' ? input : null;
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
    /** The buttons shown in one state, by lower-case name. @type {{names: Set<string>, state: number}|null} */
    this.shown = null;
    /** The buttons marked as selected, by lower-case name. @type {Set<string>} */
    this.marked = new Set();
    /** New files' counts of replacements, by lower-case name. */
    this.version = Object.create(null);
  }

  /**
   * The editor names one button, several or none (null). @param {?string|string[]} names
   * @returns {Set<string>} the names in lower case
   */
  function editorNames(names) {
    return new Set((Array.isArray(names) ? names : names ? [names] : []).map(function (n) { return String(n).toLowerCase(); }));
  }

  /** Shows the buttons the editor chose in their state, and every other as the pointer has it. */
  EditorControl.prototype.applyShown = function () {
    const shown = this.shown;
    this.owner.engine.buttons.forEach(function (b) {
      if (b.forced !== undefined && !b.selected) b.forced = undefined;
      if (shown && shown.state > 0 && shown.names.has(b.name.toLowerCase())) b.forced = shown.state;
    });
  };

  /**
   * The address of a file the editor has replaced carries a new query, so that the browser
   * reads it again. @param {string} url @param {string} file @returns {string}
   */
  EditorControl.prototype.address = function (url, file) {
    const v = this.version[String(file).toLowerCase()];
    return v ? url + (url.indexOf('?') < 0 ? '?' : '&') + 'v=' + v : url;
  };

  /** An editor showing the page waits for this to know the new look is there. */
  EditorControl.prototype.drawn = function () {
    if (this.used && typeof global.CustomEvent === 'function') this.owner.applet.dispatchEvent(new global.CustomEvent('velkobutton-drawn'));
  };

  /** @param {string[]} [changed] files new on disk */
  EditorControl.prototype.newFiles = function (changed) {
    this.used = true;
    (changed || []).forEach(function (f) { const k = String(f).toLowerCase(); this.version[k] = (this.version[k] || 0) + 1; }, this);
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
    this.newFiles(changed);
    const parsed = new global.DOMParser().parseFromString('<!DOCTYPE html><body><applet>' + lists + '</applet>', 'text/html');
    const params = paramsOf(parsed.getElementsByTagName('applet')[0]);
    engine.images = splitList(params.images0 || '');
    engine.audio = splitList(params.audio0 || '');
    if (statements.length) {
      try { engine.load(statements.join('')); } catch (e) { console.warn('VelkoButton: ' + e.message); }
    }
    owner.preloadImages();
    owner.followProject(this.interactive);
    this.applyShown();
    owner.paintAll();
  };

  /** @param {Object<string, string>} params @param {any} w @param {any} h @param {string[]} [changed] */
  EditorControl.prototype.replaceParams = function (params, w, h, changed) {
    const owner = this.owner;
    this.newFiles(changed);
    owner.stop();
    owner.boot(params);
    owner.followProject(this.interactive);
    this.applyShown();
    owner.width = appletSize(w);
    owner.height = appletSize(h);
    owner.findLayout();
    owner.paintAll();
  };

  /** @returns {EditorHandle} the handle an editor calls (the applet's velkoControl) */
  EditorControl.prototype.handle = function () {
    const editor = this, owner = this.owner;
    return {
      replace: function (text, w, h, changed) { editor.replace(text, w, h, changed); },
      replaceApplet: function (html, changed) { editor.replaceApplet(html, changed); },
      update: function (statements, lists, changed) { editor.update(statements, lists, changed); },
      show: function (names, state) { editor.used = true; editor.shown = { names: editorNames(names), state: state | 0 }; editor.applyShown(); owner.schedule(); },
      mark: function (names) {
        editor.used = true;
        const was = editor.marked;
        editor.marked = editorNames(names);
        [was, editor.marked].forEach(function (names) {
          names.forEach(function (n) { const b = owner.engine.find(n); if (b) owner.schedule(b); });
        });
      },
      offset: function (name, dx, dy) {
        const b = owner.engine.find(name);
        if (b) { b.dx = dx; b.dy = dy; owner.schedule(b); }
      },
      interactive: function (on) {
        editor.used = true;
        editor.interactive = !!on;
        if (!on) { owner.drag = null; owner.pointerB = null; owner.focusB = null; owner.cancelPresses(); owner.follow(); }
      },
      hit: function (x, y) { const b = owner.engine.hit(x, y); return b ? b.name : null; }
    };
  };

  // ---------------------------------------------------------- one running applet

  /**
   * One running applet: the engine running its project, the page's elements of its buttons
   * (taken over from the page, or made here for a page without them), its editor's handle,
   * what the next paint must bring up to date, the pointer and the focus.
   * @constructor
   * @param {any} applet the page's <applet> element
   */
  function RunningApplet(applet) {
    const params = paramsOf(applet);
    this.applet = applet;
    this.width = appletSize(applet.getAttribute('width'));
    this.height = appletSize(applet.getAttribute('height'));
    this.editor = new EditorControl(this);
    /** @type {Engine} */
    this.engine = null;
    this.host = this.makeHost();
    /** @type {Object<string, Rec>} the buttons' elements, by lower-case button name */
    this.recs = Object.create(null);
    /** @type {Object<string, string>} who showed a button (its Over script), by lower-case name */
    this.revealedBy = Object.create(null);
    this.made = 0;
    this.dirtyAll = true;
    /** @type {Button[]} */
    this.dirty = [];
    this.orderDirty = true;
    this.ordered = false;
    /** @type {Rec|null} a button that hid with the focus in it */
    this.refocus = null;
    this.drawPending = false;
    this.rootCss = '';
    this.scale = 1;
    this.checkedVersion = -1;
    /** @type {Button[]} the buttons that show the time, brought up to date each second */
    this.ticking = [];
    this.clockTimer = null;
    this.refreshTimer = null;
    /** @type {Button|null} the button under the pointer */
    this.pointerB = null;
    /** @type {Button|null} the button with the keyboard's focus */
    this.focusB = null;
    /** @type {Button[]} the buttons hovered now: under the pointer, or holding the focus with those that showed it */
    this.active = [];
    /** @type {Button|null} the button whose Over script runs */
    this.entering = null;
    /** @type {{url: string}|null} the link the browser follows itself at this click */
    this.nativeLink = null;
    this.drag = null;
    this.suppressClick = false;
    const running = this;
    this.frame = function () { running.paint(); };
    this.mount(applet, params);
    this.boot(params);
    this.adopt();
    this.listen();
    this.watch();
    applet.velkoControl = this.editor.handle();
    applet.velkoApplet = this;
    repaints.push(function () { running.schedule(); });
  }

  /**
   * Finds the container of the buttons the page carries, or makes one in the same shape
   * in place of the applet's fallback content (a page of an older version, an editor's
   * page), and the status label below it.
   * @param {any} applet @param {Object<string, string>} params
   */
  RunningApplet.prototype.mount = function (applet, params) {
    let root = applet.querySelector('.vb');
    this.own = !root;
    if (!root) {
      Array.prototype.forEach.call(applet.children, /** @param {HTMLElement} ch */ function (ch) {
        if (ch.tagName.toLowerCase() !== 'param') ch.style.display = 'none';
      });
      Array.prototype.forEach.call(applet.childNodes, /** @param {Node} ch */ function (ch) {
        if (ch.nodeType === 3 && ch.nodeValue.trim()) { const s = doc.createElement('span'); s.style.display = 'none'; applet.replaceChild(s, ch); s.appendChild(ch); }
      });
      root = doc.createElement('div');
      root.className = 'vb';
      root.id = containerId(params.name || '');
      root.setAttribute('role', 'group');
      root.setAttribute('aria-label', params.name || 'VelkoButton');
      applet.appendChild(root);
    }
    this.root = root;
    this.rootId = root.id || containerId(params.name || '');
    this.findLayout();
    // Status text shows whole in a label just below the buttons, over the page, while there
    // is any: it never covers a button. The label hangs from a holder of no size, which
    // contains its layout: a new text does not lay out thousands of buttons again.
    const holder = doc.createElement('span');
    holder.style.cssText = 'display:block;position:relative;width:0;height:0;z-index:2147483647;pointer-events:none;contain:size layout';
    this.strip = doc.createElement('span');
    this.strip.className = 'velkobutton-status';
    this.strip.setAttribute('role', 'status');
    this.strip.setAttribute('dir', 'auto');
    this.strip.style.cssText = 'position:absolute;left:0;top:0;display:none;font:12px/16px sans-serif;padding:1px 4px;' +
      'white-space:pre-wrap;width:max-content;max-width:calc(100vw - 16px);box-sizing:border-box;color:#000;' +
      'background:#f4f4f4;border:1px solid #00000073;border-radius:0 0 3px 3px;text-align:start';
    holder.appendChild(this.strip);
    root.parentNode.insertBefore(holder, root.nextSibling);
  };

  /** Whether the page lays the buttons out in a column or row (a flex container) or by their places. */
  RunningApplet.prototype.findLayout = function () {
    this.flow = !this.own && /flex/.test(global.getComputedStyle(this.root).display);
  };

  /** @returns {EngineHost} what the engine asks of the page */
  RunningApplet.prototype.makeHost = function () {
    const running = this;
    /** @param {*} [b] a button, else everything */
    const schedule = function (b) { running.schedule(b); };
    /** @type {Map<string, string>} the addresses of files, resolved against the page's */
    const resolved = new Map();
    return {
      draw: schedule,
      changedButton: function (b) { running.changedButton(b); },
      resolve: function (file) {
        let url = resolved.get(file);
        if (url === undefined) {
          url = file;
          try { url = new URL(file, doc.baseURI).href; } catch { /* kept as written */ }
          resolved.set(file, url);
        }
        return running.editor.address(url, file);
      },
      warn: function (w) { console.warn(w); },
      log: function (t) { console.log(t); },
      status: function (t) { running.status(t); },
      cursor: function () { running.schedule(); },
      navigate: function (url, target) {
        // The link of a button the browser follows itself is not followed twice.
        const own = running.nativeLink;
        running.nativeLink = null;
        if (own && own.url === url) return;
        api.navigate(url, target);
      },
      audio: audioHost,
      animate: function (ref) { running.restart(ref); },
      runJs: function (code) {
        try { (new Function(code)).call(global); } catch (e) { console.warn('VelkoButton: script failed: ' + e.message); }
      },
      // The input file is 8-bit text like the page that names it, never UTF-8.
      fetch: function (url) {
        if (global.fetch && !/^file:/i.test(url)) {
          return global.fetch(url, { cache: 'no-store' }).then(/** @param {Response} r */ function (r) {
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
    /** @type {Object<string, number>} restarts of each animated image */
    this.restarts = Object.create(null);
    try {
      engine.load(joinScript(/** @param {string} n */ function (n) { const v = p[n.toLowerCase()]; return v === undefined ? null : v; }));
    } catch (e) {
      console.warn('VelkoButton: ' + e.message);
    }
    this.preloadImages();
  };

  /**
   * Every image a state of a button shows is asked for once, after the first frame, so that
   * a hover shows its image at once instead of when its look first names it.
   */
  RunningApplet.prototype.preloadImages = function () {
    const self = this;
    /** @type {Object<string, boolean>} */
    const seen = this.preloaded || (this.preloaded = Object.create(null));
    global.setTimeout(function () {
      self.engine.buttons.forEach(function (b) {
        for (let s = 0; s < 3; s++) {
          const url = self.imageAddress(b.look(s).image);
          if (!url || seen[url] || typeof global.Image !== 'function') continue;
          seen[url] = true;
          new global.Image().src = url;
        }
      });
    }, 0);
  };

  /** The project's timers and the pointer's business end, before a new project comes. */
  RunningApplet.prototype.stop = function () {
    this.engine.stop();
    if (this.refreshTimer) { global.clearInterval(this.refreshTimer); this.refreshTimer = null; }
    this.drag = null;
  };

  /**
   * The page's elements become the buttons': the i-th button element of the container is
   * the i-th button of the project. One of another shape (a link where the project now has
   * a check box) is made anew; elements without a button go.
   */
  RunningApplet.prototype.adopt = function () {
    const found = Array.prototype.filter.call(this.root.children, /** @param {Element} el */ function (el) { return el.classList.contains('b'); });
    const buttons = this.engine.buttons;
    found.forEach(/** @param {*} el @param {number} i */ function (el, i) {
      const b = buttons[i];
      if (b && shapeOfElement(el) === shapeOf(b) && !this.recs[b.name.toLowerCase()]) {
        const rec = this.recs[b.name.toLowerCase()] = this.recOf(b, el, el.tagName.toLowerCase() === 'label' ? inputOf(el) : null);
        rec.pageLook = b.look(0);
        rec.box = rec.capCss = rec.inputCss = PAGE_STYLE;
      } else {
        if (el.tagName.toLowerCase() === 'label' && inputOf(el)) inputOf(el).remove();
        el.remove();
      }
    }, this);
  };

  /**
   * The record of a button's element, its caption's span (the first; those of other
   * states go, as the caption is written here) and its input.
   * @param {Button} b @param {any} el @param {any} input @returns {Rec}
   */
  RunningApplet.prototype.recOf = function (b, el, input) {
    const spans = Array.prototype.filter.call(el.children, /** @param {Element} c */ function (c) { return c.tagName.toLowerCase() === 'span'; });
    let cap = spans.shift();
    spans.forEach(/** @param {Element} s */ function (s) { s.remove(); });
    if (!cap) { cap = doc.createElement('span'); el.appendChild(cap); }
    const target = el.getAttribute('target') || '';
    /** @type {Rec} */
    const rec = { b: b, shape: shapeOf(b), el: el, cap: cap, input: input, box: '', capCss: '', inputCss: '',
      text: cap.textContent, dir: cap.getAttribute('dir'), label: (input || el).getAttribute('aria-label'), title: el.getAttribute('title') || '',
      href: el.getAttribute('href') === null ? null : el.href, target: /^_self$/i.test(target) ? '' : target,
      hidden: !!el.hidden, index: 0, releasedAt: -1e9, pageLook: null };
    el._vbRec = rec;
    if (input) input._vbRec = rec;
    return rec;
  };

  /** @param {Button} b @returns {Rec} a new element for `b`, in the shape of the page's */
  RunningApplet.prototype.make = function (b) {
    const shape = shapeOf(b);
    let input = null;
    let el;
    if (shape === 'check' || shape === 'radio') {
      input = doc.createElement('input');
      input.type = shape === 'check' ? 'checkbox' : 'radio';
      if (shape === 'radio') input.name = this.rootId;
      input.className = 'i';
      input.id = this.rootId + '-v' + (++this.made);
      el = doc.createElement('label');
      el.setAttribute('for', input.id);
    } else if (shape === 'a') {
      el = doc.createElement('a');
    } else {
      el = doc.createElement('button');
      el.type = 'button';
    }
    el.className = 'b';
    if (input) this.root.appendChild(input);
    this.root.appendChild(el);
    this.orderDirty = true;
    return this.recOf(b, el, input);
  };

  /** @param {Rec} rec its elements leave the page, the focus going to the next button's */
  RunningApplet.prototype.drop = function (rec) {
    if (rec.input) rec.input.remove();
    rec.el.remove();
  };

  /** @param {Button} b @returns {Rec|undefined} */
  RunningApplet.prototype.rec = function (b) { return this.recs[b.name.toLowerCase()]; };

  /** @param {Button|null} b @returns {boolean} whether `b` is the project's button of its name now */
  RunningApplet.prototype.current = function (b) { return !!b && this.engine.find(b.name) === b && !b.isBackground; };

  /** @param {string} t status text below the buttons */
  RunningApplet.prototype.status = function (t) {
    const at = this.focusB || this.pointerB;
    // A status text that says what the tip says is shown, not spoken again.
    const tip = at ? at.look(at.shown()).tip || '' : '';
    if (t && t === tip) this.strip.setAttribute('aria-hidden', 'true');
    else this.strip.removeAttribute('aria-hidden');
    this.strip.textContent = t;
    this.strip.style.display = t ? 'block' : 'none';
    try { global.status = t; } catch { /* read-only */ }
  };

  /** Asks for the page to be brought up to date on the next frame: the button `b`, or everything. @param {any} [b] */
  RunningApplet.prototype.schedule = function (b) {
    if (!(b instanceof Button) || !this.rec(b)) this.dirtyAll = true;
    else if (!this.dirtyAll && this.dirty.indexOf(b) < 0) this.dirty.push(b);
    if (this.drawPending) return;
    this.drawPending = true;
    if (global.requestAnimationFrame) global.requestAnimationFrame(this.frame);
    else global.setTimeout(this.frame, 0);
  };

  /**
   * One button changed (a PropSet): a button that an Over script shows comes after the
   * button that showed it for the keyboard.
   * @param {Button} b
   */
  RunningApplet.prototype.changedButton = function (b) {
    const rec = this.rec(b);
    if (this.entering && b !== this.entering && b.visible() && (!rec || rec.hidden)) {
      this.revealedBy[b.name.toLowerCase()] = this.entering.name.toLowerCase();
    }
    if (b.isBackground) this.schedule();
    else this.schedule(b);
  };

  /** Everything brought up to date at once, now. */
  RunningApplet.prototype.paintAll = function () {
    this.dirtyAll = true;
    this.paint();
  };

  /** Brings the page up to date: what was asked for since the last paint. */
  RunningApplet.prototype.paint = function () {
    this.drawPending = false;
    if (!this.dirtyAll && !this.dirty.length) return;
    const now = new Date();
    const engine = this.engine;
    if (this.dirtyAll) this.syncAll(now);
    else this.dirty.forEach(function (b) { if (this.current(b)) this.render(b, now); }, this);
    this.dirtyAll = false;
    this.dirty = [];
    if (this.orderDirty) this.reorder();
    this.renderRoot();
    this.checkProject();
    if (this.refocus) this.moveFocus();
    if (engine === this.engine) this.editor.drawn();
  };

  /** The focus of a button that hid to the next button shown, else the one before. */
  RunningApplet.prototype.moveFocus = function () {
    const from = this.refocus;
    this.refocus = null;
    // The browser may have let the focus go already (to the body); a focus the page moved
    // elsewhere stays.
    const at = doc.activeElement;
    if (!from.hidden || (at && at !== from.el && at !== from.input && at !== doc.body)) return;
    const list = Array.prototype.filter.call(this.root.children, /** @param {*} n */ function (n) { return n._vbRec && n === n._vbRec.el; });
    const i = list.indexOf(from.el);
    /** @param {*} el @returns {boolean} */
    const shown = function (el) { return !el._vbRec.hidden; };
    const to = list.slice(i + 1).find(shown) || list.slice(0, Math.max(0, i)).reverse().find(shown);
    if (to) (to._vbRec.input || to).focus({ preventScroll: true });
  };

  /** Every button's element made, brought up to date or removed, in the project's order. @param {Date} now */
  RunningApplet.prototype.syncAll = function (now) {
    const recs = this.recs;
    /** @type {Object<string, Rec>} */
    const kept = Object.create(null);
    const buttons = this.engine.buttons;
    for (let i = 0; i < buttons.length; i++) {
      const b = buttons[i];
      const key = b.name.toLowerCase();
      let rec = recs[key];
      if (rec && rec.shape !== shapeOf(b)) {
        const old = rec, focused = doc.activeElement === old.el || (old.input && doc.activeElement === old.input);
        rec = this.make(b);
        this.drop(old);
        if (focused) (rec.input || rec.el).focus({ preventScroll: true });
      }
      if (!rec) rec = this.make(b);
      rec.b = b;
      if (rec.index !== i) { rec.index = i; if (this.ordered) rec.box = ''; this.orderDirty = true; }
      kept[key] = rec;
      delete recs[key];
      this.render(b, now, rec);
    }
    for (const key in recs) { this.drop(recs[key]); this.orderDirty = true; }
    this.recs = kept;
    this.followProject(true);
  };

  /**
   * The address of the image a look shows as the page writes it (with the editor's query
   * for a file it replaced, and the count of restarts of an animation), or null.
   * @param {any} ref an image number or a file
   * @returns {string|null}
   */
  RunningApplet.prototype.imageAddress = function (ref) {
    const file = typeof ref === 'number' ? this.engine.images[ref] : ref;
    if (file === undefined || file === null || file === '') return null;
    const f = String(file);
    const n = this.restarts[f.toLowerCase()];
    return this.editor.address(f, f) + (n ? '#' + n : '');
  };

  /** Animate n: the image starts again from its first frame. @param {any} ref */
  RunningApplet.prototype.restart = function (ref) {
    const file = typeof ref === 'number' ? this.engine.images[ref] : ref;
    if (!file) return;
    const key = String(file).toLowerCase();
    this.restarts[key] = (this.restarts[key] || 0) + 1;
    this.schedule();
  };

  /** @param {any} l a look @returns {any} the look as lookCss takes it: its image an address */
  RunningApplet.prototype.cssLook = function (l) {
    if (l.image === null || l.image === undefined) return l;
    const copy = Object.assign({}, l);
    copy.image = this.imageAddress(l.image);
    return copy;
  };

  /**
   * One button's element to the state it shows: its look as inline styles (over any the
   * page's style sheet gives), its caption, tip, link, selection and whether it is shown.
   * @param {Button} b @param {Date} now @param {Rec} [own] its record, when not yet kept
   */
  RunningApplet.prototype.render = function (b, now, own) {
    const rec = own || this.rec(b);
    if (!rec) return;
    const engine = this.engine;
    const s = b.shown();
    const l = b.look(s);
    const visible = b.visible();
    const el = rec.el;
    if (rec.hidden !== !visible) {
      // The focus in a button that hides goes to the next button shown (else the one
      // before), once this paint is done, rather than to the page's body.
      if (!visible && (doc.activeElement === el || (rec.input && doc.activeElement === rec.input))) this.refocus = rec;
      rec.hidden = !visible;
      el.hidden = !visible;
      if (rec.input) rec.input.hidden = !visible;
      if (!visible) delete this.revealedBy[b.name.toLowerCase()];
      this.orderDirty = true;
    }
    if (FONT_FILE_RE.test(String(l.textFont || ''))) loadFontFile(l.textFont);
    const up = b.look(0);
    const flow = this.flow;
    const marked = this.editor.marked.has(b.name.toLowerCase());
    // An element of the page keeps the page's styles until its look first changes
    // (thousands of buttons start without a style to parse); from then on its look is
    // inline, so that the style sheet's hover and press no longer show over the runtime's.
    if (rec.box !== PAGE_STYLE || rec.pageLook !== l || b.dx || b.dy || marked || this.ordered) {
      const c = lookCss(this.cssLook(l), flow ? up.x - b.dx : up.x, flow ? up.y - b.dy : up.y, flow);
      let box = (flow ? FLOW_CSS + (this.ordered ? 'order:' + rec.index + ';' : '') : FREE_CSS + 'left:' + (up.x + b.dx) + 'px;top:' + (up.y + b.dy) + 'px;') +
        (visible ? 'display:flex;' : 'display:none;') + c.box;
      if (marked) box += MARK_CSS;
      else if (this.own && rec.input && this.focusB === b) box += OWN_RING_CSS;
      if (rec.box !== box) { el.style.cssText = box; rec.box = box; }
      if (rec.input) {
        const place = INPUT_CSS + (flow ? '' : 'left:' + (up.x + b.dx) + 'px;top:' + (up.y + b.dy) + 'px;') + (visible ? '' : 'display:none');
        if (rec.inputCss !== place) { rec.input.style.cssText = place; rec.inputCss = place; }
      }
      const capCss = CAPTION_CSS + c.cap;
      if (rec.capCss !== capCss) { rec.cap.style.cssText = capCss; rec.capCss = capCss; }
    }
    const text = expandText(l.text || '', now, engine.names, engine.vars);
    if (rec.text !== text) { rec.cap.textContent = text; rec.text = text; }
    // A caption of a right-to-left script reads from the right; its place in the button
    // stays where its alignment puts it.
    const dir = hasRightToLeft(text) ? 'auto' : null;
    if (rec.dir !== dir) {
      if (dir) rec.cap.setAttribute('dir', dir); else rec.cap.removeAttribute('dir');
      rec.dir = dir;
    }
    // A button without a caption is named by its tip, else by its name (a check or radio
    // button on its input, which has the focus).
    const label = text.trim() ? null : l.tip || b.name;
    if (rec.label !== label) {
      const named = rec.input || el;
      if (label === null) named.removeAttribute('aria-label'); else named.setAttribute('aria-label', label);
      rec.label = label;
    }
    if (rec.title !== l.tip) {
      if (l.tip) el.title = l.tip; else el.removeAttribute('title');
      rec.title = l.tip;
    }
    if (rec.shape === 'a') {
      const link = b.link();
      const href = this.host.resolve(link.url);
      const target = /^_self$/i.test(link.target || '') ? '' : link.target;
      if (rec.href !== href) { el.href = href; rec.href = href; }
      if (rec.target !== target) { if (target) el.target = target; else el.removeAttribute('target'); rec.target = target; }
    } else if (rec.input && rec.input.checked !== b.selected) {
      rec.input.checked = b.selected;
    }
  };

  /** The container: the background's colour, image and cursor, and the free layout's size and fit. */
  RunningApplet.prototype.renderRoot = function () {
    const engine = this.engine;
    const bg = engine.background;
    let st = 'position:relative;';
    if (!this.flow) st += 'width:' + this.width + 'px;height:' + this.height + 'px;';
    if (this.own) st += 'display:block;overflow:hidden;text-align:left;';
    if (bg) {
      const l = bg.look(0);
      st += 'background-color:' + css(l.color) + ';' + imageCss(this.cssLook(l)) + ';';
    }
    st += 'cursor:' + (engine.pageCursor || (bg ? bg.cursorOf(0) : 'default'));
    if (this.scale < 1) st += ';zoom:' + this.scale;
    if (st !== this.rootCss) { this.root.style.cssText = st; this.rootCss = st; }
  };

  /**
   * The elements in the keyboard's order (tabOrder). Elements move only where they are out
   * of place; the focus stays where it was.
   */
  RunningApplet.prototype.reorder = function () {
    this.orderDirty = false;
    const engine = this.engine, revealedBy = this.revealedBy, recs = this.recs;
    let shown = false;
    for (const key in revealedBy) { shown = !!key; break; }
    const order = !shown ? engine.buttons : tabOrder(engine.buttons, function (b) {
      const by = revealedBy[b.name.toLowerCase()];
      return by ? engine.find(by) : null;
    });
    const focused = doc.activeElement;
    const root = this.root;
    let moved = false;
    let at = root.firstChild;
    // Other nodes (the page's line breaks) stay where they are.
    /** @param {*} node */
    const place = function (node) {
      while (at && !at._vbRec) at = at.nextSibling;
      if (at === node) { at = node.nextSibling; return; }
      root.insertBefore(node, at);
      moved = true;
    };
    order.forEach(function (b) {
      const rec = recs[b.name.toLowerCase()];
      if (!rec) return;
      if (rec.input) place(rec.input);
      place(rec.el);
    });
    if (focused && focused !== doc.activeElement && root.contains(focused)) focused.focus({ preventScroll: true });
    // Once the order for the keyboard is not the flow's, each button keeps its place by
    // its CSS order.
    if (moved && this.flow && !this.ordered) {
      this.ordered = true;
      const now = new Date();
      engine.buttons.forEach(function (b) { const rec = recs[b.name.toLowerCase()]; if (rec) { rec.box = ''; this.render(b, now); } }, this);
    }
  };

  /**
   * After a change of the project its clock is checked again: the buttons that show the
   * time are brought up to date each second.
   */
  RunningApplet.prototype.checkProject = function () {
    const engine = this.engine;
    if (engine.version !== this.checkedVersion) this.ticking = engine.clockButtons();
    this.checkedVersion = engine.version;
    const running = this;
    const clock = this.ticking.length > 0;
    if (clock && !this.clockTimer) this.clockTimer = global.setInterval(function () { running.ticking.forEach(running.host.draw); }, 1000);
    if (!clock && this.clockTimer) { global.clearInterval(this.clockTimer); this.clockTimer = null; }
  };

  // ---------------------------------------------------------- pointer and keyboard

  /**
   * The buttons hovered after the project was read anew are its buttons of the same names,
   * still hovered (`keepHover`), without running their Over scripts again.
   * @param {boolean} keepHover
   */
  RunningApplet.prototype.followProject = function (keepHover) {
    const engine = this.engine;
    /** @param {?Button} b @returns {?Button} */
    const find = function (b) { const n = b && engine.find(b.name); return n && !n.isBackground ? n : null; };
    this.pointerB = find(this.pointerB);
    this.focusB = find(this.focusB);
    this.active = this.active.map(find).filter(function (b) { return !!b; });
    if (keepHover) this.active.forEach(function (b) { b.hover = true; });
    else this.active = [];
  };

  /** A press going on is let go, without a click. */
  RunningApplet.prototype.cancelPresses = function () {
    this.engine.buttons.forEach(function (b) { if (b.pressed) this.engine.cancelPress(b); }, this);
  };

  /**
   * The hovered buttons become those under the pointer and with the focus: a button with
   * the focus keeps hovered the buttons whose Over scripts showed it, so that their Leave
   * scripts run only when both the pointer and the focus have left them. Leaving runs
   * before entering, the shown ones first.
   */
  RunningApplet.prototype.follow = function () {
    const engine = this.engine;
    /** @type {Button[]} */
    const want = [];
    const seen = new Set();
    for (let b = this.focusB; b && !seen.has(b) && this.current(b); b = this.holderOf(b)) {
      seen.add(b);
      want.unshift(b);
    }
    if (this.pointerB && this.current(this.pointerB) && !seen.has(this.pointerB)) want.push(this.pointerB);
    const was = this.active;
    this.active = want;
    for (let i = was.length - 1; i >= 0; i--) if (want.indexOf(was[i]) < 0) engine.leaveButton(was[i]);
    want.forEach(function (b) {
      if (was.indexOf(b) >= 0 || b.hover) return;
      this.entering = b;
      try { engine.enter(b); } finally { this.entering = null; }
    }, this);
  };

  /**
   * The button that keeps `b` shown while the focus is in `b`: the one whose Over script
   * showed it, else one whose Leave script hides it.
   * @param {Button} b @returns {Button|null}
   */
  RunningApplet.prototype.holderOf = function (b) {
    const key = b.name.toLowerCase();
    const by = this.revealedBy[key];
    if (by) return this.engine.find(by);
    const list = this.engine.buttons;
    for (let i = 0; i < list.length; i++) if (list[i] !== b && list[i].leave && hides(list[i].leave, key, 0)) return list[i];
    return null;
  };

  /** @param {any} node @returns {Button|null} the button of the element an event came to */
  RunningApplet.prototype.buttonAt = function (node) {
    for (let n = node; n && n !== this.root; n = n.parentNode) {
      const rec = n._vbRec;
      if (rec) return this.current(rec.b) ? rec.b : null;
    }
    return null;
  };

  /** @param {Button|null} b the button under the pointer now */
  RunningApplet.prototype.pointTo = function (b) {
    if (this.pointerB === b) return;
    this.pointerB = b;
    this.follow();
  };

  /**
   * The elements' own events: the pointer hovers, presses and releases (a touch shows Down
   * while the finger is down, clicks on release and then leaves); the keyboard's focus
   * hovers, Enter and Space press; a linked push button is a real link, which the browser
   * follows at a plain click; check and radio buttons follow their inputs (arrow keys move
   * through a radio group); a click that came without a press (a screen reader's) clicks.
   */
  RunningApplet.prototype.listen = function () {
    const running = this, root = this.root;
    root.addEventListener('pointerover', /** @param {PointerEvent} ev */ function (ev) {
      if (!running.editor.interactive || running.drag || ev.pointerType === 'touch') return;
      running.pointTo(running.buttonAt(ev.target));
    });
    root.addEventListener('pointerleave', /** @param {PointerEvent} ev */ function (ev) {
      if (!running.drag && ev.pointerType !== 'touch') running.pointTo(null);
    });
    root.addEventListener('pointerdown', /** @param {PointerEvent} ev */ function (ev) { running.pointerDown(ev); });
    global.addEventListener('pointermove', /** @param {PointerEvent} ev */ function (ev) { running.pointerMove(ev); });
    global.addEventListener('pointerup', /** @param {PointerEvent} ev */ function (ev) { running.pointerUp(ev); });
    // A scroll or a gesture that takes the pointer over cancels the press.
    global.addEventListener('pointercancel', function () {
      running.drag = null;
      running.cancelPresses();
      running.pointTo(null);
    });
    root.addEventListener('click', /** @param {MouseEvent} ev */ function (ev) { running.clicked(ev); }, true);
    root.addEventListener('dragstart', /** @param {DragEvent} ev */ function (ev) { const b = running.buttonAt(ev.target); if (b && b.draggable()) ev.preventDefault(); });
    root.addEventListener('change', /** @param {Event} ev */ function (ev) { running.inputChanged(ev); });
    root.addEventListener('focusin', /** @param {FocusEvent & {target: *}} ev */ function (ev) {
      if (!running.editor.interactive) return;
      const b = running.buttonAt(ev.target);
      // The keyboard's focus hovers; a click's does not.
      running.focusB = b && (!ev.target.matches || ev.target.matches(':focus-visible')) ? b : null;
      running.follow();
      // The buttons it showed are in place before the next key.
      if (running.focusB) running.paint();
    });
    root.addEventListener('focusout', /** @param {FocusEvent} ev */ function (ev) {
      if (ev.relatedTarget && running.buttonAt(ev.relatedTarget)) return; // focusin follows
      if (!running.focusB) return;
      running.focusB = null;
      running.follow();
      if (running.own) running.schedule();
    });
    root.addEventListener('keydown', /** @param {KeyboardEvent} ev */ function (ev) { running.key(ev, true); });
    root.addEventListener('keyup', /** @param {KeyboardEvent} ev */ function (ev) { running.key(ev, false); });
  };

  /** @param {PointerEvent} ev */
  RunningApplet.prototype.pointerDown = function (ev) {
    if (!this.editor.interactive) return;
    wakeAudio();
    const b = this.buttonAt(ev.target);
    // A link opened in a new tab or window, or its menu, is the browser's business.
    if (!plainClick(ev)) { if (b && b.link()) return; if (ev.button !== 0) return; }
    this.pointTo(b);
    if (!b) return;
    if (b.draggable()) {
      ev.preventDefault();
      this.drag = { b: b, x: ev.clientX, y: ev.clientY, dx: b.dx, dy: b.dy, moved: false };
    }
    this.engine.press(b);
  };

  /** @param {PointerEvent} ev */
  RunningApplet.prototype.pointerMove = function (ev) {
    const d = this.drag;
    if (!d || !this.editor.interactive) return;
    const x = (ev.clientX - d.x) / this.scale, y = (ev.clientY - d.y) / this.scale;
    if (!d.moved && Math.abs(x) + Math.abs(y) > 3) d.moved = true;
    if (d.moved) {
      d.b.dx = d.dx + x;
      d.b.dy = d.dy + y;
      this.schedule(d.b);
    }
  };

  /** @param {PointerEvent} ev */
  RunningApplet.prototype.pointerUp = function (ev) {
    if (ev.button !== 0 || !this.editor.interactive) return;
    const d = this.drag;
    this.drag = null;
    // A touch keeps its first element as the target: the element under the finger counts.
    const under = ev.pointerType === 'touch' && doc.elementFromPoint ? doc.elementFromPoint(ev.clientX, ev.clientY) : ev.target;
    const target = this.root.contains(under) ? this.buttonAt(under) : null;
    if (d && d.moved) {
      this.engine.cancelPress(d.b);
      this.suppressClick = true;
      global.setTimeout(function () { this.suppressClick = false; }.bind(this), 0);
      this.pointTo(ev.pointerType === 'touch' ? null : target);
      return;
    }
    const pressed = this.engine.buttons.filter(function (b) { return b.pressed; });
    const running = this;
    pressed.forEach(function (b) {
      const rec = running.rec(b);
      if (target !== b) running.engine.cancelPress(b);
      else if (!rec || !rec.input) running.release(b, true);
      // A check or radio button follows its input, which the click on its label changes
      // (a radio button already selected does not change).
      else global.setTimeout(function () { if (b.pressed && running.current(b)) running.release(b, false); }, 0);
    });
    if (!target || ev.pointerType === 'touch') this.pointTo(null);
  };

  /**
   * The click of a button let go over it. A linked push button's own link is left to the
   * browser when it follows it (`native`); its other commands run.
   * @param {Button} b @param {boolean} native
   */
  RunningApplet.prototype.release = function (b, native) {
    const rec = this.rec(b);
    if (rec) rec.releasedAt = Date.now();
    const link = native && b.link();
    this.nativeLink = link ? { url: this.host.resolve(link.url) } : null;
    try { this.engine.release(b); } finally { this.nativeLink = null; }
  };

  /**
   * A click on an element: after a release the browser's own (a link is followed); one
   * that came alone (from a screen reader or a page's script) is the button's click.
   * @param {any} ev
   */
  RunningApplet.prototype.clicked = function (ev) {
    if (!this.editor.interactive || this.suppressClick) { ev.preventDefault(); return; }
    if (!plainClick(ev)) return; // a link opened in a new tab or window is the browser's business
    const b = this.buttonAt(ev.target);
    const rec = b && this.rec(b);
    if (!rec || rec.input) return; // check and radio buttons follow their inputs
    if (Date.now() - rec.releasedAt < 1000) return;
    this.engine.press(b);
    this.release(b, rec.shape === 'a' && !ev.defaultPrevented);
  };

  /** A check or radio button's input changed (a click on it or its label, arrow keys): the button follows. @param {any} ev */
  RunningApplet.prototype.inputChanged = function (ev) {
    const b = this.buttonAt(ev.target);
    const rec = b && this.rec(b);
    if (!rec || !rec.input || ev.target !== rec.input) return;
    if (!this.editor.interactive) { rec.input.checked = b.selected; return; }
    if (rec.input.checked !== b.selected) {
      if (b.pressed) this.release(b, false);
      else { this.engine.press(b); this.release(b, false); }
    }
    this.schedule();
  };

  /**
   * Enter and Space press a button with the focus: Enter clicks at once (a link is then
   * followed by the browser), Space when it is let go.
   * @param {any} ev @param {boolean} down
   */
  RunningApplet.prototype.key = function (ev, down) {
    if (!this.editor.interactive || (ev.key !== 'Enter' && ev.key !== ' ')) return;
    const b = this.buttonAt(ev.target);
    const rec = b && this.rec(b);
    if (!rec) return;
    const link = rec.shape === 'a';
    if (!(link && ev.key === 'Enter')) ev.preventDefault();
    if (!down) {
      if (ev.key === ' ' && b.pressed) this.release(b, false);
      return;
    }
    if (ev.repeat) return;
    wakeAudio();
    this.engine.press(b);
    if (ev.key === 'Enter') this.release(b, link);
  };

  /** Follows the page's width: a free layout wider than the screen scales down to fit it. */
  RunningApplet.prototype.watch = function () {
    const running = this;
    const fit = function () { running.fit(); };
    if (typeof global.ResizeObserver === 'function' && doc.documentElement) new global.ResizeObserver(fit).observe(doc.documentElement);
    global.addEventListener('resize', fit);
    if (!this.flow) this.fit();
  };

  /**
   * On a screen narrower than a free layout the buttons scale down to fit, their aspect
   * kept; a column or a row flows instead and is never scaled.
   */
  RunningApplet.prototype.fit = function () {
    let s = 1;
    const page = doc.documentElement;
    if (!this.flow && page && page.clientWidth) {
      const was = this.root.style.zoom;
      this.root.style.zoom = '';
      const left = this.root.getBoundingClientRect().left + (global.scrollX || 0);
      this.root.style.zoom = was;
      const room = page.clientWidth - Math.max(0, left) - FIT_MARGIN;
      if (room > 0 && room < this.width) s = room / this.width;
    }
    if (s !== this.scale) { this.scale = s; this.renderRoot(); }
  };

  /** @param {any} applet @returns {Engine|undefined} the engine of the applet, started now */
  function start(applet) {
    if (applet.getAttribute('data-velkobutton') === 'running') return;
    applet.setAttribute('data-velkobutton', 'running');
    const running = new RunningApplet(applet);
    running.paint();
    return running.engine;
  }

  /**
   * Replaces the project of the `index`th applet of the page in place (see velkoControl).
   * @param {number} [index]
   * @returns {EditorHandle|undefined}
   */
  api.control = function (index) {
    const a = doc.getElementsByTagName('applet')[index || 0];
    return a && a.velkoControl;
  };

  /**
   * Where an Internet command goes; kept on the api object so that tests can watch it.
   * @param {string} url
   * @param {?string} [target]
   */
  api.navigate = function (url, target) {
    const t = String(target || '_self');
    if (/^_self$/i.test(t)) global.location.href = url;
    else if (/^_top$/i.test(t)) (global.top || global).location.href = url;
    else if (/^_parent$/i.test(t)) (global.parent || global).location.href = url;
    else global.open(url, /^_blank$/i.test(t) ? '_blank' : t);
  };

  /** @type {Array<function(): void>} each running applet's repaint */
  const repaints = [];
  /** Brings every running applet up to date on the next frame (a page that restyled itself may ask). */
  api.repaint = function () { repaints.forEach(function (r) { r(); }); };

  /** @returns {Array<Engine|null|undefined>} the engines of the page's applets, started now */
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
