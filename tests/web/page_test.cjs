// The web page as a user drives it, opened from disk: heirs entered by
// clicks and by keys, Calculate, the table against the native calculator's
// answer to the same case, the page's faces, another school, the solution, the estate, the
// entry rules' refusals, case files opened, refused and saved, a later
// death entered and its combined table, relatives built by path in the
// relation builder, an unborn child marked and its outcome recorded, the link that reopens a case, the
// copied text, the printed page, a phone's width, and no request outside
// the page's folder.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const url = require('url');
const { spawnSync } = require('child_process');
const { launch, fileUrl, checker, site } = require('./browser.cjs');

const calc = process.env.QISMARU_CALC;
const repository = path.resolve(__dirname, '../..');
const check = checker('page');

// The native calculator's JSON answer to one batch line, or to its
// arguments ['d=1', 's.s.s=2'], which keep the order of relatives by path
// that a JSON object does not.
function nativeAnswer(line, flags = []) {
  if (Array.isArray(line)) return JSON.parse(spawnSync(calc, ['--json', ...flags, ...line], { encoding: 'utf8' }).stdout);
  const run = spawnSync(calc, ['--batch', ...flags], { input: line + '\n', encoding: 'utf8' });
  return JSON.parse(run.stdout);
}

// The rows of the calculator's screen table, each as its texts from right
// to left: the page must show exactly these.
function nativeRows(answer) {
  const rows = new Map();
  for (const item of answer.screen) {
    if (item.y <= 200 || item.y >= 3200) continue;
    if (!rows.has(item.y)) rows.set(item.y, []);
    rows.get(item.y).push(item);
  }
  return [...rows.keys()]
    .sort((a, b) => a - b)
    .map((y) => rows.get(y).sort((a, b) => b.x - a.x).map((item) => item.text.trim()));
}

function nativeTotals(answer) {
  return answer.screen.filter((item) => item.y >= 3200).map((item) => item.text.trim());
}

async function pageRows(page) {
  return page.$$eval('#result-rows tr', (rows) =>
    rows.map((row) => ({
      kind: row.dataset.kind,
      parts: Number(row.dataset.parts),
      texts: [...row.cells].map((cell) => cell.textContent.trim()).filter((text) => text !== ''),
    }))
  );
}

async function press(page, code) {
  await page.click(`button[data-code="${code}"]`);
}

async function typeCount(page, count) {
  await page.waitForSelector('#count-dialog[open]');
  await page.click('#count-input', { clickCount: 3 });
  await page.keyboard.type(String(count));
  await page.keyboard.press('Enter');
}

// The text of the message box on the page, after OK closed it.
async function message(page) {
  await page.waitForSelector('#message-dialog[open]');
  const text = await page.$eval('#message-text', (element) => element.textContent);
  await page.click('#message-ok');
  await page.waitForSelector('#message-dialog:not([open])');
  return text;
}

async function entries(page) {
  return page.$$eval('#entry-list li', (items) => items.map((item) => item.dataset.kind + '=' + item.dataset.count));
}

async function calculated(page) {
  await page.waitForFunction(() => !document.getElementById('result').hidden);
}

async function checkTable(page, line, what) {
  const answer = nativeAnswer(line);
  const rows = await pageRows(page);
  check.equal(
    rows.map((row) => row.texts),
    nativeRows(answer),
    `${what}: the table's texts are the calculator's`
  );
  check.equal(
    await page.$$eval('#totals li', (items) => items.map((item) => item.textContent.trim())),
    nativeTotals(answer),
    `${what}: the base rows`
  );
  return { answer, rows };
}

async function typicalCaseByClicks(page) {
  await page.goto(fileUrl());
  await page.waitForSelector('body[data-ready]');
  for (const code of ['h', 'm', 'f']) await press(page, code);
  check.equal(await entries(page), ['h=1', 'm=1', 'f=1'], 'husband, mother, father entered in order');
  await page.click('#calculate');
  await calculated(page);
  const { rows } = await checkTable(page, '{"counts":{"h":1,"m":1,"f":1}}', 'husband, mother, father');
  check.equal(
    rows.map((row) => `${row.kind}:${row.parts}`),
    ['m:1', 'h:3', 'f:2'],
    'each row carries its heir and its parts'
  );
  check.equal(await page.$eval('#corrected-base', (e) => e.dataset.total), '6', 'the corrected base');
  check.equal(
    await page.$$eval('#case-messages p', (items) => items.map((item) => item.textContent)),
    ['هذه المسألةهي إحدىالمسألتين العمريتين'],
    'the named case is announced'
  );
  await press(page, 's');
  check.ok(!(await page.$('#count-dialog[open]')), 'a computed case takes no more heirs');
  await fonts(page);
}

// The page's faces, cut to the characters it writes: each loads, and
// together they weigh a fraction of Debian's files (927 KB).
async function fonts(page) {
  const faces = await page.evaluate(async () => {
    await document.fonts.ready;
    return [...document.fonts].map((face) => `${face.family} ${face.weight}: ${face.status}`);
  });
  check.ok(faces.length === 3 && faces.every((face) => face.endsWith(': loaded')), `the faces load: ${faces}`);
  const folder = path.join(site, 'fonts');
  const bytes = fs
    .readdirSync(folder)
    .filter((name) => /\.(ttf|otf|woff2?)$/.test(name))
    .reduce((sum, name) => sum + fs.statSync(path.join(folder, name)).size, 0);
  check.ok(bytes < 200 * 1024, `the fonts sent weigh ${bytes} bytes`);
}

async function otherSchoolByKeys(page) {
  await page.focus('#new-case');
  await page.keyboard.press('Enter');
  check.equal(await entries(page), [], 'New case by the keyboard empties the case');
  await page.focus('button[data-code="gf"]');
  await page.keyboard.press('Enter');
  await page.focus('button[data-code="b"]');
  await page.keyboard.press(' ');
  await page.waitForSelector('#count-dialog[open]');
  await page.keyboard.press('Backspace');
  await page.keyboard.type('2');
  await page.keyboard.press('Enter');
  check.equal(await entries(page), ['gf=1', 'b=2'], 'grandfather and two brothers entered by keys');
  await page.focus('#calculate');
  await page.keyboard.press('Enter');
  await calculated(page);
  let { rows } = await checkTable(page, '{"counts":{"gf":1,"b":2}}', 'the Hanafi grandfather');
  check.equal(rows.map((row) => `${row.kind}:${row.parts}`), ['gf:1'], 'the Hanafi grandfather excludes the brothers');
  await page.focus('#school');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown');
  await page.waitForFunction(() => document.getElementById('positions-line').textContent.includes('الشافعي'));
  ({ rows } = await checkTable(page, '{"counts":{"gf":1,"b":2},"school":"shafii"}', 'the Shafii grandfather'));
  check.equal(
    rows.map((row) => `${row.kind}:${row.parts}`),
    ['gf:1', 'b:2'],
    'under the Shafii school the grandfather divides with the brothers'
  );
  check.equal(await page.$eval('#corrected-base', (e) => e.dataset.total), '3', 'the Shafii corrected base');
  check.ok(await page.$eval('#hanafi-difference', (e) => !e.hidden), 'the answer is marked as not the Hanafi one');
  check.ok(
    (await page.evaluate(() => location.hash)) === '#case=gf=1,b=2&school=shafii',
    'the address names the case and its school'
  );

  await page.click('#show-steps');
  const steps = nativeAnswer('{"counts":{"gf":1,"b":2},"school":"shafii"}', ['--explain']).steps.map((s) => s.text);
  check.equal(
    await page.$$eval('#steps li', (items) => items.map((item) => item.textContent)),
    steps,
    'the solution is the calculator\'s, step by step'
  );
  check.ok(await page.$eval('#steps-section', (e) => !e.hidden), 'the solution is shown');
}

async function estateOfTheWorkedExample(page) {
  await page.select('#school', 'hanafi');
  await page.click('#new-case');
  for (const [code, count] of [['h'], ['m'], ['d', 3], ['bm', 1]]) {
    await press(page, code);
    if (count) await typeCount(page, count);
  }
  await page.click('#estate-button');
  await page.waitForSelector('#estate-dialog[open]');
  await page.type('#estate-amount-0', '12o');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#estate-problem:not([hidden])');
  check.ok(
    (await page.$eval('#estate-problem', (e) => e.textContent)).includes('التركة'),
    'an amount that is not a number is named below the fields'
  );
  check.ok(await page.$('#estate-dialog[open]'), 'and the estate dialog stays open');
  await page.click('#estate-amount-0', { clickCount: 3 });
  await page.keyboard.type('120,000.50');
  await page.type('#estate-amount-1', '1000');
  await page.type('#estate-amount-2', '٥٠٠٠');
  await page.type('#estate-amount-3', '50000');
  await page.click('#estate-ok');
  await page.waitForSelector('#estate-dialog:not([open])');
  await page.click('#calculate');
  await calculated(page);
  const line =
    '{"counts":{"h":1,"m":1,"d":3,"bm":1},"estate":{"gross":"120000.50","funeral":"1000","debts":"5000","bequest":"50000"}}';
  const { answer } = await checkTable(page, line, 'the worked example');
  const estate = answer.estate;
  const shown = await page.$$eval('#estate-kinds tr', (rows) =>
    rows.slice(1).map((row) => [...row.cells].map((cell) => cell.textContent))
  );
  check.equal(
    shown.map((cells) => cells[4].replace(/,/g, '')).sort(),
    Object.values(estate.kinds)
      .map((kind) => kind.amount)
      .sort(),
    'each heir\'s amount is the calculator\'s'
  );
  const claims = await page.$$eval('#estate-claims td', (cells) => cells.map((cell) => cell.textContent));
  check.ok(claims.includes('76,000.34'), 'the net for the heirs');
  const closing = await page.$$eval('#estate-closing td', (cells) => cells.map((cell) => cell.textContent));
  check.ok(closing.includes(estate.roundingDifference), 'the rounding difference');
}

async function copiedText(page) {
  await page.evaluate(() => {
    navigator.clipboard.writeText = async (text) => {
      window.copiedText = text;
    };
  });
  await page.click('#copy-text');
  const text = await page.evaluate(() => window.copiedText);
  check.ok(text.includes('بنت 3\t2 / 3\t24\t8  لكل\t%61.53'), 'the copied text holds the rows');
  check.ok(text.includes('39 =التصحيح') && text.includes('76,000.34'), 'and the totals and the estate');
}

async function onePrintedPage(page) {
  await page.emulateMediaType('print');
  check.ok(
    await page.$eval('.entry', (e) => getComputedStyle(e).display === 'none'),
    'the buttons are not printed'
  );
  const pdf = Buffer.from(await page.pdf({ format: 'A4' }));
  const pages = (pdf.toString('latin1').match(/\/Type ?\/Page\b/g) || []).length;
  check.equal(pages, 1, 'the answer prints on one page');
  await page.emulateMediaType('screen');
}

async function refusals(page, questions) {
  await page.click('#new-case');
  check.equal(questions.length, 1, 'New case asks before an estate is lost');
  await press(page, 'w');
  await typeCount(page, 5);
  check.equal(await message(page), 'لا يزيد عدد الزوجات على أربع', 'five wives are refused');
  check.ok(await page.$('#count-dialog[open]'), 'and the count dialog stays open');
  await page.click('#count-input', { clickCount: 3 });
  await page.keyboard.type('4');
  await page.keyboard.press('Enter');
  await press(page, 'h');
  check.equal(await message(page), 'لايجتمع الزوجان في مسألة واحدة', 'no husband beside wives');
  await press(page, 'm');
  await page.click('#cancel-last');
  check.equal(await entries(page), ['w=4'], 'Cancel last withdraws the mother');
  await page.select('#school', 'maliki');
  await press(page, 'gm');
  await typeCount(page, 3);
  check.ok((await message(page)).includes('جدتين'), 'the Malikis let at most two grandmothers inherit');
  await page.click('#count-cancel');
  await page.select('#school', 'hanafi');
}

// "حفظ": the page's download, once it has arrived in `downloads` as `name`.
async function saveCase(page, downloads, name) {
  const client = await page.createCDPSession();
  await client.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.click('#save-file');
  const saved = path.join(downloads, name);
  for (let i = 0; i < 50 && !fs.existsSync(saved); ++i) await new Promise((r) => setTimeout(r, 100));
  return saved;
}

async function caseFiles(page, downloads) {
  const bad = path.join(downloads, 'bad.qismaru');
  const cases = [
    ['not a case file', 'hello'],
    ['five wives', '{"format":"qismaru-case","version":1,"heirs":[{"code":"w","count":5}]}'],
    ['a newer format', '{"format":"qismaru-case","version":99,"heirs":[]}'],
  ];
  const before = await entries(page);
  for (const [what, text] of cases) {
    fs.writeFileSync(bad, text);
    const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open-file')]);
    await chooser.accept([bad]);
    const said = await message(page);
    check.ok(said.includes('bad.qismaru') && /[\u0600-\u06ff]/.test(said), `${what}: refused with a message`);
    check.equal(await entries(page), before, `${what}: the case stays as it was`);
  }

  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open-file')]);
  await chooser.accept([path.join(repository, 'docs/worked-example.qismaru')]);
  await page.waitForFunction(() => document.querySelectorAll('#entry-list li').length === 4);
  check.equal(await entries(page), ['h=1', 'm=1', 'd=3', 'bm=1'], 'the README\'s case file opens');
  await page.select('#school', 'shafii');
  const saved = await saveCase(page, downloads, 'worked-example.qismaru');
  const native = spawnSync(calc, ['--case-file', saved, '--json', '--fields', 'counts,estate'], { encoding: 'utf8' });
  const reread = JSON.parse(native.stdout);
  check.equal(Object.entries(reread.counts).sort(), [['bm', 1], ['d', 3], ['h', 1], ['m', 1]], 'the saved file is a case file qismaru-calc reads');
  check.equal(reread.estate.net, '76000.34', 'with its estate');
  check.ok(fs.readFileSync(saved, 'utf8').includes('"school": "shafii"'), 'and with the school it was saved under');
}

// The books' first example of successive deaths entered by clicks and
// keys: the son died; his mother and his sister are the wife and the
// daughter of the first case. The combined table is the calculator's; the
// case is saved with its later death, read by qismaru-calc, and the
// README's file of successive deaths opens and divides its estate.
async function laterDeaths(page, downloads) {
  await page.click('#new-case');
  await page.select('#school', 'hanafi');
  for (const code of ['w', 's', 'd']) {
    await press(page, code);
    await typeCount(page, 1);
  }
  await page.click('#calculate');
  await calculated(page);
  await page.click('#add-later');
  await page.waitForSelector('#later-dialog[open]');
  const son = await page.$$eval('#later-deceased option', (options) =>
    options.find((o) => o.textContent.startsWith('الابن'))?.value
  );
  await page.select('#later-deceased', son);
  await page.click('#later-buttons button[data-code="h"]');
  check.ok((await message(page)).includes('رجل'), 'a man leaves no husband');
  await page.click('#later-buttons button[data-code="m"]');
  await page.click('#later-buttons button[data-code="si"]');
  await page.waitForSelector('#later-count-row:not([hidden])');
  await page.keyboard.press('Enter');
  check.equal(
    await page.$$eval('#later-heirs tr', (rows) => rows.map((row) => row.dataset.kind)),
    ['m', 'si'],
    'his heirs are entered in order, the count by the keyboard'
  );
  await page.select('#later-heirs tr[data-kind="m"] select', '1:w');
  await page.select('#later-heirs tr[data-kind="si"] select', '1:d');
  await page.click('#later-ok');
  await page.waitForSelector('#later-dialog:not([open])');
  const line =
    '{"counts":{"w":1,"s":1,"d":1},"later":[{"deceased":"1:s","counts":{"m":1,"si":1},"same":{"m":"1:w","si":"1:d"}}]}';
  const native = spawnSync(calc, ['--batch'], { input: line + '\n', encoding: 'utf8' });
  check.equal(JSON.parse(native.stdout).combined.base, 120, 'the calculator joins the books\' example in 120');
  const text = spawnSync(calc, ['--case-file', path.join(repository, 'docs/successive-deaths.qismaru')], {
    encoding: 'utf8',
  }).stdout;
  const table = text.slice(text.indexOf('الجامعة\n') + 'الجامعة\n'.length).split('\n\n')[0].split('\n');
  const shown = await page.$$eval('#combined-table tr', (rows) =>
    rows.map((row) => [...row.cells].map((cell) => cell.textContent).join(' | '))
  );
  check.equal(shown, table, 'the combined table is the calculator\'s');
  check.ok(await page.$('#combined-table tr.died'), 'the son\'s row is shaded: his parts passed on');

  const saved = await saveCase(page, downloads, 'مسألة.qismaru');
  const reread = spawnSync(calc, ['--case-file', saved, '--json', '--fields', 'combined'], { encoding: 'utf8' });
  check.equal(JSON.parse(reread.stdout).combined.base, 120, 'the case is saved with its later death');

  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#open-file')]);
  await chooser.accept([path.join(repository, 'docs/successive-deaths.qismaru')]);
  await page.waitForFunction(() => document.querySelectorAll('#entry-list li').length === 3);
  await page.click('#calculate');
  await calculated(page);
  const amounts = await page.$$eval('#estate-kinds tr', (rows) => rows.slice(1).map((row) => row.cells[4].textContent));
  check.equal(amounts, ['43,000.00', '77,000.00'], 'a file with a later death opens and divides its estate by the combined table');
  await page.click('#remove-later');
  check.ok(await page.$eval('#later-result', (e) => e.hidden), 'the last later death is withdrawn');
}

// A later deceased's relative beyond the buttons, built by keys in the
// relation builder opened from the later-death form and given to that
// form: the son leaves his mother and sister, who are the first case's
// wife and daughter, and his full brother's son's son, who takes the rest.
async function laterRelativeByPath(page) {
  await page.click('#new-case');
  await page.select('#school', 'hanafi');
  for (const code of ['w', 's', 'd']) {
    await press(page, code);
    await typeCount(page, 1);
  }
  await page.click('#calculate');
  await calculated(page);
  await page.click('#add-later');
  await page.waitForSelector('#later-dialog[open]');
  const son = await page.$$eval('#later-deceased option', (options) =>
    options.find((o) => o.textContent.startsWith('الابن'))?.value
  );
  await page.select('#later-deceased', son);
  await page.click('#later-buttons button[data-code="m"]');
  await page.click('#later-buttons button[data-code="si"]');
  await page.waitForSelector('#later-count-row:not([hidden])');
  await page.keyboard.press('Enter');
  await page.focus('#later-relative');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#relative-dialog[open]');
  for (const letter of ['b', 's', 's']) {
    await page.focus(`#relative-steps button[data-letter="${letter}"]`);
    await page.keyboard.press('Enter');
  }
  await page.focus('#relative-count');
  await page.keyboard.press('Enter');
  await page.focus('#relative-count');
  await page.keyboard.press('Enter');
  check.ok(
    (await page.$eval('#relative-problem', (e) => e.textContent)).includes('سبق إدخال'),
    'the form refuses him twice, in its own words'
  );
  await page.keyboard.press('Escape');
  await page.waitForSelector('#relative-dialog:not([open])');
  check.ok(await page.$('#later-dialog[open]'), 'the later-death form stays open under the builder');
  check.equal(
    await page.$$eval('#later-heirs tr', (rows) => rows.map((row) => row.dataset.kind)),
    ['m', 'si', 'b.s.s'],
    'his relative by path is listed with his heirs'
  );
  await page.select('#later-heirs tr[data-kind="m"] select', '1:w');
  await page.select('#later-heirs tr[data-kind="si"] select', '1:d');
  await page.click('#later-ok');
  await page.waitForSelector('#later-dialog:not([open])');
  const line =
    '{"counts":{"w":1,"s":1,"d":1},"later":[{"deceased":"1:s","counts":{"m":1,"si":1,"b.s.s":1},"same":{"m":"1:w","si":"1:d"}}]}';
  const native = JSON.parse(spawnSync(calc, ['--batch'], { input: line + '\n', encoding: 'utf8' }).stdout).combined;
  const heir = native.heirs.find((h) => h.ref === '2:b.s.s');
  const shown = await page.$$eval('#combined-table tr', (rows) =>
    rows.map((row) => [...row.cells].map((c) => c.textContent))
  );
  const row = shown.find((cells) => cells[0].startsWith('ابن ابن أخ شقيق'));
  check.ok(row, 'the combined table shows his row');
  check.equal(row[row.length - 1].trim(), String(heir.parts), 'his parts of the combined base are the calculator\'s');
}

async function linkedCase(page) {
  await page.goto(fileUrl('#case=h=1,m=1,d=3,bm=1&school=maliki'));
  await page.waitForSelector('body[data-ready]');
  await calculated(page);
  await checkTable(page, '{"counts":{"h":1,"m":1,"d":3,"bm":1},"school":"maliki"}', 'a linked case');
  check.equal(await page.$eval('#school', (e) => e.value), 'maliki', 'the link chooses the school');
  // A count of 0 is an heir absent, in a link as in the calculator's line.
  await page.goto(fileUrl('#case=h=0,m=1,f=1&school=maliki'));
  await page.waitForFunction(() => location.hash.startsWith('#case=m=1,f=1'));
  await checkTable(page, '{"counts":{"h":0,"m":1,"f":1},"school":"maliki"}', 'a link with no husband (h=0)');
  // A school that refuses the shown case takes it out of the address.
  await page.goto(fileUrl('#case=gm=3,d=1&school=hanafi'));
  await calculated(page);
  await page.select('#school', 'maliki');
  check.ok((await message(page)).includes('جدتين'), 'three grandmothers are refused under the Malikis');
  check.equal(await page.evaluate(() => location.hash), '', 'and the address no longer names the Hanafi answer');
  await page.goto(fileUrl('#case=h=1,w=1'));
  check.equal(await message(page), 'لايجتمع الزوجان في مسألة واحدة', 'a link to an impossible case is refused');
  await page.goto(fileUrl());
  await page.waitForSelector('body[data-ready]');
  check.equal(await page.$eval('#school', (e) => e.value), 'maliki', 'the school chosen last is kept between visits');
  await page.goto(fileUrl('#case=h=1&school=hanafi&spouseReturn=1'));
  await calculated(page);
  check.equal(
    await page.$eval('#hanafi-difference', (e) => (e.hidden ? '' : e.textContent)),
    'النتيجة على القول بالرد على أحد الزوجين',
    'the return to the spouse under the Hanafi school is marked by its name, not as another school'
  );
  await page.goto(fileUrl('#case=gm=32717,w=4,d=32693,b=32609,si=32653'));
  check.ok((await message(page)).startsWith('لا يمكن حساب هذه المسألة بدقة'), 'a case beyond exact computation is said so');
  check.ok(await page.$eval('#result', (e) => e.hidden), 'and no table is shown for it');
}

// Relatives beyond the buttons built in the relation builder by keys: two
// great-grandsons (s.s.s) and the father's mother beside a daughter, the
// table the calculator's for the same case by path; the same relative
// twice is refused in one line; a link with paths and labels opens its case.
async function relativesByPath(page) {
  await page.goto(fileUrl());
  await page.waitForSelector('body[data-ready]');
  await press(page, 'd');
  await typeCount(page, 1);
  await page.focus('#add-relative');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#relative-dialog[open]');
  const name = () => page.$eval('#relative-name', (e) => e.textContent);
  const step = async (letter) => {
    await page.focus(`#relative-steps button[data-letter="${letter}"]`);
    await page.keyboard.press('Enter');
  };
  for (const letter of ['s', 's', 's']) await step(letter);
  check.equal(await name(), 'ابن ابن ابن', 'the relative is named as he is built');
  await page.click('#relative-count', { clickCount: 3 });
  await page.keyboard.type('2');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Enter');
  const problem = await page.$eval('#relative-problem', (e) => (e.hidden ? '' : e.textContent));
  check.ok(problem.includes('سبق إدخال') && !problem.includes('\n'), `the same relative twice is refused in one line: ${problem}`);
  await page.focus('#relative-restart');
  await page.keyboard.press('Enter');
  await step('f');
  await step('m');
  check.equal(await name(), 'أم الأب', 'the father\'s mother');
  check.equal(await page.$eval('#relative-count', (e) => e.max), '1', 'of one grandmother the count is one');
  check.ok(await page.$eval('#relative-steps button[data-letter="h"]', (e) => e.disabled), 'no spouse of hers is offered');
  await page.focus('#relative-add');
  await page.keyboard.press('Enter');
  check.equal(
    await page.$$eval('#relative-added li', (items) => items.map((item) => item.textContent)),
    ['ابنا ابن ابن', 'أم الأب'],
    'the relatives added are listed'
  );
  await page.keyboard.press('Escape');
  await page.waitForSelector('#relative-dialog:not([open])');
  check.equal(await entries(page), ['d=1', 's.s.s=2', 'f.m=1'], 'the relatives by path join the entry list');
  await page.click('#calculate');
  await calculated(page);
  const { rows } = await checkTable(page, ['d=1', 's.s.s=2', 'f.m=1'], 'relatives by path');
  check.ok(rows.some((row) => row.texts[0].startsWith('ابن ابن ابن')), 'the great-grandsons have their row');
  check.ok(
    (await page.evaluate(() => location.hash)).startsWith('#case=d=1,s.s.s=2,f.m=1&'),
    'the address names the relatives by their paths'
  );

  await page.goto(fileUrl('#case=h=1,d.d@1=1,d.d@2=2&school=hanafi'));
  await page.waitForSelector('#entry-list li[data-kind="d.d@2"]');
  await calculated(page);
  check.equal(await entries(page), ['h=1', 'd.d@1=1', 'd.d@2=2'], 'a link with labelled paths enters them');
  await checkTable(page, ['h=1', 'd.d@1=1', 'd.d@2=2'], 'a linked case by path');
}

async function help(page) {
  await page.click('#help-button');
  await page.waitForSelector('#help-dialog[open]');
  check.equal((await page.$$('#help-kinds details')).length, 21, 'the help explains the 21 heir kinds');
  check.ok((await page.$$('#help-schools article')).length >= 4, 'and where the schools differ');
  await page.keyboard.press('Escape');
}

// A phone: the linked case with its estate answered and brought into view,
// the settlement's wide table scrolled in its frame, the dialogs opened at
// their start, and why no return cannot be chosen under the Hanafis.
async function phone(page) {
  await page.setViewport({ width: 360, height: 740 });
  await page.goto(fileUrl('#case=h=1,m=1,d=3,bm=1&school=hanafi&estate=120000.50&debts=5000'));
  await page.waitForSelector('body[data-ready]');
  check.ok(
    await page.evaluate(() => document.documentElement.scrollWidth <= 360),
    'a 360-pixel phone needs no sideways scrolling, a settlement shown'
  );
  check.ok(await page.$eval('#estate-result', (e) => !e.hidden), 'the link carries the estate');
  check.ok(
    (await page.evaluate(() => location.hash)).includes('&estate=120,000.50&'),
    'and the address keeps it after Calculate'
  );
  const top = await page.$eval('#result', (e) => e.getBoundingClientRect().top);
  check.ok(top >= -1 && top < 100, `the answer is brought into view (its top at ${top})`);
  check.ok(
    await page.$eval('#no-return-why', (e) => !e.hidden && e.textContent.includes('المالكية والشافعية')),
    'a disabled no return says why'
  );
  await page.click('#estate-button');
  await page.waitForSelector('#estate-dialog[open]');
  check.ok(
    await page.$eval('#estate-dialog', (e) => e.scrollLeft === 0 && e.scrollWidth <= e.clientWidth),
    'the estate dialog fits the phone, its labels and OK on screen'
  );
  await page.keyboard.press('Escape');
  await page.click('#help-button');
  await page.waitForSelector('#help-dialog[open]');
  check.equal(await page.$eval('#help-dialog', (e) => e.scrollTop), 0, 'the help opens at its start');
  await page.keyboard.press('Escape');
}

// An unborn child marked through its form by the keyboard, beside a widow
// and the father under the Hanbali school: the division drawn as a table with
// the calculator's reserve in its last row, «موقوف»; then the birth of a son
// recorded, and the link that carries both.
async function unbornChild(page) {
  await page.goto(fileUrl());
  await page.waitForSelector('body[data-ready]');
  const school = await page.$eval('#school', (e) => e.value);
  await page.select('#school', 'hanbali');
  await press(page, 'w');
  await typeCount(page, 1);
  await press(page, 'f');
  await page.focus('#mark-waiting');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#waiting-dialog[open]');
  await page.keyboard.press(' ');
  await page.select('#unborn-as', 's');
  await page.click('#waiting-ok');
  await page.waitForSelector('#waiting-dialog:not([open])');
  check.ok(await page.$eval('#waiting-marks', (e) => !e.hidden && e.textContent.includes('حمل')), 'the unborn child is listed');
  await page.click('#calculate');
  await calculated(page);
  const native = nativeAnswer('{"counts":{"w":1,"f":1},"unborn":{"as":"s"},"school":"hanbali"}');
  const last = await page.$$eval('#waiting-division tr:last-child > *', (cells) => cells.map((c) => c.textContent));
  check.equal([last[0], last[last.length - 1]], ['موقوف', native.waiting.reserve], 'the reserve is held back in the drawn table');
  await page.select('#outcome-choice', '1m');
  await page.click('#record-outcome');
  await page.waitForFunction(() => document.getElementById('recorded-heading').textContent.includes('(1m)'));
  const link = await page.evaluate(() => location.hash);
  check.ok(/^#case=w=1,f=1&school=hanbali&unborn=s&outcome=1m$/.test(link), `the link carries what waits and its outcome: ${link}`);
  await page.click('#new-case');
  await page.select('#school', school);
}

// The folder copied elsewhere, under a name with a blank and Arabic letters,
// works as it did where it was built.
async function copiedFolder(browser, downloads) {
  const copy = path.join(downloads, 'قسمارو نسخة');
  fs.cpSync(site, copy, { recursive: true });
  const page = await browser.newPage();
  await page.goto(url.pathToFileURL(path.join(copy, 'index.html')).href + '#case=h=1,m=1,f=1');
  await page.waitForSelector('body[data-ready]');
  await calculated(page);
  await checkTable(page, '{"counts":{"h":1,"m":1,"f":1}}', 'the page in a copied folder');
  await page.close();
}

async function main() {
  const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'qismaru-web-'));
  const browser = await launch();
  const requests = [];
  try {
    const page = await browser.newPage();
    page.on('request', (request) => requests.push(request.url()));
    page.on('pageerror', (error) => check.ok(false, `the page threw: ${error.message}`));
    const questions = [];
    page.on('dialog', async (dialog) => {
      questions.push(dialog.message());
      await dialog.accept();
    });
    await typicalCaseByClicks(page);
    await otherSchoolByKeys(page);
    await estateOfTheWorkedExample(page);
    await copiedText(page);
    await onePrintedPage(page);
    await refusals(page, questions);
    await caseFiles(page, downloads);
    await laterDeaths(page, downloads);
    await laterRelativeByPath(page);
    await linkedCase(page);
    await relativesByPath(page);
    await unbornChild(page);
    await help(page);
    await phone(page);
    await copiedFolder(browser, downloads);
  } finally {
    await browser.close();
    fs.rmSync(downloads, { recursive: true, force: true });
  }
  // The module's bytes decoded from a data: address, and a saved file's blob:
  // address, are the page's own.
  const outside = requests
    .filter((url) => !/^(file:\/\/\/|data:|blob:)/.test(url) || (url.startsWith('file:') && !url.startsWith('file://' + site + '/')))
    .map((url) => url.slice(0, 120));
  check.equal(outside, [], 'no request leaves the page\'s folder');
  check.finish();
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
