'use strict';
// Lint rules of the runtime, which is copied onto users' web sites. The tools come with
// the page tests: tests/pages/node_modules/.bin/eslint runtime/velkobutton.js
const path = require('path');
const from = { paths: [path.join(__dirname, 'tests', 'pages')] };
const js = require(require.resolve('@eslint/js', from));
const globals = require(require.resolve('globals', from));

module.exports = [
  { files: ['runtime/velkobutton.js'], ...js.configs.recommended },
  {
    files: ['runtime/velkobutton.js'],
    languageOptions: { ecmaVersion: 2020, sourceType: 'script', globals: { ...globals.browser, module: 'readonly' } },
    rules: {
      strict: ['error', 'function'],
      'no-var': 'error',
      'prefer-const': 'error',
      eqeqeq: ['error', 'always'],
      'no-implicit-globals': 'error'
    }
  }
];

// The Live View's scripts in the editor (ui/live/) keep the runtime's rules.
module.exports.push(...module.exports.map(function (c) { return { ...c, files: ['ui/live/*.js'] }; }));
