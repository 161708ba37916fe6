// Debian's Chromium, headless, for the web page's tests and measurements:
// no downloaded browser, a fresh profile each time, and none of the
// background traffic that would wait on a network this machine may not have.
'use strict';
const path = require('path');
const puppeteer = require('puppeteer-core');

const site = process.env.QISMARU_SITE || path.resolve(__dirname, '../../build/web');

function launch() {
  return puppeteer.launch({
    executablePath: process.env.QISMARU_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
    ],
  });
}

// The page as a user who double-clicks index.html opens it: from disk, with
// none of the browser's switches that would let it read files freely.
function fileUrl(fragment = '') {
  return 'file://' + path.join(site, 'index.html') + fragment;
}

// Checks, counted, each failure told with what was expected; the process
// fails at the end when one did.
function checker(name) {
  let passed = 0;
  const failures = [];
  return {
    equal(actual, expected, what) {
      if (JSON.stringify(actual) === JSON.stringify(expected)) ++passed;
      else failures.push(`${what}\n    expected ${JSON.stringify(expected)}\n    actual   ${JSON.stringify(actual)}`);
    },
    ok(condition, what) {
      if (condition) ++passed;
      else failures.push(what);
    },
    finish() {
      for (const failure of failures.slice(0, 30)) console.error(`FAILED ${name}: ${failure}`);
      console.log(`${name}: ${passed} checks passed, ${failures.length} failed`);
      if (failures.length) process.exitCode = 1;
    },
  };
}

module.exports = { launch, fileUrl, checker, site };
