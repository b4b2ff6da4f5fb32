// Plays the page in Debian's Chromium (see scripts/test-web, which serves it
// and takes the Linux build's pictures first).
//   node test-web.mjs URL WORK SERVER_PID
// Prints the failures and "N passed, N failed"; exits non-zero on a failure.
import { execFileSync } from 'node:child_process';
import { writeFileSync } from 'node:fs';
import path from 'node:path';

const { chromium } = await import(path.join(process.env.PLAYWRIGHT, 'index.mjs'));
const [url, work, server] = process.argv.slice(2);
const item = (key) => `qt-v0-tukrosdi-tukrosdi-beall/${key}`;
let passed = 0, failed = 0;

async function check(what, test) {
  let ok = false;
  try { ok = await test(); } catch (e) { what += ` (${e.message.split('\n')[0]})`; }
  if (ok) passed++; else { failed++; console.log(`FAIL  ${what}`); }
}
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

const context = await chromium.launchPersistentContext(path.join(work, 'profile'), {
  executablePath: '/usr/bin/chromium', headless: true, viewport: { width: 1024, height: 768 }, hasTouch: true,
  // No calls home from a closed network; WebGL drawn in software.
  args: ['--no-sandbox', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--use-angle=swiftshader', '--enable-unsafe-swiftshader'],
});
// The keys as the page's last listener sees them, and the longest waiting
// time at the first start, so that turned cards are shot before they turn back.
await context.addInitScript((varido) => {
  window.billentyuk = [];
  window.addEventListener('keydown', (e) => window.billentyuk.push([e.key, e.defaultPrevented]));
  if (localStorage.getItem(varido) === null) localStorage.setItem(varido, '28');
}, item('varido'));
const page = context.pages()[0] ?? await context.newPage();
const cdp = await context.newCDPSession(page);

// Screenshots: the page once two shots in a row agree; cards and texts read
// from them as a person would.
async function shoot(name) {
  const file = path.join(work, `${name}.png`);
  let last = await page.screenshot();
  for (let i = 0; i < 40; i++) {
    await sleep(250);
    const now = await page.screenshot();
    if (now.equals(last)) break;
    last = now;
  }
  writeFileSync(file, last);
  return file;
}
const cards = (...args) => {  // nothing found when the picture cannot be read
  try { return execFileSync('python3', ['tests/win32/kartyak.py', ...args], { encoding: 'utf8', stdio: 'pipe' }); } catch { return ''; }
};
const board = async (name) => cards('board', await shoot(name), path.join(work, 'linux.ppm')).trim().split('\n').join(' ');
async function shows(name, pattern, seconds = 20) {  // pattern: ? is any card
  const re = new RegExp(`^${pattern.replaceAll('?', '.')}$`);
  for (const end = Date.now() + seconds * 1000; Date.now() < end; await sleep(500)) {
    if (re.test(await board(name))) return true;
  }
  return false;
}
async function reads(name, text) {
  const shot = await shoot(name), big = path.join(work, 'ocr.png');
  execFileSync('convert', [shot, '-resize', '200%', '-colorspace', 'Gray', big]);
  return execFileSync('tesseract', [big, '-', '-l', 'hun'], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] })
    .includes(text);
}
const centres = async (name) => cards('centres', await shoot(name)).trim().split('\n').map((l) => l.split(' ').map(Number));
const touch = (type, points) => cdp.send('Input.dispatchTouchEvent',
  { type, touchPoints: points.map(([x, y], id) => ({ x, y, id })) });
async function tap([x, y]) {
  await touch('touchStart', [[x, y]]);
  await touch('touchEnd', []);
  await sleep(300);
}
const prevented = (key) => page.evaluate((k) => window.billentyuk.some(([key, p]) => key === k && p), key);
const stored = (key) => page.evaluate((k) => localStorage.getItem(k), item(key));

await page.goto(url, { waitUntil: 'domcontentloaded' });
await check('while loading, the page shows the icon and no words', () => page.evaluate(() =>
  document.body.innerText.trim() === '' && [...document.images].every((i) => i.src.endsWith('/ikon.svg'))));
await check('the page deals 16 cards face down, as the Linux build draws them', () => shows('dealt', 'LLLL LLLL LLLL LLLL', 60));
await check('the counter starts at "0 fordítás"', () => reads('dealt', '0 fordítás'));
await check('the page\'s title is the window\'s caption', async () => await page.title() === 'Zsongóka Tukrosdi');

const [first, second] = await centres('dealt');
await page.mouse.click(...first);
await sleep(300);
await page.mouse.click(...second);
await check('two clicks turn the two cards face up, and no other', () => shows('turned', 'FFLL LLLL LLLL LLLL'));
await check('the counter reads "1 fordítás"', () => reads('turned', '1 fordítás'));

await page.keyboard.press('F2');
await check('F2 deals a new board', () => shows('new', 'LLLL LLLL LLLL LLLL'));
await check('the new board\'s counter reads "0 fordítás"', () => reads('new', '0 fordítás'));

await page.keyboard.press('F1');
await sleep(1000);
await check('F1 opens the help', () => reads('help', 'memóriajáték'));
await page.keyboard.press('Enter');
await sleep(1000);
await check('Enter closes the help', async () => !await reads('help-closed', 'memóriajáték'));

await page.keyboard.press('Alt+s');
await sleep(500);
await page.keyboard.press('n');
await sleep(1000);
await page.keyboard.press('Alt+s');
await sleep(1000);
await check('the About window\'s system information button says it is unavailable', () => reads('sysinfo', 'Unavailable'));
await page.keyboard.press('Enter');  // the message box's OK
await sleep(500);
await page.keyboard.press('Enter');  // the About window's OK
await sleep(500);

// Settings: Tab, Tab to the board sizes (4x4 checked), four Downs to 6x6, Enter for Ok.
await page.keyboard.press('F3');
await sleep(1000);
for (const key of ['Tab', 'Tab', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'Enter']) {
  await page.keyboard.press(key);
  await sleep(200);
}
await check('Ok stores the board size 6x6 in the page\'s local storage', async () => await stored('tablameret') === '5');
await check('a 6x6 board is dealt', () => shows('six', '?????? ?????? ?????? ?????? ?????? ??????'));
for (const key of ['F1', 'F2', 'F3']) {
  await check(`the browser's default for ${key} is prevented`, () => prevented(key));
}
await page.reload();
await check('after a reload the stored 6x6 board is dealt', () => shows('reloaded', '?????? ?????? ?????? ?????? ?????? ??????', 60));

// A storage that refuses the save: Ok says so once, and the choice holds. A
// full storage refuses only values that would take more room (the new board
// size takes as much as the old), so it is made to refuse every save, as a
// full one does, with the same exception.
await page.evaluate(() => {
  window.tenyleges = Storage.prototype.setItem;
  Storage.prototype.setItem = () => { throw new DOMException('The quota has been exceeded.', 'QuotaExceededError'); };
});
const chooseFiveBySix = async () => {
  await page.keyboard.press('F3');
  await sleep(1000);
  for (const key of ['Tab', 'Tab', 'ArrowUp', 'Enter']) {
    await page.keyboard.press(key);
    await sleep(200);
  }
  await sleep(1000);
};
await chooseFiveBySix();
await check('Ok on a full storage says the settings could not be saved', () => reads('full', 'nem sikerült elmenteni'));
await page.keyboard.press('Enter');
await check('the choice holds: a 5x6 board is dealt', () => shows('held', '????? ????? ????? ????? ????? ?????'));
await chooseFiveBySix();
await check('a second Ok on the full storage says nothing', async () =>
  !await reads('full-again', 'nem sikerült') && await stored('tablameret') === '5');
await page.evaluate(() => { Storage.prototype.setItem = window.tenyleges; });

// A whole game of 3x4 by touch, with the shortest waiting time.
await page.evaluate(([size, time]) => { localStorage.setItem(size, '0'); localStorage.setItem(time, '0'); },
  [item('tablameret'), item('varido')]);
await page.reload();
await check('the stored 3x4 board is dealt', () => shows('small', 'LLL LLL LLL LLL', 60));
const left = await centres('small');
const samples = async () => page.evaluate(async ([png, points]) => {
  const img = new Image();
  img.src = `data:image/png;base64,${png}`;
  await img.decode();
  const g = new OffscreenCanvas(img.width, img.height).getContext('2d');
  g.drawImage(img, 0, 0);
  return points.map(([x, y]) => [-20, 0, 20].map((d) => g.getImageData(x + d, y + d, 1, 1).data.join()).join());
}, [(await page.screenshot()).toString('base64'), left]);
const down = await samples();
await touch('touchStart', [left[0]]);
for (let i = 1; i <= 10; i++) {
  await touch('touchMove', [left[0].map((v, k) => v + (left[1][k] - v) * i / 10)]);
  await sleep(30);
}
await touch('touchEnd', []);
await sleep(1000);
await check('a touch that slides from one card to another turns neither', async () =>
  await board('slid') === 'LLL LLL LLL LLL' && await reads('slid', '0 fordítás'));
await touch('touchStart', [left[0], left[1]]);
await touch('touchEnd', []);
await sleep(200);
await check('two fingers at once turn at most those two cards, in one turn', async () => {
  const seen = await board('two');
  return [...seen].filter((c) => c === 'F').length <= 2 && !/F/.test(seen.slice(2)) && !await reads('two', '2 fordítás');
});
// Pairs are found by trying: a pair leaves the board, others turn back. A
// card counts as face down while a few of its pixels look as they did at the
// deal (read in the page itself, which is quicker than ImageMagick).
const gone = new Set();
const settle = async () => {
  await sleep(1200);
  (await samples()).forEach((now, i) => { if (now !== down[i]) gone.add(i); });
};
const open = () => left.map((_, i) => i).filter((i) => !gone.has(i));
for (let turns = 0; open().length > 2 && turns < 40;) {
  const [a, ...others] = open();
  for (const b of others) {
    await tap(left[a]);  // (a card the fingers left face up stays so)
    await tap(left[b]);
    turns++;
    await settle();
    if (gone.has(a)) break;
  }
}
for (const i of open()) await tap(left[i]);  // the last pair
await check('the whole game by touch reaches its praise and a new board', () => shows('again', 'LLL LLL LLL LLL', 30));

await page.setViewportSize({ width: 768, height: 1024 });
// (Taller cards, scaled from the reference's, are only counted.)
await check('a turned page starts again, laid out anew with every card on it', () => shows('portrait', '??? ??? ??? ???', 60));
await check('Chromium finds the page installable', async () =>
  (await cdp.send('Page.getInstallabilityErrors')).installabilityErrors.length === 0);
// The page keeps its files once its board is painted; the worker is ready then.
await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
process.kill(Number(server));
await sleep(500);
await page.reload();
await check('with the server stopped, a reload deals the board', () => shows('offline', '??? ??? ??? ???', 60));

await page.keyboard.press('F7');
await sleep(1000);
await check('F7 leaves the page that says the game has ended, with a button to start again', () => page.evaluate(() =>
  document.body.innerText.includes('A játék véget ért.') && !document.querySelector('canvas') &&
  [...document.querySelectorAll('button')].some((b) => b.innerText === 'Újra játszom')));
await check('the browser\'s default for F7 is prevented', () => prevented('F7'));

await context.close();
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
