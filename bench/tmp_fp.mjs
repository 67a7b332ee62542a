import { chromium } from 'playwright-core';
import { spawn } from 'node:child_process';
const dir = process.argv[2];
const a = spawn('/usr/bin/python3', ['-m', 'http.server', '8765', '--bind', '127.0.0.1'], { cwd: dir, stdio: 'ignore' });
const b = spawn('/usr/bin/python3', ['-m', 'http.server', '8766', '--bind', '127.0.0.1'], { cwd: '/tmp/empty', stdio: 'ignore' });
await new Promise((r) => setTimeout(r, 800));
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-gpu'] });
const med = (v) => [...v].sort((x, y) => x - y)[Math.floor(v.length / 2)];
const t = [], e = [];
for (let i = 0; i < 8; ++i) {
  for (const [url, out, type, pick] of [['http://127.0.0.1:8766/', e, 'paint', (x) => x.name === 'first-paint' && x.startTime], ['http://127.0.0.1:8765/', t, 'element', (x) => x.identifier === 'title' && x.renderTime]]) {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(url);
    out.push(await page.evaluate(([ty, src]) => new Promise((resolve) => new PerformanceObserver((list) => {
      const f = eval(src); for (const x of list.getEntries()) { const v = f(x); if (v) resolve(v); }
    }).observe({ type: ty, buffered: true })), [type, pick.toString()]));
    await context.close();
  }
}
console.log('title', med(t).toFixed(0), 'empty', med(e).toFixed(0), 'ratio', (med(t) / med(e)).toFixed(2), t.map((x) => x.toFixed(0)).join(','));
await browser.close(); a.kill(); b.kill();
