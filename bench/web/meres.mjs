// Measures pages in Debian's Chromium, headless, each run in a fresh context
// (nothing cached, no service worker yet), the pages taken in turn:
//   node meres.mjs RUNS NAME,URL,SITE_DIR ...
// For each page, the median of the runs: the time from navigation to the
// frame after which the page painted nothing new (its board or tiles),
// the bytes it fetched, gzip -9 of each file, the renderer's memory then,
// and over the next 10 s, in which nobody touches it, the CPU time of the
// renderer and GPU processes and the frames painted.
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import path from 'node:path';

const { chromium } = await import(path.join(process.env.PLAYWRIGHT, 'index.mjs'));
const [runs, ...pages] = process.argv.slice(2);
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--use-angle=swiftshader', '--enable-unsafe-swiftshader'],
});
const system = await browser.newBrowserCDPSession();
const cpu = async () => Object.fromEntries((await system.send('SystemInfo.getProcessInfo')).processInfo
  .filter((p) => p.type === 'renderer' || p.type === 'GPU').map((p) => [p.id, p.cpuTime]));
const gzipped = (file) => execFileSync('gzip', ['-9', '-c', file], { maxBuffer: 1 << 30 }).length;

async function measure(url, site) {
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 } });
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  const frames = [];
  cdp.on('Page.screencastFrame', ({ data, metadata, sessionId }) => {
    frames.push({ data, at: metadata.timestamp * 1000 });
    cdp.send('Page.screencastFrameAck', { sessionId }).catch(() => {});
  });
  const fetched = new Set();
  page.on('response', (r) => r.ok() && fetched.add(new URL(r.url()).pathname.replace(/\/$/, '/index.html')));
  await cdp.send('Page.startScreencast', { format: 'png', everyNthFrame: 1 });
  await page.goto(url, { waitUntil: 'load' });
  // Settled: no new frame for 3 s (at most 30 s).
  for (let n = -1, quiet = Date.now(); Date.now() - quiet < 3000 && frames.length < 2000;) {
    if (frames.length !== n) { n = frames.length; quiet = Date.now(); }
    await sleep(100);
  }
  const origin = await page.evaluate(() => performance.timeOrigin);
  const last = frames.at(-1).data;
  const painted = frames.find((f) => f.data === last).at - origin;
  const before = await cpu(), framesBefore = frames.length;
  await sleep(10000);
  const after = await cpu();
  const idleCpu = Object.keys(after).reduce((s, id) => s + after[id] - (before[id] ?? 0), 0) * 1000;
  const renderer = (await system.send('SystemInfo.getProcessInfo')).processInfo.find((p) => p.type === 'renderer');
  const rss = Number(/VmRSS:\s+(\d+)/.exec(readFileSync(`/proc/${renderer.id}/status`, 'utf8'))[1]) / 1024;
  const bytes = [...fetched].reduce((s, p) => s + gzipped(path.join(site, p)), 0);
  await context.close();
  return { painted, bytes, rss, idleCpu, idleFrames: frames.length - framesBefore };
}

const results = Object.fromEntries(pages.map((p) => [p.split(',')[0], []]));
for (let i = 0; i < Number(runs); i++) {
  for (const p of pages) {
    const [name, url, site] = p.split(',');
    results[name].push(await measure(url, site));
  }
}
await browser.close();
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
for (const [name, rs] of Object.entries(results)) {
  const m = (k) => median(rs.map((r) => r[k]));
  console.log(`${name}: painted ${m('painted').toFixed(0)} ms (runs: ${rs.map((r) => r.painted.toFixed(0)).join(' ')}), ` +
    `download ${(m('bytes') / 1048576).toFixed(2)} MiB gzip -9, renderer ${m('rss').toFixed(0)} MiB, ` +
    `idle 10 s: ${m('idleCpu').toFixed(0)} ms CPU, ${m('idleFrames')} frames`);
}
