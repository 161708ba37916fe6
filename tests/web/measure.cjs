// The web page's speed and size, for the README (measured, not asserted):
// the time from opening index.html, from disk and over http, to the first
// answer on the screen, the time of each Calculate, the bytes a host sends.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const zlib = require('zlib');
const { launch, fileUrl, site } = require('./browser.cjs');

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(1)} ms`;

// Each opening a cold start: a browser of its own, with an empty profile,
// so that nothing of the page (its files, the module's compiled code) is
// cached. The time is the page's own, from the navigation's start to the
// table on the screen.
async function firstAnswers(address, runs) {
  const times = [];
  for (let i = 0; i < runs; ++i) {
    const browser = await launch();
    try {
      const page = await browser.newPage();
      await page.goto(address + '#case=h=1,m=1,f=1');
      await page.waitForSelector('body[data-ready]');
      const [calculate] = await page.evaluate(() =>
        performance.getEntriesByName('qismaru-calculate').map((entry) => entry.startTime + entry.duration)
      );
      times.push(calculate);
    } finally {
      await browser.close();
    }
  }
  return times;
}

// The site over http, as a static host serves it, on a port of its own.
function serve() {
  const server = http.createServer((request, response) => {
    const name = path.join(site, decodeURIComponent(new URL(request.url, 'http://host').pathname));
    if (!name.startsWith(site + path.sep) || !fs.existsSync(name) || !fs.statSync(name).isFile()) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, { 'Content-Type': contentTypes[path.extname(name)] || 'application/octet-stream' });
    fs.createReadStream(name).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}
const contentTypes = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.woff2': 'font/woff2',
  '.ttf': 'font/ttf',
};

// Cases of every size, answered one after another through the page's link,
// each Calculate timed from the press to the table on the screen.
async function calculations(browser) {
  const page = await browser.newPage();
  await page.goto(fileUrl());
  await page.waitForSelector('body[data-ready]');
  // A user's first Calculate follows at least one press of an heir's button.
  await new Promise((resolve) => setTimeout(resolve, 1000));
  const links = [
    'h=1,m=1,f=1',
    'h=1,m=1,d=3,bm=1',
    'w=4,m=1,f=1,s=3,d=5',
    'gf=1,b=2&school=shafii',
    'h=1,m=1,gf=1,si=1&school=maliki',
    'd=32749,si=32719,bm=32717,gm=3,w=4',
    'd=7,gd=3,si=2,sif=4,u=9,su=12',
    'bm=3,gm=2,b=5,bf=2,sb=4,sbf=1,u=2,uf=3,su=1,suf=6,w=2&school=hanbali',
  ];
  const times = [];
  const slowest = {};
  for (let round = 0; round < 25; ++round) {
    for (const link of links) {
      const heirs = link.split('&')[0];
      await page.evaluate((hash) => {
        performance.clearMeasures('qismaru-calculate');
        location.hash = hash;
      }, '#case=' + link + (link.includes('school') ? '' : '&school=hanafi') + '&round=' + round);
      await page.waitForFunction(
        (heirs) => performance.getEntriesByName('qismaru-calculate').length > 0 && location.hash.includes(heirs),
        {},
        heirs
      );
      const time = await page.evaluate(() => performance.getEntriesByName('qismaru-calculate')[0].duration);
      times.push(time);
      slowest[link] = Math.max(slowest[link] || 0, time);
    }
  }
  return { times, slowest };
}

function sizes() {
  // What a static host sends for the page (the fonts apart), and what
  // qismaru.wasm.js adds when the page is opened from disk instead.
  const sent = ['index.html', 'qismaru.css', 'qismaru-views.js', 'qismaru-later.js', 'qismaru-relatives.js', 'qismaru-waiting.js', 'qismaru-together.js', 'qismaru-page.js', 'qismaru.js', 'qismaru.wasm'];
  const rows = sent.map((name) => {
    const bytes = fs.readFileSync(path.join(site, name));
    return {
      name,
      raw: bytes.length,
      gzip: zlib.gzipSync(bytes, { level: 9 }).length,
      brotli: zlib.brotliCompressSync(bytes, { params: { [zlib.constants.BROTLI_PARAM_QUALITY]: 11 } }).length,
    };
  });
  const total = rows.reduce((sum, row) => ({
    name: 'total',
    raw: sum.raw + row.raw,
    gzip: sum.gzip + row.gzip,
    brotli: sum.brotli + row.brotli,
  }));
  const fonts = fs
    .readdirSync(path.join(site, 'fonts'))
    .filter((name) => /\.(ttf|woff2)$/.test(name))
    .reduce((sum, name) => sum + fs.statSync(path.join(site, 'fonts', name)).size, 0);
  return { rows: [...rows, total], fonts, fromDisk: fs.statSync(path.join(site, 'qismaru.wasm.js')).size };
}

async function main() {
  const server = await serve();
  const runs = 9;
  const first = {
    'from disk (file://)': await firstAnswers(fileUrl(), runs),
    'over http': await firstAnswers(`http://127.0.0.1:${server.address().port}/index.html`, runs),
  };
  server.close();
  for (const [where, times] of Object.entries(first)) {
    console.log(`first answer ${where}, index.html#case=h=1,m=1,f=1, ${runs} cold browsers: median ${ms(median(times))}, slowest ${ms(Math.max(...times))}`);
  }
  const browser = await launch();
  try {
    const { times, slowest } = await calculations(browser);
    const sorted = [...times].sort((a, b) => a - b);
    console.log(`Calculate (${times.length} cases, press to table): median ${ms(median(times))}, 95th percentile ${ms(sorted[Math.floor(sorted.length * 0.95)])}, slowest ${ms(sorted[sorted.length - 1])}`);
    for (const [link, time] of Object.entries(slowest)) console.log(`  slowest of ${link}: ${ms(time)}`);
  } finally {
    await browser.close();
  }
  const { rows, fonts, fromDisk } = sizes();
  const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;
  console.log('transferred by a static host, fonts apart:');
  for (const row of rows) console.log(`  ${row.name.padEnd(16)} ${kb(row.raw).padStart(11)} raw ${kb(row.gzip).padStart(11)} gzip -9 ${kb(row.brotli).padStart(11)} brotli`);
  console.log(`fonts: ${kb(fonts)}; qismaru.wasm.js, read instead of qismaru.wasm from disk: ${kb(fromDisk)}`);
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
