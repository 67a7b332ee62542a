// The page before and beyond the game: the title while the module loads, a module that cannot
// load, a browser without scripts, the line of controls for a first visit, what installing the
// game as an app needs, playing offline after one visit, and a new build taking over whole.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { game_started, page_sessions, phone, screenshot, site_dir } from './page_session.mjs';

const sessions = page_sessions();

// Until the service worker, once every file of the site is kept, has taken the page over.
const kept_offline = (page) => page.waitForFunction(() => navigator.serviceWorker.controller);

// Asks the page again until its answer is true: the service worker's doings are promises.
async function until(page, question) {
  for (let tries = 0; !(await page.evaluate(question)); ++tries) {
    assert.ok(tries < 100, `never: ${question}`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

test('the title paints with the page and sharpens while the module loads; a module that cannot load says so and offers to load again', async () => {
  // On the real clock; routes need the service worker out of the way.
  const page = await sessions.browser.newPage({ serviceWorkers: 'block' });
  const held = [];
  let failing = true;
  await page.route('**/totechita.wasm', (route) => (failing ? held.push(route) : route.continue()));
  const module_held = [];
  await page.route('**/main.js', (route) => module_held.push(route));
  await page.goto(sessions.site.url);
  // First the small copy written into the page, painted with it, then the sharp picture.
  const painted = await page.evaluate(() => new Promise((resolve) => new PerformanceObserver((list) =>
    resolve(list.getEntries()[0].url)).observe({ type: 'element', buffered: true })));
  assert.match(painted, /^data:image\/webp/);
  await page.waitForFunction(() => document.querySelector('#loading img')?.src.endsWith('/pictures/title.svg'));
  await page.waitForFunction(() => document.querySelector('#loading img').naturalWidth > 0);
  assert.ok(await page.locator('#loading img').isVisible());
  // Until the page sets it up, the bar shows nothing and keeps the height it will have.
  const bar = page.locator('#page-bar');
  assert.equal(await bar.locator('button:visible').count(), 0);
  const height = (await bar.boundingBox()).height;
  await page.unroute('**/main.js');
  for (const route of module_held) await route.continue();
  await bar.locator('button:visible').first().waitFor();
  assert.equal((await bar.boundingBox()).height, height);
  await screenshot(page, 'loading');

  await page.route('**/totechita.wasm', (route) => (failing ? route.abort() : route.continue()));
  for (const route of held) await route.abort();
  const notice = page.getByRole('alert');
  await notice.waitFor();
  assert.equal(await notice.locator('p').textContent(), 'ゲームを読み込めませんでした。');
  const retry = notice.getByRole('button', { name: 'もう一度読み込む' });
  assert.ok(await retry.evaluate((button) => button === document.activeElement));
  await screenshot(page, 'load-failed');
  failing = false;
  await retry.click();
  await game_started(page);
  assert.equal(await page.locator('#load-failed').isVisible(), false);
  await page.close();
});

test('without scripts a line says why, and no dead keys show', async () => {
  const page = await sessions.browser.newPage({ ...phone(390, 844), javaScriptEnabled: false });
  await page.goto(sessions.site.url);
  assert.ok(await page.locator('p', { hasText: 'このゲームは JavaScript で動きます。' }).isVisible());
  assert.equal(await page.locator('#touch-keys button:visible, #page-bar:visible').count(), 0);
  await page.close();
});

test('a first visit shows a line of controls and offers the game as an app; after it the game plays offline, the line hidden', async () => {
  const game = await sessions.open();
  const hint = game.page.locator('#controls-hint');
  assert.match(await hint.locator('span:visible').first().textContent(), /Backspace 作る/);
  await hint.getByRole('button', { name: '閉じる' }).click();
  assert.equal(await hint.isVisible(), false);

  // What installing the game needs: its manifest, icons and a fullscreen display.
  const cdp = await game.page.context().newCDPSession(game.page);
  const { errors, data } = await cdp.send('Page.getAppManifest');
  assert.deepEqual(errors, []);
  const manifest = JSON.parse(data);
  assert.equal(manifest.display, 'fullscreen');
  for (const icon of manifest.icons) {
    const size = await game.page.evaluate(async (src) => {
      const image = new Image();
      image.src = src;
      await image.decode();
      return `${image.naturalWidth}x${image.naturalHeight}`;
    }, icon.src);
    assert.equal(size, icon.sizes, icon.src);
  }
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors.map((error) => error.errorId).filter((id) => id !== 'in-incognito'), []);

  await kept_offline(game.page);
  await game.page.context().setOffline(true);
  await game.page.reload();
  await game_started(game.page);
  assert.equal(await hint.isVisible(), false);
  await game.page.clock.runFor(1600);
  const board = game.window('Form2');
  assert.ok(await board.isVisible());
  assert.ok(await board.locator('img').evaluateAll((pictures) => pictures.every((picture) => picture.naturalWidth > 0)));
  await game.page.keyboard.press('ArrowRight');
  assert.equal((await game.controls()).Text1.Text, '100');
  assert.ok(await game.page.evaluate(() => fetch('pictures/portrait.svg').then((response) => response.ok)),
    'the ending\'s picture is kept too');
  await game.close();
});

test('a new build replaces the kept site whole, once no page of the old one is open', async () => {
  const context = await sessions.browser.newContext();
  const old_page = await context.newPage();
  await old_page.goto(sessions.site.url);
  await kept_offline(old_page);
  const worker = readFileSync(join(site_dir, 'sw.js'), 'utf8');
  const module = readFileSync(join(site_dir, 'keys.js'), 'utf8');
  sessions.site.overrides.set('/sw.js', worker.replace(/SITE_VERSION = "\w+"/, 'SITE_VERSION = "next"'));
  sessions.site.overrides.set('/keys.js', `${module}// next\n`);
  const keys_js = (page) => page.evaluate(() => fetch('keys.js').then((response) => response.text()));
  try {
    await old_page.evaluate(() => navigator.serviceWorker.getRegistration().then((registration) => registration.update()));
    await until(old_page, () => navigator.serviceWorker.getRegistration().then((registration) => registration.waiting !== null));
    assert.equal(await keys_js(old_page), module, 'the open page keeps its own version');

    // The new version takes over once the old one's last page has gone, not during a page's life.
    await old_page.close({ runBeforeUnload: false });
    await new Promise((resolve) => setTimeout(resolve, 1000));
    const page = await context.newPage();
    await page.goto(sessions.site.url);
    await game_started(page);
    await until(page, () => caches.keys().then((names) => names.length === 1));
    assert.deepEqual(await page.evaluate(() => caches.keys()), ['totechita-next']);
    assert.match(await keys_js(page), /next/);
    const files = await page.evaluate(() => caches.open('totechita-next').then((cache) => cache.keys()).then((requests) => requests.length));
    assert.equal(files, (worker.match(/^"/gm) ?? []).length, 'every file of the new build is kept');
  } finally {
    sessions.site.overrides.clear();
    await context.close();
  }
});
