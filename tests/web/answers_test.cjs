// answer(line, flags) in the browser against the native qismaru-calc --batch,
// byte for byte: mixed lines (every school and position, estates, result
// lines read back, refused lines, lines a script holds that UTF-8 cannot)
// under the calculator's batch flags, and flags it refuses. The page is served over http, as a static host serves
// it, so that the module is fetched from qismaru.wasm.
'use strict';
const { spawnSync } = require('child_process');
const { launch, checker } = require('./browser.cjs');

const calc = process.env.QISMARU_CALC;
const siteUrl = process.env.QISMARU_SITE_URL;

// A small seeded generator: the same lines on every run.
function random(seed) {
  let state = seed >>> 0;
  return () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const next = random(23);
const pick = (items) => items[Math.floor(next() * items.length)];
const chance = (p) => next() < p;

const single = ['m', 'gf', 'f', 'h'];
const counted = ['bm', 'gm', 's', 'gs', 'b', 'bf', 'sb', 'sbf', 'u', 'uf', 'su', 'suf', 'w', 'd', 'gd', 'si', 'sif'];
const schools = ['hanafi', 'maliki', 'shafii', 'hanbali'];

function counts() {
  const heirs = {};
  const kinds = 1 + Math.floor(next() * 6);
  for (let i = 0; i < kinds; ++i) {
    const code = chance(0.35) ? pick(single) : pick(counted);
    heirs[code] = single.includes(code) ? 1 : pick([1, 1, 1, 2, 2, 3, 4, 5, 7, 12, 40]);
  }
  return heirs;
}

function amount(decimals) {
  const whole = String(Math.floor(next() * 10 ** (1 + Math.floor(next() * 9))));
  if (decimals === 0 || chance(0.3)) return whole;
  let fraction = '';
  for (let i = 0; i < decimals; ++i) fraction += Math.floor(next() * 10);
  return whole + '.' + fraction;
}

function estate() {
  const decimals = pick([0, 2, 2, 3]);
  const object = { gross: amount(decimals) };
  if (chance(0.6)) object.funeral = amount(decimals);
  if (chance(0.6)) object.debts = amount(decimals);
  if (chance(0.7)) object.bequest = amount(decimals);
  if (chance(0.5)) object.heirsConsent = chance(0.5);
  if (chance(0.7)) object.decimals = decimals;
  // The refusals of the estate: a number instead of a string, a negative
  // claim, more decimals than the currency, no gross estate.
  if (chance(0.06)) object.gross = 1000;
  if (chance(0.04)) object.debts = '-5';
  if (chance(0.04)) object.funeral = '1.2345';
  if (chance(0.03)) delete object.gross;
  return object;
}

function caseLine() {
  const heirs = counts();
  if (chance(0.2)) return JSON.stringify(heirs);
  const line = { counts: heirs };
  if (chance(0.8)) line.school = pick(schools);
  if (chance(0.25)) line.spouseReturn = chance(0.6);
  if (chance(0.2)) line.noReturn = chance(0.6);
  if (chance(0.3)) line.estate = estate();
  return JSON.stringify(line);
}

// Cases each of which turns one rule, and lines the calculator refuses.
const namedLines = [
  '{"h":1,"m":1,"f":1}',
  '{"w":1,"m":1,"f":1}',
  '{"h":1,"m":1,"d":3,"bm":1}',
  '{"counts":{"h":1,"m":1,"gf":1,"si":1},"school":"maliki"}',
  '{"counts":{"h":1,"m":1,"bm":2,"b":1},"school":"shafii"}',
  '{"counts":{"h":1,"m":1,"bm":2,"b":2,"gf":1},"school":"maliki"}',
  '{"counts":{"gf":1,"b":2},"school":"shafii"}',
  '{"counts":{"h":1},"spouseReturn":true}',
  '{"counts":{"w":4},"school":"hanbali","spouseReturn":true}',
  '{"counts":{"d":1,"m":1},"school":"maliki","noReturn":true}',
  '{"counts":{"gm":3},"school":"maliki"}',
  '{"counts":{"gm":3},"school":"hanbali"}',
  '{"counts":{"d":1},"school":"hanafi","noReturn":true}',
  '{"counts":{"h":1},"school":"shafii","spouseReturn":true,"noReturn":true}',
  '{"h":1,"w":1}',
  '{"w":5,"s":1}',
  '{"gm":32717,"w":4,"d":32693,"b":32609,"si":32653}',
  '{"counts":{"gm":32717,"w":4,"d":32693,"b":32609,"si":32653},"estate":{"gross":"1000"}}',
  '{"counts":{"h":1,"d":3},"estate":{"gross":"120000.50","funeral":"1000","debts":"0","bequest":"50000","heirsConsent":false,"decimals":2}}',
  '{"counts":{"w":1},"estate":{"gross":"999999999999999999.999","decimals":3}}',
  '{"counts":{"s":1},"estate":{"gross":"100","debts":"250"}}',
  'not json',
  '',
  '[1,2]',
  '{}',
  '{"x":1}',
  '{"h":1,"h":1}',
  '{"h":-1}',
  '{"h":2}',
  '{"d":1.5}',
  '{"d":99999999999999999999}',
  '{"d":32768}',
  '{"counts":{"h":1},"school":"zahiri"}',
  '{"counts":{"h":1},"spouseReturn":"yes"}',
  '{"counts":{"h":1},"estate":{"gross":120000}}',
  '{"h": 1, "m": 1} and more',
  '{"بنت":1}',
  '{"h":1}\u0000',
  '['.repeat(70) + ']'.repeat(70),
  '{"counts":' + '{"a":'.repeat(40) + '1' + '}'.repeat(41),
];

// Lines a script may hold that UTF-8 cannot: a surrogate without its other
// half. The calculator is given the three bytes of the lone code unit, which
// it refuses as malformed UTF-8; the character after it is not taken for its
// other half. A whole pair is one character, as in any UTF-8.
const lone = (hex) => Buffer.from(hex, 'hex');
const scriptLines = [
  { line: '{"h":1}\ud800x', bytes: ['{"h":1}', lone('eda080'), 'x'] },
  { line: '{"h":1,"m":1}\udfff', bytes: ['{"h":1,"m":1}', lone('edbfbf')] },
  { line: '{"counts":{"h":1},"school":"\udc00\ud800"}', bytes: ['{"counts":{"h":1},"school":"', lone('edb080eda080'), '"}'] },
  { line: '\ud83d{"h":1}', bytes: [lone('eda0bd'), '{"h":1}'] },
  { line: '{"h":1,"x\ud83d\ude00":1}', bytes: ['{"h":1,"x\ud83d\ude00":1}'] },
].map(({ line, bytes }) => ({ line, flags: [], input: Buffer.concat(bytes.map((part) => Buffer.from(part))) }));

const flagSets = [
  [],
  ['--explain'],
  ['--fields', 'shares,case'],
  ['--fields', 'counts,stopped,messages'],
  ['--explain', '--fields', 'steps'],
  ['--fields', 'estate'],
  ['--fields', 'screen,print'],
  ['--school', 'maliki'],
  ['--school', 'shafii', '--explain'],
  ['--school', 'hanbali', '--spouse-return'],
  ['--school', 'shafii', '--no-return'],
  ['--spouse-return', '--no-return'],
  // Refused by the calculator before any line is read.
  ['--fields', 'nonsense'],
  ['--school', 'zahiri'],
  ['--estate', '100'],
];

function questions() {
  const asked = [];
  for (const line of namedLines) for (const flags of flagSets) asked.push({ line, flags });
  for (let i = 0; i < 2000; ++i) asked.push({ line: caseLine(), flags: flagSets[i % (flagSets.length - 3)] });
  return [...asked, ...scriptLines];
}

// What the native calculator writes for one line alone: its line, or the
// reason it refused to run, as answer() throws it.
function nativeAnswer({ line, flags, input }) {
  const bytes = Buffer.concat([input || Buffer.from(line), Buffer.from('\n')]);
  const run = spawnSync(calc, ['--batch', ...flags], { input: bytes, encoding: 'utf8' });
  if (run.status === 2 || run.status === 4) return { error: run.stderr.replace(/\n$/, '') };
  return { output: run.stdout.replace(/\n$/, '') };
}

async function main() {
  const check = checker('answers');
  const asked = questions();
  const expected = asked.map(nativeAnswer);
  const browser = await launch();
  try {
    const page = await browser.newPage();
    await page.goto(siteUrl + 'index.html', { waitUntil: 'load' });
    await page.waitForSelector('body[data-ready]');
    const started = Date.now();
    // Each line goes to the page as JSON text, whose escapes carry a lone
    // surrogate that the browser's protocol would not.
    const written = asked.map(({ line, flags }) => ({ line: JSON.stringify(line), flags }));
    const answered = await page.evaluate(async (asked) => {
      const module = await createQismaru();
      return asked.map(({ line, flags }) => {
        try {
          return { output: module.answer(JSON.parse(line), flags) };
        } catch (error) {
          return { error: error.message };
        }
      });
    }, written);
    const seconds = (Date.now() - started) / 1000;
    asked.forEach((question, i) => {
      check.equal(answered[i], expected[i], `answer(${JSON.stringify(question.line).slice(0, 120)}, ${JSON.stringify(question.flags)})`);
    });
    const refused = expected.filter((e) => e.error).length;
    const lineErrors = expected.filter((e) => e.output && e.output.includes('"error"')).length;
    console.log(
      `answers: ${asked.length} lines (${lineErrors} answered with an error object, ${refused} under flags the calculator refuses) in ${seconds.toFixed(1)} s in the browser`
    );
  } finally {
    await browser.close();
  }
  check.finish();
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
