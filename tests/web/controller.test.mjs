// A game controller, faked through navigator.getGamepads with the standard mapping: it walks
// (a held direction repeats at the keyboard's pace), crafts, drops, moves through the menu and
// chooses from it, and closes a message box; nothing reads the controllers while none is
// connected.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { commands_before, page_sessions } from './page_session.mjs';
import { ScriptPlayer, run_driver } from './script_player.mjs';

const script_path = process.env.TOTECHITA_WHOLE_GAME_SCRIPT;
const BUTTON = { A: 0, B: 1, X: 2, Start: 9, Up: 12, Down: 13, Left: 14, Right: 15 };
const FRAME = 16;

// Runs in the page before its scripts: one controller, not yet connected, and a count of the
// animation frames asked for.
function fake_controller() {
  const pad = { id: 'fake', index: 0, connected: false, mapping: 'standard', axes: [0, 0, 0, 0],
    buttons: Array.from({ length: 17 }, () => ({ pressed: false, value: 0 })) };
  window.fake_pad = pad;
  navigator.getGamepads = () => [pad.connected ? pad : null];
  window.frames_asked = 0;
  const request = window.requestAnimationFrame;
  window.requestAnimationFrame = (callback) => {
    window.frames_asked++;
    return request(callback);
  };
}

const sessions = page_sessions();

async function open() {
  const game = await sessions.open({ seed: 1, init: fake_controller });
  game.connect = (connected) => game.page.evaluate((now) => {
    window.fake_pad.connected = now;
    dispatchEvent(new Event(now ? 'gamepadconnected' : 'gamepaddisconnected'));
  }, connected);
  game.hold = (button, held) => game.page.evaluate(([index, now]) => {
    window.fake_pad.buttons[index] = { pressed: now, value: now ? 1 : 0 };
  }, [BUTTON[button], held]);
  game.lean = (x, y) => game.page.evaluate(([ax, ay]) => {
    window.fake_pad.axes = [ax, ay, 0, 0];
  }, [x, y]);
  // A press seen by one frame's reading, and the release by the next.
  game.push = async (button) => {
    await game.hold(button, true);
    await game.run_for(FRAME);
    await game.hold(button, false);
    await game.run_for(FRAME);
  };
  return game;
}

async function controls(game) {
  return (await game.state()).forms.find((form) => form.form === 'Form2').controls;
}

test('a controller walks, crafts, drops and goes through the menu; once gone, nothing reads it', async () => {
  const game = await open();
  await new ScriptPlayer(game, []).play(commands_before(await sessions.whole_game(), 'click Label3'));
  const frames_asked = () => game.page.evaluate(() => window.frames_asked);
  await game.run_for(100);
  const idle = await frames_asked();
  await game.run_for(1000);
  assert.equal(await frames_asked(), idle, 'no controller, no reading');

  await game.connect(true);
  await game.push('X');
  assert.equal((await controls(game)).Label9.Caption, '1', 'X crafts');
  const x = Number((await controls(game)).Text1.Text);
  await game.push('Right');
  assert.equal(Number((await controls(game)).Text1.Text), x + 100, 'a press is one step');
  await game.hold('Left', true);
  await game.run_for(400 + 2 * 80);  // a step at once, then two
  await game.hold('Left', false);
  await game.run_for(FRAME);
  assert.equal(Number((await controls(game)).Text1.Text), x + 100 - 300, 'held, it repeats at the keyboard\'s pace');
  const y = Number((await controls(game)).Text2.Text);
  await game.lean(0.2, 0.9);
  await game.run_for(FRAME);
  await game.lean(0, 0);
  await game.run_for(FRAME);
  assert.equal(Number((await controls(game)).Text2.Text), y + 100, 'the stick walks');
  await game.push('A');
  await game.run_for(3);
  assert.equal((await controls(game)).Image5.Visible, true, 'A drops the bomb');

  const board = game.window('Form2');
  await game.push('Start');
  assert.equal(await board.locator('[role=menu]:visible').count(), 1, 'Start opens the menu');
  await game.push('B');
  assert.equal(await board.locator('[role=menu]:visible').count(), 0, 'B backs out');
  // Into 敵を置く's submenu and back out, down to 終了, and chosen.
  for (const button of ['Start', 'Right', 'B', 'Down', 'A']) await game.push(button);
  assert.match((await game.transcript()).at(-1), / end$/, 'A chose 終了');

  await game.connect(false);
  await game.run_for(FRAME);
  const after = await frames_asked();
  await game.run_for(1000);
  assert.equal(await frames_asked(), after, 'disconnected, no reading');
  await game.close();
});

test('A closes a message box', async () => {
  const expected = run_driver([process.env.TOTECHITA_NATIVE_SCRIPT_DRIVER], script_path).lines;
  const first_box = Number(/^t=(\d+)/.exec(expected.find((line) => / msgbox /.test(line)))[1]);
  const game = await open();
  await game.connect(true);
  const player = new ScriptPlayer(game, [first_box], { box_answers: [() => game.push('A')] });
  await player.play(commands_before(await sessions.whole_game(), 'expect Label13.Caption 4300'));
  assert.equal(player.seen_boxes.length, 1);
  assert.equal((await controls(game)).Image14.Visible, true, 'the game goes on after the box');
  await game.close();
});
