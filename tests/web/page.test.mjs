// What only the page can show on a desktop: its windows, its menu, keys and a controller, the
// font, the end of the program, and its clock when idle or hidden. Game rules are the whole-game
// test's business.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { DESKTOP, ScriptPlayer, page_sessions, run_driver, whole_game_script } from './page_session.mjs';

const HIGHLIGHT = 'rgb(49, 106, 197)';
const sessions = page_sessions();

// The whole game's opening up to its first craft, a click on the dry-ice count: a bomb in hand.
const bomb_in_hand = (game) => new ScriptPlayer(game).play({ to: 'click Label3', through: true });

// The client area's size in the form's own pixels, and where it is drawn.
async function client_size(window) {
  const box = await window.locator('.client').boundingBox();
  const scale = await window.locator('.client').evaluate((client) => Number(client.style.zoom));
  return { size: [Math.round(box.width / scale), Math.round(box.height / scale)], box };
}

function menu_tree(bar) {
  const entries = (list) => [...list.children].map((child) => {
    if (child.matches('hr')) return '-';
    if (child.matches('button')) return child.textContent;
    return { [child.firstChild.textContent]: entries(child.lastChild) };
  });
  return entries(bar);
}

test('the title is borderless and centred, then the board fills the screen with its caption, close box and menu, all in the game\'s font', async () => {
  const game = await sessions.open({ context_options: DESKTOP });
  await game.run_for(100);
  const title = game.window('Form1');
  assert.equal(await title.locator('.caption-bar').count(), 0);
  const shown = await client_size(title);
  assert.deepEqual(shown.size, [529, 481]);
  assert.ok(Math.abs(shown.box.x + shown.box.width / 2 - 640) <= 1 && Math.abs(shown.box.y + shown.box.height / 2 - 400) <= 16);
  await game.screenshot('desktop-title');

  await game.run_for(1500);
  assert.equal(await title.count(), 0);
  const board = game.window('Form2');
  assert.equal(await board.locator('.caption').textContent(), 'KORUMEDO　トテチータ');
  assert.deepEqual((await client_size(board)).size, [377, 331]);
  const room = await game.page.locator('#screen').boundingBox();
  const frame = await board.boundingBox();
  assert.ok(frame.height >= room.height - 20 && frame.y >= room.y, `board ${frame.height} high in ${room.height}`);
  assert.deepEqual(await board.locator('.menu-bar').evaluate(menu_tree), [
    { ゲーム: [{ 敵を置く: ['茂佐', 'ヌガタのおやじ', 'ポテ戦'] }, '-', '終了'] },
  ]);
  await game.screenshot('desktop-board');

  // Every text of the page, the open menu's too, with no character left to another font.
  await board.getByRole('menuitem', { name: 'ゲーム' }).click();
  const cdp = await game.page.context().newCDPSession(game.page);
  for (const domain of ['DOM', 'CSS']) await cdp.send(`${domain}.enable`);
  const { root } = await cdp.send('DOM.getDocument', { depth: -1 });
  const { nodeIds } = await cdp.send('DOM.querySelectorAll', { nodeId: root.nodeId,
    selector: '.caption, .close-box, .menu-bar button, .label, #controls-hint span span' });
  const families = new Set();
  for (const nodeId of nodeIds) {
    const { fonts } = await cdp.send('CSS.getPlatformFontsForNode', { nodeId });
    for (const font of fonts) families.add(font.familyName);
  }
  assert.deepEqual([...families], ['Totechita Gothic']);
  await game.close();
});

// Return drops bombs all through the whole game. No key the game takes is left to the page, to
// scroll it or to leave it.
test('keypad Enter drops the bomb in hand too; the page has none of the game\'s keys', async () => {
  const game = await sessions.open();
  await game.page.evaluate(() => {
    window.unhandled = [];
    addEventListener('keydown', (event) => event.defaultPrevented || window.unhandled.push(event.key));
  });
  await bomb_in_hand(game);
  await game.page.keyboard.press('NumpadEnter');
  await game.run_for(3);
  const { Image5, Label9 } = await game.controls();
  assert.deepEqual([Image5.Visible, Label9.Caption], [true, '0']);
  for (const key of ['Backspace', 'Enter']) await game.page.keyboard.press(key);
  assert.deepEqual(await game.page.evaluate(() => window.unhandled), []);
  await game.close();
});

test('the menu by the keys and the pointer: one entry selected at a time, a choice made; no listener is left behind', async () => {
  const game = await sessions.open();
  await game.run_for(1600);
  const board = game.window('Form2');
  const selected = () => board.locator('.menu button:visible').evaluateAll((buttons, colour) =>
    buttons.filter((button) => getComputedStyle(button).backgroundColor === colour).map((button) => button.textContent), HIGHLIGHT);
  for (const key of ['F10', 'ArrowRight', 'Enter']) await game.page.keyboard.press(key);  // 茂佐
  for (const key of ['Alt', 'ArrowDown', 'Escape']) await game.page.keyboard.press(key);
  assert.equal(await board.locator('[role=menu]:visible').count(), 0);
  await game.run_for(100);
  assert.equal((await game.controls()).Image7.Visible, true);
  await game.page.keyboard.press('F10');
  assert.deepEqual(await selected(), ['敵を置く']);
  await board.getByRole('menuitem', { name: '終了' }).hover();
  assert.deepEqual(await selected(), ['終了']);
  await game.page.keyboard.press('ArrowUp');
  assert.deepEqual(await selected(), ['敵を置く']);
  await game.page.keyboard.press('Escape');

  // Every new game's menu bar, and every menu opened, leaves the document as it found it.
  const cdp = await game.page.context().newCDPSession(game.page);
  const presses_heard = async () => {
    const { result } = await cdp.send('Runtime.evaluate', { expression: 'document' });
    const { listeners } = await cdp.send('DOMDebugger.getEventListeners', { objectId: result.objectId });
    return listeners.filter((listener) => listener.type === 'pointerdown').length;
  };
  const before = await presses_heard();
  for (let i = 0; i < 3; ++i) {
    await game.window('Form2').locator('.close-box').click();
    await game.page.getByRole('button', { name: 'もう一度遊ぶ' }).click();
    await game.run_for(1600);
    await game.window('Form2').getByRole('menuitem', { name: 'ゲーム' }).click();
    await game.page.mouse.click(5, 5);
  }
  assert.equal(await presses_heard(), before);
  await game.close();
});

test('Enter presses the page control that Tab reached, not the game', async () => {
  const game = await sessions.open();
  await bomb_in_hand(game);
  const board = game.window('Form2');
  const focus_on = async (control) => {
    for (let i = 0; i < 10 && !(await control.evaluate((b) => b === document.activeElement)); ++i) {
      await game.page.keyboard.press('Tab');
    }
  };
  await focus_on(board.getByRole('menuitem', { name: 'ゲーム' }));
  await game.page.keyboard.press('Enter');
  assert.equal(await board.locator('[role=menu]:visible').count(), 1, 'the menu opens');
  await game.page.keyboard.press('Escape');
  await game.run_for(3);
  assert.equal((await game.controls()).Label9.Caption, '1', 'the bomb still in hand');
  await focus_on(board.locator('.close-box'));
  await game.page.keyboard.press('Enter');
  assert.match((await game.transcript()).at(-1), / end$/);
  await game.page.keyboard.press('Enter');  // もう一度遊ぶ, focused when the program ended
  assert.deepEqual(await game.transcript(), ['t=0 show Form1']);
  await game.close();
});

test('an idle board wakes only for the plane and draws nothing; a hidden page runs nothing', async () => {
  const game = await sessions.open();
  await game.run_for(2600);
  const before = await game.page.evaluate(() => ({ ...totechita.counters }));
  await game.run_for(30000);
  const idle = await game.page.evaluate(() => ({ ...totechita.counters }));
  assert.equal(idle.frames, before.frames);
  assert.ok(idle.wakes - before.wakes <= 30, `${idle.wakes - before.wakes} wake-ups in 30 s`);

  const hide = (hidden) => game.page.evaluate((now_hidden) => {
    Object.defineProperty(document, 'hidden', { value: now_hidden, configurable: true });
    document.dispatchEvent(new Event('visibilitychange'));
  }, hidden);
  const plane = (await game.controls()).Image11.Left;
  await hide(true);
  await game.run_for(5000);
  assert.equal((await game.page.evaluate(() => totechita.counters)).wakes, idle.wakes);
  await hide(false);
  // Back in view the clock jumps: the plane makes one step for the five seconds, not five.
  assert.equal((await game.controls()).Image11.Left, plane - 100);
  await game.close();
});

const BUTTON = { A: 0, B: 1, X: 2, Start: 9, Up: 12, Down: 13, Left: 14, Right: 15 };
const FRAME = 16;  // the page reads the controllers once an animation frame

// Runs in the page before its scripts: `set_pad(held, axes)` connects a controller with the
// buttons `held` (by index) and its sticks so, `set_pad(null)` takes it away; `pad_reads` counts
// the page's readings of the controllers.
function fake_controller() {
  let pad = null;
  window.pad_reads = 0;
  navigator.getGamepads = () => {
    window.pad_reads++;
    return [pad];
  };
  window.set_pad = (held, axes) => {
    const connected = pad !== null;
    pad = held && { id: 'fake', index: 0, connected: true, mapping: 'standard', axes,
      buttons: Array.from({ length: 17 }, (_, index) => ({ pressed: held.includes(index), value: held.includes(index) ? 1 : 0 })) };
    if (connected !== (pad !== null)) dispatchEvent(new Event(pad ? 'gamepadconnected' : 'gamepaddisconnected'));
  };
}

// A game with that controller: `pad(buttons, axes)` holds the buttons named (no others) and leans
// the sticks so, `pad(null)` disconnects it.
async function open_with_controller() {
  const game = await sessions.open({ init: fake_controller });
  game.pad = (buttons = [], axes = [0, 0, 0, 0]) => game.page.evaluate(([held, now]) => window.set_pad(held, now),
    [buttons && buttons.map((name) => BUTTON[name]), axes]);
  // A press seen by one frame's reading, and the release by the next.
  game.push = async (button) => {
    await game.pad([button]);
    await game.run_for(FRAME);
    await game.pad();
    await game.run_for(FRAME);
  };
  return game;
}

test('a controller walks, crafts, drops and goes through the menu; untouched or gone, nothing reads it', async () => {
  const game = await open_with_controller();
  await game.pad();
  await game.run_for(1000);
  assert.equal(await game.page.evaluate(() => window.pad_reads), 0, 'before the first input, no reading');
  await new ScriptPlayer(game).play({ to: 'click Label3' });
  await game.push('X');
  assert.equal((await game.controls()).Label9.Caption, '1', 'X crafts');
  const x = Number((await game.controls()).Text1.Text);
  await game.push('Right');
  assert.equal(Number((await game.controls()).Text1.Text), x + 100, 'a press is one step');
  await game.pad(['Left']);
  await game.run_for(400 + 2 * 80);  // a step at once, then two
  await game.pad();
  await game.run_for(FRAME);
  assert.equal(Number((await game.controls()).Text1.Text), x - 200, 'held, it repeats at the keyboard\'s pace');
  const y = Number((await game.controls()).Text2.Text);
  await game.pad([], [0.2, 0.9, 0, 0]);
  await game.run_for(FRAME);
  await game.pad();
  await game.run_for(FRAME);
  assert.equal(Number((await game.controls()).Text2.Text), y + 100, 'the stick walks');
  await game.push('A');
  await game.run_for(3);
  assert.equal((await game.controls()).Image5.Visible, true, 'A drops the bomb');

  const board = game.window('Form2');
  await game.push('Start');
  assert.equal(await board.locator('[role=menu]:visible').count(), 1, 'Start opens the menu');
  await game.push('B');
  assert.equal(await board.locator('[role=menu]:visible').count(), 0, 'B backs out');
  // Into 敵を置く's submenu and back out, down to 終了, and chosen.
  for (const button of ['Start', 'Right', 'B', 'Down', 'A']) await game.push(button);
  assert.match((await game.transcript()).at(-1), / end$/, 'A chose 終了');

  await game.pad(null);
  await game.run_for(100);
  const reads = await game.page.evaluate(() => window.pad_reads);
  await game.run_for(1000);
  assert.equal(await game.page.evaluate(() => window.pad_reads), reads, 'disconnected, no reading');
  await game.close();
});

// Enter and Space close it in the whole game.
test('A on a controller closes a message box, as Escape does', async () => {
  for (const close of [(game) => game.push('A'), (game) => game.page.keyboard.press('Escape')]) {
    const game = await open_with_controller();
    await game.pad();
    const player = new ScriptPlayer(game, run_driver(whole_game_script).lines, { box_answers: [() => close(game)] });
    await player.play({ to: 'expect Label13.Caption 4300' });
    assert.equal((await game.controls()).Image14.Visible, true, 'the game goes on after the box');
    await game.close();
  }
});
