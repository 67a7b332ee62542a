// Games shared: a game played in the page is saved as a script that the native driver replays to
// the page's own events, and its link plays it again in a fresh page; a desktop recording opened
// from a file plays at its pace with each message box open as long as it was read; broken,
// huge, empty and binary links and files are refused plainly, and the page goes on.
import assert from 'node:assert/strict';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { deflateRawSync } from 'node:zlib';
import { artifacts_dir, commands_before, page_sessions } from './page_session.mjs';
import { ScriptPlayer, run_driver } from './script_player.mjs';

const native_driver = [process.env.TOTECHITA_NATIVE_SCRIPT_DRIVER];
const desktop_recording = process.env.TOTECHITA_RECORDED_WHOLE_GAME;
const DESKTOP = { viewport: { width: 1280, height: 800 } };
const sessions = page_sessions();

const time_of = (line) => Number(/^t=(\d+)/.exec(line)[1]);
const link_to = (bytes) => `#watch=${deflateRawSync(bytes).toString('base64url')}`;

// Runs the page's clock until the recording has played to its end.
async function watch_to_the_end(game, end) {
  await game.run_for(end + 100);
  assert.equal(await game.page.evaluate(() => totechita.watching), false);
}

test('a game played by keys is saved as a script that replays headless to its events, and its link plays it again', async () => {
  const game = await sessions.open({ seed: 1, context_options: { ...DESKTOP, permissions: ['clipboard-read', 'clipboard-write'] } });
  // Moves, the menu's three enemies, a craft by a click, then a bomb and the close box.
  await new ScriptPlayer(game, []).play(commands_before(await sessions.whole_game(), 'click Label3', { through: true }));
  await game.press('Enter');
  await game.run_for(1500);
  await game.press('Left');
  await game.run_for(20);
  await game.activate(game.window('Form2').locator('.close-box'));
  const played = await game.transcript();
  assert.match(played.at(-1), /^t=\d+ end$/);

  const notice = game.page.locator('#program-ended');
  const [download] = await Promise.all([game.page.waitForEvent('download'),
    notice.getByRole('button', { name: '保存' }).click()]);
  assert.match(download.suggestedFilename(), /^totechita-\d{8}-\d{4}\.script$/);
  const saved = join(artifacts_dir, 'played-in-the-page.script');
  await download.saveAs(saved);
  const replayed = run_driver(native_driver, saved);
  assert.equal(replayed.status, 0, replayed.errors);
  assert.deepEqual(replayed.lines, played);

  await notice.getByRole('button', { name: 'リンクをコピー' }).click();
  await game.page.getByText('リンクをコピーしました。').waitFor();
  const link = new URL(await game.page.evaluate(() => navigator.clipboard.readText()));
  assert.equal(`${link.origin}${link.pathname}`, sessions.site.url);
  const watcher = await sessions.open({ address: link.hash, context_options: DESKTOP });
  assert.ok(await watcher.page.getByText('リプレイ中').isVisible());
  await watcher.screenshot('desktop-watching');
  await watch_to_the_end(watcher, time_of(played.at(-1)));
  assert.deepEqual(await watcher.transcript(), played);
  assert.ok(await watcher.page.getByText('ゲームは終わりました。').isVisible());
  assert.deepEqual([...game.errors, ...watcher.errors], []);
  await game.close();
  await watcher.close();
});

test('a desktop recording opened from a file plays at its pace, each message box open as long as it was read', async () => {
  const expected = run_driver(native_driver, desktop_recording).lines;
  const [finale, house] = expected.filter((line) => / msgbox /.test(line)).map(time_of);
  const game = await sessions.open({ seed: 1, context_options: DESKTOP });
  const [chooser] = await Promise.all([game.page.waitForEvent('filechooser'),
    game.page.locator('#page-bar').getByRole('button', { name: '開く' }).click()]);
  await chooser.setFiles(desktop_recording);
  await game.page.waitForFunction(() => totechita.watching);
  const box = game.page.locator('#message-box');
  const box_open = () => box.evaluate((dialog) => dialog.open);

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

  await watch_to_the_end(game, time_of(expected.at(-1)) - game.now);
  assert.deepEqual(await game.transcript(), expected);
  assert.deepEqual(game.errors, []);
  await game.close();
});

// A file dropped on the page, as a browser hands it over: `bytes`, or `size` bytes of `fill`.
function drop(game, name, { bytes = Buffer.alloc(0), size = 0, fill = 0 }) {
  return game.page.evaluate(([file_name, content, length, byte]) => {
    const carried = new DataTransfer();
    carried.items.add(new File([content.length > 0 ? new Uint8Array(content) : new Uint8Array(length).fill(byte)], file_name));
    document.querySelector('#screen').dispatchEvent(new DragEvent('drop', { dataTransfer: carried, bubbles: true, cancelable: true }));
  }, [name, [...bytes], size, fill]);
}

test('broken, huge, binary and failing links say so plainly and offer a game', async () => {
  const too_large = Buffer.alloc((16 << 20) + 4096, '#');
  const links = [
    ['not base64url', '#watch=%%%', 'リンクがこわれています。'],
    ['not deflate', `#watch=${Buffer.from('no deflate here').toString('base64url')}`, 'リンクがこわれています。'],
    ['cut short', link_to(readFileSync(desktop_recording)).slice(0, 300), 'リンクがこわれています。'],
    ['inflating past the limit', link_to(too_large), 'the script is larger than 16 MB (16777216 bytes)'],
    ['binary', link_to(Buffer.from([0x73, 0x65, 0x65, 0x64, 0x20, 0x31, 0x0a, 0xff, 0xfe, 0x00, 0x01])), 'line 2: the line is not valid UTF-8'],
  ];
  for (const [what, address, detail] of links) {
    const game = await sessions.open({ address, started: false });
    const notice = game.page.getByRole('alert');
    await notice.waitFor();
    assert.equal(await notice.locator('.headline').textContent(), 'このリンクのリプレイは開けません。', what);
    assert.equal(await notice.locator('.detail').textContent(), detail, what);
    if (what === 'not base64url') await game.screenshot('desktop-bad-link');
    await notice.getByRole('button', { name: '遊ぶ' }).click();
    await game.page.waitForFunction(() => totechita.transcript.length > 0);
    assert.equal(new URL(game.page.url()).hash, '', what);
    assert.deepEqual(game.errors, [], what);
    await game.close();
  }

  // A script that cannot be played to its end stops there and says why, as the driver does.
  mkdirSync(artifacts_dir, { recursive: true });
  const script = join(artifacts_dir, 'failing.script');
  writeFileSync(script, 'wait 10\nexpect Form1.Loaded false\n');
  const failing = await sessions.open({ address: link_to(readFileSync(script)) });
  await failing.run_for(20);
  const notice = failing.page.getByRole('alert');
  assert.equal(await notice.locator('.headline').textContent(), 'リプレイはここで終わりました。');
  assert.equal(await notice.locator('.detail').textContent(), run_driver(native_driver, script).errors.trim());
  assert.ok(await notice.getByRole('button', { name: '遊ぶ' }).isVisible());
  await failing.close();
});

test('empty, huge and binary files are refused while the game goes on; a file watched ends with the close box', async () => {
  const game = await sessions.open({ seed: 1, context_options: DESKTOP });
  await game.run_for(1600);
  await game.press('Right');
  const files = [
    ['empty.script', {}, 'なにもありません。'],
    ['huge.script', { size: 64 << 20, fill: 0x23 }, 'the script is larger than 16 MB (16777216 bytes)'],
    ['picture.png', { bytes: readFileSync(join(process.env.TOTECHITA_SITE_DIR, 'icons/icon-192.png')) }, 'line 1: the line is not valid UTF-8'],
  ];
  for (const [name, content, detail] of files) {
    await drop(game, name, content);
    const notice = game.page.getByRole('alert');
    await notice.waitFor();
    assert.equal(await notice.locator('.headline').textContent(), 'このリプレイは開けません。', name);
    assert.equal(await notice.locator('.detail').textContent(), detail, name);
    await notice.getByRole('button', { name: '閉じる' }).click();
  }

  // A game with input not saved is given up only when the player says so.
  game.page.once('dialog', (dialog) => dialog.dismiss());
  await drop(game, 'whole game.script', { bytes: readFileSync(desktop_recording) });
  await game.run_for(10);
  assert.equal(await game.page.evaluate(() => totechita.watching), false);
  assert.equal((await game.state()).forms[0].controls.Text1.Text, '100', 'the game went on');
  game.page.once('dialog', (dialog) => dialog.accept());
  await drop(game, 'whole game.script', { bytes: readFileSync(desktop_recording) });
  await game.page.waitForFunction(() => totechita.watching);
  await game.run_for(1600);
  await game.activate(game.window('Form2').locator('.close-box'));
  await game.page.waitForFunction(() => !totechita.watching);
  const watched = await game.transcript();
  assert.match(watched.at(-2), /^t=16\d\d unload Form2$/);
  assert.match(watched.at(-1), /^t=16\d\d end$/);
  assert.ok(await game.page.getByText('ゲームは終わりました。').isVisible());
  assert.deepEqual(game.errors, []);
  await game.close();
});
