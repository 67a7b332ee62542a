// The whole game, from the title to the end, played in the page through real key presses, mouse
// clicks, menu clicks and OK clicks: the page must show what the headless driver prints, line for
// line, at the same virtual times. The script driver built for WebAssembly prints the same too.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { page_sessions } from './page_session.mjs';
import { ScriptPlayer, run_driver } from './script_player.mjs';

const script_path = process.env.TOTECHITA_WHOLE_GAME_SCRIPT;
const native_driver = [process.env.TOTECHITA_NATIVE_SCRIPT_DRIVER];

const sessions = page_sessions();

test('the script driver built for WebAssembly prints what the native one prints', () => {
  const native = run_driver(native_driver, script_path);
  assert.equal(native.status, 0, native.errors);
  assert.deepEqual(run_driver(['node', process.env.TOTECHITA_WASM_SCRIPT_DRIVER], script_path), native);
});

// The ending has its own caption, a black ground and a place of its own, not the centre.
async function check_ending_window(game) {
  const ending = game.window('Form3');
  assert.equal(await ending.locator('.caption').textContent(), 'KORUMEDO トテチータ');
  const client = ending.locator('.client');
  const box = await client.boundingBox();
  assert.deepEqual([box.width, box.height], [503, 208]);
  assert.equal(await client.evaluate((element) => getComputedStyle(element).backgroundColor),
    'rgb(0, 0, 0)');
  assert.ok((await ending.boundingBox()).x < 100);
}

test('the whole game played in the page shows what the headless driver prints', async () => {
  const expected = run_driver(native_driver, script_path).lines;
  const boxes = expected.filter((line) => / msgbox /.test(line));
  assert.equal(boxes.length, 2);
  const commands = await sessions.read_script(readFileSync(script_path, 'utf8'));
  const game = await sessions.open({ seed: commands.find(({ verb }) => verb === 'seed')?.seed ?? 0 });
  const player = new ScriptPlayer(game, boxes.map((line) => Number(/^t=(\d+)/.exec(line)[1])), {
    snapshots: new Map([
      ['key Enter', ['board', 1023]],  // the first bomb's burst
      ['until Form2.Image15.Visible true 2000', ['finale', 50]],
      ['expect Form3.Label1.Top 2900', ['ending', 3000]],
    ]),
    box_snapshots: ['', 'message-box'],
    checks: new Map([['until Form3.Loaded true 200', check_ending_window]]),
  });
  assert.deepEqual(await player.play(commands), expected);
  assert.deepEqual(player.unused(), []);
  assert.deepEqual(player.seen_boxes, boxes.map((line) => ({
    title: 'KORUMEDOトテチータ', text: line.replace(/^t=\d+ msgbox /, ''),
  })));
  assert.equal(await game.window('Form3').count(), 0, 'the windows go when the program ends');
  assert.ok(await game.page.getByText('ゲームは終わりました。').isVisible());
  assert.ok(await game.page.getByRole('button', { name: 'もう一度遊ぶ' }).isVisible());
  assert.deepEqual(game.errors, []);
  await game.close();
});
