// The README's picture of the web page: the worked example opened from its
// case file, with its estate, computed, in a desktop browser's window.
//   node tests/web/screenshot.cjs docs/web-page.png
'use strict';
const path = require('path');
const { launch, fileUrl } = require('./browser.cjs');

async function main() {
  const output = process.argv[2];
  const browser = await launch();
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 1200, height: 800 });
    await page.goto(fileUrl());
    await page.waitForSelector('body[data-ready]');
    const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open-file')]);
    await chooser.accept([path.resolve(__dirname, '../../docs/worked-example.qismaru')]);
    await page.waitForFunction(() => document.querySelectorAll('#entry-list li').length === 4);
    await page.click('#calculate');
    await page.waitForFunction(() => !document.getElementById('estate-result').hidden);
    await page.evaluate(() => document.fonts.ready);
    await page.screenshot({ path: output, fullPage: true });
    console.log(output);
  } finally {
    await browser.close();
  }
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
