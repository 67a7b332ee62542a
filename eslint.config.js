// The linter of the web page's modules, its service worker, its browser tests and the site's
// build tool in JavaScript.
const js = require('@eslint/js');
const globals = require('globals');

const PAGE_GLOBALS = '/^(window|self|globalThis|document|navigator|location|history|screen|Screen|performance|localStorage|console)$/';

module.exports = [
  { ignores: ['build/', 'node_modules/'] },
  js.configs.recommended,
  {
    files: ['src/web/page/**/*.js'],
    languageOptions: { globals: globals.browser },
    rules: {
      // A name of the page's own objects (window, screen, ...) made to mean something else is a trap.
      'no-restricted-syntax': ['error', {
        selector: `:matches(VariableDeclarator, FunctionDeclaration, ClassDeclaration) > Identifier.id[name=${PAGE_GLOBALS}], Identifier.params[name=${PAGE_GLOBALS}]`,
        message: 'This shadows one of the page\'s global objects.',
      }],
      // The page has a global `event`, `name` and `top`: a forgotten declaration must not find them.
      'no-restricted-globals': ['error', 'event', 'name', 'status', 'top', 'parent', 'length'],
    },
  },
  {
    files: ['src/web/page/sw.js'],
    languageOptions: {
      sourceType: 'script',
      globals: { ...globals.serviceworker, SITE_VERSION: 'readonly', SITE_FILES: 'readonly' },
    },
  },
  {
    files: ['eslint.config.js', 'tools/web-strip-comments'],
    languageOptions: { sourceType: 'commonjs', globals: globals.node },
  },
  {
    // Functions the tests hand to the page run there, beside the page's console object.
    files: ['tests/web/**/*.mjs', 'bench/**/*.mjs'],
    languageOptions: { globals: { ...globals.node, ...globals.browser, totechita: 'readonly', bench: 'writable' } },
  },
  {
    rules: {
      'no-unused-vars': ['error', { caughtErrors: 'none' }],
      'prefer-const': 'error',
      eqeqeq: 'error',
      'no-var': 'error',
    },
  },
];
