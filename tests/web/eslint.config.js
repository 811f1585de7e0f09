// ESLint over the page's JavaScript (web/) and the web tests: its recommended rules, which
// catch mistakes rather than style, with each file's globals. scripts/lint.sh runs it from the
// project's folder, which the patterns below are relative to.
'use strict';
const js = require('@eslint/js');
const globals = require('globals');

// The calls that the worker of "Your own search" gives a student's code (own-search-worker.js).
const ownSearchCalls = Object.fromEntries(
  ['enter', 'leave', 'found', 'turnedDown', 'deadEnd', 'board'].map((name) => [name, 'readonly']));

module.exports = [
  // screen.js is an Emscripten library, in the syntax of Emscripten's preprocessor.
  { ignores: ['**/node_modules/', 'web/screen.js'] },
  js.configs.recommended,
  // The page's ES modules.
  { files: ['web/*.js'], languageOptions: { sourceType: 'module', globals: globals.browser } },
  // The workers, classic scripts, and the script of the own search's sandbox.
  { files: ['web/*-worker.js'], languageOptions: { sourceType: 'script', globals: globals.worker } },
  { files: ['web/own-sandbox-frame.js'],
    languageOptions: { sourceType: 'script', globals: globals.browser } },
  // The examples of "Your own search", which run after the worker's part.
  { files: ['web/own_search_examples/*.js'],
    languageOptions: { sourceType: 'script', globals: ownSearchCalls } },
  // The build's scripts and the tests, run by node; the tests' functions that run in the page
  // see the browser's globals and the page's webPage.
  { files: ['web/search_code.js', 'web/search_steps.js', 'web/own_sandbox_page.js',
             'tests/web/*.js'],
    languageOptions: { sourceType: 'commonjs', globals: globals.node } },
  { files: ['tests/web/*.js'],
    languageOptions: { globals: { ...globals.browser, webPage: 'readonly' } } },
];
