// The editor's side of the Live View's page, run in a world of its own: the
// project's scripts can neither see nor call it. It talks to the editor's
// session through the web channel. While the buttons are not being tried, it
// reports the pointer in applet pixels, draws the rubber band the editor
// gives it, and keeps the page's own answer to it
// (a link followed, a box checked, text selected, the focus moved, a link
// dragged away) from happening; it reports the runtime's drawings, answers
// the editor's heartbeat, and hands what the editor sends to the runtime
// through the page's relay (relay.js).
(function () {
  'use strict';

  /**
   * A signal of the session: `connect` calls the function with the signal's arguments.
   * @template {any[]} A
   * @typedef {{ connect: (slot: (...args: A) => void) => void }} Signal
   */
  /**
   * The editor's session (LiveSession) as the web channel gives it.
   * @typedef {{
   *   pointer: function(string, number, number): void,
   *   drawn: function(): void,
   *   answer: function(number): void,
   *   ready: function(): void,
   *   caption: function(number, number, Caption): void,
   *   buttonsChanged: Signal<[string[], string, string[]]>,
   *   projectReplaced: Signal<[string, string[]]>,
   *   selectionChanged: Signal<[string[], string[], number]>,
   *   tryingChanged: Signal<[boolean]>,
   *   offsetChanged: Signal<[string, number, number]>,
   *   bandChanged: Signal<[number, number, number, number]>,
   *   question: Signal<[number]>,
   *   captionWanted: Signal<[number, number]>
   * }} Session
   */
  /**
   * A button's caption as the view shows it: its box and the button's in the view's CSS pixels,
   * its font and colours as computed, and its alignment.
   * @typedef {{ left: number, top: number, width: number, height: number,
   *   boxLeft: number, boxTop: number, boxWidth: number, boxHeight: number,
   *   family: string, size: number, weight: number, italic: boolean, underline: boolean,
   *   color: string, background: string, align: string }} Caption
   */
  /** @typedef {{ x: number, y: number, inside: boolean }} Point */

  /** The event the page's relay takes the runtime's calls from. */
  const RELAY_EVENT = 'velkobutton-live-call';

  /** @type {Session|null} */
  let live = null;
  let trying = false;
  let down = false;
  /** @type {Point|null} */
  let pending = null;
  /** @type {HTMLElement|null} the rubber band of a drag on empty canvas */
  let band = null;

  /**
   * Calls the runtime's editor handle in the page's own world.
   * @param {string} name the handle's function @param {any[]} args
   */
  function relay(name, args) {
    document.dispatchEvent(new CustomEvent(RELAY_EVENT, { detail: { call: name, args: args } }));
  }

  // The page's buttons take the mouse only while they are tried.
  function follow() {
    const e = document.documentElement;
    if (e) e.classList.toggle('velko-live-editing', !trying);
  }

  /** @param {boolean} on */
  function setTrying(on) {
    trying = !!on;
    down = false;
    follow();
    relay('interactive', [trying]);
  }

  /** @param {Session} session */
  function connect(session) {
    session.buttonsChanged.connect(function (statements, lists, files) {
      relay('update', [statements, lists, files]);
    });
    session.projectReplaced.connect(function (applet, files) { relay('replaceApplet', [applet, files]); });
    session.selectionChanged.connect(function (marked, shown, state) {
      relay('mark', [marked]);
      relay('show', [shown, state]);
    });
    session.tryingChanged.connect(setTrying);
    session.offsetChanged.connect(function (name, dx, dy) { relay('offset', [name, dx, dy]); });
    session.bandChanged.connect(showBand);
    session.question.connect(function (number) { session.answer(number); });
    session.captionWanted.connect(function (x, y) { reportCaption(x, y); });
    live = session;
    session.ready();
  }

  document.addEventListener('DOMContentLoaded', follow);
  const transport = /** @type {any} */ (window).qt.webChannelTransport;
  const Channel = /** @type {any} */ (window).QWebChannel;
  new Channel(transport, /** @param {{ objects: { live: Session } }} channel */ function (channel) {
    connect(channel.objects.live);
  });

  /** @returns {HTMLElement|null} the buttons' container, whose corner is the applet's (0, 0) */
  function root() {
    const a = document.querySelector('applet');
    return a && a.querySelector('.vb');
  }
  /** @param {Event} ev @returns {boolean} */
  function inside(ev) {
    const r = root();
    return !!r && ev.target instanceof Node && r.contains(ev.target);
  }
  /**
   * The applet's box in the view and its own pixels per pixel of the view: a free layout
   * that the page shrinks to fit a narrow view counts at its full size.
   * @returns {{ r: DOMRect, k: number }|null}
   */
  function frame() {
    const s = root();
    if (!s || !s.parentElement) return null;
    const r = s.getBoundingClientRect();
    const w = parseFloat(s.parentElement.getAttribute('width') || '');
    const free = !/flex/.test(getComputedStyle(s).display);
    return { r: r, k: free && w > 0 && r.width > 0 ? w / r.width : 1 };
  }
  /**
   * The pointer in the applet's own pixels, whatever the zoom.
   * @param {MouseEvent} ev @returns {Point|null}
   */
  function at(ev) {
    const f = frame();
    if (!f) return null;
    const r = f.r;
    const within = ev.clientX >= r.left && ev.clientX < r.right && ev.clientY >= r.top && ev.clientY < r.bottom;
    return { x: (ev.clientX - r.left) * f.k, y: (ev.clientY - r.top) * f.k, inside: within };
  }
  /**
   * On the page's own ground: the applet or the canvas around it, not a scroll bar.
   * @param {MouseEvent} ev @returns {boolean}
   */
  function onCanvas(ev) {
    const e = document.documentElement;
    return !!e && ev.clientX < e.clientWidth && ev.clientY < e.clientHeight;
  }
  /**
   * Draws the rubber band over the rectangle (x, y, w, h) in applet pixels, or takes it away
   * (no width). It lies outside the applet, where the runtime draws nothing.
   * @param {number} x @param {number} y @param {number} w @param {number} h
   */
  function showBand(x, y, w, h) {
    const f = frame();
    if (!(w > 0 || h > 0) || !f) {
      if (band) band.remove();
      band = null;
      return;
    }
    if (!band) {
      band = document.createElement('div');
      band.style.cssText = 'position:fixed;box-sizing:border-box;pointer-events:none;z-index:2147483647;' +
        'border:1px dashed #1a73e8;background:rgba(26,115,232,.12)';
      document.documentElement.appendChild(band);
    }
    band.style.left = f.r.left + x / f.k + 'px';
    band.style.top = f.r.top + y / f.k + 'px';
    band.style.width = w / f.k + 'px';
    band.style.height = h / f.k + 'px';
  }
  /**
   * Tells the editor of the caption of the button at the applet's pixel (x, y), the top-most
   * whose box holds it (the buttons take no pointer while the editor has the mouse).
   * @param {number} x @param {number} y
   */
  function reportCaption(x, y) {
    const s = root();
    const f = frame();
    if (!s || !f || !live) return;
    const p = { x: f.r.left + x / f.k, y: f.r.top + y / f.k };
    /** @type {HTMLElement|null} */
    let hit = null;
    s.querySelectorAll('.b').forEach(function (e) {
      const b = e.getBoundingClientRect();
      if (p.x >= b.left && p.x < b.right && p.y >= b.top && p.y < b.bottom) hit = /** @type {HTMLElement} */ (e);
    });
    const el = /** @type {HTMLElement|null} */ (hit);
    if (!el) return;
    const span = Array.prototype.find.call(el.children, /** @param {Element} c */ function (c) {
      return c.tagName.toLowerCase() === 'span';
    });
    const box = el.getBoundingClientRect();
    const cap = span ? span.getBoundingClientRect() : box;
    const font = getComputedStyle(span || el);
    const look = getComputedStyle(el);
    live.caption(x, y, {
      left: cap.left, top: cap.top, width: cap.width, height: cap.height,
      boxLeft: box.left, boxTop: box.top, boxWidth: box.width, boxHeight: box.height,
      family: font.fontFamily, size: parseFloat(font.fontSize) || 0, weight: parseInt(font.fontWeight, 10) || 400,
      italic: font.fontStyle !== 'normal', underline: /underline/.test(font.textDecorationLine),
      color: font.color, background: look.backgroundColor, align: look.textAlign
    });
  }
  // One move a frame is enough for a drag; the last one goes before the release.
  function flush() {
    if (pending && live) live.pointer('move', pending.x, pending.y);
    pending = null;
  }
  document.addEventListener('pointerdown', function (ev) {
    // Only the user's own input: a page's script can make events, never trusted ones.
    if (!ev.isTrusted || trying || ev.button !== 0 || !live) return;
    // The canvas around the applet starts a rubber band as the applet's empty places do.
    const p = at(ev);
    if (!p || !onCanvas(ev)) return;
    ev.preventDefault();
    ev.stopPropagation();
    // With Ctrl (or Command) a button joins the selection and does not move; a rubber band
    // adds the buttons it touches.
    down = true;
    live.pointer(ev.ctrlKey || ev.metaKey ? 'add' : 'down', p.x, p.y);
  }, true);
  window.addEventListener('pointermove', function (ev) {
    if (!down || !ev.isTrusted) return;
    const p = at(ev);
    if (!p) return;
    if (!pending) requestAnimationFrame(flush);
    pending = p;
  }, true);
  window.addEventListener('pointerup', function (ev) {
    if (!down || !ev.isTrusted) return;
    down = false;
    const p = at(ev);
    flush();
    if (p && live) live.pointer('up', p.x, p.y);
  }, true);
  // A double-click on a button asks the editor for its caption's field.
  document.addEventListener('dblclick', function (ev) {
    if (!ev.isTrusted || trying || ev.button !== 0 || ev.ctrlKey || ev.metaKey || !live) return;
    const p = at(ev);
    if (p && p.inside) reportCaption(p.x, p.y);
  }, true);
  // The buttons are the page's links, labels and buttons: while the editor
  // has the mouse, what the browser would do with them does not happen.
  ['mousedown', 'click', 'auxclick', 'dblclick', 'dragstart', 'selectstart'].forEach(function (type) {
    document.addEventListener(type, function (ev) {
      if (trying || !inside(ev)) return;
      ev.preventDefault();
      ev.stopPropagation();
    }, true);
  });
  document.addEventListener('velkobutton-drawn', function () { if (live) live.drawn(); }, true);
})();
