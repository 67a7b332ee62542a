// Games shared: a game played in the page is saved as a script that the native driver replays to
// the page's own events, and its link plays it again in a fresh page; a desktop recording opened
// from a file plays at its pace with each message box open as long as it was read; broken,
// huge, empty and binary links and files are refused plainly, and the page goes on.
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { deflateRawSync } from 'node:zlib';
import { DESKTOP, ScriptPlayer, artifacts_dir, page_sessions, run_driver, site_dir, time_of } from './page_session.mjs';

const desktop_recording = process.env.TOTECHITA_RECORDED_WHOLE_GAME;
const TOO_LARGE = 'the script is larger than 16 MB (16777216 bytes)';
const sessions = page_sessions();

const link_to = (bytes) => `#watch=${deflateRawSync(bytes).toString('base64url')}`;

// Runs the page's clock until the recording has played to its end, to the `expected` events.
async function watch_to_the_end(game, end, expected) {
  await game.run_for(end + 100);
  assert.equal(await game.page.evaluate(() => totechita.watching), false);
  assert.deepEqual(await game.transcript(), expected);
}

// The page's notice that a recording was refused, with its headline and the reason.
async function refused(game, headline, detail, what) {
  const notice = game.page.getByRole('alert');
  await notice.waitFor();
  assert.deepEqual(await notice.locator('.headline, .detail').allTextContents(), [headline, detail], what);
  return notice;
}

test('a game played by keys is saved as a script that replays headless to its events, and its link plays it again', async () => {
  const game = await sessions.open({ context_options: { ...DESKTOP, permissions: ['clipboard-read', 'clipboard-write'] } });
  // Moves, the menu's three enemies, a craft by a click, then a bomb and the close box.
  await new ScriptPlayer(game).play({ to: 'click Label3', through: true });
  await game.press('Enter');
  await game.run_for(1500);
  await game.press('Left');
  await game.run_for(20);
  await game.activate(game.window('Form2').locator('.close-box'));
  const played = await game.transcript();

  const notice = game.page.locator('#program-ended');
  const [download] = await Promise.all([game.page.waitForEvent('download'),
    notice.getByRole('button', { name: '保存' }).click()]);
  assert.match(download.suggestedFilename(), /^totechita-\d{8}-\d{4}\.script$/);
  const replayed = run_driver(await download.path());
  assert.equal(replayed.status, 0, replayed.errors);
  assert.deepEqual(replayed.lines, played);

  await notice.getByRole('button', { name: 'リンクをコピー' }).click();
  await game.page.getByText('リンクをコピーしました。').waitFor();
  const link = new URL(await game.page.evaluate(() => navigator.clipboard.readText()));
  assert.equal(`${link.origin}${link.pathname}`, sessions.site.url);
  const watcher = await sessions.open({ address: link.hash, context_options: DESKTOP });
  assert.ok(await watcher.page.getByText('リプレイ中').isVisible());
  await watcher.screenshot('desktop-watching');
  await watch_to_the_end(watcher, time_of(played.at(-1)), played);
  assert.ok(await watcher.page.getByText('ゲームは終わりました。').isVisible());
  await game.close();
  await watcher.close();
});

test('a desktop recording opened from a file plays at its pace, each message box open as long as it was read', async () => {
  const expected = run_driver(desktop_recording).lines;
  const [finale, house] = expected.filter((line) => / msgbox /.test(line)).map(time_of);
  const game = await sessions.open({ context_options: DESKTOP });
  const [chooser] = await Promise.all([game.page.waitForEvent('filechooser'),
    game.page.locator('#page-bar').getByRole('button', { name: '開く' }).click()]);
  await chooser.setFiles(desktop_recording);
  await game.page.waitForFunction(() => totechita.watching);
  const box_open = () => game.page.locator('#message-box').evaluate((dialog) => dialog.open);

  // The finale's box closed at once when it was recorded; the house's stood open for 700 ms.
  await game.run_for(finale + 1);
  assert.equal(await box_open(), false);
  await game.page.keyboard.press('ArrowLeft');  // the player's keys change nothing
  await game.run_for(house - finale - 21);
  for (let waited = 0; !(await box_open()); ++waited) {
    assert.ok(waited < 40, 'the house\'s box never opened');
    await game.run_for(1);
  }
  await game.screenshot('desktop-watching-message-box');
  await game.run_for(699);
  assert.equal(await box_open(), true);
  await game.run_for(1);
  assert.equal(await box_open(), false);

  await watch_to_the_end(game, time_of(expected.at(-1)) - game.now, expected);
  await game.close();
});

test('broken, huge, binary and failing links say so plainly and offer a game', async () => {
  const broken = 'リンクがこわれています。';
  const links = [
    ['not base64url', '#watch=%%%', broken],
    ['not deflate', `#watch=${Buffer.from('no deflate here').toString('base64url')}`, broken],
    ['cut short', link_to(readFileSync(desktop_recording)).slice(0, 300), broken],
    ['inflating past the limit', link_to(Buffer.alloc((16 << 20) + 4096, '#')), TOO_LARGE],
    ['binary', link_to(Buffer.from('seed 1\n\xff\xfe\x00\x01', 'latin1')), 'line 2: the line is not valid UTF-8'],
  ];
  for (const [what, address, detail] of links) {
    const game = await sessions.open({ address, started: false });
    const notice = await refused(game, 'このリンクのリプレイは開けません。', detail, what);
    if (what === 'not base64url') await game.screenshot('desktop-bad-link');
    await notice.getByRole('button', { name: '遊ぶ' }).click();
    await game.page.waitForFunction(() => totechita.transcript.length > 0);
    assert.equal(new URL(game.page.url()).hash, '', what);
    await game.close();
  }

  // A script that cannot be played to its end stops there and says why, as the driver does.
  mkdirSync(artifacts_dir, { recursive: true });
  const script = join(artifacts_dir, 'failing.script');
  writeFileSync(script, 'wait 10\nexpect Form1.Loaded false\n');
  const failing = await sessions.open({ address: link_to(readFileSync(script)) });
  await failing.run_for(20);
  const notice = await refused(failing, 'リプレイはここで終わりました。', run_driver(script).errors.trim());
  assert.ok(await notice.getByRole('button', { name: '遊ぶ' }).isVisible());
  await failing.close();
});

// A file dropped on the page, as a browser hands it over: `bytes`, or `size` bytes of `fill`.
function drop(game, name, { bytes = Buffer.alloc(0), size = 0, fill = 0 }) {
  return game.page.evaluate(([file_name, content, length, byte]) => {
    const carried = new DataTransfer();
    carried.items.add(new File([content.length > 0 ? new Uint8Array(content) : new Uint8Array(length).fill(byte)], file_name));
    document.querySelector('#screen').dispatchEvent(new DragEvent('drop', { dataTransfer: carried, bubbles: true, cancelable: true }));
  }, [name, [...bytes], size, fill]);
}

test('empty, huge and binary files are refused while the game goes on; a file watched ends with the close box', async () => {
  const game = await sessions.open({ context_options: DESKTOP });
  await game.run_for(1600);
  await game.press('Right');
  const files = [
    ['empty.script', {}, 'なにもありません。'],
    ['huge.script', { size: 64 << 20, fill: 0x23 }, TOO_LARGE],
    ['picture.png', { bytes: readFileSync(join(site_dir, 'icons/icon-192.png')) }, 'line 1: the line is not valid UTF-8'],
  ];
  for (const [name, content, detail] of files) {
    await drop(game, name, content);
    const notice = await refused(game, 'このリプレイは開けません。', detail, name);
    await notice.getByRole('button', { name: '閉じる' }).click();
  }

  // A game with input not saved is given up only when the player says so.
  const recording = { bytes: readFileSync(desktop_recording) };
  game.page.once('dialog', (dialog) => dialog.dismiss());
  await drop(game, 'whole game.script', recording);
  await game.run_for(10);
  assert.equal(await game.page.evaluate(() => totechita.watching), false);
  assert.equal((await game.controls()).Text1.Text, '100', 'the game went on');
  game.page.once('dialog', (dialog) => dialog.accept());
  await drop(game, 'whole game.script', recording);
  await game.page.waitForFunction(() => totechita.watching);
  await game.run_for(1600);
  await game.activate(game.window('Form2').locator('.close-box'));
  await game.page.waitForFunction(() => !totechita.watching);
  assert.match((await game.transcript()).slice(-2).join(), /^t=16\d\d unload Form2,t=16\d\d end$/);
  assert.ok(await game.page.getByText('ゲームは終わりました。').isVisible());
  await game.close();
});
