// The whole game, from the title to the end, played in the page as a player would, once with the
// keyboard and mouse on a desktop and once by touch alone on a phone held sideways: the page must
// show what the headless driver prints, line for line, at the same virtual times. The script
// driver built for WebAssembly prints the same too.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { DESKTOP, ScriptPlayer, assert_finger_sized, boxes, page_sessions, phone, run_driver, whole_game_script }
  from './page_session.mjs';

const expected = run_driver(whole_game_script).lines;
const sessions = page_sessions();

test('the script driver built for WebAssembly prints what the native one prints', () => {
  const native = run_driver(whole_game_script);
  assert.equal(native.status, 0, native.errors);
  assert.deepEqual(run_driver(whole_game_script, ['node', process.env.TOTECHITA_WASM_SCRIPT_DRIVER]), native);
});

// Plays the whole game in a page of `context_options`, each box answered, and checks the end:
// the windows gone and the end said.
async function play_whole_game(context_options, player_options) {
  const game = await sessions.open({ context_options });
  const player = new ScriptPlayer(game, expected, player_options(game));
  assert.deepEqual(await player.play(), expected);
  assert.equal(await game.window('Form3').count(), 0, 'the windows go when the program ends');
  assert.ok(await game.page.getByText('ゲームは終わりました。').isVisible());
  await game.close();
}

test('the whole game played with keys and mouse shows what the headless driver prints', () =>
  play_whole_game(DESKTOP, (game) => ({
    // What the handler changed before its box is drawn behind it: the finale character comes
    // with the first message, the house with the second. The box takes Enter after a click on
    // its text, and Space after a click beside it.
    box_answers: [
      async (dialog) => {
        assert.ok(await game.window('Form2').locator('[data-control="Image14"]').isVisible(), 'the finale character drawn');
        assert.equal(await game.page.getByRole('alertdialog', { name: 'KORUMEDOトテチータ' }).count(), 1);
        await game.screenshot('message-box');
        await dialog.locator('.message').click();
        await game.page.keyboard.press('Enter');
      },
      async () => {
        assert.ok(await game.window('Form2').locator('[data-control="Image15"]').isVisible(), 'the house drawn');
        await game.page.mouse.click(4, 400);
        await game.page.keyboard.press(' ');
      },
    ],
    after: new Map([
      ['key Enter', ['board', 1023]],  // the first bomb's burst
      ['until Form2.Image15.Visible true 2000', ['finale', 50]],
      // The ending has its own caption, a black ground and a place of its own, not the centre.
      ['until Form3.Loaded true 200', async () => {
        const ending = game.window('Form3');
        assert.equal(await ending.locator('.caption').textContent(), 'KORUMEDO トテチータ');
        assert.equal(await ending.locator('.client').evaluate((client) => getComputedStyle(client).backgroundColor),
          'rgb(0, 0, 0)');
        assert.ok((await ending.boundingBox()).x < 100);
      }],
      ['expect Form3.Label1.Top 2900', ['ending', 3000]],
    ]),
  })));

test('the whole game played by touch alone on a phone held sideways', () =>
  play_whole_game(phone(844, 390), (game) => {
    // OK is a finger's size; the box sits on the board, scaled with it, and leaves the score seen.
    const tap_ok = async (dialog) => {
      assert_finger_sized(await boxes(dialog.getByRole('button', { name: 'OK' })), 'OK');
      const box = await dialog.boundingBox();
      const client = await game.window('Form2').locator('.client').boundingBox();
      assert.ok(box.x >= client.x && box.x + box.width <= client.x + client.width, 'box within the board');
      const score = await game.window('Form2').locator('[data-control="Label13"]').boundingBox();
      assert.ok(box.y + box.height <= score.y, 'box above the score');
      await game.screenshot('phone-landscape-message-box');
      await dialog.getByRole('button', { name: 'OK' }).tap();
    };
    return { box_answers: [tap_ok, tap_ok] };
  }));
