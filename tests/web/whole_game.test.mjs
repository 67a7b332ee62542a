// The whole game, from the title to the end, played in the page as a player would, once with the
// keyboard and mouse on a desktop and once by touch alone on a phone held sideways: the page must
// show what the headless driver prints, line for line, at the same virtual times. The script
// driver built for WebAssembly prints the same too.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { page_sessions } from './page_session.mjs';
import { ScriptPlayer, run_driver } from './script_player.mjs';

const script_path = process.env.TOTECHITA_WHOLE_GAME_SCRIPT;
const native_driver = [process.env.TOTECHITA_NATIVE_SCRIPT_DRIVER];
const expected = run_driver(native_driver, script_path).lines;
const boxes = expected.filter((line) => / msgbox /.test(line));
const box_times = boxes.map((line) => Number(/^t=(\d+)/.exec(line)[1]));

const sessions = page_sessions();

// The whole-game script as the game's own parser reads it, and the seed it starts with.
async function whole_game() {
  const commands = await sessions.read_script(readFileSync(script_path, 'utf8'));
  return { commands, seed: commands.find(({ verb }) => verb === 'seed')?.seed ?? 0 };
}

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
  assert.equal(await client.evaluate((element) => getComputedStyle(element).backgroundColor),
    'rgb(0, 0, 0)');
  assert.ok((await ending.boundingBox()).x < 100);
}

// Whether a control is drawn visible in the page (not what the game's state says).
function drawn(game, form, control) {
  return game.window(form).locator(`[data-control="${control}"]`)
    .evaluate((element) => getComputedStyle(element).visibility === 'visible');
}

async function check_end(game, player) {
  assert.deepEqual(player.unused(), []);
  assert.deepEqual(player.seen_boxes, boxes.map((line) => ({
    title: 'KORUMEDOトテチータ', text: line.replace(/^t=\d+ msgbox /, ''),
  })));
  assert.equal(await game.window('Form3').count(), 0, 'the windows go when the program ends');
  assert.ok(await game.page.getByText('ゲームは終わりました。').isVisible());
  assert.ok(await game.page.getByRole('button', { name: 'もう一度遊ぶ' }).isVisible());
  assert.deepEqual(game.errors, []);
}

test('the whole game played with keys and mouse shows what the headless driver prints', async () => {
  assert.equal(boxes.length, 2);
  const { commands, seed } = await whole_game();
  const game = await sessions.open({ seed, context_options: { viewport: { width: 1280, height: 800 } } });
  const player = new ScriptPlayer(game, box_times, {
    snapshots: new Map([
      ['key Enter', ['board', 1023]],  // the first bomb's burst
      ['until Form2.Image15.Visible true 2000', ['finale', 50]],
      ['expect Form3.Label1.Top 2900', ['ending', 3000]],
    ]),
    // What the handler changed before its box is drawn behind it: the finale character comes
    // with the first message, the house with the second. The box takes Enter after a click on
    // its text, and Space after a click beside it.
    box_answers: [
      async (dialog) => {
        assert.ok(await drawn(game, 'Form2', 'Image14'), 'the finale character behind the box');
        assert.equal(await game.page.getByRole('alertdialog', { name: 'KORUMEDOトテチータ' }).count(), 1);
        await game.screenshot('message-box');
        await dialog.locator('.message').click();
        await game.page.keyboard.press('Enter');
      },
      async () => {
        assert.ok(await drawn(game, 'Form2', 'Image15'), 'the house behind the box');
        await game.page.mouse.click(4, 400);
        await game.page.keyboard.press(' ');
      },
    ],
    checks: new Map([['until Form3.Loaded true 200', check_ending_window]]),
  });
  assert.deepEqual(await player.play(commands), expected);
  await check_end(game, player);
  await game.close();
});

test('the whole game played by touch alone on a phone held sideways', async () => {
  const { commands, seed } = await whole_game();
  const game = await sessions.open({ seed, context_options: {
    viewport: { width: 844, height: 390 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true } });
  // OK is a finger's size; the box sits on the board, scaled with it, and leaves the score seen.
  const tap_ok = async (dialog) => {
    const ok = await dialog.getByRole('button', { name: 'OK' }).boundingBox();
    assert.ok(ok.width >= 44 && ok.height >= 44, `OK ${ok.width}x${ok.height}`);
    const box = await dialog.boundingBox();
    const client = await game.window('Form2').locator('.client').boundingBox();
    assert.ok(box.x >= client.x && box.x + box.width <= client.x + client.width, 'box within the board');
    const score = await game.window('Form2').locator('[data-control="Label13"]').boundingBox();
    assert.ok(box.y + box.height <= score.y, 'box above the score');
    await game.screenshot('phone-landscape-message-box');
    await dialog.getByRole('button', { name: 'OK' }).tap();
  };
  const player = new ScriptPlayer(game, box_times, { box_answers: [tap_ok, tap_ok] });
  assert.deepEqual(await player.play(commands), expected);
  await check_end(game, player);
  await game.close();
});
