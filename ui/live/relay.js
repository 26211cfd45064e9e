// The Live View's relay in the page's own world, where the runtime runs: it
// hands the calls of the editor's bridge (bridge.js, in a world of its own)
// to the runtime's editor handle. It adds nothing to the page's globals, and
// it can do nothing the page's own scripts could not do with that handle.
(function () {
  'use strict';
  /** The handle's functions the editor calls. */
  const CALLS = ['update', 'replaceApplet', 'mark', 'show', 'offset', 'interactive'];
  const win = /** @type {any} */ (window);
  document.addEventListener('velkobutton-live-call', function (ev) {
    const detail = ev instanceof CustomEvent ? ev.detail : null;
    const R = win.VelkoButtonRuntime;
    const c = R && R.control(0);
    if (!c || !detail || CALLS.indexOf(detail.call) < 0 || !Array.isArray(detail.args)) return;
    c[detail.call].apply(c, detail.args);
  });
})();
